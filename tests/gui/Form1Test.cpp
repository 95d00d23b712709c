// Window tests of the main window: start-up, menus, small controls, mouse, "&Save, Create" with
// its patterns window, autosave and closing.
#include <QComboBox>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QtTest>

#include <cmath>
#include <fstream>

#include "Form3.h"
#include "MainWindowFixture.h"
#include "io/Files.h"
#include "model/HullFile.h"
#include "text/NumberText.h"
#include "views/RescalePitch.h"

using namespace merrowin;

namespace {

using Window = test::MainWindow;
using test::TypeInto;

} // namespace

class Form1Test : public QObject {
    Q_OBJECT
private slots:
    // Closing a window under test must not end the test run.
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }
    void startsWithTheDefaultHullAndBoxes();
    void readsDefaultHullAtStartUp();
    void menusCarryTheirCaptionsAndStates();
    void layoutFollowsTheWindowSize();
    void chineCountBoxClampsAndExtrapolates();
    void stationBoxStoresOnEnterOnly();
    void arrowKeysSpinThePerspective();
    void autosaveWritesDefaultHullAndKeepsStatus();
    void closingAsksWhetherToSave();
    void clearOldPatternsDeletesOnlyPatternFiles();
    void leftDragInProfileMovesBulkhead();
    void rightDragZoomsAndThumbnailClears();
    void doubleClickAsksForExactValues();
    void saveCreateResetsThePitchAndFillsTheDialog();
    void saveWritesPatternsAndHullInTheWorkingFolder();
};

void Form1Test::startsWithTheDefaultHullAndBoxes() {
    Window w;
    Form1& form = *w.form;
    QCOMPARE(form.windowTitle(), QStringLiteral("Merrowin 1.91"));
    // The start-up box was the first and only box.
    QCOMPARE(w.dialogs.Asked, std::vector<std::string>{"Merrowin"});

    QCOMPARE(w.Hull().ChineCount, 4);
    QCOMPARE(form.Text3().text(), QStringLiteral("4"));
    QCOMPARE(form.VScroll1().value(), 4);
    const char* const stations[] = {"28", "58", "96", "140"};
    for (int b = 1; b <= 4; ++b) {
        QCOMPARE(form.Text1(b).text(), QString::fromUtf8(stations[b - 1]));
    }
    QCOMPARE(w.app.Work.HullFileName, std::string("default.hul"));
    QVERIFY(w.app.Work.View.TrueView);
    QVERIFY(!form.HScroll1().isVisible());
    QVERIFY(!form.Combo1().isVisible());

    // The repaint has run: the beam shown, the views drawn.
    QVERIFY(QString::fromStdString(form.Status().Panel(2)).startsWith("MBm:"));
    const QImage& view = form.Picture2().Image();
    QVERIFY(view.width() >= 900 && view.height() >= 500);
    int inked = 0;
    for (int y = 0; y < view.height(); y += 2) {
        for (int x = 0; x < view.width(); x += 2) {
            inked += view.pixel(x, y) != qRgb(255, 255, 255) ? 1 : 0;
        }
    }
    QVERIFY(inked > 100);

    auto* timer = form.findChild<QTimer*>("Timer1");
    QVERIFY(timer != nullptr);
    QVERIFY(timer->isActive());
    // Nothing was written at start-up.
    QVERIFY(!w.Exists("default.hul"));
}

void Form1Test::readsDefaultHullAtStartUp() {
    QTemporaryDir dir;
    HullDocument saved;
    LoadDefaultHull(saved);
    saved.ChineCount = 6;
    saved.OffsetZ[2][1] = 61.5; // bulkhead 2's station, read into its box
    QVERIFY(WriteHullFile(dir.path().toStdString(), "default.hul", saved).Ok());

    AppState app;
    ScriptedDialogs dialogs;
    Form1 form(app, dir.path().toStdString(), &dialogs);
    QCOMPARE(app.Hull.ChineCount, 6);
    QCOMPARE(form.VScroll1().value(), 6);
    QCOMPARE(form.Text1(2).text(), QStringLiteral("61.5"));
    QCOMPARE(form.Status().Panel(1), std::string("Working on...default.hul"));
}

void Form1Test::menusCarryTheirCaptionsAndStates() {
    Window w;
    struct Item {
        const char* Name;
        const char* Caption;
    };
    const Item items[] = {{"dummy1", "&File"},
                          {"dummy2", "&Open"},
                          {"Dummy4", "&Save, Create"},
                          {"dummy21", "&Clear old patterns"},
                          {"dummy6", "&Exit"},
                          {"dummy7", "&Data"},
                          {"dummy8", "&Offsets Table"},
                          {"AutoSpline", "&Auto-Spline chines"},
                          {"LockBulkheads", "&Lock Bulkheads in 'Z'"},
                          {"Dummy9", "&Calculations"},
                          {"displacement", "&Displacement"},
                          {"EnterWaterline", "&Waterline"},
                          {"Contours", "&Contours"},
                          {"EnterPitch", "&Pitch"},
                          {"EnterHeel", "&Heel"},
                          {"dummy", "&Water"},
                          {"Freshwater", "&Freshwater (20 C.)"},
                          {"Seawater", "&Seawater"},
                          {"dummy17", "&Rescale"},
                          {"dummy12", "Length &Overall (change all)"},
                          {"dummy18", "Maximum &Beam Only"},
                          {"dummy19", "Maximum &Height Only"},
                          {"dummy88", "Maximum &Length Only"},
                          {"dummy13", "&View"},
                          {"Sections", "&Sections"},
                          {"Profile", "&Profile"},
                          {"Plan", "P&lan"},
                          {"TrueView", "&True View"},
                          {"dummy14", "&Patterns"},
                          {"dummy15", "&Nesting"}};
    for (const Item& item : items) {
        QAction* action = w.Action(item.Name);
        QVERIFY2(action != nullptr, item.Name);
        QCOMPARE(action->text(), QString::fromUtf8(item.Caption));
    }
    for (const char* separator :
         {"dummy3", "dummy5", "dummy20", "dummy16", "dummy30", "dummy10", "dummy87", "dummy22"}) {
        QAction* action = w.Action(separator);
        QVERIFY2(action != nullptr && action->isSeparator(), separator);
    }
    // The File menu in order, separators included.
    const QList<QAction*> file = w.form->findChild<QMenu*>("dummy1")->actions();
    QStringList names;
    for (QAction* action : file) {
        names << action->objectName();
    }
    QCOMPARE(names,
             QStringList({"dummy2", "dummy3", "Dummy4", "dummy5", "dummy21", "dummy20", "dummy6"}));

    // Check marks and enabled states at start-up.
    QVERIFY(w.Action("AutoSpline")->isChecked());
    QVERIFY(!w.Action("LockBulkheads")->isChecked());
    QVERIFY(w.Action("Freshwater")->isChecked());
    QVERIFY(!w.Action("Seawater")->isChecked());
    QVERIFY(w.Action("TrueView")->isChecked());
    QVERIFY(!w.Action("EnterHeel")->isEnabled());

    // The toggles change the model, and the check marks show the model.
    w.Action("AutoSpline")->trigger();
    QVERIFY(!w.Hull().AutoSpline);
    QVERIFY(!w.Action("AutoSpline")->isChecked());
    QCOMPARE(w.form->Status().Panel(2), std::string("MBm:0.00")); // nothing derived
    w.Action("LockBulkheads")->trigger();
    QVERIFY(w.app.Work.LockBulkheads);
    QVERIFY(w.Action("LockBulkheads")->isChecked());
    w.Action("TrueView")->trigger();
    QVERIFY(!w.View().TrueView);
    QCOMPARE(w.form->Status().Panel(1), std::string("false view"));
    // Choosing a view checks it alone; choosing it again leaves it checked.
    w.Action("Plan")->trigger();
    w.Action("Profile")->trigger();
    w.Action("Profile")->trigger();
    QVERIFY(w.View().Profile && !w.View().Plan && !w.View().Sections);
    QVERIFY(w.Action("Profile")->isChecked());
    QVERIFY(!w.Action("Plan")->isChecked());
    QVERIFY(w.form->Text1(0).hasFocus());
}

void Form1Test::layoutFollowsTheWindowSize() {
    Window w;
    Form1& form = *w.form;
    // 345 and 2745 twips at 15 twips a pixel.
    form.resize(1300, 900);
    QTest::qWait(10);
    QCOMPARE(form.Picture2().width(), 1300 - 23);
    QCOMPARE(form.Picture2().height(), 900 - 183);
    QCOMPARE(form.Combo1().x(), form.Picture2().width() - 201);
    // The backing image follows, and the view is drawn again at the new size.
    QCOMPARE(form.Picture2().Image().width(), 1300 - 23 - 2);
}

void Form1Test::chineCountBoxClampsAndExtrapolates() {
    Window w;
    Form1& form = *w.form;
    // The scroll bar sets the count and the box: 6 brings back the default hull's chines 5 and
    // 6, 7 fills chine 7 by extrapolation from them.
    form.VScroll1().setValue(6);
    QCOMPARE(form.Text3().text(), QStringLiteral("6"));
    form.VScroll1().setValue(7);
    QCOMPARE(w.Hull().ChineCount, 7);
    QCOMPARE(w.Hull().OffsetX[2][7], 2 * w.Hull().OffsetX[2][6] - w.Hull().OffsetX[2][5]);
    // The box shows the corrected count and the scroll bar follows it.
    TypeInto(form.Text3(), "45");
    QCOMPARE(form.Text3().text(), QStringLiteral("30"));
    QCOMPARE(w.Hull().ChineCount, 30);
    QCOMPARE(form.VScroll1().value(), 30);
}

void Form1Test::stationBoxStoresOnEnterOnly() {
    Window w;
    Form1& form = *w.form;
    w.Action("AutoSpline")->trigger();
    TypeInto(form.Text1(2), "60");
    // Any key checks Auto-Spline; nothing is stored before Enter.
    QVERIFY(w.Hull().AutoSpline);
    QVERIFY(w.Action("AutoSpline")->isChecked());
    QCOMPARE(w.Hull().OffsetZ[2][1], 58.0);
    QTest::keyClick(&form.Text1(2), Qt::Key_Return);
    QCOMPARE(w.Hull().OffsetZ[2][4], 60.0);
    QCOMPARE(form.Text1(2).text(), QStringLiteral("60"));
    // The Enter key of the keypad stores as well.
    TypeInto(form.Text1(3), "x9");
    QTest::keyClick(&form.Text1(3), Qt::Key_Enter);
    QCOMPARE(w.Hull().OffsetZ[3][4], 0.0);
}

void Form1Test::arrowKeysSpinThePerspective() {
    Window w;
    Form1& form = *w.form;
    w.Action("Plan")->trigger();
    const double step = std::abs(w.View().SpinStep);
    TypeInto(form.Text1(1), "12");
    form.Text1(1).setCursorPosition(1);
    QTest::keyClick(&form.Text1(1), Qt::Key_Right);
    // The window took the key: a spin to the right, the perspective view, the focus moved.
    QCOMPARE(w.View().SpinStep, -step);
    QVERIFY(!w.View().Plan);
    QCOMPARE(form.Text1(1).cursorPosition(), 1);
    QVERIFY(form.Text1(0).hasFocus());
    QTest::keyClick(&form, Qt::Key_Down);
    QCOMPARE(w.View().SpinStep, step);
    QTest::keyClick(&form, Qt::Key_Up);
    QCOMPARE(w.View().SpinStep, -step);
    // A button turns by the sign the last key left.
    const double before = w.View().ViewPoints[4][7][1];
    QTest::mouseClick(form.findChild<QWidget*>("Command5"), Qt::LeftButton);
    QVERIFY(w.View().ViewPoints[4][7][1] != before);
    QCOMPARE(w.View().SpinStep, -step);
}

void Form1Test::autosaveWritesDefaultHullAndKeepsStatus() {
    Window w;
    w.app.Work.HullFileName = "other.hul";
    w.form->Status().SetPanel(1, "Working on...other.hul");
    w.form->Timer1Timer();
    QVERIFY(w.Exists("default.hul"));
    QVERIFY(!w.Exists("other.hul"));
    QCOMPARE(w.form->Status().Panel(1), std::string("Working on...other.hul"));

    // The file holds the hull as it stands, and reads back.
    w.Hull().OffsetX[3][2] = 24.5;
    w.form->Timer1Timer();
    AppState back;
    ResetToStartup(back);
    QVERIFY(ReadHullFile(w.Folder(), "default.hul", back.Hull, back.Work));
    QCOMPARE(back.Hull.OffsetX[3][2], 24.5);
}

void Form1Test::closingAsksWhetherToSave() {
    Window w;
    w.app.Work.HullFileName = "boat.hul";
    w.app.Work.PitchAngle = 5;
    w.dialogs.Asked.clear();

    w.dialogs.NextMessageAnswer = MessageAnswer::Cancel;
    QVERIFY(!w.form->close());
    QVERIFY(w.form->isVisible());
    QCOMPARE(w.app.Work.PitchAngle, 0.0); // the pitch stays reset
    QVERIFY(!w.Exists("boat.hul"));

    w.dialogs.NextMessageAnswer = MessageAnswer::No;
    w.form->findChild<QAction*>("dummy6")->trigger(); // "&Exit"
    QVERIFY(!w.form->isVisible());
    QVERIFY(!w.Exists("boat.hul"));

    // Yes with a pitch of 5 degrees applied: the autosave a moment earlier holds the pitched
    // hull, the save on exit the unpitched one.
    Window yes;
    yes.app.Work.HullFileName = "boat.hul";
    yes.Hull().OffsetY[1][3] = 17.25;
    yes.app.Work.PitchAngle = 5;
    ApplyPitch(yes.app, *yes.form);
    QVERIFY(std::abs(yes.Hull().OffsetY[1][3] - 17.25) > 0.5);
    yes.form->Timer1Timer();
    yes.dialogs.NextMessageAnswer = MessageAnswer::Yes;
    QVERIFY(yes.form->close());
    QVERIFY(yes.Exists("boat.hul"));
    QCOMPARE(yes.app.Work.AppliedPitch, 0.0);
    AppState back;
    ResetToStartup(back);
    QVERIFY(ReadHullFile(yes.Folder(), "boat.hul", back.Hull, back.Work));
    // Back at zero pitch: the shape as it was (the pitch may leave the hull shifted).
    QVERIFY(std::abs(back.Hull.OffsetY[1][3] - back.Hull.OffsetY[1][1] - 17.25) < 1e-6);
    AppState autosaved;
    ResetToStartup(autosaved);
    QVERIFY(ReadHullFile(yes.Folder(), "default.hul", autosaved.Hull, autosaved.Work));
    QVERIFY(std::abs(autosaved.Hull.OffsetY[1][3] - 17.25) > 0.5);

    // A save that cannot be written keeps the window open rather than lose the hull.
    Window stuck;
    stuck.app.Work.HullFileName = "no-such-folder/boat.hul";
    stuck.dialogs.NextMessageAnswer = MessageAnswer::Yes;
    QVERIFY(!stuck.form->close());
    QVERIFY(stuck.form->isVisible());
}

void Form1Test::clearOldPatternsDeletesOnlyPatternFiles() {
    Window w;
    for (const char* name : {"bulk1.uc", "CHINE1.UC", "handplot.txt", "keep.txt", "boat.hul"}) {
        std::ofstream(w.Folder() / name) << "x\r\n";
    }
    w.Action("dummy21")->trigger();
    QVERIFY(!w.Exists("bulk1.uc") && !w.Exists("CHINE1.UC") && !w.Exists("handplot.txt"));
    QVERIFY(w.Exists("keep.txt") && w.Exists("boat.hul"));
}

void Form1Test::leftDragInProfileMovesBulkhead() {
    Window w;
    PictureBox& view = w.form->Picture2();
    w.Action("Profile")->trigger();
    // Bulkhead 2 at chine 2, where the press picks it.
    const QPoint start = view.ToWidget(w.Hull().OffsetZ[2][2], w.Hull().OffsetY[2][2]).toPoint();
    const QPoint end = view.ToWidget(64, w.Hull().OffsetY[2][2]).toPoint();
    QTest::mousePress(&view, Qt::LeftButton, Qt::NoModifier, start);
    QCOMPARE(w.app.Work.SelectedChine, 2);
    QCOMPARE(w.app.Work.SelectedBulkhead, 2);
    QTest::mouseMove(&view, end);
    QTest::mouseRelease(&view, Qt::LeftButton, Qt::NoModifier, end);

    // The bulkhead moved to the mouse, within a pixel, and its station box shows it.
    const double station = w.Hull().OffsetZ[2][1];
    const double pixel = 1 / (view.ToWidget(1, 0).x() - view.ToWidget(0, 0).x());
    QVERIFY2(std::abs(station - 64) <= pixel, qPrintable(QString::number(station)));
    QCOMPARE(w.form->Text1(2).text().toStdString(), FormatNumber(station, "0.00"));
    // The read-out shows the dragged crossing.
    QVERIFY(QString::fromStdString(w.form->Status().Panel(3)).endsWith("z"));
}

void Form1Test::rightDragZoomsAndThumbnailClears() {
    Window w;
    PictureBox& view = w.form->Picture2();
    w.Action("Profile")->trigger();
    const QPoint anchor = view.ToWidget(20, 40).toPoint();
    const QPoint corner = view.ToWidget(60, 10).toPoint();
    const QImage before = view.Image().copy();
    QTest::mousePress(&view, Qt::RightButton, Qt::NoModifier, anchor);
    QTest::mouseMove(&view, corner);
    // The rubber band is on the picture while the button is held.
    QVERIFY(view.Image() != before);
    QTest::mouseRelease(&view, Qt::RightButton, Qt::NoModifier, corner);

    const ViewState& state = w.View();
    QVERIFY(state.ZoomX1 < state.ZoomX2 && state.ZoomY1 < state.ZoomY2);
    // The band keeps the picture's proportions.
    const double ratio = (state.ZoomX2 - state.ZoomX1) / (state.ZoomY2 - state.ZoomY1);
    QVERIFY(std::abs(ratio - view.Width() / view.Height()) < 1e-3);
    // The view now shows the zoom rectangle edge to edge.
    const QPointF topLeft = view.ToUser(QPointF(1, 1));
    QVERIFY(std::abs(topLeft.x() - state.ZoomX1) < 1e-3);
    QVERIFY(std::abs(topLeft.y() - state.ZoomY2) < 1e-3);

    // A click on the plan thumbnail clears the zoom and shows the plan.
    QTest::mouseClick(&w.form->Picture1(2), Qt::LeftButton);
    QCOMPARE(state.ZoomX2, 0.0f);
    QVERIFY(state.Plan && !state.Profile);
    QVERIFY(w.Action("Plan")->isChecked());
    // The logo brings back the perspective at full extent.
    QTest::mouseClick(&w.form->Picture3(), Qt::LeftButton);
    QVERIFY(!state.Plan && !state.Profile && !state.Sections);
}

void Form1Test::doubleClickAsksForExactValues() {
    Window w;
    PictureBox& view = w.form->Picture2();
    w.Action("Sections")->trigger();
    // Without a button the mouse position is read out in the status bar.
    QTest::mouseMove(&view, view.ToWidget(20, 10).toPoint());
    const QPointF at = view.ToUser(view.ToWidget(20, 10).toPoint());
    QCOMPARE(w.form->Status().Panel(5), FormatNumber(at.x(), "0.00") + "x");
    QCOMPARE(w.form->Status().Panel(3), std::string("z"));

    // Bulkhead 3 at chine 3: a new width, then Cancel on the height.
    const QPoint point = view.ToWidget(w.Hull().OffsetX[3][3], w.Hull().OffsetY[3][3]).toPoint();
    const double height = w.Hull().OffsetY[3][3];
    w.dialogs.Asked.clear();
    w.dialogs.InputAnswers = {"31.5", ""};
    // The first click of a double click picks the point.
    QTest::mouseClick(&view, Qt::LeftButton, Qt::NoModifier, point);
    QTest::mouseDClick(&view, Qt::LeftButton, Qt::NoModifier, point);
    QCOMPARE(w.app.Work.SelectedChine, 3);
    QCOMPARE(w.app.Work.SelectedBulkhead, 3);
    QCOMPARE(w.Hull().OffsetX[3][3], 31.5);
    QCOMPARE(w.Hull().OffsetY[3][3], height);
    QCOMPARE(w.dialogs.Asked,
             (std::vector<std::string>{"New Bulkhead Width", "New Bulkhead Height"}));
}

void Form1Test::saveCreateResetsThePitchAndFillsTheDialog() {
    Window w;
    std::ofstream(w.Folder() / "other.hul") << "x\r\n";
    w.app.Hull.FramePositions[1] = 60;
    w.app.Hull.InfoLines[3] = "01-02-2027";
    w.app.Work.HullFileName = "skiff.hul";
    w.app.Work.PitchAngle = 4;
    ApplyPitch(w.app, *w.form);
    const double pitchedKeel = w.app.Hull.OffsetY[4][1];

    QVERIFY(w.form->PatternsWindow() == nullptr);
    w.Action("Dummy4")->trigger(); // "&Save, Create"
    // Back at zero pitch before anything is made from the hull.
    QCOMPARE(w.app.Work.PitchAngle, 0.0);
    QCOMPARE(w.app.Work.AppliedPitch, 0.0);
    QVERIFY(std::abs(w.app.Hull.OffsetY[4][1] - pitchedKeel) > 0.5);

    Form3* dialog = w.form->PatternsWindow();
    QVERIFY(dialog != nullptr);
    QVERIFY(dialog->isVisible());
    QCOMPARE(dialog->FrameText(1).text(), QString("60"));
    QCOMPARE(dialog->Text1().text(), QString("skiff.hul"));
    QCOMPARE(dialog->InfoText(3).text(), QString("01-02-2027"));
    QTRY_VERIFY(dialog->Browser().FileNames().contains("other.hul"));

    // Cancel hides it; the next "&Save, Create" shows the same window with the model's values.
    dialog->Command2().click();
    QVERIFY(!dialog->isVisible());
    w.app.Hull.FramePositions[1] = 72;
    w.Action("Dummy4")->trigger(); // "&Save, Create"
    QCOMPARE(w.form->PatternsWindow(), dialog);
    QVERIFY(dialog->isVisible());
    QCOMPARE(dialog->FrameText(1).text(), QString("72"));
}

void Form1Test::saveWritesPatternsAndHullInTheWorkingFolder() {
    Window w;
    w.Action("Dummy4")->trigger(); // "&Save, Create"
    Form3& dialog = *w.form->PatternsWindow();
    dialog.Text1().setText("skiff");
    QCOMPARE(w.app.Work.HullFileName, std::string("skiff.hul"));
    dialog.FrameText(0).setText("70");
    dialog.Command1().click(); // "Save"

    // The run hides the dialog and leaves the patterns, the listing and the hull in the working
    // folder (the files of the run itself are the patterns dialog's own tests).
    QVERIFY(!dialog.isVisible());
    QVERIFY(w.Exists("chine1.tri") && w.Exists("chine3.tri")); // one per chine panel
    QVERIFY(w.Exists("handplot.txt") && w.Exists("skiff.hul") && w.Exists("default.hul"));
    QCOMPARE(w.form->Status().Panel(1), std::string("Working on...skiff.hul"));

    AppState back;
    ResetToStartup(back);
    QVERIFY(ReadHullFile(w.Folder(), "skiff.hul", back.Hull, back.Work));
    QCOMPARE(back.Hull.FramePositions[0], 70.0);
    QCOMPARE(back.Hull.ChineCount, 4);
}

QTEST_MAIN(Form1Test)
#include "Form1Test.moc"
