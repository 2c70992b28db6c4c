// TYngSelF "ヤング係数の選択": picks one entry of the Young's modulus list.
#pragma once

#include <QDialog>

namespace kmr {
class DefaultsBlock;
}  // namespace kmr

namespace kmr::ui {

using kmr::DefaultsBlock;
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

    // Row 1..20 drawn light green as the chosen one.
    void HighlightRow(int row);
    // E of the highlighted row kept and the dialog closed accepted.
    void ChooseHighlightedRow();
    // Where the list is registered, and its unit.
    void ExplainRegistration();

    // The handlers the controls call, under the controls' names.
    void StrGridSelSelectCell(int row) { HighlightRow(row); }
    void BtnSelClick() { ChooseHighlightedRow(); }
    void BtnHelpClick() { ExplainRegistration(); }

  private:
    void ShowRow(int row);

    const DefaultsBlock& list_;
    UserDialogs& dialogs_;
    YoungGrid* grid_;
    int selectedRow_ = 1;
    double selectedE_ = 0;
};

}  // namespace kmr::ui
