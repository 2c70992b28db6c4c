// Random beams through the whole calculation, checked by statics alone: every
// member and every node must be in equilibrium under the results.
#include <gtest/gtest.h>

#include <cmath>

#include "calc/Calculation.h"
#include "tests/support/BeamBuilder.h"
#include "tests/support/RandomBeam.h"

namespace kmr {
namespace {

using namespace kmr::test;

// Loads acting on the member itself (not those turned into node loads).
Resultant MemberResultant(const BeamModel& m, int i) {
    const MemberRecord& mem = m.Members[i];
    Resultant sum;
    for (const MemberLoad& s : mem.Loads) {
        if (ConcentratedLoadNode(s, mem.SpanLength, i) != 0) continue;
        const Resultant r = SlotResultant(s);
        sum.force += r.force;
        sum.moment += r.moment;
    }
    if (m.Header.CommonLoadOff == 0) {
        const double l = mem.SpanLength, w = m.Header.CommonLoad * m.Header.CommonLoadHeight * l;
        sum.force += w;
        sum.moment += w * l / 2;
    }
    return sum;
}

// Downward force and clockwise moment put directly on node s.
Resultant NodeLoads(const BeamModel& m, int s) {
    Resultant r;
    for (const NodeLoad& load : m.Supports[s].NodeLoads) {
        if (load.LoadType == kNodeForce) r.force += load.Value;
        if (load.LoadType == kNodeMoment) r.moment += load.Value;
    }
    const int n = m.Header.SpanCount;
    for (int i = std::max(1, s - 1); i <= std::min(n, s); ++i) {
        for (const MemberLoad& l : m.Members[i].Loads) {
            if (ConcentratedLoadNode(l, m.Members[i].SpanLength, i) == s) r.force += l.Value;
        }
    }
    return r;
}

TEST(Statics, EveryMemberAndNodeOfRandomBeamsIsInEquilibrium) {
    RandomBeam gen(20240611);
    int calculated = 0;
    for (int trial = 0; trial < 600; ++trial) {
        const BeamModel m = gen.Make();
        if (!ValidateModel(m, kValidateCalculation).Passed()) continue;
        ++calculated;
        CalcResults r;
        RunCalculation(m, r);
        const int n = m.Header.SpanCount;
        double scale = 1.0;  // force x length scale for the tolerances
        for (int i = 1; i <= n; ++i) scale += std::fabs(MemberResultant(m, i).force) * 12;
        for (int s = 1; s <= n + 1; ++s) scale += std::fabs(NodeLoads(m, s).force) * 12;
        const double tol = 2e-5 * scale;
        SCOPED_TRACE(testing::Message() << "trial " << trial);
        for (int i = 1; i <= n; ++i) {
            const MemberResult& mr = r.MemberResults[i];
            const Resultant load = MemberResultant(m, i);
            const double l = m.Members[i].SpanLength;
            EXPECT_NEAR(mr.QLeft - mr.QRight, load.force, tol) << "member " << i;
            EXPECT_NEAR(mr.MLeft + mr.MRight + mr.QRight * l + load.moment, 0.0, tol)
                << "member " << i;
        }
        for (int s = 1; s <= n + 1; ++s) {
            const Resultant load = NodeLoads(m, s);
            const double fromLeft = s > 1 ? -r.MemberResults[s - 1].QRight : 0.0;
            const double fromRight = s <= n ? r.MemberResults[s].QLeft : 0.0;
            EXPECT_NEAR(r.NodeResults[s].Reaction, load.force + fromLeft + fromRight, tol)
                << "node " << s;
            const int c = m.Supports[s].Condition;
            if (c == F) continue;
            const double mLeft = s > 1 ? r.MemberResults[s - 1].MRight : 0.0;
            const double mRight = s <= n ? r.MemberResults[s].MLeft : 0.0;
            if (c == H && s > 1) {
                EXPECT_NEAR(mLeft, 0.0, tol) << "released end at node " << s;
                if (s <= n) {
                    EXPECT_NEAR(mRight, load.moment, tol) << "node " << s;
                }
            } else {
                EXPECT_NEAR(mLeft + mRight, load.moment, tol) << "node " << s;
            }
            if (c == H || c == R) {
                EXPECT_EQ(r.NodeResults[s].Reaction, 0.0);
            }
        }
    }
    EXPECT_GT(calculated, 150);
}

}  // namespace
}  // namespace kmr
