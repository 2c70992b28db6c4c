#include "edit/LoadSlotPage.h"

#include "WindowState.h"
#include "edit/PageContext.h"

namespace kmr::ui {

LoadSlotPage::LoadSlotPage(PageContext& context, QWidget* area, const QString& tabsName,
                           const QString& headerName, int tabKind, std::function<void(int)> onTab)
    : context_(context),
      tabs_(area, tabsName, headerName, context.Connections(), std::move(onTab)),
      tabKind_(tabKind) {}

void LoadSlotPage::BuildLoadTabs(int spanCount) {
    tabs_.Build(tabKind_, spanCount);
}

void LoadSlotPage::SelectTab(int number) {
    tabs_.Select(number);
}

QString LoadSlotPage::TabText(int index) const {
    return tabs_.Text(index);
}

void LoadSlotPage::NoteTypeChosen(int type, int storedType) {
    if (type != storedType) context_.State().IsModified = true;
}

void LoadSlotPage::ShowPicture(QLabel* picture, int index) const {
    ShowSlotPicture(picture, context_.LoadPicture(index), index);
}

}  // namespace kmr::ui
