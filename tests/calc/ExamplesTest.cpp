// The bundled example beams: the files hold the models of ExampleModels.h, and
// their results agree with statics and the closed forms of each arrangement.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "ExampleModels.h"
#include "calc/Calculation.h"
#include "model/DataFile.h"

namespace kmr {
namespace {

std::vector<char> Bytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string ExamplePath(const std::string& name) {
    return std::string(KMR_EXAMPLES_DIR) + "/" + name;
}

// The example file read and calculated as the calculation command does.
CalcResults Calculate(const std::string& name, BeamModel& m) {
    InitProgramModel(m, "3.0.6");
    ReadDataFile(ExamplePath(name), m);
    NameMembersAndSupports(m);
    CalcResults r;
    EXPECT_TRUE(CalculateModel(m, r).Passed()) << name;
    return r;
}

void ExpectNear(double actual, double expected, const char* what) {
    EXPECT_NEAR(actual, expected, 2e-5 * std::max(1.0, std::fabs(expected))) << what;
}

TEST(Examples, FilesHoldTheModels) {
    const auto tmp = std::filesystem::temp_directory_path() / "kmr-examples-check.KMX";
    for (const test::Example& e : test::AllExamples()) {
        WriteDataFile(tmp.string(), e.model);
        EXPECT_EQ(Bytes(ExamplePath(e.file)), Bytes(tmp.string())) << e.file;
    }
    std::filesystem::remove(tmp);
}

TEST(Examples, FloorBeamIsSymmetricAndBalanced) {
    BeamModel m;
    const CalcResults r = Calculate("three-span-floor-beam.KMX", m);
    // Slab trapezoids 2.25 t/m x (L1 + L2), self weight 0.1 t/m, the joist.
    const double total = 2.25 * (4.5 + 5.7 + 4.5) + 0.1 * 19.2 + 3.2;
    double sum = 0;
    for (int i = 1; i <= 4; ++i) sum += r.NodeResults[i].Reaction;
    ExpectNear(sum, total, "reactions");
    ExpectNear(r.NodeResults[1].Reaction, r.NodeResults[4].Reaction, "A = D");
    ExpectNear(r.NodeResults[2].Reaction, r.NodeResults[3].Reaction, "B = C");
    ExpectNear(r.MemberResults[1].MLeft, -r.MemberResults[3].MRight, "fixed ends");
    EXPECT_EQ(double(m.Members[2].Io), 23500.0);  // filled from the common value
}

TEST(Examples, BalconyBeamCantileverMoment) {
    BeamModel m;
    const CalcResults r = Calculate("cantilevered-balcony-beam.KMX", m);
    const double g = 0.37, q2 = 4.8 * 1.5 + g, p = 2.5, q1 = 6.5 * 2.0 + g;
    const double mb = q2 * 1.8 * 1.8 / 2 + p * 1.8;  // hogging at B
    ExpectNear(r.MemberResults[1].MRight, mb, "M at B, back span");
    ExpectNear(r.MemberResults[2].MLeft, -mb, "M at B, cantilever");
    ExpectNear(r.MemberResults[2].MRight, 0.0, "M at the tip");
    ExpectNear(r.NodeResults[1].Reaction, q1 * 4.5 / 2 - mb / 4.5, "R A");
    ExpectNear(r.NodeResults[2].Reaction, q1 * 4.5 / 2 + mb / 4.5 + q2 * 1.8 + p, "R B");
    ExpectNear(r.MemberResults[2].QRight, p, "shear under the parapet");
}

TEST(Examples, SpringSupportsFollowCompatibility) {
    BeamModel m;
    const CalcResults r = Calculate("beam-on-spring-supports.KMX", m);
    // Simple 15 m beam under w = 3 t/m with the spring forces R at 5 and 10 m:
    // deflection at 5 m = R / k.
    const double w = 3.0, l = 15.0, ei = 2.1e6 * (40.0 * 512000.0 / 12.0) / 1e8, k = 4200.0;
    const double dw = w * 5 * (l * l * l - 2 * l * 25 + 125) / (24 * ei);
    const double f = 25 * 100 / (3 * ei * l) + 5 * 5 * (l * l - 25 - 25) / (6 * ei * l);
    const double spring = dw / (f + 1 / k);
    ExpectNear(r.NodeResults[2].Reaction, spring, "spring B");
    ExpectNear(r.NodeResults[3].Reaction, spring, "spring C");
    ExpectNear(r.NodeResults[1].Reaction, (w * l - 2 * spring) / 2, "R A");
    ExpectNear(r.NodeResults[2].Deflection, spring / 42.0, "deflection B (cm)");
    EXPECT_EQ(double(m.Supports[2].SpringConstant), 42.0);
}

TEST(Examples, GerberBeamCarriesItsSuspendedSpan) {
    BeamModel m;
    const CalcResults r = Calculate("gerber-beam-with-hinge.KMX", m);
    // Suspended span: 2 t/m over 6 m and 4 t at 3 m: 8 t at D and on the hinge.
    ExpectNear(r.NodeResults[4].Reaction, 8.0, "R D");
    ExpectNear(r.MemberResults[2].MRight, 0.0, "M at the hinge");
    ExpectNear(r.MemberResults[3].MLeft, 0.0, "M right of the hinge");
    ExpectNear(r.MemberResults[3].MCenter, 2.0 * 36 / 8 + 4.0 * 6 / 4, "suspended mid-span");
    // Overhang: 2 t/m over 2 m and the 8 t of the hinge: 20 t m at B.
    ExpectNear(r.MemberResults[1].MRight, 20.0, "M at B");
    ExpectNear(r.NodeResults[1].Reaction, 8.0 - 20.0 / 8, "R A");
    ExpectNear(r.NodeResults[2].Reaction, 36.0 - 5.5 - 8.0, "R B");
    ExpectNear(r.NodeResults[3].Reaction, 0.0, "no reaction at the hinge");
}

}  // namespace
}  // namespace kmr
