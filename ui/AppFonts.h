// The face names the program asks for ("ＭＳ Ｐゴシック" and its family) are
// mapped to the IPA fonts installed with the program.
#pragma once

#include <QFont>

namespace kmr::ui {

void InstallFontSubstitutions();
// "ＭＳ Ｐゴシック" at the given pixel size.
QFont PGothicFont(int pixelSize);

}  // namespace kmr::ui
