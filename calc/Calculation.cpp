#include "calc/Calculation.h"

#include <cmath>

#include "calc/ActingLoads.h"
#include "calc/EngineCodes.h"

namespace kmr {
namespace {

void PrepareLoad(const MemberLoad& slot, CalcLoad& load) {
    load = CalcLoad();
    load.LoadType = slot.LoadType;
    if (!IsMemberLoadCode(slot.LoadType)) return;
    const double l1 = slot.Length1;
    load.LoadStart = slot.Distance;
    load.LoadLength = slot.LoadType == kLoadTrapezoid ? 2 * l1 + double(slot.Length2) : l1;
    load.RiseLength = l1;
    load.FlatLength = 0;
    load.Factor = slot.Height;
    load.Value = slot.Value;
    switch (slot.LoadType) {
        case kLoadConcentrated:
            load.LoadLength = 0;
            load.RiseLength = 0;
            load.Factor = 0;
            break;
        case kLoadLeftRising:
            load.RiseLength = 0;
            break;
        case kLoadUniform:
            load.RiseLength = 0;
            load.FlatLength = l1;
            break;
        case kLoadTrapezoid:
            load.FlatLength = slot.Length2;
            break;
        case kLoadTriangle:
            load.RiseLength = l1 / 2;
            break;
        default:
            break;  // rising triangle as it is
    }
}

struct CmqSums {
    double cLeft = 0, cRight = 0, m0 = 0, qLeft = 0, qRight = 0;
};

void AddCmq(CmqSums& sums, float span, float start, float length, float rise, float flat,
            float value, float factor, std::int32_t type) {
    float cl = 0, cr = 0, m0 = 0, ql = 0, qr = 0, defl = 0, extra = 0;
    VF_CMQGIR(0, span, start, length, rise, flat, value, factor, factor, type, 0.0f, span / 2, &cl,
              &cr, &m0, &ql, &qr, &defl, &extra);
    sums.cLeft += cl;
    sums.cRight += cr;
    sums.m0 += m0;
    sums.qLeft += ql;
    sums.qRight += qr;
}

CmqSums MemberSums(const BeamModel& model, const MemberCalcRecord& rec, const MemberRecord& mem,
                   int m) {
    CmqSums sums;
    const float span = float(rec.CalcLength);
    for (int j = 0; j < kLoadSlots; ++j) {
        const CalcLoad& load = rec.CalcLoads[j];
        if (!MemberLoadActs(load.LoadType, load.Value)) continue;
        // A concentrated load on a member end is a node load of the girder.
        if (ConcentratedLoadNode(mem.Loads[j], rec.CalcLength, m) != 0) continue;
        AddCmq(sums, span, float(load.LoadStart), float(load.LoadLength), float(load.RiseLength),
               float(load.FlatLength), float(load.Value), float(load.Factor),
               EngineLoadType(load.LoadType));
    }
    const ModelHeader& h = model.Header;
    if (CommonLoadActs(h)) {
        AddCmq(sums, span, 0.0f, span, 0.0f, span, float(double(h.CommonLoad)),
               float(double(h.CommonLoadHeight)), EngineLoadType(kLoadUniform));
    }
    return sums;
}

bool ResultsFinite(const CalcResults& results, int n) {
    for (int m = 1; m <= n; ++m) {
        const MemberResult& r = results.MemberResults[m];
        for (double v : {r.MLeft, r.MCenter, r.MRight, r.QLeft, r.QRight}) {
            if (!std::isfinite(v)) return false;
        }
    }
    for (int i = 1; i <= n + 1; ++i) {
        const NodeResult& r = results.NodeResults[i];
        for (double v : {r.Deflection, r.Rotation, r.Reaction}) {
            if (!std::isfinite(v)) return false;
        }
    }
    return true;
}

}  // namespace

int ConcentratedLoadNode(const MemberLoad& load, double spanLength, int member) {
    if (load.LoadType != kLoadConcentrated) return 0;
    const float distance = float(double(load.Distance));
    if (distance < kEpsilon) return member;
    if (std::fabs(distance - float(spanLength)) < kEpsilon) return member + 1;
    return 0;
}

void PrepareMemberLoads(const BeamModel& model, CalcMembers& members) {
    const int n = UsedSpanCount(model);
    for (int m = 1; m <= n; ++m) {
        const MemberRecord& mem = model.Members[m];
        MemberCalcRecord& rec = members[m];
        rec.CalcLength = mem.SpanLength;
        rec.CalcIo = mem.Io;
        rec.CalcE = mem.E;
        for (int j = 0; j < kLoadSlots; ++j) PrepareLoad(mem.Loads[j], rec.CalcLoads[j]);
    }
}

void ComputeFixedEndForces(const BeamModel& model, CalcMembers& members) {
    const int n = UsedSpanCount(model);
    for (int m = 1; m <= n; ++m) {
        MemberCalcRecord& rec = members[m];
        const CmqSums sums = MemberSums(model, rec, model.Members[m], m);
        rec.SumCLeft = sums.cLeft;
        rec.SumCRight = sums.cRight;
        rec.SumM0 = sums.m0;
        rec.SumQLeft = sums.qLeft;
        rec.SumQRight = sums.qRight;
    }
}

void RunCalculation(const BeamModel& model, CalcMembers& members, CalcResults& results) {
    PrepareMemberLoads(model, members);
    ComputeFixedEndForces(model, members);
    AnalyseGirder(model, members, results);
}

void RunCalculation(const BeamModel& model, CalcResults& results) {
    CalcMembers members;
    RunCalculation(model, members, results);
}

ValidationResult CalculateModel(BeamModel& model, CalcResults& results,
                                const std::function<void()>& afterFill) {
    ValidationResult check = CheckUnits(model);
    if (!check.Passed()) return check;
    check = ValidateModel(model, kValidateCommon);
    if (!check.Passed()) return check;
    FillUnsetMembers(model);
    if (afterFill) afterFill();
    check = ValidateModel(model, kValidateCalculation);
    if (!check.Passed()) return check;
    // The limits keep every input finite, yet an ill-conditioned beam can
    // still overflow the analysis: such results are refused, never shown.
    CalcResults next = results;
    RunCalculation(model, next);
    if (!ResultsFinite(next, UsedSpanCount(model))) {
        check.code = kNoResult;
        check.lines = {ValidationText(kNoResult)};
        return check;
    }
    results = next;
    return check;
}

}  // namespace kmr
