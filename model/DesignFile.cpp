// Reading a design JSON file given on its own (plovkmr check --design).
#include <cerrno>
#include <cstdio>
#include <string>

#include "model/DataFile.h"
#include "model/DataFileText.h"
#include "model/DesignData.h"
#include "model/FileSystem.h"

namespace kmr {

DesignData ReadDesignFile(const std::string& path, int spanCount) {
    int error = 0;
    std::FILE* f = files::OpenForRead(path, error);
    if (!f && error == files::kNotRegularFile)
        throw DataFileError(DataFileError::Problem::kNotRegularFile, path,
                            text::NotRegularFile(path));
    if (!f)
        throw DataFileError(DataFileError::Problem::kCannotOpen, path,
                            text::CannotOpen(path, error));
    std::string content(kMaxDesignBlockBytes + 1, '\0');
    errno = 0;
    const std::size_t got = std::fread(&content[0], 1, content.size(), f);
    const bool failed = std::ferror(f) != 0;
    const int readError = errno;
    std::fclose(f);
    if (failed)
        throw DataFileError(DataFileError::Problem::kCannotOpen, path,
                            text::CannotOpen(path, readError));
    if (got > kMaxDesignBlockBytes) throw DesignError("設計データ: " + path + ": 大きすぎます。");
    content.resize(got);
    return ParseDesignJson(content, spanCount);
}

}  // namespace kmr
