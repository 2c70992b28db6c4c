#include "Recovery.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "AppPaths.h"
#include "model/DataFile.h"
#include "model/FileSystem.h"

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <signal.h>

#include <cerrno>
#endif

namespace kmr::ui {
namespace {

const QByteArray kMagic = "PLOVKMR-RECOVERY 1";
const QString kSuffix = QStringLiteral(".rec");
constexpr int kHeaderLines = 6;  // magic, pid, untitled, time, path, digest

QByteArray Digest(const QByteArray& image) {
    return QCryptographicHash::hash(image, QCryptographicHash::Sha256).toHex();
}

QByteArray Encode(qint64 pid, const RecoveryCopy& copy) {
    const QByteArray image(reinterpret_cast<const char*>(copy.Image.data()),
                           static_cast<qsizetype>(copy.Image.size()));
    const QList<QByteArray> lines = {kMagic,
                                     QByteArray::number(pid),
                                     copy.Untitled ? "1" : "0",
                                     copy.Written.toUTC().toString(Qt::ISODate).toUtf8(),
                                     copy.DocumentPath.toUtf8().toBase64(),
                                     Digest(image)};
    return lines.join('\n') + '\n' + image;
}

bool ProcessRunning(qint64 pid) {
    if (pid <= 0) return false;
#ifdef Q_OS_WIN
    HANDLE h = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, static_cast<DWORD>(pid));
    if (!h) return GetLastError() == ERROR_ACCESS_DENIED;
    DWORD code = 0;
    const bool alive = GetExitCodeProcess(h, &code) && code == STILL_ACTIVE;
    CloseHandle(h);
    return alive;
#else
    return kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
#endif
}

// The process id in the copy's name ("<pid>.rec"); 0 when there is none.
qint64 PidOfName(const QString& fileName) {
    bool ok = false;
    const qint64 pid = fileName.chopped(kSuffix.size()).toLongLong(&ok);
    return ok ? pid : 0;
}

}  // namespace

QString RecoveryDir() {
    const QString dir = SideFileDir() + QStringLiteral("recovery/");
    QDir().mkpath(dir);
    return dir;
}

QString RecoveryFileFor(qint64 pid) {
    return RecoveryDir() + QString::number(pid) + kSuffix;
}

bool WriteRecoveryCopy(const QString& file, qint64 pid, const RecoveryCopy& copy) {
    const QByteArray bytes = Encode(pid, copy);
    return kmr::files::WriteWholeFile(QFile::encodeName(file).toStdString(),
                                      {bytes.begin(), bytes.end()}) == 0;
}

void RemoveRecoveryCopy(const QString& file) {
    QFile::remove(file);
}

QStringList LeftRecoveryCopies(const QString& dir) {
    QStringList left;
    const QFileInfoList found = QDir(dir).entryInfoList(
        {QStringLiteral("*") + kSuffix}, QDir::Files | QDir::NoDotAndDotDot, QDir::Time);
    for (const QFileInfo& info : found) {
        if (!ProcessRunning(PidOfName(info.fileName()))) left << info.absoluteFilePath();
    }
    return left;
}

std::optional<RecoveryCopy> ReadRecoveryCopy(const QString& file) {
    QFile f(file);
    if (!QFileInfo(file).isFile() || !f.open(QIODevice::ReadOnly)) return std::nullopt;
    const QByteArray bytes = f.readAll();
    QList<QByteArray> lines;
    qsizetype at = 0;
    while (lines.size() < kHeaderLines) {
        const qsizetype end = bytes.indexOf('\n', at);
        if (end < 0) return std::nullopt;
        lines << bytes.mid(at, end - at);
        at = end + 1;
    }
    const QByteArray image = bytes.mid(at);
    if (lines[0] != kMagic || lines[5] != Digest(image)) return std::nullopt;
    RecoveryCopy copy;
    copy.Untitled = lines[2] == "1";
    copy.Written = QDateTime::fromString(QString::fromUtf8(lines[3]), Qt::ISODate);
    copy.DocumentPath = QString::fromUtf8(QByteArray::fromBase64(lines[4]));
    copy.Image.assign(image.begin(), image.end());
    try {
        kmr::BeamModel scratch;
        kmr::LoadDataImage(kmr::FileKind::Version3, file.toStdString(), copy.Image, scratch);
    } catch (const kmr::DataFileError&) {
        return std::nullopt;
    }
    return copy;
}

QString SetAsideRecoveryCopy(const QString& file) {
    const QString aside = file + QStringLiteral(".damaged");
    QFile::remove(aside);
    if (!QFile::rename(file, aside)) QFile::remove(file);
    return aside;
}

QString RestoreQuestion(const RecoveryCopy& copy) {
    return QStringLiteral("前回、正常に終了しなかったときの編集内容が残っています。\r\n\r\n") +
           QStringLiteral(" Data: ' ") + QFileInfo(copy.DocumentPath).fileName() +
           QStringLiteral(" '\r\n 保存時刻: ") +
           copy.Written.toLocalTime().toString(QStringLiteral("yyyy/MM/dd HH:mm:ss")) +
           QStringLiteral("\r\n\r\n復元しますか...");
}

QString DamagedCopyMessage(const QString& file, const QString& setAside) {
    return QStringLiteral("前回の編集内容の復元用コピーが壊れているため、開けません。\r\n\r\n' ") +
           file + QStringLiteral(" '\r\n\r\nこのコピーは次の名前で残しました。\r\n' ") + setAside +
           QStringLiteral(" '");
}

}  // namespace kmr::ui
