// The program's per-user stores, for the window and the command line's
// report alike: the folder of the side files ("PLOVKmr.def",
// "_RecentFile.dat", the printer settings ".plv"; the layout of
// "PLOVKmr.def" is model/DefaultsFile.h) and the settings key
// "\Software\Korvale\PLOV-Kmr" with the values both of them read. The
// environment variable PLOVKMR_HOME replaces the folder and the settings
// store (tests and portable installs).
#pragma once

#include <QString>
#include <memory>

class QSettings;

namespace kmr {

// The folder PLOVKMR_HOME names, or empty.
QString PortableHome();

// Organisation and application name as the settings store and the standard
// folders know them ("Korvale", "PLOV-Kmr").
void InitApplicationIdentity();

// Folder of the side files, with a trailing separator, created on demand.
QString SideFileDir();
QString RecentFilesPath();   // SideFileDir() + "_RecentFile.dat"
QString DefaultsFilePath();  // SideFileDir() + "PLOVKmr.def"
// Printer settings written around the print dialog: program name + ".plv".
QString PrinterSettingsPath(const QString& appExeName);
// The same name without creating the folder (for a reader only).
QString DefaultsFilePathToRead();

// The settings and side files are a few kilobytes; a larger file is not
// read.
constexpr qint64 kSettingsSizeLimit = 1024 * 1024;

// True when `path` is a regular file of at most kSettingsSizeLimit bytes:
// the only kind of side file read (checked without opening it, so nothing
// waits on a pipe in its place).
bool UsableStoreFile(const QString& path);

// The settings key: the registry on Windows, an INI file elsewhere
// (PLOVKMR_HOME/PLOV-Kmr.ini when that is set). The file is read only when
// it is a regular file of at most kSettingsSizeLimit bytes (nothing waits on
// a pipe in its place); otherwise the store is empty, writes to it go
// nowhere, the file is left as it is and `problem` (when given) says why in
// a sentence naming it.
std::unique_ptr<QSettings> OpenSettings(QString* problem = nullptr);

// The default of "応力図を出力" (the report's diagram section), the value
// "DiagramFlag": "0" is off; on when missing or anything else.
bool ReadDiagramDefault(QSettings& store);
void WriteDiagramDefault(QSettings& store, bool on);
// The default of "断面検定を出力" (the report's section check), the value
// "CheckFlag", read and written as DiagramFlag is.
bool ReadCheckDefault(QSettings& store);
void WriteCheckDefault(QSettings& store, bool on);

}  // namespace kmr
