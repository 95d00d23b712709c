// The hull's triangle mesh: the chine points welded where they coincide, triangles without area
// left out and the faces around them split, so that a closed mesh stays watertight.
#include "export/HullMesh.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <map>
#include <optional>
#include <utility>

#include "export/HullFaces.h"
#include "text/NumberText.h"

namespace merrowin {

namespace {

// Corners closer than this fraction of the hull's largest coordinate are one vertex, and a
// triangle no higher than that over its longest side has no area. It is some sixteen times the
// rounding of a single-precision binary STL coordinate (6e-8 of the largest), so no triangle
// written becomes flat on the way, and far below anything a builder could cut or print.
constexpr double WeldFraction = 1e-6;

MeshVertex Minus(const MeshVertex& a, const MeshVertex& b) {
    return {a[0] - b[0], a[1] - b[1], a[2] - b[2]};
}

double Dot(const MeshVertex& a, const MeshVertex& b) {
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}

MeshVertex Cross(const MeshVertex& a, const MeshVertex& b) {
    return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}

double Length(const MeshVertex& a) {
    return std::sqrt(Dot(a, a));
}

// A damaged point cannot put a NaN or an infinity into the file: it lies at the origin instead.
double Finite(double value) {
    return std::isfinite(value) ? value : 0.0;
}

// The faces of one part, as triangles over the chine points.
struct Part {
    std::string Name;
    std::vector<PointTriangle> Faces;
};

std::vector<Part> Parts(int n, bool closed) {
    std::vector<Part> parts;
    for (const bool port : {false, true}) {
        Part skin{port ? "port_skin" : "starboard_skin", {}};
        for (int c = 0; c <= n - 2; ++c) {
            for (int p = 0; p < BaysPerChine; ++p) {
                for (const PointTriangle& t : SkinBay(n, port, c, p)) {
                    skin.Faces.push_back(t);
                }
            }
        }
        parts.push_back(std::move(skin));
    }
    for (int b = 0; b < BulkheadCount; ++b) {
        const bool end = b == 0 || b == BulkheadCount - 1;
        if (closed && !end) {
            continue; // inside the solid
        }
        Part bulkhead{b == 0 ? "stem" : end ? "transom" : "bulkhead_" + IntText(b), {}};
        for (int c = 0; c <= n - 2; ++c) {
            for (const PointTriangle& t : BulkheadBand(n, c, b)) {
                // The stem faces out of the hull, forward; every other bulkhead aft.
                bulkhead.Faces.push_back(b == 0 ? Reversed(t) : t);
            }
        }
        parts.push_back(std::move(bulkhead));
    }
    Part keel{"keel_strip", {}};
    Part deck{"deck", {}};
    for (int p = 0; p < BaysPerChine; ++p) {
        for (const PointTriangle& t : KeelBay(n, p)) {
            keel.Faces.push_back(t);
        }
        for (const PointTriangle& t : DeckBay(n, p)) {
            deck.Faces.push_back(t);
        }
    }
    parts.push_back(std::move(keel));
    parts.push_back(std::move(deck));
    return parts;
}

// The geometry tests on welded vertices, in inches.
class Welded {
public:
    Welded(std::vector<MeshVertex> vertices, double tolerance)
        : vertices_(std::move(vertices)), tolerance_(tolerance) {}

    const std::vector<MeshVertex>& Vertices() const { return vertices_; }

    bool Degenerate(const MeshTriangle& t) const {
        if (t[0] == t[1] || t[1] == t[2] || t[2] == t[0]) {
            return true;
        }
        const MeshVertex& a = vertices_[t[0]];
        const MeshVertex& b = vertices_[t[1]];
        const MeshVertex& c = vertices_[t[2]];
        const double longest =
            std::max({Length(Minus(b, a)), Length(Minus(c, b)), Length(Minus(a, c))});
        // Twice the area over the longest side: the height of the far corner above it.
        return Length(Cross(Minus(b, a), Minus(c, a))) <= tolerance_ * longest;
    }

    // The first edge (0: corners 0-1, 1: 1-2, 2: 2-0) with a vertex lying inside it, and that
    // vertex: the corner of a neighbour whose triangle along this edge had no area.
    std::optional<std::pair<int, int>> CornerOnEdge(const MeshTriangle& t) const {
        for (int edge = 0; edge < 3; ++edge) {
            const MeshVertex& a = vertices_[t[edge]];
            const MeshVertex& b = vertices_[t[(edge + 1) % 3]];
            const MeshVertex along = Minus(b, a);
            const double squared = Dot(along, along);
            if (squared <= 0) {
                continue;
            }
            for (std::size_t v = 0; v < vertices_.size(); ++v) {
                const MeshVertex& point = vertices_[v];
                const double s = Dot(Minus(point, a), along) / squared;
                if (s <= 0 || s >= 1) {
                    continue;
                }
                const MeshVertex foot = {a[0] + s * along[0], a[1] + s * along[1],
                                         a[2] + s * along[2]};
                if (Length(Minus(point, foot)) <= tolerance_ &&
                    Length(Minus(point, a)) > tolerance_ && Length(Minus(point, b)) > tolerance_) {
                    return std::pair{edge, static_cast<int>(v)};
                }
            }
        }
        return std::nullopt;
    }

    // Adds a triangle, split at every vertex that lies inside one of its edges (the halves keep
    // its winding); a triangle without area is left out.
    void Add(const MeshTriangle& triangle, std::vector<MeshTriangle>& out) const {
        std::vector<MeshTriangle> pending{triangle};
        // Each split takes a vertex on the first triangle's outline: at most one per vertex.
        std::size_t splits = 0;
        while (!pending.empty()) {
            const MeshTriangle t = pending.back();
            pending.pop_back();
            if (Degenerate(t)) {
                continue;
            }
            const auto corner = splits < vertices_.size() ? CornerOnEdge(t) : std::nullopt;
            if (!corner) {
                out.push_back(t);
                continue;
            }
            ++splits;
            const auto [edge, v] = *corner;
            const int a = t[edge], b = t[(edge + 1) % 3], c = t[(edge + 2) % 3];
            pending.push_back({v, b, c});
            pending.push_back({a, v, c});
        }
    }

private:
    std::vector<MeshVertex> vertices_;
    double tolerance_;
};

// The triangle turned to start at its lowest vertex, so the same triangle has one key.
MeshTriangle Key(const MeshTriangle& t) {
    const auto lowest = std::min_element(t.begin(), t.end()) - t.begin();
    return {t[lowest], t[(lowest + 1) % 3], t[(lowest + 2) % 3]};
}

// Leaves out every pair of triangles on the same corners facing opposite ways: where the two
// sides of the hull lie on one another (a fin of no thickness) they hold no volume, and the
// solid's surface passes over them.
void DropOppositePairs(std::vector<MeshGroup>& groups) {
    std::map<MeshTriangle, std::vector<std::pair<std::size_t, std::size_t>>> unmatched;
    std::vector<std::vector<bool>> dropped(groups.size());
    for (std::size_t g = 0; g < groups.size(); ++g) {
        dropped[g].assign(groups[g].Triangles.size(), false);
        for (std::size_t i = 0; i < groups[g].Triangles.size(); ++i) {
            const MeshTriangle& t = groups[g].Triangles[i];
            const auto opposite = unmatched.find(Key({t[0], t[2], t[1]}));
            if (opposite != unmatched.end() && !opposite->second.empty()) {
                const auto [og, oi] = opposite->second.back();
                opposite->second.pop_back();
                dropped[og][oi] = true;
                dropped[g][i] = true;
            } else {
                unmatched[Key(t)].emplace_back(g, i);
            }
        }
    }
    for (std::size_t g = 0; g < groups.size(); ++g) {
        std::vector<MeshTriangle> kept;
        for (std::size_t i = 0; i < groups[g].Triangles.size(); ++i) {
            if (!dropped[g][i]) {
                kept.push_back(groups[g].Triangles[i]);
            }
        }
        groups[g].Triangles = std::move(kept);
    }
}

} // namespace

double UnitsPerInch(MeshUnits units) {
    switch (units) {
    case MeshUnits::Millimetres:
        return 25.4;
    case MeshUnits::Metres:
        return 0.0254;
    case MeshUnits::Inches:
        break;
    }
    return 1.0;
}

const char* UnitsName(MeshUnits units) {
    switch (units) {
    case MeshUnits::Millimetres:
        return "millimetres";
    case MeshUnits::Metres:
        return "metres";
    case MeshUnits::Inches:
        break;
    }
    return "inches";
}

HullMesh BuildHullMesh(const HullDocument& hull, const MeshOptions& options) {
    const int n = ChineCountInRange(hull);

    // The chine points in the VRML world's numbering, in the mesh's frame, in inches.
    std::vector<MeshVertex> points;
    double extent = 1.0;
    for (const double side : {1.0, -1.0}) {
        for (int c = 1; c <= n; ++c) {
            for (int p = 1; p <= PointsPerChine; ++p) {
                const auto& point = hull.SplinePoints[c][p];
                // + 0.0 turns the port side's -0 into 0.
                points.push_back({Finite(point[AxisZ]), side * Finite(point[AxisX]) + 0.0,
                                  Finite(point[AxisY])});
                for (const double x : points.back()) {
                    extent = std::max(extent, std::abs(x));
                }
            }
        }
    }
    const double tolerance = WeldFraction * extent;

    // Points that coincide become one vertex: where a stem or keel strip has no width the two
    // skins meet there, and where chines meet the faces between them vanish.
    std::vector<MeshVertex> vertices;
    std::vector<int> vertexOf;
    for (const MeshVertex& point : points) {
        const auto same = std::find_if(vertices.begin(), vertices.end(), [&](const MeshVertex& v) {
            return Length(Minus(point, v)) <= tolerance;
        });
        vertexOf.push_back(static_cast<int>(same - vertices.begin()));
        if (same == vertices.end()) {
            vertices.push_back(point);
        }
    }
    const Welded welded(std::move(vertices), tolerance);

    std::vector<MeshGroup> groups;
    for (const Part& part : Parts(n, options.Closed)) {
        MeshGroup group{part.Name, {}};
        for (const PointTriangle& face : part.Faces) {
            const MeshTriangle t = {vertexOf[face.A], vertexOf[face.B], vertexOf[face.C]};
            if (!welded.Degenerate(t)) {
                group.Triangles.push_back(t);
            }
        }
        groups.push_back(std::move(group));
    }
    if (options.Closed) {
        DropOppositePairs(groups);
    }
    // A triangle left out because it had no area leaves its neighbours' edges meeting a corner
    // part way along: split them there, so each edge meets its partner end to end.
    for (MeshGroup& group : groups) {
        std::vector<MeshTriangle> split;
        for (const MeshTriangle& t : group.Triangles) {
            welded.Add(t, split);
        }
        group.Triangles = std::move(split);
    }

    // Only the vertices in use, in their first order, in the units asked for.
    HullMesh mesh;
    std::vector<int> renumbered(welded.Vertices().size(), -1);
    for (const MeshGroup& group : groups) {
        for (const MeshTriangle& t : group.Triangles) {
            for (const int v : t) {
                renumbered[v] = 0;
            }
        }
    }
    const double scale = UnitsPerInch(options.Units);
    for (std::size_t v = 0; v < renumbered.size(); ++v) {
        if (renumbered[v] == 0) {
            renumbered[v] = static_cast<int>(mesh.Vertices.size());
            const MeshVertex& inches = welded.Vertices()[v];
            mesh.Vertices.push_back({scale * inches[0], scale * inches[1], scale * inches[2]});
        }
    }
    for (MeshGroup& group : groups) {
        if (group.Triangles.empty()) {
            continue;
        }
        for (MeshTriangle& t : group.Triangles) {
            for (int& v : t) {
                v = renumbered[v];
            }
        }
        mesh.Groups.push_back(std::move(group));
    }
    return mesh;
}

} // namespace merrowin
