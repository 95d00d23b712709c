// DXF text shared by every DXF file the program writes: group codes, the entities section and the
// LINE, POLYLINE, VERTEX and SEQEND entities, all on layer "0", each line ended by CR LF. The one
// place that writes DXF entities.
#pragma once

#include <optional>
#include <ostream>
#include <string_view>

namespace merrowin {

// One group: its code line ("  0", " 10" ...) and its value line.
void DxfGroup(std::ostream& out, std::string_view code, std::string_view value);

// "  0", "SECTION", "  2", "ENTITIES".
void DxfBeginEntities(std::ostream& out);
// "  0", "ENDSEC", "  0", "EOF".
void DxfEndEntities(std::ostream& out);

// A LINE from (x1, y1) to (x2, y2); the numbers come already printed.
void DxfLine(std::ostream& out, std::string_view x1, std::string_view y1, std::string_view x2,
             std::string_view y2);

// The head of a polyline with vertices following; a three-dimensional one also carries " 30".
void DxfBeginPolyline(std::ostream& out, bool threeDimensional);
// A vertex at (x, y), or (x, y, z) when z is given.
void DxfVertex(std::ostream& out, std::string_view x, std::string_view y,
               std::optional<std::string_view> z = std::nullopt);
// "  0", "SEQEND".
void DxfEndPolyline(std::ostream& out);

} // namespace merrowin
