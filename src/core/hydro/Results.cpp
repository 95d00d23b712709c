// The results list and the status summary of the upright hydrostatics.
#include "hydro/Results.h"

#include <charconv>
#include <cmath>

#include "text/NumberText.h"

namespace merrowin {

namespace {

constexpr char InchMark = '"';

} // namespace

double SingleValue(float value) {
    if (!std::isfinite(value)) {
        return 0;
    }
    char text[32];
    const auto written = std::to_chars(text, text + sizeof text, value);
    double decimal = value;
    std::from_chars(text, written.ptr, decimal);
    return decimal;
}

std::string WaterlineStatusText(const HydroState& hydro) {
    std::string text = "WL:";
    text += FormatNumber(hydro.WaterlineHeight, "0.0");
    text += InchMark;
    text += "  Displ:";
    text += FormatNumber(SingleValue(hydro.Displacement), "0 lbs @");
    text += FormatNumber(hydro.DisplacedVolume / 1728, "0.00 ft3  CB:");
    text += FormatNumber(hydro.CenterBuoyancyZ, "0.0");
    text += InchMark;
    text += "  LWL:";
    text += FormatNumber(SingleValue(hydro.WaterlineLength), "0");
    text += InchMark;
    text += "  D/L:";
    text += FormatNumber(hydro.DLRatio, "0  HS:");
    text += FormatNumber(hydro.DispSpeed, "0.0 kt");
    return text;
}

void ShowResults(HydroState& hydro) {
    auto& lines = hydro.ResultsLines;
    lines.clear();
    hydro.ResultsText = "Results";
    hydro.ResultsSelected = -1;
    const std::string inch(1, InchMark);
    const double length = SingleValue(hydro.WaterlineLength);
    lines.push_back("Waterline heighth: " + FormatNumber(hydro.WaterlineHeight, "0.0 in.") + inch);
    lines.push_back("Displacement: " + FormatNumber(SingleValue(hydro.Displacement), "0 lbs"));
    lines.push_back("Displaced volume: " + FormatNumber(hydro.DisplacedVolume / 1728, "0.00 ft3"));
    lines.push_back("Center of buoyancy, Z: " + FormatNumber(hydro.CenterBuoyancyZ, "0.0 in.") +
                    inch);
    lines.push_back("Center of buoyancy, Y: " + FormatNumber(hydro.CenterBuoyancyY, "0.0 in.") +
                    inch);
    lines.push_back("Center of Lateral Area, Z: " + FormatNumber(hydro.LateralCenterZ, "0.0 in.") +
                    inch);
    lines.push_back("Center of Lateral Area, Y: " + FormatNumber(hydro.LateralCenterY, "0.0 in.") +
                    inch);
    lines.push_back("Lateral Area: " + FormatNumber(hydro.LateralArea / 144, "0.00 ft2") + inch);
    lines.push_back("Length of Waterline: " + FormatNumber(length, "0") + inch);
    lines.push_back("Prismatic Coeff: " + FormatNumber(hydro.PrismaticCoeff, "0.00"));
    lines.push_back("Buttock angle: " + FormatNumber(hydro.ButtockAngle, "0.0") + " deg.");
    lines.push_back("Disp. Hull Speed: " + FormatNumber(hydro.DispSpeed, "0.00 kt"));
    lines.push_back("D/L ratio: " + FormatNumber(hydro.DLRatio, "0"));
    lines.push_back("S/L ratio: " + FormatNumber(hydro.SLRatio, "0.00"));
    // The speed that ratio gives on this waterline; no line when the length has no square root.
    if (hydro.WaterlineLength >= 0) {
        const double speed = hydro.SLRatio * std::sqrt(length / 12);
        lines.push_back("D/L limited speed: " + FormatNumber(speed, "0.00 kt."));
    }
    hydro.Combo1Visible = true;
    if (hydro.ResultsIndex > -1) {
        PickResult(hydro, hydro.ResultsIndex);
    }
}

void PickResult(HydroState& hydro, int index) {
    if (index < 0 || index >= static_cast<int>(hydro.ResultsLines.size())) {
        return;
    }
    hydro.ResultsIndex = index;
    hydro.ResultsSelected = index;
    hydro.ResultsText = hydro.ResultsLines[static_cast<std::size_t>(index)];
}

void ClearResults(HydroState& hydro) {
    hydro.ResultsLines.clear();
    hydro.ResultsText = "Results";
    hydro.ResultsSelected = -1;
    hydro.Combo1Visible = false;
}

} // namespace merrowin
