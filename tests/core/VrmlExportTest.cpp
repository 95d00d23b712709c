// The VRML world of the hull: its name, layout, point list, face sets, and the two files a save
// leaves. The golden worlds are also read back by a VRML reader (tests/vrml).
#include <sstream>

#include <gtest/gtest.h>

#include "Golden.h"
#include "TestSupport.h"
#include "export/VrmlExport.h"
#include "model/ChineCount.h"
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
    EXPECT_EQ(lines[1], "PerspectiveCamera {");
    EXPECT_EQ(lines[2], "   position 1.78 0.15 3.20}");
    EXPECT_EQ(lines[3], "Separator {  #  XYZ");
    EXPECT_EQ(lines.back(), "}");

    // 26 starboard then 26 port points; the moved point in metres, z negated on the port pass.
    const auto pointList = std::find(lines.begin(), lines.end(), "      point [") + 1;
    const auto pointEnd = std::find(pointList, lines.end(), "      ]");
    EXPECT_EQ(pointEnd - pointList, 52);
    EXPECT_EQ(pointList[0], "2.540 0.127 0.254 ,");
    EXPECT_EQ(pointList[26], "2.540 0.127 -0.254 ,");

    const std::vector<std::vector<std::string>> sets = FaceSets(lines);
    ASSERT_EQ(sets.size(), 9u);
    const std::size_t triangles[9] = {24, 24, 24, 24, 10, 10, 24, 24, 24};
    for (std::size_t s = 0; s < 9; ++s) {
        EXPECT_EQ(sets[s].size(), triangles[s]) << "face set " << s + 1;
    }
    EXPECT_EQ(sets[0][0], " 0 , 1 , 13 , -1 ,");
    // The bulkhead's second triangle keeps its wider separator before the third index.
    EXPECT_EQ(sets[4][1], " 0 , 39 ,  26 , -1 ,");
    EXPECT_EQ(sets[5][1], " 0 , 26 , 39 , -1 ,");
}

TEST(VrmlExport, FileNameIsCutAtTheFirstDotOfTheName) {
    const std::pair<const char*, const char*> cases[] = {
        {"boat.hul", "boat.wrl"},
        {"boat.old.hul", "boat.wrl"},
        {"  boat.hul", "boat.wrl"},
        {"boat", "wrl"},
        {"/home/j.doe/boats/boat.old.hul", "/home/j.doe/boats/boat.wrl"},
        {"/home/j.doe/boat", "/home/j.doe/wrl"},
    };
    for (const auto& [hull, world] : cases) {
        EXPECT_EQ(VrmlFileName(hull), world) << hull;
    }
}

TEST(VrmlExport, SaveWritesTheWorldAndItsDefaultCopy) {
    const AppState app = TwoChineHull();
    test::TempFolder folder;
    ASSERT_EQ(SaveVrmlWorld(folder.Path(), "boat.old.hul", app.Hull, app.Work.HullHeight),
              std::nullopt);
    const std::string world = World(app);
    EXPECT_EQ(test::ReadRaw(folder.Path() / "boat.wrl"), world);
    EXPECT_EQ(test::ReadRaw(folder.Path() / "default.wrl"), world);

    // A copy that cannot be written is a failure that names it; the world itself is there.
    fs::remove(folder.Path() / "default.wrl");
    fs::create_directory(folder.Path() / "default.wrl");
    const std::optional<std::string> copyFailure =
        SaveVrmlWorld(folder.Path(), "other.hul", app.Hull, app.Work.HullHeight);
    ASSERT_TRUE(copyFailure.has_value());
    EXPECT_NE(copyFailure->find("default.wrl"), std::string::npos);
    EXPECT_TRUE(fs::exists(folder.Path() / "other.wrl"));

    // A world that cannot be written stops the save before the copy.
    const std::optional<std::string> failure =
        SaveVrmlWorld(folder.Path() / "missing", "boat.hul", app.Hull, app.Work.HullHeight);
    ASSERT_TRUE(failure.has_value());
    EXPECT_NE(failure->find("boat.wrl"), std::string::npos);
}

} // namespace
} // namespace merrowin
