// The page "節点荷重": the tab row TabNodeLoad (one tab per support), the
// header Label55 with the unit line, and five node-load slots, each with its
// type box ComboNdLdTp j, the value MmNd j with its label Label100j and the
// picture of the type.
#pragma once

#include <array>

#include "edit/LoadSlotPage.h"
#include "edit/LoadSlots.h"

class QComboBox;
class QLabel;
class QWidget;

namespace kmr::ui {

class PageContext;
class NumberField;

class NodeLoadPage : public LoadSlotPage {
  public:
    // The page built in area; its tabs are "支点[A]".."支点[n+1]".
    NodeLoadPage(PageContext& context, QWidget* area);

    void ShowNodeLoads(int s);
    void ApplyNodeLoadType(int slot);
    std::array<NodeSlotTexts, kmr::kLoadSlots> Texts() const;

    // A load type chosen in slot 1..5: its field and picture.
    void ChangeNodeLoadType(int slot, int type);

    // The handlers the controls call, under the controls' names.
    void TabNodeLoadChange(int index);
    void ComboNdLdTp1Change(int slot, int type) { ChangeNodeLoadType(slot, type); }

  private:
    struct Slot {
        QComboBox* type = nullptr;
        NumberField* value = nullptr;
        QLabel* label = nullptr;
        QLabel* picture = nullptr;
    };
    void BuildSlot(QWidget* area, int j);

    std::array<Slot, 6> slots_{};  // 1..5
};

}  // namespace kmr::ui
