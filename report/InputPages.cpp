#include "report/InputPages.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "model/Model.h"
#include "report/LoadDiagram.h"
#include "report/Primitives.h"
#include "report/ReportWords.h"

namespace kmr {
namespace {

const QColor kBlack(0, 0, 0);
const QString kNone = QStringLiteral("----");

// Every cell of the input tables is centred.
TableGrid CentredGrid(int columns, int rows) {
    TableGrid grid(columns, rows);
    for (int c = 0; c < columns; ++c) {
        for (int r = 0; r < rows; ++r) grid.Set(c, r, QString(), TextAlign::Center);
    }
    return grid;
}

float Table(TplPrev& doc, const ReportState& state, const char* spec, const TableGrid& grid,
            float y0) {
    return DrawTable(doc, QString::fromLatin1(spec), grid, state.geometry.leftMargin + 0.3f, y0,
                     kRowHeight, kTableFontSize, fkGothic, 1, kBlack);
}

void Heading(TplPrev& doc, const ReportState& state, const QString& text, float y) {
    DrawTitle(doc, text, state.geometry.leftMargin + 0.3f, y, kTitleFontSize, fkGothic, 100);
}

void Line(TplPrev& doc, const ReportState& state, const QString& text, float y) {
    DrawTitle(doc, text, state.geometry.leftMargin + 1.0f, y, kTitleFontSize, fkGothic, 100);
}

// ---- member loads

std::vector<int> MemberSlotsInUse(const MemberRecord& member) {
    std::vector<int> inUse;
    for (int j = 1; j <= kLoadSlots; ++j) {
        if (IsMemberLoadCode(member.Loads[static_cast<std::size_t>(j - 1)].LoadType))
            inUse.push_back(j);
    }
    return inUse;
}

TableGrid MemberLoadGrid(const MemberRecord& member, const std::vector<int>& inUse,
                         const CalculatedBeam& beam) {
    TableGrid grid = CentredGrid(7, static_cast<int>(inUse.size()) + 1);
    const char* headers[7] = {"荷重 No.", "タイプ",  "荷重 WP", "左端距離 L",
                              "長さ L1",  "長さ L2", "高さ H"};
    for (int c = 0; c < 7; ++c) grid.Set(c, 0, QString::fromUtf8(headers[c]), TextAlign::Center);
    int row = 1;
    for (int j : inUse) {
        const MemberLoad& load = member.Loads[static_cast<std::size_t>(j - 1)];
        const bool point = load.LoadType == kLoadConcentrated;
        grid.Set(0, row, QStringLiteral("No.") + QString::number(j), TextAlign::Center);
        grid.Set(1, row, MemberLoadWord(load.LoadType), TextAlign::Center);
        grid.Set(2, row, ByMagnitude(beam.InOutputUnit(load.Value)), TextAlign::Center);
        grid.Set(3, row, ByMagnitude(load.Distance), TextAlign::Center);
        grid.Set(4, row, point ? kNone : ByMagnitude(load.Length1), TextAlign::Center);
        grid.Set(5, row, load.LoadType == kLoadTrapezoid ? ByMagnitude(load.Length2) : kNone,
                 TextAlign::Center);
        grid.Set(6, row, point ? kNone : ByMagnitude(load.Height), TextAlign::Center);
        ++row;
    }
    return grid;
}

void DrawMemberLoads(TplPrev& doc, const BeamModel& model, const CalculatedBeam& beam, int n,
                     ReportState& state) {
    bool any = false;
    for (int m = 1; m <= n; ++m) {
        const MemberRecord& member = model.Members[static_cast<std::size_t>(m)];
        const std::vector<int> inUse = MemberSlotsInUse(member);
        if (inUse.empty()) continue;
        any = true;
        const float need = (static_cast<float>(inUse.size()) + 3) * kRowHeight;
        if (PageFits(state, need)) {
            state.cursor += 0.25f;
        } else {
            StartNewPage(doc, state, 0.5f);
        }
        state.cursor += 0.25f;
        TableGrid name = CentredGrid(2, 1);
        name.Set(0, 0, QStringLiteral("部 材 名"), TextAlign::Center);
        name.Set(1, 0, QStringLiteral("部材 [ ") + NameText(member.Name) + QStringLiteral(" ]"),
                 TextAlign::Center);
        const float y = Table(doc, state, "2.0|12.0", name, state.cursor);
        const TableGrid loads = MemberLoadGrid(member, inUse, beam);
        state.cursor = Table(doc, state, "2.0|2.0|2.0|2.0|2.0|2.0|2.0", loads, y) - 0.25f;
    }
    if (!any) {
        // The line below the cursor and its row.
        if (!PageFits(state, 0.5f + kRowHeight)) StartNewPage(doc, state, 0.0f);
        Line(doc, state, QStringLiteral("入力部材荷重なし"), state.cursor + 0.5f);
        state.cursor += 0.75f;
    }
}

// ---- node loads

// Supports first..last (at most four) of one node-load group.
struct SupportGroup {
    int first = 1;
    int last = 1;
    std::vector<int> rows;  // slot numbers in use at any support of the group
};

SupportGroup MakeGroup(const BeamModel& model, int first, int supportCount) {
    SupportGroup g{first, std::min(first + 3, supportCount), {}};
    for (int r = 1; r <= kLoadSlots; ++r) {
        for (int s = g.first; s <= g.last; ++s) {
            const auto& slot = model.Supports[static_cast<std::size_t>(s)]
                                   .NodeLoads[static_cast<std::size_t>(r - 1)];
            if (IsNodeLoadCode(slot.LoadType)) {
                g.rows.push_back(r);
                break;
            }
        }
    }
    return g;
}

TableGrid SupportNameGrid(const BeamModel& model, const SupportGroup& g) {
    TableGrid grid = CentredGrid(5, 1);
    grid.Set(0, 0, QStringLiteral("支 点 名"), TextAlign::Center);
    for (int s = g.first; s <= g.last; ++s) {
        const QString name = NameText(model.Supports[static_cast<std::size_t>(s)].Name);
        grid.Set(s - g.first + 1, 0, QStringLiteral("支点 [ ") + name + QStringLiteral(" ]"),
                 TextAlign::Center);
    }
    return grid;
}

TableGrid NodeLoadGrid(const BeamModel& model, const SupportGroup& g, const CalculatedBeam& beam) {
    TableGrid grid = CentredGrid(9, static_cast<int>(g.rows.size()) + 1);
    grid.Set(0, 0, QStringLiteral("荷重 No."), TextAlign::Center);
    for (int s = g.first; s <= g.last; ++s) {
        const int k = s - g.first + 1;
        grid.Set(2 * k - 1, 0, QStringLiteral("タイプ"), TextAlign::Center);
        grid.Set(2 * k, 0, QStringLiteral("荷重 PM"), TextAlign::Center);
    }
    int row = 1;
    for (int r : g.rows) {
        grid.Set(0, row, QStringLiteral("No.") + QString::number(r), TextAlign::Center);
        for (int s = g.first; s <= g.last; ++s) {
            const int k = s - g.first + 1;
            const NodeLoad& load = model.Supports[static_cast<std::size_t>(s)]
                                       .NodeLoads[static_cast<std::size_t>(r - 1)];
            const bool used = IsNodeLoadCode(load.LoadType);
            grid.Set(2 * k - 1, row, used ? NodeLoadWord(load.LoadType) : kNone, TextAlign::Center);
            grid.Set(2 * k, row, used ? ByMagnitude(beam.InOutputUnit(load.Value)) : kNone,
                     TextAlign::Center);
        }
        ++row;
    }
    return grid;
}

// Room of one group (cm): what is drawn below the cursor, the heading
// included when it is still to come. Counted by the rows the table really
// gets, so that no group runs over the footer or off the paper.
float NodeGroupNeed(const SupportGroup& g, bool headingPending) {
    const float table = 0.25f + kRowHeight + (static_cast<float>(g.rows.size()) + 1) * kRowHeight;
    return headingPending ? 0.5f + 0.25f + table : table;
}

void DrawNodeLoads(TplPrev& doc, const BeamModel& model, const CalculatedBeam& beam, int n,
                   ReportState& state) {
    const QString u = OutputUnitWord(beam.OutputUnit());
    const QString heading = QStringLiteral("●節点荷重  [単位： 荷重(") + u + QLatin1Char(',') + u +
                            QStringLiteral("m)]");
    bool headingPending = true;
    for (int first = 1; first <= n + 1; first += 4) {
        const SupportGroup g = MakeGroup(model, first, n + 1);
        if (g.rows.empty()) continue;
        if (PageFits(state, NodeGroupNeed(g, headingPending))) {
            if (headingPending) Heading(doc, state, heading, state.cursor + 0.5f);
            if (headingPending) state.cursor += 0.5f + 0.25f;
        } else {
            StartNewPage(doc, state, 0.5f, false);
            if (headingPending) Heading(doc, state, heading, state.cursor);
            if (headingPending) state.cursor += 0.25f;
            DrawPageHeader(doc, state);
        }
        headingPending = false;
        state.cursor += 0.25f;
        const float y =
            Table(doc, state, "2.0|3.0|3.0|3.0|3.0", SupportNameGrid(model, g), state.cursor);
        state.cursor = Table(doc, state, "2.0|1.5|1.5|1.5|1.5|1.5|1.5|1.5|1.5",
                             NodeLoadGrid(model, g, beam), y);
    }
    if (headingPending) {
        // The heading, and the line with its row 0.525 cm below it.
        if (!PageFits(state, 0.5f + 0.025f + 0.5f + kRowHeight)) StartNewPage(doc, state, 0.0f);
        const float y = state.cursor + 0.5f;
        Heading(doc, state, heading, y);
        state.cursor = y + 0.025f;
        Line(doc, state, QStringLiteral("入力節点荷重なし"), state.cursor + 0.5f);
    }
}

}  // namespace

bool InputSectionContinues(int spanCount, bool pageBreakFlag) {
    return pageBreakFlag && spanCount <= 6;
}

QString CommonLoadText(const BeamModel& model, const CalculatedBeam& beam) {
    const ModelHeader& h = model.Header;
    const double w = h.CommonLoad;
    // By magnitude: an uplift (negative load) is a load and keeps its sign.
    if (!beam.Loads().commonLoad || std::fabs(static_cast<float>(w)) < kEpsilon) {
        return QStringLiteral("共通部材荷重なし");
    }
    const QString u = OutputUnitWord(beam.OutputUnit());
    return QStringLiteral("荷重：") + Fixed(beam.InOutputUnit(w), 3) + QStringLiteral(" (") + u +
           QStringLiteral("/m2),   ") + QStringLiteral("高さ") + Fixed(h.CommonLoadHeight, 3) +
           QStringLiteral(" (m)");
}

void DrawInputSection(TplPrev& doc, const BeamModel& model, const CalculatedBeam& beam,
                      bool pageBreakFlag, ReportState& state) {
    const int n = UsedSpanCount(model);
    if (!InputSectionContinues(n, pageBreakFlag)) {
        StartNewPage(doc, state, 0.0f, false);
        DrawLoadDiagram(doc, model, beam.Loads(), state);
    }
    DrawPageHeader(doc, state);

    // The common-load heading and line and the member-load heading with its
    // row: a block of 1.25 cm + a row below the cursor.
    if (!PageFits(state, 1.25f + kRowHeight)) StartNewPage(doc, state, 0.0f);
    const QString u = OutputUnitWord(beam.OutputUnit());
    const float y1 = state.cursor + 0.5f;
    Heading(doc, state, QStringLiteral("●共通部材荷重"), y1);
    Line(doc, state, CommonLoadText(model, beam), y1 + 0.5f);
    state.cursor = y1 + 1.25f;
    Heading(doc, state,
            QStringLiteral("●部材荷重  [単位： 荷重(") + u + QLatin1Char(',') + u +
                QStringLiteral("/m2), 距離(m)]"),
            state.cursor);

    DrawMemberLoads(doc, model, beam, n, state);
    DrawNodeLoads(doc, model, beam, n, state);
}

}  // namespace kmr
