// The hull's triangles over its chine points, each pair wound to face out of the hull.
#include "export/HullFaces.h"

#include "model/Hull.h"

namespace merrowin {

namespace {

constexpr int Row = PointsPerChine; // from a point to the same point of the next chine

int PortOffset(int chineCount) {
    return PointsPerChine * chineCount;
}

} // namespace

std::array<PointTriangle, 2> SkinBay(int chineCount, bool port, int c, int p) {
    const int k = (port ? PortOffset(chineCount) : 0) + Row * c + p;
    // The port side is the starboard mirrored, which turns the winding over.
    const std::array<PointTriangle, 2> starboard = {PointTriangle{k, k + Row, k + 1},
                                                    PointTriangle{k + 1, k + Row, k + Row + 1}};
    if (!port) {
        return starboard;
    }
    return {Reversed(starboard[0]), Reversed(starboard[1])};
}

std::array<PointTriangle, 2> BulkheadBand(int chineCount, int c, int b) {
    const int s = PortOffset(chineCount);
    const int q = 3 * b + Row * c;
    return {PointTriangle{q, q + Row, s + q + Row}, PointTriangle{q, s + q + Row, s + q}};
}

std::array<PointTriangle, 2> KeelBay(int chineCount, int p) {
    const int s = PortOffset(chineCount);
    return {PointTriangle{p + 1, s + p, p}, PointTriangle{p + 1, s + p + 1, s + p}};
}

std::array<PointTriangle, 2> DeckBay(int chineCount, int p) {
    const int sheer = Row * (chineCount - 1);
    const int portSheer = sheer + PortOffset(chineCount);
    return {PointTriangle{sheer + p, portSheer + p, sheer + p + 1},
            PointTriangle{sheer + p + 1, portSheer + p, portSheer + p + 1}};
}

} // namespace merrowin
