#include "edit/DiagramView.h"

#include <QPainter>

namespace kmr::ui {

DiagramView::DiagramView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("drwPaper"));
    setFixedSize(kWidth, kHeight);
    Fresh();
}

void DiagramView::Fresh() {
    image_ = QImage(size(), QImage::Format_RGB32);
    image_.fill(Qt::white);
    ops_.clear();
    update();
}

void DiagramView::Add(const DrawOp& op) {
    ops_.push_back(op);
    QPainter painter(&image_);
    PaintScreenOp(op, painter);
    update();
}

void DiagramView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, image_);
}

}  // namespace kmr::ui
