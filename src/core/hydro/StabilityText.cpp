// The righting-arm curve as the report and the CSV table.
#include "hydro/StabilityText.h"

#include <algorithm>
#include <utility>

#include "model/Constants.h"
#include "text/NumberText.h"

namespace merrowin {

namespace {

constexpr char InchMark = '"';

std::string Padded(const std::string& text, std::size_t width) {
    return std::string(width > text.size() ? width - text.size() : 0, ' ') + text;
}

std::string Inches(double value) {
    return FormatNumber(value, "0.000") + InchMark;
}

std::string Degrees(double value) {
    return FormatNumber(value, "0.0") + " degrees";
}

// The largest angle of the curve, for the criteria it does not reach.
double LastAngle(const StabilityCurve& curve) {
    double last = 0;
    for (const StabilityPoint& p : curve.Points) {
        last = std::max(last, p.Angle);
    }
    return last;
}

std::string WaterName(double density) {
    return density == SeaWaterDensity ? "sea water" : "fresh water";
}

} // namespace

std::string StabilityCriteriaText(const StabilityCurve& curve) {
    const std::string last = Degrees(LastAngle(curve));
    std::string out;
    out += "Initial GM: " + (curve.InitialGM ? Inches(*curve.InitialGM) : "not found") + "\n";
    out += "Largest righting arm: " +
           (curve.MaxRightingArm
                ? Inches(*curve.MaxRightingArm) + " at " + Degrees(curve.MaxRightingArmAngle)
                : "not found") +
           "\n";
    out += "Vanishing stability: " +
           (curve.VanishingAngle ? Degrees(*curve.VanishingAngle) : "none up to " + last) + "\n";
    for (const auto& [angle, area] : {std::pair{"30", curve.AreaTo30}, {"40", curve.AreaTo40}}) {
        out += std::string("Area to ") + angle +
               " degrees: " + (area ? FormatNumber(*area, "0.0000") + " in-rad" : "not found") +
               "\n";
    }
    out += "Deck edge immersion: " +
           (curve.DeckEdgeAngle ? Degrees(*curve.DeckEdgeAngle) : "none up to " + last) + "\n";
    return out;
}

std::string StabilityReport(const StabilityCurve& curve) {
    std::string out = "Righting arms at " + FormatNumber(curve.Displacement, "0.0") + " lbs in " +
                      WaterName(curve.WaterDensity) + "\n";
    out += "Center of gravity: " + Inches(curve.Gravity.Y) + " high at station " +
           Inches(curve.Gravity.Z) + "\n";
    out += "  Angle  Waterline  Righting arm  Moment ft-lbs  Freeboard\n";
    for (const StabilityPoint& p : curve.Points) {
        out += Padded(FormatNumber(p.Angle, "0.0"), 7);
        if (!p.Floated) {
            out += "  no waterline\n";
            continue;
        }
        out += Padded(FormatNumber(p.Waterline, "0.000"), 11) +
               Padded(FormatNumber(p.RightingArm, "0.0000"), 14) +
               Padded(FormatNumber(p.RightingMoment, "0.0"), 15) +
               Padded(FormatNumber(p.Freeboard, "0.000"), 11) + "\n";
    }
    return out + StabilityCriteriaText(curve);
}

std::string StabilityCsv(const StabilityCurve& curve) {
    std::string out = "angle,waterline,righting_arm,righting_moment,freeboard\n";
    for (const StabilityPoint& p : curve.Points) {
        out += FormatNumber(p.Angle, "0.####");
        if (p.Floated) {
            out += "," + FormatNumber(p.Waterline, "0.000000") + "," +
                   FormatNumber(p.RightingArm, "0.000000") + "," +
                   FormatNumber(p.RightingMoment, "0.0000") + "," +
                   FormatNumber(p.Freeboard, "0.000000");
        } else {
            out += ",,,,";
        }
        out += "\n";
    }
    return out;
}

} // namespace merrowin
