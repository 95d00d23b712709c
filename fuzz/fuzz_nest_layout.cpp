// Fuzz target: any bytes read as a nesting layout give bounded placements of finite positions,
// and placing pieces by them either fails leaving the state as it was or gives a sound listing.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "nesting/NestLayoutFile.h"
#include "nesting/NestListing.h"

namespace {

void Check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

// Three pieces with short names the fuzzer can hit: "a", "b" and "c.uc".
merrowin::NestState Pieces() {
    merrowin::NestState state;
    const char* const names[] = {"a", "b", "c.uc"};
    for (int i = 0; i < 3; ++i) {
        merrowin::NestPiece& piece = state.Pieces.emplace_back();
        piece.Name = names[i];
        piece.Piece.Points = {{-5, -2}, {5, -2}, {5.0 + i, 2}, {-5, 2}};
        piece.Copy.Points = piece.Piece.Points;
    }
    return state;
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
    for (const merrowin::NestPiece& piece : state.Pieces) {
        // A failure places nothing; a copy is only ever placed beside its piece.
        Check(!failure || !(piece.Piece.Placed || piece.Copy.Placed));
        Check(!piece.Copy.Placed || piece.Piece.Placed);
        for (const merrowin::NestShape* shape : {&piece.Piece, &piece.Copy}) {
            for (const merrowin::NestPoint& p : shape->Points) {
                Check(std::isfinite(p.X) && std::isfinite(p.Y) && std::hypot(p.X, p.Y) < 10);
            }
        }
    }
    const std::string listing = merrowin::NestedListing(state, "f.hul", "00:00:00", "01-01-2027");
    Check(listing.find("inf") == std::string::npos && listing.find("nan") == std::string::npos);
    return 0;
}
