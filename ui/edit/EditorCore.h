// The input controls of the main window behind the Editor seam: the top
// panel over the load diagram, the common-data page with the unit groups, the
// member-load and node-load pages and the per-member page. The core runs the
// sequences that span several of them (span count, support condition, input
// unit, page and tab changes, gathering, redrawing).
#pragma once

#include <QObject>
#include <QPixmap>
#include <QString>
#include <array>
#include <functional>
#include <memory>

#include "Editor.h"
#include "calc/Validation.h"
#include "edit/FieldText.h"
#include "model/Model.h"

class QLabel;
class QWidget;

namespace kmr::ui {

struct WindowState;
class UserDialogs;
class NumberField;
class TopPanel;
class CommonPage;
class MemberPropsPage;
class MemberLoadPage;
class NodeLoadPage;
class DiagramView;

class EditorCore {
  public:
    EditorCore(WindowState& state, UserDialogs& dialogs, QWidget* window,
               const EditorContainers& containers);
    ~EditorCore();
    EditorCore(const EditorCore&) = delete;
    EditorCore& operator=(const EditorCore&) = delete;

    // The operations of the seam (Editor.h).
    void ShowDocument();
    void GatherAll();
    void GatherCurrentLoads();
    void ShowSpansAndSupports();
    void ShowAllMemberProperties();
    void DrawLoadDiagram();
    void PageChanged(int index);
    void MarkCommonLoadOverLimit();

    // Shared with the pages.
    WindowState& State() { return state_; }
    UserDialogs& Dialogs() { return dialogs_; }
    QWidget* Window() { return window_; }
    int InputUnit() const;
    // Runs a handler body; an error it throws is shown in an error box.
    bool Run(const std::function<void()>& body);
    void ShowError(const QString& text);
    // Validation in a mode; its message is shown; true when it passed.
    bool Validate(kmr::ValidationMode mode);

    // A numeric field that edits one model value: on every change the text
    // is read, the field coloured by its limit, the document marked changed
    // when the field is black, and the value stored; `after` runs last.
    // Showing a model value only colours the field (BindShow).
    void BindField(NumberField* field, const FieldLimit& limit, bool dashIsZero,
                   std::function<void(double)> store, std::function<void()> after = {});
    // A load field: marks the document changed and colours it; the value
    // reaches the model when the slots are gathered.
    void BindLoadField(NumberField* field, const FieldLimit& limit);
    // Showing a model value in a field only colours it by its limit.
    void BindShow(NumberField* field, const FieldLimit& limit);

    // The sequences of the controls.
    // The span count chosen: everything gathered first (an error keeps the
    // box at the model's count), then the tab rows rebuilt, the current
    // member and support kept within the count, the diagram redrawn.
    void ChangeSpanCount(int count);
    void ChangeSupportCondition(int n, int condition);
    // Another input unit system: labels, common controls and member
    // properties shown again; the same system changes nothing.
    void ChangeInputUnit(int unit);
    void RefreshCommonControls();
    void ShowSupport(int n);
    void ShowMemberProperties(int n);
    // Another member (1..10) or support (1..11) on the load pages: the
    // loads shown are gathered first (an error keeps the tab where it was).
    void ChangeCurrentMember(int member);
    void ChangeCurrentSupport(int support);
    // After a member-load type change or the full-span button: the current
    // slots gathered and the diagram redrawn, the changed flag kept.
    void GatherAndRedraw();

    DiagramView* Diagram();
    // The context of every connection of the controls: they end with the core.
    QObject* Context() { return &context_; }
    // The stock picture of a load type, held by the hidden images ImageSv0..7
    // (member loads 0..6, node loads 7).
    QPixmap LoadPicture(int index) const;
    // The text of the span-length field of a member.
    QString SpanText(int member) const;

  private:
    // The current member's or support's load slots read over their stored
    // values (ReadMemberSlots, ReadNodeSlots).
    std::array<kmr::MemberLoad, kmr::kLoadSlots> ReadMemberLoads() const;
    std::array<kmr::NodeLoad, kmr::kLoadSlots> ReadNodeLoads() const;
    void GatherMemberLoads();
    void GatherNodeLoads();
    void Relabel(int unit);
    void RebuildTabs();
    void ApplyVisibility(int spanCount);
    void EraseCurrentLoads();

    QObject context_;
    WindowState& state_;
    UserDialogs& dialogs_;
    QWidget* window_;
    std::array<QLabel*, 8> pictures_{};
    std::unique_ptr<TopPanel> top_;
    std::unique_ptr<CommonPage> common_;
    std::unique_ptr<MemberPropsPage> props_;
    std::unique_ptr<MemberLoadPage> memberLoads_;
    std::unique_ptr<NodeLoadPage> nodeLoads_;
};

}  // namespace kmr::ui
