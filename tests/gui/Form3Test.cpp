// Window tests of "Save and Create Patterns", opened by "&Save, Create": remembered settings,
// the boxes feeding the model, the keys and the buttons. The rules of the boxes and the pattern
// run are the core tests'.
#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QtTest>

#include "Form3.h"
#include "MainWindowFixture.h"
#include "io/Files.h"
#include "patterns/PatternSettings.h"
#include "text/NumberText.h"

using namespace merrowin;

namespace {

using test::TypeInto;

// The main window with the dialog open over the default hull.
struct Dialog : test::MainWindow {
    Form3& Open() { return MainWindow::Open("Dummy4", &Form1::PatternsWindow); } // "&Save, Create"
};

} // namespace

class Form3Test : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

    // The close box unloads the dialog: the settings are written and the status line keeps its
    // text, as Cancel would not.
    void settingsReadOnLoadAndWrittenOnUnload() {
        Dialog d;
        PatternOptions saved;
        saved.Text = false;
        saved.Keel = saved.Dxf = true;
        QVERIFY(WritePatternSettings(d.Folder(), saved).Ok());
        Form3& dialog = d.Open();
        QVERIFY(!dialog.Check(5).isChecked() && dialog.Check(1).isChecked());
        QVERIFY(dialog.Check(10).isChecked() && dialog.Check(4).isChecked());
        // No export folder saved: the working folder, never the program's own.
        QCOMPARE(dialog.Text6().text(), d.dir.path());
        QCOMPARE(dialog.Label3().text(), d.dir.path());

        dialog.Check(3).click(); // HPGL
        dialog.Check(10).click();
        TypeInto(dialog.Text6(), "/srv/other");
        QVERIFY(d.app.Work.Patterns.Hpgl && !d.app.Work.Patterns.Keel);
        QCOMPARE(d.app.Work.Patterns.ExportPath, std::string("/srv/other/"));
        d.form->Status().SetPanel(1, "Designing");
        QVERIFY(test::ClickCloseBox(dialog));
        QVERIFY(!dialog.isVisible());
        QCOMPARE(d.Status(), std::string("Designing"));
        PatternOptions reread;
        QVERIFY(ReadPatternSettings(d.Folder(), reread));
        QCOMPARE(PatternSettingsText(reread), PatternSettingsText(d.app.Work.Patterns));
    }

    void boxesShowAndFeedTheModel() {
        Dialog d;
        d.app.Hull.FramePositions[5] = 58.5;
        d.app.Hull.InfoLines[3] = "01-02-2024";
        QVERIFY(WriteFileAtomic(d.Folder(), "Second.HUL", "2\r\n").Ok());
        Form3& dialog = d.Open();
        QVERIFY(dialog.FrameText(5).text() == "58.5" && dialog.InfoText(3).text() == "01-02-2024");
        QTRY_COMPARE(dialog.Browser().FileNames().size(), 1); // the hull files only

        TypeInto(dialog.Text1(), "boat"); // the box keeps ".hul" behind the typing
        QCOMPARE(dialog.Text1().text(), QString("boat.hul"));
        QCOMPARE(d.app.Work.HullFileName, std::string("boat.hul"));
        TypeInto(dialog.FrameText(2), "-24");
        QCOMPARE(d.app.Hull.FramePositions[2], 24.0);
        TypeInto(dialog.InfoText(1), "Skiff, 12 ft");
        QCOMPARE(d.app.Hull.InfoLines[1], std::string("Skiff, 12 ft"));
        dialog.Command3().click(); // "Now"
        QCOMPARE(d.app.Hull.InfoLines[3], DateText(LocalNow()));
        // Clicking a file names the hull by its folder and name.
        QVERIFY(dialog.Browser().ClickFile("Second.HUL"));
        QCOMPARE(d.app.Work.HullFileName, (d.Folder() / "Second.HUL").string());
    }

    // Centred on its first show only, so that a move stays; Escape cancels and keeps the
    // changes; Enter in the file name saves.
    void escapeCancelsAndEnterInTheFileNameSaves() {
        Dialog d;
        Form3& dialog = d.Open();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        const QRect area = dialog.screen()->availableGeometry();
        QVERIFY((dialog.geometry().center() - area.center()).manhattanLength() <= 4);
        dialog.move(area.topLeft() + QPoint(30, 40));
        const QPoint moved = dialog.pos();
        TypeInto(dialog.Text1(), "kept");
        dialog.Check(9).click();
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QVERIFY(!dialog.isVisible() && !d.Exists("kept.hul") && d.Exists("hull.dat"));
        QCOMPARE(d.Status(), std::string("Working on...kept.hul"));

        // Without expansions Enter only saves, and the dialog stays open; Enter in another box
        // runs nothing.
        d.Open();
        QCOMPARE(dialog.pos(), moved);
        dialog.Check(1).click();
        QTest::keyClick(&dialog.FrameText(0), Qt::Key_Return);
        QVERIFY(!d.Exists("kept.hul"));
        QTest::keyClick(&dialog.Text1(), Qt::Key_Return);
        QVERIFY(d.Exists("kept.hul") && !d.Exists("bhead1.uc") && dialog.isVisible());
    }

    void saveShowsWhatTheRunChanged() {
        Dialog d;
        d.form->VScroll1().setValue(2);
        Form3& dialog = d.Open();
        bool nestingUnloaded = false;
        dialog.UnloadNestingWindow = [&] { nestingUnloaded = true; };
        dialog.Check(8).click(); // Soles: cleared by a run on two chines
        TypeInto(dialog.FrameText(0), "500");
        dialog.Check(4).click(); // DXF, with the export box emptied
        dialog.Text6().clear();
        dialog.Command1().click();
        QVERIFY(!dialog.isVisible() && nestingUnloaded);
        QVERIFY(!dialog.Check(8).isChecked() && dialog.FrameText(0).text() == "140");
        QVERIFY(d.Exists("chine1.tri") && d.Exists("frame1.uc") && d.Exists("frame1.dxf"));
        // The settings are written as the run left them, and again when the main window
        // closes and unloads the hidden dialog.
        PatternOptions reread;
        QVERIFY(ReadPatternSettings(d.Folder(), reread) && !reread.Soles);
        QVERIFY(std::filesystem::remove(d.Folder() / "hull.dat"));
        d.dialogs.NextMessageAnswer = MessageAnswer::No;
        QVERIFY(d.form->close());
        reread.Soles = true;
        QVERIFY(ReadPatternSettings(d.Folder(), reread) && !reread.Soles);
    }
};

QTEST_MAIN(Form3Test)
#include "Form3Test.moc"
