// The nested hand plotting listing: sheet assignment, the two number forms and the zoned layout.
#include "nesting/NestListing.h"

#include <functional>

#include "text/NumberText.h"

namespace merrowin {

namespace {

constexpr int ListedSheets = 5; // the listing always has zones for five sheets

// The text of one point within its sheet.
using PointText = std::function<std::string(int sheet, double x, double y)>;

std::string InchesText(int sheet, double x, double y) {
    const std::string xText = InchesEighths(x) + "\"";
    const std::string yText = InchesEighths(y) + "\"";
    return sheet == 1 ? xText + "x" + yText : xText + " by " + yText;
}

std::string MillimetreText(int, double x, double y) {
    return MillimetresText(x) + " x " + MillimetresText(y) + " mm";
}

void SheetHeads(TextOut& out) {
    ZoneLine heads;
    heads.Add("Sheet 1");
    for (int s = 2; s <= ListedSheets; ++s) {
        heads.Zone("Sheet " + IntText(s));
    }
    out.Line(heads.Text());
    out.Line("");
}

// One shape's block: its name, a rule, a line per point in its sheet's zone, an empty line.
void ShapeBlock(TextOut& out, const NestShape& shape, const std::string& name, double length,
                const PointText& text) {
    out.Line(name);
    out.Line(std::string(63, '-'));
    for (const NestPoint& p : shape.Points) {
        const double xa = shape.PositionX + p.X, ya = shape.PositionY + p.Y;
        const int sheet = SheetOf(xa, length);
        ZoneLine line;
        for (int s = 1; s < sheet; ++s) {
            line.NextZone();
        }
        line.Add(text(sheet, xa - (sheet - 1) * length, ya));
        out.Line(line.Text());
    }
    out.Line("");
}

// Every placed piece, each followed by its copy when that is placed too.
void Section(TextOut& out, const NestState& state, const PointText& text) {
    for (const NestPiece& piece : state.Pieces) {
        if (!piece.Piece.Placed) {
            continue;
        }
        ShapeBlock(out, piece.Piece, ShapeName(piece, false), state.Sheets.Length, text);
        if (piece.Copy.Placed) {
            ShapeBlock(out, piece.Copy, ShapeName(piece, true), state.Sheets.Length, text);
        }
    }
}

} // namespace

int SheetOf(double xa, double length) {
    for (int s = 1; s < ListedSheets; ++s) {
        if (xa <= s * length) {
            return s;
        }
    }
    return ListedSheets;
}

std::string NestedListing(const NestState& state, std::string_view hullFileName,
                          std::string_view timeText, std::string_view dateText) {
    TextOut out;
    std::string title = "Nested hand plotting file for ";
    title.append(hullFileName).append(" / ").append(timeText).append(" / ").append(dateText);
    out.Line(title);
    out.Line("");
    SheetHeads(out);
    Section(out, state, InchesText);
    SheetHeads(out);
    Section(out, state, MillimetreText);
    return out.Content();
}

void WriteNestedListing(std::ostream& out, const NestState& state, std::string_view hullFileName,
                        std::string_view timeText, std::string_view dateText) {
    out << NestedListing(state, hullFileName, timeText, dateText);
}

Outcome SaveNestedListing(const fs::path& folder, std::string_view name, const NestState& state,
                          std::string_view hullFileName, const std::tm& when) {
    return WriteFileAtomic(folder, name,
                           NestedListing(state, hullFileName, TimeText(when), DateText(when)));
}

NestSaveOutcome SaveNestCommand(const fs::path& folder, const NestState& state,
                                std::string_view hullFileName, Dialogs& dialogs) {
    NestSaveOutcome outcome;
    outcome.FileName = dialogs.Input("Hand Plotting", "File name:", NestListingName);
    if (outcome.FileName.empty()) {
        outcome.Cancelled = true;
        return outcome;
    }
    outcome.Saved = SaveNestedListing(folder, outcome.FileName, state, hullFileName, LocalNow());
    return outcome;
}

} // namespace merrowin
