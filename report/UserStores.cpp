#include "report/UserStores.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <cerrno>

#include "model/FileSystem.h"

namespace kmr {
namespace {

QString WithSeparator(const QString& dir) {
    QString d = QDir::cleanPath(dir);
    if (!d.endsWith(QLatin1Char('/'))) d += QLatin1Char('/');
    return d;
}

QString SideFolder() {
    const QString home = PortableHome();
    if (!home.isEmpty()) return WithSeparator(home);
    InitApplicationIdentity();
    return WithSeparator(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}

// The file of the settings key; empty on Windows (the registry).
QString SettingsFile() {
    const QString home = PortableHome();
    if (!home.isEmpty()) return WithSeparator(home) + QStringLiteral("PLOV-Kmr.ini");
#ifdef _WIN32
    return {};
#else
    // Where QSettings keeps the user's key on Unix systems.
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Korvale/PLOV-Kmr.conf");
#endif
}

// Empty, or why the settings file is not read.
QString SettingsFileProblem(const QString& path) {
    const int kind = files::CheckRegularFile(QFile::encodeName(path).toStdString(),
                                             static_cast<std::uintmax_t>(kSettingsSizeLimit));
    if (kind == 0 || kind == ENOENT) return {};
    const QString why = kind == EFBIG
                            ? QStringLiteral("が %1 バイトを超えています").arg(kSettingsSizeLimit)
                            : QStringLiteral("が通常のファイルではありません");
    return QStringLiteral("設定ファイル「%1」%2。読まずに既定値を使います。")
        .arg(QDir::toNativeSeparators(path), why);
}

}  // namespace

QString PortableHome() {
    return qEnvironmentVariable("PLOVKMR_HOME");
}

void InitApplicationIdentity() {
    QCoreApplication::setOrganizationName(QStringLiteral("Korvale"));
    QCoreApplication::setApplicationName(QStringLiteral("PLOV-Kmr"));
}

QString SideFileDir() {
    const QString dir = SideFolder();
    QDir().mkpath(dir);
    return dir;
}

QString DefaultsFilePathToRead() {
    return SideFolder() + QStringLiteral("PLOVKmr.def");
}

QString RecentFilesPath() {
    return SideFileDir() + QStringLiteral("_RecentFile.dat");
}
QString DefaultsFilePath() {
    SideFileDir();
    return DefaultsFilePathToRead();
}

QString PrinterSettingsPath(const QString& appExeName) {
    return SideFileDir() + appExeName + QStringLiteral(".plv");
}

bool UsableStoreFile(const QString& path) {
    return files::CheckRegularFile(QFile::encodeName(path).toStdString(),
                                   static_cast<std::uintmax_t>(kSettingsSizeLimit)) == 0;
}

std::unique_ptr<QSettings> OpenSettings(QString* problem) {
    const QString file = SettingsFile();
    if (file.isEmpty()) {
        return std::make_unique<QSettings>(QStringLiteral("Korvale"), QStringLiteral("PLOV-Kmr"));
    }
    const QString why = SettingsFileProblem(file);
    if (problem) *problem = why;
    // No name: an empty store that reads and writes no file.
    return std::make_unique<QSettings>(why.isEmpty() ? file : QString(), QSettings::IniFormat);
}

namespace {

// A report flag of the settings: "0" is off; on when missing or anything else.
bool ReadFlag(QSettings& store, const char* key) {
    return store.value(QLatin1String(key)).toString().trimmed() != QStringLiteral("0");
}

void WriteFlag(QSettings& store, const char* key, bool on) {
    store.setValue(QLatin1String(key), on ? QStringLiteral("1") : QStringLiteral("0"));
    store.sync();
}

}  // namespace

bool ReadDiagramDefault(QSettings& store) {
    return ReadFlag(store, "DiagramFlag");
}

void WriteDiagramDefault(QSettings& store, bool on) {
    WriteFlag(store, "DiagramFlag", on);
}

bool ReadCheckDefault(QSettings& store) {
    return ReadFlag(store, "CheckFlag");
}

void WriteCheckDefault(QSettings& store, bool on) {
    WriteFlag(store, "CheckFlag", on);
}

}  // namespace kmr
