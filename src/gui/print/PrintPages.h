// Printed pages, the same for a PDF file and for a printer: the paper, the pages drawn through
// a canvas that covers each whole sheet, and the PDF file written whole or not at all.
//
// The windows print the same pages on a printer (the nesting window's "Print" and "Prn?", the
// offsets table's "Prnt", the full-size patterns) with QPrinter from Qt PrintSupport, which is
// a QPagedPaintDevice like QPdfWriter:
//
//     QPrinter printer(QPrinter::HighResolution);
//     printer.setFullPage(true); // the painter's origin at the paper's corner: 1:1 stays 1:1
//     printer.setPageSize(ToPageSize(FullSizePaper(document))); // print/Printouts.h
//     QPrintDialog dialog(&printer, this);
//     if (dialog.exec() == QDialog::Accepted) {
//         PaintPages(printer, document.PageCount(), FullSizeDrawer(document));
//     }
//
// The printer's own margins are the printout's business: full-size pages keep half an inch
// clear on every side, more than home printers need.
#pragma once

#include <QPageSize>
#include <QPagedPaintDevice>
#include <QRectF>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "io/Outcome.h"
#include "print/PainterCanvas.h"
#include "ui/Canvas.h"

namespace merrowin {

// A sheet of paper, portrait as given (a landscape page is a custom size wider than high).
struct PrintPaper {
    enum class Kind { Letter, A4, Custom };
    Kind Size = Kind::Letter;
    double Width = 0, Height = 0; // inches, Custom only

    static PrintPaper Letter() { return {}; }
    static PrintPaper A4() { return {Kind::A4, 0, 0}; }
    static PrintPaper Custom(double widthInches, double heightInches) {
        return {Kind::Custom, widthInches, heightInches};
    }
};

// The Qt page size of the paper; a custom size that is not a finite size between 1 and 200
// inches each way gives an invalid QPageSize.
QPageSize ToPageSize(const PrintPaper& paper);

// The whole sheet of the device's current page in device pixels, its top left corner at the
// painter's origin (a QPdfWriter without margins, a QPrinter with setFullPage(true)), taken
// from the paper's exact definition so that an inch of a drawing is exactly an inch of paper.
QRectF SheetRect(const QPagedPaintDevice& device);

// Draws page `index` (0-based) on a canvas covering the whole sheet.
using PageDrawer = std::function<void(Canvas& sheet, int index)>;

// Paints `pageCount` pages on a device that is set up (paper, resolution), one canvas a page;
// false when painting cannot start or a new page cannot be had.
bool PaintPages(QPagedPaintDevice& device, int pageCount, const PageDrawer& draw,
                PainterStyle style = {});

struct PdfSettings {
    PrintPaper Paper;
    int Resolution = 1200; // device pixels per inch
    std::string Title;     // the document title the PDF carries
};

// Writes the pages as a PDF file. The file is written under a temporary name beside it and
// renamed over it only when whole, so a failed write leaves what was there before and no part
// file. Fails (naming the file as given) when there is no page, the paper is invalid, or the
// file cannot be written.
Outcome WritePdf(const std::filesystem::path& file, const PdfSettings& settings, int pageCount,
                 const PageDrawer& draw, PainterStyle style = {});
// The same with one drawing function a page.
Outcome WritePdf(const std::filesystem::path& file, const PdfSettings& settings,
                 const std::vector<std::function<void(Canvas&)>>& pages, PainterStyle style = {});

} // namespace merrowin
