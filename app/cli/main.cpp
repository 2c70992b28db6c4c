// plovkmr: command-line companion of PLOV-Kmr.
#include <iostream>

#include "app/cli/Cli.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>
// after windows.h, which it needs
#include <shellapi.h>

#include <cstdio>

namespace {

// The arguments as UTF-8, whatever the console's code page: the file names
// inside the program are UTF-8 and reach the system as UTF-16 again.
std::vector<std::string> Utf8Arguments() {
    std::vector<std::string> args;
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!wide) return args;
    for (int i = 1; i < count; ++i) {
        const int n = WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, nullptr, 0, nullptr, nullptr);
        std::string a(n > 0 ? static_cast<std::size_t>(n) : 1u, '\0');
        WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, a.data(), n, nullptr, nullptr);
        a.resize(a.size() - 1);  // the terminating zero
        args.push_back(a);
    }
    LocalFree(wide);
    return args;
}

// Output bytes as on Linux: UTF-8, line ends "\n" (no text-mode "\r\n").
void Utf8Output() {
    SetConsoleOutputCP(CP_UTF8);
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
}

}  // namespace

int main() {
    Utf8Output();
    const std::vector<std::string> args = Utf8Arguments();
#else
int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
#endif
    const int status = kmr::cli::RunCli(args, std::cout, std::cerr);
    std::cout.flush();
    return std::cout ? status : kmr::cli::kExitFileError;
}
