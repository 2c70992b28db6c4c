// The per-user settings under the key "\Software\Korvale\PLOV-Kmr": string
// values, read once at start and written once at exit, plus integer copies
// of the preview window's placement.
#pragma once

#include <QRect>
#include <QString>

#include "report/UserStores.h"

class QSettings;

namespace kmr::ui {

struct AppSettings {
    QString AppExeName;
    QString InstallDirectory;
    QString Title;
    QString Ver;
    QString MainMaxFlag;
    QString PVMaxFlag;
    QString WindLeft;
    QString WindTop;
    QString WindWid;
    QString WindHei;
    QString InputTanni;
    QString OutputTanni;

    // Integer copies of the preview placement (start values).
    int PVMax = 0;
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
};

// Every value of the key; a missing value reads as empty.
void ReadSettings(QSettings& store, AppSettings& s);
// Every value written back as a string.
void WriteSettings(QSettings& store, const AppSettings& s);

// Start values: empty placement values become "0"; the preview's five
// placement values become integers (a value that is not an integer reads 0).
void ApplyStartValues(AppSettings& s);
// Exit values: Ver and the placement strings from the current integers.
void ApplyExitValues(AppSettings& s, const QString& versionDigits);

// The default unit systems (0 = 従来 t, 1 = ＳＩ kN).
struct DefaultUnits {
    int Input = 0;
    int Output = 0;
};
// Reads InputTanni and OutputTanni; an empty or unreadable value counts as
// 0, and anything other than 0 or 1 as 0 (a unit system must be one of the
// two).
DefaultUnits ReadDefaultUnits(QSettings& store);
void WriteDefaultUnits(QSettings& store, const DefaultUnits& units);

// The default of "応力図を出力", shared with the command line's report.
using kmr::ReadDiagramDefault;
using kmr::WriteDiagramDefault;
// The default of "断面検定を出力", beside it.
using kmr::ReadCheckDefault;
using kmr::WriteCheckDefault;

// Where and how the preview window opens.
struct PreviewForm {
    bool Maximised = false;
    QRect NormalBounds;
};
// With no stored size (width or height 0) the preview takes 80 % of the work
// area's right and bottom coordinates, centred, and opens maximised
// (PVMax becomes 1); otherwise the stored bounds and flag apply.
PreviewForm InitialPreviewForm(AppSettings& s, const QRect& workArea);
// The preview closed: remember maximised, or the bounds of the normal window.
void StorePreviewForm(AppSettings& s, const PreviewForm& p);

}  // namespace kmr::ui
