// STL and OBJ writers of the hull's mesh, and its atomic save.
#include "export/MeshFiles.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <sstream>
#include <string>

#include "text/NumberText.h"

namespace merrowin {

namespace {

// Coordinates to a billionth of the unit: finer than any hull needs, and well inside the
// mesh's weld tolerance, so no triangle loses its area in the text.
std::string Coordinate(double value) {
    return FormatNumber(value, "0.#########");
}

std::string Triple(const MeshVertex& v) {
    return Coordinate(v[0]) + ' ' + Coordinate(v[1]) + ' ' + Coordinate(v[2]);
}

std::string Title(MeshUnits units) {
    return std::string("Merrowin hull mesh in ") + UnitsName(units) +
           ": x along the length, y to starboard, z up";
}

// The unit normal of a triangle by the right-hand rule (the mesh has no triangle without area).
MeshVertex Normal(const HullMesh& mesh, const MeshTriangle& t) {
    const MeshVertex& a = mesh.Vertices[t[0]];
    const MeshVertex& b = mesh.Vertices[t[1]];
    const MeshVertex& c = mesh.Vertices[t[2]];
    const MeshVertex u = {b[0] - a[0], b[1] - a[1], b[2] - a[2]};
    const MeshVertex w = {c[0] - a[0], c[1] - a[1], c[2] - a[2]};
    const MeshVertex n = {u[1] * w[2] - u[2] * w[1], u[2] * w[0] - u[0] * w[2],
                          u[0] * w[1] - u[1] * w[0]};
    const double length = std::sqrt(n[0] * n[0] + n[1] * n[1] + n[2] * n[2]);
    if (!(length > 0)) {
        return {0, 0, 0};
    }
    return {n[0] / length, n[1] / length, n[2] / length};
}

void LittleEndian(std::ostream& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out.put(static_cast<char>((value >> (8 * i)) & 0xFFu));
    }
}

void Float(std::ostream& out, double value) {
    LittleEndian(out, std::bit_cast<std::uint32_t>(static_cast<float>(value)), 4);
}

std::size_t TriangleCount(const HullMesh& mesh) {
    std::size_t count = 0;
    for (const MeshGroup& group : mesh.Groups) {
        count += group.Triangles.size();
    }
    return count;
}

} // namespace

void WriteBinaryStl(std::ostream& out, const HullMesh& mesh, MeshUnits units) {
    // The title must not start with "solid", or readers take the file for text.
    std::string title = Title(units);
    title.resize(80, ' ');
    out << title;
    LittleEndian(out, static_cast<std::uint32_t>(TriangleCount(mesh)), 4);
    for (const MeshGroup& group : mesh.Groups) {
        for (const MeshTriangle& t : group.Triangles) {
            for (const double x : Normal(mesh, t)) {
                Float(out, x);
            }
            for (const int v : t) {
                for (const double x : mesh.Vertices[v]) {
                    Float(out, x);
                }
            }
            LittleEndian(out, 0, 2); // no attributes
        }
    }
}

void WriteAsciiStl(std::ostream& out, const HullMesh& mesh) {
    out << "solid hull\r\n";
    for (const MeshGroup& group : mesh.Groups) {
        for (const MeshTriangle& t : group.Triangles) {
            out << "  facet normal " << Triple(Normal(mesh, t)) << "\r\n"
                << "    outer loop\r\n";
            for (const int v : t) {
                out << "      vertex " << Triple(mesh.Vertices[v]) << "\r\n";
            }
            out << "    endloop\r\n"
                << "  endfacet\r\n";
        }
    }
    out << "endsolid hull\r\n";
}

void WriteObj(std::ostream& out, const HullMesh& mesh, MeshUnits units) {
    out << "# " << Title(units) << "\r\n";
    for (const MeshVertex& v : mesh.Vertices) {
        out << "v " << Triple(v) << "\r\n";
    }
    for (const MeshGroup& group : mesh.Groups) {
        out << "g " << group.Name << "\r\n";
        for (const MeshTriangle& t : group.Triangles) {
            // OBJ counts vertices from 1.
            out << "f " << IntText(t[0] + 1) << ' ' << IntText(t[1] + 1) << ' ' << IntText(t[2] + 1)
                << "\r\n";
        }
    }
}

std::optional<MeshFormat> MeshFormatOf(std::string_view fileName) {
    const std::string extension = LowerAscii(fs::path(fileName).extension().string());
    if (extension == ".stl") {
        return MeshFormat::Stl;
    }
    if (extension == ".obj") {
        return MeshFormat::Obj;
    }
    return std::nullopt;
}

Outcome SaveHullMesh(const fs::path& folder, std::string_view fileName, const HullDocument& hull,
                     const MeshOptions& options) {
    const std::optional<MeshFormat> format = MeshFormatOf(fileName);
    if (!format) {
        return Outcome::Failed(Failure::Kind::Write, std::string(fileName));
    }
    const HullMesh mesh = BuildHullMesh(hull, options);
    std::ostringstream content;
    if (*format == MeshFormat::Obj) {
        WriteObj(content, mesh, options.Units);
    } else if (options.AsciiStl) {
        WriteAsciiStl(content, mesh);
    } else {
        WriteBinaryStl(content, mesh, options.Units);
    }
    if (!content) {
        return Outcome::Failed(Failure::Kind::Write, std::string(fileName));
    }
    return WriteFileAtomic(folder, fileName, content.str());
}

} // namespace merrowin
