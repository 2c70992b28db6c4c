// Drawing of the screen load diagram as a list of operations in pixels, so
// that the geometry can be read back from what was drawn. The screen
// primitives take positions in scaled drawing units (drawing units times the
// diagram scale) and put them at value x 100 pixels, rounded to the nearest
// pixel; the far corner of rectangles, circles and arc boxes is rounded up.
#pragma once

#include <QColor>
#include <QPoint>
#include <QString>
#include <vector>

class QPainter;

namespace kmr::ui {

// Brush style codes shared with the report primitives: 0 clear, 1 solid,
// 2 backward diagonal, 3 forward diagonal, 4 cross, 5 diagonal cross,
// 6 horizontal, 7 vertical hatch.
enum ScreenBrush { sbClear = 0, sbSolid = 1, sbBDiagonal = 2, sbVertical = 7 };

enum class ScreenOpKind { Line, Rect, Ellipse, Arc, Polygon, Text };

// One drawing operation, in pixels:
//   Line     points[0] -> points[1]
//   Rect     corners points[0] and points[1] (the far corner exclusive)
//   Ellipse  bounding box points[0], points[1]
//   Arc      bounding box points[0], points[1]; start point points[2], end
//            point points[3]; counter-clockwise on the screen
//   Polygon  the corners, closed
//   Text     top-left corner points[0]
struct ScreenOp {
    ScreenOpKind kind = ScreenOpKind::Line;
    std::vector<QPoint> points;
    QColor pen{0, 0, 0};
    int penWidth = 1;
    int brush = sbClear;
    QColor brushColor{255, 255, 255};
    // Text only.
    QString text;
    QString face;
    int pointSize = 10;
    bool bold = false;
    QColor fontColor{0, 0, 0};
    int escapement = 0;  // tenths of a degree
};

// Where screen drawing goes.
class ScreenSink {
  public:
    virtual ~ScreenSink() = default;
    virtual void Add(const ScreenOp& op) = 0;
};

// Keeps the operations only (tests, and the diagram view's record).
class ScreenRecorder : public ScreenSink {
  public:
    void Add(const ScreenOp& op) override { ops.push_back(op); }
    std::vector<ScreenOp> ops;
};

// Paints one operation as the screen shows it.
void PaintScreenOp(const ScreenOp& op, QPainter& painter);

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

// Text with its top-left corner at (x, y); brushStyle 1 fills the text's box
// with brushColor behind it.
void DrawText(ScreenSink& sink, const QString& text, int pointSize, const QColor& brushColor,
              const QColor& fontColor, int brushStyle, bool bold, int fontKind, int angle, double x,
              double y);
void DrawLine(ScreenSink& sink, double x1, double y1, double x2, double y2, int penWidth,
              const QColor& pen);
void DrawRect(ScreenSink& sink, double x1, double y1, double x2, double y2, int penWidth,
              const QColor& pen, int brushStyle, const QColor& brushColor);
void DrawCircle(ScreenSink& sink, double cx, double cy, double r, int penWidth, const QColor& pen,
                int brushStyle, const QColor& brushColor);
// Counter-clockwise from startDeg to endDeg (degrees from +x, y up).
void DrawArc(ScreenSink& sink, double cx, double cy, double r, double startDeg, double endDeg,
             int penWidth, const QColor& pen);
void DrawPolygon(ScreenSink& sink, const std::vector<ScreenPoint>& points, int penWidth,
                 const QColor& pen, int brushStyle, const QColor& brushColor);

}  // namespace kmr::ui
