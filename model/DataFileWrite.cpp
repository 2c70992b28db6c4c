// Writing a version-3 file: the image goes to a new temporary file in the
// target's folder, is flushed and read back byte for byte, and only then
// replaces the target by a rename. Any failure leaves the target untouched.
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <random>
#include <system_error>

#include "model/DataFile.h"
#include "model/DataFileText.h"

namespace kmr {
namespace {

namespace fs = std::filesystem;

// A failed step: the system's reason, already in words.
struct WriteFailure {
    std::string reason;
};

[[noreturn]] void Fail(int error) {
    throw WriteFailure{text::SystemReason(error)};
}

// Longest name a folder entry may have, in bytes.
constexpr std::size_t kNameLimit = 255;

// The target's name cut to at most room bytes, at a character boundary of
// UTF-8 text.
std::string CutName(const std::string& name, std::size_t room) {
    if (name.size() <= room) return name;
    std::size_t cut = room;
    while (cut > 0 && (static_cast<unsigned char>(name[cut]) & 0xC0u) == 0x80u) --cut;
    return name.substr(0, cut);
}

// "." name "." number ".tmp" in the target's folder, within the name limit:
// a long target name is shortened in the temporary name only.
std::string TemporaryName(const std::string& fileName, unsigned attempt) {
    static std::mt19937 rng{std::random_device{}()};
    const fs::path target(fileName);
    const std::string number = std::to_string(rng() % 1000000u + attempt);
    const std::size_t room = kNameLimit - (1 + 1 + number.size() + 4);  // ". . .tmp"
    const std::string name =
        "." + CutName(target.filename().string(), room) + "." + number + ".tmp";
    return (target.parent_path() / name).string();
}

// Creates a file that did not exist before ("x": never reuses another's file).
std::FILE* CreateTemporary(const std::string& fileName, std::string& tempName) {
    for (unsigned attempt = 0; attempt < 100; ++attempt) {
        const std::string candidate = TemporaryName(fileName, attempt);
        errno = 0;
        if (std::FILE* f = std::fopen(candidate.c_str(), "wbx")) {
            tempName = candidate;  // ours from now on, removed on failure
            return f;
        }
        if (errno != EEXIST) Fail(errno);
    }
    Fail(EEXIST);
}

void WriteAll(std::FILE* f, const std::vector<std::uint8_t>& bytes) {
    errno = 0;
    const std::size_t put = std::fwrite(bytes.data(), 1, bytes.size(), f);
    const bool flushed = put == bytes.size() && std::fflush(f) == 0;
    const int error = errno;
    const bool closed = std::fclose(f) == 0;
    if (!flushed) Fail(error ? error : ENOSPC);
    if (!closed) Fail(errno ? errno : EIO);
}

// Reads the temporary file back: exactly the bytes given, nothing more.
void Verify(const std::string& tempName, const std::vector<std::uint8_t>& bytes) {
    errno = 0;
    std::FILE* f = std::fopen(tempName.c_str(), "rb");
    if (!f) Fail(errno);
    std::vector<std::uint8_t> back(bytes.size() + 1);
    const std::size_t got = std::fread(back.data(), 1, back.size(), f);
    std::fclose(f);
    back.resize(got);
    if (back != bytes) Fail(EIO);
}

// A replaced file keeps its permissions (best effort).
void KeepPermissions(const std::string& fileName, const std::string& tempName) {
    std::error_code ec;
    const fs::file_status old = fs::status(fileName, ec);
    if (ec || !fs::is_regular_file(old)) return;
    fs::permissions(tempName, old.permissions(), ec);
}

void Replace(const std::string& tempName, const std::string& fileName) {
    std::error_code ec;
    fs::rename(tempName, fileName, ec);
    if (ec) throw WriteFailure{ec.message()};
}

// A symbolic link is followed: the file it names is replaced, the link stays.
// A link whose target does not exist yet is followed too (the target is
// created); a loop of links is left as it is, and the write then fails.
std::string ReplacedFile(const std::string& fileName) {
    fs::path p(fileName);
    std::error_code ec;
    for (int hop = 0; hop < 40 && fs::is_symlink(fs::symlink_status(p, ec)); ++hop) {
        const fs::path target = fs::read_symlink(p, ec);
        if (ec) return p.string();
        p = target.is_absolute() ? target : p.parent_path() / target;
    }
    return p.string();
}

// An existing target must be a regular file: a device, FIFO or folder is
// never replaced.
void RequireRegularTarget(const std::string& target) {
    std::error_code ec;
    const fs::file_status status = fs::symlink_status(target, ec);
    if (fs::exists(status) && !fs::is_regular_file(status)) {
        throw WriteFailure{text::NotRegularTarget()};
    }
}

bool ExistsAsFile(const std::string& fileName) {
    std::error_code ec;
    return fs::exists(fs::symlink_status(fileName, ec));
}

}  // namespace

DataFileResult WriteDataFile(const std::string& path, const BeamModel& model) {
    DataFileResult result{FileKindOf(path), ActualFileName(path)};
    if (result.kind == FileKind::Version1) {
        throw DataFileError(DataFileError::Problem::kVersion1Target, result.fileName,
                            text::Version1Target(result.fileName));
    }
    const std::vector<std::uint8_t> bytes = EncodeVersion3(model);
    const std::string target = ReplacedFile(result.fileName);
    std::string tempName;
    try {
        RequireRegularTarget(target);
        std::FILE* f = CreateTemporary(target, tempName);
        WriteAll(f, bytes);
        Verify(tempName, bytes);
        KeepPermissions(target, tempName);
        Replace(tempName, target);
    } catch (const WriteFailure& failure) {
        std::error_code ignored;
        if (!tempName.empty()) fs::remove(tempName, ignored);
        throw DataFileError(
            DataFileError::Problem::kCannotWrite, result.fileName,
            text::CannotWrite(result.fileName, failure.reason, ExistsAsFile(result.fileName)));
    }
    return result;
}

}  // namespace kmr
