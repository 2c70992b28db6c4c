// The calculation report command through the window: validation, the
// completion of unset members, the calculation, the report in the preview
// and the preview's placement; the changed flag is kept throughout.
#include <QPushButton>
#include <QToolButton>

#include "AppPaths.h"
#include "WindowFixture.h"
#include "report/PageDocument.h"
#include "tests/support/BeamBuilder.h"
#include "ui/preview/PaperForm.h"

namespace kmr::ui::test {
namespace {

using CalcCommandTest = WindowFixture;

// One simply supported span of 6 m under the common load w = 1 t/m2 over a
// height of 1 m (a line load of 1 t/m); Io and E come from the common data.
void SimpleSpan(kmr::BeamModel& m) {
    m.Header.SpanCount = 1;
    m.Header.CommonLoad = 1.0;
    m.Header.CommonLoadHeight = 1.0;
    m.Header.CommonIo = 100000.0;
    m.Header.CommonE = 2100.0;
    m.Members[1].SpanLength = 6.0;
    m.Supports[1].Condition = kmr::kSupportSimple;
    m.Supports[2].Condition = kmr::kSupportSimple;
}

TEST_F(CalcCommandTest, ReportOfASimpleSpanMatchesStatics) {
    SimpleSpan(State().Model);
    State().IsModified = true;
    int pages = 0;
    dialogs.onModal = [&](QDialog&) {
        pages = Window().PaperDocument().PageCount();
        return 1;
    };
    Find<QPushButton>("BitBtn1")->click();
    EXPECT_TRUE(dialogs.Texts(MsgKind::Error).empty());
    ASSERT_EQ(dialogs.modalDialogs.size(), 1u);
    EXPECT_EQ(dialogs.modalDialogs[0], QStringLiteral("Paper"));
    EXPECT_GE(pages, 1);
    const kmr::CalcResults& r = Window().Beam().Results();
    // wL²/8 = 4.5 t·m at mid-span, wL/2 = 3 t at each end.
    EXPECT_NEAR(r.MemberResults[1].MCenter, 4.5, 1e-3);
    EXPECT_NEAR(r.MemberResults[1].MLeft, 0.0, 1e-3);
    EXPECT_NEAR(r.MemberResults[1].QLeft, 3.0, 1e-3);
    EXPECT_NEAR(r.MemberResults[1].QRight, -3.0, 1e-3);
    EXPECT_NEAR(r.NodeResults[1].Reaction, 3.0, 1e-3);
    EXPECT_NEAR(r.NodeResults[2].Reaction, 3.0, 1e-3);
    // Unset member values took the common data; the flag is as it was.
    EXPECT_EQ(double(State().Model.Members[1].E), 2100.0);
    EXPECT_EQ(double(State().Model.Members[1].Io), 100000.0);
    EXPECT_TRUE(State().IsModified);
}

TEST_F(CalcCommandTest, PreviewOpensMaximisedFirstAndThenWhereTheUserLeftIt) {
    SimpleSpan(State().Model);
    kmr::TplPrev& doc = Window().PaperDocument();
    std::vector<kmr::TFormWindowState> states;
    dialogs.onModal = [&](QDialog& d) {
        states.push_back(doc.FormWindowState);
        EXPECT_EQ(doc.ZoomType, kmr::ztPageWidth);
        // The user leaves the window normal at these bounds.
        static_cast<kmr::TPaper&>(d).placement = {0, 30, 40, 800, 600};
        return 1;
    };
    Action("P1")->trigger();
    Find<QToolButton>("ToolButton5")->click();
    ASSERT_EQ(states.size(), 2u);
    EXPECT_EQ(states[0], kmr::fwMaximized);  // no stored placement yet
    EXPECT_EQ(states[1], kmr::fwNormal);
    EXPECT_EQ(Window().PreviewWindow().placement.WindWid, 800);
    const AppSettings& s = State().Settings;
    EXPECT_EQ(s.PVMax, 0);
    EXPECT_EQ(s.Left, 30);
    EXPECT_EQ(s.Height, 600);
    EXPECT_EQ(Window().PreviewWindow().plvPath, PrinterSettingsPath(s.AppExeName));
}

TEST_F(CalcCommandTest, RefusalsShowTheirMessageAndOpenNoPreview) {
    const struct {
        const char* what;
        void (*edit)(kmr::BeamModel&);
        const char* message;
    } cases[] = {
        {"unstable", [](kmr::BeamModel& m) { m.Supports[2].Condition = kmr::kSupportFree; },
         "支持設定に誤りがあります。 (不安定)"},
        {"no E", [](kmr::BeamModel& m) { m.Header.CommonE = 0.0; },
         "ヤング係数が入力されていません。"},
        {"span over limit", [](kmr::BeamModel& m) { m.Members[1].SpanLength = 100.01; },
         "スパン長が制限値を超えています。"},
        {"node load over limit",
         [](kmr::BeamModel& m) {
             m.Supports[2].NodeLoads[0] = {kmr::kNodeForce, 1e38};
         },
         "荷重値が制限値を超えています。\r\n\r\n        支点名 [B]"},
        {"no finite result", [](kmr::BeamModel& m) { m = kmr::test::OverflowingBeam(); },
         "計算結果が求まりません。入力データを確認してください。"},
    };
    for (const auto& c : cases) {
        SimpleSpan(State().Model);
        c.edit(State().Model);
        State().IsModified = false;
        dialogs.Clear();
        Window().BitBtn1Click();
        const std::vector<QString> errors = dialogs.Texts(MsgKind::Error);
        ASSERT_EQ(errors.size(), 1u) << c.what;
        EXPECT_TRUE(errors[0].startsWith(QString::fromUtf8(c.message))) << errors[0].toStdString();
        EXPECT_TRUE(dialogs.modalDialogs.empty()) << c.what;
        EXPECT_FALSE(State().IsModified) << c.what;
    }
}

}  // namespace
}  // namespace kmr::ui::test
