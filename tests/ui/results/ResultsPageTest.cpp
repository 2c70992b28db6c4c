// The page "計算結果" in the window: it follows typed changes (the load slots
// on screen too) without touching the document, shows the refusal in place
// of the diagrams, copies the extremes and reactions, saves the diagrams as
// PNG or SVG; and the check box "応力図を出力" with its saved default.
#include "results/ResultsPage.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QFile>
#include <QImage>
#include <QSettings>

#include "AppPaths.h"
#include "edit/EditFixture.h"

namespace kmr::ui::test {
namespace {

class ResultsPageTest : public EditFixture {
  protected:
    ResultsPage& Page() {
        auto* page = Window().findChild<ResultsPage*>(QStringLiteral("ResultsPage"));
        EXPECT_NE(page, nullptr);
        return *page;
    }
    // A simple span of 6 m under the common load 1 t/m2 over 1 m.
    void SimpleSpan() {
        Window().OpenFromCommandLine(MakeVersion3(QStringLiteral("simple.KMX"), 1, 6.0));
        Type("MmComm1", "1");
        Type("MmComm2", "1");
        Type("MmComm3", "100000");
        Type("MmComm6", "2100");
        State().IsModified = false;
    }
    bool Shows(const QString& text) {
        return Page().Drawing().HasPages() && Page().Drawing().Page(1).FindText(text) != nullptr;
    }
};

TEST_F(ResultsPageTest, IsTheFifthPage) {
    auto* pages = Find<QTabWidget>("PageControl1");
    ASSERT_EQ(pages->count(), 6);
    EXPECT_EQ(pages->tabText(4), QStringLiteral("計算結果"));
    EXPECT_EQ(pages->widget(4), &Page());
    EXPECT_EQ(pages->tabText(5), QStringLiteral("断面検定"));
    // Every tab beside the buttons, without scroll arrows.
    Window().show();
    const QTabBar* bar = pages->tabBar();
    EXPECT_LE(bar->tabRect(5).right(), pages->cornerWidget()->x());
    EXPECT_EQ(bar->tabAt(bar->tabRect(5).center()), 5);
}

// Each step types, then runs the pending update: the closed forms of the
// simple span (w L^2 / 8 at L / 2) follow the span and the load.
TEST_F(ResultsPageTest, FollowsTypingAndShowsTheRefusalInPlace) {
    SimpleSpan();
    const double before = Window().Beam().Member(1).MCenter;
    const struct {
        const char* field;
        const char* text;
        const char* shown;  // a label of the moment diagram, or nullptr: refused
    } steps[] = {
        {"MmSpan1", "6", "4.500 (x=3.000)"}, {"MmComm1", "2", "9.000 (x=3.000)"},
        {"MmSpan1", "4", "4.000 (x=2.000)"}, {"MmSpan1", "0", nullptr},
        {"MmSpan1", "6", "9.000 (x=3.000)"},
    };
    for (const auto& s : steps) {
        SCOPED_TRACE(std::string(s.field) + " " + s.text);
        Type(QString::fromLatin1(s.field), QString::fromLatin1(s.text));
        const bool modified = State().IsModified;
        const kmr::BeamModel model = State().Model;
        Page().UpdateNow();
        EXPECT_EQ(Page().ShowsDiagrams(), s.shown != nullptr);
        if (s.shown) {
            EXPECT_TRUE(Shows(QString::fromLatin1(s.shown)));
        } else {
            EXPECT_FALSE(Page().MessageText().isEmpty());
            EXPECT_FALSE(Page().Drawing().HasPages()) << "nothing stale";
            EXPECT_TRUE(Page().ResultsText().isEmpty());
        }
        EXPECT_EQ(State().IsModified, modified);
        EXPECT_TRUE(kmr::EncodeVersion3(State().Model) == kmr::EncodeVersion3(model));
    }
    EXPECT_EQ(Window().Beam().Member(1).MCenter, before)
        << "the calculation command's results are its own";
}

// A load typed into a slot counts before it is gathered into the document.
TEST_F(ResultsPageTest, TheLoadSlotsOnScreenCount) {
    SimpleSpan();
    Type("MmComm1", "0");
    Find<QTabWidget>("PageControl1")->setCurrentIndex(1);
    Choose("ComboGirLdTp1", kmr::kLoadConcentrated);
    Type("MmGir11", "2");
    Type("MmGir12", "3");
    Page().UpdateNow();
    EXPECT_TRUE(Shows(QStringLiteral("3.000 (x=3.000)"))) << "P L / 4";
    EXPECT_EQ(Model().Members[1].Loads[0].Value, 0.0) << "not gathered";
    Type("MmGir11", "x");
    Page().UpdateNow();
    EXPECT_FALSE(Page().ShowsDiagrams());
    EXPECT_TRUE(Page().MessageText().contains(QStringLiteral("部材荷重")));
}

TEST_F(ResultsPageTest, CopiesTheExtremesAndReactionsAndSavesTheDiagrams) {
    SimpleSpan();
    Page().UpdateNow();
    Click("BtnCopyResults");
    const QStringList lines = QApplication::clipboard()->text().split(QLatin1Char('\n'));
    ASSERT_GE(lines.size(), 6);
    EXPECT_EQ(lines[0].split(QLatin1Char('\t')).size(), 8);
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("部 材 名\t最大Ｍ (tm)\tx (m)")));
    EXPECT_EQ(lines[1].split(QLatin1Char('\t')).mid(1, 2), QStringList({"4.500", "3.000"}));
    EXPECT_EQ(lines[4], QStringLiteral("[ A ]\t3.000")) << "w L / 2";

    const struct {
        const char* name;
        const char* head;
    } files[] = {{"diagrams.png", "\x89PNG"}, {"diagrams.svg", "<?xml"}};
    for (const auto& f : files) {
        dialogs.saveAnswers = {Path(QString::fromLatin1(f.name))};
        Click("BtnSaveDiagrams");
        QFile saved(Path(QString::fromLatin1(f.name)));
        ASSERT_TRUE(saved.open(QIODevice::ReadOnly)) << f.name;
        const QByteArray bytes = saved.readAll();
        EXPECT_TRUE(bytes.startsWith(f.head)) << f.name;
        if (QByteArray(f.name).endsWith("svg")) {
            EXPECT_TRUE(bytes.contains(QStringLiteral("4.500 (x=3.000)").toUtf8()));
        }
    }
    EXPECT_EQ(dialogs.saveDialogs.back().Title, QStringLiteral("画像として保存"));
    EXPECT_TRUE(dialogs.Texts(MsgKind::Error).empty());
}

// Each check box of the report's sections follows its saved default (on
// when none was saved); the default button saves it, and the report command
// draws the section by it.
TEST_F(ResultsPageTest, ReportCheckBoxesAndTheirDefaults) {
    const struct {
        const char* box;
        const char* text;
        const char* key;
        const char* heading;
        bool WindowState::*flag;
    } boxes[] = {
        {"Chk_Diagrams", "応力図を出力", "DiagramFlag", "●応力図", &WindowState::DiagramFlag},
        {"Chk_Check", "断面検定を出力", "CheckFlag", "●断面検定", &WindowState::CheckFlag},
    };
    for (const auto& b : boxes) {
        SCOPED_TRACE(b.box);
        window.reset();
        SimpleSpan();
        kmr::DesignData design;  // a beam with design data, for the check
        design.Members.push_back({});
        design.Members[0].Member = 1, design.Members[0].Section = "H-400x200x8x13";
        design.Members[0].Steel = "SN400B";
        Model().Design = kmr::MakeDesignBlock(design);
        auto* box = Find<QCheckBox>(b.box);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->text(), QString::fromUtf8(b.text));
        EXPECT_TRUE(box->isChecked());
        const auto reportHasSection = [&] {
            dialogs.onModal = [](QDialog&) { return 1; };
            Window().BitBtn1Click();
            const kmr::TplPrev& doc = Window().PaperDocument();
            for (int p = 1; p <= doc.RecordedPages(); ++p) {
                if (doc.Page(p).FindText(QString::fromUtf8(b.heading))) return true;
            }
            return false;
        };
        EXPECT_TRUE(reportHasSection());
        Click(b.box);
        EXPECT_FALSE(State().*b.flag);
        EXPECT_FALSE(reportHasSection());
        dialogs.answers = {Button::OK};
        Click("Btn_NewPage");
        EXPECT_EQ(OpenSettings()->value(QString::fromLatin1(b.key)).toString(),
                  QStringLiteral("0"));
        EXPECT_FALSE(State().IsModified);
        window.reset();
        EXPECT_FALSE(Find<QCheckBox>(b.box)->isChecked()) << "the saved default";
    }
}

}  // namespace
}  // namespace kmr::ui::test
