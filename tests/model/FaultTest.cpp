// Files that must be refused, and writes that fail: each gives its error,
// names the file and changes nothing (neither the model nor the old file).
#include <gtest/gtest.h>
#ifndef _WIN32
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <cmath>
#include <limits>
#include <random>

#include "ImageBuilder.h"
#include "TempDir.h"
#include "model/DataFile.h"

namespace kmr {
namespace {

using Problem = DataFileError::Problem;
using test::ByteImage;
using test::ReadBytes;
using test::WriteBytes;

class Faults : public test::TempDirTest {
  protected:
    void SetUp() override {
        TempDirTest::SetUp();
        InitProgramModel(model_, "3.0.6");
        model_.Members[1].SpanLength = 7.0;
        model_.Supports[1].Condition = kSupportFixed;
        before_ = EncodeVersion3(model_);
    }
    // Reads and expects the problem, a message naming the file with all the
    // given parts, and an unchanged model.
    void ExpectRefused(const std::string& name, Problem problem,
                       const std::vector<std::string>& parts = {}) {
        try {
            ReadDataFile(Path(name), model_);
            ADD_FAILURE() << name << " was read";
        } catch (const DataFileError& e) {
            EXPECT_EQ(e.problem(), problem) << name << ": " << e.what();
            EXPECT_EQ(e.fileName(), Path(name));
            EXPECT_NE(std::string(e.what()).find(Path(name)), std::string::npos) << e.what();
            for (const std::string& p : parts) {
                EXPECT_NE(std::string(e.what()).find(p), std::string::npos) << e.what();
            }
        }
        EXPECT_EQ(EncodeVersion3(model_), before_) << name;
    }
    BeamModel model_;
    std::vector<std::uint8_t> before_;
};

TEST_F(Faults, ShortAndMissingFilesAreRefused) {
    std::vector<std::uint8_t> v3 = test::TwoSpanSampleVersion3().bytes;
    v3.resize(5033);
    WriteBytes(Path("short.KMX"), v3);
    ExpectRefused("short.KMX", Problem::kTooShort, {"5033 バイト", "5034 バイト"});
    WriteBytes(Path("empty.KMX"), {});
    ExpectRefused("empty.KMX", Problem::kTooShort, {"0 バイト", "5034"});
    std::vector<std::uint8_t> v1 = test::OldSampleVersion1().bytes;
    v1.resize(1302);
    WriteBytes(Path("short.Kmr"), v1);
    ExpectRefused("short.Kmr", Problem::kTooShort, {"1302 バイト", "1303 バイト"});
    ExpectRefused("missing.KMX", Problem::kCannotOpen);
}

// Nothing but a regular file is opened: a FIFO without a writer would block
// the read for ever.
TEST_F(Faults, SpecialFilesAreRefusedUnopened) {
    std::filesystem::create_directory(Path("folder.KMX"));
    std::vector<const char*> names = {"folder.KMX"};
#ifndef _WIN32  // FIFOs, devices and symbolic links as POSIX has them
    ASSERT_EQ(mkfifo(Path("pipe.KMX").c_str(), 0600), 0);
    ASSERT_EQ(mkfifo(Path("pipe.Kmr").c_str(), 0600), 0);
    std::filesystem::create_symlink(Path("pipe.KMX"), Path("link.KMX"));
    std::filesystem::create_symlink("/dev/null", Path("null.KMX"));
    names.insert(names.end(), {"pipe.KMX", "pipe.Kmr", "link.KMX", "null.KMX"});
#endif
    for (const char* name : names) {
        ExpectRefused(name, Problem::kNotRegularFile, {"通常のファイルではありません"});
    }
}

TEST_F(Faults, GarbageIsRefused) {
    std::mt19937 rng(1);
    for (int round = 0; round < 20; ++round) {
        for (std::size_t size : {std::size_t{5034}, std::size_t{1303}}) {
            std::vector<std::uint8_t> bytes(size);
            for (auto& b : bytes) b = static_cast<std::uint8_t>(rng());
            const std::string name = size == 5034 ? "junk.KMX" : "junk.Kmr";
            WriteBytes(Path(name), bytes);
            ExpectRefused(name, Problem::kBadSpanCount);
        }
    }
}

TEST_F(Faults, SpanCountOutsideOneToTenIsRefused) {
    for (std::int32_t count : {0, 11, -1, std::numeric_limits<std::int32_t>::max(),
                               std::numeric_limits<std::int32_t>::min()}) {
        ByteImage v3 = test::TwoSpanSampleVersion3();
        v3.Int32(19, count);
        WriteBytes(Path("count.KMX"), v3.bytes);
        ExpectRefused("count.KMX", Problem::kBadSpanCount, {std::to_string(count)});
        ByteImage v1 = test::OldSampleVersion1();
        v1.Int32(25, count);
        WriteBytes(Path("count.Kmr"), v1.bytes);
        ExpectRefused("count.Kmr", Problem::kBadSpanCount, {std::to_string(count)});
    }
    for (std::int32_t count : {1, 10}) {
        ByteImage v3 = test::TwoSpanSampleVersion3();
        v3.Int32(19, count);
        WriteBytes(Path("ok.KMX"), v3.bytes);
        BeamModel model;
        EXPECT_NO_THROW(ReadDataFile(Path("ok.KMX"), model));
    }
}

void PutNaN(ByteImage& image, std::size_t at) {
    for (int i = 0; i < 8; ++i) image.bytes[at + i] = 0xFF;
    image.Word(at + 8, 0x7FFF);
}

TEST_F(Faults, NonFiniteValuesInUseAreRefused) {
    struct Case {
        const char* what;
        std::size_t at;
        const char* field;
    };
    const Case cases[] = {
        {"span length", test::Member3(1) + 7, "部材 1 のスパン長"},
        {"common load", 23, "共通荷重"},
        {"load value", test::MemberSlot3(2, 3) + 44, "部材 2 の荷重 3 のWP"},
        {"member beyond the span count", test::Member3(9) + 47, "部材 9 のヤング係数"},
        {"spring constant", test::Support3(11) + 81, "支点 K のバネ定数"},
        {"node load", test::NodeSlot3(3, 5) + 4, "支点 C の節点荷重 5"},
    };
    for (const Case& c : cases) {
        ByteImage image = test::TwoSpanSampleVersion3();
        PutNaN(image, c.at);
        WriteBytes(Path("nan.KMX"), image.bytes);
        ExpectRefused("nan.KMX", Problem::kNotFinite, {c.field});
        image = test::TwoSpanSampleVersion3();
        image.Real(c.at, 1.0);
        image.Word(c.at + 8, 0xFFFF);  // -infinity
        for (int i = 0; i < 7; ++i) image.bytes[c.at + i] = 0;
        WriteBytes(Path("inf.KMX"), image.bytes);
        ExpectRefused("inf.KMX", Problem::kNotFinite, {c.field});
    }
    ByteImage v1 = test::OldSampleVersion1();
    v1.Single(test::Member1(1), std::nanf(""));
    WriteBytes(Path("nan.Kmr"), v1.bytes);
    ExpectRefused("nan.Kmr", Problem::kNotFinite, {"部材 1 のスパン長"});
}

TEST_F(Faults, UnreadValuesMayBeAnything) {
    ByteImage image = test::TwoSpanSampleVersion3();
    PutNaN(image, test::Member3(1) + 27);  // Reserved1
    PutNaN(image, test::Member3(0) + 7);   // record 0
    PutNaN(image, test::Support3(0) + 81);
    WriteBytes(Path("ok.KMX"), image.bytes);
    EXPECT_NO_THROW(ReadDataFile(Path("ok.KMX"), model_));
}

// Write failures: the error names the file, the old file is intact and no
// temporary file stays behind.
class WriteFaults : public test::TempDirTest {
  protected:
    void SetUp() override {
        TempDirTest::SetUp();
        InitProgramModel(model_, "3.0.6");
        old_ = test::TwoSpanSampleVersion3().bytes;
    }
    void ExpectWriteRefused(const std::string& path, Problem problem) {
        try {
            WriteDataFile(path, model_);
            ADD_FAILURE() << path << " was written";
        } catch (const DataFileError& e) {
            EXPECT_EQ(e.problem(), problem) << e.what();
            EXPECT_NE(std::string(e.what()).find(ActualFileName(path)), std::string::npos)
                << e.what();
        }
    }
    BeamModel model_;
    std::vector<std::uint8_t> old_;
};

TEST_F(WriteFaults, UnwritablePlacesAreReported) {
    ExpectWriteRefused(Path("no/such/folder/a.KMX"), Problem::kCannotWrite);
    std::filesystem::create_directory(Path("dir.KMX"));
    ExpectWriteRefused(Path("dir.KMX"), Problem::kCannotWrite);
    EXPECT_TRUE(std::filesystem::is_directory(Path("dir.KMX")));
    EXPECT_EQ(Entries(), std::vector<std::string>{"dir.KMX"});
}

#ifndef _WIN32  // file size limits, folder permissions, FIFOs and links are POSIX
TEST_F(WriteFaults, FullDiskKeepsThePreviousFile) {
    WriteBytes(Path("full.KMX"), old_);
    struct rlimit saved {};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    struct rlimit small = saved;
    small.rlim_cur = 1000;  // writes beyond 1000 bytes fail as on a full disk
    auto* previous = signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    ExpectWriteRefused(Path("full.KMX"), Problem::kCannotWrite);
    setrlimit(RLIMIT_FSIZE, &saved);
    signal(SIGXFSZ, previous);
    EXPECT_EQ(ReadBytes(Path("full.KMX")), old_);
    EXPECT_EQ(Entries(), std::vector<std::string>{"full.KMX"});
}

TEST_F(WriteFaults, ReadOnlyFolderKeepsThePreviousFile) {
    if (geteuid() == 0) GTEST_SKIP() << "permissions do not bind root";
    WriteBytes(Path("ro.KMX"), old_);
    std::filesystem::permissions(dir_, std::filesystem::perms(0555));
    ExpectWriteRefused(Path("ro.KMX"), Problem::kCannotWrite);
    EXPECT_EQ(ReadBytes(Path("ro.KMX")), old_);
}

// A FIFO, a folder or a link to either is never replaced; the temporary file
// is gone too.
TEST_F(WriteFaults, SpecialFilesAreNeverReplaced) {
    ASSERT_EQ(mkfifo(Path("pipe.KMX").c_str(), 0600), 0);
    std::filesystem::create_symlink(Path("pipe.KMX"), Path("link.KMX"));
    std::filesystem::create_directory(Path("dir.KMX"));
    std::filesystem::create_symlink(Path("dir.KMX"), Path("dirlink.KMX"));
    for (const char* name : {"pipe.KMX", "link.KMX", "dirlink.KMX"}) {
        ExpectWriteRefused(Path(name), Problem::kCannotWrite);
    }
    EXPECT_TRUE(std::filesystem::is_fifo(std::filesystem::symlink_status(Path("pipe.KMX"))));
    EXPECT_TRUE(std::filesystem::is_symlink(std::filesystem::symlink_status(Path("link.KMX"))));
    EXPECT_TRUE(std::filesystem::is_symlink(std::filesystem::symlink_status(Path("dirlink.KMX"))));
    EXPECT_EQ(Entries().size(), 4u);
}
#endif

TEST_F(WriteFaults, Version1NameIsNeverWritten) {
    WriteBytes(Path("old.Kmr"), test::OldSampleVersion1().bytes);
    ExpectWriteRefused(Path("old.Kmr"), Problem::kVersion1Target);
    ExpectWriteRefused(Path("new.kmr"), Problem::kVersion1Target);
    EXPECT_EQ(ReadBytes(Path("old.Kmr")), test::OldSampleVersion1().bytes);
    EXPECT_EQ(Entries(), std::vector<std::string>{"old.Kmr"});
}

}  // namespace
}  // namespace kmr
