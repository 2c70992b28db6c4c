// The recorded document and the replay of its pages onto a raster device.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "report/PageDocument.h"
#include "report/Primitives.h"

namespace kmr {
namespace {

bool IsDark(const QImage& img, int x, int y) {
    return qGray(img.pixel(x, y)) < 128;
}

// Renders the page at 1 pixel per mm (page units / 10) on white.
QImage Render(const PageRecord& page) {
    QImage img(page.size.width() / 10, page.size.height() / 10, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    PaintPage(page, p, QRectF(0, 0, img.width(), img.height()));
    return img;
}

TEST(Document, PagesCountFromBeginToEnd) {
    TplPrev doc;
    EXPECT_FALSE(doc.HasPages());
    doc.BeginDoc();
    EXPECT_EQ(doc.RecordedPages(), 1);
    EXPECT_EQ(doc.PageCanvas().Font().height, -37) << "10.5 pt";
    doc.PageCanvas().SetFontSize(9);
    doc.PageCanvas().SetPenWidth(5);
    DrawLine(doc, 1, 1, 2, 2, 3, Qt::red);
    doc.NewPage();
    doc.NewPage();
    EXPECT_EQ(doc.CurrentPage(), 3);
    EXPECT_EQ(doc.PageCanvas().Font().height, -32) << "the font carries over";
    EXPECT_EQ(doc.PageCanvas().Pen(), PenSpec{}) << "a new page starts with a black pen of 1";
    doc.EndDoc();
    EXPECT_EQ(doc.PageCount(), 3);
    EXPECT_EQ(doc.CurrentPage(), 1);
    EXPECT_EQ(doc.FromPage(), 1);
    EXPECT_EQ(doc.ToPage(), 3);
    EXPECT_EQ(doc.Page(1).ops.size(), 1u);
    EXPECT_EQ(doc.Page(1).ops[0].pen.color, qRgb(255, 0, 0));

    doc.BeginDoc();  // discards the previous report
    doc.EndDoc();
    EXPECT_EQ(doc.PageCount(), 1);
    EXPECT_TRUE(doc.Page(1).ops.empty());
}

TEST(Document, DrawingBeforeBeginDocIsNotRecorded) {
    TplPrev doc;
    DrawLine(doc, 1, 1, 2, 2, 1, Qt::black);
    EXPECT_FALSE(doc.HasPages());
    doc.NewPage();  // without BeginDoc: starts the document
    doc.EndDoc();
    EXPECT_EQ(doc.PageCount(), 1);
    EXPECT_TRUE(doc.Page(1).ops.empty());
}

struct FixedSource : PageGeometrySource {
    PageGeometry g;
    PageGeometry Geometry() const override { return g; }
};

TEST(Document, GeometryComesFromThePrinterWhenThereIsOne) {
    // Letter at 600 dpi: 5100 x 6600 pixels, printable from (100, 75).
    FixedSource source;
    source.g = GeometryFromDevice(QSize(5100, 6600), QRect(100, 75, 4900, 6450), 600, 600);
    EXPECT_EQ(source.g.width, 2159);                           // 8.5 in = 215.9 mm
    EXPECT_EQ(source.g.height, 2794);                          // 11 in
    EXPECT_EQ(source.g.printable, QRect(43, 32, 2074, 2730));  // offsets rounded up

    TplPrev doc;
    doc.BeginDoc();
    EXPECT_EQ(doc.Geometry(), PageGeometry{}) << "A4 portrait without a printer";
    EXPECT_EQ(doc.Page(1).size, QSize(2100, 2970));
    doc.plSetPrinter = &source;
    doc.BeginDoc();
    EXPECT_EQ(doc.Page(1).size, QSize(2159, 2794));
    EXPECT_EQ(doc.Page(1).clip, source.g.printable);
    doc.ViewClip = false;
    doc.BeginDoc();
    EXPECT_FALSE(doc.Page(1).clip.has_value());
}

TEST(Replay, ShapesLandAtTheirPageCoordinates) {
    TplPrev doc;
    doc.BeginDoc();
    // Outline 20 mm square at (10 mm, 30 mm), pen 1 mm; solid disc at (100, 100) mm.
    DrawRect(doc, 1.0f, 3.0f, 3.0f, 5.0f, 10, Qt::black, psSolid, pmCopy, bsClear, Qt::black);
    DrawCircle(doc, 10.0f, 10.0f, 0.5f, 1, Qt::black, psSolid, pmCopy, bsSolid, Qt::black);
    const QImage img = Render(doc.Page(1));
    EXPECT_TRUE(IsDark(img, 10, 40));   // left edge
    EXPECT_TRUE(IsDark(img, 30, 40));   // right edge
    EXPECT_TRUE(IsDark(img, 20, 30));   // top edge
    EXPECT_FALSE(IsDark(img, 20, 40));  // not filled
    EXPECT_FALSE(IsDark(img, 5, 40));
    EXPECT_TRUE(IsDark(img, 100, 100));  // disc centre
    EXPECT_FALSE(IsDark(img, 107, 100));
}

TEST(Replay, TextInkStaysInsideItsRecordedBox) {
    TplPrev doc;
    doc.BeginDoc();
    DrawText(doc, QStringLiteral("支点 ABCgj 123"), 5.0f, 5.0f, TextAlign::Left, TextAlign::Top, 24,
             fkGothic);
    const DrawOp& t = doc.Page(1).ops.back();
    QImage img(2100, 2970, QImage::Format_RGB32);  // one pixel per page unit
    img.fill(Qt::white);
    QPainter p(&img);
    PaintPage(doc.Page(1), p, QRectF(0, 0, 2100, 2970));
    p.end();
    int inside = 0, outside = 0;
    const QRect box = t.box.adjusted(-2, -2, 2, 2);
    for (int y = 400; y < 700; ++y) {
        for (int x = 400; x < 1600; ++x) {
            if (!IsDark(img, x, y)) continue;
            (box.contains(x, y) ? inside : outside)++;
        }
    }
    EXPECT_GT(inside, 1000);
    EXPECT_EQ(outside, 0);
}

TEST(Replay, CellTextIsClippedAtTheCellBorder) {
    TplPrev doc;
    doc.BeginDoc();
    TableGrid grid(1, 1);
    grid.Set(0, 0, QStringLiteral("WWWWWWWWWWWWWWWWWWWW"), TextAlign::Left);
    DrawTable(doc, QStringLiteral("1.0"), grid, 1.0f, 1.0f, 0.5f, 9, fkGothic, 1, Qt::white);
    QImage img(2100, 2970, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    PaintPage(doc.Page(1), p, QRectF(0, 0, 2100, 2970));
    p.end();
    int beyond = 0, within = 0;
    for (int y = 100; y < 150; ++y) {
        for (int x = 100; x < 600; ++x) {
            if (IsDark(img, x, y)) (x < 200 ? within : beyond)++;
        }
    }
    EXPECT_GT(within, 50);
    EXPECT_EQ(beyond, 0);
}

}  // namespace
}  // namespace kmr
