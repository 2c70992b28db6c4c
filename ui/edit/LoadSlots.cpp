#include "edit/LoadSlots.h"

#include <cmath>

#include "InputError.h"
#include "dialogs/YoungList.h"
#include "edit/EditRules.h"
#include "edit/FieldText.h"
#include "model/Model.h"

namespace kmr::ui {
namespace {

const char* const kMemberFieldNames[5] = {"荷重 WP", "距離 Ｌ", "長さ Ｌ1", "長さ Ｌ2", "高さ  Ｈ"};

double ReadSlotField(const QString& text, const QString& where) {
    const QString t = text.trimmed();
    if (t.isEmpty()) return 0.0;
    const std::optional<double> v = ParseNumber(t);
    if (!v) throw InputError((where + QStringLiteral("\r\n") + NotANumberMessage(t)).toStdString());
    return *v;
}

}  // namespace

QStringList MemberLoadTypeItems() {
    return {QStringLiteral("集中"),   QStringLiteral("右上三"), QStringLiteral("左上三"),
            QStringLiteral("等分布"), QStringLiteral("台形"),   QStringLiteral("三角"),
            QStringLiteral("-----")};
}

QStringList NodeLoadTypeItems() {
    return {QStringLiteral("Ｐ"), QStringLiteral("Ｍ"), QStringLiteral("-----")};
}

QStringList SupportConditionItems() {
    return {QStringLiteral("固定"), QStringLiteral("単純"), QStringLiteral("ﾋﾝｼﾞ"),
            QStringLiteral("バネ"), QStringLiteral("自由")};
}

MemberSlotUse MemberFieldsInUse(int type) {
    MemberSlotUse use;
    if (!kmr::IsMemberLoadCode(type)) return use;
    use.fields = {true, true, type != kmr::kLoadConcentrated, type == kmr::kLoadTrapezoid,
                  type != kmr::kLoadConcentrated};
    use.fullSpan = type != kmr::kLoadConcentrated;
    return use;
}

bool NodeFieldInUse(int type) {
    return kmr::IsNodeLoadCode(type);
}

int MemberLoadPicture(int type) {
    return kmr::IsMemberLoadCode(type) ? type : kmr::kLoadNone;
}

QStringList LoadTabTexts(int kind, int spanCount) {
    QStringList tabs;
    const int count = kind == 1 ? spanCount : spanCount + 1;
    for (int i = 1; i <= count; ++i) {
        tabs << (kind == 1 ? QStringLiteral("部材[%1]").arg(i)
                           : QStringLiteral("支点[%1]").arg(SupportName(i)));
    }
    return tabs;
}

std::array<kmr::MemberLoad, kmr::kLoadSlots> ReadMemberSlots(
    const std::array<MemberSlotTexts, kmr::kLoadSlots>& texts, int member,
    const std::array<kmr::MemberLoad, kmr::kLoadSlots>& stored) {
    std::array<kmr::MemberLoad, kmr::kLoadSlots> loads = stored;
    for (int j = 0; j < kmr::kLoadSlots; ++j) {
        const MemberSlotTexts& s = texts[static_cast<std::size_t>(j)];
        double v[5];
        for (std::size_t k = 0; k < 5; ++k) {
            const QString where = QStringLiteral("部材[%1] 部材荷重 - No.%2 「%3」")
                                      .arg(member)
                                      .arg(j + 1)
                                      .arg(QString::fromUtf8(kMemberFieldNames[k]));
            v[k] = s.shown[k] ? *s.shown[k] : ReadSlotField(s.fields[k], where);
        }
        kmr::MemberLoad& l = loads[static_cast<std::size_t>(j)];
        if (s.type >= 0) l.LoadType = s.type;
        StoreValue(l.Value, v[0]);
        StoreValue(l.Distance, v[1]);
        StoreValue(l.Length1, v[2]);
        StoreValue(l.Length2, v[3]);
        StoreValue(l.Height, v[4]);
    }
    return loads;
}

std::array<kmr::NodeLoad, kmr::kLoadSlots> ReadNodeSlots(
    const std::array<NodeSlotTexts, kmr::kLoadSlots>& texts, int support,
    const std::array<kmr::NodeLoad, kmr::kLoadSlots>& stored) {
    std::array<kmr::NodeLoad, kmr::kLoadSlots> loads = stored;
    for (int j = 0; j < kmr::kLoadSlots; ++j) {
        const NodeSlotTexts& s = texts[static_cast<std::size_t>(j)];
        const QString where = QStringLiteral("支点[%1] 節点荷重 - No.%2 「荷重 PM」")
                                  .arg(SupportName(support))
                                  .arg(j + 1);
        kmr::NodeLoad& l = loads[static_cast<std::size_t>(j)];
        if (s.type >= 0) l.LoadType = s.type;
        StoreValue(l.Value, s.shown ? *s.shown : ReadSlotField(s.value, where));
    }
    return loads;
}

void StoreValue(kmr::Extended& target, double v) {
    if (target.Value() != v || std::signbit(target.Value()) != std::signbit(v)) target = v;
}

FullSpanAction FullSpanActionFor(int type, double spanLength) {
    if (!MemberFieldsInUse(type).fullSpan) return FullSpanAction::Nothing;
    if (static_cast<float>(spanLength) < kmr::kEpsilon) return FullSpanAction::NoSpanLength;
    if (type == kmr::kLoadTrapezoid || type == kmr::kLoadTriangle) {
        return FullSpanAction::SlabDialog;
    }
    return FullSpanAction::AskLengths;
}

QPoint SlabDialogTopLeft(const QRect& window, int groupLeft, int groupWidth, int slot,
                         const QSize& dialog) {
    const int top = window.top() + window.height() - dialog.height() - 73;
    const int pitch = groupWidth + 6;
    const int left = slot < 5 ? window.left() + groupLeft + pitch * slot + 3
                              : window.left() + groupLeft + pitch * 4 - dialog.width() + 6 + 3;
    return {left, top};
}

}  // namespace kmr::ui
