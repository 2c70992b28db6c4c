// The top panel, the common-data page with the unit groups and the
// per-member page, worked through the window.
#include <QFile>
#include <QGroupBox>
#include <QSettings>
#include <cmath>

#include "AppPaths.h"
#include "EditFixture.h"
#include "dialogs/YngSelForm.h"

namespace kmr::ui::test {
namespace {

using SpansAndCommonData = EditFixture;

bool Shown(QWidget* w) {
    return !w->isHidden();
}

TEST_F(SpansAndCommonData, ANewDocumentStartsInTheDefaultUnits) {
    EXPECT_TRUE(Window().findChild<QAbstractButton*>("InputTanni0")->isChecked());
    EXPECT_TRUE(Window().findChild<QAbstractButton*>("OutputTanni0")->isChecked());
    EXPECT_EQ(Label("LabelTanni1")->text(), QStringLiteral("(t/cm)"));
    EXPECT_EQ(Label("LabelTanni2")->text(), QStringLiteral("(t/m2)"));
    EXPECT_EQ(Label("LabelTanni3")->text(), QStringLiteral("(t/cm2)"));
    EXPECT_EQ(Label("LabelTanni4")->text(), QStringLiteral("(t/cm)"));
    EXPECT_EQ(Label("LabelTanni14")->text(), QStringLiteral("(t/cm2)"));
    EXPECT_EQ(Selected("ComboBox1"), 1);  // 2 spans
    EXPECT_TRUE(Shown(Edit("MmSpan2")));
    EXPECT_FALSE(Shown(Edit("MmSpan3")));
    EXPECT_TRUE(Shown(Edit("MmBane3")));
    EXPECT_FALSE(Shown(Edit("MmBane4")));
    EXPECT_EQ(Text("MmSpan1"), QStringLiteral("0"));
    EXPECT_FALSE(State().IsModified);
}

TEST_F(SpansAndCommonData, FieldsSitOnTheSpanPitchOfTheDiagram) {
    EXPECT_EQ(Edit("MmSpan1")->geometry(), QRect(70, 80, 50, 21));
    EXPECT_EQ(Edit("MmSpan10")->geometry().topLeft(), QPoint(70 + 540, 80));
    EXPECT_EQ(Window().findChild<QComboBox*>("ComboSiten11")->geometry().topLeft(),
              QPoint(46 + 600, 108));
    EXPECT_EQ(Edit("MmBane2")->geometry().topLeft().x(), 106);
    EXPECT_EQ(Diagram()->size(), QSize(698, 155));
    EXPECT_EQ(Edit("MmSpan1")->alignment() & Qt::AlignRight, Qt::AlignRight);
    EXPECT_EQ(Field("MmSpan1")->Length(), 6);
    EXPECT_EQ(Field("MmBane1")->Length(), 5);
    EXPECT_EQ(Field("MmComm3")->Length(), 12);
    EXPECT_EQ(Field("MmGirE3")->Length(), 9);
    auto* box = Window().findChild<QGroupBox*>(QStringLiteral("BuzaiSeino10"));
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->title(), QStringLiteral("部材[１０]"));
    EXPECT_EQ(box->geometry().topLeft().y(), 147);
    EXPECT_EQ(Base(Edit("MmGirB10")), QColor(255, 255, 128));
}

TEST_F(SpansAndCommonData, TabWalksAlongEachRowOfTheTopPanel) {
    QStringList order;
    QWidget* w = Edit("MmSpan1");
    for (int steps = 0; steps < 500 && order.size() < 32; ++steps, w = w->nextInFocusChain()) {
        const QString name = w->objectName();
        if (name.startsWith(QLatin1String("MmSpan")) ||
            name.startsWith(QLatin1String("ComboSiten")) ||
            name.startsWith(QLatin1String("MmBane"))) {
            if (!order.contains(name)) order << name;
        }
    }
    QStringList expected;
    for (int n = 1; n <= 10; ++n) expected << QStringLiteral("MmSpan%1").arg(n);
    for (int n = 1; n <= 11; ++n) expected << QStringLiteral("ComboSiten%1").arg(n);
    for (int n = 1; n <= 11; ++n) expected << QStringLiteral("MmBane%1").arg(n);
    EXPECT_EQ(order.join(u' ').toStdString(), expected.join(u' ').toStdString());
}

TEST_F(SpansAndCommonData, TypingIsLimitedToTheFieldLengthAndFiltered) {
    QLineEdit* span = Edit("MmSpan1");
    span->clear();
    QTest::keyClicks(span, QStringLiteral("12a-.5e678"));  // length 6, unsigned
    EXPECT_EQ(span->text(), QStringLiteral("12.567"));
    QLineEdit* load = Edit("MmComm1");
    load->clear();
    QTest::keyClicks(load, QStringLiteral("-1.5"));
    EXPECT_EQ(load->text(), QStringLiteral("-1.5"));
    EXPECT_EQ(double(Model().Header.CommonLoad), -1.5);
}

TEST_F(SpansAndCommonData, SpanCountLoweredAndRaisedKeepsMembersFourAndFive) {
    Choose("ComboBox1", 4);  // 5 spans
    EXPECT_TRUE(State().IsModified);
    Type("MmSpan4", "4.5");
    Type("MmSpan5", "5.5");
    Page(1);
    Tabs("TabGirLoad")->setCurrentIndex(4);
    ASSERT_EQ(State().CurrentMember, 5);
    Choose("ComboGirLdTp1", kLoadUniform);
    Type("MmGir11", "2");
    Type("MmGir13", "5.5");
    Type("MmGir15", "1");
    Choose("ComboBox1", 2);  // 3 spans
    EXPECT_EQ(Model().Header.SpanCount, 3);
    EXPECT_EQ(State().CurrentMember, 3);
    EXPECT_EQ(Tabs("TabGirLoad")->count(), 3);
    EXPECT_EQ(Tabs("TabGirLoad")->currentIndex(), 2);
    EXPECT_EQ(Label("Label54")->text(), QStringLiteral("部材[3]"));
    EXPECT_EQ(Tabs("TabNodeLoad")->count(), 4);
    EXPECT_EQ(double(Model().Members[4].SpanLength), 4.5);
    EXPECT_EQ(double(Model().Members[5].SpanLength), 5.5);
    EXPECT_EQ(Model().Members[5].Loads[0].LoadType, kLoadUniform);
    EXPECT_EQ(double(Model().Members[5].Loads[0].Length1), 5.5);
    EXPECT_FALSE(Shown(Edit("MmSpan4")));
    EXPECT_FALSE(Shown(Window().findChild<QComboBox*>("ComboSiten5")));
    EXPECT_FALSE(Shown(Window().findChild<QWidget*>("BuzaiSeino4")));
    EXPECT_TRUE(Shown(Window().findChild<QWidget*>("BuzaiSeino3")));

    Choose("ComboBox1", 4);
    EXPECT_TRUE(Shown(Edit("MmSpan5")));
    EXPECT_EQ(Text("MmSpan5"), QStringLiteral("5.5"));
    Tabs("TabGirLoad")->setCurrentIndex(4);
    EXPECT_EQ(Text("MmGir13"), QStringLiteral("5.5"));
    EXPECT_EQ(Selected("ComboGirLdTp1"), kLoadUniform);
}

TEST_F(SpansAndCommonData, FourSpansGiveFourMemberTabsAndFiveSupportTabs) {
    Choose("ComboBox1", 3);
    QTabBar* members = Tabs("TabGirLoad");
    QTabBar* supports = Tabs("TabNodeLoad");
    ASSERT_EQ(members->count(), 4);
    EXPECT_EQ(members->tabText(0), QStringLiteral("部材[1]"));
    EXPECT_EQ(members->tabText(3), QStringLiteral("部材[4]"));
    ASSERT_EQ(supports->count(), 5);
    EXPECT_EQ(supports->tabText(0), QStringLiteral("支点[A]"));
    EXPECT_EQ(supports->tabText(4), QStringLiteral("支点[E]"));
}

// Ten spans: every tab of both rows stands within the row, none behind the
// scroll arrows.
TEST_F(SpansAndCommonData, TenSpansShowEveryTabOfTheLoadPages) {
    Window().show();
    Choose("ComboBox1", 9);
    for (const char* name : {"TabGirLoad", "TabNodeLoad"}) {
        QTabBar* tabs = Tabs(name);
        tabs->setCurrentIndex(0);
        ASSERT_GE(tabs->count(), 10) << name;
        EXPECT_GE(tabs->tabRect(0).left(), 0) << name;
        EXPECT_LE(tabs->tabRect(tabs->count() - 1).right(), tabs->width() - 1) << name;
    }
    EXPECT_EQ(Tabs("TabNodeLoad")->tabText(10), QStringLiteral("支点[K]"));
}

// Every unit label shows its whole text inside its group box, in both unit
// systems ("(kN/cm2)" is the widest).
TEST_F(SpansAndCommonData, UnitLabelsFitInsideTheirGroups) {
    Window().show();
    for (const char* unit : {"InputTanni0", "InputTanni1"}) {
        Click(unit);
        for (int n = 2; n <= 14; ++n) {
            QLabel* l = Label(QStringLiteral("LabelTanni%1").arg(n));
            ASSERT_NE(l, nullptr) << n;
            EXPECT_LE(l->fontMetrics().horizontalAdvance(l->text()), l->width()) << n << unit;
            EXPECT_LE(l->geometry().right(), l->parentWidget()->width() - 3) << n << unit;
        }
    }
    EXPECT_EQ(Label("LabelTanni3")->text(), QStringLiteral("(kN/cm2)"));
}

TEST_F(SpansAndCommonData, ASpringSupportEnablesItsFieldAndOthersGreyIt) {
    NumberField* spring = Field("MmBane2");
    EXPECT_FALSE(spring->isEnabled());
    EXPECT_EQ(Base(spring), QColor(221, 221, 221));
    Choose("ComboSiten2", kSupportSpring);
    EXPECT_TRUE(State().IsModified);
    EXPECT_EQ(Model().Supports[2].Condition, kSupportSpring);
    EXPECT_TRUE(spring->isEnabled());
    EXPECT_EQ(Base(spring), QColor(Qt::white));
    Type("MmBane2", "42");
    Choose("ComboSiten2", kSupportHinge);
    EXPECT_FALSE(spring->isEnabled());
    EXPECT_EQ(Base(spring), QColor(221, 221, 221));
    EXPECT_EQ(spring->text(), QStringLiteral("42"));
    EXPECT_EQ(double(Model().Supports[2].SpringConstant), 42.0);
    EXPECT_EQ(Model().Supports[2].Condition, kSupportHinge);
}

TEST_F(SpansAndCommonData, LimitsTurnFieldsRedWithoutMarkingTheDocument) {
    Type("MmSpan1", "100");
    EXPECT_TRUE(IsRed(Edit("MmSpan1")));
    EXPECT_EQ(double(Model().Members[1].SpanLength), 100.0);  // stored all the same
    EXPECT_FALSE(State().IsModified);
    Type("MmSpan1", "99.99");
    EXPECT_FALSE(IsRed(Edit("MmSpan1")));
    EXPECT_TRUE(State().IsModified);

    const struct {
        const char* field;
        const char* red;
        const char* black;
    } cases[] = {
        {"MmComm1", "-1000", "-999"},
        {"MmComm2", "100", "99"},
        {"MmComm3", "99999997952", "99999997951"},
        {"MmComm6", "1000000", "999999"},
        {"MmComm7", "1000", "999"},
        {"MmGirIo1", "99999997952", "1"},
        {"MmGirB1", "1000", "999"},
        {"MmGirE1", "1000000", "1"},
    };
    Click("RadioIo2");  // B and D in use
    for (const auto& c : cases) {
        const QString f = QString::fromLatin1(c.field);
        Type(f, QString::fromLatin1(c.red));
        EXPECT_TRUE(IsRed(Edit(f))) << c.field;
        Type(f, QString::fromLatin1(c.black));
        EXPECT_FALSE(IsRed(Edit(f))) << c.field;
    }
}

TEST_F(SpansAndCommonData, SwitchingToSiTurnsTheSpringBlackAndKeepsTheNumber) {
    Choose("ComboSiten1", kSupportSpring);
    Type("MmBane1", "1500");
    Type("MmComm6", "2000000");
    EXPECT_TRUE(IsRed(Edit("MmBane1")));
    EXPECT_TRUE(IsRed(Edit("MmComm6")));
    Click("InputTanni1");
    EXPECT_EQ(Model().Header.InputUnit, 1);
    EXPECT_FALSE(IsRed(Edit("MmBane1")));
    EXPECT_FALSE(IsRed(Edit("MmComm6")));
    EXPECT_EQ(Text("MmBane1"), QStringLiteral("1500"));
    EXPECT_EQ(double(Model().Supports[1].SpringConstant), 1500.0);
    EXPECT_EQ(Label("LabelTanni1")->text(), QStringLiteral("(kN/cm)"));
    EXPECT_EQ(Label("LabelTanni2")->text(), QStringLiteral("(kN/m2)"));
    EXPECT_EQ(Label("LabelTanni5")->text(), QStringLiteral("(kN/cm2)"));
    State().IsModified = false;
    Click("OutputTanni1");
    EXPECT_EQ(Model().Header.OutputUnit, 1);
    EXPECT_FALSE(State().IsModified);  // the output unit does not mark the document
}

TEST_F(SpansAndCommonData, BeamSizeModeComputesTheCommonIo) {
    Click("RadioIo2");
    EXPECT_TRUE(State().IsModified);
    EXPECT_EQ(Model().Header.IoInputMode, 1);
    EXPECT_FALSE(Edit("MmComm3")->isEnabled());
    EXPECT_TRUE(Edit("MmComm4")->isEnabled());
    Type("MmComm4", "3");
    Type("MmComm5", "6");
    EXPECT_EQ(Label("LabelIo2")->text(), QStringLiteral("54.0"));
    EXPECT_DOUBLE_EQ(double(Model().Header.CommonIoBD), 54.0);  // 3 · 6³ / 12
    Type("MmComm4", "999");
    Type("MmComm5", "999");  // 999⁴/12 ≈ 8.3E+10: below the limit
    EXPECT_EQ(Label("LabelIo2")->palette().color(QPalette::WindowText), QColor(0, 0, 0));
    Click("RadioIo1");
    EXPECT_EQ(Model().Header.IoInputMode, 0);
    EXPECT_TRUE(Edit("MmComm3")->isEnabled());
    EXPECT_FALSE(Edit("MmComm5")->isEnabled());
}

TEST_F(SpansAndCommonData, CommonLoadFlagMarksTheDocument) {
    Click("CheckBox1");
    EXPECT_EQ(Model().Header.CommonLoadOff, 1);
    EXPECT_TRUE(State().IsModified);
    Type("MmComm1", "-");
    EXPECT_EQ(double(Model().Header.CommonLoad), 0.0);
}

TEST_F(SpansAndCommonData, AllMembersButtons) {
    Choose("ComboBox1", 2);  // 3 spans
    Type("MmComm6", "0");
    dialogs.Clear();
    Click("BtnAllSetE");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, QStringLiteral("数値が入力されていません。"));
    EXPECT_EQ(dialogs.messages[0].buttons, int(Button::OK));

    Type("MmComm6", "2100");
    dialogs.Clear();
    dialogs.answers = {Button::Cancel};
    Click("BtnAllSetE");
    EXPECT_EQ(dialogs.messages[0].text, QStringLiteral("全部材のヤング係数を変更します。"));
    EXPECT_EQ(double(Model().Members[1].E), 0.0);
    dialogs.answers = {Button::Yes};
    State().IsModified = false;
    Click("BtnAllSetE");
    for (int m = 1; m <= 3; ++m) EXPECT_EQ(double(Model().Members[m].E), 2100.0) << m;
    EXPECT_EQ(double(Model().Members[4].E), 0.0);
    EXPECT_TRUE(State().IsModified);

    Type("MmComm7", "42");
    dialogs.answers = {Button::Yes};
    Click("BtnAllSetBane");
    for (int s = 1; s <= 4; ++s) {
        EXPECT_EQ(double(Model().Supports[s].SpringConstant), 42.0) << s;
        EXPECT_EQ(Text(QStringLiteral("MmBane%1").arg(s)), QStringLiteral("42"));
    }
    EXPECT_EQ(double(Model().Supports[5].SpringConstant), 0.0);

    Type("MmComm3", "23500");
    Click("RadioIo2");
    Type("MmComm4", "30");
    Type("MmComm5", "60");
    dialogs.Clear();
    dialogs.answers = {Button::Yes};
    Click("BtnAllSetIo");  // beam-size mode: the Io shown in LabelIo2
    EXPECT_EQ(dialogs.messages.back().text,
              QStringLiteral("全部材の断面二次モーメントを変更します。"));
    for (int m = 1; m <= 3; ++m) {
        EXPECT_EQ(double(Model().Members[m].Io), 540000.0) << m;  // 30 · 60³ / 12
        EXPECT_EQ(double(Model().Members[m].B), 30.0);
        EXPECT_EQ(double(Model().Members[m].D), 60.0);
    }
    // The per-member page shows them when it is next opened.
    Page(3);
    EXPECT_EQ(Text("MmGirIo2"), QStringLiteral("540000"));
    EXPECT_EQ(Text("MmGirE3"), QStringLiteral("2100"));
}

TEST_F(SpansAndCommonData, IoComputationOfOneMember) {
    Page(3);
    Type("MmGirB1", "30");
    Type("MmGirD1", "60");
    dialogs.Clear();
    Click("CalSeinoBtn1");
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(Text("MmGirIo1"), QStringLiteral("540000.0"));
    EXPECT_EQ(double(Model().Members[1].Io), 540000.0);
    Type("MmGirD1", "30");
    dialogs.answers = {Button::Cancel};
    Click("CalSeinoBtn1");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text,
              QStringLiteral("入力済みの断面二次モーメントを変更します。"));
    EXPECT_EQ(double(Model().Members[1].Io), 540000.0);
    dialogs.answers = {Button::Yes};
    Click("CalSeinoBtn1");
    EXPECT_EQ(double(Model().Members[1].Io), 67500.0);  // 30 · 30³ / 12
    // Over 1000 cm the validation refuses the computation.
    Type("MmGirB1", "1001");
    dialogs.Clear();
    Click("CalSeinoBtn1");
    ASSERT_EQ(dialogs.Texts(MsgKind::Error).size(), 1u);
    EXPECT_EQ(double(Model().Members[1].Io), 67500.0);
}

TEST_F(SpansAndCommonData, YoungModulusFromTheListInTheInputUnit) {
    State().Defaults.SetYoungE(1, 200.0);  // N/mm2
    dialogs.onModal = [](QDialog& d) {
        auto& form = dynamic_cast<TYngSelF&>(d);
        form.StrGridSelSelectCell(1);
        form.BtnSelClick();
        return d.result();
    };
    Click("InputTanni1");
    Click("BtnYngSel");
    EXPECT_EQ(Text("MmComm6"), QStringLiteral("20.0"));
    EXPECT_EQ(double(Model().Header.CommonE), 20.0);
    Click("InputTanni0");
    Page(3);
    Click("BtnYngSel2");
    EXPECT_EQ(Text("MmGirE2"), QStringLiteral("2.0"));
    dialogs.onModal = [](QDialog&) { return int(QDialog::Rejected); };
    Click("BtnYngSel2");
    EXPECT_EQ(Text("MmGirE2"), QStringLiteral("2.0"));
}

TEST_F(SpansAndCommonData, DefaultUnitsAndPageBreakDefault) {
    Click("InputTanni1");
    Click("OutputTanni1");
    dialogs.Clear();
    Click("Button1");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, QStringLiteral("入出力単位のデフォルトを変更しました。"));
    EXPECT_EQ(dialogs.messages[0].kind, MsgKind::Information);
    EXPECT_EQ(OpenSettings()->value(QStringLiteral("InputTanni")).toString(), QStringLiteral("1"));
    State().IsModified = false;
    Window().NewDataClick();
    EXPECT_EQ(Model().Header.InputUnit, 1);
    EXPECT_EQ(Model().Header.OutputUnit, 1);
    EXPECT_EQ(Label("LabelTanni3")->text(), QStringLiteral("(kN/cm2)"));
    window.reset();  // a restart reads them again
    EXPECT_EQ(Model().Header.InputUnit, 1);
    EXPECT_EQ(Model().Header.OutputUnit, 1);
    EXPECT_TRUE(Window().findChild<QAbstractButton*>("InputTanni1")->isChecked());

    Click("Chk_NewPage");
    EXPECT_TRUE(State().PageBreakFlag);
    dialogs.Clear();
    Click("Btn_NewPage");
    EXPECT_EQ(dialogs.messages[0].text,
              QStringLiteral("改ページフラグのデフォルトを変更しました。"));
    DefaultsBlock written;
    ASSERT_EQ(ReadDefaultsFile(State().DefaultsFilePath, written), DefaultsRead::Read);
    EXPECT_TRUE(written.PageBreakDefault());
}

TEST_F(SpansAndCommonData, ACommonSpringConstantSurvivesSavingReopeningAndARefresh) {
    Type("MmComm7", "50");
    const QString path = Path(QStringLiteral("spring.KMX"));
    dialogs.saveAnswers = {path};
    ASSERT_TRUE(Window().FileSaveAs());
    Type("MmComm7", "7");
    dialogs.answers = {Button::Yes};
    dialogs.openAnswers = {path};
    Window().MenuFileOpenClick();
    EXPECT_EQ(Text("MmComm7"), QStringLiteral("50"));
    Click("InputTanni1");  // a full refresh
    EXPECT_EQ(Text("MmComm7"), QStringLiteral("50"));
    EXPECT_EQ(double(Model().Header.CommonSpring), 50.0);
}

// Mended: a shown value is rounded to fit its field, never cut; span and
// spring fields show it whole; showing never changes the model.
TEST_F(SpansAndCommonData, ShowingAValueNeverChangesTheModel) {
    kmr::BeamModel m;
    kmr::InitProgramModel(m, "3.0.6");
    m.Header.CommonLoad = 12345678.0;
    m.Header.CommonE = 1.5e20;
    m.Members[1].SpanLength = 12.3456;
    m.Members[2].SpanLength = 6.123456789;
    m.Supports[2].SpringConstant = 0.000123456;
    const QString path = Path(QStringLiteral("big.KMX"));
    kmr::WriteDataFile(path.toStdString(), m);
    dialogs.openAnswers = {path};
    Window().MenuFileOpenClick();
    const struct {
        const char* field;
        const char* text;
        double stored;
        double model;
    } cases[] = {
        {"MmComm1", "1.2E7", 12345678.0, Model().Header.CommonLoad},  // cut, this was 12345
        {"MmComm6", "1.5E+20", 1.5e20, Model().Header.CommonE},
        {"MmSpan1", "12.3456", 12.3456, Model().Members[1].SpanLength},
        {"MmSpan2", "6.123456789", 6.123456789, Model().Members[2].SpanLength},
        {"MmBane2", "0.000123456", 0.000123456, Model().Supports[2].SpringConstant},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Text(QString::fromLatin1(c.field)), QString::fromLatin1(c.text)) << c.field;
        EXPECT_EQ(c.model, c.stored) << c.field;
    }
    EXPECT_FALSE(State().IsModified);

    // A version-1 single 2.1 is the value 2.0999999046..., shown whole.
    dialogs.openAnswers = {MakeVersion1(QStringLiteral("old.Kmr"), 2, 2.1f)};
    Window().MenuFileOpenClick();
    EXPECT_EQ(Text("MmSpan1"), QStringLiteral("2.09999990463257"));
    EXPECT_EQ(double(Model().Members[1].SpanLength), double(2.1f));

    // What the user typed survives a refresh as typed.
    Type("MmSpan2", "1.2345");
    Type("MmComm3", "123456789.01");
    Click("InputTanni1");
    EXPECT_EQ(Text("MmSpan2"), QStringLiteral("1.2345"));
    EXPECT_EQ(Text("MmComm3"), QStringLiteral("123456789.01"));
}

// Opening and saving writes the file read, byte for byte: values of any
// length in every kind of field, also extended reals that lie between two
// doubles, through every page and the gathers they run.
TEST_F(SpansAndCommonData, OpenThenSaveIsByteIdentical) {
    kmr::BeamModel m;
    kmr::InitProgramModel(m, "3.0.6");
    m.Header.SpanCount = 3;
    m.Header.CommonLoad = -1.23456789012345;
    m.Header.CommonLoadHeight = 2.718281828;
    m.Header.CommonIo = 123456.789012;
    m.Header.CommonB = 30.123456;
    m.Header.CommonD = 60.987654;
    m.Header.CommonIoBD = 4.4e5;  // not B·D³/12: kept as stored
    m.Header.CommonE = 2050.123456789;
    m.Header.CommonSpring = 0.000123456;
    for (int i = 1; i <= 3; ++i) {
        kmr::MemberRecord& r = m.Members[i];
        r.SpanLength = 12.3456 / i;
        r.Io = 98765.4321 * i;
        r.B = 25.5555555;
        r.D = 0.1 + 0.2;
        r.E = 2100.00000001;
        r.Loads[0] = {kmr::kLoadTrapezoid, 0.333333333, 1.23456789, 2.5, 1.0 / 7, -9.87654321};
        r.Loads[1] = {kmr::kLoadConcentrated, r.SpanLength / 3, 0, 0, 0, 1.0 / 3};
    }
    m.Supports[2].Condition = kmr::kSupportSpring;
    m.Supports[2].SpringConstant = 123.456;
    m.Supports[1].NodeLoads[0] = {kmr::kNodeMoment, -0.000987654321};
    m.Supports[1].NodeLoads[2] = {kmr::kNodeForce, 12345.6789};
    // One more bit of significand than a double holds.
    m.Members[1].SpanLength.bytes[0] |= 1;
    m.Members[1].Loads[0].Value.bytes[0] |= 1;
    const QString path = Path(QStringLiteral("long.KMX"));
    kmr::WriteDataFile(path.toStdString(), m);
    const QByteArray original = ReadAll(path);

    dialogs.openAnswers = {path};
    Window().MenuFileOpenClick();
    for (int page : {1, 2, 3, 0}) Page(page);
    EXPECT_FALSE(State().IsModified);
    dialogs.saveAnswers = {Path(QStringLiteral("copy.KMX"))};
    ASSERT_TRUE(Window().FileSaveAs());
    EXPECT_EQ(ReadAll(Path(QStringLiteral("copy.KMX"))).toHex(), original.toHex());
}

}  // namespace
}  // namespace kmr::ui::test
