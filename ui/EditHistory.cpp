#include "EditHistory.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

#include "MainForm.h"
#include "Recovery.h"
#include "UserDialogs.h"

namespace kmr::ui {
namespace {

// How soon after a change the recovery copy follows it, milliseconds.
constexpr int kRecoveryDelay = 2000;

enum class HistoryKey { None, Undo, Redo };

HistoryKey HistoryKeyOf(const QKeyEvent& e) {
    const Qt::KeyboardModifiers mods = e.modifiers() & ~Qt::KeypadModifier;
    if (e.key() == Qt::Key_Z && mods == Qt::ControlModifier) return HistoryKey::Undo;
    if (e.key() == Qt::Key_Y && mods == Qt::ControlModifier) return HistoryKey::Redo;
    if (e.key() == Qt::Key_Z && mods == (Qt::ControlModifier | Qt::ShiftModifier)) {
        return HistoryKey::Redo;
    }
    return HistoryKey::None;
}

QString ActionText(const QString& verb, char mnemonic, const QString& label) {
    const QString named = label.isEmpty() ? verb : verb + QStringLiteral(": ") + label;
    return named + QStringLiteral("(&%1)").arg(QLatin1Char(mnemonic));
}

}  // namespace

EditHistory::EditHistory(TMainF& window, QAction* undo, QAction* redo)
    : window_(window),
      undo_(undo),
      redo_(redo),
      recoveryFile_(RecoveryFileFor(QCoreApplication::applicationPid())) {
    connect(undo_, &QAction::triggered, this, &EditHistory::Undo);
    connect(redo_, &QAction::triggered, this, &EditHistory::Redo);
    recoveryTimer_.setSingleShot(true);
    connect(&recoveryTimer_, &QTimer::timeout, this, &EditHistory::SaveRecoveryCopy);
    qApp->installEventFilter(this);
    UpdateActions();
}

EditHistory::~EditHistory() {
    qApp->removeEventFilter(this);
    RemoveRecoveryCopy();
}

void EditHistory::Restart(bool savedState) {
    const std::optional<DocumentImage> image = window_.DocumentImageNow();
    history_.Reset(image.value_or(DocumentImage{}));
    saved_ = savedState ? history_.Current() : DocumentImage{};
    RemoveRecoveryCopy();
    UpdateActions();
}

void EditHistory::MarkSaved() {
    CommitTyping();
    saved_ = history_.Current();
    RemoveRecoveryCopy();
}

void EditHistory::CommitTyping() {
    typing_ = false;
    Checkpoint();
}

void EditHistory::Checkpoint() {
    checkpointQueued_ = false;
    // A modal dialog may still be about to change the document: its change
    // is taken at the next event after it closed. A field being typed in
    // becomes a step when it is left.
    if (typing_ || showing_ || QApplication::activeModalWidget()) return;
    const std::optional<DocumentImage> image = window_.DocumentImageNow();
    if (!image || *image == history_.Current()) return;
    history_.Push(*image, DescribeChange(history_.Current(), *image), window_.CurrentPlace());
    UpdateActions();
    Touch();
}

void EditHistory::Undo() {
    CommitTyping();
    if (history_.CanUndo()) Show(history_.Undo());
}

void EditHistory::Redo() {
    CommitTyping();
    if (history_.CanRedo()) Show(history_.Redo());
}

void EditHistory::Show(const UndoHistory::Move& move) {
    showing_ = true;
    window_.ShowImage(move.Image, move.Place);
    showing_ = false;
    window_.State().IsModified = move.Image != saved_;
    UpdateActions();
    Touch();
}

void EditHistory::UpdateActions() {
    undo_->setEnabled(history_.CanUndo());
    redo_->setEnabled(history_.CanRedo());
    undo_->setText(ActionText(QStringLiteral("元に戻す"), 'U', history_.UndoLabel()));
    redo_->setText(ActionText(QStringLiteral("やり直し"), 'R', history_.RedoLabel()));
}

// ---------------------------------------------------------------- events

bool EditHistory::InOwnField(QObject* watched) const {
    auto* field = qobject_cast<QLineEdit*>(watched);
    return field && field->window() == &window_;
}

// Ctrl+Z and Ctrl+Y in a field of the window undo and redo the document's
// steps instead of the field's own typing history.
bool EditHistory::HandleFieldKey(QObject* watched, QEvent* event) {
    if (!InOwnField(watched)) return false;
    const HistoryKey key = HistoryKeyOf(*static_cast<QKeyEvent*>(event));
    if (key == HistoryKey::None) return false;
    if (event->type() == QEvent::ShortcutOverride) {
        event->accept();  // delivered as a key press, handled below
    } else if (key == HistoryKey::Undo) {
        Undo();
    } else {
        Redo();
    }
    return true;
}

bool EditHistory::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::ShortcutOverride:
            return HandleFieldKey(watched, event);
        case QEvent::KeyPress: {
            if (HandleFieldKey(watched, event)) return true;
            if (!InOwnField(watched)) break;
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                CommitTyping();
            } else {
                typing_ = true;
            }
            break;
        }
        case QEvent::FocusOut:
            if (InOwnField(watched)) CommitTyping();
            break;
        case QEvent::MouseButtonRelease:
        case QEvent::KeyRelease:
        case QEvent::Wheel:
            Touch();
            RequestCheckpoint();
            break;
        case QEvent::WindowActivate:
            if (watched == &window_) RequestCheckpoint();
            break;
        default:
            break;
    }
    return false;
}

// After the event that may have changed the document has been handled.
void EditHistory::RequestCheckpoint() {
    if (checkpointQueued_) return;
    checkpointQueued_ = true;
    QMetaObject::invokeMethod(this, &EditHistory::Checkpoint, Qt::QueuedConnection);
}

void EditHistory::Touch() {
    if (!recoveryTimer_.isActive()) recoveryTimer_.start(kRecoveryDelay);
}

// ---------------------------------------------------------------- recovery

void EditHistory::SaveRecoveryCopy() {
    const std::optional<DocumentImage> image = window_.DocumentImageNow();
    if (!image) return;  // a field's text is not a number yet
    const WindowState& s = window_.State();
    if (!s.IsModified && *image == saved_) {
        RemoveRecoveryCopy();
        return;
    }
    if (*image == recoveryWritten_) return;
    const RecoveryCopy copy{s.DocumentPath, s.IsUntitled, QDateTime::currentDateTime(), *image};
    if (WriteRecoveryCopy(recoveryFile_, QCoreApplication::applicationPid(), copy)) {
        recoveryWritten_ = *image;
    }
}

void EditHistory::RemoveRecoveryCopy() {
    recoveryTimer_.stop();
    recoveryWritten_.clear();
    ui::RemoveRecoveryCopy(recoveryFile_);
}

void EditHistory::OfferLeftCopies() {
    UserDialogs& dialogs = window_.Dialogs();
    for (const QString& file : LeftRecoveryCopies(RecoveryDir())) {
        const std::optional<RecoveryCopy> copy = ReadRecoveryCopy(file);
        if (!copy) {
            const QString aside = SetAsideRecoveryCopy(file);
            dialogs.Message(MsgKind::Warning, DamagedCopyMessage(file, aside), int(Button::OK));
            continue;
        }
        const Button answer = dialogs.Message(MsgKind::Confirmation, RestoreQuestion(*copy),
                                              Button::Yes | Button::No);
        if (answer == Button::No) ui::RemoveRecoveryCopy(file);
        if (answer != Button::Yes) continue;
        window_.AdoptRecovered(*copy);
        ui::RemoveRecoveryCopy(file);
        SaveRecoveryCopy();
        return;
    }
}

}  // namespace kmr::ui
