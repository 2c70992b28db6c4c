// The input controls of the main window: the top panel laid over the load
// diagram (Panel1) and the contents of the four pages of PageControl1. The
// document commands of the main window reach the controls only through the
// operations below; everything else about the controls lives behind them.
#pragma once

class QWidget;

namespace kmr::ui {

struct WindowState;
class UserDialogs;

// The containers the main window provides, each already named and placed.
struct EditorContainers {
    QWidget* Panel1 = nullptr;       // white, 704 × 161, over the diagram
    QWidget* CommonData = nullptr;   // page 0 "共通データ" (above StatusBar1)
    QWidget* MemberLoads = nullptr;  // page 1 "部材荷重"
    QWidget* NodeLoads = nullptr;    // page 2 "節点荷重"
    QWidget* MemberProps = nullptr;  // page 3 "部材別 断面２次ﾓｰﾒﾝﾄ・ﾔﾝｸﾞ係数"
};

class Editor {
  public:
    Editor(WindowState& state, UserDialogs& dialogs, QWidget* window);
    virtual ~Editor();
    Editor(const Editor&) = delete;
    Editor& operator=(const Editor&) = delete;

    // Creates the controls inside the containers (once, at start).
    void Build(const EditorContainers& containers);

    // Everything from the model: the load diagram, both tab rows, the full
    // refresh of the common controls, the member loads of CurrentMember, Io
    // and E of every member, the node loads of CurrentSupport, the pictures
    // of the load types. Run at start, after new data and after a read; the
    // caller clears IsModified afterwards.
    void ShowDocument();

    // Controls into the model: spans, supports, the member loads of
    // CurrentMember and the node loads of CurrentSupport. A text that is not
    // a number throws InputError (ui/InputError.h) and leaves the model as it
    // was.
    void GatherAll();
    // Only the member loads of CurrentMember and the node loads of
    // CurrentSupport; throws like GatherAll.
    void GatherCurrentLoads();

    // The span lengths and supports shown again (after FillUnsetMembers).
    void ShowSpansAndSupports();
    // Io, B, D, E of every member shown again.
    void ShowAllMemberProperties();
    // The whole screen load diagram.
    void DrawLoadDiagram();
    // PageControl1 switched to the page index (0..3).
    void PageChanged(int index);
    // The validation found the common load over its limit: MmComm1 turns red.
    void MarkCommonLoadOverLimit();

  private:
    WindowState& state_;
    [[maybe_unused]] UserDialogs& dialogs_;
    [[maybe_unused]] QWidget* window_;
    EditorContainers containers_;
};

}  // namespace kmr::ui
