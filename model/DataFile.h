// Reading and writing data files. Version 3 (".KMX") is the byte image of
// the model and the only format written; version 1 (".Kmr") is read and
// converted. Failures are thrown as DataFileError; a failed read leaves the
// model exactly as it was, a failed write leaves the previous file intact.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "model/FileImage.h"
#include "model/Model.h"

namespace kmr {

enum class FileKind : int { Version1 = 1, Version3 = 3 };

// Kind by the last four characters of the path in upper case: ".KMR" is
// version 1; ".KMX" and anything else version 3.
FileKind FileKindOf(const std::string& path);
// The file actually used: the path itself for ".KMX" and ".KMR", otherwise
// the path with ".KMX" appended.
std::string ActualFileName(const std::string& path);

class DataFileError : public std::runtime_error {
  public:
    enum class Problem {
        kCannotOpen,      // missing, unreadable
        kNotRegularFile,  // a directory, FIFO, device, socket: never opened
        kTooShort,        // shorter than its format
        kBadSpanCount,    // SpanCount outside 1..10
        kNotFinite,       // NaN or infinity in a used value
        kCannotWrite,     // temporary file, short write, replace
        kVersion1Target,  // a write to a ".KMR" name
    };
    // message: the whole Japanese text shown to the user (what()).
    DataFileError(Problem problem, std::string fileName, const std::string& message)
        : std::runtime_error(message), problem_(problem), fileName_(std::move(fileName)) {}
    Problem problem() const { return problem_; }
    const std::string& fileName() const { return fileName_; }

  private:
    Problem problem_;
    std::string fileName_;
};

struct DataFileResult {
    FileKind kind = FileKind::Version3;
    std::string fileName;  // the file actually read or written
};

// Reads the file of the path's kind into the model (a version-1 file is
// converted). Anything but a regular file (after following links) is refused
// before it is opened. The caller renames members and supports afterwards.
DataFileResult ReadDataFile(const std::string& path, BeamModel& model);
// The same for exactly the file named (no extension added); its kind by its
// name as FileKindOf says.
DataFileResult ReadDataFileNamed(const std::string& fileName, BeamModel& model);

// True when what `name` leads to (links followed) is a data file by its name
// (".KMX" or ".Kmr", any case) or by its first bytes (a version-3 or
// version-1 file, whatever its name). Output that is not a data file must
// never replace one.
bool IsDataFile(const std::string& name);
// Writes the model as version 3 to the file of the path's kind; refuses a
// version-1 name and an existing target that is not a regular file. A
// symbolic link is followed, also one whose target does not exist yet. The
// model is not changed.
DataFileResult WriteDataFile(const std::string& path, const BeamModel& model);
// The same for exactly the file named (no extension added).
DataFileResult WriteDataFileNamed(const std::string& fileName, const BeamModel& model);

// The bytes a save writes: the version-3 image, then the design block as read
// or set when the beam has one.
std::vector<std::uint8_t> EncodeDataFile(const BeamModel& model);

// Fills the model from the four version-1 blocks; the fields that version 1
// does not carry keep their values.
void ConvertVersion1(const Version1Blocks& old, BeamModel& model);

// The part of ReadDataFile after the bytes are in memory: size check,
// decoding or conversion, content checks. fileName names the file in errors.
void LoadDataImage(FileKind kind, const std::string& fileName,
                   const std::vector<std::uint8_t>& bytes, BeamModel& model);

// Throws kBadSpanCount or kNotFinite when the model cannot be used safely.
void CheckModelContent(const BeamModel& model, const std::string& fileName);

}  // namespace kmr
