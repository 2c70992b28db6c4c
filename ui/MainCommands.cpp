// The document commands of TMainF: new data, open, overwrite, save as, the
// recent-file items, redraw, and closing with its writes.
#include <QCloseEvent>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

#include "AppPaths.h"
#include "DocumentFiles.h"
#include "EditHistory.h"
#include "Editor.h"
#include "InputError.h"
#include "MainForm.h"
#include "Messages.h"
#include "UserDialogs.h"
#include "Version.h"

namespace kmr::ui {
namespace {

FileDialogSpec OpenDialogSpec(const QString& initial) {
    return {QStringLiteral("開く"),
            QStringLiteral("PLOV-Kmr Ver.3 ﾃﾞｰﾀﾌｧｲﾙ (*.KMX)|*.KMX|"
                           "PLOV-Kmr Ver.1.x 旧ﾃﾞｰﾀﾌｧｲﾙ (*.Kmr)|*.Kmr|すべてのﾌｧｲﾙ (*.*)|*.*"),
            QStringLiteral("KMX"), initial};
}

FileDialogSpec SaveDialogSpec(const QString& initial) {
    return {QStringLiteral("名前をつけて保存"),
            QStringLiteral("PLOV-Kmr ﾃﾞｰﾀﾌｧｲﾙ (*.KMX)|*.KMX|すべてのﾌｧｲﾙ (*.*)|*.*"),
            QStringLiteral("KMX"), initial};
}

}  // namespace

bool TMainF::AskYes(const QString& text) {
    return dialogs_->Message(MsgKind::Confirmation, text, Button::Yes | Button::Cancel) ==
           Button::Yes;
}

void TMainF::ShowError(const QString& text) {
    ShowErrorMessage(*dialogs_, text);
}

bool TMainF::RunCommand(const std::function<void()>& body) {
    return RunShowingErrors(*dialogs_, body);
}

void TMainF::ResetToNewDocument() {
    kmr::BeamModel& m = state_.Model;
    kmr::ClearModel(m);
    m.Header.SpanCount = 2;
    m.Header.DefaultInputUnit = state_.Units.Input;
    m.Header.DefaultOutputUnit = state_.Units.Output;
    kmr::SetNewModelDefaults(m);
}

void TMainF::StartNewDocument() {
    if (state_.IsModified && !AskYes(msg::NewDataQuestion(state_.DocumentPath))) return;
    ResetToNewDocument();
    state_.DocumentPath = NewDocumentPath();
    state_.CurrentMember = 1;
    state_.CurrentSupport = 1;
    UpdateCaption();
    ShowDocument();
    state_.IsModified = false;
    state_.IsUntitled = true;
    history_->Restart();
}

void TMainF::OpenDocumentFromDialog() {
    if (state_.IsModified && !AskYes(msg::OpenChangedQuestion(state_.DocumentPath))) return;
    const QFileInfo current(state_.DocumentPath);
    const QString initial =
        current.absolutePath() + QLatin1Char('/') + current.fileName().trimmed();
    const std::optional<QString> chosen = dialogs_->OpenFileName(OpenDialogSpec(initial));
    if (chosen) OpenPath(*chosen);
}

void TMainF::OpenFromCommandLine(const QString& path) {
    OpenPath(QFileInfo(path).absoluteFilePath());
}

void TMainF::OpenPath(const QString& chosen) {
    if (!HasDataExtension(chosen)) {
        dialogs_->Message(MsgKind::Error, msg::NotPlovData(chosen), int(Button::OK));
        return;
    }
    const QString path = chosen.trimmed();
    if (!Load(path)) return;
    state_.Recent.Add(path);
    UpdateRecentMenu();
    state_.IsModified = false;
}

// Reads the file; only a successful read changes the model, the path, the
// caption and the flags.
bool TMainF::Load(const QString& path) {
    ReadOutcome outcome;
    if (!RunCommand([&] { outcome = ReadDocument(path, state_.Model); })) return false;
    state_.DocumentPath = path;
    UpdateCaption();
    kmr::BeamModel& m = state_.Model;
    kmr::NameMembersAndSupports(m);
    if (outcome.Kind == kmr::FileKind::Version3) {
        // The file carries its own copy of the default units; the program's
        // own defaults replace it.
        m.Header.DefaultInputUnit = state_.Units.Input;
        m.Header.DefaultOutputUnit = state_.Units.Output;
    }
    state_.CurrentMember = 1;
    state_.CurrentSupport = 1;
    state_.IsUntitled = false;
    ShowDocument();
    state_.IsModified = false;
    if (outcome.Kind == kmr::FileKind::Version3) EnableOverwrite();
    history_->Restart();
    ReportUnreadableDesign();
    return true;
}

// The beam is open; design data that could not be read is kept as it is and
// saved back unchanged.
void TMainF::ReportUnreadableDesign() {
    const kmr::DesignBlock& d = state_.Model.Design;
    if (d.State != kmr::DesignState::Unreadable) return;
    ShowError(QString::fromStdString(d.Problem) +
              QStringLiteral("\n設計データは保存するときもそのまま残します。"));
}

bool TMainF::WriteDocument(const QString& path) {
    QString written;
    if (!RunCommand([&] { written = ui::WriteDocument(path, state_.Model); })) return false;
    if (KindOfPath(written) == kmr::FileKind::Version3) EnableOverwrite();
    return true;
}

void TMainF::SaveDocument() {
    if (!RunCommand([this] { editor_->GatherAll(); })) return;
    // A document from a version-1 file is saved under a new ".KMX" name:
    // version-3 content under the old name could not be read again.
    if (state_.IsUntitled || KindOfPath(state_.DocumentPath) == kmr::FileKind::Version1) {
        SaveDocumentAs();
        return;
    }
    if (!AskYes(msg::OverwriteQuestion(state_.DocumentPath))) return;
    if (!WriteDocument(state_.DocumentPath)) return;
    state_.IsModified = false;
    history_->MarkSaved();
}

QString TMainF::ProposedSaveAsPath() const {
    const QString path = state_.DocumentPath.trimmed();
    if (KindOfPath(path) == kmr::FileKind::Version1) return Version3NameFor(path);
    return path;
}

// Runs the save dialog until the user picks a file that may be written:
// replacing the document's own file or any other existing file is asked
// first, and Cancel reopens the dialog. Empty when the dialog is cancelled.
QString TMainF::AskSaveAsTarget() {
    QString initial = ProposedSaveAsPath();
    for (;;) {
        const std::optional<QString> chosen = dialogs_->SaveFileName(SaveDialogSpec(initial));
        if (!chosen) return QString();
        const QString target = SaveTargetPath(*chosen);
        const bool ownPath = *chosen == state_.DocumentPath || target == state_.DocumentPath;
        if (!ownPath && !QFileInfo::exists(target)) return target;
        const Button answer = dialogs_->Message(
            MsgKind::Information, msg::AlreadyExistsQuestion(target), Button::OK | Button::Cancel);
        if (answer == Button::OK) return target;
        initial = *chosen;
    }
}

bool TMainF::SaveDocumentAs() {
    if (!RunCommand([this] { editor_->GatherAll(); })) return false;
    const QString target = AskSaveAsTarget();
    if (target.isEmpty() || !WriteDocument(target)) return false;
    state_.DocumentPath = target;
    UpdateCaption();
    state_.Recent.Add(target);
    UpdateRecentMenu();
    state_.IsModified = false;
    state_.IsUntitled = false;
    history_->MarkSaved();
    return true;
}

void TMainF::OpenRecentFile(int n) {
    if (state_.IsModified && !AskYes(msg::OpenChangedQuestion(state_.DocumentPath))) return;
    const QString path = state_.Recent.Entry(n);
    if (path.isEmpty()) return;
    // The item goes to the top and the caption to its file before the read,
    // so a missing file is reported with both already moved.
    state_.DocumentPath = path;
    state_.Recent.Promote(n);
    UpdateRecentMenu();
    UpdateCaption();
    Load(path);
}

void TMainF::RedrawLoadDiagram() {
    ModifiedGuard keep(state_);
    RunCommand([this] {
        editor_->GatherCurrentLoads();
        editor_->DrawLoadDiagram();
        if (state_.ActivePage == kMemberLoadPage) Validate(kmr::kValidateLoadDiagram);
    });
}

void TMainF::SwitchToPage(int page) {
    RunCommand([&] { editor_->SwitchToPage(page); });
}

bool TMainF::CloseQuery() {
    if (state_.IsModified) {
        dialogs_->Beep();
        return dialogs_->Message(MsgKind::Confirmation,
                                 msg::ExitChangedQuestion(state_.DocumentPath),
                                 Button::Yes | Button::No) == Button::Yes;
    }
    return dialogs_->Message(MsgKind::Confirmation, msg::ExitQuestion(),
                             Button::Yes | Button::No) == Button::Yes;
}

// The writes at close, in their order: the recent-file list, the defaults
// file, the settings with their exit values, the default units. A failing
// write is reported; the others still run.
void TMainF::WriteAtClose() {
    QStringList errors;
    QString error;
    if (!state_.Recent.Write(state_.RecentFilesPath, &error)) errors << error;
    if (!WriteDefaultsFile(state_.DefaultsFilePath, state_.Defaults, &error)) errors << error;
    ApplyExitValues(state_.Settings, ProgramVersion().VersionDigits);
    auto store = OpenSettings();
    WriteSettings(*store, state_.Settings);
    WriteDefaultUnits(*store, state_.Units);
    if (store->status() != QSettings::NoError) {
        errors << QStringLiteral("設定を保存できません。\r\n%1").arg(store->fileName());
    }
    if (!errors.isEmpty()) {
        dialogs_->Message(MsgKind::Warning, errors.join(QStringLiteral("\r\n\r\n")),
                          int(Button::OK));
    }
}

void TMainF::closeEvent(QCloseEvent* event) {
    if (!CloseQuery()) {
        event->ignore();
        return;
    }
    WriteAtClose();
    event->accept();
}

}  // namespace kmr::ui
