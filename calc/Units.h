// Unit conversion and number formats shared by everything that prints
// results: the command line and the report.
#pragma once

#include <string>

namespace kmr {

// Factor from the input force unit to the output force unit (0 = t, 1 = kN):
// 1 when equal, 9.80665 from t to kN, 0.1019716 (1 / 9.80665 in single
// precision) from kN to t.
double UnitFactor(int inputUnit, int outputUnit);

// E given in N/mm2 as the Young's modulus field of the input unit (0 = t,
// 1 = kN) takes it: E/10 kN/cm2, for t further x 0.10197162 t/cm2, each step
// in single precision.
double YoungModulusForInputUnit(double eNmm2, int inputUnit);

// "t" or "kN" after a unit flag.
const char* ForceUnitWord(int unit);

// Fixed-point text with the given number of decimals: at least one integer
// digit, a minus sign for negative values, no thousands separator. A value
// that rounds to zero prints without a sign.
std::string FormatFixed(double value, int decimals);

// "0.000" below 100, "0.00" below 1000, "0.0" below 10000, else "0" (by
// magnitude).
std::string FormatByMagnitude(double value);

// The formats of Io and E in the member table: "#0.000" below 10, "#0.00"
// below 100, "#0.0" from 100 on.
std::string FormatSectionValue(double value);

}  // namespace kmr
