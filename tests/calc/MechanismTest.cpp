#include "calc/Mechanism.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "calc/Validation.h"
#include "tests/support/BeamBuilder.h"

namespace kmr {
namespace {

using namespace kmr::test;
using Matrix = std::vector<std::vector<double>>;

// Second method: the stiffness matrix of the unloaded beam (every member
// EI = 1, every spring 1), the held degrees of freedom struck out. The beam is
// a mechanism when that matrix is singular; a rotation that no member
// touches is struck out too unless a moment acts on it.
Matrix AssembleStiffness(const BeamModel& m) {
    const int n = m.Header.SpanCount, nodes = n + 1;
    Matrix k(2 * nodes, std::vector<double>(2 * nodes, 0.0));
    for (int e = 1; e <= n; ++e) {
        const double l = m.Members[e].SpanLength, s = 1.0 / l;
        const int a = e - 1, b = e, u = nodes + e - 1, w = nodes + e;
        const bool released = m.Supports[e + 1].Condition == H;
        const double full[4][4] = {{4 * s, 2 * s, -6 * s / l, 6 * s / l},
                                   {2 * s, 4 * s, -6 * s / l, 6 * s / l},
                                   {-6 * s / l, -6 * s / l, 12 * s / l / l, -12 * s / l / l},
                                   {6 * s / l, 6 * s / l, -12 * s / l / l, 12 * s / l / l}};
        const double cond[4][4] = {{3 * s, 0, -3 * s / l, 3 * s / l},
                                   {0, 0, 0, 0},
                                   {-3 * s / l, 0, 3 * s / l / l, -3 * s / l / l},
                                   {3 * s / l, 0, -3 * s / l / l, 3 * s / l / l}};
        const int dof[4] = {a, b, u, w};
        for (int i = 0; i < 4; ++i)
            for (int j = 0; j < 4; ++j) k[dof[i]][dof[j]] += released ? cond[i][j] : full[i][j];
    }
    std::vector<bool> keep(2 * nodes, true);
    for (int i = 0; i < nodes; ++i) {
        const int c = m.Supports[i + 1].Condition;
        if (c == F) keep[i] = false;
        if (c == F || c == S) keep[nodes + i] = false;
        if (c == K) k[nodes + i][nodes + i] += 1.0;
        const bool moment = m.Supports[i + 1].NodeLoads[0].LoadType == kNodeMoment;
        if (k[i][i] == 0.0 && !moment) keep[i] = false;
    }
    Matrix r;
    for (int i = 0; i < 2 * nodes; ++i) {
        if (!keep[i]) continue;
        r.emplace_back();
        for (int j = 0; j < 2 * nodes; ++j)
            if (keep[j]) r.back().push_back(k[i][j]);
    }
    return r;
}

// Eigenvalues of a symmetric matrix by cyclic Jacobi rotations.
std::vector<double> Eigenvalues(Matrix a) {
    const std::size_t n = a.size();
    for (int sweep = 0; sweep < 100; ++sweep) {
        double off = 0;
        for (std::size_t p = 0; p < n; ++p)
            for (std::size_t q = p + 1; q < n; ++q) off += a[p][q] * a[p][q];
        if (off < 1e-30) break;
        for (std::size_t p = 0; p < n; ++p) {
            for (std::size_t q = p + 1; q < n; ++q) {
                if (std::fabs(a[p][q]) < 1e-300) continue;
                const double theta = (a[q][q] - a[p][p]) / (2 * a[p][q]);
                const double t =
                    (theta >= 0 ? 1 : -1) / (std::fabs(theta) + std::sqrt(theta * theta + 1));
                const double c = 1 / std::sqrt(t * t + 1), s = t * c;
                for (std::size_t k = 0; k < n; ++k) {
                    const double akp = a[k][p], akq = a[k][q];
                    a[k][p] = c * akp - s * akq;
                    a[k][q] = s * akp + c * akq;
                }
                for (std::size_t k = 0; k < n; ++k) {
                    const double apk = a[p][k], aqk = a[q][k];
                    a[p][k] = c * apk - s * aqk;
                    a[q][k] = s * apk + c * aqk;
                }
            }
        }
    }
    std::vector<double> ev(n);
    for (std::size_t i = 0; i < n; ++i) ev[i] = a[i][i];
    return ev;
}

bool StiffnessIsSingular(const BeamModel& m) {
    const Matrix k = AssembleStiffness(m);
    if (k.empty()) return false;
    const std::vector<double> ev = Eigenvalues(k);
    const auto [lo, hi] = std::minmax_element(ev.begin(), ev.end());
    return *lo < 1e-9 * *hi;
}

// Every arrangement of the five conditions on 1 to 4 spans of unequal length,
// with and without a node moment on the last node.
TEST(Mechanism, AgreesWithTheAssembledStiffnessForEveryArrangement) {
    int mechanisms = 0, countPassed = 0;
    for (int n = 1; n <= 4; ++n) {
        int total = 1;
        for (int i = 0; i <= n; ++i) total *= 5;
        for (int code = 0; code < total; ++code) {
            std::vector<int> supports;
            for (int i = 0, c = code; i <= n; ++i, c /= 5) supports.push_back(c % 5);
            std::vector<double> spans;
            for (int i = 0; i < n; ++i) spans.push_back(3.0 + 1.3 * i);
            for (bool moment : {false, true}) {
                BeamModel m = MakeBeam(spans, supports);
                if (moment) SetNodeLoad(m, n + 1, 1, kNodeMoment, 2.0);
                const bool singular = StiffnessIsSingular(m);
                ASSERT_EQ(IsMechanism(m), singular)
                    << n << " spans, arrangement " << code << (moment ? " with moment" : "");
                if (!FailsStabilityCount(m)) {
                    ++countPassed;
                    mechanisms += singular;
                }
            }
        }
    }
    // The count alone lets a good share of mechanisms through.
    EXPECT_GT(mechanisms, 100);
    EXPECT_GT(countPassed, mechanisms);
}

struct Arrangement {
    std::vector<int> supports;
    bool nodeMoment;  // a node moment on the last node
    bool refused;
};

TEST(Mechanism, CalculationModeRefusesMechanismsTheCountPasses) {
    const Arrangement rows[] = {
        {{S, H, S}, false, true},      // two simple spans joined by a hinge
        {{F, S, H, R}, false, true},   // a free link hanging from an overhang
        {{S, H, K}, false, true},      // a spring does not close the mechanism
        {{R, S, H, S}, false, true},   // overhang on the left, hinge on the right
        {{F, H}, false, false},        // hinge at the tip of a cantilever
        {{F, H}, true, true},          // ... with a moment on that hinge
        {{F, S, H}, false, false},     // propped overhang with a hinge at its tip
        {{F, S, H, S}, false, false},  // Gerber beam
        {{S, S, H, S}, false, false},  // suspended span on a two-span beam
        {{F, H, S}, false, false},     // cantilever carrying a suspended span
        {{F, R, S}, false, false},     // propped cantilever with a free node
        {{K, K, K}, false, false},     // on springs only
        {{S, H, H, F}, false, true},   // two links in line between held points
        {{F, H, H, F}, false, false},  // a link between two cantilevers
        {{S, S, S}, true, false},      // moments on held nodes are harmless
        // Conditions outside the table hold nothing, like a free node.
        {{F, 6, S}, false, false},
        {{S, std::numeric_limits<int>::max(), H, S}, false, true},
    };
    for (const Arrangement& row : rows) {
        const int n = int(row.supports.size()) - 1;
        BeamModel m = MakeBeam(std::vector<double>(n, 5.0), row.supports);
        if (row.nodeMoment) SetNodeLoad(m, n + 1, 2, kNodeMoment, 1.0);
        for (int s = 1; s <= n + 1; ++s) m.Supports[s].SpringConstant = 10.0;
        ASSERT_FALSE(FailsStabilityCount(m))
            << "arrangement of " << n << " spans, " << row.supports[0] << row.supports[1]
            << row.supports[n];
        const ValidationResult r = ValidateModel(m, kValidateCalculation);
        EXPECT_EQ(r.code, row.refused ? kUnstable : 0) << "arrangement of " << n << " spans";
        if (row.refused) {
            EXPECT_EQ(test::MessageText(r), "支持設定に誤りがあります。 (不安定)");
        }
        // Only the calculation runs the check.
        EXPECT_EQ(ValidateModel(m, kValidateLoadDiagram).code, 0);
    }
}

TEST(Mechanism, RunsOnlyWhenEverythingElsePassed) {
    BeamModel m = MakeBeam({5, 5}, {S, H, S});
    m.Members[2].Io = 0.0;
    EXPECT_EQ(ValidateModel(m, kValidateCalculation).code, kNoIo);
}

}  // namespace
}  // namespace kmr
