#include "DefaultsFile.h"

#include <QFile>

namespace kmr::ui {

DefaultsRead ReadDefaultsFile(const QString& path, DefaultsBlock& block) {
    return kmr::ReadDefaultsFile(QFile::encodeName(path).toStdString(), block);
}

bool WriteDefaultsFile(const QString& path, const DefaultsBlock& block, QString* error) {
    std::string reason;
    if (kmr::WriteDefaultsFile(QFile::encodeName(path).toStdString(), block, &reason)) return true;
    if (error) {
        *error = QStringLiteral("既定値ファイル '%1' を書き込めません。\r\n%2")
                     .arg(path, QString::fromStdString(reason));
    }
    return false;
}

}  // namespace kmr::ui
