// plovkmr dump and convert, run in process on hand-made files.
#include <gtest/gtest.h>

#include <sstream>

#include "ImageBuilder.h"
#include "TempDir.h"
#include "app/cli/Cli.h"
#include "model/DataFile.h"

namespace kmr::cli {
namespace {

using kmr::test::ReadBytes;
using kmr::test::WriteBytes;

class Cli : public kmr::test::TempDirTest {
  protected:
    int Run(const std::vector<std::string>& args) {
        out_.str("");
        err_.str("");
        return RunCli(args, out_, err_);
    }
    bool OutHas(const std::string& s) const { return out_.str().find(s) != std::string::npos; }
    bool ErrHas(const std::string& s) const { return err_.str().find(s) != std::string::npos; }
    std::ostringstream out_, err_;
};

std::size_t Count(const std::string& text, const std::string& what) {
    std::size_t n = 0;
    for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
    return n;
}

TEST_F(Cli, DumpVersion3ListsEveryRecord) {
    WriteBytes(Path("s.KMX"), kmr::test::TwoSpanSampleVersion3().bytes);
    ASSERT_EQ(Run({"dump", Path("s.KMX")}), kExitOk) << err_.str();
    const std::string json = out_.str();
    EXPECT_EQ(json.rfind("{\n  \"kind\": 3,", 0), 0u);
    EXPECT_EQ(Count(json, "\"Distance\""), 11u * 5);
    EXPECT_EQ(Count(json, "\"SpringConstant\""), 12u);
    EXPECT_EQ(Count(json, "\"LoadType\""), 11u * 5 + 12u * 5);
    EXPECT_TRUE(OutHas("\"ProductId\": \"PLOV-Kmr\""));
    EXPECT_TRUE(OutHas("\"SpanLength\": 6,"));
    EXPECT_TRUE(
        OutHas("{\"LoadType\": 3, \"Distance\": 1, \"Length1\": 4, \"Length2\": 0, "
               "\"Height\": 1.5, \"Value\": 2}"));
    EXPECT_TRUE(OutHas("\"Name\": \"K\""));
    EXPECT_TRUE(OutHas("\"SpringConstant\": 80"));
    EXPECT_EQ(json.back(), '\n');
    EXPECT_EQ(err_.str(), "");
}

TEST_F(Cli, DumpVersion1ShowsTheConvertedAndRenamedModel) {
    kmr::test::ByteImage image = kmr::test::OldSampleVersion1();
    WriteBytes(Path("old.Kmr"), image.bytes);
    ASSERT_EQ(Run({"dump", Path("old.Kmr")}), kExitOk) << err_.str();
    EXPECT_TRUE(OutHas("\"kind\": 1,"));
    EXPECT_TRUE(
        OutHas("{\"LoadType\": 3, \"Distance\": 0, \"Length1\": 6, \"Length2\": 0, "
               "\"Height\": 1.5, \"Value\": 2}"));
    EXPECT_TRUE(OutHas("\"Name\": \"10\""));
    EXPECT_TRUE(OutHas("\"InputUnit\": 1,"));
}

TEST_F(Cli, DumpTextsAndValuesThatNeedCare) {
    kmr::test::ByteImage image = kmr::test::TwoSpanSampleVersion3();
    image.Text(9, "\xB6\xC5\x82\xA0\"");                 // ｶﾅ, あ (Shift-JIS) and a quote
    image.bytes[kmr::test::Member3(1) + 27 + 9] = 0x7F;  // Reserved1: NaN, never read
    image.bytes[kmr::test::Member3(1) + 27 + 8] = 0xFF;
    image.bytes[kmr::test::Member3(1) + 27 + 7] = 0xC0;
    WriteBytes(Path("t.KMX"), image.bytes);
    ASSERT_EQ(Run({"dump", Path("t.KMX")}), kExitOk) << err_.str();
    EXPECT_TRUE(OutHas("\"ProgramVersion\": \"ｶﾅあ\\\"\"")) << out_.str().substr(0, 200);
    EXPECT_TRUE(OutHas("\"Reserved1\": null"));

    image.Text(9, "\x81\n");  // a cut double-byte character and a control character
    WriteBytes(Path("t.KMX"), image.bytes);
    ASSERT_EQ(Run({"dump", Path("t.KMX")}), kExitOk);
    EXPECT_TRUE(OutHas("\"ProgramVersion\": \"\xEF\xBF\xBD\\n\"")) << out_.str().substr(0, 200);
}

TEST_F(Cli, FileErrorsExitWithOneAndNameTheFile) {
    struct Case {
        std::vector<std::uint8_t> bytes;
        const char* message;
    };
    kmr::test::ByteImage badCount = kmr::test::TwoSpanSampleVersion3();
    badCount.Int32(19, 11);
    const Case cases[] = {
        {std::vector<std::uint8_t>(100, 0), "短すぎます"},
        {badCount.bytes, "スパン数 11"},
    };
    for (const Case& c : cases) {
        WriteBytes(Path("bad.KMX"), c.bytes);
        EXPECT_EQ(Run({"dump", Path("bad.KMX")}), kExitFileError);
        EXPECT_TRUE(ErrHas(Path("bad.KMX"))) << err_.str();
        EXPECT_TRUE(ErrHas(c.message)) << err_.str();
        EXPECT_EQ(out_.str(), "");
    }
    EXPECT_EQ(Run({"dump", Path("none.KMX")}), kExitFileError);
    EXPECT_TRUE(ErrHas("を開けません"));
}

TEST_F(Cli, UsageErrorsExitWithTwo) {
    EXPECT_EQ(Run({}), kExitUsage);
    EXPECT_EQ(Run({"frobnicate"}), kExitUsage);
    EXPECT_TRUE(ErrHas("不明なコマンド"));
    EXPECT_EQ(Run({"dump"}), kExitUsage);
    EXPECT_EQ(Run({"dump", "a", "b"}), kExitUsage);
    EXPECT_EQ(Run({"convert"}), kExitUsage);
    EXPECT_EQ(Run({"convert", "a.Kmr", "--bogus"}), kExitUsage);
    EXPECT_EQ(Run({"help"}), kExitOk);
    EXPECT_TRUE(OutHas("plovkmr dump"));
    EXPECT_TRUE(OutHas("plovkmr convert"));
}

TEST_F(Cli, ConvertWritesVersion3NextToTheOldFile) {
    WriteBytes(Path("OLD.Kmr"), kmr::test::OldSampleVersion1().bytes);
    ASSERT_EQ(Run({"convert", Path("OLD.Kmr")}), kExitOk) << err_.str();
    const std::vector<std::uint8_t> written = ReadBytes(Path("OLD.KMX"));
    ASSERT_EQ(written.size(), 5034u);
    BeamModel model;
    const DataFileResult r = ReadDataFile(Path("OLD.KMX"), model);
    EXPECT_EQ(r.kind, FileKind::Version3);
    EXPECT_EQ(model.Header.SpanCount, 2);
    EXPECT_EQ(model.Members[1].Loads[0].LoadType, kLoadUniform);
    EXPECT_EQ(model.Members[1].Loads[0].Length1.Value(), 6.0);
    EXPECT_EQ(model.Members[2].Name.Str(), "2");
    EXPECT_EQ(model.Supports[3].SpringConstant.Value(), 40.0);
    EXPECT_EQ(model.Header.ProductId.Str(), "PLOV-Kmr");
    EXPECT_EQ(ReadBytes(Path("OLD.Kmr")), kmr::test::OldSampleVersion1().bytes);
}

TEST_F(Cli, ConvertNeverOverwritesWithoutForce) {
    WriteBytes(Path("a.Kmr"), kmr::test::OldSampleVersion1().bytes);
    WriteBytes(Path("a.KMX"), {1, 2, 3});
    EXPECT_EQ(Run({"convert", Path("a.Kmr")}), kExitFileError);
    EXPECT_TRUE(ErrHas(Path("a.KMX")));
    EXPECT_TRUE(ErrHas("--force"));
    EXPECT_EQ(ReadBytes(Path("a.KMX")), (std::vector<std::uint8_t>{1, 2, 3}));
    EXPECT_EQ(Run({"convert", "--force", Path("a.Kmr")}), kExitOk) << err_.str();
    EXPECT_EQ(ReadBytes(Path("a.KMX")).size(), 5034u);
}

TEST_F(Cli, ConvertToAFolderGoesOnPastFailures) {
    std::filesystem::create_directory(Path("out"));
    WriteBytes(Path("one.kmr"), kmr::test::OldSampleVersion1().bytes);
    WriteBytes(Path("two.Kmr"), kmr::test::OldSampleVersion1().bytes);
    WriteBytes(Path("new.KMX"), kmr::test::TwoSpanSampleVersion3().bytes);
    EXPECT_EQ(Run({"convert", Path("one.kmr"), Path("missing.Kmr"), Path("new.KMX"),
                   Path("two.Kmr"), "-o", Path("out")}),
              kExitFileError);
    EXPECT_TRUE(ErrHas(Path("missing.Kmr")));
    EXPECT_TRUE(ErrHas(Path("new.KMX")));
    EXPECT_EQ(ReadBytes(Path("out/one.KMX")).size(), 5034u);
    EXPECT_EQ(ReadBytes(Path("out/two.KMX")).size(), 5034u);
    EXPECT_FALSE(std::filesystem::exists(Path("out/missing.KMX")));
}

TEST_F(Cli, CalcAndDiagramRefuseAUnitFieldOutsideTAndKN) {
    BeamModel m;
    InitProgramModel(m, "3.0.6");
    m.Members[1].SpanLength = m.Members[2].SpanLength = 6.0;
    m.Header.OutputUnit = 99;
    WriteDataFile(Path("u.KMX"), m);
    for (const char* verb : {"calc", "diagram"}) {
        EXPECT_EQ(Run({verb, Path("u.KMX")}), kExitRefused) << verb;
        EXPECT_TRUE(ErrHas("OutputUnit = 99")) << err_.str();
    }
}

}  // namespace
}  // namespace kmr::cli
