// The last member and the last support of the fixed arrays carried through
// the whole road: a 10-span file read, its member 10 and support 11 edited
// on their pages and gathered, calculated and printed in the report.
#include "EditFixture.h"
#include "report/PageDocument.h"
#include "tests/support/BeamBuilder.h"

namespace kmr::ui::test {
namespace {

using namespace kmr::test;

bool ReportHas(const kmr::TplPrev& doc, const QString& text) {
    for (int p = 1; p <= doc.RecordedPages(); ++p) {
        for (const kmr::DrawOp& op : doc.Page(p).ops) {
            if (op.kind == kmr::OpKind::Text && op.text.contains(text)) return true;
        }
    }
    return false;
}

using TenSpans = EditFixture;

TEST_F(TenSpans, Member10AndSupport11GoThroughReadGatherCalculationAndReport) {
    kmr::BeamModel file = MakeBeam(std::vector<double>(10, 5.0), {S, S, S, S, S, S, S, S, S, S, K});
    file.Members[10].E = 2345.0;
    file.Members[10].Io = 67890.0;
    SetLoad(file, 10, 5, kLoadConcentrated, 7.25, 1.75);
    file.Supports[11].SpringConstant = 12.5;
    SetNodeLoad(file, 11, 5, kNodeForce, 3.75);
    const QString path = Path(QStringLiteral("ten.KMX"));
    kmr::WriteDataFile(path.toStdString(), file);

    dialogs.openAnswers = {path};
    Window().MenuFileOpenClick();
    ASSERT_EQ(Model().Header.SpanCount, 10);
    EXPECT_EQ(Text(QStringLiteral("MmBane11")), QStringLiteral("12.5"));
    // The shown slots of member 10 and support 11 are edited and gathered.
    Page(1);
    Tabs("TabGirLoad")->setCurrentIndex(9);
    EXPECT_EQ(Text(QStringLiteral("MmGir51")), QStringLiteral("7.25"));
    Type(QStringLiteral("MmGir51"), QStringLiteral("8.25"));
    Page(2);
    Tabs("TabNodeLoad")->setCurrentIndex(10);
    EXPECT_EQ(Text(QStringLiteral("MmNd5")), QStringLiteral("3.75"));
    Type(QStringLiteral("MmNd5"), QStringLiteral("4.75"));

    bool reported = false;
    dialogs.onModal = [&](QDialog&) {
        const kmr::TplPrev& doc = Window().PaperDocument();
        EXPECT_TRUE(ReportHas(doc, QStringLiteral("8.250")));   // member 10's load
        EXPECT_TRUE(ReportHas(doc, QStringLiteral("4.750")));   // support 11's load
        EXPECT_TRUE(ReportHas(doc, QStringLiteral("12.500")));  // support 11's spring
        EXPECT_TRUE(ReportHas(doc, QStringLiteral("2345.0")));  // member 10's E
        reported = true;
        return 1;
    };
    Find<QAbstractButton>("BitBtn1")->click();
    EXPECT_TRUE(dialogs.Texts(MsgKind::Error).empty());
    ASSERT_TRUE(reported);

    // Statics: the reactions carry both loads; the spring at 11 is compressed
    // by its reaction over its constant; member 10's shear jumps by its load.
    const kmr::CalculatedBeam& r = Window().Beam();
    double sum = 0;
    for (int i = 1; i <= 11; ++i) sum += r.Node(i).Reaction;
    EXPECT_NEAR(sum, 8.25 + 4.75, 1e-4 * 13);
    const double r11 = r.Node(11).Reaction;
    EXPECT_GT(r11, 4.75);
    EXPECT_NEAR(r.Node(11).Deflection, r11 / 12.5, 1e-4 * r11 / 12.5);
    EXPECT_NEAR(r.Member(10).QLeft - r.Member(10).QRight, 8.25, 1e-4 * 8.25);
}

}  // namespace
}  // namespace kmr::ui::test
