// The auxiliary dialogs as the main window and the editing pages call them:
// the Young's modulus list (selection and registration) and the slab load
// dialog of the full-span button. Every dialog runs modally through
// UserDialogs::RunModal, so tests answer it without a screen.
#pragma once

#include <QPoint>
#include <QString>
#include <optional>

class QWidget;

namespace kmr {
class DefaultsBlock;
}  // namespace kmr

namespace kmr::ui {

using kmr::DefaultsBlock;
class UserDialogs;

// Shows TYngSelF over the list. On "選 択" returns the E of the chosen row
// converted into the input unit (0 = t/cm2, 1 = kN/cm2) and formatted "0.0",
// ready for the Young's modulus field; nullopt when cancelled. The dialog
// opens on the row chosen at its last opening over the same parent (row 1 the
// first time).
std::optional<QString> PickYoungModulusText(QWidget* parent, UserDialogs& dialogs,
                                            const DefaultsBlock& list, int inputUnit);

// The texts for the fields L, L1, L2 and H of a member-load slot.
struct SlabFieldTexts {
    QString L, L1, L2, H;
};

// Shows TLdLxLyF for load type 4 (台形) or 5 (三角) over the span length text,
// with its top-left corner at topLeft. On "O K" returns the four field texts
// (shortest decimal form); nullopt when cancelled.
std::optional<SlabFieldTexts> AskSlabLoad(QWidget* parent, UserDialogs& dialogs, int loadType,
                                          const QString& spanText, const QPoint& topLeft);

// Shows TYngRegF over the list; "登  録" stores the edited rows into the list
// in memory (the defaults file is written by the main window at exit).
void EditYoungList(QWidget* parent, UserDialogs& dialogs, DefaultsBlock& list);

}  // namespace kmr::ui
