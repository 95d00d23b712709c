// Benchmark of a whole pattern run at 30 chines with every piece and export, files included.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

#include "app/AppState.h"
#include "io/FileBatch.h"
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

// What putting a run's files in place costs, on disk: argument 0 writes them straight over the
// old ones after deleting the stale ones (as a run once did), 1 stages them and moves them in
// with the stale ones moved aside (as a run does now, all or nothing).
void BM_PutRunFilesInPlace(benchmark::State& state) {
    std::random_device seed;
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("merrowin-bench-" + std::to_string(seed()));
    std::filesystem::create_directories(folder / "export");
    AppState app = ThirtyChineHull();
    SetExportText(app.Work.Patterns, (folder / "export").string());
    MemoryStatusBar status;
    if (CreatePatterns(folder, app.Hull, app.Work, status, nullptr).HasFailed()) {
        state.SkipWithError("the pattern run failed");
        return;
    }
    // The run's files as it left them, by folder.
    std::vector<std::pair<std::filesystem::path, std::string>> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
        if (entry.is_regular_file()) {
            files.emplace_back(entry.path(), *ReadFileBytes(entry.path().parent_path(),
                                                            entry.path().filename().string()));
        }
    }
    const char* const stale[] = {"chine*.tri", "*.uc", "handplot.txt", "chine*.dxf", "chine*.plt"};
    for (auto _ : state) {
        if (state.range(0) == 0) {
            for (const char* pattern : stale) {
                DeleteMatching(folder, pattern);
            }
            for (const auto& [path, text] : files) {
                benchmark::DoNotOptimize(
                    WriteFileInPlace(path.parent_path(), path.filename().string(), text).Ok());
            }
        } else {
            FileBatch batch;
            for (const auto& [path, text] : files) {
                batch.Put(path.parent_path(), path.filename().string(), text);
            }
            for (const char* pattern : stale) {
                batch.RemoveMatching(folder, pattern);
            }
            if (batch.Commit().HasFailed()) {
                state.SkipWithError("the commit failed");
                break;
            }
        }
    }
    state.counters["files"] = static_cast<double>(files.size());
    std::error_code error;
    std::filesystem::remove_all(folder, error);
}
BENCHMARK(BM_PutRunFilesInPlace)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
