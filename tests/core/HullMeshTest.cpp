// The hull's triangle mesh as other programs take it: every file written here is read back by a
// plain reader that counts flat triangles, open edges and the enclosed volume.
#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "MeshReadBack.h"
#include "TestSupport.h"
#include "export/MeshFiles.h"
#include "model/ChineCurves.h"

namespace merrowin {
namespace {

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

// The groups of a mesh that hold triangles, each with its triangle count.
using Parts = std::vector<std::pair<std::string, long>>;

Parts PartsOf(const HullMesh& mesh) {
    Parts parts;
    for (const auto& group : mesh.Groups) {
        if (!group.Triangles.empty()) {
            parts.emplace_back(group.Name, static_cast<long>(group.Triangles.size()));
        }
    }
    return parts;
}

// Saves the mesh and reads the file back: every triangle is there, and none is flat.
std::vector<test::Facet> SaveAndRead(const fs::path& folder, const std::string& name,
                                     const HullDocument& hull, const MeshOptions& options) {
    EXPECT_TRUE(SaveHullMesh(folder, name, hull, options).Ok()) << name;
    const std::vector<test::Facet> facets = test::ReadMeshFile(folder / name);
    EXPECT_FALSE(facets.empty()) << name;
    EXPECT_EQ(test::FlatFacets(facets), 0) << name;
    return facets;
}

TEST(HullMesh, TrianglesFollowTheChineCount) {
    test::TempFolder folder;
    for (int n = 2; n <= 6; ++n) {
        SCOPED_TRACE(n);
        const HullDocument hull = DefaultHull(n);
        // Per side 12 bays of two triangles in each of the N - 1 bands; a bulkhead two triangles
        // a band; the keel strip and the deck 24 each.
        const long skin = 24 * (n - 1), bulkhead = 2 * (n - 1);
        const Parts parts = {
            {"starboard_skin", skin}, {"port_skin", skin},      {"stem", bulkhead},
            {"bulkhead_1", bulkhead}, {"bulkhead_2", bulkhead}, {"bulkhead_3", bulkhead},
            {"transom", bulkhead},    {"keel_strip", 24},       {"deck", 24}};
        EXPECT_EQ(PartsOf(BuildHullMesh(hull, {})), parts);
        EXPECT_EQ(SaveAndRead(folder.Path(), "open.obj", hull, {}).size(),
                  static_cast<std::size_t>(2 * skin + 5 * bulkhead + 48));

        const auto closed = SaveAndRead(folder.Path(), "closed.stl", hull, {.Closed = true});
        EXPECT_EQ(closed.size(), static_cast<std::size_t>(2 * skin + 2 * bulkhead + 48));
        EXPECT_EQ(test::OpenEdges(closed), 0);
        EXPECT_GT(test::SignedVolume(closed), 0);
    }
}

// Solids with straight chines, where chines meet or lie on the centre line, with the triangles
// a hand count gives, their exact volume and the parts left with faces.
struct Solid {
    const char* Name;
    std::vector<ChineLine> Chines;
    std::size_t Triangles;
    double Volume;
    std::vector<std::string> Parts;
};

TEST(HullMesh, ClosedMeshesAreWatertightWhereverChinesMeet) {
    const std::vector<std::string> all = {"starboard_skin", "port_skin",  "stem",
                                          "transom",        "keel_strip", "deck"};
    const std::vector<std::string> noKeel = {"starboard_skin", "port_skin", "stem", "transom",
                                             "deck"};
    const std::vector<std::string> noStem = {"starboard_skin", "port_skin", "transom", "keel_strip",
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
        {"wedge bow", {{0, 0, W, 0}, {0, H, W, H}}, 96, W * H * L, noStem},
        // Every chine meets at one point of the bow: a pyramid.
        {"pointed bow", {{0, H / 2, W, 0}, {0, H / 2, W, H}}, 94, 2 * W * H * L / 3, noStem},
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
            const auto facets = SaveAndRead(folder.Path(), name, hull, {.Closed = true});
            EXPECT_EQ(facets.size(), solid.Triangles) << name;
            EXPECT_EQ(test::OpenEdges(facets), 0) << name;
            EXPECT_NEAR(test::SignedVolume(facets), solid.Volume, 1e-9 * solid.Volume);
        }
        std::vector<std::string> parts;
        for (const auto& part : PartsOf(BuildHullMesh(hull, {.Closed = true}))) {
            parts.push_back(part.first);
        }
        EXPECT_EQ(parts, solid.Parts);
    }
}

TEST(HullMesh, InnerBulkheadsFaceAftAsTheTransomDoes) {
    const HullMesh mesh = BuildHullMesh(DefaultHull(6), {});
    ASSERT_EQ(mesh.Groups.size(), 9u);
    for (const int g : {3, 4, 5}) { // bulkhead_1 .. bulkhead_3
        for (const MeshTriangle& t : mesh.Groups[g].Triangles) {
            const auto& v = mesh.Vertices;
            EXPECT_GT(test::CrossOf(test::Sub(v[t[1]], v[t[0]]), test::Sub(v[t[2]], v[t[0]]))[0], 0)
                << mesh.Groups[g].Name;
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

TEST(MeshFiles, Formats) {
    const HullDocument box = StraightHull({{W, 0, W, 0}, {W, H, W, H}});
    const MeshOptions text = {.Closed = true, .AsciiStl = true};
    const MeshOptions millimetres = {.Units = MeshUnits::Millimetres};
    std::ostringstream stl, obj;
    WriteAsciiStl(stl, BuildHullMesh(box, text));
    WriteObj(obj, BuildHullMesh(box, millimetres), millimetres.Units);
    test::ExpectGolden("mesh/box_closed.stl", stl.str());
    test::ExpectGolden("mesh/box_open_mm.obj", obj.str());

    // The save writes the same, whatever the extension's letter case.
    test::TempFolder folder;
    SaveAndRead(folder.Path(), "BOX.STL", box, text);
    SaveAndRead(folder.Path(), "box.obj", box, millimetres);
    EXPECT_EQ(test::ReadRaw(folder.Path() / "BOX.STL"), stl.str());
    EXPECT_EQ(test::ReadRaw(folder.Path() / "box.obj"), obj.str());
    // A binary STL replaces it; a title starting "solid" would make readers take it for text.
    SaveAndRead(folder.Path(), "BOX.STL", box, {.Closed = true});
    const std::string binary = test::ReadRaw(folder.Path() / "BOX.STL");
    EXPECT_EQ(binary.size(), 84u + 50u * 100u);
    EXPECT_EQ(binary.substr(0, 28), "Merrowin hull mesh in inches");
}

} // namespace
} // namespace merrowin
