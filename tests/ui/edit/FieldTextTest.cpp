// Numbers in the editor's fields: the shown text (rounded to fit, never cut),
// reading typed text, the limits that turn fields red, the key filter, and
// the slot rules of the load pages.
#include <gtest/gtest.h>

#include <cmath>

#include "InputError.h"
#include "edit/EditRules.h"
#include "edit/FieldText.h"
#include "edit/LoadSlots.h"

namespace kmr::ui::test {
namespace {

TEST(FieldText, ValuesAreRoundedToFitTheFieldNeverCut) {
    const struct {
        double v;
        int length;
        const char* text;
    } cases[] = {
        {0.0, 5, "0"},
        {0.0000005, 5, "0"},  // below 1e-6 in single precision
        {-0.0000009, 5, "0"},
        {6.5, 7, "6.5"},
        {100, 6, "100"},
        {0.1, 5, "0.1"},
        {1234.5678, 5, "1235"},
        {-12.345, 5, "-12.3"},
        {12345678, 5, "1.2E7"},  // cut, this was 12345
        {12345678, 7, "1.235E7"},
        {1.5e20, 5, "2E+20"},  // cut, this was 1.5E+2
        {1.5e20, 7, "1.5E+20"},
        {double(2.1f), 6, "2.1"},  // a version-1 single, cut this was 2.09999
        {double(2.1f), 30, "2.09999990463257"},
        {0.00012, 5, ".0001"},
        {0.00012, 4, "1E-4"},
        {0.1234, 5, ".1234"},
        {-0.125, 5, "-.125"},
        {-0.1256, 5, "-.126"},
        {0.00012, 7, "0.00012"},
        {0.0000123, 9, "1.23E-5"},
        {99999997952.0, 12, "99999997952"},
        {1e15, 12, "1E+15"},
        {-1e100, 5, "-1E+100"},  // too long even with one digit: shown whole
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ValueText(c.v, c.length), QString::fromLatin1(c.text)) << c.v << " " << c.length;
    }
}

TEST(FieldText, AnyTypedTextSurvivesAShowUnchangedInValue) {
    // Whatever fits the field when typed reads back to the same number after
    // being shown again (so a refresh never changes what the user typed).
    const char* typed[] = {"6",      "0.5",   ".5",    "1.",     "99.99",    "12345",
                           ".1234",  "-.125", "1.234", "0.0001", "1234567",  ".00001",
                           "3.3333", "007",   "-0.75", "-12.5",  "0.000001", "123456789012"};
    for (const char* t : typed) {
        const QString text = QString::fromLatin1(t);
        const double v = *ParseNumber(text);
        const QString shown = ValueText(v, text.size());
        EXPECT_LE(shown.size(), text.size()) << t;
        EXPECT_EQ(*ParseNumber(shown), v) << t << " shown as " << shown.toStdString();
    }
}

TEST(FieldText, ReadingTypedText) {
    EXPECT_EQ(ReadFieldNumber(QString()), 0.0);
    EXPECT_EQ(ReadFieldNumber(QStringLiteral("  ")), 0.0);
    EXPECT_EQ(ReadFieldNumber(QStringLiteral(" 1. ")), 1.0);
    EXPECT_EQ(ReadFieldNumber(QStringLiteral(".5")), 0.5);
    EXPECT_EQ(ReadFieldNumber(QStringLiteral("-2.5")), -2.5);
    EXPECT_EQ(ReadFieldNumber(QStringLiteral("1.5E+3")), 1500.0);
    EXPECT_EQ(ReadFieldNumber(QStringLiteral("-"), true), 0.0);
    for (const char* bad : {".", "-", "1.2.3", "1,5", "abc", "inf", "nan", "1e400", "--1", "1-"}) {
        EXPECT_THROW(ReadFieldNumber(QString::fromLatin1(bad)), InputError) << bad;
    }
    try {
        ReadFieldNumber(QStringLiteral("1.2."));
    } catch (const InputError& e) {
        EXPECT_TRUE(QString::fromUtf8(e.what()).contains(QStringLiteral("'1.2.'")));
    }
}

TEST(FieldText, LimitsByUnitSystem) {
    EXPECT_TRUE(IsOverLimit(limits::Span, 0, 100));
    EXPECT_FALSE(IsOverLimit(limits::Span, 0, 99.99));
    EXPECT_TRUE(IsOverLimit(limits::Spring, 0, 1500));
    EXPECT_FALSE(IsOverLimit(limits::Spring, 1, 1500));
    EXPECT_TRUE(IsOverLimit(limits::Spring, 1, 10000));
    EXPECT_TRUE(IsOverLimit(limits::CommonLoad, 0, -1000));  // by absolute value
    EXPECT_FALSE(IsOverLimit(limits::CommonLoad, 1, -9999));
    EXPECT_TRUE(IsOverLimit(limits::LoadValue, 1, -10000));
    EXPECT_FALSE(IsOverLimit(limits::LoadLength, 0, -500));  // lengths: the value itself
    EXPECT_TRUE(IsOverLimit(limits::MemberIo, 0, 99999997952.0));
    EXPECT_FALSE(IsOverLimit(limits::MemberIo, 0, 99999997951.0));
    EXPECT_TRUE(IsOverLimit(limits::CommonE, 0, 1e6));
    EXPECT_FALSE(IsOverLimit(limits::CommonE, 1, 1e6));
    EXPECT_TRUE(IsOverLimit(limits::MemberSize, 1, 1000));

    const FieldOutcome red = EvaluateField(QStringLiteral("100"), limits::Span, 0);
    EXPECT_TRUE(red.red);
    EXPECT_FALSE(red.marksChanged);
    EXPECT_EQ(red.value, 100.0);  // stored all the same
    const FieldOutcome black = EvaluateField(QStringLiteral("99.99"), limits::Span, 0);
    EXPECT_FALSE(black.red);
    EXPECT_TRUE(black.marksChanged);
}

TEST(FieldText, KeyFilter) {
    const auto none = Qt::NoModifier;
    const auto ctrl = Qt::ControlModifier;
    const struct {
        int key;
        Qt::KeyboardModifiers mods;
        const char* text;
        bool unsignedOk, signedOk;
    } cases[] = {
        {Qt::Key_5, none, "5", true, true},         {Qt::Key_Period, none, ".", true, true},
        {Qt::Key_Minus, none, "-", false, true},    {Qt::Key_E, none, "e", false, false},
        {Qt::Key_Comma, none, ",", false, false},   {Qt::Key_Space, none, " ", false, false},
        {Qt::Key_Plus, none, "+", false, false},    {Qt::Key_Backspace, none, "\b", true, true},
        {Qt::Key_Return, none, "\r", false, false}, {Qt::Key_Enter, none, "\r", false, false},
        {Qt::Key_C, ctrl, "\x03", true, true},      {Qt::Key_V, ctrl, "\x16", true, true},
        {Qt::Key_X, ctrl, "\x18", true, true},      {Qt::Key_A, ctrl, "\x01", false, false},
        {Qt::Key_Left, none, "", true, true},       {Qt::Key_Delete, none, "\x7f", true, true},
    };
    for (const auto& c : cases) {
        const QString text = QString::fromLatin1(c.text);
        EXPECT_EQ(KeyAdmitted(c.key, c.mods, text, false), c.unsignedOk) << c.key;
        EXPECT_EQ(KeyAdmitted(c.key, c.mods, text, true), c.signedOk) << c.key;
    }
}

TEST(EditRules, UnitLabelsAndBeamSizeIo) {
    EXPECT_EQ(UnitLabelText(1, 0), QStringLiteral("(t/cm)"));
    EXPECT_EQ(UnitLabelText(2, 0), QStringLiteral("(t/m2)"));
    EXPECT_EQ(UnitLabelText(3, 0), QStringLiteral("(t/cm2)"));
    EXPECT_EQ(UnitLabelText(4, 1), QStringLiteral("(kN/cm)"));
    EXPECT_EQ(UnitLabelText(14, 1), QStringLiteral("(kN/cm2)"));
    EXPECT_DOUBLE_EQ(BeamSizeIo(3, 6), 54.0);  // 3 · 216 / 12
    EXPECT_DOUBLE_EQ(BeamSizeIo(40, 80), 1706666.0 + 2.0 / 3.0);
    EXPECT_EQ(FixedText(BeamSizeIo(3, 6), 1), QStringLiteral("54.0"));
}

TEST(LoadSlots, FieldsInUsePerType) {
    const struct {
        int type;
        std::array<bool, 5> fields;
        bool fullSpan;
    } cases[] = {
        {0, {true, true, false, false, false}, false},
        {1, {true, true, true, false, true}, true},
        {2, {true, true, true, false, true}, true},
        {3, {true, true, true, false, true}, true},
        {4, {true, true, true, true, true}, true},
        {5, {true, true, true, false, true}, true},
        {6, {false, false, false, false, false}, false},
        {-1, {false, false, false, false, false}, false},
    };
    for (const auto& c : cases) {
        const MemberSlotUse use = MemberFieldsInUse(c.type);
        EXPECT_EQ(use.fields, c.fields) << c.type;
        EXPECT_EQ(use.fullSpan, c.fullSpan) << c.type;
    }
    EXPECT_TRUE(NodeFieldInUse(0));
    EXPECT_TRUE(NodeFieldInUse(1));
    EXPECT_FALSE(NodeFieldInUse(2));
    EXPECT_FALSE(NodeFieldInUse(-1));
}

TEST(LoadSlots, TabTextsFollowTheSpanCount) {
    EXPECT_EQ(LoadTabTexts(1, 4),
              QStringList({QStringLiteral("部材[1]"), QStringLiteral("部材[2]"),
                           QStringLiteral("部材[3]"), QStringLiteral("部材[4]")}));
    EXPECT_EQ(LoadTabTexts(2, 4), QStringList({QStringLiteral("支点[A]"), QStringLiteral("支点[B]"),
                                               QStringLiteral("支点[C]"), QStringLiteral("支点[D]"),
                                               QStringLiteral("支点[E]")}));
    EXPECT_EQ(LoadTabTexts(2, 10).last(), QStringLiteral("支点[K]"));
}

TEST(LoadSlots, ASlotThatCannotBeReadStoresNothing) {
    std::array<MemberSlotTexts, 5> texts;
    texts[0] = {kLoadUniform, {"1.5", "0", "6", "", "2"}};
    texts[2] = {kLoadConcentrated, {"3", "1.", "abc", "", ""}};  // L1 unread but not a number
    try {
        ReadMemberSlots(texts, 4);
        FAIL() << "no error";
    } catch (const InputError& e) {
        const QString m = QString::fromUtf8(e.what());
        EXPECT_TRUE(m.contains(QStringLiteral("部材[4]"))) << e.what();
        EXPECT_TRUE(m.contains(QStringLiteral("No.3"))) << e.what();
        EXPECT_TRUE(m.contains(QStringLiteral("長さ Ｌ1"))) << e.what();
        EXPECT_TRUE(m.contains(QStringLiteral("'abc'"))) << e.what();
    }
    texts[2].fields[2] = QString();
    const auto loads = ReadMemberSlots(texts, 4);
    EXPECT_EQ(loads[0].LoadType, kLoadUniform);
    EXPECT_EQ(double(loads[0].Value), 1.5);
    EXPECT_EQ(double(loads[0].Length1), 6.0);
    EXPECT_EQ(double(loads[0].Height), 2.0);
    EXPECT_EQ(double(loads[2].Distance), 1.0);
    EXPECT_EQ(loads[1].LoadType, kLoadNone);

    std::array<NodeSlotTexts, 5> nodes;
    nodes[1] = {kNodeMoment, QStringLiteral("-")};
    EXPECT_THROW(ReadNodeSlots(nodes, 2), InputError);
    nodes[1].value = QStringLiteral("-2.5");
    EXPECT_EQ(double(ReadNodeSlots(nodes, 2)[1].Value), -2.5);
}

TEST(LoadSlots, FullSpanActionsAndTheSlabDialogPlace) {
    EXPECT_EQ(FullSpanActionFor(kLoadUniform, 6.5), FullSpanAction::AskLengths);
    EXPECT_EQ(FullSpanActionFor(kLoadRightRising, 6.5), FullSpanAction::AskLengths);
    EXPECT_EQ(FullSpanActionFor(kLoadTrapezoid, 6.5), FullSpanAction::SlabDialog);
    EXPECT_EQ(FullSpanActionFor(kLoadTriangle, 6.5), FullSpanAction::SlabDialog);
    EXPECT_EQ(FullSpanActionFor(kLoadUniform, 0.0000005), FullSpanAction::NoSpanLength);
    EXPECT_EQ(FullSpanActionFor(kLoadConcentrated, 6.5), FullSpanAction::Nothing);
    EXPECT_EQ(FullSpanActionFor(kLoadNone, 6.5), FullSpanAction::Nothing);
    // Window at (100, 50) 712 × 600, first group at 20, 130 wide; dialog 217 × 210.
    const QRect window(100, 50, 712, 600);
    const QSize dialog(217, 210);
    EXPECT_EQ(SlabDialogTopLeft(window, 20, 130, 1, dialog), QPoint(100 + 20 + 136 + 3, 367));
    EXPECT_EQ(SlabDialogTopLeft(window, 20, 130, 4, dialog), QPoint(100 + 20 + 544 + 3, 367));
    EXPECT_EQ(SlabDialogTopLeft(window, 20, 130, 5, dialog),
              QPoint(100 + 20 + 544 - 217 + 6 + 3, 367));
}

}  // namespace
}  // namespace kmr::ui::test
