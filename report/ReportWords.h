// Words and number texts shared by the report sections: type words of loads
// and supports, the force-unit word, and the number formats as QString.
#pragma once

#include <QString>

#include "calc/Units.h"
#include "model/Model.h"

namespace kmr {

// Layout values common to the tables of the report sections.
constexpr float kRowHeight = 0.5f;  // cm
constexpr int kTableFontSize = 9;   // pt
constexpr int kTitleFontSize = 10;  // pt

// Member-load type words by code 0..5; empty for any other code.
QString MemberLoadWord(int code);
// Node-load type words by code 0..1; empty for any other code.
QString NodeLoadWord(int code);

// "t" or "kN".
QString OutputUnitWord(ForceUnit unit);

inline QString ByMagnitude(double v) {
    return QString::fromStdString(FormatByMagnitude(v));
}
inline QString Fixed(double v, int decimals) {
    return QString::fromStdString(FormatFixed(v, decimals));
}
// A member or support name of the model.
template <std::size_t N>
QString NameText(const ShortString<N>& name) {
    return QString::fromLatin1(name.Str().c_str());
}

}  // namespace kmr
