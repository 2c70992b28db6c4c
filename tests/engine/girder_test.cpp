// VF_RenzokuGir against closed-form beam solutions and statics.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "girder_fixture.h"

namespace kmr::test {
namespace {

double NodeX(const Girder& g, int node) {
    double x = 0.0;
    for (int m = 1; m < node; ++m) x += g.span[m - 1];
    return x;
}

// True when node i releases the right end of the member to its left.
bool Released(const Girder& g, int i) {
    if (g.hingeList.empty()) return g.support[i - 1] == kHinge;
    return std::count(g.hingeList.begin(), g.hingeList.end(), i) > 0;
}

// Every analysis must balance: vertical forces, moments about node 1, and the
// rotational and vertical equilibrium of every node without that restraint.
void ExpectStatics(const Girder& g, const Result& r) {
    const int M = static_cast<int>(g.span.size()), N = M + 1;
    ASSERT_EQ(static_cast<int>(r.reaction.size()), N);
    double load = 0.0, loadMoment = 0.0, scale = 1.0;
    for (const MemberLoad& l : g.loads) {
        const double L = g.span[l.member - 1];
        const double W = l.uniform ? l.value * L : l.value;
        load += W;
        loadMoment += W * (NodeX(g, l.member) + (l.uniform ? L / 2 : l.a));
        scale += std::fabs(W) * NodeX(g, N);
    }
    double vertical = -load, moment = loadMoment;
    std::vector<double> applied(N + 1, 0.0), appliedMoment(N + 1, 0.0);
    for (const NodeLoad& p : g.nodeLoads) {
        applied[p.node] += p.force;
        appliedMoment[p.node] += p.moment;
        scale += std::fabs(p.force) * NodeX(g, N) + std::fabs(p.moment);
    }
    const double tol = 2e-5 * scale;
    for (int i = 1; i <= N; ++i) {
        const double F = r.reaction[i - 1] + applied[i];
        vertical += F;
        moment += appliedMoment[i] - F * NodeX(g, i);
        double endMoments = (i <= M) ? r.mLeft[i - 1] : 0.0;
        double endForces = ((i <= M) ? r.vLeft[i - 1] : 0.0) + ((i > 1) ? r.vRight[i - 2] : 0.0);
        if (i > 1 && !Released(g, i)) endMoments += r.mRight[i - 2];
        const double supportMoment = endMoments - appliedMoment[i];
        const int code = g.support[i - 1];
        if (code == kFixed) {
            moment += supportMoment;
        } else {
            EXPECT_NEAR(supportMoment, 0.0, tol) << "rotational equilibrium of node " << i;
        }
        if (code == kHinge || code == kFree) {
            EXPECT_NEAR(endForces - applied[i], 0.0, tol) << "vertical equilibrium of node " << i;
            EXPECT_EQ(r.reaction[i - 1], 0.0f) << "node " << i;
        }
    }
    for (float h : g.hingeMoment) moment += h;
    EXPECT_NEAR(vertical, 0.0, tol) << "vertical balance";
    EXPECT_NEAR(moment, 0.0, tol) << "moment balance about node 1";
}

Girder Uniform(std::vector<float> spans, std::vector<int> support, float w, float ei = 2100.0f) {
    Girder g;
    g.span = spans;
    g.ei.assign(spans.size(), ei);
    g.support = support;
    g.spring.assign(support.size(), 0.0f);
    for (int m = 1; m <= static_cast<int>(spans.size()); ++m) g.loads.push_back({m, true, w, 0});
    return g;
}

// Continuous beams on simple supports: textbook coefficients.
struct ContinuousCase {
    std::string name;
    Girder girder;
    std::vector<float> supportMoment;  // hogging moments at interior supports, / (load·L or wL²)
    std::vector<float> reaction;       // / (wL or P)
    float unit;                        // wL² (or PL) for moments
    float force;                       // wL (or P) for reactions
};

std::vector<ContinuousCase> ContinuousCases() {
    const float L = 5.0f, w = 2.0f, P = 8.0f;
    std::vector<ContinuousCase> cases;
    cases.push_back({"two spans, uniform",
                     Uniform({L, L}, {2, 2, 2}, w),
                     {0.125f},
                     {0.375f, 1.25f, 0.375f},
                     w * L * L,
                     w * L});
    cases.push_back({"three spans, uniform",
                     Uniform({L, L, L}, {2, 2, 2, 2}, w),
                     {0.1f, 0.1f},
                     {0.4f, 1.1f, 1.1f, 0.4f},
                     w * L * L,
                     w * L});
    Girder two = Uniform({L, L}, {2, 2, 2}, 0.0f);
    two.loads = {{1, false, P, L / 2}, {2, false, P, L / 2}};
    cases.push_back(
        {"two spans, mid-span point loads", two, {0.1875f}, {0.3125f, 1.375f, 0.3125f}, P * L, P});
    Girder three = Uniform({L, L, L}, {2, 2, 2, 2}, 0.0f);
    three.loads = {{1, false, P, L / 2}, {2, false, P, L / 2}, {3, false, P, L / 2}};
    cases.push_back({"three spans, mid-span point loads",
                     three,
                     {0.15f, 0.15f},
                     {0.35f, 1.15f, 1.15f, 0.35f},
                     P * L,
                     P});
    return cases;
}

TEST(Girder, ContinuousBeamsMatchTextbookCoefficients) {
    for (const ContinuousCase& c : ContinuousCases()) {
        SCOPED_TRACE(c.name);
        const Result r = Analyse(c.girder);
        ExpectStatics(c.girder, r);
        const int M = static_cast<int>(c.girder.span.size());
        EXPECT_NEAR(r.mLeft[0], 0.0, 1e-4 * c.unit);
        EXPECT_NEAR(r.mRight[M - 1], 0.0, 1e-4 * c.unit);
        for (int i = 0; i < M - 1; ++i) {
            // Hogging at the support: clockwise on the left member's right end.
            EXPECT_NEAR(r.mRight[i], c.supportMoment[i] * c.unit, 1e-4 * c.unit);
            EXPECT_NEAR(r.mLeft[i + 1], -c.supportMoment[i] * c.unit, 1e-4 * c.unit);
        }
        for (int i = 0; i <= M; ++i) {
            EXPECT_NEAR(r.reaction[i], c.reaction[i] * c.force, 1e-4 * c.force);
            EXPECT_NEAR(r.deflection[i], 0.0, 1e-12);
        }
    }
}

TEST(Girder, FixedEndedSpanKeepsItsFixedEndForces) {
    const float L = 6.0f, w = 3.0f;
    const Girder g = Uniform({L}, {kFixed, kFixed}, w);
    const Result r = Analyse(g);
    ExpectStatics(g, r);
    EXPECT_NEAR(r.mLeft[0], -w * L * L / 12, 1e-4);
    EXPECT_NEAR(r.mRight[0], w * L * L / 12, 1e-4);
    EXPECT_NEAR(r.vLeft[0], w * L / 2, 1e-4);
    EXPECT_NEAR(r.vRight[0], w * L / 2, 1e-4);
    EXPECT_NEAR(r.reaction[0], w * L / 2, 1e-4);
    EXPECT_NEAR(r.reaction[1], w * L / 2, 1e-4);
    for (double x : r.rotation) EXPECT_NEAR(x, 0.0, 1e-12);
}

TEST(Girder, ProppedCantileverSolvesTheSimpleEndRotation) {
    const float L = 6.0f, w = 3.0f, EI = 2100.0f;
    const Girder g = Uniform({L}, {kFixed, kSimple}, w, EI);
    const Result r = Analyse(g);
    ExpectStatics(g, r);
    EXPECT_NEAR(r.mLeft[0], -w * L * L / 8, 1e-4);
    EXPECT_NEAR(r.mRight[0], 0.0, 1e-4);
    EXPECT_NEAR(r.reaction[0], 5 * w * L / 8, 1e-4);
    EXPECT_NEAR(r.reaction[1], 3 * w * L / 8, 1e-4);
    // The simple end turns anticlockwise by wL³/48EI.
    EXPECT_NEAR(r.rotation[1], -w * L * L * L / (48 * EI), 1e-7);
}

TEST(Girder, CantileverWithFreeEnd) {
    const float L = 4.0f, w = 2.0f, EI = 2100.0f;
    const Girder g = Uniform({L}, {kFixed, kFree}, w, EI);
    const Result r = Analyse(g);
    ExpectStatics(g, r);
    EXPECT_NEAR(r.mLeft[0], -w * L * L / 2, 1e-4);
    EXPECT_NEAR(r.mRight[0], 0.0, 1e-4);
    EXPECT_NEAR(r.reaction[0], w * L, 1e-4);
    EXPECT_EQ(r.reaction[1], 0.0f);
    EXPECT_NEAR(r.deflection[1], -w * L * L * L * L / (8 * EI), 1e-7);
    EXPECT_NEAR(r.rotation[1], w * L * L * L / (6 * EI), 1e-7);
}

TEST(Girder, CantileverOfTwoSpansWithFreeInteriorNode) {
    const float L = 3.0f, w = 2.0f, EI = 2100.0f, l = 2 * L;
    const Girder g = Uniform({L, L}, {kFixed, kFree, kFree}, w, EI);
    const Result r = Analyse(g);
    ExpectStatics(g, r);
    EXPECT_NEAR(r.mLeft[0], -w * l * l / 2, 1e-4);
    EXPECT_NEAR(r.mRight[0], w * L * L / 2, 1e-4);  // hogging at the interior node
    EXPECT_NEAR(r.reaction[0], w * l, 1e-4);
    // Cantilever deflection w x²(6l² - 4lx + x²)/24EI.
    EXPECT_NEAR(r.deflection[1], -w * L * L * (6 * l * l - 4 * l * L + L * L) / (24 * EI), 1e-7);
    EXPECT_NEAR(r.deflection[2], -w * l * l * l * l / (8 * EI), 1e-7);
    EXPECT_NEAR(r.rotation[2], w * l * l * l / (6 * EI), 1e-7);
}

// Fixed - free - simple over two spans L is one propped span of 2L.
TEST(Girder, FreeInteriorNodeGivesTheProppedSpanOfTwiceTheLength) {
    const float L = 3.0f, P = 10.0f;
    for (float a : {1.0f, 2.0f, 4.0f, 5.5f}) {
        SCOPED_TRACE(a);
        Girder g = Uniform({L, L}, {kFixed, kFree, kSimple}, 0.0f);
        g.loads = {a < L ? MemberLoad{1, false, P, a} : MemberLoad{2, false, P, a - L}};
        const Result r = Analyse(g);
        ExpectStatics(g, r);
        EXPECT_NEAR(r.reaction[2], P * a * a * (6 * L - a) / (16 * L * L * L), 1e-4);
        EXPECT_NEAR(r.mLeft[0], -P * a * (2 * L - a) * (4 * L - a) / (8 * L * L), 1e-4);
        EXPECT_EQ(r.reaction[1], 0.0f);
    }
}

// Spring constants are in force per cm: one span fixed at node 1 with a spring
// at node 2 carries (3wL/8)·β/(1 + β), β = kL³/3EI.
TEST(Girder, SpringSupportUnderUniformLoad) {
    const float L = 6.0f, w = 1.0f, EI = 2100.0f, k = 1.0f;
    Girder g = Uniform({L}, {kFixed, kSpring}, w, EI);
    g.spring = {0.0f, k};
    const Result r = Analyse(g);
    ExpectStatics(g, r);
    const double beta = k * 100 * L * L * L / (3 * EI);
    const double R = 3 * w * L / 8 * beta / (1 + beta);
    EXPECT_NEAR(R, 1.742, 5e-4);
    EXPECT_NEAR(r.reaction[1], R, 1e-4);
    EXPECT_NEAR(r.mLeft[0], R * L - w * L * L / 2, 1e-4);
    EXPECT_NEAR(r.mLeft[0], -7.548, 5e-4);
    EXPECT_NEAR(r.deflection[1] * 100, -R / k, 1e-5);  // cm, downward
}

// An unsymmetric load at a spring node: the spring force follows from the free
// cantilever deflection Pa²(3L - a)/6EI and the two flexibilities in series.
TEST(Girder, SpringSupportUnderUnsymmetricPointLoad) {
    const float L = 6.0f, P = 10.0f, EI = 2100.0f;
    for (float a : {1.0f, 2.0f, 4.5f}) {
        for (float k : {0.2f, 1.0f, 50.0f}) {
            SCOPED_TRACE(std::to_string(a) + " " + std::to_string(k));
            Girder g = Uniform({L}, {kFixed, kSpring}, 0.0f, EI);
            g.spring = {0.0f, k};
            g.loads = {{1, false, P, a}};
            const Result r = Analyse(g);
            ExpectStatics(g, r);
            const double free = P * a * a * (3 * L - a) / (6 * EI);
            const double R = free / (L * L * L / (3 * EI) + 1 / (100.0 * k));
            EXPECT_NEAR(r.reaction[1], R, 1e-4);
            EXPECT_NEAR(r.mLeft[0], R * L - P * a, 1e-4);
            EXPECT_NEAR(r.deflection[1], -R / (100.0 * k), 1e-7);
        }
    }
}

// Fixed - hinge - simple, spans 4 and 6, 10 t at 1 m right of the hinge:
// member 2 is a simple beam hanging on the cantilever member 1.
TEST(Girder, HingeCarriesTheSimpleBeamReaction) {
    const float P = 10.0f, EI = 2100.0f;
    Girder g = Uniform({4.0f, 6.0f}, {kFixed, kHinge, kSimple}, 0.0f, EI);
    g.loads = {{2, false, P, 1.0f}};
    const Result r = Analyse(g);
    ExpectStatics(g, r);
    const double V = P * 5.0 / 6.0;
    EXPECT_NEAR(V, 8.333, 5e-4);
    EXPECT_NEAR(r.mLeft[0], -V * 4, 1e-4);
    EXPECT_NEAR(r.mLeft[0], -33.333, 5e-4);
    EXPECT_NEAR(r.reaction[0], V, 1e-4);
    EXPECT_NEAR(r.reaction[2], P - V, 1e-4);
    EXPECT_EQ(r.reaction[1], 0.0f);
    EXPECT_NEAR(r.mRight[0], 0.0, 1e-4);
    EXPECT_NEAR(r.mLeft[1], 0.0, 1e-4);
    EXPECT_NEAR(r.vRight[0], -V, 1e-4);
    EXPECT_NEAR(r.vLeft[1], V, 1e-4);
    // Tip of the cantilever: deflection VL³/3EI, end rotation VL²/2EI (reported
    // on the solver's scale, 10000 x rad).
    const double tip = V * 64 / (3 * EI);
    EXPECT_NEAR(r.deflection[1], -tip, 1e-7);
    EXPECT_NEAR(r.hingeRotation[0], 1e4 * V * 16 / (2 * EI), 1e-2);
    // Node 2 turns with member 2: rigid tilt plus the simple-beam end slope.
    EXPECT_NEAR(r.rotation[1], -tip / 6 + P * 1 * 5 * 11 / (6 * 6 * EI), 1e-7);
}

// Uniform load on the hinged member: still statically determinate.
TEST(Girder, HingeUnderDistributedLoadOnBothMembers) {
    const float w = 2.0f;
    const Girder g = Uniform({4.0f, 6.0f}, {kFixed, kHinge, kSimple}, w);
    const Result r = Analyse(g);
    ExpectStatics(g, r);
    const double V = w * 6 / 2;
    EXPECT_NEAR(r.reaction[0], V + w * 4, 1e-4);
    EXPECT_NEAR(r.mLeft[0], -V * 4 - w * 16 / 2, 1e-4);
    EXPECT_NEAR(r.reaction[2], V, 1e-4);
}

TEST(Girder, NodeLoadsOnHingeSupportAndFreeNodes) {
    // A downward force on the hinge goes to the cantilever; its node keeps no reaction.
    Girder h = Uniform({4.0f, 6.0f}, {kFixed, kHinge, kSimple}, 0.0f);
    h.nodeLoads = {{2, -5.0f, 0.0f}};
    Result r = Analyse(h);
    ExpectStatics(h, r);
    EXPECT_NEAR(r.mLeft[0], -20.0, 1e-4);
    EXPECT_NEAR(r.reaction[0], 5.0, 1e-4);
    EXPECT_NEAR(r.reaction[2], 0.0, 1e-4);

    // A force on a simple support goes straight into its reaction.
    Girder s = Uniform({5.0f, 5.0f}, {kSimple, kSimple, kSimple}, 0.0f);
    s.nodeLoads = {{2, -5.0f, 0.0f}};
    r = Analyse(s);
    ExpectStatics(s, r);
    EXPECT_NEAR(r.reaction[1], 5.0, 1e-4);
    EXPECT_NEAR(r.mRight[0], 0.0, 1e-4);

    // A clockwise couple on the middle support splits equally between two spans.
    s.nodeLoads = {{2, 0.0f, 6.0f}};
    r = Analyse(s);
    ExpectStatics(s, r);
    EXPECT_NEAR(r.mRight[0], 3.0, 1e-4);
    EXPECT_NEAR(r.mLeft[1], 3.0, 1e-4);

    // A force at the tip of a cantilever.
    Girder c = Uniform({4.0f}, {kFixed, kFree}, 0.0f);
    c.nodeLoads = {{2, -3.0f, 0.0f}};
    r = Analyse(c);
    ExpectStatics(c, r);
    EXPECT_NEAR(r.mLeft[0], -12.0, 1e-4);
    EXPECT_NEAR(r.deflection[1], -3.0 * 64 / (3 * 2100), 1e-7);
}

// An applied hinge moment acts once, also when the correcting pass runs.
TEST(Girder, HingeMomentWithFreeOverhang) {
    Girder g = Uniform({4.0f, 6.0f, 2.0f}, {kFixed, kHinge, kSimple, kFree}, 1.5f);
    g.hingeMoment = {2.5f};
    const Result r = Analyse(g);
    ExpectStatics(g, r);
    EXPECT_NEAR(r.mRight[0], 2.5, 1e-4);
    EXPECT_NEAR(r.mRight[2], 0.0, 1e-4);
    EXPECT_NEAR(r.mLeft[2], -1.5 * 2 * 2 / 2, 1e-4);
}

TEST(Girder, HingeListedAtNodeOneReleasesNothing) {
    Girder g = Uniform({6.0f}, {kFixed, kFixed}, 3.0f);
    g.hingeList = {1};
    g.hingeMoment = {0.0f};
    const Result r = Analyse(g);
    EXPECT_NEAR(r.mLeft[0], -9.0, 1e-4);
    EXPECT_NEAR(r.mRight[0], 9.0, 1e-4);
}

TEST(Girder, MemberStiffnessIsScaledInPlace) {
    Girder g = Uniform({5.0f, 4.0f}, {kSimple, kSimple, kSimple}, 1.0f);
    g.ei = {2100.0f, 800.0f};
    const Result r = Analyse(g);
    ExpectStatics(g, r);
    EXPECT_FLOAT_EQ(r.stiffnessAfter[0], 2100.0f / 5.0f / 10000.0f);
    EXPECT_FLOAT_EQ(r.stiffnessAfter[1], 800.0f / 4.0f / 10000.0f);
}

// A hinge named at the last node releases the last member's right end; the
// node's rotation is then touched by no member and stays 0, and the released
// end's rotation is reported in hingeRotation (10000 x rad).
struct TipHingeCase {
    std::string name;
    MemberLoad load;    // on the single member, or value 0 for none
    NodeLoad tipLoad;   // force at the tip
    double reaction;    // closed forms: reaction at the fixed end,
    double moment;      // fixed-end moment,
    double deflection;  // tip deflection (upward, m),
    double rotation;    // tip rotation (clockwise, rad)
};

std::vector<TipHingeCase> TipHingeCases(float L, float EI) {
    const float w = 1.5f, P = 10.0f, a = 2.5f, F = 3.0f;
    const double b = a;
    return {
        {"uniform",
         {1, true, w, 0},
         {2, 0, 0},
         w * L,
         -w * L * L / 2.0,
         -w * std::pow(L, 4) / (8 * EI),
         w * std::pow(L, 3) / (6 * EI)},
        {"point load in the span",
         {1, false, P, a},
         {2, 0, 0},
         P,
         -P * b,
         -P * b * b * (3 * L - b) / (6 * EI),
         P * b * b / (2 * EI)},
        {"force on the hinge",
         {1, true, 0, 0},
         {2, -F, 0},
         F,
         -F * L,
         -F * std::pow(L, 3) / (3 * EI),
         F * L * L / (2 * EI)},
    };
}

TEST(Girder, CantileverWithHingeAtItsTipIsTheFreeCantilever) {
    const float L = 4.0f, EI = 2100.0f;
    for (const TipHingeCase& c : TipHingeCases(L, EI)) {
        SCOPED_TRACE(c.name);
        Girder g = Uniform({L}, {kFixed, kHinge}, 0.0f, EI);
        g.loads = {c.load};
        g.nodeLoads = {c.tipLoad};
        const Result r = Analyse(g);
        ExpectStatics(g, r);
        const double scale = std::fabs(c.moment);
        EXPECT_NEAR(r.mLeft[0], c.moment, 1e-5 * scale);
        EXPECT_NEAR(r.mRight[0], 0.0, 1e-5 * scale);
        EXPECT_NEAR(r.reaction[0], c.reaction, 1e-5 * c.reaction);
        EXPECT_EQ(r.reaction[1], 0.0f);
        EXPECT_NEAR(r.deflection[1], c.deflection, 1e-5 * std::fabs(c.deflection));
        EXPECT_EQ(r.rotation[1], 0.0);  // not turned by any member
        EXPECT_NEAR(r.hingeRotation[0], 1e4 * c.rotation, 1e-4 * 1e4 * c.rotation);

        // The same beam with a free end: equal in everything but where the
        // tip rotation is reported.
        Girder free = g;
        free.support = {kFixed, kFree};
        const Result f = Analyse(free);
        EXPECT_NEAR(f.rotation[1], c.rotation, 1e-5 * c.rotation);
        EXPECT_NEAR(r.mLeft[0], f.mLeft[0], 1e-5 * scale);
        EXPECT_NEAR(r.vLeft[0], f.vLeft[0], 1e-5 * scale);
        EXPECT_NEAR(r.vRight[0], f.vRight[0], 1e-5 * scale);
        EXPECT_NEAR(r.reaction[0], f.reaction[0], 1e-5 * scale);
        EXPECT_NEAR(r.deflection[1], f.deflection[1], 1e-5 * std::fabs(c.deflection));
    }
}

// Fixed - simple - hinge with an overhang of L2 is fixed - simple - free: the
// overhang's moment wL2²/2 acts on the propped span 1 at its simple end.
TEST(Girder, OverhangWithHingeAtItsTipIsTheFreeOverhang) {
    const float L1 = 5.0f, L2 = 2.0f, w = 2.0f, EI = 2100.0f;
    const Girder g = Uniform({L1, L2}, {kFixed, kSimple, kHinge}, w, EI);
    const Result r = Analyse(g);
    ExpectStatics(g, r);
    const double MB = w * L2 * L2 / 2;
    EXPECT_NEAR(r.mRight[0], MB, 1e-4);
    EXPECT_NEAR(r.mLeft[1], -MB, 1e-4);
    EXPECT_NEAR(r.mRight[1], 0.0, 1e-4);
    EXPECT_NEAR(r.mLeft[0], -w * L1 * L1 / 8 + MB / 2, 1e-4);
    const double R1 = w * L1 / 2 - (r.mLeft[0] + MB) / L1;
    EXPECT_NEAR(r.reaction[0], R1, 1e-4);
    EXPECT_NEAR(r.reaction[1], w * (L1 + L2) - R1, 1e-4);
    EXPECT_EQ(r.reaction[2], 0.0f);
    // Rotation at the support of the propped span, then the overhang on it.
    const double thetaB = (-w * std::pow(L1, 3) / 48 + MB * L1 / 4) / EI;
    EXPECT_NEAR(r.rotation[1], thetaB, 1e-4 * std::fabs(thetaB));
    const double tip = -thetaB * L2 - w * std::pow(L2, 4) / (8 * EI);
    EXPECT_NEAR(r.deflection[2], tip, 1e-4 * std::fabs(tip));
    EXPECT_EQ(r.rotation[2], 0.0);
    const double tipRotation = thetaB + w * std::pow(L2, 3) / (6 * EI);
    EXPECT_NEAR(r.hingeRotation[0], 1e4 * tipRotation, 1e-4 * std::fabs(1e4 * tipRotation));

    Girder free = g;
    free.support = {kFixed, kSimple, kFree};
    const Result f = Analyse(free);
    EXPECT_NEAR(f.rotation[2], tipRotation, 1e-4 * std::fabs(tipRotation));
    for (int m = 0; m < 2; ++m) {
        EXPECT_NEAR(r.mLeft[m], f.mLeft[m], 1e-4);
        EXPECT_NEAR(r.mRight[m], f.mRight[m], 1e-4);
        EXPECT_NEAR(r.vLeft[m], f.vLeft[m], 1e-4);
        EXPECT_NEAR(r.vRight[m], f.vRight[m], 1e-4);
    }
    for (int i = 0; i < 3; ++i) {
        EXPECT_NEAR(r.reaction[i], f.reaction[i], 1e-4);
        EXPECT_NEAR(r.deflection[i], f.deflection[i], 1e-4 * std::fabs(tip));
    }
}

// A tip hinge behind a free interior node: the correcting pass runs as well.
TEST(Girder, TwoSpanCantileverWithHingeAtItsTip) {
    const float L = 3.0f, w = 2.0f, EI = 2100.0f, l = 2 * L;
    const Girder g = Uniform({L, L}, {kFixed, kFree, kHinge}, w, EI);
    const Result r = Analyse(g);
    ExpectStatics(g, r);
    EXPECT_NEAR(r.mLeft[0], -w * l * l / 2, 1e-4);
    EXPECT_NEAR(r.mRight[0], w * L * L / 2, 1e-4);
    EXPECT_NEAR(r.deflection[2], -w * std::pow(l, 4) / (8 * EI), 1e-7);
    EXPECT_NEAR(r.hingeRotation[0], 1e4 * w * std::pow(l, 3) / (6 * EI), 1e-2);
    EXPECT_EQ(r.rotation[2], 0.0);
}

// A couple on a tip hinge has nothing to turn: a mechanism, refused before the
// engine is called. The engine still returns finite numbers: the girder
// without the couple, and the couple left standing in the rotation of the
// node (couple / 10000), where a solvable girder has 0.
TEST(Girder, CoupleOnTipHingeIsLeftInTheNodeRotation) {
    const float L = 4.0f, w = 1.5f, C = 6.0f;
    Girder g = Uniform({L}, {kFixed, kHinge}, w);
    const Result without = Analyse(g);
    g.nodeLoads = {{2, 0.0f, C}};
    const Result r = Analyse(g);
    for (double x : r.rotation) EXPECT_TRUE(std::isfinite(x));
    for (double x : r.deflection) EXPECT_TRUE(std::isfinite(x));
    EXPECT_DOUBLE_EQ(r.rotation[1], C / 1e4);
    EXPECT_EQ(r.mLeft, without.mLeft);
    EXPECT_EQ(r.mRight, without.mRight);
    EXPECT_EQ(r.vLeft, without.vLeft);
    EXPECT_EQ(r.vRight, without.vRight);
    EXPECT_EQ(r.reaction, without.reaction);
    EXPECT_EQ(r.deflection, without.deflection);
    EXPECT_EQ(r.hingeRotation, without.hingeRotation);
}

// Ten spans with every kind of support and both load kinds: statics only.
TEST(Girder, TenSpansBalance) {
    Girder g = Uniform({6, 5, 7, 4, 6, 5, 6, 8, 5, 3}, {1, 2, 4, 2, 3, 2, 4, 2, 2, 2, 5}, 1.2f);
    g.spring = {0, 0, 2.0f, 0, 0, 0, 0.5f, 0, 0, 0, 0};
    g.ei = {2100, 1800, 2500, 900, 2100, 2100, 3000, 2600, 1500, 700};
    g.loads.push_back({3, false, 12.0f, 2.0f});
    g.loads.push_back({8, false, 7.0f, 5.5f});
    g.nodeLoads = {{4, -2.0f, 1.0f}, {11, -1.0f, 0.0f}, {5, 0.0f, -3.0f}};
    const Result r = Analyse(g);
    ExpectStatics(g, r);
}

// Counts that do not describe a girder leave every array untouched, the
// largest counts too (their M + 1 and 2N do not fit 32 bits).
TEST(Girder, CountsThatDescribeNoGirderLeaveTheArraysAlone) {
    const int32_t big = std::numeric_limits<int32_t>::max();
    const struct {
        int32_t n, m, d;
    } rows[] = {{3, 1, 6},       {2, 1, 3},           {1, 0, 2},
                {big, big, big}, {big, big - 1, big}, {1073741824, 1073741823, big},
                {-1, -2, -2}};
    for (const auto& row : rows) {
        std::vector<float> f(8, 7.0f);
        std::vector<int32_t> i(8, 1);
        std::vector<double> d(64, 7.0);
        std::vector<float> out(8, 7.0f);
        VF_RenzokuGir(row.n, row.m, row.d, 0, 0, 0, f.data(), f.data(), i.data(), out.data(),
                      f.data(), i.data(), i.data(), f.data(), i.data(), f.data(), f.data(),
                      f.data(), d.data(), out.data(), out.data(), out.data(), d.data(), out.data());
        EXPECT_EQ(out, std::vector<float>(8, 7.0f)) << row.n << " " << row.m << " " << row.d;
        EXPECT_EQ(d, std::vector<double>(64, 7.0));
    }
}

}  // namespace
}  // namespace kmr::test
