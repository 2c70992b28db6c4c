// plovkmr --help, VERB --help and --version, and a verb whose helper program
// is missing.
#include <gtest/gtest.h>

#include <sstream>

#include "app/cli/Cli.h"
#include "app/cli/HelperProgram.h"

namespace kmr::cli {
namespace {

struct Outcome {
    int status;
    std::string out, err;
};

Outcome Cli(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    const int status = RunCli(args, out, err);
    return {status, out.str(), err.str()};
}

bool Has(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

TEST(Help, VersionIsTheProgramVersion) {
    const Outcome r = Cli({"--version"});
    EXPECT_EQ(r.status, kExitOk);
    EXPECT_EQ(r.out, "plovkmr 3.0.6.0\n");
}

TEST(Help, ProgramHelpListsEveryVerbAndTheExitStatuses) {
    for (const char* asked : {"--help", "-h", "help"}) {
        const Outcome r = Cli({asked});
        EXPECT_EQ(r.status, kExitOk) << asked;
        for (const char* part : {"使い方: plovkmr", "plovkmr dump FILE", "plovkmr convert",
                                 "plovkmr calc FILE... [--json]", "plovkmr report", "--version",
                                 "終了コード", "  2  使い方の誤り"}) {
            EXPECT_TRUE(Has(r.out, part)) << asked << ": " << part;
        }
        EXPECT_EQ(r.err, "");
    }
}

// Every verb explains each option of its synopsis and its exit statuses,
// whether asked as `VERB --help` (among other arguments) or `help VERB`.
TEST(Help, EveryVerbExplainsItsOptions) {
    for (const Verb& v : Verbs()) {
        const Outcome asked = Cli({v.name, "some.KMX", "--help"});
        EXPECT_EQ(asked.status, kExitOk) << v.name;
        EXPECT_EQ(asked.out, Cli({"help", v.name}).out) << v.name;
        EXPECT_TRUE(Has(asked.out, std::string("使い方: plovkmr ") + v.name + " ")) << v.name;
        EXPECT_TRUE(Has(asked.out, "終了コード:\n  0  ")) << v.name;
        std::string words = v.synopsis;
        for (char& c : words) {
            if (c == '[' || c == ']' || c == '|') c = ' ';
        }
        std::istringstream synopsis(words);
        for (std::string word; synopsis >> word;) {
            if (word[0] != '-') continue;
            EXPECT_TRUE(Has(asked.out, "  " + word + " ")) << v.name << ": " << word;
        }
    }
    EXPECT_EQ(Cli({"help", "frobnicate"}).status, kExitUsage);
}

#ifdef KMR_REPORT_HELPER
TEST(Help, MissingHelperProgramIsAFileErrorNamingIt) {
    std::ostringstream out, err;
    EXPECT_EQ(RunInHelper("no-such-verb", {"a.KMX"}, out, err), kExitFileError);
    EXPECT_TRUE(Has(err.str(), "plovkmr-no-such-verb")) << err.str();
    EXPECT_EQ(out.str(), "");
}
#else
// Without the helper (Windows, no Qt) report only says so, as a usage error.
TEST(Help, ReportWithoutItsHelperSaysSo) {
    const Outcome r = Cli({"report", "a.KMX", "-o", "a.pdf"});
    EXPECT_EQ(r.status, kExitUsage);
    EXPECT_TRUE(Has(r.err, "plovkmr report: この plovkmr は Qt なしでビルドされているため"))
        << r.err;
    EXPECT_EQ(r.out, "");
}
#endif

}  // namespace
}  // namespace kmr::cli
