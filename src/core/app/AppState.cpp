// The application's model: start-up state and the steps that join the document to the working
// values.
#include "app/AppState.h"

#include <cmath>
#include <limits>

#include "model/ChineCount.h"
#include "model/ChineCurves.h"
#include "model/HullFile.h"
#include "text/NumberText.h"

namespace merrowin {

void SetWorkingDefaults(WorkingValues& work) {
    work = WorkingValues{};
}

void ResetToStartup(AppState& app) {
    SetWorkingDefaults(app.Work);
    app.Hull = HullDocument{};
    LoadDefaultHull(app.Hull);
    app.History.Clear();
}

void UpdateHullGeometry(HullDocument& hull, WorkingValues& work) {
    const HullExtents extents = NormaliseOffsets(hull);
    work.HullBeam = extents.HullBeam;
    work.HullHeight = extents.HullHeight;
    work.HullLength = extents.HullLength;
    // The margin is held in single precision; a beam too large for it leaves the margin as it was.
    const double margin = work.HullBeam / 25;
    if (std::abs(margin) <= static_cast<double>(std::numeric_limits<float>::max())) {
        work.View.ViewMargin = static_cast<float>(margin);
    }
    work.MaxHalfBreadth = 0;
    if (hull.AutoSpline) {
        DeriveSplinePoints(hull, work.MaxHalfBreadth);
    } else {
        DeriveOffsets(hull, work.SelectedChine);
    }
}

std::string ApplyChineCountText(HullDocument& hull, WorkingValues& work, const std::string& text) {
    work.ChineCountText = ApplyChineCountText(hull, text);
    return work.ChineCountText;
}

bool ReadHullFile(const fs::path& folder, std::string_view name, HullDocument& hull,
                  WorkingValues& work) {
    if (ReadHullFile(folder, name, hull, work.StationText).HasFailed()) {
        return false;
    }
    work.ChineCountText = IntText(hull.ChineCount);
    return true;
}

} // namespace merrowin
