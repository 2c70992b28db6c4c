// Tool-bar images the style does not provide, drawn by the program.
#pragma once

#include <QIcon>

namespace kmr::ui {

QIcon HelpIcon();  // a "?" in a blue disc
QIcon ExitIcon();  // an open door with an arrow leaving it

}  // namespace kmr::ui
