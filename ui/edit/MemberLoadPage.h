// The page "部材荷重": the tab row TabGirLoad (one tab per member), the
// header Label54 with the unit lines, and five load slots side by side, each
// with its type box ComboGirLdTp j, the full-span button Btn j, the fields
// MmGir j1..j5 with their labels Label(100j+k) and the picture of the type.
#pragma once

#include <array>

#include "edit/LoadSlotPage.h"
#include "edit/LoadSlots.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QWidget;

namespace kmr::ui {

class PageContext;
class NumberField;

class MemberLoadPage : public LoadSlotPage {
  public:
    // The page built in area; its tabs are "部材[1]".."部材[n]".
    MemberLoadPage(PageContext& context, QWidget* area);

    // The five slots of member m into the controls.
    void ShowMemberLoads(int m);
    // Picture and fields in use from the type box's current index.
    void ApplyMemberLoadType(int slot);
    // The controls' texts for the gather.
    std::array<MemberSlotTexts, kmr::kLoadSlots> Texts() const;

    // A load type chosen in slot 1..5: its fields and picture, the slots
    // gathered and the diagram redrawn.
    void ChangeMemberLoadType(int slot, int type);
    // "全ｽﾊﾟﾝ": the slot's load set over the whole span of the current
    // member (lengths asked for, or the slab-load dialog).
    void FillSlotOverWholeSpan(int slot);

    // The handlers the controls call, under the controls' names.
    void TabGirLoadChange(int index);
    void ComboGirLdTp1Change(int slot, int type) { ChangeMemberLoadType(slot, type); }
    void Btn1Click(int slot) { FillSlotOverWholeSpan(slot); }

  private:
    struct Slot {
        QGroupBox* box = nullptr;
        QComboBox* type = nullptr;
        QPushButton* fullSpan = nullptr;
        std::array<NumberField*, 5> fields{};
        std::array<QLabel*, 5> labels{};
        QLabel* picture = nullptr;
    };
    void BuildSlot(QWidget* area, int j);
    void WriteSlabFields(int slot, const QString& spanText);

    std::array<Slot, 6> slots_{};  // 1..5
};

}  // namespace kmr::ui
