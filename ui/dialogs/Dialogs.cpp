#include "Dialogs.h"

#include "DefaultsFile.h"
#include "LdLxLyForm.h"
#include "UserDialogs.h"
#include "YngRegForm.h"
#include "YngSelForm.h"
#include "YoungDialogLayout.h"
#include "YoungList.h"

namespace kmr::ui {

std::optional<QString> PickYoungModulusText(QWidget* parent, UserDialogs& dialogs,
                                            const DefaultsBlock& list, int inputUnit) {
    TYngSelF form(list, dialogs, parent);
    CentreOnWindow(form, parent);
    if (dialogs.RunModal(form) != QDialog::Accepted) return std::nullopt;
    return YoungForInputUnit(form.SelectedE(), inputUnit);
}

std::optional<SlabFieldTexts> AskSlabLoad(QWidget* parent, UserDialogs& dialogs, int loadType,
                                          const QString& spanText, const QPoint& topLeft) {
    TLdLxLyF form(dialogs, parent);
    form.Prepare(loadType, spanText);
    form.move(topLeft);
    if (dialogs.RunModal(form) != QDialog::Accepted || !form.Result()) return std::nullopt;
    const SlabLoadFields& f = *form.Result();
    return SlabFieldTexts{ShortestDecimal(f.L), ShortestDecimal(f.L1), ShortestDecimal(f.L2),
                          ShortestDecimal(f.H)};
}

void EditYoungList(QWidget* parent, UserDialogs& dialogs, DefaultsBlock& list) {
    TYngRegF form(list, dialogs, parent);
    CentreOnWindow(form, parent);
    dialogs.RunModal(form);
}

}  // namespace kmr::ui
