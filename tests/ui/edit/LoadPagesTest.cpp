// The member-load and node-load pages worked through the window: types and
// fields in use, the changed flag, tabs and pages, the full-span button and
// the slab-load dialog, gather and show round trips, and the diagram they
// redraw.
#include <QPushButton>

#include "EditFixture.h"
#include "dialogs/LdLxLyForm.h"
#include "dialogs/SlabLoad.h"

namespace kmr::ui::test {
namespace {

using LoadPages = EditFixture;

const QColor kRed(255, 0, 0);

int Polygons(DiagramView* d, const QColor& pen) {
    int n = 0;
    for (const DrawOp& op : d->Ops()) n += op.kind == OpKind::Polygon && op.pen.color == pen.rgb();
    return n;
}

TEST_F(LoadPages, ATypeChangeEnablesItsFieldsMarksAndRedraws) {
    Choose("ComboBox1", 2);  // 3 spans
    Type("MmSpan3", "6");
    Model().Members[3].Loads[1] = {kLoadNone, 0.0, 1.5, 3.0, 2.0, 0.75};  // values, no type
    Page(1);
    Tabs("TabGirLoad")->setCurrentIndex(2);
    ASSERT_EQ(State().CurrentMember, 3);
    for (int k = 1; k <= 5; ++k) EXPECT_FALSE(Edit(QStringLiteral("MmGir2%1").arg(k))->isEnabled());
    EXPECT_FALSE(Window().findChild<QPushButton*>("Btn2")->isEnabled());
    EXPECT_EQ(Label("ImageGirLd2")->property("Picture").toInt(), 6);
    EXPECT_EQ(Polygons(Diagram(), kRed), 0);
    State().IsModified = false;

    Choose("ComboGirLdTp2", kLoadTrapezoid);
    for (int k = 1; k <= 5; ++k) {
        EXPECT_TRUE(Edit(QStringLiteral("MmGir2%1").arg(k))->isEnabled()) << k;
        EXPECT_EQ(Base(Edit(QStringLiteral("MmGir2%1").arg(k))), QColor(Qt::white));
        EXPECT_TRUE(Label(QStringLiteral("Label20%1").arg(k))->isEnabled());
    }
    EXPECT_TRUE(Window().findChild<QPushButton*>("Btn2")->isEnabled());
    EXPECT_EQ(Label("ImageGirLd2")->property("Picture").toInt(), kLoadTrapezoid);
    EXPECT_EQ(Label("ImageGirLd2")->pixmap().toImage(), Label("ImageSv4")->pixmap().toImage());
    EXPECT_NE(Label("ImageSv4")->pixmap().toImage(), Label("ImageSv6")->pixmap().toImage());
    EXPECT_TRUE(Label("ImageSv4")->isHidden());
    EXPECT_TRUE(State().IsModified);
    EXPECT_EQ(Model().Members[3].Loads[1].LoadType, kLoadTrapezoid);
    EXPECT_EQ(Polygons(Diagram(), kRed), 1);  // the new load, red on its page

    // Choosing the stored type again leaves the flag alone.
    State().IsModified = false;
    Choose("ComboGirLdTp2", kLoadTrapezoid);
    EXPECT_FALSE(State().IsModified);
    Choose("ComboGirLdTp2", kLoadConcentrated);
    EXPECT_TRUE(State().IsModified);
    EXPECT_FALSE(Edit("MmGir23")->isEnabled());
    EXPECT_FALSE(Edit("MmGir25")->isEnabled());
    EXPECT_FALSE(Window().findChild<QPushButton*>("Btn2")->isEnabled());
}

TEST_F(LoadPages, NodeLoadTypeChangeMarksOnlyADifferentType) {
    Page(2);
    State().IsModified = false;
    Choose("ComboNdLdTp3", kNodeNone);
    EXPECT_FALSE(State().IsModified);
    EXPECT_FALSE(Edit("MmNd3")->isEnabled());
    Choose("ComboNdLdTp3", kNodeMoment);
    EXPECT_TRUE(State().IsModified);
    EXPECT_TRUE(Edit("MmNd3")->isEnabled());
    EXPECT_TRUE(Label("Label1003")->isEnabled());
    EXPECT_EQ(Label("ImageNdLd3")->property("Picture").toInt(), 7);
    EXPECT_EQ(Field("MmNd1")->Length(), 7);
    EXPECT_EQ(Field("MmNd2")->Length(), 5);
}

TEST_F(LoadPages, EveryLoadTypeSurvivesGatherAndShow) {
    Type("MmSpan1", "8");
    Type("MmSpan2", "8");
    Page(1);
    const char* values[6][5] = {
        {"3.2", "3.6", "0", "0", "0"},   {"0.75", "0", "1.5", "0", "3"},
        {"-1.25", "1", "2", "0", "1.5"}, {"2", "0.5", "7.5", "0", "2.5"},
        {"0.8", "0", "1.5", "4", "3"},   {"1.1", "0.25", "6", "0", "4"},
    };
    for (int t = 0; t < 6; ++t) {
        if (t == 5) Tabs("TabGirLoad")->setCurrentIndex(1);
        const int slot = t == 5 ? 1 : t + 1;
        Choose(QStringLiteral("ComboGirLdTp%1").arg(slot), t);
        for (int k = 1; k <= 5; ++k) {
            Type(QStringLiteral("MmGir%1%2").arg(slot).arg(k),
                 QString::fromLatin1(values[t][k - 1]));
        }
    }
    Page(2);
    Choose("ComboNdLdTp1", kNodeForce);
    Type("MmNd1", "3.5");
    Choose("ComboNdLdTp2", kNodeMoment);
    Type("MmNd2", "-2.25");
    Tabs("TabNodeLoad")->setCurrentIndex(1);  // gathers support A
    Page(0);

    for (int t = 0; t < 6; ++t) {
        const int member = t == 5 ? 2 : 1;
        const kmr::MemberLoad& l = Model().Members[member].Loads[t == 5 ? 0 : t];
        EXPECT_EQ(l.LoadType, t);
        const double stored[5] = {l.Value, l.Distance, l.Length1, l.Length2, l.Height};
        for (int k = 0; k < 5; ++k) {
            EXPECT_EQ(stored[k], QString::fromLatin1(values[t][k]).toDouble()) << t << " " << k;
        }
    }
    EXPECT_EQ(Model().Members[1].Loads[4].LoadType, kLoadTrapezoid);
    EXPECT_EQ(Model().Supports[1].NodeLoads[0].LoadType, kNodeForce);
    EXPECT_EQ(double(Model().Supports[1].NodeLoads[0].Value), 3.5);
    EXPECT_EQ(Model().Supports[1].NodeLoads[1].LoadType, kNodeMoment);
    EXPECT_EQ(double(Model().Supports[1].NodeLoads[1].Value), -2.25);
    EXPECT_EQ(Model().Supports[1].NodeLoads[2].LoadType, kNodeNone);

    // Shown again as typed.
    Page(1);
    Tabs("TabGirLoad")->setCurrentIndex(0);
    for (int t = 0; t < 5; ++t) {
        EXPECT_EQ(Selected(QStringLiteral("ComboGirLdTp%1").arg(t + 1)), t);
        for (int k = 1; k <= 5; ++k) {
            EXPECT_EQ(Text(QStringLiteral("MmGir%1%2").arg(t + 1).arg(k)),
                      QString::fromLatin1(values[t][k - 1]));
        }
    }
    Page(2);
    Tabs("TabNodeLoad")->setCurrentIndex(0);
    EXPECT_EQ(Text("MmNd2"), QStringLiteral("-2.25"));
    EXPECT_EQ(Selected("ComboNdLdTp2"), kNodeMoment);
}

TEST_F(LoadPages, TabsAndPagesKeepTheChangedFlag) {
    Page(1);
    EXPECT_FALSE(State().IsModified);
    Tabs("TabGirLoad")->setCurrentIndex(1);
    EXPECT_EQ(State().CurrentMember, 2);
    EXPECT_EQ(Label("Label54")->text(), QStringLiteral("部材[2]"));
    EXPECT_FALSE(State().IsModified);
    Page(2);
    Tabs("TabNodeLoad")->setCurrentIndex(2);
    EXPECT_EQ(Label("Label55")->text(), QStringLiteral("支点[C]"));
    EXPECT_EQ(State().CurrentSupport, 3);
    Page(0);
    Page(3);
    EXPECT_FALSE(State().IsModified);
    Type("MmGir11", "5");  // load fields always mark
    EXPECT_TRUE(State().IsModified);
    Type("MmGir11", "1000");
    EXPECT_TRUE(IsRed(Edit("MmGir11")));
    Type("MmGir12", "100");
    EXPECT_TRUE(IsRed(Edit("MmGir12")));
    Type("MmGir12", ".");  // not a number: nothing said until the gather
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(LoadPages, FullSpanButtonFillsTheLengthsAfterAYes) {
    Type("MmSpan1", "6.5");
    Page(1);
    Choose("ComboGirLdTp1", kLoadUniform);
    Type("MmGir11", "1.5");
    Type("MmGir15", "2");
    Type("MmGir14", "9");
    dialogs.Clear();
    dialogs.answers = {Button::Cancel};
    Click("Btn1");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, QStringLiteral("長さ Ｌ1 をスパン長に設定しますか？\r\n\r\n"
                                                       "( 高さ Ｈ は、別途入力してください。)"));
    EXPECT_EQ(dialogs.messages[0].buttons, Button::Yes | Button::Cancel);
    EXPECT_EQ(Text("MmGir13"), QStringLiteral("0"));
    dialogs.answers = {Button::Yes};
    State().IsModified = false;
    Click("Btn1");
    EXPECT_EQ(Text("MmGir12"), QStringLiteral("0"));
    EXPECT_EQ(Text("MmGir13"), QStringLiteral("6.5"));
    EXPECT_EQ(Text("MmGir14"), QStringLiteral("0"));
    EXPECT_EQ(Text("MmGir15"), QStringLiteral("2"));
    EXPECT_TRUE(State().IsModified);
    EXPECT_EQ(double(Model().Members[1].Loads[0].Length1), 6.5);  // gathered
    EXPECT_EQ(Polygons(Diagram(), kRed), 1);
}

TEST_F(LoadPages, FullSpanButtonWithoutASpanOnlyReports) {
    Page(1);
    Tabs("TabGirLoad")->setCurrentIndex(1);
    Choose("ComboGirLdTp3", kLoadRightRising);
    Type("MmSpan2", "");
    dialogs.Clear();
    Click("Btn3");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].kind, MsgKind::Information);
    EXPECT_EQ(dialogs.messages[0].text,
              QStringLiteral("スパン長が入力されていません。\r\n\r\n[ 部材No.: 2 ]"));
    EXPECT_EQ(Text("MmGir33"), QStringLiteral("0"));
}

TEST_F(LoadPages, FullSpanButtonOpensTheSlabDialogForTrapezoidAndTriangle) {
    Type("MmSpan1", "6");
    Page(1);
    Choose("ComboGirLdTp2", kLoadTrapezoid);
    Type("MmGir21", "0.75");
    QString lx = QStringLiteral("4");
    dialogs.onModal = [&lx](QDialog& d) {
        d.findChild<QLineEdit*>(QStringLiteral("MmLxLy"))->setText(lx);
        dynamic_cast<TLdLxLyF&>(d).BtnOKClick();
        return d.result();
    };
    Click("Btn2");
    ASSERT_EQ(dialogs.modalDialogs.size(), 1u);
    EXPECT_EQ(Text("MmGir22"), QStringLiteral("0"));
    EXPECT_EQ(Text("MmGir23"), QStringLiteral("2"));
    EXPECT_EQ(Text("MmGir24"), QStringLiteral("2"));
    EXPECT_EQ(Text("MmGir25"), QStringLiteral("2"));
    const kmr::MemberLoad& l = Model().Members[1].Loads[1];
    EXPECT_EQ(double(l.Length1), 2.0);
    EXPECT_EQ(double(l.Height), 2.0);
    EXPECT_EQ(double(l.Value), 0.75);

    Choose("ComboGirLdTp2", kLoadTriangle);
    lx = QStringLiteral("8");
    Click("Btn2");
    // The triangle spans the member; its height is the dialog's.
    const double h = std::get<SlabLoadFields>(ComputeSlabLoad(kTriangleLoad, 6, 8)).H;
    EXPECT_EQ(Text("MmGir23"), QStringLiteral("6"));
    EXPECT_EQ(Text("MmGir24"), QStringLiteral("0"));
    EXPECT_EQ(Text("MmGir25"), QString::number(h));
    EXPECT_EQ(double(Model().Members[1].Loads[1].Height), h);

    dialogs.onModal = [](QDialog&) { return int(QDialog::Rejected); };
    Click("Btn2");
    EXPECT_EQ(Text("MmGir25"), QString::number(h));
}

// Mended: a slot that cannot be read leaves the member's loads as they were.
TEST_F(LoadPages, AFailedGatherChangesNothing) {
    Type("MmSpan1", "6");
    Type("MmSpan2", "6");
    Page(1);
    Tabs("TabGirLoad")->setCurrentIndex(1);
    for (int j = 1; j <= 5; ++j) {
        Choose(QStringLiteral("ComboGirLdTp%1").arg(j), kLoadUniform);
        Type(QStringLiteral("MmGir%1%2").arg(j).arg(1), QString::number(j));
        Type(QStringLiteral("MmGir%1%2").arg(j).arg(3), QStringLiteral("1"));
    }
    Choose("ComboGirLdTp4", kLoadConcentrated);  // gathered: slot 4 concentrated
    ASSERT_EQ(Model().Members[2].Loads[3].LoadType, kLoadConcentrated);
    Choose("ComboGirLdTp1", kLoadTriangle);
    Choose("ComboGirLdTp5", kLoadLeftRising);
    const auto lastGood = Model().Members[2].Loads;
    Type("MmGir32", "1.2.");  // slot 3 unreadable
    Type("MmGir11", "7");
    dialogs.Clear();
    Window().BitBtn2Click();  // the redraw gathers
    ASSERT_EQ(dialogs.Texts(MsgKind::Error).size(), 1u);
    EXPECT_TRUE(dialogs.Texts(MsgKind::Error)[0].contains(QStringLiteral("No.3")))
        << dialogs.Texts(MsgKind::Error)[0].toStdString();
    for (int j = 0; j < 5; ++j) {
        const kmr::MemberLoad& a = Model().Members[2].Loads[j];
        const kmr::MemberLoad& b = lastGood[j];
        EXPECT_EQ(a.LoadType, b.LoadType) << j;
        EXPECT_EQ(double(a.Value), double(b.Value)) << j;
        EXPECT_EQ(double(a.Length1), double(b.Length1)) << j;
    }
    EXPECT_EQ(lastGood[4].LoadType, kLoadLeftRising);  // slots after the bad one kept
    EXPECT_EQ(double(lastGood[0].Value), 1.0);

    // The tab cannot be left either, and the save stops before writing.
    Tabs("TabGirLoad")->setCurrentIndex(0);
    EXPECT_EQ(State().CurrentMember, 2);
    EXPECT_EQ(Tabs("TabGirLoad")->currentIndex(), 1);
    dialogs.saveAnswers = {Path(QStringLiteral("never.KMX"))};
    EXPECT_FALSE(Window().FileSaveAs());
    EXPECT_FALSE(QFile::exists(Path(QStringLiteral("never.KMX"))));
    Type("MmGir32", "1.2");
    dialogs.Clear();
    Window().BitBtn2Click();
    EXPECT_TRUE(dialogs.Texts(MsgKind::Error).empty());
    EXPECT_EQ(double(Model().Members[2].Loads[2].Distance), 1.2);
    EXPECT_EQ(double(Model().Members[2].Loads[0].Value), 7.0);
}

TEST_F(LoadPages, AnUnreadableNodeLoadKeepsItsSupportAndOnlyItsTabRow) {
    Page(2);
    Choose("ComboNdLdTp1", kNodeForce);
    Type("MmNd1", "2");
    Tabs("TabNodeLoad")->setCurrentIndex(1);  // support A gathered
    Tabs("TabNodeLoad")->setCurrentIndex(0);
    Type("MmNd1", "-");
    dialogs.Clear();
    Tabs("TabNodeLoad")->setCurrentIndex(2);
    ASSERT_EQ(dialogs.Texts(MsgKind::Error).size(), 1u);
    EXPECT_TRUE(dialogs.Texts(MsgKind::Error)[0].contains(QStringLiteral("支点[A]")));
    EXPECT_EQ(State().CurrentSupport, 1);
    EXPECT_EQ(Label("Label55")->text(), QStringLiteral("支点[A]"));
    EXPECT_EQ(double(Model().Supports[1].NodeLoads[0].Value), 2.0);
    // The member tab row gathers the member loads only.
    Tabs("TabGirLoad")->setCurrentIndex(1);
    EXPECT_EQ(State().CurrentMember, 2);
}

TEST_F(LoadPages, TheDiagramFollowsThePageTheTabAndTheSupports) {
    Type("MmSpan1", "4");
    Type("MmSpan2", "4");
    Model().Members[1].Loads[0] = {kLoadUniform, 0.0, 4.0, 0.0, 1.0, 1.0};
    Model().Members[2].Loads[0] = {kLoadUniform, 0.0, 4.0, 0.0, 1.0, 1.0};
    Model().Supports[2].NodeLoads[0] = {kNodeForce, 1.0};
    Window().Edit().ShowDocument();
    EXPECT_EQ(Polygons(Diagram(), QColor(0, 0, 0)), 2);
    Page(1);
    EXPECT_EQ(Polygons(Diagram(), kRed), 1);
    Tabs("TabGirLoad")->setCurrentIndex(1);
    EXPECT_EQ(Polygons(Diagram(), kRed), 1);
    bool member2Red = false;
    for (const DrawOp& op : Diagram()->Ops()) {
        if (op.kind == OpKind::Polygon && op.pen.color == kRed.rgb()) {
            member2Red = op.points[0] == QPoint(123, 37);
        }
    }
    EXPECT_TRUE(member2Red);
    Page(2);
    EXPECT_EQ(Polygons(Diagram(), kRed), 0);
    EXPECT_EQ(Polygons(Diagram(), QColor(0, 255, 0)), 1);  // support B is not current
    Tabs("TabNodeLoad")->setCurrentIndex(1);
    EXPECT_EQ(Polygons(Diagram(), kRed), 1);

    // A support changed to fixed draws the solid block at once.
    Choose("ComboSiten2", kSupportFixed);
    int blocks = 0;
    for (const DrawOp& op : Diagram()->Ops()) {
        blocks += op.kind == OpKind::Rect && op.pen.color == qRgb(0, 0, 255);
    }
    EXPECT_EQ(blocks, 1);
}

}  // namespace
}  // namespace kmr::ui::test
