#include "edit/NodeLoadPage.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QTabBar>

#include "WindowState.h"
#include "edit/EditorCore.h"
#include "edit/LoadPictures.h"
#include "edit/NumberField.h"

namespace kmr::ui {
namespace {

QLabel* Text(QWidget* parent, const QString& text, int x, int y) {
    auto* l = new QLabel(text, parent);
    l->move(x, y);
    l->adjustSize();
    return l;
}

}  // namespace

NodeLoadPage::NodeLoadPage(EditorCore& core, QWidget* area) : core_(core) {
    tabs_ = new QTabBar(area);
    tabs_->setObjectName(QStringLiteral("TabNodeLoad"));
    tabs_->setGeometry(4, 2, 700, 24);
    tabs_->setExpanding(false);
    QObject::connect(tabs_, &QTabBar::currentChanged, core_.Context(),
                     [this](int index) { core_.TabNodeLoadChange(index); });
    label55_ = Text(area, QString(), 12, 32);
    label55_->setObjectName(QStringLiteral("Label55"));
    QFont bold = label55_->font();
    bold.setBold(true);
    label55_->setFont(bold);
    label55_->setFixedWidth(70);
    Text(area,
         QStringLiteral(
             "単位： 集中Ｐ：[(t)(kN)]    曲げモーメントＭ(時計回りが正)：[(t/m2)(kN/m2)]"),
         90, 32);
    for (int j = 1; j <= kmr::kLoadSlots; ++j) BuildSlot(area, j);
}

void NodeLoadPage::BuildSlot(QWidget* area, int j) {
    Slot& s = slots_[static_cast<std::size_t>(j)];
    auto* box = new QGroupBox(QStringLiteral("節点荷重 - No.%1").arg(j), area);
    box->setObjectName(QStringLiteral("GroupNdLd%1").arg(j));
    box->setGeometry(14 + 136 * (j - 1), 50, 130, 180);
    s.type = new QComboBox(box);
    s.type->setObjectName(QStringLiteral("ComboNdLdTp%1").arg(j));
    s.type->setProperty("Tag", j);
    s.type->addItems(NodeLoadTypeItems());
    s.type->setCurrentIndex(kmr::kNodeNone);
    s.type->setGeometry(6, 18, 70, 22);
    QObject::connect(s.type, &QComboBox::activated, core_.Context(),
                     [this, j](int index) { ComboNdLdTp1Change(j, index); });
    s.label = Text(box, QStringLiteral("荷重 PM"), 6, 52);
    s.label->setObjectName(QStringLiteral("Label100%1").arg(j));
    s.value = new NumberField(box, QStringLiteral("MmNd%1").arg(j), j == 1 ? 7 : 5, true, j);
    s.value->setGeometry(60, 48, 64, 21);
    s.value->setToolTip(QStringLiteral("値＜｜1000(t/cm2) or 10000(kN/cm2)｜"));
    core_.BindLoadField(s.value, limits::LoadValue);
    s.picture = new QLabel(box);
    s.picture->setObjectName(QStringLiteral("ImageNdLd%1").arg(j));
    s.picture->setGeometry(5, 100, kLoadPictureWidth, kLoadPictureHeight);
    ApplyNodeLoadType(j);
}

void NodeLoadPage::BuildLoadTabs(int spanCount) {
    const QSignalBlocker block(tabs_);
    while (tabs_->count() > 0) tabs_->removeTab(0);
    for (const QString& t : LoadTabTexts(2, spanCount)) tabs_->addTab(t);
}

void NodeLoadPage::SelectTab(int support) {
    {
        const QSignalBlocker block(tabs_);
        tabs_->setCurrentIndex(support - 1);
    }
    label55_->setText(TabText(support - 1));
}

QString NodeLoadPage::TabText(int index) const {
    return tabs_->tabText(index);
}

void NodeLoadPage::ShowNodeLoads(int support) {
    const kmr::SupportRecord& r = core_.State().Model.Supports[static_cast<std::size_t>(support)];
    for (int j = 1; j <= kmr::kLoadSlots; ++j) {
        const Slot& s = slots_[static_cast<std::size_t>(j)];
        const kmr::NodeLoad& l = r.NodeLoads[static_cast<std::size_t>(j - 1)];
        {
            const QSignalBlocker block(s.type);
            const bool known = kmr::IsNodeLoadCode(l.LoadType) || l.LoadType == kmr::kNodeNone;
            s.type->setCurrentIndex(known ? l.LoadType : -1);
        }
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
    s.picture->setPixmap(core_.LoadPicture(picture));
    s.picture->setProperty("Picture", picture);
}

std::array<NodeSlotTexts, kmr::kLoadSlots> NodeLoadPage::Texts() const {
    std::array<NodeSlotTexts, kmr::kLoadSlots> texts;
    for (int j = 1; j <= kmr::kLoadSlots; ++j) {
        const Slot& s = slots_[static_cast<std::size_t>(j)];
        texts[static_cast<std::size_t>(j - 1)] = {s.type->currentIndex(), s.value->text()};
    }
    return texts;
}

void NodeLoadPage::ComboNdLdTp1Change(int slot, int type) {
    WindowState& st = core_.State();
    const kmr::SupportRecord& r = st.Model.Supports[static_cast<std::size_t>(st.CurrentSupport)];
    if (type != r.NodeLoads[static_cast<std::size_t>(slot - 1)].LoadType) st.IsModified = true;
    ApplyNodeLoadType(slot);
}

}  // namespace kmr::ui
