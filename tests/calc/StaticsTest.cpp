// Random beams through the whole calculation, checked by statics alone: every
// member and every node must be in equilibrium under the results.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "calc/Calculation.h"
#include "tests/support/BeamBuilder.h"

namespace kmr {
namespace {

using namespace kmr::test;

struct Resultant {
    double force = 0;   // downward
    double moment = 0;  // about the member's left end, clockwise
};

// Resultant of one slot from the textbook areas and centroids of its shape.
Resultant SlotResultant(const MemberLoad& s) {
    const double a = s.Distance, l1 = s.Length1, l2 = s.Length2, q = s.Value * s.Height;
    double w = 0, x = 0;
    switch (s.LoadType) {
        case kLoadConcentrated:
            w = s.Value, x = a;
            break;
        case kLoadUniform:
            w = q * l1, x = a + l1 / 2;
            break;
        case kLoadRightRising:
            w = q * l1 / 2, x = a + 2 * l1 / 3;
            break;
        case kLoadLeftRising:
            w = q * l1 / 2, x = a + l1 / 3;
            break;
        case kLoadTriangle:
            w = q * l1 / 2, x = a + l1 / 2;
            break;
        case kLoadTrapezoid:
            w = q * (l1 + l2), x = a + l1 + l2 / 2;
            break;
        default:
            break;
    }
    return {w, w * x};
}

class RandomBeam {
  public:
    explicit RandomBeam(unsigned seed) : rng_(seed) {}

    BeamModel Make() {
        const int n = Int(1, 6);
        std::vector<double> spans;
        std::vector<int> supports;
        for (int i = 0; i < n; ++i) spans.push_back(Real(1.0, 12.0));
        const int pick[] = {F, S, S, S, H, K, R};
        for (int i = 0; i <= n; ++i) supports.push_back(pick[Int(0, 6)]);
        BeamModel m = MakeBeam(spans, supports, Real(100, 3000), Real(1e4, 5e6));
        for (int i = 1; i <= n + 1; ++i) m.Supports[i].SpringConstant = Real(0.5, 200);
        for (int i = 1; i <= n; ++i) AddLoads(m, i);
        for (int i = 1; i <= n + 1; ++i) {
            if (Int(0, 2) == 0) SetNodeLoad(m, i, Int(1, 5), kNodeForce, Real(-5, 20));
            if (Int(0, 3) == 0) SetNodeLoad(m, i, Int(1, 5), kNodeMoment, Real(-10, 10));
        }
        if (Int(0, 1)) SetCommonLoad(m, Real(0.1, 3), Real(0.2, 4));
        return m;
    }

  private:
    void AddLoads(BeamModel& m, int member) {
        const double l = m.Members[member].SpanLength;
        for (int slot = 1; slot <= 5; ++slot) {
            const int type = Int(0, 7);  // 6 and 7: empty slots
            const double a = Real(0, l * 0.6), rest = l - a;
            switch (type) {
                case kLoadConcentrated: {
                    const int where = Int(0, 3);  // sometimes on a support
                    const double d = where == 0 ? 0.0 : where == 1 ? l : a;
                    SetLoad(m, member, slot, type, Real(-3, 15), d);
                    break;
                }
                case kLoadTrapezoid: {
                    const double l1 = Real(0, rest / 2);
                    SetLoad(m, member, slot, type, Real(-2, 8), a, l1, Real(0, rest - 2 * l1),
                            Real(0.1, 3));
                    break;
                }
                case kLoadNone:
                case kLoadNone + 1:
                    SetLoad(m, member, slot, kLoadNone, Real(0, 50), 0);
                    break;
                default:
                    SetLoad(m, member, slot, type, Real(-2, 8), a, Real(0, rest), 0, Real(0.1, 3));
            }
        }
    }
    int Int(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }
    double Real(double lo, double hi) {
        return std::uniform_real_distribution<double>(lo, hi)(rng_);
    }
    std::mt19937 rng_;
};

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
