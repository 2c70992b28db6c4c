// The results section of the report: the page header and the load-data
// diagram at the top of page 1, the heading "●応力算定結果" and the members
// in groups of three, each group a member table, a moment and shear table,
// a support table and the support-condition row on one grid of columns.
#pragma once

#include "calc/CalculatedBeam.h"
#include "model/Model.h"
#include "report/PageHeader.h"

namespace kmr {

// Room a group of three members asks of the page-fit test (cm).
constexpr float kResultGroupNeed = 13 * 0.5f + 0.2f;

// The tables of the members first..first+2 (those beyond the span count
// stay empty) at state.cursor; the cursor ends below the condition row plus
// 0.25 cm. No page-fit test.
void DrawResultGroup(TplPrev& doc, const BeamModel& model, const CalculatedBeam& beam, int first,
                     ReportState& state);

// The whole section from state.cursor on the current page: page header,
// diagram, heading, then every group after its page-fit test.
void DrawResultsSection(TplPrev& doc, const BeamModel& model, const CalculatedBeam& beam,
                        ReportState& state);

}  // namespace kmr
