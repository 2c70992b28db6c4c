#include "report/CheckSection.h"

#include <functional>

#include "report/Primitives.h"
#include "report/ReportFonts.h"
#include "report/ReportWords.h"

namespace kmr {
namespace {

const QColor kBlack(0, 0, 0);
constexpr int kGroup = 3;  // members per table, as in the result tables
constexpr const char* kCheckSpec = "3.1|4.3|4.3|4.3";
constexpr float kHeadingRoom = 0.5f + 0.25f;
constexpr float kLineHeight = 0.45f;  // a line of the introduction
const QString kDash = QStringLiteral("－");

QString Plain(double v) {
    return QString::number(v, 'g', 6);
}

QString Ratio(double v) {
    return Fixed(v, 3) + (v > 1 ? QStringLiteral(" NG") : QString());
}

QString Dimensions(const ResolvedMember& r) {
    const SectionDimensions& d = r.Dim;
    const QString x = QStringLiteral("×");
    return Plain(d.H) + x + Plain(d.B) + x + Plain(d.Tw) + x + Plain(d.Tf) +
           (r.Fab == Fabrication::Welded ? QStringLiteral(" (溶接 s=") : QStringLiteral(" (r=")) +
           Plain(d.R) + QLatin1Char(')');
}

QString SteelText(const MemberCheck& c) {
    return (c.Steel.empty() ? kDash : QString::fromStdString(c.Steel)) + QStringLiteral("  ") +
           Plain(c.F);
}

QString Verdict(const MemberCheck& c) {
    if (c.Ok) return QStringLiteral("OK");
    QStringList failed;
    if (c.BendingRatio > 1) failed << QStringLiteral("曲げ");
    if (c.ShearRatio > 1) failed << QStringLiteral("せん断");
    if (c.DeflectionRatio > 1) failed << QStringLiteral("たわみ");
    return QStringLiteral("NG（") + failed.join(QStringLiteral("・")) + QStringLiteral("）");
}

// "1/n" of the deflection; "－" for a member that does not deflect.
QString Slenderness(const MemberCheck& c) {
    return c.DeflectionN > 0 ? QStringLiteral("1/") + Fixed(c.DeflectionN, 0) : kDash;
}

// The branch of the fb formula that gave fb.
QString RuleText(FbRule rule) {
    switch (rule) {
        case FbRule::Fb1:
            return QStringLiteral("fb1 = F{2/3－4/15(lb/i)²/CΛ²}");
        case FbRule::Fb2:
            return QStringLiteral("fb2 = 89000/(lb・h/Af)");
        case FbRule::Cap:
            return QStringLiteral("F/1.5");
        case FbRule::UpToPlastic:
            return QStringLiteral("F/ν（λb≦pλb）");
        case FbRule::UpToElastic:
            return QStringLiteral("{1－0.4(λb－pλb)/(eλb－pλb)}F/ν");
        case FbRule::Elastic:
            return QStringLiteral("F/(2.17λb²)（λb＞eλb）");
    }
    return {};
}

struct Row {
    QString header;
    bool sectionOnly;  // "－" for a member with only a deflection limit
    std::function<QString(const MemberCheck&, const ResolvedMember&)> value;
};

std::vector<Row> Rows(const QString& u) {
    using C = const MemberCheck&;
    using R = const ResolvedMember&;
    return {
        {QStringLiteral(" 断  面"), true, [](C c, R) { return QString::fromStdString(c.Section); }},
        {QStringLiteral(" H×B×tw×tf (mm)"), true, [](C, R r) { return Dimensions(r); }},
        {QStringLiteral(" 鋼種  F (N/mm2)"), true, [](C c, R) { return SteelText(c); }},
        {QStringLiteral(" Zx (cm3)"), true, [](C, R r) { return ByMagnitude(r.Props.Zx); }},
        {QStringLiteral(" Aw (cm2)"), true, [](C, R r) { return ByMagnitude(r.Props.Aw); }},
        {QStringLiteral(" i (cm)"), true, [](C, R r) { return ByMagnitude(r.Props.I); }},
        {QStringLiteral(" Af (cm2)"), true, [](C, R r) { return ByMagnitude(r.Props.Af); }},
        {QStringLiteral(" lb (m) [区間]"), true,
         [](C c, R r) {
             return Fixed(c.Lb, 3) + QStringLiteral(" [%1/%2]").arg(c.Segment).arg(r.Bracing);
         }},
        {QStringLiteral(" C"), true, [](C c, R) { return Fixed(c.C, 3); }},
        {QStringLiteral(" fb (N/mm2)"), true, [](C c, R) { return Fixed(c.Fb, 1); }},
        {QStringLiteral(" fb の式"), true, [](C c, R) { return RuleText(c.Rule); }},
        {QStringLiteral(" M (") + u + QStringLiteral("m)"), true,
         [](C c, R) { return ByMagnitude(c.M); }},
        {QStringLiteral(" σb (N/mm2)"), true, [](C c, R) { return Fixed(c.SigmaB, 1); }},
        {QStringLiteral(" σb/fb"), true, [](C c, R) { return Ratio(c.BendingRatio); }},
        {QStringLiteral(" Q (") + u + QLatin1Char(')'), true,
         [](C c, R) { return ByMagnitude(c.Q); }},
        {QStringLiteral(" τ (N/mm2)"), true, [](C c, R) { return Fixed(c.Tau, 1); }},
        {QStringLiteral(" fs (N/mm2)"), true, [](C c, R) { return Fixed(c.Fs, 1); }},
        {QStringLiteral(" τ/fs"), true, [](C c, R) { return Ratio(c.ShearRatio); }},
        {QStringLiteral(" δ (cm)"), false, [](C c, R) { return ByMagnitude(c.Deflection); }},
        {QStringLiteral(" 変形増大係数"), false, [](C c, R) { return Plain(c.DeflectionFactor); }},
        {QStringLiteral(" 1/n [制限]"), false,
         [](C c, R) {
             return Slenderness(c) + QStringLiteral(" [1/") + Plain(c.DeflectionLimit) +
                    QLatin1Char(']') + (c.DeflectionRatio > 1 ? QStringLiteral(" NG") : QString());
         }},
        {QStringLiteral(" 判  定"), false, [](C c, R) { return Verdict(c); }},
    };
}

float Heading(TplPrev& doc, const ReportState& state, const QString& text) {
    const float y = state.cursor + 0.5f;
    DrawTitle(doc, text, state.geometry.leftMargin + 0.3f, y, kTitleFontSize, fkGothic, 100);
    return y + 0.25f;
}

float DrawLines(TplPrev& doc, const ReportState& state, const QStringList& lines) {
    float y = state.cursor + 0.2f;
    for (const QString& line : lines) {
        DrawTitle(doc, line, state.geometry.leftMargin + 0.5f, y, kTableFontSize, fkGothic, 100);
        y += kLineHeight;
    }
    return y;
}

float DrawGroup(TplPrev& doc, const std::vector<std::vector<QString>>& rows, int first,
                const ReportState& state) {
    TableGrid grid(kGroup + 1, static_cast<int>(rows.size()));
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const int row = static_cast<int>(r);
        grid.Set(0, row, rows[r][0]);
        for (int k = 1; k <= kGroup; ++k) {
            const std::size_t c = static_cast<std::size_t>(first + k - 1);
            grid.Set(k, row, c < rows[r].size() ? rows[r][c] : QString(), TextAlign::Center);
        }
    }
    return DrawTable(doc, QString::fromLatin1(kCheckSpec), grid, state.geometry.leftMargin + 0.3f,
                     state.cursor + 0.25f, kRowHeight, kTableFontSize, fkGothic, 1, kBlack);
}

}  // namespace

bool HasCheckSection(const BeamModel& model) {
    return model.Design.State != DesignState::None;
}

QStringList CheckIntroLines(BucklingFormula method) {
    const QString formula = method == BucklingFormula::Aij2005
                                ? QStringLiteral("日本建築学会 鋼構造設計規準 2005")
                                : QStringLiteral("平成13年国交省告示第1024号");
    return {
        QStringLiteral("長期（固定荷重＋積載荷重）に対する検定　fb: ") + formula +
            QStringLiteral("　E = %1 N/mm2").arg(kSteelE, 0, 'f', 0),
        QStringLiteral("C = 1.75 + 1.05(M2/M1) + 0.3(M2/M1)² ≦ 2.3　M2/M1: 複曲率で正、単曲率で負"),
        QStringLiteral("区間内の M が端部を超えるとき、片持ち梁では C = 1　σb = M/Zx　τ = Q/Aw　"
                       "fs = F/(1.5√3)"),
        QStringLiteral(
            "たわみ: 変形増大係数×δ ≦ L/制限（δ は両端を結ぶ線から、片持ち梁は支持端から）")};
}

std::vector<std::vector<QString>> CheckTableRows(const BeamModel& model, ForceUnit outputUnit,
                                                 const BeamCheck& check) {
    const std::vector<Row> layout = Rows(OutputUnitWord(outputUnit));
    std::vector<std::vector<QString>> rows(layout.size() + 1);
    rows[0].push_back(QStringLiteral(" 部 材 名"));
    for (std::size_t r = 0; r < layout.size(); ++r) rows[r + 1].push_back(layout[r].header);
    for (const MemberCheck& c : check.Result.Members) {
        const ResolvedMember* resolved = FindResolved(check.Design, c.Member);
        rows[0].push_back(QStringLiteral("部材 [ ") +
                          NameText(model.Members[static_cast<std::size_t>(c.Member)].Name) +
                          QStringLiteral(" ]"));
        for (std::size_t r = 0; r < layout.size(); ++r) {
            const bool shown = resolved && (c.HasSection || !layout[r].sectionOnly);
            rows[r + 1].push_back(shown ? layout[r].value(c, *resolved) : kDash);
        }
    }
    return rows;
}

void DrawCheckSection(TplPrev& doc, const BeamModel& model, const CalculatedBeam& beam,
                      ReportState& state) {
    if (!HasCheckSection(model)) return;
    const BeamCheck check = CheckBeamDesign(model, beam);
    const QStringList intro = check.Done ? CheckIntroLines(check.Design.Method)
                                         : QStringList{QString::fromStdString(check.Problem) +
                                                       QStringLiteral("　断面検定は行いません。")};
    const auto rows = CheckTableRows(model, beam.OutputUnit(), check);
    const int members = static_cast<int>(rows.front().size()) - 1;
    const float introNeed = kHeadingRoom + 0.2f + kLineHeight * float(intro.size());
    const float tableNeed = 0.25f + kRowHeight * float(rows.size());
    if (!PageFits(state, introNeed + (members > 0 ? tableNeed : 0.0f)))
        StartNewPage(doc, state, 0.2f);
    state.cursor = Heading(doc, state, QStringLiteral("●断面検定"));
    state.cursor = DrawLines(doc, state, intro);
    for (int first = 1; first <= members; first += kGroup) {
        if (!PageFits(state, tableNeed)) StartNewPage(doc, state, 0.2f);
        state.cursor = DrawGroup(doc, rows, first, state) + 0.25f;
    }
}

}  // namespace kmr
