#include "calc/CalculatedBeam.h"

#include "calc/Units.h"

namespace kmr {
namespace {

// The forces of the results in the output unit; deflections and rotations
// have no force unit.
void ConvertResults(CalcResults& results, int spanCount, double factor) {
    for (int m = 1; m <= spanCount; ++m) {
        MemberResult& r = results.MemberResults[m];
        for (double* v : {&r.MLeft, &r.MCenter, &r.MRight, &r.QLeft, &r.QRight}) *v *= factor;
    }
    for (int s = 1; s <= spanCount + 1; ++s) results.NodeResults[s].Reaction *= factor;
}

}  // namespace

double CalculatedBeam::MemberLength(int member) const {
    return MemberDiagramOf(member).Length();
}

const MemberDiagram& CalculatedBeam::MemberDiagramOf(int member) const {
    return diagram_.Members[std::size_t(member - 1)];
}

const MemberExtremes& CalculatedBeam::Extremes(int member) const {
    return extremes_[std::size_t(member - 1)];
}

CalculatedBeam BeamFromResults(const BeamModel& model, const CalcResults& inputResults) {
    CalculatedBeam beam;
    CalcResults results = inputResults;
    const ModelHeader& h = model.Header;
    beam.input_ = ForceUnit(h.InputUnit);
    beam.output_ = ForceUnit(h.OutputUnit);
    beam.factor_ = UnitFactor(h.InputUnit, h.OutputUnit);
    beam.loads_ = DecodeLoads(model);
    beam.spanCount_ = UsedSpanCount(model);
    beam.diagram_ = BuildBeamDiagram(model, results);
    for (const MemberDiagram& member : beam.diagram_.Members) {
        beam.extremes_.push_back(member.Extremes());
    }
    beam.equilibrium_ = CheckEquilibrium(model, results);
    ConvertResults(results, beam.spanCount_, beam.factor_);
    beam.results_ = results;
    return beam;
}

CalculatedBeam CalculateBeam(BeamModel& model, const std::function<void()>& afterFill) {
    CalcResults results;
    const ValidationResult check = CalculateModel(model, results, afterFill);
    if (!check.Passed()) {
        CalculatedBeam refused;
        refused.refusal_ = check;
        return refused;
    }
    return BeamFromResults(model, results);
}

}  // namespace kmr
