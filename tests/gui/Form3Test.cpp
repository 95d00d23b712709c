// Window tests of "Save and Create Patterns": remembered settings, the boxes' rules, the keys and
// the buttons.
#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QtTest>

#include <filesystem>
#include <memory>

#include "Form3.h"
#include "MainWindowFixture.h"
#include "io/Files.h"
#include "model/ChineCurves.h"
#include "patterns/PatternSettings.h"
#include "text/NumberText.h"

using namespace merrowin;

namespace {

class TestHub : public RepaintHub {
public:
    void RepaintWindow() override {}
    void RepaintMainView() override {}
    Canvas& MainPicture() override { return canvas; }
    Canvas& Thumbnail(int) override { return canvas; }
    NullCanvas canvas;
};

// The dialog in a fresh working folder, over the default hull.
struct Dialog {
    QTemporaryDir dir;
    AppState app;
    MemoryStatusBar status;
    ScriptedDialogs boxes;
    TestHub hub;
    std::unique_ptr<Form3> form;

    Dialog() {
        ResetToStartup(app);
        UpdateHullGeometry(app.Hull, app.Work);
    }
    void Open() { form = std::make_unique<Form3>(app, Folder(), UiServices{status, boxes, hub}); }
    std::filesystem::path Folder() const { return dir.path().toStdString(); }
    bool Exists(const char* name) const { return FileExists(Folder(), name); }
};

using test::TypeInto;

} // namespace

class Form3Test : public QObject {
    Q_OBJECT
private slots:
    void loadWithoutSettingsKeepsTheDesignDefaults() {
        Dialog d;
        d.Open();
        for (int number = 1; number <= 10; ++number) {
            QCOMPARE(d.form->Check(number).isChecked(), number == 1 || number == 5);
        }
        const QString programFolder = QCoreApplication::applicationDirPath();
        QCOMPARE(d.form->Text6().text(), programFolder);
        QCOMPARE(QString::fromStdString(d.app.Work.Patterns.ExportPath), programFolder + "/");
        QCOMPARE(d.form->Label3().text(), d.dir.path());
    }

    void settingsReadOnLoadAndWrittenOnUnload() {
        Dialog d;
        PatternOptions saved;
        saved.Text = false;
        saved.Keel = saved.Dxf = true;
        SetExportText(saved, "/srv/cut files");
        QVERIFY(WritePatternSettings(d.Folder(), saved).Ok());
        d.Open();
        QVERIFY(!d.form->Check(5).isChecked());
        QVERIFY(d.form->Check(10).isChecked() && d.form->Check(4).isChecked());
        QCOMPARE(d.form->Text6().text(), QString("/srv/cut files"));

        d.form->show();
        d.form->Check(3).click(); // HPGL
        d.form->Check(10).click();
        TypeInto(d.form->Text6(), "/srv/other");
        QVERIFY(d.app.Work.Patterns.Hpgl && !d.app.Work.Patterns.Keel);
        QCOMPARE(d.app.Work.Patterns.ExportPath, std::string("/srv/other/"));
        d.form->hide();
        PatternOptions reread;
        QVERIFY(ReadPatternSettings(d.Folder(), reread));
        QCOMPARE(PatternSettingsText(reread), PatternSettingsText(d.app.Work.Patterns));
        QVERIFY(reread.Hpgl && !reread.Keel && reread.Dxf && !reread.Text);
    }

    void fileNameBoxKeepsEndingInHul() {
        Dialog d;
        d.Open();
        d.form->Text1().clear();
        TypeInto(d.form->Text1(), "boat");
        QCOMPARE(d.form->Text1().text(), QString("boat.hul"));
        d.form->Text1().end(false);
        QTest::keyClicks(&d.form->Text1(), "x"); // after ".hul": discarded
        QCOMPARE(d.form->Text1().text(), QString("boat.hul"));
        QCOMPARE(d.app.Work.HullFileName, std::string("boat.hul"));
    }

    void boxesKeepTheModelInStep() {
        Dialog d;
        d.Open();
        TypeInto(d.form->FrameText(2), "-24");
        QCOMPARE(d.app.Hull.FramePositions[2], 24.0);
        QCOMPARE(d.app.Work.Patterns.FrameText[2], std::string("-24"));
        TypeInto(d.form->InfoText(1), "Skiff, 12 ft");
        QCOMPARE(d.app.Hull.InfoLines[1], std::string("Skiff, 12 ft"));
        d.form->Command3().click();
        QCOMPARE(d.app.Hull.InfoLines[3], DateText(LocalNow()));
    }

    void showForHullFillsTheBoxesFromTheModel() {
        Dialog d;
        d.Open();
        d.app.Hull.FramePositions[5] = 58.5;
        d.app.Work.HullFileName = "skiff.hul";
        d.app.Hull.InfoLines = {"A. Builder", "Skiff", "a@b.c", "01-02-2024"};
        QVERIFY(WriteFileAtomic(d.Folder(), "Second.HUL", "2\r\n").Ok());
        QVERIFY(WriteFileAtomic(d.Folder(), "notes.txt", "x\r\n").Ok());
        d.form->ShowForHull();
        QVERIFY(d.form->isVisible());
        QCOMPARE(d.form->FrameText(5).text(), QString("58.5"));
        QCOMPARE(d.form->Text1().text(), QString("skiff.hul"));
        QCOMPARE(d.form->InfoText(3).text(), QString("01-02-2024"));
        QTRY_COMPARE(d.form->Browser().FileNames().size(), 1);
        // Clicking a file names the hull by its folder and name.
        QVERIFY(d.form->Browser().ClickFile("Second.HUL"));
        const std::string chosen = (d.Folder() / "Second.HUL").string();
        QCOMPARE(d.app.Work.HullFileName, chosen);
        QCOMPARE(d.form->Text1().text().toStdString(), chosen);
    }

    void escapeCancelsAndKeepsTheChanges() {
        Dialog d;
        d.Open();
        d.form->ShowForHull();
        QVERIFY(QTest::qWaitForWindowExposed(d.form.get()));
        TypeInto(d.form->Text1(), "kept");
        d.form->Check(9).click();
        QTest::keyClick(d.form.get(), Qt::Key_Escape);
        QVERIFY(!d.form->isVisible());
        QCOMPARE(d.status.Panel(1), std::string("Working on...kept.hul"));
        QVERIFY(d.app.Work.Patterns.Deck);
        QVERIFY(d.Exists("hull.dat"));
        QVERIFY(!d.Exists("kept.hul"));
    }

    void centredOnFirstShowOnlySoAMoveStays() {
        Dialog d;
        d.Open();
        d.form->ShowForHull();
        const QRect area = d.form->screen()->availableGeometry();
        QVERIFY((d.form->geometry().center() - area.center()).manhattanLength() <= 4);
        d.form->move(area.topLeft() + QPoint(30, 40));
        const QPoint moved = d.form->pos();
        d.form->Command2().click();
        d.form->ShowForHull();
        QCOMPARE(d.form->pos(), moved);
    }

    void enterInFileNameSavesWithoutExpansions() {
        Dialog d;
        d.Open();
        d.form->ShowForHull();
        d.form->Check(1).click(); // Expansions off: only the save, the dialog stays open
        TypeInto(d.form->Text1(), "skiff");
        QTest::keyClick(&d.form->Text1(), Qt::Key_Return);
        QVERIFY(d.Exists("skiff.hul") && d.Exists("default.hul"));
        QVERIFY(!d.Exists("bhead1.uc"));
        QVERIFY(d.form->isVisible());
        QCOMPARE(d.status.Panel(1), std::string("Working on...skiff.hul"));
        // Enter in another box runs nothing.
        QVERIFY(QFile::remove(d.dir.filePath("skiff.hul")));
        QTest::keyClick(&d.form->FrameText(0), Qt::Key_Return);
        QVERIFY(!d.Exists("skiff.hul"));
    }

    void saveRunsThePatternsAndShowsWhatTheRunChanged() {
        Dialog d;
        d.app.Hull.ChineCount = 2;
        UpdateHullGeometry(d.app.Hull, d.app.Work);
        d.Open();
        bool nestingUnloaded = false;
        d.form->UnloadNestingWindow = [&] { nestingUnloaded = true; };
        d.form->ShowForHull();
        d.form->Check(8).click(); // Soles: cleared by a run on two chines
        TypeInto(d.form->FrameText(0), "500");
        d.form->Command1().click();
        QVERIFY(!d.form->isVisible());
        QVERIFY(nestingUnloaded);
        QVERIFY(d.Exists("chine1.tri") && d.Exists("bhead1.uc") && d.Exists("frame1.uc"));
        QVERIFY(!d.form->Check(8).isChecked());
        QCOMPARE(d.form->FrameText(0).text(), QString("140"));
        QTRY_COMPARE(d.form->Browser().FileNames().size(), 1); // default.hul
    }
};

QTEST_MAIN(Form3Test)
#include "Form3Test.moc"
