// The report primitives, read back from the recorded display list.
#include <gtest/gtest.h>

#include <QFontInfo>
#include <QImage>
#include <QPainter>
#include <cmath>

#include "report/PageHeader.h"
#include "report/Primitives.h"

namespace kmr {
namespace {

std::vector<const DrawOp*> OpsOf(const PageRecord& page, OpKind kind) {
    std::vector<const DrawOp*> out;
    for (const DrawOp& op : page.ops) {
        if (op.kind == kind) out.push_back(&op);
    }
    return out;
}

class PrimitivesTest : public ::testing::Test {
  protected:
    void SetUp() override { doc.BeginDoc(); }
    const PageRecord& Page() const { return doc.Page(doc.RecordedPages()); }
    TplPrev doc;
};

TEST_F(PrimitivesTest, TableBordersFollowTheColumnSpec) {
    TableGrid grid(2, 1);
    grid.Set(0, 0, QStringLiteral("部 材 名"), TextAlign::Center);
    grid.Set(1, 0, QStringLiteral("部材 [ 1 ]"), TextAlign::Center);
    DrawTable(doc, QStringLiteral("2.0|12.0"), grid, 2.5f, 3.0f, 0.5f, 9, fkGothic, 1, Qt::black);
    const auto rects = OpsOf(Page(), OpKind::Rect);
    ASSERT_EQ(rects.size(), 2u);
    EXPECT_EQ(rects[0]->points[0], QPoint(250, 300));
    EXPECT_EQ(rects[0]->points[1], QPoint(450, 350));
    EXPECT_EQ(rects[1]->points[0], QPoint(450, 300));
    EXPECT_EQ(rects[1]->points[1], QPoint(1650, 350));
    for (const DrawOp* r : rects) {
        EXPECT_EQ(r->brush.style, bsClear) << "cell interiors are not filled";
        EXPECT_EQ(r->pen.width, 1);
    }
}

TEST_F(PrimitivesTest, TableReturnsTheYBelowItsLastRow) {
    TableGrid grid(3, 4);
    EXPECT_FLOAT_EQ(
        DrawTable(doc, QStringLiteral("1|1|1"), grid, 2.5f, 5.0f, 0.5f, 9, fkGothic, 1, Qt::black),
        7.0f);
    const auto rects = OpsOf(Page(), OpKind::Rect);
    ASSERT_EQ(rects.size(), 12u);
    EXPECT_EQ(rects.back()->points[1].y(), 700);
    // A table without rows draws nothing and returns y0.
    const std::size_t before = Page().ops.size();
    EXPECT_FLOAT_EQ(DrawTable(doc, QStringLiteral("1|1"), TableGrid(2, 0), 2.5f, 5.0f, 0.5f, 9,
                              fkGothic, 1, Qt::black),
                    5.0f);
    EXPECT_EQ(Page().ops.size(), before);
}

TEST_F(PrimitivesTest, BarSplitsACellIntoCentredSubRows) {
    TableGrid grid(1, 1);
    grid.Set(0, 0, QStringLiteral("バ ネ|12.345"), TextAlign::Center);
    DrawTable(doc, QStringLiteral("3.0"), grid, 5.0f, 10.0f, 1.0f, 9, fkGothic, 1, Qt::black);
    const auto rects = OpsOf(Page(), OpKind::Rect);
    ASSERT_EQ(rects.size(), 1u) << "no line between sub-rows";
    const auto texts = Page().Texts();
    ASSERT_EQ(texts.size(), 2u);
    const double cellCentreX = (500 + 800) / 2.0;
    const double upperCentreY = 1000 + 25, lowerCentreY = 1000 + 75;
    EXPECT_EQ(texts[0]->text, QStringLiteral("バ ネ"));
    EXPECT_EQ(texts[1]->text, QStringLiteral("12.345"));
    for (const DrawOp* t : texts) {
        EXPECT_NEAR(t->box.x() + t->box.width() / 2.0, cellCentreX, 1.0);
    }
    EXPECT_NEAR(texts[0]->box.y() + texts[0]->box.height() / 2.0, upperCentreY, 1.0);
    EXPECT_NEAR(texts[1]->box.y() + texts[1]->box.height() / 2.0, lowerCentreY, 1.0);
    EXPECT_EQ(texts[0]->clip, QRect(500, 1000, 300, 50));
    EXPECT_EQ(texts[1]->clip, QRect(500, 1050, 300, 50));
}

TEST_F(PrimitivesTest, CellTextsSitOnTheirBorders) {
    TableGrid grid(3, 1);
    grid.Set(0, 0, QStringLiteral(" 反  力(t)"), TextAlign::Left);
    grid.Set(1, 0, QStringLiteral("-123.46"), TextAlign::Right);
    grid.Set(2, 0, QStringLiteral("中"), TextAlign::Center);
    DrawTable(doc, QStringLiteral("2.5|1.5|1.5"), grid, 2.5f, 4.0f, 0.5f, 9, fkGothic, 1,
              Qt::black);
    const auto texts = Page().Texts();
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[0]->box.x(), 250) << "left-aligned text starts on the left border";
    EXPECT_EQ(texts[1]->TextRight(), 650) << "right-aligned text ends on the right border";
    EXPECT_GT(texts[1]->box.width(), 50);
    EXPECT_EQ(texts[1]->font.height, -32) << "9 pt";
    EXPECT_EQ(texts[1]->font.face, QStringLiteral("ＭＳ ゴシック"));
    EXPECT_EQ(texts[1]->clip, QRect(500, 400, 150, 50));
}

// Painted with and without the cells' clipping, the page is the same: no
// digit or sign of a number too wide for its cell is cut. The narrowed text
// keeps its alignment and the cell's font height.
TEST_F(PrimitivesTest, NumbersTooWideForTheirCellAreDrawnNarrowerNotCut) {
    const QString wide = QStringLiteral("-1225831250");
    TableGrid grid(4, 1);
    grid.Set(0, 0, wide, TextAlign::Left);
    grid.Set(1, 0, wide, TextAlign::Center);
    grid.Set(2, 0, wide, TextAlign::Right);
    grid.Set(3, 0, QStringLiteral("-123.46"), TextAlign::Right);
    DrawTable(doc, QStringLiteral("1.5|1.5|1.5|1.5"), grid, 2.5f, 4.0f, 0.5f, 9, fkGothic, 1,
              Qt::black);
    PageRecord page = Page();
    const auto paint = [](const PageRecord& p) {
        QImage image(800, 120, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.translate(-240, -390);
        ReplayPage(p, painter);
        return image;
    };
    const QImage clipped = paint(page);
    for (DrawOp& op : page.ops) op.clip.reset();
    EXPECT_TRUE(clipped == paint(page)) << "a text runs past its cell";
    const auto texts = Page().Texts();
    ASSERT_EQ(texts.size(), 4u);
    EXPECT_EQ(texts[0]->box.x(), 250);
    EXPECT_EQ(texts[2]->TextRight(), 700);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(texts[i]->text, wide);
        EXPECT_LT(texts[i]->font.widthPercent, 100) << i;
        EXPECT_EQ(texts[i]->font.height, -32) << i;
    }
    EXPECT_EQ(texts[3]->font.widthPercent, 100) << "a text that fits keeps its font";
}

TEST_F(PrimitivesTest, ColumnsWithoutWidthAreDrawnEmpty) {
    TableGrid grid(3, 1);
    DrawTable(doc, QStringLiteral("2.0"), grid, 1.0f, 1.0f, 0.5f, 9, fkGothic, 1, Qt::black);
    const auto rects = OpsOf(Page(), OpKind::Rect);
    ASSERT_EQ(rects.size(), 3u);
    EXPECT_EQ(rects[1]->points[0].x(), rects[1]->points[1].x());
    EXPECT_EQ(rects[2]->points[0].x(), 300);
}

TEST(ColumnSpec, NumbersAreSplitAtAnyOtherCharacter) {
    const struct {
        const char* spec;
        std::vector<float> widths;
    } cases[] = {
        {"2.5|1.5|1.5|3.0", {2.5f, 1.5f, 1.5f, 3.0f}},
        {"2.0 ; 12", {2.0f, 12.0f}},
        {"", {}},
        {"x-1.5y", {-1.5f}},
        {"1.2.3|4", {0.0f, 4.0f}},
        {"||7||", {7.0f}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ParseColumnSpec(QString::fromUtf8(c.spec)), c.widths) << c.spec;
    }
}

TEST(CellText, BarsSeparatePiecesAndATrailingEmptyPieceIsDropped) {
    const struct {
        const char* text;
        std::vector<QString> pieces;
    } cases[] = {
        {"abc", {"abc"}},         {"a|b", {"a", "b"}}, {"a|", {"a"}},
        {"a||b", {"a", "", "b"}}, {"|b", {"", "b"}},   {"a|b|", {"a", "b"}},
    };
    for (const auto& c : cases) EXPECT_EQ(SplitCellText(QString::fromUtf8(c.text)), c.pieces);
}

TEST(Grid, ClearTableKeepsTheShape) {
    TableGrid g;
    g.Set(2, 3, QStringLiteral("x"), TextAlign::Right);
    EXPECT_EQ(g.Columns(), 3);
    EXPECT_EQ(g.Rows(), 4);
    EXPECT_EQ(g.AlignAt(2, 3), TextAlign::Right);
    ClearTable(g);
    EXPECT_EQ(g.Columns(), 3);
    EXPECT_EQ(g.Rows(), 4);
    EXPECT_EQ(g.At(2, 3), QString());
    EXPECT_EQ(g.AlignAt(2, 3), TextAlign::Left);
    EXPECT_EQ(g.At(9, 9), QString()) << "outside the grid reads empty";
}

TEST_F(PrimitivesTest, ShapesRoundTheirFarCornersUp) {
    DrawRect(doc, 1.2345f, 2.3456f, 3.4561f, 4.5671f, 2, Qt::black, psSolid, pmCopy, bsSolid,
             Qt::black);
    DrawCircle(doc, 1.0f, 2.0f, 0.03f, 1, Qt::black, psSolid, pmCopy, bsSolid, Qt::black);
    DrawArc(doc, 5.0f, 5.0f, 0.3f, 305.0f, 235.0f, 2, Qt::black);
    DrawLine(doc, 1.239f, 2.999f, -0.019f, 0.5f, 1, Qt::black);
    const auto& ops = Page().ops;
    ASSERT_EQ(ops.size(), 4u);
    EXPECT_EQ(ops[0].points, (std::vector<QPoint>{{123, 234}, {346, 457}}));
    EXPECT_EQ(ops[0].brush.style, bsSolid);
    EXPECT_EQ(ops[1].kind, OpKind::Ellipse);
    EXPECT_EQ(ops[1].points, (std::vector<QPoint>{{97, 197}, {103, 203}}));
    // Arc ends: (5 + 0.3 cos 305°, 5 - 0.3 sin 305°) = (5.1721, 5.2457) truncated,
    // (5 + 0.3 cos 235°, 5 - 0.3 sin 235°) = (4.8279, 5.2457) rounded up.
    EXPECT_EQ(ops[2].kind, OpKind::Arc);
    // The box: 5 - 0.3 is 4.6999998 in single precision, truncated to 469;
    // 5 + 0.3 is 5.3000002, rounded up to 531.
    EXPECT_EQ(ops[2].points, (std::vector<QPoint>{{469, 469}, {531, 531}, {517, 524}, {483, 525}}));
    EXPECT_EQ(ops[3].points, (std::vector<QPoint>{{123, 299}, {-1, 50}})) << "toward zero";
}

TEST_F(PrimitivesTest, PolygonPenAndBrushAreRecorded) {
    DrawPolygon(doc, {{1.0f, 1.0f}, {2.0f, 1.0f}, {1.5f, 0.5f}}, 2, Qt::black, psDash, pmNotXor,
                bsVertical, Qt::black);
    const DrawOp& op = Page().ops.back();
    EXPECT_EQ(op.kind, OpKind::Polygon);
    EXPECT_EQ(op.points, (std::vector<QPoint>{{100, 100}, {200, 100}, {150, 50}}));
    EXPECT_EQ(op.pen.width, 2);
    EXPECT_EQ(op.pen.style, psDash);
    EXPECT_EQ(op.pen.mode, pmNotXor);
    EXPECT_EQ(op.brush.style, bsVertical);
}

TEST_F(PrimitivesTest, TextAnchorsPlaceTheTextBox) {
    using A = TextAlign;
    const struct {
        A h, v;
    } anchors[] = {{A::Left, A::Top},
                   {A::Center, A::Middle},
                   {A::Right, A::Bottom},
                   {A::Center, A::Bottom},
                   {A::Right, A::Top}};
    for (const auto& a : anchors) {
        DrawText(doc, QStringLiteral("12.000"), 10.0f, 20.0f, a.h, a.v, 10, fkPGothic);
        const DrawOp& t = Page().ops.back();
        const int left = t.box.x(), right = t.TextRight(), top = t.box.y(), bottom = t.TextBottom();
        // Distance of the anchored edge (or twice the centre) from the anchor.
        const int dx = a.h == A::Left     ? left - 1000
                       : a.h == A::Center ? left + right - 2000
                                          : right - 1000;
        const int dy = a.v == A::Top      ? top - 2000
                       : a.v == A::Middle ? top + bottom - 4000
                                          : bottom - 2000;
        EXPECT_LE(std::abs(dx), a.h == A::Center ? 1 : 0) << static_cast<int>(a.h);
        EXPECT_LE(std::abs(dy), a.v == A::Middle ? 1 : 0) << static_cast<int>(a.v);
        EXPECT_EQ(t.font.face, QStringLiteral("ＭＳ Ｐゴシック"));
        EXPECT_EQ(t.font.height, -35);
    }
}

TEST_F(PrimitivesTest, TitleIsTopLeftAnchoredInTheGothicFace) {
    DrawTitle(doc, QStringLiteral("●応力算定結果"), 2.5f, 6.5f, 10, fkGothic, 100);
    const DrawOp& t = Page().ops.back();
    EXPECT_EQ(t.box.topLeft(), QPoint(250, 650));
    EXPECT_EQ(t.font.widthPercent, 100);
    EXPECT_EQ(t.brush.style, bsClear);
    EXPECT_GT(t.box.width(), 6 * 30) << "seven full-width characters of about 3.5 mm";
}

TEST(Fonts, PointSizesBecomeCharacterHeights) {
    const struct {
        double points;
        int height;
    } cases[] = {{10.5, -37}, {10, -35}, {9, -32}, {12, -42}, {8, -28}};
    for (const auto& c : cases) EXPECT_EQ(FontHeightFromPoints(c.points), c.height) << c.points;
}

TEST(Fonts, ReportFacesAreSubstitutedByIpaFonts) {
    InstallReportFonts();
    const char* expected[] = {"IPAMincho", "IPAGothic", "IPAPMincho", "IPAPGothic"};
    for (int kind = 0; kind < 4; ++kind) {
        const QFont plain(FontKindFace(kind));  // substitution alone
        EXPECT_EQ(QFontInfo(plain).family(), QString::fromLatin1(expected[kind])) << kind;
    }
    EXPECT_EQ(FontKindFace(0), QStringLiteral("ＭＳ 明朝"));
    EXPECT_EQ(FontKindFace(3), QStringLiteral("ＭＳ Ｐゴシック"));
}

}  // namespace
}  // namespace kmr
