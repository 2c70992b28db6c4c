#include "edit/EditorCore.h"

#include <QLabel>

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
    : state_(state), dialogs_(dialogs), window_(window) {
    for (int i = 0; i < 8; ++i) {
        QLabel* image = new QLabel(c.MemberLoads);
        image->setObjectName(QStringLiteral("ImageSv%1").arg(i));
        image->setPixmap(LoadTypePicture(i));
        image->hide();
        pictures_[Index(i)] = image;
    }
    top_ = std::make_unique<TopPanel>(*this, c.Panel1);
    common_ = std::make_unique<CommonPage>(*this, c.CommonData);
    memberLoads_ = std::make_unique<MemberLoadPage>(*this, c.MemberLoads);
    nodeLoads_ = std::make_unique<NodeLoadPage>(*this, c.NodeLoads);
    props_ = std::make_unique<MemberPropsPage>(*this, c.MemberProps);
}

EditorCore::~EditorCore() = default;

int EditorCore::InputUnit() const {
    return state_.Model.Header.InputUnit;
}

DiagramView* EditorCore::Diagram() {
    return top_->Diagram();
}

QPixmap EditorCore::LoadPicture(int index) const {
    return pictures_[Index(index >= 0 && index < 8 ? index : 6)]->pixmap();
}

QString EditorCore::SpanText(int member) const {
    return top_->SpanField(member)->text();
}

bool EditorCore::Run(const std::function<void()>& body) {
    return RunShowingErrors(dialogs_, body);
}

void EditorCore::ShowError(const QString& text) {
    ShowErrorMessage(dialogs_, text);
}

bool EditorCore::Validate(kmr::ValidationMode mode) {
    const kmr::ValidationResult r = kmr::ValidateModel(state_.Model, mode);
    if (r.commonLoadRed) MarkCommonLoadOverLimit();
    if (r.Passed()) return true;
    ShowError(QString::fromStdString(r.message));
    return false;
}

void EditorCore::BindField(NumberField* field, const FieldLimit& limit, bool dashIsZero,
                           std::function<void(double)> store, std::function<void()> after) {
    field->SetOnChange([this, field, limit, dashIsZero, store, after] {
        Run([&] {
            const FieldOutcome out = EvaluateField(field->text(), limit, InputUnit(), dashIsZero);
            field->SetRed(out.red);
            if (out.marksChanged) state_.IsModified = true;
            store(field->ShownValue().value_or(out.value));
            if (after) after();
        });
    });
    BindShow(field, limit);
}

void EditorCore::BindShow(NumberField* field, const FieldLimit& limit) {
    field->SetOnShow(
        [this, field, limit](double v) { field->SetRed(IsOverLimit(limit, InputUnit(), v)); });
}

void EditorCore::BindLoadField(NumberField* field, const FieldLimit& limit) {
    BindShow(field, limit);
    field->SetOnChange([this, field, limit] {
        state_.IsModified = true;
        const QString t = field->text().trimmed();
        if (t == QLatin1String("-")) return;
        const std::optional<double> v = t.isEmpty() ? 0.0 : ParseNumber(t);
        if (v) field->SetRed(IsOverLimit(limit, InputUnit(), *v));
    });
}

// --- The seam -------------------------------------------------------------

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
    const auto memberLoads = ReadMemberLoads();
    const auto nodeLoads = ReadNodeLoads();
    state_.Model.Members[Index(state_.CurrentMember)].Loads = memberLoads;
    state_.Model.Supports[Index(state_.CurrentSupport)].NodeLoads = nodeLoads;
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

void EditorCore::PageChanged(int index) {
    ModifiedGuard keep(state_);
    state_.ActivePage = index;
    EraseCurrentLoads();
    GatherAll();
    if (index == 1) {
        memberLoads_->SelectTab(state_.CurrentMember);
        memberLoads_->ShowMemberLoads(state_.CurrentMember);
    } else if (index == 2) {
        nodeLoads_->SelectTab(state_.CurrentSupport);
        nodeLoads_->ShowNodeLoads(state_.CurrentSupport);
    } else if (index == 3) {
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

// --- Sequences of the controls ----------------------------------------------

void EditorCore::ComboBox1Change(int count) {
    if (!Run([this] { GatherAll(); })) {
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

void EditorCore::ComboSiten1Change(int n, int condition) {
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

void EditorCore::InputTanni0Click(int unit) {
    state_.Model.Header.InputUnit = unit;
    Relabel(unit);
    RefreshCommonControls();
    for (int n = 1; n <= kmr::UsedSpanCount(state_.Model); ++n) props_->ShowMemberProperties(n);
}

void EditorCore::RefreshCommonControls() {
    common_->ShowUnits();
    Relabel(InputUnit());
    top_->ShowSpanCount();
    ShowSpansAndSupports();
    common_->ShowIoMode();
    common_->ShowCommonFields();
    common_->ShowFlags();
}

void EditorCore::ShowSupport(int n) {
    top_->ShowSupport(n);
}

void EditorCore::ShowMemberProperties(int n) {
    props_->ShowMemberProperties(n);
}

void EditorCore::TabGirLoadChange(int index) {
    ModifiedGuard keep(state_);
    if (!Run([this] { GatherMemberLoads(); })) {
        memberLoads_->SelectTab(state_.CurrentMember);  // stays on the member it could not leave
        return;
    }
    state_.CurrentMember = index + 1;
    memberLoads_->SelectTab(state_.CurrentMember);
    DrawLoadDiagram();
    memberLoads_->ShowMemberLoads(state_.CurrentMember);
}

void EditorCore::TabNodeLoadChange(int index) {
    ModifiedGuard keep(state_);
    if (!Run([this] { GatherNodeLoads(); })) {
        nodeLoads_->SelectTab(state_.CurrentSupport);
        return;
    }
    state_.CurrentSupport = index + 1;
    nodeLoads_->SelectTab(state_.CurrentSupport);
    DrawLoadDiagram();
    nodeLoads_->ShowNodeLoads(state_.CurrentSupport);
}

void EditorCore::GatherAndRedraw() {
    ModifiedGuard keep(state_);
    Run([this] {
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
