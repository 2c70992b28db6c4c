// The geometry of the preview's page image: zoom rules, and the sprocket
// holes of tractor-feed paper. Pixels for the image, page units for the page.
#pragma once

#include <QRect>
#include <QSize>
#include <optional>

#include "report/DisplayList.h"
#include "report/PageDocument.h"

namespace kmr {

// Margin around the page image inside the scroll box, pixels.
constexpr int kImageMargin = 15;
// Smallest image width that can still be reduced.
constexpr int kMinZoomWidth = 100;

// Whole page inside a box (scroll bars hidden), centred along the free axis.
QRect WholePageRect(QSize box, double aspect);
// Page width: 15 pixels from the top-left, as wide as the client less 30.
QRect PageWidthRect(int clientWidth, double aspect);
// 縮小: 90 % of the width, same corner; none when the width is 100 or less.
std::optional<QRect> ZoomOutRect(QRect image, double aspect);
// 拡大: width / 0.9, same corner; none unless narrower than twice the screen
// width and lower than three times its height.
std::optional<QRect> ZoomInRect(QRect image, double aspect, QSize screen);

// The sprocket holes and tear lines of tractor-feed paper, as a page drawn
// under the recorded page: 4 mm holes 6.3 mm from each side every 12.7 mm
// from 6.3 mm down, dotted lines 12.7 mm from each side.
PageRecord TractorFeedOverlay(const PageGeometry& g, QColor holeColor);

}  // namespace kmr
