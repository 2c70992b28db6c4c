#include "report/ReportRun.h"

#include "report/CheckSection.h"
#include "report/DiagramSection.h"
#include "report/InputPages.h"
#include "report/ResultTables.h"

namespace kmr {

QString ApplicationTitle() {
    return QStringLiteral("PLOV-Kmr /連続梁応力算定");
}

void ReportRun(TplPrev& doc, const BeamModel& model, const CalculatedBeam& beam,
               const ReportOptions& options) {
    doc.Title = ApplicationTitle();
    doc.BeginDoc();
    doc.ZoomType = ztPageWidth;

    ReportState state;
    SetDrawGeometry(state.geometry, 1);
    state.header = PageHeaderInfo{ApplicationTitle(), options.documentPath, options.version};
    state.PageNo = 1;
    // Page 1 starts at the top margin, below the page header and its rule.
    state.cursor = state.geometry.topMargin;

    DrawResultsSection(doc, model, beam, state);
    if (options.stressDiagrams) DrawDiagramSection(doc, model, beam, state);
    if (options.sectionCheck) DrawCheckSection(doc, model, beam, state);
    DrawInputSection(doc, model, beam, options.pageBreakFlag, state);
    doc.EndDoc();
}

}  // namespace kmr
