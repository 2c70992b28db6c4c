// Results along the beam: the shear, moment, rotation and deflection of every
// member of a calculated beam as exact piecewise polynomials, their extremes
// per member, points for diagrams, and the equilibrium of the whole beam.
//
// Built from the model and its CalcResults after RunCalculation, with the
// member loads exactly as the driver hands them to the engine. Forces are in
// the model's output unit, positions in m from the member's left end.
#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <utility>
#include <vector>

#include "calc/Calculation.h"
#include "model/Model.h"

namespace kmr {

// The four results at one point of a member.
struct DiagramValues {
    double Q = 0;           // shear (force): Q(0) = QLeft, Q(L) = QRight
    double M = 0;           // moment (force x m), sagging positive: M(0) = MLeft, M(L) = -MRight
    double Rotation = 0;    // rad, clockwise positive (the slope of the deflection)
    double Deflection = 0;  // cm, downward positive
};

// One piece between two breaks: the results as polynomials of t = x - X0 on
// [X0, X1], coefficients of t^0, t^1, ... The load is linear in x on a piece,
// so Q is quadratic, M cubic, the rotation quartic and the deflection quintic.
struct DiagramPiece {
    double X0 = 0, X1 = 0;
    std::array<double, 3> Q{};
    std::array<double, 4> M{};
    std::array<double, 5> Rotation{};
    std::array<double, 6> Deflection{};

    DiagramValues At(double x) const;
};

// Extremes of one member with their positions (m from the left end); ties go
// to the leftmost position.
struct MemberExtremes {
    double MMax = 0, XMMax = 0;  // largest moment (sagging)
    double MMin = 0, XMMin = 0;  // smallest moment (largest hogging)
    // The signed shear of largest magnitude; at a jump the side with the
    // larger magnitude.
    double QMax = 0, XQMax = 0;
    double DeflectionMax = 0, XDeflectionMax = 0;  // largest downward
    double DeflectionMin = 0, XDeflectionMin = 0;  // largest upward (or smallest downward)
};

// Which limit to take where the shear jumps under a concentrated load.
enum class DiagramSide { Left, Right };

class MemberDiagram {
  public:
    MemberDiagram() = default;
    MemberDiagram(double length, std::vector<DiagramPiece> pieces)
        : length_(length), pieces_(std::move(pieces)) {}

    double Length() const { return length_; }
    // In ascending x, covering [0, Length] without gaps.
    const std::vector<DiagramPiece>& Pieces() const { return pieces_; }
    // The piece boundaries: 0, every load start, end, peak and concentrated
    // load inside the member, and Length.
    std::vector<double> Breaks() const;
    // x is clamped to [0, Length]. At a break, Left takes the piece ending
    // there and Right the piece starting there (they differ only in Q).
    DiagramValues At(double x, DiagramSide side = DiagramSide::Right) const;
    // Found from the polynomials: the ends and the stationary points of every
    // piece.
    MemberExtremes Extremes() const;

  private:
    std::size_t PieceIndex(double x, DiagramSide side) const;
    double length_ = 0;
    std::vector<DiagramPiece> pieces_;
};

struct BeamDiagram {
    // Index 0 is member 1.
    std::vector<MemberDiagram> Members;
    // Position of each member's left end from the left end of the beam (m).
    std::vector<double> MemberStart;
};

// The diagrams of members 1..span count in the output unit. The model must be
// the one just calculated into results.
BeamDiagram BuildBeamDiagram(const BeamModel& model, const CalcResults& results);

// Two positions along a member closer than this (m) are the same position:
// one break of the diagram pieces, one point of a diagram table, one place
// of a concentrated load.
constexpr double kSamePosition = 1e-9;

// One row of a diagram table: x from the member's left end.
struct DiagramPoint {
    double X = 0;
    DiagramValues Values;
};

// intervals + 1 equally spaced points including both ends, every break and
// every extreme, in ascending x; where the shear jumps, two points at the same
// x (the left limit first). Points closer than kSamePosition are one point.
std::vector<DiagramPoint> DiagramPoints(const MemberDiagram& member, int intervals);
// The same points handed to visit one at a time, in the same order, so that
// a long table is written without being held.
void ForEachDiagramPoint(const MemberDiagram& member, int intervals,
                         const std::function<void(const DiagramPoint&)>& visit);

// Vertical equilibrium of the whole beam in the output unit: the downward
// member loads, common load and node forces against the sum of the support
// reactions (springs included).
struct Equilibrium {
    double Loads = 0;
    double Reactions = 0;
    double Residual = 0;  // |Loads - Reactions| / max(|Loads|, 1e-9)
};
Equilibrium CheckEquilibrium(const BeamModel& model, const CalcResults& results);

}  // namespace kmr
