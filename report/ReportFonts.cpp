#include "report/ReportFonts.h"

#include <QFontMetricsF>
#include <cmath>

namespace kmr {
namespace {

struct FaceMap {
    const char* face;
    const char* installed;
};

// UTF-8 literals: the report faces and their IPA stand-ins.
const FaceMap kFaces[] = {
    {"ＭＳ 明朝", "IPAMincho"},
    {"ＭＳ ゴシック", "IPAGothic"},
    {"ＭＳ Ｐ明朝", "IPAPMincho"},
    {"ＭＳ Ｐゴシック", "IPAPGothic"},
};

}  // namespace

QString FontKindFace(int fontKind) {
    if (fontKind < 0 || fontKind > 3) fontKind = fkGothic;
    return QString::fromUtf8(kFaces[fontKind].face);
}

QString SubstituteFace(const QString& face) {
    for (const FaceMap& m : kFaces) {
        if (face == QString::fromUtf8(m.face)) return QString::fromLatin1(m.installed);
    }
    return face;
}

void InstallReportFonts() {
    for (const FaceMap& m : kFaces) {
        const QString face = QString::fromUtf8(m.face);
        const QString installed = QString::fromLatin1(m.installed);
        if (!QFont::substitutes(face).contains(installed))
            QFont::insertSubstitution(face, installed);
    }
}

int FontHeightFromPoints(double points) {
    return -static_cast<int>(std::lround(points * 254.0 / 72.0));
}

QFont MakeQFont(const FontSpec& spec) {
    QFont f(spec.face);
    // The substitute is named directly as well, so the face is found even
    // where the substitution table was not installed.
    f.setFamilies({spec.face, SubstituteFace(spec.face)});
    f.setPixelSize(std::max(1, std::abs(spec.height)));
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setKerning(false);
    if (spec.widthPercent != 100 && spec.widthPercent > 0) f.setStretch(spec.widthPercent);
    return f;
}

TextMetrics MeasureText(const QFontMetricsF& fm, const QString& text) {
    TextMetrics m;
    m.width = static_cast<int>(std::lround(fm.horizontalAdvance(text)));
    m.ascent = static_cast<int>(std::lround(fm.ascent()));
    m.height = static_cast<int>(std::lround(fm.ascent() + fm.descent()));
    return m;
}

TextMetrics MeasureText(const FontSpec& spec, const QString& text) {
    InstallReportFonts();
    return MeasureText(QFontMetricsF(MakeQFont(spec)), text);
}

}  // namespace kmr
