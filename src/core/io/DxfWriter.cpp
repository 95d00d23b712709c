// DXF text shared by every DXF file the program writes.
#include "io/DxfWriter.h"

namespace merrowin {

void DxfGroup(TextOut& out, std::string_view code, std::string_view value) {
    out.Line(code).Line(value);
}

void DxfBeginEntities(TextOut& out) {
    DxfGroup(out, "  0", "SECTION");
    DxfGroup(out, "  2", "ENTITIES");
}

void DxfEndEntities(TextOut& out) {
    DxfGroup(out, "  0", "ENDSEC");
    DxfGroup(out, "  0", "EOF");
}

void DxfLine(TextOut& out, std::string_view x1, std::string_view y1, std::string_view x2,
             std::string_view y2) {
    DxfGroup(out, "  0", "LINE");
    DxfGroup(out, "  8", "0");
    DxfGroup(out, " 10", x1);
    DxfGroup(out, " 20", y1);
    DxfGroup(out, " 11", x2);
    DxfGroup(out, " 21", y2);
}

void DxfBeginPolyline(TextOut& out, bool threeDimensional) {
    DxfGroup(out, "  0", "POLYLINE");
    DxfGroup(out, "  8", "0");
    DxfGroup(out, " 66", "     1");
    DxfGroup(out, " 10", "0.0");
    DxfGroup(out, " 20", "0.0");
    if (threeDimensional) {
        DxfGroup(out, " 30", "0.0");
    }
}

void DxfVertex(TextOut& out, std::string_view x, std::string_view y,
               std::optional<std::string_view> z) {
    DxfGroup(out, "  0", "VERTEX");
    DxfGroup(out, "  8", "0");
    DxfGroup(out, " 10", x);
    DxfGroup(out, " 20", y);
    if (z) {
        DxfGroup(out, " 30", *z);
    }
}

void DxfEndPolyline(TextOut& out) {
    DxfGroup(out, "  0", "SEQEND");
}

} // namespace merrowin
