// Fuzz target: any bytes read as a nesting layout give bounded placements of finite positions,
// and placing pieces by them either fails leaving the state as it was or places every shape the
// layout names where it says, turned without changing its size, with a sound listing.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "io/Files.h"
#include "nesting/HandPlotReader.h"
#include "nesting/NestLayoutFile.h"
#include "nesting/NestListing.h"

namespace {

void Check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

// The pieces: three with short names the fuzzer can hit ("a", "b" and "c.uc"), then the
// transom, bulkheads and first chine of the default hull as a pattern run lists them.
const merrowin::NestState& Pieces() {
    static const merrowin::NestState state = [] {
        merrowin::NestState pieces;
        const char* const names[] = {"a", "b", "c.uc"};
        for (int i = 0; i < 3; ++i) {
            merrowin::NestPiece& piece = pieces.Pieces.emplace_back();
            piece.Name = names[i];
            piece.Piece.Points = {{-5, -2}, {5, -2}, {5.0 + i, 2}, {-5, 2}};
            piece.Copy.Points = piece.Piece.Points;
        }
        for (const char* listing : {"default_bulkheads.txt", "default_chine1.txt"}) {
            const merrowin::HandPlotPieces read =
                merrowin::ReadHandPlot(MERROWIN_FUZZ_DATA "/handplot_reader", listing);
            Check(read.Found && !read.Pieces.empty());
            pieces.Pieces.insert(pieces.Pieces.end(), read.Pieces.begin(), read.Pieces.end());
        }
        return pieces;
    }();
    return state;
}

double Radius(const merrowin::NestShape& shape) {
    double radius = 0;
    for (const merrowin::NestPoint& p : shape.Points) {
        Check(std::isfinite(p.X) && std::isfinite(p.Y));
        radius = std::max(radius, std::hypot(p.X, p.Y));
    }
    return radius;
}

const merrowin::NestPiece* Named(const merrowin::NestState& state, std::string_view name) {
    for (const merrowin::NestPiece& piece : state.Pieces) {
        if (merrowin::EqualNoCase(piece.Name, name)) {
            return &piece;
        }
    }
    return nullptr;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const merrowin::NestLayoutRead read = merrowin::ParseNestLayout(text);
    Check(read.Placements.size() <= static_cast<std::size_t>(merrowin::MaxLayoutPlacements));
    int previousLine = 0;
    for (const merrowin::NestPlacement& placement : read.Placements) {
        Check(placement.Line > previousLine);
        previousLine = placement.Line;
        Check(!placement.Name.empty() && placement.Name.find(' ') == std::string::npos);
        Check(std::isfinite(placement.X) && std::fabs(placement.X) <= merrowin::MaxNestInches);
        Check(std::isfinite(placement.Y) && std::fabs(placement.Y) <= merrowin::MaxNestInches);
        Check(placement.Steps.size() <= static_cast<std::size_t>(merrowin::MaxLayoutSteps));
    }
    merrowin::NestState state = Pieces();
    const std::optional<std::string> failure = merrowin::ApplyNestLayout(state, read.Placements);
    for (std::size_t i = 0; i < state.Pieces.size(); ++i) {
        const merrowin::NestPiece& piece = state.Pieces[i];
        // A failure places nothing; a copy is only ever placed beside its piece.
        Check(!failure || !(piece.Piece.Placed || piece.Copy.Placed));
        Check(!piece.Copy.Placed || piece.Piece.Placed);
        // Flips and turns move the points about the handle, never nearer or farther.
        const double radius = Radius(Pieces().Pieces[i].Piece);
        for (const merrowin::NestShape* shape : {&piece.Piece, &piece.Copy}) {
            Check(shape->Points.size() == Pieces().Pieces[i].Piece.Points.size());
            Check(std::fabs(Radius(*shape) - radius) <= 1e-9 * std::max(1.0, radius));
        }
    }
    if (!failure) {
        // Every shape the layout names lies where its line puts it.
        for (const merrowin::NestPlacement& placement : read.Placements) {
            const merrowin::NestPiece* piece = Named(state, placement.Name);
            Check(piece != nullptr);
            const merrowin::NestShape& shape = placement.IsCopy ? piece->Copy : piece->Piece;
            Check(shape.Placed && shape.PositionX == placement.X && shape.PositionY == placement.Y);
        }
    }
    const std::string listing = merrowin::NestedListing(state, "f.hul", "00:00:00", "01-01-2027");
    Check(listing.find("inf") == std::string::npos && listing.find("nan") == std::string::npos);
    for (std::size_t i = 0; i < listing.size(); ++i) {
        Check(listing[i] != '\n' || (i > 0 && listing[i - 1] == '\r'));
    }
    return 0;
}
