// libFuzzer target: any bytes, read as either kind. An accepted image has a
// usable span count and is written back unchanged (version 3); a refused
// one leaves the model as it was.
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "model/DataFile.h"

namespace {

void Check(bool condition) {
    if (!condition) std::abort();
}

void ReadAs(kmr::FileKind kind, const std::vector<std::uint8_t>& bytes) {
    kmr::BeamModel model;
    kmr::InitProgramModel(model, "3.0.6");
    const std::vector<std::uint8_t> before = kmr::EncodeVersion3(model);
    try {
        kmr::LoadDataImage(kind, "fuzz.KMX", bytes, model);
    } catch (const kmr::DataFileError&) {
        Check(kmr::EncodeVersion3(model) == before);
        return;
    }
    Check(model.Header.SpanCount >= 1 && model.Header.SpanCount <= kmr::kMaxSpans);
    if (kind == kmr::FileKind::Version3) {
        const std::vector<std::uint8_t> out = kmr::EncodeVersion3(model);
        Check(std::equal(out.begin(), out.end(), bytes.begin()));
    }
    kmr::FillUnsetMembers(model);
    kmr::NameMembersAndSupports(model);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::uint8_t> bytes(data, data + size);
    ReadAs(kmr::FileKind::Version3, bytes);
    ReadAs(kmr::FileKind::Version1, bytes);
    return 0;
}
