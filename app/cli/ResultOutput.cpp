#include "app/cli/ResultOutput.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "app/cli/Json.h"
#include "app/cli/ShiftJis.h"
#include "calc/BeamDiagram.h"
#include "calc/Units.h"

namespace kmr::cli {
namespace {

// "?" for a condition outside the table.
std::string ConditionWord(int condition) {
    const std::string word = SupportConditionWord(condition);
    return word.empty() ? "?" : word;
}

// Terminal columns taken by UTF-8 text: ASCII and half-width katakana one,
// everything else two.
int DisplayWidth(const std::string& s) {
    int width = 0;
    for (std::size_t i = 0; i < s.size();) {
        const unsigned char c = s[i];
        const int len = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
        unsigned cp = c;
        if (len == 3 && i + 2 < s.size()) {
            cp = ((c & 0x0Fu) << 12) | ((s[i + 1] & 0x3Fu) << 6) | (s[i + 2] & 0x3Fu);
        }
        width += (len == 1 || (cp >= 0xFF61 && cp <= 0xFF9F)) ? 1 : 2;
        i += len;
    }
    return width;
}

std::string PadLeft(const std::string& s, int width) {
    const int pad = width - DisplayWidth(s);
    return pad > 0 ? std::string(pad, ' ') + s : s;
}

std::string PadRight(const std::string& s, int width) {
    const int pad = width - DisplayWidth(s);
    return pad > 0 ? s + std::string(pad, ' ') : s;
}

// One table: a header row and data rows; the first column left-aligned, the
// others right-aligned, each as wide as its widest cell.
class Table {
  public:
    void Row(std::vector<std::string> cells) { rows_.push_back(std::move(cells)); }
    std::string Text() const {
        std::vector<int> widths;
        for (const auto& row : rows_) {
            if (widths.size() < row.size()) widths.resize(row.size(), 0);
            for (std::size_t c = 0; c < row.size(); ++c)
                widths[c] = std::max(widths[c], DisplayWidth(row[c]));
        }
        std::string out;
        for (const auto& row : rows_) {
            for (std::size_t c = 0; c < row.size(); ++c) {
                out += c == 0 ? PadRight(row[c], widths[c]) : "  " + PadLeft(row[c], widths[c]);
            }
            out += '\n';
        }
        return out;
    }

  private:
    std::vector<std::vector<std::string>> rows_;
};

std::string Bracketed(const std::string& name) {
    return "[ " + name + " ]";
}

std::string MemberTable(const BeamModel& m, int n, double factor, const std::string& u) {
    Table t;
    t.Row({"部 材 名", "スパン長 (m)", "Ｉo (cm4)", "Ｅ (" + u + "/cm2)"});
    for (int i = 1; i <= n; ++i) {
        const MemberRecord& mem = m.Members[i];
        t.Row({Bracketed(ShiftJisToUtf8(mem.Name.Str())), FormatFixed(mem.SpanLength, 3),
               FormatSectionValue(mem.Io), FormatSectionValue(mem.E * factor)});
    }
    return t.Text();
}

std::string ForceTable(const BeamModel& m, const CalcResults& r, int n, double factor,
                       const std::string& u) {
    Table t;
    t.Row({"部 材 名", "材端Ｍ 左 (" + u + "m)", "中央Ｍ (" + u + "m)", "材端Ｍ 右 (" + u + "m)",
           "せん断Ｑ 左 (" + u + ")", "せん断Ｑ 右 (" + u + ")"});
    for (int i = 1; i <= n; ++i) {
        const MemberResult& mr = r.MemberResults[i];
        t.Row({Bracketed(ShiftJisToUtf8(m.Members[i].Name.Str())),
               FormatByMagnitude(mr.MLeft * factor), FormatByMagnitude(mr.MCenter * factor),
               FormatByMagnitude(mr.MRight * factor), FormatByMagnitude(mr.QLeft * factor),
               FormatByMagnitude(mr.QRight * factor)});
    }
    return t.Text();
}

std::string SupportTable(const BeamModel& m, const CalcResults& r, int n, double factor,
                         const std::string& u) {
    Table t;
    t.Row({"支 点 名", "変  位 (cm)", "回転角 (rad)", "反  力 (" + u + ")", "支持条件",
           "ﾊﾞﾈ定数 (" + u + "/cm)"});
    for (int s = 1; s <= n + 1; ++s) {
        const SupportRecord& sup = m.Supports[s];
        const NodeResult& nr = r.NodeResults[s];
        const bool spring = sup.Condition == kSupportSpring;
        t.Row({Bracketed(ShiftJisToUtf8(sup.Name.Str())), FormatByMagnitude(nr.Deflection),
               FormatByMagnitude(nr.Rotation), FormatByMagnitude(nr.Reaction * factor),
               ConditionWord(sup.Condition),
               spring ? FormatFixed(sup.SpringConstant * factor, 3) : std::string("-")});
    }
    return t.Text();
}

std::string ExtremesTable(const BeamModel& m, const BeamDiagram& d, int n, const std::string& u) {
    Table t;
    t.Row({"部 材 名", "最大Ｍ (" + u + "m)", "x (m)", "最小Ｍ (" + u + "m)", "x (m)",
           "最大Ｑ (" + u + ")", "最大たわみ (cm)", "x (m)"});
    for (int i = 1; i <= n; ++i) {
        const MemberExtremes e = d.Members[std::size_t(i - 1)].Extremes();
        t.Row({Bracketed(ShiftJisToUtf8(m.Members[i].Name.Str())), FormatByMagnitude(e.MMax),
               FormatFixed(e.XMMax, 3), FormatByMagnitude(e.MMin), FormatFixed(e.XMMin, 3),
               FormatByMagnitude(e.QMax), FormatByMagnitude(e.DeflectionMax),
               FormatFixed(e.XDeflectionMax, 3)});
    }
    return t.Text();
}

void Field(JsonWriter& json, const char* key, double value) {
    json.Key(key);
    json.Number(value);
}

void Field(JsonWriter& json, const char* key, const std::string& text) {
    json.Key(key);
    json.String(text);
}

void MemberJson(JsonWriter& json, const MemberRecord& mem, const MemberResult& mr,
                const MemberExtremes& e, double f) {
    json.BeginObject();
    Field(json, "name", ShiftJisToUtf8(mem.Name.Str()));
    Field(json, "span", mem.SpanLength);
    Field(json, "Io", mem.Io);
    Field(json, "E", mem.E * f);
    Field(json, "MLeft", mr.MLeft * f);
    Field(json, "MCenter", mr.MCenter * f);
    Field(json, "MRight", mr.MRight * f);
    Field(json, "QLeft", mr.QLeft * f);
    Field(json, "QRight", mr.QRight * f);
    Field(json, "MMax", e.MMax);
    Field(json, "xMMax", e.XMMax);
    Field(json, "MMin", e.MMin);
    Field(json, "xMMin", e.XMMin);
    Field(json, "QMax", e.QMax);
    Field(json, "xQMax", e.XQMax);
    Field(json, "deflectionMax", e.DeflectionMax);
    Field(json, "xDeflectionMax", e.XDeflectionMax);
    Field(json, "deflectionMin", e.DeflectionMin);
    Field(json, "xDeflectionMin", e.XDeflectionMin);
    json.EndObject();
}

void SupportJson(JsonWriter& json, const SupportRecord& sup, const NodeResult& nr, double f) {
    json.BeginObject();
    Field(json, "name", ShiftJisToUtf8(sup.Name.Str()));
    json.Key("condition");
    json.Integer(sup.Condition);
    json.Key("spring");
    json.Number(sup.Condition == kSupportSpring ? sup.SpringConstant * f : NAN);
    Field(json, "deflection", nr.Deflection);
    Field(json, "rotation", nr.Rotation);
    Field(json, "reaction", nr.Reaction * f);
    json.EndObject();
}

}  // namespace

void WriteResultsText(std::ostream& out, const std::string& file, const BeamModel& model,
                      const CalcResults& results) {
    const ModelHeader& h = model.Header;
    const int n = UsedSpanCount(model);
    const double f = UnitFactor(h.InputUnit, h.OutputUnit);
    const std::string u = ForceUnitWord(h.OutputUnit);
    out << "■ " << file << "\n";
    out << "入力単位: " << ForceUnitWord(h.InputUnit) << "   出力単位: " << u
        << "   スパン数: " << n << "\n\n";
    out << "●応力算定結果\n";
    out << MemberTable(model, n, f, u) << "\n";
    out << ForceTable(model, results, n, f, u) << "\n";
    out << SupportTable(model, results, n, f, u) << "\n";
    out << "●スパン内最大値\n";
    out << ExtremesTable(model, BuildBeamDiagram(model, results), n, u);
}

void WriteResultsJson(std::ostream& out, const std::string& file, const BeamModel& model,
                      const CalcResults& results) {
    const ModelHeader& h = model.Header;
    const int n = UsedSpanCount(model);
    const double f = UnitFactor(h.InputUnit, h.OutputUnit);
    const BeamDiagram diagram = BuildBeamDiagram(model, results);
    JsonWriter json(out, JsonLayout::OneLine);
    json.BeginObject();
    Field(json, "file", file);
    Field(json, "inputUnit", std::string(ForceUnitWord(h.InputUnit)));
    Field(json, "outputUnit", std::string(ForceUnitWord(h.OutputUnit)));
    json.Key("spanCount");
    json.Integer(n);
    json.Key("members");
    json.BeginArray();
    for (int i = 1; i <= n; ++i) {
        MemberJson(json, model.Members[i], results.MemberResults[i],
                   diagram.Members[std::size_t(i - 1)].Extremes(), f);
    }
    json.EndArray();
    json.Key("supports");
    json.BeginArray();
    for (int s = 1; s <= n + 1; ++s)
        SupportJson(json, model.Supports[s], results.NodeResults[s], f);
    json.EndArray();
    const Equilibrium eq = CheckEquilibrium(model, results);
    json.Key("equilibrium");
    json.BeginObject();
    Field(json, "loads", eq.Loads);
    Field(json, "reactions", eq.Reactions);
    Field(json, "residual", eq.Residual);
    json.EndObject();
    json.EndObject();
}

void WriteRefusalJson(std::ostream& out, const std::string& file, const ValidationResult& refusal) {
    JsonWriter json(out, JsonLayout::OneLine);
    json.BeginObject();
    Field(json, "file", file);
    json.Key("error");
    json.BeginObject();
    json.Key("code");
    json.Integer(refusal.code);
    Field(json, "message", refusal.message);
    json.EndObject();
    json.EndObject();
}

}  // namespace kmr::cli
