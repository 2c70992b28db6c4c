// The document's history for undo and redo: whole file images of the model,
// one per change, with the place on screen where the change was made and a
// short name of what changed.
#pragma once

#include <QString>
#include <cstdint>
#include <deque>
#include <vector>

namespace kmr::ui {

using DocumentImage = std::vector<std::uint8_t>;

// Where a change was made: the page of PageControl1 (a MainPage), the member
// and the support on the load pages.
struct ViewPlace {
    int Page = 0;
    int Member = 1;
    int Support = 1;
};

class UndoHistory {
  public:
    // Steps kept; the oldest are dropped beyond it.
    static constexpr std::size_t kLimit = 200;

    // A new history whose only state is image (new data, open).
    void Reset(DocumentImage image);
    // A change: image is the state after it. Steps that could be redone go.
    void Push(DocumentImage image, const QString& label, const ViewPlace& place);

    bool CanUndo() const { return current_ > 0; }
    bool CanRedo() const { return current_ + 1 < steps_.size(); }
    // What the next undo or redo undoes or redoes ("スパン長"); empty when
    // nothing or when several kinds of data changed at once.
    QString UndoLabel() const;
    QString RedoLabel() const;

    struct Move {
        DocumentImage Image;  // the state to show
        ViewPlace Place;      // where the undone or redone change was made
    };
    Move Undo();
    Move Redo();
    const DocumentImage& Current() const { return steps_[current_].Image; }

  private:
    struct Step {
        DocumentImage Image;
        QString Label;
        ViewPlace Place;
    };
    std::deque<Step> steps_{Step{}};
    std::size_t current_ = 0;
};

// The name of what differs between two file images, by the records and
// fields of the data file; empty when several kinds differ.
QString DescribeChange(const DocumentImage& before, const DocumentImage& after);

}  // namespace kmr::ui
