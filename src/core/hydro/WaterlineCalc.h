// The numbers of the upright hull floating at a waterline: volume, displacement, centres,
// waterline ends, lateral area, coefficients, ratios and speed.
#pragma once

#include <array>

#include "hydro/HydroState.h"
#include "model/Hull.h"

namespace merrowin {

// Where the waterline cuts the section at each station p = 1..13: station Z and half-breadth X.
struct WaterplaneOutline {
    std::array<double, PointsPerChine + 1> Z{};
    std::array<double, PointsPerChine + 1> X{};
};

enum class WaterlineOutcome {
    Complete, // every result replaced
    Sunk,     // a sheer point is under water: only DisplacedVolume (and PrismaticCoeff, which
              // holds the largest section area until a complete run replaces it) changed
};

// The calculation proper, on the spline points of chines 1..ChineCount at
// hydro.WaterlineHeight. hullLength is the largest station of the offsets (the lateral fan's
// apex and the default aft end of the waterline); pi converts the buttock angle to degrees.
// A result whose formula cannot be evaluated (a zero divisor, the root or power of a negative
// number, an overflow) keeps its previous value.
WaterlineOutcome ComputeWaterlineValues(const HullDocument& hull, double hullLength, double pi,
                                        HydroState& hydro, WaterplaneOutline& outline);

// The heights of the horizontal slices below a waterline: 1, 1 + W/10, 1 + 2 W/10 ... while not
// above W (none when W < 1). Returns how many were written (at most 12).
int SliceHeights(double waterlineHeight, std::array<double, 12>& heights);

// The point where the level plane at height h cuts station p: the half-breadth x, and z, the
// station of the lower chine of the segment that reaches h. Chines below h are passed; when the
// keel itself is above h the keel's half-breadth is taken. `chine` receives the lower chine of that
// segment (ChineCount when none reaches h). False when every chine of the station lies below h.
bool LevelPoint(const HullDocument& hull, int chineCount, int p, double h, double& x, double& z,
                int& chine);

} // namespace merrowin
