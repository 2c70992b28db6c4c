#include "edit/MemberLoadPage.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "UserDialogs.h"
#include "WindowState.h"
#include "dialogs/Dialogs.h"
#include "edit/EditRules.h"
#include "edit/NumberField.h"
#include "edit/PageContext.h"

namespace kmr::ui {
namespace {

const char* const kFieldLabels[5] = {"荷重 WP", "距離 Ｌ", "長さ Ｌ1", "長さ Ｌ2", "高さ  Ｈ"};

}  // namespace

MemberLoadPage::MemberLoadPage(PageContext& context, QWidget* area)
    : LoadSlotPage(context, area, QStringLiteral("TabGirLoad"), QStringLiteral("Label54"), 1,
                   [this](int index) { TabGirLoadChange(index); }) {
    MakeLabel(area, QStringLiteral("単位： 分布荷重Ｗ：[(t/m2)(kN/m2)]   集中Ｐ：[(t)(kN)]"), 90,
              32);
    MakeLabel(area, QStringLiteral("長さL･高さH:[m]"), 560, 32);
    for (int j = 1; j <= kmr::kLoadSlots; ++j) BuildSlot(area, j);
}

void MemberLoadPage::BuildSlot(QWidget* area, int j) {
    Slot& s = slots_[static_cast<std::size_t>(j)];
    s.box = MakeSlotBox(area, QStringLiteral("部材荷重"), QStringLiteral("GroupGirLd"), j, 248);
    s.type = MakeSlotTypeBox(s.box, QStringLiteral("ComboGirLdTp"), j, MemberLoadTypeItems(),
                             kmr::kLoadNone, context_.Connections(),
                             [this, j](int index) { ComboGirLdTp1Change(j, index); });
    s.fullSpan = new QPushButton(QStringLiteral("全ｽﾊﾟﾝ"), s.box);
    s.fullSpan->setObjectName(QStringLiteral("Btn%1").arg(j));
    s.fullSpan->setProperty("Tag", j);
    s.fullSpan->setToolTip(QStringLiteral("全スパン分布荷重データを設定します"));
    s.fullSpan->setGeometry(78, 18, 46, 22);
    QObject::connect(s.fullSpan, &QPushButton::clicked, context_.Connections(),
                     [this, j] { Btn1Click(j); });
    for (int k = 1; k <= 5; ++k) {
        const std::size_t i = static_cast<std::size_t>(k - 1);
        s.labels[i] = MakeLabel(s.box, QString::fromUtf8(kFieldLabels[i]), 6, 52 + 24 * (k - 1));
        s.labels[i]->setObjectName(QStringLiteral("Label%1").arg(100 * j + k));
        auto* f = new NumberField(s.box, QStringLiteral("MmGir%1%2").arg(j).arg(k), 7, k == 1, j);
        f->setGeometry(60, 48 + 24 * (k - 1), 64, 21);
        f->setToolTip(k == 1 ? QStringLiteral("値＜｜1000(t/cm2) or 10000(kN/cm2)｜")
                             : QStringLiteral("最大値＜100(m)"));
        context_.BindLoadField(f, k == 1 ? limits::LoadValue : limits::LoadLength);
        s.fields[i] = f;
    }
    s.picture = MakeSlotPicture(s.box, QStringLiteral("ImageGirLd"), j, 172);
    ApplyMemberLoadType(j);
}

void MemberLoadPage::ShowMemberLoads(int m) {
    const kmr::MemberRecord& r = context_.State().Model.Members[static_cast<std::size_t>(m)];
    for (int j = 1; j <= kmr::kLoadSlots; ++j) {
        const Slot& s = slots_[static_cast<std::size_t>(j)];
        const kmr::MemberLoad& l = r.Loads[static_cast<std::size_t>(j - 1)];
        ShowSlotType(s.type, l.LoadType,
                     kmr::IsMemberLoadCode(l.LoadType) || l.LoadType == kmr::kLoadNone);
        ApplyMemberLoadType(j);
        const double values[5] = {l.Value, l.Distance, l.Length1, l.Length2, l.Height};
        for (std::size_t k = 0; k < 5; ++k) s.fields[k]->ShowValue(values[k]);
    }
}

void MemberLoadPage::ApplyMemberLoadType(int slot) {
    const Slot& s = slots_[static_cast<std::size_t>(slot)];
    const int type = s.type->currentIndex();
    const MemberSlotUse use = MemberFieldsInUse(type);
    for (std::size_t k = 0; k < 5; ++k) {
        s.fields[k]->SetInUse(use.fields[k],
                              use.fields[k] ? QColor(Qt::white) : ButtonFaceColour());
        s.labels[k]->setEnabled(use.fields[k]);
    }
    s.fullSpan->setEnabled(use.fullSpan);
    const int picture = MemberLoadPicture(type);
    ShowPicture(s.picture, picture);
}

std::array<MemberSlotTexts, kmr::kLoadSlots> MemberLoadPage::Texts() const {
    std::array<MemberSlotTexts, kmr::kLoadSlots> texts;
    for (int j = 1; j <= kmr::kLoadSlots; ++j) {
        const Slot& s = slots_[static_cast<std::size_t>(j)];
        MemberSlotTexts& t = texts[static_cast<std::size_t>(j - 1)];
        t.type = s.type->currentIndex();
        for (std::size_t k = 0; k < 5; ++k) {
            t.fields[k] = s.fields[k]->text();
            t.shown[k] = s.fields[k]->ShownValue();
        }
    }
    return texts;
}

void MemberLoadPage::TabGirLoadChange(int index) {
    context_.Sequences().ChangeCurrentMember(index + 1);
}

void MemberLoadPage::ChangeMemberLoadType(int slot, int type) {
    const WindowState& st = context_.State();
    const kmr::MemberRecord& r = st.Model.Members[static_cast<std::size_t>(st.CurrentMember)];
    NoteTypeChosen(type, r.Loads[static_cast<std::size_t>(slot - 1)].LoadType);
    ApplyMemberLoadType(slot);
    context_.Sequences().GatherAndRedraw();
}

void MemberLoadPage::FillSlotOverWholeSpan(int slot) {
    const Slot& s = slots_[static_cast<std::size_t>(slot)];
    const int type = s.type->currentIndex();
    const int member = context_.State().CurrentMember;
    const QString spanText = context_.Sequences().SpanText(member);
    double span = 0;
    if (!context_.Run([&] { span = ReadFieldNumber(spanText); })) return;
    switch (FullSpanActionFor(type, span)) {
        case FullSpanAction::Nothing:
            return;
        case FullSpanAction::NoSpanLength:
            context_.Dialogs().Message(MsgKind::Information, msg::NoSpanLength(member),
                                       int(Button::OK));
            return;
        case FullSpanAction::AskLengths:
            if (context_.Dialogs().Message(MsgKind::Confirmation, msg::FullSpanQuestion(),
                                           Button::Yes | Button::Cancel) != Button::Yes) {
                return;
            }
            s.fields[1]->Write(0);
            s.fields[2]->Write(span);
            s.fields[3]->Write(0);
            break;
        case FullSpanAction::SlabDialog:
            WriteSlabFields(slot, spanText);
            break;
    }
    context_.Sequences().GatherAndRedraw();
}

void MemberLoadPage::WriteSlabFields(int slot, const QString& spanText) {
    const Slot& s = slots_[static_cast<std::size_t>(slot)];
    QWidget* window = context_.Window();
    const QRect frame = window->frameGeometry();
    const QGroupBox* first = slots_[1].box;
    const int groupLeft = first->mapToGlobal(QPoint(0, 0)).x() - frame.left();
    const QPoint topLeft =
        SlabDialogTopLeft(frame, groupLeft, first->width(), slot, QSize(217, 210));
    const std::optional<SlabFieldTexts> texts = AskSlabLoad(
        window, context_.Dialogs(), s.type->currentIndex(), spanText.trimmed(), topLeft);
    if (!texts) return;
    s.fields[1]->Show(texts->L);
    s.fields[2]->Show(texts->L1);
    s.fields[3]->Show(texts->L2);
    s.fields[4]->Show(texts->H);
}

}  // namespace kmr::ui
