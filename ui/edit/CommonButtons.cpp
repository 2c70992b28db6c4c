// The buttons of the common-data page: the three all-members buttons, the
// Young's modulus list, and the two default buttons.
#include <QLabel>
#include <QRadioButton>
#include <QSettings>
#include <cmath>

#include "AppPaths.h"
#include "UserDialogs.h"
#include "WindowState.h"
#include "calc/Validation.h"
#include "dialogs/Dialogs.h"
#include "edit/CommonPage.h"
#include "edit/EditRules.h"
#include "edit/NumberField.h"
#include "edit/PageContext.h"

namespace kmr::ui {
namespace {

// The value of a field for the buttons: 0 when empty.
double FieldValue(const QString& text) {
    return ReadFieldNumber(text);
}

bool AskYes(PageContext& context, const QString& question) {
    return context.Dialogs().Message(MsgKind::Confirmation, question,
                                     Button::Yes | Button::Cancel) == Button::Yes;
}

// Below kEpsilon the buttons only say that no value was entered.
bool HasValue(PageContext& context, double v) {
    if (static_cast<float>(v) >= kmr::kEpsilon) return true;
    context.Dialogs().Message(MsgKind::Confirmation, msg::NoValueEntered(), int(Button::OK));
    return false;
}

}  // namespace

void CommonPage::ApplyCommonIoToAllMembers() {
    context_.Run([this] {
        const bool direct = context_.State().Model.Header.IoInputMode != 1;
        const bool empty = commonIo_->text().trimmed().isEmpty();
        const double shown = empty    ? 0.0
                             : direct ? commonIo_->Value()
                                      : FieldValue(labelIo2_->text());
        if (!HasValue(context_, shown)) return;
        if (!context_.Validate(kmr::kValidateBeamSize) ||
            !context_.Validate(kmr::kValidateCommon)) {
            return;
        }
        if (!AskYes(context_, msg::AllMembersIoQuestion())) return;
        const double io =
            ioDirect_->isChecked() ? commonIo_->Value() : FieldValue(labelIo2_->text());
        const double b = commonB_->Value();
        const double d = commonD_->Value();
        kmr::BeamModel& m = context_.State().Model;
        for (int n = 1; n <= kmr::UsedSpanCount(m); ++n) {
            kmr::MemberRecord& r = m.Members[static_cast<std::size_t>(n)];
            r.Io = static_cast<double>(static_cast<float>(io));
            r.B = b;
            r.D = d;
        }
        context_.State().IsModified = true;
    });
}

void CommonPage::ApplyCommonEToAllMembers() {
    context_.Run([this] {
        const double e = commonE_->Value();
        if (!HasValue(context_, e) || !AskYes(context_, msg::AllMembersEQuestion())) return;
        kmr::BeamModel& m = context_.State().Model;
        for (int n = 1; n <= kmr::UsedSpanCount(m); ++n) {
            m.Members[static_cast<std::size_t>(n)].E = e;
        }
        context_.State().IsModified = true;
    });
}

void CommonPage::ApplyCommonSpringToAllSupports() {
    context_.Run([this] {
        const double k = commonSpring_->Value();
        if (!HasValue(context_, k) || !AskYes(context_, msg::AllMembersSpringQuestion())) return;
        kmr::BeamModel& m = context_.State().Model;
        for (int n = 1; n <= kmr::UsedSpanCount(m) + 1; ++n) {
            m.Supports[static_cast<std::size_t>(n)].SpringConstant = k;
            context_.Sequences().ShowSupport(n);
        }
        context_.State().IsModified = true;
    });
}

void CommonPage::PickCommonEFromList() {
    WindowState& s = context_.State();
    const std::optional<QString> text = PickYoungModulusText(context_.Window(), context_.Dialogs(),
                                                             s.Defaults, s.Model.Header.InputUnit);
    if (text) commonE_->Show(*text);
}

void CommonPage::MakeUnitsTheDefault() {
    WindowState& s = context_.State();
    context_.Dialogs().Message(MsgKind::Information, msg::UnitDefaultsSet(), int(Button::OK));
    s.Units = {s.Model.Header.InputUnit, s.Model.Header.OutputUnit};
    s.Model.Header.DefaultInputUnit = s.Units.Input;
    s.Model.Header.DefaultOutputUnit = s.Units.Output;
    auto store = OpenSettings();
    WriteDefaultUnits(*store, s.Units);
    store->sync();
    if (store->status() != QSettings::NoError) {
        context_.ShowError(QStringLiteral("設定を保存できません。\r\n%1").arg(store->fileName()));
    }
}

void CommonPage::MakePageBreakFlagTheDefault() {
    WindowState& s = context_.State();
    context_.Dialogs().Message(MsgKind::Information, msg::PageBreakDefaultSet(), int(Button::OK));
    s.Units = {s.Model.Header.InputUnit, s.Model.Header.OutputUnit};
    s.Model.Header.DefaultInputUnit = s.Units.Input;
    s.Model.Header.DefaultOutputUnit = s.Units.Output;
    s.Defaults.SetPageBreakDefault(s.PageBreakFlag);
    QString error;
    if (!WriteDefaultsFile(s.DefaultsFilePath, s.Defaults, &error)) context_.ShowError(error);
    s.DiagramDefault = s.DiagramFlag;
    auto store = OpenSettings();
    WriteDiagramDefault(*store, s.DiagramDefault);
    s.CheckDefault = s.CheckFlag;
    WriteCheckDefault(*store, s.CheckDefault);
}

}  // namespace kmr::ui
