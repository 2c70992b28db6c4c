// The page "計算結果": the moment, shear and deflection diagrams of the beam
// as it is being edited, the extremes of every member and the reactions in
// the output unit, and the sign conventions. It calculates on its own copy
// of the model into its own results, so the document, its changed flag and
// the calculation command's results stay as they are.
//
// The diagrams are the report's drawing (report/StressDiagram.h) recorded
// into a one-page document sized to the page and replayed by the report's
// painter path.
#pragma once

#include <QString>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "calc/CalculatedBeam.h"
#include "model/Model.h"
#include "report/PageDocument.h"
#include "results/FollowChanges.h"

class QLabel;
class QPushButton;
class QStackedWidget;
class QTableWidget;

namespace kmr::ui {

class UserDialogs;

// The model as the window sees it, the load slots on screen included; a copy
// the page may calculate. nullopt with the reason when a field cannot be read.
using LiveModelSource = std::function<std::optional<kmr::BeamModel>(QString* reason)>;

class DiagramCanvas;

class ResultsPage : public QWidget {
  public:
    // detachable: the page offers "別ウィンドウ", a resizable window of its
    // own with the same content.
    ResultsPage(LiveModelSource source, UserDialogs& dialogs, bool detachable,
                QWidget* parent = nullptr);
    ~ResultsPage() override;

    // The update, now: the model is taken from the source, calculated and
    // shown (or its refusal shown in place of the diagrams).
    void UpdateNow();

    // The page follows every field text, combo box and check or radio
    // button under root: a change asks for an update.
    void Follow(QWidget* root);
    // The document's model changed without a control's signal (new data, a
    // file read).
    void ModelChanged() { RequestUpdate(); }

    // What the page shows: the diagrams (true) or a message.
    bool ShowsDiagrams() const;
    QString MessageText() const;
    // The recorded drawing of the diagrams as shown (page 1).
    const kmr::TplPrev& Drawing() const { return *drawing_; }
    // The extremes of every member and the reactions, tab-separated, one
    // line per member and per support (as "コピー" puts on the clipboard).
    QString ResultsText() const;

    // The buttons.
    void CopyClick();
    void SaveImageClick();
    // The diagrams and the sign conventions as an image: SVG when the name
    // ends in ".svg" (any case), PNG otherwise. False when it cannot be written.
    bool SaveImage(const QString& path) const;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    // Changes within one turn of the event loop give one update, at the end
    // of that turn, and only while the page is visible (it updates when it
    // is shown).
    void RequestUpdate();
    void ShowMessage(const QString& text);
    void ShowResults();
    void FillTables();
    void Redraw();
    void Detach();

    LiveModelSource source_;
    UserDialogs& dialogs_;
    std::unique_ptr<kmr::TplPrev> drawing_;
    QStackedWidget* stack_ = nullptr;
    DiagramCanvas* canvas_ = nullptr;
    QLabel* message_ = nullptr;
    QTableWidget* extremes_ = nullptr;
    QTableWidget* reactions_ = nullptr;
    QPushButton* copy_ = nullptr;
    QPushButton* save_ = nullptr;

    std::vector<QWidget*> followed_;  // roots passed to Follow, for Detach
    CoalescedUpdate update_{this, [this] {
                                if (isVisible()) UpdateNow();
                            }};
    bool valid_ = false;
    kmr::BeamModel model_;  // the names of members and supports
    kmr::CalculatedBeam beam_;
};

// Draws the diagrams of a calculated model into doc as one page of
// widthCm x heightCm, the labels at the report's sizes; the sign conventions
// below them when signLine is set.
void RecordResultsDrawing(kmr::TplPrev& doc, const kmr::CalculatedBeam& beam, float widthCm,
                          float heightCm, bool signLine);

}  // namespace kmr::ui
