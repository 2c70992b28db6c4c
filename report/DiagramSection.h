// The report's diagram section "●応力図": after the result tables, the
// moment, shear and deflection diagrams of the members in groups of three,
// the table "●スパン内最大値" of every member's extremes and the line of
// sign conventions, each block after its page-fit test.
#pragma once

#include "calc/CalculatedBeam.h"
#include "model/Model.h"
#include "report/PageHeader.h"
#include "report/StressDiagram.h"

namespace kmr {

// The frame of one group of diagrams on the report page, its top at y.
StressDiagramFrame ReportDiagramFrame(const DrawGeometry& g, float y);

// The rows of the extremes table: the header and one row per member, in the
// output unit (member name, largest and smallest moment with their
// positions, the shear of largest magnitude, the largest deflection and its
// position).
std::vector<std::vector<QString>> ExtremesRows(const BeamModel& model, const CalculatedBeam& beam);

// The section from state.cursor on: the diagrams need the results of the
// model as it is.
void DrawDiagramSection(TplPrev& doc, const BeamModel& model, const CalculatedBeam& beam,
                        ReportState& state);

}  // namespace kmr
