#include "model/FileSystem.h"

#include <cerrno>
#include <system_error>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace kmr::files {

namespace fs = std::filesystem;

fs::path PathOf(const std::string& utf8Name) {
    return fs::u8path(utf8Name);
}

std::string Utf8Of(const fs::path& path) {
    return path.u8string();
}

bool Exists(const std::string& name) {
    std::error_code ec;
    return fs::exists(fs::symlink_status(PathOf(name), ec));
}

void CopyPermissions(const std::string& from, const std::string& to) {
#ifdef _WIN32
    (void)from;
    (void)to;
#else
    std::error_code ec;
    const fs::file_status old = fs::status(PathOf(from), ec);
    if (ec || !fs::is_regular_file(old)) return;
    fs::permissions(PathOf(to), old.permissions(), ec);
#endif
}

void Remove(const std::string& name) {
    std::error_code ignored;
    fs::remove(PathOf(name), ignored);
}

namespace {

// The first `room` bytes of UTF-8 text at most, cut before a character.
std::string CutUtf8(const std::string& text, std::size_t room) {
    if (text.size() <= room) return text;
    std::size_t cut = room;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0u) == 0x80u) --cut;
    return text.substr(0, cut);
}

}  // namespace

std::string TemporaryName(const std::string& name, const std::string& tag) {
    const fs::path path = PathOf(name);
    const std::size_t fixed = 1 + 1 + tag.size() + 4;  // "." "." tag ".tmp"
    const std::size_t room = kNameLimit > fixed ? kNameLimit - fixed : 0;
    const std::string entry = "." + CutUtf8(Utf8Of(path.filename()), room) + "." + tag + ".tmp";
    return Utf8Of(path.parent_path() / PathOf(entry));
}

#ifdef _WIN32

namespace {

std::wstring Wide(const std::string& utf8) {
    if (utf8.empty()) return {};
    const int n =
        MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), n);
    return wide;
}

int ErrnoOf(DWORD code) {
    switch (code) {
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
        case ERROR_INVALID_DRIVE:
        case ERROR_BAD_NETPATH:
        case ERROR_BAD_NET_NAME:
        case ERROR_INVALID_NAME:
            return ENOENT;
        case ERROR_ACCESS_DENIED:
        case ERROR_SHARING_VIOLATION:
        case ERROR_LOCK_VIOLATION:
        case ERROR_WRITE_PROTECT:
            return EACCES;
        case ERROR_FILE_EXISTS:
        case ERROR_ALREADY_EXISTS:
            return EEXIST;
        case ERROR_DISK_FULL:
        case ERROR_HANDLE_DISK_FULL:
            return ENOSPC;
        case ERROR_NOT_ENOUGH_MEMORY:
        case ERROR_OUTOFMEMORY:
            return ENOMEM;
        case ERROR_FILENAME_EXCED_RANGE:
            return ENAMETOOLONG;
        case ERROR_DIRECTORY:
            return ENOTDIR;
        default:
            return EIO;
    }
}

// A stream over a handle; the handle is closed on failure.
std::FILE* StreamOf(HANDLE h, int flags, const char* mode, int& error) {
    const int fd = _open_osfhandle(reinterpret_cast<intptr_t>(h), flags | _O_BINARY);
    if (fd < 0) {
        CloseHandle(h);
        error = EMFILE;
        return nullptr;
    }
    std::FILE* f = _fdopen(fd, mode);
    if (!f) {
        error = errno ? errno : EMFILE;
        _close(fd);
    }
    return f;
}

// A file on a disk that is not a folder.
bool IsRegular(HANDLE h) {
    BY_HANDLE_FILE_INFORMATION info{};
    return GetFileType(h) == FILE_TYPE_DISK && GetFileInformationByHandle(h, &info) &&
           !(info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
}

// Backup semantics let a folder open too, so it is told apart from a file
// that cannot be reached.
HANDLE OpenExisting(const std::string& name, DWORD access) {
    return CreateFileW(Wide(name).c_str(), access,
                       FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                       OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
}

}  // namespace

bool ExistsAsNonRegular(const std::string& name) {
    // No access asked: only the kind of the file is looked at.
    const HANDLE h = OpenExisting(name, 0);
    if (h == INVALID_HANDLE_VALUE) return false;  // missing, or the write will say why
    const bool regular = IsRegular(h);
    CloseHandle(h);
    return !regular;
}

std::string FollowLinks(const std::string& name) {
    return name;
}

std::FILE* OpenForRead(const std::string& name, int& error) {
    const HANDLE h = OpenExisting(name, GENERIC_READ);
    if (h == INVALID_HANDLE_VALUE) {
        error = ErrnoOf(GetLastError());
        return nullptr;
    }
    if (!IsRegular(h)) {
        error = kNotRegularFile;
        CloseHandle(h);
        return nullptr;
    }
    return StreamOf(h, _O_RDONLY, "rb", error);
}

std::FILE* CreateNew(const std::string& name, int& error) {
    const HANDLE h = CreateFileW(Wide(name).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                 CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        error = ErrnoOf(GetLastError());
        return nullptr;
    }
    return StreamOf(h, _O_WRONLY, "wb", error);
}

int FlushAndClose(std::FILE* f) {
    int error = 0;
    errno = 0;
    if (std::fflush(f) != 0) {
        error = errno ? errno : EIO;
    } else if (!FlushFileBuffers(reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(f))))) {
        error = ErrnoOf(GetLastError());
    }
    errno = 0;
    if (std::fclose(f) != 0 && error == 0) error = errno ? errno : EIO;
    return error;
}

int Replace(const std::string& from, const std::string& to) {
    if (MoveFileExW(Wide(from).c_str(), Wide(to).c_str(),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return 0;
    }
    return ErrnoOf(GetLastError());
}

#else  // POSIX

bool ExistsAsNonRegular(const std::string& name) {
    struct stat st {};
    return ::lstat(name.c_str(), &st) == 0 && !S_ISREG(st.st_mode);
}

std::string FollowLinks(const std::string& name) {
    fs::path p = PathOf(name);
    std::error_code ec;
    for (int hop = 0; hop < 40 && fs::is_symlink(fs::symlink_status(p, ec)); ++hop) {
        const fs::path target = fs::read_symlink(p, ec);
        if (ec) break;
        p = target.is_absolute() ? target : p.parent_path() / target;
    }
    return Utf8Of(p);
}

std::FILE* OpenForRead(const std::string& name, int& error) {
    // Anything but a regular file is refused before it is opened: opening a
    // device can act on it.
    struct stat st {};
    if (::stat(name.c_str(), &st) == 0 && !S_ISREG(st.st_mode)) {
        error = kNotRegularFile;
        return nullptr;
    }
    // Non-blocking, so that a pipe put in its place meanwhile does not wait
    // for a writer; looked at again once open.
    const int fd = ::open(name.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        error = errno;
        return nullptr;
    }
    if (::fstat(fd, &st) != 0) {
        error = errno;
    } else if (!S_ISREG(st.st_mode)) {
        error = kNotRegularFile;
    } else if (::fcntl(fd, F_SETFL, O_RDONLY) != 0) {
        error = errno;
    } else if (std::FILE* f = ::fdopen(fd, "rb")) {
        return f;
    } else {
        error = errno;
    }
    ::close(fd);
    return nullptr;
}

std::FILE* CreateNew(const std::string& name, int& error) {
    const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) {
        error = errno;
        return nullptr;
    }
    std::FILE* f = ::fdopen(fd, "wb");
    if (!f) {
        error = errno;
        ::close(fd);
    }
    return f;
}

int FlushAndClose(std::FILE* f) {
    int error = 0;
    errno = 0;
    if (std::fflush(f) != 0) {
        error = errno ? errno : EIO;
    } else if (::fsync(::fileno(f)) != 0 && errno != EINVAL) {
        error = errno;  // EINVAL: a file system without the call
    }
    errno = 0;
    if (std::fclose(f) != 0 && error == 0) error = errno ? errno : EIO;
    return error;
}

int Replace(const std::string& from, const std::string& to) {
    if (std::rename(from.c_str(), to.c_str()) != 0) return errno;
    // The new directory entry is on the disk too (best effort).
    std::string folder = Utf8Of(PathOf(to).parent_path());
    if (folder.empty()) folder = ".";
    const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return 0;
}

#endif

}  // namespace kmr::files
