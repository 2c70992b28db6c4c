// The defaults file "PLOVKmr.def" of the per-user folder: 864 bytes holding
// the page-break default, 80 bytes the program keeps as read, and the
// Young's modulus list of 20 entries of 39 bytes (name length, 30 bytes of
// Shift-JIS name, E in N/mm2 as a little-endian double). The window and the
// command line's report read it here, and only here is its layout known.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace kmr {

class DefaultsBlock {
  public:
    static constexpr int kSize = 864;
    static constexpr int kYoungOffset = 84;
    static constexpr int kYoungEntries = 20;
    static constexpr int kYoungEntrySize = 39;
    static constexpr int kYoungNameCapacity = 30;

    // True: the input tables follow the results without a page break.
    bool PageBreakDefault() const;
    void SetPageBreakDefault(bool on);

    // Entry i = 1..20: the name's Shift-JIS bytes (cut to its stored length,
    // at most 30) and E in N/mm2 (0 or less: no value).
    std::string YoungNameBytes(int i) const;
    void SetYoungNameBytes(int i, const std::string& shiftJis);
    double YoungE(int i) const;
    void SetYoungE(int i, double e);

    const std::array<std::uint8_t, kSize>& Bytes() const { return bytes_; }
    std::array<std::uint8_t, kSize>& Bytes() { return bytes_; }

  private:
    std::size_t EntryOffset(int i) const;
    std::array<std::uint8_t, kSize> bytes_{};
};

enum class DefaultsRead { Read, Missing, WrongSize };

// Reads the whole block from the file `fileName` (UTF-8). A missing file
// reads as Missing; anything but a regular file of exactly 864 bytes (a
// pipe, a device, a folder, a file of another size) as WrongSize without
// waiting on it. The block is zero unless Read (the caller decides whether
// to seed it).
DefaultsRead ReadDefaultsFile(const std::string& fileName, DefaultsBlock& block);

// Creates or replaces the file with the 864 bytes in one atomic step; on
// failure returns false and the reason in words.
bool WriteDefaultsFile(const std::string& fileName, const DefaultsBlock& block,
                       std::string* reason);

}  // namespace kmr
