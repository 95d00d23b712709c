// merrowin-cli stability: the righting-arm curve of a hull at a waterline or a weight.
#include <filesystem>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "Commands.h"
#include "hydro/Stability.h"
#include "hydro/StabilityRun.h"
#include "hydro/StabilityText.h"
#include "model/Constants.h"

namespace merrowin::cli {

namespace {

const char* const StabilityUsage =
    "merrowin-cli stability FILE (--waterline H | --target LBS) [--to DEG] [--step DEG] "
    "[--vcg Y] [--lcg Z] [--seawater] [--json | --csv]";

// The options the command takes, every one a number.
struct StabilityOptions {
    std::optional<double> Waterline, Target, Vcg, Lcg;
    double To = 90, Step = 5;
    bool Seawater = false, Json = false, Csv = false;
};

bool ParseStabilityOptions(const std::vector<std::string>& args, Arguments& parsed,
                           StabilityOptions& options) {
    if (!ParseArguments(args, {"--waterline", "--target", "--to", "--step", "--vcg", "--lcg"},
                        {"--seawater", "--json", "--csv"}, parsed)) {
        return false;
    }
    for (const auto& [name, text] : parsed.Values) {
        double value = 0;
        if (!ParseStrictNumber(text, value)) {
            return false;
        }
        if (name == "--waterline") {
            options.Waterline = value;
        } else if (name == "--target") {
            options.Target = value;
        } else if (name == "--to") {
            options.To = value;
        } else if (name == "--step") {
            options.Step = value;
        } else if (name == "--vcg") {
            options.Vcg = value;
        } else {
            options.Lcg = value;
        }
    }
    options.Seawater = parsed.Has("--seawater");
    options.Json = parsed.Has("--json");
    options.Csv = parsed.Has("--csv");
    // One way to give the weight, one form of output.
    return options.Waterline.has_value() != options.Target.has_value() &&
           !(options.Json && options.Csv);
}

nlohmann::ordered_json Optional(const std::optional<double>& value) {
    return value ? nlohmann::ordered_json(*value) : nlohmann::ordered_json(nullptr);
}

std::string CurveJson(const StabilityCurve& curve) {
    nlohmann::ordered_json document;
    document["Displacement"] = curve.Displacement;
    document["WaterDensity"] = curve.WaterDensity;
    document["CenterGravityY"] = curve.Gravity.Y;
    document["CenterGravityZ"] = curve.Gravity.Z;
    document["AllFloated"] = curve.AllFloated;
    document["InitialGM"] = Optional(curve.InitialGM);
    document["MaxRightingArm"] = Optional(curve.MaxRightingArm);
    document["MaxRightingArmAngle"] =
        curve.MaxRightingArm ? nlohmann::ordered_json(curve.MaxRightingArmAngle) : nullptr;
    document["VanishingAngle"] = Optional(curve.VanishingAngle);
    document["DeckEdgeAngle"] = Optional(curve.DeckEdgeAngle);
    document["AreaTo30"] = Optional(curve.AreaTo30);
    document["AreaTo40"] = Optional(curve.AreaTo40);
    nlohmann::ordered_json points = nlohmann::ordered_json::array();
    for (const StabilityPoint& p : curve.Points) {
        nlohmann::ordered_json point;
        point["Angle"] = p.Angle;
        point["Floated"] = p.Floated;
        point["Waterline"] = p.Waterline;
        point["RightingArm"] = p.RightingArm;
        point["RightingMoment"] = p.RightingMoment;
        point["Freeboard"] = p.Freeboard;
        point["Displaced"] = p.Displaced;
        point["CenterBuoyancyX"] = p.CenterBuoyancyX;
        point["CenterBuoyancyY"] = p.CenterBuoyancyY;
        point["CenterBuoyancyZ"] = p.CenterBuoyancyZ;
        points.push_back(point);
    }
    document["Points"] = points;
    return document.dump(2) + "\n";
}

} // namespace

int RunStability(const std::vector<std::string>& args) {
    Arguments parsed;
    StabilityOptions options;
    if (!ParseStabilityOptions(args, parsed, options)) {
        return Usage(StabilityUsage);
    }
    const std::vector<double> angles = StabilityAngles(options.To, options.Step);
    if (angles.empty()) {
        return Usage(StabilityUsage);
    }
    const std::filesystem::path folder = std::filesystem::current_path();
    AppState app;
    if (!LoadHull(app, folder, parsed.File)) {
        return 2;
    }
    // The points a repaint derives, as every hydrostatic command measures.
    UpdateHullGeometry(app.Hull, app.Work);
    if (options.Seawater) {
        app.Work.Hydro.WaterDensity = SeaWaterDensity;
    }
    const double density = app.Work.Hydro.WaterDensity;
    const double displacement = options.Waterline
                                    ? SolidDisplacement(app.Hull, *options.Waterline, density)
                                    : *options.Target;
    // A height or station given alone takes the other from the hull's own centre of gravity.
    CenterOfGravity gravity = StabilityGravity(app);
    gravity.Y = options.Vcg.value_or(gravity.Y);
    gravity.Z = options.Lcg.value_or(gravity.Z);
    const StabilityCurve curve =
        ComputeStabilityCurve(app.Hull, displacement, gravity, density, angles);
    if (options.Json) {
        return WriteOut(CurveJson(curve));
    }
    return WriteOut(options.Csv ? StabilityCsv(curve) : StabilityReport(curve));
}

} // namespace merrowin::cli
