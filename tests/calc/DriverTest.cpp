// The driver from model to CalcResults, against closed forms of beam theory.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

#include "calc/Calculation.h"
#include "tests/support/BeamBuilder.h"

namespace kmr {
namespace {

using namespace kmr::test;

// E = 2100 t/cm2 and Io = 1e5 cm4: EI = 2100e4 t/m2 x 1e-3 m4 = 21000 t m2.
constexpr double kEI = 21000.0;
// Single-precision engine: relative tolerance on forces and moments.
constexpr double kRel = 2e-5;

void ExpectNear(double actual, double expected, const char* what, double scale = 1.0) {
    EXPECT_NEAR(actual, expected, kRel * std::max(std::fabs(expected), scale)) << what;
}

CalcResults Calculate(const BeamModel& m) {
    EXPECT_EQ(ValidateModel(m, kValidateCalculation).code, 0);
    CalcResults r;
    RunCalculation(m, r);
    return r;
}

TEST(Driver, SimpleSpanUnderTheCommonLoad) {
    BeamModel m = MakeBeam({6.0}, {S, S});
    SetCommonLoad(m, 1.0, 1.0);
    const CalcResults r = Calculate(m);
    const MemberResult& mr = r.MemberResults[1];
    ExpectNear(mr.MLeft, 0.0, "MLeft", 4.5);
    ExpectNear(mr.MRight, 0.0, "MRight", 4.5);
    ExpectNear(mr.MCenter, 4.5, "MCenter");
    ExpectNear(mr.QLeft, 3.0, "QLeft");
    ExpectNear(mr.QRight, -3.0, "QRight");
    ExpectNear(r.NodeResults[1].Reaction, 3.0, "R1");
    ExpectNear(r.NodeResults[2].Reaction, 3.0, "R2");
    // End slopes wL^3/24EI, clockwise at the left end; held deflections are 0.
    ExpectNear(r.NodeResults[1].Rotation, 216.0 / 24 / kEI, "rotation 1");
    ExpectNear(r.NodeResults[2].Rotation, -216.0 / 24 / kEI, "rotation 2");
    EXPECT_EQ(r.NodeResults[1].Deflection, 0.0);
    EXPECT_EQ(r.NodeResults[2].Deflection, 0.0);
}

TEST(Driver, FixedFixedSpan) {
    BeamModel m = MakeBeam({8.0}, {F, F});
    SetLoad(m, 1, 2, kLoadUniform, 2.0, 0.0, 8.0, 0.0, 1.5);  // q = 3 t/m
    const CalcResults r = Calculate(m);
    const double q = 3.0, l = 8.0;
    ExpectNear(r.MemberResults[1].MLeft, -q * l * l / 12, "MLeft");
    ExpectNear(r.MemberResults[1].MRight, q * l * l / 12, "MRight");
    ExpectNear(r.MemberResults[1].MCenter, q * l * l / 24, "MCenter");
    ExpectNear(r.NodeResults[1].Reaction, q * l / 2, "R1");
    ExpectNear(r.NodeResults[2].Reaction, q * l / 2, "R2");
}

TEST(Driver, ThreeEqualSpansUnderUniformLoad) {
    BeamModel m = MakeBeam({5.0, 5.0, 5.0}, {S, S, S, S});
    SetCommonLoad(m, 4.0, 0.5);  // w = 2 t/m
    const double w = 2.0, l = 5.0, wl2 = w * l * l;
    const CalcResults r = Calculate(m);
    // Support moments -0.1 wL^2 (hogging): clockwise end moments +, -.
    ExpectNear(r.MemberResults[1].MRight, 0.1 * wl2, "M at B, member 1");
    ExpectNear(r.MemberResults[2].MLeft, -0.1 * wl2, "M at B, member 2");
    ExpectNear(r.MemberResults[2].MRight, 0.1 * wl2, "M at C, member 2");
    ExpectNear(r.MemberResults[3].MLeft, -0.1 * wl2, "M at C, member 3");
    ExpectNear(r.MemberResults[1].MCenter, 0.075 * wl2, "mid-span 1");
    ExpectNear(r.MemberResults[2].MCenter, 0.025 * wl2, "mid-span 2");
    const double reactions[] = {0.4, 1.1, 1.1, 0.4};
    for (int i = 1; i <= 4; ++i) {
        ExpectNear(r.NodeResults[i].Reaction, reactions[i - 1] * w * l, "reaction");
    }
    ExpectNear(r.MemberResults[1].QLeft, 0.4 * w * l, "QLeft 1");
    ExpectNear(r.MemberResults[1].QRight, -0.6 * w * l, "QRight 1");
    ExpectNear(r.MemberResults[2].QLeft, 0.5 * w * l, "QLeft 2");
}

TEST(Driver, ConcentratedLoadsOnSupportsBecomeNodeLoads) {
    BeamModel m = MakeBeam({6.0, 4.0}, {S, S, S});
    SetLoad(m, 1, 1, kLoadConcentrated, 5.0, 6.0);   // right end of member 1: node 2
    SetLoad(m, 2, 3, kLoadConcentrated, 3.0, 0.0);   // left end of member 2: node 2
    SetLoad(m, 1, 5, kLoadConcentrated, 2.0, 5e-7);  // within 1e-6 of node 1
    const CalcResults r = Calculate(m);
    ExpectNear(r.NodeResults[1].Reaction, 2.0, "R1");
    ExpectNear(r.NodeResults[2].Reaction, 8.0, "R2");
    ExpectNear(r.NodeResults[3].Reaction, 0.0, "R3", 1.0);
    for (int i = 1; i <= 2; ++i) {
        ExpectNear(r.MemberResults[i].MLeft, 0.0, "MLeft", 1.0);
        ExpectNear(r.MemberResults[i].MCenter, 0.0, "MCenter", 1.0);
        ExpectNear(r.MemberResults[i].QLeft, 0.0, "QLeft", 1.0);
    }
}

TEST(Driver, ConcentratedLoadAtTheFreeEndOfACantilever) {
    BeamModel m = MakeBeam({3.0}, {F, R});
    SetLoad(m, 1, 1, kLoadConcentrated, 4.0, 3.0);  // stands on the free node 2
    const CalcResults r = Calculate(m);
    ExpectNear(r.MemberResults[1].MLeft, -12.0, "MLeft");
    ExpectNear(r.MemberResults[1].MCenter, -6.0, "MCenter");
    ExpectNear(r.NodeResults[1].Reaction, 4.0, "R1");
    ExpectNear(r.NodeResults[2].Reaction, 0.0, "R2", 1.0);
    // PL^3 / 3EI, in cm downward.
    ExpectNear(r.NodeResults[2].Deflection, 100 * 4.0 * 27 / 3 / kEI, "tip deflection");
}

TEST(Driver, TinyDeflectionIsStoredAsZero) {
    BeamModel m = MakeBeam({1.0}, {F, R});
    // PL^3/3EI = 6.3e-7 m, below the 1e-6 m cut; 2.1e-6 m above it.
    SetNodeLoad(m, 2, 1, kNodeForce, 0.04);
    EXPECT_EQ(Calculate(m).NodeResults[2].Deflection, 0.0);
    SetNodeLoad(m, 2, 1, kNodeForce, 0.13);
    ExpectNear(Calculate(m).NodeResults[2].Deflection, 100 * 0.13 / 3 / kEI, "deflection");
}

TEST(Driver, NodeForcesAndMoments) {
    // Propped cantilever, moment M0 at the propped end: M at the fixed end
    // M0/2 in the same sense, reactions -+3M0/2L.
    BeamModel m = MakeBeam({4.0}, {F, S});
    SetNodeLoad(m, 2, 3, kNodeMoment, 8.0);
    SetNodeLoad(m, 1, 1, kNodeForce, 5.0);  // straight into the fixed support
    const CalcResults r = Calculate(m);
    ExpectNear(r.MemberResults[1].MRight, 8.0, "MRight");
    ExpectNear(r.MemberResults[1].MLeft, 4.0, "MLeft");
    // The end moments (12 clockwise) are balanced by 3 t up at B, down at A.
    ExpectNear(r.NodeResults[1].Reaction, 5.0 - 3.0, "R1");
    ExpectNear(r.NodeResults[2].Reaction, 3.0, "R2");
}

TEST(Driver, EmptySlotsAndTheCommonLoadSwitch) {
    BeamModel m = MakeBeam({6.0}, {S, S});
    SetLoad(m, 1, 1, kLoadNone, 9.0, 1.0, 2.0);
    SetLoad(m, 1, 2, -1, 9.0, 1.0, 2.0);
    SetLoad(m, 1, 3, std::numeric_limits<std::int32_t>::max(), 9.0, 1.0, 2.0);
    SetLoad(m, 1, 4, std::numeric_limits<std::int32_t>::min(), 9.0, 1.0, 2.0);
    m.Header.CommonLoad = 7.0;
    m.Header.CommonLoadHeight = 1.0;
    m.Header.CommonLoadOff = 1;
    const CalcResults r = Calculate(m);
    EXPECT_EQ(r.MemberResults[1].MCenter, 0.0);
    EXPECT_EQ(r.NodeResults[1].Reaction, 0.0);
}

// A support condition outside the table holds nothing: the tip of a
// cantilever (PL at the root, PL^3/3EI at the tip, no reaction, its spring
// constant unused), whatever code it holds.
TEST(Driver, ConditionsOutsideTheTableHoldNothing) {
    for (std::int32_t code : {5, 6, -1, std::numeric_limits<std::int32_t>::max(),
                              std::numeric_limits<std::int32_t>::min()}) {
        BeamModel m = MakeBeam({3.0}, {F, code});
        m.Supports[2].SpringConstant = 5.0;
        SetNodeLoad(m, 2, 1, kNodeForce, 10.0);
        const CalcResults r = Calculate(m);
        ExpectNear(r.MemberResults[1].MLeft, -30.0, "MLeft");
        ExpectNear(r.NodeResults[1].Reaction, 10.0, "R1");
        EXPECT_EQ(r.NodeResults[2].Reaction, 0.0) << code;
        ExpectNear(r.NodeResults[2].Deflection, 100 * 10.0 * 27 / 3 / kEI, "tip deflection");
    }
}

// Intensity at x of a distributed load slot (q = value x height), written
// from the shape's description.
double Intensity(int type, double a, double l1, double l2, double q, double x) {
    const double t = x - a;
    if (t < 0) return 0;
    switch (type) {
        case kLoadUniform:
            return t <= l1 ? q : 0;
        case kLoadRightRising:
            return t <= l1 ? q * t / l1 : 0;
        case kLoadLeftRising:
            return t <= l1 ? q * (1 - t / l1) : 0;
        case kLoadTriangle:
            return t <= l1 ? q * (1 - std::fabs(t - l1 / 2) / (l1 / 2)) : 0;
        case kLoadTrapezoid:
            if (t <= l1) return q * t / l1;
            if (t <= l1 + l2) return q;
            return t <= 2 * l1 + l2 ? q * (2 * l1 + l2 - t) / l1 : 0;
        default:
            return 0;
    }
}

// Every distributed shape on a simple 6 m span against statics: reactions
// from the resultant, mid-span moment from the free body of the left half,
// the load integrated numerically (exactly).
TEST(Driver, LoadShapesOnASimpleSpan) {
    struct Row {
        int type;
        double distance, l1, l2;
    };
    const Row rows[] = {{kLoadUniform, 1.0, 4.0, 0},     {kLoadRightRising, 0.0, 6.0, 0},
                        {kLoadLeftRising, 0.5, 4.0, 0},  {kLoadTriangle, 0.0, 6.0, 0},
                        {kLoadTriangle, 2.0, 3.0, 0},    {kLoadTrapezoid, 0.0, 2.0, 2.0},
                        {kLoadTrapezoid, 1.0, 1.5, 0.5}, {kLoadRightRising, 2.5, 3.5, 0}};
    const double l = 6.0, q = 2.0;  // value 4 x height 0.5
    for (const Row& row : rows) {
        // Gauss-Legendre with two points on each piece between the kinks of
        // the shape: exact for these piecewise linear loads.
        const double a = row.distance, l1 = row.l1, l2 = row.l2;
        std::vector<double> cuts = {0,          l / 2,  l,           a,
                                    a + l1 / 2, a + l1, a + l1 + l2, a + 2 * l1 + l2};
        std::sort(cuts.begin(), cuts.end());
        double total = 0, moment = 0, leftHalf = 0;
        for (std::size_t i = 0; i + 1 < cuts.size(); ++i) {
            const double x0 = std::max(0.0, cuts[i]), x1 = std::min(l, cuts[i + 1]);
            if (x1 <= x0) continue;
            const double mid = (x0 + x1) / 2, half = (x1 - x0) / 2;
            for (double x : {mid - half / std::sqrt(3.0), mid + half / std::sqrt(3.0)}) {
                const double f = half * Intensity(row.type, a, l1, l2, q, x);
                total += f;
                moment += f * x;
                if (x < l / 2) leftHalf += f * (l / 2 - x);
            }
        }
        BeamModel m = MakeBeam({l}, {S, S});
        SetLoad(m, 1, 1, row.type, 4.0, row.distance, row.l1, row.l2, 0.5);
        const CalcResults r = Calculate(m);
        const double rb = moment / l, ra = total - rb;
        SCOPED_TRACE(row.type);
        ExpectNear(r.NodeResults[1].Reaction, ra, "RA");
        ExpectNear(r.NodeResults[2].Reaction, rb, "RB");
        ExpectNear(r.MemberResults[1].MCenter, ra * l / 2 - leftHalf, "MCenter");
        ExpectNear(r.MemberResults[1].QRight, -rb, "QRight");
    }
}

TEST(Driver, ConcentratedLoadInsideASpan) {
    BeamModel m = MakeBeam({6.0}, {S, S});
    SetLoad(m, 1, 2, kLoadConcentrated, 4.0, 2.0, 9.0, 9.0, 9.0);  // L1, L2, H ignored
    const CalcResults r = Calculate(m);
    ExpectNear(r.NodeResults[1].Reaction, 4.0 * 4 / 6, "RA");
    ExpectNear(r.MemberResults[1].MCenter, 4.0 * 4 / 6 * 3 - 4.0, "MCenter");
}

TEST(Driver, BeamOnASpring) {
    // Two spans on simple ends and a spring k at the middle support: the
    // spring force follows from the deflections of the simple 2L beam.
    const double l = 6.0, w = 1.0, kcm = 5.0, km = 100 * kcm;
    BeamModel m = MakeBeam({l, l}, {S, K, S});
    m.Supports[2].SpringConstant = kcm;
    SetCommonLoad(m, w);
    const double d0 = 5 * w * std::pow(2 * l, 4) / (384 * kEI);
    const double f = std::pow(2 * l, 3) / (48 * kEI);
    const double spring = d0 / (f + 1 / km);
    const CalcResults r = Calculate(m);
    ExpectNear(r.NodeResults[2].Reaction, spring, "spring force");
    ExpectNear(r.NodeResults[1].Reaction, (2 * w * l - spring) / 2, "R1");
    ExpectNear(r.NodeResults[2].Deflection, spring / kcm, "spring deflection (cm)");
    const double sagging = w * 4 * l * l / 8 - spring * 2 * l / 4;
    ExpectNear(r.MemberResults[1].MRight, -sagging, "M over the spring");
    ExpectNear(r.MemberResults[2].MLeft, sagging, "M over the spring, member 2");
}

TEST(Driver, CantileverCarryingASuspendedSpan) {
    // A fixed at 1, hinge at 2, simple at 3: span 2 is simply supported and
    // hangs its left reaction wL/2 on the tip of the cantilever 1-2.
    const double l = 6.0, w = 1.0;
    BeamModel m = MakeBeam({l, l}, {F, H, S});
    SetCommonLoad(m, w);
    const CalcResults r = Calculate(m);
    ExpectNear(r.MemberResults[1].MLeft, -w * l * l, "M fixed end");
    ExpectNear(r.MemberResults[1].MRight, 0.0, "M at the hinge", w * l * l);
    ExpectNear(r.MemberResults[1].MCenter, -3 * w * l * l / 8, "mid-span 1");
    ExpectNear(r.MemberResults[2].MLeft, 0.0, "M right of the hinge", w * l * l);
    ExpectNear(r.MemberResults[2].MCenter, w * l * l / 8, "mid-span 2");
    ExpectNear(r.MemberResults[1].QLeft, 1.5 * w * l, "QLeft 1");
    ExpectNear(r.MemberResults[1].QRight, 0.5 * w * l, "QRight 1");
    ExpectNear(r.MemberResults[2].QLeft, 0.5 * w * l, "QLeft 2");
    ExpectNear(r.NodeResults[1].Reaction, 1.5 * w * l, "R1");
    ExpectNear(r.NodeResults[2].Reaction, 0.0, "R2", w * l);
    ExpectNear(r.NodeResults[3].Reaction, 0.5 * w * l, "R3");
    // Tip of the cantilever: wL^4/8EI + (wL/2) L^3/3EI = 7wL^4/24EI.
    ExpectNear(r.NodeResults[2].Deflection, 100 * 7 * w * std::pow(l, 4) / (24 * kEI), "hinge");
}

TEST(Driver, HingeAtTheTipOfACantileverIsThatCantilever) {
    const double l = 4.0, w = 1.5;
    BeamModel m = MakeBeam({l}, {F, H});
    SetCommonLoad(m, w);
    const CalcResults r = Calculate(m);
    ExpectNear(r.MemberResults[1].MLeft, -w * l * l / 2, "MLeft");
    ExpectNear(r.MemberResults[1].MRight, 0.0, "MRight", w * l * l);
    ExpectNear(r.NodeResults[1].Reaction, w * l, "R1");
    ExpectNear(r.NodeResults[2].Deflection, 100 * w * std::pow(l, 4) / (8 * kEI), "tip");
}

TEST(Driver, FreeNodeInsideAPropedSpan) {
    // Fixed, free, simple over 2 x 4 m with P at a = 3 m: one propped span.
    const double l = 4.0, a = 3.0, p = 10.0;
    BeamModel m = MakeBeam({l, l}, {F, R, S});
    SetLoad(m, 1, 1, kLoadConcentrated, p, a);
    const CalcResults r = Calculate(m);
    ExpectNear(r.NodeResults[3].Reaction, p * a * a * (6 * l - a) / (16 * l * l * l), "R3");
    ExpectNear(r.MemberResults[1].MLeft, -p * a * (2 * l - a) * (4 * l - a) / (8 * l * l), "M1");
}

TEST(Driver, KiloNewtonModelGivesTheSameBeamInKiloNewton) {
    BeamModel t = MakeBeam({5.0, 7.0}, {F, S, K});
    t.Supports[3].SpringConstant = 20.0;
    SetCommonLoad(t, 1.2, 0.8);
    SetLoad(t, 2, 1, kLoadTriangle, 3.0, 1.0, 4.0);
    BeamModel kn = t;
    const double g = 9.80665;
    kn.Header.InputUnit = 1;
    kn.Members[1].E = 2100.0 * g;
    kn.Members[2].E = 2100.0 * g;
    kn.Supports[3].SpringConstant = 20.0 * g;
    kn.Header.CommonLoad = 1.2 * g;
    kn.Members[2].Loads[0].Value = 3.0 * g;
    const CalcResults rt = Calculate(t), rk = Calculate(kn);
    for (int i = 1; i <= 2; ++i) {
        ExpectNear(rk.MemberResults[i].MLeft, g * rt.MemberResults[i].MLeft, "MLeft", 1.0);
        ExpectNear(rk.MemberResults[i].MCenter, g * rt.MemberResults[i].MCenter, "MCenter", 1.0);
        ExpectNear(rk.MemberResults[i].QRight, g * rt.MemberResults[i].QRight, "QRight", 1.0);
    }
    for (int i = 1; i <= 3; ++i) {
        ExpectNear(rk.NodeResults[i].Reaction, g * rt.NodeResults[i].Reaction, "reaction", 1.0);
        ExpectNear(rk.NodeResults[i].Deflection, rt.NodeResults[i].Deflection, "deflection", 1e-3);
    }
}

TEST(CalculateModel, RefusesBeforeFillingAndFillsBeforeTheFullCheck) {
    BeamModel m = MakeBeam({6.0}, {S, R});
    m.Members[1].Io = 0.0;
    m.Header.CommonIo = 5e4;
    CalcResults r;
    r.MemberResults[1].MCenter = 99.0;
    bool called = false;
    EXPECT_EQ(CalculateModel(m, r, [&] { called = true; }).code, kUnstable);
    EXPECT_FALSE(called);
    EXPECT_EQ(double(m.Members[1].Io), 0.0);  // nothing filled
    EXPECT_EQ(r.MemberResults[1].MCenter, 99.0);

    m.Supports[2].Condition = S;
    m.Members[1].E = 0.0;  // the common E is 0 too: refused after filling
    EXPECT_EQ(CalculateModel(m, r, [&] { called = true; }).code, kNoE);
    EXPECT_TRUE(called);
    EXPECT_EQ(double(m.Members[1].Io), 5e4);
    EXPECT_EQ(r.MemberResults[1].MCenter, 99.0);

    m.Header.CommonE = 2100.0;
    SetCommonLoad(m, 1.0);
    const ValidationResult ok = CalculateModel(m, r);
    EXPECT_TRUE(ok.Passed());
    ExpectNear(r.MemberResults[1].MCenter, 4.5, "MCenter");
}

TEST(CalculateModel, RefusesResultsThatAreNotFinite) {
    BeamModel m = OverflowingBeam();
    ASSERT_TRUE(ValidateModel(m, kValidateCalculation).Passed());
    CalcResults r;
    r.NodeResults[3].Deflection = 99.0;
    const ValidationResult v = CalculateModel(m, r);
    EXPECT_EQ(v.code, kNoResult);
    EXPECT_EQ(test::MessageText(v), "計算結果が求まりません。入力データを確認してください。");
    EXPECT_EQ(r.NodeResults[3].Deflection, 99.0);  // the results are left untouched
}

TEST(CalculateModel, RefusesAMechanism) {
    BeamModel m = MakeBeam({6.0, 6.0}, {S, H, S});
    SetCommonLoad(m, 1.0);
    CalcResults r;
    const ValidationResult v = CalculateModel(m, r);
    EXPECT_EQ(v.code, kUnstable);
    EXPECT_EQ(test::MessageText(v), "支持設定に誤りがあります。 (不安定)");
}

}  // namespace
}  // namespace kmr
