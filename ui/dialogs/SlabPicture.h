// The picture at the top of the slab load dialog, drawn by the program: the
// slab in plan with the 45° lines that divide it, the share carried by the
// member, and the resulting load along the span.
#pragma once

#include <QPixmap>

namespace kmr::ui {

constexpr int kSlabPictureWidth = 206;
constexpr int kSlabPictureHeight = 111;

// loadType 4 (台形: the member on the long side, Lx the short side) or 5
// (三角: the member on the short side, Ly the long side).
QPixmap DrawSlabPicture(int loadType);

}  // namespace kmr::ui
