// The question/answer interface for tests: every message is recorded, and
// questions and file dialogs take their answers from queues filled by the
// test. An unscripted question is answered with Button::None (no Yes).
#pragma once

#include <QString>
#include <deque>
#include <functional>
#include <optional>
#include <vector>

#include "UserDialogs.h"

namespace kmr::ui::test {

struct ShownMessage {
    MsgKind kind;
    QString text;
    Buttons buttons;
};

class ScriptedDialogs : public UserDialogs {
  public:
    Button Message(MsgKind kind, const QString& text, Buttons buttons) override;
    std::optional<QString> OpenFileName(const FileDialogSpec& spec) override;
    std::optional<QString> SaveFileName(const FileDialogSpec& spec) override;
    void Beep() override { ++beeps; }
    int RunModal(QDialog& dialog) override;

    // Scripted answers, consumed in order; a null QString cancels a file
    // dialog.
    std::deque<Button> answers;
    std::deque<QString> openAnswers;
    std::deque<QString> saveAnswers;
    // Called with each modal dialog; its return value is the dialog's result.
    std::function<int(QDialog&)> onModal;

    // What was shown.
    std::vector<ShownMessage> messages;
    std::vector<FileDialogSpec> openDialogs;
    std::vector<FileDialogSpec> saveDialogs;
    std::vector<QString> modalDialogs;  // objectNames
    int beeps = 0;

    // Texts of the messages of one kind.
    std::vector<QString> Texts(MsgKind kind) const;
    void Clear();
};

}  // namespace kmr::ui::test
