// The load-data diagram read back from the display list: members, span
// dimensions, support symbols, load symbols and their heights. Expected
// positions are worked out here from the layout (x0 = left margin + 0.5,
// band top = cursor + 1.6, 1.57 cm per span) and compared within one page
// unit, the truncation of single-precision centimetres.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "report/LoadDiagram.h"
#include "tests/report/ReportFixture.h"

namespace kmr {
namespace {

using namespace kmr::test;

constexpr double kX0 = 2.2 + 0.5;
constexpr double kW = 1.57;
constexpr double kEntry = 2.0;             // cursor on entry
constexpr double kBandTop = kEntry + 1.6;  // yB
constexpr double kBand = 0.2;              // Hb
constexpr double kArrow = 0.12;

double SupportX(int s) {
    return kX0 + (s - 1) * kW;
}

#define EXPECT_NEAR_UNIT(actual, expectedCm) EXPECT_NEAR((actual), U(expectedCm), 1)

class LoadDiagramTest : public ::testing::Test {
  protected:
    const PageRecord& Draw(const BeamModel& model, float entry = kEntry) {
        doc.BeginDoc();
        state.cursor = entry;
        DrawLoadDiagram(doc, model, DecodeLoads(model), state);
        return doc.Page(1);
    }
    // Operations of a kind with a pen width matching pred.
    std::vector<const DrawOp*> Ops(OpKind kind, const std::function<bool(const DrawOp&)>& pred) {
        std::vector<const DrawOp*> out;
        for (const DrawOp* op : OpsOf(doc.Page(1), kind)) {
            if (pred(*op)) out.push_back(op);
        }
        return out;
    }
    TplPrev doc;
    ReportState state;
};

bool Near(int units, double cm) {
    return std::abs(units - U(cm)) <= 1;
}

TEST_F(LoadDiagramTest, ThreeSpansGiveBandsLabelsLettersAndOneDimensionLine) {
    const PageRecord& page = Draw(MakeSpans(3));
    ASSERT_NE(page.FindText(QStringLiteral("●荷重データ")), nullptr);
    EXPECT_NEAR_UNIT(page.FindText(QStringLiteral("●荷重データ"))->box.y(), kEntry + 0.3);

    const auto bands = Ops(OpKind::Rect, [](const DrawOp& op) { return op.pen.width == 2; });
    ASSERT_EQ(bands.size(), 3u);
    for (int i = 1; i <= 3; ++i) {
        const DrawOp& band = *bands[i - 1];
        EXPECT_NEAR_UNIT(band.points[0].x(), SupportX(i));
        EXPECT_NEAR_UNIT(band.points[1].x(), SupportX(i + 1));
        EXPECT_NEAR_UNIT(band.points[0].y(), kBandTop);
        EXPECT_NEAR_UNIT(band.points[1].y(), kBandTop + kBand);
        EXPECT_EQ(band.brush.style, bsClear);

        const DrawOp* label = page.FindText(QStringLiteral("[%1]").arg(i));
        ASSERT_NE(label, nullptr);
        EXPECT_NEAR_UNIT(label->box.x(), SupportX(i) + kW / 2 - 0.2);
        EXPECT_NEAR_UNIT(label->box.y(), kBandTop + kBand + 0.08);
    }
    for (int s = 1; s <= 4; ++s) {
        const DrawOp* letter = page.FindText(QString(QChar('A' + s - 1)));
        ASSERT_NE(letter, nullptr) << s;
        EXPECT_NEAR(letter->box.center().x(), U(SupportX(s)), 2) << "centred on the support";
        EXPECT_NEAR_UNIT(letter->TextBottom(), kBandTop + kBand + 0.85);
    }
    EXPECT_EQ(page.FindText(QStringLiteral("E")), nullptr);

    // Dimension: four extension lines, three dimension lines, dots at both ends.
    const double yD = kBandTop + kBand + 0.9;
    const double yE = yD + 0.55;
    const auto thin = Ops(OpKind::Line, [](const DrawOp& op) { return op.pen.width == 1; });
    int extension = 0;
    int dimension = 0;
    for (const DrawOp* l : thin) {
        if (l->points[0].x() == l->points[1].x()) {
            EXPECT_NEAR_UNIT(l->points[0].y(), yD);
            EXPECT_NEAR_UNIT(l->points[1].y(), yE);
            EXPECT_TRUE(Near(l->points[0].x(), SupportX(extension + 1)));
            ++extension;
        } else {
            EXPECT_NEAR_UNIT(l->points[0].y(), yE - 0.05);
            ++dimension;
        }
    }
    EXPECT_EQ(extension, 4);
    EXPECT_EQ(dimension, 3);
    EXPECT_EQ(
        Ops(OpKind::Ellipse, [](const DrawOp& op) { return op.brush.style == bsSolid; }).size(),
        6u);

    const auto spans = test::FindTexts(doc, QStringLiteral("6.000"));
    ASSERT_EQ(spans.size(), 3u);
    for (int i = 1; i <= 3; ++i) {
        const DrawOp& t = *spans[i - 1].op;
        EXPECT_EQ(t.font.face, QStringLiteral("ＭＳ Ｐゴシック"));
        EXPECT_NEAR(t.box.center().x(), U((SupportX(i) + SupportX(i + 1)) / 2), 2);
        EXPECT_NEAR_UNIT(t.TextBottom(), yE - 0.08);
    }
}

TEST_F(LoadDiagramTest, CursorEndsThreePointTwoFiveBelowWhereItEntered) {
    for (const float entry : {0.0f, 2.0f, 14.35f}) {
        Draw(MakeSpans(2), entry);
        EXPECT_NEAR(state.cursor, entry + 3.25f, 1e-5f) << entry;
    }
}

TEST_F(LoadDiagramTest, FixedEndsDrawHatchedWallsOutsideTheBeamAndInnerOnesABlock) {
    BeamModel m = MakeSpans(3);
    m.Supports[1].Condition = kSupportFixed;
    m.Supports[2].Condition = kSupportFixed;
    m.Supports[4].Condition = kSupportFixed;
    Draw(m);
    const double yc = kBandTop + kBand / 2;
    const auto walls =
        Ops(OpKind::Rect, [](const DrawOp& op) { return op.brush.style == bsBDiagonal; });
    ASSERT_EQ(walls.size(), 2u);
    // First support: the strip reaches 0.15 cm to the left of the beam end.
    EXPECT_NEAR_UNIT(walls[0]->points[0].x(), SupportX(1));
    EXPECT_NEAR_UNIT(walls[0]->points[1].x(), SupportX(1) - 0.15);
    // Last support: mirrored to the right.
    EXPECT_NEAR_UNIT(walls[1]->points[0].x(), SupportX(4));
    EXPECT_NEAR_UNIT(walls[1]->points[1].x(), SupportX(4) + 0.15);
    for (const DrawOp* w : walls) {
        EXPECT_NEAR_UNIT(w->points[0].y(), yc - 0.3);
        EXPECT_NEAR_UNIT(w->points[1].y(), yc + 0.3);
        EXPECT_EQ(w->pen.color, qRgb(255, 255, 255));
        EXPECT_EQ(w->brush.color, qRgb(0, 0, 0));
    }
    // Wall faces on the support lines.
    const auto faces = Ops(OpKind::Line, [&](const DrawOp& op) {
        return op.pen.width == 2 && Near(op.points[0].y(), yc - 0.3) &&
               Near(op.points[1].y(), yc + 0.3);
    });
    ASSERT_EQ(faces.size(), 2u);
    EXPECT_NEAR_UNIT(faces[0]->points[0].x(), SupportX(1));
    EXPECT_NEAR_UNIT(faces[1]->points[0].x(), SupportX(4));
    // Inner fixed support: a solid block across the band.
    const auto blocks =
        Ops(OpKind::Rect, [](const DrawOp& op) { return op.brush.style == bsSolid; });
    ASSERT_EQ(blocks.size(), 1u);
    EXPECT_NEAR_UNIT(blocks[0]->points[0].x(), SupportX(2) - 0.075);
    EXPECT_NEAR_UNIT(blocks[0]->points[1].x(), SupportX(2) + 0.075);
    EXPECT_NEAR_UNIT(blocks[0]->points[0].y(), kBandTop);
    EXPECT_NEAR_UNIT(blocks[0]->points[1].y(), kBandTop + kBand);
}

TEST_F(LoadDiagramTest, SimpleHingeSpringAndFreeSupportSymbols) {
    BeamModel m = MakeSpans(3);
    m.Supports[1].Condition = kSupportSimple;
    m.Supports[2].Condition = kSupportHinge;
    m.Supports[3].Condition = kSupportSpring;
    m.Supports[4].Condition = kSupportFree;
    Draw(m);
    const double below = kBandTop + kBand;

    const auto triangles = OpsOf(doc.Page(1), OpKind::Polygon);
    ASSERT_EQ(triangles.size(), 1u) << "only the simple support draws a triangle";
    const auto& tri = triangles[0]->points;
    ASSERT_EQ(tri.size(), 3u);
    EXPECT_NEAR_UNIT(tri[0].x(), SupportX(1));
    EXPECT_NEAR_UNIT(tri[0].y(), below);
    EXPECT_NEAR_UNIT(tri[1].x(), SupportX(1) - 0.1);
    EXPECT_NEAR_UNIT(tri[2].x(), SupportX(1) + 0.1);
    EXPECT_NEAR_UNIT(tri[1].y(), below + 0.2);
    EXPECT_EQ(triangles[0]->brush.style, bsSolid);

    const auto hinges =
        Ops(OpKind::Ellipse, [](const DrawOp& op) { return op.brush.style == bsClear; });
    ASSERT_EQ(hinges.size(), 1u);
    EXPECT_NEAR_UNIT(hinges[0]->points[0].x(), SupportX(2) - 0.07);
    EXPECT_NEAR_UNIT(hinges[0]->points[1].x(), SupportX(2) + 0.07);
    EXPECT_NEAR_UNIT(hinges[0]->points[0].y(), kBandTop + kBand / 2 + 0.015 - 0.07);
    EXPECT_NEAR_UNIT(hinges[0]->points[1].y(), kBandTop + kBand / 2 + 0.015 + 0.07);
    EXPECT_EQ(hinges[0]->pen.width, 2);

    // Spring: eight zig-zag segments, each starting where the last ended,
    // then the base line of 0.195 cm.
    const auto spring = Ops(OpKind::Line, [](const DrawOp& op) { return op.pen.width == 2; });
    ASSERT_EQ(spring.size(), 9u);
    const double xs = SupportX(3);
    const double a = 0.13;
    const double t = 0.052;
    const double xs_[9] = {xs,         xs - a / 2, xs + a / 2, xs - a / 2, xs + a / 2,
                           xs - a / 2, xs,         xs,         xs};
    const double ys_[9] = {below + 2 * t,   below + 2.5 * t, below + 3.5 * t,
                           below + 4.5 * t, below + 5.5 * t, below + 6.5 * t,
                           below + 7 * t,   below + 8.5 * t, below + 8.5 * t};
    EXPECT_NEAR_UNIT(spring[0]->points[0].x(), xs + 0.015);
    EXPECT_NEAR_UNIT(spring[0]->points[0].y(), below);
    for (int k = 0; k < 8; ++k) {
        EXPECT_NEAR_UNIT(spring[k]->points[1].x(), xs_[k]) << k;
        EXPECT_NEAR_UNIT(spring[k]->points[1].y(), ys_[k]) << k;
        if (k > 0) {
            EXPECT_EQ(spring[k]->points[0], spring[k - 1]->points[1]) << k;
        }
    }
    EXPECT_NEAR_UNIT(spring[8]->points[0].x(), xs - 0.0975);
    EXPECT_NEAR_UNIT(spring[8]->points[1].x(), xs + 0.0975);
    EXPECT_NEAR_UNIT(spring[8]->points[0].y(), below + 8.5 * t);

    // The free support draws only its letter.
    for (const DrawOp& op : doc.Page(1).ops) {
        if (op.kind == OpKind::Text || op.kind == OpKind::Line) continue;
        if (op.kind == OpKind::Rect && op.pen.width == 2) continue;  // bands
        for (const QPoint& p : op.points) {
            EXPECT_FALSE(std::abs(p.x() - U(SupportX(4))) < 15 && p.y() > U(below + 0.05) &&
                         p.y() < U(below + 0.6))
                << "symbol under the free support";
        }
    }
}

// Shaft of a concentrated load or node force: a pen-2 vertical line standing
// on the band top at x.
const DrawOp* ShaftAt(const PageRecord& page, double x) {
    for (const DrawOp* l : OpsOf(page, OpKind::Line)) {
        if (l->pen.width == 2 && l->points[0].x() == l->points[1].x() &&
            Near(l->points[0].x(), x) && Near(l->points[0].y(), kBandTop)) {
            return l;
        }
    }
    return nullptr;
}

TEST_F(LoadDiagramTest, LoadSymbolHeightsFollowTheValueWithinTheirClamps) {
    struct Case {
        int type;
        double wp;
        double height;
        double expected;  // cm
    };
    const Case cases[] = {
        {kLoadConcentrated, 1.0, 0.0, 0.225},  // 1 x 1.5 x 0.15
        {kLoadConcentrated, 0.5, 0.0, 0.2},    // 0.1125 raised
        {kLoadConcentrated, 10.0, 0.0, 0.75},  // 2.25 limited
        {kLoadConcentrated, -2.0, 0.0, 0.45},  // by magnitude
        {kLoadUniform, 1.0, 2.0, 0.3},         // q = WP x H
        {kLoadUniform, 0.1, 1.0, 0.2},        {kLoadUniform, 4.0, 2.5, 0.75},
        {kLoadUniform, -1.0, 2.0, 0.3},  // drawn upward whatever the sign
    };
    for (const Case& c : cases) {
        BeamModel m = MakeSpans(1);
        m.Supports[1].Condition = kSupportFree;
        m.Supports[2].Condition = kSupportFree;
        SetLoad(m, 1, 1, c.type, c.wp, 3.0, 1.5, 0.0, c.height);
        const PageRecord& page = Draw(m);
        const double p = kX0 + 3.0 * kW / 6.0;
        const double top = kBandTop - c.expected;
        if (c.type == kLoadConcentrated) {
            const DrawOp* shaft = ShaftAt(page, p);
            ASSERT_NE(shaft, nullptr) << c.wp;
            EXPECT_NEAR_UNIT(shaft->points[1].y(), top) << c.wp;
        } else {
            const auto polys = OpsOf(page, OpKind::Polygon);
            ASSERT_EQ(polys.size(), 1u);
            EXPECT_EQ(polys[0]->brush.style, bsVertical);
            EXPECT_NEAR_UNIT(polys[0]->points[2].y(), top) << c.wp;
            EXPECT_NEAR_UNIT(polys[0]->points[1].x(), p + 1.5 * kW / 6.0);
        }
    }
    EXPECT_FLOAT_EQ(LoadSymbolHeight(0.0f), 0.0f);
}

TEST_F(LoadDiagramTest, ConcentratedLoadArrowPointsDownOrUpBySign) {
    for (const double wp : {1.0, -1.0}) {
        BeamModel m = MakeSpans(1);
        m.Supports[1].Condition = kSupportFree;
        m.Supports[2].Condition = kSupportFree;
        SetLoad(m, 1, 2, kLoadConcentrated, wp, 2.0);
        const PageRecord& page = Draw(m);
        const double p = kX0 + 2.0 * kW / 6.0;
        const auto heads = OpsOf(page, OpKind::Polygon);
        ASSERT_EQ(heads.size(), 1u);
        const auto& pts = heads[0]->points;
        EXPECT_EQ(heads[0]->brush.style, bsSolid);
        const double tip = wp > 0 ? kBandTop : kBandTop - 0.225;
        const double base = wp > 0 ? kBandTop - kArrow : kBandTop - 0.225 + kArrow;
        EXPECT_NEAR_UNIT(pts[0].x(), p);
        EXPECT_NEAR_UNIT(pts[0].y(), tip) << wp;
        EXPECT_NEAR_UNIT(pts[1].y(), base) << wp;
        EXPECT_NEAR_UNIT(pts[2].y(), base) << wp;
        EXPECT_NEAR_UNIT(pts[2].x() - pts[1].x(), 2 * kArrow / 3.3);
        if (wp < 0) {
            EXPECT_LT(pts[0].y(), pts[1].y()) << "points up";
        }
    }
}

TEST_F(LoadDiagramTest, DistributedShapesStandOnTheBandInProportionToTheSpan) {
    // A 4 m span: the trapezoid L1 = 1, L2 = 2 fills the band width with its
    // flat top between 1 m and 3 m.
    BeamModel m = MakeSpans(2, 4.0);
    m.Supports[1].Condition = kSupportFree;
    m.Supports[2].Condition = kSupportFree;
    m.Supports[3].Condition = kSupportFree;
    SetLoad(m, 1, 1, kLoadTrapezoid, 1.0, 0.0, 1.0, 2.0, 2.0);
    SetLoad(m, 2, 1, kLoadRightRising, 1.0, 1.0, 2.0, 0.0, 2.0);
    SetLoad(m, 2, 2, kLoadLeftRising, 1.0, 1.0, 2.0, 0.0, 2.0);
    SetLoad(m, 2, 3, kLoadTriangle, 1.0, 0.0, 4.0, 0.0, 2.0);
    const PageRecord& page = Draw(m);
    const auto polys = OpsOf(page, OpKind::Polygon);
    ASSERT_EQ(polys.size(), 4u);
    const double top = kBandTop - 0.3;
    const double xa = SupportX(1);
    const double s = kW / 4.0;  // cm per m
    const std::vector<std::vector<std::pair<double, double>>> expected = {
        {{xa, kBandTop}, {xa + kW, kBandTop}, {xa + 3 * s, top}, {xa + s, top}},
        {{SupportX(2) + s, kBandTop}, {SupportX(2) + 3 * s, kBandTop}, {SupportX(2) + 3 * s, top}},
        {{SupportX(2) + s, kBandTop}, {SupportX(2) + 3 * s, kBandTop}, {SupportX(2) + s, top}},
        {{SupportX(2), kBandTop}, {SupportX(3), kBandTop}, {SupportX(2) + 2 * s, top}},
    };
    for (std::size_t k = 0; k < expected.size(); ++k) {
        ASSERT_EQ(polys[k]->points.size(), expected[k].size()) << k;
        for (std::size_t i = 0; i < expected[k].size(); ++i) {
            EXPECT_NEAR_UNIT(polys[k]->points[i].x(), expected[k][i].first) << k << "/" << i;
            EXPECT_NEAR_UNIT(polys[k]->points[i].y(), expected[k][i].second) << k << "/" << i;
        }
        EXPECT_EQ(polys[k]->brush.style, bsVertical);
        EXPECT_EQ(polys[k]->pen.width, 2);
    }
}

TEST_F(LoadDiagramTest, LoadsThatCarryNothingDrawNothing) {
    BeamModel m = MakeSpans(3);
    for (int s = 1; s <= 4; ++s) m.Supports[s].Condition = kSupportFree;
    m.Members[1].SpanLength = 0.0;  // a member without length draws no loads
    SetLoad(m, 1, 1, kLoadConcentrated, 5.0, 0.0);
    SetLoad(m, 1, 2, kLoadUniform, 5.0, 0.0, 1.0, 0.0, 1.0);
    SetLoad(m, 2, 1, kLoadConcentrated, 0.0000005, 1.0);      // below 1e-6
    SetLoad(m, 2, 2, kLoadUniform, 5.0, 0.0, 0.0, 0.0, 1.0);  // no length
    SetLoad(m, 2, 3, kLoadTrapezoid, 5.0, 0.0, 0.0, 0.0, 1.0);
    SetLoad(m, 2, 4, kLoadUniform, 5.0, 0.0, 2.0, 0.0, 0.0);  // no height
    SetLoad(m, 3, 1, kLoadNone, 5.0, 1.0, 1.0, 0.0, 1.0);
    SetNodeLoad(m, 2, 1, kNodeForce, 0.0);
    SetNodeLoad(m, 3, 1, kNodeNone, 5.0);
    const PageRecord& page = Draw(m);
    EXPECT_TRUE(OpsOf(page, OpKind::Polygon).empty());
    EXPECT_TRUE(OpsOf(page, OpKind::Arc).empty());
    for (const DrawOp* l : OpsOf(page, OpKind::Line)) {
        EXPECT_GE(l->points[0].y(), U(kBandTop) - 1) << "nothing above the band";
    }
}

TEST_F(LoadDiagramTest, NodeForcesAndMomentsAtTheirSupport) {
    BeamModel m = MakeSpans(2);
    for (int s = 1; s <= 3; ++s) m.Supports[s].Condition = kSupportFree;
    SetNodeLoad(m, 1, 1, kNodeForce, 1.0);
    SetNodeLoad(m, 2, 3, kNodeForce, -10.0);
    SetNodeLoad(m, 3, 1, kNodeMoment, 2.0);
    SetNodeLoad(m, 3, 2, kNodeMoment, -2.0);
    const PageRecord& page = Draw(m);

    const DrawOp* down = ShaftAt(page, SupportX(1));
    ASSERT_NE(down, nullptr);
    EXPECT_NEAR_UNIT(down->points[1].y(), kBandTop - 0.225);
    const DrawOp* up = ShaftAt(page, SupportX(2));
    ASSERT_NE(up, nullptr);
    EXPECT_NEAR_UNIT(up->points[1].y(), kBandTop - 0.75);

    const auto heads = OpsOf(page, OpKind::Polygon);
    ASSERT_EQ(heads.size(), 4u);
    EXPECT_NEAR_UNIT(heads[0]->points[0].y(), kBandTop);  // tip on the band
    EXPECT_NEAR_UNIT(heads[0]->points[2].x() - heads[0]->points[1].x(), 2 * kArrow / 3);
    EXPECT_NEAR_UNIT(heads[1]->points[0].y(), kBandTop - 0.75);  // tip at the top

    // Moments: a 290 degree arc of radius 0.3 around the support, open at
    // the bottom; the arrowhead sits at the 305 degree end for a clockwise
    // (positive) moment and at the 235 degree end otherwise.
    const auto arcs = OpsOf(page, OpKind::Arc);
    ASSERT_EQ(arcs.size(), 2u);
    const double xs = SupportX(3);
    const double yc = kBandTop + kBand / 2;
    const double r = 0.3;
    const double c305 = std::cos(305.0 * M_PI / 180.0);
    const double s305 = std::sin(305.0 * M_PI / 180.0);
    for (const DrawOp* arc : arcs) {
        EXPECT_NEAR_UNIT(arc->points[0].x(), xs - r);
        EXPECT_NEAR_UNIT(arc->points[1].y(), yc + r);
        EXPECT_NEAR_UNIT(arc->points[2].x(), xs + r * c305);  // start 305
        EXPECT_NEAR_UNIT(arc->points[2].y(), yc - r * s305);
        EXPECT_NEAR_UNIT(arc->points[3].x(), xs - r * c305);  // end 235
        EXPECT_NEAR_UNIT(arc->points[3].y(), yc - r * s305);
    }
    const double e = kArrow;
    const auto& cw = heads[2]->points;
    EXPECT_NEAR_UNIT(cw[0].x(), xs + r * c305);
    EXPECT_NEAR_UNIT(cw[1].x(), xs + r * c305 + 0.35 * e);
    EXPECT_NEAR_UNIT(cw[1].y(), yc - r * s305 - 0.75 * e);
    EXPECT_NEAR_UNIT(cw[2].x(), xs + r * c305 + 0.8 * e);
    const auto& ccw = heads[3]->points;
    EXPECT_NEAR_UNIT(ccw[0].x(), xs - r * c305);
    EXPECT_NEAR_UNIT(ccw[2].x(), xs - r * c305 - 0.8 * e);
    EXPECT_NEAR_UNIT(ccw[2].y(), yc - r * s305 - 0.35 * e);
}

TEST_F(LoadDiagramTest, LoadsAreDrawnInTheInputUnitWithoutConversion) {
    BeamModel m = MakeSpans(1);
    m.Header.InputUnit = 1;   // kN
    m.Header.OutputUnit = 0;  // report in t
    SetLoad(m, 1, 1, kLoadConcentrated, 1.0, 3.0);
    Draw(m);
    const DrawOp* shaft = ShaftAt(doc.Page(1), kX0 + kW / 2);
    ASSERT_NE(shaft, nullptr);
    EXPECT_NEAR_UNIT(shaft->points[1].y(), kBandTop - 0.225);
}

}  // namespace
}  // namespace kmr
