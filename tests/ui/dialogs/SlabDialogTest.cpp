// The slab load dialog driven headless by objectName.
#include <gtest/gtest.h>

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "ScriptedDialogs.h"
#include "dialogs/Dialogs.h"

namespace kmr::ui::test {
namespace {

template <class T>
T* Child(QDialog& d, const char* name) {
    T* w = d.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
}

class SlabDialogTest : public ::testing::Test {
  protected:
    // Opens the dialog, types the dimension and presses O K; further
    // presses follow each refusal until the script gives up (Cancel).
    std::optional<SlabFieldTexts> Ask(int type, const QString& span, const QString& typed) {
        dialogs.onModal = [typed](QDialog& d) {
            QTest::keyClicks(Child<QLineEdit>(d, "MmLxLy"), typed);
            Child<QPushButton>(d, "BtnOK")->click();
            if (d.result() != QDialog::Accepted) Child<QPushButton>(d, "BtnCancel")->click();
            return d.result();
        };
        return AskSlabLoad(nullptr, dialogs, type, span, QPoint(40, 60));
    }
    ScriptedDialogs dialogs;
};

TEST_F(SlabDialogTest, WritesTheFourFieldsOfTheSlabLoad) {
    const struct {
        int type;
        const char* span;
        const char* typed;
        const char *L, *L1, *L2, *H;
    } cases[] = {
        {4, "6", "4", "0", "2", "2", "2"},
        {4, "6", "6", "0", "3", "0", "3"},
        {4, "6.3", "4.1", "0", "2.05", "2.2", "2.05"},
        {5, "4", "6", "0", "4", "0", "2"},  // height S/2, not Ly/2
        {5, "4.5", "4.5", "0", "4.5", "0", "2.25"},
    };
    for (const auto& c : cases) {
        const auto out = Ask(c.type, QString::fromLatin1(c.span), QString::fromLatin1(c.typed));
        ASSERT_TRUE(out.has_value()) << c.type << " " << c.typed;
        EXPECT_EQ(out->L, QLatin1String(c.L));
        EXPECT_EQ(out->L1, QLatin1String(c.L1));
        EXPECT_EQ(out->L2, QLatin1String(c.L2));
        EXPECT_EQ(out->H, QLatin1String(c.H));
    }
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(dialogs.modalDialogs.front(), QLatin1String("LdLxLyF"));
}

TEST_F(SlabDialogTest, RefusalsKeepTheDialogOpenAndWriteNothing) {
    const struct {
        int type;
        const char* span;
        const char* typed;
        const char* message;
    } cases[] = {
        {5, "4", "3",
         "ＮＧ： Ly ＜ スパン長  [三角荷重]\r\n\r\n       Ly はスパン長以上にしてください。"},
        {4, "6", "7",
         "ＮＧ： Lx ＞ スパン長  [台形荷重]\r\n\r\n       Lx はスパン長以下にしてください。"},
        {4, "6", "", "Lx, Ly が入力されていません。"},
        {5, "6", "0.0", "Lx, Ly が入力されていません。"},
        {4, "6", "1..2", "'1..2' は正しい数値ではありません。"},
        {4, ".", "2", "'.' は正しい数値ではありません。"},
    };
    for (const auto& c : cases) {
        dialogs.Clear();
        EXPECT_EQ(Ask(c.type, QString::fromLatin1(c.span), QString::fromLatin1(c.typed)),
                  std::nullopt)
            << c.typed;
        ASSERT_EQ(dialogs.messages.size(), 1u) << c.typed;
        EXPECT_EQ(dialogs.messages[0].text, QString::fromUtf8(c.message));
        EXPECT_EQ(dialogs.messages[0].buttons, int(Button::OK));
    }
}

TEST_F(SlabDialogTest, CancelWritesNothing) {
    dialogs.onModal = [](QDialog& d) {
        QTest::keyClicks(Child<QLineEdit>(d, "MmLxLy"), QStringLiteral("4"));
        Child<QPushButton>(d, "BtnCancel")->click();
        return d.result();
    };
    EXPECT_EQ(AskSlabLoad(nullptr, dialogs, 4, QStringLiteral("6"), QPoint()), std::nullopt);
}

TEST_F(SlabDialogTest, LabelsPlacementAndKeyFilter) {
    for (int type : {4, 5}) {
        dialogs.onModal = [type](QDialog& d) {
            EXPECT_EQ(d.windowTitle(), QStringLiteral("全スパン荷重入力"));
            EXPECT_EQ(d.size(), QSize(217, 210));
            EXPECT_EQ(d.pos(), QPoint(40, 60));
            EXPECT_EQ(Child<QLabel>(d, "Label1")->text(),
                      type == 4 ? QStringLiteral("台形荷重") : QStringLiteral("三角荷重"));
            EXPECT_EQ(Child<QLabel>(d, "Label2")->text(), type == 4
                                                              ? QStringLiteral("短辺長さ Lx (m)")
                                                              : QStringLiteral("長辺長さ Ly (m)"));
            EXPECT_EQ(Child<QLabel>(d, "LblSpanL")->text(), QStringLiteral("5.5"));
            auto* field = Child<QLineEdit>(d, "MmLxLy");
            EXPECT_TRUE(field->text().isEmpty());
            QTest::keyClicks(field, QStringLiteral("1a-2.x5 "));
            QTest::keyClick(field, Qt::Key_Return);
            EXPECT_EQ(field->text(), QStringLiteral("12.5"));
            QTest::keyClick(field, Qt::Key_Backspace);
            EXPECT_EQ(field->text(), QStringLiteral("12."));
            EXPECT_EQ(d.result(), QDialog::Rejected);  // Enter did not press O K
            return int(QDialog::Rejected);
        };
        EXPECT_EQ(AskSlabLoad(nullptr, dialogs, type, QStringLiteral("5.5"), QPoint(40, 60)),
                  std::nullopt);
    }
}

}  // namespace
}  // namespace kmr::ui::test
