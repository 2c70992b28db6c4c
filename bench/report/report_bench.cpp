// Targets: the whole report of a 10-span model with loads on every slot in
// under 5 ms (display lists only), and its PDF in under 150 ms.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QGuiApplication>
#include <QTemporaryDir>

#include "calc/Calculation.h"
#include "report/PdfOutput.h"
#include "report/ReportRun.h"
#include "tests/support/BeamBuilder.h"

namespace {

using namespace kmr;
using namespace kmr::test;

// Ten spans, every member-load slot (all six shapes) and every node-load
// slot in use, the common load on, springs and a hinge among the supports.
struct Calculated {
    Calculated() : model(TenSpansEverySlot()) {
        beam = CalculateBeam(model);
        if (!beam.Passed()) std::abort();
    }
    BeamModel model;
    CalculatedBeam beam;
};

const Calculated& TenSpans() {
    static const Calculated c;
    return c;
}

ReportOptions Options() {
    ReportOptions o;
    o.documentPath = QStringLiteral("/data/ten-spans.KMX");
    o.version = QStringLiteral("3.0.6.0");
    return o;
}

// The program keeps one document for its life and rebuilds the report in it.
void BM_ReportTenSpans(benchmark::State& state) {
    const Calculated& c = TenSpans();
    TplPrev doc;
    for (auto _ : state) {
        ReportRun(doc, c.model, c.beam, Options());
        benchmark::DoNotOptimize(doc.PageCount());
    }
    state.counters["pages"] = doc.PageCount();
}
BENCHMARK(BM_ReportTenSpans)->Unit(benchmark::kMillisecond);

// A fresh document each time (font metrics measured anew).
void BM_ReportTenSpansFreshDocument(benchmark::State& state) {
    const Calculated& c = TenSpans();
    for (auto _ : state) {
        TplPrev doc;
        ReportRun(doc, c.model, c.beam, Options());
        benchmark::DoNotOptimize(doc.PageCount());
    }
}
BENCHMARK(BM_ReportTenSpansFreshDocument)->Unit(benchmark::kMillisecond);

void BM_PdfTenSpans(benchmark::State& state) {
    const Calculated& c = TenSpans();
    TplPrev doc;
    ReportRun(doc, c.model, c.beam, Options());
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ten-spans.pdf"));
    qint64 bytes = 0;
    for (auto _ : state) {
        QString error;
        if (!WritePdf(doc, path, &error)) state.SkipWithError("PDF not written");
        bytes = QFileInfo(path).size();
    }
    state.counters["pages"] = doc.PageCount();
    state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_PdfTenSpans)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
