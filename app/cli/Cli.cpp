#include "app/cli/Cli.h"

#include <ostream>

namespace kmr::cli {
namespace {

void PrintUsage(std::ostream& s) {
    s << "使い方: plovkmr <コマンド> [引数...]\n\nコマンド:\n";
    for (const Verb& v : Verbs()) {
        s << "  plovkmr " << v.name << " " << v.synopsis << "\n      " << v.summary << "\n";
    }
}

}  // namespace

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.empty()) {
        PrintUsage(err);
        return kExitUsage;
    }
    const std::string& name = args.front();
    if (name == "help" || name == "--help" || name == "-h") {
        PrintUsage(out);
        return kExitOk;
    }
    for (const Verb& v : Verbs()) {
        if (name == v.name) return v.run({args.begin() + 1, args.end()}, out, err);
    }
    err << "plovkmr: 不明なコマンドです: " << name << "\n\n";
    PrintUsage(err);
    return kExitUsage;
}

}  // namespace kmr::cli
