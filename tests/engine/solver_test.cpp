// The elimination routine behind every analysis pass.
#include <gtest/gtest.h>

#include <vector>

#include "girder_pass.h"

namespace kmr::engine {
namespace {

TEST(SolveLinear, SolvesADenseSystem) {
    // Column-major 3 x 3; solution (1, -2, 3).
    std::vector<double> k = {4, 2, -1, 1, 5, 3, 2, -1, 6};
    std::vector<double> f = {4 * 1 + 1 * -2 + 2 * 3, 2 * 1 + 5 * -2 - 1 * 3,
                             -1 * 1 + 3 * -2 + 6 * 3};
    SolveLinear(f.data(), k.data(), 3);
    EXPECT_NEAR(f[0], 1.0, 1e-12);
    EXPECT_NEAR(f[1], -2.0, 1e-12);
    EXPECT_NEAR(f[2], 3.0, 1e-12);
}

TEST(SolveLinear, EqualPivotsChooseTheLaterRow) {
    // Rows (1 2) and (1 3): equal magnitudes in column 1. Taking row 2 as the
    // pivot leaves K(2,2) = 2 - 1 * 3 = -1; taking row 1 would leave +1.
    std::vector<double> k = {1, 1, 2, 3};
    std::vector<double> f = {3, 4};
    SolveLinear(f.data(), k.data(), 2);
    EXPECT_DOUBLE_EQ(k[3], -1.0);
    EXPECT_NEAR(f[0], 1.0, 1e-12);
    EXPECT_NEAR(f[1], 1.0, 1e-12);
}

TEST(SolveLinear, PenaltyDiagonalHoldsItsUnknown) {
    std::vector<double> k = {1e25, 1, 1, 2};
    std::vector<double> f = {0, 4};
    SolveLinear(f.data(), k.data(), 2);
    EXPECT_NEAR(f[0], 0.0, 1e-20);
    EXPECT_NEAR(f[1], 2.0, 1e-12);
}

TEST(SolveLinear, ZeroPivotDoesNotStop) {
    std::vector<double> k = {0, 0, 0, 0};
    std::vector<double> f = {1, 1};
    SolveLinear(f.data(), k.data(), 2);  // singular: numbers come back unchecked
    SUCCEED();
}

}  // namespace
}  // namespace kmr::engine
