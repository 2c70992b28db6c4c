// The allowable bending stress fb of a segment between lateral braces: the
// notification formula (平成13年国交省告示第1024号) and the AIJ 2005 formula
// (鋼構造設計規準). F and stresses in N/mm2, lengths in mm.
#include <algorithm>
#include <cmath>

#include "calc/SectionCheck.h"

namespace kmr {
namespace {

constexpr double kE = kSteelE;
constexpr double kG = kSteelG;
constexpr double kPi = 3.14159265358979323846;

Allowance Notification(const ResolvedMember& m, const BucklingCase& b) {
    const double F = m.F;
    const double i = m.Props.I * 10;                  // mm
    const double af = m.Dim.B * m.Dim.Tf;             // mm2
    const double lambda = 1500 / std::sqrt(F / 1.5);  // Λ
    const double slender = b.Lb / i;
    const double fb1 = F * (2.0 / 3 - (4.0 / 15) * slender * slender / (b.C * lambda * lambda));
    const double fb2 = 89000 / (b.Lb * m.Dim.H / af);
    if (std::max(fb1, fb2) >= F / 1.5) return {F / 1.5, FbRule::Cap};
    return fb1 >= fb2 ? Allowance{fb1, FbRule::Fb1} : Allowance{fb2, FbRule::Fb2};
}

// The elastic lateral-torsional buckling moment Me (N mm).
double ElasticBucklingMoment(const ResolvedMember& m, const BucklingCase& b) {
    const SectionDimensions& d = m.Dim;
    const double iy = m.Props.Iy * 1e4;  // mm4
    const double flangeI = d.Tf * d.B * d.B * d.B / 12;
    const double iw = flangeI * (d.H - d.Tf) * (d.H - d.Tf) / 2;
    const double j = (2 * d.B * d.Tf * d.Tf * d.Tf + (d.H - 2 * d.Tf) * d.Tw * d.Tw * d.Tw) / 3;
    const double l2 = b.Lb * b.Lb;
    const double pi2 = kPi * kPi;
    return b.C * std::sqrt(pi2 * pi2 * kE * iy * kE * iw / (l2 * l2) + pi2 * kE * iy * kG * j / l2);
}

Allowance Aij2005(const ResolvedMember& m, const BucklingCase& b) {
    const double F = m.F;
    const double my = F * m.Props.Zx * 1e3;
    const double lb = std::sqrt(my / ElasticBucklingMoment(m, b));  // λb
    const double elb = 1 / std::sqrt(0.6);                          // eλb
    const double plb = b.PeakInside ? 0.3 : 0.6 + 0.3 * b.Ratio;    // pλb
    const double nu = 1.5 + (2.0 / 3) * (lb / elb) * (lb / elb);
    if (lb <= plb) return {F / nu, FbRule::UpToPlastic};
    if (lb <= elb) return {(1 - 0.4 * (lb - plb) / (elb - plb)) * F / nu, FbRule::UpToElastic};
    return {F / (2.17 * lb * lb), FbRule::Elastic};
}

}  // namespace

double MomentGradientFactor(double ratio) {
    return std::min(1.75 + 1.05 * ratio + 0.3 * ratio * ratio, 2.3);
}

Allowance AllowableBendingOf(BucklingFormula method, const ResolvedMember& m,
                             const BucklingCase& b) {
    return method == BucklingFormula::Aij2005 ? Aij2005(m, b) : Notification(m, b);
}

double AllowableBending(BucklingFormula method, const ResolvedMember& m, const BucklingCase& b) {
    return AllowableBendingOf(method, m, b).Fb;
}

}  // namespace kmr
