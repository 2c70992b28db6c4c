#include "edit/ScreenCanvas.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPolygon>
#include <cmath>

namespace kmr::ui {
namespace {

constexpr double kPi = 3.14159265358979323846;

Qt::BrushStyle QtBrush(int code) {
    switch (code) {
        case 1:
            return Qt::SolidPattern;
        case 2:
            return Qt::BDiagPattern;
        case 3:
            return Qt::FDiagPattern;
        case 4:
            return Qt::CrossPattern;
        case 5:
            return Qt::DiagCrossPattern;
        case 6:
            return Qt::HorPattern;
        case 7:
            return Qt::VerPattern;
        default:
            return Qt::NoBrush;
    }
}

QFont ScreenFont(const ScreenOp& op) {
    QFont f(op.face);
    f.setPixelSize(static_cast<int>(std::lround(op.pointSize * 96.0 / 72.0)));
    f.setBold(op.bold);
    return f;
}

// The box of a rectangle, ellipse or arc: the far corner is exclusive.
QRect Box(const ScreenOp& op) {
    return QRect(op.points[0], op.points[1] - QPoint(1, 1));
}

double AngleOf(const QPointF& centre, const QPoint& p) {
    return std::atan2(-(p.y() - centre.y()), p.x() - centre.x()) * 180.0 / kPi;
}

void PaintArc(const ScreenOp& op, QPainter& painter) {
    const QRect box = Box(op);
    const QPointF centre = QRectF(op.points[0], op.points[1]).center();
    const double start = AngleOf(centre, op.points[2]);
    double span = AngleOf(centre, op.points[3]) - start;
    while (span <= 0) span += 360.0;
    painter.drawArc(box, static_cast<int>(std::lround(start * 16)),
                    static_cast<int>(std::lround(span * 16)));
}

void PaintText(const ScreenOp& op, QPainter& painter) {
    QFont font = ScreenFont(op);
    // Text on a solid background (the current member and support) is drawn
    // with crisp pixels on a box a little larger than the text: thin strokes
    // smoothed into the background would leave it grey and hard to read.
    const bool onSolid = op.brush == sbSolid;
    if (onSolid) font.setStyleStrategy(QFont::NoAntialias);
    const QFontMetrics fm(font);
    painter.save();
    painter.translate(op.points[0]);
    if (op.escapement != 0) painter.rotate(-op.escapement / 10.0);
    const QRect box(0, 0, fm.horizontalAdvance(op.text), fm.height());
    if (onSolid) painter.fillRect(box.adjusted(-2, -1, 2, 1), op.brushColor);
    painter.setFont(font);
    painter.setPen(op.fontColor);
    painter.drawText(QPoint(0, fm.ascent()), op.text);
    painter.restore();
}

ScreenOp Shape(ScreenOpKind kind, int penWidth, const QColor& pen, int brushStyle,
               const QColor& brushColor) {
    ScreenOp op;
    op.kind = kind;
    op.penWidth = penWidth;
    op.pen = pen;
    op.brush = brushStyle;
    op.brushColor = brushColor;
    return op;
}

}  // namespace

int ToPixel(double v) {
    return static_cast<int>(std::lround(v * 100.0));
}

int ToPixelUp(double v) {
    return static_cast<int>(std::ceil(v * 100.0));
}

QString ScreenFontFace(int kind) {
    switch (kind) {
        case 2:
            return QStringLiteral("ＭＳＰ 明朝");
        case 3:
            return QStringLiteral("ＭＳ ゴシック");
        case 4:
            return QStringLiteral("ＭＳＰ ゴシック");
        default:
            return QStringLiteral("ＭＳ 明朝");
    }
}

void PaintScreenOp(const ScreenOp& op, QPainter& painter) {
    if (op.kind == ScreenOpKind::Text) {
        PaintText(op, painter);
        return;
    }
    painter.setPen(QPen(op.pen, op.penWidth));
    painter.setBrush(op.brush == sbClear ? QBrush(Qt::NoBrush)
                                         : QBrush(op.brushColor, QtBrush(op.brush)));
    switch (op.kind) {
        case ScreenOpKind::Line:
            painter.drawLine(op.points[0], op.points[1]);
            break;
        case ScreenOpKind::Rect:
            painter.drawRect(Box(op));
            break;
        case ScreenOpKind::Ellipse:
            painter.drawEllipse(Box(op));
            break;
        case ScreenOpKind::Arc:
            PaintArc(op, painter);
            break;
        case ScreenOpKind::Polygon:
            painter.drawPolygon(QPolygon(QList<QPoint>(op.points.begin(), op.points.end())));
            break;
        case ScreenOpKind::Text:
            break;
    }
}

void DrawText(ScreenSink& sink, const QString& text, int pointSize, const QColor& brushColor,
              const QColor& fontColor, int brushStyle, bool bold, int fontKind, int angle, double x,
              double y) {
    ScreenOp op;
    op.kind = ScreenOpKind::Text;
    op.points = {QPoint(ToPixel(x), ToPixel(y))};
    op.text = text;
    op.pointSize = pointSize;
    op.brush = brushStyle;
    op.brushColor = brushColor;
    op.fontColor = fontColor;
    op.bold = bold;
    op.face = ScreenFontFace(fontKind);
    op.escapement = angle * 10;
    sink.Add(op);
}

void DrawLine(ScreenSink& sink, double x1, double y1, double x2, double y2, int penWidth,
              const QColor& pen) {
    ScreenOp op = Shape(ScreenOpKind::Line, penWidth, pen, sbClear, Qt::white);
    op.points = {QPoint(ToPixel(x1), ToPixel(y1)), QPoint(ToPixel(x2), ToPixel(y2))};
    sink.Add(op);
}

void DrawRect(ScreenSink& sink, double x1, double y1, double x2, double y2, int penWidth,
              const QColor& pen, int brushStyle, const QColor& brushColor) {
    ScreenOp op = Shape(ScreenOpKind::Rect, penWidth, pen, brushStyle, brushColor);
    op.points = {QPoint(ToPixel(x1), ToPixel(y1)), QPoint(ToPixelUp(x2), ToPixelUp(y2))};
    sink.Add(op);
}

void DrawCircle(ScreenSink& sink, double cx, double cy, double r, int penWidth, const QColor& pen,
                int brushStyle, const QColor& brushColor) {
    ScreenOp op = Shape(ScreenOpKind::Ellipse, penWidth, pen, brushStyle, brushColor);
    op.points = {QPoint(ToPixel(cx - r), ToPixel(cy - r)),
                 QPoint(ToPixelUp(cx + r), ToPixelUp(cy + r))};
    sink.Add(op);
}

void DrawArc(ScreenSink& sink, double cx, double cy, double r, double startDeg, double endDeg,
             int penWidth, const QColor& pen) {
    ScreenOp op = Shape(ScreenOpKind::Arc, penWidth, pen, sbClear, Qt::white);
    const double a0 = startDeg * kPi / 180.0;
    const double a1 = endDeg * kPi / 180.0;
    op.points = {QPoint(ToPixel(cx - r), ToPixel(cy - r)),
                 QPoint(ToPixelUp(cx + r), ToPixelUp(cy + r)),
                 QPoint(ToPixel(cx + r * std::cos(a0)), ToPixel(cy - r * std::sin(a0))),
                 QPoint(ToPixel(cx + r * std::cos(a1)), ToPixel(cy - r * std::sin(a1)))};
    sink.Add(op);
}

void DrawPolygon(ScreenSink& sink, const std::vector<ScreenPoint>& points, int penWidth,
                 const QColor& pen, int brushStyle, const QColor& brushColor) {
    ScreenOp op = Shape(ScreenOpKind::Polygon, penWidth, pen, brushStyle, brushColor);
    for (const ScreenPoint& p : points) op.points.emplace_back(ToPixel(p.x), ToPixel(p.y));
    sink.Add(op);
}

}  // namespace kmr::ui
