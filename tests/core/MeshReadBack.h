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

// The triangles of the file, or nothing when it is not a mesh file the writers could have made.
inline std::vector<Facet> ReadMeshFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    std::vector<Facet> facets;
    if (path.extension() != ".obj" && bytes.rfind("solid", 0) != 0) {
        // Binary STL: title, count, then normal, three corners and two spare bytes a triangle.
        const auto number = [&](std::size_t at) {
            std::uint32_t word = 0;
            std::memcpy(&word, bytes.data() + at, 4); // little-endian, as the machine
            float value = 0;
            std::memcpy(&value, &word, 4);
            return std::pair{word, static_cast<double>(value)};
        };
        if (bytes.size() < 84 || bytes.size() != 84 + 50 * std::size_t{number(80).first}) {
            return {};
        }
        for (std::size_t at = 96; at < bytes.size(); at += 50) {
            Facet f{};
            for (std::size_t i = 0; i < 9; ++i) {
                f[i / 3][i % 3] = number(at + 4 * i).second;
            }
            facets.push_back(f);
        }
        return facets;
    }
    // Text STL ("vertex x y z", three a facet) or OBJ ("v x y z", "f a b c" counted from 1).
    std::istringstream text(bytes);
    std::vector<Point3> corners, vertices;
    for (std::string word; text >> word;) {
        Point3 p{};
        if (word[0] == '#') {
            std::getline(text, word); // an OBJ comment
        } else if (word == "vertex" || word == "v") {
            text >> p[0] >> p[1] >> p[2];
            (word == "v" ? vertices : corners).push_back(p);
        } else if (word == "f") {
            std::array<std::size_t, 3> index{};
            text >> index[0] >> index[1] >> index[2];
            for (const std::size_t i : index) {
                if (i < 1 || i > vertices.size()) {
                    return {};
                }
                corners.push_back(vertices[i - 1]);
            }
        }
    }
    for (std::size_t i = 0; i + 2 < corners.size(); i += 3) {
        facets.push_back({corners[i], corners[i + 1], corners[i + 2]});
    }
    return facets;
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
inline int FlatFacets(const std::vector<Facet>& facets) {
    return static_cast<int>(std::count_if(facets.begin(), facets.end(), [](const Facet& f) {
        const double longest =
            std::max({Norm(Sub(f[1], f[0])), Norm(Sub(f[2], f[1])), Norm(Sub(f[0], f[2]))});
        return !(Norm(CrossOf(Sub(f[1], f[0]), Sub(f[2], f[0]))) > 1e-12 * longest * longest);
    }));
}

// Directed edges (corners joined by their exact coordinates) not met exactly once by an edge
// running the other way, or met more than once themselves: zero for a watertight solid.
inline int OpenEdges(const std::vector<Facet>& facets) {
    std::map<std::pair<Point3, Point3>, int> edges;
    for (const Facet& f : facets) {
        for (int i = 0; i < 3; ++i) {
            ++edges[{f[i], f[(i + 1) % 3]}];
        }
    }
    return static_cast<int>(std::count_if(edges.begin(), edges.end(), [&](const auto& edge) {
        const auto back = edges.find({edge.first.second, edge.first.first});
        return edge.second != 1 || back == edges.end() || back->second != 1;
    }));
}

// The enclosed volume by the divergence theorem, positive when the triangles face out.
inline double SignedVolume(const std::vector<Facet>& facets) {
    double sum = 0;
    for (const Facet& f : facets) {
        const Point3 c = CrossOf(f[1], f[2]);
        sum += f[0][0] * c[0] + f[0][1] * c[1] + f[0][2] * c[2];
    }
    return sum / 6;
}

} // namespace merrowin::test
