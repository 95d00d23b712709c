// The upright hull at a waterline: sections, volume, lateral area, slices and ratios.
#include "hydro/WaterlineCalc.h"
#include "model/Constants.h"

#include <algorithm>
#include <cmath>

namespace merrowin {

namespace {

// Twice the signed area of the triangle (a1, b1), (a2, b2), (a3, b3).
inline double DoubledArea(double a1, double b1, double a2, double b2, double a3, double b3) {
    return (a1 * b2 - a2 * b1) + (a2 * b3 - a3 * b2) + (a3 * b1 - a1 * b3);
}

// A result takes a new value only when the value could be formed.
inline void Assign(double& target, double value) {
    if (std::isfinite(value)) {
        target = value;
    }
}

inline void AssignSingle(float& target, double value) {
    const auto single = static_cast<float>(value);
    if (std::isfinite(single)) {
        target = single;
    }
}

// Steps of the sections: each section is a fan of triangles around (X 0, Y w), both sides
// together. Returns the largest section area; fills the crossing of every station.
double IntegrateSections(const HullDocument& hull, int n, double w, double& volume, double& moment,
                         WaterplaneOutline& outline) {
    const auto& s = hull.SplinePoints;
    double largest = 0;
    double area = 0;
    double keelZBefore = 0; // the station before point 1 is taken as Z = 0
    double t = 0;           // kept from the last crossing when a segment lies level in the water
    volume = 0;
    moment = 0;
    for (int p = 1; p <= PointsPerChine; ++p) {
        const double areaBefore = area;
        area = 0;
        double crossX = s[1][p][AxisX];
        double crossZ = s[1][p][AxisZ];
        if (s[1][p][AxisY] <= w) {
            // A keel chine with a half-breadth: the flat of the keel.
            area += DoubledArea(0, w, 0, s[1][p][AxisY], s[1][p][AxisX], s[1][p][AxisY]);
        }
        for (int c = 1; c < n; ++c) {
            const auto& a = s[c][p];
            const auto& b = s[c + 1][p];
            if (b[AxisY] < w) {
                area += DoubledArea(0, w, a[AxisX], a[AxisY], b[AxisX], b[AxisY]);
                crossX = b[AxisX];
                continue;
            }
            if (a[AxisY] > w) {
                continue; // the segment lies above the water
            }
            if (b[AxisY] != a[AxisY]) {
                t = (w - a[AxisY]) / (b[AxisY] - a[AxisY]);
            }
            if (a[AxisX] != b[AxisX]) {
                crossX = a[AxisX] + t * (b[AxisX] - a[AxisX]);
                crossZ = a[AxisZ] + t * (b[AxisZ] - a[AxisZ]);
            } else {
                crossX = a[AxisX];
                if (a[AxisZ] != b[AxisZ]) {
                    crossZ = a[AxisZ] + t * (b[AxisZ] - a[AxisZ]);
                }
            }
            area += DoubledArea(0, w, a[AxisX], a[AxisY], crossX, w);
            break;
        }
        // Trapezoidal rule along the keel chine's stations. The moment takes each slab's volume
        // at its middle station, so that CenterBuoyancyZ is the centroid of the volume.
        const double keelZ = s[1][p][AxisZ];
        const double slab = (areaBefore + area) / 2 * (keelZ - keelZBefore);
        volume += slab;
        moment += slab * (keelZ + keelZBefore) / 2;
        largest = std::max(largest, area);
        outline.Z[p] = crossZ;
        outline.X[p] = crossX;
        keelZBefore = keelZ;
    }
    return largest;
}

// The immersed profile (plane Z, Y) as a fan of triangles around (Z hullLength / 2, Y w) over
// its outline: down the stem from the waterline, aft along the keel, up the transom. Each
// triangle is taken in the outline's direction and the signed areas are summed, so that the
// profile comes out whole also when the fan's apex lies outside it (a waterline that does not
// reach the middle station); where the apex lies on the waterline between the ends, as it
// normally does, every triangle has the same sign and the sum is that of their sizes.
struct LateralSums {
    double Area = 0, MomentZ = 0, MomentY = 0;
    double Fore = 0, Aft = 0;
};

LateralSums IntegrateProfile(const HullDocument& hull, int n, double w, double hullLength) {
    const auto& s = hull.SplinePoints;
    LateralSums sums;
    sums.Aft = hullLength;
    const double apexZ = hullLength / 2;
    // The triangle apex, (z1, y1), (z2, y2), with (z1, y1) before (z2, y2) along the outline.
    auto add = [&](double z1, double y1, double z2, double y2) {
        const double area = DoubledArea(apexZ, w, z1, y1, z2, y2) / 2;
        sums.Area += area;
        sums.MomentZ += area * (apexZ + z1 + z2) / 3;
        sums.MomentY += area * (w + y1 + y2) / 3;
    };
    // Station where the segment a-b reaches the waterline; the target keeps its value when the
    // segment's height difference cancels the small guard term.
    auto crossing = [&](const auto& a, const auto& b, double& target) {
        const double t = (w - a[AxisY]) / (b[AxisY] - a[AxisY] + 1e-14);
        Assign(target, a[AxisZ] + t * (b[AxisZ] - a[AxisZ]));
    };

    // Stem (point 1), from the sheer down. A stem chine lying on the waterline is where the stem
    // meets it: passing it by would start the fan at the sheer and add the dry stem above the
    // water to the area.
    double prevZ = s[n][1][AxisZ];
    double prevY = s[n][1][AxisY];
    for (int c = n; c >= 2; --c) {
        const auto& a = s[c][1];
        const auto& b = s[c - 1][1];
        if (a[AxisY] >= w && b[AxisY] < w) {
            crossing(a, b, sums.Fore);
            prevZ = sums.Fore;
            prevY = w;
        } else if (!(b[AxisY] < w)) {
            continue;
        }
        add(prevZ, prevY, b[AxisZ], b[AxisY]);
        prevZ = b[AxisZ];
        prevY = b[AxisY];
    }
    // Keel (chine 1), from the stem aft; here too a point on the waterline is where the keel
    // enters or leaves the water, or the bay beside it and the waterline's end are lost.
    for (int p = 1; p < PointsPerChine; ++p) {
        const auto& a = s[1][p];
        const auto& b = s[1][p + 1];
        if (a[AxisY] >= w && b[AxisY] < w) {
            crossing(a, b, sums.Fore);
            add(sums.Fore, w, b[AxisZ], b[AxisY]);
        } else if (a[AxisY] < w && b[AxisY] < w) {
            add(a[AxisZ], a[AxisY], b[AxisZ], b[AxisY]);
        } else if (a[AxisY] < w && b[AxisY] >= w) {
            crossing(a, b, sums.Aft);
            add(a[AxisZ], a[AxisY], sums.Aft, w);
        }
    }
    // Transom (point 13), from the keel up; a chine on the waterline ends the immersed part.
    for (int c = 1; c < n; ++c) {
        const auto& a = s[c][PointsPerChine];
        const auto& b = s[c + 1][PointsPerChine];
        if (a[AxisY] < w && b[AxisY] >= w) {
            crossing(a, b, sums.Aft);
            add(a[AxisZ], a[AxisY], sums.Aft, w);
        } else if (b[AxisY] < w) {
            add(a[AxisZ], a[AxisY], b[AxisZ], b[AxisY]);
        }
    }
    // The outline runs clockwise in (Z, Y); report the size and centre.
    if (sums.Area < 0) {
        sums.Area = -sums.Area;
        sums.MomentZ = -sums.MomentZ;
        sums.MomentY = -sums.MomentY;
    }
    return sums;
}

// Horizontal slices for the vertical and transverse centres of buoyancy: each slice's waterplane
// (plane X, Z) is a fan of triangles around (X 0, Z hullLength / 2).
void IntegrateSlices(const HullDocument& hull, int n, double w, double hullLength,
                     HydroState& hydro) {
    std::array<double, 12> heights{};
    const int count = SliceHeights(w, heights);
    if (count == 0) {
        return;
    }
    const double apexZ = hullLength / 2;
    double momentDepth = 0, areaSum = 0, momentX = 0;
    for (int i = 0; i < count; ++i) {
        const double h = heights[i];
        double area = 0;
        bool started = false;
        double prevX = 0, prevZ = 0;
        int chine = n;
        for (int p = 1; p <= PointsPerChine; ++p) {
            double x = 0, z = 0;
            if (!LevelPoint(hull, n, p, h, x, z, chine)) {
                continue;
            }
            if (started) {
                const double d = DoubledArea(0, apexZ, prevX, prevZ, x, z);
                area += d;
                momentX += (prevX + x) / 3 * d / 2;
            }
            started = true;
            prevX = x;
            prevZ = z;
        }
        if (started) {
            // Close the slice on the centre line at the transom.
            const double d = DoubledArea(0, apexZ, prevX, prevZ, 0,
                                         hull.SplinePoints[chine][PointsPerChine][AxisZ]);
            area += d;
            momentX += prevX / 3 * d / 2;
        }
        momentDepth += (w - h) * area;
        areaSum += area;
    }
    if (areaSum != 0) {
        Assign(hydro.CenterBuoyancyY, w - momentDepth / areaSum);
        Assign(hydro.CenterBuoyancyX, momentX / (areaSum / 2));
    }
}

} // namespace

int SliceHeights(double waterlineHeight, std::array<double, 12>& heights) {
    if (!(waterlineHeight >= 1) || !std::isfinite(waterlineHeight)) {
        return 0;
    }
    const double step = waterlineHeight / 10;
    int count = 0;
    // Accumulated like a counted loop with a fractional step; at most 11 heights fit below W.
    for (double h = 1; h <= waterlineHeight && count < static_cast<int>(heights.size());
         h += step) {
        heights[static_cast<std::size_t>(count++)] = h;
    }
    return count;
}

bool LevelPoint(const HullDocument& hull, int chineCount, int p, double h, double& x, double& z,
                int& chine) {
    const auto& s = hull.SplinePoints;
    x = s[1][p][AxisX];
    for (int c = 1; c < chineCount; ++c) {
        const auto& a = s[c][p];
        const auto& b = s[c + 1][p];
        if (b[AxisY] < h) {
            x = b[AxisX];
            continue;
        }
        if (a[AxisX] == b[AxisX]) {
            x = b[AxisX];
        } else if (a[AxisY] > h) {
            x = s[1][p][AxisX]; // the keel is above the plane
        } else {
            x = a[AxisX] + (b[AxisX] - a[AxisX]) * (h - a[AxisY]) / (b[AxisY] - a[AxisY] + 1e-8);
        }
        z = a[AxisZ];
        chine = c;
        return true;
    }
    chine = chineCount;
    return false;
}

WaterlineOutcome ComputeWaterlineValues(const HullDocument& hull, double hullLength, double pi,
                                        HydroState& hydro, WaterplaneOutline& outline) {
    const int n = ChineCountInRange(hull);
    const double w = hydro.WaterlineHeight;
    const auto& s = hull.SplinePoints;

    double volume = 0, moment = 0;
    const double largest = IntegrateSections(hull, n, w, volume, moment, outline);
    Assign(hydro.DisplacedVolume, volume);
    // The largest section area is held in PrismaticCoeff until the coefficient replaces it.
    Assign(hydro.PrismaticCoeff, largest);

    for (int q = 1; q <= PointsPerChine; ++q) {
        if (w > s[n][q][AxisY]) {
            return WaterlineOutcome::Sunk;
        }
    }

    const LateralSums lateral = IntegrateProfile(hull, n, w, hullLength);
    Assign(hydro.LateralArea, lateral.Area);
    hydro.WaterlineFore = lateral.Fore;
    hydro.WaterlineAft = lateral.Aft;

    AssignSingle(hydro.WaterlineLength, lateral.Aft - lateral.Fore);
    if (volume != 0) {
        Assign(hydro.CenterBuoyancyZ, moment / volume);
    }
    AssignSingle(hydro.Displacement,
                 hydro.DisplacedVolume * hydro.WaterDensity / CubicInchesPerGallon);
    if (lateral.Area != 0) {
        Assign(hydro.LateralCenterY, lateral.MomentY / lateral.Area);
        Assign(hydro.LateralCenterZ, lateral.MomentZ / lateral.Area);
    }

    // Ratios from the single-precision displacement (pounds) and waterline length (inches).
    const double displacement = hydro.Displacement;
    const double length = hydro.WaterlineLength;
    const double cube = std::pow(0.01 * length / 12, 3);
    if (cube != 0) {
        // Long tons over the cube of the waterline length in hundreds of feet.
        Assign(hydro.DLRatio, (displacement / PoundsPerLongTon) / cube);
    }
    if (hydro.DLRatio > 0) {
        // The speed/length ratio a displacement hull of that D/L can reach.
        Assign(hydro.SLRatio, SpeedLengthFactor / std::pow(hydro.DLRatio, SpeedLengthExponent));
    }
    if (length >= 0) {
        Assign(hydro.DispSpeed, std::sqrt(length / 12) * HullSpeedFactor);
    }

    // Buttock angle: the slope of chine 2 from bulkhead 3 to the transom.
    const double run = s[2][13][AxisZ] - s[2][10][AxisZ];
    if (run != 0 && pi != 0) {
        Assign(hydro.ButtockAngle,
               std::fabs(std::atan((s[2][13][AxisY] - s[2][10][AxisY]) / run)) * 180 / pi);
    }

    IntegrateSlices(hull, n, w, hullLength, hydro);

    const double divisor = largest * length;
    if (divisor != 0) {
        Assign(hydro.PrismaticCoeff, hydro.DisplacedVolume / divisor);
    }
    return WaterlineOutcome::Complete;
}

} // namespace merrowin
