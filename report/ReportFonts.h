// The four report faces and how they are found on this system. The report
// keeps the face names the documents were designed with; font substitution
// maps each to the installed IPA face of the same style.
#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QString>

#include "report/DisplayList.h"

namespace kmr {

// FontKind 0..3: "ＭＳ 明朝", "ＭＳ ゴシック", "ＭＳ Ｐ明朝", "ＭＳ Ｐゴシック".
enum FontKind { fkMincho = 0, fkGothic = 1, fkPMincho = 2, fkPGothic = 3 };

// The face name of a FontKind; kinds outside 0..3 give the gothic face.
QString FontKindFace(int fontKind);

// The installed face that stands in for a report face name.
QString SubstituteFace(const QString& face);

// Registers the four substitutions with Qt's font matching. Idempotent;
// needs a QGuiApplication. Called by TplPrev before any text is measured.
void InstallReportFonts();

// Font height in page units for a size in points: -round(s * 254 / 72).
int FontHeightFromPoints(double points);

// The Qt font that draws spec at one pixel per page unit.
QFont MakeQFont(const FontSpec& spec);

// Size of a text in page units in the given font: advance width, and the
// height and ascent of the line ("Hg").
struct TextMetrics {
    int width = 0;
    int height = 0;
    int ascent = 0;
};
TextMetrics MeasureText(const FontSpec& spec, const QString& text);
TextMetrics MeasureText(const QFontMetricsF& metrics, const QString& text);

}  // namespace kmr
