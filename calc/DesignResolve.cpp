// The design data made ready for the check: designations and grades looked
// up, section properties from the engine, F by the thicker plate.
#include <algorithm>

#include "calc/SectionCheck.h"
#include "calc/Units.h"

namespace kmr {
namespace {

[[noreturn]] void Refuse(int member, const char* key, const std::string& what) {
    throw DesignError("設計データ: 部材 " + std::to_string(member) + " の \"" + key +
                      "\": " + what);
}

std::string Shortest(double v) {
    std::string s = FormatFixed(v, 3);
    while (s.back() == '0') s.pop_back();
    if (s.back() == '.') s.pop_back();
    return s;
}

std::string PlateName(const MemberDesign& d) {
    return std::string(d.Fab == Fabrication::Welded ? "BH-" : "H-") + Shortest(d.H) + "x" +
           Shortest(d.B) + "x" + Shortest(d.Tw) + "x" + Shortest(d.Tf);
}

void ResolveSection(const MemberDesign& d, ResolvedMember& r) {
    if (!d.Section.empty()) {
        const ListedSection* s = FindSection(d.Section);
        if (!s) Refuse(d.Member, "section", "一覧にない断面です: " + d.Section);
        r.SectionName = s->Name;
        r.Dim = s->Dim;
    } else {
        r.SectionName = PlateName(d);
        r.Dim = {d.H, d.B, d.Tw, d.Tf, d.R};
        r.Fab = d.Fab;
    }
    r.Props = ComputeSectionProperties(r.Dim, r.Fab);
    if (!(r.Props.Zx > 0 && r.Props.Aw > 0 && r.Props.I > 0 && r.Props.Iy > 0))
        Refuse(d.Member, d.Section.empty() ? "H" : "section", "断面性能を求められない寸法です。");
}

void ResolveSteel(const MemberDesign& d, ResolvedMember& r) {
    if (d.F > 0) {
        r.F = d.F;
        return;
    }
    const SteelGrade* g = FindSteelGrade(d.Steel);
    if (!g) Refuse(d.Member, "steel", "不明な鋼種です: " + d.Steel);
    const double t = std::max(r.Dim.Tw, r.Dim.Tf);
    if (t > 100) Refuse(d.Member, "steel", "板厚 100 mm を超える F は定められていません。");
    r.SteelName = g->Name;
    r.F = t <= 40 ? g->FThin : g->FThick;
}

}  // namespace

const std::vector<SteelGrade>& SteelGrades() {
    static const std::vector<SteelGrade> grades = {
        {"SN400A", 235, 215}, {"SN400B", 235, 215}, {"SN400C", 235, 215}, {"SS400", 235, 215},
        {"SM400A", 235, 215}, {"SM400B", 235, 215}, {"SN490B", 325, 295}, {"SN490C", 325, 295},
        {"SM490A", 325, 295}, {"SM490B", 325, 295}, {"SM490C", 325, 295},
    };
    return grades;
}

const SteelGrade* FindSteelGrade(const std::string& name) {
    for (const SteelGrade& g : SteelGrades()) {
        if (name == g.Name) return &g;
    }
    return nullptr;
}

ResolvedDesign ResolveDesign(const DesignData& data, int spanCount) {
    ResolvedDesign out;
    out.Method = data.Method;
    for (const MemberDesign& d : data.Members) {
        if (d.Member < 1 || d.Member > spanCount)
            Refuse(d.Member, "member",
                   "部材番号は 1〜" + std::to_string(spanCount) + " で指定してください。");
        ResolvedMember r;
        r.Member = d.Member;
        r.HasSection = d.HasSection();
        if (r.HasSection) {
            ResolveSection(d, r);
            ResolveSteel(d, r);
        }
        r.Bracing = d.Bracing;
        r.Lb = d.Lb;
        r.DeflectionLimit = d.DeflectionLimit;
        r.DeflectionFactor = d.DeflectionFactor;
        out.Members.push_back(r);
    }
    return out;
}

}  // namespace kmr
