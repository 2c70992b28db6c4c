// The input-data section read back from the display lists: the common-load
// line, member-load and node-load tables, the page-break flag and the page
// breaks of long input.
#include <gtest/gtest.h>

#include "calc/Units.h"
#include "report/InputPages.h"
#include "tests/report/ReportFixture.h"

namespace kmr {
namespace {

using namespace kmr::test;

// Member-load table columns (2.0 cm each from 2.5 cm) and node-load table
// columns (2.0 then 1.5 cm).
const int kLoadCols[] = {250, 450, 650, 850, 1050, 1250, 1450, 1650};
const int kNodeCols[] = {250, 450, 600, 750, 900, 1050, 1200, 1350, 1500, 1650};

// The texts of the table row whose cells start at y on page p, left to right.
QStringList Row(const TplPrev& doc, int p, double y) {
    QStringList out;
    for (const DrawOp& op : doc.Page(p).ops) {
        if (op.kind == OpKind::Text && op.clip && std::abs(CellOf(op).top() - U(y)) <= kDrift) {
            out << op.text;
        }
    }
    return out;
}

// The cell top (cm) of the first occurrence of text on page p as a table
// cell of the given width, or -1.
double CellTop(const TplPrev& doc, int p, const QString& text, int width) {
    for (const Found& f : FindTexts(doc, text)) {
        if (f.page == p && f.op->clip && CellOf(*f.op).width() == width) {
            return CellOf(*f.op).top() / 100.0;
        }
    }
    return -1;
}

int PageOf(const TplPrev& doc, const QString& text) {
    const auto found = FindTexts(doc, text);
    return found.empty() ? 0 : found.front().page;
}

TEST(InputPagesTest, WithoutLoadsBothNoLoadLinesStandUnderTheirHeadings) {
    ReportOf r(MakeSpans(2));
    ASSERT_EQ(r.doc.PageCount(), 2);
    const PageRecord& page = r.doc.Page(2);
    // New page: diagram from the top margin (cursor 2.0 -> 5.25), then the
    // headings and lines.
    EXPECT_NE(page.FindText(QStringLiteral("●荷重データ")), nullptr);
    struct Line {
        const char* text;
        double x;
        double y;
    };
    const Line lines[] = {
        {"●共通部材荷重", 2.5, 5.75},
        {"共通部材荷重なし", 3.2, 6.25},
        {"●部材荷重  [単位： 荷重(t,t/m2), 距離(m)]", 2.5, 7.0},
        {"入力部材荷重なし", 3.2, 7.5},
        {"●節点荷重  [単位： 荷重(t,tm)]", 2.5, 8.25},
        {"入力節点荷重なし", 3.2, 8.775},
    };
    for (const Line& l : lines) {
        const DrawOp* t = page.FindText(QString::fromUtf8(l.text));
        ASSERT_NE(t, nullptr) << l.text;
        EXPECT_NEAR(t->box.left(), U(l.x), 1) << l.text;
        EXPECT_NEAR(t->box.top(), U(l.y), 1) << l.text;
    }
    ExpectContentBetweenRules(r.doc);
}

TEST(InputPagesTest, MemberLoadRowsCarryTheSlotNumberAndDashesWhereAFieldIsUnused) {
    BeamModel m = MakeSpans(2, 6.0);
    SetLoad(m, 1, 2, kLoadConcentrated, 2.5, 1.5, 9.0, 9.0, 9.0);
    SetLoad(m, 1, 5, kLoadTrapezoid, 1.25, 0.5, 1.0, 2.0, 3.0);
    SetLoad(m, 2, 1, kLoadUniform, -0.75, 0.0, 6.0, 9.0, 2.0);
    ReportOf r(m);
    ASSERT_TRUE(r.passed);
    // Member 1 from 7.0 + 0.5: name row, header row, the two slots.
    const double y = 7.5;
    EXPECT_EQ(Row(r.doc, 2, y), QStringList({"部 材 名", "部材 [ 1 ]"}));
    EXPECT_EQ(CellTop(r.doc, 2, QStringLiteral("部材 [ 1 ]"), 1200), y);
    EXPECT_EQ(Row(r.doc, 2, y + 0.5), QStringList({"荷重 No.", "タイプ", "荷重 WP", "左端距離 L",
                                                   "長さ L1", "長さ L2", "高さ H"}));
    EXPECT_EQ(Row(r.doc, 2, y + 1.0),
              QStringList({"No.2", "集  中", "2.500", "1.500", "----", "----", "----"}));
    EXPECT_EQ(Row(r.doc, 2, y + 1.5),
              QStringList({"No.5", "台  形", "1.250", "0.500", "1.000", "2.000", "3.000"}));
    // Member 2 follows: cursor 9.0 - 0.25, then 0.25 + 0.25.
    const double y2 = y + 2.0 - 0.25 + 0.5;
    EXPECT_EQ(Row(r.doc, 2, y2), QStringList({"部 材 名", "部材 [ 2 ]"}));
    EXPECT_EQ(Row(r.doc, 2, y2 + 1.0),
              QStringList({"No.1", "等分布", "-0.750", "0.000", "6.000", "----", "2.000"}));
    // Every cell of the load table is centred in its 2.0 cm column.
    for (const DrawOp* t : test::TextsStartingWith(r.doc.Page(2), QStringLiteral("No.5"))) {
        EXPECT_EQ(CellOf(*t).left(), kLoadCols[0]);
        EXPECT_NEAR(t->box.center().x(), (kLoadCols[0] + kLoadCols[1]) / 2, 1);
    }
}

TEST(InputPagesTest, CommonLoadLineByMagnitudeSwitchAndUnits) {
    struct Case {
        double w;
        double h;
        int off;
        int in;
        int out;
        const char* expected;
    };
    const Case cases[] = {
        {1.2, 3.0, 0, 0, 0, "荷重：1.200 (t/m2),   高さ3.000 (m)"},
        {1.2, 3.0, 1, 0, 0, "共通部材荷重なし"},
        {0.0, 3.0, 0, 0, 0, "共通部材荷重なし"},
        {0.0000005, 1.0, 0, 0, 0, "共通部材荷重なし"},
        {-0.0000005, 1.0, 0, 0, 0, "共通部材荷重なし"},
        // An uplift is a load: printed with its sign.
        {-1.5, 1.0, 0, 0, 0, "荷重：-1.500 (t/m2),   高さ1.000 (m)"},
        {9.80665, 2.5, 0, 1, 0, "荷重：1.000 (t/m2),   高さ2.500 (m)"},
        {1.0, 1.0, 0, 0, 1, "荷重：9.807 (kN/m2),   高さ1.000 (m)"},
        {2.0, 0.5, 0, 1, 1, "荷重：2.000 (kN/m2),   高さ0.500 (m)"},
    };
    for (const Case& c : cases) {
        BeamModel m = MakeSpans(1);
        m.Header.CommonLoad = c.w;
        m.Header.CommonLoadHeight = c.h;
        m.Header.CommonLoadOff = c.off;
        m.Header.InputUnit = c.in;
        m.Header.OutputUnit = c.out;
        EXPECT_EQ(CommonLoadText(m, CalculateBeam(m)), QString::fromUtf8(c.expected)) << c.w;
    }
}

TEST(InputPagesTest, UpliftCommonLoadIsReportedAndCalculated) {
    BeamModel m = MakeSpans(1);
    m.Header.CommonLoadOff = 0;
    m.Header.CommonLoad = -2.0;
    m.Header.CommonLoadHeight = 1.0;
    ReportOf r(m);
    ASSERT_TRUE(r.passed);
    EXPECT_EQ(PageOf(r.doc, QStringLiteral("荷重：-2.000 (t/m2),   高さ1.000 (m)")), 2);
    EXPECT_EQ(PageOf(r.doc, QStringLiteral("共通部材荷重なし")), 0);
    // The same uplift in the results: M = wL^2/8 = -9 at mid-span.
    EXPECT_EQ(PageOf(r.doc, QStringLiteral("-9.000")), 1);
}

TEST(InputPagesTest, UnitsOfTheInputTablesFollowTheOutputUnit) {
    BeamModel m = MakeSpans(1);
    m.Header.OutputUnit = 1;
    SetLoad(m, 1, 1, kLoadConcentrated, 1.0, 2.0);  // 1.000 t
    SetNodeLoad(m, 1, 1, kNodeMoment, 2.0);         // 2.000 tm
    ReportOf r(m);
    ASSERT_TRUE(r.passed);
    EXPECT_EQ(PageOf(r.doc, QStringLiteral("●部材荷重  [単位： 荷重(kN,kN/m2), 距離(m)]")), 2);
    EXPECT_EQ(PageOf(r.doc, QStringLiteral("●節点荷重  [単位： 荷重(kN,kNm)]")), 2);
    EXPECT_EQ(Row(r.doc, 2, 8.5),
              QStringList({"No.1", "集  中", "9.807", "2.000", "----", "----", "----"}));
    const auto moment = FindTexts(r.doc, QStringLiteral("19.613"));
    ASSERT_FALSE(moment.empty());
    EXPECT_EQ(moment.back().page, 2);
}

TEST(InputPagesTest, NodeLoadGroupListsEverySlotInUseAndDashesTheOthers) {
    BeamModel m = MakeSpans(4);
    SetNodeLoad(m, 3, 1, kNodeForce, 2.0);
    SetNodeLoad(m, 3, 3, kNodeMoment, -1.5);
    ReportOf r(m);
    ASSERT_TRUE(r.passed);
    // Heading at 7.5 + 0.5 (after "入力部材荷重なし"), tables 0.5 further.
    const double y = 7.75 + 0.5 + 0.25 + 0.25;
    EXPECT_EQ(Row(r.doc, 2, y),
              QStringList({"支 点 名", "支点 [ A ]", "支点 [ B ]", "支点 [ C ]", "支点 [ D ]"}));
    EXPECT_EQ(Row(r.doc, 2, y + 0.5),
              QStringList({"荷重 No.", "タイプ", "荷重 PM", "タイプ", "荷重 PM", "タイプ",
                           "荷重 PM", "タイプ", "荷重 PM"}));
    EXPECT_EQ(Row(r.doc, 2, y + 1.0), QStringList({"No.1", "----", "----", "----", "----", "集 中",
                                                   "2.000", "----", "----"}));
    EXPECT_EQ(Row(r.doc, 2, y + 1.5), QStringList({"No.3", "----", "----", "----", "----", "ﾓｰﾒﾝﾄ",
                                                   "-1.500", "----", "----"}));
    EXPECT_TRUE(Row(r.doc, 2, y + 2.0).isEmpty()) << "support E has no loads: no second group";
    const auto force = FindTexts(r.doc, QStringLiteral("集 中"));
    ASSERT_EQ(force.size(), 1u);
    EXPECT_EQ(CellOf(*force[0].op).left(), kNodeCols[5]);
}

TEST(InputPagesTest, TenSpansGroupTheSupportsByFourAndLeaveTheLastPairEmpty) {
    BeamModel m = MakeSpans(10);
    for (int s = 1; s <= 11; ++s) SetNodeLoad(m, s, 1, kNodeForce, 1.0);
    ReportOf r(m);
    ASSERT_TRUE(r.passed);
    const int p = r.doc.PageCount();
    const double y1 = CellTop(r.doc, p, QStringLiteral("支点 [ A ]"), 300);
    const double y2 = CellTop(r.doc, p, QStringLiteral("支点 [ E ]"), 300);
    const double y3 = CellTop(r.doc, p, QStringLiteral("支点 [ I ]"), 300);
    ASSERT_GT(y1, 0);
    EXPECT_NEAR(y2 - y1, 1.75, 0.02);  // 0.5 + 0.5 + 0.5 + 0.25
    EXPECT_NEAR(y3 - y2, 1.75, 0.02);
    EXPECT_EQ(Row(r.doc, p, y1),
              QStringList({"支 点 名", "支点 [ A ]", "支点 [ B ]", "支点 [ C ]", "支点 [ D ]"}));
    EXPECT_EQ(Row(r.doc, p, y3),
              QStringList({"支 点 名", "支点 [ I ]", "支点 [ J ]", "支点 [ K ]", ""}));
    EXPECT_EQ(Row(r.doc, p, y3 + 0.5), QStringList({"荷重 No.", "タイプ", "荷重 PM", "タイプ",
                                                    "荷重 PM", "タイプ", "荷重 PM", "", ""}));
    EXPECT_EQ(Row(r.doc, p, y3 + 1.0),
              QStringList({"No.1", "集 中", "1.000", "集 中", "1.000", "集 中", "1.000", "", ""}));
}

TEST(InputPagesTest, PageBreakFlagKeepsTheInputOnThePageOnlyUpToSixSpans) {
    struct Case {
        int spans;
        bool flag;
        int commonPage;  // page of "●共通部材荷重"
        int diagrams;    // load-data diagrams in the report
    };
    const Case cases[] = {
        {6, true, 1, 1},   // continues under the last result table
        {6, false, 2, 2},  // new page with the diagram
        {7, true, 2, 2},   // more than 6 spans: always a new page
        {7, false, 2, 2}, {2, true, 1, 1},
    };
    for (const Case& c : cases) {
        ReportOf r(MakeSpans(c.spans), c.flag);
        ASSERT_TRUE(r.passed);
        EXPECT_EQ(PageOf(r.doc, QStringLiteral("●共通部材荷重")), c.commonPage)
            << c.spans << c.flag;
        EXPECT_EQ(FindTexts(r.doc, QStringLiteral("●荷重データ")).size(),
                  static_cast<std::size_t>(c.diagrams))
            << c.spans << c.flag;
        ExpectContentBetweenRules(r.doc);
    }
    // Six spans with the flag: two groups end at 6.0 + 2 x 7.2 = 20.4, the
    // common-load heading follows 0.5 lower.
    ReportOf six(MakeSpans(6), true);
    const DrawOp* heading = six.doc.Page(1).FindText(QStringLiteral("●共通部材荷重"));
    ASSERT_NE(heading, nullptr);
    EXPECT_NEAR(heading->box.top(), U(20.9), kDrift);
}

TEST(InputPagesTest, LongInputBreaksPagesWhereTheBlocksNoLongerFit) {
    BeamModel m = MakeSpans(10);
    test::LoadEverySlot(m);
    ReportOf r(m);
    ASSERT_TRUE(r.passed);
    ASSERT_EQ(r.doc.PageCount(), 5);
    // Page 3: diagram, headings, members 1-5 of 3.75 cm each from 7.0; the
    // sixth would need 25.75 + 4.0 > 27.7.
    for (int i = 1; i <= 5; ++i) {
        EXPECT_NEAR(CellTop(r.doc, 3, QStringLiteral("部材 [ %1 ]").arg(i), 1200),
                    7.5 + 3.75 * (i - 1), 0.02)
            << i;
    }
    // Page 4: members 6-10 from the top margin + 0.5, then the node-load
    // heading and the first group (4.5 cm from 21.0).
    for (int i = 6; i <= 10; ++i) {
        EXPECT_NEAR(CellTop(r.doc, 4, QStringLiteral("部材 [ %1 ]").arg(i), 1200),
                    2.75 + 3.75 * (i - 6), 0.02)
            << i;
    }
    const DrawOp* nodeHeading =
        r.doc.Page(4).FindText(QStringLiteral("●節点荷重  [単位： 荷重(t,tm)]"));
    ASSERT_NE(nodeHeading, nullptr);
    EXPECT_NEAR(nodeHeading->box.top(), U(21.5), 1);
    EXPECT_NEAR(CellTop(r.doc, 4, QStringLiteral("支点 [ A ]"), 300), 22.0, 0.02);
    // Page 5: the second and third groups.
    EXPECT_NEAR(CellTop(r.doc, 5, QStringLiteral("支点 [ E ]"), 300), 2.75, 0.02);
    EXPECT_NEAR(CellTop(r.doc, 5, QStringLiteral("支点 [ I ]"), 300), 2.75 + 3.75, 0.02);
    // Footer of page 3: "- 3 -" centred 1.5 mm below the bottom rule, the
    // version ending 3 mm inside the right margin.
    const DrawOp* footer = r.doc.Page(3).FindText(QStringLiteral("- 3 -"));
    ASSERT_NE(footer, nullptr);
    EXPECT_NEAR(footer->box.center().x(), 1050, 1);
    EXPECT_EQ(footer->box.top(), 2770 + 15);
    const DrawOp* version = r.doc.Page(3).FindText(QStringLiteral("Ver.3.0.6.0"));
    ASSERT_NE(version, nullptr);
    EXPECT_EQ(version->TextRight(), 2100 - 220 - 30);
    ExpectContentBetweenRules(r.doc);
}

TEST(InputPagesTest, NoBlockRunsOverTheFooterWhateverTheLoads) {
    // Node-load slots staggered over the supports (one slot per support, a
    // different one each) make tables of more rows than any one support
    // fills; member loads of varying count move the cursor through the page.
    // From pattern 5 on there are no node loads, so that "●節点荷重" and
    // "入力節点荷重なし" come wherever the member loads end; pattern 9 has no
    // loads at all.
    for (int n = 1; n <= 10; ++n) {
        for (int pattern = 0; pattern < 10; ++pattern) {
            BeamModel m = MakeSpans(n);
            for (int i = 1; i <= n && pattern < 9; ++i) {
                const int count = (i + pattern) % 6;
                for (int j = 1; j <= count; ++j) SetLoad(m, i, j, kLoadConcentrated, 1.0, 2.0);
            }
            for (int s = 1; s <= n + 1 && pattern < 5; ++s) {
                SetNodeLoad(m, s, (s + pattern) % 5 + 1, kNodeForce, 1.0);
            }
            ReportOf r(m, pattern % 2 == 0);
            ASSERT_TRUE(r.passed);
            SCOPED_TRACE(testing::Message() << n << " spans, pattern " << pattern);
            ExpectContentBetweenRules(r.doc);
        }
    }
}

}  // namespace
}  // namespace kmr
