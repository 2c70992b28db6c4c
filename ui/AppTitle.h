// The application title and the program's fixed names.
#pragma once

#include <QString>

namespace kmr::ui {

// "PLOV-Kmr /連続梁応力算定": the application title, shown after the file name
// in the main window's caption and on message boxes.
inline QString AppTitle() {
    return QStringLiteral("PLOV-Kmr /連続梁応力算定");
}
// The Title setting: "連続梁応力算定".
inline QString SettingsTitle() {
    return QStringLiteral("連続梁応力算定");
}

}  // namespace kmr::ui
