// The girder analysis of the driver: the engine argument arrays, the one
// VF_RenzokuGir call and the results taken from it.
#include <cmath>
#include <cstdint>
#include <vector>

#include "calc/ActingLoads.h"
#include "calc/Calculation.h"
#include "calc/EngineCodes.h"

namespace kmr {
namespace {

// Every argument of VF_RenzokuGir, built afresh per calculation. Each list has
// room for at least one element even when its count is 0. The vectors release
// themselves on every path out of AnalyseGirder.
struct GirderArgs {
    std::int32_t nodes = 0, members = 0, dofs = 0;
    std::vector<float> memberE, memberLength, memberStiffness, memberI;
    std::vector<std::int32_t> supportCode, hingeNode, springNode, loadNode;
    std::vector<float> springConstant, loadForce, loadMoment, hingeMoment, hingeRotation;
    std::vector<double> stiffnessMatrix, displacement;
    std::vector<float> endMoment, endShear;  // M x 2, column by column
    std::vector<float> reaction;
};

template <typename T>
std::vector<T> AtLeastOne(std::vector<T> v) {
    if (v.empty()) v.push_back(T());
    return v;
}

void AddNodeLoad(GirderArgs& a, int node, float force, float moment) {
    a.loadNode.push_back(node);
    a.loadForce.push_back(force);
    a.loadMoment.push_back(moment);
}

// Supports first: codes, node loads (slots in order), springs and hinges.
void FillSupports(const BeamModel& model, GirderArgs& a) {
    for (int s = 1; s <= a.nodes; ++s) {
        const SupportRecord& sup = model.Supports[s];
        // A hinge on the last node releases the end of the last member and
        // leaves the node's rotation attached to nothing; the engine's
        // elimination does not survive that empty row. A free end is the same
        // beam (no member end moment there, no reaction), so it goes over as
        // one. The validation refuses a node moment on such a hinge.
        const bool tipHinge = sup.Condition == kSupportHinge && s == a.nodes;
        a.supportCode.push_back(EngineSupportCode(tipHinge ? kSupportFree : sup.Condition));
        for (const NodeLoad& load : sup.NodeLoads) {
            if (!NodeLoadActs(load.LoadType, load.Value)) continue;
            const float value = float(double(load.Value));
            if (load.LoadType == kNodeForce) AddNodeLoad(a, s, -value, 0.0f);
            if (load.LoadType == kNodeMoment) AddNodeLoad(a, s, 0.0f, value);
        }
        if (sup.Condition == kSupportSpring) {
            a.springNode.push_back(s);
            a.springConstant.push_back(float(double(sup.SpringConstant)));
        }
        if (sup.Condition == kSupportHinge && !tipHinge) a.hingeNode.push_back(s);
    }
}

// Then members: lengths, concentrated loads standing on a node, sections and
// the summed fixed-end moments and end shears.
void FillMembers(const BeamModel& model, const CalcMembers& members, GirderArgs& a) {
    const int count = a.members;
    a.endMoment.assign(2 * count, 0.0f);
    a.endShear.assign(2 * count, 0.0f);
    for (int m = 1; m <= count; ++m) {
        const MemberCalcRecord& rec = members[m];
        const float length = float(rec.CalcLength);
        a.memberLength.push_back(length);
        for (const MemberLoad& load : model.Members[m].Loads) {
            const int node = ConcentratedLoadNode(load, rec.CalcLength, m);
            if (node != 0) AddNodeLoad(a, node, -float(double(load.Value)), 0.0f);
        }
        const float e = float(1e4 * rec.CalcE);
        const float i = float(rec.CalcIo / 1e8);
        a.memberE.push_back(e);
        a.memberI.push_back(i);
        a.memberStiffness.push_back(float(double(e) * double(i) / double(length)));
        a.endMoment[m - 1] = float(rec.SumCLeft);
        a.endMoment[count + m - 1] = float(rec.SumCRight);
        a.endShear[m - 1] = float(rec.SumQLeft);
        a.endShear[count + m - 1] = float(rec.SumQRight);
    }
}

GirderArgs BuildEngineArrays(const BeamModel& model, const CalcMembers& members) {
    GirderArgs a;
    a.members = UsedSpanCount(model);
    a.nodes = a.members + 1;
    a.dofs = 2 * a.nodes;
    FillSupports(model, a);
    FillMembers(model, members, a);
    a.hingeMoment.assign(a.hingeNode.size(), 0.0f);
    a.hingeRotation.assign(a.hingeNode.size(), 0.0f);
    a.stiffnessMatrix.assign(std::size_t(a.dofs) * std::size_t(a.dofs), 0.0);
    a.displacement.assign(a.dofs, 0.0);
    a.reaction.assign(a.nodes, 0.0f);
    return a;
}

void CallEngine(GirderArgs& a) {
    const auto nh = std::int32_t(a.hingeNode.size());
    const auto ns = std::int32_t(a.springNode.size());
    const auto np = std::int32_t(a.loadNode.size());
    a.hingeNode = AtLeastOne(std::move(a.hingeNode));
    a.hingeMoment = AtLeastOne(std::move(a.hingeMoment));
    a.hingeRotation = AtLeastOne(std::move(a.hingeRotation));
    a.springNode = AtLeastOne(std::move(a.springNode));
    a.springConstant = AtLeastOne(std::move(a.springConstant));
    a.loadNode = AtLeastOne(std::move(a.loadNode));
    a.loadForce = AtLeastOne(std::move(a.loadForce));
    a.loadMoment = AtLeastOne(std::move(a.loadMoment));
    VF_RenzokuGir(a.nodes, a.members, a.dofs, nh, ns, np, a.memberE.data(), a.memberLength.data(),
                  a.hingeNode.data(), a.memberStiffness.data(), a.memberI.data(),
                  a.supportCode.data(), a.springNode.data(), a.springConstant.data(),
                  a.loadNode.data(), a.loadForce.data(), a.loadMoment.data(), a.hingeMoment.data(),
                  a.stiffnessMatrix.data(), a.hingeRotation.data(), a.endMoment.data(),
                  a.endShear.data(), a.displacement.data(), a.reaction.data());
}

void StoreResults(const CalcMembers& members, const GirderArgs& a, CalcResults& results) {
    const int count = a.members;
    for (int m = 1; m <= count; ++m) {
        const double left = a.endMoment[m - 1];
        const double right = a.endMoment[count + m - 1];
        MemberResult& r = results.MemberResults[m];
        r.MLeft = left;
        r.MRight = right;
        r.MCenter = members[m].SumM0 - (right - left) / 2;
        r.QLeft = a.endShear[m - 1];
        r.QRight = -double(a.endShear[count + m - 1]);
    }
    for (int i = 1; i <= a.nodes; ++i) {
        const double v = a.displacement[a.nodes + i - 1];
        NodeResult& r = results.NodeResults[i];
        // Written so that a displacement that is not a number stays one: the
        // calculation command refuses it instead of printing a zero.
        r.Deflection = std::fabs(v) <= double(kEpsilon) ? 0.0 : -100.0 * v;
        r.Rotation = a.displacement[i - 1];
        r.Reaction = a.reaction[i - 1];
    }
}

}  // namespace

void AnalyseGirder(const BeamModel& model, const CalcMembers& members, CalcResults& results) {
    GirderArgs args = BuildEngineArrays(model, members);
    CallEngine(args);
    StoreResults(members, args, results);
}

}  // namespace kmr
