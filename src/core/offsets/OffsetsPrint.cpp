// The offsets table printout laid out in print zones.
#include "offsets/OffsetsPrint.h"

#include "offsets/OffsetsGrid.h"
#include "text/NumberText.h"

namespace merrowin {

std::vector<std::string> OffsetsPrintLines(const HullDocument& hull) {
    std::vector<std::string> lines;
    // The program's name, two empty zones, the designer's signature.
    lines.push_back(ZoneLine().Add("Merrowin").NextZone().NextZone().Zone("R.Penrow").Text());
    lines.emplace_back();
    lines.emplace_back("X-Y-Z Offsets Table");
    lines.emplace_back();
    lines.push_back(
        ZoneLine().Add("Section").Zone("Chine").Zone("X\"").Zone("Y\"").Zone("Z\"").Text());
    lines.emplace_back();
    const int n = ChinesInUse(hull);
    for (int b = 0; b < BulkheadCount; ++b) {
        for (int c = 1; c <= n; ++c) {
            ZoneLine line;
            if (c == 1) {
                line.Add(SectionLabel(b));
            }
            line.Zone(ChineLabel(c, n))
                .Zone(OffsetCellText(hull.OffsetX[b][c]))
                .Zone(OffsetCellText(hull.OffsetY[b][c]))
                .Zone(OffsetCellText(hull.OffsetZ[b][c]));
            lines.push_back(line.Text());
        }
        lines.emplace_back();
    }
    return lines;
}

} // namespace merrowin
