// The righting-arm (GZ) curve: the hull heeled through a range of angles at a fixed weight, with
// the righting arm and moment at each angle and the usual criteria read from the curve.
#pragma once

#include <optional>
#include <vector>

#include "model/Hull.h"

namespace merrowin {

// The weight found at every angle matches the displacement within the larger of these: pounds,
// and a fraction of the displacement.
inline constexpr double StabilityWeightTolerance = 0.1;
inline constexpr double StabilityRelativeTolerance = 1e-6;
// The most angles one curve takes (0 to 180 degrees at a quarter of a degree is 721).
inline constexpr int MaxStabilityAngles = 1000;
// The areas under the curve are taken by Simpson's rule over angles this far apart (degrees).
inline constexpr double StabilityAreaStep = 2.5;
// The initial metacentric height is the curve's slope at upright: GZ / sin of this angle.
inline constexpr double StabilitySlopeAngle = 0.1;

// One angle of the curve. Heights and the centre of buoyancy are in the heeled frame: the hull
// turned about the origin of its sections (X 0, Y 0), the water level at Y = Waterline.
struct StabilityPoint {
    double Angle = 0;          // degrees; positive heels the starboard side (+X) down
    bool Floated = false;      // a waterline was found that displaces the weight
    double Waterline = 0;      // inches
    double RightingArm = 0;    // GZ, inches: the centre of buoyancy to starboard of the gravity's
    double RightingMoment = 0; // foot-pounds: displacement x GZ / 12
    double Freeboard = 0;      // inches: the lowest sheer point above the water (below: < 0)
    double Displaced = 0;      // pounds the heeled hull displaces at that waterline
    double CenterBuoyancyX = 0, CenterBuoyancyY = 0, CenterBuoyancyZ = 0;
};

// Everything an angle that found no waterline (the hull sinks, or has no volume) holds is 0.
struct StabilityCurve {
    double Displacement = 0; // pounds
    double WaterDensity = 0; // pounds per US gallon
    CenterOfGravity Gravity;
    std::vector<StabilityPoint> Points; // in the order the angles were asked for
    bool AllFloated = false;            // every angle found its waterline

    // From the points at 0 degrees and above that floated, in order of angle:
    std::optional<double> InitialGM;      // inches, the slope at upright
    std::optional<double> MaxRightingArm; // inches, the largest GZ of the points
    double MaxRightingArmAngle = 0;       // degrees, where the points have it
    // Where GZ first falls from positive to zero or below, between two points.
    std::optional<double> VanishingAngle;
    // Where the lowest sheer point first reaches the water (0 when it is there upright).
    std::optional<double> DeckEdgeAngle;
    // Inch-radians under the curve from upright to 30 and to 40 degrees (whatever the angles
    // asked for), when the hull floats at every angle the rule needs.
    std::optional<double> AreaTo30, AreaTo40;
};

// The curve of the hull's solid (its 13 points per chine, both sides, closed by the keel strip,
// the deck, the stem and the transom) floating at `displacement` pounds in water of
// `waterDensity` pounds per gallon, with its centre of gravity on the centre line at `gravity`,
// at each of `angles` (degrees; at most MaxStabilityAngles, and those that are not finite left
// out). At each angle the waterline is found by Brent's method on the immersed volume; angles
// are turned into radians with the full value of pi. Never a NaN or an infinity.
StabilityCurve ComputeStabilityCurve(const HullDocument& hull, double displacement,
                                     const CenterOfGravity& gravity, double waterDensity,
                                     const std::vector<double>& angles);

// 0, step, 2 step ... up to `to`, which is always the last (degrees). Empty unless
// 0 < step, 0 < to <= 180 and the count is at most MaxStabilityAngles.
std::vector<double> StabilityAngles(double to, double step);

// Pounds the upright solid displaces floating at a waterline height (0 when it cannot be found).
double SolidDisplacement(const HullDocument& hull, double waterline, double waterDensity);

} // namespace merrowin
