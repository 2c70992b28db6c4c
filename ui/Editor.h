// The input controls of the main window: the top panel laid over the load
// diagram (Panel1) and the contents of the four pages of PageControl1. The
// document commands of the main window reach the controls only through this
// interface; everything else about the controls lives behind it (edit/).
#pragma once

#include <memory>

#include "model/Model.h"

class QWidget;

namespace kmr::ui {

struct WindowState;
class UserDialogs;

// The containers the main window provides, each already named and placed.
struct EditorContainers {
    QWidget* Panel1 = nullptr;       // white, 704 × 161, over the diagram
    QWidget* CommonData = nullptr;   // page kCommonDataPage "共通データ" (above StatusBar1)
    QWidget* MemberLoads = nullptr;  // page kMemberLoadPage "部材荷重"
    QWidget* NodeLoads = nullptr;    // page kNodeLoadPage "節点荷重"
    QWidget* MemberProps = nullptr;  // page kMemberPropsPage "部材別 断面２次ﾓｰﾒﾝﾄ・ﾔﾝｸﾞ係数"
};

class Editor {
  public:
    virtual ~Editor() = default;

    // Everything from the model: the load diagram, both tab rows, the full
    // refresh of the common controls, the member loads of CurrentMember, Io
    // and E of every member, the node loads of CurrentSupport, the pictures
    // of the load types. Run at start, after new data and after a read; the
    // caller clears IsModified afterwards.
    virtual void ShowDocument() = 0;

    // Controls into the model: spans, supports, the member loads of
    // CurrentMember and the node loads of CurrentSupport. A text that is not
    // a number throws InputError (ui/InputError.h) and leaves the model as it
    // was.
    virtual void GatherAll() = 0;
    // Only the member loads of CurrentMember and the node loads of
    // CurrentSupport; throws like GatherAll.
    virtual void GatherCurrentLoads() = 0;
    // The same slots into another model (a copy of the document's); the
    // document's model is not written. Throws like GatherAll.
    virtual void GatherCurrentLoadsInto(kmr::BeamModel& model) const = 0;

    // The span lengths and supports shown again (after FillUnsetMembers).
    virtual void ShowSpansAndSupports() = 0;
    // Io, B, D, E of every member shown again.
    virtual void ShowAllMemberProperties() = 0;
    // The whole screen load diagram.
    virtual void DrawLoadDiagram() = 0;
    // PageControl1 turned to a page (a MainPage): everything gathered, the
    // page's controls shown from the model, the diagram redrawn; the changed
    // flag is kept. Throws like GatherAll.
    virtual void SwitchToPage(int page) = 0;
    // The validation found the common load over its limit: MmComm1 turns red.
    virtual void MarkCommonLoadOverLimit() = 0;
};

// The controls built inside the containers (once, at start), editing the
// model of state; questions and errors go to dialogs, modal dialogs open
// over window.
std::unique_ptr<Editor> MakeEditor(WindowState& state, UserDialogs& dialogs, QWidget* window,
                                   const EditorContainers& containers);

}  // namespace kmr::ui
