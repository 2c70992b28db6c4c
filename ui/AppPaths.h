// Where the window keeps its files. A program folder is not writable on
// Linux, so the side files and the settings live in the per-user stores
// (report/UserStores.h, shared with the command line) and a new document is
// placed in the documents folder. The environment variable PLOVKMR_HOME
// replaces both folders and the settings store (tests and portable
// installs).
#pragma once

#include <QString>

#include "report/UserStores.h"

class QTranslator;

namespace kmr::ui {

// No application display name is set: Qt would append it to every window
// title, and the program's titles are fixed texts of their own.
using kmr::DefaultsFilePath;
using kmr::InitApplicationIdentity;
using kmr::OpenSettings;
using kmr::PrinterSettingsPath;
using kmr::RecentFilesPath;
using kmr::SideFileDir;

// Loads Qt's own Japanese translation (qtbase_ja from Qt's translations
// folder) for the file dialogs, standard buttons and system messages and
// installs it, owned by the application; nullptr when it is not installed.
QTranslator* InstallQtTranslation();

// Folder of new documents, with a trailing separator.
QString DocumentsDir();
// Folder of the program file, with a trailing separator.
QString ProgramDir();

QString NewDocumentPath();  // DocumentsDir() + "新規データ"

}  // namespace kmr::ui
