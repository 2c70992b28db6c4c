// Recorded pages: every page of a report is a list of drawing operations in
// page units of 0.1 mm measured from the top-left corner of the paper. The
// same list is replayed onto the screen, a printer or a PDF, and tests read
// it directly. The screen load diagram records the same operations in pixels
// and draws them with its own drawer (ui/edit/ScreenCanvas.h).
#pragma once

#include <QColor>
#include <QPoint>
#include <QRect>
#include <QString>
#include <optional>
#include <vector>

class QPainter;

namespace kmr {

// Pen style codes of the report primitives.
enum PenStyleCode { psSolid = 0, psDash = 1, psDot = 2, psDashDot = 3, psDashDotDot = 4 };
// Pen mode codes: copy, or not-xor (honoured only on raster devices).
enum PenModeCode { pmCopy = 0, pmNotXor = 1 };
// Brush style codes; the brush colour matters only when the style is not bsClear.
enum BrushStyleCode {
    bsClear = 0,
    bsSolid = 1,
    bsBDiagonal = 2,  // backward diagonal hatch
    bsFDiagonal = 3,  // forward diagonal hatch
    bsCross = 4,
    bsDiagCross = 5,
    bsHorizontal = 6,
    bsVertical = 7,
};

struct PenSpec {
    QRgb color = qRgb(0, 0, 0);
    int width = 1;  // page units
    PenStyleCode style = psSolid;
    PenModeCode mode = pmCopy;
    bool operator==(const PenSpec& o) const {
        return color == o.color && width == o.width && style == o.style && mode == o.mode;
    }
};

struct BrushSpec {
    BrushStyleCode style = bsClear;
    QRgb color = qRgb(255, 255, 255);
    bool operator==(const BrushSpec& o) const { return style == o.style && color == o.color; }
};

// A font as the report asks for it: a face name (substituted by an installed
// face, see ReportFonts.h) and a height. A negative height is the character
// height without internal leading, in the units of the list (page units on a
// report page, pixels on the screen).
struct FontSpec {
    QString face;
    int height = -37;        // 10.5 pt
    int widthPercent = 100;  // character width relative to the face's own
    int escapement = 0;      // tenths of a degree, counter-clockwise
    QRgb color = qRgb(0, 0, 0);
    bool bold = false;
    bool operator==(const FontSpec& o) const {
        return face == o.face && height == o.height && widthPercent == o.widthPercent &&
               escapement == o.escapement && color == o.color && bold == o.bold;
    }
};

// The Qt brush pattern of a brush style code (Qt::NoBrush for bsClear).
Qt::BrushStyle QtBrushStyle(BrushStyleCode style);

enum class OpKind { Line, Rect, Ellipse, Arc, Polygon, Text };

// One drawing operation. Geometry by kind, all in page units:
//   Line     points[0] -> points[1]
//   Rect     corners points[0] (x1, y1) and points[1] (x2, y2)
//   Ellipse  bounding box corners points[0] and points[1]
//   Arc      bounding box points[0], points[1]; start point points[2] and end
//            point points[3] on the rays from the centre; counter-clockwise
//   Polygon  the corners, closed
//   Text     box = top-left corner, advance width and line height ("Hg") of
//            the text; ascent = baseline below the top; clip when clipped.
//            The screen leaves the size and the ascent 0 (its drawer
//            measures the text) and fills the text's box with the brush
//            when the brush is solid.
struct DrawOp {
    OpKind kind = OpKind::Line;
    std::vector<QPoint> points;
    PenSpec pen;
    BrushSpec brush;
    QString text;
    FontSpec font;
    QRect box;
    int ascent = 0;
    std::optional<QRect> clip;

    // Text only: the x of the right end and the y of the bottom of the text.
    int TextRight() const { return box.x() + box.width(); }
    int TextBottom() const { return box.y() + box.height(); }
};

// One recorded page: its size, the area drawing is clipped to (the printable
// area when the document clips), and its operations in drawing order.
struct PageRecord {
    QSize size{2100, 2970};
    std::optional<QRect> clip;
    std::vector<DrawOp> ops;

    // All text operations in order, for tests and searches.
    std::vector<const DrawOp*> Texts() const;
    // The first text operation whose text equals text, or nullptr.
    const DrawOp* FindText(const QString& text) const;
};

// Draws the page's operations onto a painter whose transform already maps
// page units onto the device (see PageTransform). Nothing of the background.
void ReplayPage(const PageRecord& page, QPainter& painter);

// Sets the painter's transform so that the page of size page (page units)
// fills target (device coordinates) and replays the page, clipped to its clip.
void PaintPage(const PageRecord& page, QPainter& painter, const QRectF& target);

}  // namespace kmr
