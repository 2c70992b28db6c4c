// One calculated beam: what every reader of a calculation (the report, the
// window's pages, the command line) takes from calc.
//
// It holds the loads that act, decoded once from the model; the refusal, if
// the beam could not be calculated; and otherwise the specified results, the
// diagrams along the members with their extremes and the equilibrium of the
// whole beam, all in the output unit. Readers never decide again whether a
// load acts, and never convert a force themselves: a stored input value
// (a load, E, a spring constant) goes through InOutputUnit.
#pragma once

#include <functional>
#include <vector>

#include "calc/ActingLoads.h"
#include "calc/BeamDiagram.h"
#include "calc/Calculation.h"
#include "calc/Validation.h"
#include "model/Model.h"

namespace kmr {

class CalculatedBeam {
  public:
    bool Passed() const { return refusal_.Passed(); }
    // The code, the message lines and the field of a refusal (code 0 when
    // passed).
    const ValidationResult& Refusal() const { return refusal_; }

    ForceUnit InputUnit() const { return input_; }
    ForceUnit OutputUnit() const { return output_; }
    // A force stored in the input unit (load, E, spring constant) in the
    // output unit.
    double InOutputUnit(double inputValue) const { return inputValue * factor_; }

    const ActingLoads& Loads() const { return loads_; }

    // Members 1..SpanCount, supports 1..SpanCount + 1; after a refusal 0.
    int SpanCount() const { return spanCount_; }
    double MemberLength(int member) const;
    // Forces in the output unit; deflections in cm, rotations in rad.
    const MemberResult& Member(int member) const { return results_.MemberResults[member]; }
    const NodeResult& Node(int support) const { return results_.NodeResults[support]; }
    const CalcResults& Results() const { return results_; }
    const BeamDiagram& Diagram() const { return diagram_; }
    const MemberDiagram& MemberDiagramOf(int member) const;
    const MemberExtremes& Extremes(int member) const;
    const Equilibrium& BeamEquilibrium() const { return equilibrium_; }

  private:
    friend CalculatedBeam BeamFromResults(const BeamModel&, const CalcResults&);
    friend CalculatedBeam CalculateBeam(BeamModel&, const std::function<void()>&);
    ValidationResult refusal_;
    ForceUnit input_ = kUnitTon;
    ForceUnit output_ = kUnitTon;
    double factor_ = 1.0;
    ActingLoads loads_;
    int spanCount_ = 0;
    CalcResults results_;
    BeamDiagram diagram_;
    std::vector<MemberExtremes> extremes_;  // index 0 = member 1
    Equilibrium equilibrium_;
};

// The beam of a model whose results (input unit) were calculated from it as
// it is, or made up for a test of a reader; nothing is checked.
CalculatedBeam BeamFromResults(const BeamModel& model, const CalcResults& results);

// The calculation command's steps (CalculateModel) on the model, which takes
// the common values into its unset members; a model whose unit fields hold
// neither t nor kN is refused first. afterFill as for CalculateModel.
CalculatedBeam CalculateBeam(BeamModel& model, const std::function<void()>& afterFill = {});

}  // namespace kmr
