#include "RecentFiles.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <stdexcept>

#include "report/UserStores.h"

namespace kmr::ui {
namespace {

bool IsVersion1Name(const QString& path) {
    // Only the exact spelling ".Kmr" marks a file that is not listed.
    const int dot = path.lastIndexOf(QLatin1Char('.'));
    const int sep =
        std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
    return dot > sep && path.mid(dot) == QLatin1String(".Kmr");
}

}  // namespace

const QString& RecentFiles::Entry(int n) const {
    if (n < 1 || n > kCount) throw std::out_of_range("recent-file entry");
    return entries_[n];
}

int RecentFiles::FilledCount() const {
    int count = 0;
    for (int k = 1; k <= kCount; ++k) {
        if (!entries_[k].isEmpty()) ++count;
    }
    return count;
}

void RecentFiles::Add(const QString& path) {
    if (IsVersion1Name(path)) return;
    const QString wanted = path.trimmed();
    int p = 0;
    int lastFilled = 0;
    for (int k = 1; k <= kCount; ++k) {
        if (entries_[k].isEmpty()) continue;
        lastFilled = k;
        if (p == 0 && entries_[k].trimmed() == wanted) p = k;
    }
    if (p == 0) p = std::min(lastFilled + 1, kCount);
    for (int k = p; k >= 2; --k) {
        const QString& above = entries_[k - 1];
        if (!above.isEmpty() && above.trimmed() != wanted) entries_[k] = above.trimmed();
    }
    entries_[1] = wanted;
}

void RecentFiles::Promote(int n) {
    const QString path = Entry(n);
    for (int k = n - 1; k >= 1; --k) entries_[k + 1] = entries_[k];
    entries_[1] = path;
}

void RecentFiles::Read(const QString& path) {
    entries_ = {};
    QFile f(path);
    // A pipe in its place would block the start, a huge file fill the memory.
    if (!UsableStoreFile(path) || !f.open(QIODevice::ReadOnly)) return;
    int n = 0;
    while (n < kCount && !f.atEnd()) {
        QString line = QString::fromUtf8(f.readLine());
        while (line.endsWith(QLatin1Char('\n')) || line.endsWith(QLatin1Char('\r'))) line.chop(1);
        const QString entry = line.mid(1);
        if (entry.trimmed().isEmpty()) continue;
        entries_[++n] = entry;
    }
}

QByteArray RecentFiles::Serialise() const {
    QByteArray out;
    for (int k = 1; k <= kCount; ++k) {
        if (entries_[k].isEmpty()) continue;
        out += QByteArray::number(k % 10);
        out += entries_[k].toUtf8();
        out += "\r\n";
    }
    return out;
}

bool RecentFiles::Write(const QString& path, QString* error) const {
    QSaveFile f(path);
    const QByteArray data = Serialise();
    if (f.open(QIODevice::WriteOnly) && f.write(data) == data.size() && f.commit()) return true;
    if (error) {
        *error =
            QStringLiteral("履歴ファイル '%1' を書き込めません。\r\n%2").arg(path, f.errorString());
    }
    f.cancelWriting();
    return false;
}

}  // namespace kmr::ui
