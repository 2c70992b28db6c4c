// Recovery copies: while a document has unsaved changes the window keeps a
// copy of its file image in the folder "recovery" of the per-user folder, one
// file per running program, so that a run that ends abnormally leaves its
// edits behind for the next start to offer.
#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <optional>

#include "UndoHistory.h"

namespace kmr::ui {

struct RecoveryCopy {
    QString DocumentPath;  // the document's path when the copy was written
    bool Untitled = true;
    QDateTime Written;
    DocumentImage Image;
};

// SideFileDir() + "recovery/", created on demand.
QString RecoveryDir();
// The copy of the program with that process id.
QString RecoveryFileFor(qint64 pid);

// Writes the copy into a temporary file and replaces file by it; false when
// any step failed (the previous copy is then left as it was).
bool WriteRecoveryCopy(const QString& file, qint64 pid, const RecoveryCopy& copy);
void RemoveRecoveryCopy(const QString& file);

// The copies in dir whose program is no longer running, newest first.
QStringList LeftRecoveryCopies(const QString& dir);
// The copy in file; nullopt when it is damaged (cut short, altered, or an
// image the data-file reader refuses).
std::optional<RecoveryCopy> ReadRecoveryCopy(const QString& file);
// Renames a damaged copy so that it is never offered again; the new name.
QString SetAsideRecoveryCopy(const QString& file);

// The question at start and the report of a damaged copy.
QString RestoreQuestion(const RecoveryCopy& copy);
QString DamagedCopyMessage(const QString& file, const QString& setAside);

}  // namespace kmr::ui
