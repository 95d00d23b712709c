// The waterline scroll bar's range rules.
#include "hydro/ScrollRange.h"

#include <algorithm>

namespace merrowin {

namespace {

ScrollChange KeepInside(ScrollRange& range) {
    const int inside = std::clamp(range.Value, range.Min, range.Max);
    if (inside == range.Value) {
        return ScrollChange::None;
    }
    range.Value = inside;
    return ScrollChange::Moved;
}

} // namespace

int ScrollUnits(std::int64_t value) {
    return static_cast<int>(std::clamp<std::int64_t>(value, -32768, 32767));
}

ScrollChange SetScrollValue(ScrollRange& range, std::int64_t value) {
    if (value < range.Min || value > range.Max) {
        return ScrollChange::Refused;
    }
    const int position = static_cast<int>(value);
    if (position == range.Value) {
        return ScrollChange::None;
    }
    range.Value = position;
    return ScrollChange::Moved;
}

ScrollChange SetScrollMin(ScrollRange& range, std::int64_t value) {
    range.Min = ScrollUnits(value);
    range.Max = std::max(range.Max, range.Min);
    return KeepInside(range);
}

ScrollChange SetScrollMax(ScrollRange& range, std::int64_t value) {
    // Some toolkits accept a maximum below the minimum and keep the position between the two;
    // holding the maximum at the minimum gives the same positions, in a range every toolkit can
    // show.
    range.Max = std::max(ScrollUnits(value), range.Min);
    return KeepInside(range);
}

} // namespace merrowin
