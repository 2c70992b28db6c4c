// The file verbs: dump (a data file as JSON) and convert (version 1 to 3).
#include <filesystem>
#include <ostream>

#include "app/cli/CliModel.h"
#include "app/cli/Json.h"
#include "app/cli/Verbs.h"
#include "model/FileSystem.h"

namespace kmr::cli {
namespace {

namespace fs = std::filesystem;

struct ConvertOptions {
    std::vector<std::string> files;
    std::string outputDir;  // empty: next to each old file
    bool force = false;
};

// False (with the message printed) on a bad argument.
bool ParseConvert(const std::vector<std::string>& args, ConvertOptions& o, std::ostream& err) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "-o" && i + 1 < args.size()) {
            o.outputDir = args[++i];
        } else if (a == "--force") {
            o.force = true;
        } else if (!a.empty() && a[0] == '-') {
            err << "plovkmr convert: 不明なオプションです: " << a << "\n";
            return false;
        } else {
            o.files.push_back(a);
        }
    }
    if (o.files.empty()) err << "plovkmr convert: 変換する旧データ（.Kmr）を指定してください。\n";
    return !o.files.empty();
}

std::string TargetName(const std::string& oldFile, const std::string& outputDir) {
    const fs::path old = files::PathOf(oldFile);
    const fs::path dir = outputDir.empty() ? old.parent_path() : files::PathOf(outputDir);
    return files::Utf8Of(dir / old.stem()) + ".KMX";
}

bool ConvertOne(const std::string& oldFile, const ConvertOptions& o, std::ostream& out,
                std::ostream& err) {
    if (FileKindOf(oldFile) != FileKind::Version1) {
        err << "plovkmr: ファイル「" << oldFile
            << "」は Ver.1.x の旧データ（.Kmr）ではありません。\n";
        return false;
    }
    BeamModel model;
    FileKind kind = FileKind::Version1;
    if (!ReadModelFile(oldFile, model, kind, err)) return false;
    const std::string target = TargetName(oldFile, o.outputDir);
    if (!o.force && files::Exists(target)) {
        err << "plovkmr: ファイル「" << target
            << "」は既にあります。上書きするには --force を指定してください。\n";
        return false;
    }
    try {
        WriteDataFile(target, model);
    } catch (const DataFileError& e) {
        err << "plovkmr: " << e.what() << "\n";
        return false;
    }
    out << oldFile << " -> " << target << "\n";
    return true;
}

}  // namespace

int RunDump(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.size() != 1) {
        err << "使い方: plovkmr dump FILE\n";
        return kExitUsage;
    }
    BeamModel model;
    FileKind kind = FileKind::Version3;
    if (!ReadModelFile(args[0], model, kind, err)) return kExitFileError;
    JsonWriter json(out);
    WriteModelJson(json, kind, model);
    return kExitOk;
}

int RunConvert(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    ConvertOptions options;
    if (!ParseConvert(args, options, err)) {
        err << "使い方: plovkmr convert OLD.Kmr... [-o DIR] [--force]\n";
        return kExitUsage;
    }
    bool allDone = true;
    for (const std::string& f : options.files) {
        if (!ConvertOne(f, options, out, err)) allDone = false;
    }
    return allDone ? kExitOk : kExitFileError;
}

}  // namespace kmr::cli
