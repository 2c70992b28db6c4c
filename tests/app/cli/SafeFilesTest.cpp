// The verbs on special files, unsafe report outputs and beams whose analysis
// gives no finite result: refused with exit 1 (files) or 2 (refused beam),
// nothing written, nothing replaced.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <sstream>

#include "ImageBuilder.h"
#include "TempDir.h"
#include "app/cli/Cli.h"
#include "app/cli/Verbs.h"
#include "model/DataFile.h"
#include "tests/support/BeamBuilder.h"

namespace kmr::cli {
namespace {

namespace fs = std::filesystem;
using kmr::test::ReadBytes;
using kmr::test::WriteBytes;

class SafeFiles : public kmr::test::TempDirTest {
  protected:
    int Run(const std::vector<std::string>& args) {
        out_.str("");
        err_.str("");
        // report runs in its helper program, which the test binary does not
        // find beside itself: call the verb in process instead.
        if (!args.empty() && args.front() == "report")
            return RunReport({args.begin() + 1, args.end()}, out_, err_);
        return RunCli(args, out_, err_);
    }
    bool ErrHas(const std::string& s) const { return err_.str().find(s) != std::string::npos; }
    std::ostringstream out_, err_;
};

// A FIFO without a writer would block every verb for ever if it were opened.
TEST_F(SafeFiles, EveryVerbRefusesAFifo) {
    ASSERT_EQ(mkfifo(Path("pipe.KMX").c_str(), 0600), 0);
    ASSERT_EQ(mkfifo(Path("pipe.Kmr").c_str(), 0600), 0);
    const std::vector<std::vector<std::string>> runs = {
        {"dump", Path("pipe.KMX")},
        {"calc", Path("pipe.KMX")},
        {"report", Path("pipe.KMX"), "-o", Path("out.pdf")},
        {"convert", Path("pipe.Kmr"), "--force"},
    };
    for (const auto& args : runs) {
        EXPECT_EQ(Run(args), kExitFileError) << args[0];
        EXPECT_TRUE(ErrHas("「" + args[1] + "」は通常のファイルではありません")) << err_.str();
    }
    EXPECT_FALSE(fs::exists(Path("out.pdf")));
    EXPECT_FALSE(fs::exists(Path("pipe.KMX.KMX")));
}

// The report never replaces its data file, any data file, or anything that is
// not a regular file.
TEST_F(SafeFiles, ReportRefusesUnsafeOutputs) {
    const std::vector<std::uint8_t> data = kmr::test::TwoSpanSampleVersion3().bytes;
    WriteBytes(Path("beam.KMX"), data);
    WriteBytes(Path("other.kmx"), data);
    ASSERT_EQ(mkfifo(Path("pipe.pdf").c_str(), 0600), 0);
    fs::create_symlink(Path("pipe.pdf"), Path("pipelink.pdf"));
    fs::create_symlink(Path("beam.KMX"), Path("beamlink.pdf"));
    fs::create_directory(Path("dir.pdf"));
    const struct {
        std::string output, why;
    } cases[] = {
        {Path("beam.KMX"), "同じファイル"},       {Path("beamlink.pdf"), "同じファイル"},
        {Path("other.kmx"), "データファイル"},    {Path("new.Kmr"), "データファイル"},
        {Path("pipe.pdf"), "通常のファイルでは"}, {Path("pipelink.pdf"), "通常のファイルでは"},
        {Path("dir.pdf"), "通常のファイルでは"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Run({"report", Path("beam.KMX"), "-o", c.output}), kExitFileError) << c.output;
        EXPECT_TRUE(ErrHas(c.why)) << err_.str();
    }
    EXPECT_EQ(ReadBytes(Path("beam.KMX")), data);
    EXPECT_EQ(ReadBytes(Path("other.kmx")), data);
    EXPECT_TRUE(fs::is_fifo(Path("pipe.pdf")));
    EXPECT_TRUE(fs::is_symlink(Path("pipelink.pdf")));
    EXPECT_FALSE(fs::exists(Path("new.Kmr")));
}

TEST_F(SafeFiles, ConvertWithForceFollowsLinksButReplacesNoSpecialFile) {
    WriteBytes(Path("old.Kmr"), kmr::test::OldSampleVersion1().bytes);
    fs::create_directory(Path("out"));
    ASSERT_EQ(mkfifo(Path("pipe").c_str(), 0600), 0);
    fs::create_symlink(Path("pipe"), Path("out/old.KMX"));
    EXPECT_EQ(Run({"convert", Path("old.Kmr"), "-o", Path("out"), "--force"}), kExitFileError);
    EXPECT_TRUE(fs::is_fifo(Path("pipe")));
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(Path("out/old.KMX"))));

    fs::remove(Path("out/old.KMX"));
    fs::create_symlink("made.KMX", Path("out/old.KMX"));  // dangling
    EXPECT_EQ(Run({"convert", Path("old.Kmr"), "-o", Path("out"), "--force"}), kExitOk)
        << err_.str();
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(Path("out/old.KMX"))));
    EXPECT_EQ(ReadBytes(Path("out/made.KMX")).size(), 5034u);
}

// A beam whose results are not finite is refused like a validation refusal;
// so is a version-1 file whose common load height is far below zero.
TEST_F(SafeFiles, BeamsWithoutAFiniteResultAreRefused) {
    WriteDataFile(Path("overflow.KMX"), kmr::test::OverflowingBeam());
    kmr::test::ByteImage old = kmr::test::OldSampleVersion1();
    old.Single(33, -1e30f);  // common load height
    WriteBytes(Path("low.Kmr"), old.bytes);
    const struct {
        std::string file;
        int code;
    } cases[] = {{Path("overflow.KMX"), 7}, {Path("low.Kmr"), 221}};
    for (const auto& c : cases) {
        EXPECT_EQ(Run({"calc", "--json", c.file}), 2) << c.file;
        std::string json = out_.str();
        json.erase(std::remove(json.begin(), json.end(), ' '), json.end());
        EXPECT_NE(json.find("\"error\":{\"code\":" + std::to_string(c.code)), std::string::npos)
            << json;
        EXPECT_EQ(Run({"report", c.file, "-o", Path("r.pdf")}), 2) << c.file;
        EXPECT_FALSE(fs::exists(Path("r.pdf")));
    }
    EXPECT_EQ(Run({"calc", Path("overflow.KMX")}), 2);
    EXPECT_TRUE(ErrHas("計算結果が求まりません。入力データを確認してください。"));
    EXPECT_EQ(out_.str().find("nan"), std::string::npos);
}

}  // namespace
}  // namespace kmr::cli
