// merrowin-cli tiles: the pieces of a pattern run printed full size, tiled over Letter or A4
// pages, as a PDF file.
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "Commands.h"
#include "PdfOutput.h"
#include "io/Files.h"
#include "text/NumberText.h"
#include "tiles/FullSize.h"

namespace merrowin::cli {

namespace {

const char* const TilesUsage = "merrowin-cli tiles FILE -o OUT.pdf [--paper letter|a4] "
                               "[--units in|mm] [--pieces NAME,...] | tiles FILE --list";

// The names of --pieces: one or more, separated by commas, none empty.
std::optional<std::vector<std::string>> ParseNames(const std::string& text) {
    std::vector<std::string> names;
    std::size_t start = 0;
    for (std::size_t guard = 0; guard <= text.size(); ++guard) {
        const std::size_t comma = text.find(',', start);
        std::string name(
            TrimBlanks(text.substr(start, comma == std::string::npos ? comma : comma - start)));
        if (name.empty()) {
            return std::nullopt;
        }
        names.push_back(std::move(name));
        if (comma == std::string::npos) {
            return names;
        }
        start = comma + 1;
    }
    return std::nullopt;
}

} // namespace

int RunTiles(const std::vector<std::string>& args) {
    Arguments parsed;
    if (!ParseArguments(args, {"-o", "--paper", "--units", "--pieces"}, {"--list"}, parsed)) {
        return Usage(TilesUsage);
    }
    const bool list = parsed.Has("--list");
    const std::string* out = parsed.Find("-o");
    if (list != (out == nullptr) || (out != nullptr && out->empty())) {
        return Usage(TilesUsage);
    }
    FullSizeOptions options;
    if (const std::string* paper = parsed.Find("--paper")) {
        if (EqualNoCase(*paper, "a4")) {
            options.Paper = TilePaper::A4;
        } else if (!EqualNoCase(*paper, "letter")) {
            return Usage(TilesUsage);
        }
    }
    // Sizes on the map in the paper's own units unless asked otherwise.
    options.Units = options.Paper == TilePaper::A4 ? TileUnits::Millimetres : TileUnits::Inches;
    if (const std::string* units = parsed.Find("--units")) {
        if (EqualNoCase(*units, "mm")) {
            options.Units = TileUnits::Millimetres;
        } else if (EqualNoCase(*units, "in")) {
            options.Units = TileUnits::Inches;
        } else {
            return Usage(TilesUsage);
        }
    }
    if (const std::string* pieces = parsed.Find("--pieces")) {
        std::optional<std::vector<std::string>> names = ParseNames(*pieces);
        if (!names) {
            return Usage(TilesUsage);
        }
        options.Pieces = std::move(*names);
    }
    if (!list && !PdfSupported()) {
        std::cerr << NoPdfSupport << "\n";
        return 2;
    }

    const std::filesystem::path folder = std::filesystem::current_path();
    AppState app;
    if (!LoadHull(app, folder, parsed.File)) {
        return 2;
    }
    app.Work.HullFileName = parsed.File;
    const std::vector<std::string> available = FullSizePieces(folder, app.Hull);
    if (list) {
        std::string text;
        for (const std::string& name : available) {
            text += name + "\n";
        }
        return WriteOut(text);
    }
    if (available.empty()) {
        std::cerr << "merrowin-cli: no pattern pieces here; run merrowin-cli patterns "
                  << parsed.File << " first\n";
        return 2;
    }
    for (const std::string& wanted : options.Pieces) {
        bool known = false;
        for (const std::string& name : available) {
            known = known || EqualNoCase(name, wanted);
        }
        if (!known) {
            std::cerr << "merrowin-cli: no piece " << wanted << " among the pattern pieces here\n";
            return 2;
        }
    }

    const TileDocument document = PlanFullSize(folder, app.Hull, app.Work, options);
    for (const std::string& leftOut : document.LeftOut) {
        std::cerr << "merrowin-cli: left out " << leftOut << "\n";
    }
    if (document.Pieces.empty()) {
        std::cerr << "merrowin-cli: nothing to print\n";
        return 1;
    }
    if (const Outcome written = WriteFullSizePdfFile(InFolder(folder, *out), document);
        written.HasFailed()) {
        std::cerr << "merrowin-cli: " << written.Text() << "\n";
        return 1;
    }
    return WriteOut(*out + ": " + IntText(document.PageCount()) + " pages\n");
}

} // namespace merrowin::cli
