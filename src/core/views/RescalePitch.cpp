// Rescaling the offsets and pitching the hull.
#include "views/RescalePitch.h"
#include "model/Constants.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "app/History.h"
#include "text/NumberText.h"

namespace merrowin {

namespace {

bool AllFinite(const OffsetTable& table, int n) {
    for (int b = 0; b < BulkheadCount; ++b) {
        for (int c = 1; c <= n; ++c) {
            if (!std::isfinite(table[b][c])) {
                return false;
            }
        }
    }
    return true;
}

} // namespace

const char* RescalePrompt(RescaleItem item) {
    switch (item) {
    case RescaleItem::Beam:
        return "Enter a new maximum beam:";
    case RescaleItem::Height:
        return "Enter a new maximum height:";
    default:
        return "Enter a new hull length:";
    }
}

double RescaleCurrentValue(const WorkingValues& work, RescaleItem item) {
    switch (item) {
    case RescaleItem::Beam:
        return work.MaxHalfBreadth;
    case RescaleItem::Height:
        return work.HullHeight;
    default:
        return work.HullLength;
    }
}

bool RescaleHull(HullDocument& hull, WorkingValues& work, RescaleItem item, double newValue,
                 double typedValue) {
    const double current = RescaleCurrentValue(work, item);
    // A current value of 0 (a hull with no extent, or Auto-Spline off for the beam) gives no
    // factor; the hull is left as it is.
    if (newValue == 0 || current == 0) {
        return false;
    }
    const double factor = newValue / current;
    if (!std::isfinite(factor)) {
        return false;
    }
    const bool scaleX = item == RescaleItem::Overall || item == RescaleItem::Beam;
    const bool scaleY = item == RescaleItem::Overall || item == RescaleItem::Height;
    const bool scaleZ = item == RescaleItem::Overall || item == RescaleItem::Length;
    const int n = ChineCountInRange(hull);
    OffsetTable x = hull.OffsetX, y = hull.OffsetY, z = hull.OffsetZ;
    for (int b = 0; b < BulkheadCount; ++b) {
        for (int c = 1; c <= n; ++c) {
            if (scaleX) {
                x[b][c] *= factor;
            }
            if (scaleY) {
                y[b][c] *= factor;
            }
            if (scaleZ) {
                z[b][c] *= factor;
            }
        }
    }
    if (!AllFinite(x, n) || !AllFinite(y, n) || !AllFinite(z, n)) {
        return false;
    }
    hull.OffsetX = x;
    hull.OffsetY = y;
    hull.OffsetZ = z;
    if (scaleZ) {
        work.StationText[4] = BoxText(typedValue);
        for (int b = 1; b <= 3; ++b) {
            work.StationText[static_cast<std::size_t>(b)] = BoxText(hull.OffsetZ[b][1]);
        }
    }
    return true;
}

void ApplyPitch(AppState& app, RepaintHub& hub) {
    // Every pitch of the hull, asked for or the reset to zero before a save, is a step.
    const StepScope step(app);
    WorkingValues& work = app.Work;
    const double change = work.PitchAngle - work.AppliedPitch;
    if (change == 0) {
        hub.RepaintWindow();
        return;
    }
    // The pitch's degree conversion uses the short pi.
    const double a = -change * ShortDegreesToRadians;
    const double cosine = std::cos(a), sine = std::sin(a);
    HullDocument& hull = app.Hull;
    const int n = ChineCountInRange(hull);

    // Rotated into copies first, so that a failure leaves the hull as it was.
    OffsetTable offsetY = hull.OffsetY, offsetZ = hull.OffsetZ;
    SplineTable points = hull.SplinePoints;
    for (int b = 0; b < BulkheadCount; ++b) {
        for (int c = 1; c <= n; ++c) {
            const double y = offsetY[b][c], z = offsetZ[b][c];
            offsetZ[b][c] = z * cosine - y * sine;
            offsetY[b][c] = y * cosine + z * sine;
        }
    }
    // The shift brings the lowest and the foremost spline point to 0 (the true minima, whatever
    // the hull's size).
    double zMin = std::numeric_limits<double>::infinity();
    double yMin = std::numeric_limits<double>::infinity();
    for (int c = 1; c <= n; ++c) {
        for (int p = 1; p <= PointsPerChine; ++p) {
            auto& point = points[c][p];
            const double y = point[AxisY], z = point[AxisZ];
            point[AxisZ] = z * cosine - y * sine;
            point[AxisY] = y * cosine + z * sine;
            zMin = std::min(zMin, point[AxisZ]);
            yMin = std::min(yMin, point[AxisY]);
        }
    }
    bool finite = std::isfinite(zMin) && std::isfinite(yMin);
    for (int b = 0; b < BulkheadCount && finite; ++b) {
        for (int c = 1; c <= n; ++c) {
            offsetZ[b][c] -= zMin;
            offsetY[b][c] -= yMin;
        }
    }
    for (int c = 1; c <= n && finite; ++c) {
        for (int p = 1; p <= PointsPerChine; ++p) {
            points[c][p][AxisZ] -= zMin;
            points[c][p][AxisY] -= yMin;
            finite =
                finite && std::isfinite(points[c][p][AxisY]) && std::isfinite(points[c][p][AxisZ]);
        }
    }
    finite = finite && AllFinite(offsetY, n) && AllFinite(offsetZ, n);
    if (!finite) {
        work.PitchAngle = work.AppliedPitch;
        hub.RepaintWindow();
        return;
    }
    hull.OffsetY = offsetY;
    hull.OffsetZ = offsetZ;
    hull.SplinePoints = points;
    hub.RepaintWindow();
    work.AppliedPitch = work.PitchAngle;
}

} // namespace merrowin
