#include "AppFonts.h"

namespace kmr::ui {

void InstallFontSubstitutions() {
    const struct {
        const char* face;
        const char* ipa;
    } map[] = {
        {"ＭＳ Ｐゴシック", "IPAPGothic"}, {"ＭＳＰ ゴシック", "IPAPGothic"},
        {"ＭＳ ゴシック", "IPAGothic"},    {"ＭＳ 明朝", "IPAMincho"},
        {"ＭＳ Ｐ明朝", "IPAPMincho"},     {"ＭＳＰ 明朝", "IPAPMincho"},
    };
    for (const auto& m : map) {
        QFont::insertSubstitution(QString::fromUtf8(m.face), QString::fromUtf8(m.ipa));
    }
}

QFont PGothicFont(int pixelSize) {
    QFont f(QStringLiteral("ＭＳ Ｐゴシック"));
    f.setPixelSize(pixelSize);
    return f;
}

}  // namespace kmr::ui
