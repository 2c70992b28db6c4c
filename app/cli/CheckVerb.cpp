// plovkmr check FILE [--design DESIGN.json] [--json]: the calculation
// command's steps, then the section check of every member with design data,
// as a text table or one JSON line. Exit 3 when a member fails the check.
#include <iomanip>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "app/cli/CliModel.h"
#include "app/cli/Json.h"
#include "app/cli/Verbs.h"
#include "calc/BeamDiagram.h"
#include "calc/SectionCheck.h"
#include "calc/Units.h"

namespace kmr::cli {
namespace {

struct CheckArgs {
    std::string file;
    std::string design;  // empty: the file's own design data
    bool json = false;
};

bool ParseArgs(const std::vector<std::string>& args, CheckArgs& a, std::ostream& err) {
    std::vector<std::string> files;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--json") {
            a.json = true;
        } else if (args[i] == "--design" && i + 1 < args.size()) {
            a.design = args[++i];
        } else if (args[i].size() > 1 && args[i][0] == '-') {
            err << "plovkmr check: 不明なオプションです: " << args[i] << "\n";
            return false;
        } else {
            files.push_back(args[i]);
        }
    }
    if (files.size() != 1) err << "plovkmr check: データファイルを 1 つ指定してください。\n";
    if (files.size() == 1) a.file = files[0];
    return files.size() == 1;
}

// The design data to check: the --design file or the data file's own block.
// False (with the message printed) when there is none or it is refused;
// status then holds the exit status.
bool DesignOf(const CheckArgs& a, const BeamModel& model, DesignData& data, int& status,
              std::ostream& err) {
    status = kExitRefused;
    if (!a.design.empty()) {
        try {
            data = ReadDesignFile(a.design, UsedSpanCount(model));
            return true;
        } catch (const DataFileError& e) {
            err << "plovkmr: " << e.what() << "\n";
            status = kExitFileError;
        } catch (const DesignError& e) {
            err << "plovkmr: " << a.design << ": " << e.what() << "\n";
        }
        return false;
    }
    if (model.Design.State == DesignState::Present) {
        data = model.Design.Data;
        return true;
    }
    if (model.Design.State == DesignState::None)
        err << "plovkmr: " << a.file
            << ": 設計データがありません（--design で指定するか、plovkmr design --set "
               "で保存してください）。\n";
    return false;  // an unreadable block was reported when the file was read
}

std::string Fixed(double v, int decimals) {
    return FormatFixed(v, decimals);
}

std::string RatioText(double n) {
    return n > 0 ? "1/" + Fixed(n, 0) : "-";
}

void WriteTextRow(std::ostream& out, const MemberCheck& c) {
    std::ostringstream row;
    row << std::setw(4) << c.Member << "  " << std::left << std::setw(20)
        << (c.HasSection ? c.Section : "-") << std::setw(8)
        << (c.HasSection ? (c.Steel.empty() ? "F=" + Fixed(c.F, 0) : c.Steel) : "-") << std::right;
    if (c.HasSection) {
        row << std::setw(7) << Fixed(c.Lb, 3) << std::setw(6) << Fixed(c.C, 2) << std::setw(10)
            << Fixed(c.M, 3) << std::setw(8) << Fixed(c.SigmaB, 1) << std::setw(8) << Fixed(c.Fb, 1)
            << std::setw(7) << Fixed(c.BendingRatio, 3) << std::setw(10) << Fixed(c.Q, 3)
            << std::setw(8) << Fixed(c.Tau, 1) << std::setw(8) << Fixed(c.Fs, 1) << std::setw(7)
            << Fixed(c.ShearRatio, 3);
    } else {
        for (int w : {7, 6, 10, 8, 8, 7, 10, 8, 8, 7}) row << std::setw(w) << "-";
    }
    row << std::setw(8) << Fixed(c.Deflection, 3) << std::setw(9) << RatioText(c.DeflectionN)
        << std::setw(7) << ("1/" + Fixed(c.DeflectionLimit, 0)) << "  " << (c.Ok ? "OK" : "NG");
    out << row.str() << "\n";
}

void WriteText(std::ostream& out, const std::string& file, const BeamModel& model,
               const CheckResult& r) {
    const std::string u = ForceUnitWord(model.Header.OutputUnit);
    out << file << "  断面検定（長期）  fb: "
        << (r.Method == BucklingFormula::Aij2005 ? "鋼構造設計規準 2005" : "告示第1024号") << "\n"
        << "部材  断面                鋼種         lb     C         M      σb      fb  σb/fb"
           "         Q       τ      fs   τ/fs       δ      1/n   制限  判定\n"
        << "                                      m           " << std::setw(4) << u + "m"
        << "   N/mm2   N/mm2        " << std::setw(10) << u << "   N/mm2   N/mm2            cm\n";
    for (const MemberCheck& c : r.Members) WriteTextRow(out, c);
    out << "判定: " << (r.Ok ? "OK" : "NG") << "\n";
}

void SectionFields(JsonWriter& j, const MemberCheck& c) {
    auto num = [&](const char* key, double v) {
        j.Key(key);
        c.HasSection ? j.Number(v) : j.Null();
    };
    j.Key("section");
    c.HasSection ? j.String(c.Section) : j.Null();
    j.Key("steel");
    c.HasSection && !c.Steel.empty() ? j.String(c.Steel) : j.Null();
    num("F", c.F), num("lb", c.Lb), num("C", c.C), num("M", c.M), num("sigmaB", c.SigmaB);
    num("fb", c.Fb), num("bendingRatio", c.BendingRatio);
    j.Key("segment");
    c.HasSection ? j.Integer(c.Segment) : j.Null();
    num("Q", c.Q), num("tau", c.Tau), num("fs", c.Fs), num("shearRatio", c.ShearRatio);
}

void WriteJson(std::ostream& out, const std::string& file, const CheckResult& r) {
    JsonWriter j(out, JsonLayout::OneLine);
    j.BeginObject();
    j.Key("file");
    j.String(file);
    j.Key("method");
    j.String(r.Method == BucklingFormula::Aij2005 ? "aij2005" : "notification");
    j.Key("members");
    j.BeginArray();
    for (const MemberCheck& c : r.Members) {
        j.BeginObject();
        j.Key("member");
        j.Integer(c.Member);
        SectionFields(j, c);
        j.Key("deflection");
        j.Number(c.Deflection);
        j.Key("deflectionRatio");
        j.Number(c.DeflectionRatio);
        j.Key("deflectionLimit");
        j.Number(c.DeflectionLimit);
        j.Key("deflectionFactor");
        j.Number(c.DeflectionFactor);
        j.Key("ok");
        j.Bool(c.Ok);
        j.EndObject();
    }
    j.EndArray();
    j.EndObject();
}

}  // namespace

int RunCheck(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    CheckArgs a;
    if (!ParseArgs(args, a, err)) return kExitUsage;
    BeamModel model;
    CalculatedBeam beam;
    const CalcOutcome o = CalculateFile(a.file, model, beam, err);
    if (o == CalcOutcome::FileError) return kExitFileError;
    if (o == CalcOutcome::Refused) return kExitRefused;
    DesignData data;
    int status = kExitOk;
    if (!DesignOf(a, model, data, status, err)) return status;
    ResolvedDesign design;
    try {
        design = ResolveDesign(data, UsedSpanCount(model));
    } catch (const DesignError& e) {
        err << "plovkmr: " << (a.design.empty() ? a.file : a.design) << ": " << e.what() << "\n";
        return kExitRefused;
    }
    const CheckResult r = CheckSections(CheckInputOf(model, beam), design);
    if (a.json) {
        WriteJson(out, a.file, r);
    } else {
        WriteText(out, a.file, model, r);
    }
    return r.Ok ? kExitOk : kExitCheckFailed;
}

}  // namespace kmr::cli
