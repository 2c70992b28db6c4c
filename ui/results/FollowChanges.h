// How the live pages (計算結果, 断面検定) follow the window: every change of
// a field's text, a combo box or a check or radio button asks for an update,
// and the requests of one turn of the event loop give one update at its end.
#pragma once

#include <QObject>
#include <functional>

class QWidget;

namespace kmr::ui {

// Connects every QLineEdit text, QComboBox index and checkable button under
// root (as they are now) to request, for as long as context lives.
void FollowChanges(QWidget* root, QObject* context, const std::function<void()>& request);

// Requests within one turn of the event loop run `run` once, at the end of
// that turn.
class CoalescedUpdate {
  public:
    CoalescedUpdate(QObject* context, std::function<void()> run)
        : context_(context), run_(std::move(run)) {}
    void Request();

  private:
    QObject* context_;
    std::function<void()> run_;
    bool pending_ = false;
};

}  // namespace kmr::ui
