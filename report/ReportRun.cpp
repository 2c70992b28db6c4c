#include "report/ReportRun.h"

#include "calc/Units.h"
#include "report/CheckSection.h"
#include "report/DiagramSection.h"
#include "report/InputPages.h"
#include "report/ResultTables.h"

namespace kmr {

QString ApplicationTitle() {
    return QStringLiteral("PLOV-Kmr /連続梁応力算定");
}

void ReportRun(TplPrev& doc, const BeamModel& model, const CalcResults& results,
               const ReportOptions& options) {
    doc.Title = ApplicationTitle();
    doc.BeginDoc();
    doc.ZoomType = ztPageWidth;

    ReportState state;
    SetDrawGeometry(state.geometry, 1);
    state.header = PageHeaderInfo{ApplicationTitle(), options.documentPath, options.version};
    state.PageNo = 1;
    state.UnitFactor = UnitFactor(model.Header.InputUnit, model.Header.OutputUnit);
    // Page 1 starts at the top margin, below the page header and its rule.
    state.cursor = state.geometry.topMargin;

    DrawResultsSection(doc, model, results, state);
    if (options.stressDiagrams) DrawDiagramSection(doc, model, results, state);
    if (options.sectionCheck) DrawCheckSection(doc, model, results, state);
    DrawInputSection(doc, model, options.pageBreakFlag, state);
    doc.EndDoc();
}

}  // namespace kmr
