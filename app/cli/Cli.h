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
// calc, diagram and report: a file was refused by the validation (the same
// status as kExitUsage).
constexpr int kExitRefused = 2;
// check: a member failed the section check (a result, not an error).
constexpr int kExitCheckFailed = 3;

// A verb receives its own arguments (without the verb) and two streams; it
// returns the exit status and never exits itself.
using VerbRun = int (*)(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

struct Verb {
    const char* name;
    const char* synopsis;  // arguments, shown in the usage text
    const char* summary;   // one line, Japanese
    VerbRun run;
    // For `plovkmr VERB --help`, Japanese: one line per argument or option
    // ("  -o DIR   ..."), and the exit statuses when they differ from the
    // common ones (0 success, 1 file error, 2 usage error).
    const char* options = nullptr;
    const char* exits = nullptr;
};

// All verbs, in the order of the usage text (Verbs.cpp).
const std::vector<Verb>& Verbs();
// The verb of that name, or nullptr.
const Verb* FindVerb(const std::string& name);

// The program version, "3.0.6.0".
const char* ProgramVersion();

// args: everything after the program name. Besides the verbs: --help, -h,
// help [VERB], --version.
int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// Runs the verb `name` with `run`, answering `--help` / `-h` among its
// arguments with the verb's help instead (used by the dispatcher and by the
// helper programs).
int RunVerb(const Verb& verb, VerbRun run, const std::vector<std::string>& args, std::ostream& out,
            std::ostream& err);

// Help.cpp: the usage of the whole program and of one verb.
void PrintUsage(std::ostream& s);
void PrintVerbHelp(const Verb& verb, std::ostream& s);

}  // namespace kmr::cli
