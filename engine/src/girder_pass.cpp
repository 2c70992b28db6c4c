// One pass of the girder analysis by the slope-deflection method.
//
// Unknowns are scaled: the member stiffness arrives divided by 10000, so the
// solved rotations and deflections are 10000 times radians and metres. A
// spring constant (force per cm) therefore enters the deflection diagonal as
// constant / 100: a force k[t/cm] * 100 * v[m] equals (k / 100) * (10000 v).
//
// Member loads enter the deflection unknowns with their fixed-end shears (the
// simple-beam shears corrected by the fixed-end couple), and every member's end
// forces are recovered from statics: simple-beam shears corrected by the final
// end moments.
#include "girder_pass.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "array_view.h"
#include "codes.h"

namespace kmr::engine {
namespace {

bool ValidNode(const GirderArrays& g, int i) {
    return i >= 1 && i <= g.nodes;
}

// The first hinge entry releasing the right end of member m, 0 when rigid.
int HingeEntry(const GirderArrays& g, int m) {
    const Vec1<const int32_t> hingeNode{g.hingeNode};
    for (int h = 1; h <= g.hinges; ++h) {
        if (hingeNode(h) == m + 1) return h;
    }
    return 0;
}

void AddRigidMember(const Mat1<double>& K, int a, int b, int u, int w, double k, double L) {
    const int dof[4] = {a, b, u, w};
    const double r = 6.0 * k / L, t = 12.0 * k / (L * L);
    const double km[4][4] = {
        {4.0 * k, 2.0 * k, -r, r}, {2.0 * k, 4.0 * k, -r, r}, {-r, -r, t, -t}, {r, r, -t, t}};
    for (int i = 0; i < 4; ++i) {
        for (int j = 0; j < 4; ++j) K(dof[i], dof[j]) += km[i][j];
    }
}

// Member released at its right end: rotation b is condensed out.
void AddReleasedMember(const Mat1<double>& K, int a, int u, int w, double k, double L) {
    const int dof[3] = {a, u, w};
    const double r = 3.0 * k / L, t = 3.0 * k / (L * L);
    const double km[3][3] = {{3.0 * k, -r, r}, {-r, t, -t}, {r, -t, t}};
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j) K(dof[i], dof[j]) += km[i][j];
    }
}

void AssembleStiffness(const GirderArrays& g) {
    const int N = g.nodes;
    const Mat1<double> K{g.matrix, g.dofs};
    std::fill(g.matrix, g.matrix + static_cast<std::size_t>(g.dofs) * g.dofs, 0.0);
    const Vec1<const float> length{g.memberLength}, stiffness{g.memberStiffness};
    for (int m = 1; m <= g.members; ++m) {
        const double k = stiffness(m), L = length(m);
        if (HingeEntry(g, m) == 0) {
            AddRigidMember(K, m, m + 1, N + m, N + m + 1, k, L);
        } else {
            AddReleasedMember(K, m, N + m, N + m + 1, k, L);
        }
    }
    const Vec1<const int32_t> springNode{g.springNode};
    const Vec1<const float> springConstant{g.springConstant};
    for (int s = 1; s <= g.springs; ++s) {
        const int i = springNode(s);
        if (ValidNode(g, i)) K(N + i, N + i) += static_cast<double>(springConstant(s)) / 100.0;
    }
    const double penalty = IntPow(10.0, 25);
    const Vec1<const int32_t> code{g.supportCode};
    for (int i = 1; i <= N; ++i) {
        if (code(i) == kFixed) K(i, i) = penalty;
        if (code(i) == kFixed || code(i) == kSimple) K(N + i, N + i) = penalty;
    }
}

void AssembleLoads(const GirderArrays& g) {
    const int N = g.nodes;
    const Vec1<double> F{g.displacement};
    const Mat1<const float> endMoment{g.endMoment, g.members}, endShear{g.endShear, g.members};
    const Vec1<const float> length{g.memberLength}, hingeMoment{g.hingeMoment};
    for (int m = 1; m <= g.members; ++m) {
        const double L = length(m);
        const double C1 = endMoment(m, 1), C2 = endMoment(m, 2);  // -C_L, C_R
        const double Q1 = endShear(m, 1), Q2 = endShear(m, 2);    // upward simple forces
        const int a = m, b = m + 1, u = N + m, w = N + m + 1;
        const int h = HingeEntry(g, m);
        if (h == 0) {
            const double T = (C1 - C2) / L;  // -(C_L + C_R) / L
            F(a) += C1;
            F(b) += -C2;
            F(u) += -(Q1 + T);
            F(w) += -(Q2 - T);
        } else {
            // Propped member: left fixed-end moment C_L + (H0 - C_R) / 2, right end H0.
            const double H0 = hingeMoment(h);
            const double left = -C1 + 0.5 * (H0 - C2);
            const double couple = (left + H0) / L;
            F(a) += C1 + 0.5 * C2 - 0.5 * H0;
            F(u) += -(Q1 - couple);
            F(w) += -(Q2 + couple);
        }
    }
    const Vec1<const int32_t> loadNode{g.loadNode};
    const Vec1<const float> loadForce{g.loadForce}, loadMoment{g.loadMoment};
    for (int j = 1; j <= g.nodeLoads; ++j) {
        const int i = loadNode(j);
        if (!ValidNode(g, i)) continue;
        F(i) += loadMoment(j);
        F(N + i) += loadForce(j);
    }
}

void MemberEndForces(const GirderArrays& g) {
    const int N = g.nodes;
    const Vec1<const double> X{g.displacement};
    const Mat1<float> endMoment{g.endMoment, g.members}, endShear{g.endShear, g.members};
    const Vec1<const float> length{g.memberLength}, stiffness{g.memberStiffness};
    const Vec1<const float> hingeMoment{g.hingeMoment};
    const Vec1<float> hingeRotation{g.hingeRotation};
    for (int m = 1; m <= g.members; ++m) {
        const double k = stiffness(m), L = length(m);
        const double ta = X(m), tb = X(m + 1), va = X(N + m), vb = X(N + m + 1);
        const int h = HingeEntry(g, m);
        double tr = tb;  // rotation of the right member end
        if (h != 0) {
            float H = static_cast<float>(1.5 * (va - vb) / L - 0.5 * ta);
            H = static_cast<float>(H + (hingeMoment(h) - endMoment(m, 2)) / (4.0 * k));
            hingeRotation(h) = H;
            tr = H;
        }
        const float T1 = static_cast<float>(2.0 * k * (ta + tr));
        const float T2 = static_cast<float>(6.0 * k * (vb - va) / L);
        const float E1 = static_cast<float>(2.0 * k * ta + T1 + T2 - endMoment(m, 1));
        const float E2 = static_cast<float>(2.0 * k * tr + T1 + T2 + endMoment(m, 2));
        endMoment(m, 1) = E1;
        endMoment(m, 2) = E2;
        const double couple = (static_cast<double>(E1) + E2) / L;
        endShear(m, 1) = static_cast<float>(endShear(m, 1) - couple);
        endShear(m, 2) = static_cast<float>(endShear(m, 2) + couple);
    }
}

void SupportReactions(const GirderArrays& g) {
    const int N = g.nodes, M = g.members;
    const Mat1<const float> endShear{g.endShear, M};
    const Vec1<const int32_t> code{g.supportCode};
    const Vec1<float> reaction{g.reaction};
    for (int i = 1; i <= N; ++i) {
        float r = 0.0f;
        if (i > 1 && i - 1 <= M) r = endShear(i - 1, 2);
        if (i <= M) r = (i > 1) ? r + endShear(i, 1) : endShear(i, 1);
        reaction(i) = (code(i) == kHinge || code(i) == kFree) ? 0.0f : r;
    }
    const Vec1<const int32_t> loadNode{g.loadNode};
    const Vec1<const float> loadForce{g.loadForce};
    for (int j = 1; j <= g.nodeLoads; ++j) {
        const int i = loadNode(j);
        if (!ValidNode(g, i)) continue;
        const bool supported = code(i) == kSpring || code(i) == kFixed || code(i) == kSimple;
        if (supported && std::fabs(loadForce(j)) > 1.0e-6f) reaction(i) -= loadForce(j);
    }
    const Vec1<double> X{g.displacement};
    const Vec1<const float> springConstant{g.springConstant};
    int s = 0;
    for (int i = 1; i <= N; ++i) {
        X(i) = X(i) / 10000.0;
        const bool spring = code(i) == kSpring && ++s <= g.springs && springConstant(s) != 0.0f;
        if (spring) {
            X(N + i) = -(static_cast<double>(reaction(i)) / springConstant(s)) / 100.0;
        } else {
            X(N + i) = X(N + i) / 10000.0;
        }
    }
}

// An unknown whose row and column of the assembled matrix are all zero is
// coupled to nothing: no member, spring or support touches it (the rotation
// of the last node when a hinge there releases the last member). It takes no
// part in the elimination: it is never a pivot row, its column is not
// searched, and its equation 0 = F is left as it stands, so it comes out as
// its own load: 0 when nothing acts on it. A load on it has nothing to act on
// (a mechanism); it is then returned unchanged as the value of the unknown,
// finite, and the rest of the system is solved as if it were absent.
std::vector<char> UncoupledUnknowns(const Mat1<double>& K, int n) {
    std::vector<char> empty(n + 1, 0);
    for (int i = 1; i <= n; ++i) {
        bool zero = K(i, i) == 0.0;  // decides at once for every stiff unknown
        for (int j = 1; j <= n && zero; ++j) zero = K(i, j) == 0.0 && K(j, i) == 0.0;
        empty[i] = zero;
    }
    return empty;
}

// Pivot row for column c: the largest magnitude, ties to the later row.
int PivotRow(const Mat1<double>& K, int c, int n, double tol, const std::vector<char>& empty) {
    int p = c;
    double best = std::fabs(K(c, c));
    for (int r = c + 1; r <= n; ++r) {
        if (!empty[r] && best - std::fabs(K(r, c)) <= tol) {
            p = r;
            best = std::fabs(K(r, c));
        }
    }
    return p;
}

}  // namespace

void SolveLinear(double* f, double* k, int n) {
    const Vec1<double> F{f};
    const Mat1<double> K{k, n};
    const double tol = IntPow(10.0, -99);
    const std::vector<char> empty = UncoupledUnknowns(K, n);
    std::vector<int> active(n > 0 ? n : 0);
    for (int c = 1; c <= n - 1; ++c) {
        if (empty[c]) continue;
        const int p = PivotRow(K, c, n, tol, empty);
        if (p != c) {
            for (int j = c; j <= n; ++j) std::swap(K(p, j), K(c, j));
            std::swap(F(p), F(c));
        }
        const double pivot = K(c, c);
        if (std::fabs(pivot) > tol) {
            for (int j = c + 1; j <= n; ++j) K(c, j) /= pivot;
            F(c) /= pivot;
        }
        // Rows whose multiplier is exactly zero would be left unchanged by the
        // update; the girder matrix is banded, so most rows are skipped.
        int rows = 0;
        for (int i = c + 1; i <= n; ++i) {
            if (K(i, c) != 0.0) active[rows++] = i;
        }
        for (int j = c + 1; j <= n; ++j) {
            const double kcj = K(c, j);
            for (int r = 0; r < rows; ++r) K(active[r], j) -= K(active[r], c) * kcj;
        }
        for (int r = 0; r < rows; ++r) F(active[r]) -= K(active[r], c) * F(c);
    }
    if (n >= 1 && std::fabs(K(n, n)) > tol) F(n) /= K(n, n);
    for (int c = n - 1; c >= 1; --c) {
        for (int j = n; j >= c + 1; --j) F(c) -= K(c, j) * F(j);
    }
}

void GirderPass(const GirderArrays& g) {
    std::fill(g.displacement, g.displacement + g.dofs, 0.0);
    std::fill(g.reaction, g.reaction + g.nodes, 0.0f);
    AssembleStiffness(g);
    AssembleLoads(g);
    SolveLinear(g.displacement, g.matrix, g.dofs);
    MemberEndForces(g);
    SupportReactions(g);
}

}  // namespace kmr::engine
