// merrowin-cli new and geometry: writing a default hull and printing a hull's derived geometry.
#include <algorithm>
#include <charconv>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "Commands.h"
#include "app/AppState.h"
#include "model/ChineCount.h"
#include "model/ChineCurves.h"
#include "model/HullFile.h"
#include "text/NumberText.h"

namespace merrowin::cli {

namespace {

const char* const NewUsage = "merrowin-cli new FILE [--chines N]";
const char* const GeometryUsage = "merrowin-cli geometry FILE";

// Every number of the geometry listing: 17 significant digits, always with a decimal point.
std::string Exact(double value) {
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 17);
    return std::string(buffer, result.ptr);
}

void PrintTriple(std::string& out, const std::string& head, double x, double y, double z) {
    out += head + " " + Exact(x) + " " + Exact(y) + " " + Exact(z) + "\n";
}

} // namespace

int RunNew(const std::vector<std::string>& args) {
    Arguments parsed;
    if (!ParseArguments(args, {"--chines"}, {}, parsed)) {
        return Usage(NewUsage);
    }
    double chines = 4;
    if (const std::string* count = parsed.Find("--chines");
        count != nullptr && !ParseStrictNumber(*count, chines)) {
        return Usage(NewUsage);
    }

    AppState app;
    ResetToStartup(app);
    // The count goes up one chine at a time, as the chine-count box's scroll bar raises it, so
    // each chine above the default six continues the two below it.
    const auto target = RoundHalfEven(std::clamp(chines, 2.0, double(MaxChines)));
    for (auto n = app.Hull.ChineCount + 1; n <= target; ++n) {
        ApplyChineCountText(app.Hull, app.Work, IntText(n));
    }
    if (target < app.Hull.ChineCount) {
        ApplyChineCountText(app.Hull, app.Work, IntText(target));
    }
    UpdateHullGeometry(app.Hull, app.Work);

    if (WriteHullFile(std::filesystem::current_path(), parsed.File, app.Hull).HasFailed()) {
        std::cerr << "merrowin-cli: cannot write " << parsed.File << "\n";
        return 1;
    }
    return 0;
}

int RunGeometry(const std::vector<std::string>& args) {
    Arguments parsed;
    if (!ParseArguments(args, {}, {}, parsed)) {
        return Usage(GeometryUsage);
    }
    AppState app;
    if (!LoadHull(app, std::filesystem::current_path(), parsed.File)) {
        return 2;
    }
    UpdateHullGeometry(app.Hull, app.Work);

    const HullDocument& hull = app.Hull;
    const WorkingValues& work = app.Work;
    const int n = hull.ChineCount;
    std::string out;
    out += "chines " + std::to_string(n) + "\n";
    out += std::string("autospline ") + (hull.AutoSpline ? "1" : "0") + "\n";
    out += "extents " + Exact(work.HullBeam) + " " + Exact(work.HullHeight) + " " +
           Exact(work.HullLength) + " " + Exact(work.MaxHalfBreadth) + "\n";
    for (int b = 0; b < BulkheadCount; ++b) {
        for (int c = 1; c <= n; ++c) {
            PrintTriple(out, "offset " + std::to_string(b) + " " + std::to_string(c),
                        hull.OffsetX[b][c], hull.OffsetY[b][c], hull.OffsetZ[b][c]);
        }
    }
    for (int c = 1; c <= n; ++c) {
        for (int p = 1; p <= PointsPerChine; ++p) {
            const auto& point = hull.SplinePoints[c][p];
            PrintTriple(out, "point " + std::to_string(c) + " " + std::to_string(p), point[1],
                        point[2], point[3]);
        }
    }
    return WriteOut(out);
}

} // namespace merrowin::cli
