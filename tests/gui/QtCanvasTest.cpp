// Tests of the picture widget: user coordinates, pixels, the inverting pen, text and bad input.
#include <QSignalSpy>
#include <QtTest>

#include <array>
#include <cmath>
#include <limits>

#include "MainWindowFixture.h"
#include "QtCanvas.h"

using namespace merrowin;
using test::Palette;

namespace {

const QRgb White = qRgb(255, 255, 255);
const double NaN = std::numeric_limits<double>::quiet_NaN();
const double Inf = std::numeric_limits<double>::infinity();

// A picture whose image is 100 x 50 pixels (the frame takes one pixel each side), one user unit
// a pixel with y up.
struct Picture {
    PictureBox box;
    Picture() {
        box.resize(102, 52);
        box.Clear();
        box.Scale(0, 50, 100, 0);
    }
    QRgb At(int x, int y) { return box.Image().pixel(x, y); }
    int Inked() { return test::Inked(box.Image()); }
    QRect InkBounds() { return test::InkBounds(box.Image()); }
};

} // namespace

class QtCanvasTest : public QObject {
    Q_OBJECT
private slots:
    void userCoordinatesMapOntoTheImageAndUnusableScalesAreIgnored() {
        Picture p;
        p.box.Scale(-10, 100, 90, 0);
        QCOMPARE(p.box.ToWidget(-10, 100), QPointF(1, 1));
        QCOMPARE(p.box.ToUser(QPointF(51, 26)), QPointF(40, 50));
        // No width, no height, not a number, infinite, a span too large for a double.
        const std::array<double, 4> unusable[] = {{5, 10, 5, 0},
                                                  {0, 3, 20, 3},
                                                  {0, NaN, 20, 0},
                                                  {-Inf, 10, 20, 0},
                                                  {-1e308, 10, 1e308, 0}};
        for (const auto& [left, top, right, bottom] : unusable) {
            p.box.Scale(left, top, right, bottom);
        }
        QCOMPARE(p.box.ToWidget(90, 0), QPointF(101, 51));
        // After a resize the user coordinates stretch over the new size.
        p.box.resize(202, 102);
        p.box.Clear();
        QCOMPARE(p.box.ToWidget(90, 0), QPointF(201, 101));
        QCOMPARE(p.box.Image().size(), QSize(200, 100));
    }

    void linesBoxesAndDotsLandOnTheirPixels() {
        Picture p;
        p.box.Line(10, 40, 60, 40, 12);
        QCOMPARE(p.At(35, 10), Palette(12));
        QCOMPARE(p.At(35, 12), White);
        p.box.LineTo(60, 20, 1); // from the end of the last line
        QCOMPARE(p.At(60, 25), Palette(1));
        // Clear makes the picture white and puts the drawing position back at (0, 0).
        p.box.Clear();
        QCOMPARE(p.Inked(), 0);
        p.box.LineTo(0, 10, 4);
        QCOMPARE(p.At(0, 45), Palette(4));

        // Dot marks a square of three pixels round its pixel and becomes the drawing position;
        // outside the picture it draws nothing.
        Picture dot;
        dot.box.Dot(-5, 20, 9);
        dot.box.Dot(100, 20, 9);
        dot.box.Dot(30.5, 20.5, 9);
        QCOMPARE(dot.Inked(), 9);
        QCOMPARE(dot.InkBounds(), QRect(29, 28, 3, 3));
        QCOMPARE(dot.At(30, 29), Palette(9));
        dot.box.LineTo(30.5, 10.5, ForegroundColour);
        QCOMPARE(dot.At(30, 35), qRgb(0, 0, 0));

        // Box draws an outline only.
        Picture box;
        box.box.Box(20, 40, 80, 10, 8);
        QCOMPARE(box.At(50, 25), White);
        QCOMPARE(box.InkBounds(), QRect(20, 10, 61, 31));

        // Pen width 2 thickens a line to two pixels; back at 1, one pixel.
        Picture wide;
        wide.box.PenWidth(2);
        wide.box.Line(10, 25, 90, 25, 1);
        wide.box.PenWidth(1);
        wide.box.Line(10, 5, 90, 5, 1);
        const QImage column = wide.box.Image().copy(50, 0, 1, 50);
        QCOMPARE(test::Inked(column.copy(0, 0, 1, 40)), 2);
        QCOMPARE(test::Inked(column.copy(0, 40, 1, 10)), 1);
    }

    void invertingPenRestoresThePicture() {
        Picture p;
        p.box.Line(0, 0, 100, 50, 1);
        p.box.Circle(50, 25, 10, 12);
        const QImage before = p.box.Image().copy();
        p.box.InvertingPen(true);
        p.box.Box(20, 40, 70, 10, 3);
        p.box.Dot(5, 5, 3);
        QVERIFY(p.box.Image() != before);
        QVERIFY(p.At(20, 25) != White);
        p.box.Box(20, 40, 70, 10, 3);
        p.box.Dot(5, 5, 3);
        p.box.InvertingPen(false);
        QCOMPARE(p.box.Image(), before);
        // The copying pen is back: a line drawn twice stays.
        p.box.Line(0, 45, 100, 45, 2);
        p.box.Line(0, 45, 100, 45, 2);
        QCOMPARE(p.At(50, 5), Palette(2));
    }

    void textStandsBelowAndRightOfThePosition() {
        Picture p;
        p.box.Dot(30, 40, 15); // white dot: moves the position only
        p.box.Text("cb");
        const QRect ink = p.InkBounds();
        QVERIFY2(ink.left() >= 30 && ink.top() >= 10 && ink.left() <= 34 && ink.top() <= 16,
                 qPrintable(QString("%1,%2").arg(ink.left()).arg(ink.top())));
        QVERIFY(ink.bottom() < 30);
    }

    void circleRadiusIsInHorizontalUnits() {
        Picture p;
        p.box.Scale(0, 50, 50, 0); // two pixels a unit across, one a unit up
        p.box.Circle(25, 25, 10, 13);
        // Round on the screen, radius 20 pixels.
        const QRect ink = p.InkBounds();
        QVERIFY(std::abs(ink.width() - 41) <= 1 && std::abs(ink.height() - 41) <= 1);
        // Smoothed: the pixel at the circle's right end is nearly its colour.
        const QRgb edge = p.At(70, 25);
        const QRgb colour = Palette(13);
        QVERIFY(std::abs(qRed(edge) - qRed(colour)) + std::abs(qGreen(edge) - qGreen(colour)) +
                    std::abs(qBlue(edge) - qBlue(colour)) <
                100);
    }

    void absurdCoordinatesDrawNothingHarmful() {
        Picture p;
        p.box.Line(NaN, 0, 10, 10, 1);
        p.box.Line(-Inf, 0, Inf, 10, 1);
        p.box.Circle(50, 25, 1e300, 1);
        p.box.Circle(NaN, 25, 5, 1);
        p.box.Dot(1e300, -1e300, 1);
        p.box.Text("far");
        p.box.Box(-1e300, 1e300, 1e300, -1e300, 1);
        QCOMPARE(p.Inked(), 0);
        // A line from far away still shows the part that crosses the picture.
        p.box.Line(-1e12, 25, 1e12, 25, 1);
        QVERIFY(p.At(0, 25) == Palette(1) && p.At(99, 25) == Palette(1));
    }

    // The main window's tests press, drag and click through the picture; these are the
    // buttons they cannot tell apart.
    void onlyTheLeftButtonClicksOrDoubleClicks() {
        Picture p;
        QSignalSpy down(&p.box, &PictureBox::MouseDown);
        QSignalSpy clicked(&p.box, &PictureBox::Clicked);
        QSignalSpy doubleClick(&p.box, &PictureBox::DoubleClick);
        QTest::mouseClick(&p.box, Qt::RightButton, Qt::NoModifier, QPoint(51, 26));
        QCOMPARE(clicked.count(), 0);
        // A quick second right press arrives as a double click: it still presses.
        const QPointF at(51, 26);
        QMouseEvent second(QEvent::MouseButtonDblClick, at, p.box.mapToGlobal(at), Qt::RightButton,
                           Qt::RightButton, Qt::NoModifier);
        QApplication::sendEvent(&p.box, &second);
        QCOMPARE(down.count(), 2);
        QCOMPARE(down[1], (QList<QVariant>{2, 50.0, 25.0}));
        QCOMPARE(doubleClick.count(), 0);
    }
};

QTEST_MAIN(QtCanvasTest)
#include "QtCanvasTest.moc"
