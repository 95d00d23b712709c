// The VRML 1.0 world of the hull: camera, point list and nine indexed face sets.
#include "export/VrmlExport.h"

#include <array>
#include <sstream>

#include "export/HullFaces.h"
#include "text/NumberText.h"

namespace merrowin {

namespace {

constexpr double Metres = 0.0254; // metres to the inch

// A triangle line: each index with a blank before and after it, separated by commas and closed
// by the end-of-face marker. `thirdSeparator` stands between the second and third index.
void Triangle(std::ostream& out, int a, int b, int c, const char* thirdSeparator = ",") {
    out << ' ' << IntText(a) << " , " << IntText(b) << ' ' << thirdSeparator << ' ' << IntText(c)
        << " , -1 ,\r\n";
}

void BeginShape(std::ostream& out, const char* material) {
    out << material << "\r\n"
        << "   IndexedFaceSet {\r\n"
        << "      coordIndex [\r\n";
}

void EndShape(std::ostream& out) {
    out << "      ]\r\n"
        << "   }\r\n";
}

void Point(std::ostream& out, const std::array<double, 4>& point, double side) {
    // VRML x along the length, y up, z the half-breadth (+ to starboard).
    out << FormatNumber(Metres * point[3], "0.000 ") << FormatNumber(Metres * point[2], "0.000 ")
        << FormatNumber(Metres * side * point[1], "0.000 ") << ",\r\n";
}

} // namespace

std::string VrmlFileName(std::string_view hullFileName) {
    const std::size_t start = hullFileName.find_first_not_of(' ');
    const std::string_view name =
        start == std::string_view::npos ? std::string_view() : hullFileName.substr(start);
    // Only a dot in the file's own name cuts it: a dotted folder keeps its name.
    const std::size_t slash = name.find_last_of('/');
    const std::size_t ownName = slash == std::string_view::npos ? 0 : slash + 1;
    const std::size_t dot = name.find('.', ownName);
    if (dot == std::string_view::npos) {
        return std::string(name.substr(0, ownName)) + "wrl";
    }
    return std::string(name.substr(0, dot + 1)) + "wrl";
}

void WriteVrmlWorld(std::ostream& out, const HullDocument& hull, double hullHeight) {
    const int n = ChineCountInRange(hull);
    const double sternZ = hull.SplinePoints[n][PointsPerChine][3];
    // The camera stands abreast of mid-length at the hull's height, 0.9 lengths to starboard.
    out << "#VRML V1.0 ascii\r\n"
        << "PerspectiveCamera {\r\n"
        << "   position " << FormatNumber(Metres * 0.5 * sternZ, "0.00 ")
        << FormatNumber(Metres * hullHeight, "0.00 ") << FormatNumber(Metres * 0.9 * sternZ, "0.00")
        << "}\r\n"
        << "Separator {  #  XYZ\r\n"
        << "   Coordinate3 {\r\n"
        << "      point [\r\n";
    for (const double side : {1.0, -1.0}) {
        for (int c = 1; c <= n; ++c) {
            for (int p = 1; p <= PointsPerChine; ++p) {
                Point(out, hull.SplinePoints[c][p], side);
            }
        }
    }
    out << "      ]\r\n"
        << "   }\r\n";

    const char* const blue = "   Material { diffuseColor 0.30 0.50 0.80  }";
    const char* const rose = "   Material { diffuseColor 0.80 0.50 0.50  }";
    // The world's axes (x along the length, z to starboard) mirror the hull's, so a triangle that
    // faces out of the hull is wound the other way round here: the first colour of the skins,
    // keel strip and deck is their reversed winding, which faces out in the world.
    const auto write = [&out](const PointTriangle& t, const char* thirdSeparator = ",") {
        Triangle(out, t.A, t.B, t.C, thirdSeparator);
    };
    // Skins: starboard then port, each in both windings.
    for (int shape = 0; shape < 4; ++shape) {
        const bool port = shape >= 2;
        const bool reversed = shape % 2 == 0;
        BeginShape(out, reversed ? blue : rose);
        for (int c = 0; c <= n - 2; ++c) {
            for (int p = 0; p < BaysPerChine; ++p) {
                for (const PointTriangle& t : SkinBay(n, port, c, p)) {
                    write(reversed ? Reversed(t) : t);
                }
            }
        }
        EndShape(out);
    }
    // Bulkheads: each band spans from a starboard chine pair to the matching port pair.
    for (int shape = 0; shape < 2; ++shape) {
        BeginShape(out, shape == 0
                            ? "   Material { diffuseColor 0.00 0.70 0.00  transparency .5 }"
                            : "   Material { diffuseColor 0.20 0.20 0.20  transparency .5 }");
        for (int c = 0; c <= n - 2; ++c) {
            for (int b = 0; b < BulkheadCount; ++b) {
                const std::array<PointTriangle, 2> band = BulkheadBand(n, c, b);
                if (shape == 0) {
                    write(band[0]);
                    write(band[1], ", ");
                } else {
                    write(Reversed(band[0]));
                    write(Reversed(band[1]));
                }
            }
        }
        EndShape(out);
    }
    // The strip between the two keel chines, both windings.
    for (int shape = 0; shape < 2; ++shape) {
        BeginShape(out, shape == 0 ? "   Material { diffuseColor 0.00 0.00 0.70  transparency .85 }"
                                   : "   Material { diffuseColor 0.80 0.3 0.3  transparency .65 }");
        for (int p = 0; p < BaysPerChine; ++p) {
            for (const PointTriangle& t : KeelBay(n, p)) {
                write(shape == 0 ? Reversed(t) : t);
            }
        }
        EndShape(out);
    }
    // The deck between the two sheer chines, one winding.
    BeginShape(out, "   Material { diffuseColor 0.10 0.10 0.10  transparency .80 }");
    for (int p = 0; p < BaysPerChine; ++p) {
        for (const PointTriangle& t : DeckBay(n, p)) {
            write(Reversed(t));
        }
    }
    EndShape(out);
    out << "}\r\n";
}

Outcome SaveVrmlWorld(const fs::path& folder, std::string_view hullFileName,
                      const HullDocument& hull, double hullHeight) {
    std::ostringstream world;
    WriteVrmlWorld(world, hull, hullHeight);
    const std::string name = VrmlFileName(hullFileName);
    const auto failed = [&](const std::string& file) {
        return Outcome::Failed(Failure::Kind::Write, InFolder(folder, file).string());
    };
    if (!world || WriteFileAtomic(folder, name, world.str()).HasFailed()) {
        return failed(name);
    }
    if (WriteFileAtomic(folder, DefaultWorldName, world.str()).HasFailed()) {
        return failed(DefaultWorldName);
    }
    return {};
}

} // namespace merrowin
