// DXF text shared by every DXF file the program writes.
#include "io/DxfWriter.h"

namespace merrowin {

void DxfGroup(std::ostream& out, std::string_view code, std::string_view value) {
    // Unformatted writes: a drawing has tens of thousands of these lines.
    out.write(code.data(), static_cast<std::streamsize>(code.size()));
    out.write("\r\n", 2);
    out.write(value.data(), static_cast<std::streamsize>(value.size()));
    out.write("\r\n", 2);
}

void DxfBeginEntities(std::ostream& out) {
    DxfGroup(out, "  0", "SECTION");
    DxfGroup(out, "  2", "ENTITIES");
}

void DxfEndEntities(std::ostream& out) {
    DxfGroup(out, "  0", "ENDSEC");
    DxfGroup(out, "  0", "EOF");
}

void DxfLine(std::ostream& out, std::string_view x1, std::string_view y1, std::string_view x2,
             std::string_view y2) {
    DxfGroup(out, "  0", "LINE");
    DxfGroup(out, "  8", "0");
    DxfGroup(out, " 10", x1);
    DxfGroup(out, " 20", y1);
    DxfGroup(out, " 11", x2);
    DxfGroup(out, " 21", y2);
}

void DxfBeginPolyline(std::ostream& out, bool threeDimensional) {
    DxfGroup(out, "  0", "POLYLINE");
    DxfGroup(out, "  8", "0");
    DxfGroup(out, " 66", "     1");
    DxfGroup(out, " 10", "0.0");
    DxfGroup(out, " 20", "0.0");
    if (threeDimensional) {
        DxfGroup(out, " 30", "0.0");
    }
}

void DxfVertex(std::ostream& out, std::string_view x, std::string_view y,
               std::optional<std::string_view> z) {
    DxfGroup(out, "  0", "VERTEX");
    DxfGroup(out, "  8", "0");
    DxfGroup(out, " 10", x);
    DxfGroup(out, " 20", y);
    if (z) {
        DxfGroup(out, " 30", *z);
    }
}

void DxfEndPolyline(std::ostream& out) {
    DxfGroup(out, "  0", "SEQEND");
}

} // namespace merrowin
