#include "model/DefaultsFile.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <stdexcept>
#include <vector>

#include "model/DataFileText.h"
#include "model/FileSystem.h"

namespace kmr {
namespace {

std::uint32_t ReadU32(const std::uint8_t* p) {
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 |
           std::uint32_t(p[3]) << 24;
}

void WriteU32(std::uint8_t* p, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) p[i] = static_cast<std::uint8_t>(v >> (8 * i));
}

}  // namespace

bool DefaultsBlock::PageBreakDefault() const {
    return ReadU32(bytes_.data()) != 0;
}

void DefaultsBlock::SetPageBreakDefault(bool on) {
    WriteU32(bytes_.data(), on ? 1 : 0);
}

std::size_t DefaultsBlock::EntryOffset(int i) const {
    if (i < 1 || i > kYoungEntries) throw std::out_of_range("Young's modulus entry");
    return static_cast<std::size_t>(kYoungOffset + kYoungEntrySize * (i - 1));
}

std::string DefaultsBlock::YoungNameBytes(int i) const {
    const std::size_t at = EntryOffset(i);
    const std::size_t len = std::min<std::size_t>(bytes_[at], kYoungNameCapacity);
    return std::string(reinterpret_cast<const char*>(&bytes_[at + 1]), len);
}

void DefaultsBlock::SetYoungNameBytes(int i, const std::string& shiftJis) {
    const std::size_t at = EntryOffset(i);
    const std::size_t len = std::min<std::size_t>(shiftJis.size(), kYoungNameCapacity);
    bytes_[at] = static_cast<std::uint8_t>(len);
    std::memcpy(&bytes_[at + 1], shiftJis.data(), len);
}

double DefaultsBlock::YoungE(int i) const {
    const std::size_t at = EntryOffset(i) + 1 + kYoungNameCapacity;
    std::uint64_t bits = 0;
    for (int k = 0; k < 8; ++k) bits |= std::uint64_t(bytes_[at + k]) << (8 * k);
    double e = 0;
    std::memcpy(&e, &bits, sizeof e);
    return e;
}

void DefaultsBlock::SetYoungE(int i, double e) {
    const std::size_t at = EntryOffset(i) + 1 + kYoungNameCapacity;
    std::uint64_t bits = 0;
    std::memcpy(&bits, &e, sizeof bits);
    for (int k = 0; k < 8; ++k) bytes_[at + k] = static_cast<std::uint8_t>(bits >> (8 * k));
}

DefaultsRead ReadDefaultsFile(const std::string& fileName, DefaultsBlock& block) {
    block = DefaultsBlock();
    const int kind = files::CheckRegularFile(fileName, DefaultsBlock::kSize);
    if (kind == ENOENT) return DefaultsRead::Missing;
    if (kind != 0) return DefaultsRead::WrongSize;
    int error = 0;
    std::FILE* f = files::OpenForRead(fileName, error);
    if (!f) return error == ENOENT ? DefaultsRead::Missing : DefaultsRead::WrongSize;
    std::vector<std::uint8_t> data(DefaultsBlock::kSize + 1);
    data.resize(std::fread(data.data(), 1, data.size(), f));
    std::fclose(f);
    if (data.size() != static_cast<std::size_t>(DefaultsBlock::kSize))
        return DefaultsRead::WrongSize;
    std::memcpy(block.Bytes().data(), data.data(), DefaultsBlock::kSize);
    return DefaultsRead::Read;
}

bool WriteDefaultsFile(const std::string& fileName, const DefaultsBlock& block,
                       std::string* reason) {
    const int error = files::WriteWholeFile(fileName, {block.Bytes().begin(), block.Bytes().end()});
    if (error != 0 && reason) {
        *reason =
            error == files::kNotRegularFile ? text::NotRegularTarget() : text::SystemReason(error);
    }
    return error == 0;
}

}  // namespace kmr
