// RNJIS0: rounding to significant figures. The value is first cut to six
// significant figures, which removes the representation noise of a single
// precision number; the cut value is then an integer of six digits times a
// power of ten, and rounding it to n figures is done on that integer, so that
// an exact half (12.25 to three figures) is recognised and goes to the even
// neighbour.
#include <cmath>
#include <cstdint>

#include "array_view.h"
#include "section.h"

namespace kmr::engine {
namespace {

// v / 10^p rounded to single precision, the quotient formed from an exact
// power of ten.
float Scaled(float v, int p) {
    const double q = p < 0 ? v * IntPow(10.0, -p) : v / IntPow(10.0, p);
    return static_cast<float>(q);
}

// The six leading digits of v and their power of ten: v ≈ digits · 10^p.
int64_t SixFigures(float v, int& p) {
    const float L = std::log10(v);
    const int k = static_cast<int>(L);
    p = L >= 0 ? k - 5 : k - 6;
    int64_t digits = static_cast<int64_t>(Scaled(v, p));
    // log10 near a power of ten may be off by one digit either way.
    while (digits >= 1000000) digits = static_cast<int64_t>(Scaled(v, ++p));
    while (digits < 100000) digits = static_cast<int64_t>(Scaled(v, --p));
    return digits;
}

}  // namespace

void RNJIS0(float& v, int16_t n) {
    if (!std::isfinite(v) || !(v > 0) || n < 1) return;
    int p = 0;
    int64_t q = SixFigures(v, p);
    const int drop = 6 - n;
    if (drop > 0) {
        const int64_t unit = static_cast<int64_t>(IntPow(10.0, drop));
        const int64_t rest = q % unit, half = unit / 2;
        q /= unit;
        if (rest > half || (rest == half && q % 2 == 1)) ++q;
        p += drop;
    }
    const double r = p < 0 ? q / IntPow(10.0, -p) : q * IntPow(10.0, p);
    v = static_cast<float>(r);
}

}  // namespace kmr::engine
