// Window tests of the Open window: every click previews a hull file, "Done", the refused close
// box, the rig, ballast and figure frames, and the "VRML" button of the main window.
#include <QApplication>
#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QtTest>

#include <filesystem>

#include "Form4.h"
#include "MainWindowFixture.h"
#include "QtCanvas.h"
#include "model/HullFile.h"
#include "open/FigureFile.h"

using namespace merrowin;

namespace {

using Window = test::MainWindow;
using test::TypeInto;

Form4& OpenWindow(Window& w) {
    return w.Open("dummy2", &Form1::OpenWindow);
}

// Clicks a file of the list once the list, filled in the background, shows it.
bool ClickFile(Form4& open, const char* name) {
    const QString file = QString::fromUtf8(name);
    if (!QTest::qWaitFor([&] { return open.Browser().FileNames().contains(file); })) {
        return false;
    }
    return open.Browser().ClickFile(file);
}

// Pixels of exactly one palette colour in a picture.
int Pixels(const QImage& image, int colour) {
    return test::CountPixels(image, [c = test::Palette(colour)](QRgb p) { return p == c; });
}

// A click on a check box's or option button's box, at its left end.
void ClickBox(QAbstractButton& button) {
    QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(6, button.height() / 2));
}

// The chosen figure's outline, point by point.
std::vector<std::pair<double, double>> Outline(const ViewState& view) {
    std::vector<std::pair<double, double>> points;
    for (int i = 1; i <= view.FigurePointCount; ++i) {
        points.emplace_back(view.FigureOutlineZ[static_cast<std::size_t>(i)],
                            view.FigureOutlineY[static_cast<std::size_t>(i)]);
    }
    return points;
}

} // namespace

class Form4Test : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }
    void openResetsCalculationsAndEveryClickPreviews();
    void doneKeepsTheHullAndTheCloseBoxIsRefused();
    void figureIsChosenMovedFlippedAndDropped();
    void rigAndBallastBoxesSetTheHullAndComeBackFromItsFile();
    void vrmlButtonWritesTheWorldOrSaysWhyNot();
};

void Form4Test::openResetsCalculationsAndEveryClickPreviews() {
    Window w;
    HullDocument boat = w.Hull();
    boat.ChineCount = 6;
    boat.InfoLines = {"A. Builder", "Sharpie 16", "", ""};
    QVERIFY(WriteHullFile(w.Folder(), "boat.hul", boat).Ok());
    w.Action("EnterWaterline")->trigger();
    QVERIFY(w.form->HScroll1().isVisible());

    Form4& open = OpenWindow(w);
    // The calculations were reset before any file is previewed.
    QVERIFY(!w.form->HScroll1().isVisible());
    QVERIFY(!w.Action("EnterWaterline")->isChecked());
    QCOMPARE(open.Text1().text(), QStringLiteral("default.hul"));
    QCOMPARE(open.Label3().text(), QString::fromStdString(w.Folder().string()));

    QVERIFY(ClickFile(open, "boat.hul"));
    const std::string name = (w.Folder() / "boat.hul").string();
    QCOMPARE(w.Status(), "Working on..." + name);
    QCOMPARE(open.Text1().text(), QStringLiteral("boat.hul"));
    QCOMPARE(w.form->VScroll1().value(), 6);
    QCOMPARE(open.Label4().text(), QStringLiteral("A. Builder"));
    QCOMPARE(open.Label11().text(), QStringLiteral("Sharpie 16"));

    // The same file clicked again is read again: what was changed in between is gone.
    const double keel = w.Hull().OffsetX[2][1];
    w.Hull().OffsetX[2][1] = keel + 10;
    QVERIFY(ClickFile(open, "boat.hul"));
    QCOMPARE(w.Hull().OffsetX[2][1], keel);
}

void Form4Test::doneKeepsTheHullAndTheCloseBoxIsRefused() {
    Window w;
    HullDocument boat = w.Hull();
    boat.ChineCount = 3;
    QVERIFY(WriteHullFile(w.Folder(), "dory.hul", boat).Ok());
    w.form->resize(500, 380);
    Form4& open = OpenWindow(w);
    QVERIFY(ClickFile(open, "dory.hul"));
    w.form->move(0, 0);
    w.form->Status().SetPanel(1, "");

    // Neither the title bar's close box nor Escape leaves the window.
    QVERIFY(!test::ClickCloseBox(open));
    QVERIFY(open.isVisible());
    QTest::keyClick(&open, Qt::Key_Escape);
    QVERIFY(open.isVisible());

    QTest::mouseClick(&open.Command(1), Qt::LeftButton);
    QVERIFY(!open.isVisible());
    QCOMPARE(w.Hull().ChineCount, 3);
    QCOMPARE(w.Status(), "Working on..." + (w.Folder() / "dory.hul").string());
    const QRect screen = w.form->screen()->geometry();
    QVERIFY((screen.center() - w.form->frameGeometry().center()).manhattanLength() <= 2);

    // Shown again, it keeps its folder; the main window's closing closes it.
    OpenWindow(w);
    QVERIFY(open.isVisible());
    QCOMPARE(open.Label3().text(), QString::fromStdString(w.Folder().string()));
    w.dialogs.NextMessageAnswer = MessageAnswer::No;
    QVERIFY(w.form->close());
    QVERIFY(!open.isVisible());
}

void Form4Test::figureIsChosenMovedFlippedAndDropped() {
    Window w;
    Form4& open = OpenWindow(w);
    const std::vector<FigureOutline> figures = LoadFigureFile(w.Folder());
    for (int i = 0; i < MaxFigures; ++i) {
        QVERIFY(Pixels(open.Picture2(i).Image(), Colour::Red) > 20);
    }
    ViewState& view = w.View();
    PictureBox& main = w.form->Picture2();
    const int marks = Pixels(main.Image(), Colour::LightRed); // the hull's own red marks

    QTest::mouseClick(&open.Picture2(1), Qt::LeftButton);
    QCOMPARE(view.FigureIndex, 1);
    QCOMPARE(open.windowTitle(), QString::fromStdString(figures[1].Title));
    QVERIFY(open.Shape2().isVisible());
    QVERIFY(open.Shape2().geometry().contains(open.Picture2(1).geometry()));
    QVERIFY(Pixels(main.Image(), Colour::LightRed) > marks + 20);

    // Dragged with the mouse in the main view.
    const QPoint from = main.ToWidget(view.FigureZ, view.FigureY).toPoint();
    const QPoint to = from + QPoint(40, 25);
    QTest::mousePress(&main, Qt::LeftButton, Qt::NoModifier, from);
    QTest::mouseMove(&main, to);
    QTest::mouseRelease(&main, Qt::LeftButton, Qt::NoModifier, to);
    const QPointF dropped = main.ToUser(to);
    QVERIFY(std::abs(view.FigureZ - dropped.x()) < 1e-6);
    QVERIFY(std::abs(view.FigureY - dropped.y()) < 1e-6);
    QCOMPARE(view.FigureIndex, 1);

    // A flip reaches the figure and is drawn at once.
    const auto outline = Outline(view);
    const QImage before = main.Image().copy();
    QTest::mouseClick(&open.Command(5), Qt::LeftButton);
    QVERIFY(Outline(view) != outline);
    QVERIFY(main.Image() != before);

    // The chosen thumbnail clicked again drops it.
    QTest::mouseClick(&open.Picture2(1), Qt::LeftButton);
    QVERIFY(view.FigureIndex == -1 && !open.Shape2().isVisible());
    QCOMPARE(Pixels(main.Image(), Colour::LightRed), marks);

    // A new height set with the scroll bar drops the figure.
    QTest::mouseClick(&open.Picture2(0), Qt::LeftButton);
    QCOMPARE(view.FigureIndex, 0);
    open.VScroll2().setValue(72);
    QCOMPARE(open.Text3().text(), QStringLiteral("72"));
    QVERIFY(view.FigureIndex == -1 && !open.Shape2().isVisible());
}

void Form4Test::rigAndBallastBoxesSetTheHullAndComeBackFromItsFile() {
    Window w;
    Form4& open = OpenWindow(w);
    const struct {
        RigBox Box;
        const char* Text;
        double HullDocument::*Value;
    } rig[] = {{MastLengthBox, "170", &HullDocument::MastLength},
               {StepPositionBox, "36", &HullDocument::MastStepZ},
               {FootLengthBox, "96", &HullDocument::FootLength}};
    for (const auto& box : rig) {
        TypeInto(open.RigText(box.Box), box.Text);
        QCOMPARE(w.Hull().*box.Value, std::stod(box.Text));
    }
    ClickBox(open.Option2());
    QVERIFY(w.Hull().KeelStep && !w.Hull().DeckStep);
    PictureBox& main = w.form->Picture2();
    QCOMPARE(Pixels(main.Image(), Colour::LightMagenta), 0);
    ClickBox(open.Rig());
    QVERIFY(w.View().Rig);
    QVERIFY(Pixels(main.Image(), Colour::LightMagenta) > 100);
    TypeInto(open.BallastText(0), "250");
    QCOMPARE(w.Hull().BallastWeight, 250.0);

    // Saved and read back through the list, after the boxes were emptied.
    QVERIFY(WriteHullFile(w.Folder(), "rigged.hul", w.Hull()).Ok());
    for (const auto& box : rig) {
        TypeInto(open.RigText(box.Box), "0");
    }
    ClickBox(open.Option1());
    TypeInto(open.BallastText(0), "1");
    QVERIFY(ClickFile(open, "rigged.hul"));
    for (const auto& box : rig) {
        QCOMPARE(open.RigText(box.Box).text(), QString::fromUtf8(box.Text));
    }
    QVERIFY(open.Option2().isChecked() && !open.Option1().isChecked());
    QCOMPARE(open.BallastText(0).text(), QStringLiteral("250"));
}

void Form4Test::vrmlButtonWritesTheWorldOrSaysWhyNot() {
    Window w;
    std::filesystem::create_directory(w.Folder() / "boats");
    QVERIFY(WriteHullFile(w.Folder() / "boats", "pram.hul", w.Hull()).Ok());
    Form4& open = OpenWindow(w);
    QVERIFY(open.Browser().SetFolder(QString::fromStdString((w.Folder() / "boats").string())));
    QVERIFY(ClickFile(open, "pram.hul"));
    open.Command1Click();
    auto* vrml = w.form->findChild<QPushButton*>("Command2");
    QTest::mouseClick(vrml, Qt::LeftButton);
    // Beside the hull, and the copy in the working folder.
    QVERIFY(std::filesystem::is_regular_file(w.Folder() / "boats" / "pram.wrl"));
    QVERIFY(std::filesystem::is_regular_file(w.Folder() / "default.wrl"));
    QCOMPARE(w.Status(), "Working on..." + (w.Folder() / "boats" / "pram.hul").string());

    std::filesystem::remove(w.Folder() / "default.wrl");
    std::filesystem::create_directory(w.Folder() / "default.wrl");
    QTest::mouseClick(vrml, Qt::LeftButton);
    QVERIFY2(w.Status().rfind("Could not write", 0) == 0, w.Status().c_str());
}

QTEST_MAIN(Form4Test)
#include "Form4Test.moc"
