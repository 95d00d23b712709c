// The waterline scroll bar as a model of the toolkit's integer range control.
#pragma once

#include <cstdint>

#include "hydro/HydroState.h"

namespace merrowin {

// What a change asked of the control did to its position.
enum class ScrollChange {
    None,    // the position stayed where it was
    Moved,   // the position changed: the owner runs the change event
    Refused, // a position outside the range was refused; nothing changed
};

// Whole numbers outside the 16-bit range of the control are taken as its nearer end.
int ScrollUnits(std::int64_t value);

// A new position: refused outside Min..Max, nothing when it equals the current one.
ScrollChange SetScrollValue(ScrollRange& range, std::int64_t value);
// A new minimum or maximum. The maximum never lies below the minimum: a maximum set lower is
// taken as the minimum, and a minimum set above the maximum raises the maximum with it. A position
// left outside the new range moves to its nearer end.
ScrollChange SetScrollMin(ScrollRange& range, std::int64_t value);
ScrollChange SetScrollMax(ScrollRange& range, std::int64_t value);

} // namespace merrowin
