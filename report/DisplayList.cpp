#include "report/DisplayList.h"

#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "report/ReportFonts.h"

namespace kmr {
namespace {

Qt::PenStyle ToQt(PenStyleCode s) {
    switch (s) {
        case psDash:
            return Qt::DashLine;
        case psDot:
            return Qt::DotLine;
        case psDashDot:
            return Qt::DashDotLine;
        case psDashDotDot:
            return Qt::DashDotDotLine;
        case psSolid:
            break;
    }
    return Qt::SolidLine;
}

}  // namespace

Qt::BrushStyle QtBrushStyle(BrushStyleCode s) {
    switch (s) {
        case bsClear:
            return Qt::NoBrush;
        case bsSolid:
            return Qt::SolidPattern;
        case bsBDiagonal:
            return Qt::BDiagPattern;
        case bsFDiagonal:
            return Qt::FDiagPattern;
        case bsCross:
            return Qt::CrossPattern;
        case bsDiagCross:
            return Qt::DiagCrossPattern;
        case bsHorizontal:
            return Qt::HorPattern;
        case bsVertical:
            return Qt::VerPattern;
    }
    return Qt::NoBrush;
}

namespace {

// A pen of a page-unit width; a width that would be thinner than one device
// pixel is drawn one pixel wide, as a device context does.
QPen MakePen(const PenSpec& spec, const QPainter& painter) {
    QPen pen(QColor::fromRgb(spec.color));
    pen.setStyle(ToQt(spec.style));
    const double scale = std::sqrt(std::abs(painter.worldTransform().determinant()));
    if (spec.width * scale < 1.0) {
        pen.setWidth(0);  // cosmetic, one pixel
    } else {
        pen.setWidthF(spec.width);
    }
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    return pen;
}

void SetMode(QPainter& painter, PenModeCode mode) {
    const bool rasterOps =
        painter.paintEngine() && painter.paintEngine()->hasFeature(QPaintEngine::RasterOpModes);
    if (mode == pmNotXor && rasterOps) {
        painter.setCompositionMode(QPainter::RasterOp_NotSourceXorDestination);
    } else {
        painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    }
}

QRectF BoxOf(const DrawOp& op) {
    return QRectF(op.points[0], op.points[1]).normalized();
}

// Angle in degrees of a point seen from the centre, y pointing up.
double AngleOf(QPointF centre, QPoint p) {
    return std::atan2(-(p.y() - centre.y()), p.x() - centre.x()) * 180.0 / M_PI;
}

void DrawArc(QPainter& painter, const DrawOp& op) {
    const QRectF box = BoxOf(op);
    const double start = AngleOf(box.center(), op.points[2]);
    double span = AngleOf(box.center(), op.points[3]) - start;
    while (span <= 0) span += 360.0;
    painter.drawArc(box, static_cast<int>(std::lround(start * 16)),
                    static_cast<int>(std::lround(span * 16)));
}

void DrawText(QPainter& painter, const DrawOp& op) {
    painter.save();
    if (op.clip) painter.setClipRect(*op.clip, Qt::IntersectClip);
    painter.setPen(QColor::fromRgb(op.font.color));
    painter.setFont(MakeQFont(op.font));
    painter.translate(op.box.x(), op.box.y());
    if (op.font.escapement != 0) painter.rotate(-op.font.escapement / 10.0);
    painter.drawText(QPointF(0, op.ascent), op.text);
    painter.restore();
}

bool HasPoints(const DrawOp& op) {
    switch (op.kind) {
        case OpKind::Arc:
            return op.points.size() >= 4;
        case OpKind::Polygon:
            return !op.points.empty();
        case OpKind::Text:
            return true;
        default:
            return op.points.size() >= 2;
    }
}

void DrawShape(QPainter& painter, const DrawOp& op) {
    painter.setPen(MakePen(op.pen, painter));
    QBrush brush(QColor::fromRgb(op.brush.color), QtBrushStyle(op.brush.style));
    painter.setBrush(brush);
    SetMode(painter, op.pen.mode);
    switch (op.kind) {
        case OpKind::Line:
            painter.drawLine(op.points[0], op.points[1]);
            break;
        case OpKind::Rect:
            painter.drawRect(BoxOf(op));
            break;
        case OpKind::Ellipse:
            painter.drawEllipse(BoxOf(op));
            break;
        case OpKind::Arc:
            DrawArc(painter, op);
            break;
        case OpKind::Polygon:
            painter.drawPolygon(op.points.data(), static_cast<int>(op.points.size()));
            break;
        case OpKind::Text:
            break;
    }
}

}  // namespace

std::vector<const DrawOp*> PageRecord::Texts() const {
    std::vector<const DrawOp*> out;
    for (const DrawOp& op : ops) {
        if (op.kind == OpKind::Text) out.push_back(&op);
    }
    return out;
}

const DrawOp* PageRecord::FindText(const QString& text) const {
    for (const DrawOp& op : ops) {
        if (op.kind == OpKind::Text && op.text == text) return &op;
    }
    return nullptr;
}

void ReplayPage(const PageRecord& page, QPainter& painter) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    for (const DrawOp& op : page.ops) {
        if (op.kind == OpKind::Text) {
            DrawText(painter, op);
        } else if (HasPoints(op)) {
            DrawShape(painter, op);
        }
    }
    painter.restore();
}

void PaintPage(const PageRecord& page, QPainter& painter, const QRectF& target) {
    if (page.size.isEmpty()) return;
    painter.save();
    painter.translate(target.topLeft());
    painter.scale(target.width() / page.size.width(), target.height() / page.size.height());
    if (page.clip) painter.setClipRect(*page.clip, Qt::IntersectClip);
    ReplayPage(page, painter);
    painter.restore();
}

}  // namespace kmr
