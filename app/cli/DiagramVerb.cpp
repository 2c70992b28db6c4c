// plovkmr diagram FILE [--points N] [--csv]: the shear, moment, rotation and
// deflection along every member of the calculated beam, as JSON or CSV.
#include <ostream>
#include <string>
#include <vector>

#include "app/cli/CliModel.h"
#include "app/cli/Json.h"
#include "app/cli/ResultOutput.h"
#include "app/cli/ShiftJis.h"
#include "app/cli/Verbs.h"
#include "calc/BeamDiagram.h"
#include "calc/CalculatedBeam.h"
#include "calc/Units.h"

namespace kmr::cli {
namespace {

constexpr int kDefaultIntervals = 20;
constexpr int kMaxIntervals = 1000000;

struct DiagramArgs {
    std::string file;
    int intervals = kDefaultIntervals;
    bool csv = false;
};

// A whole decimal number from 1 to kMaxIntervals, or 0.
int ParseIntervals(const std::string& text) {
    if (text.empty() || text.size() > 7) return 0;
    int n = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return 0;
        n = n * 10 + (c - '0');
    }
    return n <= kMaxIntervals ? n : 0;
}

// False (with the message printed) on a bad argument.
bool ParseArgs(const std::vector<std::string>& args, DiagramArgs& a, std::ostream& err) {
    std::vector<std::string> files;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--csv") {
            a.csv = true;
        } else if (arg == "--points") {
            a.intervals = i + 1 < args.size() ? ParseIntervals(args[++i]) : 0;
            if (a.intervals == 0) {
                err << "plovkmr diagram: --points には 1 から " << kMaxIntervals
                    << " までの整数を指定してください。\n";
                return false;
            }
        } else if (arg.size() > 1 && arg[0] == '-') {
            err << "plovkmr diagram: 不明なオプションです: " << arg << "\n";
            return false;
        } else {
            files.push_back(arg);
        }
    }
    if (files.size() != 1) {
        err << "plovkmr diagram: データファイルを 1 つ指定してください。\n";
        return false;
    }
    a.file = files[0];
    return true;
}

// One member of the table; its points are computed again for every pass
// over them and never held, so memory does not grow with the output.
struct MemberPoints {
    std::string name;
    double start = 0;  // X of the member's left end
    const MemberDiagram* diagram = nullptr;
    int intervals = 0;

    template <typename Visit>
    void ForEachPoint(Visit visit) const {
        ForEachDiagramPoint(*diagram, intervals, visit);
    }
};

template <typename Write>
void ForEachMember(const BeamModel& model, const BeamDiagram& diagram, int intervals, Write write) {
    for (std::size_t m = 0; m < diagram.Members.size(); ++m) {
        const MemberPoints member{ShiftJisToUtf8(model.Members[m + 1].Name.Str()),
                                  diagram.MemberStart[m], &diagram.Members[m], intervals};
        write(m, member);
    }
}

void WriteCsvRows(std::ostream& out, std::size_t m, const MemberPoints& member) {
    member.ForEachPoint([&](const DiagramPoint& p) {
        const DiagramValues& v = p.Values;
        out << m + 1 << ',' << NumberText(p.X) << ',' << NumberText(member.start + p.X) << ','
            << NumberText(v.Q) << ',' << NumberText(v.M) << ',' << NumberText(v.Rotation) << ','
            << NumberText(v.Deflection) << '\n';
    });
}

template <typename Get>
void Column(JsonWriter& json, const char* key, const MemberPoints& m, Get get) {
    json.Key(key);
    json.BeginArray(true);
    m.ForEachPoint([&](const DiagramPoint& p) { json.Number(get(p)); });
    json.EndArray();
}

void WriteJsonMember(JsonWriter& json, const MemberPoints& m) {
    json.BeginObject();
    json.Key("name");
    json.String(m.name);
    Column(json, "x", m, [](const DiagramPoint& p) { return p.X; });
    Column(json, "X", m, [&m](const DiagramPoint& p) { return m.start + p.X; });
    Column(json, "Q", m, [](const DiagramPoint& p) { return p.Values.Q; });
    Column(json, "M", m, [](const DiagramPoint& p) { return p.Values.M; });
    Column(json, "rotation", m, [](const DiagramPoint& p) { return p.Values.Rotation; });
    Column(json, "deflection", m, [](const DiagramPoint& p) { return p.Values.Deflection; });
    json.EndObject();
}

void WriteCsv(std::ostream& out, const BeamModel& model, const BeamDiagram& diagram,
              int intervals) {
    out << "member,x,X,Q,M,rotation,deflection\n";
    ForEachMember(model, diagram, intervals, [&out](std::size_t m, const MemberPoints& member) {
        WriteCsvRows(out, m, member);
    });
}

void WriteJson(std::ostream& out, const std::string& file, ForceUnit outputUnit,
               const BeamModel& model, const BeamDiagram& diagram, int intervals) {
    JsonWriter json(out);
    json.BeginObject();
    json.Key("file");
    json.String(file);
    json.Key("outputUnit");
    json.String(ForceUnitWord(outputUnit));
    json.Key("members");
    json.BeginArray();
    ForEachMember(model, diagram, intervals, [&json](std::size_t, const MemberPoints& member) {
        WriteJsonMember(json, member);
    });
    json.EndArray();
    json.EndObject();
}

}  // namespace

int RunDiagram(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    DiagramArgs a;
    if (!ParseArgs(args, a, err)) return kExitUsage;
    BeamModel model;
    CalculatedBeam beam;
    const CalcOutcome o = CalculateFile(a.file, model, beam, err);
    if (o == CalcOutcome::FileError) return kExitFileError;
    if (o == CalcOutcome::Refused) {
        if (!a.csv) WriteRefusalJson(out, a.file, beam.Refusal());
        return kExitRefused;
    }
    const BeamDiagram& diagram = beam.Diagram();
    if (a.csv) {
        WriteCsv(out, model, diagram, a.intervals);
    } else {
        WriteJson(out, a.file, beam.OutputUnit(), model, diagram, a.intervals);
    }
    return kExitOk;
}

}  // namespace kmr::cli
