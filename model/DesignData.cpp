// The design data as JSON (nlohmann-json) and its block after the image.
#include "model/DesignData.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cstring>

#include "model/Model.h"

namespace kmr {
namespace {

using Json = nlohmann::json;
// Written in the order of the keys as documented.
using OrderedJson = nlohmann::ordered_json;

constexpr char kTag[8] = {'K', 'M', 'R', 'D', 'E', 'S', 'G', 'N'};
constexpr std::uint32_t kBlockVersion = 1;
constexpr std::size_t kBlockHeaderBytes = 20;  // tag, version, length, CRC-32

std::uint32_t Crc32(const std::uint8_t* p, std::size_t n) {
    std::uint32_t c = 0xFFFFFFFFu;
    for (std::size_t i = 0; i < n; ++i) {
        c ^= p[i];
        for (int k = 0; k < 8; ++k) c = (c >> 1) ^ (0xEDB88320u & (0u - (c & 1u)));
    }
    return ~c;
}

void PutU32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

std::uint32_t GetU32(const std::uint8_t* p) {
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 |
           std::uint32_t(p[3]) << 24;
}

enum class KeyType { Integer, Number, Text };

struct MemberKey {
    const char* name;
    KeyType type;
};

constexpr MemberKey kMemberKeys[] = {
    {"member", KeyType::Integer},
    {"section", KeyType::Text},
    {"H", KeyType::Number},
    {"B", KeyType::Number},
    {"tw", KeyType::Number},
    {"tf", KeyType::Number},
    {"r", KeyType::Number},
    {"fabrication", KeyType::Text},
    {"steel", KeyType::Text},
    {"F", KeyType::Number},
    {"bracing", KeyType::Integer},
    {"lb", KeyType::Number},
    {"deflectionLimit", KeyType::Number},
    {"deflectionFactor", KeyType::Number},
};

[[noreturn]] void Refuse(const std::string& where, const std::string& what) {
    throw DesignError("設計データ: " + where + what);
}

std::string MemberWhere(const std::string& id, const std::string& key) {
    return id + " の \"" + key + "\": ";
}

bool HasType(const Json& v, KeyType t) {
    switch (t) {
        case KeyType::Integer:
            return v.is_number_integer();
        case KeyType::Number:
            return v.is_number();
        case KeyType::Text:
            return v.is_string();
    }
    return false;
}

const char* TypeWords(KeyType t) {
    switch (t) {
        case KeyType::Integer:
            return "整数で指定してください。";
        case KeyType::Number:
            return "数値で指定してください。";
        case KeyType::Text:
            return "文字列で指定してください。";
    }
    return "";
}

void CheckKeys(const Json& o, const std::string& id) {
    for (auto it = o.begin(); it != o.end(); ++it) {
        const auto k = std::find_if(std::begin(kMemberKeys), std::end(kMemberKeys),
                                    [&](const MemberKey& m) { return it.key() == m.name; });
        if (k == std::end(kMemberKeys)) Refuse(MemberWhere(id, it.key()), "不明なキーです。");
        if (!HasType(it.value(), k->type)) Refuse(MemberWhere(id, it.key()), TypeWords(k->type));
    }
}

double Positive(const Json& o, const char* key, const std::string& id, double fallback) {
    if (!o.contains(key)) return fallback;
    const double v = o[key].get<double>();
    if (!(v > 0)) Refuse(MemberWhere(id, key), "正の値を指定してください。");
    return v;
}

void ReadSection(const Json& o, const std::string& id, MemberDesign& d) {
    const bool plates = o.contains("H") || o.contains("B") || o.contains("tw") ||
                        o.contains("tf") || o.contains("r") || o.contains("fabrication");
    if (o.contains("section")) {
        d.Section = o["section"].get<std::string>();
        if (plates)
            Refuse(MemberWhere(id, "section"), "寸法（H、B、tw、tf）と同時には指定できません。");
        if (d.Section.empty()) Refuse(MemberWhere(id, "section"), "断面の呼び名が空です。");
        return;
    }
    if (!plates) return;
    for (const char* k : {"H", "B", "tw", "tf"}) {
        if (!o.contains(k)) Refuse(MemberWhere(id, k), "寸法がありません。");
    }
    d.HasPlates = true;
    d.H = Positive(o, "H", id, 0), d.B = Positive(o, "B", id, 0);
    d.Tw = Positive(o, "tw", id, 0), d.Tf = Positive(o, "tf", id, 0);
    d.R = o.value("r", 0.0);
    if (d.R < 0) Refuse(MemberWhere(id, "r"), "0 以上の値を指定してください。");
    if (2 * d.Tf >= d.H) Refuse(MemberWhere(id, "tf"), "フランジ厚が梁せいの半分以上です。");
    const std::string fab = o.value("fabrication", std::string("rolled"));
    if (fab != "rolled" && fab != "welded")
        Refuse(MemberWhere(id, "fabrication"), "\"rolled\" か \"welded\" を指定してください。");
    d.Fab = fab == "welded" ? Fabrication::Welded : Fabrication::Rolled;
}

void ReadSteelAndBracing(const Json& o, const std::string& id, MemberDesign& d) {
    if (o.contains("steel") && o.contains("F"))
        Refuse(MemberWhere(id, "F"), "\"steel\" と同時には指定できません。");
    if (o.contains("steel")) d.Steel = o["steel"].get<std::string>();
    d.F = Positive(o, "F", id, 0);
    if (o.contains("bracing")) {
        const long long n = o["bracing"].get<long long>();
        if (n < 1 || n > 100)
            Refuse(MemberWhere(id, "bracing"), "1〜100 の整数を指定してください。");
        d.Bracing = static_cast<int>(n);
    }
    d.Lb = Positive(o, "lb", id, 0);
    const bool steelData = !d.Steel.empty() || d.F > 0 || o.contains("bracing") || d.Lb > 0;
    if (d.HasSection() && d.Steel.empty() && !(d.F > 0))
        Refuse(MemberWhere(id, "steel"), "鋼種（\"steel\" または \"F\"）がありません。");
    if (!d.HasSection() && steelData)
        Refuse(MemberWhere(id, "section"), "断面（\"section\" または寸法）がありません。");
}

// The member number first, so that every later refusal names the member.
int ReadMemberNumber(const Json& o, const std::string& id, int spanCount) {
    if (!o.is_object()) Refuse(id + ": ", "オブジェクトで指定してください。");
    if (!o.contains("member")) Refuse(MemberWhere(id, "member"), "部材番号がありません。");
    if (!o["member"].is_number_integer())
        Refuse(MemberWhere(id, "member"), "整数で指定してください。");
    const long long member = o["member"].get<long long>();
    if (member < 1 || member > spanCount)
        Refuse(MemberWhere(id, "member"), "部材番号 " + std::to_string(member) + " は 1〜" +
                                              std::to_string(spanCount) + " の範囲にありません。");
    return static_cast<int>(member);
}

MemberDesign ReadMember(const Json& o, std::size_t index, int spanCount) {
    MemberDesign d;
    d.Member = ReadMemberNumber(o, "members[" + std::to_string(index) + "]", spanCount);
    const std::string id = "部材 " + std::to_string(d.Member);
    CheckKeys(o, id);
    ReadSection(o, id, d);
    ReadSteelAndBracing(o, id, d);
    d.DeflectionLimit = Positive(o, "deflectionLimit", id, 300);
    d.DeflectionFactor = Positive(o, "deflectionFactor", id, 1);
    return d;
}

void ReadTop(const Json& top, DesignData& data) {
    if (!top.is_object()) Refuse("", "JSON のオブジェクトではありません。");
    for (auto it = top.begin(); it != top.end(); ++it) {
        if (it.key() != "method" && it.key() != "members")
            Refuse("\"" + it.key() + "\": ", "不明なキーです。");
    }
    if (top.contains("method")) {
        const Json& m = top["method"];
        if (!m.is_string() || (m != "notification" && m != "aij2005"))
            Refuse("\"method\": ", "\"notification\" か \"aij2005\" を指定してください。");
        data.Method = m == "aij2005" ? BucklingFormula::Aij2005 : BucklingFormula::Notification;
    }
    if (top.contains("members") && !top["members"].is_array())
        Refuse("\"members\": ", "配列で指定してください。");
}

OrderedJson MemberJson(const MemberDesign& d) {
    OrderedJson o;
    o["member"] = d.Member;
    if (!d.Section.empty()) o["section"] = d.Section;
    if (d.HasPlates) {
        o["H"] = d.H, o["B"] = d.B, o["tw"] = d.Tw, o["tf"] = d.Tf, o["r"] = d.R;
        o["fabrication"] = d.Fab == Fabrication::Welded ? "welded" : "rolled";
    }
    if (!d.Steel.empty()) o["steel"] = d.Steel;
    if (d.F > 0) o["F"] = d.F;
    if (d.HasSection()) o["bracing"] = d.Bracing;
    if (d.Lb > 0) o["lb"] = d.Lb;
    o["deflectionLimit"] = d.DeflectionLimit;
    o["deflectionFactor"] = d.DeflectionFactor;
    return o;
}

DesignBlock Unreadable(const std::uint8_t* bytes, std::size_t size, const std::string& why) {
    DesignBlock b;
    b.State = DesignState::Unreadable;
    b.Raw.assign(bytes, bytes + size);
    b.Problem = "設計データ（断面検定）を読めません（" + why + "）。";
    return b;
}

}  // namespace

bool MemberDesign::operator==(const MemberDesign& o) const {
    return Member == o.Member && Section == o.Section && HasPlates == o.HasPlates && H == o.H &&
           B == o.B && Tw == o.Tw && Tf == o.Tf && R == o.R && Fab == o.Fab && Steel == o.Steel &&
           F == o.F && Bracing == o.Bracing && Lb == o.Lb && DeflectionLimit == o.DeflectionLimit &&
           DeflectionFactor == o.DeflectionFactor;
}

const MemberDesign* DesignData::Find(int member) const {
    for (const MemberDesign& d : Members) {
        if (d.Member == member) return &d;
    }
    return nullptr;
}

DesignData ParseDesignJson(const std::string& text, int spanCount) {
    Json top;
    try {
        top = Json::parse(text);
    } catch (const Json::exception& e) {
        Refuse("", std::string("JSON として読めません（") + e.what() + "）。");
    }
    DesignData data;
    ReadTop(top, data);
    if (!top.contains("members")) return data;
    const Json& members = top["members"];
    for (std::size_t i = 0; i < members.size(); ++i) {
        MemberDesign d = ReadMember(members[i], i, spanCount);
        if (data.Find(d.Member))
            Refuse("部材 " + std::to_string(d.Member) + ": ", "二度指定されています。");
        data.Members.push_back(d);
    }
    std::sort(data.Members.begin(), data.Members.end(),
              [](const MemberDesign& a, const MemberDesign& b) { return a.Member < b.Member; });
    return data;
}

std::string DesignJson(const DesignData& data, bool compact) {
    OrderedJson top;
    top["method"] = data.Method == BucklingFormula::Aij2005 ? "aij2005" : "notification";
    top["members"] = OrderedJson::array();
    for (const MemberDesign& d : data.Members) top["members"].push_back(MemberJson(d));
    return compact ? top.dump() : top.dump(2) + "\n";
}

DesignBlock MakeDesignBlock(const DesignData& data) {
    DesignBlock b;
    b.State = DesignState::Present;
    b.Data = data;
    const std::string json = DesignJson(data);
    b.Raw.assign(kTag, kTag + sizeof kTag);
    PutU32(b.Raw, kBlockVersion);
    PutU32(b.Raw, static_cast<std::uint32_t>(json.size()));
    PutU32(b.Raw, Crc32(reinterpret_cast<const std::uint8_t*>(json.data()), json.size()));
    b.Raw.insert(b.Raw.end(), json.begin(), json.end());
    return b;
}

DesignBlock ReadDesignBlock(const std::uint8_t* bytes, std::size_t size) {
    if (size < sizeof kTag || std::memcmp(bytes, kTag, sizeof kTag) != 0) return {};
    if (size < kBlockHeaderBytes) return Unreadable(bytes, size, "途中で切れています");
    if (GetU32(bytes + 8) != kBlockVersion)
        return Unreadable(bytes, size, "この版では読めない形式です");
    const std::uint32_t length = GetU32(bytes + 12);
    if (length != size - kBlockHeaderBytes) return Unreadable(bytes, size, "長さが合いません");
    const std::uint8_t* json = bytes + kBlockHeaderBytes;
    if (Crc32(json, length) != GetU32(bytes + 16))
        return Unreadable(bytes, size, "チェックサムが合いません");
    DesignBlock b;
    try {
        b.Data = ParseDesignJson(std::string(json, json + length), kMaxSpans);
    } catch (const DesignError& e) {
        return Unreadable(bytes, size, e.what());
    }
    b.State = DesignState::Present;
    b.Raw.assign(bytes, bytes + size);
    return b;
}

}  // namespace kmr
