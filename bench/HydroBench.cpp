// Benchmarks of the hydrostatics at 30 chines: one waterline run without and with its plot file,
// the displacement search and the heel analysis.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <filesystem>
#include <memory>
#include <string>

#include "app/AppState.h"
#include "hydro/HydroCommands.h"
#include "hydro/WaterlineControl.h"
#include "model/ChineCount.h"
#include "text/NumberText.h"
#include "views/HeadlessWindow.h"

namespace merrowin {
namespace {

// The default hull raised one chine at a time to 30 chines, repainted once (points derived).
struct ThirtyChines {
    ThirtyChines() : app(std::make_unique<AppState>()) {
        ResetToStartup(*app);
        for (int n = app->Hull.ChineCount + 1; n <= MaxChines; ++n) {
            ApplyChineCountText(app->Hull, app->Work, IntText(n));
        }
        window = std::make_unique<HeadlessWindow>(*app, HeadlessWindow::Drawing::Discard);
        window->RepaintWindow();
        folder = fs::temp_directory_path() / ("merrowin-hydro-bench-" + std::to_string(::getpid()));
        fs::create_directories(folder);
    }
    ~ThirtyChines() {
        std::error_code ignored;
        fs::remove_all(folder, ignored);
    }
    std::unique_ptr<AppState> app;
    std::unique_ptr<HeadlessWindow> window;
    fs::path folder;
};

void RunWaterline(benchmark::State& state, bool writeFile) {
    ThirtyChines hull;
    UiServices ui = hull.window->Services();
    const HydroContext context{ui, writeFile ? &hull.folder : nullptr};
    hull.app->Work.Hydro.WaterlineHeight = 20;
    for (auto _ : state) {
        const Outcome written = ComputeWaterline(*hull.app, context);
        benchmark::DoNotOptimize(written.Ok());
    }
    if (hull.app->Work.Hydro.Displacement <= 0) {
        state.SkipWithError("nothing displaced");
    }
}

void BM_ComputeWaterline30(benchmark::State& state) {
    RunWaterline(state, false);
}
void BM_ComputeWaterline30WithFile(benchmark::State& state) {
    RunWaterline(state, true);
}

// "&Displacement" answered 2000 lb, from the start-up state each time (about 14 one-inch steps
// and the interpolation, each a waterline run; the file and the repaint once at the end).
void BM_DisplacementSearch30(benchmark::State& state) {
    ThirtyChines hull;
    UiServices ui = hull.window->Services();
    const AppState start = *hull.app;
    for (auto _ : state) {
        *hull.app = start;
        hull.window->Boxes().InputAnswers = {"2000"};
        const Outcome written = DisplacementCommand(*hull.app, ui, hull.folder);
        benchmark::DoNotOptimize(written.Ok());
    }
    const double found = hull.app->Work.Hydro.Displacement;
    if (found < 1900 || found > 2100) {
        state.SkipWithError("the search did not float the hull at 2000 lb");
    }
}

// "&Heel" answered 30 degrees with the hull floating at 20 inches.
void BM_Heel30Degrees30(benchmark::State& state) {
    ThirtyChines hull;
    UiServices ui = hull.window->Services();
    if (WaterlineCommand(*hull.app, ui, hull.folder).HasFailed() ||
        WaterlineScrolled(*hull.app, ui, hull.folder, 200).HasFailed()) {
        state.SkipWithError("the waterline file could not be written");
        return;
    }
    const AppState start = *hull.app;
    for (auto _ : state) {
        *hull.app = start;
        hull.window->Boxes().InputAnswers = {"30"};
        const Outcome written = HeelCommand(*hull.app, ui, hull.folder);
        benchmark::DoNotOptimize(written.Ok());
    }
    if (hull.app->Work.Hydro.ResultsLines.size() != 15) {
        state.SkipWithError(hull.window->Status().Panel(1).c_str());
    }
}

BENCHMARK(BM_ComputeWaterline30);
BENCHMARK(BM_ComputeWaterline30WithFile);
BENCHMARK(BM_DisplacementSearch30)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Heel30Degrees30)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace merrowin
