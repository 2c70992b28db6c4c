// The key filter of unsigned number fields: digits, "." and Backspace are
// typed, Ctrl+C, Ctrl+V and Ctrl+X pass, Enter and every other character are
// discarded. Keys that type nothing (arrows, Tab) pass.
#pragma once

#include <QObject>

namespace kmr::ui {

class DigitKeyFilter : public QObject {
  public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace kmr::ui
