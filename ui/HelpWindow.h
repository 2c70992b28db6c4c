// The help window: the program's own user guide (HTML) in a browser pane.
#pragma once

#include <QDialog>

class QTextBrowser;

namespace kmr::ui {

class HelpWindow : public QDialog {
    Q_OBJECT

  public:
    explicit HelpWindow(QWidget* parent = nullptr);
    QTextBrowser* Browser() const { return browser_; }

    // The guide's HTML: the installed document next to the program, else the
    // copy built into the program.
    static QString GuideHtml();
    // Where the installed document is looked for.
    static QString InstalledGuidePath();

  private:
    QTextBrowser* browser_;
};

}  // namespace kmr::ui
