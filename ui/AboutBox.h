// TAboutBoxF: the program's name and version ("バージョン情報").
#pragma once

#include <QDialog>

namespace kmr::ui {

class TAboutBoxF : public QDialog {
    Q_OBJECT

  public:
    // versionText: the display version ("3.0.6").
    TAboutBoxF(const QString& versionText, QWidget* parent = nullptr);
};

// The program icon (window, about box, desktop entry).
QIcon ProgramIcon();

}  // namespace kmr::ui
