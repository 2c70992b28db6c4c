#include "YoungList.h"

#include <QLocale>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QStringList>
#include <algorithm>
#include <cmath>

#include "DefaultsFile.h"
#include "calc/Units.h"

namespace kmr::ui {
namespace {

// One character (a code point, surrogate pairs kept together) in Shift-JIS;
// empty when Shift-JIS lacks it.
QByteArray EncodeCharacter(const QString& ch) {
    QStringEncoder enc("Shift_JIS");
    QByteArray bytes = enc.encode(ch);
    if (enc.hasError() || bytes.isEmpty()) return {};
    return bytes;
}

// The text split into characters (code points).
QStringList Characters(const QString& text) {
    QStringList out;
    for (int i = 0; i < text.size(); ++i) {
        const bool pair = text[i].isHighSurrogate() && i + 1 < text.size();
        out << text.mid(i, pair ? 2 : 1);
        if (pair) ++i;
    }
    return out;
}

}  // namespace

QString YoungNameText(const DefaultsBlock& list, int i) {
    const std::string bytes = list.YoungNameBytes(i);
    QStringDecoder dec("Shift_JIS");
    return dec.decode(QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

std::string EncodeYoungName(const QString& name) {
    std::string out;
    int chars = 0;
    for (const QString& ch : Characters(name)) {
        if (++chars > kYoungNameMaxChars) break;
        QByteArray bytes = EncodeCharacter(ch);
        if (bytes.isEmpty()) bytes = "?";
        if (out.size() + bytes.size() > std::size_t(DefaultsBlock::kYoungNameCapacity)) break;
        out.append(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    }
    return out;
}

bool FitsShiftJis(const QString& text) {
    for (const QString& ch : Characters(text)) {
        if (EncodeCharacter(ch).isEmpty()) return false;
    }
    return true;
}

int ShiftJisLength(const QString& text) {
    int n = 0;
    for (const QString& ch : Characters(text)) {
        n += std::max<int>(1, static_cast<int>(EncodeCharacter(ch).size()));
    }
    return n;
}

std::optional<double> ParseNumberText(const QString& text) {
    const QString t = text.trimmed();
    if (t.isEmpty()) return std::nullopt;
    for (const QChar c : t) {
        const bool allowed =
            c.isDigit() || c == u'.' || c == u'-' || c == u'+' || c == u'e' || c == u'E';
        if (!allowed || c.unicode() > 127) return std::nullopt;
    }
    bool ok = false;
    const double v = t.toDouble(&ok);
    if (!ok || !std::isfinite(v)) return std::nullopt;
    return v;
}

QString ShortestDecimal(double v) {
    const double r = QString::number(v, 'g', 15).toDouble();
    if (r == 0) return QStringLiteral("0");
    return QString::number(r, 'f', QLocale::FloatingPointShortest);
}

QString NotANumberMessage(const QString& text) {
    return QStringLiteral("'%1' は正しい数値ではありません。").arg(text);
}

std::optional<QString> YoungETextOf(double e) {
    if (!(e > 0)) return std::nullopt;
    return ShortestDecimal(e);
}

YoungGridTexts YoungGridOf(const DefaultsBlock& list) {
    YoungGridTexts g;
    for (int i = 1; i <= kYoungRows; ++i) {
        g.Names[i - 1] = YoungNameText(list, i);
        g.ETexts[i - 1] = YoungETextOf(list.YoungE(i)).value_or(QString());
    }
    return g;
}

std::optional<int> RegisterYoungRows(DefaultsBlock& list, const YoungGridTexts& grid) {
    std::array<std::optional<double>, kYoungRows> values;
    for (int r = 0; r < kYoungRows; ++r) {
        if (grid.ETexts[r].trimmed().isEmpty()) continue;
        values[r] = ParseNumberText(grid.ETexts[r]);
        if (!values[r]) return r + 1;
    }
    for (int r = 0; r < kYoungRows; ++r) {
        list.SetYoungNameBytes(r + 1, EncodeYoungName(grid.Names[r]));
        if (values[r]) list.SetYoungE(r + 1, *values[r]);
    }
    return std::nullopt;
}

QString YoungForInputUnit(double eNmm2, int inputUnit) {
    return QString::number(kmr::YoungModulusForInputUnit(eNmm2, inputUnit), 'f', 1);
}

const std::array<YoungSeed, 18>& StartingYoungList() {
    // Steels and aluminium by their usual design values; normal-weight
    // concrete (unit weight 23 kN/m3) by 3.35e4·(γ/24)²·(Fc/60)^(1/3),
    // rounded to 100; timber: ungraded sawn lumber by species and glued
    // laminated timber by the E of its grade.
    static const std::array<YoungSeed, 18> kList = {{
        {"鋼材 SN400・SS400", 205000},
        {"鋼材 SN490・SM490", 205000},
        {"ステンレス鋼 SUS304", 193000},
        {"アルミニウム合金", 70000},
        {"コンクリート Fc18 (γ23)", 20600},
        {"コンクリート Fc21 (γ23)", 21700},
        {"コンクリート Fc24 (γ23)", 22700},
        {"コンクリート Fc27 (γ23)", 23600},
        {"コンクリート Fc30 (γ23)", 24400},
        {"コンクリート Fc36 (γ23)", 25900},
        {"すぎ 無等級材", 7000},
        {"ひのき 無等級材", 9000},
        {"べいまつ 無等級材", 10000},
        {"からまつ 無等級材", 9000},
        {"べいつが 無等級材", 8000},
        {"集成材 E95-F270", 9500},
        {"集成材 E105-F300", 10500},
        {"集成材 E120-F330", 12000},
    }};
    return kList;
}

void SeedYoungList(DefaultsBlock& list) {
    const auto& seeds = StartingYoungList();
    for (int i = 1; i <= kYoungRows; ++i) {
        const bool has = i <= int(seeds.size());
        list.SetYoungNameBytes(
            i, has ? EncodeYoungName(QString::fromUtf8(seeds[i - 1].NameUtf8)) : std::string());
        list.SetYoungE(i, has ? seeds[i - 1].E : 0.0);
    }
}

}  // namespace kmr::ui
