// Reading a data file as the window program does, and calculating it as the
// calculation command does, for the verbs.
#pragma once

#include <iosfwd>
#include <string>

#include "calc/CalculatedBeam.h"
#include "model/DataFile.h"
#include "model/Model.h"

namespace kmr::cli {

// The version text of this program ("3.0.6"), written into new models.
std::string VersionText();

// The path without its extension (the part from the last "." of the last
// name), or the path itself when its last name has none. Bytes are kept as
// they are, whatever their encoding.
std::string WithoutExtension(const std::string& path);

// The file the command line reads for `path`: the file named when anything
// has that name; otherwise, for a name without an extension, NAME.KMX.
std::string CommandLineFileName(const std::string& path);

// A program-start model, the file (CommandLineFileName) read into it, members and supports
// renamed. On failure prints the error to err and returns false.
bool ReadModelFile(const std::string& path, BeamModel& model, FileKind& kind, std::ostream& err);

enum class CalcOutcome { Calculated, Refused, FileError };

// ReadModelFile, then the calculation command's steps (CalculateBeam). A
// refusal is printed to err ("plovkmr: FILE: 計算できません。" and the
// validation's message in terminal lines) and left in the beam.
CalcOutcome CalculateFile(const std::string& path, BeamModel& model, CalculatedBeam& beam,
                          std::ostream& err);

// The lines of a refusal joined by lineBreak.
std::string RefusalText(const ValidationResult& refusal, const std::string& lineBreak);

}  // namespace kmr::cli
