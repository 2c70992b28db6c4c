// The beam model: one continuous beam of 1 to 10 spans, held in three
// fixed-size blocks whose byte image is the version-3 data file.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "model/DesignData.h"

namespace kmr {

// 80-bit extended real as stored in data files: bytes 0..7 the significand
// with its explicit integer bit (bit 63), bytes 8..9 sign (bit 15) and
// exponent biased by 16383. The bytes are kept exactly as read, so a value
// that is not edited is written back bit for bit.
class Extended {
  public:
    Extended() = default;
    // Exact: every double is representable.
    Extended(double v) { Set(v); }  // NOLINT(google-explicit-constructor)

    // Nearest double (ties to even); NaN and infinities are kept as such.
    double Value() const;
    operator double() const { return Value(); }  // NOLINT(google-explicit-constructor)
    void Set(double v);
    Extended& operator=(double v) {
        Set(v);
        return *this;
    }
    bool IsFinite() const;
    // Exactly below limit (not only after rounding to double); false for NaN.
    bool IsBelow(double limit) const;

    std::array<std::uint8_t, 10> bytes{};  // all zero is 0.0
};

// Short string of capacity N: a length byte and N bytes of (Shift-JIS) text.
// Bytes beyond the length are kept as read.
template <std::size_t N>
struct ShortString {
    std::uint8_t length = 0;
    std::array<char, N> text{};

    std::string Str() const { return std::string(text.data(), length <= N ? length : N); }
    void Assign(const std::string& s) {
        length = static_cast<std::uint8_t>(s.size() < N ? s.size() : N);
        for (std::size_t i = 0; i < length; ++i) text[i] = s[i];
    }
    static constexpr std::size_t Capacity = N;
};

// Support condition codes.
enum SupportCondition : std::int32_t {
    kSupportFixed = 0,   // 固定
    kSupportSimple = 1,  // 単純
    kSupportHinge = 2,   // ﾋﾝｼﾞ
    kSupportSpring = 3,  // バネ
    kSupportFree = 4,    // 自由
};

// Member-load type codes.
enum MemberLoadType : std::int32_t {
    kLoadConcentrated = 0,  // 集中
    kLoadRightRising = 1,   // 右上三
    kLoadLeftRising = 2,    // 左上三
    kLoadUniform = 3,       // 等分布
    kLoadTrapezoid = 4,     // 台形
    kLoadTriangle = 5,      // 三角
    kLoadNone = 6,          // -----
};

// Node-load type codes.
enum NodeLoadType : std::int32_t {
    kNodeForce = 0,   // Ｐ
    kNodeMoment = 1,  // Ｍ
    kNodeNone = 2,    // -----
};

// Force unit flags (InputUnit, OutputUnit and their defaults).
enum ForceUnit : std::int32_t {
    kUnitTon = 0,         // t (従来)
    kUnitKiloNewton = 1,  // kN (SI)
};

constexpr int kMaxSpans = 10;
constexpr int kMaxSupports = 11;
constexpr int kLoadSlots = 5;
// The one zero tolerance of the program: a length, load or section value
// whose magnitude as a single real is below this counts as zero / unset
// (the editor, the validation, the calculation and both load diagrams).
constexpr float kEpsilon = 1e-6f;

struct ModelHeader {
    ShortString<8> ProductId;
    ShortString<5> ProgramVersion;
    std::int32_t MaxSpans = kMaxSpans;
    std::int32_t SpanCount = 2;
    Extended CommonLoad;
    Extended CommonLoadHeight;
    std::int32_t CommonLoadOff = 0;
    Extended CommonE;
    std::uint16_t IoInputMode = 0;
    Extended CommonIo;
    Extended CommonIoBD;
    Extended CommonB;
    Extended CommonD;
    Extended CommonSpring;
    std::int32_t InputUnit = 0;
    std::int32_t OutputUnit = 0;
    std::int32_t DefaultInputUnit = 0;
    std::int32_t DefaultOutputUnit = 0;
};

struct MemberLoad {
    std::int32_t LoadType = kLoadNone;
    Extended Distance;
    Extended Length1;
    Extended Length2;
    Extended Height;
    Extended Value;
};

struct MemberRecord {
    ShortString<6> Name;
    Extended SpanLength;
    Extended Io;
    Extended Reserved1;
    Extended Reserved2;
    Extended E;
    Extended B;
    Extended D;
    std::array<MemberLoad, kLoadSlots> Loads;
};

struct NodeLoad {
    std::int32_t LoadType = kNodeNone;
    Extended Value;
};

struct SupportRecord {
    ShortString<6> Name;
    std::int32_t Condition = kSupportSimple;
    std::array<NodeLoad, kLoadSlots> NodeLoads;
    Extended SpringConstant;
};

// The one document: Members[1..10], Supports[1..11]; index 0 is kept but
// not used. Design: the design data of the section check, written after the
// image only when the beam has it.
struct BeamModel {
    ModelHeader Header;
    std::array<MemberRecord, kMaxSpans + 1> Members;
    std::array<SupportRecord, kMaxSupports + 1> Supports;
    DesignBlock Design;
};

// Unset or zero in the sense of the editor and the calculation: below
// kEpsilon, compared exactly.
inline bool IsUnset(const Extended& v) {
    return v.IsBelow(static_cast<double>(kEpsilon));
}

// Codes outside their tables carry no load and no restraint.
inline bool IsMemberLoadCode(std::int32_t code) {
    return code >= kLoadConcentrated && code < kLoadNone;
}
inline bool IsNodeLoadCode(std::int32_t code) {
    return code == kNodeForce || code == kNodeMoment;
}
inline bool IsSupportConditionCode(std::int32_t code) {
    return code >= kSupportFixed && code <= kSupportFree;
}

// The words of a support condition in tables ("固 定", "単 純", "ヒンジ",
// "バ ネ", "自 由"), UTF-8; an empty text for a code outside the table.
const char* SupportConditionWord(std::int32_t condition);

// The letter that names support n: "A" for support 1, "K" for support 11.
constexpr char SupportLetter(int n) {
    return static_cast<char>('A' - 1 + n);
}

// Number of spans used by every loop over the model: SpanCount held to 1..10,
// so that a damaged count can never index beyond the fixed arrays.
int UsedSpanCount(const BeamModel& model);

void ClearModel(BeamModel& model);
void SetNewModelDefaults(BeamModel& model);
void NameMembersAndSupports(BeamModel& model);
// Unset (below 1e-6) member Io and E and spring constants take the common
// values before a calculation: members 1..SpanCount, supports 1..SpanCount+1
// whose condition is spring. In Io mode 1 the member takes the computed
// common Io together with the common B and D.
void FillUnsetMembers(BeamModel& model);

// Program start: identification fields, 2 spans, ClearModel and
// SetNewModelDefaults.
void InitProgramModel(BeamModel& model, const std::string& versionText);

}  // namespace kmr
