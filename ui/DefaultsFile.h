// The defaults file "PLOVKmr.def": 864 bytes holding the page-break default,
// 80 bytes the program keeps as read, and the Young's modulus list of 20
// entries of 39 bytes (name length, 30 bytes of Shift-JIS name, E in N/mm2
// as a little-endian double).
#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <string>

namespace kmr::ui {

class DefaultsBlock {
  public:
    static constexpr int kSize = 864;
    static constexpr int kYoungOffset = 84;
    static constexpr int kYoungEntries = 20;
    static constexpr int kYoungEntrySize = 39;
    static constexpr int kYoungNameCapacity = 30;

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

// Reads the whole block. A missing file, or one that is not 864 bytes long,
// leaves the block zero and says so (the caller decides whether to seed it).
DefaultsRead ReadDefaultsFile(const QString& path, DefaultsBlock& block);
// Creates or replaces the file with the 864 bytes in one atomic step; on
// failure returns false and an error text naming the file.
bool WriteDefaultsFile(const QString& path, const DefaultsBlock& block, QString* error);

}  // namespace kmr::ui
