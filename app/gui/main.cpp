// PLOVKmr: the window program. `PLOVKmr [FILE]` starts the main window and
// opens FILE, as a file manager does on a double click.
#include <QApplication>

#include "AboutBox.h"
#include "AppFonts.h"
#include "AppPaths.h"
#include "MainForm.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    kmr::ui::InitApplicationIdentity();
    QApplication::setWindowIcon(kmr::ui::ProgramIcon());
    kmr::ui::InstallFontSubstitutions();
    kmr::ui::InstallQtTranslation();

    kmr::ui::TMainF window;
    window.show();
    const QStringList args = QApplication::arguments();
    if (args.size() > 1) window.OpenFromCommandLine(args.at(1));
    return QApplication::exec();
}
