// Reads a written mesh file back as bare triangles (binary or text STL, OBJ) and checks it as a
// slicer would: no flat triangle, and for a solid no hole and no loose facet.
#pragma once

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace merrowin::test {

using Point3 = std::array<double, 3>;
using Facet = std::array<Point3, 3>;

struct MeshFile {
    bool Read = false;
    std::vector<Facet> Facets;
    std::vector<std::pair<std::string, int>> Groups; // OBJ: each group and its triangle count
};

inline MeshFile ReadBinaryStl(const std::string& bytes) {
    MeshFile mesh;
    if (bytes.size() < 84) {
        return mesh;
    }
    const auto number = [&](std::size_t at) {
        std::uint32_t word = 0;
        for (int i = 3; i >= 0; --i) {
            word = (word << 8) | static_cast<unsigned char>(bytes[at + i]);
        }
        return word;
    };
    const std::uint32_t count = number(80);
    if (bytes.size() != 84 + 50 * std::size_t{count}) {
        return mesh;
    }
    for (std::uint32_t t = 0; t < count; ++t) {
        Facet facet{};
        for (int corner = 0; corner < 3; ++corner) {
            for (int axis = 0; axis < 3; ++axis) {
                float value = 0;
                const std::uint32_t word = number(84 + 50 * t + 12 + 12 * corner + 4 * axis);
                std::memcpy(&value, &word, sizeof value);
                facet[corner][axis] = value;
            }
        }
        mesh.Facets.push_back(facet);
    }
    mesh.Read = true;
    return mesh;
}

inline MeshFile ReadTextStl(const std::string& text) {
    MeshFile mesh;
    std::istringstream in(text);
    std::string word;
    std::vector<Point3> corners;
    while (in >> word) {
        if (word == "vertex") {
            Point3 p{};
            in >> p[0] >> p[1] >> p[2];
            corners.push_back(p);
        }
    }
    for (std::size_t i = 0; i + 2 < corners.size(); i += 3) {
        mesh.Facets.push_back({corners[i], corners[i + 1], corners[i + 2]});
    }
    mesh.Read = in.eof() && corners.size() % 3 == 0;
    return mesh;
}

inline MeshFile ReadObj(const std::string& text) {
    MeshFile mesh;
    std::istringstream in(text);
    std::string line;
    std::vector<Point3> vertices;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        std::string kind;
        fields >> kind;
        if (kind == "v") {
            Point3 p{};
            fields >> p[0] >> p[1] >> p[2];
            vertices.push_back(p);
        } else if (kind == "g") {
            std::string name;
            fields >> name;
            mesh.Groups.emplace_back(name, 0);
        } else if (kind == "f") {
            std::size_t a = 0, b = 0, c = 0;
            fields >> a >> b >> c;
            if (!fields || a < 1 || b < 1 || c < 1 || a > vertices.size() || b > vertices.size() ||
                c > vertices.size() || mesh.Groups.empty()) {
                return mesh;
            }
            mesh.Facets.push_back({vertices[a - 1], vertices[b - 1], vertices[c - 1]});
            ++mesh.Groups.back().second;
        }
    }
    mesh.Read = true;
    return mesh;
}

inline MeshFile ReadMeshFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (path.extension() == ".obj") {
        return ReadObj(bytes);
    }
    return bytes.rfind("solid", 0) == 0 ? ReadTextStl(bytes) : ReadBinaryStl(bytes);
}

inline Point3 Sub(const Point3& a, const Point3& b) {
    return {a[0] - b[0], a[1] - b[1], a[2] - b[2]};
}

inline Point3 CrossOf(const Point3& a, const Point3& b) {
    return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}

inline double Norm(const Point3& a) {
    return std::sqrt(a[0] * a[0] + a[1] * a[1] + a[2] * a[2]);
}

// Triangles whose area, as read, is nothing next to their size (flat to within a sine of 1e-12).
inline int FlatFacets(const MeshFile& mesh) {
    int flat = 0;
    for (const Facet& f : mesh.Facets) {
        const double longest =
            std::max({Norm(Sub(f[1], f[0])), Norm(Sub(f[2], f[1])), Norm(Sub(f[0], f[2]))});
        if (!(Norm(CrossOf(Sub(f[1], f[0]), Sub(f[2], f[0]))) > 1e-12 * longest * longest)) {
            ++flat;
        }
    }
    return flat;
}

// Directed edges (corners joined by their exact coordinates) not met exactly once by an edge
// running the other way, or met more than once themselves: zero for a watertight solid.
inline int OpenEdges(const MeshFile& mesh) {
    std::map<std::pair<Point3, Point3>, int> edges;
    for (const Facet& f : mesh.Facets) {
        for (int i = 0; i < 3; ++i) {
            ++edges[{f[i], f[(i + 1) % 3]}];
        }
    }
    int open = 0;
    for (const auto& [edge, count] : edges) {
        const auto back = edges.find({edge.second, edge.first});
        if (count != 1 || back == edges.end() || back->second != 1) {
            ++open;
        }
    }
    return open;
}

// The enclosed volume by the divergence theorem, positive when the triangles face out.
inline double SignedVolume(const MeshFile& mesh) {
    double sum = 0;
    for (const Facet& f : mesh.Facets) {
        const Point3 c = CrossOf(f[1], f[2]);
        sum += f[0][0] * c[0] + f[0][1] * c[1] + f[0][2] * c[2];
    }
    return sum / 6;
}

} // namespace merrowin::test
