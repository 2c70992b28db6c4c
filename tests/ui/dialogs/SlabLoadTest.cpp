// The slab load of the full-span button without widgets.
#include <gtest/gtest.h>

#include "dialogs/SlabLoad.h"

namespace kmr::ui {
namespace {

const QString kNoValue = QStringLiteral("Lx, Ly が入力されていません。");
const QString kTrapezoidNG = QStringLiteral(
    "ＮＧ： Lx ＞ スパン長  [台形荷重]\r\n\r\n       Lx はスパン長以下にしてください。");
const QString kTriangleNG = QStringLiteral(
    "ＮＧ： Ly ＜ スパン長  [三角荷重]\r\n\r\n       Ly はスパン長以上にしてください。");

TEST(SlabLoadTest, FieldsAndRefusals) {
    const struct {
        int type;
        double span, v;
        SlabLoadFields fields;
        const QString* refusal;
    } cases[] = {
        {4, 6, 4, {0, 2, 2, 2}, nullptr},
        {4, 6, 6, {0, 3, 0, 3}, nullptr},  // Lx equal to the span is accepted
        {4, 6, 6.5, {}, &kTrapezoidNG},
        {4, 6, 0, {}, &kNoValue},
        {4, 6, 0.0000009, {}, &kNoValue},
        {5, 4, 6, {0, 4, 0, 2}, nullptr},  // height S/2 whatever Ly
        {5, 4, 4, {0, 4, 0, 2}, nullptr},  // Ly equal to the span is accepted
        {5, 4, 3, {}, &kTriangleNG},
        {5, 4, 0, {}, &kNoValue},
    };
    for (const auto& c : cases) {
        const auto out = ComputeSlabLoad(c.type, c.span, c.v);
        if (c.refusal) {
            ASSERT_TRUE(std::holds_alternative<SlabRefusal>(out)) << c.type << " " << c.v;
            EXPECT_EQ(std::get<SlabRefusal>(out).Message, *c.refusal);
            continue;
        }
        ASSERT_TRUE(std::holds_alternative<SlabLoadFields>(out)) << c.type << " " << c.v;
        const SlabLoadFields f = std::get<SlabLoadFields>(out);
        EXPECT_EQ(f.L, c.fields.L);
        EXPECT_EQ(f.L1, c.fields.L1);
        EXPECT_EQ(f.L2, c.fields.L2);
        EXPECT_EQ(f.H, c.fields.H);
    }
}

// The trapezoid is the share of the slab inside the 45° lines: two rises of
// Lx/2 and a flat part fill the span, and its area is (2S − Lx)·Lx/4.
TEST(SlabLoadTest, TrapezoidIsTheShareInsideTheFortyFiveDegreeLines) {
    for (double lx : {0.5, 1.0, 2.7, 4.0, 5.9, 6.0}) {
        const double s = 6.0;
        const auto f = std::get<SlabLoadFields>(ComputeSlabLoad(4, s, lx));
        EXPECT_DOUBLE_EQ(2 * f.L1 + f.L2, s);
        EXPECT_DOUBLE_EQ(f.H, f.L1);  // 45°: rise as long as it is high
        EXPECT_NEAR(f.H * (s + f.L2) / 2, (2 * s - lx) * lx / 4, 1e-12);
    }
}

// The triangle is the share of the short side: base S, apex at mid-span,
// area S²/4 whatever the long side; a square slab gives every side the same.
TEST(SlabLoadTest, TriangleIsTheShareOfTheShortSide) {
    const double s = 4.0;
    for (double ly : {4.0, 5.0, 6.0, 12.0}) {
        const auto f = std::get<SlabLoadFields>(ComputeSlabLoad(5, s, ly));
        EXPECT_DOUBLE_EQ(f.L1, s);
        EXPECT_DOUBLE_EQ(f.H, f.L1 / 2);  // 45°
        EXPECT_DOUBLE_EQ(f.L1 * f.H / 2, s * s / 4);
    }
    const auto tri = std::get<SlabLoadFields>(ComputeSlabLoad(5, s, s));
    const auto trap = std::get<SlabLoadFields>(ComputeSlabLoad(4, s, s));
    EXPECT_DOUBLE_EQ(tri.H, trap.H);
    const double trapBase = 2 * trap.L1 + trap.L2;
    EXPECT_DOUBLE_EQ(tri.L1 * tri.H / 2, trap.H * (trapBase + trap.L2) / 2);
}

TEST(SlabLoadTest, TextsByType) {
    EXPECT_EQ(SlabTitle(4), QStringLiteral("台形荷重"));
    EXPECT_EQ(SlabTitle(5), QStringLiteral("三角荷重"));
    EXPECT_EQ(SlabDimension(4), QStringLiteral("短辺長さ Lx (m)"));
    EXPECT_EQ(SlabDimension(5), QStringLiteral("長辺長さ Ly (m)"));
}

}  // namespace
}  // namespace kmr::ui
