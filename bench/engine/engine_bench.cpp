// Engine timings: fixed-end forces of each load shape, and the full analysis of
// a ten-span girder as the calculation driver runs it (60 fixed-end-force calls
// and one girder analysis with springs, a hinge and a free end).
#include <benchmark/benchmark.h>

#include <array>
#include <vector>

#include "kmrengine.h"

namespace {

struct LoadCall {
    int32_t type;
    float start, length, rise, flat, value, startFactor, endFactor;
};

constexpr float kSpan = 6.0f;

const LoadCall kConcentrated{1, 2.0f, 0, 0, 0, 10.0f, 0, 0};
const LoadCall kRising{2, 0.5f, 4.0f, 4.0f, 0, 2.0f, 1, 0};
const LoadCall kFalling{2, 0.5f, 4.0f, 0, 0, 2.0f, 0, 1};
const LoadCall kUniform{3, 0, kSpan, 0, kSpan, 3.0f, 1, 1};
const LoadCall kTrapezoid{4, 0.5f, 5.0f, 1.0f, 2.5f, 2.0f, 1, 1.5f};
const LoadCall kTriangle{5, 1.0f, 4.0f, 2.0f, 0, 3.0f, 1, 1};
// The five member loads of every span in the ten-span run.
const LoadCall kMemberLoads[5] = {kConcentrated, kRising, kFalling, kTrapezoid, kTriangle};

float Cmq(const LoadCall& c, float span, std::array<float, 7>& out) {
    VF_CMQGIR(0, span, c.start, c.length, c.rise, c.flat, c.value, c.startFactor, c.endFactor,
              c.type, 0.0f, span / 2, &out[0], &out[1], &out[2], &out[3], &out[4], &out[5],
              &out[6]);
    return out[0];
}

void BM_Cmq(benchmark::State& state, LoadCall c) {
    std::array<float, 7> out{};
    for (auto _ : state) {
        benchmark::DoNotOptimize(Cmq(c, kSpan, out));
        benchmark::ClobberMemory();
    }
}
BENCHMARK_CAPTURE(BM_Cmq, concentrated, kConcentrated);
BENCHMARK_CAPTURE(BM_Cmq, rising_triangle, kRising);
BENCHMARK_CAPTURE(BM_Cmq, falling_triangle, kFalling);
BENCHMARK_CAPTURE(BM_Cmq, uniform, kUniform);
BENCHMARK_CAPTURE(BM_Cmq, trapezoid, kTrapezoid);
BENCHMARK_CAPTURE(BM_Cmq, triangle, kTriangle);

// Ten spans: fixed, simple, spring, simple, hinge, simple, spring, simple,
// simple, simple, free end.
struct TenSpans {
    static constexpr int M = 10, N = 11, D = 22;
    std::array<float, M> span{6, 5, 7, 4, 6, 5, 6, 8, 5, 3};
    std::array<float, M> ei{2100, 1800, 2500, 900, 2100, 2100, 3000, 2600, 1500, 700};
    std::array<int32_t, N> code{1, 2, 4, 2, 3, 2, 4, 2, 2, 2, 5};
    std::array<int32_t, 1> hingeNode{5};
    std::array<float, 1> hingeMoment{0};
    std::array<int32_t, 2> springNode{3, 7};
    std::array<float, 2> springK{2.0f, 0.5f};
    std::array<int32_t, 2> loadNode{4, 11};
    std::array<float, 2> loadForce{-2.0f, -1.0f}, loadMoment{1.0f, 0.0f};
    std::array<float, M> memberE{}, memberI{}, stiffness{};
    std::array<float, 2 * M> endMoment{}, endShear{};
    std::array<float, 1> hingeRotation{};
    std::array<float, N> reaction{};
    std::array<double, D * D> matrix{};
    std::array<double, D> displacement{};

    float Run() {
        std::array<float, 7> out{};
        endMoment.fill(0.0f);
        endShear.fill(0.0f);
        for (int m = 0; m < M; ++m) {
            for (int l = 0; l < 6; ++l) {  // five member loads and the common load
                const LoadCall c =
                    l < 5 ? kMemberLoads[l] : LoadCall{4, 0, span[m], 0, span[m], 1.2f, 1, 1};
                Cmq(c, span[m], out);
                endMoment[m] += out[0];
                endMoment[M + m] += out[1];
                endShear[m] += out[3];
                endShear[M + m] += out[4];
            }
            stiffness[m] = ei[m] / span[m];
        }
        VF_RenzokuGir(N, M, D, 1, 2, 2, memberE.data(), span.data(), hingeNode.data(),
                      stiffness.data(), memberI.data(), code.data(), springNode.data(),
                      springK.data(), loadNode.data(), loadForce.data(), loadMoment.data(),
                      hingeMoment.data(), matrix.data(), hingeRotation.data(), endMoment.data(),
                      endShear.data(), displacement.data(), reaction.data());
        return reaction[0];
    }
};

void BM_TenSpanAnalysis(benchmark::State& state) {
    TenSpans girder;
    for (auto _ : state) {
        benchmark::DoNotOptimize(girder.Run());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_TenSpanAnalysis);

}  // namespace
