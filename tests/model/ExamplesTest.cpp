// The files under examples/ are the images of the byte builders. Run with
// KMR_UPDATE_EXAMPLES=1 to write them again after a builder changed.
#include <gtest/gtest.h>

#include <cstdlib>

#include "ImageBuilder.h"
#include "TempDir.h"
#include "model/DataFile.h"

namespace kmr {
namespace {

struct Example {
    const char* name;
    std::vector<std::uint8_t> bytes;
};

TEST(Examples, AreTheImagesOfTheByteBuilders) {
    const Example examples[] = {
        {"two-span-sample.KMX", test::TwoSpanSampleVersion3().bytes},
        {"old-two-span.Kmr", test::OldSampleVersion1().bytes},
    };
    const std::string dir = std::string(KMR_SOURCE_DIR) + "/examples/";
    for (const Example& e : examples) {
        if (std::getenv("KMR_UPDATE_EXAMPLES")) test::WriteBytes(dir + e.name, e.bytes);
        EXPECT_EQ(test::ReadBytes(dir + e.name), e.bytes) << e.name;
        BeamModel model;
        InitProgramModel(model, "3.0.6");
        EXPECT_NO_THROW(ReadDataFile(dir + e.name, model)) << e.name;
    }
}

}  // namespace
}  // namespace kmr
