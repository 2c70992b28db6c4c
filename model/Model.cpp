// Whole-model operations: clearing, defaults, names and the completion of
// unset member values from the common data.
#include "model/Model.h"

#include <algorithm>

namespace kmr {
namespace {

void ClearMember(MemberRecord& m) {
    m.Name.Assign("");
    for (Extended* v : {&m.SpanLength, &m.Io, &m.Reserved1, &m.Reserved2, &m.E, &m.B, &m.D}) {
        *v = 0.0;
    }
    for (MemberLoad& load : m.Loads) {
        load.LoadType = kLoadNone;
        for (Extended* v :
             {&load.Distance, &load.Length1, &load.Length2, &load.Height, &load.Value}) {
            *v = 0.0;
        }
    }
}

void ClearSupport(SupportRecord& s) {
    s.Name.Assign("");
    s.SpringConstant = 0.0;
    for (NodeLoad& load : s.NodeLoads) load.Value = 0.0;
}

// Span count clamped to what the arrays hold.
int UsableSpanCount(const ModelHeader& h) {
    if (h.SpanCount < 1) return 0;
    return h.SpanCount > kMaxSpans ? kMaxSpans : h.SpanCount;
}

void FillMemberIo(const ModelHeader& h, MemberRecord& m) {
    if (!IsUnset(m.Io)) return;
    if (h.IoInputMode == 0) {
        m.Io = h.CommonIo;
    } else if (h.IoInputMode == 1) {
        m.Io = h.CommonIoBD;
        m.B = h.CommonB;
        m.D = h.CommonD;
    }
}

MemberRecord ZeroMember() {
    MemberRecord m;
    for (MemberLoad& load : m.Loads) load.LoadType = 0;
    return m;
}

SupportRecord ZeroSupport() {
    SupportRecord s;
    s.Condition = 0;
    for (NodeLoad& load : s.NodeLoads) load.LoadType = 0;
    return s;
}

}  // namespace

const char* SupportConditionWord(std::int32_t condition) {
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
            return "";
    }
}

int UsedSpanCount(const BeamModel& model) {
    return std::clamp(int(model.Header.SpanCount), 1, kMaxSpans);
}

void ClearModel(BeamModel& model) {
    ModelHeader& h = model.Header;
    for (Extended* v : {&h.CommonLoad, &h.CommonLoadHeight, &h.CommonE, &h.CommonIo, &h.CommonIoBD,
                        &h.CommonB, &h.CommonD, &h.CommonSpring}) {
        *v = 0.0;
    }
    h.CommonLoadOff = 0;
    for (int m = 1; m <= kMaxSpans; ++m) ClearMember(model.Members[m]);
    for (int s = 1; s <= kMaxSupports; ++s) ClearSupport(model.Supports[s]);
    model.Design = {};
}

void SetNewModelDefaults(BeamModel& model) {
    for (int m = 1; m <= kMaxSpans; ++m) {
        for (MemberLoad& load : model.Members[m].Loads) load.LoadType = kLoadNone;
    }
    NameMembersAndSupports(model);
    for (int s = 1; s <= kMaxSupports; ++s) {
        SupportRecord& support = model.Supports[s];
        support.Condition = kSupportSimple;
        for (NodeLoad& load : support.NodeLoads) load.LoadType = kNodeNone;
    }
    model.Header.InputUnit = model.Header.DefaultInputUnit;
    model.Header.OutputUnit = model.Header.DefaultOutputUnit;
}

void NameMembersAndSupports(BeamModel& model) {
    for (int m = 1; m <= kMaxSpans; ++m) model.Members[m].Name.Assign(std::to_string(m));
    for (int s = 1; s <= kMaxSupports; ++s) {
        model.Supports[s].Name.Assign(std::string(1, SupportLetter(s)));
    }
}

void FillUnsetMembers(BeamModel& model) {
    const ModelHeader& h = model.Header;
    const int spans = UsableSpanCount(h);
    for (int m = 1; m <= spans; ++m) {
        MemberRecord& member = model.Members[m];
        FillMemberIo(h, member);
        if (IsUnset(member.E)) member.E = h.CommonE;
    }
    for (int s = 1; s <= (spans == 0 ? 0 : spans + 1); ++s) {
        SupportRecord& support = model.Supports[s];
        if (support.Condition == kSupportSpring && IsUnset(support.SpringConstant)) {
            support.SpringConstant = h.CommonSpring;
        }
    }
}

void InitProgramModel(BeamModel& model, const std::string& versionText) {
    // The unused records 0 start as all-zero bytes, as they are in files.
    model.Members[0] = ZeroMember();
    model.Supports[0] = ZeroSupport();
    ModelHeader& h = model.Header;
    h.ProductId.Assign("PLOV-Kmr");
    h.ProgramVersion.Assign(versionText);
    h.MaxSpans = kMaxSpans;
    h.SpanCount = 2;
    ClearModel(model);
    SetNewModelDefaults(model);
}

}  // namespace kmr
