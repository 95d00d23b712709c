// Input boxes: wide enough for their title and prompt, and placed beside the point they are about,
// on the screen, never over the point.
#include <QApplication>
#include <QFontMetrics>
#include <QtTest>

#include "QtServices.h"

using namespace merrowin;

class QtServicesTest : public QObject {
    Q_OBJECT
private slots:
    void inputBoxesShowTheirWholeTitleAndPrompt() {
        const QFontMetrics metrics(QApplication::font());
        for (const char* title : {"New Bulkhead Width", "New Spline Length", "Length Overall"}) {
            const QString text = QString::fromUtf8(title);
            QVERIFY(InputBoxWidth(metrics, text, "Enter a new X value:") >
                    metrics.horizontalAdvance(text) + 100);
        }
        const QString prompt(80, QChar('m'));
        QVERIFY(InputBoxWidth(metrics, "X", prompt) > metrics.horizontalAdvance(prompt));
    }

    void inputBoxesStandBesideThePoint() {
        const QRect screen(0, 0, 1280, 800);
        const QSize box(320, 140);
        // Middle, right edge, bottom edge, bottom-right corner, top-left corner.
        for (const QPoint point : {QPoint(600, 400), QPoint(1270, 300), QPoint(500, 790),
                                   QPoint(1275, 795), QPoint(2, 2)}) {
            const QRect placed(PlaceBeside(point, box, screen), box);
            QVERIFY2(screen.contains(placed), qPrintable(QString::number(point.x())));
            QVERIFY(!placed.adjusted(-8, -8, 8, 8).contains(point));
        }
        // A box larger than the screen keeps its top-left corner on it.
        QCOMPARE(PlaceBeside(QPoint(10, 10), QSize(2000, 900), screen), QPoint(0, 0));
    }
};

QTEST_MAIN(QtServicesTest)
#include "QtServicesTest.moc"
