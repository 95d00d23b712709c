// Fuzz target: any bytes read as a hull file leave a sound model (finite geometry, 2..30 chines).
#include <unistd.h>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "app/AppState.h"
#include "model/ChineCurves.h"
#include "model/HullFile.h"

namespace {

namespace fs = std::filesystem;

// One scratch folder per fuzzing process, removed when it ends.
const fs::path& Scratch() {
    static const fs::path folder = [] {
        fs::path path =
            fs::temp_directory_path() / ("merrowin-fuzz-hull-" + std::to_string(::getpid()));
        fs::create_directories(path);
        std::atexit([] {
            std::error_code ignored;
            fs::remove_all(Scratch(), ignored);
        });
        return path;
    }();
    return folder;
}

bool Finite(const merrowin::HullDocument& hull) {
    for (int c = 1; c <= hull.ChineCount; ++c) {
        for (int b = 0; b < merrowin::BulkheadCount; ++b) {
            if (!std::isfinite(hull.OffsetX[b][c]) || !std::isfinite(hull.OffsetY[b][c]) ||
                !std::isfinite(hull.OffsetZ[b][c])) {
                return false;
            }
        }
        for (int p = 1; p <= merrowin::PointsPerChine; ++p) {
            for (int k = 1; k <= 3; ++k) {
                if (!std::isfinite(hull.SplinePoints[c][p][k])) {
                    return false;
                }
            }
        }
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The model is large; one lives for the whole run and is reset for every input.
    static auto* app = new merrowin::AppState;
    {
        std::ofstream out(Scratch() / "fuzz.hul", std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    merrowin::ResetToStartup(*app);
    merrowin::ReadHullFile(Scratch(), "fuzz.hul", app->Hull, app->Work);
    merrowin::UpdateHullGeometry(app->Hull, app->Work);
    if (app->Hull.ChineCount < 2 || app->Hull.ChineCount > merrowin::MaxChines ||
        !Finite(app->Hull) || !std::isfinite(app->Work.MaxHalfBreadth)) {
        std::abort();
    }
    return 0;
}
