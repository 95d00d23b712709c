// Text listings as printed pages: the lines top to bottom in a fixed-pitch font, as many to a
// page as the paper holds, so print zones stay in their columns.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "io/Outcome.h"
#include "print/PrintPages.h"

namespace merrowin {

struct TextPageLayout {
    PrintPaper Paper = PrintPaper::Letter();
    double MarginInches = 0.5; // clear on every side, more than home printers need
    double FontPoints = 9;
    double LinePoints = 11; // from one line's top to the next
};

// Lines a page holds (at least one).
int TextLinesPerPage(const TextPageLayout& layout);
// Pages the lines take (at least one, so an empty listing still prints its empty page).
int TextPageCount(const std::vector<std::string>& lines, const TextPageLayout& layout);
// The canvas style the pages are painted in: the layout's font size, fixed pitch.
PainterStyle TextPageStyle(const TextPageLayout& layout);
// Draws the lines of page `index`; the lines must outlive the drawer.
PageDrawer TextPageDrawer(const std::vector<std::string>& lines, const TextPageLayout& layout);

// The listing as a PDF file, written whole or not at all (WritePdf).
Outcome WriteTextPdf(const std::filesystem::path& file, const std::vector<std::string>& lines,
                     const TextPageLayout& layout, const std::string& title);

} // namespace merrowin
