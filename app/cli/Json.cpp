#include "app/cli/Json.h"

#include <charconv>
#include <cmath>

#include "app/cli/ShiftJis.h"

namespace kmr::cli {

void JsonWriter::Open(char c, bool compact) {
    BeforeValue();
    out_ << c;
    open_.push_back({false, oneLine_ || compact || (!open_.empty() && open_.back().compact)});
}

void JsonWriter::Close(char c) {
    const Level level = open_.back();
    open_.pop_back();
    if (level.hasItems && !level.compact) NewLine();
    out_ << c;
    if (open_.empty()) out_ << '\n';
}

void JsonWriter::NewLine() {
    out_ << '\n' << std::string(2 * open_.size(), ' ');
}

void JsonWriter::BeforeValue() {
    if (afterKey_) {
        afterKey_ = false;
        return;
    }
    if (open_.empty()) return;
    Level& level = open_.back();
    if (level.hasItems) out_ << (level.compact && !oneLine_ ? ", " : ",");
    if (!level.compact) NewLine();
    level.hasItems = true;
}

void JsonWriter::Key(const std::string& key) {
    BeforeValue();
    out_ << JsonQuoted(key) << (oneLine_ ? ":" : ": ");
    afterKey_ = true;
}

void JsonWriter::String(const std::string& utf8) {
    BeforeValue();
    out_ << JsonQuoted(utf8);
}

void JsonWriter::Integer(long long v) {
    BeforeValue();
    out_ << v;
}

void JsonWriter::Number(double v) {
    BeforeValue();
    out_ << NumberText(v);
}

std::string NumberText(double v) {
    if (!std::isfinite(v)) return "null";
    char buf[32];
    const auto r = std::to_chars(buf, buf + sizeof buf, v);
    return std::string(buf, r.ptr);
}

std::string JsonQuoted(const std::string& utf8) {
    static const char* hex = "0123456789abcdef";
    std::string s = "\"";
    for (unsigned char c : utf8) {
        if (c == '"' || c == '\\') {
            s += '\\';
            s += static_cast<char>(c);
        } else if (c == '\n') {
            s += "\\n";
        } else if (c == '\r') {
            s += "\\r";
        } else if (c == '\t') {
            s += "\\t";
        } else if (c < 0x20) {
            s += "\\u00";
            s += hex[c >> 4];
            s += hex[c & 15];
        } else {
            s += static_cast<char>(c);
        }
    }
    return s + "\"";
}

namespace {

template <std::size_t N>
void Text(JsonWriter& json, const char* key, const ShortString<N>& s) {
    json.Key(key);
    json.String(ShiftJisToUtf8(s.Str()));
}

void Real(JsonWriter& json, const char* key, const Extended& v) {
    json.Key(key);
    json.Number(v.Value());
}

void Int(JsonWriter& json, const char* key, long long v) {
    json.Key(key);
    json.Integer(v);
}

void Header(JsonWriter& json, const ModelHeader& h) {
    json.BeginObject();
    Text(json, "ProductId", h.ProductId);
    Text(json, "ProgramVersion", h.ProgramVersion);
    Int(json, "MaxSpans", h.MaxSpans);
    Int(json, "SpanCount", h.SpanCount);
    Real(json, "CommonLoad", h.CommonLoad);
    Real(json, "CommonLoadHeight", h.CommonLoadHeight);
    Int(json, "CommonLoadOff", h.CommonLoadOff);
    Real(json, "CommonE", h.CommonE);
    Int(json, "IoInputMode", h.IoInputMode);
    Real(json, "CommonIo", h.CommonIo);
    Real(json, "CommonIoBD", h.CommonIoBD);
    Real(json, "CommonB", h.CommonB);
    Real(json, "CommonD", h.CommonD);
    Real(json, "CommonSpring", h.CommonSpring);
    Int(json, "InputUnit", h.InputUnit);
    Int(json, "OutputUnit", h.OutputUnit);
    Int(json, "DefaultInputUnit", h.DefaultInputUnit);
    Int(json, "DefaultOutputUnit", h.DefaultOutputUnit);
    json.EndObject();
}

void Member(JsonWriter& json, const MemberRecord& m) {
    json.BeginObject();
    Text(json, "Name", m.Name);
    Real(json, "SpanLength", m.SpanLength);
    Real(json, "Io", m.Io);
    Real(json, "Reserved1", m.Reserved1);
    Real(json, "Reserved2", m.Reserved2);
    Real(json, "E", m.E);
    Real(json, "B", m.B);
    Real(json, "D", m.D);
    json.Key("Loads");
    json.BeginArray();
    for (const MemberLoad& load : m.Loads) {
        json.BeginObject(true);
        Int(json, "LoadType", load.LoadType);
        Real(json, "Distance", load.Distance);
        Real(json, "Length1", load.Length1);
        Real(json, "Length2", load.Length2);
        Real(json, "Height", load.Height);
        Real(json, "Value", load.Value);
        json.EndObject();
    }
    json.EndArray();
    json.EndObject();
}

void Support(JsonWriter& json, const SupportRecord& s) {
    json.BeginObject();
    Text(json, "Name", s.Name);
    Int(json, "Condition", s.Condition);
    json.Key("NodeLoads");
    json.BeginArray();
    for (const NodeLoad& load : s.NodeLoads) {
        json.BeginObject(true);
        Int(json, "LoadType", load.LoadType);
        Real(json, "Value", load.Value);
        json.EndObject();
    }
    json.EndArray();
    Real(json, "SpringConstant", s.SpringConstant);
    json.EndObject();
}

}  // namespace

void WriteModelJson(JsonWriter& json, FileKind kind, const BeamModel& model) {
    json.BeginObject();
    Int(json, "kind", static_cast<int>(kind));
    json.Key("ModelHeader");
    Header(json, model.Header);
    json.Key("Members");
    json.BeginArray();
    for (const MemberRecord& m : model.Members) Member(json, m);
    json.EndArray();
    json.Key("Supports");
    json.BeginArray();
    for (const SupportRecord& s : model.Supports) Support(json, s);
    json.EndArray();
    json.EndObject();
}

}  // namespace kmr::cli
