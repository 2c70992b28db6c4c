// The frame both Young's modulus dialogs share: caption, font, the grid in
// the middle and the three buttons under it ("ヘルプ" on the left, the other
// two right-aligned with the grid, 5 pixels apart).
#pragma once

#include <QString>

class QDialog;
class QPushButton;
class QWidget;

namespace kmr::ui {

class YoungGrid;

struct YoungDialogButtons {
    QPushButton* Help;
    QPushButton* Action;
    QPushButton* Cancel;
};

// Sets the caption (title, four blanks, the application title) and the
// font, places the grid below gridTop and the buttons below the grid, and
// fixes the dialog's size (grid width + 15).
YoungDialogButtons LayOutYoungDialog(QDialog& dialog, const QString& title, YoungGrid& grid,
                                     int gridTop, const char* actionName,
                                     const QString& actionText);

// Moves a dialog so that its centre is the centre of `over`'s window (the
// main window), allowing for a window frame like that window's own; Qt's
// own placement would be off by the frame it guesses. Nothing without
// `over`.
void CentreOnWindow(QWidget& dialog, const QWidget* over);

}  // namespace kmr::ui
