#include "edit/FieldText.h"

#include <QRegularExpression>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "InputError.h"
#include "calc/Units.h"
#include "dialogs/YoungList.h"
#include "model/Model.h"

namespace kmr::ui {
namespace {

constexpr int kMaxDigits = 15;

// Significant digits (without trailing zeros) and the decimal exponent of v
// rounded to `digits` significant digits: v = d.ddd × 10^exponent.
struct Decimal {
    bool negative = false;
    std::string digits;
    int exponent = 0;
};

Decimal ToDecimal(double v, int digits) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*e", digits - 1, v);
    Decimal d;
    const char* p = buf;
    if (*p == '-') {
        d.negative = true;
        ++p;
    }
    for (; *p && *p != 'e'; ++p) {
        if (*p != '.') d.digits.push_back(*p);
    }
    if (*p == 'e') d.exponent = std::atoi(p + 1);
    while (d.digits.size() > 1 && d.digits.back() == '0') d.digits.pop_back();
    return d;
}

std::string FixedForm(const Decimal& d) {
    std::string s;
    if (d.exponent >= 0) {
        const std::size_t intDigits = static_cast<std::size_t>(d.exponent) + 1;
        std::string digits = d.digits;
        if (digits.size() < intDigits) digits.append(intDigits - digits.size(), '0');
        s = digits.substr(0, intDigits);
        if (digits.size() > intDigits) s += "." + digits.substr(intDigits);
    } else {
        s = "0." + std::string(static_cast<std::size_t>(-d.exponent - 1), '0') + d.digits;
    }
    return s;
}

// "1.5E+20", or "1.5E20" when `compact` (one character more for a digit).
std::string ExponentForm(const Decimal& d, bool compact) {
    std::string s = d.digits.substr(0, 1);
    if (d.digits.size() > 1) s += "." + d.digits.substr(1);
    s += d.exponent < 0 ? "E-" : (compact ? "E" : "E+");
    s += std::to_string(std::abs(d.exponent));
    return s;
}

QString Text(double v, int digits, bool exponentForm, bool compact = false) {
    if (v == 0.0 || !std::isfinite(v)) return QStringLiteral("0");
    if (digits < 1) digits = 1;
    if (digits > kMaxDigits) digits = kMaxDigits;
    const Decimal d = ToDecimal(v, digits);
    const bool fixed = !exponentForm && d.exponent < kMaxDigits && d.exponent >= -4;
    std::string s = fixed ? FixedForm(d) : ExponentForm(d, compact);
    if (d.negative) s.insert(s.begin(), '-');
    return QString::fromStdString(s);
}

}  // namespace

QString GeneralText(double v, int digits) {
    return Text(v, digits, false);
}

QString ValueText(double v, int length) {
    if (std::fabs(static_cast<float>(v)) < kmr::kEpsilon) return QStringLiteral("0");
    for (int digits = kMaxDigits; digits >= 1; --digits) {
        QString general = Text(v, digits, false);
        if (general.size() <= length) return general;
        // ".25" for "0.25", as the user may have typed it.
        const int zero = general.startsWith(QLatin1Char('-')) ? 1 : 0;
        if (general.mid(zero, 2) == QLatin1String("0.")) {
            general.remove(zero, 1);
            if (general.size() <= length) return general;
        }
        const QString exponent = Text(v, digits, true);
        if (exponent.size() <= length) return exponent;
        const QString compact = Text(v, digits, true, true);
        if (compact.size() <= length) return compact;
    }
    return GeneralText(v, 1);
}

QString FixedText(double v, int decimals) {
    return QString::fromStdString(kmr::FormatFixed(v, decimals));
}

std::optional<double> ParseNumber(const QString& text) {
    static const QRegularExpression number(
        QStringLiteral(R"(^[+-]?(\d+\.?\d*|\.\d+)([eE][+-]?\d+)?$)"));
    const QString t = text.trimmed();
    if (!number.match(t).hasMatch()) return std::nullopt;
    bool ok = false;
    const double v = t.toDouble(&ok);
    if (!ok || !std::isfinite(v)) return std::nullopt;
    return v;
}

double ReadFieldNumber(const QString& text, bool dashIsZero) {
    const QString t = text.trimmed();
    if (t.isEmpty() || (dashIsZero && t == QLatin1String("-"))) return 0.0;
    const std::optional<double> v = ParseNumber(t);
    if (!v) throw InputError(NotANumberMessage(t).toStdString());
    return *v;
}

bool IsOverLimit(const FieldLimit& limit, int inputUnit, double value) {
    const double bound = inputUnit == 1 ? limit.si : limit.t;
    return (limit.absolute ? std::fabs(value) : value) >= bound;
}

bool KeyAdmitted(int key, Qt::KeyboardModifiers modifiers, const QString& text, bool signedField) {
    const bool ctrl = modifiers.testFlag(Qt::ControlModifier);
    if (ctrl) return key == Qt::Key_C || key == Qt::Key_V || key == Qt::Key_X;
    if (key == Qt::Key_Return || key == Qt::Key_Enter) return false;
    if (key == Qt::Key_Backspace || key == Qt::Key_Delete) return true;
    if (text.isEmpty() || !text.at(0).isPrint()) return true;  // types nothing
    if (text.size() != 1) return false;
    const QChar c = text.at(0);
    if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) return true;
    if (c == QLatin1Char('.')) return true;
    return signedField && c == QLatin1Char('-');
}

}  // namespace kmr::ui
