// VF_RenzokuGir: the girder driver. Prepares the member-load arrays, runs one
// analysis pass and, when the girder has free nodes, a second pass loaded with
// the forces the first pass left unbalanced at those nodes, superposed on the
// first.
#include <algorithm>
#include <cmath>
#include <vector>

#include "array_view.h"
#include "codes.h"
#include "girder_pass.h"
#include "kmrengine.h"

namespace kmr::engine {
namespace {

struct Residuals {
    std::vector<int32_t> node;
    std::vector<float> force;
    std::vector<float> moment;
    int count = 0;
};

// Unbalanced vertical forces at free nodes after the first pass, in node order.
// Returns true when at least one entry was made.
bool FreeNodeResiduals(const GirderArrays& g, Residuals& res) {
    const int N = g.nodes, M = g.members;
    if (M < 1) return false;
    const Mat1<const float> Q{g.endShear, M};
    const Vec1<const int32_t> code{g.supportCode}, loadNode{g.loadNode};
    const Vec1<const float> loadForce{g.loadForce};
    const float t = static_cast<float>(IntPow(10.0, -6));
    auto loadSum = [&](int i) {
        float p = 0.0f;
        for (int j = 1; j <= g.nodeLoads; ++j) {
            if (loadNode(j) == i) p += loadForce(j);
        }
        return p;
    };
    auto add = [&](int i, float force) {
        res.node[res.count] = i;
        res.force[res.count] = force;
        ++res.count;
    };
    if (code(1) == kFree && std::fabs(Q(1, 2) + Q(1, 1)) > t) add(1, loadSum(1) - Q(1, 1));
    for (int i = 2; i <= N - 1; ++i) {
        if (code(i) == kFree && std::fabs(Q(i - 1, 2) - Q(i, 1)) > t) {
            add(i, -Q(i - 1, 2) - Q(i, 1) + loadSum(i));
        }
    }
    if (N >= 2 && code(N) == kFree && std::fabs(Q(M, 2) + Q(M, 1)) > t) {
        add(N, -(Q(M, 2) - loadSum(N)));
    }
    return res.count > 0;
}

// Work arrays of the correcting pass, which carries no member loads.
struct SecondPass {
    std::vector<float> reaction, hingeRotation, endMoment, endShear, hingeMoment;
    std::vector<double> displacement;
    SecondPass(int n, int m, int d, int nh)
        : reaction(n),
          hingeRotation(nh),
          endMoment(2 * m),
          endShear(2 * m),
          hingeMoment(nh),
          displacement(d) {}
};

void Superpose(const GirderArrays& first, const SecondPass& second) {
    auto addTo = [](auto* dst, const auto& src) {
        for (std::size_t i = 0; i < src.size(); ++i) dst[i] += src[i];
    };
    addTo(first.endMoment, second.endMoment);
    addTo(first.endShear, second.endShear);
    addTo(first.displacement, second.displacement);
    addTo(first.reaction, second.reaction);
    addTo(first.hingeRotation, second.hingeRotation);
}

void CorrectFreeNodes(const GirderArrays& first, const std::vector<float>& stiffness) {
    const int nf =
        static_cast<int>(std::count(first.supportCode, first.supportCode + first.nodes, kFree));
    if (nf < 1) return;
    Residuals res{std::vector<int32_t>(nf, 0), std::vector<float>(nf, 0.0f),
                  std::vector<float>(nf, 0.0f)};
    if (!FreeNodeResiduals(first, res)) return;
    SecondPass sp(first.nodes, first.members, first.dofs, first.hinges);
    GirderArrays g = first;
    g.memberStiffness = stiffness.data();
    g.nodeLoads = res.count;
    g.loadNode = res.node.data();
    g.loadForce = res.force.data();
    g.loadMoment = res.moment.data();
    // Applied hinge moments are carried by the first pass alone.
    g.hingeMoment = sp.hingeMoment.data();
    g.hingeRotation = sp.hingeRotation.data();
    g.endMoment = sp.endMoment.data();
    g.endShear = sp.endShear.data();
    g.displacement = sp.displacement.data();
    g.reaction = sp.reaction.data();
    GirderPass(g);
    Superpose(first, sp);
}

}  // namespace
}  // namespace kmr::engine

extern "C" int32_t VF_RenzokuGir(int32_t nodeCount, int32_t memberCount, int32_t dofCount,
                                 int32_t hingeCount, int32_t springCount, int32_t nodeLoadCount,
                                 const float* /*memberE*/, const float* memberLength,
                                 const int32_t* hingeNode, float* memberStiffness,
                                 const float* /*memberI*/, const int32_t* supportCode,
                                 const int32_t* springNode, const float* springConstant,
                                 const int32_t* loadNode, const float* loadForce,
                                 const float* loadMoment, const float* hingeMoment,
                                 double* stiffnessMatrix, float* hingeRotation, float* endMoment,
                                 float* endShear, double* displacement, float* reaction) {
    using namespace kmr::engine;
    const int n = std::max(nodeCount, 0), m = std::max(memberCount, 0);
    const int d = std::max(dofCount, 0);
    // The girder's numbering ties the counts together; anything else would
    // index outside the caller's arrays. Compared in 64 bits: M + 1 and 2N
    // do not fit 32 bits for the largest counts.
    const int64_t nodes = n, members = m, dofs = d;
    if (members < 1 || nodes != members + 1 || dofs != 2 * nodes) return 0;
    const Mat1<float> em{endMoment, m}, es{endShear, m};
    std::vector<float> stiffness(m);
    for (int i = 1; i <= m; ++i) {
        em(i, 1) = -em(i, 1);
        es(i, 2) = -es(i, 2);
        memberStiffness[i - 1] = memberStiffness[i - 1] / 10000.0f;
        stiffness[i - 1] = memberStiffness[i - 1];
    }
    const GirderArrays first{n,
                             m,
                             d,
                             std::max(hingeCount, 0),
                             std::max(springCount, 0),
                             std::max(nodeLoadCount, 0),
                             memberLength,
                             hingeNode,
                             memberStiffness,
                             supportCode,
                             springNode,
                             springConstant,
                             loadNode,
                             loadForce,
                             loadMoment,
                             hingeMoment,
                             stiffnessMatrix,
                             hingeRotation,
                             endMoment,
                             endShear,
                             displacement,
                             reaction};
    GirderPass(first);
    CorrectFreeNodes(first, stiffness);
    return 0;
}
