// The beams of examples/, built in code: MakeExamples writes them, the
// examples test checks the files against them and their results.
#pragma once

#include <string>
#include <vector>

#include "model/Model.h"
#include "tests/support/BeamBuilder.h"

namespace kmr::test {

struct Example {
    std::string file;  // name in examples/
    BeamModel model;
};

inline BeamModel NewBeam(int inputUnit, int outputUnit, const std::vector<double>& spans,
                         const std::vector<int>& supports) {
    BeamModel m;
    m.Header.DefaultInputUnit = inputUnit;
    m.Header.DefaultOutputUnit = outputUnit;
    InitProgramModel(m, "3.0.6");
    m.Header.SpanCount = int(spans.size());
    for (std::size_t i = 0; i < spans.size(); ++i) m.Members[i + 1].SpanLength = spans[i];
    for (std::size_t i = 0; i < supports.size(); ++i) m.Supports[i + 1].Condition = supports[i];
    return m;
}

// Steel floor beam H-400x200 (Io 23500 cm4, E 2100 t/cm2 as common values),
// fixed at the outer columns, slab 0.75 t/m2 from both sides (45 degree
// trapezoids of a 3 m slab), 0.1 t/m self weight, a 3.2 t joist in span 2.
inline Example ThreeSpanFloorBeam() {
    BeamModel m = NewBeam(0, 1, {6.0, 7.2, 6.0},
                          {kSupportFixed, kSupportSimple, kSupportSimple, kSupportFixed});
    m.Header.CommonIo = 23500.0;
    m.Header.CommonE = 2100.0;
    m.Header.CommonLoad = 0.1;
    m.Header.CommonLoadHeight = 1.0;
    for (int i = 1; i <= 3; ++i) {
        test::SetLoad(m, i, 1, kLoadTrapezoid, 0.75, 0.0, 1.5,
                      double(m.Members[i].SpanLength) - 3.0, 3.0);
    }
    test::SetLoad(m, 2, 2, kLoadConcentrated, 3.2, 3.6, 0, 0, 0);
    return {"three-span-floor-beam.KMX", m};
}

// Balcony beam H-300x150 in kN: back span 4.5 m, cantilever 1.8 m; floor
// 6.5 kN/m2 over 2 m, balcony 4.8 kN/m2 over 1.5 m, parapet 2.5 kN at the
// tip (it stands on the free end and becomes a node load), self weight
// 0.37 kN/m.
inline Example CantileveredBalconyBeam() {
    BeamModel m = NewBeam(1, 1, {4.5, 1.8}, {kSupportSimple, kSupportSimple, kSupportFree});
    for (int i = 1; i <= 2; ++i) {
        m.Members[i].Io = 7210.0;
        m.Members[i].E = 20500.0;
    }
    m.Header.CommonLoad = 0.37;
    m.Header.CommonLoadHeight = 1.0;
    test::SetLoad(m, 1, 1, kLoadUniform, 6.5, 0.0, 4.5, 0, 2.0);
    test::SetLoad(m, 2, 1, kLoadUniform, 4.8, 0.0, 1.8, 0, 1.5);
    test::SetLoad(m, 2, 2, kLoadConcentrated, 2.5, 1.8, 0, 0, 0);
    return {"cantilevered-balcony-beam.KMX", m};
}

// RC beam 40 x 80 cm (Io from B and D, E 210 t/cm2) over three 5 m spans,
// carried at B and C by girders taken as springs of 42 t/cm (the common
// spring constant); 1.2 t/m2 over 2.5 m.
inline Example BeamOnSpringSupports() {
    BeamModel m = NewBeam(0, 0, {5.0, 5.0, 5.0},
                          {kSupportSimple, kSupportSpring, kSupportSpring, kSupportSimple});
    m.Header.IoInputMode = 1;
    m.Header.CommonB = 40.0;
    m.Header.CommonD = 80.0;
    m.Header.CommonIoBD = 40.0 * 80.0 * 80.0 * 80.0 / 12.0;
    m.Header.CommonE = 210.0;
    m.Header.CommonSpring = 42.0;
    m.Header.CommonLoad = 1.2;
    m.Header.CommonLoadHeight = 2.5;
    return {"beam-on-spring-supports.KMX", m};
}

// Gerber beam H-500x200: an 8 m span with a 2 m overhang carrying a 6 m
// suspended span on a hinge; 2 t/m (0.8 t/m2 over 2.5 m), 4 t at 3 m on the
// suspended span.
inline Example GerberBeamWithHinge() {
    BeamModel m = NewBeam(0, 1, {8.0, 2.0, 6.0},
                          {kSupportSimple, kSupportSimple, kSupportHinge, kSupportSimple});
    for (int i = 1; i <= 3; ++i) {
        m.Members[i].Io = 47800.0;
        m.Members[i].E = 2100.0;
    }
    m.Header.CommonLoad = 0.8;
    m.Header.CommonLoadHeight = 2.5;
    test::SetLoad(m, 3, 1, kLoadConcentrated, 4.0, 3.0, 0, 0, 0);
    return {"gerber-beam-with-hinge.KMX", m};
}

inline std::vector<Example> AllExamples() {
    return {ThreeSpanFloorBeam(), CantileveredBalconyBeam(), BeamOnSpringSupports(),
            GerberBeamWithHinge()};
}

}  // namespace kmr::test
