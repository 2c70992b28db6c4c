// Section properties of doubly symmetric H-sections and their rounding.
#pragma once

#include <cstdint>

namespace kmr::engine {

struct SectionProperties {
    float area = 0, weight = 0, webArea = 0, flangeAreaTerm = 0;
    float inertiaX = 0, inertiaY = 0, radiusX = 0, radiusY = 0;
    float flangeRadius = 0, flangeRatio = 0;
    float modulusX = 0, modulusY = 0, plasticX = 0, plasticY = 0;
};

// Properties of one fillet of size t (cm): circular of radius t (shape 1) or a
// right triangle of leg t (any other shape).
struct Fillet {
    float s1 = 0;  // leg of the equivalent right triangle (a = s1²/2)
    float e = 0;   // centroid distance from the corner, along each plate face
    float a = 0;   // area
    float m = 0;   // first moment
    float j = 0;   // own second moment of area
};
Fillet DSCFIL(float t, int shape);

// Area (cm²) and weight (kg/m) of a rolled section; dimensions in mm.
void SEC001(float& area, float& weight, float H, float B, float tw, float tf, float r);

// Stiffness properties of a rolled section with circular fillets (mm in).
void SEC002(SectionProperties& p, float H, float B, float tw, float tf, float r);

// Radius of gyration of the compression flange zone (all lengths in cm). When
// the zone is empty the result is left as it was and a data-error line goes to
// standard error.
void DRZJBN(float& radius, float H, float B, float tw, float tf, float t, int shape);

// Rounds v to n significant figures after cutting it to six, exact halves to
// the even neighbour. Values <= 0 and non-finite values stay as they are.
void RNJIS0(float& v, int16_t n);

}  // namespace kmr::engine
