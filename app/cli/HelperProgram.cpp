#include "app/cli/HelperProgram.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <ostream>

#include "app/cli/Verbs.h"

extern char** environ;

namespace kmr::cli {
namespace {

// The folder of the running program (symbolic links resolved).
std::string ProgramFolder() {
    std::string path(4096, '\0');
    const ssize_t n = readlink("/proc/self/exe", path.data(), path.size());
    if (n <= 0 || static_cast<std::size_t>(n) >= path.size()) return ".";
    path.resize(static_cast<std::size_t>(n));
    return path.substr(0, path.find_last_of('/'));
}

}  // namespace

std::string HelperProgramPath(const std::string& verb) {
    return ProgramFolder() + "/" KMR_HELPER_DIR "/plovkmr-" + verb;
}

int RunInHelper(const std::string& verb, const std::vector<std::string>& args, std::ostream& out,
                std::ostream& err) {
    const std::string program = HelperProgramPath(verb);
    if (access(program.c_str(), X_OK) != 0) {
        err << "plovkmr: " << verb << " を実行するプログラム「" << program
            << "」が見つかりません。インストールを確かめてください。\n";
        return kExitFileError;
    }
    std::vector<std::string> argvText = {program};
    argvText.insert(argvText.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& a : argvText) argv.push_back(a.data());
    argv.push_back(nullptr);

    out.flush();
    err.flush();
    pid_t pid = 0;
    const int spawnError =
        posix_spawn(&pid, program.c_str(), nullptr, nullptr, argv.data(), environ);
    if (spawnError != 0) {
        err << "plovkmr: 「" << program << "」を起動できません: " << std::strerror(spawnError)
            << "\n";
        return kExitFileError;
    }
    int status = 0;
    while (waitpid(pid, &status, 0) < 0) {
        if (errno != EINTR) return kExitFileError;
    }
    if (WIFEXITED(status)) return WEXITSTATUS(status);
    return WIFSIGNALED(status) ? 128 + WTERMSIG(status) : kExitFileError;
}

int RunReportInHelper(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    return RunInHelper("report", args, out, err);
}

}  // namespace kmr::cli
