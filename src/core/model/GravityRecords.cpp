// The designer's centre of gravity written after the hull file's last record and read back.
#include "model/GravityRecords.h"

#include <cctype>
#include <cmath>

#include "text/NumberText.h"

namespace merrowin {

namespace {

// A line that starts a number: an optional sign, then a digit, or a point and a digit. A blank
// line or text would read as 0 and put the centre of gravity on the base line at the bow.
bool StartsNumber(std::string_view line) {
    std::size_t i = 0;
    while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) {
        ++i;
    }
    if (i < line.size() && (line[i] == '-' || line[i] == '+')) {
        ++i;
    }
    if (i < line.size() && line[i] == '.') {
        ++i;
    }
    return i < line.size() && std::isdigit(static_cast<unsigned char>(line[i])) != 0;
}

} // namespace

std::vector<std::string> GravityRecordLines(const HullDocument& hull) {
    if (!hull.DesignCenterOfGravity) {
        return {};
    }
    const CenterOfGravity& gravity = *hull.DesignCenterOfGravity;
    return {PrintNumber(gravity.Y), PrintNumber(gravity.Z)};
}

std::optional<CenterOfGravity> ReadGravityRecords(std::optional<std::string_view> height,
                                                  std::optional<std::string_view> station) {
    if (!height || !station || !StartsNumber(*height) || !StartsNumber(*station)) {
        return std::nullopt;
    }
    const CenterOfGravity gravity{Val(*height), Val(*station)};
    if (!std::isfinite(gravity.Y) || !std::isfinite(gravity.Z)) {
        return std::nullopt;
    }
    return gravity;
}

} // namespace merrowin
