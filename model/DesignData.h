// The design data of the section check: per member the steel section, its
// steel, the lateral bracing and the deflection limit, and the formula of the
// allowable bending stress. Read from JSON (a file of its own or the block
// after the version-3 image) and written back as JSON; the block keeps the
// bytes as read, so a beam is saved with its design data unchanged.
#pragma once

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace kmr {

// The formula of the allowable bending stress fb.
enum class BucklingFormula { Notification, Aij2005 };

enum class Fabrication { Rolled, Welded };

struct MemberDesign {
    int Member = 0;  // 1..10
    // A designation of the built-in list ("H-400x200x8x13"), or plates.
    std::string Section;
    bool HasPlates = false;
    double H = 0, B = 0, Tw = 0, Tf = 0, R = 0;  // mm; R the fillet or weld leg
    Fabrication Fab = Fabrication::Rolled;
    // A grade ("SN400B") or F (N/mm2) given directly (F > 0).
    std::string Steel;
    double F = 0;
    int Bracing = 1;  // equal segments between lateral braces
    double Lb = 0;    // m; 0: L / Bracing
    double DeflectionLimit = 300;
    double DeflectionFactor = 1;

    bool HasSection() const { return !Section.empty() || HasPlates; }
    bool operator==(const MemberDesign& o) const;
};

struct DesignData {
    BucklingFormula Method = BucklingFormula::Notification;
    std::vector<MemberDesign> Members;  // ascending member number

    const MemberDesign* Find(int member) const;
    bool operator==(const DesignData& o) const {
        return Method == o.Method && Members == o.Members;
    }
};

// A refused design: the whole Japanese message, naming the member and key.
class DesignError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Parses and checks the JSON: unknown keys, wrong types, members outside
// 1..spanCount, repeated members, non-positive dimensions and lengths are
// refused with DesignError. Designations and grades are checked by the
// section check, which owns their lists.
DesignData ParseDesignJson(const std::string& text, int spanCount);
// The JSON text of the design data (indented and ending with a newline, or
// compact on one line without one); parsed back it gives the same data.
std::string DesignJson(const DesignData& data, bool compact = false);

// The design data held with a beam. None: the file ends with the image.
// Present: Data parsed from Raw. Unreadable: a block whose tag was found but
// whose version, length, checksum or JSON is not usable; Problem says why in
// Japanese and Raw keeps the bytes, written back as they are.
enum class DesignState { None, Present, Unreadable };

struct DesignBlock {
    DesignState State = DesignState::None;
    DesignData Data;
    std::vector<std::uint8_t> Raw;  // the whole block after the image
    std::string Problem;
};

// The largest block read after the image.
constexpr std::size_t kMaxDesignBlockBytes = 4u << 20;

// The block of the data: tag, version, length, CRC-32 and the JSON.
DesignBlock MakeDesignBlock(const DesignData& data);
// The bytes after the image: None when empty or without the tag.
DesignBlock ReadDesignBlock(const std::uint8_t* bytes, std::size_t size);

}  // namespace kmr

namespace kmr {

// Reads a design JSON file (a regular file of at most kMaxDesignBlockBytes)
// and parses it: DataFileError when it cannot be read, DesignError when its
// content is refused.
DesignData ReadDesignFile(const std::string& path, int spanCount);

}  // namespace kmr
