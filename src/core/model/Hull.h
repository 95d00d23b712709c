// The hull document: the values the hull file stores.
#pragma once

#include <algorithm>
#include <array>
#include <string>

namespace merrowin {

inline constexpr int MaxChines = 30;
inline constexpr int BulkheadCount = 5; // bulkhead 0 at the stem .. 4 at the transom
inline constexpr int PointsPerChine = 13;

// Coordinates of a spline point: 1 = X half-breadth, 2 = Y height, 3 = Z station.
inline constexpr int AxisX = 1, AxisY = 2, AxisZ = 3;

// [bulkhead 0..4][chine 0..30]; chine 0 is never used.
using OffsetTable = std::array<std::array<double, MaxChines + 1>, BulkheadCount>;
// [chine 0..30][point 0..13][coordinate 0..3]; coordinate 1 = X, 2 = Y, 3 = Z; index 0 unused.
using SplineTable =
    std::array<std::array<std::array<double, 4>, PointsPerChine + 1>, MaxChines + 1>;

// Rig text boxes of the Open window, in hull-file order.
enum RigBox {
    MastLengthBox,
    BoomHeightBox,
    StepPositionBox,
    LuffLengthBox,
    HeadLengthBox,
    HeadAngleBox,
    FootLengthBox,
    RigBoxCount
};

// Inches, pounds and degrees throughout; X half-breadth, Y height, Z station from the bow.
struct HullDocument {
    int ChineCount = 4;
    OffsetTable OffsetX{};
    OffsetTable OffsetY{};
    OffsetTable OffsetZ{};
    SplineTable SplinePoints{};
    bool AutoSpline = true; // check mark of "&Auto-Spline chines": offsets are the master

    std::array<double, 11> FramePositions{}; // elements 0..7 used; 0 = no frame

    // Rig: each value with the text of its box (the file stores the text).
    std::array<std::string, RigBoxCount> RigText{"0", "0", "0", "0", "0", "0", "0"};
    double MastLength = 0, BoomHeight = 0, MastStepZ = 0, LuffLength = 0, HeadLength = 0,
           HeadAngle = 0, FootLength = 0;
    bool DeckStep = false; // Option1 "Deck Step"
    bool KeelStep = false; // Option2 "Keel Step"

    std::array<std::string, 4> InfoLines{}; // Designer, Hull Info, email/URL, date
    std::string NestOption = "0";           // Check1 of the nesting window, held as text
    double BallastWeight = 0, BallastHeight = 0, BallastStation = 0;
    double ReservedValue = 0; // carried through the file unchanged, used nowhere

    // Every value alike (the undo history keeps a step only when the hull changed).
    friend bool operator==(const HullDocument&, const HullDocument&) = default;
};

// The chines a routine may index: the model keeps the count in 2..30, this clamp only keeps a
// damaged count from indexing outside the arrays.
inline int ChinesInUse(const HullDocument& hull) {
    return std::clamp(hull.ChineCount, 0, MaxChines);
}
// The count held to the model's range 2..30, for routines that always work on two chines or more.
inline int ChineCountInRange(const HullDocument& hull) {
    return std::clamp(hull.ChineCount, 2, MaxChines);
}

// Sets the rig box text and the value it stands for (the boxes' change handlers).
void SetRigText(HullDocument& hull, RigBox box, const std::string& text);

// Loads the built-in six-chine default hull into the offset arrays; ChineCount becomes 4.
void LoadDefaultHull(HullDocument& hull);

} // namespace merrowin
