// Targets: under 20 us per 10-span calculation (validation and driver) in
// process; plovkmr calc --json on one 10-span file in at most 10 ms as a
// whole process (median of the repetitions); over 4000 files per second
// through plovkmr calc --json over 1000 files; under 20 us for the extremes
// and the equilibrium of the calculated 10-span beam, under 100 us for its
// diagram points at N = 200, under 20 us for the section check of the
// calculated 10-span beam in 4 segments per member.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "app/cli/Cli.h"
#include "calc/BeamDiagram.h"
#include "calc/Calculation.h"
#include "calc/SectionCheck.h"
#include "model/DataFile.h"
#include "tests/support/BeamBuilder.h"

extern char** environ;

namespace {

using namespace kmr;
using namespace kmr::test;

// Ten spans of 4 to 8.5 m, every support condition that keeps the beam held,
// all load shapes, node loads and the common load.
BeamModel TenSpans(double scale) {
    BeamModel m = MixedLoadBeam({4.5, 5.0, 5.5, 6.0, 6.5, 7.0, 7.5, 8.0, 8.5, 4.0},
                                {F, S, K, S, R, S, H, S, K, S, F}, scale);
    m.Supports[3].NodeLoads[0] = {kNodeForce, 2.0};
    m.Supports[6].NodeLoads[1] = {kNodeMoment, 1.5};
    return m;
}

void BM_CalculateTenSpans(benchmark::State& state) {
    BeamModel model = TenSpans(1.0);
    CalcResults results;
    for (auto _ : state) {
        const ValidationResult v = CalculateModel(model, results);
        benchmark::DoNotOptimize(v.code);
        benchmark::DoNotOptimize(results.MemberResults[5].MCenter);
    }
    if (!CalculateModel(model, results).Passed()) state.SkipWithError("model refused");
}
BENCHMARK(BM_CalculateTenSpans);

// Its parts: the two validations, and the driver with its engine calls.
void BM_ValidateTenSpans(benchmark::State& state) {
    const BeamModel model = TenSpans(1.0);
    for (auto _ : state) {
        benchmark::DoNotOptimize(ValidateModel(model, kValidateCommon).code);
        benchmark::DoNotOptimize(ValidateModel(model, kValidateCalculation).code);
    }
}
BENCHMARK(BM_ValidateTenSpans);

void BM_RunCalculationTenSpans(benchmark::State& state) {
    BeamModel model = TenSpans(1.0);
    FillUnsetMembers(model);
    CalcResults results;
    for (auto _ : state) {
        RunCalculation(model, results);
        benchmark::DoNotOptimize(results.MemberResults[5].MCenter);
    }
}
BENCHMARK(BM_RunCalculationTenSpans);

// The results along the calculated beam: diagrams built from the model and
// the results, the extremes of every member and the equilibrium.
void BM_ExtremesAndEquilibriumTenSpans(benchmark::State& state) {
    BeamModel model = TenSpans(1.0);
    CalcResults results;
    if (!CalculateModel(model, results).Passed()) state.SkipWithError("model refused");
    for (auto _ : state) {
        const BeamDiagram beam = BuildBeamDiagram(model, results);
        for (const MemberDiagram& member : beam.Members) {
            benchmark::DoNotOptimize(member.Extremes().MMax);
        }
        benchmark::DoNotOptimize(CheckEquilibrium(model, results).Residual);
    }
}
BENCHMARK(BM_ExtremesAndEquilibriumTenSpans);

// What plovkmr diagram computes before writing: every member at N = 200.
void BM_DiagramPointsTenSpans(benchmark::State& state) {
    BeamModel model = TenSpans(1.0);
    CalcResults results;
    if (!CalculateModel(model, results).Passed()) state.SkipWithError("model refused");
    for (auto _ : state) {
        const BeamDiagram beam = BuildBeamDiagram(model, results);
        for (const MemberDiagram& member : beam.Members) {
            benchmark::DoNotOptimize(DiagramPoints(member, 200).data());
        }
    }
}
BENCHMARK(BM_DiagramPointsTenSpans);

// The section check of the calculated 10-span beam, every member an H-section
// in 4 segments between lateral braces: from the diagrams to the verdict
// (target under 20 us), and with the design data resolved (sections looked up,
// properties from the engine) in the same loop.
ResolvedDesign TenSectionDesign() {
    DesignData data;
    for (int m = 1; m <= 10; ++m) {
        MemberDesign d;
        d.Member = m, d.Section = "H-400x200x8x13", d.Steel = "SN400B", d.Bracing = 4;
        data.Members.push_back(d);
    }
    return ResolveDesign(data, 10);
}

void BM_SectionCheckTenSpans(benchmark::State& state) {
    BeamModel model = TenSpans(1.0);
    const CalculatedBeam beam = CalculateBeam(model);
    if (!beam.Passed()) state.SkipWithError("model refused");
    const ResolvedDesign design = TenSectionDesign();
    const bool resolve = state.range(0) != 0;
    for (auto _ : state) {
        const CheckResult r =
            CheckSections(CheckInputOf(model, beam), resolve ? TenSectionDesign() : design);
        benchmark::DoNotOptimize(r.Ok);
    }
}
BENCHMARK(BM_SectionCheckTenSpans)->Arg(0)->Arg(1);

// 1000 data files of 10-span beams in a temporary folder, made once and
// removed at exit.
struct ThousandFileFolder {
    ThousandFileFolder() {
        dir =
            std::filesystem::temp_directory_path() / ("kmr-calc-bench-" + std::to_string(getpid()));
        std::filesystem::create_directories(dir);
        for (int i = 0; i < 1000; ++i) {
            paths.push_back((dir / ("beam" + std::to_string(i) + ".KMX")).string());
            WriteDataFile(paths.back(), TenSpans(1.0 + i * 0.001));
        }
    }
    ~ThousandFileFolder() {
        std::error_code ec;
        std::filesystem::remove_all(dir, ec);
    }
    std::filesystem::path dir;
    std::vector<std::string> paths;
};

const std::vector<std::string>& ThousandFiles() {
    static const ThousandFileFolder folder;
    return folder.paths;
}

// Runs plovkmr with `args`, standard output to /dev/null; false unless it
// exits with status 0.
bool SpawnPlovkmr(std::vector<std::string> args) {
    args.insert(args.begin(), KMR_PLOVKMR);
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    int status = 0;
    const bool ok = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) == 0 &&
                    waitpid(pid, &status, 0) == pid && WIFEXITED(status) &&
                    WEXITSTATUS(status) == 0;
    posix_spawn_file_actions_destroy(&actions);
    return ok;
}

// One program start per file, as a script calling it once per file does.
void BM_PlovkmrCalcJsonOneFile(benchmark::State& state) {
    const std::vector<std::string> args = {"calc", "--json", ThousandFiles().front()};
    for (auto _ : state) {
        if (!SpawnPlovkmr(args)) {
            state.SkipWithError("plovkmr calc failed");
            break;
        }
    }
}
BENCHMARK(BM_PlovkmrCalcJsonOneFile)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// The program itself over 1000 files.
void BM_PlovkmrCalcJson1000Files(benchmark::State& state) {
    std::vector<std::string> args = {"calc", "--json"};
    for (const std::string& f : ThousandFiles()) args.push_back(f);
    for (auto _ : state) {
        if (!SpawnPlovkmr(args)) {
            state.SkipWithError("plovkmr calc failed");
            break;
        }
    }
    state.SetItemsProcessed(state.iterations() * 1000);
}
BENCHMARK(BM_PlovkmrCalcJson1000Files)->Unit(benchmark::kMillisecond)->UseRealTime();

// The same verb in process, without starting a program.
void BM_CalcVerbJson1000FilesInProcess(benchmark::State& state) {
    std::vector<std::string> args = {"calc", "--json"};
    for (const std::string& f : ThousandFiles()) args.push_back(f);
    for (auto _ : state) {
        std::ostringstream out, err;
        benchmark::DoNotOptimize(cli::RunCli(args, out, err));
    }
    std::ostringstream out, err;
    if (cli::RunCli(args, out, err) != cli::kExitOk) state.SkipWithError("calc failed");
    state.SetItemsProcessed(state.iterations() * 1000);
}
BENCHMARK(BM_CalcVerbJson1000FilesInProcess)->Unit(benchmark::kMillisecond);

}  // namespace
