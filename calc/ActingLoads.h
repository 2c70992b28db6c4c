// The loads that act on a beam, decided in one place: every layer that
// calculates, draws or prints a load asks these rules and never decides
// again.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "calc/Calculation.h"
#include "model/Model.h"

namespace kmr {

// One member-load slot that acts, in the engine's description (input unit).
struct ActingMemberLoad {
    int slot = 0;      // 0-based slot of the member
    CalcLoad shape;    // LoadType is the model's code of the slot
    int standsOn = 0;  // a concentrated load on a member end: that node, else 0
};

// One node-load slot that acts (input unit).
struct ActingNodeLoad {
    int slot = 0;  // 0-based
    std::int32_t type = kNodeNone;
    double value = 0;
};

// The loads of members and supports 1..span count (+ 1) that act.
struct ActingLoads {
    std::array<std::vector<ActingMemberLoad>, kMaxSpans + 1> members;  // index = member
    std::array<std::vector<ActingNodeLoad>, kMaxSupports + 1> nodes;   // index = support
    bool commonLoad = false;  // the common load acts on every member
};

// The rules, each in one place: a member or node load acts when its code is
// in its table and its value is not zero in single precision (what the
// engine is given); the common load acts only when CommonLoadOff is 0.
bool MemberLoadActs(std::int32_t type, double value);
bool NodeLoadActs(std::int32_t type, double value);
bool CommonLoadActs(const ModelHeader& header);

// The loads that act on the model as it is (before or without a calculation:
// the load diagrams of the window draw from this).
ActingLoads DecodeLoads(const BeamModel& model);

// The support condition the calculation uses for a stored code: a code
// outside the table is a free end.
std::int32_t CalculatedSupportCondition(std::int32_t condition);

}  // namespace kmr
