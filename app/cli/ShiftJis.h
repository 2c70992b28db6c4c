// Text of the data files (Shift-JIS, Windows code page 932) as UTF-8.
#pragma once

#include <string>

namespace kmr::cli {

// Bytes that are not valid Shift-JIS become U+FFFD, one per byte.
std::string ShiftJisToUtf8(const std::string& sjis);

}  // namespace kmr::cli
