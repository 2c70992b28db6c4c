// The section check of a calculated beam against design data, as the
// report and the window run it: the members in use only, the refusals as
// Japanese text instead of exceptions.
#pragma once

#include <string>

#include "calc/CalculatedBeam.h"
#include "calc/SectionCheck.h"
#include "model/Model.h"

namespace kmr {

struct BeamCheck {
    bool Done = false;    // the check ran: Design and Result hold it
    std::string Problem;  // why it did not, in Japanese; empty: no design data
    ResolvedDesign Design;
    CheckResult Result;
};

// The design data of the members 1..UsedSpanCount(model); members beyond
// the span count carry no load and are left out, as their loads are.
DesignData DesignInUse(const DesignData& data, int spanCount);

// The check of data against the calculated beam of the model.
BeamCheck CheckBeamDesign(const BeamModel& model, const CalculatedBeam& beam,
                          const DesignData& data);
// The check of the model's own design data: not Done without a problem when
// it has none, not Done with the block's problem when it is unreadable.
BeamCheck CheckBeamDesign(const BeamModel& model, const CalculatedBeam& beam);

// The resolved member of a check result, or nullptr.
const ResolvedMember* FindResolved(const ResolvedDesign& design, int member);

}  // namespace kmr
