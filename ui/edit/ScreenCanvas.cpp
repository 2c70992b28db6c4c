#include "edit/ScreenCanvas.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPolygon>
#include <cmath>

namespace kmr::ui {
namespace {

constexpr double kPi = 3.14159265358979323846;

QFont ScreenFont(const DrawOp& op) {
    QFont f(op.font.face);
    f.setPixelSize(-op.font.height);
    f.setBold(op.font.bold);
    return f;
}

// The box of a rectangle, ellipse or arc: the far corner is exclusive.
QRect Box(const DrawOp& op) {
    return QRect(op.points[0], op.points[1] - QPoint(1, 1));
}

double AngleOf(const QPointF& centre, const QPoint& p) {
    return std::atan2(-(p.y() - centre.y()), p.x() - centre.x()) * 180.0 / kPi;
}

void PaintArc(const DrawOp& op, QPainter& painter) {
    const QRect box = Box(op);
    const QPointF centre = QRectF(op.points[0], op.points[1]).center();
    const double start = AngleOf(centre, op.points[2]);
    double span = AngleOf(centre, op.points[3]) - start;
    while (span <= 0) span += 360.0;
    painter.drawArc(box, static_cast<int>(std::lround(start * 16)),
                    static_cast<int>(std::lround(span * 16)));
}

void PaintText(const DrawOp& op, QPainter& painter) {
    QFont font = ScreenFont(op);
    // Text on a solid background (the current member and support) is drawn
    // with crisp pixels on a box a little larger than the text: thin strokes
    // smoothed into the background would leave it grey and hard to read.
    const bool onSolid = op.brush.style == bsSolid;
    if (onSolid) font.setStyleStrategy(QFont::NoAntialias);
    const QFontMetrics fm(font);
    painter.save();
    painter.translate(op.box.topLeft());
    if (op.font.escapement != 0) painter.rotate(-op.font.escapement / 10.0);
    const QRect box(0, 0, fm.horizontalAdvance(op.text), fm.height());
    if (onSolid) painter.fillRect(box.adjusted(-2, -1, 2, 1), QColor::fromRgb(op.brush.color));
    painter.setFont(font);
    painter.setPen(QColor::fromRgb(op.font.color));
    painter.drawText(QPoint(0, fm.ascent()), op.text);
    painter.restore();
}

DrawOp Shape(OpKind kind, int penWidth, const QColor& pen, BrushStyleCode brushStyle,
             const QColor& brushColor) {
    DrawOp op;
    op.kind = kind;
    op.pen.width = penWidth;
    op.pen.color = pen.rgb();
    op.brush.style = brushStyle;
    op.brush.color = brushColor.rgb();
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

void PaintScreenOp(const DrawOp& op, QPainter& painter) {
    if (op.kind == OpKind::Text) {
        PaintText(op, painter);
        return;
    }
    painter.setPen(QPen(QColor::fromRgb(op.pen.color), op.pen.width));
    painter.setBrush(op.brush.style == bsClear
                         ? QBrush(Qt::NoBrush)
                         : QBrush(QColor::fromRgb(op.brush.color), QtBrushStyle(op.brush.style)));
    switch (op.kind) {
        case OpKind::Line:
            painter.drawLine(op.points[0], op.points[1]);
            break;
        case OpKind::Rect:
            painter.drawRect(Box(op));
            break;
        case OpKind::Ellipse:
            painter.drawEllipse(Box(op));
            break;
        case OpKind::Arc:
            PaintArc(op, painter);
            break;
        case OpKind::Polygon:
            painter.drawPolygon(QPolygon(QList<QPoint>(op.points.begin(), op.points.end())));
            break;
        case OpKind::Text:
            break;
    }
}

void DrawText(ScreenSink& sink, const QString& text, int pointSize, const QColor& brushColor,
              const QColor& fontColor, BrushStyleCode brushStyle, bool bold, int fontKind,
              int angle, double x, double y) {
    DrawOp op;
    op.kind = OpKind::Text;
    op.box = QRect(QPoint(ToPixel(x), ToPixel(y)), QSize(0, 0));
    op.text = text;
    op.font.face = ScreenFontFace(fontKind);
    op.font.height = -static_cast<int>(std::lround(pointSize * 96.0 / 72.0));
    op.font.color = fontColor.rgb();
    op.font.bold = bold;
    op.font.escapement = angle * 10;
    op.brush.style = brushStyle;
    op.brush.color = brushColor.rgb();
    sink.Add(op);
}

void DrawLine(ScreenSink& sink, double x1, double y1, double x2, double y2, int penWidth,
              const QColor& pen) {
    DrawOp op = Shape(OpKind::Line, penWidth, pen, bsClear, Qt::white);
    op.points = {QPoint(ToPixel(x1), ToPixel(y1)), QPoint(ToPixel(x2), ToPixel(y2))};
    sink.Add(op);
}

void DrawRect(ScreenSink& sink, double x1, double y1, double x2, double y2, int penWidth,
              const QColor& pen, BrushStyleCode brushStyle, const QColor& brushColor) {
    DrawOp op = Shape(OpKind::Rect, penWidth, pen, brushStyle, brushColor);
    op.points = {QPoint(ToPixel(x1), ToPixel(y1)), QPoint(ToPixelUp(x2), ToPixelUp(y2))};
    sink.Add(op);
}

void DrawCircle(ScreenSink& sink, double cx, double cy, double r, int penWidth, const QColor& pen,
                BrushStyleCode brushStyle, const QColor& brushColor) {
    DrawOp op = Shape(OpKind::Ellipse, penWidth, pen, brushStyle, brushColor);
    op.points = {QPoint(ToPixel(cx - r), ToPixel(cy - r)),
                 QPoint(ToPixelUp(cx + r), ToPixelUp(cy + r))};
    sink.Add(op);
}

void DrawArc(ScreenSink& sink, double cx, double cy, double r, double startDeg, double endDeg,
             int penWidth, const QColor& pen) {
    DrawOp op = Shape(OpKind::Arc, penWidth, pen, bsClear, Qt::white);
    const double a0 = startDeg * kPi / 180.0;
    const double a1 = endDeg * kPi / 180.0;
    op.points = {QPoint(ToPixel(cx - r), ToPixel(cy - r)),
                 QPoint(ToPixelUp(cx + r), ToPixelUp(cy + r)),
                 QPoint(ToPixel(cx + r * std::cos(a0)), ToPixel(cy - r * std::sin(a0))),
                 QPoint(ToPixel(cx + r * std::cos(a1)), ToPixel(cy - r * std::sin(a1)))};
    sink.Add(op);
}

void DrawPolygon(ScreenSink& sink, const std::vector<ScreenPoint>& points, int penWidth,
                 const QColor& pen, BrushStyleCode brushStyle, const QColor& brushColor) {
    DrawOp op = Shape(OpKind::Polygon, penWidth, pen, brushStyle, brushColor);
    for (const ScreenPoint& p : points) op.points.emplace_back(ToPixel(p.x), ToPixel(p.y));
    sink.Add(op);
}

}  // namespace kmr::ui
