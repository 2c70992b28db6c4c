// Widget pieces the input pages share: a label placed at its text's size,
// the tab row of the load pages with its bold header label, and the group
// box, type box and picture of a load slot.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class QComboBox;
class QGroupBox;
class QLabel;
class QObject;
class QPixmap;
class QTabBar;
class QWidget;

namespace kmr::ui {

// A label with text at (x, y), sized to its text; named when name is given.
QLabel* MakeLabel(QWidget* parent, const QString& text, int x, int y, const char* name = nullptr);

// The label sized to its text again and, when that runs past its parent's
// right border (a unit label at the edge of a group box), its font made
// smaller until the text fits.
void FitLabelInParent(QLabel* label);

// Tabs with less room beside their text (the tab bar owns the style): the
// load pages' rows of eleven supports, the page control's five pages.
void UseNarrowTabs(QTabBar* tabs);

// The tab row at the top of a load page (one tab per member or support) and
// the bold header label under it that shows the selected tab's text.
class LoadTabRow {
  public:
    // onChange gets the index of the tab the user selects.
    LoadTabRow(QWidget* area, const QString& tabsName, const QString& headerName, QObject* context,
               std::function<void(int)> onChange);

    // The tabs LoadTabTexts(kind, spanCount), without the handler.
    void Build(int kind, int spanCount);
    // Tab number − 1 selected (without the handler) and its text in the header.
    void Select(int number);
    QString Text(int index) const;

  private:
    QTabBar* tabs_ = nullptr;
    QLabel* header_ = nullptr;
};

// The group box of load slot j (1..5), "<title> - No.j" named prefix + j, in
// the row of slots side by side, of the given height.
QGroupBox* MakeSlotBox(QWidget* area, const QString& title, const QString& prefix, int j,
                       int height);
// The type box of slot j named prefix + j with Tag j and the items, showing
// the code none; onActivated gets the index the user picks.
QComboBox* MakeSlotTypeBox(QGroupBox* box, const QString& prefix, int j, const QStringList& items,
                           int none, QObject* context, std::function<void(int)> onActivated);
// The type box showing code without its handler; an unknown code shows
// nothing selected.
void ShowSlotType(QComboBox* type, int code, bool known);
// The picture label of slot j named prefix + j at height y in its box, and
// a load-type picture shown in it (its index kept as property "Picture").
QLabel* MakeSlotPicture(QGroupBox* box, const QString& prefix, int j, int y);
void ShowSlotPicture(QLabel* picture, const QPixmap& pixmap, int index);

}  // namespace kmr::ui
