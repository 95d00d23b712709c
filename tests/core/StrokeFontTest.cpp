// The stroke font: the labels drawn with it against their golden files, damaged and missing
// fonts, and where a run finds its font.
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "io/Files.h"
#include "patterns/StrokeFont.h"

namespace merrowin {
namespace {

// Two records for "A" (drawn one after the other), one lower-case "b", one two-letter name.
std::string TinyFont() {
    return test::ReadRaw(fs::path(MERROWIN_TEST_DATA) / "core" / "tiny.fnt");
}

TEST(StrokeFont, LabelsMatchTheirGoldenFiles) {
    // "a" draws both "A" records, "?" has no record and leaves a gap, "B" draws the "b" record.
    MemoryStatusBar status;
    PlotWriter label(500, 500);
    DrawLabel(label, ParseStrokeFont(TinyFont()), status, "a?B", 1.0, 2.0, 0.5, 0);
    test::ExpectGolden("core/label.uc", label.Content());
    // With the program's pi of 3.1415 a quarter turn falls a hair short: the stroke ends at 9999
    // where the exact pi would give 10000.
    PlotWriter turned(10000, 10000);
    DrawLabel(turned, ParseStrokeFont("A\n2\n0,0\n8,0\n"), status, "A", 0, 0, 1.0, 90);
    test::ExpectGolden("core/label_turned.uc", turned.Content());
    EXPECT_EQ(status.Panel(1), "");
}

TEST(StrokeFont, DamagedFileNeverReadsPastItsEnd) {
    // A count larger than the pairs left keeps the pairs there are.
    const StrokeFont truncated = ParseStrokeFont("A\n99\n1,2\n3,4\n5");
    ASSERT_EQ(truncated.Glyphs.size(), 1u);
    EXPECT_EQ(truncated.Glyphs[0].Points.size(), 2u);
    // A negative count has no points and the next record follows at once.
    const StrokeFont negative = ParseStrokeFont("B\n-3\nC\n1\n5,5\n");
    ASSERT_EQ(negative.Glyphs.size(), 2u);
    EXPECT_EQ(negative.Glyphs[1].Points.size(), 1u);
}

TEST(StrokeFont, MissingFontLeavesTheLabelOutAndSaysSo) {
    MemoryStatusBar status;
    PlotWriter plot(500, 500);
    DrawLabel(plot, StrokeFont{}, status, "BH1", 0, 0, 0.375, 0);
    EXPECT_EQ(plot.Content(), "");
    EXPECT_EQ(status.Panel(1), "Missing pedit.fnt, can't output characters");
}

TEST(StrokeFont, WorkingFolderFontComesFirstThenTheShippedOne) {
    test::TempFolder folder;
    const StrokeFont shipped = LoadStrokeFont(folder.Path());
    ASSERT_TRUE(shipped.Found);
    for (const char c : std::string("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789-.")) {
        EXPECT_FALSE(shipped.ByCharacter[static_cast<unsigned char>(c)].empty()) << c;
    }
    // Every shipped glyph stays inside its cell.
    for (const StrokeGlyph& glyph : shipped.Glyphs) {
        for (const auto& point : glyph.Points) {
            EXPECT_TRUE(point[0] >= 0 && point[0] <= 8 && point[1] >= 0 && point[1] <= 8)
                << glyph.Name;
        }
    }
    ASSERT_TRUE(WriteFileAtomic(folder.Path(), "PEDIT.FNT", TinyFont()).Ok());
    EXPECT_EQ(LoadStrokeFont(folder.Path()).Glyphs.size(), 4u);
}

} // namespace
} // namespace merrowin
