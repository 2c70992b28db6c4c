// Whether the supports, springs, hinges and members of a beam hold it: the
// check behind the stability refusal that the restraint count alone misses.
#pragma once

#include "model/Model.h"

namespace kmr {

// True when the beam of spans 1..SpanCount can move without deforming any
// member or spring, i.e. when its assembled stiffness without loads is
// singular. A rotation that no member touches (the released node of a hinge
// at the last node) does not count, unless a node moment acts on it.
bool IsMechanism(const BeamModel& model);

}  // namespace kmr
