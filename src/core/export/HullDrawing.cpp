// The hull drawing: the three-dimensional wireframe of the hull as DXF, in inches.
#include "export/HullDrawing.h"

#include <algorithm>

#include "io/DxfWriter.h"
#include "text/NumberText.h"

namespace merrowin {

namespace {

void Vertex(std::ostream& out, double x, double y, double z) {
    DxfVertex(out, PrintNumber(x), PrintNumber(y), PrintNumber(z));
}

} // namespace

std::string HullDrawingName(std::string_view hullFileName) {
    // The drawing sits beside the hull file; only the file's own name is cut at its first dot.
    const std::size_t slash = hullFileName.find_last_of('/');
    const std::size_t nameStart = slash == std::string_view::npos ? 0 : slash + 1;
    const std::string_view name = hullFileName.substr(nameStart);
    const std::size_t dot = name.find('.');
    std::string result(hullFileName.substr(0, nameStart));
    if (dot != std::string_view::npos) {
        result += name.substr(0, dot + 1);
    }
    return result + "DXF";
}

void WriteHullDrawing(std::ostream& out, const HullDocument& hull) {
    const int n = ChinesInUse(hull);
    DxfBeginEntities(out);
    double w = 0; // largest half-width, found while the first copy's chines are written
    // Three copies of the wireframe: as it stands, then beside it seen from the side and from
    // above, shifted aft by twice the half-width.
    for (int copy = 0; copy < 3; ++copy) {
        auto vertex = [&](double x, double y, double z) {
            if (copy == 0) {
                Vertex(out, x, y, z);
            } else if (copy == 1) {
                Vertex(out, z + 2 * w, y, -x);
            } else {
                Vertex(out, z + 2 * w, -x, y);
            }
        };
        for (int b = 0; b < BulkheadCount; ++b) {
            DxfBeginPolyline(out, true);
            for (int c = n; c >= 1; --c) {
                vertex(-hull.OffsetX[b][c], hull.OffsetY[b][c], hull.OffsetZ[b][c]);
            }
            for (int c = 1; c <= n; ++c) {
                vertex(hull.OffsetX[b][c], hull.OffsetY[b][c], hull.OffsetZ[b][c]);
            }
            DxfEndPolyline(out);
        }
        for (int c = 1; c <= n; ++c) {
            const auto& points = hull.SplinePoints[static_cast<std::size_t>(c)];
            DxfBeginPolyline(out, true);
            for (int p = 1; p <= PointsPerChine; ++p) {
                if (copy == 0) {
                    w = std::max(w, points[p][AxisX]);
                }
                vertex(-points[p][AxisX], points[p][AxisY], points[p][AxisZ]);
            }
            for (int p = PointsPerChine; p >= 1; --p) {
                vertex(points[p][AxisX], points[p][AxisY], points[p][AxisZ]);
            }
            vertex(-points[1][AxisX], points[1][AxisY], points[1][AxisZ]);
            DxfEndPolyline(out);
        }
    }
    DxfEndEntities(out);
}

} // namespace merrowin
