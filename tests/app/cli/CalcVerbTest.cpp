// plovkmr calc, run in process on data files written for the test.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <random>
#include <sstream>

#include "app/cli/Cli.h"
#include "model/DataFile.h"
#include "tests/support/BeamBuilder.h"

namespace kmr {
namespace {

using namespace kmr::test;

class CalcVerb : public ::testing::Test {
  protected:
    void SetUp() override {
        std::random_device rd;
        dir_ = std::filesystem::temp_directory_path() / ("kmr-calc-" + std::to_string(rd()));
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override {
        std::error_code ec;
        std::filesystem::remove_all(dir_, ec);
    }
    std::string Write(const std::string& name, const BeamModel& m) {
        // Forward slashes: the names appear unescaped in the expected JSON.
        const std::string path = (dir_ / name).generic_u8string();
        WriteDataFile(path, m);
        return path;
    }
    int Run(const std::vector<std::string>& args) {
        out_.str("");
        err_.str("");
        return cli::RunCli(args, out_, err_);
    }
    std::filesystem::path dir_;
    std::ostringstream out_, err_;
};

BeamModel Good(int outputUnit = 0) {
    BeamModel m = MakeBeam({6.0}, {S, S});
    SetCommonLoad(m, 1.0);
    m.Header.OutputUnit = outputUnit;
    return m;
}

BeamModel Mechanism() {
    BeamModel m = MakeBeam({6.0, 6.0}, {S, H, S});
    SetCommonLoad(m, 1.0);
    return m;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

TEST_F(CalcVerb, TextTablesOfOneFile) {
    const std::string a = Write("a.KMX", Good(1));
    ASSERT_EQ(Run({"calc", a}), cli::kExitOk) << err_.str();
    // 44.130: w L^2 / 8 = 4.5 t m in kN m.
    for (const std::string& expected :
         {"■ " + a, std::string("中央Ｍ (kNm)"), std::string("44.130")}) {
        EXPECT_NE(out_.str().find(expected), std::string::npos) << expected;
    }
    EXPECT_EQ(err_.str(), "");
}

TEST_F(CalcVerb, JsonLinePerFileAndRefusalsOnStandardError) {
    const std::string a = Write("a.KMX", Good(1)), b = Write("b.KMX", Mechanism());
    const std::string c = Write("c.KMX", Good(0));
    ASSERT_EQ(Run({"calc", a, b, c, "--json"}), cli::kExitRefused);
    const auto lines = Lines(out_.str());
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(
        lines[0].rfind("{\"file\":\"" + a + "\",\"inputUnit\":\"t\",\"outputUnit\":\"kN\"", 0), 0u);
    const auto at = lines[0].find("\"MCenter\":");
    EXPECT_NEAR(std::strtod(lines[0].c_str() + at + 10, nullptr), 4.5 * 9.80665, 1e-3);
    EXPECT_EQ(lines[1], "{\"file\":\"" + b +
                            "\",\"error\":{\"code\":6,\"message\":\"支持設定に誤りがあります。 "
                            "(不安定)\"}}");
    EXPECT_EQ(lines[2].rfind("{\"file\":\"" + c + "\"", 0), 0u);
    EXPECT_EQ(err_.str(),
              "plovkmr: " + b + ": 計算できません。\n支持設定に誤りがあります。 (不安定)\n");
}

TEST_F(CalcVerb, FileErrorWinsAndLaterFilesAreStillCalculated) {
    BeamModel unset = Good();
    unset.Members[1].SpanLength = 0.0;
    const std::string bad = Write("bad.KMX", unset), a = Write("a.KMX", Good());
    const std::string missing = (dir_ / "missing.KMX").string();
    ASSERT_EQ(Run({"calc", "--json", missing, bad, a}), cli::kExitFileError);
    const auto lines = Lines(out_.str());
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_NE(lines[0].find("\"code\":1,"), std::string::npos);
    EXPECT_NE(lines[0].find("\\r\\n\\r\\n        部材名 [1]"), std::string::npos);
    EXPECT_NE(lines[1].find("\"members\""), std::string::npos);
    EXPECT_NE(err_.str().find("missing.KMX"), std::string::npos);
    EXPECT_NE(err_.str().find("スパン長が入力されていません。\n\n        部材名 [1]\n"),
              std::string::npos);
}

TEST_F(CalcVerb, UnsetMembersTakeTheCommonValues) {
    BeamModel m = Good();
    m.Members[1].Io = 0.0;
    m.Members[1].E = 0.0;
    m.Header.CommonIo = 5e4;
    m.Header.CommonE = 2000.0;
    ASSERT_EQ(Run({"calc", "--json", Write("u.KMX", m)}), cli::kExitOk) << err_.str();
    EXPECT_NE(out_.str().find("\"Io\":50000,\"E\":2000,"), std::string::npos) << out_.str();
}

TEST_F(CalcVerb, UsageErrors) {
    EXPECT_EQ(Run({"calc"}), cli::kExitUsage);
    EXPECT_EQ(Run({"calc", "--xml", "a.KMX"}), cli::kExitUsage);
    EXPECT_NE(err_.str().find("--xml"), std::string::npos);
    EXPECT_EQ(Run({"help"}), cli::kExitOk);
    EXPECT_NE(out_.str().find("plovkmr calc FILE... [--json]"), std::string::npos);
}

}  // namespace
}  // namespace kmr
