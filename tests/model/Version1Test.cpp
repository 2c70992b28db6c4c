// Version-1 conversion on hand-built 1303-byte images, rule by rule.
#include <gtest/gtest.h>

#include <cmath>

#include "ImageBuilder.h"
#include "TempDir.h"
#include "model/DataFile.h"

namespace kmr {
namespace {

using test::ByteImage;
using test::Member1;
using test::MemberSlot1;
using test::NodeSlot1;
using test::Support1;

const float kEps = 1e-6f;

BeamModel StartModel() {
    BeamModel model;
    model.Header.DefaultInputUnit = 1;
    model.Header.DefaultOutputUnit = 1;
    InitProgramModel(model, "3.0.6");
    return model;
}

BeamModel Convert(const ByteImage& image, BeamModel model = StartModel()) {
    LoadDataImage(FileKind::Version1, "old.Kmr", image.bytes, model);
    return model;
}

TEST(Version1, HeaderFieldsAndTheFieldsThatKeepTheirValues) {
    ByteImage image = test::OldSampleVersion1();
    image.Int32(21, 12);  // span capacity, taken as it is
    image.Word(41, 1);
    image.Single(47, 2500.0f);
    image.Single(51, 0.1f);
    image.Single(55, 60.0f);
    BeamModel before = StartModel();
    before.Header.CommonLoadOff = 1;
    before.Members[0].SpanLength = 3.0;
    before.Supports[0].Condition = 4;
    before.Members[1].Name.Assign("x");
    const BeamModel model = Convert(image, before);
    const ModelHeader& h = model.Header;
    EXPECT_EQ(h.ProductId.Str(), "PLOV-Kmr");
    EXPECT_EQ(h.ProgramVersion.Str(), "3.0.6");
    EXPECT_EQ(h.MaxSpans, 12);
    EXPECT_EQ(h.SpanCount, 2);
    EXPECT_EQ(h.CommonLoad.Value(), 1.25);
    EXPECT_EQ(h.CommonLoadHeight.Value(), 2.0);
    EXPECT_EQ(h.CommonLoadOff, 1);
    EXPECT_EQ(h.CommonE.Value(), 2100.0);
    EXPECT_EQ(h.IoInputMode, 1);
    EXPECT_EQ(h.CommonIo.Value(), 90000.0);
    EXPECT_EQ(h.CommonIoBD.Value(), 2500.0);
    EXPECT_EQ(h.CommonB.Value(), static_cast<double>(0.1f));  // widened exactly
    EXPECT_EQ(h.CommonB.bytes, Extended(static_cast<double>(0.1f)).bytes);
    EXPECT_EQ(h.CommonD.Value(), 60.0);
    EXPECT_EQ(h.CommonSpring.Value(), 40.0);
    EXPECT_EQ(h.InputUnit, 1);
    EXPECT_EQ(h.OutputUnit, 1);
    EXPECT_EQ(h.DefaultInputUnit, 1);
    EXPECT_EQ(model.Members[0].SpanLength.Value(), 3.0);
    EXPECT_EQ(model.Supports[0].Condition, 4);
    EXPECT_EQ(model.Members[1].Name.Str(), "x");  // the caller renames
}

struct LoadCase {
    const char* what;
    std::int32_t oldType;
    float v1, v2;
    std::int32_t type;
    double distance, length1, height;
};

TEST(Version1, MemberLoadSlots) {
    const LoadCase cases[] = {
        {"distributed old 1", 1, 1.5f, 2.0f, kLoadUniform, 0, 6, 1.5},
        {"triangle old 2", 2, 1.0f, 3.0f, kLoadTriangle, 0, 6, 1.0},
        {"trapezoid old 3 over the whole span", 3, 2.0f, 1.0f, kLoadTrapezoid, 0, 6, 2.0},
        {"concentrated", 0, 2.0f, 5.0f, kLoadConcentrated, 2.0, 0, 0},
        {"concentrated of value 0 keeps its place", 0, 2.0f, 0.0f, kLoadNone, 2.0, 0, 0},
        {"value exactly epsilon is no load", 1, 1.0f, kEps, kLoadNone, 0, 6, 1.0},
        {"negative value counts by magnitude", 1, 1.0f, -3.0f, kLoadUniform, 0, 6, 1.0},
        {"unknown old type is no load", 7, 1.0f, 4.0f, kLoadNone, 0, 6, 1.0},
        {"negative old type is no load", -1, 1.0f, 4.0f, kLoadNone, 0, 6, 1.0},
    };
    for (const LoadCase& c : cases) {
        ByteImage image = test::OldSampleVersion1();
        image.Int32(MemberSlot1(1, 3), c.oldType);
        image.Single(MemberSlot1(1, 3) + 4, c.v1);
        image.Single(MemberSlot1(1, 3) + 8, c.v2);
        const BeamModel model = Convert(image);
        const MemberLoad& load = model.Members[1].Loads[2];
        EXPECT_EQ(load.LoadType, c.type) << c.what;
        EXPECT_EQ(load.Distance.Value(), c.distance) << c.what;
        EXPECT_EQ(load.Length1.Value(), c.length1) << c.what;
        EXPECT_EQ(load.Length2.Value(), 0.0) << c.what;
        EXPECT_EQ(load.Height.Value(), c.height) << c.what;
        EXPECT_EQ(load.Value.Value(), static_cast<double>(c.v2)) << c.what;
    }
}

TEST(Version1, SampleMembersAndEmptySlots) {
    const BeamModel model = Convert(test::OldSampleVersion1());
    const MemberRecord& m2 = model.Members[2];
    EXPECT_EQ(m2.SpanLength.Value(), 5.0);
    EXPECT_EQ(m2.Io.Value(), 150000.0);
    EXPECT_EQ(m2.E.Value(), 2050.0);
    EXPECT_EQ(m2.Loads[0].LoadType, kLoadConcentrated);
    EXPECT_EQ(m2.Loads[0].Value.Value(), 8.0);
    for (int j = 1; j < 5; ++j) EXPECT_EQ(m2.Loads[j].LoadType, kLoadNone);
    // Unused members: zero span, common Io and E filled in, no loads.
    EXPECT_EQ(model.Members[7].Io.Value(), 90000.0);
    EXPECT_EQ(model.Members[7].E.Value(), 2100.0);
    EXPECT_EQ(model.Members[7].Loads[0].LoadType, kLoadNone);
}

struct IoCase {
    const char* what;
    std::uint16_t mode;
    float io, commonIo, commonIoBD, e, commonE;
    double wantIo, wantE;
};

TEST(Version1, IoAndEFallBackToTheCommonValues) {
    const IoCase cases[] = {
        {"mode 0 takes the direct common Io", 0, 0, 500, 900, 0, 2100, 500, 2100},
        {"mode 1 takes the computed common Io", 1, 0, 500, 900, 0, 2100, 900, 2100},
        {"set values stay", 0, 800, 500, 900, 205, 2100, 800, 205},
        {"common at epsilon does not count", 0, 0, kEps, 900, 0, kEps, 0, 0},
        {"member at epsilon counts as set", 0, kEps, 500, 900, kEps, 2100, kEps, kEps},
        {"negative member values are unset", 1, -2, 500, 900, -1, 2100, 900, 2100},
        {"other modes take nothing", 2, 0, 500, 900, 0, 2100, 0, 2100},
    };
    for (const IoCase& c : cases) {
        ByteImage image = test::OldSampleVersion1();
        image.Word(41, c.mode);
        image.Single(43, c.commonIo);
        image.Single(47, c.commonIoBD);
        image.Single(37, c.commonE);
        image.Single(Member1(2) + 4, c.io);
        image.Single(Member1(2) + 16, c.e);
        const BeamModel model = Convert(image);
        const MemberRecord& m = model.Members[2];
        EXPECT_EQ(m.Io.Value(), static_cast<double>(static_cast<float>(c.wantIo))) << c.what;
        EXPECT_EQ(m.E.Value(), static_cast<double>(static_cast<float>(c.wantE))) << c.what;
    }
}

TEST(Version1, ReservedFieldsCarryTheThirdAndFourthValues) {
    ByteImage image = test::OldSampleVersion1();
    image.Single(Member1(1) + 8, 11.5f);
    image.Single(Member1(1) + 12, -0.25f);
    image.Single(Member1(1) + 20, 30.0f);
    image.Single(Member1(1) + 24, 70.0f);
    const BeamModel model = Convert(image);
    const MemberRecord& m = model.Members[1];
    EXPECT_EQ(m.Reserved1.Value(), 11.5);
    EXPECT_EQ(m.Reserved2.Value(), -0.25);
    EXPECT_EQ(m.B.Value(), 30.0);
    EXPECT_EQ(m.D.Value(), 70.0);
}

TEST(Version1, SupportsNodeLoadsSpringsAndConditions) {
    ByteImage image = test::OldSampleVersion1();
    image.Int32(NodeSlot1(1, 1), 1);  // moment
    image.Single(NodeSlot1(1, 1) + 4, -2.0f);
    image.Int32(NodeSlot1(1, 2), 0);  // value below epsilon
    image.Single(NodeSlot1(1, 2) + 4, 5e-7f);
    image.Int32(NodeSlot1(1, 3), 1);  // exactly epsilon stays
    image.Single(NodeSlot1(1, 3) + 4, kEps);
    image.Int32(Support1(1), -1);
    image.Int32(Support1(2), 3);
    image.Single(Support1(2) + 28, 15.0f);  // own spring constant stays
    image.Int32(Support1(4), 9);            // out of the table: kept as it is
    BeamModel before = StartModel();
    before.Supports[1].NodeLoads[3].LoadType = kNodeForce;
    before.Supports[1].NodeLoads[3].Value = 9.0;
    const BeamModel model = Convert(image, before);
    const SupportRecord& a = model.Supports[1];
    EXPECT_EQ(a.NodeLoads[0].LoadType, kNodeMoment);
    EXPECT_EQ(a.NodeLoads[0].Value.Value(), -2.0);
    EXPECT_EQ(a.NodeLoads[1].LoadType, kNodeNone);
    EXPECT_EQ(a.NodeLoads[1].Value.Value(), static_cast<double>(5e-7f));
    EXPECT_EQ(a.NodeLoads[2].LoadType, kNodeMoment);
    for (int j = 3; j < 5; ++j) {
        EXPECT_EQ(a.NodeLoads[j].LoadType, kNodeNone);
        EXPECT_EQ(a.NodeLoads[j].Value.Value(), 0.0);
    }
    EXPECT_EQ(a.Condition, 6);                  // -1 becomes 6: no restraint
    EXPECT_EQ(a.SpringConstant.Value(), 40.0);  // every support takes the common constant
    EXPECT_EQ(model.Supports[2].SpringConstant.Value(), 15.0);
    EXPECT_EQ(model.Supports[3].Condition, kSupportSpring);
    EXPECT_EQ(model.Supports[3].SpringConstant.Value(), 40.0);
    EXPECT_EQ(model.Supports[2].NodeLoads[0].LoadType, kNodeForce);
    EXPECT_EQ(model.Supports[2].NodeLoads[0].Value.Value(), 3.5);
    EXPECT_EQ(model.Supports[4].Condition, 9);
    EXPECT_FALSE(IsSupportConditionCode(a.Condition));
}

TEST(Version1, CommonSpringAtEpsilonIsNotUsed) {
    ByteImage image = test::OldSampleVersion1();
    image.Single(59, kEps);
    EXPECT_EQ(Convert(image).Supports[3].SpringConstant.Value(), 0.0);
}

class Version1File : public test::TempDirTest {};

TEST_F(Version1File, ReadByLowerCaseExtensionReportsVersion1) {
    test::WriteBytes(Path("old.kmr"), test::OldSampleVersion1().bytes);
    BeamModel model = StartModel();
    const DataFileResult r = ReadDataFile(Path("old.kmr"), model);
    EXPECT_EQ(r.kind, FileKind::Version1);
    EXPECT_EQ(r.fileName, Path("old.kmr"));
    EXPECT_EQ(model.Members[1].Loads[0].LoadType, kLoadUniform);
    EXPECT_EQ(model.Members[1].Loads[0].Length1.Value(), 6.0);
}

}  // namespace
}  // namespace kmr
