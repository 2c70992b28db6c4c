#include "AppPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>
#include <QStandardPaths>
#include <QTranslator>

namespace kmr::ui {
namespace {

const char* const kHomeVariable = "PLOVKMR_HOME";

QString HomeOverride() {
    return qEnvironmentVariable(kHomeVariable);
}

QString WithSeparator(const QString& dir) {
    QString d = QDir::cleanPath(dir);
    if (!d.endsWith(QLatin1Char('/'))) d += QLatin1Char('/');
    return d;
}

QString EnsureDir(const QString& dir) {
    QDir().mkpath(dir);
    return WithSeparator(dir);
}

}  // namespace

void InitApplicationIdentity() {
    QCoreApplication::setOrganizationName(QStringLiteral("Korvale"));
    QCoreApplication::setApplicationName(QStringLiteral("PLOV-Kmr"));
}

QTranslator* InstallQtTranslation() {
    auto* qt = new QTranslator(QCoreApplication::instance());
    if (!qt->load(QLocale(QLocale::Japanese), QStringLiteral("qtbase"), QStringLiteral("_"),
                  QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
        !QCoreApplication::installTranslator(qt)) {
        delete qt;
        return nullptr;
    }
    return qt;
}

QString SideFileDir() {
    const QString home = HomeOverride();
    if (!home.isEmpty()) return EnsureDir(home);
    return EnsureDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}

QString DocumentsDir() {
    const QString home = HomeOverride();
    if (!home.isEmpty()) return EnsureDir(home);
    QString docs = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (docs.isEmpty()) docs = QDir::homePath();
    return WithSeparator(docs);
}

QString ProgramDir() {
    return WithSeparator(QCoreApplication::applicationDirPath());
}

QString NewDocumentPath() {
    return DocumentsDir() + QStringLiteral("新規データ");
}
QString RecentFilesPath() {
    return SideFileDir() + QStringLiteral("_RecentFile.dat");
}
QString DefaultsFilePath() {
    return SideFileDir() + QStringLiteral("PLOVKmr.def");
}

QString PrinterSettingsPath(const QString& appExeName) {
    return SideFileDir() + appExeName + QStringLiteral(".plv");
}

std::unique_ptr<QSettings> OpenSettings() {
    const QString home = HomeOverride();
    if (!home.isEmpty()) {
        return std::make_unique<QSettings>(EnsureDir(home) + QStringLiteral("PLOV-Kmr.ini"),
                                           QSettings::IniFormat);
    }
    return std::make_unique<QSettings>(QStringLiteral("Korvale"), QStringLiteral("PLOV-Kmr"));
}

}  // namespace kmr::ui
