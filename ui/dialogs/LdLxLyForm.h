// TLdLxLyF "全スパン荷重入力": one slab dimension turned into the fields of a
// trapezoid (台形) or triangle (三角) load over the whole span.
#pragma once

#include <QDialog>
#include <optional>

#include "SlabLoad.h"

class QLabel;
class QLineEdit;

namespace kmr::ui {

class UserDialogs;

class TLdLxLyF : public QDialog {
    Q_OBJECT

  public:
    explicit TLdLxLyF(UserDialogs& dialogs, QWidget* parent = nullptr);

    // Before every showing: the load type (4 or 5) and the span length text;
    // empties MmLxLy and gives it the focus.
    void Prepare(int loadType, const QString& spanText);
    // The fields written by "O K" (nullopt until then).
    const std::optional<SlabLoadFields>& Result() const { return result_; }

    // "O K": the typed dimension turned into the fields of the load over
    // the span; a text that is not a number or a refused dimension is
    // shown and the dialog stays open.
    void ComputeLoadFields();

    // The handler the button calls, under its name.
    void BtnOKClick() { ComputeLoadFields(); }

  private:
    UserDialogs& dialogs_;
    int loadType_ = kTrapezoidLoad;
    QLabel* picture_;
    QLabel* label1_;
    QLabel* label2_;
    QLabel* spanL_;
    QLineEdit* lxly_;
    std::optional<SlabLoadFields> result_;
};

}  // namespace kmr::ui
