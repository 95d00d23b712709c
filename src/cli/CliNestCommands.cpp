// merrowin-cli nest: the pieces of a hand plot file laid out as a layout file says, written as
// the nested hand plotting listing, and with --pdf printed one page a sheet as a PDF file.
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "Commands.h"
#include "PdfOutput.h"
#include "io/Files.h"
#include "nesting/HandPlotReader.h"
#include "nesting/NestCommands.h"
#include "nesting/NestLayoutFile.h"
#include "nesting/NestListing.h"
#include "nesting/NestPages.h"
#include "text/NumberText.h"

namespace merrowin::cli {

namespace {

const char* const NestUsage =
    "merrowin-cli nest HANDPLOT LAYOUT [-o OUT] [--sheets 3|4|5] [--width W] [--length L] "
    "[--pdf FILE]";

// A sheet size: a number of inches above 0 and within the nesting's bounds.
bool ParseSheetSize(const std::string* text, double& value) {
    return text == nullptr ||
           (ParseStrictNumber(*text, value) && value > 0 && value <= MaxNestInches);
}

} // namespace

int RunNest(const std::vector<std::string>& args) {
    if (args.empty() || args[0].empty() || args[0][0] == '-') {
        return Usage(NestUsage);
    }
    const std::string handPlotName = args[0];
    Arguments parsed;
    if (!ParseArguments(std::vector<std::string>(args.begin() + 1, args.end()),
                        {"-o", "--sheets", "--width", "--length", "--pdf"}, {}, parsed)) {
        return Usage(NestUsage);
    }
    NestState state;
    double count = state.Sheets.Count;
    if (const std::string* sheets = parsed.Find("--sheets");
        sheets != nullptr &&
        (!ParseStrictNumber(*sheets, count) || (count != 3 && count != 4 && count != 5))) {
        return Usage(NestUsage);
    }
    state.Sheets.Count = static_cast<int>(count);
    if (!ParseSheetSize(parsed.Find("--width"), state.Sheets.Width) ||
        !ParseSheetSize(parsed.Find("--length"), state.Sheets.Length)) {
        return Usage(NestUsage);
    }
    const std::string* outText = parsed.Find("-o");
    const std::string outName = outText != nullptr ? *outText : NestListingName;
    if (outName.empty()) {
        return Usage(NestUsage);
    }
    const std::string* pdfName = parsed.Find("--pdf");
    if (pdfName != nullptr && pdfName->empty()) {
        return Usage(NestUsage);
    }
    if (pdfName != nullptr && !PdfSupported()) {
        std::cerr << NoPdfSupport << "\n";
        return 2;
    }

    const std::filesystem::path folder = std::filesystem::current_path();
    const HandPlotPieces read = ReadHandPlot(folder, handPlotName);
    if (!read.Found) {
        std::cerr << "merrowin-cli: cannot read " << handPlotName << "\n";
        return 2;
    }
    if (read.PiecesCut || read.PointsCut) {
        std::cerr << "merrowin-cli: " << handPlotName << ": " << NestCaption(read) << "\n";
    }
    UsePieces(state, read.Pieces);

    const std::optional<std::string> layoutText = ReadFileBytes(folder, parsed.File);
    if (!layoutText) {
        std::cerr << "merrowin-cli: cannot read " << parsed.File << "\n";
        return 2;
    }
    const NestLayoutRead layout = ParseNestLayout(*layoutText);
    std::optional<std::string> failure = layout.Failure;
    if (!failure) {
        failure = ApplyNestLayout(state, layout.Placements);
    }
    if (failure) {
        std::cerr << "merrowin-cli: " << parsed.File << " " << *failure << "\n";
        return 1;
    }
    // The window pushes a dragged piece back onto the sheets; here the layout's positions are
    // kept, and a shape off the sheets is pointed out.
    for (const NestPlacement& placement : layout.Placements) {
        for (const NestPiece& piece : state.Pieces) {
            if (EqualNoCase(piece.Name, placement.Name) &&
                !InsideSheets(placement.IsCopy ? piece.Copy : piece.Piece, state.Sheets)) {
                std::cerr << "merrowin-cli: " << parsed.File << " line " << placement.Line << ": "
                          << ShapeName(piece, placement.IsCopy) << " lies partly off the sheets\n";
            }
        }
    }

    if (const Outcome written =
            SaveNestedListing(folder, outName, state, read.HullFileName, LocalNow());
        written.HasFailed()) {
        std::cerr << "merrowin-cli: " << written.Text() << "\n";
        return 1;
    }
    if (pdfName == nullptr) {
        return WriteOut(outName + "\n");
    }
    if (const Outcome printed = WriteNestPdfFile(InFolder(folder, *pdfName), NestPages(state));
        printed.HasFailed()) {
        std::cerr << "merrowin-cli: " << printed.Text() << "\n";
        return 1;
    }
    return WriteOut(outName + "\n" + *pdfName + "\n");
}

} // namespace merrowin::cli
