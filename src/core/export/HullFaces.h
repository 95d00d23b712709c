// The triangles that cover the hull between its chine points: skins, bulkheads, keel strip and
// deck, shared by the VRML world and the triangle mesh so both draw the same surface.
#pragma once

#include <array>

namespace merrowin {

// The bays between two neighbouring points of a chine (points 1..13).
inline constexpr int BaysPerChine = 12;

// Points are numbered as the VRML world lists them: starboard chine i (1..N), point j (1..13)
// is 13 (i - 1) + (j - 1), its port mirror image 13 N more.
struct PointTriangle {
    int A = 0, B = 0, C = 0;
};

// The same triangle seen from its other side (the first corner kept).
inline PointTriangle Reversed(const PointTriangle& t) {
    return {t.A, t.C, t.B};
}

// Every pair below is wound counter-clockwise seen from outside the hull (X to starboard, Y up,
// Z aft, a right-handed frame), so their normals by the right-hand rule point out of the hull.

// The skin between chines c + 1 and c + 2 (c = 0..N-2) and points p + 1 and p + 2
// (p = 0..11), on the starboard or the port side.
std::array<PointTriangle, 2> SkinBay(int chineCount, bool port, int c, int p);

// The band of bulkhead b (0 stem .. 4 transom, at point 3 b + 1) between chines c + 1 and c + 2,
// spanning from the starboard pair to the port pair; facing aft, as the transom faces out.
std::array<PointTriangle, 2> BulkheadBand(int chineCount, int c, int b);

// The strip between the starboard and port keel chines (chine 1) over bay p, facing down.
std::array<PointTriangle, 2> KeelBay(int chineCount, int p);

// The deck between the starboard and port sheer chines (chine N) over bay p, facing up.
std::array<PointTriangle, 2> DeckBay(int chineCount, int p);

} // namespace merrowin
