#include "edit/NodeLoadPage.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>

#include "WindowState.h"
#include "edit/NumberField.h"
#include "edit/PageContext.h"

namespace kmr::ui {

NodeLoadPage::NodeLoadPage(PageContext& context, QWidget* area)
    : LoadSlotPage(context, area, QStringLiteral("TabNodeLoad"), QStringLiteral("Label55"), 2,
                   [this](int index) { TabNodeLoadChange(index); }) {
    MakeLabel(area,
              QStringLiteral(
                  "単位： 集中Ｐ：[(t)(kN)]    曲げモーメントＭ(時計回りが正)：[(t/m2)(kN/m2)]"),
              90, 32);
    for (int j = 1; j <= kmr::kLoadSlots; ++j) BuildSlot(area, j);
}

void NodeLoadPage::BuildSlot(QWidget* area, int j) {
    Slot& s = slots_[static_cast<std::size_t>(j)];
    QGroupBox* box =
        MakeSlotBox(area, QStringLiteral("節点荷重"), QStringLiteral("GroupNdLd"), j, 180);
    s.type = MakeSlotTypeBox(box, QStringLiteral("ComboNdLdTp"), j, NodeLoadTypeItems(),
                             kmr::kNodeNone, context_.Connections(),
                             [this, j](int index) { ComboNdLdTp1Change(j, index); });
    s.label = MakeLabel(box, QStringLiteral("荷重 PM"), 6, 52);
    s.label->setObjectName(QStringLiteral("Label100%1").arg(j));
    s.value = new NumberField(box, QStringLiteral("MmNd%1").arg(j), j == 1 ? 7 : 5, true, j);
    s.value->setGeometry(60, 48, 64, 21);
    s.value->setToolTip(QStringLiteral("値＜｜1000(t/cm2) or 10000(kN/cm2)｜"));
    context_.BindLoadField(s.value, limits::LoadValue);
    s.picture = MakeSlotPicture(box, QStringLiteral("ImageNdLd"), j, 100);
    ApplyNodeLoadType(j);
}

void NodeLoadPage::ShowNodeLoads(int support) {
    const kmr::SupportRecord& r =
        context_.State().Model.Supports[static_cast<std::size_t>(support)];
    for (int j = 1; j <= kmr::kLoadSlots; ++j) {
        const Slot& s = slots_[static_cast<std::size_t>(j)];
        const kmr::NodeLoad& l = r.NodeLoads[static_cast<std::size_t>(j - 1)];
        ShowSlotType(s.type, l.LoadType,
                     kmr::IsNodeLoadCode(l.LoadType) || l.LoadType == kmr::kNodeNone);
        ApplyNodeLoadType(j);
        s.value->ShowValue(l.Value);
    }
}

void NodeLoadPage::ApplyNodeLoadType(int slot) {
    const Slot& s = slots_[static_cast<std::size_t>(slot)];
    const bool inUse = NodeFieldInUse(s.type->currentIndex());
    s.value->SetInUse(inUse, inUse ? QColor(Qt::white) : ButtonFaceColour());
    s.label->setEnabled(inUse);
    const int picture = inUse ? 7 : 6;
    ShowPicture(s.picture, picture);
}

std::array<NodeSlotTexts, kmr::kLoadSlots> NodeLoadPage::Texts() const {
    std::array<NodeSlotTexts, kmr::kLoadSlots> texts;
    for (int j = 1; j <= kmr::kLoadSlots; ++j) {
        const Slot& s = slots_[static_cast<std::size_t>(j)];
        texts[static_cast<std::size_t>(j - 1)] = {s.type->currentIndex(), s.value->text(),
                                                  s.value->ShownValue()};
    }
    return texts;
}

void NodeLoadPage::TabNodeLoadChange(int index) {
    context_.Sequences().ChangeCurrentSupport(index + 1);
}

void NodeLoadPage::ChangeNodeLoadType(int slot, int type) {
    const WindowState& st = context_.State();
    const kmr::SupportRecord& r = st.Model.Supports[static_cast<std::size_t>(st.CurrentSupport)];
    NoteTypeChosen(type, r.NodeLoads[static_cast<std::size_t>(slot - 1)].LoadType);
    ApplyNodeLoadType(slot);
}

}  // namespace kmr::ui
