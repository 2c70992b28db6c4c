// The geometry shared by the report and the screen load diagram, in cm:
// margins, paper size, diagram offsets, member band height, span width and
// scale, for report mode (1) or screen mode (0). Plain C++.
#pragma once

namespace kmr {

struct DrawGeometry {
    int mode = 1;
    float leftMargin = 2.2f;
    float rightMargin = 2.2f;
    float topMargin = 2.0f;
    float bottomMargin = 2.0f;
    float paperWidth = 21.0f;
    float paperHeight = 29.7f;
    float diagramX = 0.0f;  // screen diagram only
    float diagramY = 0.0f;  // screen diagram only
    float bandHeight = 0.2f;
    float spanWidth = 1.57f;  // cm per span, whatever its length
    float scale = 1.0f;
};

// Mode 1: the report values (A4 portrait). Mode 0: the screen values, with
// the scale from the width of the screen image in pixels; the paper height
// stays as it was. Any other mode is taken as 0.
void SetDrawGeometry(DrawGeometry& g, int mode, int screenImageWidth = 0);

// The report-mode geometry.
DrawGeometry ReportGeometry();

// Page-fit test: a block of need cm below the cursor fits when
// paper height - bottom margin >= cursor + need.
bool PageFits(const DrawGeometry& g, float cursor, float need);

}  // namespace kmr
