// Conversion of the version-1 blocks into the model. ε is the single 1e-6;
// every single widens exactly, so its comparisons are made on the singles.
#include <cmath>

#include "model/DataFile.h"

namespace kmr {
namespace {

// Member-load type codes of version 1.
enum OldLoadType : std::int32_t {
    kOldConcentrated = 0,
    kOldUniform = 1,
    kOldTriangle = 2,
    kOldTrapezoid = 3,
};

// The support condition "none" of version 1; it is kept as a code outside
// the table (6), which holds nothing.
constexpr std::int32_t kOldNoCondition = -1;
constexpr std::int32_t kKeptNoCondition = 6;

std::int32_t NewLoadType(std::int32_t oldType) {
    switch (oldType) {
        case kOldConcentrated:
            return kLoadConcentrated;
        case kOldUniform:
            return kLoadUniform;
        case kOldTriangle:
            return kLoadTriangle;
        case kOldTrapezoid:
            return kLoadTrapezoid;
        default:
            return kLoadNone;  // no entry in the old table: no load
    }
}

void ConvertHeader(const OldHeader& old, const OldUnits& units, ModelHeader& h) {
    h.MaxSpans = old.SpanCapacity;
    h.SpanCount = old.SpanCount;
    h.CommonLoad = old.CommonLoad;
    h.CommonLoadHeight = old.CommonLoadHeight;
    h.CommonE = old.CommonE;
    h.IoInputMode = old.IoInputMode;
    h.CommonIo = old.CommonIo;
    h.CommonIoBD = old.CommonIoBD;
    h.CommonB = old.CommonB;
    h.CommonD = old.CommonD;
    h.CommonSpring = old.CommonSpring;
    h.InputUnit = units.InputUnit;
    h.OutputUnit = units.OutputUnit;
}

void ConvertLoad(const OldMemberLoad& old, float spanLength, MemberLoad& load) {
    const bool concentrated = old.LoadType == kOldConcentrated;
    load.Distance = concentrated ? old.Value1 : 0.0f;
    load.Length1 = concentrated ? 0.0f : spanLength;
    load.Height = concentrated ? 0.0f : old.Value1;
    load.Length2 = 0.0;
    load.Value = old.Value2;
    load.LoadType = std::fabs(old.Value2) > kEpsilon ? NewLoadType(old.LoadType) : kLoadNone;
}

void ConvertMember(const OldMemberRecord& old, const OldHeader& oh, MemberRecord& m) {
    m.SpanLength = old.SpanLength;
    m.Io = old.Io;
    m.Reserved1 = old.Third;
    m.Reserved2 = old.Fourth;
    m.E = old.E;
    m.B = old.B;
    m.D = old.D;
    if (old.Io < kEpsilon) {
        if (oh.IoInputMode == 0 && oh.CommonIo > kEpsilon) m.Io = oh.CommonIo;
        if (oh.IoInputMode == 1 && oh.CommonIoBD > kEpsilon) m.Io = oh.CommonIoBD;
    }
    if (old.E < kEpsilon && oh.CommonE > kEpsilon) m.E = oh.CommonE;
    for (int j = 0; j < kLoadSlots; ++j) ConvertLoad(old.Loads[j], old.SpanLength, m.Loads[j]);
}

void ConvertSupport(const OldSupportRecord& old, const OldHeader& oh, SupportRecord& s) {
    for (int j = 0; j < kLoadSlots; ++j) {
        NodeLoad& load = s.NodeLoads[j];
        const bool carried = j < static_cast<int>(old.NodeLoads.size());
        load.LoadType = carried ? old.NodeLoads[j].LoadType : kNodeNone;
        load.Value = carried ? old.NodeLoads[j].Value : 0.0f;
        if (carried && std::fabs(old.NodeLoads[j].Value) < kEpsilon) load.LoadType = kNodeNone;
    }
    s.SpringConstant = old.SpringConstant;
    if (old.SpringConstant < kEpsilon && oh.CommonSpring > kEpsilon)
        s.SpringConstant = oh.CommonSpring;
    s.Condition = old.Condition == kOldNoCondition ? kKeptNoCondition : old.Condition;
}

}  // namespace

void ConvertVersion1(const Version1Blocks& old, BeamModel& model) {
    ConvertHeader(old.Header, old.Units, model.Header);
    for (int m = 1; m <= kMaxSpans; ++m) {
        ConvertMember(old.Members[m - 1], old.Header, model.Members[m]);
    }
    for (int s = 1; s <= kMaxSupports; ++s) {
        ConvertSupport(old.Supports[s - 1], old.Header, model.Supports[s]);
    }
}

}  // namespace kmr
