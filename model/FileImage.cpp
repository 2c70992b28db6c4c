// Field-by-field codec of the data-file layouts. The order of the version-3
// fields is written once (ModelFields.h) and drives both reading and writing.
#include "model/FileImage.h"

#include <cstring>

#include "model/ModelFields.h"

namespace kmr {
namespace {

class ImageWriter {
  public:
    explicit ImageWriter(std::vector<std::uint8_t>& out) : out_(out) {}
    template <std::size_t N>
    void operator()(const ShortString<N>& s) {
        out_.push_back(s.length);
        for (char c : s.text) out_.push_back(static_cast<std::uint8_t>(c));
    }
    void operator()(const Extended& v) { out_.insert(out_.end(), v.bytes.begin(), v.bytes.end()); }
    void operator()(std::int32_t v) { Little(static_cast<std::uint32_t>(v), 4); }
    void operator()(std::uint16_t v) { Little(v, 2); }

  private:
    void Little(std::uint32_t v, int size) {
        for (int i = 0; i < size; ++i) out_.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
    }
    std::vector<std::uint8_t>& out_;
};

class ImageReader {
  public:
    explicit ImageReader(const std::uint8_t* in) : in_(in) {}
    template <std::size_t N>
    void operator()(ShortString<N>& s) {
        s.length = *in_++;
        for (char& c : s.text) c = static_cast<char>(*in_++);
    }
    void operator()(Extended& v) { Take(v.bytes.data(), v.bytes.size()); }
    void operator()(std::int32_t& v) { v = static_cast<std::int32_t>(Little(4)); }
    void operator()(std::uint16_t& v) { v = static_cast<std::uint16_t>(Little(2)); }
    void operator()(float& v) {
        const std::uint32_t bits = Little(4);
        std::memcpy(&v, &bits, sizeof v);
    }
    template <std::size_t N>
    void operator()(std::array<std::uint8_t, N>& raw) {
        Take(raw.data(), N);
    }

  private:
    void Take(std::uint8_t* dst, std::size_t n) {
        std::memcpy(dst, in_, n);
        in_ += n;
    }
    std::uint32_t Little(int size) {
        std::uint32_t v = 0;
        for (int i = 0; i < size; ++i) v |= static_cast<std::uint32_t>(in_[i]) << (8 * i);
        in_ += size;
        return v;
    }
    const std::uint8_t* in_;
};

// The field list of ModelFields.h without its names: the byte layout.
template <class IO>
class Layout {
  public:
    explicit Layout(IO& io) : io_(io) {}
    template <class Field>
    void operator()(const char*, Field& field, const char*) {
        io_(field);
    }
    void BeginSlots(const char*, const char*) {}
    void EndSlots() {}
    void BeginSlot(int) {}
    void EndSlot() {}

  private:
    IO& io_;
};

template <class IO, class Model>
void VisitModel(IO& io, Model& model) {
    Layout<IO> layout(io);
    VisitHeaderFields(layout, model.Header);
    for (auto& m : model.Members) VisitMemberFields(layout, m);
    for (auto& s : model.Supports) VisitSupportFields(layout, s);
}

void ReadOldHeader(ImageReader& io, OldHeader& h) {
    io(h.Identification), io(h.SpanCapacity), io(h.SpanCount), io(h.CommonLoad);
    io(h.CommonLoadHeight), io(h.CommonE), io(h.IoInputMode), io(h.CommonIo);
    io(h.CommonIoBD), io(h.CommonB), io(h.CommonD), io(h.CommonSpring);
}

void ReadOldMember(ImageReader& io, OldMemberRecord& m) {
    io(m.SpanLength), io(m.Io), io(m.Third), io(m.Fourth), io(m.E), io(m.B), io(m.D);
    for (OldMemberLoad& load : m.Loads) io(load.LoadType), io(load.Value1), io(load.Value2);
}

void ReadOldSupport(ImageReader& io, OldSupportRecord& s) {
    io(s.Condition);
    for (OldNodeLoad& load : s.NodeLoads) io(load.LoadType), io(load.Value);
    io(s.SpringConstant);
}

}  // namespace

std::vector<std::uint8_t> EncodeVersion3(const BeamModel& model) {
    std::vector<std::uint8_t> out;
    out.reserve(kVersion3Bytes);
    ImageWriter io(out);
    VisitModel(io, model);
    return out;
}

void DecodeVersion3(const std::uint8_t* image, BeamModel& model) {
    ImageReader io(image);
    VisitModel(io, model);
}

Version1Blocks DecodeVersion1(const std::uint8_t* image) {
    Version1Blocks old;
    ImageReader io(image);
    ReadOldHeader(io, old.Header);
    for (OldMemberRecord& m : old.Members) ReadOldMember(io, m);
    for (OldSupportRecord& s : old.Supports) ReadOldSupport(io, s);
    io(old.Units.InputUnit), io(old.Units.OutputUnit);
    return old;
}

}  // namespace kmr
