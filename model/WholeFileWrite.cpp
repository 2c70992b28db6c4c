// Writing a whole file safely: a temporary file of this process beside the
// target, read back, then one atomic replace; leftovers of killed runs and
// the temporary file of a run ended by a signal are removed.
#include <cerrno>
#include <csignal>
#include <cstring>
#include <filesystem>

#include "model/FileSystem.h"

#ifdef _WIN32
#include <process.h>
#else
#include <unistd.h>
#endif

namespace kmr::files {
namespace fs = std::filesystem;

int CheckRegularFile(const std::string& name, std::uintmax_t maxBytes) {
    std::error_code ec;
    const fs::file_status status = fs::status(PathOf(name), ec);
    if (!fs::exists(status)) return ENOENT;
    if (ec) return ec.value();
    if (!fs::is_regular_file(status)) return kNotRegularFile;
    const std::uintmax_t size = fs::file_size(PathOf(name), ec);
    if (ec) return ec.value();
    return size > maxBytes ? EFBIG : 0;
}

namespace {

long ProcessId() {
#ifdef _WIN32
    return _getpid();
#else
    return static_cast<long>(::getpid());
#endif
}

#ifndef _WIN32
bool EndsWithNoCase(const std::string& text, const char* tail) {
    const std::size_t n = std::strlen(tail);
    if (text.size() < n) return false;
    for (std::size_t i = 0; i < n; ++i) {
        char c = text[text.size() - n + i];
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        if (c != tail[i]) return false;
    }
    return true;
}

// The process id of a temporary file of this program, or 0: "." NAME "."
// PID ["-" N] ".tmp", NAME ending in ".KMX", ".KMR", ".PDF" or ".DEF".
long TemporaryOwner(const std::string& entry) {
    if (entry.size() < 6 || entry[0] != '.' || !EndsWithNoCase(entry, ".TMP")) return 0;
    const std::string body = entry.substr(1, entry.size() - 5);
    const std::size_t dot = body.find_last_of('.');
    if (dot == std::string::npos) return 0;
    const std::string name = body.substr(0, dot);
    if (!EndsWithNoCase(name, ".KMX") && !EndsWithNoCase(name, ".KMR") &&
        !EndsWithNoCase(name, ".PDF") && !EndsWithNoCase(name, ".DEF"))
        return 0;
    std::string tag = body.substr(dot + 1);
    tag = tag.substr(0, tag.find('-'));
    if (tag.empty() || tag.size() > 9 || tag.find_first_not_of("0123456789") != std::string::npos)
        return 0;
    return std::stol(tag);
}

bool ProcessExists(long pid) {
    return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno != ESRCH;
}

// The temporary file removed on TERM, INT or HUP; a fixed buffer, as a
// signal handler may not allocate.
char gTemporary[4096];
volatile std::sig_atomic_t gHaveTemporary = 0;

extern "C" void RemoveTemporaryAndEnd(int sig) {
    if (gHaveTemporary) ::unlink(gTemporary);
    std::signal(sig, SIG_DFL);
    std::raise(sig);
}
#endif

}  // namespace

std::string TemporaryTag(unsigned attempt) {
    const std::string pid = std::to_string(ProcessId());
    return attempt == 0 ? pid : pid + "-" + std::to_string(attempt);
}

void RemoveLeftoverTemporaries(const std::string& name) {
#ifdef _WIN32
    (void)name;
#else
    fs::path folder = PathOf(name).parent_path();
    if (folder.empty()) folder = ".";
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const long owner = TemporaryOwner(it->path().filename().string());
        std::error_code kindError;
        if (owner > 0 && owner != ProcessId() && !ProcessExists(owner) &&
            fs::is_regular_file(it->symlink_status(kindError))) {
            Remove(it->path().string());
        }
    }
#endif
}

void RemoveOnSignal(const std::string& temporaryName) {
#ifdef _WIN32
    (void)temporaryName;
#else
    gHaveTemporary = 0;
    if (temporaryName.size() >= sizeof gTemporary) return;
    std::memcpy(gTemporary, temporaryName.c_str(), temporaryName.size() + 1);
    gHaveTemporary = 1;
    static const bool installed = [] {
        for (int sig : {SIGTERM, SIGINT, SIGHUP}) {
            struct sigaction action {};
            action.sa_handler = RemoveTemporaryAndEnd;
            sigemptyset(&action.sa_mask);
            struct sigaction previous {};
            // A signal ignored (nohup) or handled by the program stays so.
            if (::sigaction(sig, nullptr, &previous) != 0 ||
                (previous.sa_flags & SA_SIGINFO) != 0 || previous.sa_handler != SIG_DFL)
                continue;
            ::sigaction(sig, &action, nullptr);
        }
        return true;
    }();
    (void)installed;
#endif
}

void ForgetOnSignal() {
#ifndef _WIN32
    gHaveTemporary = 0;
#endif
}

namespace {

// Creates a new temporary file of this process beside `target`.
std::FILE* CreateTemporary(const std::string& target, std::string& tempName, int& error) {
    for (unsigned attempt = 0; attempt < 100; ++attempt) {
        const std::string candidate = TemporaryName(target, TemporaryTag(attempt));
        // Taken before creating, so that a signal never leaves it behind.
        RemoveOnSignal(candidate);
        if (std::FILE* f = CreateNew(candidate, error)) {
            tempName = candidate;
            return f;
        }
        ForgetOnSignal();
        if (error != EEXIST) return nullptr;
    }
    return nullptr;
}

int WriteAll(std::FILE* f, const std::vector<std::uint8_t>& bytes) {
    errno = 0;
    const std::size_t put = bytes.empty() ? 0 : std::fwrite(bytes.data(), 1, bytes.size(), f);
    const int writeError = put == bytes.size() ? 0 : (errno ? errno : ENOSPC);
    const int closeError = FlushAndClose(f);
    return writeError ? writeError : closeError;
}

// Exactly the bytes given, nothing more.
int ReadBack(const std::string& tempName, const std::vector<std::uint8_t>& bytes) {
    int error = 0;
    std::FILE* f = OpenForRead(tempName, error);
    if (!f) return error;
    std::vector<std::uint8_t> back(bytes.size() + 1);
    const std::size_t got = std::fread(back.data(), 1, back.size(), f);
    std::fclose(f);
    back.resize(got);
    return back == bytes ? 0 : EIO;
}

int WriteThroughTemporary(const std::string& target, const std::vector<std::uint8_t>& bytes,
                          std::string& tempName) {
    int error = 0;
    std::FILE* f = CreateTemporary(target, tempName, error);
    if (!f) return error ? error : EEXIST;
    if ((error = WriteAll(f, bytes)) != 0) return error;
    if ((error = ReadBack(tempName, bytes)) != 0) return error;
    CopyPermissions(target, tempName);  // a replaced file keeps them
    return Replace(tempName, target);
}

}  // namespace

int WriteWholeFile(const std::string& name, const std::vector<std::uint8_t>& bytes) {
    const std::string target = FollowLinks(name);
    // A device, FIFO or folder (or a loop of links) is never replaced.
    if (ExistsAsNonRegular(target)) return kNotRegularFile;
    RemoveLeftoverTemporaries(target);
    std::string tempName;
    const int error = WriteThroughTemporary(target, bytes, tempName);
    if (error != 0 && !tempName.empty()) Remove(tempName);
    ForgetOnSignal();
    return error;
}

}  // namespace kmr::files
