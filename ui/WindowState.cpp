#include "WindowState.h"

namespace kmr::ui {

void EditDocument(WindowState& s, const std::function<void(kmr::BeamModel&)>& change) {
    change(s.Model);
    s.IsModified = true;
}

}  // namespace kmr::ui
