#include "calc/Units.h"

#include <gtest/gtest.h>

namespace kmr {
namespace {

TEST(Units, UnitFactorBetweenTheSystems) {
    EXPECT_EQ(UnitFactor(0, 0), 1.0);
    EXPECT_EQ(UnitFactor(1, 1), 1.0);
    EXPECT_EQ(UnitFactor(0, 1), 9.80665);
    EXPECT_NEAR(UnitFactor(1, 0), 0.1019716, 5e-8);
    EXPECT_NEAR(UnitFactor(1, 0) * 9.80665, 1.0, 1e-7);
    EXPECT_STREQ(ForceUnitWord(0), "t");
    EXPECT_STREQ(ForceUnitWord(1), "kN");
}

TEST(Units, FormatByMagnitude) {
    const struct {
        double value;
        const char* text;
    } rows[] = {
        {0.0, "0.000"},        {4.5, "4.500"},        {-0.0004, "0.000"},     {-0.0006, "-0.001"},
        {99.9994, "99.999"},   {100.0, "100.00"},     {-123.4567, "-123.46"}, {999.994, "999.99"},
        {1000.0, "1000.0"},    {-9999.94, "-9999.9"}, {10000.0, "10000"},     {123456.7, "123457"},
        {-12.3456, "-12.346"}, {0.00049, "0.000"},    {1e-7, "0.000"},
    };
    for (const auto& row : rows) EXPECT_EQ(FormatByMagnitude(row.value), row.text) << row.value;
}

TEST(Units, SectionValueFormats) {
    EXPECT_EQ(FormatSectionValue(9.5), "9.500");
    EXPECT_EQ(FormatSectionValue(45.0), "45.00");
    EXPECT_EQ(FormatSectionValue(12000.0), "12000.0");
    EXPECT_EQ(FormatSectionValue(2059.3965), "2059.4");
    EXPECT_EQ(FormatFixed(1234567.891, 3), "1234567.891");
}

}  // namespace
}  // namespace kmr
