#include "app/cli/CliModel.h"

#include <ostream>

namespace kmr::cli {

std::string VersionText() {
    return KMR_VERSION_TEXT;
}

bool ReadModelFile(const std::string& path, BeamModel& model, FileKind& kind, std::ostream& err) {
    InitProgramModel(model, VersionText());
    try {
        kind = ReadDataFile(path, model).kind;
    } catch (const DataFileError& e) {
        err << "plovkmr: " << e.what() << "\n";
        return false;
    }
    NameMembersAndSupports(model);
    return true;
}

CalcOutcome CalculateFile(const std::string& path, BeamModel& model, CalculatedBeam& beam,
                          std::ostream& err) {
    FileKind kind = FileKind::Version3;
    if (!ReadModelFile(path, model, kind, err)) return CalcOutcome::FileError;
    beam = CalculateBeam(model);
    if (beam.Passed()) return CalcOutcome::Calculated;
    err << "plovkmr: " << path << ": 計算できません。\n"
        << RefusalText(beam.Refusal(), "\n") << "\n";
    return CalcOutcome::Refused;
}

std::string RefusalText(const ValidationResult& refusal, const std::string& lineBreak) {
    std::string text;
    for (const std::string& line : refusal.lines) {
        if (&line != &refusal.lines.front()) text += lineBreak;
        text += line;
    }
    return text;
}

}  // namespace kmr::cli
