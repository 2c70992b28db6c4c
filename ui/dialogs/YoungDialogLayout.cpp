#include "YoungDialogLayout.h"

#include <QDialog>
#include <QPushButton>

#include "AppFonts.h"
#include "AppTitle.h"
#include "YoungGrid.h"

namespace kmr::ui {
namespace {

constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 25;
constexpr int kLeft = 7;

QPushButton* MakeButton(QDialog& dialog, const char* name, const QString& text, int x, int y) {
    auto* b = new QPushButton(text, &dialog);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    b->setGeometry(x, y, kButtonWidth, kButtonHeight);
    return b;
}

}  // namespace

YoungDialogButtons LayOutYoungDialog(QDialog& dialog, const QString& title, YoungGrid& grid,
                                     int gridTop, const char* actionName,
                                     const QString& actionText) {
    dialog.setWindowTitle(title + QStringLiteral("    ") + AppTitle());
    dialog.setFont(PGothicFont(13));
    const QSize g = grid.GridSize();
    grid.move(kLeft, gridTop);
    const int right = kLeft + g.width();
    const int y = gridTop + g.height() + 8;
    YoungDialogButtons b;
    b.Help = MakeButton(dialog, "BtnHelp", QStringLiteral("ヘルプ"), kLeft, y);
    b.Cancel =
        MakeButton(dialog, "BtnCancel", QStringLiteral("キャンセル"), right - kButtonWidth, y);
    b.Action = MakeButton(dialog, actionName, actionText, right - 2 * kButtonWidth - 5, y);
    dialog.setFixedSize(g.width() + 15, y + kButtonHeight + 10);
    return b;
}

}  // namespace kmr::ui

namespace kmr::ui {

void CentreOnWindow(QWidget& dialog, const QWidget* over) {
    if (!over) return;
    const QWidget* window = over->window();
    const QPoint frame = window->geometry().topLeft() - window->frameGeometry().topLeft();
    const QRect client = window->geometry();
    dialog.move(client.center() - dialog.rect().center() - frame);
}

}  // namespace kmr::ui
