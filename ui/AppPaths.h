// Where the program keeps its per-user files. A program folder is not
// writable on Linux, so the side files ("PLOVKmr.def", "_RecentFile.dat",
// the printer settings ".plv") live in the user's application data folder
// and a new document is placed in the documents folder. The environment
// variable PLOVKMR_HOME replaces both folders and the settings store
// (tests and portable installs).
#pragma once

#include <QString>
#include <memory>

class QSettings;
class QTranslator;

namespace kmr::ui {

// Organisation and application name as the settings store and the standard
// folders know them ("Korvale", "PLOV-Kmr").
// No application display name is set: Qt would append it to every window
// title, and the program's titles are fixed texts of their own.
void InitApplicationIdentity();

// Loads Qt's own Japanese translation (qtbase_ja from Qt's translations
// folder) for the file dialogs, standard buttons and system messages and
// installs it, owned by the application; nullptr when it is not installed.
QTranslator* InstallQtTranslation();

// Folder of the side files, with a trailing separator; created on demand.
QString SideFileDir();
// Folder of new documents, with a trailing separator.
QString DocumentsDir();
// Folder of the program file, with a trailing separator.
QString ProgramDir();

QString NewDocumentPath();   // DocumentsDir() + "新規データ"
QString RecentFilesPath();   // SideFileDir() + "_RecentFile.dat"
QString DefaultsFilePath();  // SideFileDir() + "PLOVKmr.def"
// Printer settings written around the print dialog: program name + ".plv".
QString PrinterSettingsPath(const QString& appExeName);

// The settings key "\Software\Korvale\PLOV-Kmr": the registry on Windows,
// an INI file elsewhere (PLOVKMR_HOME/PLOV-Kmr.ini when that is set).
std::unique_ptr<QSettings> OpenSettings();

}  // namespace kmr::ui
