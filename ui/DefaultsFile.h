// The window's use of the defaults file "PLOVKmr.def" (layout and reading in
// model/DefaultsFile.h), with QString names and messages for the window.
#pragma once

#include <QString>

#include "model/DefaultsFile.h"

namespace kmr::ui {

using kmr::DefaultsBlock;
using kmr::DefaultsRead;

// See kmr::ReadDefaultsFile.
DefaultsRead ReadDefaultsFile(const QString& path, DefaultsBlock& block);
// Creates or replaces the file with the 864 bytes in one atomic step; on
// failure returns false and an error text naming the file.
bool WriteDefaultsFile(const QString& path, const DefaultsBlock& block, QString* error);

}  // namespace kmr::ui
