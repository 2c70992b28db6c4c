#include "edit/LoadPictures.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QPolygon>
#include <vector>

namespace kmr::ui {
namespace {

constexpr int kBeamTop = 49;
constexpr int kBeamBottom = 53;
constexpr int kLeft = 8;
constexpr int kRight = 112;
const QColor kLoadColour(200, 0, 0);

void Beam(QPainter& p, bool supports) {
    p.setPen(Qt::black);
    p.setBrush(QColor(210, 210, 210));
    p.drawRect(kLeft, kBeamTop, kRight - kLeft, kBeamBottom - kBeamTop);
    if (!supports) return;
    p.setBrush(QColor(0, 0, 200));
    p.setPen(QColor(0, 0, 200));
    for (int x : {kLeft, kRight}) {
        p.drawPolygon(QPolygon({QPoint(x, kBeamBottom), QPoint(x - 4, kBeamBottom + 7),
                                QPoint(x + 4, kBeamBottom + 7)}));
    }
}

// Ticks at the given x positions under the beam and a name centred between
// each pair.
void Dimensions(QPainter& p, const std::vector<int>& xs, const std::vector<const char*>& names) {
    p.setPen(Qt::darkGray);
    for (int x : xs) p.drawLine(x, 57, x, 68);
    p.drawLine(xs.front(), 64, xs.back(), 64);
    QFont f(QStringLiteral("ＭＳ Ｐゴシック"));
    f.setPixelSize(9);
    p.setFont(f);
    p.setPen(Qt::black);
    for (std::size_t i = 0; i + 1 < xs.size() && i < names.size(); ++i) {
        p.drawText(QRect(xs[i], 54, xs[i + 1] - xs[i], 10), Qt::AlignCenter,
                   QString::fromUtf8(names[i]));
    }
}

void Label(QPainter& p, int x, int y, const char* text) {
    QFont f(QStringLiteral("ＭＳ Ｐゴシック"));
    f.setPixelSize(10);
    p.setFont(f);
    p.setPen(kLoadColour);
    p.drawText(x, y, QString::fromUtf8(text));
}

void Arrow(QPainter& p, int x, int top, int tip) {
    p.setPen(QPen(kLoadColour, 2));
    p.drawLine(x, top, x, tip - 4);
    p.setPen(kLoadColour);
    p.setBrush(kLoadColour);
    p.drawPolygon(QPolygon({QPoint(x, tip), QPoint(x - 4, tip - 8), QPoint(x + 4, tip - 8)}));
}

void Shape(QPainter& p, const QPolygon& shape) {
    p.setPen(QPen(kLoadColour, 1));
    p.setBrush(QBrush(kLoadColour, Qt::VerPattern));
    p.drawPolygon(shape);
}

void MemberLoad(QPainter& p, int type) {
    const int y = kBeamTop - 1;
    switch (type) {
        case 0:
            Arrow(p, 48, 12, y);
            Label(p, 54, 22, "P");
            Dimensions(p, {kLeft, 48}, {"L"});
            break;
        case 1:
            Shape(p, QPolygon({QPoint(32, y), QPoint(92, y), QPoint(92, 16)}));
            Label(p, 66, 14, "WP");
            Dimensions(p, {kLeft, 32, 92}, {"L", "L1"});
            break;
        case 2:
            Shape(p, QPolygon({QPoint(32, y), QPoint(92, y), QPoint(32, 16)}));
            Label(p, 36, 14, "WP");
            Dimensions(p, {kLeft, 32, 92}, {"L", "L1"});
            break;
        case 3:
            Shape(p, QPolygon({QPoint(32, y), QPoint(92, y), QPoint(92, 22), QPoint(32, 22)}));
            Label(p, 52, 18, "WP");
            Dimensions(p, {kLeft, 32, 92}, {"L", "L1"});
            break;
        case 4:
            Shape(p, QPolygon({QPoint(24, y), QPoint(104, y), QPoint(84, 22), QPoint(44, 22)}));
            Label(p, 56, 18, "WP");
            Dimensions(p, {kLeft, 24, 44, 84}, {"L", "L1", "L2"});
            break;
        case 5:
            Shape(p, QPolygon({QPoint(28, y), QPoint(100, y), QPoint(64, 16)}));
            Label(p, 70, 16, "WP");
            Dimensions(p, {kLeft, 28, 100}, {"L", "L1"});
            break;
        default:
            break;
    }
}

void NodeLoads(QPainter& p) {
    const int x = 60;
    p.setBrush(QColor(0, 0, 200));
    p.setPen(QColor(0, 0, 200));
    p.drawPolygon(QPolygon(
        {QPoint(x, kBeamBottom), QPoint(x - 5, kBeamBottom + 8), QPoint(x + 5, kBeamBottom + 8)}));
    Arrow(p, x, 10, kBeamTop - 1);
    Label(p, x + 5, 18, "P");
    p.setPen(QPen(kLoadColour, 1));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRect(x - 18, kBeamTop - 16, 36, 36), 305 * 16, 290 * 16);
    p.setBrush(kLoadColour);
    p.drawPolygon(QPolygon({QPoint(x + 10, kBeamTop + 17), QPoint(x + 12, kBeamTop + 9),
                            QPoint(x + 17, kBeamTop + 13)}));
    Label(p, x + 20, kBeamTop - 10, "M");
}

}  // namespace

QPixmap LoadTypePicture(int index) {
    QPixmap pix(kLoadPictureWidth, kLoadPictureHeight);
    pix.fill(Qt::white);
    QPainter p(&pix);
    p.setRenderHint(QPainter::Antialiasing);
    if (index == 7) {
        Beam(p, false);
        NodeLoads(p);
    } else if (index >= 0 && index <= 5) {
        Beam(p, true);
        MemberLoad(p, index);
    } else {
        p.setPen(Qt::lightGray);
        p.drawLine(kLeft, (kBeamTop + kBeamBottom) / 2, kRight, (kBeamTop + kBeamBottom) / 2);
    }
    return pix;
}

}  // namespace kmr::ui
