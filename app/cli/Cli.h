// plovkmr: the command-line companion. The dispatcher finds the verb by its
// name in the table of Verbs.cpp and hands it the remaining arguments.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace kmr::cli {

constexpr int kExitOk = 0;
constexpr int kExitFileError = 1;  // a file could not be read, converted or written
constexpr int kExitUsage = 2;      // unknown verb or bad arguments

// A verb receives its own arguments (without the verb) and two streams; it
// returns the exit status and never exits itself.
using VerbRun = int (*)(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

struct Verb {
    const char* name;
    const char* synopsis;  // arguments, shown in the usage text
    const char* summary;   // one line, Japanese
    VerbRun run;
};

// All verbs, in the order of the usage text (Verbs.cpp).
const std::vector<Verb>& Verbs();

// args: everything after the program name.
int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace kmr::cli
