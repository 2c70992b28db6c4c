#include "edit/EditorCore.h"

#include "UserDialogs.h"
#include "WindowState.h"
#include "calc/Validation.h"
#include "edit/CommonPage.h"
#include "edit/DiagramView.h"
#include "edit/EditRules.h"
#include "edit/LoadPictures.h"
#include "edit/LoadSlots.h"
#include "edit/MemberLoadPage.h"
#include "edit/MemberPropsPage.h"
#include "edit/NodeLoadPage.h"
#include "edit/NumberField.h"
#include "edit/ScreenLoadDiagram.h"
#include "edit/TopPanel.h"

namespace kmr::ui {
namespace {

std::size_t Index(int n) {
    return static_cast<std::size_t>(n);
}

}  // namespace

EditorCore::EditorCore(WindowState& state, UserDialogs& dialogs, QWidget* window,
                       const EditorContainers& c)
    : state_(state), context_(state, dialogs, window, *this, c.MemberLoads) {
    top_ = std::make_unique<TopPanel>(context_, c.Panel1);
    common_ = std::make_unique<CommonPage>(context_, c.CommonData);
    memberLoads_ = std::make_unique<MemberLoadPage>(context_, c.MemberLoads);
    nodeLoads_ = std::make_unique<NodeLoadPage>(context_, c.NodeLoads);
    props_ = std::make_unique<MemberPropsPage>(context_, c.MemberProps);
}

EditorCore::~EditorCore() = default;

std::unique_ptr<Editor> MakeEditor(WindowState& state, UserDialogs& dialogs, QWidget* window,
                                   const EditorContainers& containers) {
    return std::make_unique<EditorCore>(state, dialogs, window, containers);
}

QString EditorCore::SpanText(int member) const {
    return top_->SpanField(member)->text();
}

// --- The main window's operations -------------------------------------------------------------

void EditorCore::ShowDocument() {
    top_->ShowSpanCount();
    DrawLoadDiagram();
    RebuildTabs();
    RefreshCommonControls();
    memberLoads_->SelectTab(state_.CurrentMember);
    memberLoads_->ShowMemberLoads(state_.CurrentMember);
    ShowAllMemberProperties();
    nodeLoads_->SelectTab(state_.CurrentSupport);
    nodeLoads_->ShowNodeLoads(state_.CurrentSupport);
}

// Everything is read first; the model changes only when every text was a
// number. A field that still shows its model value leaves it as it is.
void EditorCore::GatherAll() {
    std::array<double, kmr::kMaxSpans + 1> spans{};
    std::array<double, kmr::kMaxSupports + 1> springs{};
    for (int n = 1; n <= kmr::kMaxSupports; ++n) {
        if (n <= kmr::kMaxSpans) spans[Index(n)] = top_->ReadSpan(n);
        springs[Index(n)] = top_->ReadSpring(n);
    }
    const auto memberLoads = ReadMemberLoads();
    const auto nodeLoads = ReadNodeLoads();
    kmr::BeamModel& m = state_.Model;
    for (int n = 1; n <= kmr::kMaxSupports; ++n) {
        if (n <= kmr::kMaxSpans) StoreValue(m.Members[Index(n)].SpanLength, spans[Index(n)]);
        StoreValue(m.Supports[Index(n)].SpringConstant, springs[Index(n)]);
        const int condition = top_->Condition(n);
        if (kmr::IsSupportConditionCode(condition)) m.Supports[Index(n)].Condition = condition;
    }
    m.Members[Index(state_.CurrentMember)].Loads = memberLoads;
    m.Supports[Index(state_.CurrentSupport)].NodeLoads = nodeLoads;
}

std::array<kmr::MemberLoad, kmr::kLoadSlots> EditorCore::ReadMemberLoads() const {
    return ReadMemberSlots(memberLoads_->Texts(), state_.CurrentMember,
                           state_.Model.Members[Index(state_.CurrentMember)].Loads);
}

std::array<kmr::NodeLoad, kmr::kLoadSlots> EditorCore::ReadNodeLoads() const {
    return ReadNodeSlots(nodeLoads_->Texts(), state_.CurrentSupport,
                         state_.Model.Supports[Index(state_.CurrentSupport)].NodeLoads);
}

void EditorCore::GatherCurrentLoads() {
    GatherCurrentLoadsInto(state_.Model);
}

void EditorCore::GatherCurrentLoadsInto(kmr::BeamModel& model) const {
    const auto memberLoads = ReadMemberLoads();
    const auto nodeLoads = ReadNodeLoads();
    model.Members[Index(state_.CurrentMember)].Loads = memberLoads;
    model.Supports[Index(state_.CurrentSupport)].NodeLoads = nodeLoads;
}

void EditorCore::GatherMemberLoads() {
    state_.Model.Members[Index(state_.CurrentMember)].Loads = ReadMemberLoads();
}

void EditorCore::GatherNodeLoads() {
    state_.Model.Supports[Index(state_.CurrentSupport)].NodeLoads = ReadNodeLoads();
}

void EditorCore::ShowSpansAndSupports() {
    for (int n = 1; n <= kmr::kMaxSupports; ++n) {
        if (n <= kmr::kMaxSpans) top_->ShowSpanLength(n);
        top_->SelectCondition(n);
        top_->ShowSupport(n);
    }
}

void EditorCore::ShowAllMemberProperties() {
    for (int n = 1; n <= kmr::kMaxSpans; ++n) props_->ShowMemberProperties(n);
}

void EditorCore::DrawLoadDiagram() {
    DiagramView* view = top_->Diagram();
    view->Fresh();
    kmr::BeamModel& m = state_.Model;
    m.Header.SpanCount = kmr::UsedSpanCount(m);
    DiagramInput in{&m, ScreenGeometry(view->width()), state_.CurrentMember, state_.CurrentSupport,
                    state_.ActivePage};
    DrawLoadDiagramOps(*view, in);
    ApplyVisibility(m.Header.SpanCount);
}

void EditorCore::SwitchToPage(int page) {
    ModifiedGuard keep(state_);
    state_.ActivePage = page;
    EraseCurrentLoads();
    GatherAll();
    if (page == kMemberLoadPage) {
        memberLoads_->SelectTab(state_.CurrentMember);
        memberLoads_->ShowMemberLoads(state_.CurrentMember);
    } else if (page == kNodeLoadPage) {
        nodeLoads_->SelectTab(state_.CurrentSupport);
        nodeLoads_->ShowNodeLoads(state_.CurrentSupport);
    } else if (page == kMemberPropsPage) {
        for (int n = 1; n <= kmr::UsedSpanCount(state_.Model); ++n) {
            props_->ShowMemberProperties(n);
        }
    }
    GatherCurrentLoads();
    DrawLoadDiagram();
}

void EditorCore::MarkCommonLoadOverLimit() {
    common_->MarkCommonLoadOverLimit();
}

// --- The sequences the pages ask for ----------------------------------------------

void EditorCore::ChangeSpanCount(int count) {
    if (!context_.Run([this] { GatherAll(); })) {
        top_->ShowSpanCount();  // the box back at the model's count
        return;
    }
    state_.Model.Header.SpanCount = count;
    state_.IsModified = true;
    RebuildTabs();
    if (state_.CurrentMember > count) {
        state_.CurrentMember = count;
        memberLoads_->ShowMemberLoads(count);
    }
    if (state_.CurrentSupport > count + 1) {
        state_.CurrentSupport = count + 1;
        nodeLoads_->ShowNodeLoads(count + 1);
    }
    memberLoads_->SelectTab(state_.CurrentMember);
    nodeLoads_->SelectTab(state_.CurrentSupport);
    DrawLoadDiagram();
}

void EditorCore::ChangeSupportCondition(int n, int condition) {
    state_.IsModified = true;
    kmr::BeamModel& m = state_.Model;
    m.Supports[Index(n)].Condition = condition;
    DiagramView* view = top_->Diagram();
    DrawSupport(*view,
                {&m, ScreenGeometry(view->width()), state_.CurrentMember, state_.CurrentSupport,
                 state_.ActivePage},
                n, true);
    ShowSupport(n);
    DrawLoadDiagram();
}

void EditorCore::ChangeInputUnit(int unit) {
    if (state_.Model.Header.InputUnit == unit) return;
    state_.Model.Header.InputUnit = unit;
    Relabel(unit);
    RefreshCommonControls();
    for (int n = 1; n <= kmr::UsedSpanCount(state_.Model); ++n) props_->ShowMemberProperties(n);
}

void EditorCore::RefreshCommonControls() {
    common_->ShowUnits();
    Relabel(context_.InputUnit());
    top_->ShowSpanCount();
    ShowSpansAndSupports();
    common_->ShowIoMode();
    common_->ShowCommonFields();
    common_->ShowFlags();
}

void EditorCore::ShowSupport(int n) {
    top_->ShowSupport(n);
}

void EditorCore::ChangeCurrentMember(int member) {
    ModifiedGuard keep(state_);
    if (!context_.Run([this] { GatherMemberLoads(); })) {
        memberLoads_->SelectTab(state_.CurrentMember);  // stays on the member it could not leave
        return;
    }
    state_.CurrentMember = member;
    memberLoads_->SelectTab(state_.CurrentMember);
    DrawLoadDiagram();
    memberLoads_->ShowMemberLoads(state_.CurrentMember);
}

void EditorCore::ChangeCurrentSupport(int support) {
    ModifiedGuard keep(state_);
    if (!context_.Run([this] { GatherNodeLoads(); })) {
        nodeLoads_->SelectTab(state_.CurrentSupport);
        return;
    }
    state_.CurrentSupport = support;
    nodeLoads_->SelectTab(state_.CurrentSupport);
    DrawLoadDiagram();
    nodeLoads_->ShowNodeLoads(state_.CurrentSupport);
}

void EditorCore::GatherAndRedraw() {
    ModifiedGuard keep(state_);
    context_.Run([this] {
        GatherCurrentLoads();
        DrawLoadDiagram();
    });
}

void EditorCore::Relabel(int unit) {
    top_->SetUnitLabel(UnitLabelText(1, unit));
    common_->SetUnitLabels(unit);
    props_->SetUnitLabels(unit);
}

void EditorCore::RebuildTabs() {
    const int n = kmr::UsedSpanCount(state_.Model);
    memberLoads_->BuildLoadTabs(n);
    nodeLoads_->BuildLoadTabs(n);
    memberLoads_->SelectTab(std::min(state_.CurrentMember, n));
    nodeLoads_->SelectTab(std::min(state_.CurrentSupport, n + 1));
}

void EditorCore::ApplyVisibility(int spanCount) {
    top_->ApplyVisibility(spanCount);
    props_->ApplyVisibility(spanCount);
}

void EditorCore::EraseCurrentLoads() {
    DiagramView* view = top_->Diagram();
    const DiagramInput in{&state_.Model, ScreenGeometry(view->width()), state_.CurrentMember,
                          state_.CurrentSupport, state_.ActivePage};
    DrawMemberLoads(*view, in, state_.CurrentMember, true);
    DrawNodeLoads(*view, in, state_.CurrentSupport, true);
}

}  // namespace kmr::ui
