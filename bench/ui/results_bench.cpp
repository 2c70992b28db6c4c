// Target: from a changed field of the window to the drawing of the results
// page recorded, for a 10-span beam with every load slot in use, under 5 ms.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QTabWidget>
#include <QTemporaryDir>

#include "MainForm.h"
#include "model/DataFile.h"
#include "results/ResultsPage.h"
#include "tests/support/BeamBuilder.h"
#include "tests/ui/ScriptedDialogs.h"

namespace {

using namespace kmr;
using namespace kmr::ui;

// The span of member 1 typed alternately as two values; each change is
// followed by one turn of the event loop, in which the page recalculates and
// records its drawing.
void BM_ResultsPageFollowsAField(benchmark::State& state) {
    QTemporaryDir home;
    qputenv("PLOVKMR_HOME", home.path().toUtf8());
    const QString path = home.filePath(QStringLiteral("ten-spans.KMX"));
    WriteDataFile(path.toStdString(), kmr::test::TenSpansEverySlot());
    kmr::ui::test::ScriptedDialogs dialogs;
    TMainF window(&dialogs);
    window.OpenFromCommandLine(path);
    window.show();
    window.findChild<QTabWidget*>(QStringLiteral("PageControl1"))->setCurrentIndex(4);
    QApplication::processEvents();
    auto* field = window.findChild<QLineEdit*>(QStringLiteral("MmSpan1"));
    auto* page = window.findChild<ResultsPage*>(QStringLiteral("ResultsPage"));
    int turn = 0;
    for (auto _ : state) {
        field->setText(++turn % 2 ? QStringLiteral("4.6") : QStringLiteral("4.5"));
        QApplication::processEvents();
        if (!page->ShowsDiagrams() || !page->Drawing().HasPages()) {
            state.SkipWithError("the page shows no diagrams");
            break;
        }
    }
    qunsetenv("PLOVKMR_HOME");
}
BENCHMARK(BM_ResultsPageFollowsAField)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
