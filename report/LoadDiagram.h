// The load-data diagram of the report (heading "●荷重データ"): a schematic
// of the beam with its members, span lengths, supports, member loads and node
// loads. Every span takes the same width; loads are placed in proportion
// inside it and their symbol heights follow the stored values, clamped.
#pragma once

#include "calc/ActingLoads.h"
#include "model/Model.h"
#include "report/PageHeader.h"

namespace kmr {

// Height of a load symbol (cm) for an intensity q: q x 0.15, raised to 0.2
// when positive but smaller, limited to 0.75.
float LoadSymbolHeight(float q);

// Draws the diagram below state.cursor with the state's geometry and moves
// the cursor below it (3.25 cm further down). The loads drawn are those that
// act (DecodeLoads); their values are used as stored, in the input force
// unit.
void DrawLoadDiagram(TplPrev& doc, const BeamModel& model, const ActingLoads& loads,
                     ReportState& state);

}  // namespace kmr
