// Undo, redo and the recovery copy of the main window's document. A change
// becomes one step when the user has finished it: a field when it loses the
// focus or takes Return, any other control after the click, key or wheel
// turn that changed it. The document's state is its file image with the load slots on
// screen gathered, so every kind of edit is caught the same way. While the
// document has unsaved changes a recovery copy follows it within seconds.
#pragma once

#include <QObject>
#include <QTimer>

#include "UndoHistory.h"

class QAction;

namespace kmr::ui {

class TMainF;

class EditHistory : public QObject {
    Q_OBJECT

  public:
    EditHistory(TMainF& window, QAction* undo, QAction* redo);
    ~EditHistory() override;

    // A new history from the document as it is (new data, open). A recovered
    // document has no saved state: every state of it counts as changed.
    void Restart(bool savedState = true);
    // The document was written: its present image is the saved one.
    void MarkSaved();
    // The document as it is now becomes a step when it differs from the last.
    void Checkpoint();
    // A change still being typed becomes a step first, then it is undone.
    void Undo();
    void Redo();

    // The recovery copy brought up to date (the timer's work): written while
    // the document differs from its saved state, removed otherwise.
    void SaveRecoveryCopy();
    // The window closes normally: its copy is no longer needed.
    void RemoveRecoveryCopy();
    QString RecoveryFile() const { return recoveryFile_; }
    // At start: offers each copy left by a program that ended abnormally,
    // newest first, until one is restored; a refused copy is deleted, a
    // damaged one reported and set aside.
    void OfferLeftCopies();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool InOwnField(QObject* watched) const;
    bool HandleFieldKey(QObject* watched, QEvent* event);
    // The field being typed in is done: its change becomes a step now.
    void CommitTyping();
    void RequestCheckpoint();
    void Touch();
    void Show(const UndoHistory::Move& move);
    void UpdateActions();

    TMainF& window_;
    QAction* undo_;
    QAction* redo_;
    UndoHistory history_;
    DocumentImage saved_;  // empty: no saved state
    bool checkpointQueued_ = false;
    bool typing_ = false;  // keys went into a field that still has the focus
    bool showing_ = false;
    QTimer recoveryTimer_;
    QString recoveryFile_;
    DocumentImage recoveryWritten_;  // what the copy on disk holds
};

}  // namespace kmr::ui
