// plovkmr: command-line companion of PLOV-Kmr.
#include <iostream>

#include "app/cli/Cli.h"

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    const int status = kmr::cli::RunCli(args, std::cout, std::cerr);
    std::cout.flush();
    return std::cout ? status : kmr::cli::kExitFileError;
}
