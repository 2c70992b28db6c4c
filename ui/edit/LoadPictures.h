// The pictures of the load types shown in the load slots, drawn by the
// program: member loads 0..5 (集中 .. 三角), 6 for no load, and 7 for the
// node loads (force and moment). 120 × 70 pixels each.
#pragma once

#include <QPixmap>

namespace kmr::ui {

constexpr int kLoadPictureWidth = 120;
constexpr int kLoadPictureHeight = 70;

// index 0..7 as above; anything else gives the empty picture of 6.
QPixmap LoadTypePicture(int index);

}  // namespace kmr::ui
