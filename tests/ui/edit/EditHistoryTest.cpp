// Undo and redo of every kind of edit, the changed mark, the keys in a
// field, recovery copies and dropped files, worked through the window.
#include <QApplication>
#include <QDir>
#include <QMimeData>
#include <QUrl>
#include <functional>

#include "EditFixture.h"
#include "EditHistory.h"
#include "Recovery.h"
#include "check/CheckPage.h"
#include "dialogs/LdLxLyForm.h"
#include "dialogs/YngSelForm.h"

namespace kmr::ui::test {
namespace {

class EditHistoryTest : public EditFixture {
  protected:
    DocumentImage Image() { return Window().DocumentImageNow().value(); }
    EditHistory& History() { return Window().History(); }
    QString OpenFile(double span1 = 4.0) {
        const QString doc = MakeVersion3("doc.KMX", 2, span1);
        dialogs.openAnswers = {doc};
        Window().MenuFileOpenClick();
        return doc;
    }
    void Key(int key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), mods);
        QApplication::processEvents();  // the step is taken after the event
    }
};

struct EditCase {
    const char* what;
    std::function<void()> prepare, edit;
};

TEST_F(EditHistoryTest, EveryKindOfEditIsUndoneAndRedoneWhole) {
    OpenFile();
    const auto none = [] {};
    const auto yes = [this] { dialogs.answers = {Button::Yes}; };
    const EditCase cases[] = {
        {"span length", none, [this] { Type("MmSpan1", "7.5"); }},
        {"span count", none, [this] { Choose("ComboBox1", 3); }},
        {"support", none, [this] { Choose("ComboSiten2", kSupportFixed); }},
        {"common load", none, [this] { Click("CheckBox1"); }},
        {"all members E", [this] { Type("MmComm6", "2.1"); }, [&] { yes(), Click("BtnAllSetE"); }},
        {"Young's list", none,
         [this] {
             dialogs.onModal = [](QDialog& d) {
                 dynamic_cast<TYngSelF&>(d).BtnSelClick();
                 return d.result();
             };
             Click("BtnYngSel");
         }},
        {"load type", [this] { Page(1); }, [this] { Choose("ComboGirLdTp1", kLoadUniform); }},
        {"load value typed", none, [this] { Type("MmGir15", "3"); }},
        {"full span", none, [&] { yes(), Click("Btn1"); }},
        {"slab dialog", [this] { Choose("ComboGirLdTp2", kLoadTrapezoid); },
         [this] {
             dialogs.onModal = [](QDialog& d) {
                 d.findChild<QLineEdit*>(QStringLiteral("MmLxLy"))->setText("4");
                 dynamic_cast<TLdLxLyF&>(d).BtnOKClick();
                 return d.result();
             };
             Click("Btn2");
         }},
        {"node load type", [this] { Page(2); }, [this] { Choose("ComboNdLdTp1", kNodeForce); }},
        {"section check",
         [this] {
             Page(kCheckPage);
             Window().findChild<CheckPage*>(QStringLiteral("CheckPage"))->UpdateNow();
         },
         [this] {
             QLineEdit* section =
                 Window().findChild<QComboBox*>(QStringLiteral("CheckSection1"))->lineEdit();
             section->setText(QStringLiteral("H-400x200x8x13"));
             emit section->editingFinished();
         }},
    };
    for (const EditCase& c : cases) {
        c.prepare();
        History().Checkpoint();
        const DocumentImage before = Image();
        c.edit();
        History().Checkpoint();
        const DocumentImage after = Image();
        ASSERT_NE(before, after) << c.what;
        Action("EditUndo")->trigger();
        EXPECT_EQ(Image(), before) << c.what;
        Action("EditRedo")->trigger();
        EXPECT_EQ(Image(), after) << c.what;
    }
}

TEST_F(EditHistoryTest, UndoToTheSavedStateClearsTheChangedMark) {
    const QString doc = OpenFile();
    EXPECT_FALSE(Action("EditUndo")->isEnabled());
    Type("MmSpan1", "6");
    History().Checkpoint();
    EXPECT_EQ(Action("EditUndo")->text(), QStringLiteral("元に戻す: スパン長(&U)"));
    Action("EditUndo")->trigger();
    EXPECT_FALSE(State().IsModified);
    EXPECT_EQ(Text("MmSpan1"), QStringLiteral("4"));
    Action("EditRedo")->trigger();
    EXPECT_TRUE(State().IsModified);
    dialogs.answers = {Button::Yes};
    Window().FileOverWriteExecute();  // 6 is now the saved state
    Action("EditUndo")->trigger();
    EXPECT_TRUE(State().IsModified);
    Action("EditRedo")->trigger();
    EXPECT_FALSE(State().IsModified);
}

// Typed as a user types, through the real widgets and shortcuts.
TEST_F(EditHistoryTest, KeysInTheWindowUndoAndRedoAnEditedSpan) {
    const QString doc = OpenFile();
    const QByteArray original = ReadAll(doc);
    Window().show();
    Window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Window()));
    Edit("MmSpan1")->setFocus();
    Edit("MmSpan1")->selectAll();
    for (const int key : {Qt::Key_7, Qt::Key_Period, Qt::Key_5, Qt::Key_Tab}) Key(key);
    Key(Qt::Key_Z, Qt::ControlModifier);
    dialogs.answers = {Button::Yes};
    Key(Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(ReadAll(doc), original);
    Key(Qt::Key_Y, Qt::ControlModifier);
    dialogs.answers = {Button::Yes};
    Key(Qt::Key_S, Qt::ControlModifier);
    kmr::BeamModel m;
    kmr::ReadDataFile(doc.toStdString(), m);
    EXPECT_EQ(double(m.Members[1].SpanLength), 7.5);
    // In a field, a change still being typed is undone first.
    Edit("MmSpan2")->setFocus();
    QTest::keyClicks(Edit("MmSpan2"), "9");
    Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Text("MmSpan2"), QStringLiteral("0"));
    EXPECT_EQ(Text("MmSpan1"), QStringLiteral("7.5"));
    Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Text("MmSpan1"), QStringLiteral("4"));
}

TEST_F(EditHistoryTest, RecoveryCopyFollowsTheChangesAndIsOfferedAfterACrash) {
    const QString doc = OpenFile();
    const QString own = History().RecoveryFile();
    Type("MmSpan1", "8");
    History().SaveRecoveryCopy();
    ASSERT_TRUE(QFile::exists(own));
    const DocumentImage edited = Image();
    EXPECT_EQ(ReadRecoveryCopy(own)->Image, edited);
    // A run that ended abnormally leaves its copy under its process id.
    const QString left = RecoveryDir() + QStringLiteral("2147483646.rec");
    QFile::copy(own, left);
    dialogs.answers = {Button::Yes};
    Window().FileOverWriteExecute();
    EXPECT_FALSE(QFile::exists(own));  // saved: no copy

    window.reset();
    dialogs.Clear();
    dialogs.answers = {Button::Yes};
    Window();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(dialogs.messages[0].text.contains(QStringLiteral(" Data: ' doc.KMX '")));
    EXPECT_EQ(Image(), edited);
    EXPECT_TRUE(State().IsModified);
    EXPECT_EQ(State().DocumentPath, doc);
    EXPECT_FALSE(QFile::exists(left));

    // A damaged copy is reported and set aside, never opened.
    QFile::copy(own, left);
    QFile f(left);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    f.seek(f.size() - 1);
    f.write("x");
    f.close();
    window.reset();
    dialogs.Clear();
    Window();
    EXPECT_EQ(dialogs.Texts(MsgKind::Warning).size(), 1u);
    EXPECT_EQ(dialogs.Texts(MsgKind::Confirmation).size(), 0u);
    EXPECT_TRUE(QFile::exists(left + QStringLiteral(".damaged")));
    EXPECT_FALSE(State().IsModified);
}

TEST_F(EditHistoryTest, DroppedDataFileOpensOtherFilesAreIgnored) {
    const QString doc = MakeVersion3("dropped.Kmx", 3, 5.0);
    for (const QString& path : {Path("notes.txt"), doc}) {
        QMimeData mime;
        mime.setUrls({QUrl::fromLocalFile(path)});
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, {});
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, {});
        QApplication::sendEvent(Edit("MmSpan1"), &enter);
        QApplication::sendEvent(Edit("MmSpan1"), &drop);
        QApplication::processEvents();
    }
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(State().DocumentPath, doc);
    EXPECT_EQ(State().Recent.Entry(1), doc);
    EXPECT_EQ(Text("MmSpan1"), QStringLiteral("5"));
}

}  // namespace
}  // namespace kmr::ui::test
