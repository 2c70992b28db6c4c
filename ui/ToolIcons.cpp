#include "ToolIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <functional>

namespace kmr::ui {
namespace {

// Draws on a 20 × 20 design grid at 1× and 2×.
QIcon Painted(const std::function<void(QPainter&)>& draw) {
    QIcon icon;
    for (int scale : {1, 2}) {
        QPixmap pm(20 * scale, 20 * scale);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(scale, scale);
        draw(p);
        p.end();
        icon.addPixmap(pm);
    }
    return icon;
}

}  // namespace

QIcon HelpIcon() {
    return Painted([](QPainter& p) {
        p.setPen(QPen(QColor(20, 60, 140), 1));
        p.setBrush(QColor(50, 110, 200));
        p.drawEllipse(QRectF(1.5, 1.5, 17, 17));
        QFont f(QStringLiteral("Sans"));
        f.setPixelSize(14);
        f.setBold(true);
        p.setFont(f);
        p.setPen(Qt::white);
        p.drawText(QRectF(0, 0, 20, 20), Qt::AlignCenter, QStringLiteral("?"));
    });
}

QIcon ExitIcon() {
    return Painted([](QPainter& p) {
        p.setPen(QPen(QColor(90, 60, 30), 1.2));
        p.setBrush(QColor(200, 150, 90));
        p.drawRect(QRectF(3, 2, 9, 16));  // door frame
        p.setBrush(QColor(150, 100, 50));
        QPolygonF leaf;
        leaf << QPointF(3, 2) << QPointF(8, 4) << QPointF(8, 19) << QPointF(3, 18);
        p.drawPolygon(leaf);
        p.setPen(QPen(QColor(200, 40, 30), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawLine(QPointF(10, 10), QPointF(18, 10));
        p.drawLine(QPointF(15, 7), QPointF(18, 10));
        p.drawLine(QPointF(15, 13), QPointF(18, 10));
    });
}

}  // namespace kmr::ui
