// Text listings laid out line by line on pages.
#include "print/TextPages.h"

#include <QPageSize>

#include <algorithm>
#include <cmath>

namespace merrowin {

namespace {

constexpr double PointsPerInch = 72;

QSizeF PaperInches(const PrintPaper& paper) {
    const QPageSize size = ToPageSize(paper);
    return size.isValid() ? size.size(QPageSize::Inch) : QSizeF(8.5, 11);
}

} // namespace

int TextLinesPerPage(const TextPageLayout& layout) {
    const double usable = PaperInches(layout.Paper).height() - 2 * layout.MarginInches;
    const double lines = usable * PointsPerInch / layout.LinePoints;
    if (!std::isfinite(lines) || lines < 1) {
        return 1;
    }
    return static_cast<int>(std::min(lines, 10000.0));
}

int TextPageCount(const std::vector<std::string>& lines, const TextPageLayout& layout) {
    const auto perPage = static_cast<std::size_t>(TextLinesPerPage(layout));
    return static_cast<int>(std::max<std::size_t>(1, (lines.size() + perPage - 1) / perPage));
}

PainterStyle TextPageStyle(const TextPageLayout& layout) {
    PainterStyle style;
    style.FontPoints = layout.FontPoints;
    style.FixedPitch = true;
    return style;
}

PageDrawer TextPageDrawer(const std::vector<std::string>& lines, const TextPageLayout& layout) {
    return [&lines, layout](Canvas& sheet, int index) {
        // User coordinates in points from the sheet's top left corner, y down.
        const QSizeF paper = PaperInches(layout.Paper) * PointsPerInch;
        sheet.Scale(0, 0, paper.width(), paper.height());
        const auto perPage = static_cast<std::size_t>(TextLinesPerPage(layout));
        const std::size_t first = static_cast<std::size_t>(std::max(index, 0)) * perPage;
        const double margin = layout.MarginInches * PointsPerInch;
        for (std::size_t i = first; i < std::min(lines.size(), first + perPage); ++i) {
            if (lines[i].empty()) {
                continue;
            }
            // A dot in the paper's colour moves the drawing position to the line's top left.
            sheet.Dot(margin, margin + static_cast<double>(i - first) * layout.LinePoints,
                      Colour::White);
            sheet.Text(lines[i]);
        }
    };
}

Outcome WriteTextPdf(const std::filesystem::path& file, const std::vector<std::string>& lines,
                     const TextPageLayout& layout, const std::string& title) {
    PdfSettings settings;
    settings.Paper = layout.Paper;
    settings.Title = title;
    return WritePdf(file, settings, TextPageCount(lines, layout), TextPageDrawer(lines, layout),
                    TextPageStyle(layout));
}

} // namespace merrowin
