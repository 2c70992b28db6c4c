// The bundled examples through the window, and pictures of the windows for a
// look by eye (KMR_SCREENSHOT_DIR, best under Xvfb with the xcb platform).
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTextBrowser>

#include "HelpWindow.h"
#include "WindowFixture.h"
#include "report/PageDocument.h"

namespace kmr::ui::test {
namespace {

using ExamplesTest = WindowFixture;

QString ExamplesDir() {
    return QStringLiteral(KMR_SOURCE_DIR "/examples");
}

void Save(QWidget& w, const QString& name) {
    const QString dir = qEnvironmentVariable("KMR_SCREENSHOT_DIR");
    if (!dir.isEmpty()) w.grab().save(QDir(dir).filePath(name + QStringLiteral(".png")));
}

TEST_F(ExamplesTest, EveryBundledExampleOpensAndCalculates) {
    const QStringList files = QDir(ExamplesDir()).entryList({"*.KMX", "*.Kmr"}, QDir::Files);
    ASSERT_GE(files.size(), 4);
    for (const QString& name : files) {
        dialogs.Clear();
        dialogs.answers = {Button::Yes};
        Window().OpenFromCommandLine(ExamplesDir() + QLatin1Char('/') + name);
        ASSERT_TRUE(dialogs.Texts(MsgKind::Error).empty()) << name.toStdString();
        int pages = 0;
        dialogs.onModal = [&](QDialog&) {
            pages = Window().PaperDocument().PageCount();
            return 1;
        };
        Window().BitBtn1Click();
        EXPECT_TRUE(dialogs.Texts(MsgKind::Error).empty())
            << name.toStdString() << ": " << dialogs.messages.front().text.toStdString();
        EXPECT_GE(pages, 1) << name.toStdString();
        EXPECT_FALSE(State().IsModified) << name.toStdString();
    }
}

// On the page "断面検定": a list section for member 1, plates for member 2.
void ChooseSections(QWidget& window) {
    for (const auto& [member, section] : {std::pair{1, "H-400x200x8x13"}, {2, "寸法指定"}}) {
        auto* box = window.findChild<QComboBox*>(QStringLiteral("CheckSection%1").arg(member));
        box->setEditText(QString::fromUtf8(section));
        emit box->activated(box->currentIndex());
    }
}

TEST_F(ExamplesTest, PicturesOfTheWindows) {
    if (qEnvironmentVariableIsEmpty("KMR_SCREENSHOT_DIR")) GTEST_SKIP() << "no KMR_SCREENSHOT_DIR";
    Window().show();
    QTest::qWait(50);
    Save(Window(), "main-window");
    // The whole screen, for the window's place on it.
    QGuiApplication::primaryScreen()->grabWindow(0).save(
        QDir(qEnvironmentVariable("KMR_SCREENSHOT_DIR")).filePath(QStringLiteral("screen.png")));
    Window().OpenFromCommandLine(ExamplesDir() + QStringLiteral("/three-span-floor-beam.KMX"));
    QTest::qWait(50);
    Save(Window(), "example-window");
    auto* tabs = Window().findChild<QTabWidget*>(QStringLiteral("PageControl1"));
    tabs->setCurrentIndex(4);
    QTest::qWait(150);
    Save(Window(), "results-page");
    tabs->setCurrentIndex(5);
    ChooseSections(Window());
    QTest::qWait(250);
    Save(Window(), "check-page");
    Window().findChild<QAbstractButton*>(QStringLiteral("BtnDetachResults"))->click();
    if (QWidget* other = Window().findChild<QWidget*>(QStringLiteral("ResultsWindow"))) {
        other->resize(1280, 800);
        QTest::qWait(300);
        Save(*other, "results-window");
        other->close();
    }
    tabs->setCurrentIndex(0);
    dialogs.onModal = [&](QDialog& d) {
        d.show();
        QTest::qWait(300);
        Save(d, "preview");
        d.hide();
        return 1;
    };
    Window().BitBtn1Click();

    // Ten spans: the node-load page with its last support, the per-member
    // page and the common data in SI units (the unit labels).
    auto* spans = Window().findChild<QComboBox*>(QStringLiteral("ComboBox1"));
    spans->setCurrentIndex(9);
    emit spans->activated(9);
    auto* pages = Window().findChild<QTabWidget*>(QStringLiteral("PageControl1"));
    pages->setCurrentIndex(2);
    Window().findChild<QTabBar*>(QStringLiteral("TabNodeLoad"))->setCurrentIndex(10);
    QTest::qWait(50);
    Save(Window(), "node-loads-ten-spans");
    if (QWidget* diagram = Window().findChild<QWidget*>(QStringLiteral("drwPaper"))) {
        // Three times enlarged, for the labels of the current member and support.
        const QString dir = qEnvironmentVariable("KMR_SCREENSHOT_DIR");
        const QPixmap p = diagram->grab();
        p.scaled(p.size() * 3).save(QDir(dir).filePath(QStringLiteral("diagram-x3.png")));
    }
    Window().findChild<QAbstractButton*>(QStringLiteral("InputTanni1"))->click();
    pages->setCurrentIndex(3);
    QTest::qWait(50);
    Save(Window(), "member-properties-si");
    pages->setCurrentIndex(0);
    QTest::qWait(50);
    Save(Window(), "common-data-si");
    // The section check at ten spans: the tab row, a list section, plates.
    pages->setCurrentIndex(5);
    QTest::qWait(50);
    ChooseSections(Window());
    QTest::qWait(250);
    Save(Window(), "check-page-ten-spans");
    if (QWidget* bar = Window().findChild<QTabWidget*>(QStringLiteral("PageControl1"))->tabBar())
        Save(*bar, "page-tabs");

    QMenu* file = Window().menuBar()->findChild<QMenu*>("File1");
    file->popup(Window().mapToGlobal(QPoint(0, 20)));
    QTest::qWait(100);
    Save(*file, "file-menu");
    file->hide();

    Window().HelpContents();
    auto* help = Window().findChild<HelpWindow*>();
    QTest::qWait(100);
    Save(*help, "help");
    help->hide();

    dialogs.onModal = [&](QDialog& d) {
        d.show();
        QTest::qWait(100);
        Save(d, "about");
        d.hide();
        return 1;
    };
    Window().AboutClick();
}

}  // namespace
}  // namespace kmr::ui::test
