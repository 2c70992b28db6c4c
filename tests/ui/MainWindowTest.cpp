// The main window as it starts, its menus, tool bar and pages, closing with
// its writes, help and the about box.
#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QTabWidget>
#include <QTextBrowser>
#include <QToolButton>
#include <QTranslator>

#include "AppPaths.h"
#include "HelpWindow.h"
#include "Messages.h"
#include "WindowFixture.h"

namespace kmr::ui::test {
namespace {

const QString kTitle = QStringLiteral("PLOV-Kmr /連続梁応力算定");

using MainWindowTest = WindowFixture;

TEST_F(MainWindowTest, StartsWithNoSettingsNoDefaultsFileAndNoList) {
    WindowState& s = State();
    EXPECT_EQ(s.Model.Header.SpanCount, 2);
    EXPECT_EQ(s.DocumentPath, QDir(home.path()).filePath(QStringLiteral("新規データ")));
    EXPECT_TRUE(s.IsUntitled);
    EXPECT_FALSE(s.IsModified);
    EXPECT_EQ(s.CurrentMember, 1);
    EXPECT_EQ(s.CurrentSupport, 1);
    EXPECT_EQ(s.ActivePage, 0);
    EXPECT_EQ(Window().windowTitle(), QStringLiteral("新規データ    ") + kTitle);
    for (const QString* v : {&s.Settings.MainMaxFlag, &s.Settings.PVMaxFlag, &s.Settings.WindLeft,
                             &s.Settings.WindTop, &s.Settings.WindWid, &s.Settings.WindHei}) {
        EXPECT_EQ(*v, QLatin1String("0"));
    }
    EXPECT_TRUE(s.Preview.Maximised);  // no stored size: 80 % of the work area, maximised
    EXPECT_EQ(s.Units.Input, 0);
    EXPECT_EQ(s.Model.Header.InputUnit, 0);
    EXPECT_FALSE(s.PageBreakFlag);
    EXPECT_GT(s.Defaults.YoungE(1), 0.0);  // the starting list of a new installation
    EXPECT_EQ(s.DefaultsFileState, DefaultsRead::Missing);
    EXPECT_EQ(s.Recent.FilledCount(), 0);
    for (int n = 0; n <= 10; ++n) {
        QAction* item = Action(QStringLiteral("UseFile%1").arg(n).toLatin1().constData());
        ASSERT_NE(item, nullptr) << n;
        EXPECT_FALSE(item->isVisible()) << n;
    }
    EXPECT_FALSE(Action("MenuFileOverwrite")->isEnabled());
    EXPECT_TRUE(Find<QToolButton>("ToolButton3")->isEnabled());
    EXPECT_EQ(Find<QTabWidget>("PageControl1")->currentIndex(), 0);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(MainWindowTest, ClientAreaFontAndCaption) {
    EXPECT_EQ(Find<QWidget>("ClientArea")->size(), QSize(712, 540));
    EXPECT_EQ(Find<QWidget>("Panel1")->size(), QSize(704, 161));
    EXPECT_EQ(Window().font().family(), QStringLiteral("ＭＳ Ｐゴシック"));
    EXPECT_EQ(Window().font().pixelSize(), 13);
    EXPECT_FALSE(Window().windowFlags() & Qt::WindowMaximizeButtonHint);
    Window().adjustSize();
    EXPECT_EQ(Window().minimumSize(), Window().maximumSize());  // fixed size
}

// The window titles are exactly their own texts: no application display
// name for Qt to append, the main window centred at its final size, and the
// Young's modulus dialogs centred on it.
TEST_F(MainWindowTest, TitlesAndPlacesOfTheWindows) {
    EXPECT_EQ(QGuiApplication::applicationDisplayName(), QCoreApplication::applicationName());
    const QPoint screen = QGuiApplication::primaryScreen()->availableGeometry().center();
    EXPECT_LE((Window().geometry().center() - screen).manhattanLength(), 1);
    QStringList titles;
    std::vector<QPoint> centres;
    dialogs.onModal = [&](QDialog& d) {
        titles << d.windowTitle();
        centres.push_back(d.geometry().center());
        return 0;
    };
    Window().YoungRegistrationClick();
    Find<QTabWidget>("PageControl1")->setCurrentIndex(3);
    Find<QPushButton>("BtnYngSel2")->click();
    Action("About1")->trigger();
    EXPECT_EQ(titles, QStringList({QStringLiteral("ヤング係数の登録    PLOV-Kmr /連続梁応力算定"),
                                   QStringLiteral("ヤング係数の選択    PLOV-Kmr /連続梁応力算定"),
                                   QStringLiteral("バージョン情報")}));
    ASSERT_EQ(centres.size(), 3u);
    for (int i : {0, 1}) {
        EXPECT_LE(
            (centres[static_cast<std::size_t>(i)] - Window().geometry().center()).manhattanLength(),
            1)
            << i;
    }
}

// Qt's own texts (standard buttons, file dialogs) in Japanese.
TEST_F(MainWindowTest, QtSpeaksJapanese) {
    QTranslator* qt = InstallQtTranslation();
    ASSERT_NE(qt, nullptr) << "qtbase_ja missing: install qt6-translations-l10n";
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"),
              QStringLiteral("キャンセル"));
    EXPECT_NE(QCoreApplication::translate("QFileDialog", "Look in:"), QStringLiteral("Look in:"));
    QCoreApplication::removeTranslator(qt);
    delete qt;
}

TEST_F(MainWindowTest, MenuItemsCarryTheirCaptionsAndShortcuts) {
    const struct {
        const char* name;
        const char* text;
        const char* shortcut;
    } items[] = {
        {"NewData", "新規データ(&N)", "Ctrl+N"},
        {"MenuFileOpen", "開く(&O)...", "Ctrl+O"},
        {"MenuFileOverwrite", "上書き保存(&S)", "Ctrl+S"},
        {"MenuFileSaveAs", "名前を付けて保存(&A)...", ""},
        {"FileExit1", "終了(&X)", ""},
        {"P1", "計算書(&P)", ""},
        {"R2", "荷重図再表示(&R)", ""},
        {"Y1", "ヤング係数の登録(&E)", ""},
        {"Contents1", "目次(&C)", ""},
        {"About1", "バージョン情報(&V)", ""},
    };
    for (const auto& i : items) {
        QAction* a = Action(i.name);
        ASSERT_NE(a, nullptr) << i.name;
        EXPECT_EQ(a->text(), QString::fromUtf8(i.text)) << i.name;
        EXPECT_EQ(a->shortcut().toString(), QString::fromLatin1(i.shortcut)) << i.name;
    }
    EXPECT_EQ(Action("FileExit1")->toolTip(), QStringLiteral("終了"));
    EXPECT_EQ(Action("FileExit1")->statusTip(), QStringLiteral("アプリケーションを終了する"));
}

TEST_F(MainWindowTest, ToolBarButtonsAndTabRowButtonsCarryTheirHints) {
    const struct {
        const char* name;
        const char* hint;
    } buttons[] = {
        {"ToolButton1", "新規データ"},   {"ToolButton2", "開く"},
        {"ToolButton3", "上書き保存"},   {"ToolButton5", "計算書プレビュー"},
        {"ToolButton6", "荷重図再表示"}, {"ToolButton8", "ヘルプの目次"},
        {"ToolButton10", "終了します"},
    };
    for (const auto& b : buttons) {
        auto* tb = Find<QToolButton>(b.name);
        ASSERT_NE(tb, nullptr) << b.name;
        EXPECT_EQ(tb->toolTip(), QString::fromUtf8(b.hint)) << b.name;
    }
    EXPECT_EQ(Find<QToolButton>("ToolButton2")->statusTip(),
              QStringLiteral("既存のファイルを開く"));
    auto* calc = Find<QPushButton>("BitBtn1");
    auto* redraw = Find<QPushButton>("BitBtn2");
    ASSERT_TRUE(calc && redraw);
    EXPECT_EQ(calc->text(), QStringLiteral("計算書"));
    EXPECT_EQ(calc->toolTip(), QStringLiteral("計算書のプレビューを行います"));
    EXPECT_EQ(redraw->text(), QStringLiteral("荷重図 再描画"));
    EXPECT_EQ(redraw->toolTip(), QStringLiteral("入力荷重データを再描画します"));
}

TEST_F(MainWindowTest, FourPagesAndTheStatusBarOnTheFirst) {
    auto* pages = Find<QTabWidget>("PageControl1");
    ASSERT_EQ(pages->count(), 6);  // and the results and check pages after them
    const char* titles[] = {"共通データ", "部材荷重", "節点荷重", "部材別 断面２次ﾓｰﾒﾝﾄ・ﾔﾝｸﾞ係数"};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(pages->tabText(i), QString::fromUtf8(titles[i]));
    auto* bar = Find<QStatusBar>("StatusBar1");
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->parentWidget()->objectName(), QStringLiteral("TabSheet1"));
    auto* date = Find<QLabel>("StatusPanel0");
    EXPECT_EQ(date->width(), 100);
    EXPECT_EQ(date->text(), QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat));
    EXPECT_EQ(Find<QLabel>("StatusPanel1")->text(), QStringLiteral("Ver.3.0.6"));
}

TEST_F(MainWindowTest, PageChangeIsRecordedAndLeavesTheFlag) {
    auto* pages = Find<QTabWidget>("PageControl1");
    State().IsModified = true;
    pages->setCurrentIndex(2);
    EXPECT_EQ(State().ActivePage, 2);
    EXPECT_TRUE(State().IsModified);
}

TEST_F(MainWindowTest, CloseAsksAndOnlyYesCloses) {
    Window().show();
    dialogs.answers = {Button::No};
    EXPECT_FALSE(Window().close());
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, QStringLiteral("終了しますか..."));
    EXPECT_EQ(dialogs.messages[0].buttons, Button::Yes | Button::No);
    EXPECT_EQ(dialogs.beeps, 0);
    EXPECT_FALSE(QFile::exists(Path("_RecentFile.dat")));

    State().IsModified = true;
    dialogs.Clear();
    dialogs.answers = {Button::No};
    EXPECT_FALSE(Window().close());
    EXPECT_EQ(dialogs.beeps, 1);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text,
              QStringLiteral(" Data: \r\n' 新規データ '\r\n\r\nを保存せず終了しますか..."));
    dialogs.answers = {Button::Yes};
    EXPECT_TRUE(Window().close());
}

TEST_F(MainWindowTest, ClosingWritesListDefaultsSettingsAndUnits) {
    const QString doc = MakeVersion3("beam.KMX", 3, 6.0);
    Window().show();
    dialogs.openAnswers = {doc};
    Window().MenuFileOpenClick();
    State().Settings.InstallDirectory = QStringLiteral("kept");
    State().Defaults.SetPageBreakDefault(true);
    State().Units = {1, 1};
    dialogs.answers = {Button::Yes};
    ASSERT_TRUE(Window().close());

    EXPECT_EQ(ReadAll(Path("_RecentFile.dat")), "1" + doc.toUtf8() + "\r\n");
    const QByteArray def = ReadAll(Path("PLOVKmr.def"));
    ASSERT_EQ(def.size(), 864);
    EXPECT_EQ(def[0], 1);
    QSettings store(Path("PLOV-Kmr.ini"), QSettings::IniFormat);
    EXPECT_EQ(store.value("Ver").toString(), QLatin1String("306"));
    EXPECT_EQ(store.value("Title").toString(), QStringLiteral("連続梁応力算定"));
    EXPECT_EQ(store.value("AppExeName").toString(),
              QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName());
    EXPECT_EQ(store.value("InstallDirectory").toString(), QLatin1String("kept"));
    EXPECT_EQ(store.value("PVMaxFlag").toString(), QLatin1String("1"));
    EXPECT_EQ(store.value("WindWid").toString(), QLatin1String("0"));
    EXPECT_EQ(store.value("InputTanni").toString(), QLatin1String("1"));
    EXPECT_EQ(store.value("OutputTanni").toString(), QLatin1String("1"));
}

TEST_F(MainWindowTest, TheNextStartReadsWhatTheLastOneWrote) {
    const QString doc = MakeVersion3("beam.KMX", 3, 6.0);
    Window().show();
    dialogs.openAnswers = {doc};
    Window().MenuFileOpenClick();
    State().Units = {1, 0};
    State().Defaults.SetPageBreakDefault(true);
    dialogs.answers = {Button::Yes};
    ASSERT_TRUE(Window().close());
    window.reset();

    WindowState& s = State();
    EXPECT_EQ(s.Recent.Entry(1), doc);
    EXPECT_TRUE(Action("UseFile1")->isVisible());
    EXPECT_EQ(Action("UseFile1")->text(), doc);
    EXPECT_FALSE(Action("UseFile2")->isVisible());
    EXPECT_EQ(s.Units.Input, 1);
    EXPECT_EQ(s.Model.Header.InputUnit, 1);  // new data takes the default units
    EXPECT_EQ(s.Model.Header.OutputUnit, 0);
    EXPECT_TRUE(s.PageBreakFlag);
    EXPECT_FALSE(s.IsModified);
}

TEST_F(MainWindowTest, HelpOpensTheUserGuideInsideTheProgram) {
    Action("Contents1")->trigger();
    auto* help = Window().findChild<HelpWindow*>();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    const QString text = help->Browser()->toPlainText();
    for (const char* topic : {"スパン", "支点", "部材荷重", "節点荷重", "計算書", ".KMX", "単位"}) {
        EXPECT_TRUE(text.contains(QString::fromUtf8(topic))) << topic;
    }
    Find<QToolButton>("ToolButton8")->click();
    EXPECT_EQ(Window().findChildren<HelpWindow*>().size(), 1);
}

TEST_F(MainWindowTest, AboutBoxShowsNameAndVersion) {
    QString version, name, sub, caption;
    bool okDefault = false;
    dialogs.onModal = [&](QDialog& d) {
        caption = d.windowTitle();
        version = d.findChild<QLabel*>("Version")->text();
        name = d.findChild<QLabel*>("ProductName")->text();
        sub = d.findChild<QLabel*>("ProductNameSub")->text();
        okDefault = d.findChild<QPushButton*>("OKButton")->isDefault();
        EXPECT_EQ(d.size(), QSize(304, 204));
        EXPECT_EQ(d.geometry().center(),
                  QGuiApplication::primaryScreen()->availableGeometry().center());
        return 1;
    };
    Action("About1")->trigger();
    ASSERT_EQ(dialogs.modalDialogs.size(), 1u);
    EXPECT_EQ(dialogs.modalDialogs[0], QStringLiteral("AboutBoxF"));
    EXPECT_EQ(caption, QStringLiteral("バージョン情報"));
    EXPECT_EQ(version, QStringLiteral("Ver.3.0.6"));
    EXPECT_EQ(name, QStringLiteral("PLOV-Kmr／連続梁応力算定"));
    EXPECT_EQ(sub, QStringLiteral("連続梁応力算定プログラム"));
    EXPECT_TRUE(okDefault);
}

// The window renders at its fixed size; KMR_SCREENSHOT_DIR keeps the image
// for a look by eye.
TEST_F(MainWindowTest, RendersAtItsFixedSize) {
    Window().show();
    const QPixmap shot = Window().grab();
    EXPECT_EQ(shot.width(), 712);
    EXPECT_GE(shot.height(), 540);
    const QString dir = qEnvironmentVariable("KMR_SCREENSHOT_DIR");
    if (!dir.isEmpty()) shot.save(QDir(dir).filePath(QStringLiteral("main-window.png")));
}

}  // namespace
}  // namespace kmr::ui::test
