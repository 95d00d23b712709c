// The chine-count box: clamping the count and filling a never-used chine by extrapolation.
#include "model/ChineCount.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "text/NumberText.h"

namespace merrowin {

namespace {

// Chine n continues the two highest chines in use by one more equal step at every bulkhead.
// A step too large for a number leaves that value 0 rather than infinite.
void Extrapolate(OffsetTable& table, int top, int n) {
    for (int b = 0; b < BulkheadCount; ++b) {
        const double value = table[b][top] + (table[b][top] - table[b][top - 1]);
        table[b][n] = std::isfinite(value) ? value : 0.0;
    }
}

} // namespace

std::string ApplyChineCountText(HullDocument& hull, const std::string& text) {
    const double typed = Val(text);
    // A correction of the text fires the box's change again with the corrected text.
    const bool tooMany = typed > MaxChines;
    const bool tooFew = typed < 2;
    const std::string shown = tooMany ? std::string("30") : tooFew ? std::string("2") : text;
    const double value = tooMany ? MaxChines : tooFew ? 2 : typed;

    const int n = static_cast<int>(std::clamp<std::int64_t>(RoundHalfEven(value), 2, MaxChines));
    const int top = ChineCountInRange(hull);
    // A chine whose stem half-breadth is exactly 0 has never been filled (normalising raises
    // every chine in use to at least 0.01); one that has data keeps it.
    if (n > hull.ChineCount && n > 3 && hull.OffsetX[0][n] == 0) {
        Extrapolate(hull.OffsetX, top, n);
        Extrapolate(hull.OffsetY, top, n);
        Extrapolate(hull.OffsetZ, top, n);
    }
    hull.ChineCount = n;
    return shown;
}

} // namespace merrowin
