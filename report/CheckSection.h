// The report's section "●断面検定": what was checked and by which formula,
// then per group of three members one table of the section, its steel and
// properties, the bending with lateral buckling, the shear, the deflection
// and the verdict, each table after its page-fit test.
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "calc/CalculatedBeam.h"
#include "calc/DesignCheck.h"
#include "model/Model.h"
#include "report/PageHeader.h"

namespace kmr {

// Whether the model gives the section anything to print: it has design
// data (readable or not).
bool HasCheckSection(const BeamModel& model);

// The lines above the tables: long-term loads, the fb formula, E and the
// sign convention of M2/M1.
QStringList CheckIntroLines(BucklingFormula method);

// The table as rows of texts: column 0 the row headers (units in the
// output unit of the beam, stresses N/mm2), then one column per checked
// member. A ratio over 1 and the verdict of a failing member read "NG".
std::vector<std::vector<QString>> CheckTableRows(const BeamModel& model, ForceUnit outputUnit,
                                                 const BeamCheck& check);

// The section from state.cursor on; draws nothing when HasCheckSection is
// false. The beam must be the model's as it is.
void DrawCheckSection(TplPrev& doc, const BeamModel& model, const CalculatedBeam& beam,
                      ReportState& state);

}  // namespace kmr
