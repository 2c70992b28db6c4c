#include "ScriptedDialogs.h"

#include <QDialog>

namespace kmr::ui::test {
namespace {

std::optional<QString> Take(std::deque<QString>& queue) {
    if (queue.empty()) return std::nullopt;
    const QString a = queue.front();
    queue.pop_front();
    if (a.isNull()) return std::nullopt;
    return a;
}

}  // namespace

Button ScriptedDialogs::Message(MsgKind kind, const QString& text, Buttons buttons) {
    messages.push_back({kind, text, buttons});
    if (answers.empty()) return Button::None;
    const Button b = answers.front();
    answers.pop_front();
    return b;
}

std::optional<QString> ScriptedDialogs::OpenFileName(const FileDialogSpec& spec) {
    openDialogs.push_back(spec);
    return Take(openAnswers);
}

std::optional<QString> ScriptedDialogs::SaveFileName(const FileDialogSpec& spec) {
    saveDialogs.push_back(spec);
    return Take(saveAnswers);
}

int ScriptedDialogs::RunModal(QDialog& dialog) {
    modalDialogs.push_back(dialog.objectName());
    return onModal ? onModal(dialog) : QDialog::Rejected;
}

std::vector<QString> ScriptedDialogs::Texts(MsgKind kind) const {
    std::vector<QString> out;
    for (const ShownMessage& m : messages) {
        if (m.kind == kind) out.push_back(m.text);
    }
    return out;
}

void ScriptedDialogs::Clear() {
    messages.clear();
    openDialogs.clear();
    saveDialogs.clear();
    modalDialogs.clear();
    beeps = 0;
}

}  // namespace kmr::ui::test
