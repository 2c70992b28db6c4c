// The results of one calculated beam for plovkmr calc: text tables for a
// terminal and one-line JSON, with the labels, units and number formats of
// the calculation report.
#pragma once

#include <ostream>
#include <string>

#include "calc/CalculatedBeam.h"
#include "calc/Validation.h"
#include "model/Model.h"

namespace kmr::cli {

// Member table (name, span, Io, E), moments and shears, support table
// (displacement, rotation, reaction, condition, spring constant), then the
// extremes within the spans; forces in the model's output unit, formatted as
// the report formats them.
void WriteResultsText(std::ostream& out, const std::string& file, const BeamModel& model,
                      const CalculatedBeam& beam);

// One JSON document on one line: file, units, span count, members (with
// their extremes) and supports, and the equilibrium; forces in the output
// unit at full precision, deflection in cm downward, rotation in rad.
void WriteResultsJson(std::ostream& out, const std::string& file, const BeamModel& model,
                      const CalculatedBeam& beam);

// {"file": ..., "error": {"code": ..., "message": ...}} on one line for a
// refused model.
void WriteRefusalJson(std::ostream& out, const std::string& file, const ValidationResult& refusal);

}  // namespace kmr::cli
