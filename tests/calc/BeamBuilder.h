// Small helpers that set up beam models for the calculation tests.
#pragma once

#include <initializer_list>
#include <vector>

#include "model/Model.h"

namespace kmr::test {

constexpr int F = kSupportFixed;
constexpr int S = kSupportSimple;
constexpr int H = kSupportHinge;
constexpr int K = kSupportSpring;
constexpr int R = kSupportFree;  // free end

// A new model (input and output unit t) with the given spans (m) and support
// conditions, every member with the given E (t/cm2) and Io (cm4).
inline BeamModel MakeBeam(const std::vector<double>& spans, const std::vector<int>& conditions,
                          double e = 2100.0, double io = 1.0e5) {
    BeamModel m;
    InitProgramModel(m, "3.0.6");
    m.Header.SpanCount = int(spans.size());
    m.Header.CommonLoadOff = 1;
    for (std::size_t i = 0; i < spans.size(); ++i) {
        MemberRecord& mem = m.Members[i + 1];
        mem.SpanLength = spans[i];
        mem.E = e;
        mem.Io = io;
    }
    for (std::size_t s = 0; s < conditions.size(); ++s) m.Supports[s + 1].Condition = conditions[s];
    return m;
}

inline void SetLoad(BeamModel& m, int member, int slot, int type, double value, double distance,
                    double l1 = 0, double l2 = 0, double height = 1.0) {
    MemberLoad& load = m.Members[member].Loads[slot - 1];
    load.LoadType = type;
    load.Value = value;
    load.Distance = distance;
    load.Length1 = l1;
    load.Length2 = l2;
    load.Height = height;
}

inline void SetNodeLoad(BeamModel& m, int support, int slot, int type, double value) {
    NodeLoad& load = m.Supports[support].NodeLoads[slot - 1];
    load.LoadType = type;
    load.Value = value;
}

// The common load w (force/m2) with height h on every member.
inline void SetCommonLoad(BeamModel& m, double w, double h = 1.0) {
    m.Header.CommonLoadOff = 0;
    m.Header.CommonLoad = w;
    m.Header.CommonLoadHeight = h;
}

}  // namespace kmr::test
