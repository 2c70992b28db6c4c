// The beams of examples/ entered from scratch through the window's controls,
// as a person types them, give the model of the file and the same results.
#include <QDir>

#include "EditFixture.h"
#include "calc/Calculation.h"
#include "report/PageDocument.h"

namespace kmr::ui::test {
namespace {

QString Num(double v) {
    return QString::number(v, 'g', 15);
}

class ExamplesEntry : public EditFixture, public ::testing::WithParamInterface<const char*> {
  protected:
    void EnterTheHeader(const kmr::BeamModel& f) {
        const kmr::ModelHeader& h = f.Header;
        Click(QStringLiteral("InputTanni%1").arg(h.InputUnit));
        Click(QStringLiteral("OutputTanni%1").arg(h.OutputUnit));
        const int n = h.SpanCount;
        Choose("ComboBox1", n - 1);
        for (int m = 1; m <= n; ++m)
            Type(QStringLiteral("MmSpan%1").arg(m), Num(f.Members[m].SpanLength));
        for (int s = 1; s <= n + 1; ++s) {
            Choose(QStringLiteral("ComboSiten%1").arg(s), f.Supports[s].Condition);
            const double k = f.Supports[s].SpringConstant;
            if (k != 0) Type(QStringLiteral("MmBane%1").arg(s), Num(k));
        }
        Type("MmComm1", Num(h.CommonLoad));
        Type("MmComm2", Num(h.CommonLoadHeight));
        if (h.CommonLoadOff == 1) Click("CheckBox1");
        if (h.IoInputMode == 1) {
            Click("RadioIo2");
            Type("MmComm4", Num(h.CommonB));
            Type("MmComm5", Num(h.CommonD));
        } else {
            Type("MmComm3", Num(h.CommonIo));
        }
        Type("MmComm6", Num(h.CommonE));
        Type("MmComm7", Num(h.CommonSpring));
    }
    void EnterTheMembers(const kmr::BeamModel& f) {
        const int n = f.Header.SpanCount;
        Page(3);
        for (int m = 1; m <= n; ++m) {
            const kmr::MemberRecord& r = f.Members[m];
            const double values[4] = {r.Io, r.B, r.D, r.E};
            const char* names[4] = {"MmGirIo%1", "MmGirB%1", "MmGirD%1", "MmGirE%1"};
            for (int i = 0; i < 4; ++i) {
                if (values[i] != 0) Type(QString::fromLatin1(names[i]).arg(m), Num(values[i]));
            }
        }
        Page(1);
        for (int m = 1; m <= n; ++m) {
            Tabs("TabGirLoad")->setCurrentIndex(m - 1);
            for (int j = 1; j <= 5; ++j) {
                const kmr::MemberLoad& l = f.Members[m].Loads[j - 1];
                if (!kmr::IsMemberLoadCode(l.LoadType)) continue;
                Choose(QStringLiteral("ComboGirLdTp%1").arg(j), l.LoadType);
                const double v[5] = {l.Value, l.Distance, l.Length1, l.Length2, l.Height};
                for (int k = 1; k <= 5; ++k) {
                    const QString name = QStringLiteral("MmGir%1%2").arg(j).arg(k);
                    if (Edit(name)->isEnabled()) Type(name, Num(v[k - 1]));
                }
            }
        }
        Page(2);
        for (int s = 1; s <= n + 1; ++s) {
            Tabs("TabNodeLoad")->setCurrentIndex(s - 1);
            for (int j = 1; j <= 5; ++j) {
                const kmr::NodeLoad& l = f.Supports[s].NodeLoads[j - 1];
                if (!kmr::IsNodeLoadCode(l.LoadType)) continue;
                Choose(QStringLiteral("ComboNdLdTp%1").arg(j), l.LoadType);
                Type(QStringLiteral("MmNd%1").arg(j), Num(l.Value));
            }
        }
        Page(0);
    }
};

void ExpectSameBeam(const kmr::BeamModel& a, const kmr::BeamModel& b) {
    const kmr::ModelHeader &x = a.Header, &y = b.Header;
    EXPECT_EQ(x.SpanCount, y.SpanCount);
    EXPECT_EQ(x.InputUnit, y.InputUnit);
    EXPECT_EQ(x.OutputUnit, y.OutputUnit);
    EXPECT_EQ(x.IoInputMode, y.IoInputMode);
    EXPECT_EQ(x.CommonLoadOff, y.CommonLoadOff);
    const double hx[] = {x.CommonLoad, x.CommonLoadHeight, x.CommonE, x.CommonIo,
                         x.CommonIoBD, x.CommonB,          x.CommonD, x.CommonSpring};
    const double hy[] = {y.CommonLoad, y.CommonLoadHeight, y.CommonE, y.CommonIo,
                         y.CommonIoBD, y.CommonB,          y.CommonD, y.CommonSpring};
    for (int i = 0; i < 8; ++i) EXPECT_EQ(hx[i], hy[i]) << "header value " << i;
    for (int m = 1; m <= x.SpanCount; ++m) {
        const kmr::MemberRecord &p = a.Members[m], &q = b.Members[m];
        EXPECT_EQ(double(p.SpanLength), double(q.SpanLength)) << m;
        EXPECT_EQ(double(p.Io), double(q.Io)) << m;
        EXPECT_EQ(double(p.E), double(q.E)) << m;
        for (int j = 0; j < 5; ++j) {
            const kmr::MemberLoad &l = p.Loads[j], &r = q.Loads[j];
            EXPECT_EQ(l.LoadType, r.LoadType) << m << "/" << j;
            if (!kmr::IsMemberLoadCode(l.LoadType)) continue;
            EXPECT_EQ(double(l.Value), double(r.Value)) << m << "/" << j;
            EXPECT_EQ(double(l.Distance), double(r.Distance)) << m << "/" << j;
            EXPECT_EQ(double(l.Length1), double(r.Length1)) << m << "/" << j;
            EXPECT_EQ(double(l.Length2), double(r.Length2)) << m << "/" << j;
            EXPECT_EQ(double(l.Height), double(r.Height)) << m << "/" << j;
        }
    }
    for (int s = 1; s <= x.SpanCount + 1; ++s) {
        EXPECT_EQ(a.Supports[s].Condition, b.Supports[s].Condition) << s;
        EXPECT_EQ(double(a.Supports[s].SpringConstant), double(b.Supports[s].SpringConstant)) << s;
        for (int j = 0; j < 5; ++j) {
            EXPECT_EQ(a.Supports[s].NodeLoads[j].LoadType, b.Supports[s].NodeLoads[j].LoadType);
            EXPECT_EQ(double(a.Supports[s].NodeLoads[j].Value),
                      double(b.Supports[s].NodeLoads[j].Value));
        }
    }
}

// The calculation command; the report pages shown in the preview.
std::vector<kmr::PageRecord> CalculateAndKeepTheReport(TMainF& w, ScriptedDialogs& dialogs) {
    std::vector<kmr::PageRecord> pages;
    dialogs.Clear();
    dialogs.onModal = [&](QDialog&) {
        const kmr::TplPrev& doc = w.PaperDocument();
        for (int n = 1; n <= doc.RecordedPages(); ++n) pages.push_back(doc.Page(n));
        return 1;
    };
    w.BitBtn1Click();
    EXPECT_TRUE(dialogs.Texts(MsgKind::Error).empty())
        << dialogs.Texts(MsgKind::Error).front().toStdString();
    return pages;
}

// Two reports alike but for the data file named in the page header.
void ExpectSameReport(const std::vector<kmr::PageRecord>& a,
                      const std::vector<kmr::PageRecord>& b) {
    ASSERT_EQ(a.size(), b.size());
    ASSERT_FALSE(a.empty());
    for (std::size_t n = 0; n < a.size(); ++n) {
        ASSERT_EQ(a[n].ops.size(), b[n].ops.size()) << "page " << n + 1;
        for (std::size_t i = 0; i < a[n].ops.size(); ++i) {
            const kmr::DrawOp &x = a[n].ops[i], &y = b[n].ops[i];
            EXPECT_EQ(x.kind, y.kind);
            if (x.text.startsWith(QStringLiteral("Data: "))) continue;
            EXPECT_EQ(x.text, y.text) << "page " << n + 1;
            EXPECT_EQ(x.points, y.points) << "page " << n + 1 << " " << x.text.toStdString();
            EXPECT_EQ(x.box, y.box) << "page " << n + 1 << " " << x.text.toStdString();
        }
    }
}

// The results of a calculated model (the calculation does not change it).
kmr::CalcResults ResultsOf(const kmr::BeamModel& m) {
    kmr::CalcResults r;
    kmr::RunCalculation(m, r);
    return r;
}

TEST_P(ExamplesEntry, EnteredByHandTheBeamCalculatesAsItsFile) {
    const QString file =
        QDir(QStringLiteral(KMR_SOURCE_DIR "/examples")).filePath(QString::fromLatin1(GetParam()));
    kmr::BeamModel fromFile;
    kmr::ReadDataFile(file.toStdString(), fromFile);

    EnterTheHeader(fromFile);
    EnterTheMembers(fromFile);
    EXPECT_TRUE(State().IsModified);
    ExpectSameBeam(Model(), fromFile);  // what was typed is what the file holds

    // The calculation command on the typed beam and on the opened file.
    const std::vector<kmr::PageRecord> typedReport = CalculateAndKeepTheReport(Window(), dialogs);
    const kmr::BeamModel typed = Model();
    dialogs.answers = {Button::Yes};
    dialogs.openAnswers = {file};
    Window().MenuFileOpenClick();
    const std::vector<kmr::PageRecord> fileReport = CalculateAndKeepTheReport(Window(), dialogs);
    const kmr::BeamModel opened = Model();
    ExpectSameBeam(typed, opened);
    ExpectSameReport(typedReport, fileReport);

    const kmr::CalcResults a = ResultsOf(typed), b = ResultsOf(opened);
    for (int m = 1; m <= opened.Header.SpanCount; ++m) {
        const kmr::MemberResult &p = a.MemberResults[m], &q = b.MemberResults[m];
        EXPECT_EQ(p.MLeft, q.MLeft) << m;
        EXPECT_EQ(p.MCenter, q.MCenter) << m;
        EXPECT_EQ(p.MRight, q.MRight) << m;
        EXPECT_EQ(p.QLeft, q.QLeft) << m;
        EXPECT_EQ(p.QRight, q.QRight) << m;
    }
    double reactions = 0;
    for (int s = 1; s <= opened.Header.SpanCount + 1; ++s) {
        EXPECT_EQ(a.NodeResults[s].Reaction, b.NodeResults[s].Reaction) << s;
        EXPECT_EQ(a.NodeResults[s].Deflection, b.NodeResults[s].Deflection) << s;
        EXPECT_EQ(a.NodeResults[s].Rotation, b.NodeResults[s].Rotation) << s;
        reactions += a.NodeResults[s].Reaction;
    }
    EXPECT_GT(reactions, 0.0);  // the beam carries its loads
}

INSTANTIATE_TEST_SUITE_P(Examples, ExamplesEntry,
                         ::testing::Values("three-span-floor-beam.KMX",
                                           "cantilevered-balcony-beam.KMX",
                                           "beam-on-spring-supports.KMX",
                                           "gerber-beam-with-hinge.KMX", "two-span-sample.KMX"));

}  // namespace
}  // namespace kmr::ui::test
