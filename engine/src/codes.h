// The engine's codes, declared once for every source of the library: the
// values are those documented in kmrengine.h.
#pragma once

#include <cstdint>

#include "kmrengine.h"

namespace kmr::engine {

enum SupportCode : int32_t {
    kFixed = KMR_SUPPORT_FIXED,
    kSimple = KMR_SUPPORT_SIMPLE,
    kHinge = KMR_SUPPORT_HINGE,
    kSpring = KMR_SUPPORT_SPRING,
    kFree = KMR_SUPPORT_FREE,
};

// VF_CMQGIR tells only a concentrated load from a distributed one.
constexpr int32_t kConcentratedLoad = KMR_LOAD_CONCENTRATED;

}  // namespace kmr::engine
