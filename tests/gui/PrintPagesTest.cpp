// Tests of the printing library: the painter canvas on an image (mapping, pen widths in points,
// guards) and PDF files written whole, read back with pdfinfo.
#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QPdfWriter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>
#include <fstream>
#include <limits>

#include "print/PainterCanvas.h"
#include "print/PrintPages.h"

using namespace merrowin;

namespace {

constexpr double Huge = std::numeric_limits<double>::max();
constexpr double Nan = std::numeric_limits<double>::quiet_NaN();
constexpr double Inf = std::numeric_limits<double>::infinity();

// A white image at a resolution in dots per inch.
QImage Sheet(int width, int height, int dpi) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    const int dotsPerMetre = static_cast<int>(std::lround(dpi / 0.0254));
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    return image;
}

// The bounds of the pixels that are not white.
QRect InkBounds(const QImage& image) {
    QRect bounds;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != qRgb(255, 255, 255)) {
                bounds |= QRect(x, y, 1, 1);
            }
        }
    }
    return bounds;
}

// What pdfinfo says after "NAME:", or an empty text.
QString PdfInfo(const QString& file, const QString& name) {
    const QString program = QStandardPaths::findExecutable("pdfinfo");
    if (program.isEmpty()) {
        return "no pdfinfo (poppler-utils)";
    }
    QProcess process;
    process.start(program, {file});
    process.waitForFinished(30000);
    for (const QString& line : QString::fromUtf8(process.readAllStandardOutput()).split('\n')) {
        if (line.startsWith(name + ":")) {
            return line.mid(name.size() + 1).trimmed();
        }
    }
    return {};
}

std::function<void(Canvas&)> Cross() {
    return [](Canvas& page) {
        page.Scale(0, 0, 10, 10);
        page.Line(1, 1, 9, 9, ForegroundColour);
        page.Line(1, 9, 9, 1, ForegroundColour);
    };
}

} // namespace

class PrintPagesTest : public QObject {
    Q_OBJECT
private slots:
    void userCoordinatesMapIntoTheArea();
    void penWidthsAreInPoints();
    void numbersThatAreNotFiniteNeverReachThePainter();
    void textHangsBelowItsCorner();
    void theSheetOfAPdfPageIsThePaperAtItsResolution();
    void writesOnePdfPageForEachDrawerOnThePaperAsked();
    void aFailedWriteLeavesNoFileAndKeepsTheOldOne();
};

void PrintPagesTest::userCoordinatesMapIntoTheArea() {
    QImage image = Sheet(300, 200, 72);
    {
        QPainter painter(&image);
        PainterCanvas canvas(painter, QRectF(100, 50, 100, 100));
        QCOMPARE(canvas.Width(), 100.0);
        canvas.Scale(0, 10, 10, 0); // y up
        QCOMPARE(canvas.ToDevice(0, 10), QPointF(100, 50));
        QCOMPARE(canvas.ToDevice(10, 0), QPointF(200, 150));
        canvas.Line(2, 2, 8, 2, Colour::Red);
        // A scale that cannot be set leaves the last one.
        canvas.Scale(0, 0, 1e-320, 1);
        canvas.Scale(0, 0, Nan, 1);
        QCOMPARE(canvas.ToDevice(10, 0), QPointF(200, 150));
    }
    const QRect ink = InkBounds(image);
    QVERIFY2(ink.left() >= 119 && ink.right() <= 181, qPrintable(QString::number(ink.left())));
    QVERIFY(ink.top() >= 129 && ink.bottom() <= 131);
    const QRgb red = image.pixel(150, ink.top());
    QVERIFY(qRed(red) > qGreen(red) && qGreen(red) == qBlue(red));
}

void PrintPagesTest::penWidthsAreInPoints() {
    // At 144 dpi a point is two pixels: width 4 of half a point each is 4 pixels wide.
    for (const int dpi : {72, 144}) {
        QImage image = Sheet(100, 100, dpi);
        {
            QPainter painter(&image);
            PainterCanvas canvas(painter, QRectF(0, 0, 100, 100), PainterStyle{0.5, 9});
            canvas.PenWidth(4);
            canvas.Line(50, 10, 50, 90, ForegroundColour);
        }
        int inked = 0;
        for (int x = 0; x < image.width(); ++x) {
            inked += image.pixel(x, 50) != qRgb(255, 255, 255) ? 1 : 0;
        }
        QCOMPARE(inked, 2 * dpi / 72);
    }
}

void PrintPagesTest::numbersThatAreNotFiniteNeverReachThePainter() {
    QImage image = Sheet(100, 100, 72);
    {
        QPainter painter(&image);
        PainterCanvas canvas(painter, QRectF(0, 0, 100, 100));
        canvas.Line(Nan, 1, 50, 50, ForegroundColour);
        canvas.Line(Inf, 1, -Inf, 50, ForegroundColour);
        canvas.Box(0, 0, Nan, 5, ForegroundColour);
        canvas.Dot(Nan, 3, ForegroundColour);
        canvas.Circle(50, 50, Huge, ForegroundColour);
        canvas.Circle(Huge, 50, 1, ForegroundColour);
        canvas.Line(Huge, -Huge, Huge, Huge, ForegroundColour); // far off: nothing of it inside
        canvas.LineTo(Nan, Nan, ForegroundColour);
        canvas.Text("lost");
        canvas.Scale(0, 0, 1e-300, 1e-300); // finite, but everything mapped overflows
        canvas.Line(1, 1, 2, 2, ForegroundColour);
    }
    QCOMPARE(InkBounds(image), QRect());
    {
        // A line from inside to a huge point is cut at the area's reach, not dropped.
        QPainter painter(&image);
        PainterCanvas canvas(painter, QRectF(0, 0, 100, 100));
        canvas.Line(50, 50, Huge, 50, ForegroundColour);
    }
    const QRect ink = InkBounds(image);
    QVERIFY(ink.left() >= 49 && ink.left() <= 50 && ink.right() == 99);
}

void PrintPagesTest::textHangsBelowItsCorner() {
    QImage image = Sheet(200, 100, 72);
    {
        QPainter painter(&image);
        PainterCanvas canvas(painter, QRectF(0, 0, 200, 100), PainterStyle{0.5, 12});
        canvas.Dot(20, 30, Colour::White);
        canvas.Text("Hg");
    }
    const QRect ink = InkBounds(image);
    QVERIFY(!ink.isEmpty());
    QVERIFY(ink.left() >= 20 && ink.top() >= 30);
    QVERIFY(ink.bottom() <= 30 + 18); // 12 points at 72 dpi
}

void PrintPagesTest::theSheetOfAPdfPageIsThePaperAtItsResolution() {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setResolution(600);
    writer.setPageLayout(QPageLayout(ToPageSize(PrintPaper::Letter()), QPageLayout::Portrait,
                                     QMarginsF(0, 0, 0, 0)));
    QCOMPARE(SheetRect(writer), QRectF(0, 0, 5100, 6600));
    writer.setPageLayout(QPageLayout(ToPageSize(PrintPaper::Custom(11, 8.5)), QPageLayout::Portrait,
                                     QMarginsF(0, 0, 0, 0)));
    QCOMPARE(SheetRect(writer), QRectF(0, 0, 6600, 5100));
    // A4 by its millimetres, not by Qt's 595 x 842 points.
    writer.setPageLayout(
        QPageLayout(ToPageSize(PrintPaper::A4()), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    const QRectF a4 = SheetRect(writer);
    QVERIFY(std::abs(a4.width() - 210 / 25.4 * 600) < 1e-9);
    QVERIFY(std::abs(a4.height() - 297 / 25.4 * 600) < 1e-9);
    QVERIFY(!ToPageSize(PrintPaper::Custom(Nan, 8.5)).isValid());
    QVERIFY(!ToPageSize(PrintPaper::Custom(0, 8.5)).isValid());
}

void PrintPagesTest::writesOnePdfPageForEachDrawerOnThePaperAsked() {
    QTemporaryDir folder;
    struct Case {
        PrintPaper Paper;
        int Pages;
        const char* Size;
    };
    for (const Case& c : {Case{PrintPaper::Letter(), 3, "612 x 792 pts (letter)"},
                          Case{PrintPaper::A4(), 1, "595 x 842 pts (A4)"},
                          Case{PrintPaper::Custom(11, 8.5), 2, "792 x 612 pts (letter)"}}) {
        const QString file = folder.filePath("pages.pdf");
        PdfSettings settings;
        settings.Paper = c.Paper;
        settings.Title = "Crosses";
        const std::vector<std::function<void(Canvas&)>> pages(static_cast<std::size_t>(c.Pages),
                                                              Cross());
        const Outcome written = WritePdf(file.toStdString(), settings, pages);
        QVERIFY(written.Ok());
        QCOMPARE(PdfInfo(file, "Pages"), QString::number(c.Pages));
        QCOMPARE(PdfInfo(file, "Page size"), QString(c.Size));
        QCOMPARE(PdfInfo(file, "Title"), QString("Crosses"));
    }
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{"pages.pdf"});
}

void PrintPagesTest::aFailedWriteLeavesNoFileAndKeepsTheOldOne() {
    QTemporaryDir folder;
    const std::string missing = folder.filePath("missing/pages.pdf").toStdString();
    const Outcome noFolder = WritePdf(missing, {}, {Cross()});
    QVERIFY(noFolder.HasFailed());
    QCOMPARE(QString::fromStdString(noFolder.Text()),
             "Could not write " + QString::fromStdString(missing));

    const QString old = folder.filePath("old.pdf");
    std::ofstream(old.toStdString()) << "the last good printout";
    PdfSettings badPaper;
    badPaper.Paper = PrintPaper::Custom(500, 8.5);
    QVERIFY(WritePdf(old.toStdString(), {}, {}).HasFailed()); // no page
    QVERIFY(WritePdf(old.toStdString(), badPaper, {Cross()}).HasFailed());
    // A drawer that cannot start a page: painting fails, the old file stays.
    QVERIFY(WritePdf(old.toStdString(), {}, 0, [](Canvas&, int) {}).HasFailed());
    QFile kept(old);
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), QByteArray("the last good printout"));
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{"old.pdf"});
}

QTEST_MAIN(PrintPagesTest)
#include "PrintPagesTest.moc"
