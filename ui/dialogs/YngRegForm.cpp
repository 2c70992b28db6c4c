#include "YngRegForm.h"

#include <QLabel>
#include <QPushButton>

#include "DefaultsFile.h"
#include "UserDialogs.h"
#include "YoungDialogLayout.h"
#include "YoungGrid.h"
#include "YoungList.h"

namespace kmr::ui {

TYngRegF::TYngRegF(DefaultsBlock& list, UserDialogs& dialogs, QWidget* parent)
    : QDialog(parent), list_(list), dialogs_(dialogs), grid_(new YoungGrid(true, this)) {
    setObjectName(QStringLiteral("YngRegF"));
    grid_->setObjectName(QStringLiteral("StrGrid"));
    auto* title = new QLabel(QStringLiteral("構造材料・樹種別のヤング係数の登録"), this);
    title->setObjectName(QStringLiteral("Label1"));
    title->move(10, 8);
    const YoungDialogButtons b = LayOutYoungDialog(*this, QStringLiteral("ヤング係数の登録"),
                                                   *grid_, 28, "BtnReg", QStringLiteral("登  録"));
    connect(b.Action, &QPushButton::clicked, this, &TYngRegF::BtnRegClick);
    connect(b.Cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(b.Help, &QPushButton::clicked, this, &TYngRegF::BtnHelpClick);
    FillGrid();
}

void TYngRegF::FillGrid() {
    const YoungGridTexts g = YoungGridOf(list_);
    for (int r = 1; r <= kYoungRows; ++r) {
        grid_->SetCellText(1, r, g.Names[r - 1]);
        if (!g.ETexts[r - 1].isEmpty()) grid_->SetCellText(2, r, g.ETexts[r - 1]);
    }
}

void TYngRegF::RegisterGridRows() {
    grid_->FinishEditing();
    YoungGridTexts g;
    for (int r = 1; r <= kYoungRows; ++r) {
        g.Names[r - 1] = grid_->CellText(1, r);
        g.ETexts[r - 1] = grid_->CellText(2, r);
    }
    if (const std::optional<int> bad = RegisterYoungRows(list_, g)) {
        dialogs_.Message(MsgKind::Error, NotANumberMessage(g.ETexts[*bad - 1]), int(Button::OK));
        grid_->SelectCell(2, *bad);
        grid_->setFocus();
        return;
    }
    accept();
}

void TYngRegF::ExplainList() {
    dialogs_.Message(MsgKind::Information,
                     QStringLiteral("ここで登録したヤング係数が、データ入力時にリスト表示\r\n"
                                    "されます。\r\n入力単位は \"N/mm2\" です。"),
                     int(Button::OK));
    grid_->setFocus();
}

}  // namespace kmr::ui
