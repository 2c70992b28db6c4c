#include "AppPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QStandardPaths>
#include <QTranslator>

namespace kmr::ui {
namespace {

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

QString DocumentsDir() {
    const QString home = PortableHome();
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

}  // namespace kmr::ui
