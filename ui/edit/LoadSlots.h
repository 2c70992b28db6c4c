// The five load slots of the member-load and node-load pages without their
// widgets: which fields a load type uses, the tab texts, and reading the
// slots from the texts of their controls.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

#include "model/Model.h"

namespace kmr::ui {

// Member-load type items in code order ("集中" .. "-----"), node-load items
// ("Ｐ", "Ｍ", "-----"), support condition items ("固定" .. "自由").
QStringList MemberLoadTypeItems();
QStringList NodeLoadTypeItems();
QStringList SupportConditionItems();

// Fields WP, L, L1, L2, H of a member-load slot in use for a type code (the
// box's index; -1 when nothing is selected), and the "全ｽﾊﾟﾝ" button.
struct MemberSlotUse {
    std::array<bool, 5> fields{};
    bool fullSpan = false;
};
MemberSlotUse MemberFieldsInUse(int type);
// The value field of a node-load slot is in use for Ｐ and Ｍ.
bool NodeFieldInUse(int type);

// The member-load picture of a type: 0..6 (6 also for nothing selected).
int MemberLoadPicture(int type);

// kind 1: "部材[1]".."部材[n]"; kind 2: "支点[A]".."支点[n+1]".
QStringList LoadTabTexts(int kind, int spanCount);

// The controls of one member-load slot as text: the type box's index (-1
// when it shows nothing) and the five fields WP, L, L1, L2, H, each with the
// model value it still shows unchanged (NumberField::ShownValue).
struct MemberSlotTexts {
    int type = kmr::kLoadNone;
    std::array<QString, 5> fields;
    std::array<std::optional<double>, 5> shown{};
};
struct NodeSlotTexts {
    int type = kmr::kNodeNone;
    QString value;
    std::optional<double> shown{};
};

// All five slots read before anything is stored, over the slots as stored:
// a field that still shows its value gives that value, an empty field reads
// 0; a field that is not a number throws InputError naming the member or
// support, the slot and the field, and the caller's model stays as it was.
// A value equal to the stored one keeps the stored bytes (StoreValue), and a
// type box that shows nothing keeps the stored code, so reading back what
// was shown changes nothing.
std::array<kmr::MemberLoad, kmr::kLoadSlots> ReadMemberSlots(
    const std::array<MemberSlotTexts, kmr::kLoadSlots>& texts, int member,
    const std::array<kmr::MemberLoad, kmr::kLoadSlots>& stored = {});
std::array<kmr::NodeLoad, kmr::kLoadSlots> ReadNodeSlots(
    const std::array<NodeSlotTexts, kmr::kLoadSlots>& texts, int support,
    const std::array<kmr::NodeLoad, kmr::kLoadSlots>& stored = {});

// target := v, unless target already holds v: then its bytes (an extended
// real read from a file may lie between two doubles) are kept.
void StoreValue(kmr::Extended& target, double v);

// What the "全ｽﾊﾟﾝ" button of a slot does for its type and the span length.
enum class FullSpanAction { Nothing, NoSpanLength, AskLengths, SlabDialog };
FullSpanAction FullSpanActionFor(int type, double spanLength);

// Top-left corner of the slab-load dialog for a slot (1..5): its top is the
// window's bottom less the dialog's height and 73; its left follows the
// slot's group box (left g, width w, relative to the window), for slot 5
// ending near the window's right.
QPoint SlabDialogTopLeft(const QRect& window, int groupLeft, int groupWidth, int slot,
                         const QSize& dialog);

}  // namespace kmr::ui
