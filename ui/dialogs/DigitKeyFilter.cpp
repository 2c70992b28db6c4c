#include "DigitKeyFilter.h"

#include <QKeyEvent>

namespace kmr::ui {

bool DigitKeyFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) return true;
    const QString text = key->text();
    if (text.isEmpty()) return false;
    if (key->modifiers() & Qt::ControlModifier) {
        const int k = key->key();
        return !(k == Qt::Key_C || k == Qt::Key_V || k == Qt::Key_X);
    }
    const QChar c = text.front();
    if (c == u'\b') return false;
    return !((c >= u'0' && c <= u'9') || c == u'.');
}

}  // namespace kmr::ui
