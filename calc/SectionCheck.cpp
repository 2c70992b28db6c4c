// The section check of each member with design data: bending per segment,
// shear, deflection, all from the exact polynomials of the diagram pieces.
#include "calc/SectionCheck.h"

#include <algorithm>
#include <cmath>

#include "calc/Polynomial.h"
#include "calc/Units.h"

namespace kmr {
namespace {

// |M| beyond the larger end moment by more than this share is a maximum
// inside the segment (the single-precision analysis leaves equal moments a
// few units of 1e-7 apart).
constexpr double kInsideTie = 1e-6;

// The largest |f| of the polynomial c (degree n) over [ta, tb] of a piece of
// length h: the two ends and the stationary points between them.
double LargestMagnitude(const double* c, int n, double h, double ta, double tb) {
    double d[5] = {};
    for (int i = 1; i <= n; ++i) d[i - 1] = i * c[i];
    double roots[5] = {};
    const int nr = PolynomialRootsInside(d, n - 1, h, roots);
    double best =
        std::max(std::fabs(PolynomialValue(c, n, ta)), std::fabs(PolynomialValue(c, n, tb)));
    for (int k = 0; k < nr; ++k) {
        if (roots[k] > ta && roots[k] < tb)
            best = std::max(best, std::fabs(PolynomialValue(c, n, roots[k])));
    }
    return best;
}

double LargestMoment(const MemberDiagram& diagram, double a, double b) {
    double best = 0;
    for (const DiagramPiece& p : diagram.Pieces()) {
        if (p.X1 < a || p.X0 > b) continue;
        const double ta = std::max(a, p.X0) - p.X0, tb = std::min(b, p.X1) - p.X0;
        best = std::max(best, LargestMagnitude(p.M.data(), 3, p.X1 - p.X0, ta, tb));
    }
    return best;
}

double LargestShear(const MemberDiagram& diagram) {
    double best = 0;
    for (const DiagramPiece& p : diagram.Pieces()) {
        const double h = p.X1 - p.X0;
        best = std::max(best, LargestMagnitude(p.Q.data(), 2, h, 0, h));
    }
    return best;
}

// The largest deflection relative to the chord between the end deflections
// (cm), or of a free end relative to the other end.
double RelativeDeflection(const CheckSpan& span) {
    const MemberDiagram& diagram = *span.Diagram;
    const double d0 = diagram.At(0).Deflection, d1 = diagram.At(span.Length).Deflection;
    if (span.FreeLeft || span.FreeRight) return std::fabs(d1 - d0);
    const double slope = span.Length > 0 ? (d1 - d0) / span.Length : 0;
    double best = 0;
    for (const DiagramPiece& p : diagram.Pieces()) {
        std::array<double, 6> g = p.Deflection;
        g[0] -= d0 + slope * p.X0;
        g[1] -= slope;
        const double h = p.X1 - p.X0;
        best = std::max(best, LargestMagnitude(g.data(), 5, h, 0, h));
    }
    return best;
}

SegmentCheck CheckSegment(const CheckSpan& span, const ResolvedMember& m, BucklingFormula method,
                          double a, double b, double toNewton) {
    const MemberDiagram& diagram = *span.Diagram;
    SegmentCheck s;
    s.X0 = a, s.X1 = b;
    s.Lb = m.Lb > 0 ? m.Lb : b - a;
    s.M = LargestMoment(diagram, a, b);
    const double ma = diagram.At(a).M, mb = diagram.At(b).M;
    const double m1 = std::max(std::fabs(ma), std::fabs(mb));
    const double m1Signed = std::fabs(ma) >= std::fabs(mb) ? ma : mb;
    const double m2Signed = std::fabs(ma) >= std::fabs(mb) ? mb : ma;
    BucklingCase bc;
    bc.Lb = s.Lb * 1000;
    bc.PeakInside = span.FreeLeft || span.FreeRight || m1 == 0 || s.M > m1 * (1 + kInsideTie);
    // Opposite signs on the sagging-positive diagram: double curvature.
    bc.Ratio = bc.PeakInside ? 0 : -m2Signed / m1Signed;
    bc.C = bc.PeakInside ? 1 : MomentGradientFactor(bc.Ratio);
    s.C = bc.C;
    const Allowance fb = AllowableBendingOf(method, m, bc);
    s.Fb = fb.Fb;
    s.Rule = fb.Rule;
    s.SigmaB = s.M * toNewton * 1e6 / (m.Props.Zx * 1e3);
    s.Ratio = s.SigmaB / s.Fb;
    return s;
}

void CheckBending(const CheckSpan& span, const ResolvedMember& m, BucklingFormula method,
                  double toNewton, MemberCheck& c) {
    const int n = std::max(m.Bracing, 1);
    c.Segments.reserve(n);
    for (int k = 0; k < n; ++k) {
        const double a = span.Length * k / n;
        const double b = k + 1 == n ? span.Length : span.Length * (k + 1) / n;
        c.Segments.push_back(CheckSegment(span, m, method, a, b, toNewton));
        if (k == 0 || c.Segments.back().Ratio > c.BendingRatio) {
            const SegmentCheck& s = c.Segments.back();
            c.Segment = k + 1;
            c.Lb = s.Lb, c.C = s.C, c.M = s.M, c.SigmaB = s.SigmaB, c.Fb = s.Fb;
            c.BendingRatio = s.Ratio;
            c.Rule = s.Rule;
        }
    }
}

void CheckShear(const CheckSpan& span, const ResolvedMember& m, double toNewton, MemberCheck& c) {
    c.Q = LargestShear(*span.Diagram);
    c.Tau = c.Q * toNewton * 1e3 / (m.Props.Aw * 100);
    c.Fs = m.F / (1.5 * std::sqrt(3.0));
    c.ShearRatio = c.Tau / c.Fs;
}

void CheckDeflection(const CheckSpan& span, const ResolvedMember& m, MemberCheck& c) {
    c.Deflection = RelativeDeflection(span);
    c.DeflectionLimit = m.DeflectionLimit;
    c.DeflectionFactor = m.DeflectionFactor;
    const double lengthCm = span.Length * 100;
    const double amplified = m.DeflectionFactor * c.Deflection;
    c.DeflectionRatio = amplified / (lengthCm / m.DeflectionLimit);
    c.DeflectionN = amplified > 0 ? lengthCm / amplified : 0;
}

MemberCheck CheckMember(const CheckSpan& span, const ResolvedMember& m, BucklingFormula method,
                        double toNewton) {
    MemberCheck c;
    c.Member = m.Member;
    c.HasSection = m.HasSection;
    c.Section = m.SectionName;
    c.Steel = m.SteelName;
    c.F = m.F;
    c.Length = span.Length;
    if (m.HasSection) {
        CheckBending(span, m, method, toNewton, c);
        CheckShear(span, m, toNewton, c);
    }
    CheckDeflection(span, m, c);
    c.Ok = c.BendingRatio <= 1 && c.ShearRatio <= 1 && c.DeflectionRatio <= 1;
    return c;
}

bool IsFreeEnd(const BeamModel& model, int support) {
    const std::int32_t c = model.Supports[support].Condition;
    return c == kSupportFree || c == kSupportHinge;
}

}  // namespace

CheckInput CheckInputOf(const BeamModel& model, const CalculatedBeam& beam) {
    CheckInput in;
    in.OutputUnit = beam.OutputUnit();
    const int n = std::min<int>(beam.SpanCount(), int(beam.Diagram().Members.size()));
    for (int m = 1; m <= n; ++m) {
        const MemberDiagram& d = beam.MemberDiagramOf(m);
        // Only the beam's end supports make a free end: an unsupported
        // node inside the beam joins two members.
        in.Spans.push_back(
            {&d, d.Length(), m == 1 && IsFreeEnd(model, 1), m == n && IsFreeEnd(model, n + 1)});
    }
    return in;
}

CheckResult CheckSections(const CheckInput& input, const ResolvedDesign& design) {
    CheckResult r;
    r.Method = design.Method;
    const double toNewton = UnitFactor(input.OutputUnit, kUnitKiloNewton);  // kN per unit
    r.Members.reserve(design.Members.size());
    for (const ResolvedMember& m : design.Members) {
        if (m.Member < 1 || m.Member > int(input.Spans.size())) continue;
        r.Members.push_back(CheckMember(input.Spans[m.Member - 1], m, design.Method, toNewton));
        r.Ok = r.Ok && r.Members.back().Ok;
    }
    return r;
}

}  // namespace kmr
