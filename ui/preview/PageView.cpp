#include "ui/preview/PageView.h"

#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>

#include "ui/preview/PreviewZoom.h"

namespace kmr {

PageView::PageView(const TplPrev& doc, QWidget* parent) : QWidget(parent), doc_(doc) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PageView::SetPage(int page, bool tractorFeed) {
    page_ = page;
    tractor_ = tractorFeed;
    update();
}

void PageView::SetImage(QRect image, QSize canvas) {
    image_ = image;
    if (size() != canvas) resize(canvas);
    update();
}

void PageView::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    p.fillRect(event->rect(), palette().color(QPalette::Dark));
    if (!doc_.HasPages() || page_ < 1 || page_ > doc_.RecordedPages() || image_.isEmpty()) {
        return;
    }
    p.fillRect(image_.translated(2, 2), QColor(116, 116, 116));
    p.fillRect(image_, doc_.PaperColor);
    const PageRecord& page = doc_.Page(page_);
    if (tractor_) {
        PageGeometry g;
        g.width = page.size.width();
        g.height = page.size.height();
        PaintPage(TractorFeedOverlay(g, palette().color(QPalette::Button)), p, image_);
    }
    PaintPage(page, p, image_);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(Qt::black);
    p.setBrush(Qt::NoBrush);
    p.drawRect(image_.adjusted(-1, -1, 0, 0));
}

void PageScrollArea::wheelEvent(QWheelEvent* event) {
    QScrollBar* bar = verticalScrollBar();
    bar->setValue(bar->value() - event->angleDelta().y() / 5);
    event->accept();
}

}  // namespace kmr
