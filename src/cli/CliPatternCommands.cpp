// merrowin-cli patterns: the Save button's pattern run from the command line.
#include <cmath>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "Commands.h"
#include "app/AppState.h"
#include "model/ChineCurves.h"
#include "patterns/PanelReport.h"
#include "patterns/PatternGeneration.h"
#include "patterns/PatternSettings.h"
#include "text/NumberText.h"
#include "ui/Services.h"

namespace merrowin::cli {

namespace {

const char* const PatternsUsage =
    "merrowin-cli patterns FILE [--no-expansions] [--no-text] [--hpgl] [--dxf] [--half-frames] "
    "[--spar] [--stem] [--soles] [--deck] [--keel] [--frames Z1,...,Z8] [--export-path DIR] "
    "[--tolerance SEAM,LENGTH] [--json]";

// Each switch and the option box it sets.
struct Switch {
    const char* Name;
    bool PatternOptions::*Box;
    bool Value;
};
const Switch Switches[] = {{"--no-expansions", &PatternOptions::Expansions, false},
                           {"--no-text", &PatternOptions::Text, false},
                           {"--hpgl", &PatternOptions::Hpgl, true},
                           {"--dxf", &PatternOptions::Dxf, true},
                           {"--half-frames", &PatternOptions::HalfFrames, true},
                           {"--spar", &PatternOptions::Spar, true},
                           {"--stem", &PatternOptions::Stem, true},
                           {"--soles", &PatternOptions::Soles, true},
                           {"--deck", &PatternOptions::Deck, true},
                           {"--keel", &PatternOptions::Keel, true}};

// The frame stations of --frames: one to eight numbers separated by commas, nothing else.
std::optional<std::vector<std::string>> ParseFrames(const std::string& text) {
    std::vector<std::string> frames;
    std::size_t start = 0;
    for (int guard = 0; guard < 9; ++guard) {
        const std::size_t comma = text.find(',', start);
        const std::string item =
            text.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
        double value = 0;
        if (!ParseStrictNumber(item, value)) {
            return std::nullopt;
        }
        frames.push_back(item);
        if (frames.size() > 8) {
            return std::nullopt; // there are eight frame boxes
        }
        if (comma == std::string::npos) {
            return frames;
        }
        start = comma + 1;
    }
    return std::nullopt;
}

// --tolerance: the seam and the length tolerance in inches, two positive numbers.
std::optional<PanelTolerances> ParseTolerances(const std::string& text) {
    const std::size_t comma = text.find(',');
    if (comma == std::string::npos) {
        return std::nullopt;
    }
    PanelTolerances tolerances;
    if (!ParseStrictNumber(text.substr(0, comma), tolerances.Seam) ||
        !ParseStrictNumber(text.substr(comma + 1), tolerances.Length) || !(tolerances.Seam > 0) ||
        !(tolerances.Length > 0)) {
        return std::nullopt;
    }
    return tolerances;
}

// A number as JSON: the report holds finite numbers only, and JSON has no NaN or infinity.
nlohmann::ordered_json Number(double value) {
    return std::isfinite(value) ? value : 0.0;
}

nlohmann::ordered_json PanelJson(const PanelCheck& panel) {
    nlohmann::ordered_json json;
    json["name"] = panel.Name;
    json["quantity"] = panel.Quantity;
    json["length"] = Number(panel.Length);
    json["width"] = Number(panel.Width);
    json["area"] = Number(panel.Area);
    json["fitsSheet"] = panel.FitsSheet;
    json["widerThanSheet"] = panel.WiderThanSheet;
    json["maxPieceLength"] = Number(panel.MaxPiece);
    nlohmann::ordered_json joints = nlohmann::ordered_json::array();
    for (const ScarfJoint& joint : panel.Joints) {
        nlohmann::ordered_json one;
        one["at"] = Number(joint.At);
        one["bulkhead"] = joint.Bulkhead;
        one["clearance"] = Number(joint.Clearance);
        one["clear"] = joint.Clear;
        joints.push_back(one);
    }
    json["scarfJoints"] = joints;
    nlohmann::ordered_json pieces = nlohmann::ordered_json::array();
    for (const PanelPiece& piece : panel.Pieces) {
        pieces.push_back({{"length", Number(piece.Length)}, {"width", Number(piece.Width)}});
    }
    json["pieces"] = pieces;
    json["development"] = {{"largestDiagonalDifference", Number(panel.DiagonalError)},
                           {"rung", panel.DiagonalRung},
                           {"stationZ", Number(panel.DiagonalStation)}};
    nlohmann::ordered_json seams = nlohmann::ordered_json::array();
    for (const PanelSeam& seam : panel.Seams) {
        nlohmann::ordered_json one;
        one["edge"] = seam.Upper ? "upper" : "lower";
        one["chine"] = seam.Chine;
        one["mirrored"] = seam.Mirrored;
        one["length"] = Number(seam.Length);
        if (!seam.Partner.empty()) {
            one["partner"] = seam.Partner;
            one["partnerLength"] = Number(seam.PartnerLength);
            one["difference"] = Number(seam.Difference);
            one["ok"] = seam.Ok;
        }
        seams.push_back(one);
    }
    json["seams"] = seams;
    json["verdict"] = PanelVerdict(panel);
    return json;
}

// The panel report as one JSON object, the same content as "panels.txt".
std::string ReportJson(const PanelReport& report) {
    nlohmann::ordered_json json;
    json["hull"] = report.HullFileName;
    json["tolerances"] = {{"seam", Number(report.Tolerances.Seam)},
                          {"length", Number(report.Tolerances.Length)}};
    json["sheet"] = {{"width", SheetWidth}, {"length", SheetLength}};
    nlohmann::ordered_json panels = nlohmann::ordered_json::array();
    for (const PanelCheck& panel : report.Panels) {
        panels.push_back(PanelJson(panel));
    }
    json["panels"] = panels;
    nlohmann::ordered_json bulkheads = nlohmann::ordered_json::array();
    for (const BulkheadGirth& girth : report.Bulkheads) {
        bulkheads.push_back({{"bulkhead", girth.Bulkhead},
                             {"girth", Number(girth.Girth)},
                             {"panelWidths", Number(girth.PanelWidths)},
                             {"difference", Number(girth.Difference)},
                             {"ok", girth.Ok}});
    }
    json["bulkheads"] = bulkheads;
    json["totals"] = {{"panels", report.PanelCount},
                      {"pieces", report.PieceCount},
                      {"area", Number(report.TotalArea)},
                      {"pieceBoxArea", Number(report.PieceBoxArea)},
                      {"sheets", report.Sheets},
                      {"sheetsAreAnEstimate", true},
                      {"failedPanels", report.FailedPanels},
                      {"failedBulkheads", report.FailedBulkheads},
                      {"verdict", PanelReportVerdict(report)}};
    return json.dump(2) + "\n";
}

} // namespace

int RunPatterns(const std::vector<std::string>& args) {
    std::vector<std::string> switches;
    for (const Switch& one : Switches) {
        switches.emplace_back(one.Name);
    }
    Arguments parsed;
    switches.emplace_back("--json");
    if (!ParseArguments(args, {"--frames", "--export-path", "--tolerance"}, switches, parsed)) {
        return Usage(PatternsUsage);
    }
    const bool json = parsed.Has("--json");
    std::optional<PanelTolerances> tolerances;
    if (const std::string* text = parsed.Find("--tolerance")) {
        tolerances = ParseTolerances(*text);
        if (!tolerances) {
            return Usage(PatternsUsage);
        }
    }
    std::optional<std::vector<std::string>> frames;
    if (const std::string* text = parsed.Find("--frames")) {
        frames = ParseFrames(*text);
        if (!frames) {
            return Usage(PatternsUsage);
        }
    }
    const std::string* exportPath = parsed.Find("--export-path");
    if (exportPath != nullptr && exportPath->empty()) {
        return Usage(PatternsUsage);
    }
    PatternOptions options; // the dialog's design defaults: Expansions and Text set
    for (const Switch& one : Switches) {
        if (parsed.Has(one.Name)) {
            options.*one.Box = one.Value;
        }
    }
    if (json && !options.Expansions) {
        return Usage(PatternsUsage); // a run without expansions develops no panel to report on
    }
    if (tolerances) {
        options.Tolerances = *tolerances;
    }

    const std::filesystem::path folder = std::filesystem::current_path();
    AppState app;
    if (!LoadHull(app, folder, parsed.File)) {
        return 2;
    }
    UpdateHullGeometry(app.Hull, app.Work);
    app.Work.HullFileName = parsed.File;

    // The boxes as the dialog shows them: frames from the hull unless given here.
    app.Work.Patterns = options;
    for (int f = 0; f < 8; ++f) {
        const auto box = static_cast<std::size_t>(f);
        std::string text = BoxText(app.Hull.FramePositions[box]);
        if (frames) {
            text = box < frames->size() ? (*frames)[box] : "0";
        }
        SetFrameText(app.Hull, app.Work.Patterns, f, text);
    }
    SetExportText(app.Work.Patterns, exportPath != nullptr ? *exportPath : folder.string());

    MemoryStatusBar status;
    PanelReport report;
    const Outcome outcome = CreatePatterns(folder, app.Hull, app.Work, status, nullptr, &report);
    if (outcome.HasFailed()) {
        std::cerr << "merrowin-cli: " << outcome.Text() << "\n";
        return 1;
    }
    return json ? WriteOut(ReportJson(report)) : 0;
}

} // namespace merrowin::cli
