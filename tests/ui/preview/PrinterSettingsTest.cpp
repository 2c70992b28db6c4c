// Printer settings without a printer, the ".plv" file, tractor-feed paper,
// the zoom rules and printing onto a PDF printer.
#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "PreviewTestSupport.h"
#include "ui/preview/PreviewZoom.h"
#include "ui/preview/PrinterSettings.h"
#include "ui/preview/Printing.h"

namespace kmr {
namespace {

TEST(TractorFeed, PaperSourceNamesInEitherWidth) {
    const struct {
        const char* source;
        bool tractor;
    } cases[] = {
        {"ﾄﾗｸﾀ", true},   {"トラクタ", true}, {"ﾄﾗｸﾀｰﾌｨｰﾄﾞ", true}, {"後部ﾄﾗｸﾀ 2", true},
        {"ﾄﾚｲ 1", false}, {"Tractor", false}, {"", false},          {"ﾄﾗｸ ﾀ", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsTractorFeedSource(QString::fromUtf8(c.source)), c.tractor) << c.source;
    }
    EXPECT_EQ(ToFullWidth(QStringLiteral("ｶﾞｲﾄﾞ ﾊﾟﾝ A1")), QStringLiteral("ガイド　パン　Ａ１"));
    EXPECT_EQ(ToFullWidth(QStringLiteral("ｦﾝｰ")), QStringLiteral("ヲンー"));
}

TEST(TractorFeed, SprocketHolesEveryHalfInchDownBothSides) {
    const PageRecord overlay = TractorFeedOverlay(PageGeometry{}, Qt::lightGray);
    int holes = 0, lines = 0;
    for (const DrawOp& op : overlay.ops) {
        if (op.kind == OpKind::Ellipse) {
            ++holes;
            const QRect box = QRect(op.points[0], op.points[1]);
            EXPECT_EQ(box.width() - 1, 40) << "4 mm across";
            const QPoint c = box.center();
            EXPECT_TRUE(c.x() == 63 || c.x() == 2100 - 63) << c.x();
            EXPECT_EQ((c.y() - 63) % 127, 0) << c.y();
        } else if (op.kind == OpKind::Line) {
            ++lines;
            EXPECT_EQ(op.pen.style, psDot);
            EXPECT_EQ(op.points[1].y() - op.points[0].y(), 2970);
        }
    }
    EXPECT_EQ(holes, 2 * 23);  // 6.3 mm + 22 x 12.7 mm = 285.7 mm < 297 mm
    EXPECT_EQ(lines, 2);
}

TEST(Zoom, RulesInPixels) {
    const double a = 2970.0 / 2100.0;
    EXPECT_EQ(PageWidthRect(630, a), QRect(15, 15, 600, 848));
    // A box wider than the page's shape: the height decides.
    EXPECT_EQ(WholePageRect(QSize(800, 530), a), QRect(223, 15, 353, 500));
    // A tall narrow box: the width decides, centred vertically.
    EXPECT_EQ(WholePageRect(QSize(330, 900), a), QRect(15, 238, 300, 424));
    EXPECT_EQ(ZoomOutRect(QRect(15, 15, 101, 142), a), QRect(15, 15, 90, 127));
    EXPECT_FALSE(ZoomOutRect(QRect(15, 15, 100, 141), a).has_value());
    EXPECT_EQ(ZoomInRect(QRect(15, 15, 90, 127), a, QSize(800, 600)), QRect(15, 15, 100, 141));
    EXPECT_FALSE(ZoomInRect(QRect(15, 15, 1600, 2262), a, QSize(800, 600)).has_value());
    EXPECT_FALSE(ZoomInRect(QRect(15, 15, 1000, 1800), a, QSize(800, 600)).has_value());
}

TEST(PrinterSettings, WithoutPrinterTheGeometryIsTheWholeSheet) {
    TplSetPrinter s;
    s.PrinterName.clear();
    EXPECT_EQ(s.Geometry(), PageGeometry{});
    s.Orientation = QPageLayout::Landscape;
    EXPECT_EQ(s.Geometry().width, 2970);
    EXPECT_EQ(s.Geometry().printable, QRect(0, 0, 2970, 2100));
    s.PageSize = QPageSize::B5;
    s.Orientation = QPageLayout::Portrait;
    EXPECT_EQ(s.Geometry().width, 1760);  // JIS B5 is 182 mm, ISO B5 176 mm
}

TEST(PrinterSettings, PlvFileRoundTripAndUnreadableFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("sub/PLOVKmr.plv"));
    TplSetPrinter s;
    s.PrinterName = QStringLiteral("事務所 LBP");
    s.PageSize = QPageSize::B4;
    s.Orientation = QPageLayout::Landscape;
    s.PaperSource = QStringLiteral("ﾄﾗｸﾀ");
    s.OutputFileName = QStringLiteral("/tmp/x.pdf");
    s.Copies = 2;
    s.Color = false;
    s.Duplex = 1;
    ASSERT_TRUE(s.SaveToFile(path));
    TplSetPrinter back;
    ASSERT_TRUE(back.LoadFromFile(path));
    EXPECT_TRUE(back == s);

    QFile broken(dir.filePath(QStringLiteral("broken.plv")));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("{ not json");
    broken.close();
    EXPECT_FALSE(back.LoadFromFile(broken.fileName()));
    EXPECT_FALSE(back.LoadFromFile(dir.filePath(QStringLiteral("missing.plv"))));
    EXPECT_TRUE(back == s) << "a failed read leaves the settings as they were";
}

TEST(PrinterSettings, AppliedToAPdfPrinter) {
    TplSetPrinter s;
    s.PrinterName.clear();
    s.OutputFileName = QStringLiteral("/tmp/a.pdf");
    s.Orientation = QPageLayout::Landscape;
    QPrinter printer;
    s.ApplyTo(printer);
    EXPECT_EQ(printer.outputFormat(), QPrinter::PdfFormat);
    EXPECT_EQ(printer.outputFileName(), s.OutputFileName);
    TplSetPrinter back;
    back.ReadFrom(printer);
    EXPECT_TRUE(back == s);
}

TEST(Printing, PagesLandAtTheirPlaceOnTheSheet) {
    if (!test::HavePoppler()) GTEST_SKIP() << "poppler-utils not installed";
    TplPrev doc;
    test::BuildPages(doc, 3);
    QTemporaryDir dir;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath(QStringLiteral("p.pdf")));
    QString error;
    ASSERT_TRUE(PrintPages(doc, printer, 3, 2, &error)) << error.toStdString();  // ends swapped
    const QString info = test::RunTool(QStringLiteral("pdfinfo"), {printer.outputFileName()});
    EXPECT_TRUE(info.contains(QStringLiteral("Pages:           2")));
    // The title's top-left corner is at (25 mm, 30 mm) from the paper corner.
    const QString box = test::RunTool(
        QStringLiteral("pdftotext"),
        {QStringLiteral("-bbox"), QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"),
         QStringLiteral("1"), printer.outputFileName(), QStringLiteral("-")});
    const QRegularExpression word(
        QStringLiteral("<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\"[^>]*>●頁"));
    const auto m = word.match(box);
    ASSERT_TRUE(m.hasMatch()) << box.toStdString();
    const double mmPerPt = 25.4 / 72.0;
    EXPECT_NEAR(m.captured(1).toDouble() * mmPerPt, 25.0, 0.5);
    EXPECT_NEAR(m.captured(2).toDouble() * mmPerPt, 30.0, 1.5);  // glyph box, not the em box

    TplPrev empty;
    EXPECT_FALSE(PrintPages(empty, printer, 1, 1, &error));
    EXPECT_EQ(error, QStringLiteral("Canvasへの描画コードが見つかりません．　　"));
    QPrinter noFile;
    noFile.setOutputFormat(QPrinter::PdfFormat);
    noFile.setOutputFileName(QString());
    EXPECT_FALSE(PrintPages(doc, noFile, 1, 1, &error));
}

}  // namespace
}  // namespace kmr
