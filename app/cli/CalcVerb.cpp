// plovkmr calc FILE... [--json]: the calculation command without the window,
// file by file, and its results as text or one JSON document per line.
#include <ostream>
#include <string>

#include "app/cli/CliModel.h"
#include "app/cli/Verbs.h"
#include "calc/Calculation.h"
#include "calc/ResultText.h"

namespace kmr::cli {
namespace {

constexpr int kExitRefused = 2;  // a file was refused by the validation

// The validation's message with its CRLF line breaks as terminal lines.
std::string TerminalLines(const std::string& message) {
    std::string out;
    for (char c : message) {
        if (c != '\r') out += c;
    }
    return out;
}

enum class Outcome { Calculated, Refused, FileError };

Outcome CalculateFile(const std::string& path, bool json, std::ostream& out, std::ostream& err) {
    BeamModel model;
    FileKind kind = FileKind::Version3;
    if (!ReadModelFile(path, model, kind, err)) return Outcome::FileError;
    CalcResults results;
    const ValidationResult check = CalculateModel(model, results);
    if (!check.Passed()) {
        err << "plovkmr: " << path << ": 計算できません。\n"
            << TerminalLines(check.message) << "\n";
        if (json) out << FormatRefusalJson(path, check) << "\n";
        return Outcome::Refused;
    }
    if (json) {
        out << FormatResultsJson(path, model, results) << "\n";
    } else {
        out << FormatResultsText(path, model, results) << "\n";
    }
    return Outcome::Calculated;
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
        const Outcome o = CalculateFile(path, json, out, err);
        refused = refused || o == Outcome::Refused;
        failed = failed || o == Outcome::FileError;
    }
    if (failed) return kExitFileError;
    return refused ? kExitRefused : kExitOk;
}

}  // namespace kmr::cli
