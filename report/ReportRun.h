// The report run: the whole calculation report drawn into the recorded
// document, page 1 with the header, the load-data diagram and the result
// tables, the diagram section when asked for, then the input-data section.
#pragma once

#include <QString>

#include "calc/CalculatedBeam.h"
#include "model/Model.h"
#include "report/PageHeader.h"

namespace kmr {

// The application title, shown at the left of every page header and used as
// the document title.
QString ApplicationTitle();

struct ReportOptions {
    QString documentPath;         // the data file; empty for new data ("新規データ")
    QString version;              // the program's file version, e.g. "3.0.6.0"
    bool pageBreakFlag = false;   // load tables without a page break (at most 6 spans)
    bool stressDiagrams = false;  // the section "●応力図" after the result tables
    bool sectionCheck = false;    // the section "●断面検定" of a beam with design data
};

// Draws the report of the model and its calculation into doc, from BeginDoc
// to EndDoc. The beam must have been calculated (passed) from the model as it
// is.
void ReportRun(TplPrev& doc, const BeamModel& model, const CalculatedBeam& beam,
               const ReportOptions& options);

}  // namespace kmr
