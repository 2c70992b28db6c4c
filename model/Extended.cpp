// Exact conversions between the 80-bit extended real and double, done on the
// bytes so that the result does not depend on the host's long double.
#include <cmath>
#include <cstring>
#include <limits>

#include "model/Model.h"

namespace kmr {
namespace {

constexpr int kBias = 16383;
constexpr std::uint64_t kIntegerBit = 0x8000000000000000ULL;

std::uint64_t Significand(const std::array<std::uint8_t, 10>& b) {
    std::uint64_t s = 0;
    for (int i = 7; i >= 0; --i) s = (s << 8) | b[i];
    return s;
}

std::uint16_t SignExponent(const std::array<std::uint8_t, 10>& b) {
    return static_cast<std::uint16_t>(b[8] | (b[9] << 8));
}

void Store(std::array<std::uint8_t, 10>& b, std::uint64_t sig, std::uint16_t signExp) {
    for (int i = 0; i < 8; ++i) b[i] = static_cast<std::uint8_t>(sig >> (8 * i));
    b[8] = static_cast<std::uint8_t>(signExp & 0xFF);
    b[9] = static_cast<std::uint8_t>(signExp >> 8);
}

int LeadingZeros(std::uint64_t v) {
    int n = 0;
    while (!(v & kIntegerBit)) {
        v <<= 1;
        ++n;
    }
    return n;
}

// sig * 2^exp2 (sig != 0) rounded to the nearest double, ties to even.
double RoundToDouble(std::uint64_t sig, int exp2) {
    const int lz = LeadingZeros(sig);
    sig <<= lz;
    exp2 -= lz;
    const int topExponent = exp2 + 63;  // value in [2^top, 2^(top+1))
    int drop = 11;                      // 64 - 53 significant bits
    if (topExponent < -1022) drop += -1022 - topExponent;
    if (drop > 64) return 0.0;
    std::uint64_t kept = drop == 64 ? 0 : sig >> drop;
    const std::uint64_t rem = drop == 64 ? sig : sig & ((std::uint64_t{1} << drop) - 1);
    const std::uint64_t half = std::uint64_t{1} << (drop - 1);
    if (rem > half || (rem == half && (kept & 1))) ++kept;
    return std::ldexp(static_cast<double>(kept), exp2 + drop);
}

}  // namespace

double Extended::Value() const {
    const std::uint64_t sig = Significand(bytes);
    const std::uint16_t se = SignExponent(bytes);
    const bool negative = (se & 0x8000) != 0;
    const int exponent = se & 0x7FFF;
    double v = 0.0;
    if (exponent == 0x7FFF) {
        const bool infinity = (sig & kIntegerBit) && (sig << 1) == 0;
        v = infinity ? std::numeric_limits<double>::infinity()
                     : std::numeric_limits<double>::quiet_NaN();
    } else if (exponent != 0 && !(sig & kIntegerBit)) {
        v = std::numeric_limits<double>::quiet_NaN();  // unnormal: an invalid operand
    } else if (sig != 0) {
        // Denormals (and pseudo-denormals) use the exponent of the smallest normal.
        v = RoundToDouble(sig, (exponent == 0 ? 1 : exponent) - kBias - 63);
    }
    return negative ? -v : v;
}

bool Extended::IsFinite() const {
    return std::isfinite(Value());
}

bool Extended::IsBelow(double limit) const {
    const double v = Value();
    if (v != limit) return v < limit;  // rounding is monotonic
    const std::uint16_t se = SignExponent(bytes);
    const std::uint64_t sig = Significand(bytes);
    const bool negative = (se & 0x8000) != 0;
    if (v == 0.0) return negative && sig != 0;  // a denormal rounds to zero
    // Both normal and of one sign: compare exponent, then significand.
    const Extended exact(limit);
    const int e = se & 0x7FFF, le = SignExponent(exact.bytes) & 0x7FFF;
    const std::uint64_t ls = Significand(exact.bytes);
    if (e == le && sig == ls) return false;
    const bool larger = e != le ? e > le : sig > ls;
    return negative ? larger : !larger;
}

void Extended::Set(double v) {
    std::uint64_t bits = 0;
    std::memcpy(&bits, &v, sizeof bits);
    const std::uint16_t sign = (bits >> 63) ? 0x8000 : 0;
    const int exponent = static_cast<int>((bits >> 52) & 0x7FF);
    const std::uint64_t mantissa = bits & 0xFFFFFFFFFFFFFULL;
    if (exponent == 0x7FF) {
        const std::uint64_t sig = kIntegerBit | (mantissa << 11);
        Store(bytes, sig, static_cast<std::uint16_t>(sign | 0x7FFF));
    } else if (exponent == 0 && mantissa == 0) {
        Store(bytes, 0, sign);
    } else if (exponent == 0) {
        const int lz = LeadingZeros(mantissa);
        const int e = -1074 - lz + 63 + kBias;
        Store(bytes, mantissa << lz, static_cast<std::uint16_t>(sign | e));
    } else {
        const int e = exponent - 1023 + kBias;
        Store(bytes, kIntegerBit | (mantissa << 11), static_cast<std::uint16_t>(sign | e));
    }
}

}  // namespace kmr
