#include "SlabLoad.h"
#include "model/Model.h"

namespace kmr::ui {

std::variant<SlabLoadFields, SlabRefusal> ComputeSlabLoad(int loadType, double span, double v) {
    if (static_cast<float>(v) < kmr::kEpsilon)
        return SlabRefusal{QStringLiteral("Lx, Ly が入力されていません。")};
    if (loadType == kTrapezoidLoad) {
        if (v > span) {
            return SlabRefusal{
                QStringLiteral("ＮＧ： Lx ＞ スパン長  [台形荷重]\r\n\r\n       Lx "
                               "はスパン長以下にしてください。")};
        }
        return SlabLoadFields{0, v / 2, span - v, v / 2};
    }
    if (v < span) {
        return SlabRefusal{QStringLiteral(
            "ＮＧ： Ly ＜ スパン長  [三角荷重]\r\n\r\n       Ly はスパン長以上にしてください。")};
    }
    // The member is the short side of the slab (Ly is checked only to make
    // sure of that): the 45° lines meet over mid-span at half the span.
    return SlabLoadFields{0, span, 0, span / 2};
}

QString SlabTitle(int loadType) {
    return loadType == kTrapezoidLoad ? QStringLiteral("台形荷重") : QStringLiteral("三角荷重");
}

QString SlabDimension(int loadType) {
    return loadType == kTrapezoidLoad ? QStringLiteral("短辺長さ Lx (m)")
                                      : QStringLiteral("長辺長さ Ly (m)");
}

}  // namespace kmr::ui
