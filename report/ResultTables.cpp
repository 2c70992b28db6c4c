#include "report/ResultTables.h"

#include "model/Model.h"
#include "report/LoadDiagram.h"
#include "report/Primitives.h"
#include "report/ReportWords.h"

namespace kmr {
namespace {

const QColor kBlack(0, 0, 0);

// Column 0 holds the row headers (left-aligned), every other cell is centred.
TableGrid ResultGrid(int columns, int rows) {
    TableGrid grid(columns, rows);
    for (int c = 1; c < columns; ++c) {
        for (int r = 0; r < rows; ++r) grid.Set(c, r, QString(), TextAlign::Center);
    }
    return grid;
}

float Table(TplPrev& doc, const ReportState& state, const char* spec, const TableGrid& grid,
            float y0, float rowHeight = kRowHeight) {
    return DrawTable(doc, QString::fromLatin1(spec), grid, state.geometry.leftMargin + 0.3f, y0,
                     rowHeight, kTableFontSize, fkGothic, 1, kBlack);
}

float MemberTable(TplPrev& doc, const BeamModel& model, const CalculatedBeam& beam, int first,
                  int n, const ReportState& state) {
    const QString u = OutputUnitWord(beam.OutputUnit());
    TableGrid grid = ResultGrid(4, 4);
    grid.Set(0, 0, QStringLiteral(" 部 材 名"));
    grid.Set(0, 1, QStringLiteral(" スパン長 (m)"));
    grid.Set(0, 2, QStringLiteral(" Ｉo (cm4)"));
    grid.Set(0, 3, QStringLiteral(" Ｅ  (") + u + QStringLiteral("/cm2)"));
    for (int k = 1; k <= 3; ++k) {
        const int m = first + k - 1;
        if (m > n) continue;
        const MemberRecord& member = model.Members[static_cast<std::size_t>(m)];
        grid.Set(k, 0, QStringLiteral("部材 [ ") + NameText(member.Name) + QStringLiteral(" ]"),
                 TextAlign::Center);
        grid.Set(k, 1, Fixed(member.SpanLength, 3), TextAlign::Center);
        grid.Set(k, 2, QString::fromStdString(FormatSectionValue(member.Io)), TextAlign::Center);
        grid.Set(k, 3, QString::fromStdString(FormatSectionValue(beam.InOutputUnit(member.E))),
                 TextAlign::Center);
    }
    return Table(doc, state, "2.5|4.5|4.5|4.5", grid, state.cursor);
}

float MomentTable(TplPrev& doc, const CalculatedBeam& beam, int first, int n,
                  const ReportState& state, float y0) {
    const QString u = OutputUnitWord(beam.OutputUnit());
    TableGrid grid = ResultGrid(10, 3);
    grid.Set(0, 0, QStringLiteral(" 材端Ｍ  (") + u + QStringLiteral("m)"));
    grid.Set(0, 1, QStringLiteral(" 中央Ｍ  (") + u + QStringLiteral("m)"));
    grid.Set(0, 2, QStringLiteral(" せん断Ｑ(") + u + QStringLiteral(")"));
    for (int k = 1; k <= 3; ++k) {
        const int m = first + k - 1;
        if (m > n) continue;
        const MemberResult& r = beam.Member(m);
        grid.Set(3 * k - 2, 0, ByMagnitude(r.MLeft), TextAlign::Center);
        grid.Set(3 * k, 0, ByMagnitude(r.MRight), TextAlign::Center);
        grid.Set(3 * k - 1, 1, ByMagnitude(r.MCenter), TextAlign::Center);
        grid.Set(3 * k - 2, 2, ByMagnitude(r.QLeft), TextAlign::Center);
        grid.Set(3 * k, 2, ByMagnitude(r.QRight), TextAlign::Center);
    }
    return Table(doc, state, "2.5|1.5|1.5|1.5|1.5|1.5|1.5|1.5|1.5|1.5", grid, y0);
}

// The supports of the group and the table column of each: supports first,
// first+1, first+2 in columns 1, 3, 5, and first+3 in column 7 when the
// group's third member exists.
std::vector<std::pair<int, int>> GroupSupports(int first, int n) {
    std::vector<std::pair<int, int>> supports;
    for (int k = 1; k <= 3; ++k) {
        if (first + k - 1 <= n + 1) supports.emplace_back(first + k - 1, 2 * k - 1);
    }
    if (first + 2 <= n) supports.emplace_back(first + 3, 7);
    return supports;
}

constexpr const char* kSupportSpec = "2.5|1.5|1.5|3.0|1.5|3.0|1.5|1.5";

float SupportTable(TplPrev& doc, const BeamModel& model, const CalculatedBeam& beam, int first,
                   int n, const ReportState& state) {
    const QString u = OutputUnitWord(beam.OutputUnit());
    TableGrid grid = ResultGrid(8, 4);
    grid.Set(0, 0, QStringLiteral(" 支 点 名"));
    grid.Set(0, 1, QStringLiteral(" 変  位(cm)"));
    grid.Set(0, 2, QStringLiteral(" 回転角(rad)"));
    grid.Set(0, 3, QStringLiteral(" 反  力(") + u + QStringLiteral(")"));
    for (const auto& [s, col] : GroupSupports(first, n)) {
        const SupportRecord& support = model.Supports[static_cast<std::size_t>(s)];
        const NodeResult& r = beam.Node(s);
        grid.Set(col, 0, QStringLiteral("[ ") + NameText(support.Name) + QStringLiteral(" ]"),
                 TextAlign::Center);
        grid.Set(col, 1, ByMagnitude(r.Deflection), TextAlign::Center);
        grid.Set(col, 2, ByMagnitude(r.Rotation), TextAlign::Center);
        grid.Set(col, 3, ByMagnitude(r.Reaction), TextAlign::Center);
    }
    return Table(doc, state, kSupportSpec, grid, state.cursor);
}

// One row of twice the row height: the condition word, and for a spring
// support the word above its spring constant.
float ConditionRow(TplPrev& doc, const BeamModel& model, const CalculatedBeam& beam, int first,
                   int n, const ReportState& state, float y0) {
    const QString u = OutputUnitWord(beam.OutputUnit());
    TableGrid grid = ResultGrid(8, 1);
    grid.Set(0, 0, QStringLiteral(" 支持条件| ﾊﾞﾈ定数(") + u + QStringLiteral("/cm)"));
    for (const auto& [s, col] : GroupSupports(first, n)) {
        const SupportRecord& support = model.Supports[static_cast<std::size_t>(s)];
        QString text =
            QString::fromUtf8(SupportConditionWord(CalculatedSupportCondition(support.Condition)));
        if (support.Condition == kSupportSpring) {
            text += QLatin1Char('|') + Fixed(beam.InOutputUnit(support.SpringConstant), 3);
        }
        grid.Set(col, 0, text, TextAlign::Center);
    }
    return Table(doc, state, kSupportSpec, grid, y0, 2 * kRowHeight);
}

}  // namespace

void DrawResultGroup(TplPrev& doc, const BeamModel& model, const CalculatedBeam& beam, int first,
                     ReportState& state) {
    const int n = UsedSpanCount(model);
    state.cursor += 0.25f;
    const float y = MemberTable(doc, model, beam, first, n, state);
    state.cursor = MomentTable(doc, beam, first, n, state, y) + 0.2f;
    const float ySupport = SupportTable(doc, model, beam, first, n, state);
    state.cursor = ConditionRow(doc, model, beam, first, n, state, ySupport) + 0.25f;
}

void DrawResultsSection(TplPrev& doc, const BeamModel& model, const CalculatedBeam& beam,
                        ReportState& state) {
    DrawPageHeader(doc, state);
    DrawLoadDiagram(doc, model, beam.Loads(), state);
    const float yHeading = state.cursor + 0.5f;
    DrawTitle(doc, QStringLiteral("●応力算定結果"), state.geometry.leftMargin + 0.3f, yHeading,
              kTitleFontSize, fkGothic, 100);
    state.cursor = yHeading + 0.25f;
    const int n = UsedSpanCount(model);
    for (int first = 1; first <= n; first += 3) {
        if (!PageFits(state, kResultGroupNeed)) StartNewPage(doc, state, 0.2f);
        DrawResultGroup(doc, model, beam, first, state);
    }
}

}  // namespace kmr
