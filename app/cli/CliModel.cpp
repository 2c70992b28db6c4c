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

}  // namespace kmr::cli
