// Window tests of the Stability Curve window and the 3-D mesh item: the window opens from its menu
// computed on the hull, the designer's centre of gravity reaches the hull, the plot
// is saved as PNG and SVG (and a refused name fails), and the mesh item writes the file.
#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QtTest>

#include <filesystem>

#include "MainWindowFixture.h"
#include "StabilityWindow.h"

using namespace merrowin;

namespace {

using Window = test::MainWindow;

StabilityWindow& OpenCurve(Window& w) {
    return w.Open("StabilityCurve", &Form1::StabilityCurveWindow);
}

} // namespace

class StabilityWindowTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }
    void opensComputedOnTheHull();
    void designersCentreOfGravityGoesIntoTheHull();
    void savesThePlotAsPngAndSvg();
    void exportsTheMesh();
};

void StabilityWindowTest::opensComputedOnTheHull() {
    Window w;
    w.Hydro().WaterlineHeight = 6;
    StabilityWindow& window = OpenCurve(w);
    QCOMPARE(window.Table().rowCount(), static_cast<int>(window.Curve().Points.size()));
    QVERIFY(window.Criteria().text().contains("Largest righting arm: "));
    // The curve is drawn: blue pixels on the plot.
    const int blue = test::CountPixels(window.Plot().Image(), [](QRgb p) {
        return qBlue(p) > 100 && qRed(p) < 60 && qGreen(p) < 60;
    });
    QVERIFY(blue > 100);
}

void StabilityWindowTest::designersCentreOfGravityGoesIntoTheHull() {
    Window w;
    w.Hydro().WaterlineHeight = 6;
    StabilityWindow& window = OpenCurve(w);
    QVERIFY(!window.DesignerGravity().isChecked());
    QVERIFY(!w.Hull().DesignCenterOfGravity);
    window.DesignerGravity().setChecked(true);
    window.HeightBox().setText("60");
    window.StationBox().setText("55");
    window.Compute();
    QVERIFY(w.Hull().DesignCenterOfGravity == (CenterOfGravity{60, 55}));
    QCOMPARE(window.Curve().Gravity.Y, 60.0);
    // Unticked, the hull has none again and the boxes show the assumed one.
    window.DesignerGravity().setChecked(false);
    window.Compute();
    QVERIFY(!w.Hull().DesignCenterOfGravity);
    QVERIFY(window.HeightBox().text() != "60.00");
}

void StabilityWindowTest::savesThePlotAsPngAndSvg() {
    Window w;
    w.Hydro().WaterlineHeight = 6;
    StabilityWindow& window = OpenCurve(w);
    const std::filesystem::path png = w.Folder() / "curve.png";
    const std::filesystem::path svg = w.Folder() / "curve.svg";
    QVERIFY(!window.SavePlot(png).HasFailed());
    QVERIFY(!window.SavePlot(svg).HasFailed());
    // Both read back as images of one size (the SVG through Qt's own reader).
    const QImage image(QString::fromStdString(png.string()));
    QVERIFY(!image.isNull());
    QCOMPARE(QImage(QString::fromStdString(svg.string())).size(), image.size());
    // A bare name goes to the working folder.
    QVERIFY(!window.SavePlot("bare.svg").HasFailed());
    QVERIFY(w.Exists("bare.svg"));
    QVERIFY(window.SavePlot(w.Folder() / "curve.bmp").HasFailed());
    std::filesystem::create_directory(w.Folder() / "taken.svg");
    QVERIFY(window.SavePlot(w.Folder() / "taken.svg").HasFailed());
}

void StabilityWindowTest::exportsTheMesh() {
    Window w;
    QVERIFY(w.Action("ExportMesh") != nullptr);
    QVERIFY(!w.form->ExportMesh(w.Folder() / "hull.stl", true).HasFailed());
    QVERIFY(std::filesystem::file_size(w.Folder() / "hull.stl") > 84);
    std::filesystem::create_directory(w.Folder() / "taken.obj");
    QVERIFY(w.form->ExportMesh(w.Folder() / "taken.obj", false).HasFailed());
    QVERIFY(w.Status().find("taken.obj") != std::string::npos);
}

QTEST_MAIN(StabilityWindowTest)
#include "StabilityWindowTest.moc"
