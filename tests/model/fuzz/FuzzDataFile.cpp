// libFuzzer target: any bytes, read as either kind. An accepted image has a
// usable span count and is written back unchanged (version 3); a refused
// one leaves the model as it was. Every accepted model then goes through the
// whole calculation command: it is refused with a code and a message, or
// every result is a finite number and the reactions balance the loads.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "calc/Calculation.h"
#include "model/DataFile.h"

namespace {

void Check(bool condition) {
    if (!condition) std::abort();
}

// The resultant of a member-load slot (downward positive) from the shape's
// own description: value x height per metre over its rising, flat and
// falling parts; a part shorter than 1e-6 m carries nothing (kmrengine.h).
double SlotResultant(const kmr::MemberLoad& load) {
    const auto part = [](double length, double share) {
        return float(length) >= 1e-6f ? share * float(length) : 0.0;
    };
    const double l1 = load.Length1, l2 = load.Length2;
    const double q = double(load.Value) * double(load.Height);
    switch (load.LoadType) {
        case kmr::kLoadConcentrated:
            return load.Value;
        case kmr::kLoadRightRising:
        case kmr::kLoadLeftRising:
            return q * part(l1, 0.5);
        case kmr::kLoadTriangle:
            return q * 2 * part(l1 / 2, 0.5);
        case kmr::kLoadUniform:
            return q * part(l1, 1.0);
        case kmr::kLoadTrapezoid:
            return q * (2 * part(l1, 0.5) + part(l2, 1.0));
        default:
            return 0.0;
    }
}

// Sum of all vertical loads, and the sum of their magnitudes for the
// tolerance.
struct LoadSum {
    double total = 0, scale = 0;
    void Add(double v) {
        total += v;
        scale += std::fabs(v);
    }
};

LoadSum VerticalLoads(const kmr::BeamModel& model) {
    LoadSum sum;
    const int n = model.Header.SpanCount;
    for (int m = 1; m <= n; ++m) {
        const kmr::MemberRecord& mem = model.Members[m];
        for (const kmr::MemberLoad& load : mem.Loads) sum.Add(SlotResultant(load));
        if (model.Header.CommonLoadOff == 0) {
            sum.Add(double(model.Header.CommonLoad) * double(model.Header.CommonLoadHeight) *
                    double(mem.SpanLength));
        }
    }
    for (int s = 1; s <= n + 1; ++s) {
        for (const kmr::NodeLoad& load : model.Supports[s].NodeLoads) {
            if (load.LoadType == kmr::kNodeForce) sum.Add(load.Value);
        }
    }
    return sum;
}

void Calculate(kmr::BeamModel model) {
    kmr::CalcResults results;
    const kmr::ValidationResult check = kmr::CalculateModel(model, results);
    if (!check.Passed()) {
        Check(!check.lines.empty());
        return;
    }
    const int n = model.Header.SpanCount;
    double reactions = 0, reactionScale = 0;
    for (int m = 1; m <= n; ++m) {
        const kmr::MemberResult& r = results.MemberResults[m];
        for (double v : {r.MLeft, r.MCenter, r.MRight, r.QLeft, r.QRight}) {
            Check(std::isfinite(v));
        }
    }
    for (int i = 1; i <= n + 1; ++i) {
        const kmr::NodeResult& r = results.NodeResults[i];
        for (double v : {r.Deflection, r.Rotation, r.Reaction}) Check(std::isfinite(v));
        reactions += r.Reaction;
        reactionScale += std::fabs(r.Reaction);
    }
    // Single-precision engine: relative 1e-4 of the larger of the loads'
    // and the reactions' magnitudes, with an absolute floor for empty beams.
    const LoadSum loads = VerticalLoads(model);
    const double scale = std::max({loads.scale, reactionScale, 1e-3});
    Check(std::fabs(reactions - loads.total) <= 1e-4 * scale);
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
    kmr::NameMembersAndSupports(model);
    Calculate(model);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::uint8_t> bytes(data, data + size);
    ReadAs(kmr::FileKind::Version3, bytes);
    ReadAs(kmr::FileKind::Version1, bytes);
    return 0;
}
