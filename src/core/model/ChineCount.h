// The chine-count box: clamping the count and filling a never-used chine by extrapolation.
#pragma once

#include <string>

#include "model/Hull.h"

namespace merrowin {

// Applies a new text of the chine-count box: clamps it to 2..30 (the box then shows the clamped
// text), fills a never-filled chine above the old count by extrapolation from the two highest
// chines in use, and sets ChineCount. Returns the text the box shows afterwards.
std::string ApplyChineCountText(HullDocument& hull, const std::string& text);

} // namespace merrowin
