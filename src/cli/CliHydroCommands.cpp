// merrowin-cli hydro, displacement, heel and transform: the hydrostatics from the command line.
#include <algorithm>
#include <cmath>
#include <filesystem>
#include <iostream>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <vector>

#include "Commands.h"
#include "app/AppState.h"
#include "hydro/HydroCommands.h"
#include "hydro/Results.h"
#include "hydro/ScrollRange.h"
#include "hydro/WaterlineControl.h"
#include "model/Constants.h"
#include "model/HullFile.h"
#include "views/HeadlessWindow.h"

namespace merrowin::cli {

namespace {

const char* const HydroUsage = "merrowin-cli hydro FILE --waterline H [--seawater] [--json]";
const char* const DisplacementUsage =
    "merrowin-cli displacement FILE --target LBS [--seawater] [--json]";
const char* const HeelUsage =
    "merrowin-cli heel FILE --waterline H --angle DEG [--seawater] [--json]";
const char* const TransformUsage = "merrowin-cli transform FILE -o OUT [--overall V | --beam V | "
                                   "--height V | --length V] [--pitch DEG]";

// The largest magnitude a waterline, target, angle or new size may have: far beyond any boat
// (inches, pounds, degrees), and far enough below the largest double that the squares, cubes
// and moments of the computation stay finite.
constexpr double MaxArgument = 1e6;

bool Parse(const std::vector<std::string>& args, const std::vector<std::string>& valueOptions,
           bool allowSwitches, Arguments& parsed) {
    const std::vector<std::string> switches = {"--seawater", "--json"};
    return ParseArguments(args, valueOptions, allowSwitches ? switches : std::vector<std::string>{},
                          parsed);
}

// The options that take a value are numbers, but for the output file of "-o": each must be a
// strict decimal of at most MaxArgument.
bool NumbersUsable(const Arguments& parsed) {
    return std::all_of(parsed.Values.begin(), parsed.Values.end(), [](const auto& value) {
        double number = 0;
        return value.first == "-o" ||
               (ParseStrictNumber(value.second, number) && std::fabs(number) <= MaxArgument);
    });
}

// A number the command cannot take: the usage line, and exit status 1 as for a failed run.
int RefuseNumbers(const char* usage) {
    Usage(usage);
    return 1;
}

double NumberOf(const std::string& text) {
    double value = 0;
    ParseStrictNumber(text, value);
    return value;
}

void UseSeawater(HydroState& hydro) {
    hydro.FreshwaterChecked = false;
    hydro.SeawaterChecked = true;
    hydro.WaterDensity = SeaWaterDensity;
}

nlohmann::ordered_json Values(const HydroState& h) {
    nlohmann::ordered_json values;
    values["WaterlineHeight"] = h.WaterlineHeight;
    values["DisplacedVolume"] = h.DisplacedVolume;
    values["Displacement"] = SingleValue(h.Displacement);
    values["WaterlineLength"] = SingleValue(h.WaterlineLength);
    values["WaterlineFore"] = h.WaterlineFore;
    values["WaterlineAft"] = h.WaterlineAft;
    values["CenterBuoyancyX"] = h.CenterBuoyancyX;
    values["CenterBuoyancyY"] = h.CenterBuoyancyY;
    values["CenterBuoyancyZ"] = h.CenterBuoyancyZ;
    values["LateralArea"] = h.LateralArea;
    values["LateralCenterZ"] = h.LateralCenterZ;
    values["LateralCenterY"] = h.LateralCenterY;
    values["ButtockAngle"] = h.ButtockAngle;
    values["PrismaticCoeff"] = h.PrismaticCoeff;
    values["DLRatio"] = h.DLRatio;
    values["SLRatio"] = h.SLRatio;
    values["DispSpeed"] = h.DispSpeed;
    return values;
}

// JSON has no infinity or NaN (they would print as null): such a value prints as 0, as the number
// text of every other output prints it.
void ZeroNonFinite(nlohmann::ordered_json& values) {
    for (auto& value : values) {
        if (value.is_number_float() && !std::isfinite(value.get<double>())) {
            value = 0.0;
        }
    }
}

// Prints the run's report; a waterplane file that could not be written is then said on stderr and
// makes the exit status 1.
int Print(HeadlessWindow& window, const HydroState& h, bool json, bool heel,
          const Outcome& written) {
    const std::string status = window.Status().Panel(1);
    std::string out;
    if (json) {
        nlohmann::ordered_json document;
        document["status"] = status;
        document["report"] = h.ResultsLines;
        nlohmann::ordered_json values = Values(h);
        if (heel) {
            values["CenterGravityX"] = h.CenterGravityX;
            values["CenterGravityY"] = h.CenterGravityY;
            values["CenterGravityZ"] = h.CenterGravityZ;
            values["HeelAngle"] = h.HeelAngle;
            values["RightingMoment"] = h.RightingMoment;
        }
        ZeroNonFinite(values);
        document["values"] = values;
        out = document.dump(2) + "\n";
    } else {
        out = status + "\n";
        for (const auto& line : h.ResultsLines) {
            out += line + "\n";
        }
    }
    const int exitStatus = WriteOut(out);
    if (written.HasFailed()) {
        std::cerr << "merrowin-cli: " << written.Text() << "\n";
        return 1;
    }
    return exitStatus;
}

// Reads the hull, repaints once as the window does, chooses the water, then runs `command` with
// the window's services; a hull that cannot be read gives 2.
template <typename Command> int OnHull(const Arguments& parsed, Command command) {
    const std::filesystem::path folder = std::filesystem::current_path();
    AppState app;
    if (!LoadHull(app, folder, parsed.File)) {
        return 2;
    }
    HeadlessWindow window(app, HeadlessWindow::Drawing::Discard);
    window.RepaintWindow();
    if (parsed.Has("--seawater")) {
        UseSeawater(app.Work.Hydro);
    }
    UiServices ui = window.Services();
    return command(app, window, ui, folder);
}

} // namespace

int RunHydro(const std::vector<std::string>& args) {
    Arguments parsed;
    if (!Parse(args, {"--waterline"}, true, parsed) || parsed.Find("--waterline") == nullptr) {
        return Usage(HydroUsage);
    }
    if (!NumbersUsable(parsed)) {
        return RefuseNumbers(HydroUsage);
    }
    return OnHull(parsed, [&](AppState& app, HeadlessWindow& window, UiServices& ui,
                              const std::filesystem::path& folder) {
        // The waterline as the slider would hold it, so that a sunk hull is brought down below
        // its lowest sheer point as the window does.
        HydroState& h = app.Work.Hydro;
        const double waterline = NumberOf(*parsed.Find("--waterline"));
        h.HScroll1.Value =
            std::clamp(ScrollUnits(TenthsOf(waterline)), h.HScroll1.Min, h.HScroll1.Max);
        h.WaterlineHeight = waterline;
        const Outcome written = ComputeWaterline(app, HydroContext{ui, &folder});
        return Print(window, h, parsed.Has("--json"), false, written);
    });
}

int RunDisplacement(const std::vector<std::string>& args) {
    Arguments parsed;
    if (!Parse(args, {"--target"}, true, parsed) || parsed.Find("--target") == nullptr) {
        return Usage(DisplacementUsage);
    }
    if (!NumbersUsable(parsed)) {
        return RefuseNumbers(DisplacementUsage);
    }
    return OnHull(parsed, [&](AppState& app, HeadlessWindow& window, UiServices& ui,
                              const std::filesystem::path& folder) {
        window.Boxes().InputAnswers = {*parsed.Find("--target")};
        const Outcome written = DisplacementCommand(app, ui, folder);
        return Print(window, app.Work.Hydro, parsed.Has("--json"), false, written);
    });
}

int RunHeel(const std::vector<std::string>& args) {
    Arguments parsed;
    if (!Parse(args, {"--waterline", "--angle"}, true, parsed) ||
        parsed.Find("--waterline") == nullptr || parsed.Find("--angle") == nullptr) {
        return Usage(HeelUsage);
    }
    if (!NumbersUsable(parsed)) {
        return RefuseNumbers(HeelUsage);
    }
    return OnHull(parsed, [&](AppState& app, HeadlessWindow& window, UiServices& ui,
                              const std::filesystem::path& folder) {
        Outcome written = WaterlineCommand(app, ui, folder);
        // Into the range first, as the slider can be dragged no further: a waterline above the
        // hull starts the heel from the top, not from wherever the refused position left it.
        const HydroState& h = app.Work.Hydro;
        written.Keep(WaterlineScrolled(
            app, ui, folder,
            std::clamp(ScrollUnits(TenthsOf(NumberOf(*parsed.Find("--waterline")))), h.HScroll1.Min,
                       h.HScroll1.Max)));
        window.Boxes().InputAnswers = {*parsed.Find("--angle")};
        written.Keep(HeelCommand(app, ui, folder));
        return Print(window, app.Work.Hydro, parsed.Has("--json"), true, written);
    });
}

int RunTransform(const std::vector<std::string>& args) {
    Arguments parsed;
    const std::vector<std::string> rescales = {"--overall", "--beam", "--height", "--length"};
    std::vector<std::string> options = rescales;
    options.push_back("-o");
    options.push_back("--pitch");
    if (!Parse(args, options, false, parsed) || parsed.Find("-o") == nullptr ||
        parsed.Find("-o")->empty()) {
        return Usage(TransformUsage);
    }
    std::optional<RescaleItem> item;
    std::string answer;
    static constexpr RescaleItem Items[] = {RescaleItem::Overall, RescaleItem::Beam,
                                            RescaleItem::Height, RescaleItem::Length};
    for (std::size_t i = 0; i < rescales.size(); ++i) {
        if (const std::string* text = parsed.Find(rescales[i])) {
            if (item) {
                return Usage(TransformUsage); // one rescale at a time
            }
            item = Items[i];
            answer = *text;
        }
    }
    if (!NumbersUsable(parsed)) {
        return RefuseNumbers(TransformUsage);
    }
    return OnHull(parsed, [&](AppState& app, HeadlessWindow& window, UiServices& ui,
                              const std::filesystem::path& folder) {
        if (item) {
            window.Boxes().InputAnswers = {answer};
            RescaleCommand(app, ui, *item);
        }
        if (const std::string* pitch = parsed.Find("--pitch")) {
            window.Boxes().NextMessageAnswer = MessageAnswer::Ok;
            window.Boxes().InputAnswers = {*pitch};
            // The pitch runs the waterline only while the slider is shown, which it never is
            // here; a waterplane file it could not write would still be said.
            if (const Outcome written = PitchCommand(app, ui, folder); written.HasFailed()) {
                std::cerr << "merrowin-cli: " << written.Text() << "\n";
                return 1;
            }
        }
        const std::string& out = *parsed.Find("-o");
        if (WriteHullFile(folder, out, app.Hull).HasFailed()) {
            std::cerr << "merrowin-cli: cannot write " << out << "\n";
            return 1;
        }
        return 0;
    });
}

} // namespace merrowin::cli
