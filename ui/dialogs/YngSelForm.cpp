#include "YngSelForm.h"

#include <QPushButton>

#include "DefaultsFile.h"
#include "UserDialogs.h"
#include "YoungDialogLayout.h"
#include "YoungGrid.h"
#include "YoungList.h"

namespace kmr::ui {
namespace {

const QColor kCellColour(0xFF, 0xFF, 0xC0);      // light yellow
const QColor kSelectedColour(0xC0, 0xDC, 0xC0);  // light green

}  // namespace

TYngSelF::TYngSelF(const DefaultsBlock& list, UserDialogs& dialogs, QWidget* parent)
    : QDialog(parent), list_(list), dialogs_(dialogs), grid_(new YoungGrid(false, this)) {
    setObjectName(QStringLiteral("YngSelF"));
    grid_->setObjectName(QStringLiteral("StrGridSel"));
    const YoungDialogButtons b = LayOutYoungDialog(*this, QStringLiteral("ヤング係数の選択"),
                                                   *grid_, 8, "BtnSel", QStringLiteral("選 択"));
    connect(b.Action, &QPushButton::clicked, this, &TYngSelF::BtnSelClick);
    connect(b.Cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(b.Help, &QPushButton::clicked, this, &TYngSelF::BtnHelpClick);
    connect(grid_, &QTableWidget::currentCellChanged, this, [this](int row, int, int, int) {
        if (row >= 1) StrGridSelSelectCell(row);
    });
    connect(grid_, &QTableWidget::cellDoubleClicked, this, [this](int, int) { BtnSelClick(); });
    FillGrid();
}

void TYngSelF::FillGrid() {
    for (int r = 1; r <= kYoungRows; ++r) ShowRow(r);
    grid_->setFocus();
}

void TYngSelF::ShowRow(int row) {
    grid_->SetCellText(1, row, YoungNameText(list_, row));
    if (const auto e = YoungETextOf(list_.YoungE(row))) grid_->SetCellText(2, row, *e);
    const QColor back = row == selectedRow_ ? kSelectedColour : kCellColour;
    for (int c = 1; c < 3; ++c) grid_->item(row, c)->setBackground(back);
}

void TYngSelF::HighlightRow(int row) {
    const int old = selectedRow_;
    selectedRow_ = row;
    ShowRow(old);
    ShowRow(row);
    if (grid_->currentRow() != row) grid_->SelectCell(1, row);
}

void TYngSelF::ChooseHighlightedRow() {
    const double e = list_.YoungE(selectedRow_);
    selectedE_ = e > 0 ? e : 0;
    accept();
}

void TYngSelF::ExplainRegistration() {
    dialogs_.Message(MsgKind::Information,
                     QStringLiteral("ヤング係数のリスト登録は、メニューバーの\r\n\r\n"
                                    "  [設定]－[ヤング係数の登録]\r\n\r\n"
                                    "から行ってください。\r\nなお、入力単位は \"N/mm2\" です。"),
                     int(Button::OK));
    grid_->setFocus();
}

}  // namespace kmr::ui
