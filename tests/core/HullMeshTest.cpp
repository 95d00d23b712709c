// The hull's triangle mesh as other programs take it: every file written here is read by assimp
// and by a plain reader that counts flat triangles, open edges and the enclosed volume.
#include <cmath>
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "Golden.h"
#include "MeshReadBack.h"
#include "TestSupport.h"
#include "export/MeshFiles.h"
#include "model/ChineCurves.h"

namespace merrowin {
namespace {

using test::MeshFile;

// A chine running straight from the bow (station 0) to the transom.
struct ChineLine {
    double BowX, BowY, SternX, SternY;
};

constexpr double W = 24, H = 18, L = 120, Fin = 6; // inches

// Straight chines with their 13 points evenly spaced: every face between them is flat, so a
// solid's volume is exact, and every coordinate is exact in single precision.
HullDocument StraightHull(const std::vector<ChineLine>& chines) {
    HullDocument hull;
    hull.ChineCount = static_cast<int>(chines.size());
    for (int c = 1; c <= hull.ChineCount; ++c) {
        const ChineLine& line = chines[c - 1];
        for (int p = 1; p <= PointsPerChine; ++p) {
            const double f = (p - 1) / 12.0;
            hull.SplinePoints[c][p] = {0, line.BowX + f * (line.SternX - line.BowX),
                                       line.BowY + f * (line.SternY - line.BowY), f * L};
        }
    }
    return hull;
}

// The default hull cut to `chines` chines and derived as a repaint derives it.
HullDocument DefaultHull(int chines) {
    AppState app = test::StartupApp();
    app.Hull.ChineCount = chines;
    UpdateHullGeometry(app.Hull, app.Work);
    return app.Hull;
}

// What `assimp info` makes of a file: whether it read it, its faces and its meshes' names.
struct AssimpReport {
    bool Read = false;
    long Faces = -1;
    std::vector<std::string> Meshes;
    std::string Output;
};

AssimpReport AssimpInfo(const fs::path& file) {
    AssimpReport report;
    FILE* const pipe = popen(("assimp info '" + file.string() + "' 2>&1").c_str(), "r");
    if (pipe == nullptr) {
        return report;
    }
    char buffer[4096];
    for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
        report.Output.append(buffer, got);
    }
    report.Read = pclose(pipe) == 0;
    bool meshList = false;
    for (const std::string& line : SplitLines(report.Output)) {
        if (line.rfind("Faces:", 0) == 0) {
            report.Faces = std::stol(line.substr(6));
        }
        // "Meshes:  (name) [...]", then a line a mesh: "    0 (deck): [26 / 0 / 24 | triangle]"
        if (line.rfind("Meshes:  (name)", 0) == 0) {
            meshList = true;
        } else if (line.empty()) {
            meshList = false;
        } else if (const std::size_t open = line.find(" ("), close = line.find("): [");
                   meshList && open != std::string::npos && close > open) {
            report.Meshes.push_back(line.substr(open + 2, close - open - 2));
        }
    }
    return report;
}

// Saves the mesh, then reads the file back: assimp must read it with every triangle, and no
// triangle may be flat.
MeshFile SaveAndRead(const fs::path& folder, const std::string& name, const HullDocument& hull,
                     const MeshOptions& options) {
    EXPECT_TRUE(SaveHullMesh(folder, name, hull, options).Ok()) << name;
    MeshFile file = test::ReadMeshFile(folder / name);
    EXPECT_TRUE(file.Read) << name;
    EXPECT_EQ(test::FlatFacets(file), 0) << name;
    const AssimpReport assimp = AssimpInfo(folder / name);
    EXPECT_TRUE(assimp.Read) << name << " (assimp-utils installed?)\n" << assimp.Output;
    EXPECT_EQ(assimp.Faces, static_cast<long>(file.Facets.size())) << name;
    if (!file.Groups.empty()) {
        std::vector<std::string> groups;
        for (const auto& group : file.Groups) {
            groups.push_back(group.first);
        }
        EXPECT_EQ(assimp.Meshes, groups) << name;
    }
    return file;
}

std::size_t Triangles(const HullMesh& mesh) {
    std::size_t count = 0;
    for (const MeshGroup& group : mesh.Groups) {
        count += group.Triangles.size();
    }
    return count;
}

TEST(HullMesh, TrianglesFollowTheChineCount) {
    test::TempFolder folder;
    for (int n = 2; n <= 6; ++n) {
        SCOPED_TRACE(n);
        const HullDocument hull = DefaultHull(n);
        // Per side 12 bays of two triangles in each of the N - 1 bands; a bulkhead two triangles
        // a band; the keel strip and the deck 24 each.
        const int skin = 24 * (n - 1), bulkhead = 2 * (n - 1);
        const MeshFile open = SaveAndRead(folder.Path(), "open.obj", hull, {});
        const std::vector<std::pair<std::string, int>> parts = {
            {"starboard_skin", skin}, {"port_skin", skin},      {"stem", bulkhead},
            {"bulkhead_1", bulkhead}, {"bulkhead_2", bulkhead}, {"bulkhead_3", bulkhead},
            {"transom", bulkhead},    {"keel_strip", 24},       {"deck", 24}};
        EXPECT_EQ(open.Groups, parts);

        const MeshFile closed = SaveAndRead(folder.Path(), "closed.stl", hull, {.Closed = true});
        EXPECT_EQ(closed.Facets.size(), static_cast<std::size_t>(2 * skin + 2 * bulkhead + 48));
        EXPECT_EQ(test::OpenEdges(closed), 0);
        EXPECT_GT(test::SignedVolume(closed), 0);
    }
}

// Solids with straight chines, where chines meet or lie on the centre line, with the triangles
// a hand count gives and their exact volume.
struct Solid {
    const char* Name;
    std::vector<ChineLine> Chines;
    std::size_t Triangles;
    double Volume;
    std::vector<std::string> Groups;
};

TEST(HullMesh, ClosedMeshesAreWatertightWhereverChinesMeet) {
    const std::vector<std::string> all = {"starboard_skin", "port_skin",  "stem",
                                          "transom",        "keel_strip", "deck"};
    const std::vector<std::string> noKeel = {"starboard_skin", "port_skin", "stem", "transom",
                                             "deck"};
    const std::vector<Solid> solids = {
        {"box", {{W, 0, W, 0}, {W, H, W, H}}, 100, 2 * W * H * L, all},
        // The keel strip has no width: the two skins meet along the keel; each end keeps the
        // one triangle of its band that has area.
        {"vee", {{0, 0, 0, 0}, {W, H, W, H}}, 74, W * H * L, noKeel},
        // The bottom is flat from the keel out: the ends' lowest band lies flat along one line,
        // so the band above is split where the keel meets it.
        {"flat bottom", {{0, 0, 0, 0}, {W, 0, W, 0}, {W, H, W, H}}, 126, 2 * W * H * L, noKeel},
        // A stem with no width: the skins meet at the stem line and the stem has no face; the
        // keel strip and deck lose their first, pointed triangle.
        {"wedge bow",
         {{0, 0, W, 0}, {0, H, W, H}},
         96,
         W * H * L,
         {"starboard_skin", "port_skin", "transom", "keel_strip", "deck"}},
        // Every chine meets at one point of the bow: a pyramid.
        {"pointed bow",
         {{0, H / 2, W, 0}, {0, H / 2, W, H}},
         94,
         2 * W * H * L / 3,
         {"starboard_skin", "port_skin", "transom", "keel_strip", "deck"}},
        // A fin of no thickness under a flat bottom: its two sides lie on one another and hold
        // no volume, so they go, and the bottom's ends are split where the fin met them.
        {"fin",
         {{0, 0, 0, 0}, {0, Fin, 0, Fin}, {W, Fin, W, Fin}, {W, H, W, H}},
         126,
         2 * W * (H - Fin) * L,
         noKeel},
    };
    test::TempFolder folder;
    for (const Solid& solid : solids) {
        SCOPED_TRACE(solid.Name);
        const HullDocument hull = StraightHull(solid.Chines);
        for (const char* name : {"solid.stl", "solid.obj"}) {
            const MeshFile file = SaveAndRead(folder.Path(), name, hull, {.Closed = true});
            EXPECT_EQ(file.Facets.size(), solid.Triangles) << name;
            EXPECT_EQ(test::OpenEdges(file), 0) << name;
            EXPECT_NEAR(test::SignedVolume(file), solid.Volume, 1e-9 * solid.Volume) << name;
        }
        const MeshFile obj = test::ReadMeshFile(folder.Path() / "solid.obj");
        std::vector<std::string> groups;
        for (const auto& group : obj.Groups) {
            groups.push_back(group.first);
        }
        EXPECT_EQ(groups, solid.Groups);
    }
}

TEST(HullMesh, UnitsScaleTheSolid) {
    const HullDocument box = StraightHull({{W, 0, W, 0}, {W, H, W, H}});
    test::TempFolder folder;
    for (const auto& [units, perInch] :
         {std::pair{MeshUnits::Millimetres, 25.4}, std::pair{MeshUnits::Metres, 0.0254}}) {
        const double volume = 2 * W * H * L * perInch * perInch * perInch;
        const MeshOptions options = {.Closed = true, .Units = units};
        const MeshFile file = SaveAndRead(folder.Path(), "box.obj", box, options);
        EXPECT_NEAR(test::SignedVolume(file), volume, 1e-9 * volume);
        // The first point: the keel chine at the bow, to starboard.
        const HullMesh mesh = BuildHullMesh(box, options);
        EXPECT_DOUBLE_EQ(mesh.Vertices.front()[1], W * perInch);
    }
}

TEST(HullMesh, EveryPartFacesOut) {
    // Inner bulkheads face aft, as the transom does; the stem faces forward.
    const std::vector<std::pair<std::string, test::Point3>> outward = {
        {"starboard_skin", {0, 1, 0}}, {"port_skin", {0, -1, 0}},  {"stem", {-1, 0, 0}},
        {"bulkhead_1", {1, 0, 0}},     {"bulkhead_2", {1, 0, 0}},  {"bulkhead_3", {1, 0, 0}},
        {"transom", {1, 0, 0}},        {"keel_strip", {0, 0, -1}}, {"deck", {0, 0, 1}}};
    const HullMesh mesh = BuildHullMesh(DefaultHull(6), {});
    ASSERT_EQ(mesh.Groups.size(), outward.size());
    for (std::size_t g = 0; g < outward.size(); ++g) {
        const MeshGroup& group = mesh.Groups[g];
        ASSERT_EQ(group.Name, outward[g].first);
        for (const MeshTriangle& t : group.Triangles) {
            const auto& v = mesh.Vertices;
            const test::Point3 normal =
                test::CrossOf(test::Sub(v[t[1]], v[t[0]]), test::Sub(v[t[2]], v[t[0]]));
            const test::Point3& side = outward[g].second;
            EXPECT_GT(normal[0] * side[0] + normal[1] * side[1] + normal[2] * side[2], 0)
                << group.Name;
        }
    }
}

TEST(HullMesh, DamagedPointsGiveNoNaN) {
    HullDocument hull = DefaultHull(4);
    hull.SplinePoints[2][5][AxisX] = std::nan("");
    hull.SplinePoints[3][7][AxisY] = INFINITY;
    for (const MeshVertex& v : BuildHullMesh(hull, {.Closed = true}).Vertices) {
        EXPECT_TRUE(std::isfinite(v[0]) && std::isfinite(v[1]) && std::isfinite(v[2]));
    }
}

TEST(MeshFiles, BinaryStl) {
    const HullDocument box = StraightHull({{W, 0, W, 0}, {W, H, W, H}});
    test::TempFolder folder;
    const MeshFile file = SaveAndRead(folder.Path(), "box.stl", box, {.Closed = true});
    const std::string bytes = test::ReadRaw(folder.Path() / "box.stl");
    ASSERT_EQ(bytes.size(), 84u + 50u * 100u);
    // A title that started "solid" would make readers take the file for text.
    EXPECT_EQ(bytes.substr(0, 28), "Merrowin hull mesh in inches");
    // The corners as built, in the triangles' order, exact for the box's whole inches.
    const HullMesh mesh = BuildHullMesh(box, {.Closed = true});
    std::vector<test::Facet> built;
    for (const MeshGroup& group : mesh.Groups) {
        for (const MeshTriangle& t : group.Triangles) {
            built.push_back({mesh.Vertices[t[0]], mesh.Vertices[t[1]], mesh.Vertices[t[2]]});
        }
    }
    EXPECT_EQ(file.Facets, built);
}

TEST(MeshFiles, TextFormats) {
    const HullDocument box = StraightHull({{W, 0, W, 0}, {W, H, W, H}});
    std::ostringstream stl, obj;
    WriteAsciiStl(stl, BuildHullMesh(box, {.Closed = true}));
    test::ExpectGolden("mesh/box_closed.stl", stl.str());
    const MeshOptions millimetres = {.Units = MeshUnits::Millimetres};
    WriteObj(obj, BuildHullMesh(box, millimetres), millimetres.Units);
    test::ExpectGolden("mesh/box_open_mm.obj", obj.str());
    // Both as written by the save, read by assimp.
    test::TempFolder folder;
    SaveAndRead(folder.Path(), "box.stl", box, {.Closed = true, .AsciiStl = true});
    SaveAndRead(folder.Path(), "box.obj", box, millimetres);
    EXPECT_EQ(test::ReadRaw(folder.Path() / "box.stl"), stl.str());
    EXPECT_EQ(test::ReadRaw(folder.Path() / "box.obj"), obj.str());
}

TEST(MeshFiles, SaveTakesTheFormatFromTheExtensionAndReportsFailures) {
    const HullDocument hull = DefaultHull(4);
    test::TempFolder folder;
    SaveAndRead(folder.Path(), "BOAT.STL", hull, {.AsciiStl = true});
    EXPECT_EQ(test::ReadRaw(folder.Path() / "BOAT.STL").rfind("solid hull\r\n", 0), 0u);
    // A save replaces what was there.
    SaveAndRead(folder.Path(), "BOAT.STL", hull, {});
    EXPECT_EQ(test::ReadRaw(folder.Path() / "BOAT.STL").rfind("Merrowin", 0), 0u);

    const Outcome unknown = SaveHullMesh(folder.Path(), "boat.ply", hull, {});
    ASSERT_TRUE(unknown.HasFailed());
    EXPECT_EQ(unknown.Text(), "Could not write boat.ply");
    EXPECT_FALSE(fs::exists(folder.Path() / "boat.ply"));
    const Outcome missing = SaveHullMesh(folder.Path() / "missing", "boat.obj", hull, {});
    ASSERT_TRUE(missing.HasFailed());
    EXPECT_EQ(missing.Text(), "Could not write boat.obj");
}

} // namespace
} // namespace merrowin
