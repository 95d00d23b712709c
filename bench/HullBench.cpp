// Benchmarks of the hull model: writing and reading a 30-chine hull file, deriving its chines.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "app/AppState.h"
#include "model/ChineCount.h"
#include "model/ChineCurves.h"
#include "model/HullFile.h"
#include "text/NumberText.h"

namespace merrowin {
namespace {

// The default hull raised one chine at a time to 30 chines, its points derived.
std::unique_ptr<AppState> ThirtyChineApp() {
    auto app = std::make_unique<AppState>();
    ResetToStartup(*app);
    for (int n = app->Hull.ChineCount + 1; n <= MaxChines; ++n) {
        ApplyChineCountText(app->Hull, app->Work, IntText(n));
    }
    UpdateHullGeometry(app->Hull, app->Work);
    return app;
}

// A scratch folder removed when the benchmark ends. It lies in memory (/dev/shm) unless TMPDIR
// names another place: the benchmark measures the program's work, not the disk's flush latency
// (the atomic replace flushes the file, which on a disk alone takes several milliseconds).
fs::path ScratchRoot() {
    std::error_code error;
    if (std::getenv("TMPDIR") == nullptr && fs::is_directory("/dev/shm", error)) {
        return "/dev/shm";
    }
    return fs::temp_directory_path();
}

struct Scratch {
    Scratch() : Path(ScratchRoot() / ("merrowin-bench-" + std::to_string(::getpid()))) {
        fs::create_directories(Path);
    }
    ~Scratch() {
        std::error_code ignored;
        fs::remove_all(Path, ignored);
    }
    fs::path Path;
};

void BM_WriteReadHullFile30(benchmark::State& state) {
    const auto app = ThirtyChineApp();
    auto back = std::make_unique<AppState>();
    ResetToStartup(*back);
    const Scratch scratch;
    for (auto _ : state) {
        const bool written = WriteHullFile(scratch.Path, "bench.hul", app->Hull).Ok();
        const bool read = ReadHullFile(scratch.Path, "bench.hul", back->Hull, back->Work);
        benchmark::DoNotOptimize(written && read);
        benchmark::ClobberMemory();
    }
    if (back->Hull.ChineCount != MaxChines) {
        state.SkipWithError("the hull did not come back with 30 chines");
    }
}
BENCHMARK(BM_WriteReadHullFile30)->Unit(benchmark::kMicrosecond);

// The text alone, without the file system.
void BM_HullFileText30(benchmark::State& state) {
    const auto app = ThirtyChineApp();
    for (auto _ : state) {
        benchmark::DoNotOptimize(HullFileText(app->Hull));
    }
}
BENCHMARK(BM_HullFileText30)->Unit(benchmark::kMicrosecond);

void BM_DeriveSplinePoints30(benchmark::State& state) {
    const auto app = ThirtyChineApp();
    for (auto _ : state) {
        double maxHalfBreadth = 0;
        DeriveSplinePoints(app->Hull, maxHalfBreadth);
        benchmark::DoNotOptimize(maxHalfBreadth);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_DeriveSplinePoints30)->Unit(benchmark::kMicrosecond);

// The whole model step of a repaint: normalise, measure, derive.
void BM_UpdateHullGeometry30(benchmark::State& state) {
    const auto app = ThirtyChineApp();
    for (auto _ : state) {
        UpdateHullGeometry(app->Hull, app->Work);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_UpdateHullGeometry30)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace merrowin
