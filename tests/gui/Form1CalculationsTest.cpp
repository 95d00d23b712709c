// Window tests of the main window's calculations: the Calculations menu, the waterline slider
// and the results list reach their handlers, and show the model's state and drawing. The
// hydrostatics themselves are the core tests'.
#include <QComboBox>
#include <QScrollBar>
#include <QSignalSpy>
#include <QtTest>

#include "MainWindowFixture.h"

using namespace merrowin;

namespace {

// The main window with the start-up box forgotten.
struct Window : test::MainWindow {
    Window() { dialogs.Asked.clear(); }
    // The waterline control on, then the slider moved by the user to `position` tenths.
    void WaterlineAt(int position) {
        Action("EnterWaterline")->trigger();
        form->HScroll1().setValue(position);
    }
    int PixelsOf(PictureBox& picture, int colour) {
        return test::PixelsOf(picture.Image(), colour);
    }
};

} // namespace

class Form1CalculationsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

    void waterlineControlShowsTheSliderUntilTurnedOffOrReleasedOverTheView() {
        Window w;
        Form1& form = *w.form;
        w.Action("EnterWaterline")->trigger();
        QVERIFY(w.Action("EnterWaterline")->isChecked() && w.Action("EnterHeel")->isEnabled());
        QVERIFY(form.HScroll1().isVisible() && form.HScroll1().value() == 10);
        QVERIFY(w.Action("Plan")->isChecked()); // the perspective gave way to the plan
        w.Action("EnterWaterline")->trigger();
        QVERIFY(!form.HScroll1().isVisible() && !w.Action("EnterHeel")->isEnabled());
        w.WaterlineAt(50);
        PictureBox& view = form.Picture2();
        const QPoint empty = view.ToWidget(-4, -4).toPoint(); // nothing to pick there
        QTest::mousePress(&view, Qt::LeftButton, Qt::NoModifier, empty);
        QTest::mouseRelease(&view, Qt::LeftButton, Qt::NoModifier, empty);
        QVERIFY(!form.HScroll1().isVisible() && !w.Action("EnterWaterline")->isChecked());
    }

    void movingTheSliderComputesAndDrawsTheWaterline() {
        Window w;
        Form1& form = *w.form;
        w.Action("EnterWaterline")->trigger();
        form.HScroll1().triggerAction(QAbstractSlider::SliderPageStepAdd);
        QCOMPARE(form.HScroll1().value(), 11);
        form.HScroll1().setValue(123);
        QCOMPARE(w.Hydro().WaterlineHeight, 12.3);
        QVERIFY(form.Combo1().isVisible());
        QCOMPARE(form.Combo1().itemText(0).toStdString(), w.Hydro().ResultsLines.at(0));
        // The waterline across the side thumbnails, edge to edge, and the waterplane outline on
        // the plan thumbnail, all in light blue; a repaint of the main view alone brings the
        // outline back onto the plan thumbnail.
        for (int thumbnail : {0, 1}) {
            QVERIFY(w.PixelsOf(form.Picture1(thumbnail), Colour::LightBlue) >=
                    form.Picture1(thumbnail).Image().width() - 2);
        }
        form.Picture1(2).Clear();
        form.RepaintMainView();
        QVERIFY(w.PixelsOf(form.Picture1(2), Colour::LightBlue) > 50);
    }

    void pickedResultStaysPickedWithItsNewValue() {
        Window w;
        QComboBox& combo = w.form->Combo1();
        w.WaterlineAt(20);
        combo.setFocus();
        QTest::keyClicks(&combo, "Le"); // "Length of Waterline", by its first letters
        QCOMPARE(w.Hydro().ResultsIndex, 8);
        w.form->HScroll1().setValue(80);
        QCOMPARE(combo.currentIndex(), 8);
        QCOMPARE(combo.currentText().toStdString(), w.Hydro().ResultsLines[8]);
    }

    void displacementMovesTheSliderWithoutRunningIt() {
        Window w;
        Form1& form = *w.form;
        QSignalSpy moves(&form.HScroll1(), &QScrollBar::valueChanged);
        w.dialogs.InputAnswers = {"300"};
        w.Action("displacement")->trigger();
        // The search stepped the model's slider many times; the widget only followed it.
        QCOMPARE(moves.count(), 0);
        QCOMPARE(form.HScroll1().value(), w.Hydro().HScroll1.Value);
        QVERIFY(form.HScroll1().isVisible() && w.Action("EnterWaterline")->isChecked());
    }

    // What the heel and the contours draw stays on the main view: the refresh after a menu
    // item shows the controls only.
    void heelAndContoursKeepTheirDrawing() {
        Window w;
        Form1& form = *w.form;
        w.WaterlineAt(60);
        w.dialogs.InputAnswers = {"15"};
        w.Action("EnterHeel")->trigger();
        QCOMPARE(w.dialogs.Asked, std::vector<std::string>{"Heel Angle"});
        QCOMPARE(form.Combo1().placeholderText().toStdString(), w.Hydro().ResultsText);
        const QImage heeled = form.Picture2().Image().copy();
        form.RepaintMainView();
        QVERIFY(form.Picture2().Image() != heeled);
        w.Action("Contours")->trigger();
        QVERIFY(w.PixelsOf(form.Picture2(), Colour::LightCyan) > 100);
    }

    // A pitch with the waterline shown takes the slider's range with it.
    void pitchTakesTheSlidersRangeWithIt() {
        Window w;
        w.WaterlineAt(40);
        w.dialogs.InputAnswers = {"5"};
        w.Action("EnterPitch")->trigger();
        QCOMPARE(w.app.Work.AppliedPitch, 5.0);
        QCOMPARE(w.form->HScroll1().maximum(), w.Hydro().HScroll1.Max);
    }
};

QTEST_MAIN(Form1CalculationsTest)
#include "Form1CalculationsTest.moc"
