// The input-data section of the report: the common member load, the member
// loads of every loaded member and the node loads of the supports in groups
// of four, as small bordered tables under three headings.
#pragma once

#include "calc/CalculatedBeam.h"
#include "model/Model.h"
#include "report/PageHeader.h"

namespace kmr {

// Whether the section continues on the page where the results ended (no
// page break, no diagram): only when asked for and for at most 6 spans.
bool InputSectionContinues(int spanCount, bool pageBreakFlag);

// The common-load line: "共通部材荷重なし" when the load does not act or its
// magnitude is below kEpsilon, else the load (signed, in the output unit) and
// its height.
QString CommonLoadText(const BeamModel& model, const CalculatedBeam& beam);

// The whole section. pageBreakFlag: the load tables may follow the results
// without a page break (the window's "荷重表を改ﾍﾟｰｼﾞせず作成").
void DrawInputSection(TplPrev& doc, const BeamModel& model, const CalculatedBeam& beam,
                      bool pageBreakFlag, ReportState& state);

}  // namespace kmr
