// The hull document: the built-in default hull and the rig boxes.
#include "model/Hull.h"

#include "text/NumberText.h"

namespace merrowin {

namespace {

struct Crossing {
    double X, Y, Z;
};

// The built-in six-chine hull, [chine 1..6][bulkhead 0..4], inches.
constexpr Crossing DefaultHull[6][BulkheadCount] = {
    {{0, 1.3, 1.3}, {3.875, 0, 28}, {8, 0, 58}, {8, 0, 96}, {5, 1, 140}},
    {{0.75, 6, 0}, {10.25, 5.2, 28}, {20.75, 4.5, 58}, {23, 4.5, 96}, {15, 5, 140}},
    {{1.5, 18, 0}, {20, 16, 28}, {30, 14.5, 58}, {33, 14.5, 96}, {23, 17, 140}},
    {{2, 38, 0}, {23, 33, 28}, {34.25, 29.5, 58}, {37, 29.5, 96}, {28, 35, 140}},
    {{2, 42, 0}, {25, 35, 28}, {37, 32, 58}, {39, 31, 96}, {30, 37, 140}},
    {{2, 46, 0}, {27, 37, 28}, {39, 34, 58}, {41, 33, 96}, {32, 39, 140}},
};

} // namespace

void SetRigText(HullDocument& hull, RigBox box, const std::string& text) {
    if (box < 0 || box >= RigBoxCount) {
        return;
    }
    hull.RigText[box] = text;
    const double value = Val(text);
    double* const targets[RigBoxCount] = {&hull.MastLength, &hull.BoomHeight, &hull.MastStepZ,
                                          &hull.LuffLength, &hull.HeadLength, &hull.HeadAngle,
                                          &hull.FootLength};
    *targets[box] = value;
}

void LoadDefaultHull(HullDocument& hull) {
    for (int c = 1; c <= 6; ++c) {
        for (int b = 0; b < BulkheadCount; ++b) {
            hull.OffsetX[b][c] = DefaultHull[c - 1][b].X;
            hull.OffsetY[b][c] = DefaultHull[c - 1][b].Y;
            hull.OffsetZ[b][c] = DefaultHull[c - 1][b].Z;
        }
    }
    hull.ChineCount = 4;
}

} // namespace merrowin
