// Design data: the block after the image (round trip, the image unchanged
// without it, a damaged block kept) and the refusals of the JSON.
#include <gtest/gtest.h>

#include "TempDir.h"
#include "model/DataFile.h"
#include "model/DesignData.h"

namespace kmr {
namespace {

using test::ReadBytes;
using test::WriteBytes;

class DesignFile : public test::TempDirTest {};

const char* const kDesign =
    R"({"method": "aij2005", "members": [{"member": 2, "section": "H-400x200x8x13",
        "steel": "SN490B", "bracing": 3, "deflectionLimit": 250},
        {"member": 1, "H": 500, "B": 200, "tw": 10, "tf": 16, "r": 8,
         "fabrication": "welded", "F": 295, "lb": 4.5, "deflectionFactor": 8}]})";

BeamModel Read(const std::string& path) {
    BeamModel m;
    InitProgramModel(m, "3.0.6");
    ReadDataFile(path, m);
    return m;
}

TEST_F(DesignFile, RoundTripsAndLeavesTheImageAlone) {
    const std::string plain = std::string(KMR_SOURCE_DIR) + "/examples/two-span-sample.KMX";
    const std::vector<std::uint8_t> original = ReadBytes(plain);
    BeamModel m = Read(plain);
    EXPECT_EQ(m.Design.State, DesignState::None);
    WriteDataFile(Path("a.KMX"), m);
    EXPECT_EQ(ReadBytes(Path("a.KMX")), original);

    const DesignData data = ParseDesignJson(kDesign, 2);
    m.Design = MakeDesignBlock(data);
    WriteDataFile(Path("b.KMX"), m);
    const BeamModel back = Read(Path("b.KMX"));
    ASSERT_EQ(back.Design.State, DesignState::Present);
    EXPECT_TRUE(back.Design.Data == data);
    EXPECT_EQ(back.Design.Data.Members[0].Member, 1);
    EXPECT_TRUE(ParseDesignJson(DesignJson(data), 2) == data);

    std::vector<std::uint8_t> bytes = ReadBytes(Path("b.KMX"));
    EXPECT_TRUE(std::equal(original.begin(), original.end(), bytes.begin()));
    // A damaged block: the beam opens, the block is reported and saved back
    // as it was.
    bytes[bytes.size() - 5] ^= 0x20;
    WriteBytes(Path("c.KMX"), bytes);
    BeamModel damaged = Read(Path("c.KMX"));
    EXPECT_EQ(damaged.Design.State, DesignState::Unreadable);
    EXPECT_NE(damaged.Design.Problem.find("チェックサム"), std::string::npos);
    EXPECT_DOUBLE_EQ(damaged.Members[1].SpanLength, m.Members[1].SpanLength);
    WriteDataFile(Path("c.KMX"), damaged);
    EXPECT_EQ(ReadBytes(Path("c.KMX")), bytes);
    ClearModel(damaged);
    EXPECT_EQ(damaged.Design.State, DesignState::None);
}

TEST(DesignJson, Refusals) {
    const struct {
        const char* json;
        const char* message;
    } cases[] = {
        {R"({"members": [{"member": 1, "sectoin": "H"}]})", "部材 1 の \"sectoin\": 不明なキー"},
        {R"({"members": [{"member": 1, "H": "400"}]})", "部材 1 の \"H\": 数値"},
        {R"({"members": [{"member": 3, "F": 235}]})", "部材番号 3 は 1〜2"},
        {R"({"members": [{"member": 1.5}]})", "\"member\": 整数"},
        {R"({"members": [{"member": 1, "H": 400, "B": 0, "tw": 8, "tf": 13, "F": 235}]})",
         "部材 1 の \"B\": 正の値"},
        {R"({"members": [{"member": 1, "section": "H-400x200x8x13"}]})", "鋼種"},
        {R"({"members": [{"member": 1, "steel": "SN400B"}]})", "断面"},
        {R"({"members": [{"member": 1, "lb": -2}]})", "\"lb\": 正の値"},
        {R"({"members": [{"member": 2}, {"member": 2}]})", "部材 2: 二度"},
        {R"({"method": "lrfd"})", "\"method\""},
        {R"({"member": 1})", "\"member\": 不明なキー"},
        {R"([1, 2])", "オブジェクト"},
        {"{", "JSON として読めません"},
    };
    for (const auto& c : cases) {
        try {
            ParseDesignJson(c.json, 2);
            ADD_FAILURE() << c.json;
        } catch (const DesignError& e) {
            EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos)
                << c.json << " -> " << e.what();
        }
    }
}

}  // namespace
}  // namespace kmr
