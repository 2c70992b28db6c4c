// TPaper, the print preview window: tool bar, page image in a scroll box,
// status bar "Page  n/m", zoom, navigation, printing, the page's pop-up menu
// and a close confirmation that remembers the window's placement.
#pragma once

#include <QDialog>
#include <QRect>
#include <memory>

#include "report/PageDocument.h"
#include "ui/preview/PreviewDialogs.h"
#include "ui/preview/PrinterSettings.h"

class QAction;
class QLabel;
class QMenu;
class QPrinter;
class QScrollArea;
class QToolBar;

namespace kmr {

class PageView;
class PageScrollArea;

// The placement the main window stores with its settings (PVMaxFlag 1 when
// the preview was maximised when it closed; else its bounds in pixels).
struct PreviewPlacement {
    int PVMaxFlag = 0;
    int WindLeft = 0;
    int WindTop = 0;
    int WindWid = 0;
    int WindHei = 0;
    // Bounds were remembered (a 0 x 0 window is none).
    bool HasBounds() const { return WindWid > 0 && WindHei > 0; }
};

// The PDF file proposed for printing without a printer: the data file's
// name with ".pdf" in the data file's folder; the documents folder (or the
// home folder) when that folder does not exist; the title as the name when
// there is no data file.
QString SuggestedPdfPath(const QString& documentPath, const QString& title);

class TPaper : public QDialog {
    Q_OBJECT
  public:
    // The window of doc, printing through printer (both outlive the window).
    TPaper(TplPrev& doc, TplSetPrinter& printer, QWidget* parent = nullptr);
    ~TPaper() override;

    // The questions and dialogs; not owned. nullptr: message boxes.
    void SetDialogs(PreviewDialogs* dialogs) { dialogs_ = dialogs; }

    // Remembered placement: read by the main window after closing, applied
    // on activation when the window is not maximised.
    PreviewPlacement placement;
    // The printer-settings file written before and read after a print dialog.
    QString plvPath = DefaultPlvPath();
    // The data file of the report (SuggestedPdfPath).
    QString documentPath;

    // Binds the document and shows the window modally; returns when it has
    // closed. A printer that prints to Acrobat gets every page at once
    // instead; a window already visible is refused with a message.
    void ShowPreview();

    // Binds the document: caption from Title, page 1, the zoom of ZoomType,
    // window state and bounds from the document's Form properties.
    void Bind();

    int CurrentPage() const { return current_; }
    void GoToPage(int page);
    QRect ImageRect() const { return image_; }
    // Zoom of ZoomType again (whole page, page width) or as it stands.
    void Relayout();
    void ZoomOut();
    void ZoomIn();
    // ztOther with the image at this width (same corner).
    void SetImageWidth(int width);

    // 印刷: the print dialog, then the chosen pages. このページのみ印刷: the
    // displayed page after an OK. 現在の頁をコピー: image and PDF to the clipboard.
    void Print();
    void PrintThisPage();
    void CopyPage();

    QMenu* PagePopup() const { return popup_; }

  protected:
    void done(int result) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void BuildToolBar();
    void BuildPopup();
    QAction* AddTool(const char* name, const QString& caption, const QString& hint);
    void ShowPage();
    void UpdateButtons();
    void SetImage(QRect image, QSize canvas);
    void LayoutWholePage();
    void LayoutPageWidth();
    QSize CanvasFor(QRect image) const;
    QSize ScreenSize() const;
    PreviewDialogs& Dialogs();
    QPrinter& Printer();
    bool PrepareOutput(QPrinter& printer);
    void PrintRange(QPrinter& printer, int from, int to);
    void RememberPlacement();

    TplPrev& doc_;
    TplSetPrinter& settings_;
    PreviewDialogs* dialogs_ = nullptr;
    std::unique_ptr<PreviewDialogs> messageBoxes_;
    std::unique_ptr<QPrinter> printer_;
    int current_ = 1;
    QRect image_;
    bool activated_ = false;

    QToolBar* toolBar_ = nullptr;
    PageScrollArea* scroll_ = nullptr;
    PageView* view_ = nullptr;
    QLabel* pagePanel_ = nullptr;
    QMenu* popup_ = nullptr;
    QAction* print_ = nullptr;
    QAction* first_ = nullptr;
    QAction* prev_ = nullptr;
    QAction* next_ = nullptr;
    QAction* last_ = nullptr;
    QAction* zoomOut_ = nullptr;
    QAction* zoomIn_ = nullptr;
    QAction* whole_ = nullptr;
    QAction* width_ = nullptr;
    QAction* close_ = nullptr;
};

}  // namespace kmr
