#include "calc/Mechanism.h"

#include <cmath>
#include <vector>

#include "calc/ActingLoads.h"
#include "calc/Validation.h"

namespace kmr {
namespace {

// A rigid part of the beam: the members between two hinges. A hinge at an
// interior node is a pin: the two parts share its deflection, and its
// rotation belongs to the part on its right. A hinge at node 1 or at the last
// node joins nothing.
struct Part {
    int first = 0;  // first node
    int last = 0;   // last node
    int heldPoints = 0;
    bool clamped = false;
    bool held = false;
};

bool HoldsDeflection(int condition) {
    // A spring that is not stretched holds the node as firmly as a support:
    // a motion without deformation leaves every spring unstretched.
    return condition == kSupportFixed || condition == kSupportSimple || condition == kSupportSpring;
}

std::vector<Part> SplitAtHinges(const BeamModel& model, int nodes) {
    std::vector<Part> parts;
    Part part;
    part.first = 1;
    for (int i = 1; i <= nodes; ++i) {
        const int cond = model.Supports[i].Condition;
        if (HoldsDeflection(cond)) ++part.heldPoints;
        if (cond == kSupportFixed) part.clamped = true;
        const bool pin = cond == kSupportHinge && i > 1 && i < nodes;
        if (pin || i == nodes) {
            part.last = i;
            parts.push_back(part);
            part = Part();
            part.first = i;
        }
    }
    return parts;
}

// A straight rigid part moves as a line: it is held when it is clamped, or
// when two of its points are held (a support, an unstretched spring, or a pin
// shared with a held neighbour). Holding spreads through the pins until
// nothing changes.
void SpreadHolding(std::vector<Part>& parts) {
    bool changed = true;
    while (changed) {
        changed = false;
        for (std::size_t p = 0; p < parts.size(); ++p) {
            if (parts[p].held) continue;
            int points = parts[p].heldPoints;
            if (p > 0 && parts[p - 1].held) ++points;
            if (p + 1 < parts.size() && parts[p + 1].held) ++points;
            if (parts[p].clamped || points >= 2) {
                parts[p].held = true;
                changed = true;
            }
        }
    }
}

bool HasNodeMoment(const SupportRecord& support) {
    for (const NodeLoad& load : support.NodeLoads) {
        if (load.LoadType == kNodeMoment && NodeLoadActs(load.LoadType, load.Value)) {
            return true;
        }
    }
    return false;
}

}  // namespace

bool IsMechanism(const BeamModel& model) {
    const int nodes = UsedSpanCount(model) + 1;
    std::vector<Part> parts = SplitAtHinges(model, nodes);
    SpreadHolding(parts);
    for (const Part& part : parts) {
        if (!part.held) return true;
    }
    // The released rotation at a hinge on the last node has no stiffness: a
    // moment applied there has nothing to act on.
    const SupportRecord& last = model.Supports[nodes];
    return last.Condition == kSupportHinge && HasNodeMoment(last);
}

}  // namespace kmr
