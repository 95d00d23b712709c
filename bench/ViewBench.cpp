// The engine's share of a repaint of the main window at 30 chines, drawn into canvases that
// draw nothing: the model steps (normalise and derive, perspective arrays), then the painting of
// the thumbnails and the main view.
#include <cmath>

#include <benchmark/benchmark.h>

#include "app/AppState.h"
#include "app/Rebuild.h"
#include "model/ChineCurves.h"
#include "ui/RepaintHub.h"
#include "views/Repaint.h"
#include "views/ViewGeometry.h"

namespace merrowin {
namespace {

// A smooth 30-chine hull: each section a quarter ellipse from the keel to the sheer.
AppState ThirtyChineHull() {
    AppState app;
    ResetToStartup(app);
    app.Hull.ChineCount = MaxChines;
    constexpr double Stations[BulkheadCount] = {0, 28, 58, 96, 140};
    constexpr double HalfBeams[BulkheadCount] = {2, 27, 39, 41, 32};
    constexpr double Depths[BulkheadCount] = {46, 37, 34, 33, 39};
    for (int b = 0; b < BulkheadCount; ++b) {
        for (int c = 1; c <= MaxChines; ++c) {
            const double angle = (c - 1) / double(MaxChines - 1) * 1.5707963;
            app.Hull.OffsetX[b][c] = HalfBeams[b] * std::sin(angle);
            app.Hull.OffsetY[b][c] = Depths[b] * (1 - std::cos(angle));
            app.Hull.OffsetZ[b][c] = Stations[b];
        }
    }
    app.Work.Hydro.WaterlineHeight = 8; // markers and the waterplane are drawn too
    return app;
}

constexpr ViewKind Views[4] = {ViewKind::Perspective, ViewKind::Sections, ViewKind::Profile,
                               ViewKind::Plan};
constexpr const char* ViewNames[4] = {"perspective", "sections", "profile", "plan"};

// The whole core repaint, as the window runs it after every drag step.
void BM_CoreRepaint(benchmark::State& state) {
    AppState app = ThirtyChineHull();
    CheckView(app.Work.View, Views[state.range(0)]);
    NullCanvas picture2(1600, 1000), sections(91, 91), profile(181, 91), plan(181, 91);
    MemoryStatusBar status;
    const MainPictures pictures{picture2, sections, profile, plan};
    for (auto _ : state) {
        RebuildGeometry(app);
        PrepareMainView(app, picture2);
        PaintMainWindow(app, status, pictures);
        benchmark::DoNotOptimize(app.Work.View.ViewPoints[MaxChines][13][3]);
    }
    state.SetLabel(ViewNames[state.range(0)]);
}
BENCHMARK(BM_CoreRepaint)->DenseRange(0, 3);

// Its parts: the model steps, the perspective arrays, the thumbnails, the main view alone.
void BM_UpdateHullGeometry(benchmark::State& state) {
    AppState app = ThirtyChineHull();
    for (auto _ : state) {
        UpdateHullGeometry(app.Hull, app.Work);
        benchmark::DoNotOptimize(app.Hull.SplinePoints[MaxChines][13][1]);
    }
}
BENCHMARK(BM_UpdateHullGeometry);

void BM_PreparePerspective(benchmark::State& state) {
    AppState app = ThirtyChineHull();
    UpdateHullGeometry(app.Hull, app.Work);
    for (auto _ : state) {
        PreparePerspective(app.Hull, app.Work.View, app.Work.Pi);
        benchmark::DoNotOptimize(app.Work.View.MirrorViewPoints[MaxChines][13][1]);
    }
}
BENCHMARK(BM_PreparePerspective);

void BM_DrawThumbnails(benchmark::State& state) {
    AppState app = ThirtyChineHull();
    UpdateHullGeometry(app.Hull, app.Work);
    NullCanvas sections(91, 91), profile(181, 91), plan(181, 91);
    for (auto _ : state) {
        DrawThumbnails(app, sections, profile, plan);
    }
}
BENCHMARK(BM_DrawThumbnails);

void BM_PaintMainView(benchmark::State& state) {
    AppState app = ThirtyChineHull();
    UpdateHullGeometry(app.Hull, app.Work);
    PreparePerspective(app.Hull, app.Work.View, app.Work.Pi);
    CheckView(app.Work.View, Views[state.range(0)]);
    NullCanvas picture2(1600, 1000), plan(181, 91);
    PrepareMainView(app, picture2);
    for (auto _ : state) {
        PaintMainView(app, picture2, &plan);
        benchmark::DoNotOptimize(app.Work.View.ScaleRight);
    }
    state.SetLabel(ViewNames[state.range(0)]);
}
BENCHMARK(BM_PaintMainView)->DenseRange(0, 3);

} // namespace
} // namespace merrowin
