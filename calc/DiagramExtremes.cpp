// Extremes of the member diagrams from the stationary points of their
// polynomials, and the points of a diagram table.
#include <algorithm>
#include <cmath>

#include "calc/BeamDiagram.h"
#include "calc/Polynomial.h"

namespace kmr {
namespace {

// Values closer than this share of the member's largest value are a tie
// (the single-precision analysis leaves symmetric results a few units of
// 1e-7 apart).
constexpr double kTie = 1e-5;

double Eval(const double* c, int n, double t) {
    double r = c[n];
    for (int i = n - 1; i >= 0; --i) r = r * t + c[i];
    return r;
}

double Slope(const double* c, int n, double t) {
    double r = n * c[n];
    for (int i = n - 1; i >= 1; --i) r = r * t + i * c[i];
    return r;
}

// The root of c (degree n) in (lo, hi) where it changes sign (c(lo) = flo):
// Newton steps kept inside the shrinking bracket, bisection otherwise.
double BracketedRoot(const double* c, int n, double lo, double hi, double flo) {
    const double tol = 1e-15 * (hi - lo + std::fabs(hi));
    double x = 0.5 * (lo + hi);
    for (int i = 0; i < 200; ++i) {
        const double f = Eval(c, n, x);
        if (f == 0) return x;
        if ((f < 0) == (flo < 0)) {
            lo = x;
            flo = f;
        } else {
            hi = x;
        }
        const double df = Slope(c, n, x);
        double next = df != 0 ? x - f / df : lo;
        if (!(next > lo && next < hi)) next = 0.5 * (lo + hi);
        if (std::fabs(next - x) <= tol || hi - lo <= tol) return next;
        x = next;
    }
    return x;
}

// The roots of c (degree n <= 5) strictly inside (0, h), ascending: between
// the roots of the derivative the polynomial is monotone, so each stretch
// holds at most one root, found where the sign changes.
int RootsInside(const double* c, int n, double h, double* roots) {
    while (n > 0 && c[n] == 0) --n;
    if (n == 0) return 0;
    if (n == 1) {
        const double t = -c[0] / c[1];
        if (!(t > 0 && t < h)) return 0;
        roots[0] = t;
        return 1;
    }
    double d[5] = {};
    for (int i = 1; i <= n; ++i) d[i - 1] = i * c[i];
    double turns[5] = {};
    const int nt = RootsInside(d, n - 1, h, turns);
    int count = 0;
    double lo = 0, flo = Eval(c, n, 0);
    for (int k = 0; k <= nt; ++k) {
        const double hi = k < nt ? turns[k] : h;
        const double fhi = Eval(c, n, hi);
        if ((flo < 0 && fhi > 0) || (flo > 0 && fhi < 0)) {
            roots[count++] = BracketedRoot(c, n, lo, hi, flo);
        } else if (fhi == 0 && k < nt) {
            roots[count++] = hi;
        }
        lo = hi;
        flo = fhi;
    }
    return count;
}

struct Candidate {
    double x = 0, v = 0;
};

// The candidates of one function over all pieces in ascending x: each
// piece's two ends and the roots of its derivative between them.
template <std::size_t N, typename Get>
void Collect(const std::vector<DiagramPiece>& pieces, Get get, std::vector<Candidate>& out) {
    out.clear();
    for (const DiagramPiece& p : pieces) {
        const std::array<double, N>& c = get(p);
        const double h = p.X1 - p.X0;
        double d[N] = {};
        for (std::size_t i = 1; i < N; ++i) d[i - 1] = double(i) * c[i];
        double t[N] = {};
        const int nt = RootsInside(d, int(N) - 2, h, t);
        out.push_back({p.X0, c[0]});
        for (int i = 0; i < nt; ++i) out.push_back({p.X0 + t[i], Eval(c.data(), N - 1, t[i])});
        out.push_back({p.X1, Eval(c.data(), N - 1, h)});
    }
}

// The leftmost candidate whose key is largest, ties within kTie of the
// largest magnitude.
template <typename Key>
Candidate Pick(const std::vector<Candidate>& c, Key key) {
    double scale = 0;
    for (const Candidate& k : c) scale = std::max(scale, std::fabs(k.v));
    const double tol = kTie * scale;
    Candidate best = c.front();
    for (const Candidate& k : c) {
        if (key(k.v) > key(best.v) + tol) best = k;
    }
    return best;
}

}  // namespace

double PolynomialValue(const double* c, int n, double t) {
    return Eval(c, n, t);
}

int PolynomialRootsInside(const double* c, int n, double h, double* roots) {
    return RootsInside(c, n, h, roots);
}

MemberExtremes MemberDiagram::Extremes() const {
    MemberExtremes e;
    if (pieces_.empty()) return e;
    std::vector<Candidate> c;
    c.reserve(8 * pieces_.size());
    Collect<4>(
        pieces_, [](const DiagramPiece& p) -> const auto& { return p.M; }, c);
    const Candidate mMax = Pick(c, [](double v) { return v; });
    const Candidate mMin = Pick(c, [](double v) { return -v; });
    Collect<3>(
        pieces_, [](const DiagramPiece& p) -> const auto& { return p.Q; }, c);
    const Candidate q = Pick(c, [](double v) { return std::fabs(v); });
    Collect<6>(
        pieces_, [](const DiagramPiece& p) -> const auto& { return p.Deflection; }, c);
    const Candidate dMax = Pick(c, [](double v) { return v; });
    const Candidate dMin = Pick(c, [](double v) { return -v; });
    e.MMax = mMax.v, e.XMMax = mMax.x;
    e.MMin = mMin.v, e.XMMin = mMin.x;
    e.QMax = q.v, e.XQMax = q.x;
    e.DeflectionMax = dMax.v, e.XDeflectionMax = dMax.x;
    e.DeflectionMin = dMin.v, e.XDeflectionMin = dMin.x;
    return e;
}

void ForEachDiagramPoint(const MemberDiagram& member, int intervals,
                         const std::function<void(const DiagramPoint&)>& visit) {
    const double length = member.Length();
    const std::vector<double> breaks = member.Breaks();
    const MemberExtremes e = member.Extremes();
    // Breaks and extremes first, so that they win over a nearby grid point.
    std::vector<double> exact = breaks;
    for (double x : {e.XMMax, e.XMMin, e.XQMax, e.XDeflectionMax, e.XDeflectionMin}) {
        exact.push_back(x);
    }
    std::sort(exact.begin(), exact.end());
    std::size_t b = 0;
    // One position at a time, in ascending x: nothing grows with intervals.
    const auto emit = [&](double x) {
        while (b < breaks.size() && breaks[b] < x - kSamePosition) ++b;
        const bool atBreak = b < breaks.size() && std::fabs(breaks[b] - x) <= kSamePosition;
        const bool inside = x > 0 && x < length;
        if (!(atBreak && inside)) {
            visit({x, member.At(x)});
            return;
        }
        const DiagramValues left = member.At(breaks[b], DiagramSide::Left);
        const DiagramValues right = member.At(breaks[b], DiagramSide::Right);
        visit({x, left});
        const double scale = std::max(std::fabs(left.Q), std::fabs(right.Q));
        if (std::fabs(left.Q - right.Q) > 1e-12 * scale) visit({x, right});
    };
    bool any = false;
    double last = 0;
    const auto take = [&](double x) {
        any = true;
        last = x;
        emit(x);
    };
    const int n = std::max(intervals, 1);
    std::size_t j = 0;
    for (int i = 0; i <= n; ++i) {
        const double grid = i == n ? length : length * i / n;
        for (; j < exact.size() && exact[j] <= grid + kSamePosition; ++j) {
            if (!any || exact[j] - last > kSamePosition) take(exact[j]);
        }
        if (!any || grid - last > kSamePosition) take(grid);
    }
}

std::vector<DiagramPoint> DiagramPoints(const MemberDiagram& member, int intervals) {
    std::vector<DiagramPoint> points;
    ForEachDiagramPoint(member, intervals,
                        [&points](const DiagramPoint& p) { points.push_back(p); });
    return points;
}

}  // namespace kmr
