#include "report/DiagramSection.h"

#include <algorithm>

#include "calc/Validation.h"
#include "report/Primitives.h"
#include "report/ReportFonts.h"
#include "report/ReportWords.h"

namespace kmr {
namespace {

const QColor kBlack(0, 0, 0);
constexpr int kGroup = 3;  // members per group, as in the result tables
constexpr const char* kExtremesSpec = "2.5|2.0|1.5|2.0|1.5|2.0|2.5|1.5";
constexpr float kHeadingRoom = 0.5f + 0.25f;  // a heading and the gap below it
constexpr float kSignLineRoom = 0.3f + 0.5f;  // the sign-convention line

float Heading(TplPrev& doc, const ReportState& state, const QString& text) {
    const float y = state.cursor + 0.5f;
    DrawTitle(doc, text, state.geometry.leftMargin + 0.3f, y, kTitleFontSize, fkGothic, 100);
    return y + 0.25f;
}

}  // namespace

StressDiagramFrame ReportDiagramFrame(const DrawGeometry& g, float y) {
    StressDiagramFrame f;
    f.titleLeft = g.leftMargin + 0.3f;
    f.left = g.leftMargin + 1.6f;
    f.width = g.paperWidth - g.rightMargin - 0.3f - f.left;
    f.top = y;
    return f;
}

std::vector<std::vector<QString>> ExtremesRows(const BeamModel& model, const CalculatedBeam& beam) {
    const QString u = OutputUnitWord(beam.OutputUnit());
    std::vector<std::vector<QString>> rows;
    rows.push_back({QStringLiteral(" 部 材 名"),
                    QStringLiteral("最大Ｍ (") + u + QStringLiteral("m)"), QStringLiteral("x (m)"),
                    QStringLiteral("最小Ｍ (") + u + QStringLiteral("m)"), QStringLiteral("x (m)"),
                    QStringLiteral("最大Ｑ (") + u + QLatin1Char(')'),
                    QStringLiteral("最大たわみ (cm)"), QStringLiteral("x (m)")});
    for (int i = 1; i <= beam.SpanCount(); ++i) {
        const MemberExtremes& e = beam.Extremes(i);
        rows.push_back(
            {QStringLiteral("部材 [ ") + NameText(model.Members[i].Name) + QStringLiteral(" ]"),
             ByMagnitude(e.MMax), Fixed(e.XMMax, 3), ByMagnitude(e.MMin), Fixed(e.XMMin, 3),
             ByMagnitude(e.QMax), ByMagnitude(e.DeflectionMax), Fixed(e.XDeflectionMax, 3)});
    }
    return rows;
}

void DrawDiagramSection(TplPrev& doc, const BeamModel& model, const CalculatedBeam& beam,
                        ReportState& state) {
    const int n = beam.SpanCount();
    const float groupNeed = 0.25f + StressDiagramsHeight(ReportDiagramFrame(state.geometry, 0));
    for (int first = 1; first <= n; first += kGroup) {
        const bool heading = first == 1;
        if (!PageFits(state, (heading ? kHeadingRoom : 0.0f) + groupNeed)) {
            StartNewPage(doc, state, 0.2f);
        }
        if (heading) state.cursor = Heading(doc, state, QStringLiteral("●応力図"));
        const StressDiagramFrame frame = ReportDiagramFrame(state.geometry, state.cursor + 0.25f);
        state.cursor = DrawStressDiagrams(doc, beam, first, first + kGroup - 1, frame).bottom;
    }

    // The table and the sign conventions stay together.
    const auto rows = ExtremesRows(model, beam);
    const float table = 0.25f + static_cast<float>(rows.size()) * kRowHeight;
    if (!PageFits(state, kHeadingRoom + table + kSignLineRoom)) StartNewPage(doc, state, 0.2f);
    state.cursor = Heading(doc, state, QStringLiteral("●スパン内最大値"));
    TableGrid grid(static_cast<int>(rows.front().size()), static_cast<int>(rows.size()));
    for (std::size_t r = 0; r < rows.size(); ++r) {
        for (std::size_t c = 0; c < rows[r].size(); ++c) {
            grid.Set(static_cast<int>(c), static_cast<int>(r), rows[r][c],
                     r + c == 0 ? TextAlign::Left : TextAlign::Center);
        }
    }
    state.cursor =
        DrawTable(doc, QString::fromLatin1(kExtremesSpec), grid, state.geometry.leftMargin + 0.3f,
                  state.cursor + 0.25f, kRowHeight, kTableFontSize, fkGothic, 1, kBlack);
    DrawTitle(doc, SignConventionText(), state.geometry.leftMargin + 0.3f, state.cursor + 0.3f, 9,
              fkGothic, 100);
    state.cursor += kSignLineRoom;
}

}  // namespace kmr
