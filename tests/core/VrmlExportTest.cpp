// The VRML world of the hull: its name, layout, point list, face sets, and the two files a save
// leaves. The golden worlds are also read back by a VRML reader (tests/vrml).
#include <sstream>

#include <gtest/gtest.h>

#include "TestSupport.h"
#include "export/VrmlExport.h"
#include "model/ChineCurves.h"

namespace merrowin {
namespace {

// The default hull cut to two chines and derived; its first starboard point moved to X 10, Y 5,
// Z 100 inches.
AppState TwoChineHull() {
    AppState app = test::StartupApp();
    app.Hull.ChineCount = 2;
    UpdateHullGeometry(app.Hull, app.Work);
    app.Hull.SplinePoints[1][1] = {0, 10, 5, 100};
    return app;
}

std::string World(const AppState& app) {
    std::ostringstream out;
    WriteVrmlWorld(out, app.Hull, app.Work.HullHeight);
    return out.str();
}

// The lines between each "coordIndex [" and its closing "]", one list per face set.
std::vector<std::vector<std::string>> FaceSets(const std::vector<std::string>& lines) {
    std::vector<std::vector<std::string>> sets;
    bool inside = false;
    for (const std::string& line : lines) {
        if (line == "      coordIndex [") {
            sets.emplace_back();
            inside = true;
        } else if (line == "      ]") {
            inside = false;
        } else if (inside) {
            sets.back().push_back(line);
        }
    }
    return sets;
}

TEST(VrmlExport, TwoChineWorld) {
    const AppState app = TwoChineHull();
    const std::string world = World(app);
    test::ExpectGolden("vrml/two_chines.wrl", world);
    const std::vector<std::string> lines = SplitLines(world);
    ASSERT_GE(lines.size(), 6u);
    EXPECT_EQ(lines[0], "#VRML V1.0 ascii");
    EXPECT_EQ(lines[2], "   position 1.78 0.15 3.20}");

    // 26 starboard then 26 port points; the moved point in metres, z negated on the port pass.
    const auto pointList = std::find(lines.begin(), lines.end(), "      point [") + 1;
    const auto pointEnd = std::find(pointList, lines.end(), "      ]");
    EXPECT_EQ(pointEnd - pointList, 52);
    EXPECT_EQ(pointList[0], "2.540 0.127 0.254 ,");
    EXPECT_EQ(pointList[26], "2.540 0.127 -0.254 ,");

    const std::vector<std::vector<std::string>> sets = FaceSets(lines);
    ASSERT_EQ(sets.size(), 9u);
    std::vector<std::size_t> triangles;
    for (const auto& set : sets) {
        triangles.push_back(set.size());
    }
    EXPECT_EQ(triangles, (std::vector<std::size_t>{24, 24, 24, 24, 10, 10, 24, 24, 24}));
    EXPECT_EQ(sets[0][0], " 0 , 1 , 13 , -1 ,");
    // The bulkhead's second triangle keeps its wider separator before the third index.
    EXPECT_EQ(sets[4][1], " 0 , 39 ,  26 , -1 ,");
    EXPECT_EQ(sets[5][1], " 0 , 26 , 39 , -1 ,");
}

TEST(VrmlExport, FileNameIsCutAtTheFirstDotOfTheName) {
    EXPECT_EQ(VrmlFileName("  boat.old.hul"), "boat.wrl");
    EXPECT_EQ(VrmlFileName("/home/j.doe/boat.old.hul"), "/home/j.doe/boat.wrl");
    EXPECT_EQ(VrmlFileName("/home/j.doe/boat"), "/home/j.doe/wrl");
}

TEST(VrmlExport, SaveWritesTheWorldAndItsDefaultCopy) {
    const AppState app = TwoChineHull();
    test::TempFolder folder;
    ASSERT_TRUE(SaveVrmlWorld(folder.Path(), "boat.old.hul", app.Hull, app.Work.HullHeight).Ok());
    EXPECT_EQ(test::ReadRaw(folder.Path() / "boat.wrl"), World(app));
    EXPECT_EQ(test::ReadRaw(folder.Path() / "default.wrl"), World(app));
    // A world that cannot be written is a failure naming it (the copy's failure: the CLI test).
    const Outcome failure =
        SaveVrmlWorld(folder.Path() / "missing", "boat.hul", app.Hull, app.Work.HullHeight);
    ASSERT_TRUE(failure.HasFailed());
    EXPECT_NE(failure.Text().find("boat.wrl"), std::string::npos);
}

} // namespace
} // namespace merrowin
