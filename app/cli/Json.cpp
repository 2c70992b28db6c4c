#include "app/cli/Json.h"

#include <charconv>
#include <cmath>

#include "app/cli/ShiftJis.h"
#include "model/ModelFields.h"

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

void JsonWriter::Bool(bool v) {
    BeforeValue();
    out_ << (v ? "true" : "false");
}

void JsonWriter::Null() {
    BeforeValue();
    out_ << "null";
}

void JsonWriter::Raw(const std::string& json) {
    BeforeValue();
    out_ << json;
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

// Every field of a record as a JSON member, the load slots as an array of
// one-line objects.
class JsonFields {
  public:
    explicit JsonFields(JsonWriter& json) : json_(json) {}
    template <std::size_t N>
    void operator()(const char* key, const ShortString<N>& s, const char*) {
        json_.Key(key);
        json_.String(ShiftJisToUtf8(s.Str()));
    }
    void operator()(const char* key, const Extended& v, const char*) {
        json_.Key(key);
        json_.Number(v.Value());
    }
    void operator()(const char* key, std::int32_t v, const char*) { Integer(key, v); }
    void operator()(const char* key, std::uint16_t v, const char*) { Integer(key, v); }
    void BeginSlots(const char* key, const char*) {
        json_.Key(key);
        json_.BeginArray();
    }
    void EndSlots() { json_.EndArray(); }
    void BeginSlot(int) { json_.BeginObject(true); }
    void EndSlot() { json_.EndObject(); }

  private:
    void Integer(const char* key, long long v) {
        json_.Key(key);
        json_.Integer(v);
    }
    JsonWriter& json_;
};

template <class Record, class Visit>
void RecordObject(JsonWriter& json, const Record& record, Visit visit) {
    JsonFields fields(json);
    json.BeginObject();
    visit(fields, record);
    json.EndObject();
}

}  // namespace

void WriteModelJson(JsonWriter& json, FileKind kind, const BeamModel& model) {
    json.BeginObject();
    json.Key("kind");
    json.Integer(static_cast<int>(kind));
    json.Key("ModelHeader");
    RecordObject(json, model.Header, VisitHeaderFields<JsonFields, const ModelHeader>);
    json.Key("Members");
    json.BeginArray();
    for (const MemberRecord& m : model.Members) {
        RecordObject(json, m, VisitMemberFields<JsonFields, const MemberRecord>);
    }
    json.EndArray();
    json.Key("Supports");
    json.BeginArray();
    for (const SupportRecord& s : model.Supports) {
        RecordObject(json, s, VisitSupportFields<JsonFields, const SupportRecord>);
    }
    json.EndArray();
    WriteDesignJson(json, model.Design);
    json.EndObject();
}

void WriteDesignJson(JsonWriter& json, const DesignBlock& design) {
    if (design.State == DesignState::None) return;
    json.Key("Design");
    if (design.State == DesignState::Present) {
        json.Raw(DesignJson(design.Data, true));
        return;
    }
    json.BeginObject();
    json.Key("error");
    json.String(design.Problem);
    json.EndObject();
}

}  // namespace kmr::cli
