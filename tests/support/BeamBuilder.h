// Beam models built in code for the tests and benchmarks of every layer:
// plain C++ over the model, so the sanitizer build uses them too.
#pragma once

#include <initializer_list>
#include <vector>

#include "calc/Validation.h"
#include "model/Model.h"

namespace kmr::test {

// The lines of a refusal as the window's error box joins them.
inline std::string MessageText(const ValidationResult& r) {
    std::string text;
    for (std::size_t i = 0; i < r.lines.size(); ++i) text += (i ? "\r\n" : "") + r.lines[i];
    return text;
}

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

// n spans of the given length with the conditions InitProgramModel leaves,
// E 2100 t/cm2, Io 1e5 cm4, no common load, every load slot empty.
inline BeamModel MakeSpans(int n, double span = 6.0) {
    return MakeBeam(std::vector<double>(static_cast<std::size_t>(n), span), {});
}

// Load slot `slot` (1..5) of member `member`.
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

// The benchmark beams: the spans (m) on the support conditions, the common
// load 0.8·scale over 2 m, common Io 80000 cm4, E 2100 t/cm2 and spring
// 30 t/cm, and in load slot j (0..4) of member i the shape (i + j) % 6 of
// 1 + j·scale at 0.5 m, lengths 1 m and 1 m, height 1.5 m.
inline BeamModel MixedLoadBeam(const std::vector<double>& spans, const std::vector<int>& conditions,
                               double scale = 1.0) {
    BeamModel m;
    InitProgramModel(m, "3.0.6");
    m.Header.SpanCount = int(spans.size());
    m.Header.CommonLoad = 0.8 * scale;
    m.Header.CommonLoadHeight = 2.0;
    m.Header.CommonIo = 80000.0;
    m.Header.CommonE = 2100.0;
    m.Header.CommonSpring = 30.0;
    for (std::size_t s = 0; s < conditions.size(); ++s) m.Supports[s + 1].Condition = conditions[s];
    for (int i = 1; i <= int(spans.size()); ++i) {
        m.Members[i].SpanLength = spans[static_cast<std::size_t>(i - 1)];
        for (int j = 0; j < kLoadSlots; ++j) {
            SetLoad(m, i, j + 1, (i + j) % 6, 1.0 + j * scale, 0.5, 1.0, 1.0, 1.5);
        }
    }
    return m;
}

// A beam within every limit whose analysis overflows the single-precision
// engine (its results are not finite numbers): a flexible 100 m cantilever
// (E 1 t/cm2, Io 1e-6 cm4) carrying a stiff 1 m tip member (the largest E
// and Io), a moment of 1000 t·m on the free end.
inline BeamModel OverflowingBeam() {
    BeamModel m = MakeBeam({100.0, 1.0}, {F, R, R});
    m.Members[1].E = 1.0;
    m.Members[1].Io = 1e-6;
    m.Members[2].E = 1e6;
    m.Members[2].Io = 99999997952.0;
    SetNodeLoad(m, 3, 1, kNodeMoment, 1000.0);
    return m;
}

// Ten spans of every support kind with every member-load and node-load slot
// in use (the benchmarks' beam).
inline BeamModel TenSpansEverySlot() {
    BeamModel m = MixedLoadBeam({4.5, 5.0, 5.5, 6.0, 4.0, 4.5, 5.0, 5.5, 6.0, 4.0},
                                {F, S, K, S, S, S, H, S, K, S, F});
    m.Header.OutputUnit = 1;
    for (int s = 1; s <= 11; ++s) {
        for (int j = 0; j < kLoadSlots; ++j) {
            SetNodeLoad(m, s, j + 1, j % 2 ? kNodeMoment : kNodeForce, 0.5 + 0.25 * j);
        }
    }
    return m;
}

}  // namespace kmr::test
