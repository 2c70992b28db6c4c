// The stress diagrams of a calculated beam, drawn with the report primitives
// into a recorded document: the bending moment on the tension side (sagging
// below the axis), the shear force (positive above) and the deflection
// (downward below, exaggerated), stacked on one x scale with the supports,
// their letters and the span lengths. The report's diagram section and the
// window's results page both draw through here.
#pragma once

#include <QString>
#include <array>
#include <vector>

#include "calc/CalculatedBeam.h"
#include "model/Model.h"
#include "report/PageDocument.h"

namespace kmr {

// Where the diagrams go on the page, in cm.
struct StressDiagramFrame {
    float titleLeft = 2.5f;   // the band titles ("Ｍ図", unit) start here
    float left = 3.8f;        // the left end of the first drawn member
    float width = 15.0f;      // the length of the drawn members on the page
    float top = 0.0f;         // top of the moment band
    float bandHeight = 1.5f;  // the height the curve of each diagram may take
    float labelRoom = 0.4f;   // room for value labels above and below a band
    float axisStrip = 0.75f;  // supports, letters and span lengths below the bands
    double labelSize = 7.0;   // pt, value labels
    double titleSize = 8.0;   // pt, band titles and the strip
};

// The height DrawStressDiagrams takes from frame.top.
float StressDiagramsHeight(const StressDiagramFrame& frame);

enum class StressBand { Moment = 0, Shear = 1, Deflection = 2 };

// How values map onto one band: y = axis + sign * value * scale (cm), sign
// +1 draws positive values below the axis.
struct BandScale {
    float axis = 0.0f;
    double scale = 0.0;
    int sign = 1;
    float Y(double value) const { return axis + static_cast<float>(sign * value * scale); }
};

// Where the drawing put things, for callers and tests.
struct StressDiagramPlacement {
    std::array<BandScale, 3> bands;  // by StressBand
    double xScale = 0.0;             // cm per m along the beam
    double xOrigin = 0.0;            // m from the beam's left end at frame.left
    float left = 0.0f;               // frame.left
    float bottom = 0.0f;             // y below the axis strip
    // The page x (cm) of a point beamX m from the beam's left end.
    float X(double beamX) const {
        return static_cast<float>(static_cast<double>(left) + (beamX - xOrigin) * xScale);
    }
};

// A label of a diagram: the value, and for an extreme inside a span its
// position from the member's left end ("4.500 (x=3.000)").
QString DiagramValueLabel(double value);
QString DiagramExtremeLabel(double value, double x);

// Band titles: "Ｍ図" / "Ｑ図" / "δ図" and the unit "(tm)", "(t)", "(cm)".
QString BandTitle(StressBand band);
QString BandUnit(StressBand band, const QString& forceUnit);

// The sign conventions of the results, one line.
QString SignConventionText();

// Draws members first..last (1-based, within the span count) of diagram at
// frame. Vertical scales come from all members of the diagram, so that the
// groups of one report compare. Labels: the moment at the supports, at
// mid-span and at each member's extremes inside the span with their
// positions; the shear at the member ends and its extreme inside a span; the
// largest downward and upward deflection of each member with its position.
// A label that would overlap one already drawn in its band is left out (the
// tables carry every value).
StressDiagramPlacement DrawStressDiagrams(TplPrev& doc, const CalculatedBeam& beam, int first,
                                          int last, const StressDiagramFrame& frame);

}  // namespace kmr
