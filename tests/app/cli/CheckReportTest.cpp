// The report's section "●断面検定" against plovkmr check: every bundled
// example with design data (a list section in segments, welded plates with
// F, a member with only a deflection limit) prints the values of
// `plovkmr check --json`; switched off, or without design data, the report
// is the report without the section, operation by operation.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <sstream>

#include "app/cli/Verbs.h"
#include "calc/Calculation.h"
#include "model/DataFile.h"
#include "report/CheckSection.h"
#include "report/ReportRun.h"
#include "report/ReportWords.h"
#include "tests/report/ReportFixture.h"

namespace kmr {
namespace {

DesignData ExampleDesign(int spans) {
    DesignData d;
    MemberDesign listed;
    listed.Member = 1, listed.Section = "H-400x200x8x13", listed.Steel = "SN400B";
    listed.Bracing = 3;
    d.Members.push_back(listed);
    MemberDesign plates;
    plates.Member = 2, plates.HasPlates = true, plates.Fab = Fabrication::Welded;
    plates.H = 350, plates.B = 175, plates.Tw = 7, plates.Tf = 11, plates.R = 6, plates.F = 325;
    plates.Lb = 2.0, plates.DeflectionFactor = 1.5;
    if (spans >= 2) d.Members.push_back(plates);
    MemberDesign deflectionOnly;
    deflectionOnly.Member = 3, deflectionOnly.DeflectionLimit = 250;
    if (spans >= 3) d.Members.push_back(deflectionOnly);
    return d;
}

bool SameOps(const TplPrev& a, const TplPrev& b) {
    if (a.PageCount() != b.PageCount()) return false;
    for (int p = 1; p <= a.PageCount(); ++p) {
        const auto& x = a.Page(p).ops;
        const auto& y = b.Page(p).ops;
        if (x.size() != y.size()) return false;
        for (std::size_t i = 0; i < x.size(); ++i) {
            if (!(x[i].kind == y[i].kind && x[i].points == y[i].points && x[i].text == y[i].text &&
                  x[i].font == y[i].font && x[i].box == y[i].box && x[i].pen == y[i].pen))
                return false;
        }
    }
    return true;
}

void Report(TplPrev& doc, const BeamModel& m, const CalculatedBeam& r, bool diagrams, bool check) {
    ReportOptions o;
    o.documentPath = QStringLiteral("/data/beam.KMX");
    o.version = QStringLiteral("3.0.6.0");
    o.stressDiagrams = diagrams;
    o.sectionCheck = check;
    ReportRun(doc, m, r, o);
}

// The texts the table must hold for one member of the JSON, formatted as the
// report formats them.
std::vector<QString> Expected(const nlohmann::json& c) {
    const auto ratio = [](double v) { return Fixed(v, 3) + (v > 1 ? QStringLiteral(" NG") : ""); };
    std::vector<QString> texts = {ByMagnitude(c["deflection"].get<double>())};
    if (c["ok"].get<bool>()) texts.push_back(QStringLiteral("OK"));
    if (c["section"].is_null()) return texts;
    for (const char* key : {"sigmaB", "fb", "tau", "fs"}) texts.push_back(Fixed(c[key], 1));
    for (const char* key : {"M", "Q"}) texts.push_back(ByMagnitude(c[key].get<double>()));
    texts.push_back(Fixed(c["C"], 3));
    texts.push_back(ratio(c["bendingRatio"]));
    texts.push_back(ratio(c["shearRatio"]));
    texts.push_back(QString::fromStdString(c["section"].get<std::string>()));
    return texts;
}

TEST(CheckReport, HoldsTheValuesOfCheckAndOffIsTheReportWithout) {
    QTemporaryDir dir;
    const QStringList files = QDir(QStringLiteral(KMR_EXAMPLES)).entryList({"*.KMX"}, QDir::Files);
    ASSERT_GE(files.size(), 4);
    for (const QString& name : files) {
        SCOPED_TRACE(name.toStdString());
        BeamModel m;
        InitProgramModel(m, "3.0.6");
        ReadDataFile(QFile::encodeName(QStringLiteral(KMR_EXAMPLES "/") + name).toStdString(), m);
        NameMembersAndSupports(m);
        BeamModel without = m;
        m.Design = MakeDesignBlock(ExampleDesign(UsedSpanCount(m)));
        const std::string path = QFile::encodeName(dir.filePath(name)).toStdString();
        WriteDataFile(path, m);

        std::ostringstream out, err;
        const int status = cli::RunCheck({path, "--json"}, out, err);
        ASSERT_TRUE(status == 0 || status == 3) << err.str();
        const nlohmann::json json = nlohmann::json::parse(out.str());

        const CalculatedBeam results = CalculateBeam(m);
        const CalculatedBeam plainResults = CalculateBeam(without);
        ASSERT_TRUE(results.Passed() && plainResults.Passed());
        for (const bool diagrams : {false, true}) {
            TplPrev on, off, plain, plainOn;
            Report(on, m, results, diagrams, true);
            Report(off, m, results, diagrams, false);
            Report(plain, without, plainResults, diagrams, false);
            Report(plainOn, without, plainResults, diagrams, true);
            EXPECT_TRUE(SameOps(off, plain)) << "switched off";
            EXPECT_TRUE(SameOps(plainOn, plain)) << "no design data";
            test::ExpectContentBetweenRules(on);
            // After the diagrams (or the result tables), before the input data.
            const auto at = [&](const char* heading) {
                const auto found = test::FindTexts(on, QString::fromUtf8(heading));
                return found.size() == 1 ? std::pair(found[0].page, found[0].op->box.top())
                                         : std::pair(0, 0);
            };
            const auto check = at("●断面検定");
            EXPECT_LT(at(diagrams ? "●スパン内最大値" : "●応力算定結果"), check);
            EXPECT_LT(check, at("●共通部材荷重"));
            for (const auto& c : json["members"]) {
                for (const QString& text : Expected(c))
                    EXPECT_FALSE(test::FindTexts(on, text).empty())
                        << c["member"] << " " << text.toStdString();
            }
        }
    }
}

}  // namespace
}  // namespace kmr
