// Window tests of the main window's calculations: the waterline slider, the results list, the
// Calculations menu, the water choice, the hull transformations and the resets of "&Open".
#include <QComboBox>
#include <QScrollBar>
#include <QSignalSpy>
#include <QtTest>

#include <cmath>
#include <filesystem>

#include "MainWindowFixture.h"
#include "ui/Canvas.h"

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
};

// Pixels of a palette colour in a picture.
int PixelsOf(PictureBox& picture, int colour) {
    const Rgb rgb = PaletteColour(colour);
    const QRgb wanted = qRgb(rgb.R, rgb.G, rgb.B);
    const QImage& image = picture.Image();
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            count += image.pixel(x, y) == wanted ? 1 : 0;
        }
    }
    return count;
}

constexpr int LightBlue = 9;
constexpr int LightCyan = 11;

} // namespace

class Form1CalculationsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }
    void waterlineControlShowsTheSliderAndEnablesHeel();
    void movingTheSliderComputesAndDrawsTheWaterline();
    void pickedResultStaysPickedWithItsNewValue();
    void displacementFloatsTheHullAndWaterFollows();
    void heelFillsTheHeeledReportAndKeepsItsDrawing();
    void releaseOverTheViewLeavesTheWaterlineMode();
    void rescaleAndPitchChangeTheHullAndTheSlider();
    void openResetsTheCalculations();
};

void Form1CalculationsTest::waterlineControlShowsTheSliderAndEnablesHeel() {
    Window w;
    Form1& form = *w.form;
    QVERIFY(!w.Action("EnterHeel")->isEnabled());
    // A disabled "&Heel" asks nothing.
    w.Action("EnterHeel")->trigger();
    QVERIFY(w.dialogs.Asked.empty());

    w.Action("EnterWaterline")->trigger();
    QVERIFY(w.Action("EnterWaterline")->isChecked());
    QVERIFY(w.Action("EnterHeel")->isEnabled());
    QVERIFY(form.HScroll1().isVisible());
    // The range in tenths of an inch, up to the hull's height; the position 0 moved to 10.
    QCOMPARE(form.HScroll1().maximum(), w.Hydro().HScroll1.Max);
    QCOMPARE(form.HScroll1().value(), 10);
    // The perspective gave way to the plan.
    QVERIFY(w.Action("Plan")->isChecked());

    // Off again: the slider hides and "&Heel" is disabled; the waterline stays.
    w.Action("EnterWaterline")->trigger();
    QVERIFY(!form.HScroll1().isVisible());
    QVERIFY(!w.Action("EnterHeel")->isEnabled());
    QCOMPARE(w.Hydro().WaterlineHeight, 1.0);
}

void Form1CalculationsTest::movingTheSliderComputesAndDrawsTheWaterline() {
    Window w;
    Form1& form = *w.form;
    w.Action("EnterWaterline")->trigger();
    std::filesystem::remove(w.Folder() / "watrplne.uc");
    // A whole repaint leaves no waterline on the thumbnails.
    form.RepaintWindow();
    QCOMPARE(PixelsOf(form.Picture1(1), LightBlue), 0);

    form.HScroll1().triggerAction(QAbstractSlider::SliderPageStepAdd);
    QCOMPARE(form.HScroll1().value(), 11);
    form.HScroll1().setValue(123);
    QCOMPARE(w.Hydro().WaterlineHeight, 12.3);
    QVERIFY(QString::fromStdString(w.Status()).startsWith("WL:12.3\""));
    QVERIFY(w.Exists("watrplne.uc"));
    QVERIFY(form.Combo1().isVisible());
    QCOMPARE(form.Combo1().itemText(0), QString("Waterline heighth: 12.3 in.\""));
    QCOMPARE(form.Combo1().placeholderText(), QString("Results"));

    // The waterline across the side thumbnails, edge to edge, and the waterplane outline on the
    // plan thumbnail, all in light blue.
    for (int thumbnail : {0, 1}) {
        QVERIFY2(PixelsOf(form.Picture1(thumbnail), LightBlue) >=
                     form.Picture1(thumbnail).Image().width() - 2,
                 qPrintable(QString::number(thumbnail)));
    }
    QVERIFY(PixelsOf(form.Picture1(2), LightBlue) > 50);
    // A repaint of the main view alone brings the outline back onto the plan thumbnail.
    form.Picture1(2).Clear();
    form.RepaintMainView();
    QVERIFY(PixelsOf(form.Picture1(2), LightBlue) > 50);
}

void Form1CalculationsTest::pickedResultStaysPickedWithItsNewValue() {
    Window w;
    Form1& form = *w.form;
    w.WaterlineAt(20);
    QComboBox& combo = form.Combo1();
    // The user picks "Length of Waterline" by typing its first letters.
    combo.setFocus();
    QTest::keyClicks(&combo, "Le");
    QCOMPARE(w.Hydro().ResultsIndex, 8);
    const QString before = combo.currentText();

    form.HScroll1().setValue(80);
    QCOMPARE(combo.currentIndex(), 8);
    QVERIFY(combo.currentText() != before);
    QCOMPARE(combo.currentText().toStdString(), w.Hydro().ResultsLines[8]);
}

void Form1CalculationsTest::displacementFloatsTheHullAndWaterFollows() {
    Window w;
    Form1& form = *w.form;
    QSignalSpy moves(&form.HScroll1(), &QScrollBar::valueChanged);
    w.dialogs.InputAnswers = {"-300"};
    w.Action("displacement")->trigger();
    QCOMPARE(w.dialogs.Asked, std::vector<std::string>{"Displacement"});
    QCOMPARE(w.Hydro().TargetDisplacement, 300.0);
    // The search stepped the model's slider many times; the widget only followed it.
    QCOMPARE(moves.count(), 0);
    QCOMPARE(form.HScroll1().value(), w.Hydro().HScroll1.Value);
    QVERIFY(w.Action("EnterWaterline")->isChecked() && w.Action("EnterHeel")->isEnabled());
    // Found to the tenth of an inch: within the weight of one tenth.
    const double found = w.Hydro().WaterlineHeight;
    QCOMPARE(found, form.HScroll1().value() / 10.0);
    QVERIFY(QString::fromStdString(w.Status())
                .startsWith(QString("WL:%1\"").arg(QString::number(found, 'f', 1))));
    QVERIFY(std::abs(w.Hydro().Displacement - 300) < 20);

    // Sea water: the pair of check marks swaps and the same waterline weighs more.
    const double fresh = w.Hydro().Displacement;
    w.Action("Seawater")->trigger();
    QVERIFY(w.Action("Seawater")->isChecked() && !w.Action("Freshwater")->isChecked());
    QCOMPARE(w.Hydro().WaterlineHeight, found);
    QVERIFY(std::abs(w.Hydro().Displacement / fresh - 8.5556 / 8.3305) < 1e-5);
    // Choosing "&Freshwater (20 C.)" while it is unchecked goes back to fresh water.
    w.Action("Freshwater")->trigger();
    QVERIFY(std::abs(w.Hydro().Displacement - fresh) < 1e-3);

    // Cancelled: the list hides and the slider stays as it was.
    w.dialogs.InputAnswers.clear();
    w.Action("displacement")->trigger();
    QVERIFY(!form.Combo1().isVisible());
    QCOMPARE(moves.count(), 0);
}

void Form1CalculationsTest::heelFillsTheHeeledReportAndKeepsItsDrawing() {
    Window w;
    Form1& form = *w.form;
    w.WaterlineAt(60);
    w.dialogs.InputAnswers = {"15"};
    w.Action("EnterHeel")->trigger();
    QCOMPARE(w.dialogs.Asked, std::vector<std::string>{"Heel Angle"});
    QVERIFY(QString::fromStdString(w.Status()).startsWith("Heeled WL at:15.0 degrees, displ:"));
    QComboBox& combo = form.Combo1();
    QVERIFY(combo.isVisible());
    QCOMPARE(combo.placeholderText(), QString("Results, Heeled 15.0 degrees"));
    QCOMPARE(combo.itemText(0), QString("Heel angle: 15.0 degrees"));

    // The heeled hull is still on the main view: a repaint draws something else.
    const QImage heeled = form.Picture2().Image().copy();
    form.RepaintMainView();
    QVERIFY(form.Picture2().Image() != heeled);

    // The contours stay on the plan view as well.
    w.Action("Contours")->trigger();
    QVERIFY(w.Action("Plan")->isChecked());
    QVERIFY(PixelsOf(form.Picture2(), LightCyan) > 100);
}

void Form1CalculationsTest::releaseOverTheViewLeavesTheWaterlineMode() {
    Window w;
    Form1& form = *w.form;
    w.WaterlineAt(50);
    PictureBox& view = form.Picture2();
    const QPoint empty = view.ToWidget(-4, -4).toPoint(); // nothing to pick there
    QTest::mousePress(&view, Qt::LeftButton, Qt::NoModifier, empty);
    QTest::mouseRelease(&view, Qt::LeftButton, Qt::NoModifier, empty);
    QVERIFY(!form.HScroll1().isVisible());
    QVERIFY(!w.Action("EnterWaterline")->isChecked());
    QCOMPARE(w.Hydro().WaterlineHeight, 5.0);
}

void Form1CalculationsTest::rescaleAndPitchChangeTheHullAndTheSlider() {
    Window w;
    Form1& form = *w.form;
    const HullDocument before = w.app.Hull;
    w.dialogs.InputAnswers = {"70"};
    w.Action("dummy12")->trigger(); // "Length &Overall (change all)"
    QCOMPARE(w.dialogs.Asked, std::vector<std::string>{"ReScale"});
    QCOMPARE(w.app.Hull.OffsetY[2][4], before.OffsetY[2][4] / 2);
    QCOMPARE(form.Text1(2).text(), QString("29"));
    QCOMPARE(w.app.Work.HullLength, 70.0); // the window was repainted

    // Height only, cancelled: nothing changes.
    w.dialogs.InputAnswers.clear();
    w.Action("dummy19")->trigger();
    QCOMPARE(w.app.Hull.OffsetY[2][4], before.OffsetY[2][4] / 2);

    // A pitch with the waterline shown: the warning once, then the angle; the slider's range
    // follows the pitched hull's height.
    w.WaterlineAt(40);
    w.dialogs.Asked.clear();
    w.dialogs.InputAnswers = {"5"};
    w.Action("EnterPitch")->trigger();
    QCOMPARE(w.dialogs.Asked, (std::vector<std::string>{"Warning", "Pitch Angle"}));
    QCOMPARE(w.app.Work.AppliedPitch, 5.0);
    QCOMPARE(form.HScroll1().maximum(), w.Hydro().HScroll1.Max);
    QCOMPARE(form.HScroll1().value(), w.Hydro().HScroll1.Value);
}

void Form1CalculationsTest::openResetsTheCalculations() {
    Window w;
    Form1& form = *w.form;
    w.WaterlineAt(90);
    w.dialogs.InputAnswers = {"3"};
    w.Action("EnterPitch")->trigger();
    QVERIFY(form.Combo1().isVisible());

    w.Action("dummy2")->trigger(); // "&Open"
    QCOMPARE(w.Hydro().WaterlineHeight, 0.0);
    QCOMPARE(w.Hydro().DisplacedVolume, 0.0);
    QCOMPARE(w.app.Work.AppliedPitch, 0.0);
    QVERIFY(!w.Action("EnterWaterline")->isChecked());
    QVERIFY(!form.HScroll1().isVisible());
    QVERIFY(!form.Combo1().isVisible());
    QCOMPARE(form.Combo1().count(), 0);
}

QTEST_MAIN(Form1CalculationsTest)
#include "Form1CalculationsTest.moc"
