#include "Version.h"

#include <QtGlobal>

#ifndef KMR_FILE_VERSION
#error "KMR_FILE_VERSION must be defined by the build"
#endif

namespace kmr::ui {

VersionInfo VersionFromFileVersion(const QString& fileVersion) {
    const QString trimmed = fileVersion.trimmed();
    Q_ASSERT_X(trimmed.size() > 2, "VersionFromFileVersion", "no file version");
    VersionInfo v;
    v.FileVersion = trimmed;
    v.VersionText = trimmed.left(trimmed.size() - 2);
    v.VersionDigits = v.VersionText;
    v.VersionDigits.remove(QLatin1Char('.'));
    return v;
}

const VersionInfo& ProgramVersion() {
    static const VersionInfo version = VersionFromFileVersion(QStringLiteral(KMR_FILE_VERSION));
    return version;
}

}  // namespace kmr::ui
