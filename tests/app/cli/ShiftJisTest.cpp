// Shift-JIS (code page 932) texts of the data files as UTF-8, the same on
// every system.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "app/cli/ShiftJis.h"

namespace kmr::cli {
namespace {

TEST(ShiftJis, CharactersAndInvalidBytes) {
    struct Case {
        const char* sjis;
        const char* utf8;
    };
    const Case cases[] = {
        {"Beam \x5C~", "Beam \\~"},                                  // ASCII stays ASCII
        {"\x8E\x4F\x83\x58\x83\x70\x83\x93\x97\xC0", "三スパン梁"},  // kanji and katakana
        {"\xB6\xDE", "ｶﾞ"},                                          // half-width katakana
        {"\x87\x40\xFA\x40\xED\x40", "①ⅰ纊"},                        // NEC and IBM extensions
        {"\x81\x60", "～"},                                          // wave dash as Windows has it
        {"\xF0\x40", "\xEE\x80\x80"},                                // user area: U+E000
        {"\x80\xA0\xFD\xFE\xFF", "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},
        {"\x81\x20", "\xEF\xBF\xBD "},  // a lead byte without its second byte
        {"A\x82", "A\xEF\xBF\xBD"},     // cut short at the end
        {"\x85\x40", "\xEF\xBF\xBD@"},  // an unassigned pair
    };
    for (const Case& c : cases) EXPECT_EQ(ShiftJisToUtf8(c.sjis), c.utf8) << c.utf8;
}

// Every single byte and every pair starting at 0x80 or above, decoded; the
// fingerprint is that of the iconv (glibc CP932) decoding on Linux, so the
// Windows build proves its code page 932 decoding gives the same.
TEST(ShiftJis, EveryPairAsOnLinux) {
    std::uint64_t hash = 14695981039346656037u;  // FNV-1a
    auto add = [&hash](const std::string& s) {
        for (unsigned char c : s + "|") hash = (hash ^ c) * 1099511628211u;
    };
    for (int first = 0x80; first <= 0xFF; ++first) {
        add(ShiftJisToUtf8(std::string(1, static_cast<char>(first))));
        for (int second = 0; second <= 0xFF; ++second) {
            add(ShiftJisToUtf8({static_cast<char>(first), static_cast<char>(second)}));
        }
    }
    EXPECT_EQ(hash, 527939066702503368u);
}

}  // namespace
}  // namespace kmr::cli
