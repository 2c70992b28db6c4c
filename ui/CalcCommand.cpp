// The calculation report command, the redraw's validation and the dialogs
// opened from the menus (help, about box, Young's modulus list).
#include <QTextBrowser>

#include "AboutBox.h"
#include "Editor.h"
#include "HelpWindow.h"
#include "MainForm.h"
#include "UserDialogs.h"
#include "Version.h"
#include "calc/Calculation.h"
#include "calc/Validation.h"
#include "dialogs/Dialogs.h"

namespace kmr::ui {

bool TMainF::Validate(int mode) {
    const kmr::ValidationResult r = kmr::ValidateModel(state_.Model, mode);
    if (r.commonLoadRed) editor_->MarkCommonLoadOverLimit();
    if (r.Passed()) return true;
    ShowError(QString::fromStdString(r.message));
    return false;
}

void TMainF::BitBtn1Click() {
    ModifiedGuard keep(state_);
    RunCommand([this] {
        const kmr::ValidationResult r = kmr::CalculateModel(state_.Model, results_, [this] {
            editor_->ShowSpansAndSupports();
            editor_->GatherCurrentLoads();
            editor_->DrawLoadDiagram();
            editor_->ShowAllMemberProperties();
        });
        if (r.commonLoadRed) editor_->MarkCommonLoadOverLimit();
        if (!r.Passed()) {
            ShowError(QString::fromStdString(r.message));
            return;
        }
        ShowReport();
    });
}

void TMainF::ShowReport() {}

void TMainF::HelpContents() {
    if (!help_) help_ = new HelpWindow(this);
    help_->show();
    help_->raise();
    help_->activateWindow();
}

void TMainF::AboutClick() {
    TAboutBoxF about(ProgramVersion().VersionText, this);
    dialogs_->RunModal(about);
}

void TMainF::YoungRegistrationClick() {
    EditYoungList(this, *dialogs_, state_.Defaults);
}

}  // namespace kmr::ui
