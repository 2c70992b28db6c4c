// The section check of steel H-beams (断面検定), long-term: bending against
// the allowable bending stress fb with lateral buckling, shear against fs,
// and the deflection limit, from the exact results along the beam.
//
// Units: stresses N/mm2, F N/mm2; moments and shears in the output unit of
// the results; lengths m; deflections cm.
#pragma once

#include <string>
#include <vector>

#include "calc/BeamDiagram.h"
#include "calc/CalculatedBeam.h"
#include "calc/SectionList.h"
#include "model/DesignData.h"

namespace kmr {

// Steels with their design strength F (N/mm2) by the thicker plate.
struct SteelGrade {
    const char* Name;  // "SN400B"
    double FThin;      // t <= 40 mm
    double FThick;     // 40 < t <= 100 mm
};
const std::vector<SteelGrade>& SteelGrades();
const SteelGrade* FindSteelGrade(const std::string& name);

// A member's design data made ready for the check: the section, its
// properties and F.
struct ResolvedMember {
    int Member = 0;
    bool HasSection = false;  // false: only the deflection is checked
    std::string SectionName;  // the designation, or "H-600x200x11x17" of plates
    std::string SteelName;    // the grade, or "" when F was given
    SectionDimensions Dim;
    Fabrication Fab = Fabrication::Rolled;
    SectionProperties Props;  // cm units, exact
    double F = 0;             // N/mm2
    int Bracing = 1;
    double Lb = 0;  // m; 0: L / Bracing
    double DeflectionLimit = 300;
    double DeflectionFactor = 1;
};

struct ResolvedDesign {
    BucklingFormula Method = BucklingFormula::Notification;
    std::vector<ResolvedMember> Members;  // ascending member number
};

// Checks designations and grades against the lists and members against the
// span count; DesignError (Japanese, naming the member and key) otherwise.
ResolvedDesign ResolveDesign(const DesignData& data, int spanCount);

// What the check reads of a calculated beam, per member (index 0 is member 1):
// the exact diagrams in the output unit, the lengths, whether an end is free
// (no support holds it: a cantilever's tip) and the output unit.
struct CheckSpan {
    const MemberDiagram* Diagram = nullptr;
    double Length = 0;  // m
    bool FreeLeft = false, FreeRight = false;
};
struct CheckInput {
    std::vector<CheckSpan> Spans;
    int OutputUnit = 0;
};
// The spans of the calculated beam of the model: free ends at free supports
// and at a hinge on the last support.
CheckInput CheckInputOf(const BeamModel& model, const CalculatedBeam& beam);

// The branch of the fb formula that gives fb: the notification's fb1
// (lateral buckling), fb2 (flange) or the cap F/1.5; AIJ 2005's ranges of
// λb (up to pλb, up to eλb, beyond).
enum class FbRule { Fb1, Fb2, Cap, UpToPlastic, UpToElastic, Elastic };

// One segment between lateral braces.
struct SegmentCheck {
    double X0 = 0, X1 = 0;  // m from the member's left end
    double Lb = 0;          // m
    double C = 1;
    double M = 0;  // largest |M| in the segment, output unit
    double SigmaB = 0, Fb = 0, Ratio = 0;
    FbRule Rule = FbRule::Cap;
};

struct MemberCheck {
    int Member = 0;
    bool HasSection = false;
    std::string Section, Steel;
    double F = 0;
    std::vector<SegmentCheck> Segments;
    int Segment = 0;  // 1-based: the segment of the largest sigmaB / fb
    double Lb = 0, C = 1, M = 0, SigmaB = 0, Fb = 0, BendingRatio = 0;
    FbRule Rule = FbRule::Cap;                      // of the governing segment
    double Q = 0, Tau = 0, Fs = 0, ShearRatio = 0;  // Q: largest |Q|, output unit
    double Length = 0;                              // m
    double Deflection = 0;       // cm, relative to the chord (or the supported end)
    double DeflectionRatio = 0;  // factor x deflection / (L / limit)
    double DeflectionN = 0;      // n of "1/n": L / (factor x deflection); 0 when none
    double DeflectionLimit = 300, DeflectionFactor = 1;
    bool Ok = true;
};

struct CheckResult {
    BucklingFormula Method = BucklingFormula::Notification;
    std::vector<MemberCheck> Members;  // the members with design data
    bool Ok = true;
};

// The allowable bending stress (N/mm2) of a segment by either formula. lb in
// mm. ratio: M2/M1, positive in double curvature; peakInside: the moment
// inside the segment exceeds both ends (C = 1, and pλb = 0.3 for AIJ 2005).
struct BucklingCase {
    double Lb = 0;  // mm
    double C = 1;
    double Ratio = 0;
    bool PeakInside = false;
};
double AllowableBending(BucklingFormula method, const ResolvedMember& m, const BucklingCase& b);
// The same with the branch of the formula that gives it.
struct Allowance {
    double Fb = 0;
    FbRule Rule = FbRule::Cap;
};
Allowance AllowableBendingOf(BucklingFormula method, const ResolvedMember& m,
                             const BucklingCase& b);

// C from the end moments: 1.75 + 1.05 r + 0.3 r^2, at most 2.3; 1 when M1 is 0.
double MomentGradientFactor(double ratio);

// Young's and shear modulus of steel taken by the check (N/mm2).
constexpr double kSteelE = 205000;
constexpr double kSteelG = 79000;

CheckResult CheckSections(const CheckInput& input, const ResolvedDesign& design);

}  // namespace kmr
