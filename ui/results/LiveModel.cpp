// The model the results page calculates: a copy of the document's model with
// the load slots on screen gathered into it, as the calculation command would
// gather them; the document's model is only read.
#include "Editor.h"
#include "InputError.h"
#include "MainForm.h"

namespace kmr::ui {

std::optional<kmr::BeamModel> TMainF::LiveModel(QString* reason) const {
    kmr::BeamModel live = state_.Model;
    try {
        editor_->GatherCurrentLoadsInto(live);
    } catch (const InputError& e) {
        if (reason) *reason = QString::fromUtf8(e.what());
        return std::nullopt;
    }
    return live;
}

}  // namespace kmr::ui
