#include "report/LoadDiagram.h"

#include <cmath>
#include <vector>

#include "model/Model.h"
#include "report/Primitives.h"
#include "report/ReportWords.h"

namespace kmr {
namespace {

constexpr float kArrowLength = 0.12f;  // arrowhead length before the scale
constexpr float kMomentRadius = 0.3f;
const QColor kBlack(0, 0, 0);
const QColor kWhite(255, 255, 255);

// Drawing context of one diagram: the page, the geometry and the origin of
// the beam (x0 the left end, yB the top of the member band). Every position
// is multiplied by the scale before it reaches the primitives.
struct Diagram {
    TplPrev& doc;
    float S;   // scale
    float W;   // span width
    float Hb;  // member band height
    float x0;
    float yB;

    void Line(float x1, float y1, float x2, float y2, int pen) const {
        DrawLine(doc, x1 * S, y1 * S, x2 * S, y2 * S, pen, kBlack);
    }
    void Rect(float x1, float y1, float x2, float y2, int pen, QColor penColor,
              BrushStyleCode brush) const {
        DrawRect(doc, x1 * S, y1 * S, x2 * S, y2 * S, pen, penColor, psSolid, pmCopy, brush,
                 kBlack);
    }
    void Circle(float cx, float cy, float r, int pen, BrushStyleCode brush) const {
        DrawCircle(doc, cx * S, cy * S, r * S, pen, kBlack, psSolid, pmCopy, brush, kBlack);
    }
    void Polygon(std::vector<CmPoint> points, BrushStyleCode brush) const {
        for (CmPoint& p : points) p = {p.x * S, p.y * S};
        DrawPolygon(doc, points, 2, kBlack, psSolid, pmCopy, brush, kBlack);
    }
    float SupportX(int s) const { return x0 + static_cast<float>(s - 1) * W; }
};

// A solid black arrowhead with its tip at (x, tipY), its base at baseY and
// the given half-width.
void Arrowhead(const Diagram& d, float x, float tipY, float baseY, float halfWidth) {
    d.Polygon({{x, tipY}, {x - halfWidth, baseY}, {x + halfWidth, baseY}}, bsSolid);
}

// A shaft from the band top up by h with its arrowhead: pointing down onto
// the band for a positive (downward) value, up at the top otherwise.
void ForceArrow(const Diagram& d, float x, float h, bool downward, float halfWidthRatio) {
    const float e = kArrowLength / d.S;
    d.Line(x, d.yB, x, d.yB - h, 2);
    if (downward) {
        Arrowhead(d, x, d.yB, d.yB - e, e / halfWidthRatio);
    } else {
        Arrowhead(d, x, d.yB - h, d.yB - h + e, e / halfWidthRatio);
    }
}

void DrawMember(const Diagram& d, const BeamModel& model, int i, bool last) {
    const float xa = d.SupportX(i);
    const float xb = d.SupportX(i + 1);
    d.Rect(xa, d.yB, xb, d.yB + d.Hb, 2, kBlack, bsClear);
    DrawTitle(d.doc, QStringLiteral("[%1]").arg(i), (xa + d.W / 2 - 0.2f) * d.S,
              (d.yB + d.Hb + 0.08f) * d.S, kTitleFontSize, fkGothic, 100);

    const float yD = d.yB + d.Hb + 0.9f;
    const float yE = yD + 0.55f;
    d.Line(xa, yD, xa, yE, 1);
    d.Line(xa, yE - 0.05f, xb, yE - 0.05f, 1);
    d.Circle(xa, yE - 0.05f, 0.03f, 1, bsSolid);
    d.Circle(xb, yE - 0.05f, 0.03f, 1, bsSolid);
    const double span = model.Members[static_cast<std::size_t>(i)].SpanLength;
    DrawText(d.doc, Fixed(span, 3), (xa + xb) / 2 * d.S, (yE - 0.08f) * d.S, TextAlign::Center,
             TextAlign::Bottom, kTitleFontSize, fkPGothic);
    if (last) d.Line(xb, yD, xb, yE, 1);
}

// A hatched wall beside a fixed end support; side -1 reaches left of the
// support (first support), +1 right of it (last support).
void FixedWall(const Diagram& d, float xs, int side) {
    const float yc = d.yB + d.Hb / 2;
    d.Rect(xs, yc - 0.3f, xs + side * 0.15f, yc + 0.3f, 2, kWhite, bsBDiagonal);
    d.Line(xs, yc - 0.3f, xs, yc + 0.3f, 2);
}

void SpringSymbol(const Diagram& d, float xs) {
    const float a = 0.13f;
    const float t = 0.052f;
    float x = xs + 0.015f;
    float y = d.yB + d.Hb;
    const auto to = [&](float nx, float ny) {
        d.Line(x, y, nx, ny, 2);
        x = nx;
        y = ny;
    };
    to(xs, y + 2 * t);
    const float steps[6][2] = {{-a / 2, t / 2}, {a, t}, {-a, t}, {a, t}, {-a, t}, {a / 2, t / 2}};
    for (const auto& s : steps) to(x + s[0], y + s[1]);
    to(xs, y + 1.5f * t);
    d.Line(x - 0.0975f, y, x + 0.0975f, y, 2);
}

void DrawSupport(const Diagram& d, int condition, int s, int supportCount) {
    const float xs = d.SupportX(s);
    switch (condition) {
        case kSupportFixed:
            if (s == 1) {
                FixedWall(d, xs, -1);
            } else if (s == supportCount) {
                FixedWall(d, xs, +1);
            } else {
                d.Rect(xs - 0.075f, d.yB, xs + 0.075f, d.yB + d.Hb, 2, kBlack, bsSolid);
            }
            break;
        case kSupportSimple: {
            const float yb = d.yB + d.Hb + 0.2f;
            d.Polygon({{xs, d.yB + d.Hb}, {xs - 0.1f, yb}, {xs + 0.1f, yb}}, bsSolid);
            break;
        }
        case kSupportHinge:
            d.Circle(xs, d.yB + d.Hb / 2 + 0.015f, 0.07f, 2, bsClear);
            break;
        case kSupportSpring:
            SpringSymbol(d, xs);
            break;
        default:  // free: nothing
            break;
    }
    DrawText(d.doc, QString(QLatin1Char(SupportLetter(s))), xs * d.S, (d.yB + d.Hb + 0.85f) * d.S,
             TextAlign::Center, TextAlign::Bottom, kTitleFontSize, fkGothic);
}

// Whether a load that acts has no symbol: no extent, or an intensity too
// small to draw.
bool NothingToDraw(int code, float wp, float l1, float l2, float q) {
    if (code == kLoadConcentrated && std::fabs(wp) < kEpsilon) return true;
    if (code != kLoadConcentrated && code != kLoadTrapezoid && l1 < kEpsilon) return true;
    if (code == kLoadTrapezoid && 2 * l1 + l2 < kEpsilon) return true;
    return q <= kEpsilon;
}

void DrawMemberLoad(const Diagram& d, const MemberLoad& load, float xa, float sx) {
    const int code = load.LoadType;
    const float wp = static_cast<float>(load.Value);
    const float L1 = static_cast<float>(load.Length1);
    const float L2 = static_cast<float>(load.Length2);
    const float q = code == kLoadConcentrated ? std::fabs(wp) * 1.5f
                                              : std::fabs(wp * static_cast<float>(load.Height));
    if (NothingToDraw(code, wp, L1, L2, q)) return;
    const float h = LoadSymbolHeight(q);
    const float p = xa + static_cast<float>(load.Distance) * sx;
    const float l1 = L1 * sx;
    const float l2 = L2 * sx;
    const float yB = d.yB;
    const float top = yB - h;
    switch (code) {
        case kLoadConcentrated:
            ForceArrow(d, p, h, wp > kEpsilon, 3.3f);
            return;
        case kLoadRightRising:
            d.Polygon({{p, yB}, {p + l1, yB}, {p + l1, top}}, bsVertical);
            return;
        case kLoadLeftRising:
            d.Polygon({{p, yB}, {p + l1, yB}, {p, top}}, bsVertical);
            return;
        case kLoadUniform:
            d.Polygon({{p, yB}, {p + l1, yB}, {p + l1, top}, {p, top}}, bsVertical);
            return;
        case kLoadTrapezoid:
            d.Polygon({{p, yB}, {p + 2 * l1 + l2, yB}, {p + l1 + l2, top}, {p + l1, top}},
                      bsVertical);
            return;
        default:  // kLoadTriangle
            d.Polygon({{p, yB}, {p + l1, yB}, {p + l1 / 2, top}}, bsVertical);
            return;
    }
}

void DrawMemberLoads(const Diagram& d, const MemberRecord& member,
                     const std::vector<ActingMemberLoad>& loads, int i) {
    const float span = static_cast<float>(member.SpanLength);
    if (!(span > kEpsilon)) return;
    const float sx = d.W / span;
    for (const ActingMemberLoad& load : loads) {
        DrawMemberLoad(d, member.Loads[static_cast<std::size_t>(load.slot)], d.SupportX(i), sx);
    }
}

// A moment as a 290 degree arc around the support, open at the bottom, with
// its arrowhead turning clockwise for a positive value.
void MomentSymbol(const Diagram& d, float xs, float v) {
    const float e = kArrowLength / d.S;
    const float r = kMomentRadius / d.S;
    const float yc = d.yB + d.Hb / 2;
    DrawArc(d.doc, xs * d.S, yc * d.S, r * d.S, 305.0f, 235.0f, 2, kBlack);
    const double rad = 305.0 * M_PI / 180.0;
    const float dx = r * static_cast<float>(std::cos(rad));
    const float py = yc - r * static_cast<float>(std::sin(rad));
    const float side = v > kEpsilon ? 1.0f : -1.0f;
    const float px = xs + side * dx;
    d.Polygon(
        {{px, py}, {px + side * 0.35f * e, py - 0.75f * e}, {px + side * 0.8f * e, py - 0.35f * e}},
        bsSolid);
}

void DrawNodeLoads(const Diagram& d, const std::vector<ActingNodeLoad>& loads, int s) {
    const float xs = d.SupportX(s);
    for (const ActingNodeLoad& load : loads) {
        const float v = static_cast<float>(load.value);
        if (!(std::fabs(v) >= kEpsilon)) continue;  // too small to draw
        if (load.type == kNodeForce) {
            ForceArrow(d, xs, LoadSymbolHeight(std::fabs(v * 1.5f)), v > kEpsilon, 3.0f);
        } else {
            MomentSymbol(d, xs, v);
        }
    }
}

}  // namespace

float LoadSymbolHeight(float q) {
    float h = q * 0.15f;
    if (h > kEpsilon && h < 0.2f) h = 0.2f;
    if (h > 0.75f) h = 0.75f;
    return h;
}

void DrawLoadDiagram(TplPrev& doc, const BeamModel& model, const ActingLoads& loads,
                     ReportState& state) {
    const DrawGeometry& g = state.geometry;
    const float yc = state.cursor;
    DrawTitle(doc, QStringLiteral("●荷重データ"), g.leftMargin + 0.3f, yc + 0.3f, kTitleFontSize,
              fkGothic, 100);
    const Diagram d{doc, g.scale, g.spanWidth, g.bandHeight, g.leftMargin + 0.5f, yc + 1.6f};
    const int n = UsedSpanCount(model);
    for (int i = 1; i <= n; ++i) DrawMember(d, model, i, i == n);
    for (int s = 1; s <= n + 1; ++s) {
        DrawSupport(d, model.Supports[static_cast<std::size_t>(s)].Condition, s, n + 1);
    }
    for (int i = 1; i <= n; ++i) {
        DrawMemberLoads(d, model.Members[static_cast<std::size_t>(i)], loads.members[i], i);
    }
    for (int s = 1; s <= n + 1; ++s) DrawNodeLoads(d, loads.nodes[s], s);
    state.cursor = d.yB + d.Hb + 0.9f + 0.55f;
}

}  // namespace kmr
