// The data files as the document commands see them: paths as QString, the
// kind by name, and errors as InputError with the model layer's message.
#pragma once

#include <QString>

#include "model/DataFile.h"
#include "model/Model.h"

namespace kmr::ui {

// The open command accepts only names whose last four characters, in upper
// case, are ".KMX" or ".KMR".
bool HasDataExtension(const QString& path);
kmr::FileKind KindOfPath(const QString& path);
// The file a save writes for a chosen name: a version-1 name gets ".KMX"
// instead of its extension (version-3 content under a ".Kmr" name could not
// be read again); any other name is the model layer's actual file name.
QString SaveTargetPath(const QString& chosen);
// The name save-as proposes for a document read from a version-1 file: the
// same folder and base name with ".KMX".
QString Version3NameFor(const QString& path);

struct ReadOutcome {
    kmr::FileKind Kind = kmr::FileKind::Version3;
    QString FileName;  // the file actually read
};

// Reads into model only when the whole read succeeded; throws InputError
// with the Japanese message otherwise (model untouched).
ReadOutcome ReadDocument(const QString& path, kmr::BeamModel& model);
// Writes version 3; throws InputError (the previous file is left intact).
// Returns the file actually written.
QString WriteDocument(const QString& path, const kmr::BeamModel& model);

}  // namespace kmr::ui
