#include "ui/preview/PreviewZoom.h"

namespace kmr {

QRect WholePageRect(QSize box, double aspect) {
    const int boxW = box.width(), boxH = box.height();
    if (boxW > 0 && aspect > static_cast<double>(boxH) / boxW) {
        const int height = std::max(1, boxH - 2 * kImageMargin);
        const int width = static_cast<int>(height / aspect);
        return QRect((boxW - width) / 2, kImageMargin, width, height);
    }
    const int width = std::max(1, boxW - 2 * kImageMargin);
    const int height = static_cast<int>(width * aspect);
    return QRect(kImageMargin, (boxH - height) / 2, width, height);
}

QRect PageWidthRect(int clientWidth, double aspect) {
    const int width = std::max(1, clientWidth - 2 * kImageMargin);
    return QRect(kImageMargin, kImageMargin, width, static_cast<int>(width * aspect));
}

std::optional<QRect> ZoomOutRect(QRect image, double aspect) {
    if (image.width() <= kMinZoomWidth) return std::nullopt;
    const int width = image.width() * 90 / 100;
    return QRect(image.topLeft(), QSize(width, static_cast<int>(width * aspect)));
}

std::optional<QRect> ZoomInRect(QRect image, double aspect, QSize screen) {
    if (image.width() >= 2 * screen.width() || image.height() >= 3 * screen.height()) {
        return std::nullopt;
    }
    const int width = image.width() * 100 / 90;
    return QRect(image.topLeft(), QSize(width, static_cast<int>(width * aspect)));
}

PageRecord TractorFeedOverlay(const PageGeometry& g, QColor holeColor) {
    PageRecord page;
    page.size = QSize(g.width, g.height);
    DrawOp hole;
    hole.kind = OpKind::Ellipse;
    hole.pen.color = holeColor.darker(130).rgb();
    hole.brush = BrushSpec{bsSolid, holeColor.rgb()};
    for (int y = 63; y + 20 <= g.height; y += 127) {
        for (const int x : {63, g.width - 63}) {
            hole.points = {QPoint(x - 20, y - 20), QPoint(x + 20, y + 20)};
            page.ops.push_back(hole);
        }
    }
    DrawOp line;
    line.kind = OpKind::Line;
    line.pen.style = psDot;
    line.pen.color = qRgb(128, 128, 128);
    for (const int x : {127, g.width - 127}) {
        line.points = {QPoint(x, 0), QPoint(x, g.height)};
        page.ops.push_back(line);
    }
    return page;
}

}  // namespace kmr
