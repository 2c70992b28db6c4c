// The Japanese messages of data-file errors (internal to the model library).
#pragma once

#include <cstddef>
#include <string>

namespace kmr::text {

// The system's reason for an errno value.
std::string SystemReason(int error);

std::string CannotOpen(const std::string& fileName, int error);
std::string NotRegularFile(const std::string& fileName);
// The reason of a write onto something that is not a regular file.
std::string NotRegularTarget();
std::string TooShort(const std::string& fileName, bool version1, std::size_t size,
                     std::size_t expected);
std::string BadSpanCount(const std::string& fileName, long spanCount);
std::string NotFinite(const std::string& fileName, const std::string& field);
std::string CannotWrite(const std::string& fileName, const std::string& reason, bool previousKept);
std::string Version1Target(const std::string& fileName);

}  // namespace kmr::text
