// The stress diagrams as drawing operations, against closed-form beams: the
// curve passes through the extreme points, the labels carry the values and
// positions of the formulas beside their points, the moment lies on the
// tension side; and the report's diagram section: off gives the report of
// the result tables and input pages alone, on adds the section between them
// within the page rules.
#include "report/StressDiagram.h"

#include <gtest/gtest.h>

#include <cmath>

#include "calc/Units.h"
#include "report/DiagramSection.h"
#include "report/InputPages.h"
#include "report/ResultTables.h"
#include "tests/report/ReportFixture.h"

namespace kmr {
namespace {

using namespace kmr::test;

constexpr double kEI = 2100.0 * 1e5 * 1e-4;  // MakeBeam's E and Io as t m2

// A value expected on a band at a position along the beam.
struct Point {
    StressBand band;
    double beamX;       // m from the beam's left end
    double value;       // closed form
    const char* label;  // the label that must stand beside the point, or nullptr
};

struct Case {
    const char* name;
    BeamModel model;
    std::vector<Point> points;
};

BeamModel Uniform(BeamModel m) {
    SetCommonLoad(m, 1.0);
    return m;
}

BeamModel TipLoad(BeamModel m, double p, double at) {
    SetLoad(m, 1, 1, kLoadConcentrated, p, at);
    return m;
}

std::vector<Case> Cases() {
    const double L = 6, w = 1, P = 2, Lc = 3;
    return {
        {"simple span, uniform load",
         Uniform(MakeBeam({L}, {S, S})),
         {{StressBand::Moment, 3, w * L * L / 8, "4.500 (x=3.000)"},
          {StressBand::Shear, 0, w * L / 2, "3.000"},
          {StressBand::Shear, 6, -w * L / 2, "-3.000"},
          {StressBand::Deflection, 3, 5 * w * std::pow(L, 4) / 384 / kEI * 100, nullptr}}},
        {"cantilever, tip load",
         TipLoad(MakeBeam({Lc}, {F, R}), P, Lc - 1e-3),
         {{StressBand::Moment, 0, -P * (Lc - 1e-3), "-5.998"},
          {StressBand::Deflection, Lc, 0, nullptr}}},
        {"three equal spans, uniform load",
         Uniform(MakeBeam({L, L, L}, {S, S, S, S})),
         {{StressBand::Moment, 6, -0.1 * w * L * L, "-3.600"},
          {StressBand::Moment, 12, -0.1 * w * L * L, "-3.600"},
          {StressBand::Moment, 0.4 * L, 0.08 * w * L * L, "2.880 (x=2.400)"},
          {StressBand::Moment, 9, 0.025 * w * L * L, "0.900 (x=3.000)"},
          {StressBand::Shear, 6, -0.6 * w * L, nullptr},
          {StressBand::Shear, 6, 0.5 * w * L, "3.000"}}},
    };
}

// The cantilever's tip deflection P a^2 (3L - a) / 6EI with a = L - 1 mm.
double CantileverTip() {
    const double P = 2, L = 3, a = L - 1e-3;
    return P * a * a * (3 * L - a) / 6 / kEI * 100;
}

struct Drawn {
    TplPrev doc;
    StressDiagramPlacement at;
    BeamModel model;
    CalculatedBeam beam;
};

std::unique_ptr<Drawn> Draw(const BeamModel& model) {
    auto d = std::make_unique<Drawn>();
    d->model = model;
    d->beam = CalculateBeam(d->model);
    EXPECT_TRUE(d->beam.Passed());
    d->doc.BeginDoc();
    d->at = DrawStressDiagrams(d->doc, d->beam, 1, UsedSpanCount(d->model),
                               ReportDiagramFrame(ReportGeometry(), 3.0f));
    d->doc.EndDoc();
    return d;
}

// A polygon corner within a unit (and the truncation) of the point.
bool HasCorner(const PageRecord& page, QPoint p) {
    for (const DrawOp* op : OpsOf(page, OpKind::Polygon)) {
        for (const QPoint& c : op->points) {
            if (std::abs(c.x() - p.x()) <= 2 && std::abs(c.y() - p.y()) <= 2) return true;
        }
    }
    return false;
}

TEST(StressDiagram, CurvesAndLabelsFollowTheClosedForms) {
    for (Case& c : Cases()) {
        SCOPED_TRACE(c.name);
        if (std::string(c.name).rfind("cantilever", 0) == 0) c.points[1].value = CantileverTip();
        const auto d = Draw(c.model);
        const PageRecord& page = d->doc.Page(1);
        for (const Point& p : c.points) {
            const BandScale& band = d->at.bands[std::size_t(p.band)];
            const QPoint at(U(d->at.X(p.beamX)), U(band.Y(p.value)));
            EXPECT_TRUE(HasCorner(page, at)) << int(p.band) << " at " << p.beamX;
            // The moment on the tension side (sagging below the axis), the
            // deflection downward below, the shear positive above.
            const int side = at.y() - U(band.axis);
            const double drawnBelow = p.band == StressBand::Shear ? -p.value : p.value;
            if (std::fabs(p.value) > 1e-6) {
                EXPECT_EQ(side > 0, drawnBelow > 0) << p.beamX;
            }
            if (!p.label) continue;
            // The label of that text nearest the point stands beside it:
            // within 1 mm across, and just above or below.
            const auto across = [&](const DrawOp* t) {
                return std::max({t->box.left() - at.x(), at.x() - t->TextRight(), 0});
            };
            const DrawOp* label = nullptr;
            for (const DrawOp* t : page.Texts()) {
                if (t->text != QString::fromUtf8(p.label)) continue;
                if (!label || across(t) < across(label)) label = t;
            }
            ASSERT_NE(label, nullptr) << p.label;
            EXPECT_LE(across(label), 10) << p.label;
            const int gap = side > 0 ? label->box.top() - at.y() : at.y() - label->TextBottom();
            EXPECT_GE(gap, 0) << p.label;
            EXPECT_LE(gap, 10) << p.label;
        }
    }
}

TEST(StressDiagram, SupportsLettersAndSpansStandOnTheBeamScale) {
    const auto d = Draw(Uniform(MakeBeam({4, 6, 2}, {S, S, S, S})));
    const PageRecord& page = d->doc.Page(1);
    const double xs[] = {0, 4, 10, 12};
    for (int s = 0; s < 4; ++s) {
        const DrawOp* letter = page.FindText(QString(QChar(u'A' + s)));
        ASSERT_NE(letter, nullptr);
        EXPECT_NEAR(letter->box.center().x(), U(d->at.X(xs[s])), 3) << s;
    }
    EXPECT_NEAR(d->at.X(12) - d->at.X(0), ReportDiagramFrame(ReportGeometry(), 0).width, 1e-4);
    for (const char* span : {"4.000", "6.000", "2.000"}) {
        EXPECT_NE(page.FindText(QString::fromLatin1(span)), nullptr) << span;
    }
    EXPECT_NE(page.FindText(QStringLiteral("Ｍ図")), nullptr);
    EXPECT_NE(page.FindText(QStringLiteral("(tm)")), nullptr);
}

bool SameOp(const DrawOp& a, const DrawOp& b) {
    return a.kind == b.kind && a.points == b.points && a.pen == b.pen && a.brush == b.brush &&
           a.text == b.text && a.font == b.font && a.box == b.box && a.clip == b.clip;
}

// The result tables and the input pages drawn alone, as the report was
// before the section existed.
void ReportWithoutSection(TplPrev& doc, const BeamModel& m, const CalculatedBeam& b, bool flag) {
    doc.Title = ApplicationTitle();
    doc.BeginDoc();
    ReportState state;
    state.header = PageHeaderInfo{ApplicationTitle(), QStringLiteral("/data/beam.KMX"),
                                  QStringLiteral("3.0.6.0")};
    state.cursor = state.geometry.topMargin;
    DrawResultsSection(doc, m, b, state);
    DrawInputSection(doc, m, b, flag, state);
    doc.EndDoc();
}

std::vector<std::pair<BeamModel, bool>> ReportModels() {
    BeamModel loaded = MakeSpans(10, 5.0);
    LoadEverySlot(loaded);
    BeamModel kN = Uniform(MakeBeam({6, 4}, {F, S, R}));
    kN.Header.OutputUnit = 1;
    return {{Uniform(MakeBeam({6}, {S, S})), true}, {kN, false}, {loaded, true}, {loaded, false}};
}

TEST(DiagramSection, OffGivesTheReportWithoutIt) {
    for (auto& [model, flag] : ReportModels()) {
        ReportOf off(model, flag);
        ASSERT_TRUE(off.passed);
        TplPrev plain;
        ReportWithoutSection(plain, off.m, off.beam, flag);
        ASSERT_EQ(off.doc.PageCount(), plain.PageCount());
        for (int p = 1; p <= plain.PageCount(); ++p) {
            const auto& a = off.doc.Page(p).ops;
            const auto& b = plain.Page(p).ops;
            ASSERT_EQ(a.size(), b.size()) << "page " << p;
            for (std::size_t i = 0; i < a.size(); ++i)
                EXPECT_TRUE(SameOp(a[i], b[i])) << p << ":" << i;
        }
        EXPECT_TRUE(FindTexts(off.doc, QStringLiteral("●応力図")).empty());
    }
}

TEST(DiagramSection, OnFollowsTheResultTablesWithinThePageRules) {
    for (auto& [model, flag] : ReportModels()) {
        ReportOf off(model, flag);
        BeamModel m = model;
        const CalculatedBeam beam = CalculateBeam(m);
        ASSERT_TRUE(beam.Passed());
        TplPrev on;
        ReportOptions options;
        options.documentPath = QStringLiteral("/data/beam.KMX");
        options.version = QStringLiteral("3.0.6.0");
        options.pageBreakFlag = flag;
        options.stressDiagrams = true;
        ReportRun(on, m, beam, options);
        ExpectContentBetweenRules(on);

        const auto heading = FindTexts(on, QStringLiteral("●応力図"));
        ASSERT_EQ(heading.size(), 1u);
        const auto table = FindTexts(on, QStringLiteral("●スパン内最大値"));
        const auto sign = FindTexts(on, SignConventionText());
        const auto inputs = FindTexts(on, QStringLiteral("●共通部材荷重"));
        ASSERT_EQ(table.size(), 1u);
        ASSERT_EQ(sign.size(), 1u);
        ASSERT_EQ(inputs.size(), 1u);
        const auto order = [](const Found& a, const Found& b) {
            return a.page < b.page || (a.page == b.page && a.op->box.top() < b.op->box.top());
        };
        EXPECT_TRUE(order(heading[0], table[0]));
        EXPECT_TRUE(order(table[0], sign[0]));
        EXPECT_TRUE(order(sign[0], inputs[0]));
        // One row per member; every group's supports lettered.
        const int n = UsedSpanCount(m);
        EXPECT_EQ(FindTexts(on, QStringLiteral("Ｍ図")).size(), std::size_t((n + 2) / 3));
        EXPECT_GE(FindTexts(on, QStringLiteral("部材 [ %1 ]").arg(n)).size(), 2u)
            << "result and extremes tables";

        // Everything before the section is the report without it.
        for (int p = 1; p < heading[0].page; ++p) {
            ASSERT_EQ(on.Page(p).ops.size(), off.doc.Page(p).ops.size()) << p;
            for (std::size_t i = 0; i < on.Page(p).ops.size(); ++i) {
                EXPECT_TRUE(SameOp(on.Page(p).ops[i], off.doc.Page(p).ops[i])) << p << ":" << i;
            }
        }
        if (heading[0].page == 1) {
            const auto& a = on.Page(1).ops;
            const auto& b = off.doc.Page(1).ops;
            for (std::size_t i = 0; i < b.size() && &a[i] != heading[0].op; ++i) {
                EXPECT_TRUE(SameOp(a[i], b[i])) << "op " << i << " before the section";
            }
        }
    }
}

}  // namespace
}  // namespace kmr
