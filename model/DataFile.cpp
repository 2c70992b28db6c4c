// Reading data files: file kind, whole-file read, size and content checks.
// The version-1 conversion is in Version1.cpp, writing in DataFileWrite.cpp.
#include "model/DataFile.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <utility>

#include "model/DataFileText.h"
#include "model/FileSystem.h"
#include "model/ModelFields.h"

namespace kmr {
namespace {

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

std::string UpperLastFour(const std::string& path) {
    std::string tail = path.size() < 4 ? path : path.substr(path.size() - 4);
    for (char& c : tail) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return tail;
}

// Reads at most limit bytes of the file. Only a regular file is opened: a
// FIFO or a device would block the read or never end.
std::vector<std::uint8_t> ReadPrefix(const std::string& fileName, std::size_t limit) {
    int error = 0;
    FilePtr f(files::OpenForRead(fileName, error));
    if (!f && error == files::kNotRegularFile)
        throw DataFileError(DataFileError::Problem::kNotRegularFile, fileName,
                            text::NotRegularFile(fileName));
    if (!f)
        throw DataFileError(DataFileError::Problem::kCannotOpen, fileName,
                            text::CannotOpen(fileName, error));
    // In steps: a file is mostly far below the limit.
    std::vector<std::uint8_t> bytes;
    std::size_t got = 0;
    errno = 0;
    while (got < limit) {
        bytes.resize(std::min(limit, got + std::max<std::size_t>(got, 8192)));
        const std::size_t n = std::fread(bytes.data() + got, 1, bytes.size() - got, f.get());
        got += n;
        if (got < bytes.size()) break;
    }
    if (std::ferror(f.get())) {
        throw DataFileError(DataFileError::Problem::kCannotOpen, fileName,
                            text::CannotOpen(fileName, errno));
    }
    bytes.resize(got);
    return bytes;
}

void CheckSpanCount(const ModelHeader& h, const std::string& fileName) {
    if (h.SpanCount >= 1 && h.SpanCount <= kMaxSpans) return;
    throw DataFileError(DataFileError::Problem::kBadSpanCount, fileName,
                        text::BadSpanCount(fileName, h.SpanCount));
}

// Throws kNotFinite at the first real of a record that the program uses and
// that is not a finite number, naming it: the record ("部材 2 の"), the slot
// ("荷重 1 の") and the field ("L").
class FiniteCheck {
  public:
    FiniteCheck(const std::string& fileName, std::string record)
        : fileName_(fileName), record_(std::move(record)) {}
    void operator()(const char*, const Extended& v, const char* words) {
        if (words == nullptr || v.IsFinite()) return;
        std::string field = record_;
        if (!slot_.empty()) field += *words != '\0' ? slot_ + " の" : slot_;
        field += words;
        throw DataFileError(DataFileError::Problem::kNotFinite, fileName_,
                            text::NotFinite(fileName_, field));
    }
    template <class Field>
    void operator()(const char*, const Field&, const char*) {}
    void BeginSlots(const char*, const char* words) { slotWords_ = words; }
    void EndSlots() { slotWords_.clear(); }
    void BeginSlot(int j) { slot_ = slotWords_ + " " + std::to_string(j + 1); }
    void EndSlot() { slot_.clear(); }

  private:
    const std::string& fileName_;
    std::string record_;
    std::string slotWords_;
    std::string slot_;
};

}  // namespace

FileKind FileKindOf(const std::string& path) {
    return UpperLastFour(path) == ".KMR" ? FileKind::Version1 : FileKind::Version3;
}

std::string ActualFileName(const std::string& path) {
    const std::string tail = UpperLastFour(path);
    return tail == ".KMX" || tail == ".KMR" ? path : path + ".KMX";
}

// Members and supports beyond the span count are checked too: raising the
// span count brings them back into use without another read.
void CheckModelContent(const BeamModel& model, const std::string& fileName) {
    CheckSpanCount(model.Header, fileName);
    FiniteCheck header(fileName, "");
    VisitHeaderFields(header, model.Header);
    for (int m = 1; m <= kMaxSpans; ++m) {
        FiniteCheck member(fileName, "部材 " + std::to_string(m) + " の");
        VisitMemberFields(member, model.Members[m]);
    }
    for (int s = 1; s <= kMaxSupports; ++s) {
        FiniteCheck support(fileName, "支点 " + std::string(1, SupportLetter(s)) + " の");
        VisitSupportFields(support, model.Supports[s]);
    }
}

void LoadDataImage(FileKind kind, const std::string& fileName,
                   const std::vector<std::uint8_t>& bytes, BeamModel& model) {
    const std::size_t expected = kind == FileKind::Version1 ? kVersion1Bytes : kVersion3Bytes;
    if (bytes.size() < expected) {
        throw DataFileError(
            DataFileError::Problem::kTooShort, fileName,
            text::TooShort(fileName, kind == FileKind::Version1, bytes.size(), expected));
    }
    auto next = std::make_unique<BeamModel>(model);
    next->Design = {};
    if (kind == FileKind::Version1) {
        ConvertVersion1(DecodeVersion1(bytes.data()), *next);
    } else {
        DecodeVersion3(bytes.data(), *next);
        next->Design = ReadDesignBlock(bytes.data() + expected, bytes.size() - expected);
    }
    CheckModelContent(*next, fileName);
    model = *next;
}

DataFileResult ReadDataFile(const std::string& path, BeamModel& model) {
    return ReadDataFileNamed(ActualFileName(path), model);
}

DataFileResult ReadDataFileNamed(const std::string& fileName, BeamModel& model) {
    DataFileResult result{FileKindOf(fileName), fileName};
    // Version 3 may carry the design data after the image; a block beyond the
    // limit is read only in part and so reported unreadable.
    const std::size_t expected =
        result.kind == FileKind::Version1 ? kVersion1Bytes : kVersion3Bytes + kMaxDesignBlockBytes;
    LoadDataImage(result.kind, result.fileName, ReadPrefix(result.fileName, expected), model);
    return result;
}

namespace {

// The product name as the first bytes of a version-3 file (a length-prefixed
// string) and of a version-1 file (plain text).
bool HasDataFileSignature(const std::vector<std::uint8_t>& head) {
    static const char kProduct[] = "PLOV-Kmr";
    const std::size_t n = sizeof kProduct - 1;
    const auto at = [&](std::size_t offset) {
        return head.size() >= offset + n && std::memcmp(&head[offset], kProduct, n) == 0;
    };
    return (head.size() > 0 && head[0] == n && at(1)) || at(0);
}

}  // namespace

bool IsDataFile(const std::string& name) {
    const std::string target = files::FollowLinks(name);
    if (UpperLastFour(target) == ".KMX" || UpperLastFour(target) == ".KMR") return true;
    if (UpperLastFour(name) == ".KMX" || UpperLastFour(name) == ".KMR") return true;
    int error = 0;
    FilePtr f(files::OpenForRead(target, error));
    if (!f) return false;
    std::vector<std::uint8_t> head(16);
    head.resize(std::fread(head.data(), 1, head.size(), f.get()));
    return HasDataFileSignature(head);
}

}  // namespace kmr
