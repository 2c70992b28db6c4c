#include "Editor.h"

#include "UserDialogs.h"
#include "WindowState.h"
#include "edit/EditorCore.h"

namespace kmr::ui {

Editor::Editor(WindowState& state, UserDialogs& dialogs, QWidget* window)
    : state_(state), dialogs_(dialogs), window_(window) {}

Editor::~Editor() = default;

void Editor::Build(const EditorContainers& containers) {
    containers_ = containers;
    core_ = std::make_unique<EditorCore>(state_, dialogs_, window_, containers);
}

void Editor::ShowDocument() {
    core_->ShowDocument();
}

void Editor::GatherAll() {
    core_->GatherAll();
}

void Editor::GatherCurrentLoads() {
    core_->GatherCurrentLoads();
}

void Editor::ShowSpansAndSupports() {
    core_->ShowSpansAndSupports();
}

void Editor::ShowAllMemberProperties() {
    core_->ShowAllMemberProperties();
}

void Editor::DrawLoadDiagram() {
    core_->DrawLoadDiagram();
}

void Editor::PageChanged(int index) {
    core_->PageChanged(index);
}

void Editor::MarkCommonLoadOverLimit() {
    core_->MarkCommonLoadOverLimit();
}

}  // namespace kmr::ui
