#include "ui/preview/PaperForm.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QPrinter>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStandardPaths>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QVBoxLayout>
#include <QWheelEvent>

#include "report/PdfOutput.h"
#include "ui/preview/PageView.h"
#include "ui/preview/PreviewZoom.h"
#include "ui/preview/Printing.h"

namespace kmr {
namespace {

QString AskCloseText() {
    return QStringLiteral("印刷プレビューを閉じますか...");
}
QString AskThisPageText() {
    return QStringLiteral("現在表示されているページを印刷します...");
}

}  // namespace

QString SuggestedPdfPath(const QString& documentPath, const QString& title) {
    QString dir, name;
    if (!documentPath.isEmpty()) {
        const QFileInfo data(documentPath);
        dir = data.absolutePath();
        name = data.completeBaseName().isEmpty() ? data.fileName() : data.completeBaseName();
    }
    // Only a folder that exists: the print dialog would report a missing one
    // as not writable.
    if (dir.isEmpty() || !QFileInfo(dir).isDir()) {
        dir = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        if (dir.isEmpty() || !QFileInfo(dir).isDir()) dir = QDir::homePath();
    }
    if (name.isEmpty()) name = title.isEmpty() ? QStringLiteral("印刷プレビュー") : title;
    name.replace(QRegularExpression(QStringLiteral("[/\\\\:*?\"<>|]")), QStringLiteral("_"));
    return QDir(dir).filePath(name + QStringLiteral(".pdf"));
}

namespace {

// Maximised and work-area states fill the work area, full screen the screen.
Qt::WindowStates WindowStateOf(TFormWindowState state) {
    switch (state) {
        case fwMaximized:
        case fwWorkArea:
            return Qt::WindowMaximized;
        case fwFullScreen:
            return Qt::WindowFullScreen;
        case fwMinimized:
            return Qt::WindowMinimized;
        case fwNormal:
            break;
    }
    return Qt::WindowNoState;
}

}  // namespace

TPaper::TPaper(TplPrev& doc, TplSetPrinter& printer, QWidget* parent)
    : QDialog(parent), doc_(doc), settings_(printer) {
    setObjectName(QStringLiteral("Paper"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    setSizeGripEnabled(true);
    setMinimumSize(200, 250);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    toolBar_ = new QToolBar(this);
    toolBar_->setObjectName(QStringLiteral("ToolBar"));
    toolBar_->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    layout->addWidget(toolBar_);
    BuildToolBar();

    scroll_ = new PageScrollArea(this);
    scroll_->setObjectName(QStringLiteral("PageScroll"));
    view_ = new PageView(doc_, scroll_);
    view_->setObjectName(QStringLiteral("PageImage"));
    scroll_->setWidget(view_);
    layout->addWidget(scroll_, 1);

    auto* status = new QStatusBar(this);
    status->setObjectName(QStringLiteral("StatusBar"));
    status->setSizeGripEnabled(false);
    pagePanel_ = new QLabel(status);
    pagePanel_->setObjectName(QStringLiteral("PagePanel"));
    status->addWidget(pagePanel_);
    layout->addWidget(status);

    BuildPopup();
    for (QWidget* w : {static_cast<QWidget*>(scroll_), static_cast<QWidget*>(view_)}) {
        w->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(w, &QWidget::customContextMenuRequested, this,
                [this, w](const QPoint& pos) { popup_->popup(w->mapToGlobal(pos)); });
    }
    resize(800, 600);
}

TPaper::~TPaper() = default;

QAction* TPaper::AddTool(const char* name, const QString& caption, const QString& hint) {
    QAction* a = toolBar_->addAction(caption);
    a->setObjectName(QString::fromLatin1(name));
    a->setToolTip(hint);
    a->setStatusTip(hint);
    toolBar_->widgetForAction(a)->setObjectName(QString::fromLatin1(name) +
                                                QStringLiteral("Button"));
    return a;
}

void TPaper::BuildToolBar() {
    print_ = AddTool("Print", QStringLiteral("印刷 (&P)"), QStringLiteral("印刷"));
    toolBar_->addSeparator();
    first_ = AddTool("FirstPage", QStringLiteral("先頭頁"), QStringLiteral("先頭頁"));
    prev_ = AddTool("PrevPage", QStringLiteral("前頁"), QStringLiteral("前頁"));
    next_ = AddTool("NextPage", QStringLiteral("次頁"), QStringLiteral("次頁"));
    last_ = AddTool("LastPage", QStringLiteral("最終頁"), QStringLiteral("最終頁"));
    toolBar_->addSeparator();
    zoomOut_ = AddTool("ZoomOut", QStringLiteral("縮小"), QStringLiteral("縮小"));
    zoomIn_ = AddTool("ZoomIn", QStringLiteral("拡大"), QStringLiteral("拡大"));
    whole_ = AddTool("WholePage", QStringLiteral("全体"), QStringLiteral("全体表示"));
    width_ = AddTool("PageWidth", QStringLiteral("頁幅"), QStringLiteral("横幅基準表示"));
    toolBar_->addSeparator();
    close_ = AddTool("Close", QStringLiteral("閉じる(&X)"), QStringLiteral("閉じる"));

    QStyle* s = style();
    print_->setIcon(s->standardIcon(QStyle::SP_FileDialogDetailedView));
    first_->setIcon(s->standardIcon(QStyle::SP_MediaSkipBackward));
    prev_->setIcon(s->standardIcon(QStyle::SP_ArrowLeft));
    next_->setIcon(s->standardIcon(QStyle::SP_ArrowRight));
    last_->setIcon(s->standardIcon(QStyle::SP_MediaSkipForward));
    close_->setIcon(s->standardIcon(QStyle::SP_DialogCloseButton));

    connect(print_, &QAction::triggered, this, &TPaper::Print);
    connect(first_, &QAction::triggered, this, [this] { GoToPage(1); });
    connect(prev_, &QAction::triggered, this, [this] { GoToPage(current_ - 1); });
    connect(next_, &QAction::triggered, this, [this] { GoToPage(current_ + 1); });
    connect(last_, &QAction::triggered, this, [this] { GoToPage(doc_.PageCount()); });
    connect(zoomOut_, &QAction::triggered, this, &TPaper::ZoomOut);
    connect(zoomIn_, &QAction::triggered, this, &TPaper::ZoomIn);
    connect(whole_, &QAction::triggered, this, [this] {
        doc_.ZoomType = ztWholePage;
        Relayout();
    });
    connect(width_, &QAction::triggered, this, [this] {
        doc_.ZoomType = ztPageWidth;
        Relayout();
    });
    connect(close_, &QAction::triggered, this, &QDialog::close);
}

void TPaper::BuildPopup() {
    popup_ = new QMenu(this);
    popup_->setObjectName(QStringLiteral("PagePopup"));
    QAction* copy = popup_->addAction(QStringLiteral("現在の頁をコピー"), this, &TPaper::CopyPage);
    copy->setObjectName(QStringLiteral("CopyPageItem"));
    QAction* one =
        popup_->addAction(QStringLiteral("このページのみ印刷"), this, &TPaper::PrintThisPage);
    one->setObjectName(QStringLiteral("PrintThisPageItem"));
    popup_->addSeparator();
    QAction* cancel = popup_->addAction(QStringLiteral("キャンセル"));
    cancel->setObjectName(QStringLiteral("CancelItem"));
}

PreviewDialogs& TPaper::Dialogs() {
    if (dialogs_) return *dialogs_;
    if (!messageBoxes_) messageBoxes_ = std::make_unique<MessageBoxDialogs>();
    return *messageBoxes_;
}

QPrinter& TPaper::Printer() {
    if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *printer_;
}

// ------------------------------------------------------------ showing

void TPaper::ShowPreview() {
    if (settings_.IsAcrobat()) {
        settings_.ApplyTo(Printer());
        PrintRange(Printer(), 1, doc_.PageCount());
        return;
    }
    if (isVisible()) {
        Dialogs().Warn(
            this,
            QStringLiteral("表示中のフォームをモーダル表示で開くことはできません(矛盾)．　　"));
        return;
    }
    Bind();
    exec();
}

void TPaper::Bind() {
    setWindowTitle(doc_.Title.isEmpty() ? QStringLiteral("印刷プレビュー") : doc_.Title);
    toolBar_->setVisible(doc_.FormIconBar);
    findChild<QStatusBar*>(QStringLiteral("StatusBar"))->setVisible(doc_.FormStatusBar);
    activated_ = false;
    QRect bounds(doc_.FormLeft, doc_.FormTop, doc_.FormWidth, doc_.FormHeight);
    if (bounds.width() <= 0 || bounds.height() <= 0) {
        // 80 % of the work area, centred.
        const QRect work = screen() ? screen()->availableGeometry() : QRect(0, 0, 1024, 768);
        bounds = QRect(0, 0, work.width() * 8 / 10, work.height() * 8 / 10);
        bounds.moveCenter(work.center());
    }
    move(bounds.topLeft());
    resize(bounds.size().expandedTo(minimumSize()));
    setWindowState(WindowStateOf(doc_.FormWindowState));
    current_ = 1;
    ShowPage();
    Relayout();
}

void TPaper::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!activated_) {
        activated_ = true;
        if (!(windowState() & Qt::WindowMaximized) && placement.HasBounds()) {
            move(placement.WindLeft, placement.WindTop);
            resize(QSize(placement.WindWid, placement.WindHei).expandedTo(minimumSize()));
        }
    }
    Relayout();
}

void TPaper::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    if (doc_.ZoomType != ztOther) Relayout();
}

void TPaper::done(int result) {
    if (!Dialogs().AskYesNo(this, AskCloseText())) return;
    RememberPlacement();
    QDialog::done(result);
}

void TPaper::RememberPlacement() {
    if (isMaximized()) {
        placement.PVMaxFlag = 1;
        return;
    }
    placement.PVMaxFlag = 0;
    placement.WindLeft = pos().x();
    placement.WindTop = pos().y();
    placement.WindWid = width();
    placement.WindHei = height();
}

// ------------------------------------------------------------ pages

void TPaper::GoToPage(int page) {
    if (page < 1 || page > doc_.PageCount() || page == current_) return;
    current_ = page;
    ShowPage();
}

void TPaper::ShowPage() {
    const int count = doc_.HasPages() ? doc_.PageCount() : 0;
    current_ = count > 0 ? std::clamp(current_, 1, count) : 0;
    view_->SetPage(current_, settings_.IsTractorFeed());
    pagePanel_->setText(QStringLiteral("Page  %1/%2").arg(current_).arg(count));
    UpdateButtons();
}

void TPaper::UpdateButtons() {
    const bool any = current_ >= 1;
    print_->setEnabled(any);
    whole_->setEnabled(any);
    width_->setEnabled(any);
    first_->setEnabled(current_ > 1);
    prev_->setEnabled(current_ > 1);
    next_->setEnabled(any && current_ < doc_.PageCount());
    last_->setEnabled(any && current_ < doc_.PageCount());
    zoomOut_->setEnabled(any && ZoomOutRect(image_, doc_.Geometry().Aspect()).has_value());
    zoomIn_->setEnabled(any &&
                        ZoomInRect(image_, doc_.Geometry().Aspect(), ScreenSize()).has_value());
}

// ------------------------------------------------------------ zoom

QSize TPaper::ScreenSize() const {
    return screen() ? screen()->size() : QSize(1024, 768);
}

QSize TPaper::CanvasFor(QRect image) const {
    const QSize viewport = scroll_->viewport()->size();
    return QSize(image.right() + 1 + kImageMargin, image.bottom() + 1 + kImageMargin)
        .expandedTo(viewport);
}

void TPaper::SetImage(QRect image, QSize canvas) {
    image_ = image;
    view_->SetImage(image, canvas);
    UpdateButtons();
}

void TPaper::LayoutWholePage() {
    scroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const QSize box = scroll_->contentsRect().size();
    SetImage(WholePageRect(box, doc_.Geometry().Aspect()), box);
}

void TPaper::LayoutPageWidth() {
    // The width of the box without scroll bars; when the page is taller than
    // the box, the vertical scroll bar takes its share and the width is
    // computed again with what remains.
    const double aspect = doc_.Geometry().Aspect();
    const QRect box = scroll_->contentsRect();
    QRect image = PageWidthRect(box.width(), aspect);
    const bool tall = image.height() + 2 * kImageMargin > box.height();
    if (tall) {
        image =
            PageWidthRect(box.width() - scroll_->verticalScrollBar()->sizeHint().width(), aspect);
    }
    scroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll_->setVerticalScrollBarPolicy(tall ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    SetImage(image, QSize(image.width() + 2 * kImageMargin, image.height() + 2 * kImageMargin));
    scroll_->horizontalScrollBar()->setValue(0);
    scroll_->verticalScrollBar()->setValue(0);
}

void TPaper::Relayout() {
    if (doc_.ZoomType == ztWholePage) {
        LayoutWholePage();
    } else if (doc_.ZoomType == ztPageWidth) {
        LayoutPageWidth();
    } else {
        SetImage(image_, CanvasFor(image_));
    }
}

void TPaper::SetImageWidth(int width) {
    doc_.ZoomType = ztOther;
    scroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    scroll_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    const QRect image(image_.topLeft(),
                      QSize(width, static_cast<int>(width * doc_.Geometry().Aspect())));
    SetImage(image, CanvasFor(image));
}

void TPaper::ZoomOut() {
    const auto image = ZoomOutRect(image_, doc_.Geometry().Aspect());
    if (!image) {
        zoomOut_->setEnabled(false);
        return;
    }
    SetImageWidth(image->width());
}

void TPaper::ZoomIn() {
    const auto image = ZoomInRect(image_, doc_.Geometry().Aspect(), ScreenSize());
    if (!image) {
        zoomIn_->setEnabled(false);
        return;
    }
    SetImageWidth(image->width());
}

// ------------------------------------------------------------ printing

bool TPaper::PrepareOutput(QPrinter& printer) {
    if (printer.outputFormat() != QPrinter::PdfFormat || !printer.outputFileName().isEmpty()) {
        return true;
    }
    const QString file = Dialogs().ChoosePdfFile(this, SuggestedPdfPath(documentPath, doc_.Title));
    if (file.isEmpty()) return false;
    printer.setOutputFileName(file);
    return true;
}

void TPaper::PrintRange(QPrinter& printer, int from, int to) {
    QString error;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool ok = PrintPages(doc_, printer, from, to, &error);
    QApplication::restoreOverrideCursor();
    if (!ok) Dialogs().Warn(this, error);
}

void TPaper::Print() {
    if (!doc_.HasPages()) {
        Dialogs().Warn(this, NoPagesMessage());
        return;
    }
    // The dialog's choices hold for this job only: the settings go to the
    // ".plv" file now and come back from it afterwards.
    const TplSetPrinter before = settings_;
    settings_.SaveToFile(plvPath);
    QPrinter& printer = Printer();
    settings_.ApplyTo(printer);
    if (!settings_.HasPrinter() && printer.outputFileName().isEmpty()) {
        printer.setOutputFileName(SuggestedPdfPath(documentPath, doc_.Title));
    }
    int from = current_, to = current_;
    if (!Dialogs().RunPrintDialog(this, printer, 1, doc_.PageCount(), from, to)) return;
    print_->setEnabled(false);
    const int shown = current_;
    if (PrepareOutput(printer)) PrintRange(printer, from, to);
    current_ = shown;
    if (!settings_.LoadFromFile(plvPath)) settings_ = before;
    settings_.ApplyTo(printer);
    ShowPage();
}

void TPaper::PrintThisPage() {
    if (!Dialogs().AskOkCancel(this, AskThisPageText())) return;
    QPrinter& printer = Printer();
    settings_.ApplyTo(printer);
    if (PrepareOutput(printer)) PrintRange(printer, current_, current_);
    ShowPage();
}

void TPaper::CopyPage() {
    if (!doc_.HasPages() || current_ < 1) return;
    const PageRecord& page = doc_.Page(current_);
    // The image at 150 dpi on the paper colour, and the page as PDF vectors.
    QImage image(page.size.width() * 150 / 254, page.size.height() * 150 / 254,
                 QImage::Format_RGB32);
    image.fill(doc_.PaperColor);
    {
        QPainter p(&image);
        PaintPage(page, p, QRectF(0, 0, image.width(), image.height()));
    }
    auto* mime = new QMimeData;
    mime->setImageData(image);
    mime->setData(QStringLiteral("application/pdf"), PdfBytes(doc_, current_, current_));
    QGuiApplication::clipboard()->setMimeData(mime);
}

}  // namespace kmr
