// One analysis pass of the continuous girder: stiffness assembly, load vector,
// Gaussian elimination, member-end forces and support reactions.
#pragma once

#include <cstdint>

namespace kmr::engine {

// The arrays of one pass. Counts are already clamped to >= 0. Member-load
// inputs (endMoment, endShear) are as prepared by the driver: column 1 of
// endMoment negated, column 2 of endShear the upward simple-beam force.
struct GirderArrays {
    int nodes;
    int members;
    int dofs;
    int hinges;
    int springs;
    int nodeLoads;
    const float* memberLength;
    const int32_t* hingeNode;
    const float* memberStiffness;  // EI/L / 10000
    const int32_t* supportCode;
    const int32_t* springNode;
    const float* springConstant;  // force per cm
    const int32_t* loadNode;
    const float* loadForce;
    const float* loadMoment;
    const float* hingeMoment;
    double* matrix;  // dofs x dofs, column-major
    float* hingeRotation;
    float* endMoment;  // members x 2
    float* endShear;   // members x 2
    double* displacement;
    float* reaction;
};

void GirderPass(const GirderArrays& g);

// Gaussian elimination with row pivoting (ties to the later row) on the
// column-major n x n matrix k; f receives the solution in place.
void SolveLinear(double* f, double* k, int n);

}  // namespace kmr::engine
