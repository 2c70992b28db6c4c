// The screen load diagram read back from its drawing operations. The pixel
// values were worked out by hand from the screen geometry (image 698 pixels
// wide: scale 698 / 1430, x0 1.3, y0 0.75, band 0.16, span width 1.23; a
// point in drawing units lands at round(v × scale × 100), far corners of
// boxes at ceil).
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <algorithm>

#include "edit/ScreenCanvas.h"
#include "edit/ScreenLoadDiagram.h"

namespace kmr::ui::test {
namespace {

const QColor kBlack(0, 0, 0), kRed(255, 0, 0), kGreen(0, 255, 0), kBlue(0, 0, 255),
    kWhite(255, 255, 255);

std::vector<QPoint> Pts(std::initializer_list<QPoint> p) {
    return p;
}

struct DiagramCase : ::testing::Test {
    kmr::BeamModel model;
    ScreenRecorder rec;

    void SetUp() override {
        kmr::InitProgramModel(model, "3.0.6");
        model.Header.SpanCount = 3;
        for (int m = 1; m <= 3; ++m) model.Members[m].SpanLength = 4.0;
    }
    DiagramInput In(int page = 0, int member = 1, int support = 1) {
        return {&model, ScreenGeometry(698), member, support, page};
    }
    void Draw(int page = 0, int member = 1, int support = 1) {
        rec.ops.clear();
        DrawLoadDiagramOps(rec, In(page, member, support));
    }
    std::vector<DrawOp> Of(OpKind kind, const QColor& pen) const {
        std::vector<DrawOp> out;
        for (const DrawOp& op : rec.ops) {
            if (op.kind == kind && op.pen.color == pen.rgb()) out.push_back(op);
        }
        return out;
    }
    const DrawOp* Text(const QString& t) const {
        for (const DrawOp& op : rec.ops) {
            if (op.kind == OpKind::Text && op.text == t) return &op;
        }
        return nullptr;
    }
    bool HasLine(const QColor& c, QPoint a, QPoint b) const {
        for (const DrawOp& op : Of(OpKind::Line, c)) {
            if (op.points == Pts({a, b})) return true;
        }
        return false;
    }
};

TEST_F(DiagramCase, MembersLabelsAndDimensionLines) {
    Draw(0, 2);
    const auto bands = Of(OpKind::Rect, kBlack);
    ASSERT_EQ(bands.size(), 3u);
    EXPECT_EQ(bands[0].points, Pts({{63, 37}, {124, 45}}));
    EXPECT_EQ(bands[1].points, Pts({{123, 37}, {184, 45}}));
    EXPECT_EQ(bands[2].points, Pts({{184, 37}, {244, 45}}));
    for (const DrawOp& b : bands) EXPECT_EQ(b.brush.style, bsClear);

    const DrawOp* one = Text(QStringLiteral("[1]"));
    const DrawOp* two = Text(QStringLiteral("[2]"));
    ASSERT_TRUE(one && two);
    EXPECT_EQ(one->box.topLeft(), QPoint(84, 45));
    EXPECT_EQ(two->box.topLeft(), QPoint(144, 45));
    EXPECT_EQ(one->font.face, QStringLiteral("ＭＳ 明朝"));
    EXPECT_EQ(one->font.height, -13) << "10 pt at 96 pixels per inch";
    // The current member: bold white on solid black; the others black on clear.
    EXPECT_TRUE(two->font.bold);
    EXPECT_EQ(two->font.color, kWhite.rgb());
    EXPECT_EQ(two->brush.style, bsSolid);
    EXPECT_EQ(two->brush.color, kBlack.rgb());
    EXPECT_FALSE(one->font.bold);
    EXPECT_EQ(one->font.color, kBlack.rgb());
    EXPECT_EQ(one->brush.style, bsClear);

    // Extension lines at every support, the last one only after the last member.
    for (int x : {63, 123, 184, 244}) EXPECT_TRUE(HasLine(kBlack, {x, 74}, {x, 104})) << x;
    EXPECT_TRUE(HasLine(kBlack, {63, 102}, {123, 102}));
    EXPECT_TRUE(HasLine(kBlack, {184, 102}, {244, 102}));
}

TEST_F(DiagramCase, SupportSymbolsAndLettersInBlue) {
    model.Supports[1].Condition = kSupportFixed;
    model.Supports[2].Condition = kSupportFixed;
    model.Supports[3].Condition = kSupportSimple;
    model.Supports[4].Condition = kSupportFixed;
    Draw(0, 1, 3);
    // First and last fixed support: hatched walls beside the beam ends, white
    // outline, blue face line; the inner one a solid block on the beam.
    const auto walls = Of(OpKind::Rect, kWhite);
    ASSERT_EQ(walls.size(), 2u);
    EXPECT_EQ(walls[0].points, Pts({{55, 26}, {63, 56}}));
    EXPECT_EQ(walls[1].points, Pts({{245, 26}, {251, 56}}));
    for (const DrawOp& w : walls) {
        EXPECT_EQ(w.brush.style, bsBDiagonal);
        EXPECT_EQ(w.brush.color, kBlue.rgb());
    }
    EXPECT_LE(walls[0].points[1].x(), 63);   // left of the first band's start
    EXPECT_GE(walls[1].points[0].x(), 244);  // right of the last band's end
    EXPECT_TRUE(HasLine(kBlue, {62, 26}, {62, 55}));
    const auto blocks = Of(OpKind::Rect, kBlue);
    ASSERT_EQ(blocks.size(), 1u);
    EXPECT_EQ(blocks[0].points, Pts({{120, 38}, {128, 44}}));
    EXPECT_EQ(blocks[0].brush.style, bsSolid);
    const auto triangles = Of(OpKind::Polygon, kBlue);
    ASSERT_EQ(triangles.size(), 1u);
    EXPECT_EQ(triangles[0].points, Pts({{184, 44}, {188, 53}, {179, 53}}));

    const DrawOp* a = Text(QStringLiteral("A"));
    const DrawOp* c = Text(QStringLiteral("C"));
    ASSERT_TRUE(a && c && Text(QStringLiteral("D")));
    EXPECT_EQ(Text(QStringLiteral("E")), nullptr);
    EXPECT_EQ(a->box.topLeft(), QPoint(71, 54));
    EXPECT_EQ(a->font.face, QStringLiteral("ＭＳＰ 明朝"));
    EXPECT_EQ(a->font.color, kBlue.rgb());
    EXPECT_EQ(a->brush.style, bsClear);
    EXPECT_TRUE(c->font.bold);  // the current support: white on blue
    EXPECT_EQ(c->font.color, kWhite.rgb());
    EXPECT_EQ(c->brush.style, bsSolid);
    EXPECT_EQ(c->brush.color, kBlue.rgb());
}

TEST_F(DiagramCase, HingeSpringAndFreeSupports) {
    model.Supports[2].Condition = kSupportHinge;
    model.Supports[3].Condition = kSupportSpring;
    model.Supports[4].Condition = kSupportFree;
    Draw();
    const auto circles = Of(OpKind::Ellipse, kBlue);
    ASSERT_EQ(circles.size(), 1u);
    EXPECT_EQ(circles[0].points, Pts({{120, 37}, {127, 44}}));
    EXPECT_EQ(circles[0].brush.style, bsClear);
    // Spring at support 3 (x = 3.76): eight segments down from the band, a
    // ground line.
    auto lines = Of(OpKind::Line, kBlue);
    ASSERT_EQ(lines.size(), 9u);
    const std::vector<QPoint> zig = {{184, 44}, {184, 48}, {180, 50}, {187, 52}, {180, 55},
                                     {187, 57}, {180, 60}, {184, 61}, {184, 65}};
    for (std::size_t i = 0; i < 8; ++i) {
        EXPECT_EQ(lines[i].points, Pts({zig[i], zig[i + 1]})) << i;
    }
    EXPECT_EQ(lines[8].points, Pts({{179, 65}, {187, 65}}));
}

TEST_F(DiagramCase, MemberLoadHeightsAreClamped) {
    auto& loads = model.Members[1].Loads;
    loads[0] = {kLoadUniform, 0.0, 4.0, 0.0, 1.0, 1.0};   // 1 t/m2 x 1 m: 0.12 -> 0.2
    loads[1] = {kLoadUniform, 0.0, 4.0, 0.0, 1.0, 10.0};  // 10 x 1: 1.2 -> 0.71
    Draw();
    const auto shapes = Of(OpKind::Polygon, kBlack);
    ASSERT_EQ(shapes.size(), 2u);
    EXPECT_EQ(shapes[0].points, Pts({{63, 37}, {123, 37}, {123, 27}, {63, 27}}));
    EXPECT_EQ(shapes[1].points, Pts({{63, 37}, {123, 37}, {123, 2}, {63, 2}}));
    EXPECT_EQ(shapes[0].brush.style, bsVertical);
    EXPECT_EQ(shapes[0].brush.color, kBlack.rgb());
    EXPECT_DOUBLE_EQ(ScreenLoadHeight(1.0), 0.2);
    EXPECT_DOUBLE_EQ(ScreenLoadHeight(2.5), 0.3);
    EXPECT_DOUBLE_EQ(ScreenLoadHeight(10.0), 0.71);
    EXPECT_DOUBLE_EQ(ScreenLoadHeight(1e-6), 0.0);
}

TEST_F(DiagramCase, TrapezoidOverTheWholeSpanAndTheShapesOfEachType) {
    model.Members[1].Loads[0] = {kLoadTrapezoid, 0.0, 1.0, 2.0, 1.0, 1.0};
    Draw();
    auto shapes = Of(OpKind::Polygon, kBlack);
    ASSERT_EQ(shapes.size(), 1u);
    // 2·1 + 2 = 4 m: the whole band, flat top between 1 m and 3 m.
    EXPECT_EQ(shapes[0].points, Pts({{63, 37}, {123, 37}, {108, 27}, {78, 27}}));

    // Right-rising, left-rising and triangle from 0 over 4 m, height 0.2.
    const struct {
        int type;
        std::vector<QPoint> pts;
    } cases[] = {
        {kLoadRightRising, {{63, 37}, {123, 37}, {123, 27}}},
        {kLoadLeftRising, {{63, 37}, {123, 37}, {63, 27}}},
        {kLoadTriangle, {{63, 37}, {123, 37}, {93, 27}}},
    };
    for (const auto& c : cases) {
        model.Members[1].Loads[0] = {c.type, 0.0, 4.0, 0.0, 1.0, 1.0};
        Draw();
        shapes = Of(OpKind::Polygon, kBlack);
        ASSERT_EQ(shapes.size(), 1u) << c.type;
        EXPECT_EQ(shapes[0].points, c.pts) << c.type;
    }
}

TEST_F(DiagramCase, ConcentratedLoadsPointDownOrUp) {
    model.Members[1].Loads[0] = {kLoadConcentrated, 2.0, 0.0, 0.0, 0.0, 2.0};  // h 3 × 0.12
    Draw();
    EXPECT_TRUE(HasLine(kBlack, {93, 37}, {93, 19}));
    auto heads = Of(OpKind::Polygon, kBlack);
    ASSERT_EQ(heads.size(), 1u);
    EXPECT_EQ(heads[0].points, Pts({{93, 37}, {92, 32}, {95, 32}}));
    EXPECT_EQ(heads[0].brush.style, bsSolid);

    model.Members[1].Loads[0].Value = -2.0;  // upward: head at the top, pointing up
    Draw();
    heads = Of(OpKind::Polygon, kBlack);
    ASSERT_EQ(heads.size(), 1u);
    EXPECT_EQ(heads[0].points, Pts({{93, 19}, {92, 24}, {95, 24}}));
}

TEST_F(DiagramCase, SlotsThatDrawNothing) {
    auto& l = model.Members[1].Loads;
    l[0] = {kLoadConcentrated, 1.0, 0, 0, 0, 0.0000005};  // |WP| < 1e-6
    l[1] = {kLoadUniform, 0.0, 0.0000005, 0, 1.0, 1.0};   // L1 < 1e-6
    l[2] = {kLoadTrapezoid, 0.0, 0.0, 0.0, 1.0, 1.0};     // 2·L1 + L2 = 0
    l[3] = {kLoadUniform, 0.0, 4.0, 0, 0.0, 5.0};         // WP·H = 0
    l[4] = {-1, 0.0, 4.0, 0, 1.0, 5.0};                   // no type selected
    model.Members[2].Loads[0] = {kLoadUniform, 0.0, 4.0, 0, 1.0, 1.0};
    model.Members[2].SpanLength = 0.0;  // band and label, but no loads
    Draw();
    EXPECT_TRUE(Of(OpKind::Polygon, kBlack).empty());
    EXPECT_EQ(Of(OpKind::Rect, kBlack).size(), 3u);
    EXPECT_NE(Text(QStringLiteral("[2]")), nullptr);
}

TEST_F(DiagramCase, CurrentMemberRedOnlyOnTheMemberLoadPage) {
    for (int m = 1; m <= 3; ++m) {
        model.Members[m].Loads[0] = {kLoadUniform, 0.0, 4.0, 0, 1.0, 1.0};
    }
    Draw(1, 2);
    EXPECT_EQ(Of(OpKind::Polygon, kRed).size(), 1u);
    EXPECT_EQ(Of(OpKind::Polygon, kRed)[0].points[0], QPoint(123, 37));
    EXPECT_EQ(Of(OpKind::Polygon, kBlack).size(), 2u);
    Draw(0, 2);
    EXPECT_TRUE(Of(OpKind::Polygon, kRed).empty());
    // Erasing draws the same shapes in white.
    rec.ops.clear();
    DrawMemberLoads(rec, In(1, 2), 2, true);
    ASSERT_EQ(rec.ops.size(), 1u);
    EXPECT_EQ(rec.ops[0].pen.color, kWhite.rgb());
    EXPECT_EQ(rec.ops[0].points[0], QPoint(123, 37));
}

// The current member's label is painted at full contrast: pure white on
// pure black, with black all round the text.
TEST_F(DiagramCase, CurrentMemberLabelIsCrispWhiteOnBlack) {
    Draw(0, 2);
    const DrawOp* label = Text(QStringLiteral("[2]"));
    ASSERT_NE(label, nullptr);
    QImage image(200, 100, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        DrawOp at = *label;
        at.box.moveTopLeft(QPoint(20, 20));
        PaintScreenOp(at, p);
    }
    int white = 0;
    const QRect inner(20, 20, 10, 10);  // inside the text box, whatever the face
    for (int y = 19; y <= inner.bottom(); ++y) {
        for (int x = 19; x <= inner.right(); ++x) {
            const QRgb c = image.pixel(x, y);
            EXPECT_TRUE(c == qRgb(0, 0, 0) || c == qRgb(255, 255, 255)) << x << "," << y;
            white += c == qRgb(255, 255, 255);
        }
    }
    EXPECT_GT(white, 5);
    EXPECT_EQ(image.pixel(19, 25), qRgb(0, 0, 0));  // the box reaches left of the text
}

TEST_F(DiagramCase, NodeLoadsGreenAndTheCurrentSupportRed) {
    model.Supports[1].NodeLoads[0] = {kNodeForce, 1.0};   // h 1.5 × 0.12 -> 0.2
    model.Supports[2].NodeLoads[0] = {kNodeMoment, 3.0};  // clockwise
    model.Supports[3].NodeLoads[0] = {kNodeMoment, -3.0};
    model.Supports[4].NodeLoads[0] = {kNodeForce, 0.0000005};  // too small
    Draw(2, 1, 2);
    EXPECT_TRUE(HasLine(kGreen, {63, 37}, {63, 27}));
    const auto heads = Of(OpKind::Polygon, kGreen);
    ASSERT_EQ(heads.size(), 2u);  // force head at A, moment arrow at C
    EXPECT_EQ(heads[0].points, Pts({{63, 37}, {61, 31}, {65, 31}}));

    const auto arcs = Of(OpKind::Arc, kRed);  // support B is current
    ASSERT_EQ(arcs.size(), 1u);
    EXPECT_EQ(arcs[0].points, Pts({{111, 29}, {136, 53}, {130, 50}, {117, 50}}));
    const auto red = Of(OpKind::Polygon, kRed);
    ASSERT_EQ(red.size(), 1u);
    EXPECT_EQ(red[0].points, Pts({{130, 50}, {132, 44}, {136, 48}}));  // at the 305° end
    // Counter-clockwise moment at C: the arrow at the 235° end, mirrored
    // (C lies 1.23 units = 60.04 pixels right of B).
    EXPECT_EQ(heads[1].points, Pts({{177, 50}, {175, 44}, {171, 48}}));
    Draw(0, 1, 2);
    EXPECT_TRUE(Of(OpKind::Arc, kRed).empty());
    EXPECT_EQ(Of(OpKind::Arc, kGreen).size(), 2u);
}

}  // namespace
}  // namespace kmr::ui::test
