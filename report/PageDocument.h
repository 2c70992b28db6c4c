// TplPrev, the recorded report document, and RecordingCanvas, the drawing surface
// of the page being recorded. Pages are display lists (DisplayList.h) in
// page units of 0.1 mm from the top-left corner of the paper.
#pragma once

#include <QColor>
#include <QFontMetricsF>
#include <QHash>
#include <QString>
#include <memory>
#include <vector>

#include "report/DisplayList.h"
#include "report/ReportFonts.h"

namespace kmr {

// Page geometry in page units (0.1 mm): the paper, and the printable area
// (offsets from the paper corner, size). Without a printer: A4 portrait,
// printable everywhere.
struct PageGeometry {
    int width = 2100;
    int height = 2970;
    QRect printable{0, 0, 2100, 2970};
    double Aspect() const { return width > 0 ? static_cast<double>(height) / width : 1.0; }
    bool operator==(const PageGeometry& o) const {
        return width == o.width && height == o.height && printable == o.printable;
    }
};

// Converts a printer's device metrics into page units: the paper size is
// truncated, the printable offsets rounded up, the printable size truncated.
PageGeometry GeometryFromDevice(QSize paperPixels, QRect printablePixels, int dpiX, int dpiY);

// Whatever supplies the page geometry of the selected printer (the printer
// settings of the preview layer). The document asks it on every BeginDoc.
class PageGeometrySource {
  public:
    virtual ~PageGeometrySource() = default;
    virtual PageGeometry Geometry() const = 0;
};

// Where a text stands against its reference: left of, centred on or right of
// an x (or within a table cell); below, centred on or above a y (Top puts
// the top of the text at the y).
enum class TextAlign {
    Left = 0,
    Center = 1,
    Right = 2,
    Top = Left,
    Middle = Center,
    Bottom = Right,
};

// The canvas of the page being recorded. Coordinates are page units. It
// keeps the current pen, brush, font and pen position like a device context.
class RecordingCanvas {
  public:
    RecordingCanvas();
    // It points into its own page and caches: not to be copied.
    RecordingCanvas(const RecordingCanvas&) = delete;
    RecordingCanvas& operator=(const RecordingCanvas&) = delete;

    // Font.
    void SetFontSize(double points);  // height = -round(points * 254 / 72)
    void SetFontHeight(int height);
    void SetFontName(const QString& face);
    void SetFontColor(QColor color);
    void SetFont(const FontSpec& font) { font_ = font; }
    const FontSpec& Font() const { return font_; }

    // Pen and brush.
    void SetPenColor(QColor color);
    void SetPenWidth(int width);
    void SetPenStyle(PenStyleCode style) { pen_.style = style; }
    void SetPenMode(PenModeCode mode) { pen_.mode = mode; }
    void SetPen(const PenSpec& pen) { pen_ = pen; }
    const PenSpec& Pen() const { return pen_; }
    void SetBrush(BrushStyleCode style, QColor color = Qt::white);
    const BrushSpec& Brush() const { return brush_; }

    // Shapes; rectangles and ellipses take two corners.
    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    QPoint PenPos() const { return penPos_; }
    void Rectangle(int x1, int y1, int x2, int y2);
    void Ellipse(int x1, int y1, int x2, int y2);
    // Counter-clockwise arc of the ellipse in the box from the ray through
    // (xs, ys) to the ray through (xe, ye).
    void Arc(int x1, int y1, int x2, int y2, int xs, int ys, int xe, int ye);
    void Polygon(const std::vector<QPoint>& points);

    // Text. Width and height ("Hg") of a text in the current font.
    int TextWidth(const QString& text);
    int TextHeight();
    // Top-left corner at (x, y).
    void TextOut(int x, int y, const QString& text);
    // (x, y) is the point of the text that h (Left, Center, Right) and v
    // (Top, Middle, Bottom) name.
    void TextAnchored(int x, int y, const QString& text, TextAlign h, TextAlign v);
    // Clipped to the cell (x1, y1)-(x2, y2), aligned Left, Center or Right.
    // A text wider than the cell is drawn in a narrower font (smaller
    // character width) until it fits, so that no digit or sign is cut.
    void TextInCell(int x1, int y1, int x2, int y2, const QString& text, TextAlign align);
    // Top-left anchored with a temporary font of the given character width
    // percentage and escapement; the current font stays as it was.
    void TextScaled(int x, int y, const QString& text, int widthPercent, int escapement = 0);

    // The page the canvas records into (set by TplPrev).
    void Attach(PageRecord* page) { page_ = page; }
    // Pen black, solid, width 1; brush clear; pen position (0, 0). The font
    // is kept, as a new page carries the current font over.
    void ResetForNewPage();

  private:
    DrawOp& Add(OpKind kind, std::vector<QPoint> points);
    void AddText(int x, int y, const QString& text, const FontSpec& font,
                 const std::optional<QRect>& clip);
    const QFontMetricsF& Metrics(const FontSpec& font);
    // The metrics of a text in a font, measured once per canvas: a report
    // repeats few texts (headers, "0.000", "----") many times.
    TextMetrics Measure(const FontSpec& font, const QString& text);

    PageRecord* page_ = nullptr;
    PageRecord scratch_;  // drawing before BeginDoc lands here and is dropped
    PenSpec pen_;
    BrushSpec brush_;
    FontSpec font_;
    QPoint penPos_;
    QHash<QString, std::shared_ptr<QFontMetricsF>> metrics_;
    // Measured texts by font key, then by text; lastTexts_ is the entry of
    // lastFont_ (the font of consecutive texts rarely changes).
    QHash<QString, QHash<QString, TextMetrics>> measured_;
    FontSpec lastFont_;
    QHash<QString, TextMetrics>* lastTexts_ = nullptr;
};

enum TZoomType { ztWholePage, ztPageWidth, ztOther };
enum TFormWindowState { fwNormal, fwMaximized, fwMinimized, fwWorkArea, fwFullScreen };

// The recorded document of the report (print preview component). The
// published properties are plain members; the preview window and printing
// live in the ui layer (ui/preview) and read them.
class TplPrev {
  public:
    TplPrev();
    TplPrev(const TplPrev&) = delete;
    TplPrev& operator=(const TplPrev&) = delete;

    // Discard all pages and start page 1: empty, pen black solid width 1,
    // font 10.5 pt. The geometry is refreshed from plSetPrinter (A4 without).
    void BeginDoc();
    // Keep the current page and start the next one; the font carries over.
    void NewPage();
    // Close the last page: PageCount = pages, current page 1, range 1..count.
    void EndDoc();

    RecordingCanvas& PageCanvas() { return canvas_; }

    // Pages recorded since BeginDoc (the page being drawn included).
    bool HasPages() const { return !pages_.empty(); }
    int RecordedPages() const { return static_cast<int>(pages_.size()); }
    // Page n, 1-based; n must be in 1..RecordedPages().
    const PageRecord& Page(int n) const { return pages_.at(static_cast<std::size_t>(n - 1)); }
    int PageCount() const { return pageCount_; }
    int CurrentPage() const { return currentPage_; }
    void SetCurrentPage(int page);
    int FromPage() const { return fromPage_; }
    int ToPage() const { return toPage_; }
    void SetPrintRange(int from, int to);

    const PageGeometry& Geometry() const { return geometry_; }
    // Refreshes the geometry from plSetPrinter (A4 when there is none).
    void RefreshGeometry();

    // Published properties.
    PageGeometrySource* plSetPrinter = nullptr;
    QString Title;
    TZoomType ZoomType = ztWholePage;
    TFormWindowState FormWindowState = fwNormal;
    QString FormName = QStringLiteral("Paper");
    int FormTop = 20;
    int FormLeft = 20;
    int FormWidth = 0;  // 0: the preview chooses
    int FormHeight = 0;
    bool FormStatusBar = true;
    bool FormIconBar = true;
    QColor PaperColor = Qt::white;
    bool ViewClip = true;
    int PrintOffsetX = 0;
    int PrintOffsetY = 0;

  private:
    void StartPage();

    std::vector<PageRecord> pages_;
    RecordingCanvas canvas_;
    PageGeometry geometry_;
    int pageCount_ = 1;
    int currentPage_ = 1;
    int fromPage_ = 1;
    int toPage_ = 1;
};

}  // namespace kmr
