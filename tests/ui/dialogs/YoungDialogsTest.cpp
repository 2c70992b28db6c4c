// The Young's modulus dialogs driven headless by objectName through the
// scripted question/answer interface.
#include <gtest/gtest.h>

#include <QAction>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include "DefaultsFile.h"
#include "ScriptedDialogs.h"
#include "WindowFixture.h"
#include "dialogs/Dialogs.h"
#include "dialogs/YngSelForm.h"
#include "dialogs/YoungList.h"

namespace kmr::ui::test {
namespace {

const QString kTitle = QStringLiteral("    PLOV-Kmr /連続梁応力算定");
const QColor kYellow(255, 255, 192);
const QColor kGreen(192, 220, 192);

template <class T>
T* Child(QDialog& d, const char* name) {
    T* w = d.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
}

void Click(QDialog& d, const char* name) {
    Child<QPushButton>(d, name)->click();
}

DefaultsBlock ListWithSteelAndTimber() {
    DefaultsBlock list;
    list.SetYoungNameBytes(1, EncodeYoungName(QStringLiteral("鋼材")));
    list.SetYoungE(1, 205000);
    list.SetYoungNameBytes(2, EncodeYoungName(QStringLiteral("試験材")));
    list.SetYoungE(2, 2000);
    list.SetYoungNameBytes(3, EncodeYoungName(QStringLiteral("値なし")));
    return list;
}

class YoungSelectionTest : public ::testing::Test {
  protected:
    // Opens the selection dialog; the script runs inside it and returns the
    // dialog's result.
    std::optional<QString> Pick(int unit, std::function<void(QDialog&)> script) {
        dialogs.onModal = [script](QDialog& d) {
            script(d);
            return d.result();
        };
        return PickYoungModulusText(nullptr, dialogs, list, unit);
    }
    ScriptedDialogs dialogs;
    DefaultsBlock list = ListWithSteelAndTimber();
};

TEST_F(YoungSelectionTest, ChosenRowIsConvertedIntoTheInputUnit) {
    const auto chooseRow2 = [](QDialog& d) {
        Child<QTableWidget>(d, "StrGridSel")->setCurrentCell(2, 1);
        Click(d, "BtnSel");
    };
    EXPECT_EQ(Pick(1, chooseRow2), QStringLiteral("200.0"));
    EXPECT_EQ(Pick(0, chooseRow2), QStringLiteral("20.4"));
    EXPECT_EQ(dialogs.modalDialogs.front(), QLatin1String("YngSelF"));
    // The first row is selected when the dialog opens.
    EXPECT_EQ(Pick(1, [](QDialog& d) { Click(d, "BtnSel"); }), QStringLiteral("20500.0"));
    // An entry without E gives 0.
    EXPECT_EQ(Pick(1,
                   [](QDialog& d) {
                       Child<QTableWidget>(d, "StrGridSel")->setCurrentCell(3, 2);
                       Click(d, "BtnSel");
                   }),
              QStringLiteral("0.0"));
}

TEST_F(YoungSelectionTest, CancelGivesNothing) {
    EXPECT_EQ(Pick(1,
                   [](QDialog& d) {
                       Child<QTableWidget>(d, "StrGridSel")->setCurrentCell(2, 1);
                       Click(d, "BtnCancel");
                   }),
              std::nullopt);
    dialogs.onModal = nullptr;  // closed without a button
    EXPECT_EQ(PickYoungModulusText(nullptr, dialogs, list, 1), std::nullopt);
}

TEST_F(YoungSelectionTest, ReopenedOverTheSameWindowShowsTheRowChosenLast) {
    QWidget window;
    std::vector<int> rowsAtOpening;
    dialogs.onModal = [&rowsAtOpening](QDialog& d) {
        auto& form = dynamic_cast<TYngSelF&>(d);
        rowsAtOpening.push_back(form.SelectedRow());
        form.StrGridSelSelectCell(3);
        return int(QDialog::Rejected);
    };
    for (int i = 0; i < 2; ++i) PickYoungModulusText(&window, dialogs, list, 1);
    EXPECT_EQ(rowsAtOpening, (std::vector<int>{1, 3}));
}

TEST_F(YoungSelectionTest, DoubleClickChoosesTheRow) {
    EXPECT_EQ(Pick(1,
                   [](QDialog& d) {
                       auto* grid = Child<QTableWidget>(d, "StrGridSel");
                       d.show();
                       const QRect cell = grid->visualRect(grid->model()->index(2, 1));
                       QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
                       QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
                   }),
              QStringLiteral("200.0"));
}

TEST_F(YoungSelectionTest, GridShowsTheListAndColoursTheSelectedRow) {
    Pick(1, [](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("ヤング係数の選択") + kTitle);
        auto* grid = Child<QTableWidget>(d, "StrGridSel");
        EXPECT_EQ(grid->width(), 25 + 200 + 90 + 8);
        EXPECT_EQ(d.width(), grid->width() + 15);
        EXPECT_EQ(grid->rowCount(), 21);
        EXPECT_EQ(grid->rowHeight(5), 18);
        EXPECT_EQ(grid->item(0, 1)->text(), QStringLiteral("登 録 名"));
        EXPECT_EQ(grid->item(0, 2)->text(), QStringLiteral("Ｅ(N/mm2)"));
        EXPECT_EQ(grid->item(20, 0)->text(), QLatin1String("20"));
        EXPECT_EQ(grid->item(1, 1)->text(), QStringLiteral("鋼材"));
        EXPECT_EQ(grid->item(1, 2)->text(), QLatin1String("205000"));
        EXPECT_EQ(grid->item(3, 2)->text(), QString());
        EXPECT_EQ(grid->item(1, 1)->background().color(), kGreen);
        EXPECT_EQ(grid->item(4, 2)->background().color(), kYellow);
        grid->setCurrentCell(4, 2);
        EXPECT_EQ(grid->item(4, 1)->background().color(), kGreen);
        EXPECT_EQ(grid->item(4, 2)->background().color(), kGreen);
        EXPECT_EQ(grid->item(1, 1)->background().color(), kYellow);
        EXPECT_EQ(grid->editTriggers(), QAbstractItemView::NoEditTriggers);
        // Right-aligned buttons end with the grid, 5 pixels apart.
        auto* sel = Child<QPushButton>(d, "BtnSel");
        auto* cancel = Child<QPushButton>(d, "BtnCancel");
        EXPECT_EQ(cancel->geometry().right(), grid->geometry().right());
        EXPECT_EQ(cancel->x() - sel->geometry().right() - 1, 5);
        EXPECT_EQ(Child<QPushButton>(d, "BtnHelp")->x(), grid->x());
        Click(d, "BtnCancel");
    });
}

TEST_F(YoungSelectionTest, HelpExplainsWhereTheListIsKept) {
    Pick(1, [](QDialog& d) {
        Click(d, "BtnHelp");
        Click(d, "BtnCancel");
    });
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].kind, MsgKind::Information);
    EXPECT_EQ(dialogs.messages[0].text,
              QStringLiteral("ヤング係数のリスト登録は、メニューバーの\r\n\r\n  "
                             "[設定]－[ヤング係数の登録]\r\n\r\nから行ってください。\r\nなお、"
                             "入力単位は \"N/mm2\" です。"));
}

class YoungRegistrationTest : public ::testing::Test {
  protected:
    void Edit(std::function<void(QDialog&)> script) {
        dialogs.onModal = [script](QDialog& d) {
            script(d);
            return d.result();
        };
        EditYoungList(nullptr, dialogs, list);
    }
    static void SetCell(QDialog& d, int col, int row, const QString& text) {
        Child<QTableWidget>(d, "StrGrid")->item(row, col)->setText(text);
    }
    ScriptedDialogs dialogs;
    DefaultsBlock list = ListWithSteelAndTimber();
};

TEST_F(YoungRegistrationTest, RegisteredRowChosenLaterGivesTheConvertedValue) {
    Edit([](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("ヤング係数の登録") + kTitle);
        EXPECT_EQ(Child<QLabel>(d, "Label1")->text(),
                  QStringLiteral("構造材料・樹種別のヤング係数の登録"));
        SetCell(d, 1, 1, QStringLiteral("新しい材料"));
        SetCell(d, 2, 1, QStringLiteral("2000"));
        Click(d, "BtnReg");
        EXPECT_EQ(d.result(), QDialog::Accepted);
    });
    EXPECT_EQ(YoungNameText(list, 1), QStringLiteral("新しい材料"));
    EXPECT_EQ(list.YoungE(1), 2000);
    dialogs.onModal = [](QDialog& d) {
        Click(d, "BtnSel");
        return d.result();
    };
    EXPECT_EQ(PickYoungModulusText(nullptr, dialogs, list, 1), QStringLiteral("200.0"));
    EXPECT_EQ(PickYoungModulusText(nullptr, dialogs, list, 0), QStringLiteral("20.4"));
}

TEST_F(YoungRegistrationTest, EmptiedECellKeepsTheOldValueAndCancelStoresNothing) {
    const auto before = list.Bytes();
    Edit([](QDialog& d) {
        SetCell(d, 1, 1, QStringLiteral("捨てる"));
        Click(d, "BtnCancel");
    });
    EXPECT_EQ(list.Bytes(), before);
    Edit([](QDialog& d) {
        SetCell(d, 2, 1, QString());
        Click(d, "BtnReg");
    });
    EXPECT_EQ(list.YoungE(1), 205000);
}

// The mended registration: an unreadable cell in row 7 is shown and selected,
// the row-1 change before it is not stored, the dialog stays open; after the
// cell is mended the registration goes through.
TEST_F(YoungRegistrationTest, UnreadableCellIsShownSelectedAndNothingIsStored) {
    const auto before = list.Bytes();
    Edit([this, &before](QDialog& d) {
        SetCell(d, 1, 1, QStringLiteral("変更"));
        SetCell(d, 2, 1, QStringLiteral("1000"));
        SetCell(d, 2, 7, QStringLiteral("1..2"));
        Click(d, "BtnReg");
        EXPECT_NE(d.result(), QDialog::Accepted);
        EXPECT_EQ(list.Bytes(), before);
        ASSERT_EQ(dialogs.messages.size(), 1u);
        EXPECT_EQ(dialogs.messages[0].kind, MsgKind::Error);
        EXPECT_TRUE(dialogs.messages[0].text.contains(QLatin1String("'1..2'")));
        auto* grid = Child<QTableWidget>(d, "StrGrid");
        EXPECT_EQ(grid->currentRow(), 7);
        EXPECT_EQ(grid->currentColumn(), 2);
        SetCell(d, 2, 7, QStringLiteral("12.5"));
        Click(d, "BtnReg");
        EXPECT_EQ(d.result(), QDialog::Accepted);
    });
    EXPECT_EQ(YoungNameText(list, 1), QStringLiteral("変更"));
    EXPECT_EQ(list.YoungE(1), 1000);
    EXPECT_EQ(list.YoungE(7), 12.5);
}

// Typing into the cells: the E column takes digits and "." only and at most
// 12 characters, Enter is discarded; a name takes at most 30 Shift-JIS bytes.
TEST_F(YoungRegistrationTest, CellEditorsFilterWhatIsTyped) {
    Edit([](QDialog& d) {
        d.show();
        auto* grid = Child<QTableWidget>(d, "StrGrid");
        grid->setFocus();
        grid->setCurrentCell(4, 2);
        QTest::keyClick(grid, Qt::Key_1);  // typing starts the editor
        auto* editor = grid->findChild<QLineEdit*>();
        ASSERT_NE(editor, nullptr);
        QTest::keyClicks(editor, QStringLiteral("2a-3.5e"));
        QTest::keyClick(editor, Qt::Key_Return);
        EXPECT_TRUE(editor->isVisible());  // Enter does not end the editing
        QTest::keyClicks(editor, QStringLiteral("99999999999"));
        EXPECT_EQ(editor->text(), QStringLiteral("123.59999999"));
        Click(d, "BtnReg");  // the open editor hands its text over
        EXPECT_EQ(d.result(), QDialog::Accepted);
    });
    EXPECT_EQ(list.YoungE(4), 123.59999999);
    Edit([](QDialog& d) {
        d.show();
        auto* grid = Child<QTableWidget>(d, "StrGrid");
        grid->setFocus();
        grid->setCurrentCell(5, 1);
        QTest::keyClick(grid, Qt::Key_F2);
        auto* editor = grid->findChild<QLineEdit*>();
        ASSERT_NE(editor, nullptr);
        editor->insert(QString(14, QChar(u'木')));
        editor->insert(QStringLiteral("木木"));  // would take 34 bytes: refused
        editor->insert(QStringLiteral("ab"));
        editor->insert(QStringLiteral("c"));  // 31 bytes: refused
        Click(d, "BtnReg");
    });
    EXPECT_EQ(YoungNameText(list, 5), QString(14, QChar(u'木')) + QStringLiteral("ab"));
}

TEST_F(YoungRegistrationTest, HelpGivesTheUnit) {
    Edit([](QDialog& d) {
        Click(d, "BtnHelp");
        Click(d, "BtnCancel");
    });
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text,
              QStringLiteral("ここで登録したヤング係数が、データ入力時にリスト表示\r\nされます。"
                             "\r\n入力単位は \"N/mm2\" です。"));
}

// The menu item of the main window edits the window's list; the starting
// list appears only where no defaults file exists.
using YoungMenuTest = WindowFixture;

TEST_F(YoungMenuTest, MenuItemEditsTheWindowsList) {
    dialogs.onModal = [](QDialog& d) {
        d.findChild<QTableWidget*>(QStringLiteral("StrGrid"))
            ->item(20, 1)
            ->setText(QStringLiteral("追加した材料"));
        d.findChild<QTableWidget*>(QStringLiteral("StrGrid"))->item(20, 2)->setText("1234");
        d.findChild<QPushButton*>(QStringLiteral("BtnReg"))->click();
        return d.result();
    };
    Action("Y1")->trigger();
    ASSERT_EQ(dialogs.modalDialogs.size(), 1u);
    EXPECT_EQ(dialogs.modalDialogs[0], QLatin1String("YngRegF"));
    EXPECT_EQ(YoungNameText(State().Defaults, 20), QStringLiteral("追加した材料"));
    EXPECT_EQ(State().Defaults.YoungE(20), 1234);
}

TEST_F(YoungMenuTest, NewInstallationStartsWithTheStartingList) {
    const auto& seeds = StartingYoungList();
    EXPECT_EQ(YoungNameText(State().Defaults, 1), QString::fromUtf8(seeds[0].NameUtf8));
    EXPECT_EQ(State().Defaults.YoungE(1), seeds[0].E);
    EXPECT_FALSE(State().PageBreakFlag);
}

TEST_F(YoungMenuTest, UsersOwnListIsKeptAndSurvivesARestart) {
    DefaultsBlock own;
    own.SetYoungNameBytes(1, EncodeYoungName(QStringLiteral("自分の材料")));
    own.SetYoungE(1, 3000);
    ASSERT_TRUE(WriteDefaultsFile(Path(QStringLiteral("PLOVKmr.def")), own, nullptr));
    EXPECT_EQ(YoungNameText(State().Defaults, 1), QStringLiteral("自分の材料"));
    EXPECT_EQ(YoungNameText(State().Defaults, 2), QString());  // nothing seeded
    State().Defaults.SetYoungNameBytes(2, EncodeYoungName(QStringLiteral("ｽｷﾞ")));
    State().Defaults.SetYoungE(2, 7000);
    dialogs.answers = {Button::Yes};
    ASSERT_TRUE(Window().close());
    window.reset();
    EXPECT_EQ(YoungNameText(State().Defaults, 1), QStringLiteral("自分の材料"));
    EXPECT_EQ(YoungNameText(State().Defaults, 2), QStringLiteral("ｽｷﾞ"));
    EXPECT_EQ(State().Defaults.YoungE(2), 7000);
}

}  // namespace
}  // namespace kmr::ui::test
