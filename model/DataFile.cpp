// Reading data files: file kind, whole-file read, size and content checks.
// The version-1 conversion is in Version1.cpp, writing in DataFileWrite.cpp.
#include "model/DataFile.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>

#include "model/DataFileText.h"

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
    std::error_code ec;
    const std::filesystem::file_status status = std::filesystem::status(fileName, ec);
    if (std::filesystem::exists(status) && !std::filesystem::is_regular_file(status)) {
        throw DataFileError(DataFileError::Problem::kNotRegularFile, fileName,
                            text::NotRegularFile(fileName));
    }
    errno = 0;
    FilePtr f(std::fopen(fileName.c_str(), "rb"));
    if (!f)
        throw DataFileError(DataFileError::Problem::kCannotOpen, fileName,
                            text::CannotOpen(fileName, errno));
    std::vector<std::uint8_t> bytes(limit);
    errno = 0;
    const std::size_t got = std::fread(bytes.data(), 1, limit, f.get());
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

void RequireFinite(const Extended& v, const std::string& field, const std::string& fileName) {
    if (v.IsFinite()) return;
    throw DataFileError(DataFileError::Problem::kNotFinite, fileName,
                        text::NotFinite(fileName, field));
}

void CheckHeaderFinite(const ModelHeader& h, const std::string& fileName) {
    const std::pair<const Extended*, const char*> fields[] = {
        {&h.CommonLoad, "共通荷重"},
        {&h.CommonLoadHeight, "共通荷重の荷重高さ"},
        {&h.CommonE, "共通ヤング係数"},
        {&h.CommonIo, "共通 Io"},
        {&h.CommonIoBD, "共通 Io (B・D から)"},
        {&h.CommonB, "共通 B"},
        {&h.CommonD, "共通 D"},
        {&h.CommonSpring, "共通バネ定数"},
    };
    for (const auto& [value, label] : fields) RequireFinite(*value, label, fileName);
}

// Reserved1 and Reserved2 are never read by the program and stay unchecked.
void CheckMemberFinite(const MemberRecord& m, int number, const std::string& fileName) {
    const std::string who = "部材 " + std::to_string(number) + " の";
    const std::pair<const Extended*, const char*> fields[] = {
        {&m.SpanLength, "スパン長"}, {&m.Io, "Io"}, {&m.E, "ヤング係数"}, {&m.B, "B"}, {&m.D, "D"},
    };
    for (const auto& [value, label] : fields) RequireFinite(*value, who + label, fileName);
    for (int j = 0; j < kLoadSlots; ++j) {
        const MemberLoad& load = m.Loads[j];
        const std::string slot = who + "荷重 " + std::to_string(j + 1) + " の";
        const std::pair<const Extended*, const char*> loadFields[] = {
            {&load.Distance, "L"}, {&load.Length1, "L1"}, {&load.Length2, "L2"},
            {&load.Height, "H"},   {&load.Value, "WP"},
        };
        for (const auto& [value, label] : loadFields) RequireFinite(*value, slot + label, fileName);
    }
}

void CheckSupportFinite(const SupportRecord& s, int number, const std::string& fileName) {
    const std::string who = "支点 " + std::string(1, SupportLetter(number)) + " の";
    for (int j = 0; j < kLoadSlots; ++j) {
        RequireFinite(s.NodeLoads[j].Value, who + "節点荷重 " + std::to_string(j + 1), fileName);
    }
    RequireFinite(s.SpringConstant, who + "バネ定数", fileName);
}

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
    CheckHeaderFinite(model.Header, fileName);
    for (int m = 1; m <= kMaxSpans; ++m) CheckMemberFinite(model.Members[m], m, fileName);
    for (int s = 1; s <= kMaxSupports; ++s) CheckSupportFinite(model.Supports[s], s, fileName);
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
    if (kind == FileKind::Version1) {
        ConvertVersion1(DecodeVersion1(bytes.data()), *next);
    } else {
        DecodeVersion3(bytes.data(), *next);
    }
    CheckModelContent(*next, fileName);
    model = *next;
}

DataFileResult ReadDataFile(const std::string& path, BeamModel& model) {
    DataFileResult result{FileKindOf(path), ActualFileName(path)};
    const std::size_t expected =
        result.kind == FileKind::Version1 ? kVersion1Bytes : kVersion3Bytes;
    LoadDataImage(result.kind, result.fileName, ReadPrefix(result.fileName, expected), model);
    return result;
}

}  // namespace kmr
