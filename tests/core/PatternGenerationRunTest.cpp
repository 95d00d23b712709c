// A whole pattern run in a working folder: the files it writes, deletes and keeps, and the save.
#include <gtest/gtest.h>

#include "TempFolder.h"
#include "io/Files.h"
#include "model/AppState.h"
#include "model/ChineCurves.h"
#include "model/HullFile.h"
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

TEST(PatternRun, WritesEveryPieceAndSavesTheHull) {
    RunFolder run;
    PatternOptions& options = run.App.Work.Patterns;
    options.Stem = options.Keel = options.Deck = options.Soles = true;
    SetFrameText(run.App.Hull, options, 0, "30");
    SetFrameText(run.App.Hull, options, 3, "400"); // past the transom: pulled back to 140
    run.Go();
    for (const char* name :
         {"chine1.tri",  "chine2.tri",  "chine3.tri",   "keel.tri",  "deck.tri",
          "sole1.tri",   "sole2.tri",   "bhead1.uc",    "bhead2.uc", "bhead3.uc",
          "frame1.uc",   "frame4.uc",   "transom.uc",   "Stem.uc",   "4x8.uc",
          "default.DXF", "default.hul", "handplot.txt", "chine1.uc", "keel.uc"}) {
        EXPECT_TRUE(run.Has(name)) << name;
    }
    EXPECT_FALSE(run.Has("chine4.tri"));
    EXPECT_FALSE(run.Has("frame2.uc"));
    EXPECT_EQ(options.FrameText[3], "140");
    EXPECT_EQ(run.App.Hull.FramePositions[3], 140);
    EXPECT_EQ(run.Status.Panel(1), "Working on...default.hul");
    // The saved hull holds the clamped frame.
    HullDocument reread;
    WorkingValues work;
    ASSERT_TRUE(ReadHullFile(run.Path(), "default.hul", reread, work));
    EXPECT_EQ(reread.FramePositions[3], 140);
}

TEST(PatternRun, DeletesOnlyOldPatternFilesOfTheWorkingFolder) {
    RunFolder run;
    const fs::path outside = run.Path() / "elsewhere";
    fs::create_directories(outside);
    for (const char* name : {"chine9.tri", "CHINE8.TRI", "old.uc", "temp.uc", "handplot.txt",
                             "keel.tri", "notes.txt"}) {
        ASSERT_TRUE(WriteFileAtomic(run.Path(), name, "x\r\n"));
    }
    ASSERT_TRUE(WriteFileAtomic(outside, "kept.uc", "x\r\n"));
    ASSERT_TRUE(WriteFileAtomic(outside, "chine1.tri", "x\r\n"));
    run.Go();
    EXPECT_FALSE(run.Has("chine9.tri"));
    EXPECT_FALSE(run.Has("CHINE8.TRI"));
    EXPECT_FALSE(run.Has("old.uc"));
    EXPECT_FALSE(run.Has("temp.uc"));
    // Not pattern files of the run's patterns: the keel file of an earlier run stays.
    EXPECT_TRUE(run.Has("keel.tri"));
    EXPECT_TRUE(run.Has("notes.txt"));
    EXPECT_TRUE(FileExists(outside, "kept.uc"));
    EXPECT_EQ(ReadFileBytes(outside, "chine1.tri"), "x\r\n");
}

TEST(PatternRun, WithoutExpansionsOnlyTheHullIsSaved) {
    RunFolder run;
    run.App.Work.Patterns.Expansions = false;
    run.App.Work.HullFileName = "skiff.hul";
    ASSERT_TRUE(WriteFileAtomic(run.Path(), "old.uc", "x\r\n"));
    run.Go();
    EXPECT_TRUE(run.Has("old.uc"));
    EXPECT_FALSE(run.Has("chine1.tri"));
    EXPECT_FALSE(run.Has("bhead1.uc"));
    ASSERT_TRUE(run.Has("skiff.hul"));
    EXPECT_EQ(ReadFileBytes(run.Path(), "skiff.hul"), ReadFileBytes(run.Path(), "default.hul"));
    EXPECT_EQ(ReadFileBytes(run.Path(), "skiff.hul"), HullFileText(run.App.Hull));
    EXPECT_EQ(run.Status.Panel(1), "Working on...skiff.hul");
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

} // namespace
} // namespace merrowin
