#include "SlabPicture.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include "SlabLoad.h"

namespace kmr::ui {
namespace {

const QColor kSlabFill(236, 236, 236);
const QColor kShareFill(255, 214, 170);
const QColor kBeamColour(200, 0, 0);
const QColor kLoadColour(0, 0, 192);

void DrawLabel(QPainter& p, const QRectF& box, const QString& text) {
    p.setPen(Qt::black);
    p.drawText(box, Qt::AlignCenter, text);
}

// A dimension line with arrow ends between two points.
void DrawDimension(QPainter& p, QPointF a, QPointF b) {
    p.setPen(QPen(Qt::darkGray, 1));
    p.drawLine(a, b);
    const QPointF d = (b - a) / std::max(1.0, std::hypot(b.x() - a.x(), b.y() - a.y()));
    const QPointF n(-d.y(), d.x());
    for (const auto& [tip, dir] : {std::pair{a, d}, std::pair{b, -d}}) {
        p.drawLine(tip, tip + 4 * dir + 2 * n);
        p.drawLine(tip, tip + 4 * dir - 2 * n);
    }
}

// The slab in plan: w × h with the member along the bottom edge; the 45°
// lines from the corners; the member's share filled.
void DrawPlan(QPainter& p, const QRectF& slab, bool memberOnLongSide) {
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(kSlabFill);
    p.drawRect(slab);
    const double half = std::min(slab.width(), slab.height()) / 2;
    const QPointF bl = slab.bottomLeft(), br = slab.bottomRight();
    const QPointF tl = slab.topLeft(), tr = slab.topRight();
    QPolygonF share;
    if (memberOnLongSide) {
        share << bl << QPointF(bl.x() + half, bl.y() - half)
              << QPointF(br.x() - half, br.y() - half) << br;
    } else {
        share << bl << QPointF(slab.center().x(), bl.y() - half) << br;
    }
    p.setBrush(kShareFill);
    p.drawPolygon(share);
    p.setPen(QPen(Qt::gray, 1, Qt::DashLine));
    p.drawLine(tl, QPointF(tl.x() + half, tl.y() + half));
    p.drawLine(tr, QPointF(tr.x() - half, tr.y() + half));
    p.setPen(QPen(kBeamColour, 3));
    p.drawLine(bl, br);
}

// The load along the member: the share's outline as a distributed load.
void DrawLoad(QPainter& p, const QRectF& box, bool trapezoid) {
    const double rise = trapezoid ? box.height() : box.width() / 2;
    QPolygonF shape;
    shape << box.bottomLeft();
    if (trapezoid) {
        shape << QPointF(box.left() + rise, box.top()) << QPointF(box.right() - rise, box.top());
    } else {
        shape << QPointF(box.center().x(), box.top());
    }
    shape << box.bottomRight();
    p.setPen(QPen(kLoadColour, 1));
    p.setBrush(QColor(210, 220, 255));
    p.drawPolygon(shape);
    for (double x = box.left() + 6; x < box.right() - 2; x += 8) {
        p.drawLine(QPointF(x, box.bottom() - 5), QPointF(x, box.bottom()));
    }
    p.setPen(QPen(kBeamColour, 3));
    p.drawLine(box.bottomLeft() + QPointF(0, 2), box.bottomRight() + QPointF(0, 2));
}

}  // namespace

QPixmap DrawSlabPicture(int loadType) {
    QPixmap pm(kSlabPictureWidth, kSlabPictureHeight);
    pm.fill(Qt::white);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QFont f(QStringLiteral("ＭＳ ゴシック"));
    f.setPixelSize(11);
    p.setFont(f);
    const bool trapezoid = loadType == kTrapezoidLoad;
    // Plan on the left, load on the right.
    const QRectF slab = trapezoid ? QRectF(14, 14, 84, 50) : QRectF(26, 8, 56, 78);
    DrawPlan(p, slab, trapezoid);
    if (trapezoid) {
        DrawDimension(p, slab.topRight() + QPointF(6, 0), slab.bottomRight() + QPointF(6, 0));
        DrawLabel(p, QRectF(slab.right() + 8, slab.center().y() - 8, 18, 16), QStringLiteral("Lx"));
    } else {
        DrawDimension(p, slab.topLeft() - QPointF(8, 0), slab.bottomLeft() - QPointF(8, 0));
        DrawLabel(p, QRectF(2, slab.center().y() - 8, 16, 16), QStringLiteral("Ly"));
    }
    DrawDimension(p, slab.bottomLeft() + QPointF(0, 8), slab.bottomRight() + QPointF(0, 8));
    DrawLabel(p, QRectF(slab.left(), slab.bottom() + 9, slab.width(), 14),
              QStringLiteral("スパン長"));
    const QRectF load = trapezoid ? QRectF(122, 40, 76, 24) : QRectF(122, 26, 76, 38);
    DrawLoad(p, load, trapezoid);
    DrawLabel(p, QRectF(110, load.top() - 16, 96, 14),
              trapezoid ? QStringLiteral("H = Lx/2") : QStringLiteral("H = スパン長/2"));
    DrawLabel(p, QRectF(110, 76, 96, 14), QStringLiteral("部材荷重"));
    p.setPen(QPen(Qt::gray, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, kSlabPictureWidth - 1, kSlabPictureHeight - 1));
    return pm;
}

}  // namespace kmr::ui
