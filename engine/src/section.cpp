// VF_HSPRPS: section properties of H-sections, rolled (circular fillets),
// welded (triangular fillets) or plain (three rectangles). Dimensions arrive in
// mm; results are in cm-based units.
#include "section.h"

#include <cmath>
#include <cstdio>
#include <initializer_list>

#include "kmrengine.h"

namespace kmr::engine {
namespace {

constexpr float kPi = 3.141593f;
constexpr int kRolled = 1;
constexpr int kWelded = 2;
constexpr int kTriangle = 2;

// Twelve times the second moments of the three plates (mm⁴), formed in double
// precision: the strong-axis value is a difference of two large terms.
double PlateInertiaX(double H, double B, double tw, double tf) {
    const double h = H - 2 * tf;
    return B * H * H * H - h * h * h * (B - tw);
}

double PlateInertiaY(double H, double B, double tw, double tf) {
    const double h = H - 2 * tf;
    return h * tw * tw * tw + 2 * B * B * B * tf;
}

// Kinds 2 and 3: three rectangles plus four fillets of size t (cm).
void BuiltUp(SectionProperties& p, float H, float B, float tw, float tf, float t) {
    const Fillet f = t > 0 ? DSCFIL(t, kTriangle) : Fillet{};
    const float h = H - 2 * tf;
    p.area = 4 * f.a + (h * tw + 2 * B * tf) * 0.01f;
    p.weight = p.area * 0.785f;
    const float dx = 0.05f * H - 0.1f * tf - f.e, dy = f.e + 0.05f * tw;
    p.inertiaX =
        static_cast<float>(4 * (dx * dx * f.a + f.j) + PlateInertiaX(H, B, tw, tf) * 0.0001 / 12);
    p.inertiaY =
        static_cast<float>(4 * (dy * dy * f.a + f.j) + PlateInertiaY(H, B, tw, tf) * 0.0001 / 12);
    p.modulusX = 20 * p.inertiaX / H;
    p.modulusY = 20 * p.inertiaY / B;
    p.radiusX = std::sqrt(p.inertiaX / p.area);
    p.radiusY = std::sqrt(p.inertiaY / p.area);
    // Plastic moduli: first moments of the half-sections (cm³). Each fillet's
    // centroid lies e (cm) from the inner flange face and from the web face.
    p.plasticX = 4 * f.a * (0.05f * h - f.e) + h * h * tw * 0.00025f + (H - tf) * B * 0.001f * tf;
    p.plasticY = 4 * f.a * (0.05f * tw + f.e) + h * tw * 0.00025f * tw + tf * 0.0005f * B * B;
    DRZJBN(p.flangeRadius, 0.1f * H, 0.1f * B, 0.1f * tw, 0.1f * tf, t, kTriangle);
    p.flangeRatio = H * p.flangeRadius * 10 / B / tf;
}

void DeductWebOpening(SectionProperties& p, float H, float B, float tw, float d) {
    const float o = tw * 0.01f * d;
    p.webArea -= o;
    const float ix = p.inertiaX - d * 0.01f * d * o / 12;
    const float iy = p.inertiaY - tw * 0.01f * tw * o / 12;
    p.modulusX = 20 * ix / H;
    p.modulusY = 20 * iy / B;
    p.plasticX -= d * 0.025f * o;
    p.plasticY -= tw * 0.025f * o;
}

void RoundAll(SectionProperties& p) {
    RNJIS0(p.area, 4);
    RNJIS0(p.weight, 3);
    RNJIS0(p.webArea, 4);
    RNJIS0(p.flangeAreaTerm, 4);
    for (float* v : {&p.inertiaX, &p.inertiaY, &p.radiusX, &p.radiusY, &p.flangeRadius,
                     &p.flangeRatio, &p.modulusX, &p.modulusY, &p.plasticX, &p.plasticY}) {
        RNJIS0(*v, 3);
    }
}

bool Positive(float v) {
    return std::isfinite(v) && v > 0;
}
bool NonNegative(float v) {
    return std::isfinite(v) && v >= 0;
}

// Every dimension the kind uses must be a finite length; the plates must have
// positive size, the fillet and the opening may be 0.
bool UsableDimensions(float H, float B, float tw, float tf, float r, float d, int kind) {
    const bool filleted = kind == kRolled || kind == kWelded;
    return Positive(H) && Positive(B) && Positive(tw) && Positive(tf) &&
           (!filleted || NonNegative(r)) && NonNegative(d);
}

}  // namespace

Fillet DSCFIL(float t, int shape) {
    Fillet f;
    if (shape == 1) {
        f.s1 = 0.655136f * t;
        f.e = 0.223368f * t;
        f.m = (0.8333333f - 0.25f * kPi) * t * t * t;
        f.j = 0.0075451f * t * t * t * t;
    } else {
        f.s1 = t;
        f.e = t / 3;
        f.m = t * t * t / 6;
        f.j = t * t * t * t / 36;
    }
    f.a = 0.5f * f.s1 * f.s1;
    return f;
}

void SEC001(float& area, float& weight, float H, float B, float tw, float tf, float r) {
    area = ((H - 2 * tf) * tw + 2 * B * tf + 0.8584f * r * r) * 0.01f;
    weight = area * 0.785f;
}

void SEC002(SectionProperties& p, float H, float B, float tw, float tf, float r) {
    const float h = H - 2 * tf;
    const float fa = (4 - kPi) * r * r;  // four fillets
    const float c = (2 - 0.424413f * kPi) * r / (4 - kPi);
    const float g = r * r * r * r * (1.3333334f - 0.25f * kPi);
    const float cx = c + (0.5f * H - tf - r), cy = 0.5f * tw + r - c;
    p.inertiaX = static_cast<float>(
        ((cx * cx - c * c) * fa + PlateInertiaX(H, B, tw, tf) / 12 + g) * 0.0001);
    p.inertiaY = static_cast<float>(
        ((cy * cy - c * c) * fa + PlateInertiaY(H, B, tw, tf) / 12 + g) * 0.0001);
    float area = 0, weight = 0;
    SEC001(area, weight, H, B, tw, tf, r);
    p.radiusX = std::sqrt(p.inertiaX / area);
    p.radiusY = std::sqrt(p.inertiaY / area);
    p.modulusX = 20 * p.inertiaX / H;
    p.modulusY = 20 * p.inertiaY / B;
    const float f = 0.4292f * r * r;  // two fillets
    p.plasticX = ((h - 0.4467f * r) * f + h * h * tw * 0.25f + (H - tf) * B * tf) * 0.001f;
    p.plasticY = ((0.4467f * r + tw) * f + tw * tw * h * 0.25f + 0.5f * B * B * tf) * 0.001f;
    const float zoneArea = ((H / 6 - tf) * tw + 2 * (1 - 0.25f * kPi) * r * r + tf * B) * 0.01f;
    const float zoneInertia = (p.inertiaY - tw * tw * tw * H / 180000) * 0.5f;
    p.flangeRadius = std::sqrt(zoneInertia / zoneArea);
    p.flangeRatio = H * p.flangeRadius * 10 / B / tf;
}

void DRZJBN(float& radius, float H, float B, float tw, float tf, float t, int shape) {
    const Fillet f = DSCFIL(t, shape);
    const float hw = H / 6 - tf;
    const float zoneArea = B * tf + hw * tw + 2 * f.a;
    if (hw >= 0 && zoneArea > 0) {
        const float arm = 0.5f * tw + f.e;  // fillet centroid from the web's centre line
        const float zoneInertia =
            (tf * B * B * B + hw * tw * tw * tw) / 12 + 2 * (f.j + f.a * arm * arm);
        radius = std::sqrt(zoneInertia / zoneArea);
        return;
    }
    std::fprintf(stderr, "［DRZJBN］: DATA Error : H=%g B=%g tw=%g tf=%g\n", H, B, tw, tf);
}

}  // namespace kmr::engine

extern "C" void VF_HSPRPS(float* sectionArea, float* unitWeight, float* webArea,
                          float* flangeAreaTerm, float* inertiaX, float* inertiaY, float* radiusX,
                          float* radiusY, float* flangeRadius, float* flangeRatio, float* modulusX,
                          float* modulusY, float* plasticX, float* plasticY, float depth,
                          float width, float webThickness, float flangeThickness, float filletSize,
                          float webOpening, int32_t sectionKind, int32_t roundFlag) {
    using namespace kmr::engine;
    const float H = depth, B = width, tw = webThickness, tf = flangeThickness;
    const float r = filletSize, d = webOpening;
    SectionProperties p;
    p.flangeRadius = *flangeRadius;  // kept when the flange zone is empty
    if (!UsableDimensions(H, B, tw, tf, r, d, sectionKind)) {
        p = SectionProperties{};
    } else {
        if (sectionKind == kRolled) {
            SEC001(p.area, p.weight, H, B, tw, tf, r);
            SEC002(p, H, B, tw, tf, r);
        } else {
            BuiltUp(p, H, B, tw, tf, sectionKind == kWelded ? 0.1f * r : 0.0f);
        }
        p.webArea = (H - 2 * tf) * tw * 0.01f;
        p.flangeAreaTerm = B * 0.02f * tf / 1.5f;
        if (d > 0) DeductWebOpening(p, H, B, tw, d);
        if (roundFlag != 0) RoundAll(p);
    }
    *sectionArea = p.area;
    *unitWeight = p.weight;
    *webArea = p.webArea;
    *flangeAreaTerm = p.flangeAreaTerm;
    *inertiaX = p.inertiaX;
    *inertiaY = p.inertiaY;
    *radiusX = p.radiusX;
    *radiusY = p.radiusY;
    *flangeRadius = p.flangeRadius;
    *flangeRatio = p.flangeRatio;
    *modulusX = p.modulusX;
    *modulusY = p.modulusY;
    *plasticX = p.plasticX;
    *plasticY = p.plasticY;
}
