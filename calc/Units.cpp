#include "calc/Units.h"

#include <charconv>
#include <cmath>

#include "model/Model.h"

namespace kmr {

double UnitFactor(int inputUnit, int outputUnit) {
    if (inputUnit == outputUnit) return 1.0;
    if (inputUnit == kUnitTon && outputUnit == kUnitKiloNewton) return 9.80665;
    if (inputUnit == kUnitKiloNewton && outputUnit == kUnitTon) return double(float(1.0 / 9.80665));
    return 1.0;
}

const char* ForceUnitWord(int unit) {
    return unit == kUnitKiloNewton ? "kN" : "t";
}

std::string FormatFixed(double value, int decimals) {
    if (!std::isfinite(value)) return std::isnan(value) ? "NaN" : (value > 0 ? "INF" : "-INF");
    // to_chars: independent of the process locale (the window program sets one).
    char buf[400];
    const auto res =
        std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, decimals);
    std::string text(buf, res.ptr);
    if (text[0] == '-' && text.find_first_not_of("-0.") == std::string::npos) text.erase(0, 1);
    return text;
}

std::string FormatByMagnitude(double value) {
    const double a = std::fabs(value);
    if (a < 100) return FormatFixed(value, 3);
    if (a < 1000) return FormatFixed(value, 2);
    if (a < 10000) return FormatFixed(value, 1);
    return FormatFixed(value, 0);
}

std::string FormatSectionValue(double value) {
    if (value < 10) return FormatFixed(value, 3);
    if (value < 100) return FormatFixed(value, 2);
    return FormatFixed(value, 1);
}

double YoungModulusForInputUnit(double eNmm2, int inputUnit) {
    float v = static_cast<float>(eNmm2 / 10.0);
    if (inputUnit == 0) v = static_cast<float>(double(v) * 0.10197162);
    return double(v);
}

}  // namespace kmr
