// TYngRegF "ヤング係数の登録": the Young's modulus list edited in a grid and
// registered into the list in memory.
#pragma once

#include <QDialog>

namespace kmr {
class DefaultsBlock;
}  // namespace kmr

namespace kmr::ui {

using kmr::DefaultsBlock;
class UserDialogs;
class YoungGrid;

class TYngRegF : public QDialog {
    Q_OBJECT

  public:
    TYngRegF(DefaultsBlock& list, UserDialogs& dialogs, QWidget* parent = nullptr);

    // The grid filled from the list (run before every showing).
    void FillGrid();
    // "登  録": every row checked first; an unreadable E cell is shown,
    // selected, and nothing is stored. Otherwise every row is stored and
    // the dialog closes accepted.
    void RegisterGridRows();
    // What the list is for, and its unit.
    void ExplainList();

    // The handlers the controls call, under the controls' names.
    void BtnRegClick() { RegisterGridRows(); }
    void BtnHelpClick() { ExplainList(); }

  private:
    DefaultsBlock& list_;
    UserDialogs& dialogs_;
    YoungGrid* grid_;
};

}  // namespace kmr::ui
