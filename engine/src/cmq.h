// Fixed-end forces of member loads: one load piece and its simple-beam section.
#pragma once

namespace kmr::engine {

enum PieceKind { kConcentrated = 1, kUniform = 2, kRising = 3, kFalling = 4 };

// Sums of the piece contributions, in the order of the VF_CMQGIR outputs.
struct CmqOutputs {
    float cLeft = 0.0f;
    float cRight = 0.0f;
    float m0 = 0.0f;
    float qLeft = 0.0f;
    float qRight = 0.0f;
    float deflectionEI = 0.0f;
    float extraTerm = 0.0f;
};

// One piece of kind 1 to 4 starting at a, of length q and intensity w (force
// P for kind 1) on a span L; adds its contributions to out.
void CmqPiece(int kind, int endCondition, float L, float a, float q, float w, float springRatio,
              float sectionX, CmqOutputs& out);

}  // namespace kmr::engine
