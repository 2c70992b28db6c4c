// Random beams for the statistical tests of the calculation: every support
// condition, every load shape (sometimes on a support), node loads and the
// common load, and the textbook resultant of a load slot.
#pragma once

#include <random>
#include <vector>

#include "tests/support/BeamBuilder.h"

namespace kmr::test {

struct Resultant {
    double force = 0;   // downward
    double moment = 0;  // about the member's left end, clockwise
};

// Resultant of one slot from the textbook areas and centroids of its shape.
inline Resultant SlotResultant(const MemberLoad& s) {
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

}  // namespace kmr::test
