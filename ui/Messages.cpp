#include "Messages.h"

#include <QFileInfo>
#include <QStringList>

#include "AppTitle.h"

namespace kmr::ui::msg {
namespace {
const QString kCrLf = QStringLiteral("\r\n");
}

QString FileNamePart(const QString& path) {
    return QFileInfo(path).fileName();
}

QString NewDataQuestion(const QString& documentPath) {
    return QStringLiteral(" Data:\r\n' ") + FileNamePart(documentPath) + QStringLiteral(" '") +
           kCrLf + kCrLf + QStringLiteral("を保存せず新規データを作成しますか...");
}

QString OpenChangedQuestion(const QString& documentPath) {
    return QStringLiteral(" Data: \r\n' ") + FileNamePart(documentPath) + QStringLiteral(" '") +
           kCrLf + kCrLf + QStringLiteral("は、変更されています。") + kCrLf +
           QStringLiteral("このまま保存せず、開きますか...");
}

QString NotPlovData(const QString& path) {
    return QStringLiteral("[") + path + QStringLiteral("]") + kCrLf + kCrLf +
           QStringLiteral("は、PLOV-Kmr のデータではありません。");
}

QString OverwriteQuestion(const QString& documentPath) {
    return QStringLiteral("上書き保存します...\r\n\r\n' ") + documentPath + QStringLiteral(" '");
}

QString AlreadyExistsQuestion(const QString& path) {
    return QStringLiteral("' ") + path + QStringLiteral(" '") + kCrLf + kCrLf +
           QStringLiteral("は、すでに存在します。") +
           QStringLiteral("上書き保存してもよろしいですか...");
}

QString ExitChangedQuestion(const QString& documentPath) {
    return QStringLiteral(" Data: \r\n' ") + FileNamePart(documentPath) + QStringLiteral(" '") +
           kCrLf + kCrLf + QStringLiteral("を保存せず終了しますか...");
}

QString ExitQuestion() {
    return QStringLiteral("終了しますか...");
}

QString RefusalMessage(const kmr::ValidationResult& refusal) {
    return RefusalMessage(refusal, kCrLf);
}

QString RefusalMessage(const kmr::ValidationResult& refusal, const QString& lineBreak) {
    QStringList lines;
    for (const std::string& line : refusal.lines) lines << QString::fromStdString(line);
    return lines.join(lineBreak);
}

QString Caption(const QString& documentPath) {
    return FileNamePart(documentPath) + QStringLiteral("    ") + AppTitle();
}

}  // namespace kmr::ui::msg
