// Window tests of the Patterns menu's full-size printing and panel report: the menu items, the
// choices reaching the engine, outcomes on the status line, and both windows following a run.
// Planning, drawing and reporting are the core tests'.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include "Form3.h"
#include "FullSizeDialog.h"
#include "MainWindowFixture.h"
#include "PanelReportWindow.h"
#include "io/Files.h"
#include "patterns/PanelReport.h"
#include "patterns/PanelReportFile.h"
#include "patterns/PatternGeneration.h"
#include "tiles/FullSizeChoice.h"

using namespace merrowin;

namespace {

// The desktop as the tests see it: the file "chosen", the printer there is, what was printed.
class FakeDesktop : public FullSizeDesktop {
public:
    std::optional<std::filesystem::path> File;
    std::optional<std::string> Printer;
    bool PrintWorks = true;
    int Chosen = 0, Printed = 0;

    std::optional<std::filesystem::path> ChoosePdfFile(const std::filesystem::path&,
                                                       QWidget*) override {
        ++Chosen;
        return File;
    }
    std::optional<std::string> DefaultPrinter() override { return Printer; }
    bool Print(const TileDocument&) override {
        ++Printed;
        return PrintWorks;
    }
};

struct Patterns : test::MainWindow {
    FakeDesktop desktop;

    bool RunPatterns() { return CreatePatterns(Folder(), app.Hull, app.Work, form->Status()).Ok(); }
    // "Print &Full Size...", with the stand-in desktop.
    FullSizeDialog& OpenFullSize() {
        Action("PrintFullSize")->trigger();
        form->FullSizeWindow()->UseDesktop(desktop);
        return *form->FullSizeWindow();
    }
    PanelReportWindow& OpenReport() { return Open("PanelReport", &Form1::PanelReportView); }
    // "Save" of "&Save, Create", as the designer runs it.
    void RunFromTheWindow() {
        Action("Dummy4")->trigger();
        form->PatternsWindow()->Command1Click();
    }
    std::string Head(const std::filesystem::path& file) {
        std::string head(4, '\0');
        std::ifstream(file, std::ios::binary).read(head.data(), 4);
        return head;
    }
};

} // namespace

class PatternsPrintTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

    void fullSizeBeforeAnyRunOffersNothing() {
        Patterns p;
        FullSizeDialog& dialog = p.OpenFullSize();
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.PieceList().count(), 0);
        QVERIFY(!dialog.WritePdfButton().isEnabled() && !dialog.PrintButton().isEnabled());
        dialog.WritePdfClick();
        QCOMPARE(p.Status(), std::string(NoPatternPiecesText));
        QCOMPARE(p.desktop.Chosen, 0);
    }

    void writesTheTickedPiecesAndTellsAFailedWrite() {
        Patterns p;
        QVERIFY(p.RunPatterns());
        FullSizeDialog& dialog = p.OpenFullSize();
        const int pieces = dialog.PieceList().count();
        QVERIFY(pieces > 2);
        dialog.TickAll(false);
        QVERIFY(!dialog.WritePdfButton().isEnabled());
        dialog.PieceList().item(1)->setCheckState(Qt::Checked);
        const std::string piece =
            dialog.PieceList().item(1)->data(Qt::UserRole).toString().toStdString();
        dialog.PaperBox().setCurrentIndex(1); // A4: millimetres go with it
        QCOMPARE(dialog.UnitsBox().currentIndex(), 1);
        dialog.RefreshPieces(); // a new run keeps what was unticked
        QCOMPARE(dialog.TickedPieces(), std::vector<std::string>{piece});
        const TileDocument planned = dialog.Plan();
        QCOMPARE(planned.Paper.Name, std::string("A4"));

        p.desktop.File = p.Folder() / "hull.pdf";
        dialog.WritePdfButton().click();
        QCOMPARE(p.Head(*p.desktop.File), std::string("%PDF"));
        QCOMPARE(p.Status(), FullSizeDoneText("hull.pdf", planned));

        // A folder that is not there: the failure is told, never a page count.
        p.desktop.File = p.Folder() / "gone" / "hull.pdf";
        dialog.WritePdfClick();
        QVERIFY(!std::filesystem::exists(*p.desktop.File));
        QVERIFY(p.Status().find("pages") == std::string::npos);
        QVERIFY(p.Status().find("hull.pdf") != std::string::npos);
        // Cancelled: nothing written, nothing said.
        p.form->Status().SetPanel(1, "");
        p.desktop.File.reset();
        dialog.WritePdfClick();
        QCOMPARE(p.Status(), std::string());
    }

    void printsOnlyWhenAskedAndTellsTheOutcome() {
        Patterns p;
        QVERIFY(p.RunPatterns());
        FullSizeDialog& dialog = p.OpenFullSize();
        const TileDocument planned = dialog.Plan();

        // No printer: the pages go to the folder's PDF file, unless it cannot be written.
        std::filesystem::create_directory(p.Folder() / FullSizePdfName);
        dialog.PrintClick();
        QVERIFY(p.Status().find("No printer") == std::string::npos);
        std::filesystem::remove(p.Folder() / FullSizePdfName);
        dialog.PrintClick();
        QCOMPARE(p.Status(), "No printer: " + FullSizeDoneText(FullSizePdfName, planned));
        QCOMPARE(p.Head(p.Folder() / FullSizePdfName), std::string("%PDF"));

        p.desktop.Printer = "Shop";
        p.dialogs.NextMessageAnswer = MessageAnswer::Cancel;
        dialog.PrintButton().click();
        QCOMPARE(p.desktop.Printed, 0);
        p.dialogs.NextMessageAnswer = MessageAnswer::Ok;
        p.desktop.PrintWorks = false;
        dialog.PrintClick();
        QCOMPARE(p.Status(), std::string("Could not print on Shop"));
        p.desktop.PrintWorks = true;
        dialog.PrintClick();
        QCOMPARE(p.desktop.Printed, 2);
        QCOMPARE(p.Status(), "Printed on " + FullSizeDoneText("Shop", planned));
    }

    void reportShowsTheRunAndMarksWhatFails() {
        Patterns p;
        PanelReportWindow& window = p.OpenReport();
        QVERIFY(window.isVisible() && window.Lines().empty() && window.MarkedLines().empty());

        QVERIFY(p.RunPatterns());
        p.OpenReport();
        const auto lines = ReadLines(p.Folder(), PanelReportName);
        QVERIFY(lines && !lines->empty());
        QCOMPARE(window.Lines(), *lines);
        QCOMPARE(window.ReportText().document()->blockCount(), static_cast<int>(lines->size()));
        QCOMPARE(window.VerdictLabel().text().toStdString(),
                 "Verdict: " + PanelReportRunVerdict(*lines));
        QVERIFY(!window.MarkedLines().empty());
    }

    void typedTolerancesReachTheNextRunAndBothWindowsFollowIt() {
        Patterns p;
        FullSizeDialog& dialog = p.OpenFullSize();
        PanelReportWindow& window = p.OpenReport();
        test::TypeInto(window.SeamBox(), "1/8");
        test::TypeInto(window.LengthBox(), "2"); // over an inch: the last one given stays
        QCOMPARE(p.app.Work.Patterns.Tolerances.Seam, 0.125);
        QCOMPARE(p.app.Work.Patterns.Tolerances.Length, 1.0 / 16);
        QVERIFY(window.ToleranceNote().text().startsWith("A tolerance is"));

        p.RunFromTheWindow();
        QVERIFY(dialog.PieceList().count() > 2);
        QVERIFY(window.Lines().size() > 2);
        QVERIFY(window.Lines()[1].find("Seam tolerance 0.125 in, length tolerance 0.0625 in") !=
                std::string::npos);
        p.Action("dummy21")->trigger(); // "&Clear old patterns"
        QCOMPARE(dialog.PieceList().count(), 0);
    }
};

QTEST_MAIN(PatternsPrintTest)
#include "PatternsPrintTest.moc"
