// Pages painted through a canvas on any paged device, and PDF files written whole.
#include "print/PrintPages.h"

#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QString>

#include <cmath>

namespace merrowin {

namespace {

constexpr double PointsPerInch = 72;
constexpr double MillimetresPerInch = 25.4;
constexpr double LargestPaper = 200; // inches each way

} // namespace

QPageSize ToPageSize(const PrintPaper& paper) {
    switch (paper.Size) {
    case PrintPaper::Kind::A4:
        return QPageSize(QPageSize::A4);
    case PrintPaper::Kind::Custom:
        if (!std::isfinite(paper.Width) || !std::isfinite(paper.Height) || paper.Width < 1 ||
            paper.Height < 1 || paper.Width > LargestPaper || paper.Height > LargestPaper) {
            return {};
        }
        return QPageSize(QSizeF(paper.Width, paper.Height), QPageSize::Inch, QString(),
                         QPageSize::ExactMatch);
    case PrintPaper::Kind::Letter:
        break;
    }
    return QPageSize(QPageSize::Letter);
}

// The paper's size in inches from its definition: Qt's own sizes are rounded (A4 to 595 x 842
// points, or to hundredths of an inch), which would print 100 mm as 99.95 mm.
QSizeF PaperInches(const QPageSize& size) {
    const QSizeF defined = size.definitionSize();
    switch (size.definitionUnits()) {
    case QPageSize::Millimeter:
        return defined / MillimetresPerInch;
    case QPageSize::Inch:
        return defined;
    case QPageSize::Point:
        return defined / PointsPerInch;
    default:
        return QSizeF(size.sizePoints()) / PointsPerInch;
    }
}

QRectF SheetRect(const QPagedPaintDevice& device) {
    const QPageLayout layout = device.pageLayout();
    QSizeF inches = PaperInches(layout.pageSize());
    if (layout.orientation() == QPageLayout::Landscape) {
        inches.transpose();
    }
    return {0, 0, inches.width() * device.logicalDpiX(), inches.height() * device.logicalDpiY()};
}

bool PaintPages(QPagedPaintDevice& device, int pageCount, const PageDrawer& draw,
                PainterStyle style) {
    QPainter painter;
    if (pageCount < 1 || !painter.begin(&device)) {
        return false;
    }
    for (int index = 0; index < pageCount; ++index) {
        if (index > 0 && !device.newPage()) {
            painter.end();
            return false;
        }
        painter.save();
        PainterCanvas canvas(painter, SheetRect(device), style);
        draw(canvas, index);
        painter.restore();
    }
    return painter.end();
}

Outcome WritePdf(const std::filesystem::path& file, const PdfSettings& settings, int pageCount,
                 const PageDrawer& draw, PainterStyle style) {
    const Outcome failed = Outcome::Failed(Failure::Kind::Write, file.string());
    const QPageSize pageSize = ToPageSize(settings.Paper);
    if (pageCount < 1 || !pageSize.isValid() || settings.Resolution < 72 ||
        settings.Resolution > 9600) {
        return failed;
    }
    // QSaveFile writes a temporary file beside the target and renames it over the target on
    // commit; any write error on the way makes the commit fail and removes the temporary file.
    QSaveFile out(QString::fromStdString(file.string()));
    if (!out.open(QIODevice::WriteOnly)) {
        return failed;
    }
    bool painted = false;
    {
        QPdfWriter writer(&out);
        writer.setResolution(settings.Resolution);
        writer.setPageLayout(QPageLayout(pageSize, QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
        writer.setTitle(QString::fromStdString(settings.Title));
        writer.setCreator(QStringLiteral("Merrowin"));
        painted = PaintPages(writer, pageCount, draw, style);
    }
    // Without a commit the temporary file is removed when `out` goes.
    return painted && out.commit() ? Outcome() : failed;
}

Outcome WritePdf(const std::filesystem::path& file, const PdfSettings& settings,
                 const std::vector<std::function<void(Canvas&)>>& pages, PainterStyle style) {
    return WritePdf(
        file, settings, static_cast<int>(pages.size()),
        [&pages](Canvas& sheet, int index) { pages[static_cast<std::size_t>(index)](sheet); },
        style);
}

} // namespace merrowin
