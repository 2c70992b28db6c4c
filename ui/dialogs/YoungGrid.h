// The grid shared by the two Young's modulus dialogs: 3 columns (No., name,
// E) and 21 rows (a fixed header row and the entries 1..20), row height 18,
// "ＭＳ ゴシック" 13 pixels, cells drawn with a 2-pixel inset.
#pragma once

#include <QPointer>
#include <QStyledItemDelegate>
#include <QTableWidget>

namespace kmr::ui {

class YoungGrid : public QTableWidget {
    Q_OBJECT

  public:
    static constexpr int kRowHeight = 18;
    static constexpr int kColumnWidths[3] = {25, 200, 90};

    // editable: the registration grid (name and E cells editable).
    YoungGrid(bool editable, QWidget* parent);

    QString CellText(int col, int row) const;
    void SetCellText(int col, int row, const QString& text);
    // Moves the current cell (col 1..2, row 1..20) and makes it visible.
    void SelectCell(int col, int row);
    // An editor still open hands its text to the cell and closes.
    void FinishEditing();
    // The natural size: columns + 8 wide, every row tall.
    QSize GridSize() const;

  private:
    class Delegate;
    Delegate* delegate_;
};

}  // namespace kmr::ui
