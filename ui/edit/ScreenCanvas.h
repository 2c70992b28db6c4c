// Drawing of the screen load diagram as a list of operations in pixels, so
// that the geometry can be read back from what was drawn. The operations are
// those of the report's pages (report/DisplayList.h); this file holds the
// screen's own drawer. The screen primitives take positions in scaled
// drawing units (drawing units times the diagram scale) and put them at
// value x 100 pixels, rounded to the nearest pixel; the far corner of
// rectangles, circles and arc boxes is rounded up.
//
// On the screen the geometry of an operation reads (pixels):
//   Rect, Ellipse, Arc  the far corner points[1] is exclusive
//   Arc                 counter-clockwise on the screen
//   Text                top-left corner box.topLeft(); the font height is
//                       the pixel size of the point size at 96 pixels per
//                       inch, negated; a solid brush fills the text's box
//                       behind it
// Only the pen colour and width are used (solid, copy).
#pragma once

#include <QColor>
#include <QPoint>
#include <QString>
#include <vector>

#include "report/DisplayList.h"

class QPainter;

namespace kmr::ui {

// Where screen drawing goes.
class ScreenSink {
  public:
    virtual ~ScreenSink() = default;
    virtual void Add(const DrawOp& op) = 0;
};

// Keeps the operations only (tests, and the diagram view's record).
class ScreenRecorder : public ScreenSink {
  public:
    void Add(const DrawOp& op) override { ops.push_back(op); }
    std::vector<DrawOp> ops;
};

// Paints one operation as the screen shows it.
void PaintScreenOp(const DrawOp& op, QPainter& painter);

// Pixel conversions of the screen primitives.
int ToPixel(double v);    // round(v × 100)
int ToPixelUp(double v);  // ceil(v × 100)

// The four font kinds of the screen: 1 "ＭＳ 明朝", 2 "ＭＳＰ 明朝",
// 3 "ＭＳ ゴシック", 4 "ＭＳＰ ゴシック".
QString ScreenFontFace(int kind);

struct ScreenPoint {
    double x = 0;
    double y = 0;
};

// Text with its top-left corner at (x, y); bsSolid fills the text's box with
// brushColor behind it.
void DrawText(ScreenSink& sink, const QString& text, int pointSize, const QColor& brushColor,
              const QColor& fontColor, BrushStyleCode brushStyle, bool bold, int fontKind,
              int angle, double x, double y);
void DrawLine(ScreenSink& sink, double x1, double y1, double x2, double y2, int penWidth,
              const QColor& pen);
void DrawRect(ScreenSink& sink, double x1, double y1, double x2, double y2, int penWidth,
              const QColor& pen, BrushStyleCode brushStyle, const QColor& brushColor);
void DrawCircle(ScreenSink& sink, double cx, double cy, double r, int penWidth, const QColor& pen,
                BrushStyleCode brushStyle, const QColor& brushColor);
// Counter-clockwise from startDeg to endDeg (degrees from +x, y up).
void DrawArc(ScreenSink& sink, double cx, double cy, double r, double startDeg, double endDeg,
             int penWidth, const QColor& pen);
void DrawPolygon(ScreenSink& sink, const std::vector<ScreenPoint>& points, int penWidth,
                 const QColor& pen, BrushStyleCode brushStyle, const QColor& brushColor);

}  // namespace kmr::ui
