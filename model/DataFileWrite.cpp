// Writing a version-3 file: the image goes to a new temporary file in the
// target's folder, is flushed and read back byte for byte, and only then
// replaces the target in one step, written through to the disk. Any failure
// leaves the target untouched.
#include <cerrno>
#include <cstdio>
#include <random>
#include <string>

#include "model/DataFile.h"
#include "model/DataFileText.h"
#include "model/FileSystem.h"

namespace kmr {
namespace {

// A failed step: the system's reason, already in words.
struct WriteFailure {
    std::string reason;
};

[[noreturn]] void Fail(int error) {
    throw WriteFailure{text::SystemReason(error)};
}

// Creates a file that did not exist before (never reuses another's file).
std::FILE* CreateTemporary(const std::string& fileName, std::string& tempName) {
    static std::mt19937 rng{std::random_device{}()};
    for (unsigned attempt = 0; attempt < 100; ++attempt) {
        const std::string candidate =
            files::TemporaryName(fileName, std::to_string(rng() % 1000000u + attempt));
        int error = 0;
        if (std::FILE* f = files::CreateNew(candidate, error)) {
            tempName = candidate;  // ours from now on, removed on failure
            return f;
        }
        if (error != EEXIST) Fail(error);
    }
    Fail(EEXIST);
}

void WriteAll(std::FILE* f, const std::vector<std::uint8_t>& bytes) {
    errno = 0;
    const std::size_t put = std::fwrite(bytes.data(), 1, bytes.size(), f);
    const int writeError = put == bytes.size() ? 0 : (errno ? errno : ENOSPC);
    const int closeError = files::FlushAndClose(f);
    if (writeError) Fail(writeError);
    if (closeError) Fail(closeError);
}

// Reads the temporary file back: exactly the bytes given, nothing more.
void Verify(const std::string& tempName, const std::vector<std::uint8_t>& bytes) {
    int error = 0;
    std::FILE* f = files::OpenForRead(tempName, error);
    if (!f) Fail(error);
    std::vector<std::uint8_t> back(bytes.size() + 1);
    const std::size_t got = std::fread(back.data(), 1, back.size(), f);
    std::fclose(f);
    back.resize(got);
    if (back != bytes) Fail(EIO);
}

void Replace(const std::string& tempName, const std::string& fileName) {
    if (const int error = files::Replace(tempName, fileName)) Fail(error);
}

}  // namespace

std::vector<std::uint8_t> EncodeDataFile(const BeamModel& model) {
    std::vector<std::uint8_t> bytes = EncodeVersion3(model);
    // The design block exactly as read or set (also one that could not be
    // read): nothing of it is lost or rewritten by a save.
    if (model.Design.State != DesignState::None) {
        bytes.insert(bytes.end(), model.Design.Raw.begin(), model.Design.Raw.end());
    }
    return bytes;
}

DataFileResult WriteDataFile(const std::string& path, const BeamModel& model) {
    DataFileResult result{FileKindOf(path), ActualFileName(path)};
    if (result.kind == FileKind::Version1) {
        throw DataFileError(DataFileError::Problem::kVersion1Target, result.fileName,
                            text::Version1Target(result.fileName));
    }
    const std::vector<std::uint8_t> bytes = EncodeDataFile(model);
    // A symbolic link is followed, even one whose target does not exist yet:
    // the file it names is replaced (or created), the link stays.
    const std::string target = files::FollowLinks(result.fileName);
    std::string tempName;
    try {
        // A device, FIFO or folder (or a loop of links) is never replaced.
        if (files::ExistsAsNonRegular(target)) throw WriteFailure{text::NotRegularTarget()};
        std::FILE* f = CreateTemporary(target, tempName);
        WriteAll(f, bytes);
        Verify(tempName, bytes);
        files::CopyPermissions(target, tempName);  // a replaced file keeps them
        Replace(tempName, target);
    } catch (const WriteFailure& failure) {
        if (!tempName.empty()) files::Remove(tempName);
        throw DataFileError(
            DataFileError::Problem::kCannotWrite, result.fileName,
            text::CannotWrite(result.fileName, failure.reason, files::Exists(result.fileName)));
    }
    return result;
}

}  // namespace kmr
