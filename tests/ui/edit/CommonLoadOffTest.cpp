// The common load acts only when CommonLoadOff is 0. Any other stored value
// (a damaged or foreign file) calculates, reports, shows and draws exactly as
// 1, "not used", and stays in the model as it was read.
#include <QCheckBox>
#include <climits>

#include "edit/EditFixture.h"
#include "edit/ScreenLoadDiagram.h"
#include "tests/report/ReportFixture.h"

namespace kmr::ui::test {
namespace {

using Ops = std::vector<kmr::DrawOp>;

bool SameOps(const Ops& a, const Ops& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i].kind != b[i].kind || a[i].points != b[i].points || a[i].text != b[i].text ||
            a[i].box != b[i].box)
            return false;
    }
    return true;
}

class CommonLoadOffTest : public EditFixture {};

TEST_F(CommonLoadOffTest, OnlyZeroActsEverywhere) {
    Ops screenOff;
    std::vector<Ops> reportOff;
    for (int off : {1, 0, 2, -1, INT_MIN}) {
        SCOPED_TRACE(off);
        // Two simple spans of 6 m: the common load 1 t/m2 over 1 m and 2 t at
        // mid-span of member 1.
        kmr::BeamModel m = kmr::test::MakeSpans(2, 6.0);
        kmr::test::SetLoad(m, 1, 1, kmr::kLoadConcentrated, 2.0, 3.0);
        m.Header.CommonLoad = 1.0;
        m.Header.CommonLoadHeight = 1.0;
        m.Header.CommonLoadOff = off;
        const QString path = Path(QStringLiteral("off%1.KMX").arg(off));
        kmr::WriteDataFile(path.toStdString(), m);
        Window().OpenFromCommandLine(path);
        const bool acts = off == 0;

        EXPECT_EQ(Find<QCheckBox>("CheckBox1")->isChecked(), !acts);
        EXPECT_EQ(State().Model.Header.CommonLoadOff, off) << "kept as read";

        // Statics: the reactions carry the loads that act.
        kmr::BeamModel calculated = State().Model;
        const kmr::CalculatedBeam beam = kmr::CalculateBeam(calculated);
        ASSERT_TRUE(beam.Passed());
        const double sum = beam.Node(1).Reaction + beam.Node(2).Reaction + beam.Node(3).Reaction;
        EXPECT_NEAR(sum, acts ? 2.0 + 12.0 : 2.0, 1e-4);

        const kmr::test::ReportOf report(m);
        EXPECT_EQ(kmr::test::FindTexts(report.doc, QStringLiteral("共通部材荷重なし")).empty(),
                  acts);

        kmr::ui::ScreenRecorder screen;
        DrawLoadDiagramOps(screen, {&State().Model, ScreenGeometry(698), 1, 1, 0});
        std::vector<Ops> reportPages;
        for (int p = 1; p <= report.doc.PageCount(); ++p)
            reportPages.push_back(report.doc.Page(p).ops);
        if (off == 1) {
            screenOff = screen.ops;
            reportOff = reportPages;
        } else if (!acts) {
            EXPECT_TRUE(SameOps(screen.ops, screenOff)) << "screen diagram as with 1";
            ASSERT_EQ(reportPages.size(), reportOff.size());
            for (std::size_t p = 0; p < reportPages.size(); ++p)
                EXPECT_TRUE(SameOps(reportPages[p], reportOff[p])) << "report page " << p + 1;
        }
    }
}

}  // namespace
}  // namespace kmr::ui::test
