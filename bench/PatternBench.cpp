// Benchmark of a whole pattern run at 30 chines with every piece and export, files included.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>
#include <string>
#include <system_error>

#include "app/AppState.h"
#include "model/ChineCount.h"
#include "model/ChineCurves.h"
#include "patterns/PatternGeneration.h"
#include "patterns/PatternSettings.h"
#include "text/NumberText.h"
#include "ui/RepaintHub.h"
#include "ui/Services.h"

namespace {

using namespace merrowin;

// The hull at 30 chines, raised one chine at a time as the chine-count box does.
AppState ThirtyChineHull() {
    AppState app;
    ResetToStartup(app);
    for (int n = app.Hull.ChineCount + 1; n <= MaxChines; ++n) {
        ApplyChineCountText(app.Hull, app.Work, IntText(n));
    }
    UpdateHullGeometry(app.Hull, app.Work);
    PatternOptions& options = app.Work.Patterns;
    options.Expansions = options.Text = options.Dxf = options.Hpgl = true;
    options.Keel = options.Deck = options.Soles = options.Stem = true;
    for (int f = 0; f < 8; ++f) {
        SetFrameText(app.Hull, options, f, IntText(15 + 15 * f));
    }
    return app;
}

// Argument 0: the system's temporary folder (on disk here: every file is flushed and renamed);
// 1: a memory file system, where the same run shows what the engine itself costs.
void BM_PatternRun(benchmark::State& state) {
    std::error_code error;
    const std::filesystem::path base =
        state.range(0) == 0 ? std::filesystem::temp_directory_path() : "/dev/shm";
    if (!std::filesystem::is_directory(base, error)) {
        state.SkipWithError("no memory file system at /dev/shm");
        return;
    }
    std::random_device seed;
    const std::filesystem::path folder = base / ("merrowin-bench-" + std::to_string(seed()));
    std::filesystem::create_directories(folder / "export");
    AppState app = ThirtyChineHull();
    SetExportText(app.Work.Patterns, (folder / "export").string());
    MemoryStatusBar status;
    NullCanvas canvas;
    for (auto _ : state) {
        if (CreatePatterns(folder, app.Hull, app.Work, status, &canvas).HasFailed()) {
            state.SkipWithError("the pattern run failed");
            break;
        }
    }
    std::filesystem::remove_all(folder, error);
}
BENCHMARK(BM_PatternRun)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
