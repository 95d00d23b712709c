// The waterplane plot file, rewritten at every waterline run.
#include "hydro/WaterplaneFile.h"

#include <cerrno>
#include <fcntl.h>
#include <string_view>
#include <unistd.h>

#include "patterns/PlotFile.h"
#include "text/NumberText.h"

namespace merrowin {

namespace {

// Overwrites the file in place and then cuts it to the new length. The file is scratch output
// that the waterline slider rewrites at every step while it is dragged: a durable replacement
// (temporary file, flush to disk, rename) costs about half a millisecond a step on an ordinary
// disk, and so does emptying the file before writing it, enough to make the dragging stutter.
bool OverwriteFile(const fs::path& path, std::string_view content) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) {
        return false;
    }
    const char* data = content.data();
    std::size_t left = content.size();
    off_t offset = 0;
    bool ok = true;
    while (left > 0) {
        const ssize_t written = ::pwrite(fd, data, left, offset);
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            ok = false;
            break;
        }
        data += written;
        offset += written;
        left -= static_cast<std::size_t>(written);
    }
    if (ok) {
        ok = ::ftruncate(fd, offset) == 0;
    }
    return ::close(fd) == 0 && ok;
}

} // namespace

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

bool WriteWaterplaneFile(const fs::path& folder, const WaterplaneOutline& outline,
                         double plotXScale, double plotYScale) {
    const std::string text =
        WaterplaneFileText(outline, plotXScale, plotYScale, DateText(LocalNow()));
    return OverwriteFile(InFolder(folder, WaterplaneFileName), text);
}

} // namespace merrowin
