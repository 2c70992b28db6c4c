#include "Dialogs.h"

#include <QVariant>
#include <QWidget>

#include "DefaultsFile.h"
#include "LdLxLyForm.h"
#include "UserDialogs.h"
#include "YngRegForm.h"
#include "YngSelForm.h"
#include "YoungDialogLayout.h"
#include "YoungList.h"

namespace kmr::ui {
namespace {

// The selection dialog keeps the row chosen last for the window it opens
// over, as one dialog made with the window would.
constexpr char kYoungRowProperty[] = "YngSelRow";

}  // namespace

std::optional<QString> PickYoungModulusText(QWidget* parent, UserDialogs& dialogs,
                                            const DefaultsBlock& list, int inputUnit) {
    TYngSelF form(list, dialogs, parent);
    CentreOnWindow(form, parent);
    const int lastRow = parent ? parent->property(kYoungRowProperty).toInt() : 0;
    if (lastRow >= 1) form.HighlightRow(lastRow);
    const int result = dialogs.RunModal(form);
    if (parent) parent->setProperty(kYoungRowProperty, form.SelectedRow());
    if (result != QDialog::Accepted) return std::nullopt;
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
