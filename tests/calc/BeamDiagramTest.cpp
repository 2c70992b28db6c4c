// Results along the beam against closed-form beam formulas, statics, the
// analysis' own end values and the engine's simple-beam sections, on
// textbook beams and random beams.
#include "calc/BeamDiagram.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>
#include <vector>

#include "kmrengine.h"
#include "tests/support/BeamBuilder.h"
#include "tests/support/RandomBeam.h"

namespace kmr {
namespace {

using namespace kmr::test;

constexpr double kEI = 2100.0 * 1e5 * 1e-4;  // MakeBeam's E and Io as t m2
constexpr double kCm = 100.0;                // m to cm
// The engine's load type of each model load type, concentrated to triangle.
constexpr std::int32_t kEngineLoadTypes[] = {KMR_LOAD_CONCENTRATED,     KMR_LOAD_RISING_TRIANGLE,
                                             KMR_LOAD_FALLING_TRIANGLE, KMR_LOAD_UNIFORM,
                                             KMR_LOAD_TRAPEZOID,        KMR_LOAD_TRIANGLE};

enum Quantity { kMMax, kMMin, kQMax, kDeflectionMax, kDeflectionMin, kMAt, kDeflectionAt };

struct Expect {
    Quantity what;
    double x;      // where the extreme lies, or where the value is taken
    double value;  // force t (or kN), m, cm
};

struct Case {
    const char* name;
    BeamModel model;
    int member;
    std::vector<Expect> expects;
};

BeamModel Uniform(BeamModel m, double w = 1.0) {
    SetCommonLoad(m, w);
    return m;
}

BeamModel WithLoad(BeamModel m, int member, int type, double value, double at, int slot = 1) {
    SetLoad(m, member, slot, type, value, at);
    return m;
}

BeamModel InKiloNewton(BeamModel m) {
    m.Header.OutputUnit = 1;
    return m;
}

BeamModel WithSpring(BeamModel m, int support, double k) {
    m.Supports[support].SpringConstant = k;
    return m;
}

// Simple span with one end fixed under w = 1: the largest deflection at
// u L from the simple end, where 8u^2 - u - 1 = 0.
const double kU = (1 + std::sqrt(33.0)) / 16;
const double kProppedDeflection = 6 * 6 * 6 * 6 * kU * (1 - 3 * kU * kU + 2 * kU * kU * kU) / 48;

std::vector<Case> ClosedFormCases() {
    const double P = 10, a = 2, b = 4, L = 6;  // off-centre load on a fixed-fixed span
    return {
        {"simple span, uniform load",
         Uniform(MakeBeam({6}, {S, S})),
         1,
         {{kMMax, 3, 4.5},
          {kMMin, 0, 0},
          {kQMax, 0, 3},
          {kDeflectionMax, 3, 5 * 1296.0 / 384 / kEI * kCm},
          {kDeflectionMin, 0, 0}}},
        {"the same in kN",
         InKiloNewton(Uniform(MakeBeam({6}, {S, S}))),
         1,
         {{kMMax, 3, 4.5 * 9.80665},
          {kQMax, 0, 3 * 9.80665},
          {kDeflectionMax, 3, 5 * 1296.0 / 384 / kEI * kCm}}},
        {"propped cantilever, uniform load",
         Uniform(MakeBeam({6}, {S, F})),
         1,
         {{kMMax, 2.25, 9 * 36.0 / 128},
          {kMMin, 6, -4.5},
          {kQMax, 6, -3.75},
          {kDeflectionMax, kU * 6, kProppedDeflection / kEI * kCm}}},
        {"cantilever, tip load on the free end",
         WithLoad(MakeBeam({3}, {F, R}), 1, kLoadConcentrated, 2, 3),
         1,
         {{kMMin, 0, -6},
          {kMMax, 3, 0},
          {kQMax, 0, 2},
          {kDeflectionMax, 3, 2 * 27.0 / 3 / kEI * kCm},
          {kDeflectionMin, 0, 0}}},
        {"fixed-fixed span, load off centre",
         WithLoad(MakeBeam({L}, {F, F}), 1, kLoadConcentrated, P, a),
         1,
         {{kMMax, a, 2 * P * a * a * b * b / (L * L * L)},
          {kMMin, 0, -P * a * b * b / (L * L)},
          {kQMax, 0, P * b * b * (3 * a + b) / (L * L * L)},
          {kDeflectionMax, L - 2 * b * L / (3 * b + a),
           2 * P * b * b * b * a * a / (3 * kEI * (3 * b + a) * (3 * b + a)) * kCm}}},
        {"two equal spans, uniform load",
         Uniform(MakeBeam({6, 6}, {S, S, S})),
         1,
         {{kMMax, 2.25, 9 * 36.0 / 128},
          {kMMin, 6, -4.5},
          {kQMax, 6, -3.75},
          {kDeflectionMax, kU * 6, kProppedDeflection / kEI * kCm}}},
        {"Gerber beam, cantilever",
         Uniform(MakeBeam({4, 6}, {F, H, S})),
         1,
         {{kMMin, 0, -(8.0 + 3 * 4)},
          {kQMax, 0, 4 + 3},
          {kDeflectionMax, 4, (256.0 / 8 + 3 * 64.0 / 3) / kEI * kCm}}},
        {"Gerber beam, suspended span",
         Uniform(MakeBeam({4, 6}, {F, H, S})),
         2,
         {{kMMax, 3, 4.5}, {kQMax, 0, 3}, {kMAt, 1, 2.5}}},
        {"fixed-fixed span, uniform load",
         Uniform(MakeBeam({7}, {F, F}), 1.3),
         1,
         {{kMMax, 3.5, 1.3 * 49 / 24}, {kMMin, 0, -1.3 * 49 / 12}, {kQMax, 0, 1.3 * 3.5}}},
        {"three equal spans, uniform load, middle span",
         Uniform(MakeBeam({5, 5, 5}, {S, S, S, S}), 2.1),
         2,
         {{kMMin, 0, -2.1 * 25 / 10}, {kQMax, 0, 2.1 * 2.5}}},
        {"fixed-fixed span, two equal loads at the thirds",
         WithLoad(WithLoad(MakeBeam({6}, {F, F}), 1, kLoadConcentrated, 3, 2), 1, kLoadConcentrated,
                  3, 4, 2),
         1,
         {{kMMax, 2, 3 * 6.0 / 9}, {kMMin, 0, -2 * 3 * 6.0 / 9}, {kQMax, 0, 3}}},
        {"spring support",
         WithSpring(Uniform(MakeBeam({6}, {S, K})), 2, 100),
         1,
         {{kMMax, 3, 4.5},
          {kDeflectionAt, 6, 3.0 / 100},
          {kDeflectionAt, 3, 5 * 1296.0 / 384 / kEI * kCm + 0.015}}},
    };
}

// The extreme asked for and its position.
std::pair<double, double> Extreme(const MemberExtremes& e, Quantity q) {
    switch (q) {
        case kMMax:
            return {e.MMax, e.XMMax};
        case kMMin:
            return {e.MMin, e.XMMin};
        case kQMax:
            return {e.QMax, e.XQMax};
        case kDeflectionMax:
            return {e.DeflectionMax, e.XDeflectionMax};
        default:
            return {e.DeflectionMin, e.XDeflectionMin};
    }
}

TEST(BeamDiagram, ClosedForms) {
    for (const Case& c : ClosedFormCases()) {
        SCOPED_TRACE(c.name);
        CalcResults r;
        RunCalculation(c.model, r);
        const BeamDiagram beam = BuildBeamDiagram(c.model, r);
        const MemberDiagram& d = beam.Members[c.member - 1];
        const MemberExtremes e = d.Extremes();
        for (const Expect& want : c.expects) {
            const double tol = 1e-4 * std::fabs(want.value) + 1e-6;
            if (want.what == kMAt) {
                EXPECT_NEAR(d.At(want.x).M, want.value, tol) << "M at " << want.x;
            } else if (want.what == kDeflectionAt) {
                EXPECT_NEAR(d.At(want.x).Deflection, want.value, tol) << "δ at " << want.x;
            } else {
                const auto [value, x] = Extreme(e, want.what);
                EXPECT_NEAR(value, want.value, tol) << "quantity " << want.what;
                EXPECT_NEAR(x, want.x, 1e-4 * d.Length()) << "quantity " << want.what;
            }
        }
    }
}

TEST(BeamDiagram, TablePoints) {
    const struct {
        double load, at;
        int intervals;
        std::vector<double> x;  // the rows; a repeated x is a jump of Q
    } cases[] = {
        {10, 3, 4, {0, 1.5, 3, 3, 4.5, 6}},
        // The largest deflection sqrt((L^2 - a^2) / 3) from the far end.
        {10, 2, 3, {0, 2, 2, 6 - std::sqrt(32.0 / 3), 4, 6}},
    };
    for (const auto& c : cases) {
        const BeamModel m = WithLoad(MakeBeam({6}, {S, S}), 1, kLoadConcentrated, c.load, c.at);
        CalcResults r;
        RunCalculation(m, r);
        const BeamDiagram beam = BuildBeamDiagram(m, r);
        const MemberDiagram& d = beam.Members[0];
        const std::vector<DiagramPoint> points = DiagramPoints(d, c.intervals);
        ASSERT_EQ(points.size(), c.x.size()) << "load at " << c.at;
        for (std::size_t i = 0; i < points.size(); ++i) {
            EXPECT_NEAR(points[i].X, c.x[i], 1e-6) << "row " << i;
            const double x = points[i].X;
            const double left = c.load * (6 - c.at) / 6, right = left - c.load;
            const bool after = x > c.at || (i > 0 && points[i - 1].X == x);
            EXPECT_NEAR(points[i].Values.Q, after ? right : left, 1e-4) << "row " << i;
            const double m0 = after ? c.load * c.at * (6 - x) / 6 : left * x;
            EXPECT_NEAR(points[i].Values.M, m0, 1e-4) << "row " << i;
        }
    }
}

// A second method: the engine's simple-beam moment and EI x deflection at x
// summed over the member's loads as the driver passes them, plus the end
// moments and the end deflections as textbook superposition.
DiagramValues Superposed(const BeamModel& m, const CalcResults& r, int i, double x) {
    CalcMembers members;
    PrepareMemberLoads(m, members);
    const MemberCalcRecord& rec = members[i];
    const float span = float(rec.CalcLength);
    double m0 = 0, ei0 = 0;
    auto add = [&](const CalcLoad& l, std::int32_t type) {
        float cl, cr, mm, ql, qr, defl, extra;
        VF_CMQGIR(0, span, float(l.LoadStart), float(l.LoadLength), float(l.RiseLength),
                  float(l.FlatLength), float(l.Value), float(l.Factor), float(l.Factor), type, 0.0f,
                  float(x), &cl, &cr, &mm, &ql, &qr, &defl, &extra);
        m0 += mm;
        ei0 += defl;
    };
    for (int j = 0; j < kLoadSlots; ++j) {
        const CalcLoad& l = rec.CalcLoads[j];
        if (l.LoadType < kLoadConcentrated || l.LoadType > kLoadTriangle || l.Value == 0) continue;
        if (ConcentratedLoadNode(m.Members[i].Loads[j], rec.CalcLength, i) != 0) continue;
        add(l, kEngineLoadTypes[l.LoadType]);
    }
    if (m.Header.CommonLoadOff == 0) {
        CalcLoad common;
        common.LoadLength = common.FlatLength = rec.CalcLength;
        common.Value = m.Header.CommonLoad;
        common.Factor = m.Header.CommonLoadHeight;
        add(common, KMR_LOAD_UNIFORM);
    }
    const double L = rec.CalcLength, ei = rec.CalcE * rec.CalcIo * 1e-4;
    const double ml = r.MemberResults[i].MLeft, mr = -r.MemberResults[i].MRight;
    const double vl = r.NodeResults[i].Deflection, vr = r.NodeResults[i + 1].Deflection;
    DiagramValues v;
    v.M = m0 + ml * (1 - x / L) + mr * x / L;
    v.Deflection =
        vl + (vr - vl) * x / L +
        100 / ei * (ei0 + (ml * x * (L - x) * (2 * L - x) + mr * x * (L * L - x * x)) / (6 * L));
    return v;
}

// Calls check(model, trial) for the first `wanted` of `trials` random beams
// of `seed` that pass the validation, each traced by its trial number; fails
// when fewer pass.
template <class Check>
void ForCalculatedRandomBeams(unsigned seed, int trials, int wanted, Check check) {
    RandomBeam gen(seed);
    int calculated = 0;
    for (int trial = 0; trial < trials && calculated < wanted; ++trial) {
        BeamModel m = gen.Make();
        if (!ValidateModel(m, kValidateCalculation).Passed()) continue;
        ++calculated;
        SCOPED_TRACE(testing::Message() << "trial " << trial);
        check(m, trial);
    }
    EXPECT_GE(calculated, wanted);
}

// The scale of a set of values, for tolerances.
double Scale(const MemberDiagram& d, double DiagramValues::*field) {
    double s = 1e-12;
    for (int k = 0; k <= 100; ++k) s = std::max(s, std::fabs(d.At(d.Length() * k / 100).*field));
    return s;
}

TEST(BeamDiagram, RandomBeamsStayWithinTheirExtremesAndMeetTheEndValues) {
    ForCalculatedRandomBeams(7301, 150, 40, [](BeamModel& m, int) {
        CalcResults r;
        RunCalculation(m, r);
        const BeamDiagram beam = BuildBeamDiagram(m, r);
        for (std::size_t i = 0; i < beam.Members.size(); ++i) {
            const MemberDiagram& d = beam.Members[i];
            const MemberResult& mr = r.MemberResults[i + 1];
            const MemberExtremes e = d.Extremes();
            const double tm = 2e-5 * Scale(d, &DiagramValues::M);
            const double tq = 2e-5 * Scale(d, &DiagramValues::Q);
            const double td = 2e-5 * Scale(d, &DiagramValues::Deflection);
            EXPECT_NEAR(d.At(d.Length() / 2).M, mr.MCenter, tm) << "member " << i + 1;
            EXPECT_NEAR(d.At(0).Q, mr.QLeft, tq) << "member " << i + 1;
            EXPECT_NEAR(d.At(d.Length()).Q, mr.QRight, tq) << "member " << i + 1;
            EXPECT_NEAR(d.At(e.XMMax).M, e.MMax, tm);
            EXPECT_NEAR(d.At(e.XDeflectionMin).Deflection, e.DeflectionMin, td);
            for (double u : {0.13, 0.5, 0.71, 0.94}) {
                const double x = u * d.Length();
                const DiagramValues second = Superposed(m, r, int(i) + 1, x);
                EXPECT_NEAR(d.At(x).M, second.M, 5 * tm) << "member " << i + 1 << " at " << x;
                EXPECT_NEAR(d.At(x).Deflection, second.Deflection, 5 * td)
                    << "member " << i + 1 << " at " << x;
            }
            int over = 0;
            for (int k = 0; k < 10000; ++k) {
                const double x = d.Length() * k / 9999;
                for (DiagramSide side : {DiagramSide::Left, DiagramSide::Right}) {
                    const DiagramValues v = d.At(x, side);
                    over += v.M > e.MMax + tm || v.M < e.MMin - tm;
                    over += std::fabs(v.Q) > std::fabs(e.QMax) + tq;
                    over += v.Deflection > e.DeflectionMax + td;
                    over += v.Deflection < e.DeflectionMin - td;
                }
            }
            EXPECT_EQ(over, 0) << "member " << i + 1;
        }
    });
}

// Downward node force (node loads and concentrated member loads standing on
// the node) and clockwise node moment.
void NodeLoads(const BeamModel& m, int s, double& force, double& moment) {
    force = moment = 0;
    for (const NodeLoad& load : m.Supports[s].NodeLoads) {
        if (load.LoadType == kNodeForce) force += load.Value;
        if (load.LoadType == kNodeMoment) moment += load.Value;
    }
    const int n = m.Header.SpanCount;
    for (int i = std::max(1, s - 1); i <= std::min(n, s); ++i) {
        for (const MemberLoad& l : m.Members[i].Loads) {
            if (ConcentratedLoadNode(l, m.Members[i].SpanLength, i) == s) force += l.Value;
        }
    }
}

TEST(BeamDiagram, RandomBeamsAreContinuousAcrossPiecesAndNodes) {
    ForCalculatedRandomBeams(4417, 300, 80, [](BeamModel& m, int) {
        CalcResults r;
        RunCalculation(m, r);
        const BeamDiagram beam = BuildBeamDiagram(m, r);
        const int n = int(beam.Members.size());
        double sm = 1e-9, sq = 1e-9, st = 1e-12, sd = 1e-9;
        for (const MemberDiagram& d : beam.Members) {
            sm = std::max(sm, Scale(d, &DiagramValues::M));
            sq = std::max(sq, Scale(d, &DiagramValues::Q));
            st = std::max(st, Scale(d, &DiagramValues::Rotation));
            sd = std::max(sd, Scale(d, &DiagramValues::Deflection));
        }
        // Inside a member: M, rotation and deflection meet at every break.
        for (const MemberDiagram& d : beam.Members) {
            for (double x : d.Breaks()) {
                const DiagramValues l = d.At(x, DiagramSide::Left);
                const DiagramValues rr = d.At(x, DiagramSide::Right);
                EXPECT_NEAR(l.M, rr.M, 1e-9 * sm);
                EXPECT_NEAR(l.Rotation, rr.Rotation, 1e-9 * st);
                EXPECT_NEAR(l.Deflection, rr.Deflection, 1e-9 * sd);
            }
        }
        // Across node s: the deflection of the analysis from both sides, the
        // rotation too except at a hinge, Q jumps by the reaction less the
        // node force, M by the node moment (except at a fixed support).
        for (int s = 1; s <= n + 1; ++s) {
            const DiagramValues none;
            const DiagramValues left = s > 1 ? beam.Members[s - 2].At(1e9) : none;
            const DiagramValues right = s <= n ? beam.Members[s - 1].At(0) : none;
            const NodeResult& nr = r.NodeResults[s];
            double force = 0, moment = 0;
            NodeLoads(m, s, force, moment);
            const int c = m.Supports[s].Condition;
            if (s > 1) {
                EXPECT_NEAR(left.Deflection, nr.Deflection, 1e-5 * sd) << "node " << s;
            }
            if (s <= n) {
                EXPECT_NEAR(right.Deflection, nr.Deflection, 1e-5 * sd) << "node " << s;
            }
            if (c != H && s > 1) {
                EXPECT_NEAR(left.Rotation, nr.Rotation, 1e-4 * st) << s;
            }
            if (c != H && s <= n) {
                EXPECT_NEAR(right.Rotation, nr.Rotation, 1e-4 * st) << s;
            }
            EXPECT_NEAR(right.Q - left.Q, nr.Reaction - force, 2e-5 * (sq + std::fabs(force)))
                << "node " << s;
            if (c != F) {
                EXPECT_NEAR(right.M - left.M, moment, 2e-5 * sm) << "node " << s;
            }
        }
    });
}

TEST(BeamDiagram, EquilibriumOfRandomBeams) {
    ForCalculatedRandomBeams(991, 200, 60, [](BeamModel& m, int trial) {
        m.Header.OutputUnit = trial % 2;  // t or kN
        CalcResults r;
        RunCalculation(m, r);
        const int n = m.Header.SpanCount;
        double loads = 0;
        for (int i = 1; i <= n; ++i) {
            for (const MemberLoad& s : m.Members[i].Loads) loads += SlotResultant(s).force;
            if (m.Header.CommonLoadOff == 0) {
                loads += m.Header.CommonLoad * m.Header.CommonLoadHeight * m.Members[i].SpanLength;
            }
        }
        for (int s = 1; s <= n + 1; ++s) {
            for (const NodeLoad& l : m.Supports[s].NodeLoads) {
                if (l.LoadType == kNodeForce) loads += l.Value;
            }
        }
        loads *= trial % 2 ? 9.80665 : 1.0;
        const Equilibrium e = CheckEquilibrium(m, r);
        EXPECT_NEAR(e.Loads, loads, 1e-9 * (1 + std::fabs(loads))) << "trial " << trial;
        EXPECT_NEAR(e.Reactions, loads, 1e-5 * (1 + std::fabs(loads))) << "trial " << trial;
        if (std::fabs(loads) > 1) {
            EXPECT_LT(e.Residual, 1e-5) << "trial " << trial;
        }
    });
}

}  // namespace
}  // namespace kmr
