// Window tests of the main window: start-up, its menus, boxes, keys and mouse reaching the
// engine's handlers, the controls showing the model, autosave, closing and "&Save, Create". The
// rules those handlers follow are the core tests'.
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QTimer>
#include <QtTest>

#include <cmath>
#include <fstream>

#include "Form3.h"
#include "MainWindowFixture.h"
#include "model/HullFile.h"
#include "text/NumberText.h"
#include "views/RescalePitch.h"
#include "views/ViewGeometry.h"

using namespace merrowin;
using Window = test::MainWindow;
using test::TypeInto;

class Form1Test : public QObject {
    Q_OBJECT
private slots:
    // Closing a window under test must not end the test run.
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

    void startsWithTheDefaultHullDrawn() {
        Window w;
        Form1& form = *w.form;
        // The start-up box was the first and only box, and nothing was written.
        QCOMPARE(w.dialogs.Asked, std::vector<std::string>{"Merrowin"});
        // It points at what comes with the program, never at an address that does not exist.
        const QString text = QString::fromStdString(w.dialogs.Texts.at(0));
        QVERIFY(text.contains("manual.md") && text.contains("merrowin --help"));
        QVERIFY(!text.contains('@') && !text.contains("http") && !text.contains(".org"));
        QVERIFY(!w.Exists("default.hul"));
        QVERIFY(form.Text3().text() == "4" && form.VScroll1().value() == 4);
        QCOMPARE(form.Text1(4).text(), QStringLiteral("140"));
        QVERIFY(!form.HScroll1().isVisible() && !form.Combo1().isVisible());
        QVERIFY(form.findChild<QTimer*>("Timer1")->isActive());
        // The repaint has run: the beam shown, the views drawn, and drawn again over the larger
        // picture of a larger window.
        QVERIFY(QString::fromStdString(form.Status().Panel(2)).startsWith("MBm:"));
        QVERIFY(test::Inked(form.Picture2().Image()) > 400);
        const QImage before = form.Picture2().Image().copy();
        form.resize(form.width() + 300, form.height());
        QTRY_VERIFY(form.Picture2().Image().width() > before.width());
        QVERIFY(form.Picture2().Image().copy(before.rect()) != before);
    }

    void menuItemsChangeTheModelAndTheirMarksShowIt() {
        Window w;
        w.Action("AutoSpline")->trigger();
        QVERIFY(!w.Hull().AutoSpline && !w.Action("AutoSpline")->isChecked());
        QCOMPARE(w.form->Status().Panel(2), std::string("MBm:0.00")); // repainted, nothing derived
        w.Action("LockBulkheads")->trigger();
        QVERIFY(w.app.Work.LockBulkheads && w.Action("LockBulkheads")->isChecked());
        w.Action("TrueView")->trigger();
        QVERIFY(!w.View().TrueView && !w.Action("TrueView")->isChecked());
        QCOMPARE(w.Status(), std::string("false view"));
        w.Action("Plan")->trigger();
        QCOMPARE(EditedView(w.View()), ViewKind::Plan);
        // Chosen twice, a view stays checked, alone.
        w.Action("Profile")->trigger();
        w.Action("Profile")->trigger();
        QVERIFY(w.Action("Profile")->isChecked() && !w.Action("Plan")->isChecked());
        QVERIFY(w.form->Text1(0).hasFocus());
    }

    void chineCountBoxAndScrollBarFollowEachOther() {
        Window w;
        w.form->VScroll1().setValue(6);
        QVERIFY(w.form->Text3().text() == "6" && w.Hull().ChineCount == 6);
        // The box shows the corrected count and the scroll bar follows it.
        TypeInto(w.form->Text3(), "45");
        QVERIFY(w.form->Text3().text() == "30" && w.form->VScroll1().value() == 30);
    }

    // The upper arrow of the chine-count scroll bar raises the count, the lower one lowers it,
    // clicked as the user does.
    void chineCountArrowsPointTheWayTheCountGoes() {
        Window w;
        QScrollBar& bar = w.form->VScroll1();
        QTest::mouseClick(&bar, Qt::LeftButton, Qt::NoModifier, QPoint(bar.width() / 2, 2));
        QVERIFY(w.form->Text3().text() == "5" && w.Hull().ChineCount == 5);
        for (int i = 0; i < 2; ++i) {
            QTest::mouseClick(&bar, Qt::LeftButton, Qt::NoModifier,
                              QPoint(bar.width() / 2, bar.height() - 3));
        }
        QVERIFY(w.form->Text3().text() == "3" && w.Hull().ChineCount == 3);
    }

    // After a rescale to 100 inches the stations have many figures: each box shows its first
    // ones and has room for ten.
    void stationBoxesShowLongNumbersFromTheirStart() {
        Window w;
        w.dialogs.InputAnswers = {"100"};
        w.Action("dummy12")->trigger(); // "Length &Overall (change all)"
        for (int b = 2; b <= 3; ++b) {
            QLineEdit& box = w.form->Text1(b);
            QVERIFY2(box.text().size() > 10, qPrintable(box.text()));
            QCOMPARE(box.cursorPosition(), 0);
            const int room =
                box.width() - 2 * box.style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
            QVERIFY(room - 4 >= box.fontMetrics().horizontalAdvance(QStringLiteral("0000000000")));
        }
    }

    // At its smallest the window still shows every control whole, none over another, with the
    // waterline slider and the results list at its foot; the list holds its longest title.
    void smallestWindowHasNoOverlappingControls() {
        Window w;
        Form1& form = *w.form;
        w.Hydro().ResultsText = "Results, Heeled 15.0 degree";
        w.Hydro().HScroll1Visible = w.Hydro().Combo1Visible = true;
        form.RefreshControls();
        form.resize(form.minimumSize());
        QTRY_COMPARE(form.size(), form.minimumSize());
        QVERIFY2(form.minimumWidth() <= 800 && form.minimumHeight() <= 600,
                 qPrintable(QString("%1 x %2").arg(form.minimumWidth()).arg(form.minimumHeight())));
        const QComboBox& list = form.Combo1();
        const int title =
            list.fontMetrics().horizontalAdvance(QString::fromStdString(w.Hydro().ResultsText));
        QVERIFY(list.width() > title + 24);
        QVERIFY(form.HScroll1().y() > form.Picture2().geometry().bottom());
        QVERIFY(list.geometry().right() < form.HScroll1().x());
        const QWidget* client = form.centralWidget();
        QList<QWidget*> controls;
        for (QWidget* child : client->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            // Text1(0) is the window's own focus holder, out of sight.
            if (child->isVisible() && child != &form.Text1(0)) {
                QVERIFY2(client->rect().contains(child->geometry()),
                         qPrintable(child->objectName()));
                controls.append(child);
            }
        }
        QVERIFY(controls.size() >= 19);
        for (int i = 0; i < controls.size(); ++i) {
            for (int j = i + 1; j < controls.size(); ++j) {
                QVERIFY2(!controls[i]->geometry().intersects(controls[j]->geometry()),
                         qPrintable(controls[i]->objectName() + " " + controls[j]->objectName()));
            }
        }
    }

    void stationBoxesAndArrowKeysReachTheWindow() {
        Window w;
        Form1& form = *w.form;
        w.Action("AutoSpline")->trigger();
        // Any key checks Auto-Spline; Enter stores, the keypad's as well.
        TypeInto(form.Text1(2), "60");
        QVERIFY(w.Action("AutoSpline")->isChecked() && w.Hull().OffsetZ[2][1] == 58);
        QTest::keyClick(&form.Text1(2), Qt::Key_Return);
        QCOMPARE(w.Hull().OffsetZ[2][4], 60.0);
        TypeInto(form.Text1(3), "90");
        QTest::keyClick(&form.Text1(3), Qt::Key_Enter);
        QCOMPARE(w.Hull().OffsetZ[3][4], 90.0);
        // The stem box is one of them, shown with its label: Enter sets every chine's stem.
        QVERIFY(form.Text1(0).isVisible() && form.findChild<QLabel*>("Label0")->isVisible());
        TypeInto(form.Text1(0), "2");
        QCOMPARE(w.Hull().OffsetZ[0][1], 1.3);
        QTest::keyClick(&form.Text1(0), Qt::Key_Return);
        QVERIFY(w.Hull().OffsetZ[0][1] == 2 && w.Hull().OffsetZ[0][4] == 2);

        // Left and Right move a box's cursor and spin nothing; Up and Down in a box are the
        // window's: a spin, the cursor stays, the focus moves to the stem box. Outside a text
        // box every arrow spins.
        const double step = std::abs(w.View().SpinStep);
        const auto spun = w.View().ViewPoints;
        form.Text1(1).setFocus();
        form.Text1(1).setCursorPosition(1);
        QTest::keyClick(&form.Text1(1), Qt::Key_Right);
        QVERIFY(form.Text1(1).cursorPosition() == 2 && w.View().ViewPoints == spun);
        QTest::keyClick(&form.Text1(1), Qt::Key_Up);
        QVERIFY(w.View().SpinStep == -step && form.Text1(1).cursorPosition() == 2);
        QVERIFY(form.Text1(0).hasFocus());
        QTest::keyClick(&form, Qt::Key_Down);
        QCOMPARE(w.View().SpinStep, step);
        const double before = w.View().ViewPoints[4][7][1];
        QTest::mouseClick(form.findChild<QWidget*>("Command5"), Qt::LeftButton);
        QVERIFY(w.View().ViewPoints[4][7][1] != before);
    }

    // The autosave writes "default.hul", whatever the hull's name, and keeps the status; the
    // next start reads it.
    void autosaveWritesTheHullTheNextStartReads() {
        Window w;
        w.app.Work.HullFileName = "other.hul";
        w.form->Status().SetPanel(1, "Working on...other.hul");
        w.form->VScroll1().setValue(6);
        w.Hull().OffsetZ[2][1] = 61.5; // bulkhead 2's station, read into its box
        w.Hull().OffsetZ[0][1] = 3.5;  // and chine 1's stem station into the stem box
        w.form->Timer1Timer();
        QVERIFY(!w.Exists("other.hul"));
        QCOMPARE(w.Status(), std::string("Working on...other.hul"));
        AppState app;
        ScriptedDialogs dialogs;
        Form1 next(app, w.Folder(), &dialogs);
        QVERIFY(next.VScroll1().value() == 6 && next.Text1(2).text() == "61.5");
        QCOMPARE(next.Text1(0).text(), QString("3.5"));
        QCOMPARE(next.Status().Panel(1), std::string("Working on...default.hul"));
    }

    void closingAsksWhetherToSaveAtZeroPitch() {
        Window w;
        w.app.Work.HullFileName = "boat.hul";
        w.dialogs.NextMessageAnswer = MessageAnswer::Cancel;
        QVERIFY(!w.form->close() && w.form->isVisible());
        w.dialogs.NextMessageAnswer = MessageAnswer::No;
        w.Action("dummy6")->trigger(); // "&Exit"
        QVERIFY(!w.form->isVisible() && !w.Exists("boat.hul"));

        // Yes with a pitch of 5 degrees applied: the shape is saved as it was before the pitch
        // (which may leave it shifted).
        Window yes;
        yes.app.Work.HullFileName = "boat.hul";
        yes.Hull().OffsetY[1][3] = 17.25;
        yes.app.Work.PitchAngle = 5;
        ApplyPitch(yes.app, *yes.form);
        yes.dialogs.NextMessageAnswer = MessageAnswer::Yes;
        QVERIFY(yes.form->close());
        AppState saved;
        QVERIFY(ReadHullFile(yes.Folder(), "boat.hul", saved.Hull, saved.Work));
        QVERIFY(std::abs(saved.Hull.OffsetY[1][3] - saved.Hull.OffsetY[1][1] - 17.25) < 1e-6);

        // A save that cannot be written keeps the window open rather than lose the hull.
        Window stuck;
        stuck.app.Work.HullFileName = "no-such-folder/boat.hul";
        stuck.dialogs.NextMessageAnswer = MessageAnswer::Yes;
        QVERIFY(!stuck.form->close());
    }

    void clearOldPatternsDeletesOnlyPatternFiles() {
        Window w;
        for (const char* name : {"bulk1.uc", "handplot.txt", "keep.txt"}) {
            std::ofstream(w.Folder() / name) << "x\r\n";
        }
        w.Action("dummy21")->trigger();
        QVERIFY(!w.Exists("bulk1.uc") && !w.Exists("handplot.txt") && w.Exists("keep.txt"));
    }

    void mouseEditsTheHullInTheMainView() {
        Window w;
        PictureBox& view = w.form->Picture2();
        w.Action("Profile")->trigger();
        // Bulkhead 2 dragged by its crossing with chine 2 to station 64: there within a pixel,
        // and its box shows it.
        const double height = w.Hull().OffsetY[2][2];
        const QPoint end = view.ToWidget(64, height).toPoint();
        QTest::mousePress(&view, Qt::LeftButton, Qt::NoModifier,
                          view.ToWidget(58, height).toPoint());
        QTest::mouseMove(&view, end);
        QTest::mouseRelease(&view, Qt::LeftButton, Qt::NoModifier, end);
        const double station = w.Hull().OffsetZ[2][1];
        const double pixel = 1 / (view.ToWidget(1, 0).x() - view.ToWidget(0, 0).x());
        QVERIFY2(std::abs(station - 64) <= pixel, qPrintable(QString::number(station)));
        QCOMPARE(w.form->Text1(2).text().toStdString(), FormatNumber(station, "0.00"));

        // A double click asks for exact values: a new width, then Cancel on the height.
        w.Action("Sections")->trigger();
        const QPoint point =
            view.ToWidget(w.Hull().OffsetX[3][3], w.Hull().OffsetY[3][3]).toPoint();
        w.dialogs.InputAnswers = {"31.5", ""};
        QTest::mouseClick(&view, Qt::LeftButton, Qt::NoModifier, point); // the first click picks
        QTest::mouseDClick(&view, Qt::LeftButton, Qt::NoModifier, point);
        QCOMPARE(w.Hull().OffsetX[3][3], 31.5);
    }

    void rightDragZoomsAndThumbnailsChooseTheView() {
        Window w;
        PictureBox& view = w.form->Picture2();
        w.Action("Profile")->trigger();
        const QPoint corner = view.ToWidget(60, 10).toPoint();
        const QImage before = view.Image().copy();
        QTest::mousePress(&view, Qt::RightButton, Qt::NoModifier, view.ToWidget(20, 40).toPoint());
        QTest::mouseMove(&view, corner);
        QVERIFY(view.Image() != before); // the band is on the picture while the button is held
        QTest::mouseRelease(&view, Qt::RightButton, Qt::NoModifier, corner);
        // The view now shows the zoom rectangle edge to edge.
        const QPointF topLeft = view.ToUser(QPointF(1, 1));
        QVERIFY(std::abs(topLeft.x() - w.View().ZoomX1) < 1e-3);
        QVERIFY(std::abs(topLeft.y() - w.View().ZoomY2) < 1e-3);

        // The plan thumbnail clears the zoom and shows the plan, the logo the perspective.
        QTest::mouseClick(&w.form->Picture1(2), Qt::LeftButton);
        QVERIFY(w.View().Plan && w.View().ZoomX2 == 0 && w.Action("Plan")->isChecked());
        QTest::mouseClick(&w.form->Picture3(), Qt::LeftButton);
        QCOMPARE(EditedView(w.View()), ViewKind::Perspective);
    }

    // Patterns are made at zero pitch, in the working folder, from one dialog kept for the run.
    void saveCreateResetsThePitchAndRunsInTheWorkingFolder() {
        Window w;
        w.app.Work.PitchAngle = 4;
        ApplyPitch(w.app, *w.form);
        w.Action("Dummy4")->trigger(); // "&Save, Create"
        QCOMPARE(w.app.Work.AppliedPitch, 0.0);
        Form3* dialog = w.form->PatternsWindow();
        QVERIFY(dialog != nullptr && dialog->isVisible());
        dialog->Command2().click(); // "Cancel"
        w.Action("Dummy4")->trigger();
        QCOMPARE(w.form->PatternsWindow(), dialog);
        dialog->Text1().setText("skiff");
        dialog->Command1().click(); // "Save"
        QVERIFY(w.Exists("chine1.tri") && w.Exists("skiff.hul"));
        QVERIFY(w.Status().rfind("Working on...skiff.hul - ", 0) == 0);
    }
};

QTEST_MAIN(Form1Test)
#include "Form1Test.moc"
