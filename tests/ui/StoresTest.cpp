// The per-user stores: settings values, the defaults file layout, the
// version forms.
#include <gtest/gtest.h>

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <cstring>

#include <sys/stat.h>

#include "AppPaths.h"
#include "AppSettings.h"
#include "DefaultsFile.h"
#include "RecentFiles.h"
#include "Version.h"

namespace kmr::ui {
namespace {

TEST(VersionTest, DisplayFormsFromFileVersion) {
    const struct {
        const char* file;
        const char* text;
        const char* digits;
    } cases[] = {
        {"3.0.6.0", "3.0.6", "306"},
        {" 3.0.6.0 ", "3.0.6", "306"},
        {"10.2.1.5", "10.2.1", "1021"},
    };
    for (const auto& c : cases) {
        const VersionInfo v = VersionFromFileVersion(QString::fromLatin1(c.file));
        EXPECT_EQ(v.VersionText, QLatin1String(c.text)) << c.file;
        EXPECT_EQ(v.VersionDigits, QLatin1String(c.digits)) << c.file;
    }
    EXPECT_EQ(ProgramVersion().FileVersion, QLatin1String("3.0.6.0"));
}

class SettingsTest : public ::testing::Test {
  protected:
    QTemporaryDir dir;
    QString Ini() const { return dir.filePath(QStringLiteral("s.ini")); }
};

TEST_F(SettingsTest, MissingKeyGivesZeroPlacementAndDefaultUnits) {
    QSettings store(Ini(), QSettings::IniFormat);
    AppSettings s;
    ReadSettings(store, s);
    EXPECT_TRUE(s.InstallDirectory.isEmpty());
    ApplyStartValues(s);
    for (const QString* v :
         {&s.MainMaxFlag, &s.PVMaxFlag, &s.WindLeft, &s.WindTop, &s.WindWid, &s.WindHei}) {
        EXPECT_EQ(*v, QLatin1String("0"));
    }
    const DefaultUnits u = ReadDefaultUnits(store);
    EXPECT_EQ(u.Input, 0);
    EXPECT_EQ(u.Output, 0);
}

TEST_F(SettingsTest, PlacementValuesThatAreNotIntegersReadAsZero) {
    {
        QSettings store(Ini(), QSettings::IniFormat);
        store.setValue("WindLeft", "12");
        store.setValue("WindTop", "abc");
        store.setValue("WindWid", "3.5");
        store.setValue("WindHei", " 480 ");
        store.setValue("PVMaxFlag", "");
    }
    QSettings store(Ini(), QSettings::IniFormat);
    AppSettings s;
    ReadSettings(store, s);
    ApplyStartValues(s);
    EXPECT_EQ(s.Left, 12);
    EXPECT_EQ(s.Top, 0);
    EXPECT_EQ(s.Width, 0);
    EXPECT_EQ(s.Height, 480);
    EXPECT_EQ(s.PVMaxFlag, QLatin1String("0"));
    // Stored strings are written back as read until the exit values apply.
    EXPECT_EQ(s.WindTop, QLatin1String("abc"));
    ApplyExitValues(s, QStringLiteral("306"));
    EXPECT_EQ(s.WindTop, QLatin1String("0"));
    EXPECT_EQ(s.WindHei, QLatin1String("480"));
    EXPECT_EQ(s.Ver, QLatin1String("306"));
}

TEST_F(SettingsTest, EveryValueIsWrittenAsAString) {
    AppSettings s;
    s.AppExeName = "PLOVKmr";
    s.InstallDirectory = "/opt/x";
    s.Title = QStringLiteral("連続梁応力算定");
    s.MainMaxFlag = "0";
    s.Left = 10;
    s.Top = 20;
    s.Width = 800;
    s.Height = 600;
    s.PVMax = 0;
    ApplyExitValues(s, "306");
    {
        QSettings store(Ini(), QSettings::IniFormat);
        WriteSettings(store, s);
        WriteDefaultUnits(store, {1, 0});
    }
    QSettings store(Ini(), QSettings::IniFormat);
    AppSettings back;
    ReadSettings(store, back);
    EXPECT_EQ(back.Title, QStringLiteral("連続梁応力算定"));
    EXPECT_EQ(back.InstallDirectory, QLatin1String("/opt/x"));
    EXPECT_EQ(back.WindWid, QLatin1String("800"));
    EXPECT_EQ(back.Ver, QLatin1String("306"));
    EXPECT_EQ(store.value("InputTanni").toString(), QLatin1String("1"));
    EXPECT_EQ(store.value("OutputTanni").toString(), QLatin1String("0"));
    EXPECT_EQ(ReadDefaultUnits(store).Input, 1);
}

TEST_F(SettingsTest, DefaultUnitsOutsideTheTwoSystemsCountAsZero) {
    for (const char* text : {"", "x", "2", "-1", "1.0"}) {
        QSettings store(Ini(), QSettings::IniFormat);
        store.setValue("InputTanni", QString::fromLatin1(text));
        EXPECT_EQ(ReadDefaultUnits(store).Input, 0) << text;
    }
}

TEST(PreviewPlacementTest, NoStoredSizeGivesEightyPercentCentredAndMaximised) {
    AppSettings s;
    ApplyStartValues(s);
    const PreviewForm p = InitialPreviewForm(s, QRect(0, 0, 1280, 1024));
    EXPECT_TRUE(p.Maximised);
    EXPECT_EQ(s.PVMax, 1);
    EXPECT_EQ(p.NormalBounds.size(), QSize(1024, 819));  // trunc(0.8 × 1024) = 819
    EXPECT_EQ(p.NormalBounds.center(), QRect(0, 0, 1280, 1024).center());
    EXPECT_EQ(s.WindWid, QLatin1String("0"));
}

TEST(PreviewPlacementTest, StoredBoundsApplyAndClosingStoresThem) {
    AppSettings s;
    s.WindLeft = "5";
    s.WindTop = "6";
    s.WindWid = "700";
    s.WindHei = "500";
    s.PVMaxFlag = "0";
    ApplyStartValues(s);
    PreviewForm p = InitialPreviewForm(s, QRect(0, 0, 1280, 1024));
    EXPECT_FALSE(p.Maximised);
    EXPECT_EQ(p.NormalBounds, QRect(5, 6, 700, 500));
    StorePreviewForm(s, {true, QRect(1, 1, 1, 1)});
    EXPECT_EQ(s.PVMax, 1);
    EXPECT_EQ(s.Width, 700);  // a maximised window keeps the last normal bounds
    StorePreviewForm(s, {false, QRect(30, 40, 640, 480)});
    ApplyExitValues(s, "306");
    EXPECT_EQ(s.PVMaxFlag, QLatin1String("0"));
    EXPECT_EQ(s.WindLeft, QLatin1String("30"));
    EXPECT_EQ(s.WindHei, QLatin1String("480"));
}

// A defaults file built byte by byte, independent of the block's accessors.
QByteArray HandMadeDefaults() {
    QByteArray b(864, '\0');
    b[0] = 1;                                     // page-break default
    for (int i = 4; i < 84; ++i) b[i] = char(i);  // kept as read
    const int at = 84 + 39 * 2;                   // entry 3
    const char name[] =
        "\x82\x72\x82\x72\x82\x6d\x82\x54\x82\x4f\x82\x4f";  // ＳＳＮ５００ in Shift-JIS
    b[at] = 12;
    std::memcpy(b.data() + at + 1, name, 12);
    const double e = 205000.0;
    std::memcpy(b.data() + at + 31, &e, 8);  // little-endian host
    return b;
}

TEST(DefaultsFileTest, ReadsTheLayoutAndWritesItBackUnchanged) {
    QTemporaryDir dir;
    const QString path = dir.filePath("PLOVKmr.def");
    const QByteArray original = HandMadeDefaults();
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(original);
    }
    DefaultsBlock block;
    ASSERT_EQ(ReadDefaultsFile(path, block), DefaultsRead::Read);
    EXPECT_TRUE(block.PageBreakDefault());
    EXPECT_EQ(block.YoungNameBytes(3),
              std::string("\x82\x72\x82\x72\x82\x6d\x82\x54\x82\x4f\x82\x4f"));
    EXPECT_DOUBLE_EQ(block.YoungE(3), 205000.0);
    EXPECT_EQ(block.YoungE(1), 0.0);
    EXPECT_TRUE(block.YoungNameBytes(20).empty());

    const QString copy = dir.filePath("copy.def");
    ASSERT_TRUE(WriteDefaultsFile(copy, block, nullptr));
    QFile f(copy);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), original);
}

TEST(DefaultsFileTest, EntriesLandAtTheirOffsets) {
    DefaultsBlock block;
    block.SetYoungNameBytes(20, std::string(40, 'x'));  // cut to 30
    block.SetYoungE(20, 10000.0);
    block.SetPageBreakDefault(true);
    const auto& b = block.Bytes();
    const int at = 84 + 39 * 19;
    EXPECT_EQ(at + 39, 864);
    EXPECT_EQ(b[at], 30);
    double e = 0;
    std::memcpy(&e, &b[at + 31], 8);
    EXPECT_EQ(e, 10000.0);
    EXPECT_EQ(b[0], 1);
    EXPECT_THROW(block.YoungE(21), std::out_of_range);
}

TEST(DefaultsFileTest, MissingOrWrongSizedFileLeavesTheBlockZero) {
    QTemporaryDir dir;
    DefaultsBlock block;
    block.SetPageBreakDefault(true);
    EXPECT_EQ(ReadDefaultsFile(dir.filePath("none.def"), block), DefaultsRead::Missing);
    EXPECT_FALSE(block.PageBreakDefault());
    const QString shortFile = dir.filePath("short.def");
    {
        QFile f(shortFile);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(100, '\1'));
    }
    EXPECT_EQ(ReadDefaultsFile(shortFile, block), DefaultsRead::WrongSize);
    EXPECT_FALSE(block.PageBreakDefault());
}

TEST(DefaultsFileTest, FailedWriteNamesTheFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath("no/such/dir/PLOVKmr.def");
    QString error;
    EXPECT_FALSE(WriteDefaultsFile(path, DefaultsBlock(), &error));
    EXPECT_TRUE(error.contains(path)) << error.toStdString();
}

// A pipe in place of a store read at start would block the window for ever:
// each reader treats it as an unusable file and returns at once.
TEST(StoresOnSpecialFiles, PipesAreNotRead) {
    QTemporaryDir dir;
    const QString defaults = dir.filePath(QStringLiteral("PLOVKmr.def"));
    const QString recent = dir.filePath(QStringLiteral("_RecentFile.dat"));
    const QString settings = dir.filePath(QStringLiteral("PLOV-Kmr.ini"));
    for (const QString& p : {defaults, recent, settings}) {
        ASSERT_EQ(mkfifo(QFile::encodeName(p).constData(), 0600), 0);
    }
    DefaultsBlock block;
    EXPECT_EQ(ReadDefaultsFile(defaults, block), DefaultsRead::WrongSize);
    RecentFiles list;
    list.Read(recent);
    EXPECT_EQ(list.FilledCount(), 0);
    const QByteArray home = qgetenv("PLOVKMR_HOME");
    qputenv("PLOVKMR_HOME", QFile::encodeName(dir.path()));
    QString problem;
    EXPECT_TRUE(ReadDiagramDefault(*OpenSettings(&problem)));  // the default
    EXPECT_TRUE(problem.contains(settings)) << problem.toStdString();
    qputenv("PLOVKMR_HOME", home);
}

}  // namespace
}  // namespace kmr::ui
