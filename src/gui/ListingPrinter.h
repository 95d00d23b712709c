// Printing a text listing on the system's default printer, or into a PDF file in the working
// folder where the system has no printer.
#pragma once

#include <QPrinterInfo>

#include <filesystem>
#include <string>
#include <vector>

#include "io/Outcome.h"
#include "print/TextPages.h"

namespace merrowin {

struct ListingPrinted {
    Outcome Result;
    std::string StatusText; // what the status line shows; empty when there is nothing to say
};

// Prints the lines on `printer`, or writes them to `pdfFile` when `printer` is null (no printer
// on the system, as on a build server). A failure is never passed off as printed: its text
// names the printer or the file.
ListingPrinted PrintListing(const std::vector<std::string>& lines, const TextPageLayout& layout,
                            const std::string& title, const QPrinterInfo& printer,
                            const std::filesystem::path& pdfFile);

} // namespace merrowin
