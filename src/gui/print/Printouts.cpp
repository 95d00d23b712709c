// The full-size patterns and the nesting sheets as printed pages.
#include "print/Printouts.h"

#include "tiles/TilePages.h"

namespace merrowin {

PrintPaper FullSizePaper(const TileDocument& document) {
    return document.Paper.Paper == TilePaper::A4 ? PrintPaper::A4() : PrintPaper::Letter();
}

PageDrawer FullSizeDrawer(const TileDocument& document) {
    return [&document](Canvas& sheet, int index) { DrawFullSizePage(sheet, document, index + 1); };
}

Outcome WriteFullSizePdf(const std::filesystem::path& file, const TileDocument& document) {
    PdfSettings settings;
    settings.Paper = FullSizePaper(document);
    settings.Title = "Full-size patterns: " + document.Title;
    return WritePdf(file, settings, document.PageCount(), FullSizeDrawer(document));
}

PrintPaper NestPaper() {
    return PrintPaper::Custom(11, 8.5);
}

PageDrawer NestDrawer(const std::vector<NestPage>& pages) {
    return [&pages](Canvas& sheet, int index) {
        DrawNestPage(sheet, pages[static_cast<std::size_t>(index)]);
    };
}

Outcome WriteNestPdf(const std::filesystem::path& file, const std::vector<NestPage>& pages) {
    PdfSettings settings;
    settings.Paper = NestPaper();
    settings.Title = pages.empty() ? std::string("Nesting") : pages.front().Title;
    return WritePdf(file, settings, static_cast<int>(pages.size()), NestDrawer(pages));
}

} // namespace merrowin
