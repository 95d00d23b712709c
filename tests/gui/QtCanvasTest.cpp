// Tests of the picture widget: user coordinates, pixels, the inverting pen, text and bad input.
#include <QSignalSpy>
#include <QtTest>

#include <cmath>
#include <limits>

#include "QtCanvas.h"

using namespace merrowin;

namespace {

const QRgb White = qRgb(255, 255, 255);

// A picture whose image is 100 x 50 pixels (the frame takes one pixel each side).
struct Picture {
    PictureBox box;
    Picture() {
        box.resize(102, 52);
        box.Clear();
    }
    const QImage& Image() { return box.Image(); }
    QRgb At(int x, int y) { return Image().pixel(x, y); }
    int Inked() {
        int count = 0;
        const QImage& image = Image();
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                count += image.pixel(x, y) != White ? 1 : 0;
            }
        }
        return count;
    }
    // Bounds of the pixels that are not white.
    QRect InkBounds() {
        QRect bounds;
        const QImage& image = Image();
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (image.pixel(x, y) != White) {
                    bounds |= QRect(x, y, 1, 1);
                }
            }
        }
        return bounds;
    }
};

QRgb Palette(int colour) {
    const Rgb rgb = PaletteColour(colour);
    return qRgb(rgb.R, rgb.G, rgb.B);
}

} // namespace

class QtCanvasTest : public QObject {
    Q_OBJECT
private slots:
    void userCoordinatesMapOntoTheImage();
    void unusableScalesAreIgnored();
    void linesBoxesAndDotsLandOnTheirPixels();
    void invertingPenRestoresThePicture();
    void textStandsBelowAndRightOfThePosition();
    void circleRadiusIsInHorizontalUnits();
    void absurdCoordinatesDrawNothingHarmful();
    void mouseReportsUserCoordinates();
};

void QtCanvasTest::userCoordinatesMapOntoTheImage() {
    Picture p;
    // Y grows upwards: the top edge holds the larger value.
    p.box.Scale(-10, 100, 90, 0);
    QCOMPARE(p.box.ToWidget(-10, 100), QPointF(1, 1));
    QCOMPARE(p.box.ToWidget(90, 0), QPointF(101, 51));
    QCOMPARE(p.box.ToUser(QPointF(51, 26)), QPointF(40, 50));

    // After a resize the user coordinates stretch over the new size.
    p.box.resize(202, 102);
    p.box.Clear();
    QCOMPARE(p.box.ToWidget(90, 0), QPointF(201, 101));
    QCOMPARE(p.Image().size(), QSize(200, 100));
}

void QtCanvasTest::unusableScalesAreIgnored() {
    Picture p;
    p.box.Scale(0, 10, 20, 0);
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    p.box.Scale(5, 10, 5, 0);          // no width
    p.box.Scale(0, 3, 20, 3);          // no height
    p.box.Scale(0, nan, 20, 0);        // not a number
    p.box.Scale(-inf, 10, 20, 0);      // infinite
    p.box.Scale(-1e308, 10, 1e308, 0); // a span too large for a double
    QCOMPARE(p.box.ToWidget(20, 0), QPointF(101, 51));
}

void QtCanvasTest::linesBoxesAndDotsLandOnTheirPixels() {
    Picture p;
    p.box.Scale(0, 50, 100, 0); // one unit a pixel, y up
    p.box.Line(10, 40, 60, 40, 12);
    QCOMPARE(p.At(35, 10), Palette(12));
    QCOMPARE(p.At(35, 12), White);
    // LineTo continues from the end of the last line.
    p.box.LineTo(60, 20, 1);
    QCOMPARE(p.At(60, 25), Palette(1));

    // Dot sets exactly one pixel and becomes the drawing position.
    Picture dot;
    dot.box.Scale(0, 50, 100, 0);
    dot.box.Dot(30.5, 20.5, 9);
    QCOMPARE(dot.Inked(), 1);
    QCOMPARE(dot.At(30, 29), Palette(9));
    dot.box.LineTo(30.5, 10.5, ForegroundColour);
    QCOMPARE(dot.At(30, 35), qRgb(0, 0, 0));
    dot.box.Dot(-5, 20, 9); // outside: nothing
    dot.box.Dot(100, 20, 9);

    // Box draws an outline only; pen width 2 thickens lines.
    Picture box;
    box.box.Scale(0, 50, 100, 0);
    box.box.Box(20, 40, 80, 10, 8);
    QCOMPARE(box.At(50, 25), White);
    QCOMPARE(box.InkBounds(), QRect(20, 10, 61, 31));

    Picture wide;
    wide.box.Scale(0, 50, 100, 0);
    wide.box.PenWidth(2);
    wide.box.Line(10, 25, 90, 25, 1);
    wide.box.PenWidth(1);
    wide.box.Line(10, 5, 90, 5, 1);
    const QImage& image = wide.Image();
    int thick = 0;
    int thin = 0;
    for (int y = 0; y < image.height(); ++y) {
        thick += image.pixel(50, y) != White && y < 40 && y > 15 ? 1 : 0;
        thin += image.pixel(50, y) != White && y >= 40 ? 1 : 0;
    }
    QCOMPARE(thick, 2);
    QCOMPARE(thin, 1);

    // Clear makes the picture white and puts the drawing position back at (0, 0).
    p.box.Clear();
    QCOMPARE(p.Inked(), 0);
    p.box.LineTo(0, 10, 4);
    QCOMPARE(p.At(0, 45), Palette(4));
}

void QtCanvasTest::invertingPenRestoresThePicture() {
    Picture p;
    p.box.Scale(0, 50, 100, 0);
    p.box.Line(0, 0, 100, 50, 1);
    p.box.Circle(50, 25, 10, 12);
    const QImage before = p.Image().copy();

    p.box.InvertingPen(true);
    p.box.Box(20, 40, 70, 10, 3);
    p.box.Dot(5, 5, 3);
    QVERIFY(p.Image() != before);
    // The band crosses the diagonal: inverted pixels differ from both colours.
    QVERIFY(p.At(20, 25) != White);
    p.box.Box(20, 40, 70, 10, 3);
    p.box.Dot(5, 5, 3);
    p.box.InvertingPen(false);
    QCOMPARE(p.Image(), before);

    // The copying pen is back.
    p.box.Line(0, 45, 100, 45, 2);
    p.box.Line(0, 45, 100, 45, 2);
    QCOMPARE(p.At(50, 5), Palette(2));
}

void QtCanvasTest::textStandsBelowAndRightOfThePosition() {
    Picture p;
    p.box.Scale(0, 50, 100, 0);
    p.box.Dot(30, 40, 15); // white dot: moves the position only
    p.box.Text("cb");
    const QRect ink = p.InkBounds();
    QVERIFY(!ink.isEmpty());
    QVERIFY2(ink.left() >= 30 && ink.top() >= 10,
             qPrintable(QString("%1,%2").arg(ink.left()).arg(ink.top())));
    QVERIFY(ink.left() <= 34 && ink.top() <= 16);
    QVERIFY(ink.bottom() < 30);
}

void QtCanvasTest::circleRadiusIsInHorizontalUnits() {
    Picture p;
    // Two pixels a unit across, one pixel a unit up.
    p.box.Scale(0, 50, 50, 0);
    p.box.Circle(25, 25, 10, 13);
    // Round on the screen, radius 20 pixels.
    const QRect ink = p.InkBounds();
    QVERIFY(std::abs(ink.width() - 41) <= 1);
    QVERIFY(std::abs(ink.height() - 41) <= 1);
    QCOMPARE(p.At(70, 25), Palette(13));
}

void QtCanvasTest::absurdCoordinatesDrawNothingHarmful() {
    Picture p;
    p.box.Scale(0, 50, 100, 0);
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    p.box.Line(nan, 0, 10, 10, 1);
    p.box.Line(-inf, 0, inf, 10, 1);
    p.box.Circle(50, 25, 1e300, 1);
    p.box.Circle(nan, 25, 5, 1);
    p.box.Dot(1e300, -1e300, 1);
    p.box.Text("far");
    p.box.Box(-1e300, 1e300, 1e300, -1e300, 1);
    QCOMPARE(p.Inked(), 0);
    // A line from far away still shows the part that crosses the picture.
    p.box.Line(-1e12, 25, 1e12, 25, 1);
    QCOMPARE(p.At(0, 25), Palette(1));
    QCOMPARE(p.At(99, 25), Palette(1));
}

void QtCanvasTest::mouseReportsUserCoordinates() {
    Picture p;
    p.box.Scale(-10, 100, 90, 0);
    QSignalSpy down(&p.box, &PictureBox::MouseDown);
    QSignalSpy up(&p.box, &PictureBox::MouseUp);
    QSignalSpy clicked(&p.box, &PictureBox::Clicked);
    QTest::mousePress(&p.box, Qt::RightButton, Qt::NoModifier, QPoint(51, 26));
    QTest::mouseRelease(&p.box, Qt::RightButton, Qt::NoModifier, QPoint(51, 26));
    QCOMPARE(down[0][0].toInt(), 2);
    QCOMPARE(down[0][1].toDouble(), 40.0);
    QCOMPARE(down[0][2].toDouble(), 50.0);
    QCOMPARE(up[0][0].toInt(), 2);
    QCOMPARE(clicked.count(), 0); // only the left button clicks
    QTest::mouseClick(&p.box, Qt::LeftButton, Qt::NoModifier, QPoint(11, 11));
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(down[1][1].toDouble(), 0.0);

    // A quick second right press arrives as a double click: it still presses, and only the left
    // button double-clicks.
    QSignalSpy doubleClick(&p.box, &PictureBox::DoubleClick);
    const QPointF at(51, 26);
    QMouseEvent second(QEvent::MouseButtonDblClick, at, p.box.mapToGlobal(at), Qt::RightButton,
                       Qt::RightButton, Qt::NoModifier);
    QApplication::sendEvent(&p.box, &second);
    QCOMPARE(down.count(), 3);
    QCOMPARE(down[2][1].toDouble(), 40.0);
    QCOMPARE(doubleClick.count(), 0);
}

QTEST_MAIN(QtCanvasTest)
#include "QtCanvasTest.moc"
