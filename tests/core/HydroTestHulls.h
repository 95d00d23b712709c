// Hulls of known hydrostatics for the hydrostatics tests: prisms of one section along their length.
#pragma once

#include <utility>
#include <vector>

#include "TestSupport.h"
#include "app/AppState.h"
#include "hydro/WaterlineRuns.h"
#include "model/Constants.h"

namespace merrowin::test {

// A chine's place in the section: half-breadth X and height Y (inches).
using SectionPoint = std::pair<double, double>;

// Spline points of a prism: chine c at section[c - 1] on every station, the 13 stations equally
// spaced from Z 0 to Z length. Auto-Spline goes off so that a repaint keeps the points.
inline void SetPrismPoints(AppState& app, const std::vector<SectionPoint>& section, double length) {
    HullDocument& hull = app.Hull;
    hull.ChineCount = static_cast<int>(section.size());
    hull.AutoSpline = false;
    for (int c = 1; c <= hull.ChineCount; ++c) {
        for (int p = 1; p <= PointsPerChine; ++p) {
            auto& point = hull.SplinePoints[c][p];
            point[1] = section[static_cast<std::size_t>(c - 1)].first;
            point[2] = section[static_cast<std::size_t>(c - 1)].second;
            point[3] = length * (p - 1) / 12.0;
        }
    }
    app.Work.SelectedChine = 1;
    app.Work.HullLength = length;
}

// Bulkhead offsets of a prism (bulkheads at 0, L/4, L/2, 3L/4 and L) with Auto-Spline on, so that
// every repaint derives the points.
inline void SetPrismOffsets(AppState& app, const std::vector<SectionPoint>& section,
                            double length) {
    HullDocument& hull = app.Hull;
    hull.ChineCount = static_cast<int>(section.size());
    hull.AutoSpline = true;
    for (int b = 0; b < BulkheadCount; ++b) {
        for (int c = 1; c <= hull.ChineCount; ++c) {
            hull.OffsetX[b][c] = section[static_cast<std::size_t>(c - 1)].first;
            hull.OffsetY[b][c] = section[static_cast<std::size_t>(c - 1)].second;
            hull.OffsetZ[b][c] = length * b / 4.0;
        }
    }
}

// Pounds of water a volume in cubic inches displaces.
inline double PoundsOf(double cubicInches, double density = FreshWaterDensity) {
    return cubicInches * density / CubicInchesPerGallon;
}

// The box most tests float: 10 inches in half-breadth, 20 high and 100 long, 2000 cubic inches an
// inch of draft.
inline const std::vector<SectionPoint> Box = {{10, 0}, {10, 20}};

// The box's points stepped without a window, the scroll bar from 1 to 20 inches at 1 inch.
class BoxRuns : public ::testing::Test {
protected:
    BoxRuns() {
        SetPrismPoints(app, Box, 100);
        runs.Hydro.HScroll1 = {10, 200, 10, 1, 1};
    }
    MeasuredHull Hull() const { return {app.Hull, 100, Pi}; }
    AppState app;
    WaterlineRuns runs;
    HydroState& hydro = runs.Hydro;
};

// The box in the started window, its offsets the master.
class BoxInWindow : public StartedWindow {
protected:
    BoxInWindow() {
        SetPrismOffsets(app, Box, 100);
        window.RepaintWindow();
    }
    HydroState& hydro = app.Work.Hydro;
};

} // namespace merrowin::test
