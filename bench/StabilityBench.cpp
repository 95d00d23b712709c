// Benchmark of the righting-arm curve: the default hull at 30 chines, 0 to 90 degrees by 5 (19
// angles) with every criterion, floating at its weight at a 6-inch waterline.
#include <benchmark/benchmark.h>

#include <memory>

#include "app/AppState.h"
#include "hydro/Stability.h"
#include "hydro/StabilityRun.h"
#include "model/ChineCount.h"
#include "model/Constants.h"
#include "text/NumberText.h"

namespace merrowin {
namespace {

void BM_StabilityCurve30(benchmark::State& state) {
    auto app = std::make_unique<AppState>();
    ResetToStartup(*app);
    for (int n = app->Hull.ChineCount + 1; n <= MaxChines; ++n) {
        ApplyChineCountText(app->Hull, app->Work, IntText(n));
    }
    UpdateHullGeometry(app->Hull, app->Work);
    const double displacement = SolidDisplacement(app->Hull, 6, FreshWaterDensity);
    const CenterOfGravity gravity = AssumedCenterOfGravity(*app);
    const std::vector<double> angles = StabilityAngles(90, 5);
    bool floated = true;
    for (auto _ : state) {
        const StabilityCurve curve =
            ComputeStabilityCurve(app->Hull, displacement, gravity, FreshWaterDensity, angles);
        floated = floated && curve.AllFloated;
        benchmark::DoNotOptimize(curve.MaxRightingArm);
    }
    if (!floated || !(displacement > 0)) {
        state.SkipWithError("the hull did not float at every angle");
    }
}
BENCHMARK(BM_StabilityCurve30)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace merrowin
