#include "Editor.h"

#include "UserDialogs.h"
#include "WindowState.h"

namespace kmr::ui {

Editor::Editor(WindowState& state, UserDialogs& dialogs, QWidget* window)
    : state_(state), dialogs_(dialogs), window_(window) {}

Editor::~Editor() = default;

void Editor::Build(const EditorContainers& containers) {
    containers_ = containers;
}

void Editor::ShowDocument() {}

void Editor::GatherAll() {}

void Editor::GatherCurrentLoads() {}

void Editor::ShowSpansAndSupports() {}

void Editor::ShowAllMemberProperties() {}

void Editor::DrawLoadDiagram() {}

void Editor::PageChanged(int index) {
    state_.ActivePage = index;
}

void Editor::MarkCommonLoadOverLimit() {}

}  // namespace kmr::ui
