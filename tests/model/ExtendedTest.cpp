// The extended real against hand-built bit patterns and, on x86, against the
// FPU's own 80-bit format (an independent conversion).
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <random>

#include "model/Model.h"

namespace kmr {
namespace {

Extended Make(std::uint64_t sig, std::uint16_t signExp) {
    Extended e;
    for (int i = 0; i < 8; ++i) e.bytes[i] = static_cast<std::uint8_t>(sig >> (8 * i));
    e.bytes[8] = static_cast<std::uint8_t>(signExp);
    e.bytes[9] = static_cast<std::uint8_t>(signExp >> 8);
    return e;
}

std::uint64_t Bits(double d) {
    std::uint64_t b;
    std::memcpy(&b, &d, sizeof b);
    return b;
}

constexpr std::uint64_t kOne = 0x8000000000000000ULL;

TEST(Extended, KnownPatternsBothWays) {
    struct Case {
        std::uint64_t sig;
        std::uint16_t signExp;
        double value;
    };
    const Case cases[] = {
        {0, 0, 0.0},
        {kOne, 0x3FFF, 1.0},
        {0xA000000000000000ULL, 0xC000, -2.5},  // -1.25 * 2^1
        {0xCCCCCCCCCCCCD000ULL, 0x3FFB, 0.1},   // 0.1 as a double, widened
        {kOne, 0x3FFF + 1023, std::ldexp(1.0, 1023)},
        {kOne, 0x3FFF - 1022, std::numeric_limits<double>::min()},
        {kOne, 0x3FFF - 1074, std::numeric_limits<double>::denorm_min()},
        {0xFFFFFFFFFFFFF800ULL, 0x3FFF + 1023, std::numeric_limits<double>::max()},
        {kOne, 0x7FFF, std::numeric_limits<double>::infinity()},
        {kOne, 0xFFFF, -std::numeric_limits<double>::infinity()},
    };
    for (const Case& c : cases) {
        const Extended e = Make(c.sig, c.signExp);
        EXPECT_EQ(Bits(e.Value()), Bits(c.value)) << c.value;
        EXPECT_EQ(Extended(c.value).bytes, e.bytes) << c.value;
    }
    EXPECT_EQ(Extended(-0.0).bytes, Make(0, 0x8000).bytes);
}

TEST(Extended, RoundsToNearestEvenAndSaturates) {
    struct Case {
        std::uint64_t sig;
        std::uint16_t signExp;
        double value;
    };
    const double ulp = std::ldexp(1.0, -52);
    const Case cases[] = {
        {kOne | 0x400, 0x3FFF, 1.0},            // tie, even stays
        {kOne | 0xC00, 0x3FFF, 1.0 + 2 * ulp},  // tie, odd rounds up
        {kOne | 0x401, 0x3FFF, 1.0 + ulp},      // above the tie
        {kOne | 0x3FF, 0x3FFF, 1.0},            // below the tie
        {~0ULL, 0x3FFF, 2.0},                   // carry into the exponent
        {~0ULL, 0x3FFF + 1023, std::numeric_limits<double>::infinity()},
        {kOne, 0x3FFF + 1024, std::numeric_limits<double>::infinity()},
        {kOne, 0x3FFF - 1075, 0.0},  // half the smallest: tie to 0
        {kOne | 1, 0x3FFF - 1075, std::numeric_limits<double>::denorm_min()},
        {kOne, 0x3FFF - 1076, 0.0},
        {kOne, 1, 0.0},  // smallest extended normal
        {kOne, 0, 0.0},  // pseudo-denormal
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Bits(Make(c.sig, c.signExp).Value()), Bits(c.value)) << std::hex << c.sig;
    }
}

TEST(Extended, InvalidEncodingsAreNotFinite) {
    const Extended invalid[] = {
        Make(0x4000000000000000ULL, 0x3FFF),  // unnormal (no integer bit)
        Make(0, 0x7FFF),                      // pseudo-infinity
        Make(0xC000000000000000ULL, 0x7FFF),  // quiet NaN
        Make(kOne | 1, 0xFFFF),               // signalling NaN
    };
    for (const Extended& e : invalid) {
        EXPECT_TRUE(std::isnan(e.Value()));
        EXPECT_FALSE(e.IsFinite());
    }
    EXPECT_FALSE(Extended(std::numeric_limits<double>::infinity()).IsFinite());
    EXPECT_TRUE(std::isnan(Extended(std::nan("")).Value()));
    EXPECT_TRUE(Make(0x123, 0).IsFinite());  // denormal
}

TEST(Extended, IsBelowComparesExactValues) {
    const double eps = static_cast<double>(kEpsilon);
    const Extended atEps(eps);
    // The single 1e-6 has 24 significant bits: 2^-20 * 0x8637BD00'00000000 / 2^63.
    ASSERT_EQ(atEps.bytes, Make(0x8637BD0000000000ULL, 0x3FFF - 20).bytes);
    const Extended justBelow = Make(0x8637BCFFFFFFFFFFULL, 0x3FFF - 20);
    const Extended justAbove = Make(0x8637BD0000000001ULL, 0x3FFF - 20);
    ASSERT_EQ(justBelow.Value(), eps);  // both round to eps as doubles
    ASSERT_EQ(justAbove.Value(), eps);
    EXPECT_TRUE(justBelow.IsBelow(eps));
    EXPECT_FALSE(atEps.IsBelow(eps));
    EXPECT_FALSE(justAbove.IsBelow(eps));
    EXPECT_TRUE(Extended(-eps).IsBelow(-eps / 2));
    EXPECT_TRUE(Make(1, 0x8000).IsBelow(0.0));   // tiny negative denormal
    EXPECT_FALSE(Make(1, 0x0000).IsBelow(0.0));  // tiny positive denormal
    EXPECT_FALSE(Extended(std::nan("")).IsBelow(1.0));
    EXPECT_TRUE(IsUnset(Extended(0.0)));
    EXPECT_TRUE(IsUnset(Extended(-5.0)));
    EXPECT_FALSE(IsUnset(Extended(eps)));
}

#if defined(__x86_64__) || defined(__i386__)
static_assert(std::numeric_limits<long double>::digits == 64, "x87 extended long double");

long double Hardware(const Extended& e) {
    long double x = 0;
    std::memcpy(&x, e.bytes.data(), 10);
    return x;
}

TEST(Extended, AgreesWithTheFpuOnRandomPatterns) {
    std::mt19937_64 rng(20240611);
    for (int i = 0; i < 200000; ++i) {
        std::uint64_t sig = rng();
        // Exponents around the double range, its edges and the extremes.
        const int spread = static_cast<int>(rng() % 4);
        int exp = spread == 0 ? static_cast<int>(rng() % 0x8000)
                              : 0x3FFF + static_cast<int>(rng() % 2300) - 1150;
        if (spread == 3) exp = static_cast<int>(rng() % 3);
        if ((rng() & 7) == 0) sig &= ~0ULL << (rng() % 64);  // short significands: ties
        if (exp != 0 && (rng() & 15)) sig |= kOne;           // mostly valid encodings
        const auto signExp = static_cast<std::uint16_t>(exp | ((rng() & 1) << 15));
        const Extended e = Make(sig, signExp);
        const double expected = static_cast<double>(Hardware(e));
        if (std::isnan(expected)) {
            EXPECT_TRUE(std::isnan(e.Value())) << std::hex << sig << " " << signExp;
        } else {
            ASSERT_EQ(Bits(e.Value()), Bits(expected)) << std::hex << sig << " " << signExp;
        }
    }
}

TEST(Extended, WideningMatchesTheFpu) {
    std::mt19937_64 rng(7);
    for (int i = 0; i < 100000; ++i) {
        const std::uint64_t bits = rng();
        double d;
        std::memcpy(&d, &bits, sizeof d);
        if (std::isnan(d)) continue;  // NaN payload handling differs by design
        const long double wide = d;
        Extended expected;
        std::memcpy(expected.bytes.data(), &wide, 10);
        ASSERT_EQ(Extended(d).bytes, expected.bytes) << d;
        ASSERT_EQ(Bits(Extended(d).Value()), bits);
    }
}
#endif

}  // namespace
}  // namespace kmr
