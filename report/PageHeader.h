// Page header and footer of the report, and the running state that the
// report builders pass from one to the next (cursor, page number, unit
// factor) with the page-break step they share.
#pragma once

#include <QString>
#include <functional>

#include "report/DrawGeometry.h"
#include "report/PageDocument.h"

namespace kmr {

// which 0: header line 4 mm above the top rule; 1: footer line 1.5 mm below
// the bottom rule. Left text from L + 3 mm, centre text centred on the page,
// right text ending 3 mm inside the right margin. Both margin rules are drawn
// on every call. Margins in cm.
void DrawPageFrame(TplPrev& doc, int which, const QString& left, const QString& centre,
                   const QString& right, float leftMargin, float rightMargin, float topMargin,
                   float bottomMargin);

// What the header and footer of every page show.
struct PageHeaderInfo {
    QString title;         // the application title
    QString documentPath;  // empty for a document never saved
    QString version;       // the program's file version, e.g. "3.0.6.0"
};

// "Data: " + the file name without folder ("新規データ" when never saved).
QString DataFileText(const QString& documentPath);
// DataFileText shortened to `room` page units as `width` measures it: the
// file name loses characters in its middle for an ellipsis "…", so that its
// beginning and its extension stay readable.
QString FitDataFileText(const QString& documentPath, int room,
                        const std::function<int(const QString&)>& width);
// "- n -"
QString PageNumberText(int pageNo);

// Header (title, "Data: " file, shortened by FitDataFileText to stand clear
// of the title) and footer ("- n -", "Ver." version).
void DrawPageHeader(TplPrev& doc, const DrawGeometry& g, const PageHeaderInfo& info, int pageNo);

// The running state of one report run.
struct ReportState {
    DrawGeometry geometry = ReportGeometry();
    PageHeaderInfo header;
    float cursor = 0.0f;  // cm from the top of the paper
    int PageNo = 1;       // the page being drawn
};

// Page-fit test of a block of need cm at the state's cursor.
bool PageFits(const ReportState& state, float need);

// The page header of the state's page.
void DrawPageHeader(TplPrev& doc, const ReportState& state);

// A page break: PageNo + 1, NewPage, cursor = top margin + gap, then the
// page header unless drawHeader is false (the caller then draws it itself).
void StartNewPage(TplPrev& doc, ReportState& state, float gap, bool drawHeader = true);

}  // namespace kmr
