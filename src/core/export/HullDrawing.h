// The hull drawing: the three-dimensional wireframe of the hull as DXF, in inches.
#pragma once

#include <string>
#include <string_view>

#include "model/Hull.h"

namespace merrowin {

// The name of the hull drawing: the hull file's name up to its first "." followed by "DXF",
// beside the hull file.
std::string HullDrawingName(std::string_view hullFileName);
// The three-dimensional wireframe of the hull as DXF text, in inches: three copies, as it stands,
// then beside it seen from the side and from above.
std::string HullDrawingText(const HullDocument& hull);

} // namespace merrowin
