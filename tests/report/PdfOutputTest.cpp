// A document written as PDF, read back with poppler's command-line tools.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "report/PageHeader.h"
#include "report/PdfOutput.h"
#include "report/Primitives.h"

namespace kmr {
namespace {

QString RunTool(const QString& tool, const QStringList& args) {
    QProcess p;
    p.start(tool, args);
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

void BuildTwoPages(TplPrev& doc) {
    doc.Title = QStringLiteral("PLOV-Kmr");
    doc.BeginDoc();
    ReportState state;
    state.header = {QStringLiteral("PLOV-Kmr /連続梁応力算定"), QString(),
                    QStringLiteral("3.0.6.0")};
    DrawPageHeader(doc, state);
    DrawTitle(doc, QStringLiteral("●応力算定結果"), 2.5f, 3.0f, 10, fkGothic);
    TableGrid grid(2, 1);
    grid.Set(0, 0, QStringLiteral(" 反  力(kN)"), TextAlign::Left);
    grid.Set(1, 0, QStringLiteral("-123.457"), TextAlign::Right);
    DrawTable(doc, QStringLiteral("2.5|1.5"), grid, 2.5f, 4.0f, 0.5f, 9, fkGothic, 1, Qt::black);
    StartNewPage(doc, state, 0.5f);
    DrawTitle(doc, QStringLiteral("●節点荷重"), 2.5f, 3.0f, 10, fkGothic);
    doc.EndDoc();
}

TEST(Pdf, PagesAreA4WithSearchableText) {
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) {
        GTEST_SKIP() << "poppler-utils not installed";
    }
    TplPrev doc;
    BuildTwoPages(doc);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("報告.pdf"));
    QString error;
    ASSERT_TRUE(WritePdf(doc, path, &error)) << error.toStdString();

    const QString info = RunTool(QStringLiteral("pdfinfo"), {path});
    EXPECT_TRUE(info.contains(QStringLiteral("Pages:           2"))) << info.toStdString();
    EXPECT_TRUE(info.contains(QStringLiteral("(A4)"))) << info.toStdString();
    const QString text =
        RunTool(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, "-"});
    for (const char* expected : {"●応力算定結果", "力(kN)", "-123.457", "Data: 新規データ", "- 1 -",
                                 "- 2 -", "Ver.3.0.6.0", "●節点荷重"}) {
        EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected << " in\n"
                                                                << text.toStdString();
    }
    const QString fonts = RunTool(QStringLiteral("pdffonts"), {path});
    EXPECT_TRUE(fonts.contains(QStringLiteral("IPAGothic"))) << fonts.toStdString();
}

TEST(Pdf, FailureWritesNothingAndNamesTheFile) {
    TplPrev doc;
    BuildTwoPages(doc);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("missing/out.pdf"));
    QString error;
    EXPECT_FALSE(WritePdf(doc, path, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("out.pdf"))) << error.toStdString();
    EXPECT_FALSE(QFile::exists(path));

    TplPrev empty;  // nothing recorded
    const QString emptyPath = dir.filePath(QStringLiteral("empty.pdf"));
    EXPECT_FALSE(WritePdf(empty, emptyPath, &error));
    EXPECT_FALSE(QFile::exists(emptyPath));
    EXPECT_TRUE(PdfBytes(empty, 1, 1).isEmpty());
}

TEST(Pdf, PageRangeAsBytes) {
    TplPrev doc;
    BuildTwoPages(doc);
    const QByteArray one = PdfBytes(doc, 2, 2);
    ASSERT_TRUE(one.startsWith("%PDF"));
    QTemporaryDir dir;
    QFile f(dir.filePath(QStringLiteral("p.pdf")));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(one);
    f.close();
    if (QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty()) GTEST_SKIP();
    EXPECT_TRUE(RunTool(QStringLiteral("pdfinfo"), {f.fileName()}).contains("Pages:           1"));
}

}  // namespace
}  // namespace kmr
