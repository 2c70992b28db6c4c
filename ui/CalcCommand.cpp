// The calculation report command, the redraw's validation and the dialogs
// opened from the menus (help, about box, Young's modulus list).
#include <QTextBrowser>

#include "report/PageDocument.h"
#include "report/ReportRun.h"
#include "ui/preview/PaperForm.h"
#include "ui/preview/PrinterSettings.h"

#include "AboutBox.h"
#include "AppPaths.h"
#include "Editor.h"
#include "HelpWindow.h"
#include "MainForm.h"
#include "Messages.h"
#include "UserDialogs.h"
#include "Version.h"
#include "calc/CalculatedBeam.h"
#include "calc/Validation.h"
#include "dialogs/Dialogs.h"

namespace kmr::ui {

bool TMainF::Validate(kmr::ValidationMode mode) {
    const kmr::ValidationResult r = kmr::ValidateModel(state_.Model, mode);
    if (r.field == kmr::ValidationField::CommonLoad) editor_->MarkCommonLoadOverLimit();
    if (r.Passed()) return true;
    ShowError(msg::RefusalMessage(r));
    return false;
}

void TMainF::CalculateAndShowReport() {
    ModifiedGuard keep(state_);
    RunCommand([this] {
        kmr::CalculatedBeam beam = kmr::CalculateBeam(state_.Model, [this] {
            editor_->ShowSpansAndSupports();
            editor_->GatherCurrentLoads();
            editor_->DrawLoadDiagram();
            editor_->ShowAllMemberProperties();
        });
        const kmr::ValidationResult& r = beam.Refusal();
        if (r.field == kmr::ValidationField::CommonLoad) editor_->MarkCommonLoadOverLimit();
        if (!r.Passed()) {
            ShowError(msg::RefusalMessage(r));
            return;
        }
        beam_ = std::move(beam);
        ShowReport();
    });
}

// The preview component and its window, created once at start: the
// document's window bounds and state follow the stored placement.
void TMainF::SetUpPreview() {
    printer_ = std::make_unique<kmr::TplSetPrinter>();
    paper_ = std::make_unique<kmr::TplPrev>();
    paper_->plSetPrinter = printer_.get();
    paper_->ZoomType = kmr::ztPageWidth;
    const QRect bounds = state_.Preview.NormalBounds;
    paper_->FormLeft = bounds.left();
    paper_->FormTop = bounds.top();
    paper_->FormWidth = bounds.width();
    paper_->FormHeight = bounds.height();
    paperForm_ = new kmr::TPaper(*paper_, *printer_, this);
    paperForm_->plvPath = PrinterSettingsPath(state_.Settings.AppExeName);
}

// Builds the report of the calculation just made and shows it in the modal
// preview, maximised or at its stored placement; the placement the user
// leaves it in is remembered for the settings.
void TMainF::ShowReport() {
    kmr::ReportOptions options;
    options.documentPath = state_.DocumentPath;
    options.version = ProgramVersion().FileVersion;
    options.pageBreakFlag = state_.PageBreakFlag;
    options.stressDiagrams = state_.DiagramFlag;
    options.sectionCheck = state_.CheckFlag;
    kmr::ReportRun(*paper_, state_.Model, beam_, options);

    AppSettings& s = state_.Settings;
    paper_->FormWindowState = s.PVMax == 1 ? kmr::fwMaximized : kmr::fwNormal;
    paper_->ZoomType = kmr::ztPageWidth;
    paperForm_->placement = {s.PVMax, s.Left, s.Top, s.Width, s.Height};
    paperForm_->documentPath = state_.DocumentPath;
    if (printer_->IsAcrobat()) {
        paperForm_->ShowPreview();  // prints at once
    } else {
        paperForm_->Bind();
        dialogs_->RunModal(*paperForm_);
    }
    const kmr::PreviewPlacement& p = paperForm_->placement;
    StorePreviewForm(s, {p.PVMaxFlag == 1, QRect(p.WindLeft, p.WindTop, p.WindWid, p.WindHei)});
}

void TMainF::ShowHelpContents() {
    if (!help_) help_ = new HelpWindow(this);
    help_->show();
    help_->raise();
    help_->activateWindow();
}

void TMainF::ShowAboutBox() {
    TAboutBoxF about(ProgramVersion().VersionText, this);
    dialogs_->RunModal(about);
}

void TMainF::EditYoungModulusList() {
    EditYoungList(this, *dialogs_, state_.Defaults);
}

}  // namespace kmr::ui
