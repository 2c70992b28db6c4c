// The state the main window keeps for the life of the process: the one beam
// model, the document's path and flags, the member and support shown on the
// load pages, and the per-user stores read at start and written at exit.
// The main window and the editing controls share it.
#pragma once

#include <QString>
#include <functional>

#include "AppSettings.h"
#include "DefaultsFile.h"
#include "RecentFiles.h"
#include "model/Model.h"

namespace kmr::ui {

// The pages of PageControl1 by their index.
enum MainPage : int {
    kCommonDataPage = 0,   // "共通データ"
    kMemberLoadPage = 1,   // "部材荷重"
    kNodeLoadPage = 2,     // "節点荷重"
    kMemberPropsPage = 3,  // "部材別 断面２次ﾓｰﾒﾝﾄ・ﾔﾝｸﾞ係数"
    kResultsPage = 4,      // "計算結果": live diagrams, after the four input pages
    kCheckPage = 5,        // "断面検定": the live section check beside the results
};

struct WindowState {
    kmr::BeamModel Model;

    QString DocumentPath;
    bool IsUntitled = true;
    bool IsModified = false;
    int CurrentMember = 1;             // 1..10
    int CurrentSupport = 1;            // 1..11
    int ActivePage = kCommonDataPage;  // a MainPage
    bool PageBreakFlag = false;
    // "応力図を出力": the report's diagram section, and its saved default.
    bool DiagramFlag = true;
    bool DiagramDefault = true;
    // "断面検定を出力": the report's section check, and its saved default.
    bool CheckFlag = true;
    bool CheckDefault = true;

    AppSettings Settings;
    // The default unit systems given to new data. This copy is the one that
    // counts: the model header's copy is set from it on new data and after
    // every read, and it is written to the settings at exit.
    DefaultUnits Units;
    DefaultsBlock Defaults;
    // How the defaults file was found at start (Missing on a new installation).
    DefaultsRead DefaultsFileState = DefaultsRead::Missing;
    RecentFiles Recent;
    PreviewForm Preview;  // the preview window at its next opening

    // Paths of the side files, fixed at start.
    QString RecentFilesPath;
    QString DefaultsFilePath;
};

// An edit of the document that is not typed into a field of the input pages
// (the design data of the section check, an Io set from a section): change
// runs on the model and the document is marked changed. The one door for
// such edits.
void EditDocument(WindowState& s, const std::function<void(kmr::BeamModel&)>& change);

// Commands that only refresh controls keep the changed flag as it was: the
// guard restores it when it goes out of scope, also when the command stops
// on an error.
class ModifiedGuard {
  public:
    explicit ModifiedGuard(WindowState& s) : state_(s), saved_(s.IsModified) {}
    ~ModifiedGuard() { state_.IsModified = saved_; }
    ModifiedGuard(const ModifiedGuard&) = delete;
    ModifiedGuard& operator=(const ModifiedGuard&) = delete;

  private:
    WindowState& state_;
    bool saved_;
};

}  // namespace kmr::ui
