// The results of one calculated beam as text for a terminal and as JSON, with
// the labels, units and number formats of the calculation report.
#pragma once

#include <string>

#include "calc/Calculation.h"
#include "calc/Validation.h"
#include "model/Model.h"

namespace kmr {

// Member table (name, span, Io, E), moments and shears, support table
// (displacement, rotation, reaction, condition, spring constant); forces in
// the model's output unit, formatted as the report formats them.
std::string FormatResultsText(const std::string& file, const BeamModel& model,
                              const CalcResults& results);

// One JSON document (one line, no trailing newline): file, units, span count,
// members and supports, forces in the output unit at full precision,
// deflection in cm downward, rotation in rad.
std::string FormatResultsJson(const std::string& file, const BeamModel& model,
                              const CalcResults& results);

// {"file": ..., "error": {"code": ..., "message": ...}} for a refused model.
std::string FormatRefusalJson(const std::string& file, const ValidationResult& refusal);

// The support condition word of the report ("固 定", "単 純", ...).
std::string ConditionWord(int condition);

// A JSON string literal (quotes included) of UTF-8 text.
std::string JsonString(const std::string& text);

}  // namespace kmr
