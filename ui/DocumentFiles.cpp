#include "DocumentFiles.h"

#include <QFile>
#include <QFileInfo>

#include "InputError.h"

namespace kmr::ui {
namespace {

std::string Native(const QString& path) {
    return QFile::encodeName(path).toStdString();
}
QString FromNative(const std::string& path) {
    return QFile::decodeName(path.c_str());
}

}  // namespace

bool HasDataExtension(const QString& path) {
    const QString tail = path.right(4).toUpper();
    return tail == QLatin1String(".KMX") || tail == QLatin1String(".KMR");
}

kmr::FileKind KindOfPath(const QString& path) {
    return kmr::FileKindOf(Native(path));
}

QString Version3NameFor(const QString& path) {
    return path.left(path.size() - 4) + QStringLiteral(".KMX");
}

QString SaveTargetPath(const QString& chosen) {
    if (KindOfPath(chosen) == kmr::FileKind::Version1) return Version3NameFor(chosen);
    return FromNative(kmr::ActualFileName(Native(chosen)));
}

ReadOutcome ReadDocument(const QString& path, kmr::BeamModel& model) {
    kmr::BeamModel read = model;
    try {
        const kmr::DataFileResult r = kmr::ReadDataFile(Native(path), read);
        model = read;
        return {r.kind, FromNative(r.fileName)};
    } catch (const kmr::DataFileError& e) {
        throw InputError(e.what());
    }
}

QString WriteDocument(const QString& path, const kmr::BeamModel& model) {
    try {
        return FromNative(kmr::WriteDataFile(Native(path), model).fileName);
    } catch (const kmr::DataFileError& e) {
        throw InputError(e.what());
    }
}

}  // namespace kmr::ui
