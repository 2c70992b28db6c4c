// The recent-file list: adding, promoting and its text file.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "RecentFiles.h"

namespace kmr::ui {
namespace {

QString P(int i) {
    return QStringLiteral("/data/beam%1.KMX").arg(i);
}

std::vector<QString> Entries(const RecentFiles& list) {
    std::vector<QString> out;
    for (int n = 1; n <= RecentFiles::kCount; ++n) out.push_back(list.Entry(n));
    return out;
}

TEST(RecentFilesTest, AddingPutsNewestFirstAndKeepsPathsDistinct) {
    RecentFiles list;
    list.Add(P(1));
    list.Add(P(2));
    list.Add(P(3));
    list.Add(P(2));  // already listed: moves to the top
    EXPECT_EQ(list.Entry(1), P(2));
    EXPECT_EQ(list.Entry(2), P(3));
    EXPECT_EQ(list.Entry(3), P(1));
    EXPECT_EQ(list.FilledCount(), 3);
    list.Add(QStringLiteral("  ") + P(2) + QStringLiteral(" "));  // trimmed
    EXPECT_EQ(list.FilledCount(), 3);
    EXPECT_EQ(list.Entry(1), P(2));
}

TEST(RecentFilesTest, TheEleventhPathDropsTheOldest) {
    RecentFiles list;
    for (int i = 1; i <= 11; ++i) list.Add(P(i));
    EXPECT_EQ(list.FilledCount(), 10);
    EXPECT_EQ(list.Entry(1), P(11));
    EXPECT_EQ(list.Entry(10), P(2));
    // A listed path from the bottom of a full list moves up; nothing drops.
    list.Add(P(2));
    EXPECT_EQ(list.Entry(1), P(2));
    EXPECT_EQ(list.Entry(10), P(3));
    EXPECT_EQ(list.FilledCount(), 10);
}

TEST(RecentFilesTest, OnlyTheExactVersionOneExtensionIsSkipped) {
    const struct {
        const char* path;
        bool listed;
    } cases[] = {
        {"/d/old.Kmr", false}, {"/d/old.kmr", true}, {"/d/old.KMR", true},
        {"/d/new.KMX", true},  {"/d/new.kmx", true}, {"/d.Kmr/file.KMX", true},
    };
    for (const auto& c : cases) {
        RecentFiles list;
        list.Add(QString::fromLatin1(c.path));
        EXPECT_EQ(list.FilledCount(), c.listed ? 1 : 0) << c.path;
    }
}

TEST(RecentFilesTest, PromotingMovesTheEntryUpAndTheOthersDown) {
    RecentFiles list;
    for (int i = 7; i >= 1; --i) list.Add(P(i));  // entries P1..P7
    list.Promote(5);
    const std::vector<QString> expected = {P(5), P(1), P(2), P(3), P(4), P(6), P(7), "", "", ""};
    EXPECT_EQ(Entries(list), expected);
    list.Promote(1);
    EXPECT_EQ(Entries(list), expected);
}

TEST(RecentFilesTest, FileHasPositionDigitsOneToNineThenZero) {
    RecentFiles list;
    for (int i = 10; i >= 1; --i) list.Add(P(i));
    const QList<QByteArray> lines = list.Serialise().split('\n');
    ASSERT_EQ(lines.size(), 11);  // ten lines and the empty rest after the last CR LF
    for (int k = 1; k <= 10; ++k) {
        const QByteArray expected = QByteArray::number(k % 10) + P(k).toUtf8() + "\r";
        EXPECT_EQ(lines[k - 1], expected);
    }
}

TEST(RecentFilesTest, ReadingTakesThePathAfterTheDigitAndAtMostTenLines) {
    QTemporaryDir dir;
    const QString path = dir.filePath("_RecentFile.dat");
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        for (int k = 1; k <= 12; ++k) {
            f.write(QByteArray::number(k % 10) +
                    QStringLiteral("/日本語/梁%1.KMX").arg(k).toUtf8() + "\r\n");
        }
    }
    RecentFiles list;
    list.Read(path);
    EXPECT_EQ(list.FilledCount(), 10);
    EXPECT_EQ(list.Entry(1), QStringLiteral("/日本語/梁1.KMX"));
    EXPECT_EQ(list.Entry(10), QStringLiteral("/日本語/梁10.KMX"));

    const QString copy = dir.filePath("copy.dat");
    ASSERT_TRUE(list.Write(copy, nullptr));
    RecentFiles back;
    back.Read(copy);
    EXPECT_EQ(Entries(back), Entries(list));
}

TEST(RecentFilesTest, MissingFileGivesAnEmptyList) {
    QTemporaryDir dir;
    RecentFiles list;
    list.Add(P(1));
    list.Read(dir.filePath("none.dat"));
    EXPECT_EQ(list.FilledCount(), 0);
}

}  // namespace
}  // namespace kmr::ui
