// The patterns dialog's settings file "hull.dat" and the rules of its boxes.
#include <gtest/gtest.h>

#include "TempFolder.h"
#include "io/Files.h"
#include "patterns/PatternSettings.h"

namespace merrowin {
namespace {

TEST(PatternSettings, TenBoxesThenTheExportFolderReadBackAsWritten) {
    test::TempFolder folder;
    PatternOptions written;
    written.Expansions = written.Text = false;
    written.Hpgl = written.Keel = true;
    SetExportText(written, "/srv/cut, files");
    EXPECT_EQ(PatternSettingsText(written), " 0 \r\n 1 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n"
                                            " 0 \r\n 0 \r\n 1 \r\n/srv/cut, files\r\n");
    ASSERT_TRUE(WritePatternSettings(folder.Path(), written).Ok());

    PatternOptions read;
    ASSERT_TRUE(ReadPatternSettings(folder.Path(), read));
    EXPECT_EQ(PatternSettingsText(read), PatternSettingsText(written));
    // The folder name keeps its comma, and the export path its separator.
    EXPECT_EQ(read.ExportPath, "/srv/cut, files/");
}

// The values are read item by item, so a hand-written file may hold several on a line; the
// export folder is the rest of its line and may hold a comma.
TEST(PatternSettings, ItemsMayShareALine) {
    const struct {
        const char* File;
        const char* Expected;
    } cases[] = {
        {"1,0,0,1,0,0,0,0,0,1,\"/x\"\r\n",
         " 1 \r\n 0 \r\n 0 \r\n 1 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n 1 \r\n/x\r\n"},
        {" 0 , \"1\" ,1\r\n1,1,1,1,1,1\r\n0, /srv/cut, files \r\n",
         " 0 \r\n 1 \r\n 1 \r\n 1 \r\n 1 \r\n 1 \r\n 1 \r\n 1 \r\n 1 \r\n 0 \r\n/srv/cut, "
         "files\r\n"},
    };
    for (const auto& c : cases) {
        test::TempFolder folder;
        ASSERT_TRUE(WriteFileAtomic(folder.Path(), "hull.dat", c.File).Ok());
        // Every box starts the other way from what the first file says.
        PatternOptions options;
        options.Expansions = options.Text = options.Keel = false;
        options.Hpgl = options.Dxf = options.HalfFrames = options.Spar = options.Stem =
            options.Soles = options.Deck = true;
        ASSERT_TRUE(ReadPatternSettings(folder.Path(), options));
        EXPECT_EQ(PatternSettingsText(options), c.Expected) << c.File;
    }
}

TEST(PatternSettings, DamagedFileKeepsWhatItCannotSet) {
    test::TempFolder folder;
    PatternOptions options; // Expansions and Text set, the rest clear
    options.ExportText = "kept";
    // A box value other than 0 or 1 cannot be set; the file ends before the export folder.
    ASSERT_TRUE(WriteFileAtomic(folder.Path(), "HULL.DAT", "2\r\n1\r\nx\r\n").Ok());
    ASSERT_TRUE(ReadPatternSettings(folder.Path(), options));
    EXPECT_TRUE(options.Expansions && options.Hpgl && !options.Dxf && options.Text);
    EXPECT_EQ(options.ExportText, "kept");

    test::TempFolder empty;
    PatternOptions untouched;
    EXPECT_FALSE(ReadPatternSettings(empty.Path(), untouched));
    EXPECT_TRUE(untouched.Expansions && untouched.Text && !untouched.Hpgl);
}

TEST(PatternSettings, FileNameBoxAlwaysEndsInHul) {
    EXPECT_EQ(HullFileNameRule("b"), "b.hul");
    EXPECT_EQ(HullFileNameRule("b.hulx"), "b.hul"); // typing after ".hul" is discarded
    EXPECT_EQ(HullFileNameRule("verylongname"), "verylong.hul");
    EXPECT_EQ(HullFileNameRule("skiff.v2.hul"), "skiff.hul");
    EXPECT_EQ(HullFileNameRule(""), ".hul");
    EXPECT_EQ(HullFileNameRule("BOAT.HUL"), "BOAT.HUL"); // a listed file keeps its spelling
    EXPECT_EQ(HullFileNameRule("BOAT.HULL"), "BOAT.hul");
    // A dot in a folder name does not cut the path.
    EXPECT_EQ(HullFileNameRule("/home/u.v/boat.hul"), "/home/u.v/boat.hul");
    EXPECT_EQ(HullFileNameRule("/home/u.v/longername"), "/home/u.v/longerna.hul");
}

// Frame boxes are pinned by the frame clamping tests (FrameStations).
TEST(PatternSettings, ExportFolderBox) {
    PatternOptions options;
    SetExportText(options, "/srv/cut");
    EXPECT_EQ(options.ExportPath, "/srv/cut/");
    SetExportText(options, ""); // the working folder, not the root
    EXPECT_EQ(options.ExportPath, "");
}

} // namespace
} // namespace merrowin
