// The few file-system calls of the data files, for POSIX systems and Windows.
// File names are UTF-8 throughout the program; on Windows they reach the
// system as UTF-16. Failures are errno values (Windows errors are mapped to
// the nearest one), so both systems report them in the same words.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace kmr::files {

// Not an errno value: the name is not a regular file (a folder, a device, a
// pipe, a socket).
constexpr int kNotRegularFile = -1;

// Longest name a folder entry may have, in bytes of UTF-8 (on Windows the
// limit counts UTF-16 units, never more than the bytes).
constexpr std::size_t kNameLimit = 255;

std::filesystem::path PathOf(const std::string& utf8Name);
std::string Utf8Of(const std::filesystem::path& path);

// True when anything, even a dangling link, has this name.
bool Exists(const std::string& name);

// True when something that is not a regular file has this name, links not
// followed: a folder, a device, a pipe, a socket, a link (on Windows: a
// folder or a device).
bool ExistsAsNonRegular(const std::string& name);

// The name a write through `name` lands on: symbolic links are followed, the
// last one also when its target does not exist yet; a loop of links stops
// after 40 and gives a link. On Windows the name itself.
std::string FollowLinks(const std::string& name);

// "." name "." tag ".tmp" in the folder of `name`, the name part cut at a
// UTF-8 character boundary so that the whole stays within kNameLimit.
std::string TemporaryName(const std::string& name, const std::string& tag);

// Opens a regular file for reading (links followed). Anything else (folder,
// pipe, device) is refused with kNotRegularFile without being opened for
// reading, and without waiting on it should one be swapped in meanwhile.
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

// 0 when `name` (links followed) is a regular file of at most maxBytes;
// otherwise ENOENT (nothing there), kNotRegularFile, EFBIG (larger) or the
// error of looking. Never opens the file, so nothing can wait on it.
int CheckRegularFile(const std::string& name, std::uintmax_t maxBytes);

// The tag of this process's temporary files: its process id, then
// "-attempt" for further attempts. TemporaryName(name, tag) with such a tag
// is a temporary file of this program.
std::string TemporaryTag(unsigned attempt);

// Removes, in the folder of `name`, the temporary files of this program
// (TemporaryName of a ".KMX", ".Kmr", ".pdf" or ".def" name, any case, with a
// TemporaryTag) whose process no longer exists: leftovers of a killed run.
// POSIX only; best effort.
void RemoveLeftoverTemporaries(const std::string& name);

// While a temporary file is being written: TERM, INT or HUP remove it before
// the process ends by that signal (a signal the program ignores or handles
// itself is left alone). One file at a time; ForgetOnSignal when
// it is renamed or removed.
void RemoveOnSignal(const std::string& temporaryName);
void ForgetOnSignal();

// Writes `bytes` as the whole of the file `name` names (links followed, also
// a dangling one): a new temporary file beside the target
// (RemoveLeftoverTemporaries first), flushed, read back byte for byte, given
// the target's permissions and put in its place in one step. Returns 0 or
// the error (kNotRegularFile: the target is a folder, FIFO, device or a loop
// of links, never replaced); on error the target is unchanged and no
// temporary file stays.
int WriteWholeFile(const std::string& name, const std::vector<std::uint8_t>& bytes);

}  // namespace kmr::files
