// The designer's centre of gravity in the hull file: two records after the last record of the
// layout, written only when the designer gave one, so that every other hull file stays as it was.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/Hull.h"

namespace merrowin {

// The lines that follow the last record: the height, then the station, each in the hull file's
// number form; none when the designer gave no centre of gravity. Readers of the layout stop at
// the last record and never see them.
std::vector<std::string> GravityRecordLines(const HullDocument& hull);

// The centre of gravity the two lines after the last record give, when the file has both and
// each starts a number; none otherwise (a file written without one, or cut short).
std::optional<CenterOfGravity> ReadGravityRecords(std::optional<std::string_view> height,
                                                  std::optional<std::string_view> station);

} // namespace merrowin
