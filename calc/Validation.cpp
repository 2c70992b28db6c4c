#include "calc/Validation.h"

#include <algorithm>
#include <cmath>

#include "calc/Mechanism.h"

namespace kmr {
namespace {

// Limits, held as single reals where the system holds them so.
constexpr float kIoLimit = 1e11f;  // 99999997952
constexpr double kLengthLimit = 100.0;
constexpr double kBeamSizeLimit = 1000.0;

double ForceLimit(const BeamModel& m) {
    return m.Header.InputUnit == kUnitKiloNewton ? 10000.0 : 1000.0;
}
double ELimit(const BeamModel& m) {
    return m.Header.InputUnit == kUnitKiloNewton ? 1e7 : 1e6;
}

const std::string kIndent(8, ' ');

// A value offends a maximum when it is greater than it. Written as "not at
// most" so that a value that is not a number (a damaged file) offends too.
bool Over(double v, double limit) {
    return !(v <= limit);
}

enum class MessageKind { Common, Member, Support };

MessageKind KindOf(ValidationCode code) {
    switch (code) {
        case kNoSpringConstant:
        case kSpringOverLimit:
        case kNodeLoadOverLimit:
            return MessageKind::Support;
        case kUnstable:
        case kNoResult:
        case kUnknownInputUnit:
        case kUnknownOutputUnit:
        case kCommonIoOverLimit:
        case kCommonEOverLimit:
        case kCommonSpringOverLimit:
        case kCommonBeamSizeOverLimit:
        case kCommonLoadOverLimit:
        case kCommonLoadHeightOverLimit:
            return MessageKind::Common;
        default:
            return MessageKind::Member;
    }
}

// Running state of one validation: the code, and where it was set.
struct Check {
    ValidationCode code = kValidOk;
    int member = 0;   // member whose loop ended with the code set
    int slot = 0;     // load slot of code 4
    int support = 0;  // support of codes 5, 105 and 113
    bool commonLoadRed = false;
};

double CommonIo(const ModelHeader& h) {
    if (h.IoInputMode == 0) return h.CommonIo;
    if (h.IoInputMode == 1) return h.CommonIoBD;
    return 0.0;
}

void CheckCommonData(const BeamModel& m, ValidationMode mode, Check& c) {
    const ModelHeader& h = m.Header;
    const bool full = mode != kValidateCommon;
    if (full && Over(std::fabs(double(h.CommonLoad)), ForceLimit(m))) {
        c.code = kCommonLoadOverLimit;
        c.commonLoadRed = true;
    }
    // By magnitude: a negative height of any size would feed the analysis.
    if (full && c.code == kValidOk && Over(std::fabs(double(h.CommonLoadHeight)), kLengthLimit)) {
        c.code = kCommonLoadHeightOverLimit;
    }
    if (full && c.code == kValidOk && h.IoInputMode == 1) {
        if (Over(h.CommonB, kBeamSizeLimit)) c.code = kCommonBeamSizeOverLimit;
        if (Over(h.CommonD, kBeamSizeLimit)) c.code = kCommonBeamSizeOverLimit;
    }
    if (c.code == kValidOk && Over(CommonIo(h), kIoLimit)) c.code = kCommonIoOverLimit;
    if (c.code == kValidOk && Over(h.CommonE, ELimit(m))) c.code = kCommonEOverLimit;
    if (full && c.code == kValidOk && Over(h.CommonSpring, ForceLimit(m))) {
        c.code = kCommonSpringOverLimit;
    }
}

// Span length, then load values and heights of every slot whatever its type.
void CheckSpanAndLoadValues(const BeamModel& m, const MemberRecord& mem, Check& c) {
    const double span = mem.SpanLength;
    if (IsUnset(mem.SpanLength)) c.code = kNoSpanLength;
    if (Over(span, kLengthLimit)) c.code = kSpanOverLimit;
    for (const MemberLoad& load : mem.Loads) {
        if (Over(std::fabs(double(load.Value)), ForceLimit(m))) {
            c.code = kLoadValueOverLimit;
            break;
        }
        if (Over(std::fabs(double(load.Height)), kLengthLimit)) {
            c.code = kLoadHeightOverLimit;
            break;
        }
    }
}

void CheckSection(const BeamModel& m, const MemberRecord& mem, Check& c) {
    const double io = mem.Io;
    if (IsUnset(mem.Io)) c.code = kNoIo;
    if (Over(io, kIoLimit)) c.code = kIoOverLimit;
    if (c.code != kValidOk) return;
    const double e = mem.E;
    if (IsUnset(mem.E)) c.code = kNoE;
    if (Over(e, ELimit(m))) c.code = kEOverLimit;
}

// The far end of a load, summed in single precision like the engine's
// arguments; -1 for a slot that carries no load.
float LoadExtent(const MemberLoad& load) {
    const float l = float(double(load.Distance));
    const float l1 = float(double(load.Length1));
    switch (load.LoadType) {
        case kLoadConcentrated:
            return l;
        case kLoadRightRising:
        case kLoadLeftRising:
        case kLoadUniform:
        case kLoadTriangle:
            return l + l1;
        case kLoadTrapezoid:
            return l + l1 + float(double(load.Length2)) + l1;
        default:
            return -1.0f;
    }
}

// Every length the slot gives the analysis lies within the span by magnitude:
// a negative one cannot reach beyond the span's end, yet would feed the
// analysis unbounded.
bool LengthsWithinSpan(const MemberLoad& load, float span) {
    const auto within = [span](const Extended& v) {
        return !Over(std::fabs(float(double(v))) - span, kEpsilon);
    };
    if (!within(load.Distance)) return false;
    if (load.LoadType != kLoadConcentrated && !within(load.Length1)) return false;
    return load.LoadType != kLoadTrapezoid || within(load.Length2);
}

void CheckExtents(const MemberRecord& mem, Check& c) {
    // The span is compared in single precision as well: a load that ends
    // exactly at the span end must pass whatever the rounding of the two.
    const float span = float(double(mem.SpanLength));
    for (int j = 1; j <= kLoadSlots; ++j) {
        const MemberLoad& load = mem.Loads[j - 1];
        if (!IsMemberLoadCode(load.LoadType)) continue;
        if (Over(LoadExtent(load) - span, kEpsilon) || !LengthsWithinSpan(load, span)) {
            c.code = kLoadBeyondSpan;
            c.slot = j;
            return;
        }
    }
}

void CheckBeamSize(const MemberRecord& mem, Check& c) {
    if (Over(mem.B, kBeamSizeLimit)) c.code = kBeamSizeOverLimit;
    if (Over(mem.D, kBeamSizeLimit)) c.code = kBeamSizeOverLimit;
}

void CheckMembers(const BeamModel& m, ValidationMode mode, Check& c) {
    const int n = UsedSpanCount(m);
    for (int i = 1; i <= n; ++i) {
        const MemberRecord& mem = m.Members[i];
        const bool loads = mode == kValidateCalculation || mode == kValidateLoadDiagram;
        if (loads) CheckSpanAndLoadValues(m, mem, c);
        if (mode == kValidateCalculation && c.code == kValidOk) CheckSection(m, mem, c);
        if (loads && c.code == kValidOk) CheckExtents(mem, c);
        if (mode == kValidateBeamSize && c.code == kValidOk) CheckBeamSize(mem, c);
        if (c.code != kValidOk) {
            c.member = i;
            return;
        }
    }
}

// The node loads that the analysis receives (a Ｐ or Ｍ slot), by the limit of
// member-load values.
void CheckNodeLoads(const BeamModel& m, const SupportRecord& sup, Check& c) {
    for (const NodeLoad& load : sup.NodeLoads) {
        if (IsNodeLoadCode(load.LoadType) && Over(std::fabs(double(load.Value)), ForceLimit(m))) {
            c.code = kNodeLoadOverLimit;
            return;
        }
    }
}

void CheckSprings(const BeamModel& m, const SupportRecord& sup, Check& c) {
    if (sup.Condition != kSupportSpring) return;
    const double k = sup.SpringConstant;
    if (IsUnset(sup.SpringConstant)) {
        c.code = kNoSpringConstant;
    } else if (Over(k, ForceLimit(m))) {
        c.code = kSpringOverLimit;
    }
}

void CheckSupports(const BeamModel& m, Check& c) {
    const int nodes = UsedSpanCount(m) + 1;
    for (int s = 1; s <= nodes && c.code == kValidOk; ++s) {
        const SupportRecord& sup = m.Supports[s];
        CheckNodeLoads(m, sup, c);
        if (c.code == kValidOk) CheckSprings(m, sup, c);
        if (c.code != kValidOk) c.support = s;
    }
}

std::vector<std::string> ComposeMessage(const BeamModel& m, const Check& c) {
    std::vector<std::string> lines{ValidationText(c.code)};
    switch (KindOf(c.code)) {
        case MessageKind::Common:
            return lines;
        case MessageKind::Support:
            lines.insert(lines.end(),
                         {"", kIndent + "支点名 [" + m.Supports[c.support].Name.Str() + "]"});
            return lines;
        case MessageKind::Member:
            break;
    }
    lines.insert(lines.end(), {"", kIndent + "部材名 [" + m.Members[c.member].Name.Str() + "]"});
    if (c.code == kLoadBeyondSpan) lines.push_back(kIndent + "荷重 No. " + std::to_string(c.slot));
    return lines;
}

std::vector<std::string> UnitMessage(ValidationCode code, const char* field, std::int32_t value) {
    return {ValidationText(code), "",
            kIndent + field + " = " + std::to_string(value) +
                "：共通データのページで単位を選んでください。"};
}

}  // namespace

bool FailsStabilityCount(const BeamModel& model) {
    const int n = UsedSpanCount(model);
    int weight = 0;
    int interior = 0;
    for (int s = 1; s <= n + 1; ++s) {
        const int cond = model.Supports[s].Condition;
        switch (cond) {
            case kSupportFixed:
                weight += 3;
                break;
            case kSupportSimple:
            case kSupportSpring:
                weight += 2;
                break;
            default:
                break;
        }
        if (s > 1 && s < n + 1 && cond != kSupportHinge) ++interior;
    }
    return weight + n + interior - 2 * (n + 1) < 0;
}

std::string ValidationText(ValidationCode code) {
    switch (code) {
        case kNoSpanLength:
            return "スパン長が入力されていません。";
        case kNoIo:
            return "断面二次モーメントが入力されていません。";
        case kNoE:
            return "ヤング係数が入力されていません。";
        case kLoadBeyondSpan:
            return "長さ(距離)データがスパン長を超えています。";
        case kNoSpringConstant:
            return "バネ定数が入力されていません。";
        case kUnstable:
            return "支持設定に誤りがあります。 (不安定)";
        case kNoResult:
            return "計算結果が求まりません。入力データを確認してください。";
        case kUnknownInputUnit:
            return "入力単位 (InputUnit) が t でも kN でもないため、計算できません。";
        case kUnknownOutputUnit:
            return "出力単位 (OutputUnit) が t でも kN でもないため、計算できません。";
        case kSpanOverLimit:
            return "スパン長が制限値を超えています。";
        case kIoOverLimit:
            return "断面二次モーメントが制限値を超えています。";
        case kEOverLimit:
            return "ヤング係数が制限値を超えています。";
        case kSpringOverLimit:
            return "バネ定数が制限値を超えています。";
        case kBeamSizeOverLimit:
            return "梁サイズが制限値を超えています。";
        case kLoadValueOverLimit:
            return "荷重値が制限値を超えています。";
        case kLoadHeightOverLimit:
            return "荷重高さが制限値を超えています。";
        case kNodeLoadOverLimit:
            return "荷重値が制限値を超えています。";
        case kCommonIoOverLimit:
            return "断面二次モーメント(共通データ)が制限値を超えています。";
        case kCommonEOverLimit:
            return "ヤング係数(共通データ)が制限値を超えています。";
        case kCommonSpringOverLimit:
            return "バネ定数(共通データ)が制限値を超えています。";
        case kCommonBeamSizeOverLimit:
            return "梁サイズ(共通データ)が制限値を超えています。";
        case kCommonLoadOverLimit:
            return "荷重値(共通データ)が制限値を超えています。";
        case kCommonLoadHeightOverLimit:
            return "荷重高さ(共通データ)が制限値を超えています。";
        default:
            return std::string();
    }
}

ValidationResult ValidateModel(const BeamModel& model, ValidationMode mode) {
    Check c;
    if (FailsStabilityCount(model)) c.code = kUnstable;
    CheckCommonData(model, mode, c);
    if (mode != kValidateCommon) CheckMembers(model, mode, c);
    if (mode == kValidateCalculation) CheckSupports(model, c);
    // Last, and only for a model that passed everything else: the count above
    // lets mechanisms through, which the engine would answer with nonsense.
    if (mode == kValidateCalculation && c.code == kValidOk && IsMechanism(model)) {
        c.code = kUnstable;
    }
    ValidationResult r;
    r.code = c.code;
    if (c.commonLoadRed) r.field = ValidationField::CommonLoad;
    if (c.code != kValidOk) r.lines = ComposeMessage(model, c);
    return r;
}

ValidationResult CheckUnits(const BeamModel& model) {
    const ModelHeader& h = model.Header;
    ValidationResult r;
    if (h.InputUnit != kUnitTon && h.InputUnit != kUnitKiloNewton) {
        r.code = kUnknownInputUnit;
        r.field = ValidationField::InputUnit;
        r.lines = UnitMessage(r.code, "InputUnit", h.InputUnit);
    } else if (h.OutputUnit != kUnitTon && h.OutputUnit != kUnitKiloNewton) {
        r.code = kUnknownOutputUnit;
        r.field = ValidationField::OutputUnit;
        r.lines = UnitMessage(r.code, "OutputUnit", h.OutputUnit);
    }
    return r;
}

}  // namespace kmr
