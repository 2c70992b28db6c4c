#include "FileDrop.h"

#include <QApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QTimer>
#include <QUrl>
#include <QWidget>

#include "DocumentFiles.h"

namespace kmr::ui {

QString DroppedDataFile(const QMimeData* mime) {
    if (!mime || !mime->hasUrls() || mime->urls().size() != 1) return QString();
    const QUrl url = mime->urls().front();
    if (!url.isLocalFile()) return QString();
    const QString path = url.toLocalFile();
    return HasDataExtension(path) ? path : QString();
}

FileDropFilter::FileDropFilter(QWidget& window, std::function<void(const QString&)> open)
    : window_(window), open_(std::move(open)) {
    window_.setAcceptDrops(true);
    qApp->installEventFilter(this);
}

FileDropFilter::~FileDropFilter() {
    qApp->removeEventFilter(this);
}

bool FileDropFilter::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop) {
        return false;
    }
    auto* widget = qobject_cast<QWidget*>(watched);
    auto* drop = static_cast<QDropEvent*>(event);
    if (!widget || widget->window() != &window_ || !drop->mimeData()->hasUrls()) return false;
    const QString path = DroppedDataFile(drop->mimeData());
    if (path.isEmpty()) {
        drop->ignore();
        return true;
    }
    drop->acceptProposedAction();
    // The question about unsaved changes is modal: it waits until the drag
    // and drop has finished.
    if (type == QEvent::Drop) QTimer::singleShot(0, this, [this, path] { open_(path); });
    return true;
}

}  // namespace kmr::ui
