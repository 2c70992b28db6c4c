// plovkmr diagram, run in process on data files written for the test.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <sstream>

#include "TempDir.h"
#include "app/cli/Cli.h"
#include "model/DataFile.h"
#include "tests/support/BeamBuilder.h"

namespace kmr::cli {
namespace {

using namespace kmr::test;

class DiagramVerb : public kmr::test::TempDirTest {
  protected:
    std::string Write(const std::string& name, const BeamModel& m) {
        // Forward slashes: the name appears unescaped in the expected JSON.
        const std::string path = std::filesystem::u8path(Path(name)).generic_u8string();
        WriteDataFile(path, m);
        return path;
    }
    int Run(const std::vector<std::string>& args) {
        out_.str("");
        err_.str("");
        return RunCli(args, out_, err_);
    }
    std::ostringstream out_, err_;
};

// Two propped cantilevers under 1 t/m meeting at a fixed support: 6 m
// simple-fixed, then 4 m fixed-simple.
BeamModel Propped() {
    BeamModel m = MakeBeam({6, 4}, {S, F, S});
    SetCommonLoad(m, 1.0);
    return m;
}

TEST_F(DiagramVerb, CsvRowsFollowTheClosedForms) {
    const std::string file = Write("p.KMX", Propped());
    ASSERT_EQ(Run({"diagram", file, "--csv", "--points", "4"}), kExitOk) << err_.str();
    std::istringstream in(out_.str());
    std::string line;
    std::getline(in, line);
    EXPECT_EQ(line, "member,x,X,Q,M,rotation,deflection");
    int rows = 0;
    double lastX = -1;
    while (std::getline(in, line)) {
        ++rows;
        double v[7];
        const char* p = line.c_str();
        for (double& f : v) {
            char* end = nullptr;
            f = std::strtod(p, &end);
            p = end + 1;  // past the comma
        }
        const int member = int(v[0]);
        const double x = v[1];
        // Q and M of the propped cantilevers (3wL/8 at the simple end).
        const double q = member == 1 ? 2.25 - x : 2.5 - x;
        const double m = member == 1 ? 2.25 * x - x * x / 2 : -2 + 2.5 * x - x * x / 2;
        EXPECT_NEAR(v[2], x + (member == 2 ? 6 : 0), 1e-12) << line;
        EXPECT_NEAR(v[3], q, 1e-4) << line;
        EXPECT_NEAR(v[4], m, 1e-4) << line;
        EXPECT_GE(v[2], lastX) << line;
        lastX = v[2];
    }
    // Per member the 5 grid points, the largest M and the largest deflection
    // (the other extremes lie on the ends).
    EXPECT_EQ(rows, 14);
}

TEST_F(DiagramVerb, JsonDocument) {
    const std::string file = Write("p.KMX", Propped());
    ASSERT_EQ(Run({"diagram", file}), kExitOk) << err_.str();
    const std::string json = out_.str();
    EXPECT_EQ(json.rfind("{\n  \"file\": \"" + file + "\",\n  \"outputUnit\": \"t\",", 0), 0u);
    for (const char* key : {"\"name\": \"1\"", "\"name\": \"2\"", "\"x\": [0, 0.3, ", "\"X\": [",
                            "\"Q\": [", "\"M\": [", "\"rotation\": [", "\"deflection\": ["}) {
        EXPECT_NE(json.find(key), std::string::npos) << key;
    }
}

TEST_F(DiagramVerb, RefusalsAndErrorsAsCalc) {
    BeamModel mechanism = MakeBeam({6, 6}, {S, H, S});
    SetCommonLoad(mechanism, 1.0);
    const std::string good = Write("p.KMX", Propped()), bad = Write("m.KMX", mechanism);
    const struct {
        std::vector<std::string> args;
        int status;
        const char* out;  // start of standard output
    } cases[] = {
        {{"diagram"}, kExitUsage, ""},
        {{"diagram", good, good}, kExitUsage, ""},
        {{"diagram", good, "--points"}, kExitUsage, ""},
        {{"diagram", good, "--points", "0"}, kExitUsage, ""},
        {{"diagram", good, "--points", "2.5"}, kExitUsage, ""},
        {{"diagram", good, "--svg"}, kExitUsage, ""},
        {{"diagram", Path("none.KMX")}, kExitFileError, ""},
        {{"diagram", bad}, 2, "{\"file\":"},
        {{"diagram", bad, "--csv"}, 2, ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Run(c.args), c.status) << c.args.back();
        EXPECT_EQ(out_.str().rfind(c.out, 0), 0u) << c.args.back();
        if (c.out[0] == 0) {
            EXPECT_EQ(out_.str(), "") << c.args.back();
        }
        EXPECT_NE(err_.str(), "") << c.args.back();
    }
}

}  // namespace
}  // namespace kmr::cli
