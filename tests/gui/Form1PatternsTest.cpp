// Window tests of "&Save, Create": the pitch reset, the Save and Create Patterns window filled from
// the hull, and its Save run writing the patterns and the hull file into the working folder.
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

#include <cmath>
#include <filesystem>
#include <fstream>

#include "Form3.h"
#include "MainWindowFixture.h"
#include "model/HullFile.h"
#include "views/RescalePitch.h"

using namespace merrowin;

namespace {

struct Window : test::MainWindow {
    void SaveCreate() { Action("Dummy4")->trigger(); }
};

int FilesEndingIn(const std::filesystem::path& folder, const std::string& extension) {
    int count = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        count += entry.path().extension() == extension ? 1 : 0;
    }
    return count;
}

} // namespace

class Form1PatternsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }
    void saveCreateResetsThePitchAndFillsTheDialog();
    void saveWritesPatternsAndHullInTheWorkingFolder();
};

void Form1PatternsTest::saveCreateResetsThePitchAndFillsTheDialog() {
    Window w;
    std::ofstream(w.Folder() / "other.hul") << "x\r\n";
    w.app.Hull.FramePositions[1] = 60;
    w.app.Hull.InfoLines[0] = "J. Builder";
    w.app.Hull.InfoLines[3] = "01-02-2027";
    w.app.Work.HullFileName = "skiff.hul";
    w.app.Work.PitchAngle = 4;
    ApplyPitch(w.app, *w.form);
    const double pitchedKeel = w.app.Hull.OffsetY[4][1];

    QVERIFY(w.form->PatternsWindow() == nullptr);
    w.SaveCreate();
    // Back at zero pitch before anything is made from the hull.
    QCOMPARE(w.app.Work.PitchAngle, 0.0);
    QCOMPARE(w.app.Work.AppliedPitch, 0.0);
    QVERIFY(std::abs(w.app.Hull.OffsetY[4][1] - pitchedKeel) > 0.5);

    Form3* dialog = w.form->PatternsWindow();
    QVERIFY(dialog != nullptr);
    QVERIFY(dialog->isVisible());
    QCOMPARE(dialog->FrameText(1).text(), QString("60"));
    QCOMPARE(dialog->FrameText(0).text(), QString("0"));
    QCOMPARE(dialog->Text1().text(), QString("skiff.hul"));
    QCOMPARE(dialog->InfoText(0).text(), QString("J. Builder"));
    QCOMPARE(dialog->InfoText(3).text(), QString("01-02-2027"));
    QVERIFY(!dialog->File1().findItems("other.hul", Qt::MatchExactly).isEmpty());

    // Cancel hides it; the next "&Save, Create" shows the same window with the model's values.
    dialog->Command2().click();
    QVERIFY(!dialog->isVisible());
    w.app.Hull.FramePositions[1] = 72;
    w.SaveCreate();
    QCOMPARE(w.form->PatternsWindow(), dialog);
    QVERIFY(dialog->isVisible());
    QCOMPARE(dialog->FrameText(1).text(), QString("72"));
}

void Form1PatternsTest::saveWritesPatternsAndHullInTheWorkingFolder() {
    Window w;
    w.SaveCreate();
    Form3& dialog = *w.form->PatternsWindow();
    dialog.Text1().setText("skiff");
    QCOMPARE(w.app.Work.HullFileName, std::string("skiff.hul"));
    dialog.FrameText(0).setText("70");
    dialog.Command1().click(); // "Save"

    // The run hides the dialog and leaves the patterns, the listing and the hull in the working
    // folder (the files of the run itself are the patterns dialog's own tests).
    QVERIFY(!dialog.isVisible());
    QVERIFY(FilesEndingIn(w.Folder(), ".tri") >= 3); // one per chine panel
    QVERIFY(w.Exists("handplot.txt") && w.Exists("skiff.hul") && w.Exists("default.hul"));
    QCOMPARE(w.form->Status().Panel(1), std::string("Working on...skiff.hul"));

    AppState back;
    ResetToStartup(back);
    QVERIFY(ReadHullFile(w.Folder(), "skiff.hul", back.Hull, back.Work));
    QCOMPARE(back.Hull.FramePositions[0], 70.0);
    QCOMPARE(back.Hull.ChineCount, 4);
}

QTEST_MAIN(Form1PatternsTest)
#include "Form1PatternsTest.moc"
