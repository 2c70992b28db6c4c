// The document commands driven through the window: new data, open, the
// recent-file items, overwrite, save as, and the changed flag; with the
// mended faults (failed reads change nothing, existing files are not
// replaced unasked, version-1 files are never overwritten, failed writes
// keep the changed flag).
#include <sys/stat.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QToolButton>

#include "Messages.h"
#include "WindowFixture.h"

namespace kmr::ui::test {
namespace {

using DocumentCommandsTest = WindowFixture;

const QString kTitle = QStringLiteral("PLOV-Kmr /連続梁応力算定");

// The observable state of the document, to compare before and after.
struct Snapshot {
    QString path, caption;
    bool modified, untitled;
    int spans;
    double span1;
    std::vector<QString> recent;
    bool operator==(const Snapshot& o) const {
        return path == o.path && caption == o.caption && modified == o.modified &&
               untitled == o.untitled && spans == o.spans && span1 == o.span1 && recent == o.recent;
    }
};

Snapshot Take(TMainF& w) {
    const WindowState& s = w.State();
    Snapshot snap{s.DocumentPath,
                  w.windowTitle(),
                  s.IsModified,
                  s.IsUntitled,
                  s.Model.Header.SpanCount,
                  s.Model.Members[1].SpanLength,
                  {}};
    for (int n = 1; n <= RecentFiles::kCount; ++n) snap.recent.push_back(s.Recent.Entry(n));
    return snap;
}

TEST_F(DocumentCommandsTest, NewDataWithCancelKeepsEverything) {
    const QString doc = MakeVersion3("frame.KMX", 4, 5.5);
    dialogs.openAnswers = {doc};
    Window().MenuFileOpenClick();
    State().IsModified = true;
    const Snapshot before = Take(Window());
    dialogs.Clear();
    dialogs.answers = {Button::Cancel};
    Window().NewDataClick();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].kind, MsgKind::Confirmation);
    EXPECT_EQ(dialogs.messages[0].buttons, Button::Yes | Button::Cancel);
    EXPECT_EQ(
        dialogs.messages[0].text,
        QStringLiteral(" Data:\r\n' frame.KMX '\r\n\r\nを保存せず新規データを作成しますか..."));
    EXPECT_TRUE(Take(Window()) == before);
}

TEST_F(DocumentCommandsTest, NewDataStartsAnUntitledTwoSpanDocument) {
    const QString doc = MakeVersion3("frame.KMX", 4, 5.5);
    dialogs.openAnswers = {doc};
    Window().MenuFileOpenClick();
    State().Units = {1, 1};
    State().CurrentMember = 3;
    State().IsModified = true;
    dialogs.answers = {Button::Yes};
    Window().NewDataClick();
    const WindowState& s = State();
    EXPECT_EQ(s.Model.Header.SpanCount, 2);
    EXPECT_EQ(s.Model.Members[1].SpanLength, 0.0);
    EXPECT_EQ(s.Model.Header.InputUnit, 1);  // the default units
    EXPECT_EQ(s.DocumentPath, Path(QStringLiteral("新規データ")));
    EXPECT_EQ(Window().windowTitle(), QStringLiteral("新規データ    ") + kTitle);
    EXPECT_EQ(s.CurrentMember, 1);
    EXPECT_FALSE(s.IsModified);
    EXPECT_TRUE(s.IsUntitled);
    EXPECT_EQ(s.Recent.Entry(1), doc);  // the list is not touched
}

TEST_F(DocumentCommandsTest, UnchangedDocumentIsReplacedWithoutAsking) {
    Window().NewDataClick();
    dialogs.openAnswers = {QString()};  // cancelled
    Window().MenuFileOpenClick();
    EXPECT_TRUE(dialogs.messages.empty());
    ASSERT_EQ(dialogs.openDialogs.size(), 1u);
    const FileDialogSpec& spec = dialogs.openDialogs[0];
    EXPECT_EQ(spec.Title, QStringLiteral("開く"));
    EXPECT_EQ(spec.DefaultExt, QStringLiteral("KMX"));
    EXPECT_EQ(QFileInfo(spec.InitialPath).fileName(), QStringLiteral("新規データ"));
    EXPECT_EQ(spec.Filter,
              QStringLiteral("PLOV-Kmr Ver.3 ﾃﾞｰﾀﾌｧｲﾙ (*.KMX)|*.KMX|PLOV-Kmr Ver.1.x 旧ﾃﾞｰﾀﾌｧｲﾙ "
                             "(*.Kmr)|*.Kmr|すべてのﾌｧｲﾙ (*.*)|*.*"));
}

TEST_F(DocumentCommandsTest, OpenWhileChangedAsksAndOnlyYesOpens) {
    const QString doc = MakeVersion3("a.KMX", 3, 4.0);
    State().IsModified = true;
    dialogs.answers = {Button::Cancel};
    Window().MenuFileOpenClick();
    EXPECT_TRUE(dialogs.openDialogs.empty());
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text,
              QStringLiteral(" Data: \r\n' 新規データ '\r\n\r\nは、変更されています。\r\n"
                             "このまま保存せず、開きますか..."));
    dialogs.answers = {Button::Yes};
    dialogs.openAnswers = {doc};
    Window().MenuFileOpenClick();
    EXPECT_EQ(State().DocumentPath, doc);
    EXPECT_EQ(State().Model.Header.SpanCount, 3);
    EXPECT_FALSE(State().IsModified);
}

TEST_F(DocumentCommandsTest, OpenOfAnUnknownExtensionIsRefused) {
    const QString doc = MakeVersion3("beam.KMX", 3, 4.0);
    const QString other = Path("beam.txt");
    QFile::copy(doc, other);
    const Snapshot before = Take(Window());
    dialogs.openAnswers = {other};
    Window().MenuFileOpenClick();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].kind, MsgKind::Error);
    EXPECT_EQ(dialogs.messages[0].buttons, int(Button::OK));
    EXPECT_EQ(dialogs.messages[0].text,
              QStringLiteral("[") + other +
                  QStringLiteral("]\r\n\r\nは、PLOV-Kmr のデータではありません。"));
    EXPECT_TRUE(Take(Window()) == before);
}

TEST_F(DocumentCommandsTest, OpenOfALowerCaseVersionOneFileWorksAndIsListed) {
    const QString old = MakeVersion1("old.kmr", 3, 2.5f);
    dialogs.openAnswers = {old};
    Window().MenuFileOpenClick();
    EXPECT_TRUE(dialogs.messages.empty());
    const WindowState& s = State();
    EXPECT_EQ(s.DocumentPath, old);
    EXPECT_EQ(Window().windowTitle(), QStringLiteral("old.kmr    ") + kTitle);
    EXPECT_EQ(s.Model.Header.SpanCount, 3);
    EXPECT_DOUBLE_EQ(s.Model.Members[1].SpanLength, 2.5);
    EXPECT_EQ(s.Model.Members[2].Name.Str(), "2");  // renamed after the read
    EXPECT_FALSE(s.IsUntitled);
    EXPECT_FALSE(s.IsModified);
    EXPECT_EQ(s.Recent.Entry(1), old);
    EXPECT_TRUE(Action("UseFile1")->isVisible());
    EXPECT_FALSE(Action("MenuFileOverwrite")->isEnabled());  // a version-1 read enables nothing
}

TEST_F(DocumentCommandsTest, TheExactVersionOneExtensionIsNotListed) {
    const QString old = MakeVersion1("old.Kmr", 2, 3.0f);
    dialogs.openAnswers = {old};
    Window().MenuFileOpenClick();
    EXPECT_EQ(State().DocumentPath, old);
    EXPECT_EQ(State().Recent.FilledCount(), 0);
    EXPECT_FALSE(Action("UseFile1")->isVisible());
}

TEST_F(DocumentCommandsTest, OpeningAVersion3FileEnablesOverwriteAndKeepsTheDefaultUnits) {
    kmr::BeamModel m;
    kmr::InitProgramModel(m, "3.0.6");
    m.Header.InputUnit = 1;
    m.Header.DefaultInputUnit = 1;  // the file's copy of the default units
    m.Header.DefaultOutputUnit = 1;
    const QString doc = Path("si.KMX");
    kmr::WriteDataFile(doc.toStdString(), m);
    dialogs.openAnswers = {doc};
    Window().MenuFileOpenClick();
    EXPECT_TRUE(Action("MenuFileOverwrite")->isEnabled());
    EXPECT_EQ(State().Model.Header.InputUnit, 1);
    EXPECT_EQ(State().Model.Header.DefaultInputUnit, 0);  // the program's own defaults
    EXPECT_EQ(State().Model.Header.DefaultOutputUnit, 0);
}

TEST_F(DocumentCommandsTest, AFailedReadChangesNothing) {
    const QString good = MakeVersion3("good.KMX", 3, 4.0);
    dialogs.openAnswers = {good};
    Window().MenuFileOpenClick();
    Find<QLineEdit>("MmSpan1")->setText(QStringLiteral("7"));  // an edit not yet saved
    State().IsModified = true;
    const Snapshot before = Take(Window());

    const QString broken = Path("broken.KMX");
    {
        QFile f(broken);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(100, '\x07'));
    }
    const QString missing = Path("missing.KMX");
    // A FIFO would block the window for ever if it were opened.
    const QString pipe = Path("pipe.KMX");
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    for (const QString& bad : {broken, missing, pipe}) {
        dialogs.Clear();
        dialogs.answers = {Button::Yes};
        dialogs.openAnswers = {bad};
        Window().MenuFileOpenClick();
        const std::vector<QString> errors = dialogs.Texts(MsgKind::Error);
        ASSERT_EQ(errors.size(), 1u) << bad.toStdString();
        EXPECT_TRUE(errors[0].contains(QFileInfo(bad).fileName())) << errors[0].toStdString();
        EXPECT_TRUE(Take(Window()) == before) << bad.toStdString();
    }
    dialogs.Clear();
    Window().OpenFromCommandLine(pipe);
    const std::vector<QString> errors = dialogs.Texts(MsgKind::Error);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_TRUE(errors[0].contains(QStringLiteral("通常のファイルではありません")));
    EXPECT_TRUE(Take(Window()) == before);
    // The next overwrite still goes to the document's own file.
    dialogs.Clear();
    dialogs.answers = {Button::Yes};
    Window().FileOverWriteExecute();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text,
              QStringLiteral("上書き保存します...\r\n\r\n' ") + good + QStringLiteral(" '"));
    EXPECT_EQ(ReadAll(broken), QByteArray(100, '\x07'));
    kmr::BeamModel back;
    kmr::ReadDataFile(good.toStdString(), back);
    EXPECT_EQ(double(back.Members[1].SpanLength), 7.0);
}

TEST_F(DocumentCommandsTest, RecentItemOpensItsFileAndMovesToTheTop) {
    std::vector<QString> docs;
    for (int i = 1; i <= 5; ++i) {
        docs.push_back(MakeVersion3(QStringLiteral("b%1.KMX").arg(i), i, i));
        dialogs.openAnswers = {docs.back()};
        Window().MenuFileOpenClick();
    }
    // Entries now b5, b4, b3, b2, b1; choose the fifth (b1).
    State().IsModified = true;
    dialogs.Clear();
    dialogs.answers = {Button::Yes};
    Action("UseFile5")->trigger();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(
        dialogs.messages[0].text.contains(QStringLiteral("このまま保存せず、開きますか...")));
    EXPECT_EQ(State().DocumentPath, docs[0]);
    EXPECT_EQ(State().Model.Header.SpanCount, 1);
    EXPECT_FALSE(State().IsModified);
    const std::vector<QString> expected = {docs[0], docs[4], docs[3], docs[2], docs[1]};
    for (int n = 1; n <= 5; ++n) {
        EXPECT_EQ(State().Recent.Entry(n), expected[n - 1]) << n;
        EXPECT_EQ(Action(QStringLiteral("UseFile%1").arg(n).toLatin1().constData())->text(),
                  expected[n - 1]);
    }
}

TEST_F(DocumentCommandsTest, RecentItemWhoseFileIsGoneMovesUpThenFails) {
    const QString a = MakeVersion3("a.KMX", 2, 1.0);
    const QString b = MakeVersion3("b.KMX", 3, 2.0);
    for (const QString& p : {a, b}) {
        dialogs.openAnswers = {p};
        Window().MenuFileOpenClick();
    }
    QFile::remove(a);
    const Snapshot before = Take(Window());
    dialogs.Clear();
    Window().UseFileClick(2);
    EXPECT_EQ(dialogs.Texts(MsgKind::Error).size(), 1u);
    // The item is at the top and the caption names it; the model is kept.
    Snapshot expected = before;
    expected.path = a;
    expected.caption = msg::Caption(a);
    std::swap(expected.recent[0], expected.recent[1]);
    EXPECT_TRUE(Take(Window()) == expected);
}

TEST_F(DocumentCommandsTest, SaveAsToTheOwnPathAsksAndCancelReopensTheDialog) {
    const QString doc = MakeVersion3("own.KMX", 3, 4.0);
    dialogs.openAnswers = {doc};
    Window().MenuFileOpenClick();
    Find<QLineEdit>("MmSpan1")->setText(QStringLiteral("9"));
    State().IsModified = true;
    dialogs.Clear();
    dialogs.saveAnswers = {doc, doc};
    dialogs.answers = {Button::Cancel, Button::OK};
    EXPECT_TRUE(Window().FileSaveAs());
    ASSERT_EQ(dialogs.saveDialogs.size(), 2u);
    EXPECT_EQ(dialogs.saveDialogs[0].Title, QStringLiteral("名前をつけて保存"));
    EXPECT_EQ(dialogs.saveDialogs[0].InitialPath, doc);
    EXPECT_EQ(dialogs.saveDialogs[0].Filter,
              QStringLiteral("PLOV-Kmr ﾃﾞｰﾀﾌｧｲﾙ (*.KMX)|*.KMX|すべてのﾌｧｲﾙ (*.*)|*.*"));
    ASSERT_EQ(dialogs.messages.size(), 2u);
    for (const ShownMessage& m : dialogs.messages) {
        EXPECT_EQ(m.kind, MsgKind::Information);
        EXPECT_EQ(m.buttons, Button::OK | Button::Cancel);
        EXPECT_EQ(m.text,
                  QStringLiteral("' ") + doc +
                      QStringLiteral(
                          " '\r\n\r\nは、すでに存在します。上書き保存してもよろしいですか..."));
    }
    EXPECT_FALSE(State().IsModified);
    kmr::BeamModel back;
    kmr::ReadDataFile(doc.toStdString(), back);
    EXPECT_EQ(double(back.Members[1].SpanLength), 9.0);
}

TEST_F(DocumentCommandsTest, SaveAsNeverReplacesAnotherExistingFileUnasked) {
    const QString other = MakeVersion3("other.KMX", 5, 3.0);
    const QByteArray otherBytes = ReadAll(other);
    State().IsModified = true;
    dialogs.saveAnswers = {other, QString()};
    dialogs.answers = {Button::Cancel};
    EXPECT_FALSE(Window().FileSaveAs());
    EXPECT_EQ(dialogs.saveDialogs.size(), 2u);  // Cancel reopened the dialog
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(dialogs.messages[0].text.contains(QStringLiteral("は、すでに存在します。")));
    EXPECT_EQ(ReadAll(other), otherBytes);
    EXPECT_TRUE(State().IsModified);
    EXPECT_TRUE(State().IsUntitled);

    dialogs.Clear();
    dialogs.saveAnswers = {other};
    dialogs.answers = {Button::OK};
    EXPECT_TRUE(Window().FileSaveAs());
    EXPECT_NE(ReadAll(other), otherBytes);
    EXPECT_EQ(State().DocumentPath, other);
}

TEST_F(DocumentCommandsTest, SaveAsToANewFileWritesVersion3AndListsIt) {
    Find<QLineEdit>("MmSpan1")->setText(QStringLiteral("6"));
    State().IsModified = true;
    const QString target = Path("new.KMX");
    dialogs.saveAnswers = {target};
    EXPECT_TRUE(Window().FileSaveAs());
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(ReadAll(target).size(), 5034);
    EXPECT_EQ(ReadAll(target).left(9), QByteArray("\x08PLOV-Kmr"));
    EXPECT_EQ(State().DocumentPath, target);
    EXPECT_EQ(Window().windowTitle(), QStringLiteral("new.KMX    ") + kTitle);
    EXPECT_FALSE(State().IsModified);
    EXPECT_FALSE(State().IsUntitled);
    EXPECT_EQ(State().Recent.Entry(1), target);
    EXPECT_TRUE(Action("MenuFileOverwrite")->isEnabled());
}

TEST_F(DocumentCommandsTest, OverwriteOfAnUntitledDocumentRunsSaveAs) {
    State().IsModified = true;
    dialogs.saveAnswers = {QString()};
    Find<QToolButton>("ToolButton3")->click();
    ASSERT_EQ(dialogs.saveDialogs.size(), 1u);
    EXPECT_EQ(dialogs.saveDialogs[0].InitialPath, Path(QStringLiteral("新規データ")));
    EXPECT_TRUE(State().IsModified);  // cancelled: nothing written
    dialogs.saveAnswers = {Path("first.KMX")};
    Window().FileOverWriteExecute();
    EXPECT_FALSE(State().IsModified);
    EXPECT_TRUE(QFile::exists(Path("first.KMX")));
}

TEST_F(DocumentCommandsTest, OverwriteAsksAndOnlyYesWrites) {
    const QString doc = MakeVersion3("w.KMX", 2, 4.0);
    dialogs.openAnswers = {doc};
    Window().MenuFileOpenClick();
    Find<QLineEdit>("MmSpan1")->setText(QStringLiteral("8"));
    State().IsModified = true;
    const QByteArray before = ReadAll(doc);
    dialogs.answers = {Button::Cancel};
    Window().FileOverWriteExecute();
    EXPECT_EQ(ReadAll(doc), before);
    EXPECT_TRUE(State().IsModified);
    dialogs.answers = {Button::Yes};
    Action("MenuFileOverwrite")->trigger();
    EXPECT_NE(ReadAll(doc), before);
    EXPECT_FALSE(State().IsModified);
}

TEST_F(DocumentCommandsTest, OverwriteOfAVersionOneDocumentSavesAsKmxBesideIt) {
    for (const char* name : {"legacy.Kmr", "legacy2.KMR"}) {
        const QString old = MakeVersion1(QString::fromLatin1(name), 2, 3.0f);
        const QByteArray oldBytes = ReadAll(old);
        dialogs.Clear();
        dialogs.answers = {Button::Yes};
        dialogs.openAnswers = {old};
        Window().MenuFileOpenClick();
        State().IsModified = true;
        const QString proposed = old.left(old.size() - 4) + QStringLiteral(".KMX");
        dialogs.saveAnswers = {proposed};
        Window().FileOverWriteExecute();
        ASSERT_EQ(dialogs.saveDialogs.size(), 1u) << name;
        EXPECT_EQ(dialogs.saveDialogs[0].InitialPath, proposed) << name;
        EXPECT_EQ(ReadAll(old), oldBytes) << name;  // the old file is never overwritten
        EXPECT_EQ(ReadAll(proposed).size(), 5034) << name;
        EXPECT_EQ(State().DocumentPath, proposed);
        EXPECT_FALSE(State().IsModified);
        EXPECT_TRUE(Action("MenuFileOverwrite")->isEnabled());
    }
}

TEST_F(DocumentCommandsTest, SaveAsUnderAVersionOneNameWritesKmx) {
    const QString chosen = Path("typed.Kmr");
    dialogs.saveAnswers = {chosen};
    EXPECT_TRUE(Window().FileSaveAs());
    EXPECT_FALSE(QFile::exists(chosen));
    EXPECT_EQ(ReadAll(Path("typed.KMX")).size(), 5034);
    EXPECT_EQ(State().DocumentPath, Path("typed.KMX"));
}

TEST_F(DocumentCommandsTest, AFailedWriteReportsAndKeepsTheChangedFlag) {
    const QString dir = Path("work");
    ASSERT_TRUE(QDir().mkpath(dir));
    const QString doc = dir + QStringLiteral("/beam.KMX");
    kmr::BeamModel m;
    kmr::InitProgramModel(m, "3.0.6");
    kmr::WriteDataFile(doc.toStdString(), m);
    dialogs.openAnswers = {doc};
    Window().MenuFileOpenClick();
    State().IsModified = true;

    // The document's folder disappears behind a plain file of the same name.
    ASSERT_TRUE(QDir().rename(dir, Path("moved")));
    {
        QFile blocker(dir);
        ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    }
    dialogs.Clear();
    dialogs.answers = {Button::Yes};
    Window().FileOverWriteExecute();
    ASSERT_EQ(dialogs.Texts(MsgKind::Error).size(), 1u);
    EXPECT_TRUE(dialogs.Texts(MsgKind::Error)[0].contains(QStringLiteral("beam.KMX")));
    EXPECT_TRUE(State().IsModified);
    EXPECT_EQ(ReadAll(Path("moved/beam.KMX")).size(), 5034);

    // Save as into a folder that cannot be written: nothing changes.
    const Snapshot before = Take(Window());
    dialogs.Clear();
    dialogs.saveAnswers = {dir + QStringLiteral("/other.KMX")};
    EXPECT_FALSE(Window().FileSaveAs());
    EXPECT_EQ(dialogs.Texts(MsgKind::Error).size(), 1u);
    EXPECT_TRUE(Take(Window()) == before);
}

TEST_F(DocumentCommandsTest, RedrawAndPageChangesKeepTheChangedFlag) {
    for (bool modified : {false, true}) {
        State().IsModified = modified;
        Window().BitBtn2Click();
        EXPECT_EQ(State().IsModified, modified);
        Window().BitBtn1Click();  // refused by the validation: no span lengths
        EXPECT_EQ(State().IsModified, modified);
    }
}

TEST_F(DocumentCommandsTest, CalculationRefusalShowsTheValidationMessage) {
    State().IsModified = true;
    Window().BitBtn1Click();
    const std::vector<QString> errors = dialogs.Texts(MsgKind::Error);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_TRUE(errors[0].startsWith(QStringLiteral("スパン長が入力されていません。")))
        << errors[0].toStdString();
    EXPECT_TRUE(State().IsModified);
}

TEST_F(DocumentCommandsTest, AFileNamedOnTheCommandLineIsOpened) {
    const QString doc = MakeVersion3("cli.KMX", 4, 2.0);
    const QString cwd = QDir::currentPath();
    QDir::setCurrent(home.path());
    Window().OpenFromCommandLine(QStringLiteral("cli.KMX"));
    QDir::setCurrent(cwd);
    EXPECT_EQ(State().DocumentPath, doc);
    EXPECT_EQ(State().Model.Header.SpanCount, 4);
    EXPECT_EQ(State().Recent.Entry(1), doc);
}

// Design data of the section check rides along: opened and saved back
// byte for byte, a damaged block too (reported once when opened).
TEST_F(DocumentCommandsTest, DesignDataIsSavedBackUnchanged) {
    kmr::BeamModel m;
    kmr::InitProgramModel(m, "3.0.6");
    m.Design = kmr::MakeDesignBlock(kmr::ParseDesignJson(
        R"({"members": [{"member": 1, "section": "H-400x200x8x13", "steel": "SS400"}]})", 2));
    for (bool damaged : {false, true}) {
        const QString doc = Path(damaged ? "damaged.KMX" : "design.KMX");
        kmr::WriteDataFile(doc.toStdString(), m);
        QByteArray bytes = ReadAll(doc);
        if (damaged) {
            bytes[bytes.size() - 3] = '#';
            QFile f(doc);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(bytes);
        }
        dialogs.Clear();
        dialogs.openAnswers = {doc};
        Window().MenuFileOpenClick();
        EXPECT_EQ(dialogs.Texts(MsgKind::Error).size(), damaged ? 1u : 0u);
        dialogs.answers = {Button::Yes};
        Window().FileOverWriteExecute();
        EXPECT_EQ(ReadAll(doc), bytes) << damaged;
    }
}

}  // namespace
}  // namespace kmr::ui::test
