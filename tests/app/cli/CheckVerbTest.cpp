// plovkmr check, sections and design, run in process: the exit statuses and
// the design data stored in and removed from a file.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "app/cli/Cli.h"
#include "model/DataFile.h"
#include "tests/support/BeamBuilder.h"

namespace kmr {
namespace {

using namespace kmr::test;

class CheckVerb : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = std::filesystem::temp_directory_path() /
               ("kmr-check-" + std::to_string(std::random_device{}()));
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override {
        std::error_code ec;
        std::filesystem::remove_all(dir_, ec);
    }
    std::string Path(const std::string& name) { return (dir_ / name).generic_u8string(); }
    std::string Text(const std::string& name, const std::string& text) {
        std::ofstream(Path(name)) << text;
        return Path(name);
    }
    int Run(const std::vector<std::string>& args) {
        out_.str("");
        err_.str("");
        return cli::RunCli(args, out_, err_);
    }
    std::filesystem::path dir_;
    std::ostringstream out_, err_;
};

std::string Design(const char* section) {
    return std::string(R"({"members": [{"member": 1, "section": ")") + section +
           R"(", "steel": "SS400"}]})";
}

TEST_F(CheckVerb, ExitStatuses) {
    BeamModel m = MakeBeam({6.0}, {S, S});
    SetLoad(m, 1, 1, kLoadUniform, 2.0, 0.0, 6.0);  // M = 9 t·m
    const std::string beam = Path("b.KMX");
    WriteDataFile(beam, m);
    const struct {
        std::string design;
        int status;
    } cases[] = {
        {Design("H-400x200x8x13"), 0},  // σb = 75 N/mm², δ = L/1160
        {Design("H-200x100x5.5x8"), 3},
        {Design("H-999x1x1x1"), 2},
        {R"({"members": [{"member": 2, "F": 235}]})", 2},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Run({"check", beam, "--design", Text("d.json", c.design), "--json"}), c.status)
            << c.design << err_.str();
        EXPECT_EQ(c.status == 2, out_.str().find(R"("ok":)") == std::string::npos);
    }
    EXPECT_EQ(Run({"check", beam}), 2);  // no design data
    EXPECT_EQ(Run({"check", Path("none.KMX")}), 1);
    EXPECT_EQ(Run({"sections", "--json"}), 0);
    const std::string list = out_.str();
    EXPECT_GE(std::count(list.begin(), list.end(), '\n'), 42);
}

TEST_F(CheckVerb, DesignStoredAndCleared) {
    const std::string beam = Path("b.KMX");
    WriteDataFile(beam, MakeBeam({6.0}, {S, S}));
    const auto before = std::filesystem::file_size(beam);
    EXPECT_EQ(Run({"design", beam, "--set", Text("d.json", Design("H-400x200x8x13"))}), 0);
    EXPECT_GT(std::filesystem::file_size(beam), before);
    EXPECT_EQ(Run({"design", beam}), 0);
    EXPECT_NE(out_.str().find("H-400x200x8x13"), std::string::npos);
    EXPECT_EQ(Run({"dump", beam}), 0);
    EXPECT_NE(out_.str().find("\"Design\""), std::string::npos);
    EXPECT_EQ(Run({"design", beam, "--set", Text("e.json", Design("H-1"))}), 2);
    EXPECT_EQ(Run({"design", beam, "--clear"}), 0);
    EXPECT_EQ(std::filesystem::file_size(beam), before);
}

}  // namespace
}  // namespace kmr
