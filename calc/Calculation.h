// The calculation driver: turns a validated beam model into one analysis by
// kmrengine and keeps the member-end forces, mid-span moments, node
// displacements and support reactions in CalcResults.
//
// Everything runs in the model's input force unit (t or kN); the report
// converts to the output unit with UnitFactor.
#pragma once

#include <array>
#include <cstdint>
#include <functional>

#include "calc/Validation.h"
#include "model/Model.h"

namespace kmr {

// One member-load slot in the engine's description (arguments of VF_CMQGIR).
struct CalcLoad {
    std::int32_t LoadType = kLoadNone;
    double LoadStart = 0;
    double LoadLength = 0;
    double RiseLength = 0;
    double FlatLength = 0;
    double Factor = 0;  // startFactor = endFactor
    double Value = 0;
};

// Work record of one member.
struct MemberCalcRecord {
    double CalcLength = 0;  // m
    double CalcIo = 0;      // cm4
    double CalcE = 0;       // force per cm2
    std::array<CalcLoad, kLoadSlots> CalcLoads;
    // Sums over the member's loads (and the common load) of the VF_CMQGIR
    // outputs.
    double SumCLeft = 0;
    double SumCRight = 0;
    double SumM0 = 0;
    double SumQLeft = 0;
    double SumQRight = 0;
};

// Index = member number 1..10; index 0 is not used.
using CalcMembers = std::array<MemberCalcRecord, kMaxSpans + 1>;

struct MemberResult {
    double MLeft = 0;    // end moments, clockwise positive (force x m)
    double MCenter = 0;  // mid-span moment, sagging positive
    double MRight = 0;
    double QLeft = 0;  // end shears, beam convention (force)
    double QRight = 0;
};

struct NodeResult {
    double Deflection = 0;  // cm, downward positive
    double Rotation = 0;    // rad, clockwise positive
    double Reaction = 0;    // force, upward positive
};

// Overwritten by each calculation; members and nodes beyond the span count
// keep what an earlier calculation left.
struct CalcResults {
    std::array<MemberResult, kMaxSpans + 1> MemberResults;  // 1..10
    std::array<NodeResult, kMaxSupports + 1> NodeResults;   // 1..11
};

// A concentrated member load standing within 1e-6 m of a member end: the
// node it stands on (m or m + 1 for member m), or 0.
int ConcentratedLoadNode(const MemberLoad& load, double spanLength, int member);

// The members' lengths, sections and load slots in the engine's terms.
void PrepareMemberLoads(const BeamModel& model, CalcMembers& members);
// VF_CMQGIR per loaded slot and for the common load, summed per member.
void ComputeFixedEndForces(const BeamModel& model, CalcMembers& members);
// The engine's argument arrays (supports, members with their fixed-end
// forces, node loads including concentrated loads standing on a support),
// one VF_RenzokuGir call, and StoreResults. The engine arrays live only
// during this call.
void AnalyseGirder(const BeamModel& model, const CalcMembers& members, CalcResults& results);

// The whole driver: PrepareMemberLoads, ComputeFixedEndForces, AnalyseGirder.
// Checks nothing: the model must have passed ValidateModel in mode 0.
void RunCalculation(const BeamModel& model, CalcMembers& members, CalcResults& results);
void RunCalculation(const BeamModel& model, CalcResults& results);

// The calculation command without its window: validation mode 3, the common
// values into unset members (FillUnsetMembers), validation mode 0, then
// RunCalculation. afterFill runs right after FillUnsetMembers (the window
// refreshes its controls, gathers the shown load slots and redraws there).
// An analysis that gives any result that is not a finite number is refused
// with kNoResult. On a refusal the results are left untouched and the
// returned code is not 0.
ValidationResult CalculateModel(BeamModel& model, CalcResults& results,
                                const std::function<void()>& afterFill = {});

}  // namespace kmr
