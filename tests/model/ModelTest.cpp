// New models, clearing and the completion of unset members.
#include <gtest/gtest.h>

#include "model/Model.h"

namespace kmr {
namespace {

TEST(Model, ProgramStartGivesTwoSimpleSpansWithoutLoads) {
    BeamModel model;
    model.Header.DefaultInputUnit = 1;
    model.Header.DefaultOutputUnit = 0;
    model.Members[4].SpanLength = 7.5;
    model.Supports[6].NodeLoads[2].Value = 3.0;
    InitProgramModel(model, "3.0.6.12");

    EXPECT_EQ(model.Header.ProductId.Str(), "PLOV-Kmr");
    EXPECT_EQ(model.Header.ProgramVersion.Str(), "3.0.6");  // cut to 5
    EXPECT_EQ(model.Header.MaxSpans, 10);
    EXPECT_EQ(model.Header.SpanCount, 2);
    EXPECT_EQ(model.Header.InputUnit, 1);
    EXPECT_EQ(model.Header.OutputUnit, 0);
    for (int m = 1; m <= 10; ++m) {
        const MemberRecord& r = model.Members[m];
        EXPECT_EQ(r.Name.Str(), std::to_string(m));
        for (double v :
             {r.SpanLength.Value(), r.Io.Value(), r.E.Value(), r.B.Value(), r.D.Value()}) {
            EXPECT_EQ(v, 0.0);
        }
        for (const MemberLoad& load : r.Loads) {
            EXPECT_EQ(load.LoadType, kLoadNone);
            EXPECT_EQ(load.Value.Value(), 0.0);
        }
    }
    for (int s = 1; s <= 11; ++s) {
        const SupportRecord& r = model.Supports[s];
        EXPECT_EQ(r.Name.Str(), std::string(1, static_cast<char>('A' + s - 1)));
        EXPECT_EQ(r.Condition, kSupportSimple);
        for (const NodeLoad& load : r.NodeLoads) {
            EXPECT_EQ(load.LoadType, kNodeNone);
            EXPECT_EQ(load.Value.Value(), 0.0);
        }
    }
}

TEST(Model, ClearKeepsModeUnitsIdentityAndRecordZero) {
    BeamModel model;
    InitProgramModel(model, "3.0.6");
    model.Header.SpanCount = 7;
    model.Header.IoInputMode = 1;
    model.Header.InputUnit = 1;
    model.Header.CommonLoadOff = 1;
    model.Header.CommonSpring = 12.0;
    model.Members[0].SpanLength = 9.0;
    model.Members[3].Reserved2 = 4.0;
    model.Supports[0].SpringConstant = 5.0;
    model.Supports[2].Condition = kSupportFixed;
    ClearModel(model);

    EXPECT_EQ(model.Header.SpanCount, 7);
    EXPECT_EQ(model.Header.IoInputMode, 1);
    EXPECT_EQ(model.Header.InputUnit, 1);
    EXPECT_EQ(model.Header.CommonLoadOff, 0);
    EXPECT_EQ(model.Header.CommonSpring.Value(), 0.0);
    EXPECT_EQ(model.Header.ProductId.Str(), "PLOV-Kmr");
    EXPECT_EQ(model.Members[0].SpanLength.Value(), 9.0);
    EXPECT_EQ(model.Members[3].Reserved2.Value(), 0.0);
    EXPECT_EQ(model.Members[3].Name.Str(), "");
    EXPECT_EQ(model.Supports[0].SpringConstant.Value(), 5.0);
    EXPECT_EQ(model.Supports[2].Condition, kSupportFixed);  // reset only by the defaults
}

// Io, B, D, E of member 1 and the spring constant of support 2 after filling.
struct FillCase {
    const char* what;
    std::uint16_t mode;
    double io, e, spring;
    std::int32_t condition;
    double wantIo, wantB, wantE, wantSpring;
};

TEST(Model, FillUnsetMembersTakesTheCommonValues) {
    const double eps = static_cast<double>(kEpsilon);
    const FillCase cases[] = {
        {"all unset, direct Io", 0, 0, 0, 0, kSupportSpring, 500, 0, 2100, 30},
        {"all unset, Io from B and D", 1, 0, 0, 0, kSupportSpring, 1350, 20, 2100, 30},
        {"set values stay", 0, 800, 205, 7, kSupportSpring, 800, 0, 205, 7},
        {"exactly epsilon is set", 0, eps, eps, eps, kSupportSpring, eps, 0, eps, eps},
        {"just below epsilon is unset", 0, eps * 0.999, 0, eps * 0.5, kSupportSpring, 500, 0, 2100,
         30},
        {"negative counts as unset", 0, -3, -1, -2, kSupportSpring, 500, 0, 2100, 30},
        {"spring only on spring supports", 0, 0, 0, 0, kSupportSimple, 500, 0, 2100, 0},
        {"unknown Io mode fills nothing", 2, 0, 0, 0, kSupportSpring, 0, 0, 2100, 30},
    };
    for (const FillCase& c : cases) {
        BeamModel model;
        InitProgramModel(model, "3.0.6");
        ModelHeader& h = model.Header;
        h.IoInputMode = c.mode;
        h.CommonIo = 500.0;
        h.CommonB = 20.0;
        h.CommonD = 9.0;
        h.CommonIoBD = 1350.0;
        h.CommonE = 2100.0;
        h.CommonSpring = 30.0;
        model.Members[1].Io = c.io;
        model.Members[1].E = c.e;
        model.Supports[2].SpringConstant = c.spring;
        model.Supports[2].Condition = c.condition;
        FillUnsetMembers(model);
        EXPECT_EQ(model.Members[1].Io.Value(), c.wantIo) << c.what;
        EXPECT_EQ(model.Members[1].B.Value(), c.wantB) << c.what;
        EXPECT_EQ(model.Members[1].E.Value(), c.wantE) << c.what;
        EXPECT_EQ(model.Supports[2].SpringConstant.Value(), c.wantSpring) << c.what;
    }
}

TEST(Model, FillUnsetMembersStopsAtTheSpanCount) {
    BeamModel model;
    InitProgramModel(model, "3.0.6");
    model.Header.CommonE = 2100.0;
    model.Header.CommonSpring = 30.0;
    for (int s = 1; s <= 11; ++s) model.Supports[s].Condition = kSupportSpring;
    FillUnsetMembers(model);  // 2 spans: members 1-2, supports A-C
    EXPECT_EQ(model.Members[2].E.Value(), 2100.0);
    EXPECT_EQ(model.Members[3].E.Value(), 0.0);
    EXPECT_EQ(model.Supports[3].SpringConstant.Value(), 30.0);
    EXPECT_EQ(model.Supports[4].SpringConstant.Value(), 0.0);

    model.Header.SpanCount = 99;  // never past the arrays
    FillUnsetMembers(model);
    EXPECT_EQ(model.Members[10].E.Value(), 2100.0);
    EXPECT_EQ(model.Supports[11].SpringConstant.Value(), 30.0);
}

TEST(Model, FilledValuesAreCopiedBitForBit) {
    BeamModel model;
    InitProgramModel(model, "3.0.6");
    model.Header.CommonE = 2100.0;
    model.Header.CommonE.bytes[0] = 0x01;  // not a double
    FillUnsetMembers(model);
    EXPECT_EQ(model.Members[1].E.bytes, model.Header.CommonE.bytes);
}

}  // namespace
}  // namespace kmr
