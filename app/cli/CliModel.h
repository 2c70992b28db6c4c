// Reading a data file as the window program does, for the verbs.
#pragma once

#include <iosfwd>
#include <string>

#include "model/DataFile.h"
#include "model/Model.h"

namespace kmr::cli {

// The version text of this program ("3.0.6"), written into new models.
std::string VersionText();

// A program-start model, the file read into it, members and supports
// renamed. On failure prints the error to err and returns false.
bool ReadModelFile(const std::string& path, BeamModel& model, FileKind& kind, std::ostream& err);

}  // namespace kmr::cli
