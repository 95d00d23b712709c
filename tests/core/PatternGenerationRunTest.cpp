// A whole pattern run in a working folder: the files it deletes and keeps, the pieces a small
// hull gets, and a hull saved in another folder.
#include <gtest/gtest.h>

#include "TempFolder.h"
#include "app/AppState.h"
#include "io/Files.h"
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
    void Go() { CreatePatterns(Folder.Path(), App.Hull, App.Work, Status, nullptr); }
};

TEST(PatternRun, DeletesOnlyOldPatternFilesOfTheWorkingFolder) {
    RunFolder run;
    const fs::path outside = run.Path() / "elsewhere";
    fs::create_directories(outside);
    for (const char* name : {"chine9.tri", "CHINE8.TRI", "old.uc", "temp.uc", "handplot.txt",
                             "keel.tri", "notes.txt"}) {
        ASSERT_TRUE(WriteFileAtomic(run.Path(), name, "x\r\n").Ok());
    }
    ASSERT_TRUE(WriteFileAtomic(outside, "kept.uc", "x\r\n").Ok());
    ASSERT_TRUE(WriteFileAtomic(outside, "chine1.tri", "x\r\n").Ok());
    run.Go();
    for (const char* name : {"chine9.tri", "CHINE8.TRI", "old.uc", "temp.uc"}) {
        EXPECT_FALSE(run.Has(name)) << name;
    }
    // Not pattern files of the run's patterns: the keel file of an earlier run stays.
    EXPECT_TRUE(run.Has("keel.tri"));
    EXPECT_TRUE(run.Has("notes.txt"));
    EXPECT_TRUE(FileExists(outside, "kept.uc"));
    EXPECT_EQ(ReadFileBytes(outside, "chine1.tri"), "x\r\n");
}

TEST(PatternRun, TwoChinesClearSolesAndMakeOnePanel) {
    RunFolder run;
    run.App.Hull.ChineCount = 2;
    UpdateHullGeometry(run.App.Hull, run.App.Work);
    run.App.Work.Patterns.Soles = true;
    run.Go();
    EXPECT_FALSE(run.App.Work.Patterns.Soles);
    EXPECT_TRUE(run.Has("chine1.tri"));
    EXPECT_FALSE(run.Has("chine2.tri"));
    EXPECT_FALSE(run.Has("sole1.tri"));
}

TEST(PatternRun, HullInAnotherFolderKeepsItsDrawingBesideIt) {
    RunFolder run;
    fs::create_directories(run.Path() / "boats.v2");
    run.App.Work.HullFileName = (run.Path() / "boats.v2" / "skiff.hul").string();
    run.Go();
    EXPECT_TRUE(FileExists(run.Path() / "boats.v2", "skiff.hul"));
    EXPECT_TRUE(FileExists(run.Path() / "boats.v2", "skiff.DXF"));
    EXPECT_TRUE(run.Has("default.hul"));
}

TEST(PatternRun, FailuresStayInTheStatusToTheEnd) {
    RunFolder run;
    run.App.Work.Patterns.Dxf = true;
    SetExportText(run.App.Work.Patterns, (run.Path() / "no-such-folder").string());
    run.App.Work.HullFileName = "boat.hul";
    run.Go();
    EXPECT_EQ(run.Status.Panel(1).rfind("Could not write ", 0), 0u) << run.Status.Panel(1);
    EXPECT_TRUE(run.Has("boat.hul")) << "the hull is saved all the same";

    // A hull that cannot be saved never reads as saved.
    run.App.Work.Patterns.Dxf = false;
    run.App.Work.HullFileName = "missing-folder/boat.hul";
    run.Go();
    EXPECT_EQ(run.Status.Panel(1), "Could not save missing-folder/boat.hul");
}

} // namespace
} // namespace merrowin
