// Window tests of "Pattern Nesting": the pieces of a real pattern run, the mouse on the sheets,
// the option kept in the hull, the outputs through a stand-in desktop, and the unload by a run.
#include <QCheckBox>
#include <QListWidget>
#include <QPointer>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QToolButton>
#include <QtTest>

#include <filesystem>
#include <string>
#include <vector>

#include "Form2.h"
#include "Form3.h"
#include "MainWindowFixture.h"
#include "model/HullFile.h"
#include "nesting/NestCommands.h"
#include "patterns/PatternGeneration.h"

using namespace merrowin;

namespace {

// The desktop as the tests see it: what was opened, printed and previewed, and no modal window.
class FakeDesktop : public NestDesktop {
public:
    bool Printer = false;
    std::vector<std::filesystem::path> Opened;
    std::vector<int> Printed, Previewed; // page counts

    bool OpenFile(const std::filesystem::path& file) override {
        Opened.push_back(file);
        return true;
    }
    bool HasPrinter() override { return Printer; }
    bool Print(const std::vector<NestPage>& pages) override {
        Printed.push_back(static_cast<int>(pages.size()));
        return true;
    }
    void Preview(const std::vector<NestPage>& pages, QWidget*) override {
        Previewed.push_back(static_cast<int>(pages.size()));
    }
};

// The main window over a pattern run of the default hull, and its nesting window.
struct Nesting : test::MainWindow {
    FakeDesktop desktop;

    bool RunPatterns() { return CreatePatterns(Folder(), app.Hull, app.Work, form->Status()).Ok(); }
    // "&Nesting", with the stand-in desktop.
    Form2* Open() {
        Action("dummy15")->trigger();
        Form2* window = form->NestingWindow();
        if (window != nullptr) {
            window->UseDesktop(desktop);
        }
        return window;
    }
};

// A pointer move over the widget, with the buttons held (QTest's moves go to whichever window
// the offscreen screen finds under the pointer, which need not be this one).
void MoveMouse(QWidget& widget, QPoint position, Qt::MouseButtons buttons = Qt::NoButton) {
    QMouseEvent move(QEvent::MouseMove, position, widget.mapToGlobal(position), Qt::NoButton,
                     buttons, Qt::NoModifier);
    QApplication::sendEvent(&widget, &move);
}

QStringList ListNames(Form2& window) {
    QStringList names;
    for (int row = 0; row < window.List1().count(); ++row) {
        names << window.List1().item(row)->text();
    }
    return names;
}

// The page count pdfinfo (poppler-utils) reads in a PDF file; -1 when it cannot.
int PdfPages(const QString& file) {
    QProcess pdfinfo;
    pdfinfo.start("pdfinfo", {file});
    if (!pdfinfo.waitForFinished(30000)) {
        return -1;
    }
    const QRegularExpressionMatch match =
        QRegularExpression("Pages: +(\\d+)\n")
            .match(QString::fromUtf8(pdfinfo.readAllStandardOutput()));
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

} // namespace

class Form2Test : public QObject {
    Q_OBJECT
private slots:
    void opensOnTheListingOfAPatternRun();
    void listClickPlacesAPieceAndTheMouseDragsIt();
    void sheetBoxesViewButtonAndArrowsMoveTheView();
    void readOutOptionIsKeptInTheHull();
    void printGoesToAPdfWithoutAPrinterAfterTheWarning();
    void saveShowsOnlyAWrittenListing();
    void patternRunUnloadsTheWindowAndClosingTheMainWindowClosesIt();
};

void Form2Test::opensOnTheListingOfAPatternRun() {
    Nesting n;
    Form2* empty = n.Open();
    QVERIFY(empty != nullptr && empty->isVisible());
    QCOMPARE(empty->windowTitle(), QString("No handplot.txt"));
    QCOMPARE(empty->List1().count(), 0);

    QVERIFY(n.RunPatterns());
    n.form->NestingWindow()->close();
    Form2* same = n.Open(); // only hidden: it keeps what it read
    QCOMPARE(same, empty);
    QCOMPARE(same->List1().count(), 0);

    Nesting fresh;
    QVERIFY(fresh.RunPatterns());
    Form2* window = fresh.Open();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QVERIFY(window->windowTitle().startsWith("default.hul ")); // then the run's time and date
    QCOMPARE(ListNames(*window), QStringList({"transom.uc", "bhead1.uc", "bhead2.uc", "bhead3.uc",
                                              "chine1.uc", "chine2.uc", "chine3.uc"}));
    QVERIFY(window->Option(1).isChecked());
    QCOMPARE(window->Text1().text(), QString("48"));
    QCOMPARE(window->Text2().text(), QString("96"));
    const QRect area = window->screen()->availableGeometry();
    QVERIFY((window->geometry().center() - area.center()).manhattanLength() <= 4);
}

void Form2Test::listClickPlacesAPieceAndTheMouseDragsIt() {
    Nesting n;
    QVERIFY(n.RunPatterns());
    Form2& w = *n.Open();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QListWidget& list = w.List1();
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {},
                      list.visualItemRect(list.item(1)).center());
    const NestShape& piece = w.State().Pieces[1].Piece; // bhead1.uc
    QVERIFY(piece.Placed);
    QCOMPARE(w.State().SelectedPiece, 1);

    // Picked within reach of the handle, dragged 40 inches along and 5 across, released.
    PictureBox& picture = w.Picture1();
    const double x0 = piece.PositionX, y0 = piece.PositionY;
    const QPoint from = picture.ToWidget(x0 + 2, y0 + 1).toPoint();
    const QPoint to = picture.ToWidget(x0 + 42, y0 + 6).toPoint();
    QTest::mousePress(&picture, Qt::LeftButton, {}, from);
    MoveMouse(picture, (from + to) / 2, Qt::LeftButton);
    MoveMouse(picture, to, Qt::LeftButton);
    QTest::mouseRelease(&picture, Qt::LeftButton, {}, to);
    const double inchesPerPixel = 1 / (picture.ToWidget(1, 0).x() - picture.ToWidget(0, 0).x());
    QVERIFY(std::abs(piece.PositionX - (x0 + 40)) <= inchesPerPixel);
    QVERIFY(std::abs(piece.PositionY - (y0 + 5)) <= inchesPerPixel);
    // The view shows the handle where the piece now lies.
    const QImage& image = picture.Image();
    const QPoint handle = picture.ToWidget(piece.PositionX, piece.PositionY).toPoint();
    const QRgb magenta = qRgb(PaletteColour(Colour::Magenta).R, PaletteColour(Colour::Magenta).G,
                              PaletteColour(Colour::Magenta).B);
    bool drawn = false;
    for (int dx = -12; dx <= 12 && !drawn; ++dx) {
        for (int dy = -12; dy <= 12 && !drawn; ++dy) {
            const QPoint p = handle + QPoint(dx, dy) - QPoint(1, 1); // the one-pixel frame
            drawn = image.valid(p) && image.pixel(p) == magenta;
        }
    }
    QVERIFY(drawn);

    // Dropped above the sheets, it is pushed back onto them.
    const QPoint grab = picture.ToWidget(piece.PositionX, piece.PositionY).toPoint();
    const QPoint off = picture.ToWidget(piece.PositionX, -30).toPoint();
    QTest::mousePress(&picture, Qt::LeftButton, {}, grab);
    MoveMouse(picture, off, Qt::LeftButton);
    QVERIFY(!InsideSheets(piece, w.State().Sheets));
    QTest::mouseRelease(&picture, Qt::LeftButton, {}, off);
    QVERIFY(InsideSheets(piece, w.State().Sheets));

    // A press far from every handle picks nothing, and a move then drags nothing.
    const double keptX = piece.PositionX;
    const QPoint far = picture.ToWidget(keptX + 60, 40).toPoint();
    QTest::mousePress(&picture, Qt::LeftButton, {}, far);
    MoveMouse(picture, far + QPoint(30, 0), Qt::LeftButton);
    QTest::mouseRelease(&picture, Qt::LeftButton, {}, far + QPoint(30, 0));
    QCOMPARE(piece.PositionX, keptX);

    // The pointer read-out names the selected piece while "-->" is ticked.
    const QString before = w.windowTitle();
    MoveMouse(picture, picture.ToWidget(piece.PositionX, piece.PositionY).toPoint());
    QCOMPARE(w.windowTitle(), before);
    w.Check1().click();
    MoveMouse(picture, picture.ToWidget(piece.PositionX + 1, piece.PositionY).toPoint());
    QVERIFY2(w.windowTitle().startsWith("bhead1.uc: "), qPrintable(w.windowTitle()));
}

void Form2Test::sheetBoxesViewButtonAndArrowsMoveTheView() {
    Nesting n;
    Form2& w = *n.Open();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    PictureBox& picture = w.Picture1();
    const int home = picture.x();
    QTest::keyClick(&w.List1(), Qt::Key_Left);
    QCOMPARE(picture.x(), home - 200); // 3000 twips
    w.Image3().click();
    QCOMPARE(picture.x(), home);
    w.Image3().click(); // never right of its home
    QCOMPARE(picture.x(), home);
    w.Image4().click();
    w.Text1().setFocus();
    QTest::keyClick(&w.Text1(), Qt::Key_Left); // moves the text cursor only
    QCOMPARE(picture.x(), home - 200);
    test::TypeInto(w.Text1(), "60");
    QCOMPARE(w.State().Sheets.Width, 60.0);
    QCOMPARE(picture.x(), home);
    w.Image4().click();
    w.Option(3).click();
    QCOMPARE(w.State().Sheets.Count, 5);
    QCOMPARE(picture.x(), home);

    // "Wide View" is twice as wide as the window; the button then fits it to the window.
    const int fitted = w.width() - 16;
    QCOMPARE(picture.width(), 2 * fitted);
    QStringList captions;
    for (int click = 0; click < 3; ++click) {
        w.Command(7).click();
        captions << w.Command(7).text() + ":" + QString::number(picture.width() == fitted);
    }
    QCOMPARE(captions, QStringList({"Full View:1", "False View:1", "Wide View:0"}));
}

void Form2Test::readOutOptionIsKeptInTheHull() {
    Nesting n;
    n.Hull().NestOption = "1";
    Form2& w = *n.Open();
    QVERIFY(w.Check1().isChecked());
    w.Check1().click();
    QCOMPARE(n.Hull().NestOption, std::string("0"));
    QVERIFY(WriteHullFile(n.Folder(), "kept.hul", n.Hull()).Ok());
    n.Hull().NestOption = "1";
    n.form->RepaintWindow(); // a hull read since shows its own option
    QVERIFY(w.Check1().isChecked());
    QVERIFY(ReadHullFile(n.Folder(), "kept.hul", n.app.Hull, n.app.Work));
    QCOMPARE(n.Hull().NestOption, std::string("0"));
    w.close();
    QVERIFY(!n.Open()->Check1().isChecked());
    w.Check1().click();
    QVERIFY(WriteHullFile(n.Folder(), "kept.hul", n.Hull()).Ok());
    n.Hull().NestOption = "0";
    QVERIFY(ReadHullFile(n.Folder(), "kept.hul", n.app.Hull, n.app.Work));
    QCOMPARE(n.Hull().NestOption, std::string("1"));
}

void Form2Test::printGoesToAPdfWithoutAPrinterAfterTheWarning() {
    Nesting n;
    QVERIFY(n.RunPatterns());
    Form2& w = *n.Open();
    w.List1().setCurrentRow(4); // chine1.uc, over sheets 1 and 2
    const QString pdf = n.dir.filePath("nest.pdf");

    n.dialogs.NextMessageAnswer = MessageAnswer::Cancel;
    w.Command(10).click();
    QCOMPARE(n.dialogs.Asked.back(), std::string("Beta Print: Beware"));
    QVERIFY(!QFile::exists(pdf));

    n.dialogs.NextMessageAnswer = MessageAnswer::Ok;
    w.Command(10).click();
    QCOMPARE(PdfPages(pdf), 3);
    QCOMPARE(n.Status(), std::string("Sheets printed to nest.pdf"));

    // With a printer the pages go to it, as many as sheets are shown; "Prn?" previews them
    // without the warning.
    QVERIFY(QFile::remove(pdf));
    n.desktop.Printer = true;
    w.Option(2).click();
    w.Command(10).click();
    QCOMPARE(n.desktop.Printed, std::vector<int>({4}));
    QVERIFY(!QFile::exists(pdf));
    const std::size_t asked = n.dialogs.Asked.size();
    w.Command(9).click();
    QCOMPARE(n.desktop.Previewed, std::vector<int>({4}));
    QCOMPARE(n.dialogs.Asked.size(), asked);

    // What a printer gets: a page a sheet, on its paper turned landscape.
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(n.dir.filePath("printer.pdf"));
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Landscape);
    QVERIFY(PaintNestPages(printer, NestPages(w.State())));
    QCOMPARE(PdfPages(n.dir.filePath("printer.pdf")), 4);
}

void Form2Test::saveShowsOnlyAWrittenListing() {
    struct Case {
        const char* Answer; // "" is Cancel
        const char* Status; // the status line after the save
        bool Opened;
    };
    const Case cases[] = {{"missing/nest.txt", "Could not write missing/nest.txt", false},
                          {"", "", false},
                          {"nest.txt", "", true}};
    for (const Case& c : cases) {
        Nesting n;
        QVERIFY(n.RunPatterns());
        Form2& w = *n.Open();
        w.List1().setCurrentRow(0);
        n.form->Status().SetPanel(1, "");
        n.dialogs.InputAnswers = {c.Answer};
        w.Command(8).click();
        QCOMPARE(n.dialogs.Asked.back(), std::string("Hand Plotting"));
        QCOMPARE(n.Status(), std::string(c.Status));
        QCOMPARE(n.desktop.Opened.size(), c.Opened ? 1u : 0u);
        if (c.Opened) {
            QCOMPARE(n.desktop.Opened[0], n.Folder() / "nest.txt");
            QVERIFY(std::filesystem::file_size(n.desktop.Opened[0]) > 0);
        }
    }
}

void Form2Test::patternRunUnloadsTheWindowAndClosingTheMainWindowClosesIt() {
    Nesting n;
    QVERIFY(n.RunPatterns());
    QPointer<Form2> first = n.Open();
    QCOMPARE(first->List1().count(), 7);
    first->List1().setCurrentRow(0);

    test::TypeInto(n.form->Text3(), "2");
    n.Action("Dummy4")->trigger();
    Form3& patterns = *n.form->PatternsWindow();
    patterns.Command1().click(); // "Save" with "Expansions": the run unloads the nesting window
    QVERIFY(first.isNull());
    QVERIFY(n.form->NestingWindow() == nullptr);

    Form2& second = *n.Open();
    QCOMPARE(ListNames(second),
             QStringList({"transom.uc", "bhead1.uc", "bhead2.uc", "bhead3.uc", "chine1.uc"}));
    QVERIFY(!second.State().Pieces[0].Piece.Placed);

    n.dialogs.NextMessageAnswer = MessageAnswer::No;
    n.form->close();
    QVERIFY(!second.isVisible());
}

QTEST_MAIN(Form2Test)
#include "Form2Test.moc"
