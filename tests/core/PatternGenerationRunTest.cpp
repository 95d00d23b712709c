// A whole pattern run in a working folder: the files it deletes and keeps, the pieces a small
// hull gets, a hull saved in another folder, and runs that cannot finish.
#include <gtest/gtest.h>

#include <map>

#include "TestSupport.h"
#include "app/AppState.h"
#include "io/FileBatch.h"
#include "model/ChineCurves.h"
#include "patterns/PatternGeneration.h"
#include "patterns/PatternSettings.h"

namespace merrowin {
namespace {

struct RunFolder {
    test::TempFolder Folder;
    AppState App;
    MemoryStatusBar Status;

    RunFolder() {
        ResetToStartup(App);
        UpdateHullGeometry(App.Hull, App.Work);
        SetExportText(App.Work.Patterns, Folder.Path().string());
    }
    const fs::path& Path() const { return Folder.Path(); }
    bool Has(const char* name) const { return FileExists(Folder.Path(), name); }
    Outcome Go(PatternRunFiles* written = nullptr) {
        return CreatePatterns(Folder.Path(), App.Hull, App.Work, Status, nullptr, nullptr, written);
    }
};

// Every file under the folder with its bytes, folders by name alone.
std::map<std::string, std::string> Snapshot(const fs::path& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        const std::string name = fs::relative(entry.path(), folder).string();
        files[name] = entry.is_directory() ? "<folder>" : test::ReadRaw(entry.path());
    }
    return files;
}

TEST(PatternRun, DeletesOnlyOldPatternFilesOfTheWorkingFolder) {
    RunFolder run;
    const fs::path outside = run.Path() / "elsewhere";
    fs::create_directories(outside);
    for (const char* name : {"chine9.tri", "CHINE8.TRI", "old.uc", "temp.uc", "handplot.txt",
                             "keel.tri", "notes.txt", "chine7.dxf"}) {
        test::WriteRaw(run.Path() / name, "x\r\n");
    }
    test::WriteRaw(outside / "kept.uc", "x\r\n");
    test::WriteRaw(outside / "chine1.tri", "x\r\n");
    run.App.Work.Patterns.Dxf = true;
    run.App.Work.HullFileName = "chines.hul";
    PatternRunFiles written;
    ASSERT_TRUE(run.Go(&written).Ok());
    for (const char* name : {"chine9.tri", "CHINE8.TRI", "old.uc", "temp.uc", "chine7.dxf"}) {
        EXPECT_FALSE(run.Has(name)) << name;
    }
    // The run's own hull drawing is no stale panel drawing, whatever the hull is called.
    EXPECT_TRUE(run.Has("chines.DXF"));
    // Not pattern files of the run's patterns: the keel file of an earlier run stays.
    EXPECT_TRUE(run.Has("keel.tri"));
    EXPECT_TRUE(run.Has("notes.txt"));
    EXPECT_NE(test::ReadRaw(run.Path() / "handplot.txt"), "x\r\n");
    EXPECT_TRUE(run.Has("panels.txt"));
    EXPECT_EQ(test::ReadRaw(outside / "kept.uc"), "x\r\n");
    EXPECT_EQ(test::ReadRaw(outside / "chine1.tri"), "x\r\n");
    // The status names the folder and counts what went into it: the run's files, the hull
    // file and its copy; the DXF exports went into the same folder.
    std::size_t files = 0;
    for (const auto& entry : fs::directory_iterator(run.Path())) {
        files += entry.is_regular_file() ? 1 : 0;
    }
    files -= 2; // the earlier files the run keeps: keel.tri and notes.txt
    EXPECT_EQ(PatternRunStatusText(Outcome(), "chines.hul", written),
              "Working on...chines.hul - " + std::to_string(files) + " files written in " +
                  run.Path().string());
}

TEST(PatternRun, TwoChinesClearSolesAndMakeOnePanel) {
    RunFolder run;
    run.App.Hull.ChineCount = 2;
    UpdateHullGeometry(run.App.Hull, run.App.Work);
    run.App.Work.Patterns.Soles = true;
    ASSERT_TRUE(run.Go().Ok());
    EXPECT_FALSE(run.App.Work.Patterns.Soles);
    EXPECT_TRUE(run.Has("chine1.tri"));
    EXPECT_FALSE(run.Has("chine2.tri"));
    EXPECT_FALSE(run.Has("sole1.tri"));
    EXPECT_TRUE(run.Has("panels.txt"));
}

TEST(PatternRun, HullInAnotherFolderKeepsItsDrawingBesideIt) {
    RunFolder run;
    fs::create_directories(run.Path() / "boats.v2");
    run.App.Work.HullFileName = (run.Path() / "boats.v2" / "skiff.hul").string();
    ASSERT_TRUE(run.Go().Ok());
    EXPECT_TRUE(FileExists(run.Path() / "boats.v2", "skiff.hul"));
    EXPECT_TRUE(FileExists(run.Path() / "boats.v2", "skiff.DXF"));
    EXPECT_TRUE(run.Has("default.hul"));
}

// A run that fails while it writes its files (a missing export folder) or while it puts them in
// place (a folder where a pattern file or "default.hul" goes) names the file and leaves every
// file of the earlier run as it was, and no staging folder; the hull is saved all the same.
TEST(PatternRun, AFailedRunLeavesTheEarlierRunsFilesAsTheyWere) {
    for (const std::string blocked : {"", "bhead3.uc", "default.hul", "panels.txt"}) {
        RunFolder run;
        run.App.Work.HullFileName = "boat.hul";
        run.App.Work.Patterns.Dxf = true;
        ASSERT_TRUE(run.Go().Ok()) << blocked;
        test::WriteRaw(run.Path() / "chine9.tri", "stale\r\n");
        if (blocked.empty()) {
            SetExportText(run.App.Work.Patterns, (run.Path() / "missing").string());
        } else {
            fs::remove(run.Path() / blocked);
            fs::create_directory(run.Path() / blocked);
        }
        const auto before = Snapshot(run.Path());
        // A changed hull changes every pattern file.
        run.App.Hull.OffsetX[2][2] += 3;
        run.App.Hull.SplinePoints[2][7][1] += 3;
        const Outcome outcome = run.Go();
        EXPECT_EQ(outcome.Text(),
                  "Could not write " + (blocked.empty()
                                            ? (run.Path() / "missing" / "transom.dxf").string()
                                            : blocked));
        auto after = Snapshot(run.Path());
        EXPECT_NE(after["boat.hul"], before.at("boat.hul")) << "the hull is saved all the same";
        for (const char* hull : {"boat.hul", "default.hul"}) {
            if (before.at(hull) != "<folder>") {
                after[hull] = before.at(hull);
            }
        }
        EXPECT_EQ(after, before) << blocked;
    }
}

TEST(PatternRun, AHullThatCannotBeSavedNeverReadsAsSaved) {
    RunFolder run;
    run.App.Work.Patterns.Expansions = false;
    run.App.Work.HullFileName = "missing-folder/boat.hul";
    const Outcome outcome = run.Go();
    EXPECT_EQ(PatternRunStatusText(outcome, "boat.hul", {}),
              "Could not save missing-folder/boat.hul");
    EXPECT_FALSE(run.Has("default.hul"));
    EXPECT_FALSE(run.Has("panels.txt"));
}

} // namespace
} // namespace merrowin
