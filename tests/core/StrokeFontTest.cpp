// The stroke font reader and the labels drawn with it.
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "io/Files.h"
#include "patterns/StrokeFont.h"

namespace merrowin {
namespace {

using test::Lines;

// Two records for "A" (drawn one after the other), one lower-case "b", one two-letter name.
const char* const TinyFont = "A\r\n2\r\n0, 0\r\n8, 8\r\n"
                             "a\r\n1\r\n4, 4\r\n"
                             "b\r\n2\r\n0,8\r\n0,0\r\n"
                             "AB\r\n1\r\n1, 1\r\n";

TEST(StrokeFont, ReadsRecordsInFileOrder) {
    const StrokeFont font = ParseStrokeFont(TinyFont);
    ASSERT_TRUE(font.Found);
    ASSERT_EQ(font.Glyphs.size(), 4u);
    EXPECT_EQ(font.Glyphs[2].Name, "b");
    EXPECT_EQ(font.Glyphs[2].Points.at(0)[1], 8.0);
    // Both "A" and "a" records answer either letter case; a longer name answers nothing.
    EXPECT_EQ(font.ByCharacter['A'], (std::vector<int>{0, 1}));
    EXPECT_EQ(font.ByCharacter['a'], (std::vector<int>{0, 1}));
    EXPECT_EQ(font.ByCharacter['B'], (std::vector<int>{2}));
}

TEST(StrokeFont, DamagedFileNeverReadsPastItsEnd) {
    // A count larger than the pairs left keeps the pairs there are.
    const StrokeFont truncated = ParseStrokeFont("A\n99\n1,2\n3,4\n5");
    ASSERT_EQ(truncated.Glyphs.size(), 1u);
    EXPECT_EQ(truncated.Glyphs[0].Points.size(), 2u);
    // A negative count has no points and the next record follows at once.
    const StrokeFont negative = ParseStrokeFont("B\n-3\nC\n1\n5,5\n");
    ASSERT_EQ(negative.Glyphs.size(), 2u);
    EXPECT_TRUE(negative.Glyphs[0].Points.empty());
    EXPECT_EQ(negative.Glyphs[1].Points.size(), 1u);
    EXPECT_TRUE(ParseStrokeFont("").Glyphs.empty());
}

TEST(StrokeFont, LabelStrokesAdvanceOneSizePerCharacter) {
    const StrokeFont font = ParseStrokeFont(TinyFont);
    MemoryStatusBar status;
    PlotWriter plot(500, 500);
    // "a" draws both A records; "?" has no record and leaves a gap; "B" draws the "b" record.
    DrawLabel(plot, font, status, "a?B", 1.0, 2.0, 0.5, 0);
    EXPECT_EQ(plot.Content(),
              Lines({"1 penup", "500 1000 acut", "1 pendown", "750 1250 acut", "1 penup", "1 penup",
                     "625 1125 acut", "1 pendown", "1 penup", "1 penup", "1000 1250 acut",
                     "1 pendown", "1000 1000 acut", "1 penup"}));
    EXPECT_EQ(status.Panel(1), "");
}

TEST(StrokeFont, LabelTurnsWithTheProgramsPi) {
    const StrokeFont font = ParseStrokeFont("A\n2\n0,0\n8,0\n");
    MemoryStatusBar status;
    PlotWriter plot(10000, 10000);
    DrawLabel(plot, font, status, "A", 0, 0, 1.0, 90);
    // With 3.1415 the quarter turn falls a hair short: sin is 0.999999999 and the stroke ends
    // at 9999, where the exact pi would give 10000.
    EXPECT_EQ(plot.Content(),
              Lines({"1 penup", "0 0 acut", "1 pendown", "0 9999 acut", "1 penup"}));
}

TEST(StrokeFont, MissingFontLeavesTheLabelOutAndSaysSo) {
    MemoryStatusBar status;
    PlotWriter plot(500, 500);
    DrawLabel(plot, StrokeFont{}, status, "BH1", 0, 0, 0.375, 0);
    EXPECT_EQ(plot.Content(), "");
    EXPECT_EQ(status.Panel(1), "Missing pedit.fnt, can't output characters");
}

TEST(StrokeFont, WorkingFolderFontComesFirst) {
    test::TempFolder folder;
    // Without a font of its own the run falls back to the font the program ships.
    const StrokeFont shipped = LoadStrokeFont(folder.Path());
    ASSERT_TRUE(shipped.Found);
    for (const char c : std::string("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789-.")) {
        EXPECT_FALSE(shipped.ByCharacter[static_cast<unsigned char>(c)].empty()) << c;
    }
    ASSERT_TRUE(WriteFileAtomic(folder.Path(), "PEDIT.FNT", TinyFont).Ok());
    const StrokeFont local = LoadStrokeFont(folder.Path());
    EXPECT_EQ(local.Glyphs.size(), 4u);
}

TEST(StrokeFont, ShippedGlyphsStayInsideTheirCell) {
    test::TempFolder folder;
    const StrokeFont font = LoadStrokeFont(folder.Path());
    for (const StrokeGlyph& glyph : font.Glyphs) {
        EXPECT_FALSE(glyph.Points.empty()) << glyph.Name;
        for (const auto& point : glyph.Points) {
            EXPECT_TRUE(point[0] >= 0 && point[0] <= 8 && point[1] >= 0 && point[1] <= 8)
                << glyph.Name;
        }
    }
}

} // namespace
} // namespace merrowin
