// The slab load of the full-span button: the share of a two-way slab inside
// the 45° lines, as the distance, lengths and load height of a load over the
// whole span. A trapezoid is the load on the long side (Lx, the short side,
// at most the span): rises of Lx/2, flat S − Lx, height Lx/2. A triangle is
// the load on the short side (Ly, the long side, at least the span): base S,
// height S/2. No widgets here.
#pragma once

#include <QString>
#include <variant>

namespace kmr::ui {

constexpr int kTrapezoidLoad = 4;  // 台形
constexpr int kTriangleLoad = 5;   // 三角

struct SlabLoadFields {
    double L = 0, L1 = 0, L2 = 0, H = 0;
};

// The refusal: the message shown; the dialog stays open.
struct SlabRefusal {
    QString Message;
};

// span S and dimension v (0 when the field is empty).
std::variant<SlabLoadFields, SlabRefusal> ComputeSlabLoad(int loadType, double span, double v);

// The texts of the dialog by load type.
QString SlabTitle(int loadType);      // Label1
QString SlabDimension(int loadType);  // Label2

}  // namespace kmr::ui
