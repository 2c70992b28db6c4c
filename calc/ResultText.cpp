#include "calc/ResultText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <sstream>
#include <vector>

#include "calc/Units.h"

namespace kmr {
namespace {

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
        t.Row({Bracketed(mem.Name.Str()), FormatFixed(mem.SpanLength, 3),
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
        t.Row({Bracketed(m.Members[i].Name.Str()), FormatByMagnitude(mr.MLeft * factor),
               FormatByMagnitude(mr.MCenter * factor), FormatByMagnitude(mr.MRight * factor),
               FormatByMagnitude(mr.QLeft * factor), FormatByMagnitude(mr.QRight * factor)});
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
        t.Row({Bracketed(sup.Name.Str()), FormatByMagnitude(nr.Deflection),
               FormatByMagnitude(nr.Rotation), FormatByMagnitude(nr.Reaction * factor),
               ConditionWord(sup.Condition),
               spring ? FormatFixed(sup.SpringConstant * factor, 3) : std::string("-")});
    }
    return t.Text();
}

std::string Number(double v) {
    if (!std::isfinite(v)) return "null";
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, v);
    return std::string(buf, res.ptr);
}

std::string Field(const char* key, const std::string& json) {
    return JsonString(key) + ":" + json;
}

std::string MemberJson(const MemberRecord& mem, const MemberResult& mr, double f) {
    return "{" + Field("name", JsonString(mem.Name.Str())) + "," +
           Field("span", Number(mem.SpanLength)) + "," + Field("Io", Number(mem.Io)) + "," +
           Field("E", Number(mem.E * f)) + "," + Field("MLeft", Number(mr.MLeft * f)) + "," +
           Field("MCenter", Number(mr.MCenter * f)) + "," + Field("MRight", Number(mr.MRight * f)) +
           "," + Field("QLeft", Number(mr.QLeft * f)) + "," +
           Field("QRight", Number(mr.QRight * f)) + "}";
}

std::string SupportJson(const SupportRecord& sup, const NodeResult& nr, double f) {
    const bool spring = sup.Condition == kSupportSpring;
    return "{" + Field("name", JsonString(sup.Name.Str())) + "," +
           Field("condition", std::to_string(sup.Condition)) + "," +
           Field("spring", spring ? Number(sup.SpringConstant * f) : "null") + "," +
           Field("deflection", Number(nr.Deflection)) + "," +
           Field("rotation", Number(nr.Rotation)) + "," +
           Field("reaction", Number(nr.Reaction * f)) + "}";
}

}  // namespace

std::string ConditionWord(int condition) {
    switch (condition) {
        case kSupportFixed:
            return "固 定";
        case kSupportSimple:
            return "単 純";
        case kSupportHinge:
            return "ヒンジ";
        case kSupportSpring:
            return "バ ネ";
        case kSupportFree:
            return "自 由";
        default:
            return "?";
    }
}

std::string JsonString(const std::string& text) {
    std::string out = "\"";
    for (const char ch : text) {
        const unsigned char c = static_cast<unsigned char>(ch);
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                if (c < 0x20) {
                    char buf[8];
                    std::snprintf(buf, sizeof buf, "\\u%04x", c);
                    out += buf;
                } else {
                    out += ch;
                }
        }
    }
    return out + "\"";
}

std::string FormatResultsText(const std::string& file, const BeamModel& model,
                              const CalcResults& results) {
    const ModelHeader& h = model.Header;
    const int n = UsedSpanCount(model);
    const double f = UnitFactor(h.InputUnit, h.OutputUnit);
    const std::string u = ForceUnitWord(h.OutputUnit);
    std::ostringstream out;
    out << "■ " << file << "\n";
    out << "入力単位: " << ForceUnitWord(h.InputUnit) << "   出力単位: " << u
        << "   スパン数: " << n << "\n\n";
    out << "●応力算定結果\n";
    out << MemberTable(model, n, f, u) << "\n";
    out << ForceTable(model, results, n, f, u) << "\n";
    out << SupportTable(model, results, n, f, u);
    return out.str();
}

std::string FormatResultsJson(const std::string& file, const BeamModel& model,
                              const CalcResults& results) {
    const ModelHeader& h = model.Header;
    const int n = UsedSpanCount(model);
    const double f = UnitFactor(h.InputUnit, h.OutputUnit);
    std::string members, supports;
    for (int i = 1; i <= n; ++i) {
        if (i > 1) members += ",";
        members += MemberJson(model.Members[i], results.MemberResults[i], f);
    }
    for (int s = 1; s <= n + 1; ++s) {
        if (s > 1) supports += ",";
        supports += SupportJson(model.Supports[s], results.NodeResults[s], f);
    }
    return "{" + Field("file", JsonString(file)) + "," +
           Field("inputUnit", JsonString(ForceUnitWord(h.InputUnit))) + "," +
           Field("outputUnit", JsonString(ForceUnitWord(h.OutputUnit))) + "," +
           Field("spanCount", std::to_string(n)) + "," + Field("members", "[" + members + "]") +
           "," + Field("supports", "[" + supports + "]") + "}";
}

std::string FormatRefusalJson(const std::string& file, const ValidationResult& refusal) {
    return "{" + Field("file", JsonString(file)) + "," +
           Field("error", "{" + Field("code", std::to_string(refusal.code)) + "," +
                              Field("message", JsonString(refusal.message)) + "}") +
           "}";
}

}  // namespace kmr
