// Writing a version-3 file: the image goes to a new temporary file in the
// target's folder, is flushed and read back byte for byte, and only then
// replaces the target in one step, written through to the disk. Any failure
// leaves the target untouched.
#include <string>

#include "model/DataFile.h"
#include "model/DataFileText.h"
#include "model/FileSystem.h"

namespace kmr {

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
    return WriteDataFileNamed(ActualFileName(path), model);
}

DataFileResult WriteDataFileNamed(const std::string& fileName, const BeamModel& model) {
    DataFileResult result{FileKindOf(fileName), fileName};
    if (result.kind == FileKind::Version1) {
        throw DataFileError(DataFileError::Problem::kVersion1Target, result.fileName,
                            text::Version1Target(result.fileName));
    }
    // A symbolic link is followed, even one whose target does not exist yet:
    // the file it names is replaced (or created), the link stays.
    const int error = files::WriteWholeFile(result.fileName, EncodeDataFile(model));
    if (error != 0) {
        const std::string reason =
            error == files::kNotRegularFile ? text::NotRegularTarget() : text::SystemReason(error);
        throw DataFileError(
            DataFileError::Problem::kCannotWrite, result.fileName,
            text::CannotWrite(result.fileName, reason, files::Exists(result.fileName)));
    }
    return result;
}

}  // namespace kmr
