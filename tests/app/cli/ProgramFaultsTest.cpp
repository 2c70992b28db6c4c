// The program itself (plovkmr and its report helper) on faults of its
// surroundings: links and contents of outputs, unusable stores, signals,
// names without an extension or not in UTF-8.
#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <sstream>

#include "TempDir.h"

extern char** environ;

namespace kmr {
namespace {

namespace fs = std::filesystem;

struct Outcome {
    pid_t pid = 0;
    int status = 0;
    std::string out, err;
    int Exit() const { return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status); }
};

class ProgramFaults : public test::TempDirTest {
  protected:
    void SetUp() override {
        TempDirTest::SetUp();
        setenv("PLOVKMR_HOME", Path("home").c_str(), 1);
        fs::create_directory(Path("home"));
        for (const char* name : {"in.KMX", "keep.KMX"}) Copy("two-span-sample.KMX", name);
    }
    void Copy(const char* example, const std::string& to) {
        fs::copy_file(KMR_EXAMPLES "/" + std::string(example), Path(to));
    }
    // Starts plovkmr in the test folder, standard output to `outFd`.
    pid_t Start(std::vector<std::string> args, int outFd) {
        args.insert(args.begin(), KMR_PLOVKMR);
        std::vector<char*> argv;
        for (std::string& a : args) argv.push_back(a.data());
        argv.push_back(nullptr);
        posix_spawn_file_actions_t fa;
        posix_spawn_file_actions_init(&fa);
        posix_spawn_file_actions_adddup2(&fa, outFd, 1);
        posix_spawn_file_actions_addopen(&fa, 2, Path("err.txt").c_str(), O_WRONLY | O_CREAT, 0600);
        posix_spawn_file_actions_addchdir_np(&fa, Path("").c_str());
        pid_t pid = 0;
        EXPECT_EQ(posix_spawn(&pid, argv[0], &fa, nullptr, argv.data(), environ), 0);
        posix_spawn_file_actions_destroy(&fa);
        return pid;
    }
    Outcome Plovkmr(const std::vector<std::string>& args) {
        const int out = open(Path("out.txt").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        Outcome r;
        r.pid = Start(args, out);
        close(out);
        waitpid(r.pid, &r.status, 0);
        return Finish(r, Text("out.txt"));
    }
    Outcome Finish(Outcome r, std::string out) {
        r.out = std::move(out);
        r.err = Text("err.txt");
        fs::remove(Path("err.txt"));
        return r;
    }
    std::string Text(const std::string& name) {
        std::ifstream f(Path(name), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(f), {});
    }
    std::size_t Temporaries() {
        std::size_t n = 0;
        for (const std::string& e : Entries())
            n += e.size() > 4 && e.substr(e.size() - 4) == ".tmp";
        return n;
    }
};

TEST_F(ProgramFaults, NoOutputReplacesADataFileByLinkOrContent) {
    fs::create_symlink("keep.KMX", Path("link.pdf"));
    fs::create_symlink("link.pdf", Path("link2.pdf"));
    Copy("two-span-sample.KMX", "data.pdf");
    Copy("old-two-span.Kmr", "old.pdf");
    std::ofstream(Path("some.pdf")) << "%PDF-1.4";
    const struct {
        const char* output;
        int exit;
    } cases[] = {{"link.pdf", 1}, {"link2.pdf", 1}, {"data.pdf", 1},
                 {"old.pdf", 1},  {"new.pdf", 0},   {"some.pdf", 0}};
    for (const auto& c : cases) {
        const std::string before = Text(c.output);
        const Outcome r = Plovkmr({"report", "in.KMX", "-o", c.output});
        EXPECT_EQ(r.Exit(), c.exit) << c.output << r.err;
        EXPECT_EQ(Text(c.output).rfind("%PDF", 0) == 0 && Text(c.output) != before, c.exit == 0);
    }
    EXPECT_EQ(Text("keep.KMX"), Text("in.KMX"));
}

TEST_F(ProgramFaults, UnusableStoresAreSkippedAndSaidOnce) {
    const struct {
        const char* store;
        bool fifo;
    } cases[] = {{"PLOV-Kmr.ini", true}, {"PLOV-Kmr.ini", false}, {"PLOVKmr.def", true}};
    for (const auto& c : cases) {
        const std::string store = "home/" + std::string(c.store);
        if (c.fifo) {
            ASSERT_EQ(mkfifo(Path(store).c_str(), 0600), 0);
        } else {
            std::ofstream(Path(store)) << "[General]\n";
            fs::resize_file(Path(store), 2 << 20);
        }
        const Outcome r = Plovkmr({"report", "in.KMX"});
        EXPECT_EQ(r.Exit(), 0) << store;
        EXPECT_EQ(r.err.find(c.store), r.err.rfind(c.store)) << r.err;
        EXPECT_NE(r.err.find(c.store), std::string::npos) << r.err;
        fs::remove(Path(store));
    }
}

// With its standard output full, the helper cannot say it is done before
// plovkmr ends; whatever ends plovkmr, the output closes (the helper gone)
// without that message, and no temporary file stays.
TEST_F(ProgramFaults, TheHelperEndsWithTheCommand) {
    for (int sig : {SIGTERM, SIGINT, SIGKILL}) {
        int p[2];
        ASSERT_EQ(pipe(p), 0);
        fcntl(p[1], F_SETFL, O_NONBLOCK);
        while (write(p[1], "........", 8) == 8) {
        }
        fcntl(p[1], F_SETFL, 0);
        Outcome r;
        r.pid = Start({"report", "in.KMX", "-o", "k.pdf"}, p[1]);
        close(p[1]);
        const std::string children =
            "/proc/" + std::to_string(r.pid) + "/task/" + std::to_string(r.pid) + "/children";
        while (Text(children).empty() && waitpid(r.pid, &r.status, WNOHANG) == 0) usleep(1000);
        kill(r.pid, sig);
        waitpid(r.pid, &r.status, 0);
        std::string out;
        char buf[4096];
        for (ssize_t n; (n = read(p[0], buf, sizeof buf)) > 0;) out.append(buf, n);
        close(p[0]);
        r = Finish(r, out);
        EXPECT_EQ(r.Exit(), 128 + sig);
        EXPECT_EQ(r.out.find("書き出しました"), std::string::npos) << sig;
        EXPECT_EQ(Temporaries(), 0u);
    }
}

TEST_F(ProgramFaults, TheNameGivenIsReadAsItIs) {
    Copy("two-span-sample.KMX", "beam");
    Copy("three-span-floor-beam.KMX", "beam.KMX");
    Copy("three-span-floor-beam.KMX", "only");
    Copy("two-span-sample.KMX", "other.KMX");
    const struct {
        const char* name;
        const char* found;  // in standard output, or the name in the error
    } cases[] = {{"beam", "スパン数: 2"},
                 {"only", "スパン数: 3"},
                 {"other", "スパン数: 2"},
                 {"none", "none.KMX"}};
    for (const auto& c : cases) {
        const Outcome r = Plovkmr({"calc", c.name});
        EXPECT_NE((r.out + r.err).find(c.found), std::string::npos) << c.name << r.out << r.err;
    }
    // A write goes to the file read: `design --clear` on "beam" rewrites
    // "beam" and leaves "beam.KMX" as it was.
    const auto before = fs::last_write_time(Path("beam.KMX"));
    EXPECT_EQ(Plovkmr({"design", "beam", "--clear"}).Exit(), 0);
    EXPECT_EQ(fs::file_size(Path("beam")), 5034u);
    EXPECT_EQ(fs::last_write_time(Path("beam.KMX")), before);
}

TEST_F(ProgramFaults, NamesInShiftJisKeepTheirBytes) {
    const std::string names[] = {"\x82\xa0", "\x82\xa2"};
    for (const std::string& n : names) Copy("old-two-span.Kmr", n + ".Kmr");
    for (const std::string& n : names) {
        EXPECT_EQ(Plovkmr({"convert", n + ".Kmr"}).Exit(), 0);
        EXPECT_EQ(Plovkmr({"report", n + ".KMX"}).Exit(), 0);
        EXPECT_TRUE(fs::exists(Path(n + ".KMX")) && fs::exists(Path(n + ".pdf"))) << n;
    }
}

// TERM while files are converted: the run ends by it and leaves no
// temporary file; one left by a process that no longer exists is removed by
// the next write into the folder, one of a running process is not.
TEST_F(ProgramFaults, TemporaryFilesDoNotOutliveTheirProcess) {
    std::vector<std::string> args = {"convert", "--force"};
    for (int i = 0; i < 300; ++i) {
        Copy("old-two-span.Kmr", "f" + std::to_string(i) + ".Kmr");
        args.push_back("f" + std::to_string(i) + ".Kmr");
    }
    int p[2];
    ASSERT_EQ(pipe(p), 0);
    Outcome r;
    r.pid = Start(args, p[1]);
    close(p[1]);
    char c = 0;
    ASSERT_EQ(read(p[0], &c, 1), 1);
    kill(r.pid, SIGTERM);
    waitpid(r.pid, &r.status, 0);
    close(p[0]);
    EXPECT_EQ(r.Exit(), 128 + SIGTERM);
    EXPECT_EQ(Temporaries(), 0u);

    const std::string dead = ".f1.KMX.999999999.tmp",
                      alive = ".f2.KMX." + std::to_string(getpid()) + ".tmp";
    for (const std::string& t : {dead, alive}) std::ofstream(Path(t)) << "x";
    EXPECT_EQ(Plovkmr({"convert", "--force", "f0.Kmr"}).Exit(), 0);
    EXPECT_FALSE(fs::exists(Path(dead)));
    EXPECT_TRUE(fs::exists(Path(alive)));
}

}  // namespace
}  // namespace kmr
