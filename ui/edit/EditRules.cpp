#include "edit/EditRules.h"

#include "model/Model.h"

namespace kmr::ui {

FieldOutcome EvaluateField(const QString& text, const FieldLimit& limit, int inputUnit,
                           bool dashIsZero) {
    FieldOutcome out;
    out.value = ReadFieldNumber(text, dashIsZero);
    out.red = IsOverLimit(limit, inputUnit, out.value);
    out.marksChanged = !out.red;
    return out;
}

double BeamSizeIo(double b, double d) {
    return b * d * d * d / 12.0;
}

QString UnitLabelText(int label, int inputUnit) {
    const QString unit = inputUnit == 1 ? QStringLiteral("kN") : QStringLiteral("t");
    QString suffix = QStringLiteral("/cm2");
    if (label == 1 || label == 4) suffix = QStringLiteral("/cm");
    if (label == 2) suffix = QStringLiteral("/m2");
    return QStringLiteral("(") + unit + suffix + QStringLiteral(")");
}

QString SupportName(int n) {
    return QString(QLatin1Char(kmr::SupportLetter(n)));
}

namespace msg {

QString NoValueEntered() {
    return QStringLiteral("数値が入力されていません。");
}
QString AllMembersEQuestion() {
    return QStringLiteral("全部材のヤング係数を変更します。");
}
QString AllMembersSpringQuestion() {
    return QStringLiteral("全部材のバネ定数を変更します。");
}
QString AllMembersIoQuestion() {
    return QStringLiteral("全部材の断面二次モーメントを変更します。");
}
QString ReplaceIoQuestion() {
    return QStringLiteral("入力済みの断面二次モーメントを変更します。");
}
QString PageBreakDefaultSet() {
    return QStringLiteral("改ページフラグのデフォルトを変更しました。");
}
QString UnitDefaultsSet() {
    return QStringLiteral("入出力単位のデフォルトを変更しました。");
}
QString NoSpanLength(int member) {
    return QStringLiteral("スパン長が入力されていません。\r\n\r\n[ 部材No.: %1 ]").arg(member);
}
QString FullSpanQuestion() {
    return QStringLiteral(
        "長さ Ｌ1 をスパン長に設定しますか？\r\n\r\n( 高さ Ｈ は、別途入力してください。)");
}

}  // namespace msg
}  // namespace kmr::ui
