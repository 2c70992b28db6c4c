// The page image of the preview and the scroll box around it.
#pragma once

#include <QScrollArea>
#include <QWidget>

#include "report/PageDocument.h"

namespace kmr {

// Paints the current page into its image rectangle: the paper colour, the
// sprocket holes of tractor-feed paper, the recorded page, a gray shadow and
// a black frame.
class PageView : public QWidget {
  public:
    PageView(const TplPrev& doc, QWidget* parent);
    void SetPage(int page, bool tractorFeed);
    // The image rectangle within a canvas of the given size.
    void SetImage(QRect image, QSize canvas);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    const TplPrev& doc_;
    int page_ = 0;
    bool tractor_ = false;
    QRect image_;
};

// Scrolls the page vertically by the wheel delta / 5.
class PageScrollArea : public QScrollArea {
  public:
    using QScrollArea::QScrollArea;

  protected:
    void wheelEvent(QWheelEvent* event) override;
};

}  // namespace kmr
