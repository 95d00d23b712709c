// The program's named constants: its two values of pi, water, and the unit factors the results use.
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

} // namespace merrowin
