#include "app/cli/HelperProgram.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <ostream>
#include <string>

#ifdef __linux__
#include <sys/prctl.h>
#endif

#include "app/cli/Verbs.h"

extern char** environ;

namespace kmr::cli {
namespace {

// The folder of the running program (symbolic links resolved).
std::string ProgramFolder() {
    std::string path(4096, '\0');
    const ssize_t n = readlink("/proc/self/exe", path.data(), path.size());
    if (n <= 0 || static_cast<std::size_t>(n) >= path.size()) return ".";
    path.resize(static_cast<std::size_t>(n));
    return path.substr(0, path.find_last_of('/'));
}

// The helper while it runs, and the signal that asked this program to end.
volatile pid_t gHelper = 0;
volatile std::sig_atomic_t gEndSignal = 0;

const int kForwarded[] = {SIGTERM, SIGINT, SIGHUP};
const char* const kParentVariable = "PLOVKMR_PARENT_PID";

extern "C" void ForwardToHelper(int sig) {
    gEndSignal = sig;
    if (gHelper > 0) kill(gHelper, sig);
}

// While the helper runs, TERM, INT and HUP are passed on to it; they are
// held until its id is known, so none is lost.
class ForwardSignals {
  public:
    ForwardSignals() {
        sigemptyset(&held_);
        for (int sig : kForwarded) sigaddset(&held_, sig);
        sigprocmask(SIG_BLOCK, &held_, &previousMask_);
        for (std::size_t i = 0; i < std::size(kForwarded); ++i) {
            struct sigaction action {};
            action.sa_handler = ForwardToHelper;
            sigemptyset(&action.sa_mask);
            sigaction(kForwarded[i], &action, &previous_[i]);
        }
    }
    // The helper started (or not): signals held so far are delivered now.
    void Started(pid_t pid) {
        gHelper = pid;
        sigprocmask(SIG_SETMASK, &previousMask_, nullptr);
    }
    // The helper has ended: the previous handlers return, and a signal that
    // asked this program to end now ends it the same way.
    ~ForwardSignals() {
        gHelper = 0;
        for (std::size_t i = 0; i < std::size(kForwarded); ++i) {
            sigaction(kForwarded[i], &previous_[i], nullptr);
        }
        sigprocmask(SIG_SETMASK, &previousMask_, nullptr);
        if (gEndSignal != 0) raise(gEndSignal);
    }
    ForwardSignals(const ForwardSignals&) = delete;
    ForwardSignals& operator=(const ForwardSignals&) = delete;

    // The child starts with the signal mask of before and default actions.
    void Prepare(posix_spawnattr_t& attr) const {
        posix_spawnattr_init(&attr);
        sigset_t defaults;
        sigemptyset(&defaults);
        for (int sig : kForwarded) sigaddset(&defaults, sig);
        posix_spawnattr_setsigmask(&attr, &previousMask_);
        posix_spawnattr_setsigdefault(&attr, &defaults);
        posix_spawnattr_setflags(&attr, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
    }

  private:
    sigset_t held_{};
    sigset_t previousMask_{};
    struct sigaction previous_[std::size(kForwarded)]{};
};

int WaitFor(pid_t pid) {
    int status = 0;
    while (waitpid(pid, &status, 0) < 0) {
        if (errno != EINTR) return kExitFileError;
    }
    if (WIFEXITED(status)) return WEXITSTATUS(status);
    return WIFSIGNALED(status) ? 128 + WTERMSIG(status) : kExitFileError;
}

}  // namespace

void EndWithParent() {
#ifdef __linux__
    const char* value = std::getenv(kParentVariable);
    if (!value) return;
    const std::string parent = value;
    unsetenv(kParentVariable);
    prctl(PR_SET_PDEATHSIG, SIGTERM);
    // The parent may have ended before the request: then end now.
    if (std::to_string(getppid()) != parent) raise(SIGTERM);
#endif
}

std::string HelperProgramPath(const std::string& verb) {
    return ProgramFolder() + "/" KMR_HELPER_DIR "/plovkmr-" + verb;
}

int RunInHelper(const std::string& verb, const std::vector<std::string>& args, std::ostream& out,
                std::ostream& err) {
    const std::string program = HelperProgramPath(verb);
    if (access(program.c_str(), X_OK) != 0) {
        err << "plovkmr: " << verb << " を実行するプログラム「" << program
            << "」が見つかりません。インストールを確かめてください。\n";
        return kExitFileError;
    }
    std::vector<std::string> argvText = {program};
    argvText.insert(argvText.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& a : argvText) argv.push_back(a.data());
    argv.push_back(nullptr);

    out.flush();
    err.flush();
    setenv(kParentVariable, std::to_string(getpid()).c_str(), 1);
    ForwardSignals forward;
    posix_spawnattr_t attr;
    forward.Prepare(attr);
    pid_t pid = 0;
    const int spawnError = posix_spawn(&pid, program.c_str(), nullptr, &attr, argv.data(), environ);
    posix_spawnattr_destroy(&attr);
    forward.Started(spawnError == 0 ? pid : 0);
    if (spawnError != 0) {
        err << "plovkmr: 「" << program << "」を起動できません: " << std::strerror(spawnError)
            << "\n";
        return kExitFileError;
    }
    return WaitFor(pid);
}

int RunReportInHelper(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    return RunInHelper("report", args, out, err);
}

}  // namespace kmr::cli
