// A text listing on a printer through QPrinter, or into a PDF file.
#include "ListingPrinter.h"

#include <QPrinter>

namespace merrowin {

ListingPrinted PrintListing(const std::vector<std::string>& lines, const TextPageLayout& layout,
                            const std::string& title, const QPrinterInfo& printer,
                            const std::filesystem::path& pdfFile) {
    if (printer.isNull()) {
        ListingPrinted printed{WriteTextPdf(pdfFile, lines, layout, title), {}};
        printed.StatusText = printed.Result.Ok() ? "No printer: printed to " + pdfFile.string()
                                                 : printed.Result.Text();
        return printed;
    }
    QPrinter device(printer, QPrinter::HighResolution);
    device.setFullPage(true); // the layout keeps its own margins from the paper's edges
    device.setPageSize(ToPageSize(layout.Paper));
    device.setDocName(QString::fromStdString(title));
    if (PaintPages(device, TextPageCount(lines, layout), TextPageDrawer(lines, layout),
                   TextPageStyle(layout))) {
        return {};
    }
    const std::string name = printer.printerName().toStdString();
    return {Outcome::Failed(Failure::Kind::Write, name), "Could not print on " + name};
}

} // namespace merrowin
