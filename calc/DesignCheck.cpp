#include "calc/DesignCheck.h"

namespace kmr {

DesignData DesignInUse(const DesignData& data, int spanCount) {
    DesignData used;
    used.Method = data.Method;
    for (const MemberDesign& d : data.Members) {
        if (d.Member >= 1 && d.Member <= spanCount) used.Members.push_back(d);
    }
    return used;
}

BeamCheck CheckBeamDesign(const BeamModel& model, const CalculatedBeam& beam,
                          const DesignData& data) {
    BeamCheck check;
    const int spans = UsedSpanCount(model);
    try {
        check.Design = ResolveDesign(DesignInUse(data, spans), spans);
    } catch (const DesignError& e) {
        check.Problem = e.what();
        return check;
    }
    check.Result = CheckSections(CheckInputOf(model, beam), check.Design);
    check.Done = true;
    return check;
}

BeamCheck CheckBeamDesign(const BeamModel& model, const CalculatedBeam& beam) {
    switch (model.Design.State) {
        case DesignState::Present:
            return CheckBeamDesign(model, beam, model.Design.Data);
        case DesignState::Unreadable: {
            BeamCheck check;
            check.Problem = model.Design.Problem;
            return check;
        }
        case DesignState::None:
            break;
    }
    return {};
}

const ResolvedMember* FindResolved(const ResolvedDesign& design, int member) {
    for (const ResolvedMember& m : design.Members) {
        if (m.Member == member) return &m;
    }
    return nullptr;
}

}  // namespace kmr
