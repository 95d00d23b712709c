// The designer's centre of gravity carried along when the whole hull is rescaled or pitched, so
// that it stays at the same place in the boat.
#pragma once

#include "model/Hull.h"

namespace merrowin {

// Height times factorY, station times factorZ (nothing without a designer's centre of gravity).
void ScaleDesignGravity(HullDocument& hull, double factorY, double factorZ);

// Turned in the profile as the pitch turns the points (Z' = Z cos - Y sin, Y' = Y cos + Z sin),
// then moved by the pitch's shift (subtracted).
void PitchDesignGravity(HullDocument& hull, double cosine, double sine, double shiftY,
                        double shiftZ);

} // namespace merrowin
