// Entry points of the girder analysis. The bodies follow in the next commit;
// until then every output is cleared so that callers link and run.
#include <algorithm>

#include "kmrengine.h"

extern "C" int32_t VF_RenzokuGir(int32_t nodeCount, int32_t memberCount, int32_t dofCount,
                                 int32_t hingeCount, int32_t, int32_t, const float*, const float*,
                                 const int32_t*, float*, const float*, const int32_t*,
                                 const int32_t*, const float*, const int32_t*, const float*,
                                 const float*, const float*, double* stiffnessMatrix,
                                 float* hingeRotation, float* endMoment, float* endShear,
                                 double* displacement, float* reaction) {
    const int n = std::max(nodeCount, 0), m = std::max(memberCount, 0);
    const int d = std::max(dofCount, 0), nh = std::max(hingeCount, 0);
    std::fill(stiffnessMatrix, stiffnessMatrix + d * d, 0.0);
    std::fill(hingeRotation, hingeRotation + nh, 0.0f);
    std::fill(endMoment, endMoment + 2 * m, 0.0f);
    std::fill(endShear, endShear + 2 * m, 0.0f);
    std::fill(displacement, displacement + d, 0.0);
    std::fill(reaction, reaction + n, 0.0f);
    return 0;
}

extern "C" void VF_CMQGIR(int32_t, float, float, float, float, float, float, float, float, int32_t,
                          float, float, float* cLeft, float* cRight, float* m0, float* qLeft,
                          float* qRight, float* deflectionEI, float* extraTerm) {
    *cLeft = *cRight = *m0 = *qLeft = *qRight = *deflectionEI = *extraTerm = 0.0f;
}
