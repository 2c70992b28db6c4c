// Version-3 files: byte layout against hand-made images, exact round trips,
// file kinds by name.
#include <gtest/gtest.h>

#include <random>
#include <utility>

#include "ImageBuilder.h"
#include "TempDir.h"
#include "model/DataFile.h"

namespace kmr {
namespace {

using test::ByteImage;
using test::Member3;
using test::MemberSlot3;
using test::NodeSlot3;
using test::ReadBytes;
using test::Support3;
using test::WriteBytes;

class DataFile : public test::TempDirTest {};

BeamModel NewModel() {
    BeamModel model;
    InitProgramModel(model, "3.0.6");
    return model;
}

TEST_F(DataFile, NewModelWritesTheHandMadeImage) {
    const BeamModel model = NewModel();
    const DataFileResult r = WriteDataFile(Path("new.KMX"), model);
    EXPECT_EQ(r.kind, FileKind::Version3);
    const std::vector<std::uint8_t> bytes = ReadBytes(Path("new.KMX"));
    ASSERT_EQ(bytes.size(), 5034u);
    EXPECT_EQ(bytes[0], 8);
    EXPECT_EQ(std::string(bytes.begin() + 1, bytes.begin() + 9), "PLOV-Kmr");
    const std::vector<std::uint8_t> expected = test::NewModelVersion3().bytes;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        ASSERT_EQ(bytes[i], expected[i]) << "offset " << i;
    }
}

TEST_F(DataFile, ReadsEveryBlockAtItsOffset) {
    ByteImage image = test::TwoSpanSampleVersion3();
    image.Int32(113, 1);                        // OutputUnit
    image.Word(57, 1);                          // IoInputMode
    image.Real(Member3(0) + 7, 99.0);           // record 0 is kept too
    image.Real(Member3(10) + 37, -7.25);        // Reserved2 of member 10
    image.Real(MemberSlot3(10, 5) + 24, 0.75);  // Length2, last slot of the last member
    image.Real(NodeSlot3(11, 5) + 4, -12.5);    // last node slot of the last support
    image.Real(Support3(11) + 81, 33.0);        // last field of the file
    image.Text(Member3(4), "Beam");             // names as stored
    WriteBytes(Path("s.KMX"), image.bytes);

    BeamModel model = NewModel();
    ReadDataFile(Path("s.KMX"), model);
    const ModelHeader& h = model.Header;
    EXPECT_EQ(h.SpanCount, 2);
    EXPECT_EQ(h.CommonLoad.Value(), 2.5);
    EXPECT_EQ(h.CommonLoadHeight.Value(), 3.0);
    EXPECT_EQ(h.CommonE.Value(), 2100.0);
    EXPECT_EQ(h.IoInputMode, 1);
    EXPECT_EQ(h.CommonIo.Value(), 120000.0);
    EXPECT_EQ(h.CommonSpring.Value(), 50.0);
    EXPECT_EQ(h.OutputUnit, 1);
    EXPECT_EQ(model.Members[0].SpanLength.Value(), 99.0);
    EXPECT_EQ(model.Members[1].SpanLength.Value(), 6.0);
    EXPECT_EQ(model.Members[2].B.Value(), 30.0);
    EXPECT_EQ(model.Members[2].D.Value(), 60.0);
    EXPECT_EQ(model.Members[4].Name.Str(), "Beam");
    const MemberLoad& uniform = model.Members[1].Loads[0];
    EXPECT_EQ(uniform.LoadType, kLoadUniform);
    EXPECT_EQ(uniform.Distance.Value(), 1.0);
    EXPECT_EQ(uniform.Length1.Value(), 4.0);
    EXPECT_EQ(uniform.Height.Value(), 1.5);
    EXPECT_EQ(uniform.Value.Value(), 2.0);
    EXPECT_EQ(model.Members[2].Loads[1].LoadType, kLoadConcentrated);
    EXPECT_EQ(model.Members[2].Loads[1].Distance.Value(), 1.25);
    EXPECT_EQ(model.Members[10].Reserved2.Value(), -7.25);
    EXPECT_EQ(model.Members[10].Loads[4].Length2.Value(), 0.75);
    EXPECT_EQ(model.Supports[1].Condition, kSupportFixed);
    EXPECT_EQ(model.Supports[2].NodeLoads[0].LoadType, kNodeMoment);
    EXPECT_EQ(model.Supports[2].NodeLoads[0].Value.Value(), 5.0);
    EXPECT_EQ(model.Supports[3].SpringConstant.Value(), 80.0);
    EXPECT_EQ(model.Supports[11].NodeLoads[4].Value.Value(), -12.5);
    EXPECT_EQ(model.Supports[11].SpringConstant.Value(), 33.0);
}

// Every real gets a significand no double has; string tails, record 0 and
// the reserved fields get arbitrary bytes (NaN there is never read).
std::vector<std::uint8_t> ImageWithForeignBytes() {
    ByteImage image = test::TwoSpanSampleVersion3();
    std::mt19937 rng(42);
    auto noise = [&](std::size_t at, std::size_t n) {
        for (std::size_t i = 0; i < n; ++i) image.bytes[at + i] = static_cast<std::uint8_t>(rng());
    };
    auto widen = [&](std::size_t at) {  // keep the exponent, fill the low significand
        if (image.bytes[at + 7] & 0x80) noise(at, 3);
    };
    noise(Member3(0), 347);
    noise(Support3(0), 91);
    for (int m = 1; m <= 10; ++m) {
        noise(Member3(m) + 1 + image.bytes[Member3(m)], 6 - image.bytes[Member3(m)]);
        noise(Member3(m) + 27, 20);  // Reserved1, Reserved2
        for (std::size_t at = Member3(m) + 7; at < Member3(m) + 77; at += 10) widen(at);
        for (int j = 1; j <= 5; ++j) {
            for (std::size_t k = 4; k < 54; k += 10) widen(MemberSlot3(m, j) + k);
        }
    }
    for (int s = 1; s <= 11; ++s) noise(Support3(s) + 2, 5);
    image.Text(9, "3.1");
    noise(9 + 4, 2);
    for (std::size_t at : {23u, 33u, 47u, 59u, 99u}) widen(at);
    return image.bytes;
}

TEST_F(DataFile, ReadThenWriteIsByteIdentical) {
    const std::vector<std::vector<std::uint8_t>> images = {test::NewModelVersion3().bytes,
                                                           test::TwoSpanSampleVersion3().bytes,
                                                           ImageWithForeignBytes()};
    for (const auto& image : images) {
        WriteBytes(Path("in.KMX"), image);
        BeamModel model = NewModel();
        ReadDataFile(Path("in.KMX"), model);
        WriteDataFile(Path("out.KMX"), model);
        EXPECT_EQ(ReadBytes(Path("out.KMX")), image);
    }
}

TEST_F(DataFile, ForeignValuesAreReadAsTheNearestDouble) {
    ByteImage image = test::TwoSpanSampleVersion3();
    image.bytes[Member3(1) + 7] = 0x01;  // 6 plus 2^-61: no double
    WriteBytes(Path("x.KMX"), image.bytes);
    BeamModel model = NewModel();
    ReadDataFile(Path("x.KMX"), model);
    EXPECT_EQ(model.Members[1].SpanLength.Value(), 6.0);
    EXPECT_NE(model.Members[1].SpanLength.bytes, Extended(6.0).bytes);
}

TEST_F(DataFile, KindAndNameFollowTheLastFourCharacters) {
    struct Case {
        std::string path;
        FileKind kind;
        std::string actual;
    };
    const Case cases[] = {
        {"a.KMX", FileKind::Version3, "a.KMX"},         {"a.kmx", FileKind::Version3, "a.kmx"},
        {"a.Kmr", FileKind::Version1, "a.Kmr"},         {"a.kMR", FileKind::Version1, "a.kMR"},
        {"data", FileKind::Version3, "data.KMX"},       {"a.txt", FileKind::Version3, "a.txt.KMX"},
        {"kmr", FileKind::Version3, "kmr.KMX"},         {"", FileKind::Version3, ".KMX"},
        {"d.KMX/x", FileKind::Version3, "d.KMX/x.KMX"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FileKindOf(c.path), c.kind) << c.path;
        EXPECT_EQ(ActualFileName(c.path), c.actual) << c.path;
    }
}

TEST_F(DataFile, PathWithoutExtensionGetsKmxOnReadAndWrite) {
    BeamModel model = NewModel();
    model.Members[1].SpanLength = 8.0;
    const DataFileResult w = WriteDataFile(Path("plain"), model);
    EXPECT_EQ(w.fileName, Path("plain.KMX"));
    EXPECT_EQ(ReadBytes(Path("plain.KMX")).size(), 5034u);

    BeamModel back = NewModel();
    const DataFileResult r = ReadDataFile(Path("plain"), back);
    EXPECT_EQ(r.kind, FileKind::Version3);
    EXPECT_EQ(r.fileName, Path("plain.KMX"));
    EXPECT_EQ(back.Members[1].SpanLength.Value(), 8.0);
}

TEST_F(DataFile, LongerFileIsReadToTheFormatSize) {
    std::vector<std::uint8_t> bytes = test::TwoSpanSampleVersion3().bytes;
    bytes.resize(6000, 0xEE);
    WriteBytes(Path("long.kmx"), bytes);
    BeamModel model = NewModel();
    ReadDataFile(Path("long.kmx"), model);
    EXPECT_EQ(model.Members[1].SpanLength.Value(), 6.0);
}

// Names are UTF-8 in the program on every system (wide names on Windows):
// writing new, replacing, reading both kinds, and the refusals.
TEST_F(DataFile, JapaneseNamesInAJapaneseFolder) {
    std::filesystem::create_directory(std::filesystem::u8path(Path("構造計算")));
    const std::string beam = Path("構造計算/三スパン梁.KMX");
    BeamModel model = NewModel();
    model.Members[1].SpanLength = 4.5;
    EXPECT_EQ(WriteDataFile(beam, model).fileName, beam);
    model.Members[1].SpanLength = 5.5;
    WriteDataFile(beam, model);  // replaces the file just written
    BeamModel back = NewModel();
    ReadDataFile(beam, back);
    EXPECT_EQ(back.Members[1].SpanLength.Value(), 5.5);
    EXPECT_EQ(ReadBytes(beam), EncodeVersion3(model));

    WriteBytes(Path("構造計算/旧データ.Kmr"), test::OldSampleVersion1().bytes);
    EXPECT_EQ(ReadDataFile(Path("構造計算/旧データ.Kmr"), back).kind, FileKind::Version1);

    std::filesystem::create_directory(std::filesystem::u8path(Path("構造計算/フォルダ.KMX")));
    const std::pair<const char*, DataFileError::Problem> refusals[] = {
        {"構造計算/フォルダ.KMX", DataFileError::Problem::kNotRegularFile},
        {"構造計算/無い.KMX", DataFileError::Problem::kCannotOpen},
    };
    for (const auto& [name, problem] : refusals) {
        try {
            ReadDataFile(Path(name), back);
            ADD_FAILURE() << name << " was read";
        } catch (const DataFileError& e) {
            EXPECT_EQ(e.problem(), problem) << name;
            EXPECT_NE(std::string(e.what()).find(Path(name)), std::string::npos) << e.what();
        }
    }
    EXPECT_THROW(WriteDataFile(Path("構造計算/フォルダ.KMX"), model), DataFileError);
    EXPECT_TRUE(
        std::filesystem::is_directory(std::filesystem::u8path(Path("構造計算/フォルダ.KMX"))));
    EXPECT_EQ(std::filesystem::file_size(std::filesystem::u8path(beam)), 5034u);
    std::size_t entries = 0;
    for (const auto& e :
         std::filesystem::directory_iterator(std::filesystem::u8path(Path("構造計算")))) {
        (void)e;
        ++entries;  // no temporary file stays behind
    }
    EXPECT_EQ(entries, 3u);
}

#ifndef _WIN32  // POSIX permissions and symbolic links
TEST_F(DataFile, OverwriteReplacesContentAndKeepsPermissions) {
    WriteBytes(Path("p.KMX"), std::vector<std::uint8_t>(100, 1));
    std::filesystem::permissions(Path("p.KMX"), std::filesystem::perms(0640));
    WriteDataFile(Path("p.KMX"), NewModel());
    EXPECT_EQ(ReadBytes(Path("p.KMX")), test::NewModelVersion3().bytes);
    EXPECT_EQ(std::filesystem::status(Path("p.KMX")).permissions(), std::filesystem::perms(0640));
    EXPECT_EQ(Entries().size(), 1u);  // no temporary file left
}

TEST_F(DataFile, WriteThroughALinkReplacesTheLinkedFile) {
    std::filesystem::create_directory(Path("real"));
    WriteBytes(Path("real/a.KMX"), {1});
    std::filesystem::create_symlink(Path("real/a.KMX"), Path("link.KMX"));
    WriteDataFile(Path("link.KMX"), NewModel());
    EXPECT_TRUE(std::filesystem::is_symlink(Path("link.KMX")));
    EXPECT_EQ(ReadBytes(Path("real/a.KMX")), test::NewModelVersion3().bytes);
    // A link whose target does not exist yet: the target is created.
    std::filesystem::create_symlink("real/new.KMX", Path("dangling.KMX"));
    WriteDataFile(Path("dangling.KMX"), NewModel());
    EXPECT_TRUE(std::filesystem::is_symlink(Path("dangling.KMX")));
    EXPECT_EQ(ReadBytes(Path("real/new.KMX")), test::NewModelVersion3().bytes);
}

// Names up to the 255-byte limit of a folder entry are written, the
// temporary file's name staying within the limit; nothing else is left.
TEST_F(DataFile, LongNamesAreWritten) {
    const std::string kana = "\xE6\xA2\x81";  // 梁, 3 bytes
    std::string wide;
    while (wide.size() + 3 <= 251) wide += kana;  // 249 bytes of text
    const std::string names[] = {
        std::string(240, 'a') + ".KMX",
        std::string(243, 'b') + ".KMX",
        std::string(251, 'c') + ".KMX",
        wide + ".KMX",
    };
    for (const std::string& name : names) {
        WriteDataFile(Path(name), NewModel());
        EXPECT_EQ(ReadBytes(Path(name)), test::NewModelVersion3().bytes) << name.size();
        WriteDataFile(Path(name), NewModel());  // over the existing file
        std::filesystem::remove(Path(name));
        EXPECT_TRUE(Entries().empty()) << name.size();
    }
}
#endif

}  // namespace
}  // namespace kmr
