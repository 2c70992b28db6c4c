// What the member-load and node-load pages share: the tab row at the top
// (one tab per member or per support) with the bold header under it, the
// window's context, and the rules common to their five load slots (a type
// chosen marks the document changed, the stock picture of a type).
#pragma once

#include <QString>
#include <functional>

#include "edit/PageParts.h"

class QLabel;
class QWidget;

namespace kmr::ui {

class PageContext;

class LoadSlotPage {
  public:
    // The tabs of the members or supports in use (LoadTabTexts), without the
    // tab row's handler.
    void BuildLoadTabs(int spanCount);
    // Tab number − 1 selected (without its handler) and its text in the
    // header.
    void SelectTab(int number);
    QString TabText(int index) const;

  protected:
    // tabKind as LoadTabTexts (1 members, 2 supports); onTab gets the index
    // of the tab the user selects.
    LoadSlotPage(PageContext& context, QWidget* area, const QString& tabsName,
                 const QString& headerName, int tabKind, std::function<void(int)> onTab);
    ~LoadSlotPage() = default;
    LoadSlotPage(const LoadSlotPage&) = delete;
    LoadSlotPage& operator=(const LoadSlotPage&) = delete;

    // A type chosen in a slot marks the document changed when it differs
    // from the stored code of that slot.
    void NoteTypeChosen(int type, int storedType);
    // Stock load picture index (LoadPicture) shown in a slot's picture.
    void ShowPicture(QLabel* picture, int index) const;

    PageContext& context_;

  private:
    LoadTabRow tabs_;
    int tabKind_;
};

}  // namespace kmr::ui
