// What the nesting tests share: a state holding two small pieces read from a hand plot text.
#pragma once

#include "TestSupport.h"
#include "nesting/HandPlotReader.h"

namespace merrowin::test {

// "box.uc", a 10 x 4 rectangle with corners at (+-5, +-2), and "tri.uc", a right triangle with
// legs of 6 and 2 along X and Y (corners (-3, -1), (3, -1), (-3, 1)); nothing placed.
inline NestState TwoPieces() {
    NestState state;
    UsePieces(state, ParseHandPlot(Lines({"Hand plotting file for t.hul", "box.uc", "0 0", "10 0",
                                          "10 4", "0 4", "tri.uc", "0 0", "6 0", "0 2"}))
                         .Pieces);
    return state;
}

} // namespace merrowin::test
