// The waterplane plot file, rewritten at every waterline run.
#include "hydro/WaterplaneFile.h"

#include "io/PlotFile.h"
#include "text/NumberText.h"

namespace merrowin {

std::string WaterplaneFileText(const WaterplaneOutline& outline, double plotXScale,
                               double plotYScale, const std::string& date) {
    PlotWriter plot(plotXScale, plotYScale);
    plot.Begin(TarvoHeader(date, plotXScale, plotYScale));
    // Starboard half from the stem aft, with the pen put down after the first point.
    for (int p = 1; p <= PointsPerChine; ++p) {
        plot.Coordinate(outline.Z[p], outline.X[p]);
        if (p == 1) {
            plot.Pen(0, true);
        }
    }
    // Port half, mirrored, from the transom back to the stem.
    for (int p = PointsPerChine; p >= 1; --p) {
        plot.Coordinate(outline.Z[p], -outline.X[p]);
    }
    plot.Pen(0, false);
    plot.End();
    return plot.Content();
}

Outcome WriteWaterplaneFile(const fs::path& folder, const WaterplaneOutline& outline,
                            double plotXScale, double plotYScale) {
    const std::string text =
        WaterplaneFileText(outline, plotXScale, plotYScale, DateText(LocalNow()));
    return WriteFileInPlace(folder, WaterplaneFileName, text);
}

} // namespace merrowin
