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
#include "edit/EditorCore.h"
#include "edit/NumberField.h"

namespace kmr::ui {
namespace {

// The value of a field for the buttons: 0 when empty.
double FieldValue(const QString& text) {
    return ReadFieldNumber(text);
}

bool AskYes(EditorCore& core, const QString& question) {
    return core.Dialogs().Message(MsgKind::Confirmation, question, Button::Yes | Button::Cancel) ==
           Button::Yes;
}

// Below 1e-6 the buttons only say that no value was entered.
bool HasValue(EditorCore& core, double v) {
    if (v >= 1e-6) return true;
    core.Dialogs().Message(MsgKind::Confirmation, msg::NoValueEntered(), int(Button::OK));
    return false;
}

}  // namespace

void CommonPage::ApplyCommonIoToAllMembers() {
    core_.Run([this] {
        const bool direct = core_.State().Model.Header.IoInputMode != 1;
        const bool empty = commonIo_->text().trimmed().isEmpty();
        const double shown = empty    ? 0.0
                             : direct ? commonIo_->Value()
                                      : FieldValue(labelIo2_->text());
        if (!HasValue(core_, shown)) return;
        if (!core_.Validate(kmr::kValidateBeamSize) || !core_.Validate(kmr::kValidateCommon)) {
            return;
        }
        if (!AskYes(core_, msg::AllMembersIoQuestion())) return;
        const double io =
            ioDirect_->isChecked() ? commonIo_->Value() : FieldValue(labelIo2_->text());
        const double b = commonB_->Value();
        const double d = commonD_->Value();
        kmr::BeamModel& m = core_.State().Model;
        for (int n = 1; n <= kmr::UsedSpanCount(m); ++n) {
            kmr::MemberRecord& r = m.Members[static_cast<std::size_t>(n)];
            r.Io = static_cast<double>(static_cast<float>(io));
            r.B = b;
            r.D = d;
        }
        core_.State().IsModified = true;
    });
}

void CommonPage::ApplyCommonEToAllMembers() {
    core_.Run([this] {
        const double e = commonE_->Value();
        if (!HasValue(core_, e) || !AskYes(core_, msg::AllMembersEQuestion())) return;
        kmr::BeamModel& m = core_.State().Model;
        for (int n = 1; n <= kmr::UsedSpanCount(m); ++n) {
            m.Members[static_cast<std::size_t>(n)].E = e;
        }
        core_.State().IsModified = true;
    });
}

void CommonPage::ApplyCommonSpringToAllSupports() {
    core_.Run([this] {
        const double k = commonSpring_->Value();
        if (!HasValue(core_, k) || !AskYes(core_, msg::AllMembersSpringQuestion())) return;
        kmr::BeamModel& m = core_.State().Model;
        for (int n = 1; n <= kmr::UsedSpanCount(m) + 1; ++n) {
            m.Supports[static_cast<std::size_t>(n)].SpringConstant = k;
            core_.ShowSupport(n);
        }
        core_.State().IsModified = true;
    });
}

void CommonPage::PickCommonEFromList() {
    WindowState& s = core_.State();
    const std::optional<QString> text =
        PickYoungModulusText(core_.Window(), core_.Dialogs(), s.Defaults, s.Model.Header.InputUnit);
    if (text) commonE_->Show(*text);
}

void CommonPage::MakeUnitsTheDefault() {
    WindowState& s = core_.State();
    core_.Dialogs().Message(MsgKind::Information, msg::UnitDefaultsSet(), int(Button::OK));
    s.Units = {s.Model.Header.InputUnit, s.Model.Header.OutputUnit};
    s.Model.Header.DefaultInputUnit = s.Units.Input;
    s.Model.Header.DefaultOutputUnit = s.Units.Output;
    auto store = OpenSettings();
    WriteDefaultUnits(*store, s.Units);
    store->sync();
    if (store->status() != QSettings::NoError) {
        core_.ShowError(QStringLiteral("設定を保存できません。\r\n%1").arg(store->fileName()));
    }
}

void CommonPage::MakePageBreakFlagTheDefault() {
    WindowState& s = core_.State();
    core_.Dialogs().Message(MsgKind::Information, msg::PageBreakDefaultSet(), int(Button::OK));
    s.Units = {s.Model.Header.InputUnit, s.Model.Header.OutputUnit};
    s.Model.Header.DefaultInputUnit = s.Units.Input;
    s.Model.Header.DefaultOutputUnit = s.Units.Output;
    s.Defaults.SetPageBreakDefault(s.PageBreakFlag);
    QString error;
    if (!WriteDefaultsFile(s.DefaultsFilePath, s.Defaults, &error)) core_.ShowError(error);
}

}  // namespace kmr::ui
