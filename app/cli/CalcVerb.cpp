// plovkmr calc FILE... [--json]: the calculation command without the window,
// file by file, and its results as text or one JSON document per line.
#include <ostream>
#include <string>

#include "app/cli/CliModel.h"
#include "app/cli/ResultOutput.h"
#include "app/cli/Verbs.h"

namespace kmr::cli {
namespace {

CalcOutcome CalculateAndWrite(const std::string& path, bool json, std::ostream& out,
                              std::ostream& err) {
    BeamModel model;
    CalculatedBeam beam;
    const CalcOutcome o = CalculateFile(path, model, beam, err);
    if (o == CalcOutcome::Refused && json) WriteRefusalJson(out, path, beam.Refusal());
    if (o != CalcOutcome::Calculated) return o;
    if (json) {
        WriteResultsJson(out, path, model, beam);
    } else {
        WriteResultsText(out, path, model, beam);
        out << "\n";
    }
    return o;
}

}  // namespace

int RunCalc(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    bool json = false;
    std::vector<std::string> files;
    for (const std::string& a : args) {
        if (a == "--json") {
            json = true;
        } else if (a.size() > 1 && a[0] == '-') {
            err << "plovkmr calc: 不明なオプションです: " << a << "\n";
            return kExitUsage;
        } else {
            files.push_back(a);
        }
    }
    if (files.empty()) {
        err << "plovkmr calc: データファイルを指定してください。\n";
        return kExitUsage;
    }
    bool refused = false, failed = false;
    for (const std::string& path : files) {
        const CalcOutcome o = CalculateAndWrite(path, json, out, err);
        refused = refused || o == CalcOutcome::Refused;
        failed = failed || o == CalcOutcome::FileError;
    }
    if (failed) return kExitFileError;
    return refused ? kExitRefused : kExitOk;
}

}  // namespace kmr::cli
