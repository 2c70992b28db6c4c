#include "edit/ScreenLoadDiagram.h"

#include <cmath>

#include "WindowState.h"
#include "calc/ActingLoads.h"
#include "model/Model.h"

namespace kmr::ui {
namespace {

// A length or a magnitude as a single real, compared with kEpsilon as the
// model counts zero.
float Single(double v) {
    return static_cast<float>(v);
}
constexpr double kPi = 3.14159265358979323846;
const QColor kBlack(0, 0, 0);
const QColor kWhite(255, 255, 255);
const QColor kRed(255, 0, 0);
const QColor kGreen(0, 255, 0);
const QColor kBlue(0, 0, 255);

// The geometry of one drawing in drawing units; every position is
// multiplied by the scale s on its way to the primitives.
struct Frame {
    const DiagramInput& in;
    double s, x0, y0, b, sw;

    explicit Frame(const DiagramInput& input)
        : in(input),
          s(input.geometry.scale),
          x0(input.geometry.diagramX),
          y0(input.geometry.diagramY),
          b(input.geometry.bandHeight),
          sw(input.geometry.spanWidth) {}

    double SupportX(int n) const { return x0 + (n - 1) * sw; }
    int SpanCount() const { return kmr::UsedSpanCount(*in.model); }

    void Line(ScreenSink& k, double x1, double y1, double x2, double y2, const QColor& c) const {
        DrawLine(k, x1 * s, y1 * s, x2 * s, y2 * s, 1, c);
    }
    void Rect(ScreenSink& k, double x1, double y1, double x2, double y2, const QColor& pen,
              BrushStyleCode brush, const QColor& brushColor) const {
        DrawRect(k, x1 * s, y1 * s, x2 * s, y2 * s, 1, pen, brush, brushColor);
    }
    void Polygon(ScreenSink& k, std::vector<ScreenPoint> pts, const QColor& c,
                 BrushStyleCode brush) const {
        for (ScreenPoint& p : pts) p = {p.x * s, p.y * s};
        DrawPolygon(k, pts, 1, c, brush, c);
    }
    // A force arrow standing on the beam at x: shaft of height h, head of
    // height q and half-width q/3 pointing down onto the beam for a
    // downward value, up at the top of the shaft otherwise.
    void Arrow(ScreenSink& k, double x, double h, double q, bool downward, const QColor& c) const {
        Line(k, x, y0, x, y0 - h, c);
        const double tip = downward ? y0 : y0 - h;
        const double base = downward ? y0 - q : y0 - h + q;
        Polygon(k, {{x, tip}, {x - q / 3, base}, {x + q / 3, base}}, c, bsSolid);
    }
};

// A load that acts but has no extent to draw.
bool NothingToDraw(const kmr::MemberLoad& load) {
    const int type = load.LoadType;
    if (type == kmr::kLoadConcentrated)
        return Single(std::fabs(load.Value.Value())) < kmr::kEpsilon;
    if (type == kmr::kLoadTrapezoid) return Single(2 * load.Length1 + load.Length2) < kmr::kEpsilon;
    return Single(load.Length1) < kmr::kEpsilon;
}

void DrawDistributed(ScreenSink& k, const Frame& f, int type, double a, double l1, double l2,
                     double h, const QColor& c) {
    const double y0 = f.y0;
    std::vector<ScreenPoint> pts;
    switch (type) {
        case kmr::kLoadRightRising:
            pts = {{a, y0}, {a + l1, y0}, {a + l1, y0 - h}};
            break;
        case kmr::kLoadLeftRising:
            pts = {{a, y0}, {a + l1, y0}, {a, y0 - h}};
            break;
        case kmr::kLoadUniform:
            pts = {{a, y0}, {a + l1, y0}, {a + l1, y0 - h}, {a, y0 - h}};
            break;
        case kmr::kLoadTrapezoid:
            pts = {{a, y0}, {a + 2 * l1 + l2, y0}, {a + l1 + l2, y0 - h}, {a + l1, y0 - h}};
            break;
        default:
            pts = {{a, y0}, {a + l1, y0}, {a + l1 / 2, y0 - h}};
            break;
    }
    f.Polygon(k, pts, c, bsVertical);
}

void FixedSupport(ScreenSink& k, const Frame& f, int n, double x) {
    const double yc = f.y0 + f.b / 2;
    if (n == 1 || n == f.SpanCount() + 1) {
        const bool first = n == 1;
        const double face = first ? x - 0.02 : x + 0.02;
        const double back = first ? x - 0.175 : x + 0.15;
        f.Rect(k, std::min(back, face), yc - 0.3, std::max(back, face), yc + 0.3, kWhite,
               bsBDiagonal, kBlue);
        f.Line(k, face, yc - 0.3, face, yc + 0.3, kBlue);
        return;
    }
    f.Rect(k, x - 0.075, f.y0 + 0.02, x + 0.075, f.y0 + f.b - 0.02, kBlue, bsSolid, kBlue);
}

void SpringSupport(ScreenSink& k, const Frame& f, double x) {
    const double u = 0.13;
    const double v = 0.053;
    double px = x;
    double py = f.y0 + f.b;
    const auto step = [&](double dx, double dy) {
        f.Line(k, px, py, px + dx, py + dy, kBlue);
        px += dx;
        py += dy;
    };
    step(0, 1.5 * v);
    const double steps[6][2] = {{-u / 2, v / 2}, {u, v}, {-u, v}, {u, v}, {-u, v}, {u / 2, v / 2}};
    for (const auto& d : steps) step(d[0], d[1]);
    step(x - px, 1.5 * v);
    f.Line(k, x - 0.75 * u, py, x - 0.75 * u + 0.9 * 1.5 * u, py, kBlue);
}

void MomentSymbol(ScreenSink& k, const Frame& f, double x, double value, const QColor& c) {
    const double yc = f.y0 + f.b / 2;
    DrawArc(k, x * f.s, yc * f.s, 0.12, 305, 235, 1, c);
    const double q = 0.06 / f.s;
    const double r = 0.12 / f.s;
    const double rad = 305 * kPi / 180;
    const double ex = r * std::cos(rad);
    const double ey = yc - r * std::sin(rad);
    if (value > 0) {
        const double e = x + ex;
        f.Polygon(k, {{e, ey}, {e + 0.2 * q, ey - q}, {e + 0.9 * q, ey - 0.45 * q}}, c, bsSolid);
    } else {
        const double e = x - ex;  // the 235° end
        f.Polygon(k, {{e, ey}, {e - 0.2 * q, ey - q}, {e - 0.9 * q, ey - 0.45 * q}}, c, bsSolid);
    }
}

}  // namespace

kmr::DrawGeometry ScreenGeometry(int imageWidth) {
    kmr::DrawGeometry g;
    kmr::SetDrawGeometry(g, 0, imageWidth);
    return g;
}

double ScreenLoadHeight(double magnitude) {
    if (Single(magnitude) <= kmr::kEpsilon) return 0;
    const double h = magnitude * 0.12;
    if (h < 0.2) return 0.2;
    return h > 0.71 ? 0.71 : h;
}

void DrawLoadDiagramOps(ScreenSink& sink, const DiagramInput& in) {
    const int n = kmr::UsedSpanCount(*in.model);
    for (int m = 1; m <= n; ++m) {
        DrawMember(sink, in, m);
        DrawMemberLoads(sink, in, m, false);
    }
    for (int s = 1; s <= n + 1; ++s) {
        DrawSupport(sink, in, s, false);
        DrawNodeLoads(sink, in, s, false);
    }
}

void DrawMember(ScreenSink& sink, const DiagramInput& in, int m) {
    const Frame f(in);
    const double xL = f.SupportX(m);
    const double xR = xL + f.sw;
    const double yb = f.y0 + f.b;
    f.Rect(sink, xL, f.y0, xR, yb, kBlack, bsClear, kWhite);
    const bool current = m == in.currentMember;
    DrawText(sink, QStringLiteral("[%1]").arg(m), 10, kBlack, current ? kWhite : kBlack,
             current ? bsSolid : bsClear, current, 1, 0, (xL + f.sw / 2 - 0.2) * f.s,
             (yb + 0.02) * f.s);
    f.Line(sink, xL, yb + 0.6, xL, yb + 1.23, kBlack);
    f.Line(sink, xL, yb + 1.18, xR, yb + 1.18, kBlack);
    if (m == f.SpanCount()) f.Line(sink, xR, yb + 0.6, xR, yb + 1.23, kBlack);
}

void DrawMemberLoads(ScreenSink& sink, const DiagramInput& in, int m, bool erase) {
    const Frame f(in);
    const kmr::MemberRecord& member = in.model->Members[static_cast<std::size_t>(m)];
    const double span = member.SpanLength;
    if (Single(span) < kmr::kEpsilon) return;
    const double k = f.sw / span;
    const QColor c = erase                                                         ? kWhite
                     : (in.activePage == kMemberLoadPage && m == in.currentMember) ? kRed
                                                                                   : kBlack;
    const double xL = f.SupportX(m);
    const kmr::ActingLoads loads = kmr::DecodeLoads(*in.model);
    for (const kmr::ActingMemberLoad& acting : loads.members[m]) {
        const kmr::MemberLoad& load = member.Loads[static_cast<std::size_t>(acting.slot)];
        if (NothingToDraw(load)) continue;
        const double wp = load.Value;
        const bool point = load.LoadType == kmr::kLoadConcentrated;
        const double h =
            ScreenLoadHeight(point ? std::fabs(wp) * 1.5 : std::fabs(wp * load.Height));
        if (h <= 0) continue;
        const double a = xL + load.Distance * k;
        if (point) {
            f.Arrow(sink, a, h, 0.05 / f.s, Single(wp) > kmr::kEpsilon, c);
        } else {
            DrawDistributed(sink, f, load.LoadType, a, load.Length1 * k, load.Length2 * k, h, c);
        }
    }
}

void DrawSupport(ScreenSink& sink, const DiagramInput& in, int n, bool symbolOnly) {
    const Frame f(in);
    const double x = f.SupportX(n);
    const double yb = f.y0 + f.b;
    switch (in.model->Supports[static_cast<std::size_t>(n)].Condition) {
        case kmr::kSupportFixed:
            FixedSupport(sink, f, n, x);
            break;
        case kmr::kSupportSimple:
            f.Polygon(sink, {{x, yb}, {x + 0.09, yb + 0.18}, {x - 0.09, yb + 0.18}}, kBlue,
                      bsSolid);
            break;
        case kmr::kSupportHinge:
            DrawCircle(sink, x * f.s, (f.y0 + f.b / 2) * f.s, 0.07 * f.s, 1, kBlue, bsClear,
                       kWhite);
            break;
        case kmr::kSupportSpring:
            SpringSupport(sink, f, x);
            break;
        default:
            break;
    }
    if (symbolOnly) return;
    const bool current = n == in.currentSupport;
    DrawText(sink, QString(QLatin1Char(kmr::SupportLetter(n))), 10, kBlue, current ? kWhite : kBlue,
             current ? bsSolid : bsClear, current, 2, 0, (x + 0.15) * f.s, (yb + 0.2) * f.s);
}

void DrawNodeLoads(ScreenSink& sink, const DiagramInput& in, int n, bool erase) {
    const Frame f(in);
    const double x = f.SupportX(n);
    const QColor c = erase                                                        ? kWhite
                     : (in.activePage == kNodeLoadPage && n == in.currentSupport) ? kRed
                                                                                  : kGreen;
    const kmr::ActingLoads loads = kmr::DecodeLoads(*in.model);
    for (const kmr::ActingNodeLoad& load : loads.nodes[n]) {
        const double v = load.value;
        if (Single(std::fabs(v)) < kmr::kEpsilon) continue;  // too small to draw
        if (load.type == kmr::kNodeForce) {
            f.Arrow(sink, x, ScreenLoadHeight(std::fabs(v * 1.5)), 0.06 / f.s,
                    Single(v) > kmr::kEpsilon, c);
        } else {
            MomentSymbol(sink, f, x, v, c);
        }
    }
}

}  // namespace kmr::ui
