// The screen load diagram drwPaper as drawing operations: members with their
// labels and dimension lines, support symbols in blue with their letters,
// member loads (black, red for the current member on the member-load page)
// and node loads (green, red for the current support on the node-load page).
// Every span takes the same width; load sizes are only indicative.
#pragma once

#include "edit/ScreenCanvas.h"
#include "model/Model.h"
#include "report/DrawGeometry.h"

namespace kmr::ui {

// What the diagram is drawn from. The geometry is the screen mode of
// DrawGeometry (SetDrawGeometry mode 0 with the image's width).
struct DiagramInput {
    const kmr::BeamModel* model = nullptr;
    kmr::DrawGeometry geometry;
    int currentMember = 1;
    int currentSupport = 1;
    int activePage = 0;  // a MainPage: the member or node being edited is drawn red
};

// The screen geometry for an image `imageWidth` pixels wide.
kmr::DrawGeometry ScreenGeometry(int imageWidth);

// Height of a load symbol (drawing units) for a magnitude: magnitude × 0.12,
// raised to 0.2 when positive but smaller, limited to 0.71; 0 when the
// magnitude is at most kEpsilon.
double ScreenLoadHeight(double magnitude);

// Members 1..span count with the loads that act on them (DecodeLoads), then
// supports 1..span count + 1 with theirs.
void DrawLoadDiagramOps(ScreenSink& sink, const DiagramInput& in);

void DrawMember(ScreenSink& sink, const DiagramInput& in, int m);
// erase: drawn over in white.
void DrawMemberLoads(ScreenSink& sink, const DiagramInput& in, int m, bool erase);
// symbolOnly: without the support's letter.
void DrawSupport(ScreenSink& sink, const DiagramInput& in, int n, bool symbolOnly);
void DrawNodeLoads(ScreenSink& sink, const DiagramInput& in, int n, bool erase);

}  // namespace kmr::ui
