// The input controls of the main window behind the Editor interface: the top
// panel over the load diagram, the common-data page with the unit groups, the
// member-load and node-load pages and the per-member page. The core runs the
// sequences that span several of them (span count, support condition, input
// unit, page and tab changes, gathering, redrawing); the pages reach it only
// through their PageContext.
#pragma once

#include <QString>
#include <array>
#include <memory>

#include "Editor.h"
#include "edit/PageContext.h"
#include "model/Model.h"

class QWidget;

namespace kmr::ui {

struct WindowState;
class UserDialogs;
class TopPanel;
class CommonPage;
class MemberPropsPage;
class MemberLoadPage;
class NodeLoadPage;

class EditorCore final : public Editor, private EditSequences {
  public:
    EditorCore(WindowState& state, UserDialogs& dialogs, QWidget* window,
               const EditorContainers& containers);
    ~EditorCore() override;
    EditorCore(const EditorCore&) = delete;
    EditorCore& operator=(const EditorCore&) = delete;

    // Editor
    void ShowDocument() override;
    void GatherAll() override;
    void GatherCurrentLoads() override;
    void GatherCurrentLoadsInto(kmr::BeamModel& model) const override;
    void ShowSpansAndSupports() override;
    void ShowAllMemberProperties() override;
    void DrawLoadDiagram() override;
    void SwitchToPage(int page) override;
    void MarkCommonLoadOverLimit() override;

  private:
    // EditSequences, for the pages
    void ChangeSpanCount(int count) override;
    void ChangeSupportCondition(int n, int condition) override;
    void ChangeInputUnit(int unit) override;
    void ChangeCurrentMember(int member) override;
    void ChangeCurrentSupport(int support) override;
    void GatherAndRedraw() override;
    void ShowSupport(int n) override;
    QString SpanText(int member) const override;

    // The current member's or support's load slots read over their stored
    // values (ReadMemberSlots, ReadNodeSlots).
    std::array<kmr::MemberLoad, kmr::kLoadSlots> ReadMemberLoads() const;
    std::array<kmr::NodeLoad, kmr::kLoadSlots> ReadNodeLoads() const;
    void GatherMemberLoads();
    void GatherNodeLoads();
    void RefreshCommonControls();
    void Relabel(int unit);
    void RebuildTabs();
    void ApplyVisibility(int spanCount);
    void EraseCurrentLoads();

    WindowState& state_;
    // Made before the pages and gone after them: the connections of their
    // controls end with it.
    PageContext context_;
    std::unique_ptr<TopPanel> top_;
    std::unique_ptr<CommonPage> common_;
    std::unique_ptr<MemberPropsPage> props_;
    std::unique_ptr<MemberLoadPage> memberLoads_;
    std::unique_ptr<NodeLoadPage> nodeLoads_;
};

}  // namespace kmr::ui
