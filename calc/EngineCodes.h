// The one translation of the model's codes (model/Model.h) into the engine's
// (kmrengine.h). Every value an int32 can hold has an answer; nothing is
// computed from the code, so no value overflows.
#pragma once

#include <cstdint>

#include "kmrengine.h"
#include "model/Model.h"

namespace kmr {

// The engine's support code of a model support condition. A condition outside
// the table holds nothing and goes over as free.
constexpr std::int32_t EngineSupportCode(std::int32_t condition) {
    switch (condition) {
        case kSupportFixed:
            return KMR_SUPPORT_FIXED;
        case kSupportSimple:
            return KMR_SUPPORT_SIMPLE;
        case kSupportHinge:
            return KMR_SUPPORT_HINGE;
        case kSupportSpring:
            return KMR_SUPPORT_SPRING;
        default:
            return KMR_SUPPORT_FREE;
    }
}

// The load type that stands for no load: the engine is never called with it.
constexpr std::int32_t kEngineNoLoad = 0;

// The engine's load type of a member-load type; kEngineNoLoad for a code that
// carries no load (kLoadNone and every code outside the table).
constexpr std::int32_t EngineLoadType(std::int32_t type) {
    switch (type) {
        case kLoadConcentrated:
            return KMR_LOAD_CONCENTRATED;
        case kLoadRightRising:
            return KMR_LOAD_RISING_TRIANGLE;
        case kLoadLeftRising:
            return KMR_LOAD_FALLING_TRIANGLE;
        case kLoadUniform:
            return KMR_LOAD_UNIFORM;
        case kLoadTrapezoid:
            return KMR_LOAD_TRAPEZOID;
        case kLoadTriangle:
            return KMR_LOAD_TRIANGLE;
        default:
            return kEngineNoLoad;
    }
}

}  // namespace kmr
