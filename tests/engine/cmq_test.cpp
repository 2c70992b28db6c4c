// VF_CMQGIR against integration of the load: reactions, fixed-end moments from
// the influence lines of fixed and propped beams, the simple-beam moment, and
// the deflection from the simple beam's influence function (Maxwell).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "kmrengine.h"

namespace {

struct Segment {  // linearly varying intensity p0 at x0 to p1 at x1, downward
    double x0, x1, p0, p1;
};
struct Point {
    double x, P;
};

struct Load {
    std::vector<Segment> segments;
    std::vector<Point> points;

    // ∫ p(ξ) f(ξ) dξ over [lo, hi] (clipped to each segment) plus Σ P f(x).
    double Integrate(const std::function<double(double)>& f, double lo = -1e30,
                     double hi = 1e30) const {
        static const double gx[5] = {-0.9061798459386640, -0.5384693101056831, 0.0,
                                     0.5384693101056831, 0.9061798459386640};
        static const double gw[5] = {0.2369268850561891, 0.4786286704993665, 0.5688888888888889,
                                     0.4786286704993665, 0.2369268850561891};
        double sum = 0.0;
        for (const Segment& s : segments) {
            const double a = std::max(s.x0, lo), b = std::min(s.x1, hi);
            if (b <= a) continue;
            for (int i = 0; i < 5; ++i) {
                const double x = 0.5 * (a + b) + 0.5 * (b - a) * gx[i];
                const double p = s.p0 + (s.p1 - s.p0) * (x - s.x0) / (s.x1 - s.x0);
                sum += 0.5 * (b - a) * gw[i] * p * f(x);
            }
        }
        for (const Point& p : points) {
            if (p.x >= lo && p.x <= hi) sum += p.P * f(p.x);
        }
        return sum;
    }
};

struct Expected {
    double cLeft, cRight, qLeft, qRight, m0, deflectionEI;
};

Expected Integrated(const Load& load, double L, int endCondition, double x) {
    Expected e{};
    const double right = load.Integrate([&](double s) { return s / L; });
    const double total = load.Integrate([](double) { return 1.0; });
    e.qLeft = total - right;
    e.qRight = -right;
    switch (endCondition) {
        case 0:
            e.cLeft = -load.Integrate([&](double s) { return s * (L - s) * (L - s) / (L * L); });
            e.cRight = load.Integrate([&](double s) { return s * s * (L - s) / (L * L); });
            break;
        case 1:  // left fixed, right pinned
            e.cLeft =
                -load.Integrate([&](double s) { return s * (L - s) * (2 * L - s) / (2 * L * L); });
            break;
        case 2:  // left pinned, right fixed
            e.cRight =
                load.Integrate([&](double s) { return s * (L - s) * (L + s) / (2 * L * L); });
            break;
    }
    e.m0 = e.qLeft * x - load.Integrate([&](double s) { return x - s; }, -1e30, x);
    // Deflection at x of a simple beam under a unit load at s.
    auto leftOfLoad = [&](double s) {
        const double b = L - s;
        return b * x * (L * L - b * b - x * x) / (6 * L);
    };
    auto rightOfLoad = [&](double s) {
        const double b = L - x;
        return s * b * (L * L - s * s - b * b) / (6 * L);
    };
    e.deflectionEI = load.Integrate(rightOfLoad, -1e30, x) + load.Integrate(leftOfLoad, x, 1e30);
    // A point exactly at x is counted on both sides; the two formulas agree there.
    for (const Point& p : load.points) {
        if (p.x == x) e.deflectionEI -= p.P * leftOfLoad(p.x);
    }
    return e;
}

struct Call {
    int loadType;
    float start, length, rise, flat, value, startFactor, endFactor;
};

struct Case {
    std::string name;
    float L;
    Call call;
    Load load;
};

std::vector<Case> Cases() {
    const float L = 6.0f;
    return {
        {"concentrated", L, {1, 2.0f, 0, 0, 0, 10.0f, 0, 0}, {{}, {{2.0, 10.0}}}},
        {"concentrated at mid-span", L, {1, 3.0f, 0, 0, 0, 8.0f, 0, 0}, {{}, {{3.0, 8.0}}}},
        {"uniform over the span", L, {3, 0, L, 0, L, 3.0f, 1, 1}, {{{0, 6, 3, 3}}, {}}},
        {"partial uniform", L, {3, 1.0f, 3.0f, 0, 3.0f, 2.0f, 1, 1}, {{{1, 4, 2, 2}}, {}}},
        {"rising triangle over the span", L, {5, 0, L, L, 0, 4.0f, 1, 0}, {{{0, 6, 0, 4}}, {}}},
        {"falling triangle over the span", L, {5, 0, L, 0, 0, 4.0f, 0, 1}, {{{0, 6, 4, 0}}, {}}},
        {"partial rising", L, {2, 1.5f, 3, 3, 0, 2.0f, 1.5f, 0}, {{{1.5, 4.5, 0, 3}}, {}}},
        {"partial falling", L, {2, 0.5f, 2.5f, 0, 0, 2.0f, 0, 1.2f}, {{{0.5, 3, 2.4, 0}}, {}}},
        {"triangle", L, {5, 1, 4, 2, 0, 3.0f, 1, 1}, {{{1, 3, 0, 3}, {3, 5, 3, 0}}, {}}},
        {"trapezoid",
         L,
         {4, 0.5f, 4.5f, 1, 2, 2.0f, 1, 1},
         {{{0.5, 1.5, 0, 2}, {1.5, 3.5, 2, 2}, {3.5, 5, 2, 0}}, {}}},
        {"trapezoid rising over its middle",
         L,
         {4, 0, 5, 1, 3, 2.0f, 1, 2},
         {{{0, 1, 0, 2}, {1, 4, 2, 4}, {4, 5, 4, 0}}, {}}},
        {"middle part falling", L, {4, 1, 4, 0, 4, 3.0f, 2, 0.5f}, {{{1, 5, 6, 1.5}}, {}}},
        {"common distributed load",
         L,
         {4, 0, L, 0, L, 1.5f, 2.5f, 2.5f},
         {{{0, 6, 3.75, 3.75}}, {}}},
    };
}

Expected Call_VF_CMQGIR(const Call& c, int endCondition, float L, float x, float* extra) {
    float out[7];
    std::fill(out, out + 7, 999.0f);  // every output is rewritten
    VF_CMQGIR(endCondition, L, c.start, c.length, c.rise, c.flat, c.value, c.startFactor,
              c.endFactor, c.loadType, 0.0f, x, &out[0], &out[1], &out[2], &out[3], &out[4],
              &out[5], &out[6]);
    *extra = out[6];
    return {out[0], out[1], out[3], out[4], out[2], out[5]};
}

TEST(Cmq, EveryLoadShapeMatchesIntegrationOfTheLoad) {
    for (const Case& c : Cases()) {
        const double W = c.load.Integrate([](double) { return 1.0; });
        const double tolM = 2e-5 * W * c.L, tolY = 2e-5 * W * c.L * c.L * c.L;
        for (int cond : {0, 1, 2}) {
            for (float x : {0.25f * c.L, 0.5f * c.L, c.call.start, 0.8f * c.L}) {
                SCOPED_TRACE(c.name + ", condition " + std::to_string(cond) +
                             ", x = " + std::to_string(x));
                float extra = 0.0f;
                const Expected got = Call_VF_CMQGIR(c.call, cond, c.L, x, &extra);
                const Expected want = Integrated(c.load, c.L, cond, x);
                EXPECT_NEAR(got.cLeft, want.cLeft, tolM);
                EXPECT_NEAR(got.cRight, want.cRight, tolM);
                EXPECT_NEAR(got.qLeft, want.qLeft, 2e-5 * W);
                EXPECT_NEAR(got.qRight, want.qRight, 2e-5 * W);
                EXPECT_NEAR(got.m0, want.m0, tolM);
                EXPECT_NEAR(got.deflectionEI, want.deflectionEI, tolY);
                EXPECT_EQ(extra, static_cast<float>(got.m0));
            }
        }
    }
}

// The handbook values for the common cases, written out.
TEST(Cmq, HandbookValues) {
    const float L = 6.0f, w = 3.0f, P = 8.0f;
    float extra;
    Expected u = Call_VF_CMQGIR({3, 0, L, 0, L, w, 1, 1}, 0, L, L / 2, &extra);
    EXPECT_NEAR(u.cLeft, -w * L * L / 12, 1e-4);
    EXPECT_NEAR(u.cRight, w * L * L / 12, 1e-4);
    EXPECT_NEAR(u.qLeft, w * L / 2, 1e-5);
    EXPECT_NEAR(u.qRight, -w * L / 2, 1e-5);
    EXPECT_NEAR(u.m0, w * L * L / 8, 1e-4);
    EXPECT_NEAR(u.deflectionEI, 5 * w * L * L * L * L / 384, 1e-3);
    u = Call_VF_CMQGIR({3, 0, L, 0, L, w, 1, 1}, 1, L, L / 2, &extra);
    EXPECT_NEAR(u.cLeft, -w * L * L / 8, 1e-4);
    EXPECT_EQ(u.cRight, 0.0f);
    u = Call_VF_CMQGIR({3, 0, L, 0, L, w, 1, 1}, 2, L, L / 2, &extra);
    EXPECT_EQ(u.cLeft, 0.0f);
    EXPECT_NEAR(u.cRight, w * L * L / 8, 1e-4);
    const Expected p = Call_VF_CMQGIR({1, L / 2, 0, 0, 0, P, 0, 0}, 0, L, L / 2, &extra);
    EXPECT_NEAR(p.cLeft, -P * L / 8, 1e-4);
    EXPECT_NEAR(p.cRight, P * L / 8, 1e-4);
    EXPECT_NEAR(p.m0, P * L / 4, 1e-4);
    EXPECT_NEAR(p.deflectionEI, P * L * L * L / 48, 1e-3);
    const Expected t = Call_VF_CMQGIR({5, 0, L, L, 0, w, 1, 0}, 0, L, L / 2, &extra);
    EXPECT_NEAR(t.cLeft, -w * L * L / 30, 1e-4);
    EXPECT_NEAR(t.cRight, w * L * L / 20, 1e-4);
}

TEST(Cmq, PartsShorterThanTheToleranceContributeNothing) {
    float extra;
    // A rise of 5e-7 under a huge factor would carry a load of 0.25 if counted.
    const Expected e = Call_VF_CMQGIR({5, 1, 5e-7f, 5e-7f, 0, 1.0f, 1e6f, 0}, 0, 6, 3, &extra);
    EXPECT_EQ(e.cLeft, 0.0f);
    EXPECT_EQ(e.cRight, 0.0f);
    EXPECT_EQ(e.qLeft, 0.0f);
    EXPECT_EQ(e.m0, 0.0f);
    EXPECT_EQ(e.deflectionEI, 0.0f);
}

TEST(Cmq, UnknownEndConditionGivesNoFixedEndMoments) {
    float extra;
    const Expected e = Call_VF_CMQGIR({3, 0, 6, 0, 6, 3, 1, 1}, 7, 6, 3, &extra);
    EXPECT_EQ(e.cLeft, 0.0f);
    EXPECT_EQ(e.cRight, 0.0f);
    EXPECT_NEAR(e.qLeft, 9.0, 1e-5);
}

}  // namespace
