// The hull drawing: the three-dimensional wireframe of the hull as DXF, in inches.
#pragma once

#include <ostream>
#include <string>
#include <string_view>

#include "model/Hull.h"

namespace merrowin {

// The name of the hull drawing: the hull file's name up to its first "." followed by "DXF",
// beside the hull file.
std::string HullDrawingName(std::string_view hullFileName);
// Writes the three-dimensional wireframe of the hull as DXF, in inches, lines ended by CR LF:
// three copies, as it stands, then beside it seen from the side and from above.
void WriteHullDrawing(std::ostream& out, const HullDocument& hull);

} // namespace merrowin
