// The slab load of the full-span button: one slab dimension (Lx for a
// trapezoid, Ly for a triangle) turned into the distance, lengths and load
// height of a load over the whole span. No widgets here.
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
