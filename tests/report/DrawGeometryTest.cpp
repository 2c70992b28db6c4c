// DrawGeometry modes, the page-fit test, page header and footer, page breaks.
#include <gtest/gtest.h>

#include "report/PageHeader.h"
#include "report/Primitives.h"

namespace kmr {
namespace {

TEST(DrawGeometryModes, ReportAndScreenValues) {
    DrawGeometry g;
    SetDrawGeometry(g, 1);
    EXPECT_FLOAT_EQ(g.leftMargin, 2.2f);
    EXPECT_FLOAT_EQ(g.topMargin, 2.0f);
    EXPECT_FLOAT_EQ(g.paperHeight, 29.7f);
    EXPECT_NEAR(g.spanWidth, 1.57, 1e-6);  // (21 - 2.2 - 2.2 - 0.9) / 10
    EXPECT_FLOAT_EQ(g.bandHeight, 0.2f);
    EXPECT_FLOAT_EQ(g.scale, 1.0f);

    g.paperHeight = 30.0f;  // screen mode leaves the paper height alone
    SetDrawGeometry(g, 0, 715);
    EXPECT_EQ(g.mode, 0);
    EXPECT_FLOAT_EQ(g.leftMargin, 0.0f);
    EXPECT_FLOAT_EQ(g.bottomMargin, 0.0f);
    EXPECT_FLOAT_EQ(g.paperWidth, 14.3f);
    EXPECT_FLOAT_EQ(g.paperHeight, 30.0f);
    EXPECT_FLOAT_EQ(g.diagramX, 1.3f);
    EXPECT_FLOAT_EQ(g.diagramY, 0.75f);
    EXPECT_FLOAT_EQ(g.bandHeight, 0.16f);
    EXPECT_FLOAT_EQ(g.spanWidth, 1.23f);
    EXPECT_FLOAT_EQ(g.scale, 0.5f);  // 715 pixels over 14.3 cm

    SetDrawGeometry(g, 1);
    EXPECT_EQ(g.mode, 1);
    EXPECT_FLOAT_EQ(g.paperHeight, 29.7f);
}

TEST(PageFit, BlockFitsDownToTheBottomMargin) {
    const DrawGeometry g = ReportGeometry();
    const struct {
        float cursor, need;
        bool fits;
    } cases[] = {
        {21.0f, 6.7f, true},    // ends exactly at 27.7 cm
        {21.01f, 6.7f, false},  // 1 mm below it
        {2.2f, 6.7f, true},    {25.0f, 3.0f, false}, {27.7f, 0.0f, true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PageFits(g, c.cursor, c.need), c.fits) << c.cursor << " + " << c.need;
    }
}

class HeaderTest : public ::testing::Test {
  protected:
    void SetUp() override {
        doc.BeginDoc();
        state.header = {QStringLiteral("PLOV-Kmr /連続梁応力算定"),
                        QStringLiteral("/home/user/梁/floor.KMX"), QStringLiteral("3.0.6.0")};
    }
    TplPrev doc;
    ReportState state;
};

TEST_F(HeaderTest, FooterOfThePageShowsItsNumberAndVersion) {
    StartNewPage(doc, state, 0.2f);
    StartNewPage(doc, state, 0.2f);
    ASSERT_EQ(doc.RecordedPages(), 3);
    EXPECT_EQ(state.PageNo, 3);
    EXPECT_FLOAT_EQ(state.cursor, 2.2f);
    const PageRecord& page = doc.Page(3);
    // Bottom rule at 2970 - 200; footer line 1.5 mm below it.
    const DrawOp* number = page.FindText(QStringLiteral("- 3 -"));
    ASSERT_NE(number, nullptr);
    EXPECT_EQ(number->box.y(), 2785);
    EXPECT_LE(std::abs(number->box.x() + number->TextRight() - 2100), 1) << "centred on the page";
    const DrawOp* version = page.FindText(QStringLiteral("Ver.3.0.6.0"));
    ASSERT_NE(version, nullptr);
    EXPECT_EQ(version->TextRight(), 2100 - 220 - 30) << "3 mm inside the right margin";
    EXPECT_EQ(version->box.y(), 2785);
    EXPECT_EQ(version->font.height, -35);
    EXPECT_EQ(version->font.face, QStringLiteral("ＭＳ ゴシック"));
}

TEST_F(HeaderTest, HeaderShowsTitleAndFileNameAboveTheTopRule) {
    DrawPageHeader(doc, state);
    const PageRecord& page = doc.Page(1);
    const DrawOp* title = page.FindText(QStringLiteral("PLOV-Kmr /連続梁応力算定"));
    const DrawOp* data = page.FindText(QStringLiteral("Data: floor.KMX"));
    ASSERT_NE(title, nullptr);
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(title->box.topLeft(), QPoint(220 + 30, 200 - 40));
    EXPECT_EQ(data->TextRight(), 1850);
    int rules = 0;
    for (const DrawOp& op : page.ops) {
        if (op.kind != OpKind::Line) continue;
        ++rules;
        EXPECT_EQ(op.points[0].x(), 220);
        EXPECT_EQ(op.points[1].x(), 1880);
        EXPECT_TRUE(op.points[0].y() == 200 || op.points[0].y() == 2770);
        EXPECT_EQ(op.points[0].y(), op.points[1].y());
    }
    EXPECT_EQ(rules, 4) << "each frame call draws both rules";
}

// A file name too long for the header line loses characters in its middle:
// it ends 3 mm inside the right margin and starts clear of the title.
TEST_F(HeaderTest, LongFileNamesAreShortenedInTheMiddle) {
    const QString kanji30 =
        QString(QChar(0x6881)).repeated(15) + QString(QChar(0x6A4B)).repeated(15);
    const struct {
        QString name;
        bool whole;
    } cases[] = {
        {QStringLiteral("floor.KMX"), true},
        {kanji30 + QStringLiteral(".KMX"), false},
        {kanji30 + kanji30 + QStringLiteral(".KMX"), false},
        {QStringLiteral("a").repeated(120) + QStringLiteral(".KMX"), false},
    };
    for (const auto& c : cases) {
        state.header.documentPath = QStringLiteral("/home/u/") + c.name;
        StartNewPage(doc, state, 0.2f);
        const PageRecord& page = doc.Page(state.PageNo);
        const DrawOp* title = page.FindText(QStringLiteral("PLOV-Kmr /連続梁応力算定"));
        const DrawOp* data = nullptr;
        for (const DrawOp* op : page.Texts()) {
            if (op->text.startsWith(QStringLiteral("Data: "))) data = op;
        }
        ASSERT_NE(title, nullptr);
        ASSERT_NE(data, nullptr) << c.name.toStdString();
        EXPECT_EQ(data->text == QStringLiteral("Data: ") + c.name, c.whole) << c.name.toStdString();
        EXPECT_EQ(data->TextRight(), 1850);
        EXPECT_GT(data->box.left(), title->TextRight()) << c.name.toStdString();
        EXPECT_TRUE(data->text.startsWith(QStringLiteral("Data: ") + c.name.left(1)));
        EXPECT_TRUE(data->text.endsWith(QStringLiteral(".KMX")));
        if (!c.whole) {
            EXPECT_TRUE(data->text.contains(QChar(0x2026)));
        }
    }
}

TEST(HeaderTexts, FileNameWithoutFolder) {
    const struct {
        const char* path;
        const char* text;
    } cases[] = {
        {"", "Data: 新規データ"},
        {"/home/u/beam.KMX", "Data: beam.KMX"},
        {"C:\\data\\old.Kmr", "Data: old.Kmr"},
        {"beam.KMX", "Data: beam.KMX"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DataFileText(QString::fromUtf8(c.path)), QString::fromUtf8(c.text));
    }
    EXPECT_EQ(PageNumberText(12), QStringLiteral("- 12 -"));
}

TEST_F(HeaderTest, PageBreakCanLeaveTheHeaderToTheCaller) {
    StartNewPage(doc, state, 0.5f, false);
    EXPECT_TRUE(doc.Page(2).ops.empty());
    EXPECT_FLOAT_EQ(state.cursor, 2.5f);
    EXPECT_EQ(state.PageNo, 2);
}

}  // namespace
}  // namespace kmr
