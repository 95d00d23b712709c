// DXF text shared by every DXF file the program writes: group codes, the entities section and the
// LINE, POLYLINE, VERTEX and SEQEND entities, all on layer "0".
#pragma once

#include <optional>
#include <string_view>

#include "io/Files.h"

namespace merrowin {

// One group: its code line ("  0", " 10" ...) and its value line.
void DxfGroup(TextOut& out, std::string_view code, std::string_view value);

// "  0", "SECTION", "  2", "ENTITIES".
void DxfBeginEntities(TextOut& out);
// "  0", "ENDSEC", "  0", "EOF".
void DxfEndEntities(TextOut& out);

// A LINE from (x1, y1) to (x2, y2); the numbers come already printed.
void DxfLine(TextOut& out, std::string_view x1, std::string_view y1, std::string_view x2,
             std::string_view y2);

// The head of a polyline with vertices following; a three-dimensional one also carries " 30".
void DxfBeginPolyline(TextOut& out, bool threeDimensional);
// A vertex at (x, y), or (x, y, z) when z is given.
void DxfVertex(TextOut& out, std::string_view x, std::string_view y,
               std::optional<std::string_view> z = std::nullopt);
// "  0", "SEQEND".
void DxfEndPolyline(TextOut& out);

} // namespace merrowin
