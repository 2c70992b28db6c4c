// TYngSelF "ヤング係数の選択": picks one entry of the Young's modulus list.
#pragma once

#include <QDialog>

namespace kmr::ui {

class DefaultsBlock;
class UserDialogs;
class YoungGrid;

class TYngSelF : public QDialog {
    Q_OBJECT

  public:
    TYngSelF(const DefaultsBlock& list, UserDialogs& dialogs, QWidget* parent = nullptr);

    // The grid filled from the list; the grid gets the focus.
    void FillGrid();
    // The row drawn light green (1..20).
    int SelectedRow() const { return selectedRow_; }
    // E in N/mm2 of the row chosen by "選 択" (0 when the entry has none).
    double SelectedE() const { return selectedE_; }

    void StrGridSelSelectCell(int row);
    void BtnSelClick();
    void BtnHelpClick();

  private:
    void ShowRow(int row);

    const DefaultsBlock& list_;
    UserDialogs& dialogs_;
    YoungGrid* grid_;
    int selectedRow_ = 1;
    double selectedE_ = 0;
};

}  // namespace kmr::ui
