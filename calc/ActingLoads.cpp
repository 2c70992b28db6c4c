#include "calc/ActingLoads.h"

#include <cmath>

#include "calc/EngineCodes.h"

namespace kmr {

bool MemberLoadActs(std::int32_t type, double value) {
    return EngineLoadType(type) != kEngineNoLoad && std::fabs(float(value)) > 0;
}

bool NodeLoadActs(std::int32_t type, double value) {
    return IsNodeLoadCode(type) && std::fabs(float(value)) > 0;
}

bool CommonLoadActs(const ModelHeader& header) {
    return header.CommonLoadOff == 0;
}

std::int32_t CalculatedSupportCondition(std::int32_t condition) {
    return IsSupportConditionCode(condition) ? condition : kSupportFree;
}

ActingLoads DecodeLoads(const BeamModel& model) {
    ActingLoads loads;
    const int n = UsedSpanCount(model);
    CalcMembers members;
    PrepareMemberLoads(model, members);
    for (int m = 1; m <= n; ++m) {
        const MemberRecord& member = model.Members[m];
        for (int j = 0; j < kLoadSlots; ++j) {
            const MemberLoad& slot = member.Loads[j];
            if (!MemberLoadActs(slot.LoadType, slot.Value)) continue;
            loads.members[m].push_back(
                {j, members[m].CalcLoads[j], ConcentratedLoadNode(slot, member.SpanLength, m)});
        }
    }
    for (int s = 1; s <= n + 1; ++s) {
        for (int j = 0; j < kLoadSlots; ++j) {
            const NodeLoad& slot = model.Supports[s].NodeLoads[j];
            if (NodeLoadActs(slot.LoadType, slot.Value)) {
                loads.nodes[s].push_back({j, slot.LoadType, slot.Value});
            }
        }
    }
    loads.commonLoad = CommonLoadActs(model.Header);
    return loads;
}

}  // namespace kmr
