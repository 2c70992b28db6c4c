// Every modal question, message and file dialog of the main window goes
// through this interface, so that tests answer them without a screen.
#pragma once

#include <QString>
#include <functional>
#include <optional>

class QDialog;
class QWidget;

namespace kmr::ui {

enum class MsgKind { Confirmation, Information, Warning, Error };

enum class Button { None = 0, Yes = 1, No = 2, OK = 4, Cancel = 8 };
using Buttons = int;  // Button values or-ed
constexpr Buttons operator|(Button a, Button b) {
    return int(a) | int(b);
}

// A file dialog as the program describes it: the filter in the form
// "description|pattern|description|pattern", the default extension without
// dot, the path the dialog starts with.
struct FileDialogSpec {
    QString Title;
    QString Filter;
    QString DefaultExt;
    QString InitialPath;
};

class UserDialogs {
  public:
    virtual ~UserDialogs() = default;
    // Shows a modal message box; returns the button pressed (Button::None
    // when the box was closed otherwise).
    virtual Button Message(MsgKind kind, const QString& text, Buttons buttons) = 0;
    // The open and save dialogs; nullopt when cancelled. Neither asks about
    // replacing an existing file: the caller does.
    virtual std::optional<QString> OpenFileName(const FileDialogSpec& spec) = 0;
    virtual std::optional<QString> SaveFileName(const FileDialogSpec& spec) = 0;
    virtual void Beep() = 0;
    // Shows a modal dialog of the program (about box, list dialogs, the
    // preview) and returns its result code.
    virtual int RunModal(QDialog& dialog) = 0;
};

// The real dialogs, parented to a window.
class QtUserDialogs : public UserDialogs {
  public:
    explicit QtUserDialogs(QWidget* parent) : parent_(parent) {}
    Button Message(MsgKind kind, const QString& text, Buttons buttons) override;
    std::optional<QString> OpenFileName(const FileDialogSpec& spec) override;
    std::optional<QString> SaveFileName(const FileDialogSpec& spec) override;
    void Beep() override;
    int RunModal(QDialog& dialog) override;

  private:
    QWidget* parent_;
};

// The error box with text; RunShowingErrors runs body and shows what an
// exception it throws says in that box. True when body ran to its end.
void ShowErrorMessage(UserDialogs& dialogs, const QString& text);
bool RunShowingErrors(UserDialogs& dialogs, const std::function<void()>& body);

// "desc|*.KMX|desc2|*.Kmr" → "desc (*.KMX);;desc2 (*.Kmr)" (a description that
// already ends in its pattern in parentheses is taken as it is).
QString QtFilterFromDialogFilter(const QString& filter);

}  // namespace kmr::ui
