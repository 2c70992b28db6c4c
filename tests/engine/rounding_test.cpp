// Rounding of section properties to significant figures.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "section.h"

namespace kmr::engine {
namespace {

TEST(Rnjis0, RoundsToSignificantFiguresWithHalvesToEven) {
    struct Row {
        float in;
        int16_t n;
        float out;
    };
    const Row rows[] = {
        {26.12f, 4, 26.12f},
        {20.5042f, 3, 20.5f},
        {12.25f, 3, 12.2f},
        {12.35f, 3, 12.4f},
        {12.2501f, 3, 12.3f},
        {0.0012345f, 4, 0.001234f},
        {0.0012355f, 4, 0.001236f},
        {0.0012345f, 3, 0.00123f},
        {99999.95f, 3, 100000.0f},
        {1.0f, 3, 1.0f},
        {0.1f, 3, 0.1f},
        {123456789.0f, 3, 123000000.0f},
        {1805.6f, 3, 1810.0f},
        {7.5f, 1, 8.0f},
        {8.5f, 1, 8.0f},
        {3.14159265f, 6, 3.14159f},
    };
    for (const Row& r : rows) {
        float v = r.in;
        RNJIS0(v, r.n);
        EXPECT_FLOAT_EQ(v, r.out) << r.in << " to " << r.n << " figures";
    }
}

TEST(Rnjis0, LeavesNonPositiveAndNonFiniteValuesAlone) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    for (float in : {0.0f, -0.0f, -12.25f, -inf, inf}) {
        float v = in;
        RNJIS0(v, 3);
        EXPECT_EQ(v, in);
    }
    float v = nan;
    RNJIS0(v, 3);
    EXPECT_TRUE(std::isnan(v));
}

TEST(Rnjis0, ExtremeMagnitudes) {
    for (float in : {std::numeric_limits<float>::max(), std::numeric_limits<float>::min(),
                     std::numeric_limits<float>::denorm_min(), 1e-30f, 1e30f}) {
        float v = in;
        RNJIS0(v, 3);
        EXPECT_NEAR(v, in, 0.006 * in) << in;
        EXPECT_GT(v, 0.0f);
    }
}

}  // namespace
}  // namespace kmr::engine
