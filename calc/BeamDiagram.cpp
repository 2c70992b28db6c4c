// The member diagrams: the loads of each member as the driver passes them to
// the engine, cut into pieces on which the load is linear, and the four
// results integrated piece by piece from the analysed end values.
#include "calc/BeamDiagram.h"

#include <algorithm>
#include <cmath>

#include "calc/ActingLoads.h"
#include "calc/Units.h"

namespace kmr {
namespace {

// A distributed load piece: intensity wa at x = a growing linearly to wb at
// x = b (force per m, downward).
struct SpreadLoad {
    double a = 0, b = 0, wa = 0, wb = 0;
};

struct PointLoad {
    double a = 0, p = 0;  // force downward at x = a
};

// The loads of one member. A member has at most five slots of up to three
// pieces each and the common load.
struct MemberLoads {
    std::array<SpreadLoad, 3 * kLoadSlots + 1> spread;
    int spreads = 0;
    std::array<PointLoad, kLoadSlots> points;
    int pointCount = 0;
    double nodeForce = 0;  // concentrated loads standing on an end of the member
};

void AddSpread(MemberLoads& loads, double a, double length, double wa, double wb) {
    if (wa == 0 && wb == 0) return;
    loads.spread[loads.spreads++] = {a, a + length, wa, wb};
}

// The rise, flat part and fall of one slot in the engine's description; a
// part exists when its length reaches 1e-6 in single precision, as in the
// engine.
void AddShape(MemberLoads& loads, double start, double length, double rise, double flat, double w) {
    const float e = 1.0e-6f;
    if (float(rise) >= e) AddSpread(loads, start, rise, 0.0, w);
    if (float(flat) >= e) AddSpread(loads, start + rise, flat, w, w);
    if (float(length) - float(rise) - float(flat) >= e) {
        AddSpread(loads, start + rise + flat, length - rise - flat, w, 0.0);
    }
}

MemberLoads CollectLoads(const BeamModel& model, const MemberCalcRecord& rec, int m) {
    MemberLoads loads;
    for (int j = 0; j < kLoadSlots; ++j) {
        const CalcLoad& load = rec.CalcLoads[j];
        if (!MemberLoadActs(load.LoadType, load.Value)) continue;
        if (load.LoadType == kLoadConcentrated) {
            if (ConcentratedLoadNode(model.Members[m].Loads[j], rec.CalcLength, m) != 0) {
                loads.nodeForce += load.Value;
            } else {
                loads.points[loads.pointCount++] = {load.LoadStart, load.Value};
            }
            continue;
        }
        AddShape(loads, load.LoadStart, load.LoadLength, load.RiseLength, load.FlatLength,
                 load.Factor * load.Value);
    }
    const ModelHeader& h = model.Header;
    if (CommonLoadActs(h)) {
        const double w = double(h.CommonLoad) * double(h.CommonLoadHeight);
        AddShape(loads, 0.0, rec.CalcLength, 0.0, rec.CalcLength, w);
    }
    return loads;
}

template <std::size_t N>
double Eval(const std::array<double, N>& c, double t) {
    double r = c[N - 1];
    for (std::size_t i = N - 1; i-- > 0;) r = r * t + c[i];
    return r;
}

// 0, L and every load start, end and concentrated load inside, ascending,
// near neighbours merged.
int Breaks(const MemberLoads& loads, double length, std::array<double, 64>& x) {
    int n = 0;
    x[n++] = 0.0;
    x[n++] = length;
    for (int i = 0; i < loads.spreads; ++i) {
        x[n++] = loads.spread[i].a;
        x[n++] = loads.spread[i].b;
    }
    for (int i = 0; i < loads.pointCount; ++i) x[n++] = loads.points[i].a;
    for (int i = 0; i < n; ++i) x[i] = std::clamp(x[i], 0.0, length);
    std::sort(x.begin(), x.begin() + n);
    int kept = 1;
    for (int i = 1; i < n; ++i) {
        if (x[i] - x[kept - 1] > kSamePosition) x[kept++] = x[i];
    }
    x[kept - 1] = length;  // the last break is the end itself
    if (kept == 1) x[kept++] = length;
    return kept;
}

// The downward load on [x0, x1] as w0 + w1 (x - x0).
void Intensity(const MemberLoads& loads, double x0, double x1, double& w0, double& w1) {
    w0 = w1 = 0;
    const double mid = 0.5 * (x0 + x1);
    for (int i = 0; i < loads.spreads; ++i) {
        const SpreadLoad& s = loads.spread[i];
        if (!(s.a < mid && mid < s.b)) continue;
        const double slope = (s.wb - s.wa) / (s.b - s.a);
        w0 += s.wa + slope * (x0 - s.a);
        w1 += slope;
    }
}

double PointLoadAt(const MemberLoads& loads, double x) {
    double p = 0;
    for (int i = 0; i < loads.pointCount; ++i) {
        if (std::fabs(loads.points[i].a - x) <= kSamePosition) p += loads.points[i].p;
    }
    return p;
}

// Q and M from the load, starting at M(0) = mLeft; the shear at the left end
// is the one that makes M(L) = -mRight.
void IntegrateMoments(const MemberLoads& loads, double length, double mLeft, double mRight,
                      std::vector<DiagramPiece>& pieces) {
    double q = 0, moment = mLeft;
    for (std::size_t k = 0; k < pieces.size(); ++k) {
        DiagramPiece& p = pieces[k];
        if (k > 0) q -= PointLoadAt(loads, p.X0);
        double w0 = 0, w1 = 0;
        Intensity(loads, p.X0, p.X1, w0, w1);
        p.Q = {q, -w0, -w1 / 2};
        p.M = {moment, q, -w0 / 2, -w1 / 6};
        const double h = p.X1 - p.X0;
        q = Eval(p.Q, h);
        moment = Eval(p.M, h);
    }
    const double c = (-mRight - moment) / length;
    for (DiagramPiece& p : pieces) {
        p.Q[0] += c;
        p.M[0] += c * p.X0;
        p.M[1] += c;
    }
}

// The deflection v (m, downward) from v'' = -M / EI with v(0) = vLeft and
// v(L) = vRight; the rotation is v'.
void IntegrateDeflections(double length, double ei, double vLeft, double vRight,
                          std::vector<DiagramPiece>& pieces) {
    const double k = ei > 0 ? 1.0 / ei : 0.0;
    double slope = 0, v = vLeft;
    for (DiagramPiece& p : pieces) {
        const auto& m = p.M;
        p.Rotation = {slope, -k * m[0], -k * m[1] / 2, -k * m[2] / 3, -k * m[3] / 4};
        p.Deflection = {v, slope, -k * m[0] / 2, -k * m[1] / 6, -k * m[2] / 12, -k * m[3] / 20};
        const double h = p.X1 - p.X0;
        slope = Eval(p.Rotation, h);
        v = Eval(p.Deflection, h);
    }
    const double d = (vRight - v) / length;
    for (DiagramPiece& p : pieces) {
        p.Rotation[0] += d;
        p.Deflection[0] += d * p.X0;
        p.Deflection[1] += d;
    }
}

MemberDiagram BuildMember(const BeamModel& model, const MemberCalcRecord& rec,
                          const CalcResults& results, int m, double factor) {
    const double length = rec.CalcLength;
    const MemberLoads loads = CollectLoads(model, rec, m);
    std::array<double, 64> x{};
    const int breaks = Breaks(loads, length, x);
    std::vector<DiagramPiece> pieces(std::size_t(breaks - 1));
    for (int k = 0; k + 1 < breaks; ++k) {
        pieces[k].X0 = x[k];
        pieces[k].X1 = x[k + 1];
    }
    const MemberResult& mr = results.MemberResults[m];
    IntegrateMoments(loads, length, mr.MLeft, mr.MRight, pieces);
    // E in force per cm2 and Io in cm4: EI = 1e4 E x 1e-8 Io (force m2).
    const double ei = rec.CalcE * rec.CalcIo * 1e-4;
    const double vLeft = results.NodeResults[m].Deflection / 100.0;
    const double vRight = results.NodeResults[m + 1].Deflection / 100.0;
    IntegrateDeflections(length, ei, vLeft, vRight, pieces);
    for (DiagramPiece& p : pieces) {
        for (double& c : p.Q) c *= factor;
        for (double& c : p.M) c *= factor;
        for (double& c : p.Deflection) c *= 100.0;  // m to cm
    }
    return MemberDiagram(length, std::move(pieces));
}

}  // namespace

DiagramValues DiagramPiece::At(double x) const {
    const double t = x - X0;
    return {Eval(Q, t), Eval(M, t), Eval(Rotation, t), Eval(Deflection, t)};
}

std::vector<double> MemberDiagram::Breaks() const {
    std::vector<double> x;
    x.reserve(pieces_.size() + 1);
    for (const DiagramPiece& p : pieces_) x.push_back(p.X0);
    x.push_back(length_);
    return x;
}

std::size_t MemberDiagram::PieceIndex(double x, DiagramSide side) const {
    std::size_t i = 0;
    while (i + 1 < pieces_.size()) {
        const double end = pieces_[i].X1;
        if (x < end || (x == end && side == DiagramSide::Left)) break;
        ++i;
    }
    return i;
}

DiagramValues MemberDiagram::At(double x, DiagramSide side) const {
    if (pieces_.empty()) return {};
    x = std::clamp(x, 0.0, length_);
    return pieces_[PieceIndex(x, side)].At(x);
}

BeamDiagram BuildBeamDiagram(const BeamModel& model, const CalcResults& results) {
    CalcMembers members;
    PrepareMemberLoads(model, members);
    const ModelHeader& h = model.Header;
    const double factor = UnitFactor(h.InputUnit, h.OutputUnit);
    const int n = UsedSpanCount(model);
    BeamDiagram beam;
    beam.Members.reserve(std::size_t(n));
    beam.MemberStart.reserve(std::size_t(n));
    double start = 0;
    for (int m = 1; m <= n; ++m) {
        beam.Members.push_back(BuildMember(model, members[m], results, m, factor));
        beam.MemberStart.push_back(start);
        start += members[m].CalcLength;
    }
    return beam;
}

Equilibrium CheckEquilibrium(const BeamModel& model, const CalcResults& results) {
    CalcMembers members;
    PrepareMemberLoads(model, members);
    const int n = UsedSpanCount(model);
    double loads = 0, reactions = 0;
    for (int m = 1; m <= n; ++m) {
        const MemberLoads l = CollectLoads(model, members[m], m);
        for (int i = 0; i < l.spreads; ++i) {
            const SpreadLoad& s = l.spread[i];
            loads += 0.5 * (s.wa + s.wb) * (s.b - s.a);
        }
        for (int i = 0; i < l.pointCount; ++i) loads += l.points[i].p;
        loads += l.nodeForce;
    }
    for (int s = 1; s <= n + 1; ++s) {
        for (const NodeLoad& load : model.Supports[s].NodeLoads) {
            const double value = load.Value;
            if (load.LoadType == kNodeForce && std::fabs(float(value)) > 0) loads += value;
        }
        reactions += results.NodeResults[s].Reaction;
    }
    const ModelHeader& h = model.Header;
    const double factor = UnitFactor(h.InputUnit, h.OutputUnit);
    Equilibrium e;
    e.Loads = loads * factor;
    e.Reactions = reactions * factor;
    e.Residual = std::fabs(e.Loads - e.Reactions) / std::max(std::fabs(e.Loads), 1e-9);
    return e;
}

}  // namespace kmr
