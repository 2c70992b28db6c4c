// VF_CMQGIR: fixed-end moments, simple-beam moment, end shears and EI times
// the deflection of one member load, as the sum of its pieces. A falling
// triangle is computed as the rising triangle of the mirrored beam.
#include "cmq.h"

#include <cmath>

#include "codes.h"
#include "kmrengine.h"

namespace kmr::engine {
namespace {

// Reactions and moment-area terms of one piece: B = (1/L) ∫ M0 (L - x) dx and
// G = -(1/L) ∫ M0 x dx, M0 the simple-beam moment.
struct PieceTerms {
    float rl = 0.0f, rr = 0.0f, b = 0.0f, g = 0.0f;
};

// Moment and EI * deflection of a simple-beam section at x.
struct SectionValues {
    float moment = 0.0f, deflectionEI = 0.0f;
};

PieceTerms ConcentratedTerms(double L, double a, double P) {
    PieceTerms t;
    t.rl = static_cast<float>((L - a) * P / L);
    t.rr = static_cast<float>(a * P / L);
    t.b = static_cast<float>(a * (0.5 * t.rl) * (a * (L - a / 1.5) + (L - a) * (L - a) / 1.5) / L);
    t.g = static_cast<float>(t.b - 0.5 * t.rl * a * L);
    return t;
}

PieceTerms UniformTerms(double L, double a, double q, double w) {
    PieceTerms t;
    const float W = static_cast<float>(w * q);
    t.rl = static_cast<float>((L - a - 0.5 * q) * W / L);
    t.rr = W - t.rl;
    const double c = L - a - q;
    const float A0 = static_cast<float>(q * (t.rl * (a + 0.5 * q) - W * q / 6.0) +
                                        a * a * 0.5 * t.rl + 0.5 * t.rr * c * c);
    const float S1 = static_cast<float>(
        q * (t.rl * (q * q / 3.0 + a * (a + q)) - W * q * (3.0 * q + 4.0 * a) / 24.0) / L +
        a * a * a * t.rl / 3.0 / L + t.rr * c * c * (L + 2.0 * (a + q)) / 6.0 / L);
    t.b = A0 - S1;
    t.g = -S1;
    return t;
}

PieceTerms RisingTerms(double L, double a, double q, double w) {
    PieceTerms t;
    const float W = static_cast<float>(0.5 * w * q);
    t.rl = static_cast<float>((L - a - q / 1.5) * W / L);
    t.rr = W - t.rl;
    const double c = L - a - q;
    const float A0 = static_cast<float>(q * (t.rl * (a + 0.5 * q) - W * q / 12.0) +
                                        a * a * 0.5 * t.rl + 0.5 * t.rr * c * c);
    const float S1 = static_cast<float>(
        q * (t.rl * (q * q / 3.0 + a * (a + q)) - W * q * (0.2 * q + 0.25 * a) / 3.0) / L +
        a * a * a * t.rl / 3.0 / L + t.rr * c * c * (L + 2.0 * (a + q)) / 6.0 / L);
    t.b = A0 - S1;
    t.g = -S1;
    return t;
}

// Kinds 1 to 3 at x; outside the loaded interval the unloaded-beam formulas.
SectionValues CmqSection(int kind, double L, double a, double q, double w, const PieceTerms& t,
                         double x) {
    SectionValues s;
    const double rl = t.rl, rr = t.rr, B = t.b, G = t.g;
    if (x <= a) {
        s.moment = static_cast<float>(rl * x);
        s.deflectionEI = static_cast<float>(x * B - rl * x * x * x / 6.0);
    } else if (kind == kConcentrated || x > a + q) {
        const double r = L - x;
        s.moment = static_cast<float>(rr * r);
        s.deflectionEI = static_cast<float>(-r * G - rr * r * r * r / 6.0);
    } else if (kind == kUniform) {
        const double d = x - a;
        s.moment = static_cast<float>(rl * x - 0.5 * w * d * d);
        s.deflectionEI =
            static_cast<float>(x * B - 0.5 * rl * a * a * (x - a / 1.5) -
                               0.5 * d * d * (rl * (x + 2.0 * a) / 3.0 - w * d * d / 12.0));
    } else {
        const double d = x - a;
        s.moment = static_cast<float>(rl * x - w * d * d * d / (6.0 * q));
        s.deflectionEI = static_cast<float>(
            x * B - 0.5 * rl * a * a * (x - a / 1.5) -
            d * d * (0.5 * rl * (x + 2.0 * a) / 3.0 - w * d * d * d / (120.0 * q)));
    }
    return s;
}

struct FixedEnd {
    float left = 0.0f, right = 0.0f;
};

// Conditions 1 and 2 arrive already exchanged for a mirrored piece.
FixedEnd FixedEndMoments(int endCondition, double L, double s, const PieceTerms& t) {
    FixedEnd c;
    const double B = t.b, G = t.g;
    switch (endCondition) {
        case 0:
        case 3:
            c.left =
                static_cast<float>(-2.0 * ((2.0 + s) * B + (1.0 - s) * G) / (2.0 * s + 1.0) / L);
            c.right =
                static_cast<float>(-2.0 * ((1.0 - s) * B + (2.0 + s) * G) / (2.0 * s + 1.0) / L);
            break;
        case 1:
            c.left = static_cast<float>(-3.0 * B / L);
            break;
        case 2:
            c.right = static_cast<float>(-3.0 * G / L);
            break;
        default:
            break;  // no fixed-end moments for an unknown condition
    }
    return c;
}

PieceTerms Terms(int kind, double L, double a, double q, double w) {
    switch (kind) {
        case kConcentrated:
            return ConcentratedTerms(L, a, w);
        case kUniform:
            return UniformTerms(L, a, q, w);
        default:
            return RisingTerms(L, a, q, w);
    }
}

int MirroredCondition(int endCondition) {
    if (endCondition == 1) return 2;
    if (endCondition == 2) return 1;
    return endCondition;
}

}  // namespace

void CmqPiece(int kind, int endCondition, float L, float a, float q, float w, float springRatio,
              float sectionX, CmqOutputs& out) {
    const bool mirrored = kind == kFalling;
    const int evalKind = mirrored ? kRising : kind;
    const float start = mirrored ? L - a - q : a;
    const float x = mirrored ? L - sectionX : sectionX;
    const PieceTerms t = Terms(evalKind, L, start, q, w);
    const FixedEnd c = FixedEndMoments(mirrored ? MirroredCondition(endCondition) : endCondition, L,
                                       springRatio, t);
    const SectionValues s = CmqSection(evalKind, L, start, q, w, t, x);
    if (mirrored) {
        out.cLeft += -c.right;
        out.cRight += -c.left;
        out.qLeft += t.rr;
        out.qRight += -t.rl;
    } else {
        out.cLeft += c.left;
        out.cRight += c.right;
        out.qLeft += t.rl;
        out.qRight += -t.rr;
    }
    out.m0 += s.moment;
    out.deflectionEI += s.deflectionEI;
    out.extraTerm += s.moment;
}

}  // namespace kmr::engine

extern "C" void VF_CMQGIR(int32_t endCondition, float span, float loadStart, float loadLength,
                          float riseLength, float flatLength, float loadValue, float startFactor,
                          float endFactor, int32_t loadType, float endSpringRatio, float sectionX,
                          float* cLeft, float* cRight, float* m0, float* qLeft, float* qRight,
                          float* deflectionEI, float* extraTerm) {
    using namespace kmr::engine;
    const float e = 1.0e-6f;
    const int ec = endCondition;
    const float L = span, s = endSpringRatio, x = sectionX;
    CmqOutputs o;
    if (loadType == kConcentratedLoad) {
        CmqPiece(kConcentrated, ec, L, loadStart, 0.0f, loadValue, s, x, o);
    } else {
        if (riseLength >= e) {
            CmqPiece(kRising, ec, L, loadStart, riseLength, startFactor * loadValue, s, x, o);
        }
        if (flatLength >= e) {
            const float a = loadStart + riseLength;
            const float base = std::fmin(startFactor, endFactor) * loadValue;
            CmqPiece(kUniform, ec, L, a, flatLength, base, s, x, o);
            if (!(std::fabs(startFactor - endFactor) < e)) {
                const int kind = startFactor < endFactor ? kRising : kFalling;
                const float w = std::fabs(startFactor - endFactor) * loadValue;
                CmqPiece(kind, ec, L, a, flatLength, w, s, x, o);
            }
        }
        const float fall = loadLength - riseLength - flatLength;
        if (fall >= e) {
            const float a = loadStart + riseLength + flatLength;
            CmqPiece(kFalling, ec, L, a, fall, endFactor * loadValue, s, x, o);
        }
    }
    *cLeft = o.cLeft;
    *cRight = o.cRight;
    *m0 = o.m0;
    *qLeft = o.qLeft;
    *qRight = o.qRight;
    *deflectionEI = o.deflectionEI;
    *extraTerm = o.extraTerm;
}
