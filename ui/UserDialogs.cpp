#include "UserDialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <exception>

#include "AppTitle.h"

namespace kmr::ui {
namespace {

QMessageBox::Icon IconOf(MsgKind kind) {
    switch (kind) {
        case MsgKind::Confirmation:
            return QMessageBox::Question;
        case MsgKind::Information:
            return QMessageBox::Information;
        case MsgKind::Warning:
            return QMessageBox::Warning;
        case MsgKind::Error:
            return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

struct ButtonText {
    Button button;
    const char* text;
    QMessageBox::ButtonRole role;
};

const ButtonText kButtons[] = {
    {Button::Yes, "はい(&Y)", QMessageBox::YesRole},
    {Button::No, "いいえ(&N)", QMessageBox::NoRole},
    {Button::OK, "OK", QMessageBox::AcceptRole},
    {Button::Cancel, "キャンセル", QMessageBox::RejectRole},
};

QFileDialog* MakeFileDialog(QWidget* parent, const FileDialogSpec& spec) {
    auto* dlg = new QFileDialog(parent, spec.Title);
    dlg->setNameFilters(QtFilterFromDialogFilter(spec.Filter).split(QStringLiteral(";;")));
    dlg->setDefaultSuffix(spec.DefaultExt);
    dlg->setOption(QFileDialog::DontConfirmOverwrite, true);
    const QFileInfo initial(spec.InitialPath);
    if (!spec.InitialPath.isEmpty()) {
        if (initial.isAbsolute()) dlg->setDirectory(initial.absolutePath());
        dlg->selectFile(initial.fileName());
    }
    return dlg;
}

std::optional<QString> RunFileDialog(QFileDialog* dlg) {
    std::optional<QString> result;
    if (dlg->exec() == QDialog::Accepted && !dlg->selectedFiles().isEmpty()) {
        result = dlg->selectedFiles().front();
    }
    delete dlg;
    return result;
}

}  // namespace

Button QtUserDialogs::Message(MsgKind kind, const QString& text, Buttons buttons) {
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QMessageBox box(IconOf(kind), AppTitle(), shown, QMessageBox::NoButton, parent_);
    QAbstractButton* first = nullptr;
    std::pair<QAbstractButton*, Button> map[4];
    int count = 0;
    for (const ButtonText& b : kButtons) {
        if (!(buttons & int(b.button))) continue;
        QAbstractButton* qb = box.addButton(QString::fromUtf8(b.text), b.role);
        if (!first) first = qb;
        map[count++] = {qb, b.button};
    }
    if (auto* pb = qobject_cast<QPushButton*>(first)) box.setDefaultButton(pb);
    box.exec();
    for (int i = 0; i < count; ++i) {
        if (box.clickedButton() == map[i].first) return map[i].second;
    }
    return Button::None;
}

std::optional<QString> QtUserDialogs::OpenFileName(const FileDialogSpec& spec) {
    QFileDialog* dlg = MakeFileDialog(parent_, spec);
    dlg->setAcceptMode(QFileDialog::AcceptOpen);
    dlg->setFileMode(QFileDialog::ExistingFile);
    return RunFileDialog(dlg);
}

std::optional<QString> QtUserDialogs::SaveFileName(const FileDialogSpec& spec) {
    QFileDialog* dlg = MakeFileDialog(parent_, spec);
    dlg->setAcceptMode(QFileDialog::AcceptSave);
    dlg->setFileMode(QFileDialog::AnyFile);
    return RunFileDialog(dlg);
}

void QtUserDialogs::Beep() {
    QApplication::beep();
}

int QtUserDialogs::RunModal(QDialog& dialog) {
    return dialog.exec();
}

QString QtFilterFromDialogFilter(const QString& filter) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        const QString& desc = parts[i];
        const QString pattern = parts[i + 1];
        if (desc.endsWith(QLatin1Char('(') + pattern + QLatin1Char(')'))) {
            out << desc;
        } else {
            out << desc + QStringLiteral(" (") + pattern + QLatin1Char(')');
        }
    }
    return out.join(QStringLiteral(";;"));
}

void ShowErrorMessage(UserDialogs& dialogs, const QString& text) {
    dialogs.Message(MsgKind::Error, text, int(Button::OK));
}

bool RunShowingErrors(UserDialogs& dialogs, const std::function<void()>& body) {
    try {
        body();
        return true;
    } catch (const std::exception& e) {
        ShowErrorMessage(dialogs, QString::fromUtf8(e.what()));
    }
    return false;
}

}  // namespace kmr::ui
