// The model the results page calculates: the document's model with the load
// slots on screen gathered into a copy, as the calculation command would
// gather them.
#include "Editor.h"
#include "InputError.h"
#include "MainForm.h"

namespace kmr::ui {

std::optional<kmr::BeamModel> TMainF::LiveModel(QString* reason) {
    // Gathering writes the document's model; it gets its own copy back, so
    // that only the live copy sees the slots.
    const kmr::BeamModel document = state_.Model;
    std::optional<kmr::BeamModel> live;
    try {
        editor_->GatherCurrentLoads();
        live = state_.Model;
    } catch (const InputError& e) {
        if (reason) *reason = QString::fromUtf8(e.what());
    }
    state_.Model = document;
    return live;
}

}  // namespace kmr::ui
