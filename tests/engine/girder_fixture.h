// Builds the flat argument arrays of VF_RenzokuGir from a readable girder
// description and checks the results against statics.
#pragma once

#include <cstdint>
#include <limits>
#include <vector>

#include "kmrengine.h"

namespace kmr::test {

enum Support { kFixed = 1, kSimple = 2, kHinge = 3, kSpring = 4, kFree = 5 };

struct MemberLoad {
    int member;
    bool uniform;  // uniform over the whole span, else concentrated
    float value;   // w (t/m) or P (t), downward
    float a;       // position of a concentrated load from the member's left end
};

struct NodeLoad {
    int node;
    float force;   // upward
    float moment;  // clockwise
};

struct Girder {
    std::vector<float> span;     // m
    std::vector<float> ei;       // t·m², per member
    std::vector<int> support;    // engine code per node
    std::vector<float> spring;   // t/cm per node (used where the code is kSpring)
    std::vector<int> hingeList;  // empty: every node of code kHinge
    std::vector<float> hingeMoment;
    std::vector<MemberLoad> loads;
    std::vector<NodeLoad> nodeLoads;
};

struct Result {
    std::vector<float> mLeft, mRight;  // member-end moments, clockwise
    std::vector<float> vLeft, vRight;  // member-end forces, upward
    std::vector<float> reaction;
    std::vector<double> rotation, deflection;  // rad, m
    std::vector<float> hingeRotation;
    std::vector<float> stiffnessAfter;
};

// Fixed-end moments and simple-beam shears of one load in closed form.
struct FixedEnd {
    float cl, cr, ql, qr;
};

inline FixedEnd ClosedFormFixedEnd(const MemberLoad& l, float L) {
    if (l.uniform) {
        const float w = l.value;
        return {-w * L * L / 12, w * L * L / 12, w * L / 2, -w * L / 2};
    }
    const float P = l.value, a = l.a, b = L - a;
    return {-P * a * b * b / (L * L), P * a * a * b / (L * L), P * b / L, -P * a / L};
}

inline Result Analyse(const Girder& g) {
    const int M = static_cast<int>(g.span.size()), N = M + 1, D = 2 * N;
    std::vector<int32_t> hinges;
    if (g.hingeList.empty()) {
        for (int i = 1; i <= N; ++i) {
            if (g.support[i - 1] == kHinge) hinges.push_back(i);
        }
    } else {
        hinges.assign(g.hingeList.begin(), g.hingeList.end());
    }
    std::vector<float> hingeMoment = g.hingeMoment;
    hingeMoment.resize(hinges.size(), 0.0f);
    std::vector<int32_t> springNode;
    std::vector<float> springK;
    for (int i = 1; i <= N; ++i) {
        if (g.support[i - 1] == kSpring) {
            springNode.push_back(i);
            springK.push_back(g.spring[i - 1]);
        }
    }
    std::vector<int32_t> loadNode;
    std::vector<float> loadForce, loadMoment;
    for (const NodeLoad& p : g.nodeLoads) {
        loadNode.push_back(p.node);
        loadForce.push_back(p.force);
        loadMoment.push_back(p.moment);
    }
    // E and I are not read by the engine: poison them.
    const float nan = std::numeric_limits<float>::quiet_NaN();
    std::vector<float> memberE(M, nan), memberI(M, nan), stiffness(M);
    for (int m = 0; m < M; ++m) stiffness[m] = g.ei[m] / g.span[m];
    std::vector<float> endMoment(2 * M, 0.0f), endShear(2 * M, 0.0f);
    for (const MemberLoad& l : g.loads) {
        const FixedEnd f = ClosedFormFixedEnd(l, g.span[l.member - 1]);
        endMoment[l.member - 1] += f.cl;
        endMoment[M + l.member - 1] += f.cr;
        endShear[l.member - 1] += f.ql;
        endShear[M + l.member - 1] += f.qr;
    }
    std::vector<double> matrix(D * D, nan), displacement(D, nan);
    std::vector<float> hingeRotation(hinges.size(), nan), reaction(N, nan);
    const int32_t rc = VF_RenzokuGir(
        N, M, D, static_cast<int32_t>(hinges.size()), static_cast<int32_t>(springNode.size()),
        static_cast<int32_t>(loadNode.size()), memberE.data(), g.span.data(), hinges.data(),
        stiffness.data(), memberI.data(), g.support.data(), springNode.data(), springK.data(),
        loadNode.data(), loadForce.data(), loadMoment.data(), hingeMoment.data(), matrix.data(),
        hingeRotation.data(), endMoment.data(), endShear.data(), displacement.data(),
        reaction.data());
    if (rc != 0) return {};
    Result r;
    r.mLeft.assign(endMoment.begin(), endMoment.begin() + M);
    r.mRight.assign(endMoment.begin() + M, endMoment.end());
    r.vLeft.assign(endShear.begin(), endShear.begin() + M);
    r.vRight.assign(endShear.begin() + M, endShear.end());
    r.reaction = reaction;
    r.rotation.assign(displacement.begin(), displacement.begin() + N);
    r.deflection.assign(displacement.begin() + N, displacement.end());
    r.hingeRotation = hingeRotation;
    r.stiffnessAfter = stiffness;
    return r;
}

}  // namespace kmr::test
