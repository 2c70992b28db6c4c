// drwPaper: the image of the screen load diagram (698 × 155, white). Every
// operation drawn on it is painted at once and kept, from the last fresh
// start on, so that tests read the drawing back.
#pragma once

#include <QImage>
#include <QWidget>
#include <vector>

#include "edit/ScreenCanvas.h"

namespace kmr::ui {

class DiagramView : public QWidget, public ScreenSink {
  public:
    static constexpr int kWidth = 698;
    static constexpr int kHeight = 155;

    explicit DiagramView(QWidget* parent);

    // Discards the picture: a white image of the control's size, no
    // operations.
    void Fresh();
    void Add(const DrawOp& op) override;

    const std::vector<DrawOp>& Ops() const { return ops_; }
    const QImage& Image() const { return image_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QImage image_;
    std::vector<DrawOp> ops_;
};

}  // namespace kmr::ui
