// Byte images of the data files: the version-3 layout (the model's three
// blocks as stored) and the blocks of the older version-1 layout.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "model/Model.h"

namespace kmr {

constexpr std::size_t kHeaderBytes = 125;
constexpr std::size_t kMemberRecordBytes = 347;
constexpr std::size_t kSupportRecordBytes = 91;
constexpr std::size_t kMembersOffset = kHeaderBytes;
constexpr std::size_t kSupportsOffset = kMembersOffset + (kMaxSpans + 1) * kMemberRecordBytes;
constexpr std::size_t kVersion3Bytes = kSupportsOffset + (kMaxSupports + 1) * kSupportRecordBytes;
static_assert(kVersion3Bytes == 5034, "version-3 file size");

// Version-1 blocks, as read: every real is a single.
struct OldHeader {
    std::array<std::uint8_t, 21> Identification{};  // not interpreted
    std::int32_t SpanCapacity = 0;
    std::int32_t SpanCount = 0;
    float CommonLoad = 0;
    float CommonLoadHeight = 0;
    float CommonE = 0;
    std::uint16_t IoInputMode = 0;
    float CommonIo = 0;
    float CommonIoBD = 0;
    float CommonB = 0;
    float CommonD = 0;
    float CommonSpring = 0;
};

struct OldMemberLoad {
    std::int32_t LoadType = 0;
    float Value1 = 0;  // position of a concentrated load, height of a distributed one
    float Value2 = 0;  // load value
};

struct OldMemberRecord {
    float SpanLength = 0;
    float Io = 0;
    float Third = 0;
    float Fourth = 0;
    float E = 0;
    float B = 0;
    float D = 0;
    std::array<OldMemberLoad, kLoadSlots> Loads{};
};

struct OldNodeLoad {
    std::int32_t LoadType = 0;
    float Value = 0;
};

struct OldSupportRecord {
    std::int32_t Condition = 0;
    std::array<OldNodeLoad, 3> NodeLoads{};
    float SpringConstant = 0;
};

struct OldUnits {
    std::int32_t InputUnit = 0;
    std::int32_t OutputUnit = 0;
};

// The four blocks of a version-1 file; Members[0] is member 1, Supports[0]
// support 1.
struct Version1Blocks {
    OldHeader Header;
    std::array<OldMemberRecord, kMaxSpans> Members{};
    std::array<OldSupportRecord, kMaxSupports> Supports{};
    OldUnits Units;
};

constexpr std::size_t kOldHeaderBytes = 63;
constexpr std::size_t kOldMemberRecordBytes = 88;
constexpr std::size_t kOldSupportRecordBytes = 32;
constexpr std::size_t kOldMembersOffset = kOldHeaderBytes;
constexpr std::size_t kOldSupportsOffset = kOldMembersOffset + kMaxSpans * kOldMemberRecordBytes;
constexpr std::size_t kOldUnitsOffset = kOldSupportsOffset + kMaxSupports * kOldSupportRecordBytes;
constexpr std::size_t kVersion1Bytes = kOldUnitsOffset + 8;
static_assert(kVersion1Bytes == 1303, "version-1 file size");

// The 5034-byte image of the model, exactly as held.
std::vector<std::uint8_t> EncodeVersion3(const BeamModel& model);
// Replaces the whole model from a 5034-byte image (no checks).
void DecodeVersion3(const std::uint8_t* image, BeamModel& model);
// The blocks of a 1303-byte image.
Version1Blocks DecodeVersion1(const std::uint8_t* image);

}  // namespace kmr
