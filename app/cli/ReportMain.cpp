// plovkmr-report: the report verb of plovkmr as a program of its own, the
// only part of the command line that loads Qt. plovkmr runs it from
// libexec/plovkmr/ with the verb's arguments.
#include <iostream>

#include "app/cli/HelperProgram.h"
#include "app/cli/Verbs.h"

int main(int argc, char** argv) {
    kmr::cli::EndWithParent();
    const std::vector<std::string> args(argv + 1, argv + argc);
    const int status = kmr::cli::RunVerb(*kmr::cli::FindVerb("report"), kmr::cli::RunReport, args,
                                         std::cout, std::cerr);
    std::cout.flush();
    return std::cout ? status : kmr::cli::kExitFileError;
}
