// TMainF: construction of the window (menus, tool bar, panel, pages, status
// bar) and the start-up sequence. The commands are in MainCommands.cpp.
#include "MainForm.h"

#include <QAction>
#include <QApplication>
#include <QBoxLayout>
#include <QCoreApplication>
#include <QDate>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QLayout>
#include <QLocale>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QStyle>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>

#include "AppFonts.h"
#include "AppPaths.h"
#include "AppTitle.h"
#include "EditHistory.h"
#include "Editor.h"
#include "FileDrop.h"
#include "Messages.h"
#include "ToolIcons.h"
#include "UserDialogs.h"
#include "Version.h"
#include "check/CheckPage.h"
#include "dialogs/YoungList.h"
#include "edit/PageParts.h"
#include "report/PageDocument.h"
#include "results/ResultsPage.h"
#include "ui/preview/PaperForm.h"
#include "ui/preview/PrinterSettings.h"

namespace kmr::ui {
namespace {

constexpr int kClientWidth = 712;
constexpr int kClientHeight = 540;
constexpr int kToolBarHeight = 30;
constexpr int kPanelTop = kToolBarHeight + 2;
constexpr int kPanelHeight = 161;
constexpr int kPagesTop = kPanelTop + kPanelHeight + 2;

// A Delphi-style hint "short|long": the tool tip is the short part, the
// status tip the long one.
void SetHint(QAction* a, const QString& hint) {
    const int bar = hint.indexOf(QLatin1Char('|'));
    a->setToolTip(bar < 0 ? hint : hint.left(bar));
    a->setStatusTip(bar < 0 ? hint : hint.mid(bar + 1));
}

QAction* MakeAction(QObject* owner, const char* name, const QString& text) {
    auto* a = new QAction(text, owner);
    a->setObjectName(QString::fromLatin1(name));
    return a;
}

QString EscapeMnemonic(QString text) {
    return text.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

}  // namespace

TMainF::TMainF(UserDialogs* dialogs, QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("MainF"));
    if (dialogs) {
        dialogs_ = dialogs;
    } else {
        ownedDialogs_ = std::make_unique<QtUserDialogs>(this);
        dialogs_ = ownedDialogs_.get();
    }
    setFont(PGothicFont(13));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("ClientArea"));
    client->setFixedSize(kClientWidth, kClientHeight);
    setCentralWidget(client);
    BuildActions();
    BuildMenus();
    BuildToolBar(client);
    BuildPages(client);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    drop_ =
        std::make_unique<FileDropFilter>(*this, [this](const QString& p) { OpenDroppedFile(p); });
    StartUp();
}

// The preview window refers to the document and the printer settings: it
// goes first.
TMainF::~TMainF() {
    delete paperForm_;
}

void TMainF::BuildActions() {
    fileOpen1_ = MakeAction(this, "FileOpen1", QStringLiteral("開く(&O)..."));
    connect(fileOpen1_, &QAction::triggered, this, [this] { MenuFileOpenClick(); });
    fileSaveAs1_ = MakeAction(this, "FileSaveAs1", QStringLiteral("名前を付けて保存(&A)..."));
    connect(fileSaveAs1_, &QAction::triggered, this, [this] { FileSaveAs(); });
    fileExit1_ = MakeAction(this, "FileExit1", QStringLiteral("終了(&X)"));
    SetHint(fileExit1_, QStringLiteral("終了|アプリケーションを終了する"));
    fileExit1_->setIcon(ExitIcon());
    connect(fileExit1_, &QAction::triggered, this, &QWidget::close);
    fileOverWrite_ = MakeAction(this, "FileOverWrite", QStringLiteral("上書き保存(&S)"));
    connect(fileOverWrite_, &QAction::triggered, this, [this] { FileOverWriteExecute(); });
    helpContents1_ = MakeAction(this, "HelpContents1", QStringLiteral("目次(&C)"));
    SetHint(helpContents1_, QStringLiteral("ヘルプの目次"));
    connect(helpContents1_, &QAction::triggered, this, [this] { HelpContents(); });
}

void TMainF::BuildMenus() {
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    QMenu* file = bar->addMenu(QStringLiteral("ファイル(&F)"));
    file->setObjectName(QStringLiteral("File1"));
    newData_ = MakeAction(this, "NewData", QStringLiteral("新規データ(&N)"));
    newData_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    connect(newData_, &QAction::triggered, this, [this] { NewDataClick(); });
    menuFileOpen_ = MakeAction(this, "MenuFileOpen", QStringLiteral("開く(&O)..."));
    menuFileOpen_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    connect(menuFileOpen_, &QAction::triggered, fileOpen1_, &QAction::trigger);
    menuFileOverwrite_ = MakeAction(this, "MenuFileOverwrite", QStringLiteral("上書き保存(&S)"));
    menuFileOverwrite_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    menuFileOverwrite_->setEnabled(false);
    connect(menuFileOverwrite_, &QAction::triggered, fileOverWrite_, &QAction::trigger);
    menuFileSaveAs_ = MakeAction(this, "MenuFileSaveAs", fileSaveAs1_->text());
    connect(menuFileSaveAs_, &QAction::triggered, fileSaveAs1_, &QAction::trigger);
    file->addActions({newData_, menuFileOpen_});
    file->addSeparator();
    file->addActions({menuFileOverwrite_, menuFileSaveAs_});
    useFile0_ = file->addSeparator();
    useFile0_->setObjectName(QStringLiteral("UseFile0"));
    useFile0_->setVisible(false);
    for (int n = 1; n <= RecentFiles::kCount; ++n) {
        QAction* item = MakeAction(this, "", QString());
        item->setObjectName(QStringLiteral("UseFile%1").arg(n));
        item->setData(n);  // the Tag
        item->setVisible(false);
        connect(item, &QAction::triggered, this, [this, n] { UseFileClick(n); });
        file->addAction(item);
        useFile_[n] = item;
    }
    file->addSeparator();
    file->addAction(fileExit1_);

    BuildEditMenu(bar->addMenu(QStringLiteral("編集(&E)")));

    QMenu* view = bar->addMenu(QStringLiteral("表示(&V)"));
    view->setObjectName(QStringLiteral("View1"));
    QAction* p1 = view->addAction(QStringLiteral("計算書(&P)"), this, [this] { BitBtn1Click(); });
    p1->setObjectName(QStringLiteral("P1"));
    QAction* r2 =
        view->addAction(QStringLiteral("荷重図再表示(&R)"), this, [this] { BitBtn2Click(); });
    r2->setObjectName(QStringLiteral("R2"));

    QMenu* settings = bar->addMenu(QStringLiteral("設定(&S)"));
    settings->setObjectName(QStringLiteral("Settings1"));
    QAction* y1 = settings->addAction(QStringLiteral("ヤング係数の登録(&E)"), this,
                                      [this] { YoungRegistrationClick(); });
    y1->setObjectName(QStringLiteral("Y1"));

    QMenu* help = bar->addMenu(QStringLiteral("ヘルプ(&H)"));
    help->setObjectName(QStringLiteral("Help1"));
    QAction* contents = help->addAction(helpContents1_->text());
    contents->setObjectName(QStringLiteral("Contents1"));
    connect(contents, &QAction::triggered, helpContents1_, &QAction::trigger);
    help->addSeparator();
    QAction* about =
        help->addAction(QStringLiteral("バージョン情報(&V)"), this, [this] { AboutClick(); });
    about->setObjectName(QStringLiteral("About1"));
}

void TMainF::BuildToolBar(QWidget* parent) {
    auto* coolBar = new QFrame(parent);
    coolBar->setObjectName(QStringLiteral("CoolBar1"));
    coolBar->setFrameShape(QFrame::StyledPanel);
    coolBar->setGeometry(0, 0, kClientWidth, kToolBarHeight);
    auto* bar = new QToolBar(coolBar);
    bar->setObjectName(QStringLiteral("ToolBar1"));
    bar->setGeometry(2, 1, kClientWidth - 4, kToolBarHeight - 2);
    bar->setIconSize(QSize(20, 20));
    const struct {
        const char* name;
        QIcon icon;
        const char* hint;
        std::function<void()> command;
    } buttons[] = {
        {"ToolButton1", style()->standardIcon(QStyle::SP_FileIcon), "新規データ",
         [this] { NewDataClick(); }},
        {"ToolButton2", style()->standardIcon(QStyle::SP_DialogOpenButton),
         "開く|既存のファイルを開く", [this] { MenuFileOpenClick(); }},
        {"ToolButton3", style()->standardIcon(QStyle::SP_DialogSaveButton), "上書き保存",
         [this] { FileOverWriteExecute(); }},
        {nullptr, {}, nullptr, {}},
        {"ToolButton5", style()->standardIcon(QStyle::SP_FileDialogContentsView),
         "計算書プレビュー", [this] { BitBtn1Click(); }},
        {"ToolButton6", style()->standardIcon(QStyle::SP_BrowserReload), "荷重図再表示",
         [this] { BitBtn2Click(); }},
        {nullptr, {}, nullptr, {}},
        {"ToolButton8", HelpIcon(), "ヘルプの目次", [this] { helpContents1_->trigger(); }},
        {nullptr, {}, nullptr, {}},
        {"ToolButton10", ExitIcon(), "終了します", [this] { close(); }},
    };
    for (const auto& b : buttons) {
        if (!b.name) {
            bar->addSeparator();
            continue;
        }
        auto* tb = new QToolButton(bar);
        tb->setObjectName(QString::fromLatin1(b.name));
        tb->setIcon(b.icon);
        const QString hint = QString::fromUtf8(b.hint);
        const int sep = hint.indexOf(QLatin1Char('|'));
        tb->setToolTip(sep < 0 ? hint : hint.left(sep));
        tb->setStatusTip(sep < 0 ? hint : hint.mid(sep + 1));
        tb->setAutoRaise(true);
        connect(tb, &QToolButton::clicked, this, b.command);
        bar->addWidget(tb);
        if (qstrcmp(b.name, "ToolButton3") == 0) toolButton3_ = tb;
    }
}

void TMainF::BuildPages(QWidget* parent) {
    auto* panel1 = new QFrame(parent);
    panel1->setObjectName(QStringLiteral("Panel1"));
    panel1->setGeometry((kClientWidth - 704) / 2, kPanelTop, 704, kPanelHeight);
    panel1->setAutoFillBackground(true);
    QPalette pal = panel1->palette();
    pal.setColor(QPalette::Window, Qt::white);
    panel1->setPalette(pal);

    pageControl_ = new QTabWidget(parent);
    pageControl_->setObjectName(QStringLiteral("PageControl1"));
    pageControl_->setGeometry(0, kPagesTop, kClientWidth, kClientHeight - kPagesTop);
    const char* titles[] = {"共通データ", "部材荷重", "節点荷重", "部材別 断面２次ﾓｰﾒﾝﾄ・ﾔﾝｸﾞ係数"};
    const char* areas[] = {"CommonDataArea", "MemberLoadArea", "NodeLoadArea", "MemberPropsArea"};
    QWidget* content[kMemberPropsPage + 1] = {};
    for (int i = kCommonDataPage; i <= kMemberPropsPage; ++i) {
        auto* sheet = new QWidget;
        sheet->setObjectName(QStringLiteral("TabSheet%1").arg(i + 1));
        auto* box = new QVBoxLayout(sheet);
        box->setContentsMargins(0, 0, 0, 0);
        box->setSpacing(0);
        content[i] = new QWidget(sheet);
        content[i]->setObjectName(QString::fromLatin1(areas[i]));
        box->addWidget(content[i], 1);
        if (i == kCommonDataPage) BuildStatusBar(sheet);
        pageControl_->addTab(sheet, QString::fromUtf8(titles[i]));
    }

    auto* corner = new QWidget(pageControl_);
    auto* row = new QHBoxLayout(corner);
    row->setContentsMargins(0, 0, 2, 0);
    row->setSpacing(4);
    auto* calc = new QPushButton(QStringLiteral("計算書"), corner);
    calc->setObjectName(QStringLiteral("BitBtn1"));
    calc->setToolTip(QStringLiteral("計算書のプレビューを行います"));
    calc->setIcon(style()->standardIcon(QStyle::SP_FileDialogContentsView));
    connect(calc, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
    auto* redraw = new QPushButton(QStringLiteral("荷重図 再描画"), corner);
    redraw->setObjectName(QStringLiteral("BitBtn2"));
    redraw->setToolTip(QStringLiteral("入力荷重データを再描画します"));
    redraw->setIcon(style()->standardIcon(QStyle::SP_BrowserReload));
    connect(redraw, &QPushButton::clicked, this, [this] { BitBtn2Click(); });
    row->addWidget(calc);
    row->addWidget(redraw);
    pageControl_->setCornerWidget(corner, Qt::TopRightCorner);

    editor_ = MakeEditor(state_, *dialogs_, this,
                         {panel1, content[kCommonDataPage], content[kMemberLoadPage],
                          content[kNodeLoadPage], content[kMemberPropsPage]});
    resultsPage_ =
        new ResultsPage([this](QString* reason) { return LiveModel(reason); }, *dialogs_, true);
    resultsPage_->Follow(this);
    pageControl_->addTab(resultsPage_, QStringLiteral("計算結果"));
    checkPage_ = new CheckPage(
        state_, *dialogs_, [this](QString* reason) { return LiveModel(reason); },
        [this] { editor_->ShowAllMemberProperties(); });
    checkPage_->Follow(this);
    pageControl_->addTab(checkPage_, QStringLiteral("断面検定"));
    UseNarrowTabs(pageControl_->tabBar());  // the six tabs beside the buttons
    connect(pageControl_, &QTabWidget::currentChanged, this,
            [this](int index) { PageControl1Change(index); });
}

void TMainF::ShowDocument() {
    RunCommand([this] { editor_->ShowDocument(); });
    LivePagesFollowModel();
}

void TMainF::LivePagesFollowModel() {
    resultsPage_->ModelChanged();
    checkPage_->ModelChanged();
}

void TMainF::BuildStatusBar(QWidget* page) {
    auto* bar = new QStatusBar(page);
    bar->setObjectName(QStringLiteral("StatusBar1"));
    bar->setSizeGripEnabled(false);
    statusDate_ = new QLabel(bar);
    statusDate_->setObjectName(QStringLiteral("StatusPanel0"));
    statusDate_->setFixedWidth(100);
    statusVersion_ = new QLabel(bar);
    statusVersion_->setObjectName(QStringLiteral("StatusPanel1"));
    bar->addWidget(statusDate_);
    bar->addWidget(statusVersion_, 1);
    page->layout()->addWidget(bar);
}

void TMainF::StartUp() {
    {
        auto store = OpenSettings();
        ReadSettings(*store, state_.Settings);
        state_.Units = ReadDefaultUnits(*store);
        state_.DiagramDefault = ReadDiagramDefault(*store);
        state_.CheckDefault = ReadCheckDefault(*store);
    }
    const VersionInfo& version = ProgramVersion();
    state_.Settings.AppExeName =
        QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    state_.Settings.Title = SettingsTitle();
    state_.Settings.Ver = version.VersionDigits;
    ApplyStartValues(state_.Settings);
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect work = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    state_.Preview = InitialPreviewForm(state_.Settings, work);
    SetUpPreview();

    statusDate_->setText(QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat));
    statusVersion_->setText(QStringLiteral("Ver.") + version.VersionText);
    state_.DocumentPath = NewDocumentPath();
    state_.RecentFilesPath = RecentFilesPath();
    state_.DefaultsFilePath = DefaultsFilePath();
    kmr::InitProgramModel(state_.Model, version.VersionText.left(5).toStdString());

    UpdateCaption();
    pageControl_->setCurrentIndex(kCommonDataPage);
    state_.CurrentMember = 1;
    state_.CurrentSupport = 1;
    state_.IsUntitled = true;
    state_.ActivePage = kCommonDataPage;

    state_.Recent.Read(state_.RecentFilesPath);
    UpdateRecentMenu();
    ResetToNewDocument();
    state_.DefaultsFileState = ReadDefaultsFile(state_.DefaultsFilePath, state_.Defaults);
    if (state_.DefaultsFileState == DefaultsRead::Missing) {
        SeedYoungList(state_.Defaults);  // a new installation starts with a list
    }
    state_.PageBreakFlag = state_.Defaults.PageBreakDefault();
    ShowDocument();
    state_.IsModified = false;

    // Centred at its final size: the fixed-size layout sets it once it is
    // activated.
    layout()->activate();
    if (screen) move(work.center() - rect().center());
    history_->Restart();
    history_->OfferLeftCopies();
}

void TMainF::UpdateCaption() {
    setWindowTitle(msg::Caption(state_.DocumentPath));
}

void TMainF::UpdateRecentMenu() {
    bool any = false;
    for (int n = 1; n <= RecentFiles::kCount; ++n) {
        const QString& entry = state_.Recent.Entry(n);
        useFile_[n]->setText(EscapeMnemonic(entry));
        useFile_[n]->setVisible(!entry.isEmpty());
        any = any || !entry.isEmpty();
    }
    useFile0_->setVisible(any);
}

void TMainF::EnableOverwrite() {
    menuFileOverwrite_->setEnabled(true);
    toolButton3_->setEnabled(true);
}

}  // namespace kmr::ui
