// Hand-made data-file images for the tests, built by offset from the layout
// tables and independent of the model's own reader and writer.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace kmr::test {

class ByteImage {
  public:
    explicit ByteImage(std::size_t size) : bytes(size, 0) {}
    void Int32(std::size_t at, std::int32_t v);
    void Word(std::size_t at, std::uint16_t v);
    // 80-bit extended from a finite double, by frexp.
    void Real(std::size_t at, double v);
    void Single(std::size_t at, float v);
    void Text(std::size_t at, const std::string& s);  // length byte, then the text
    std::vector<std::uint8_t> bytes;
};

// Version 3: offsets of the blocks.
constexpr std::size_t Member3(int m) {
    return 125 + 347 * static_cast<std::size_t>(m);
}
constexpr std::size_t Support3(int s) {
    return 3942 + 91 * static_cast<std::size_t>(s);
}
constexpr std::size_t MemberSlot3(int m, int j) {
    return Member3(m) + 77 + 54 * (j - 1);
}
constexpr std::size_t NodeSlot3(int s, int j) {
    return Support3(s) + 11 + 14 * (j - 1);
}

// Version 1: offsets of the blocks (members 1..10, supports 1..11).
constexpr std::size_t Member1(int m) {
    return 63 + 88 * static_cast<std::size_t>(m - 1);
}
constexpr std::size_t Support1(int s) {
    return 943 + 32 * static_cast<std::size_t>(s - 1);
}
constexpr std::size_t MemberSlot1(int m, int j) {
    return Member1(m) + 28 + 12 * (j - 1);
}
constexpr std::size_t NodeSlot1(int s, int j) {
    return Support1(s) + 4 + 8 * (j - 1);
}

// What a new model (program start, version text "3.0.6") writes.
ByteImage NewModelVersion3();
// Two spans of 6 m and 4 m on a fixed and two simple supports, with a
// uniform and a concentrated member load, a node moment and a spring support.
ByteImage TwoSpanSampleVersion3();
// An old two-span file: a distributed load (old type 1), a concentrated
// load, a node force, common Io, E and spring constant, SI units.
ByteImage OldSampleVersion1();

}  // namespace kmr::test
