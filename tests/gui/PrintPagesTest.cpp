// Tests of the printing library: the painter canvas on an image (mapping, pen widths in points,
// guards), the sheet of a PDF page, and PDF files written whole, read back with pdfinfo.
#include <QBuffer>
#include <QDir>
#include <QPdfWriter>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>
#include <fstream>
#include <limits>

#include "MainWindowFixture.h"
#include "print/PrintPages.h"

using namespace merrowin;

namespace {

constexpr double Huge = std::numeric_limits<double>::max();
constexpr double Nan = std::numeric_limits<double>::quiet_NaN();

// Draws on a white image of 100 x 100 pixels at `dpi`; returns the bounds of the ink.
QRect Ink(int dpi, const std::function<void(PainterCanvas&)>& draw,
          QRectF area = {0, 0, 100, 100}) {
    QImage image(100, 100, QImage::Format_RGB32);
    image.fill(Qt::white);
    image.setDotsPerMeterX(static_cast<int>(std::lround(dpi / 0.0254)));
    {
        QPainter painter(&image);
        PainterCanvas canvas(painter, area);
        draw(canvas);
    }
    return test::InkBounds(image);
}

} // namespace

class PrintPagesTest : public QObject {
    Q_OBJECT
private slots:
    void userCoordinatesMapIntoTheAreaWithPensInPoints();
    void numbersThatAreNotFiniteNeverReachThePainter();
    void pdfFilesHoldEveryPageOrAreNotWrittenAtAll();
};

void PrintPagesTest::userCoordinatesMapIntoTheAreaWithPensInPoints() {
    const QRect line = Ink(72,
                           [](PainterCanvas& c) {
                               c.Scale(0, 10, 10, 0);    // y up, onto the area's 50 x 50 pixels
                               c.Scale(0, 0, 1e-320, 1); // cannot be set: the last scale stays
                               c.Line(2, 5.1, 8, 5.1, ForegroundColour);
                           },
                           {50, 50, 50, 50});
    QVERIFY(line.left() >= 59 && line.right() <= 91 && line.top() >= 73 && line.bottom() <= 75);
    // Width 4 of half a point: 2 points, 2 pixels at 72 dpi, 4 at 144.
    for (const int dpi : {72, 144}) {
        const QRect thick = Ink(dpi, [](PainterCanvas& c) {
            c.PenWidth(4);
            c.Line(50, 10, 50, 90, ForegroundColour);
        });
        QCOMPARE(thick.width(), 2 * dpi / 72);
    }
}

void PrintPagesTest::numbersThatAreNotFiniteNeverReachThePainter() {
    QCOMPARE(Ink(72,
                 [](PainterCanvas& c) {
                     c.Line(Nan, 1, 50, 50, ForegroundColour);
                     c.Box(0, 0, Nan, 5, ForegroundColour); // the whole box, not three sides
                     c.Circle(50, 50, Huge, ForegroundColour);
                     c.Line(Huge, -Huge, Huge, Huge, ForegroundColour);
                     c.Scale(0, 0, 1e-300, 1e-300); // finite, but every point mapped overflows
                     c.Line(1, 1, 2, 2, ForegroundColour);
                     c.Text("lost");
                 }),
             QRect());
}

void PrintPagesTest::pdfFilesHoldEveryPageOrAreNotWrittenAtAll() {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setResolution(600);
    const auto sheet = [&writer](PrintPaper paper) {
        writer.setPageLayout(QPageLayout(ToPageSize(paper), QPageLayout::Portrait, QMarginsF()));
        return SheetRect(writer);
    };
    QCOMPARE(sheet(PrintPaper::Letter()), QRectF(0, 0, 5100, 6600));
    // A4 by its millimetres, not by Qt's 595 x 842 points: 100 mm print as 100 mm.
    QVERIFY(std::abs(sheet(PrintPaper::A4()).width() - 210 / 25.4 * 600) < 1e-9);
    QVERIFY(!ToPageSize(PrintPaper::Custom(Nan, 8.5)).isValid());

    QTemporaryDir folder;
    const QString file = folder.filePath("pages.pdf");
    std::ofstream(file.toStdString()) << "the last good printout";
    const std::function<void(Canvas&)> cross = [](Canvas& page) {
        page.Line(0, 0, page.Width(), page.Height(), ForegroundColour);
    };
    PdfSettings tooLarge;
    tooLarge.Paper = PrintPaper::Custom(500, 8.5);
    QVERIFY(WritePdf(file.toStdString(), {}, {}).HasFailed()); // no page
    QVERIFY(WritePdf(file.toStdString(), tooLarge, {cross}).HasFailed());
    QFile old(file);
    QVERIFY(old.open(QIODevice::ReadOnly));
    QCOMPARE(old.readAll(), QByteArray("the last good printout"));
    const std::string missing = folder.filePath("missing/pages.pdf").toStdString();
    QCOMPARE(WritePdf(missing, {}, {cross}).Text(), "Could not write " + missing);

    QVERIFY(WritePdf(file.toStdString(), {PrintPaper::A4(), 1200, "Crosses"}, {cross, cross, cross})
                .Ok());
    QProcess pdfinfo;
    pdfinfo.start("pdfinfo", {file});
    QVERIFY2(pdfinfo.waitForFinished(30000), "pdfinfo (poppler-utils) is needed");
    const QString info = QString::fromUtf8(pdfinfo.readAllStandardOutput());
    QVERIFY2(info.contains(QRegularExpression("Pages: +3\n")), qPrintable(info));
    QVERIFY2(info.contains(QRegularExpression("Page size: +595 x 842 pts \\(A4\\)")),
             qPrintable(info));
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{"pages.pdf"}); // no part files
}

QTEST_MAIN(PrintPagesTest)
#include "PrintPagesTest.moc"
