// The list of the ten most recently used data files, newest first, and its
// text file "_RecentFile.dat": one line per filled entry, the entry's
// position digit (1..9, "0" for the tenth) followed by the path, CR LF.
#pragma once

#include <QString>
#include <array>

namespace kmr::ui {

class RecentFiles {
  public:
    static constexpr int kCount = 10;

    // Entry n = 1..10; an empty string marks an empty entry.
    const QString& Entry(int n) const;
    int FilledCount() const;

    // After a document was opened or saved under a new name. A path whose
    // extension is exactly ".Kmr" (a version-1 file) is not listed; a path
    // already listed moves to the top; a full list drops its tenth entry.
    void Add(const QString& path);
    // Entry n moves to the top; entries 1..n-1 move down by one.
    void Promote(int n);

    // A missing file leaves the list empty. Each line's path is the line
    // without its first character; lines after the tenth are ignored, and
    // lines without a path are skipped.
    void Read(const QString& path);
    // Rewrites the file whole (atomically); false with an error text naming
    // the file when that fails.
    bool Write(const QString& path, QString* error) const;
    // The file's content as written by Write.
    QByteArray Serialise() const;

  private:
    std::array<QString, kCount + 1> entries_;  // index 0 unused
};

}  // namespace kmr::ui
