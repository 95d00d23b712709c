// Every input that once troubled a fuzzer, and every real file that seeds one, fed again to its
// reader: each folder of tests/data/fuzz is named after the target whose inputs it keeps.
#include <algorithm>
#include <cmath>
#include <functional>
#include <iterator>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "TestSupport.h"
#include "io/PlotFile.h"
#include "model/ChineCurves.h"
#include "model/HullFile.h"
#include "nesting/HandPlotReader.h"
#include "nesting/NestCommands.h"
#include "nesting/NestLayoutFile.h"
#include "nesting/NestListing.h"
#include "nesting/NestPages.h"
#include "open/FigureFile.h"
#include "open/Figures.h"
#include "patterns/PatternSettings.h"
#include "patterns/StrokeFont.h"
#include "text/NumberText.h"

namespace merrowin {
namespace {

const fs::path FuzzData = fs::path(MERROWIN_TEST_DATA) / "fuzz";

// Every line ends with CR LF, and no number came out as infinity or NaN.
void ExpectSoundListing(const std::string& listing) {
    EXPECT_EQ(listing.find("inf"), std::string::npos);
    EXPECT_EQ(listing.find("nan"), std::string::npos);
    for (std::size_t i = 0; i < listing.size(); ++i) {
        ASSERT_TRUE(listing[i] != '\n' || (i > 0 && listing[i - 1] == '\r')) << i;
    }
}

void HullReader(const std::string& bytes, const fs::path& scratch) {
    test::WriteRaw(scratch / "input.hul", bytes);
    const auto app = std::make_unique<AppState>();
    ResetToStartup(*app);
    ReadHullFile(scratch, "input.hul", app->Hull, app->Work);
    UpdateHullGeometry(app->Hull, app->Work);
    const HullDocument& hull = app->Hull;
    ASSERT_GE(hull.ChineCount, 2);
    ASSERT_LE(hull.ChineCount, MaxChines);
    for (int c = 1; c <= hull.ChineCount; ++c) {
        for (int b = 0; b < BulkheadCount; ++b) {
            ASSERT_TRUE(
                std::isfinite(hull.OffsetX[b][c] + hull.OffsetY[b][c] + hull.OffsetZ[b][c]));
        }
        for (int p = 1; p <= PointsPerChine; ++p) {
            const auto& point = hull.SplinePoints[c][p];
            ASSERT_TRUE(std::isfinite(point[1] + point[2] + point[3]));
        }
    }
    EXPECT_TRUE(std::isfinite(app->Work.MaxHalfBreadth));
}

void PlotTokeniser(const std::string& bytes, const fs::path&) {
    for (const std::string& line : SplitLines(bytes)) {
        for (const bool strip : {false, true}) {
            const PlotTokens tokens = TokenisePlotLine(line, strip);
            EXPECT_EQ(tokens.X, Val(tokens.XText));
            EXPECT_EQ(tokens.Y, Val(tokens.YText));
            if (!strip && line.find(' ') != std::string::npos) {
                EXPECT_EQ(tokens.XText + " " + tokens.YText + tokens.Rest, line);
            }
        }
    }
}

// The boxes all set, or all clear.
PatternOptions AllBoxes(bool set) {
    PatternOptions options;
    for (bool* box :
         {&options.Expansions, &options.Hpgl, &options.Dxf, &options.Text, &options.HalfFrames,
          &options.Spar, &options.Stem, &options.Soles, &options.Deck, &options.Keel}) {
        *box = set;
    }
    return options;
}

// What is read is saved and read back unchanged, over boxes that start either way.
void SettingsReader(const std::string& bytes, const fs::path& scratch) {
    for (const bool startSet : {false, true}) {
        test::WriteRaw(scratch / PatternSettingsFileName, bytes);
        PatternOptions read = AllBoxes(startSet);
        ASSERT_TRUE(ReadPatternSettings(scratch, read));
        EXPECT_TRUE(read.ExportPath.empty() || read.ExportPath.back() == '/');
        ASSERT_TRUE(WritePatternSettings(scratch, read).Ok());
        PatternOptions again = AllBoxes(!startSet);
        ASSERT_TRUE(ReadPatternSettings(scratch, again));
        EXPECT_EQ(PatternSettingsText(again), PatternSettingsText(read));
        EXPECT_EQ(again.ExportText, read.ExportText);
        EXPECT_EQ(again.ExportPath, read.ExportPath);
    }
}

// A label of every byte, straight and turned: every coordinate a whole number within the reach
// of its characters and the farthest glyph point the font may hold.
void StrokeFontReader(const std::string& bytes, const fs::path&) {
    const StrokeFont font = ParseStrokeFont(bytes);
    std::string everyCharacter;
    for (int c = 0; c < 256; ++c) {
        everyCharacter.push_back(static_cast<char>(c));
    }
    for (const double angle : {0.0, 37.0}) {
        MemoryStatusBar status;
        PlotWriter plot(500, 500);
        DrawLabel(plot, font, status, everyCharacter, 0, 0, 0.375, angle);
        const double reach = 500 * 0.375 * (256 + 1.5 * MaxGlyphUnits / 8) + 2;
        for (const std::string& line : SplitLines(plot.Content())) {
            if (line.find("acut") == std::string::npos) {
                continue;
            }
            const PlotTokens tokens = TokenisePlotLine(line, false);
            ASSERT_EQ(tokens.Rest, " acut");
            ASSERT_LE(std::hypot(tokens.X, tokens.Y), reach) << line;
            // Whole numbers, exact below 2^53.
            ASSERT_LT(std::fabs(tokens.X) + std::fabs(tokens.Y), 9007199254740992.0);
            ASSERT_EQ(IntText(static_cast<std::int64_t>(tokens.X)), tokens.XText);
            ASSERT_EQ(IntText(static_cast<std::int64_t>(tokens.Y)), tokens.YText);
        }
    }
}

class IdleHub : public RepaintHub {
public:
    void RepaintWindow() override {}
    void RepaintMainView() override {}
    Canvas& MainPicture() override { return canvas_; }
    Canvas& Thumbnail(int) override { return canvas_; }

private:
    NullCanvas canvas_;
};

void FigureReader(const std::string& bytes, const fs::path&) {
    const std::vector<FigureOutline> figures = ParseFigureFile(bytes);
    ASSERT_LE(figures.size(), static_cast<std::size_t>(MaxFigures));
    IdleHub hub;
    for (int i = 0; i < static_cast<int>(figures.size()); ++i) {
        ASSERT_LE(figures[static_cast<std::size_t>(i)].Points.size(),
                  static_cast<std::size_t>(MaxFigurePoints));
        ViewState view;
        FigureFrame frame;
        ChooseFigure(view, frame, figures, i, hub);
        FigureTurn90(view, hub);
        for (int p = 1; p <= view.FigurePointCount; ++p) {
            const auto k = static_cast<std::size_t>(p);
            ASSERT_TRUE(std::isfinite(view.FigureZ + view.FigureOutlineZ[k] + view.FigureY +
                                      view.FigureOutlineY[k]));
        }
    }
}

void ExpectFiniteShape(const NestShape& shape) {
    ASSERT_LE(shape.Points.size(), static_cast<std::size_t>(MaxNestPoints));
    ASSERT_TRUE(std::isfinite(shape.PositionX + shape.PositionY));
    for (const NestPoint& p : shape.Points) {
        ASSERT_LE(std::fabs(p.X), 2 * MaxNestInches);
        ASSERT_LE(std::fabs(p.Y), 2 * MaxNestInches);
    }
}

// Every piece and its copy placed, turned, flipped and dragged, then listed and printed.
void HandPlotReader(const std::string& bytes, const fs::path&) {
    const HandPlotPieces read = ParseHandPlot(bytes);
    ASSERT_LE(read.Pieces.size(), static_cast<std::size_t>(MaxNestPieces));
    NestState state;
    UsePieces(state, read.Pieces);
    for (int i = 0; i < static_cast<int>(state.Pieces.size()); ++i) {
        const NestPiece& piece = state.Pieces[static_cast<std::size_t>(i)];
        SelectListPiece(state, i);
        CopyPiece(state);
        TurnPiece(state, NestTurn::Ccw);
        if (PickPiece(state, piece.Copy.PositionX, piece.Copy.PositionY)) {
            FlipPiece(state);
            DragPiece(state, 1000.0 * i, -7.0 * i);
            ReleasePiece(state);
        }
        ExpectFiniteShape(piece.Piece);
        ExpectFiniteShape(piece.Copy);
    }
    ExpectSoundListing(NestedListing(state, read.HullFileName, "00:00:00", "01-01-2027"));
    for (const NestPage& page : NestPages(state)) {
        for (const NestPagePiece& part : page.Pieces) {
            EXPECT_FALSE(part.Segments.empty());
            EXPECT_TRUE(std::isfinite(part.LabelX + part.LabelY));
        }
    }
}

// A layout either places nothing and says why, or places every shape it names where it says.
void NestLayout(const std::string& bytes, const fs::path&) {
    NestState state;
    for (const char* listing : {"default_bulkheads.txt", "default_chine1.txt"}) {
        const HandPlotPieces read = ReadHandPlot(FuzzData / "handplot_reader", listing);
        state.Pieces.insert(state.Pieces.end(), read.Pieces.begin(), read.Pieces.end());
    }
    const NestLayoutRead read = ParseNestLayout(bytes);
    ASSERT_LE(read.Placements.size(), static_cast<std::size_t>(MaxLayoutPlacements));
    const std::optional<std::string> failure = ApplyNestLayout(state, read.Placements);
    for (const NestPiece& piece : state.Pieces) {
        EXPECT_FALSE(failure && (piece.Piece.Placed || piece.Copy.Placed)) << piece.Name;
        EXPECT_TRUE(!piece.Copy.Placed || piece.Piece.Placed) << piece.Name;
    }
    for (const NestPlacement& placement :
         failure ? std::vector<NestPlacement>{} : read.Placements) {
        for (const NestPiece& piece : state.Pieces) {
            const NestShape& shape = placement.IsCopy ? piece.Copy : piece.Piece;
            if (EqualNoCase(piece.Name, placement.Name)) {
                EXPECT_TRUE(shape.Placed && shape.PositionX == placement.X &&
                            shape.PositionY == placement.Y)
                    << placement.Line;
                break;
            }
        }
    }
    ExpectSoundListing(NestedListing(state, "f.hul", "00:00:00", "01-01-2027"));
}

using Reader = std::function<void(const std::string& bytes, const fs::path& scratch)>;

struct Target {
    const char* Folder;
    Reader Feed;
};

const Target Targets[] = {
    {"hull_reader", HullReader},         {"plot_tokeniser", PlotTokeniser},
    {"settings_reader", SettingsReader}, {"stroke_font", StrokeFontReader},
    {"figure_reader", FigureReader},     {"handplot_reader", HandPlotReader},
    {"nest_layout", NestLayout},
};

TEST(FuzzRegression, EveryKeptInputReadsSoundly) {
    for (const Target& target : Targets) {
        const fs::path folder = FuzzData / target.Folder;
        if (!fs::exists(folder)) {
            continue; // a target that has found nothing yet
        }
        for (const auto& entry : fs::directory_iterator(folder)) {
            SCOPED_TRACE(entry.path().string());
            test::TempFolder scratch;
            target.Feed(test::ReadRaw(entry.path()), scratch.Path());
        }
    }
}

// A folder whose name no reader claims would never be fed again.
TEST(FuzzRegression, EveryFolderHasItsReader) {
    for (const auto& entry : fs::directory_iterator(FuzzData)) {
        const std::string name = entry.path().filename().string();
        EXPECT_TRUE(std::any_of(std::begin(Targets), std::end(Targets), [&](const Target& target) {
            return name == target.Folder;
        })) << name;
    }
}

} // namespace
} // namespace merrowin
