#include "app/cli/Cli.h"

#include <algorithm>
#include <ostream>

namespace kmr::cli {
namespace {

bool AsksForHelp(const std::vector<std::string>& args) {
    return std::any_of(args.begin(), args.end(),
                       [](const std::string& a) { return a == "--help" || a == "-h"; });
}

}  // namespace

const Verb* FindVerb(const std::string& name) {
    for (const Verb& v : Verbs()) {
        if (name == v.name) return &v;
    }
    return nullptr;
}

const char* ProgramVersion() {
    return KMR_FILE_VERSION;
}

int RunVerb(const Verb& verb, VerbRun run, const std::vector<std::string>& args, std::ostream& out,
            std::ostream& err) {
    if (AsksForHelp(args)) {
        PrintVerbHelp(verb, out);
        return kExitOk;
    }
    return run(args, out, err);
}

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.empty()) {
        PrintUsage(err);
        return kExitUsage;
    }
    const std::string& name = args.front();
    if (name == "--version") {
        out << "plovkmr " << ProgramVersion() << "\n";
        return kExitOk;
    }
    if (name == "help" || name == "--help" || name == "-h") {
        if (args.size() < 2) {
            PrintUsage(out);
            return kExitOk;
        }
        if (const Verb* v = FindVerb(args[1])) {
            PrintVerbHelp(*v, out);
            return kExitOk;
        }
        err << "plovkmr: 不明なコマンドです: " << args[1] << "\n\n";
        PrintUsage(err);
        return kExitUsage;
    }
    if (const Verb* v = FindVerb(name))
        return RunVerb(*v, v->run, {args.begin() + 1, args.end()}, out, err);
    err << "plovkmr: 不明なコマンドです: " << name << "\n\n";
    PrintUsage(err);
    return kExitUsage;
}

}  // namespace kmr::cli
