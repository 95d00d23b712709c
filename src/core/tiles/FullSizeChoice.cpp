// The full-size printing window's suggestions and texts.
#include "tiles/FullSizeChoice.h"

#include "text/NumberText.h"

namespace merrowin {

TileUnits PaperUnits(TilePaper paper) {
    return paper == TilePaper::A4 ? TileUnits::Millimetres : TileUnits::Inches;
}

std::string PageCountText(int pages) {
    return IntText(pages) + (pages == 1 ? " page" : " pages");
}

std::string FullSizeDoneText(const std::string& name, const TileDocument& document) {
    std::string text = name + ": " + PageCountText(document.PageCount());
    const auto leftOut = static_cast<int>(document.LeftOut.size());
    if (leftOut > 0) {
        text += "; " + IntText(leftOut) + (leftOut == 1 ? " piece" : " pieces") +
                " left out (see the map)";
    }
    return text;
}

} // namespace merrowin
