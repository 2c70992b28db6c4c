// The few file-system calls of the data files, for POSIX systems and Windows.
// File names are UTF-8 throughout the program; on Windows they reach the
// system as UTF-16. Failures are errno values (Windows errors are mapped to
// the nearest one), so both systems report them in the same words.
#pragma once

#include <cstdio>
#include <filesystem>
#include <string>

namespace kmr::files {

// Not an errno value: the name is neither a regular file nor a folder
// (a device, a pipe, a socket).
constexpr int kNotRegularFile = -1;

std::filesystem::path PathOf(const std::string& utf8Name);
std::string Utf8Of(const std::filesystem::path& path);

// True when anything, even a dangling link, has this name.
bool Exists(const std::string& name);

// Opens a regular file for reading (links followed). Anything else is refused
// without waiting on it: EISDIR for a folder, kNotRegularFile otherwise.
// Returns null and sets error on failure.
std::FILE* OpenForRead(const std::string& name, int& error);

// Creates a file that did not exist before (EEXIST otherwise) for writing.
std::FILE* CreateNew(const std::string& name, int& error);

// Writes the stream's buffer and the file's data through to the disk, then
// closes it. Returns 0 or the first error.
int FlushAndClose(std::FILE* f);

// Gives `to` the access permissions of `from` (best effort; POSIX only:
// Windows files take theirs from the folder).
void CopyPermissions(const std::string& from, const std::string& to);

// Replaces `to` by `from` in one step, written through to the disk before it
// returns. Returns 0 or the error; on error `to` is unchanged.
int Replace(const std::string& from, const std::string& to);

// Removes a file, ignoring failure.
void Remove(const std::string& name);

}  // namespace kmr::files
