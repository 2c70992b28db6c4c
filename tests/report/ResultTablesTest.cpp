// The report's first section read back from the display lists: page 1 with
// header, diagram and result tables, the groups of three members with the
// supports in their columns, page breaks, units and number formats.
#include <gtest/gtest.h>

#include "report/ResultTables.h"
#include "tests/report/ReportFixture.h"

namespace kmr {
namespace {

using namespace kmr::test;

// Column boundaries (page units) of the three tables of a group, from
// x0 = left margin + 0.3 = 2.5 cm.
const int kMemberCols[] = {250, 500, 950, 1400, 1850};
const int kMomentCols[] = {250, 500, 650, 800, 950, 1100, 1250, 1400, 1550, 1700, 1850};
const int kSupportCols[] = {250, 500, 650, 800, 1100, 1250, 1550, 1700, 1850};

// Page 1 after the fix of the start: diagram from the top margin (2.0 cm),
// cursor 5.25 below it, heading at 5.75, first group from 6.0 + 0.25.
constexpr double kFirstGroupTop = 6.25;
constexpr double kGroupAdvance = 7.2;  // 0.25 + 2.0 + 1.5 + 0.2 + 2.0 + 1.0 + 0.25

// Column of a cell (index into the boundaries) or -1.
template <std::size_t N>
int ColumnOf(const DrawOp& text, const int (&cols)[N]) {
    const QRect cell = CellOf(text);
    for (std::size_t c = 0; c + 1 < N; ++c) {
        if (std::abs(cell.left() - cols[c]) <= 1 && std::abs(cell.right() + 1 - cols[c + 1]) <= 1) {
            return static_cast<int>(c);
        }
    }
    return -1;
}

// The one occurrence of text on page p whose cell starts at y (cm).
const DrawOp* CellText(const TplPrev& doc, int p, const QString& text, double y) {
    for (const Found& f : FindTexts(doc, text)) {
        if (f.page == p && f.op->clip && std::abs(CellOf(*f.op).top() - U(y)) <= kDrift)
            return f.op;
    }
    return nullptr;
}

// Texts of the cells of one table row (cells starting at y) in a column range.
std::vector<const DrawOp*> RowTexts(const PageRecord& page, double y, int fromX, int toX) {
    std::vector<const DrawOp*> out;
    for (const DrawOp& op : page.ops) {
        if (op.kind != OpKind::Text || !op.clip || op.text.isEmpty()) continue;
        const QRect cell = CellOf(op);
        if (std::abs(cell.top() - U(y)) <= kDrift && cell.left() >= fromX - 1 &&
            cell.right() < toX) {
            out.push_back(&op);
        }
    }
    return out;
}

TEST(ResultTablesTest, PageOneReadsHeaderDiagramResultsWithoutOverlap) {
    ReportOf r(MakeSpans(2));
    ASSERT_TRUE(r.passed);
    const PageRecord& page = r.doc.Page(1);
    const DrawOp* diagram = page.FindText(QStringLiteral("●荷重データ"));
    ASSERT_NE(diagram, nullptr);
    EXPECT_NEAR(diagram->box.top(), U(2.0 + 0.3), 1) << "diagram heading below the top rule";
    const DrawOp* heading = page.FindText(QStringLiteral("●応力算定結果"));
    ASSERT_NE(heading, nullptr);
    EXPECT_NEAR(heading->box.top(), U(5.25 + 0.5), 1);
    EXPECT_NE(CellText(r.doc, 1, QStringLiteral(" 部 材 名"), kFirstGroupTop), nullptr);
    EXPECT_NE(CellText(r.doc, 1, QStringLiteral(" 材端Ｍ  (tm)"), kFirstGroupTop + 2.0), nullptr);
    EXPECT_NE(CellText(r.doc, 1, QStringLiteral(" 支 点 名"), kFirstGroupTop + 3.7), nullptr);
    EXPECT_NE(CellText(r.doc, 1, QStringLiteral(" 支持条件"), kFirstGroupTop + 5.7), nullptr);
    EXPECT_NE(page.FindText(QStringLiteral("Data: beam.KMX")), nullptr);
    EXPECT_NE(page.FindText(QStringLiteral("Ver.3.0.6.0")), nullptr);
    ExpectContentBetweenRules(r.doc);
}

TEST(ResultTablesTest, TwoSpansFillOneGroupWithEmptyThirdColumns) {
    ReportOf r(MakeSpans(2));
    const PageRecord& page = r.doc.Page(1);
    const double y = kFirstGroupTop;
    const auto names = RowTexts(page, y, 500, 1850);
    ASSERT_EQ(names.size(), 2u);
    EXPECT_EQ(names[0]->text, QStringLiteral("部材 [ 1 ]"));
    EXPECT_EQ(ColumnOf(*names[0], kMemberCols), 1);
    EXPECT_EQ(names[1]->text, QStringLiteral("部材 [ 2 ]"));
    EXPECT_EQ(ColumnOf(*names[1], kMemberCols), 2);
    EXPECT_TRUE(RowTexts(page, y + 1.5, 1400, 1850).empty()) << "E row, third member";
    for (int row = 0; row < 3; ++row) {
        EXPECT_TRUE(RowTexts(page, y + 2.0 + 0.5 * row, 1400, 1850).empty()) << row;
    }
    const auto supports = RowTexts(page, y + 3.7, 500, 1850);
    ASSERT_EQ(supports.size(), 3u);
    const char* expected[] = {"[ A ]", "[ B ]", "[ C ]"};
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(supports[k]->text, QString::fromUtf8(expected[k]));
        EXPECT_EQ(ColumnOf(*supports[k], kSupportCols), 2 * k + 1);
    }
    EXPECT_EQ(r.doc.PageCount(), 2);
}

TEST(ResultTablesTest, ThreeSpansPutTheFourthSupportInColumnSeven) {
    ReportOf r(MakeSpans(3));
    const DrawOp* d = CellText(r.doc, 1, QStringLiteral("[ D ]"), kFirstGroupTop + 3.7);
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(ColumnOf(*d, kSupportCols), 7);
    // Its condition word stands in the same column of the condition row.
    const auto conditions = RowTexts(r.doc.Page(1), kFirstGroupTop + 5.7, 500, 1850);
    ASSERT_EQ(conditions.size(), 4u);
    EXPECT_EQ(ColumnOf(*conditions[3], kSupportCols), 7);
    EXPECT_EQ(conditions[3]->text, QStringLiteral("単 純"));
}

TEST(ResultTablesTest, FourSpansStartASecondGroupAtTheFourthMember) {
    ReportOf r(MakeSpans(4));
    const double y2 = kFirstGroupTop + kGroupAdvance;
    const DrawOp* m4 = CellText(r.doc, 1, QStringLiteral("部材 [ 4 ]"), y2);
    ASSERT_NE(m4, nullptr);
    EXPECT_EQ(ColumnOf(*m4, kMemberCols), 1);
    const DrawOp* d1 = CellText(r.doc, 1, QStringLiteral("[ D ]"), kFirstGroupTop + 3.7);
    const DrawOp* d2 = CellText(r.doc, 1, QStringLiteral("[ D ]"), y2 + 3.7);
    const DrawOp* e2 = CellText(r.doc, 1, QStringLiteral("[ E ]"), y2 + 3.7);
    ASSERT_TRUE(d1 && d2 && e2);
    EXPECT_EQ(ColumnOf(*d1, kSupportCols), 7);
    EXPECT_EQ(ColumnOf(*d2, kSupportCols), 1);
    EXPECT_EQ(ColumnOf(*e2, kSupportCols), 3);
    EXPECT_EQ(RowTexts(r.doc.Page(1), y2 + 3.7, 500, 1850).size(), 2u);
}

TEST(ResultTablesTest, TenSpansGiveFourGroupsTheLastOnANewPage) {
    ReportOf r(MakeSpans(10));
    ASSERT_TRUE(r.passed);
    // Groups 1-3 fit page 1 (the third starts at 20.4 + 6.7 = 27.1 <= 27.7);
    // the fourth would need 27.6 + 6.7 and starts page 2 at 2.2.
    for (int g = 0; g < 3; ++g) {
        const QString name = QStringLiteral("部材 [ %1 ]").arg(3 * g + 1);
        EXPECT_NE(CellText(r.doc, 1, name, kFirstGroupTop + g * kGroupAdvance), nullptr) << g;
    }
    const DrawOp* m10 = CellText(r.doc, 2, QStringLiteral("部材 [ 10 ]"), 2.2 + 0.25);
    ASSERT_NE(m10, nullptr);
    EXPECT_EQ(ColumnOf(*m10, kMemberCols), 1);
    const DrawOp* k = CellText(r.doc, 2, QStringLiteral("[ K ]"), 2.45 + 3.7);
    ASSERT_NE(k, nullptr);
    EXPECT_EQ(ColumnOf(*k, kSupportCols), 3);
    EXPECT_EQ(RowTexts(r.doc.Page(2), 2.45 + 3.7, 500, 1850).size(), 2u) << "J and K";
    EXPECT_NE(r.doc.Page(2).FindText(QStringLiteral("- 2 -")), nullptr);
    EXPECT_EQ(r.doc.Page(2).FindText(QStringLiteral("●応力算定結果")), nullptr);
    ExpectContentBetweenRules(r.doc);
}

// A report of synthetic results: the tables print what CalcResults holds.
struct SyntheticReport {
    explicit SyntheticReport(BeamModel model) : m(std::move(model)) {}
    void Run() {
        ReportOptions o;
        o.version = QStringLiteral("3.0.6.0");
        ReportRun(doc, m, BeamFromResults(m, results), o);
    }
    BeamModel m;
    CalcResults results;
    TplPrev doc;
};

TEST(ResultTablesTest, NumbersArePrintedByMagnitudeWithTheirSigns) {
    SyntheticReport s(MakeSpans(3));
    s.m.Members[1].Io = 9.5;
    s.m.Members[2].Io = 45.0;
    s.m.Members[3].Io = 12000.0;
    s.results.MemberResults[1] = {-12.3456, -123.4567, 1234.5678, 0.0004, -99999.7};
    s.results.NodeResults[2] = {0.01234, -0.000123, 12345.6};
    s.Run();
    const PageRecord& page = s.doc.Page(1);
    const double y = kFirstGroupTop;
    const auto io = RowTexts(page, y + 1.0, 500, 1850);
    ASSERT_EQ(io.size(), 3u);
    EXPECT_EQ(io[0]->text, QStringLiteral("9.500"));
    EXPECT_EQ(io[1]->text, QStringLiteral("45.00"));
    EXPECT_EQ(io[2]->text, QStringLiteral("12000.0"));

    const auto ends = RowTexts(page, y + 2.0, 500, 950);
    ASSERT_EQ(ends.size(), 2u);
    EXPECT_EQ(ends[0]->text, QStringLiteral("-12.346"));
    EXPECT_EQ(ColumnOf(*ends[0], kMomentCols), 1);
    EXPECT_EQ(ends[1]->text, QStringLiteral("1234.6"));
    EXPECT_EQ(ColumnOf(*ends[1], kMomentCols), 3);
    const auto mid = RowTexts(page, y + 2.5, 500, 950);
    ASSERT_EQ(mid.size(), 1u);
    EXPECT_EQ(mid[0]->text, QStringLiteral("-123.46"));
    EXPECT_EQ(ColumnOf(*mid[0], kMomentCols), 2);
    const auto shear = RowTexts(page, y + 3.0, 500, 950);
    ASSERT_EQ(shear.size(), 2u);
    EXPECT_EQ(shear[0]->text, QStringLiteral("0.000"));
    EXPECT_EQ(shear[1]->text, QStringLiteral("-100000"));

    const double ys = y + 3.7;
    const DrawOp* deflection = CellText(s.doc, 1, QStringLiteral("0.012"), ys + 0.5);
    ASSERT_NE(deflection, nullptr);
    EXPECT_EQ(ColumnOf(*deflection, kSupportCols), 3);
    EXPECT_NE(CellText(s.doc, 1, QStringLiteral("0.000"), ys + 1.0), nullptr);
    const DrawOp* reaction = CellText(s.doc, 1, QStringLiteral("12346"), ys + 1.5);
    ASSERT_NE(reaction, nullptr);
    EXPECT_EQ(ColumnOf(*reaction, kSupportCols), 3);
}

TEST(ResultTablesTest, OutputInKilonewtonConvertsEveryForceAndNamesTheUnits) {
    BeamModel m = MakeSpans(1);
    m.Header.OutputUnit = 1;
    m.Supports[2].Condition = kSupportSpring;
    m.Supports[2].SpringConstant = 500.0;
    m.Supports[1].Condition = kSupportFixed;
    SyntheticReport s(m);
    s.results.MemberResults[1] = {1.0, 2.0, -1.0, 0.5, -0.5};
    s.results.NodeResults[1] = {0.5, 0.001, 3.0};
    s.Run();
    const PageRecord& page = s.doc.Page(1);
    const double y = kFirstGroupTop;
    for (const char* header : {" Ｅ  (kN/cm2)", " 材端Ｍ  (kNm)", " 中央Ｍ  (kNm)", " せん断Ｑ(kN)",
                               " 反  力(kN)", " ﾊﾞﾈ定数(kN/cm)"}) {
        EXPECT_NE(page.FindText(QString::fromUtf8(header)), nullptr) << header;
    }
    EXPECT_EQ(RowTexts(page, y + 1.5, 500, 950)[0]->text, QStringLiteral("20594.0"));  // 2100 t
    EXPECT_EQ(RowTexts(page, y + 2.0, 500, 650)[0]->text, QStringLiteral("9.807"));
    EXPECT_EQ(RowTexts(page, y + 2.5, 650, 800)[0]->text, QStringLiteral("19.613"));
    EXPECT_EQ(RowTexts(page, y + 3.7 + 1.5, 500, 650)[0]->text, QStringLiteral("29.420"));
    // Displacements and rotations are not forces.
    EXPECT_EQ(RowTexts(page, y + 3.7 + 0.5, 500, 650)[0]->text, QStringLiteral("0.500"));
    EXPECT_EQ(RowTexts(page, y + 3.7 + 1.0, 500, 650)[0]->text, QStringLiteral("0.001"));
    // The spring support: word in the upper half, constant in the lower half.
    const auto spring = RowTexts(page, y + 5.7, 800, 1100);
    ASSERT_EQ(spring.size(), 1u);
    EXPECT_EQ(spring[0]->text, QStringLiteral("バ ネ"));
    const auto constant = RowTexts(page, y + 6.2, 800, 1100);
    ASSERT_EQ(constant.size(), 1u);
    EXPECT_EQ(constant[0]->text, QStringLiteral("4903.325"));
    EXPECT_EQ(CellOf(*constant[0]).height(), 50);
    const auto fixed = RowTexts(page, y + 5.7, 500, 650);
    ASSERT_EQ(fixed.size(), 1u);
    EXPECT_EQ(fixed[0]->text, QStringLiteral("固 定"));
    EXPECT_EQ(CellOf(*fixed[0]).height(), 100) << "a word alone fills the double row";
}

TEST(ResultTablesTest, OneLoadedSpanPrintsTheClosedFormResults) {
    // Simple beam, w = 1 t/m2 over h = 1 m, L = 6 m: M = wL^2/8 = 4.5 at
    // mid-span, shears +-wL/2 = 3, reactions 3; in kN 9.80665 times.
    for (const int out : {0, 1}) {
        BeamModel m = MakeSpans(1);
        m.Header.OutputUnit = out;
        m.Header.CommonLoadOff = 0;
        m.Header.CommonLoad = 1.0;
        m.Header.CommonLoadHeight = 1.0;
        ReportOf r(m);
        ASSERT_TRUE(r.passed);
        const double f = out == 1 ? 9.80665 : 1.0;
        const PageRecord& page = r.doc.Page(1);
        const double y = kFirstGroupTop;
        const auto text = [](double v) { return QString::number(v, 'f', 3); };
        EXPECT_EQ(RowTexts(page, y + 2.5, 650, 800)[0]->text, text(4.5 * f));
        const auto shear = RowTexts(page, y + 3.0, 500, 950);
        ASSERT_EQ(shear.size(), 2u);
        EXPECT_EQ(shear[0]->text, text(3.0 * f));
        EXPECT_EQ(shear[1]->text, text(-3.0 * f));
        const auto reactions = RowTexts(page, y + 3.7 + 1.5, 500, 1850);
        ASSERT_EQ(reactions.size(), 2u);
        EXPECT_EQ(reactions[0]->text, text(3.0 * f));
        EXPECT_EQ(reactions[1]->text, text(3.0 * f));
    }
}

// A support code outside the table is calculated as a free end and printed
// as one.
TEST(ResultTables, UnknownSupportCodePrintsAsFree) {
    BeamModel m = MakeBeam({2.0, 6.0}, {99, S, F});
    SetLoad(m, 1, 1, kLoadConcentrated, 1.0, 0.0);
    ReportOf r(m);
    ASSERT_TRUE(r.passed);
    EXPECT_EQ(FindTexts(r.doc, QStringLiteral("自 由")).size(), 1u);
    EXPECT_EQ(r.beam.Node(1).Reaction, 0.0);
}

}  // namespace
}  // namespace kmr
