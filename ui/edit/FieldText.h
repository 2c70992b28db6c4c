// Numbers in the one-line fields of the editor: the text a value is shown
// with, reading a typed text back, the limits that turn a field red, and the
// key filter. Plain functions; the widgets call them and so do the tests.
#pragma once

#include <QString>
#include <Qt>
#include <optional>

namespace kmr::ui {

// The shortest general decimal form of v with at most `digits` significant
// digits: fixed-point while the value has at most 15 integer digits and is
// at least 0.0001 in magnitude, otherwise the exponent form "1.5E+20" /
// "2E-5". Trailing zeros of the fraction are dropped.
QString GeneralText(double v, int digits);

// The text a field of `length` characters shows for v: "0" below kEpsilon in
// magnitude (compared in single precision); otherwise the general form with
// up to 15 significant digits, rounded to fewer digits (in the general form,
// without the leading zero of "0.25", else in the exponent form) until it
// fits the field: the nearest decimal the field can hold, and a text the
// user typed comes back with its value unchanged. The text is never cut: a value whose one-digit
// form is still too long is shown whole.
QString ValueText(double v, int length);

// Fixed-point text with `decimals` decimals ("0.0" for 1).
QString FixedText(double v, int decimals);

// A decimal number: optional sign, digits with at most one ".", optional
// exponent; surrounding blanks ignored. nullopt for anything else
// (including an empty text, "inf" and "nan").
std::optional<double> ParseNumber(const QString& text);

// The value of a field's text: 0 when empty (after trimming); with
// dashIsZero also 0 for a lone "-". Throws InputError with a message naming
// the text when it is not a number.
double ReadFieldNumber(const QString& text, bool dashIsZero = false);

// The limit that turns a field red: red when the value (or its absolute
// value) reaches `t` in the gravitational input system or `si` in SI.
struct FieldLimit {
    double t = 0;
    double si = 0;
    bool absolute = false;
};

namespace limits {
constexpr double kIoLimit = 99999997952.0;  // the single nearest 1E+11
constexpr FieldLimit Span{100, 100, false};
constexpr FieldLimit Spring{1000, 10000, false};
constexpr FieldLimit CommonSpring{1000, 10000, true};
constexpr FieldLimit CommonLoad{1000, 10000, true};
constexpr FieldLimit CommonHeight{100, 100, true};
constexpr FieldLimit CommonIo{kIoLimit, kIoLimit, true};
constexpr FieldLimit CommonSize{1000, 1000, true};
constexpr FieldLimit CommonE{1000000, 10000000, true};
constexpr FieldLimit MemberIo{kIoLimit, kIoLimit, false};
constexpr FieldLimit MemberSize{1000, 1000, false};
constexpr FieldLimit MemberE{1000000, 10000000, false};
constexpr FieldLimit LoadValue{1000, 10000, true};
constexpr FieldLimit LoadLength{100, 100, false};
}  // namespace limits

// inputUnit 0 = t, 1 = kN.
bool IsOverLimit(const FieldLimit& limit, int inputUnit, double value);

// The key filter of the numeric fields: Ctrl+C, Ctrl+V and Ctrl+X pass,
// Enter is discarded; of the keys that type a character only the digits,
// ".", Backspace and, in signed fields, "-" pass. Keys that type nothing
// (arrows, Delete, Home, ...) pass.
bool KeyAdmitted(int key, Qt::KeyboardModifiers modifiers, const QString& text, bool signedField);

}  // namespace kmr::ui
