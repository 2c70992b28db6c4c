#include "app/cli/CliModel.h"

#include <ostream>

#include "model/FileSystem.h"

namespace kmr::cli {

std::string VersionText() {
    return KMR_VERSION_TEXT;
}

std::string WithoutExtension(const std::string& path) {
    const std::size_t slash = path.find_last_of("/\\");
    const std::size_t dot = path.find_last_of('.');
    const bool hasExtension =
        dot != std::string::npos && (slash == std::string::npos || dot > slash);
    return hasExtension ? path.substr(0, dot) : path;
}

std::string CommandLineFileName(const std::string& path) {
    if (files::Exists(path) || WithoutExtension(path) != path) return path;
    return path + ".KMX";
}

bool ReadModelFile(const std::string& path, BeamModel& model, FileKind& kind, std::ostream& err) {
    InitProgramModel(model, VersionText());
    try {
        kind = ReadDataFileNamed(CommandLineFileName(path), model).kind;
    } catch (const DataFileError& e) {
        err << "plovkmr: " << e.what() << "\n";
        return false;
    }
    NameMembersAndSupports(model);
    // The beam is read; its design data is only reported.
    if (model.Design.State == DesignState::Unreadable)
        err << "plovkmr: " << path << ": " << model.Design.Problem << "\n";
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
