// The program's version as shown to the user, derived from the file version
// compiled into the program (the CMake project version, e.g. "3.0.6.0").
#pragma once

#include <QString>

namespace kmr::ui {

struct VersionInfo {
    QString FileVersion;    // "3.0.6.0"
    QString VersionText;    // "3.0.6": trimmed, last two characters removed
    QString VersionDigits;  // "306": VersionText without dots
};

// Derives the display forms from a file-version string. A string too short
// to carry a version is an internal error of the build (assertion).
VersionInfo VersionFromFileVersion(const QString& fileVersion);

// The version this program was built with.
const VersionInfo& ProgramVersion();

}  // namespace kmr::ui
