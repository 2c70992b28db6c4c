#include "results/FollowChanges.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QMetaObject>
#include <QWidget>

namespace kmr::ui {

void FollowChanges(QWidget* root, QObject* context, const std::function<void()>& request) {
    for (QLineEdit* field : root->findChildren<QLineEdit*>()) {
        QObject::connect(field, &QLineEdit::textChanged, context, request);
    }
    for (QComboBox* box : root->findChildren<QComboBox*>()) {
        QObject::connect(box, &QComboBox::currentIndexChanged, context, request);
    }
    for (QAbstractButton* button : root->findChildren<QAbstractButton*>()) {
        if (button->isCheckable()) {
            QObject::connect(button, &QAbstractButton::toggled, context, request);
        }
    }
}

void CoalescedUpdate::Request() {
    if (pending_) return;
    pending_ = true;
    QMetaObject::invokeMethod(
        context_,
        [this] {
            pending_ = false;
            run_();
        },
        Qt::QueuedConnection);
}

}  // namespace kmr::ui
