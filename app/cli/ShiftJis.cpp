#include "app/cli/ShiftJis.h"

#include <iconv.h>

#include <cerrno>

namespace kmr::cli {
namespace {

const char kReplacement[] = "\xEF\xBF\xBD";  // U+FFFD

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

}  // namespace kmr::cli
