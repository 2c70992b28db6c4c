// Input validation: the guard in front of the analysis. ValidateModel checks
// the beam model against the limits of the system and the stability of its
// supports, and settles on one error code and its message.
#pragma once

#include <string>
#include <vector>

#include "model/Model.h"

namespace kmr {

// Modes of ValidateModel, by caller.
enum ValidationMode : int {
    kValidateCalculation = 0,  // calculation command, after gathering the loads
    kValidateLoadDiagram = 1,  // redraw of the load diagram from the member-load page
    kValidateBeamSize = 2,     // Io computed from beam width and depth
    kValidateCommon = 3,       // calculation command before gathering; all-members Io
};

// Error codes (0 = passed).
enum ValidationCode : int {
    kValidOk = 0,
    kNoSpanLength = 1,
    kNoIo = 2,
    kNoE = 3,
    kLoadBeyondSpan = 4,
    kNoSpringConstant = 5,
    kUnstable = 6,
    // Not set by ValidateModel: CalculateModel refuses an analysis that gave
    // a result that is not a finite number.
    kNoResult = 7,
    // Set by CheckUnits: a unit field holds neither t (0) nor kN (1); every
    // force would be off by an unknown factor.
    kUnknownInputUnit = 8,
    kUnknownOutputUnit = 9,
    kSpanOverLimit = 101,
    kIoOverLimit = 102,
    kEOverLimit = 103,
    kSpringOverLimit = 105,
    kBeamSizeOverLimit = 106,
    kLoadValueOverLimit = 111,
    kLoadHeightOverLimit = 112,
    kNodeLoadOverLimit = 113,  // a node load of a support
    kCommonIoOverLimit = 202,
    kCommonEOverLimit = 203,
    kCommonSpringOverLimit = 205,
    kCommonBeamSizeOverLimit = 206,
    kCommonLoadOverLimit = 211,
    kCommonLoadHeightOverLimit = 221,
};

// The input a refusal concerns, for the window to mark.
enum class ValidationField {
    None,
    CommonLoad,  // the common load exceeds its limit
    InputUnit,
    OutputUnit,
};

struct ValidationResult {
    ValidationCode code = kValidOk;
    // The composed message as plain lines (an empty line between paragraphs);
    // none when the code is 0. The caller chooses the line breaks.
    std::vector<std::string> lines;
    ValidationField field = ValidationField::None;

    bool Passed() const { return code == kValidOk; }
};

ValidationResult ValidateModel(const BeamModel& model, ValidationMode mode);

// Refuses a model whose InputUnit or OutputUnit is neither t (0) nor kN (1),
// naming the field; passes otherwise.
ValidationResult CheckUnits(const BeamModel& model);

// The fixed text of an error code, without member or support name; empty for
// an unknown code.
std::string ValidationText(ValidationCode code);

// Restraint-count rule for the stability of the supports of spans 1..n: true
// when the count says the arrangement is unstable.
bool FailsStabilityCount(const BeamModel& model);

}  // namespace kmr
