// The page "断面検定": the ratios shown are those of plovkmr check for the
// same data and follow typed changes; the document changes only by design
// edits; refused values name the member and the field; Io from a section;
// the table copied.
#include "check/CheckPage.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QTableWidget>
#include <nlohmann/json.hpp>
#include <sstream>

#include "app/cli/Verbs.h"
#include "edit/EditFixture.h"

namespace kmr::ui::test {
namespace {

class CheckPageTest : public EditFixture {
  protected:
    CheckPage& Check() { return *Window().findChild<CheckPage*>(QStringLiteral("CheckPage")); }
    void OpenExample() {
        Window().OpenFromCommandLine(
            QStringLiteral(KMR_SOURCE_DIR "/examples/three-span-floor-beam.KMX"));
        Page(kCheckPage);
        Check().UpdateNow();
    }
    // A field, or the text of an editable box.
    QLineEdit* Line(const QString& name) {
        if (auto* box = Window().findChild<QComboBox*>(name)) return box->lineEdit();
        return Edit(name);
    }
    // Typed into a field of the page, then the field left.
    void Enter(const QString& name, const QString& text) {
        QLineEdit* e = Line(name);
        e->setText(text);
        emit e->editingFinished();
        Check().UpdateNow();
    }
    QString Cell(int member, int column) {
        const QTableWidgetItem* item = Find<QTableWidget>("CheckTable")->item(member - 1, column);
        return item ? item->text() : QString();
    }
    // plovkmr check --json on the document as it is.
    nlohmann::json CheckOfDocument() {
        const std::string path = Path(QStringLiteral("now.KMX")).toStdString();
        kmr::WriteDataFile(path, Model());
        std::ostringstream out, err;
        cli::RunCheck({path, "--json"}, out, err);
        return nlohmann::json::parse(out.str());
    }
};

constexpr int kBending = 6, kShear = 7;

TEST_F(CheckPageTest, RatiosAreThoseOfCheckAndTheDocumentChangesOnlyByDesignEdits) {
    OpenExample();
    EXPECT_FALSE(State().IsModified) << "the page shown";
    EXPECT_EQ(Model().Design.State, kmr::DesignState::None);
    EXPECT_EQ(Find<QTableWidget>("CheckTable")->rowCount(), 3);
    Choose(QStringLiteral("CheckMethod"), 1);  // AIJ 2005, kept for the first member
    EXPECT_FALSE(State().IsModified) << "no design data yet";
    const struct {
        const char* field;
        const char* text;
    } steps[] = {{"CheckSection1", "H-400x200x8x13"},
                 {"CheckBracing1", "2"},
                 {"MmSpan1", "8"},
                 {"CheckSection1", "H-600x200x11x17"}};
    for (const auto& s : steps) {
        SCOPED_TRACE(s.field);
        Enter(QString::fromLatin1(s.field), QString::fromLatin1(s.text));
        EXPECT_TRUE(State().IsModified);
        const nlohmann::json json = CheckOfDocument();
        ASSERT_EQ(json["members"].size(), 1u);
        EXPECT_EQ(json["method"], "aij2005");
        const nlohmann::json& c = json["members"][0];
        EXPECT_EQ(Cell(1, kBending), MarkedRatio(c["bendingRatio"]));
        EXPECT_EQ(Cell(1, kShear), MarkedRatio(c["shearRatio"]));
        EXPECT_EQ(Cell(1, kShear + 2), QString::fromLatin1(c["ok"] ? "OK" : "NG"));
        State().IsModified = false;
    }
    Enter(QStringLiteral("CheckBracing1"), QStringLiteral("2"));
    EXPECT_FALSE(State().IsModified) << "the same value again";
}

TEST_F(CheckPageTest, RefusedValuesNameTheMemberAndTheField) {
    OpenExample();
    Enter(QStringLiteral("CheckSection1"), QStringLiteral("H-400x200x8x13"));
    Enter(QStringLiteral("CheckSection2"), PlatesItem());
    const kmr::DesignData before = Model().Design.Data;
    const struct {
        const char* field;
        const char* text;
        const char* named;  // member and field in the message
    } cases[] = {
        {"CheckBracing1", "0", "部材 1 の n"},
        {"CheckLb1", "-1", "部材 1 の lb"},
        {"CheckLimit1", "x", "部材 1 の たわみ制限"},
        {"CheckFactor1", "0", "部材 1 の 変形増大係数"},
        {"CheckSection1", "H-1", "部材 1 の 断面"},
        {"PlateTf", "300", "部材 2 の tf"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.field);
        dialogs.Clear();
        const QString shown = Line(QString::fromLatin1(c.field))->text();
        Enter(QString::fromLatin1(c.field), QString::fromLatin1(c.text));
        ASSERT_EQ(dialogs.Texts(MsgKind::Error).size(), 1u);
        EXPECT_TRUE(dialogs.Texts(MsgKind::Error)[0].startsWith(QString::fromUtf8(c.named)));
        EXPECT_TRUE(Model().Design.Data == before);
        EXPECT_EQ(Line(QString::fromLatin1(c.field))->text(), shown) << "shown again";
    }
}

// Io becomes the section's Ix (the published table's, to its rounding) only
// when the user says yes.
TEST_F(CheckPageTest, IoFromTheSectionAfterAQuestion) {
    OpenExample();
    Enter(QStringLiteral("CheckSection1"), QStringLiteral("H-400x200x8x13"));
    const double io = Model().Members[1].Io;
    dialogs.answers = {Button::Cancel};
    Click("BtnSetIoAll");
    EXPECT_EQ(double(Model().Members[1].Io), io);
    State().IsModified = false;
    dialogs.answers = {Button::Yes};
    Click("BtnSetIo1");
    EXPECT_NEAR(Model().Members[1].Io, kmr::FindSection("H-400x200x8x13")->Ix, 0.01 * 23500);
    EXPECT_TRUE(State().IsModified);
    EXPECT_EQ(dialogs.Texts(MsgKind::Confirmation).size(), 2u);

    Click("BtnCopyCheck");
    const QStringList lines = QApplication::clipboard()->text().split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 3) << "header, member 1, end";
    EXPECT_TRUE(lines[1].startsWith(QStringLiteral("部材 [ 1 ]\tH-400x200x8x13\t")));
}

// Saved and opened again, the design data is the same; a damaged block is
// replaced by an edit only when the user says so.
TEST_F(CheckPageTest, DesignDataSavedAndAnUnreadableBlockReplacedOnlyWhenAsked) {
    OpenExample();
    Enter(QStringLiteral("CheckSection1"), QStringLiteral("H-400x200x8x13"));
    Enter(QStringLiteral("CheckLimit3"), QStringLiteral("250"));
    const QString path = Path(QStringLiteral("saved.KMX"));
    kmr::WriteDataFile(path.toStdString(), Model());
    const kmr::DesignData saved = Model().Design.Data;
    ASSERT_EQ(saved.Members.size(), 2u);
    Window().OpenFromCommandLine(path);
    Check().UpdateNow();
    EXPECT_TRUE(Model().Design.Data == saved);
    EXPECT_EQ(Line(QStringLiteral("CheckSection1"))->text(), QStringLiteral("H-400x200x8x13"));

    QByteArray bytes = ReadAll(path);
    bytes[bytes.size() - 3] = '#';  // the JSON no longer matches its checksum
    QFile damaged(path);
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write(bytes);
    damaged.close();
    Window().OpenFromCommandLine(path);
    Check().UpdateNow();
    ASSERT_EQ(Model().Design.State, kmr::DesignState::Unreadable);
    EXPECT_FALSE(Check().MessageText().isEmpty());
    for (const Button answer : {Button::Cancel, Button::Yes}) {
        dialogs.answers = {answer};
        Enter(QStringLiteral("CheckSection2"), QStringLiteral("H-300x150x6.5x9"));
        EXPECT_EQ(Model().Design.State,
                  answer == Button::Yes ? kmr::DesignState::Present : kmr::DesignState::Unreadable);
    }
}

}  // namespace
}  // namespace kmr::ui::test
