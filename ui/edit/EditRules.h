// The rules behind the editing controls that do not need a widget: what a
// typed value does to its field and the model, the unit labels, the beam-size
// Io, the questions and messages of the buttons.
#pragma once

#include <QString>

#include "edit/FieldText.h"

namespace kmr::ui {

// What a change of a field's text does: the value stored in the model, the
// font colour, and whether the document counts as changed (only a field
// below its limit marks it).
struct FieldOutcome {
    double value = 0;
    bool red = false;
    bool marksChanged = false;
};

// Throws InputError when the text is not a number; dashIsZero reads a lone
// "-" as 0 (the common-data fields).
FieldOutcome EvaluateField(const QString& text, const FieldLimit& limit, int inputUnit,
                           bool dashIsZero = false);

// Io = B·D³/12 (cm4 from cm).
double BeamSizeIo(double b, double d);
// The computed common Io turns LabelIo2 red from here on (B or D changed).
constexpr double kLabelIoRedLimit = limits::kIoLimit;
// ... and, when the beam-size mode is chosen, from here on.
constexpr double kLabelIoModeRedLimit = 1e10;

// "(t/cm)", "(kN/m2)", ...: the text of LabelTanni1..14 for an input unit
// system (0 t, 1 kN).
QString UnitLabelText(int label, int inputUnit);

// Support names "A".."K", member names "1".."10".
QString SupportName(int n);

namespace msg {
QString NoValueEntered();            // "数値が入力されていません。"
QString AllMembersEQuestion();       // "全部材のヤング係数を変更します。"
QString AllMembersSpringQuestion();  // "全部材のバネ定数を変更します。"
QString AllMembersIoQuestion();  // "全部材の断面二次モーメントを変更します。"
QString ReplaceIoQuestion();    // "入力済みの断面二次モーメントを変更します。"
QString PageBreakDefaultSet();  // "改ページフラグのデフォルトを変更しました。"
QString UnitDefaultsSet();      // "入出力単位のデフォルトを変更しました。"
QString NoSpanLength(int member);  // "スパン長が入力されていません。..."
QString FullSpanQuestion();        // "長さ Ｌ1 をスパン長に設定しますか？..."
}  // namespace msg

}  // namespace kmr::ui
