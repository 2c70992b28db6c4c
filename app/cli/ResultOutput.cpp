#include "app/cli/ResultOutput.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "app/cli/CliModel.h"
#include "app/cli/Json.h"
#include "app/cli/ShiftJis.h"
#include "calc/Units.h"

namespace kmr::cli {
namespace {

// A condition outside the table as the calculation takes it (free).
std::string ConditionWord(int condition) {
    return SupportConditionWord(CalculatedSupportCondition(condition));
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

std::string MemberTable(const BeamModel& m, const CalculatedBeam& beam, const std::string& u) {
    const int n = beam.SpanCount();
    Table t;
    t.Row({"部 材 名", "スパン長 (m)", "Ｉo (cm4)", "Ｅ (" + u + "/cm2)"});
    for (int i = 1; i <= n; ++i) {
        const MemberRecord& mem = m.Members[i];
        t.Row({Bracketed(ShiftJisToUtf8(mem.Name.Str())), FormatFixed(mem.SpanLength, 3),
               FormatSectionValue(mem.Io), FormatSectionValue(beam.InOutputUnit(mem.E))});
    }
    return t.Text();
}

std::string ForceTable(const BeamModel& m, const CalculatedBeam& beam, const std::string& u) {
    const int n = beam.SpanCount();
    Table t;
    t.Row({"部 材 名", "材端Ｍ 左 (" + u + "m)", "中央Ｍ (" + u + "m)", "材端Ｍ 右 (" + u + "m)",
           "せん断Ｑ 左 (" + u + ")", "せん断Ｑ 右 (" + u + ")"});
    for (int i = 1; i <= n; ++i) {
        const MemberResult& mr = beam.Member(i);
        t.Row({Bracketed(ShiftJisToUtf8(m.Members[i].Name.Str())), FormatByMagnitude(mr.MLeft),
               FormatByMagnitude(mr.MCenter), FormatByMagnitude(mr.MRight),
               FormatByMagnitude(mr.QLeft), FormatByMagnitude(mr.QRight)});
    }
    return t.Text();
}

std::string SupportTable(const BeamModel& m, const CalculatedBeam& beam, const std::string& u) {
    const int n = beam.SpanCount();
    Table t;
    t.Row({"支 点 名", "変  位 (cm)", "回転角 (rad)", "反  力 (" + u + ")", "支持条件",
           "ﾊﾞﾈ定数 (" + u + "/cm)"});
    for (int s = 1; s <= n + 1; ++s) {
        const SupportRecord& sup = m.Supports[s];
        const NodeResult& nr = beam.Node(s);
        const bool spring = sup.Condition == kSupportSpring;
        t.Row({Bracketed(ShiftJisToUtf8(sup.Name.Str())), FormatByMagnitude(nr.Deflection),
               FormatByMagnitude(nr.Rotation), FormatByMagnitude(nr.Reaction),
               ConditionWord(sup.Condition),
               spring ? FormatFixed(beam.InOutputUnit(sup.SpringConstant), 3) : std::string("-")});
    }
    return t.Text();
}

std::string ExtremesTable(const BeamModel& m, const CalculatedBeam& beam, const std::string& u) {
    const int n = beam.SpanCount();
    Table t;
    t.Row({"部 材 名", "最大Ｍ (" + u + "m)", "x (m)", "最小Ｍ (" + u + "m)", "x (m)",
           "最大Ｑ (" + u + ")", "最大たわみ (cm)", "x (m)"});
    for (int i = 1; i <= n; ++i) {
        const MemberExtremes& e = beam.Extremes(i);
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

void MemberJson(JsonWriter& json, const MemberRecord& mem, const CalculatedBeam& beam, int i) {
    const MemberResult& mr = beam.Member(i);
    const MemberExtremes& e = beam.Extremes(i);
    json.BeginObject();
    Field(json, "name", ShiftJisToUtf8(mem.Name.Str()));
    Field(json, "span", mem.SpanLength);
    Field(json, "Io", mem.Io);
    Field(json, "E", beam.InOutputUnit(mem.E));
    Field(json, "MLeft", mr.MLeft);
    Field(json, "MCenter", mr.MCenter);
    Field(json, "MRight", mr.MRight);
    Field(json, "QLeft", mr.QLeft);
    Field(json, "QRight", mr.QRight);
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

void SupportJson(JsonWriter& json, const SupportRecord& sup, const CalculatedBeam& beam, int s) {
    const NodeResult& nr = beam.Node(s);
    json.BeginObject();
    Field(json, "name", ShiftJisToUtf8(sup.Name.Str()));
    json.Key("condition");
    json.Integer(sup.Condition);
    json.Key("spring");
    json.Number(sup.Condition == kSupportSpring ? beam.InOutputUnit(sup.SpringConstant) : NAN);
    Field(json, "deflection", nr.Deflection);
    Field(json, "rotation", nr.Rotation);
    Field(json, "reaction", nr.Reaction);
    json.EndObject();
}

}  // namespace

void WriteResultsText(std::ostream& out, const std::string& file, const BeamModel& model,
                      const CalculatedBeam& beam) {
    const std::string u = ForceUnitWord(beam.OutputUnit());
    out << "■ " << file << "\n";
    out << "入力単位: " << ForceUnitWord(beam.InputUnit()) << "   出力単位: " << u
        << "   スパン数: " << beam.SpanCount() << "\n\n";
    out << "●応力算定結果\n";
    out << MemberTable(model, beam, u) << "\n";
    out << ForceTable(model, beam, u) << "\n";
    out << SupportTable(model, beam, u) << "\n";
    out << "●スパン内最大値\n";
    out << ExtremesTable(model, beam, u);
}

void WriteResultsJson(std::ostream& out, const std::string& file, const BeamModel& model,
                      const CalculatedBeam& beam) {
    const int n = beam.SpanCount();
    JsonWriter json(out, JsonLayout::OneLine);
    json.BeginObject();
    Field(json, "file", file);
    Field(json, "inputUnit", std::string(ForceUnitWord(beam.InputUnit())));
    Field(json, "outputUnit", std::string(ForceUnitWord(beam.OutputUnit())));
    json.Key("spanCount");
    json.Integer(n);
    json.Key("members");
    json.BeginArray();
    for (int i = 1; i <= n; ++i) MemberJson(json, model.Members[i], beam, i);
    json.EndArray();
    json.Key("supports");
    json.BeginArray();
    for (int s = 1; s <= n + 1; ++s) SupportJson(json, model.Supports[s], beam, s);
    json.EndArray();
    const Equilibrium& eq = beam.BeamEquilibrium();
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
    // The message as the window shows it, CRLF between its lines.
    Field(json, "message", RefusalText(refusal, "\r\n"));
    json.EndObject();
    json.EndObject();
}

}  // namespace kmr::cli
