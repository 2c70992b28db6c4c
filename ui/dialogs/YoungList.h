// The Young's modulus list as the dialogs see it: names as text (stored as
// Shift-JIS in the defaults file), E in N/mm2, the registration of the edited
// grid, the conversion into the input unit and the starting list of a new
// installation. No widgets here.
#pragma once

#include <QString>
#include <array>
#include <optional>
#include <string>

namespace kmr {
class DefaultsBlock;
}  // namespace kmr

namespace kmr::ui {

using kmr::DefaultsBlock;

constexpr int kYoungRows = 20;
constexpr int kYoungNameMaxChars = 30;
constexpr int kYoungETextMaxChars = 12;

// The name of entry i (1..20) decoded from Shift-JIS.
QString YoungNameText(const DefaultsBlock& list, int i);
// The name as Shift-JIS bytes: at most 30 characters and 30 bytes, cut at a
// whole character; characters Shift-JIS lacks become "?".
std::string EncodeYoungName(const QString& name);
// True when every character of the text exists in Shift-JIS.
bool FitsShiftJis(const QString& text);
// Bytes the text takes in Shift-JIS (a character it lacks counts one).
int ShiftJisLength(const QString& text);

// A number as the user typed it: surrounding blanks allowed, finite, in C
// notation. nullopt for anything else.
std::optional<double> ParseNumberText(const QString& text);
// The shortest decimal form of a number of an input field ("2", "0.5",
// "12.25"), read to 15 significant digits so that 6.3 − 4.1 reads "2.2".
QString ShortestDecimal(double v);
// The message for a text that is not a number.
QString NotANumberMessage(const QString& text);

// The grid text of E: the shortest decimal form when E > 0, else nullopt
// (the cell keeps what it showed).
std::optional<QString> YoungETextOf(double e);

// The edited grid, rows 1..20 at index 0..19.
struct YoungGridTexts {
    std::array<QString, kYoungRows> Names;
    std::array<QString, kYoungRows> ETexts;
};
// The grid of the list (E cells of entries without a value empty).
YoungGridTexts YoungGridOf(const DefaultsBlock& list);

// Registration: checks every row first. When an E cell is not empty and not a
// number, returns its row (1..20) and changes nothing. Otherwise stores every
// row (name cut to fit; an empty E keeps the stored value) and returns nullopt.
std::optional<int> RegisterYoungRows(DefaultsBlock& list, const YoungGridTexts& grid);

// E (N/mm2) for the Young's modulus field of the input unit (0 = t, 1 = kN),
// converted by the calc layer (YoungModulusForInputUnit), formatted "0.0".
QString YoungForInputUnit(double eNmm2, int inputUnit);

// The starting list of a new installation (names and E in N/mm2).
struct YoungSeed {
    const char* NameUtf8;
    double E;
};
const std::array<YoungSeed, 18>& StartingYoungList();
// Fills the list with the starting entries (the rest stay empty).
void SeedYoungList(DefaultsBlock& list);

}  // namespace kmr::ui
