// Steel H-sections for the section check: the built-in list of rolled
// sections (JIS G 3192) and the properties of any H-section from the engine.
#pragma once

#include <string>
#include <vector>

#include "model/DesignData.h"

namespace kmr {

// Plate dimensions in mm; R the fillet radius (rolled) or weld leg (welded).
struct SectionDimensions {
    double H = 0, B = 0, Tw = 0, Tf = 0, R = 0;
};

// One section of the list with the values its table publishes (A cm2, Ix cm4,
// Zx cm3).
struct ListedSection {
    const char* Name;  // "H-400x200x8x13"
    SectionDimensions Dim;
    double A, Ix, Zx;
};

// Narrow, medium and wide series, ascending depth within each.
const std::vector<ListedSection>& SectionList();
// The section of that designation, or nullptr.
const ListedSection* FindSection(const std::string& name);

// The properties the check uses, in cm units: from VF_HSPRPS (i the radius of
// gyration of the compression flange zone, Aw = (H - 2tf) tw), and
// Af = B tf.
struct SectionProperties {
    double A = 0, Ix = 0, Iy = 0, Zx = 0, Zy = 0, I = 0, Aw = 0, Af = 0;
};

// rounded: as the engine rounds for tables (A and Aw to 4 significant figures,
// the others to 3); otherwise the exact values the check works with.
SectionProperties ComputeSectionProperties(const SectionDimensions& d, Fabrication fab,
                                           bool rounded = false);

}  // namespace kmr
