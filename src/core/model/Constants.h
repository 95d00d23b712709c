// The program's named constants: its two values of pi, water, the unit factors the results use,
// the hydrostatics' rules of thumb, and the reach of the mouse in the main view.
#pragma once

namespace merrowin {

// The program's degree-radian constant (`Pi`): the perspective view, the spin step and the
// hydrostatics' angles.
inline constexpr double Pi = 3.1415927;
// The shorter value the pitch, the rig, the labels, the heel, the nesting turns and the
// expansion's first placement have always used; their results depend on it, so it stays.
inline constexpr double ShortPi = 3.1415;
inline constexpr double ShortDegreesToRadians = ShortPi / 180;

// Water, pounds per US gallon: fresh at 20 C, and sea water.
inline constexpr double FreshWaterDensity = 8.3305;
inline constexpr double SeaWaterDensity = 8.5556;
// Cubic inches in a US gallon: displacement = volume x density / 231.
inline constexpr double CubicInchesPerGallon = 231;
// The results list and the status show volumes in cubic feet and areas in square feet.
inline constexpr double CubicInchesPerCubicFoot = 1728;
inline constexpr double SquareInchesPerSquareFoot = 144;
// The displacement/length ratio counts long tons.
inline constexpr double PoundsPerLongTon = 2240;

// Speed rules of thumb: the speed/length ratio a displacement hull of a given D/L reaches,
// SLRatio = SpeedLengthFactor / DLRatio ^ SpeedLengthExponent, and the hull speed in knots,
// HullSpeedFactor x the square root of the waterline length in feet.
inline constexpr double SpeedLengthFactor = 8.26;
inline constexpr double SpeedLengthExponent = 0.311;
inline constexpr double HullSpeedFactor = 1.34;

// The heel search matches the upright weight within this many pounds. A hull too light rises by
// the factor 1 + HeelRiseGain x (target - total) / total, one too heavy sinks by
// 1 + HeelSinkGain x (target - total) / total.
inline constexpr double HeelWeightTolerance = 15;
inline constexpr double HeelRiseGain = 0.333;
inline constexpr double HeelSinkGain = 0.1;

// The mouse in the main view (inches): a press picks the nearest point within
// HullLength / PickRadiusDivisor, and never one MaxPickDistance away or more; a released crossing
// snaps onto another crossing nearer than SnapRadius.
inline constexpr double MaxPickDistance = 1000;
inline constexpr double PickRadiusDivisor = 50;
inline constexpr double SnapRadius = 0.25;

} // namespace merrowin
