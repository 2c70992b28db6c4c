// plovkmr sections [--json]: the built-in list of H-sections with the
// properties the check uses. plovkmr design FILE [--set DESIGN.json |
// --clear]: a data file's design data shown, stored or removed.
#include <charconv>
#include <iomanip>
#include <ostream>
#include <sstream>

#include "app/cli/CliModel.h"
#include "app/cli/Json.h"
#include "app/cli/Verbs.h"
#include "calc/SectionCheck.h"
#include "calc/Units.h"

namespace kmr::cli {
namespace {

// The engine's single-precision value as its shortest decimal (11.85, not
// 11.850000381469727).
double Shortest(double v) {
    char buf[32];
    const auto r = std::to_chars(buf, buf + sizeof buf, static_cast<float>(v));
    double d = 0;
    std::from_chars(buf, r.ptr, d);
    return d;
}

void SectionJson(JsonWriter& j, const ListedSection& s) {
    const SectionProperties p = ComputeSectionProperties(s.Dim, Fabrication::Rolled, true);
    j.BeginObject(true);
    j.Key("name");
    j.String(s.Name);
    const std::pair<const char*, double> fields[] = {
        {"H", s.Dim.H}, {"B", s.Dim.B}, {"tw", s.Dim.Tw}, {"tf", s.Dim.Tf},
        {"r", s.Dim.R}, {"A", p.A},     {"Ix", p.Ix},     {"Iy", p.Iy},
        {"Zx", p.Zx},   {"Zy", p.Zy},   {"i", p.I},       {"Aw", p.Aw},
    };
    for (const auto& [key, v] : fields) {
        j.Key(key);
        j.Number(Shortest(v));
    }
    j.EndObject();
}

void SectionText(std::ostream& out, const ListedSection& s) {
    const SectionProperties p = ComputeSectionProperties(s.Dim, Fabrication::Rolled, true);
    std::ostringstream row;
    row << std::left << std::setw(20) << s.Name << std::right << std::setw(5)
        << FormatFixed(s.Dim.R, 0);
    for (double v : {p.A, p.Ix, p.Iy, p.Zx, p.Zy, p.I, p.Aw}) {
        row << std::setw(10) << NumberText(Shortest(v));
    }
    out << row.str() << "\n";
}

// The model of the file as stored (not renamed, so that a write changes only
// the design block). False with the message printed.
bool ReadStored(const std::string& path, BeamModel& model, std::ostream& err) {
    InitProgramModel(model, VersionText());
    try {
        ReadDataFileNamed(CommandLineFileName(path), model);
        return true;
    } catch (const DataFileError& e) {
        err << "plovkmr: " << e.what() << "\n";
        return false;
    }
}

int StoreDesign(const std::string& path, BeamModel& model, std::ostream& err) {
    try {
        WriteDataFileNamed(CommandLineFileName(path), model);
        return kExitOk;
    } catch (const DataFileError& e) {
        err << "plovkmr: " << e.what() << "\n";
        return kExitFileError;
    }
}

int SetDesign(const std::string& path, const std::string& designFile, BeamModel& model,
              std::ostream& err) {
    try {
        const DesignData data = ReadDesignFile(designFile, UsedSpanCount(model));
        ResolveDesign(data, UsedSpanCount(model));  // refuses unknown sections and grades
        model.Design = MakeDesignBlock(data);
    } catch (const DataFileError& e) {
        err << "plovkmr: " << e.what() << "\n";
        return kExitFileError;
    } catch (const DesignError& e) {
        err << "plovkmr: " << designFile << ": " << e.what() << "\n";
        return kExitRefused;
    }
    return StoreDesign(path, model, err);
}

int ShowDesign(const std::string& path, const BeamModel& model, std::ostream& out,
               std::ostream& err) {
    if (model.Design.State == DesignState::Unreadable) {
        err << "plovkmr: " << path << ": " << model.Design.Problem << "\n";
        return kExitFileError;
    }
    if (model.Design.State == DesignState::Present) out << DesignJson(model.Design.Data);
    return kExitOk;
}

}  // namespace

int RunSections(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.size() > 1 || (args.size() == 1 && args[0] != "--json")) {
        err << "使い方: plovkmr sections [--json]\n";
        return kExitUsage;
    }
    if (!args.empty()) {
        JsonWriter j(out);
        j.BeginArray();
        for (const ListedSection& s : SectionList()) SectionJson(j, s);
        j.EndArray();
        return kExitOk;
    }
    out << "断面                    r         A        Ix        Iy        Zx        Zy         i"
           "        Aw\n"
           "                       mm       cm2       cm4       cm4       cm3       cm3        cm"
           "       cm2\n";
    for (const ListedSection& s : SectionList()) SectionText(out, s);
    return kExitOk;
}

int RunDesign(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const bool set = args.size() == 3 && args[1] == "--set";
    const bool clear = args.size() == 2 && args[1] == "--clear";
    if (!(args.size() == 1 || set || clear) || args[0].empty() || args[0][0] == '-') {
        err << "使い方: plovkmr design FILE [--set DESIGN.json | --clear]\n";
        return kExitUsage;
    }
    BeamModel model;
    if (!ReadStored(args[0], model, err)) return kExitFileError;
    if (set) return SetDesign(args[0], args[2], model, err);
    if (!clear) return ShowDesign(args[0], model, out, err);
    model.Design = {};
    return StoreDesign(args[0], model, err);
}

}  // namespace kmr::cli
