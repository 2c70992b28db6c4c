// plovkmr report: the PDF it writes opens in a PDF reader (pdftotext) and
// holds the report's headings and values; refused and unreadable files
// write nothing.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <sstream>

#include "app/cli/Verbs.h"
#include "model/DataFile.h"
#include "model/DefaultsFile.h"
#include "report/UserStores.h"
#include "tests/report/ReportFixture.h"

namespace kmr {
namespace {

struct Outcome {
    int status = -1;
    std::string out;
    std::string err;
};

Outcome Report(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    Outcome r;
    r.status = cli::RunReport(args, out, err);
    r.out = out.str();
    r.err = err.str();
    return r;
}

// The text of a PDF as pdftotext reads it; empty when it cannot.
QString PdfText(const QString& pdf) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    if (!p.waitForFinished(30000) || p.exitCode() != 0) return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}

std::string Path(const QString& s) {
    return QFile::encodeName(s).toStdString();
}

class ReportVerbTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }
    QString File(const char* name) const { return dir.filePath(QString::fromUtf8(name)); }
    // A one-span simple beam under the common load w = 1 t/m2 over 1 m.
    QString WriteSimpleBeam(int outputUnit, double span = 6.0) {
        BeamModel m = test::MakeSpans(1, span);
        m.Header.CommonLoadOff = 0;
        m.Header.CommonLoad = 1.0;
        m.Header.CommonLoadHeight = 1.0;
        m.Header.OutputUnit = outputUnit;
        const QString path = File("simple.KMX");
        WriteDataFile(Path(path), m);
        return path;
    }
    QTemporaryDir dir;
};

TEST_F(ReportVerbTest, TheProgramWritesTheExampleAsASearchablePdf) {
    const QString pdf = File("example.pdf");
    QProcess p;
    p.start(QStringLiteral(KMR_PLOVKMR),
            {QStringLiteral("report"), QStringLiteral(KMR_EXAMPLES "/three-span-floor-beam.KMX"),
             QStringLiteral("-o"), pdf});
    ASSERT_TRUE(p.waitForFinished(60000));
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    EXPECT_TRUE(p.readAllStandardError().isEmpty()) << "nothing on standard error";
    const QString text = PdfText(pdf);
    ASSERT_FALSE(text.isEmpty());
    for (const char* expected :
         {"PLOV-Kmr /連続梁応力算定", "Data: three-span-floor-beam.KMX", "●荷重データ",
          "●応力算定結果", "●共通部材荷重", "●部材荷重", "●節点荷重", "入力節点荷重なし",
          "部材 [ 2 ]", "7.200", "(kN/cm2)", "- 1 -", "- 2 -", "Ver.3.0.6.0"}) {
        EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected;
    }
    EXPECT_EQ(text.count(QLatin1Char('\f')), 2) << "two pages";

    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {pdf});
    ASSERT_TRUE(info.waitForFinished(30000));
    const QString meta = QString::fromUtf8(info.readAllStandardOutput());
    EXPECT_TRUE(meta.contains(QStringLiteral("(A4)"))) << meta.toStdString();
}

TEST_F(ReportVerbTest, PdfHoldsTheClosedFormResultsInTheOutputUnit) {
    // w L^2 / 8 = 4.5, w L / 2 = 3; in kN 9.80665 times.
    struct Case {
        int unit;
        std::vector<const char*> values;
    };
    const Case cases[] = {
        {0, {"4.500", "3.000", "-3.000", "荷重：1.000 (t/m2)"}},
        {1, {"44.130", "29.420", "-29.420", "荷重：9.807 (kN/m2)"}},
    };
    for (const Case& c : cases) {
        const QString data = WriteSimpleBeam(c.unit);
        const QString pdf = File("simple.pdf");
        const Outcome r = Report({Path(data), "-o", Path(pdf)});
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_NE(r.out.find("simple.pdf"), std::string::npos) << "says where";
        const QString text = PdfText(pdf);
        for (const char* v : c.values) EXPECT_TRUE(text.contains(QString::fromUtf8(v))) << v;
    }
}

TEST_F(ReportVerbTest, WithoutOutputNameThePdfStandsNextToTheDataFile) {
    const QString data = WriteSimpleBeam(0);
    const Outcome r = Report({Path(data)});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(QFile::exists(File("simple.pdf")));
}

// The input tables follow the results on page 1 (no page break) or start
// page 2, as the window's saved default says unless an option chooses.
TEST_F(ReportVerbTest, PageBreakFollowsTheSavedDefaultUnlessChosen) {
    qputenv("PLOVKMR_HOME", QFile::encodeName(dir.path()));
    const std::string data = Path(WriteSimpleBeam(0));
    const auto saveDefault = [&](int flag) {
        DefaultsBlock block;
        block.SetPageBreakDefault(flag != 0);
        ASSERT_TRUE(WriteDefaultsFile(Path(DefaultsFilePath()), block, nullptr));
    };
    const struct {
        int savedFlag;  // -1: no defaults file
        const char* option;
        const char* pages;
    } cases[] = {
        {-1, nullptr, "(2 ページ)"},          {1, nullptr, "(1 ページ)"},
        {0, nullptr, "(2 ページ)"},           {1, "--page-break", "(2 ページ)"},
        {0, "--no-page-break", "(1 ページ)"},
    };
    for (const auto& c : cases) {
        QFile::remove(File("PLOVKmr.def"));
        if (c.savedFlag >= 0) saveDefault(c.savedFlag);
        std::vector<std::string> args = {data, "-o", Path(File("out.pdf")), "--no-diagrams"};
        if (c.option) args.push_back(c.option);
        const Outcome r = Report(args);
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_NE(r.out.find(c.pages), std::string::npos)
            << c.savedFlag << " " << (c.option ? c.option : "") << ": " << r.out;
    }
    qunsetenv("PLOVKMR_HOME");
}

// The diagram section as the window's saved default says (on without one)
// unless an option chooses; its headings, closed-form labels (w L^2 / 8 at
// L / 2) and sign conventions are text of the PDF.
TEST_F(ReportVerbTest, DiagramsFollowTheSavedDefaultUnlessChosen) {
    qputenv("PLOVKMR_HOME", QFile::encodeName(dir.path()));
    const std::string data = Path(WriteSimpleBeam(0));
    const struct {
        const char* saved;  // the value DiagramFlag, or nullptr: none
        const char* option;
        bool drawn;
    } cases[] = {
        {nullptr, nullptr, true},  {"0", nullptr, false},         {"1", nullptr, true},
        {"0", "--diagrams", true}, {"1", "--no-diagrams", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.saved ? c.saved : "-") + " " + (c.option ? c.option : ""));
        {
            const auto store = OpenSettings();
            store->clear();
            if (c.saved) WriteDiagramDefault(*store, c.saved[0] == '1');
        }
        std::vector<std::string> args = {data, "-o", Path(File("out.pdf"))};
        if (c.option) args.push_back(c.option);
        ASSERT_EQ(Report(args).status, 0);
        const QString text = PdfText(File("out.pdf"));
        ASSERT_FALSE(text.isEmpty());
        for (const char* part : {"●応力図", "●スパン内最大値", "4.500 (x=3.000)", "Ｍ図", "δ図",
                                 "材端Ｍ: 時計回り正 / 応力図: 下端引張側に描画 / 変位: 下向き正 / "
                                 "反力: 上向き正"}) {
            EXPECT_EQ(text.contains(QString::fromUtf8(part)), c.drawn) << part;
        }
        EXPECT_TRUE(text.contains(QStringLiteral("●応力算定結果")));
    }
    qunsetenv("PLOVKMR_HOME");
}

// The section check of a beam with design data as the window's saved
// default says (on without one) unless an option chooses.
TEST_F(ReportVerbTest, SectionCheckFollowsTheSavedDefaultUnlessChosen) {
    qputenv("PLOVKMR_HOME", QFile::encodeName(dir.path()));
    const std::string data = Path(WriteSimpleBeam(0));
    BeamModel m;
    ReadDataFile(data, m);
    DesignData design;
    design.Members.push_back({});
    design.Members[0].Member = 1, design.Members[0].Section = "H-400x200x8x13";
    design.Members[0].Steel = "SN400B";
    m.Design = MakeDesignBlock(design);
    WriteDataFile(data, m);
    const struct {
        const char* saved;  // the value CheckFlag, or nullptr: none
        const char* option;
        bool drawn;
    } cases[] = {{nullptr, nullptr, true},
                 {"0", nullptr, false},
                 {"0", "--check", true},
                 {"1", "--no-check", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.saved ? c.saved : "-") + " " + (c.option ? c.option : ""));
        {
            QSettings store(File("PLOV-Kmr.ini"), QSettings::IniFormat);
            store.clear();
            if (c.saved) store.setValue(QStringLiteral("CheckFlag"), QString::fromLatin1(c.saved));
        }
        std::vector<std::string> args = {data, "-o", Path(File("out.pdf"))};
        if (c.option) args.push_back(c.option);
        ASSERT_EQ(Report(args).status, 0);
        const QString text = PdfText(File("out.pdf"));
        EXPECT_EQ(text.contains(QStringLiteral("●断面検定")), c.drawn);
        EXPECT_EQ(text.contains(QStringLiteral("H-400x200x8x13")), c.drawn);
    }
    qunsetenv("PLOVKMR_HOME");
}

TEST_F(ReportVerbTest, RefusedFileWritesNothing) {
    BeamModel m = test::MakeSpans(2);
    m.Members[2].SpanLength = 0.0;  // refused by the validation
    const QString data = File("refused.KMX");
    WriteDataFile(Path(data), m);
    const QString fresh = File("fresh.pdf");
    const Outcome r = Report({Path(data), "-o", Path(fresh)});
    EXPECT_EQ(r.status, cli::kExitRefused);
    EXPECT_NE(r.err.find("refused.KMX"), std::string::npos) << r.err;
    EXPECT_FALSE(QFile::exists(fresh));

    // An earlier PDF of that name stays as it was.
    const QString earlier = File("earlier.pdf");
    {
        QFile f(earlier);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("earlier");
    }
    EXPECT_EQ(Report({Path(data), "-o", Path(earlier)}).status, cli::kExitRefused);
    QFile f(earlier);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("earlier"));
}

TEST_F(ReportVerbTest, AUnitFieldOutsideTAndKNIsRefused) {
    const QString data = WriteSimpleBeam(2);
    const Outcome r = Report({Path(data), "-o", Path(File("u.pdf"))});
    EXPECT_EQ(r.status, cli::kExitRefused);
    EXPECT_NE(r.err.find("OutputUnit = 2"), std::string::npos) << r.err;
    EXPECT_FALSE(QFile::exists(File("u.pdf")));
}

TEST_F(ReportVerbTest, UnreadableFileAndMisuseWriteNothing) {
    const QString pdf = File("none.pdf");
    const Outcome missing = Report({Path(File("missing.KMX")), "-o", Path(pdf)});
    EXPECT_EQ(missing.status, cli::kExitFileError);
    EXPECT_NE(missing.err.find("missing.KMX"), std::string::npos) << missing.err;

    const std::string data = Path(WriteSimpleBeam(0));
    const std::vector<std::string> misuses[] = {
        {}, {data, "-o"}, {data, "--pages"}, {"a.KMX", "b.KMX"}};
    for (const auto& args : misuses) {
        EXPECT_EQ(Report(args).status, cli::kExitUsage) << args.size() << " arguments";
    }
    EXPECT_FALSE(QFile::exists(pdf));
    EXPECT_FALSE(QFile::exists(File("simple.pdf")));

    // A folder that does not exist: the message names the file.
    const Outcome unwritable = Report({data, "-o", Path(File("no-such-folder/out.pdf"))});
    EXPECT_EQ(unwritable.status, cli::kExitFileError);
    EXPECT_NE(unwritable.err.find("out.pdf"), std::string::npos) << unwritable.err;
}

}  // namespace
}  // namespace kmr
