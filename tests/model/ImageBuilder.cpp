#include "ImageBuilder.h"

#include <cmath>
#include <cstring>

namespace kmr::test {

void ByteImage::Int32(std::size_t at, std::int32_t v) {
    for (int i = 0; i < 4; ++i) bytes.at(at + i) = static_cast<std::uint8_t>(v >> (8 * i));
}

void ByteImage::Word(std::size_t at, std::uint16_t v) {
    bytes.at(at) = static_cast<std::uint8_t>(v);
    bytes.at(at + 1) = static_cast<std::uint8_t>(v >> 8);
}

void ByteImage::Real(std::size_t at, double v) {
    std::uint64_t sig = 0;
    std::uint16_t signExp = 0;
    if (v != 0) {
        int e = 0;
        const double m = std::frexp(std::fabs(v), &e);  // |v| = m * 2^e, m in [0.5, 1)
        sig = static_cast<std::uint64_t>(std::ldexp(m, 64));
        signExp = static_cast<std::uint16_t>((e - 1 + 16383) | (v < 0 ? 0x8000 : 0));
    }
    for (int i = 0; i < 8; ++i) bytes.at(at + i) = static_cast<std::uint8_t>(sig >> (8 * i));
    Word(at + 8, signExp);
}

void ByteImage::Single(std::size_t at, float v) {
    std::uint32_t b;
    std::memcpy(&b, &v, 4);
    Int32(at, static_cast<std::int32_t>(b));
}

void ByteImage::Text(std::size_t at, const std::string& s) {
    bytes.at(at) = static_cast<std::uint8_t>(s.size());
    for (std::size_t i = 0; i < s.size(); ++i)
        bytes.at(at + 1 + i) = static_cast<std::uint8_t>(s[i]);
}

ByteImage NewModelVersion3() {
    ByteImage b(5034);
    b.Text(0, "PLOV-Kmr");
    b.Text(9, "3.0.6");
    b.Int32(15, 10);
    b.Int32(19, 2);
    for (int m = 1; m <= 10; ++m) {
        b.Text(Member3(m), std::to_string(m));
        for (int j = 1; j <= 5; ++j) b.Int32(MemberSlot3(m, j), 6);
    }
    for (int s = 1; s <= 11; ++s) {
        b.Text(Support3(s), std::string(1, static_cast<char>('A' + s - 1)));
        b.Int32(Support3(s) + 7, 1);
        for (int j = 1; j <= 5; ++j) b.Int32(NodeSlot3(s, j), 2);
    }
    return b;
}

ByteImage TwoSpanSampleVersion3() {
    ByteImage b = NewModelVersion3();
    b.Real(23, 2.5);       // CommonLoad
    b.Real(33, 3.0);       // CommonLoadHeight
    b.Real(47, 2100.0);    // CommonE
    b.Real(59, 120000.0);  // CommonIo
    b.Real(99, 50.0);      // CommonSpring
    b.Real(Member3(1) + 7, 6.0);
    b.Real(Member3(1) + 17, 240000.0);
    b.Real(Member3(2) + 7, 4.0);
    b.Real(Member3(2) + 57, 30.0);  // B
    b.Real(Member3(2) + 67, 60.0);  // D
    b.Real(Member3(2) + 17, 540000.0);
    b.Int32(MemberSlot3(1, 1), 3);  // uniform over 1..5 m, 1.5 m high, 2 t/m2
    b.Real(MemberSlot3(1, 1) + 4, 1.0);
    b.Real(MemberSlot3(1, 1) + 14, 4.0);
    b.Real(MemberSlot3(1, 1) + 34, 1.5);
    b.Real(MemberSlot3(1, 1) + 44, 2.0);
    b.Int32(MemberSlot3(2, 2), 0);  // 10 t at 1.25 m
    b.Real(MemberSlot3(2, 2) + 4, 1.25);
    b.Real(MemberSlot3(2, 2) + 44, 10.0);
    b.Int32(Support3(1) + 7, 0);  // A fixed
    b.Int32(Support3(3) + 7, 3);  // C spring
    b.Real(Support3(3) + 81, 80.0);
    b.Int32(NodeSlot3(2, 1), 1);  // B: moment 5 t·m
    b.Real(NodeSlot3(2, 1) + 4, 5.0);
    return b;
}

ByteImage OldSampleVersion1() {
    ByteImage b(1303);
    for (int i = 0; i < 21; ++i) b.bytes[i] = static_cast<std::uint8_t>("PLOV-Kmr Ver.1.2 data"[i]);
    b.Int32(21, 10);
    b.Int32(25, 2);
    b.Single(29, 1.25f);    // common load
    b.Single(33, 2.0f);     // its height
    b.Single(37, 2100.0f);  // common E
    b.Word(41, 0);
    b.Single(43, 90000.0f);
    b.Single(59, 40.0f);  // common spring
    b.Single(Member1(1), 6.0f);
    b.Single(Member1(2), 5.0f);
    b.Single(Member1(2) + 4, 150000.0f);
    b.Single(Member1(2) + 16, 2050.0f);
    b.Int32(MemberSlot1(1, 1), 1);  // distributed: height 1.5, 2.0
    b.Single(MemberSlot1(1, 1) + 4, 1.5f);
    b.Single(MemberSlot1(1, 1) + 8, 2.0f);
    b.Int32(MemberSlot1(2, 1), 0);  // concentrated: 8 at 2.0 m
    b.Single(MemberSlot1(2, 1) + 4, 2.0f);
    b.Single(MemberSlot1(2, 1) + 8, 8.0f);
    for (int j = 2; j <= 5; ++j) b.Int32(MemberSlot1(1, j), 0);
    b.Int32(Support1(1), 1);
    b.Int32(Support1(2), 1);
    b.Int32(Support1(3), 3);  // spring, constant from the common value
    b.Int32(NodeSlot1(2, 1), 0);
    b.Single(NodeSlot1(2, 1) + 4, 3.5f);
    b.Int32(1295, 1);  // SI input
    b.Int32(1299, 1);  // SI output
    return b;
}

}  // namespace kmr::test
