#include "app/cli/ShiftJis.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <iconv.h>

#include <cerrno>
#endif

namespace kmr::cli {
namespace {

const char kReplacement[] = "\xEF\xBF\xBD";  // U+FFFD

}  // namespace

#ifdef _WIN32

// The system's code page 932, one character at a time, so that a byte that
// starts no character is replaced exactly as the iconv conversion does it.
// Code page 932 of Windows maps the single bytes 0x80, 0xA0 and 0xFD to 0xFF
// to characters of its own; as CP932 of iconv they start no character.
std::string ShiftJisToUtf8(const std::string& sjis) {
    std::string out;
    std::size_t i = 0;
    while (i < sjis.size()) {
        const unsigned char b = static_cast<unsigned char>(sjis[i]);
        if (b < 0x80) {
            out += static_cast<char>(b);
            ++i;
            continue;
        }
        const bool lead = (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
        const bool kana = b >= 0xA1 && b <= 0xDF;
        const int length = lead ? 2 : 1;
        wchar_t wide[2];
        int n = 0;
        if ((lead && i + 1 < sjis.size()) || kana) {
            n = MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, sjis.data() + i, length, wide, 2);
        }
        if (n == 1) {
            char utf8[4];
            const int m =
                WideCharToMultiByte(CP_UTF8, 0, wide, 1, utf8, sizeof utf8, nullptr, nullptr);
            out.append(utf8, static_cast<std::size_t>(m));
            i += static_cast<std::size_t>(length);
        } else {
            out += kReplacement;  // invalid or cut short: skip one byte
            ++i;
        }
    }
    return out;
}

#else

namespace {

class Converter {
  public:
    Converter() : cd_(iconv_open("UTF-8", "CP932")) {}
    ~Converter() {
        if (cd_ != reinterpret_cast<iconv_t>(-1)) iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;
    bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }
    iconv_t get() const { return cd_; }

  private:
    iconv_t cd_;
};

// ASCII only, when no converter exists: everything else is replaced.
std::string AsciiOnly(const std::string& s) {
    std::string out;
    for (unsigned char c : s) out += c < 0x80 ? std::string(1, static_cast<char>(c)) : kReplacement;
    return out;
}

}  // namespace

std::string ShiftJisToUtf8(const std::string& sjis) {
    Converter conv;
    if (!conv.ok()) return AsciiOnly(sjis);
    std::string out;
    std::string in = sjis;
    char* src = in.data();
    std::size_t left = in.size();
    char buf[256];
    while (left > 0) {
        char* dst = buf;
        std::size_t room = sizeof buf;
        const std::size_t r = iconv(conv.get(), &src, &left, &dst, &room);
        out.append(buf, static_cast<std::size_t>(dst - buf));
        if (r == static_cast<std::size_t>(-1) && errno != E2BIG) {
            out += kReplacement;  // invalid or cut short: skip one byte
            ++src;
            --left;
            iconv(conv.get(), nullptr, nullptr, nullptr, nullptr);
        }
    }
    return out;
}

#endif

}  // namespace kmr::cli
