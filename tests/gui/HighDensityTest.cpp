// The main window on a screen of device pixel ratio 2 (the offscreen platform scaled by 2): the
// pictures have a pixel for each screen pixel, and straight lines stay sharp.
#include <QApplication>
#include <QtTest>

#include <set>

#include "MainWindowFixture.h"
#include "QtCanvas.h"

using namespace merrowin;

class HighDensityTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QApplication::setQuitOnLastWindowClosed(false);
        QCOMPARE(qApp->devicePixelRatio(), 2.0);
    }

    void picturesDrawOnEveryScreenPixel() {
        PictureBox box;
        box.resize(102, 52);
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        box.Clear();
        box.Scale(0, 50, 100, 0);
        box.Line(10, 40, 90, 40, 12);
        const QImage& image = box.Image();
        QCOMPARE(image.size(), QSize(200, 100));
        QCOMPARE(image.devicePixelRatio(), 2.0);
        // The line is two screen pixels thick, in its own colour, with nothing half-drawn beside.
        const QImage column = image.copy(100, 0, 1, image.height());
        QCOMPARE(test::Inked(column), 2);
        QCOMPARE(test::CountPixels(column, [](QRgb p) { return p == test::Palette(12); }), 2);
        // Mouse positions still map in the widget's pixels.
        QCOMPARE(box.ToWidget(50, 25), QPointF(51, 26));
    }

    void mainWindowShotIsTwiceAsLarge() {
        test::MainWindow w;
        const QPixmap shot = w.form->grab();
        QCOMPARE(shot.devicePixelRatio(), 2.0);
        QCOMPARE(shot.size(), w.form->size() * 2);
        QVERIFY(test::Inked(w.form->Picture2().Image()) > 1600); // drawn over all its pixels
    }
};

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication application(argc, argv);
    HighDensityTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "HighDensityTest.moc"
