// Window tests of "Pattern Nesting": the pieces of a real pattern run, the mouse on the sheets,
// the option kept in the hull, the outputs through a stand-in desktop, and the unload by a run.
#include <QCheckBox>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QtTest>

#include <filesystem>
#include <string>
#include <vector>

#include "Form2.h"
#include "Form3.h"
#include "MainWindowFixture.h"
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

    bool OpenFile(const std::filesystem::path& file) override { return Keep(Opened, file); }
    bool HasPrinter() override { return Printer; }
    bool Print(const std::vector<NestPage>& pages) override { return Keep(Printed, pages.size()); }
    void Preview(const std::vector<NestPage>& pages, QWidget*) override {
        Keep(Previewed, pages.size());
    }

private:
    template <class T, class U> static bool Keep(std::vector<T>& list, U value) {
        list.push_back(static_cast<T>(value));
        return true;
    }
};

// The main window over a pattern run of the default hull, and its nesting window.
struct Nesting : test::MainWindow {
    FakeDesktop desktop;

    bool RunPatterns() { return CreatePatterns(Folder(), app.Hull, app.Work, form->Status()).Ok(); }
    // "&Nesting", with the stand-in desktop.
    Form2* Open() {
        Action("dummy15")->trigger();
        form->NestingWindow()->UseDesktop(desktop);
        return form->NestingWindow();
    }
};

// A pointer move over the widget, with the buttons held (QTest's moves go to whichever window
// the offscreen screen finds under the pointer, which need not be this one).
void MoveMouse(QWidget& widget, QPoint position, Qt::MouseButtons buttons = Qt::NoButton) {
    QMouseEvent move(QEvent::MouseMove, position, widget.mapToGlobal(position), Qt::NoButton,
                     buttons, Qt::NoModifier);
    QApplication::sendEvent(&widget, &move);
}

// A drag on the sheet view from one sheet point to another, with the left button.
void Drag(PictureBox& picture, double x1, double y1, double x2, double y2) {
    const QPoint from = picture.ToWidget(x1, y1).toPoint(), to = picture.ToWidget(x2, y2).toPoint();
    QTest::mousePress(&picture, Qt::LeftButton, {}, from);
    MoveMouse(picture, to, Qt::LeftButton);
    QTest::mouseRelease(&picture, Qt::LeftButton, {}, to);
}

} // namespace

class Form2Test : public QObject {
    Q_OBJECT
private slots:
    void opensWithoutAListingAndKeepsItsPiecesWhenClosed();
    void listClickPlacesAPieceAndTheMouseDragsIt();
    void sheetBoxesViewButtonAndArrowsMoveTheView();
    void readOutOptionIsKeptInTheHull();
    void printGoesToAPdfWithoutAPrinterAfterTheWarning();
    void saveShowsOnlyAWrittenListing();
    void readsAPatternRunAndIsUnloadedByTheNextOne();
};

// Without a listing the window says so; closed by its close box it is only hidden, and keeps
// what it had even when a listing has been made since.
void Form2Test::opensWithoutAListingAndKeepsItsPiecesWhenClosed() {
    Nesting n;
    Form2* window = n.Open();
    QCOMPARE(window->windowTitle(), QString("No handplot.txt"));
    QVERIFY(n.RunPatterns());
    window->close();
    QCOMPARE(n.Open(), window);
    QCOMPARE(window->List1().count(), 0);
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

    // Picked 2 inches from the handle and dragged 40 inches along and 5 across.
    PictureBox& picture = w.Picture1();
    const double x0 = piece.PositionX, y0 = piece.PositionY;
    Drag(picture, x0 + 2, y0 + 1, x0 + 42, y0 + 6);
    const double inchesPerPixel = 1 / (picture.ToWidget(1, 0).x() - picture.ToWidget(0, 0).x());
    QVERIFY(std::abs(piece.PositionX - (x0 + 40)) <= inchesPerPixel);
    QVERIFY(std::abs(piece.PositionY - (y0 + 5)) <= inchesPerPixel);
    // Dropped above the sheets, it is pushed back onto them.
    Drag(picture, piece.PositionX, piece.PositionY, piece.PositionX, -30);
    QVERIFY(InsideSheets(piece, w.State().Sheets) && piece.PositionX > x0 + 30);

    // The pointer read-out names the selected piece while "-->" is ticked.
    const QPoint corner = picture.ToWidget(piece.PositionX + 1, piece.PositionY).toPoint();
    MoveMouse(picture, corner);
    QVERIFY(w.windowTitle().startsWith("default.hul"));
    w.Check1().click();
    MoveMouse(picture, corner);
    QVERIFY2(w.windowTitle().startsWith("bhead1.uc: "), qPrintable(w.windowTitle()));
}

void Form2Test::sheetBoxesViewButtonAndArrowsMoveTheView() {
    Nesting n;
    Form2& w = *n.Open();
    PictureBox& picture = w.Picture1();
    const int home = picture.x();
    QTest::keyClick(&w.List1(), Qt::Key_Left);
    QTest::keyClick(&w.Text1(), Qt::Key_Left); // moves the text cursor only
    QCOMPARE(picture.x(), home - 200);         // 3000 twips
    w.Image3().click();
    QCOMPARE(picture.x(), home);
    w.Image4().click();
    w.Option(3).click(); // the sheets change: the view goes home
    QCOMPARE(picture.x(), home);
    // "Wide View" is twice as wide as the window; the button then fits it to the window.
    QCOMPARE(picture.width(), 2 * (w.width() - 16));
    w.Command(7).click();
    QCOMPARE(picture.width(), w.width() - 16);
}

// The box follows the hull's option, and a tick changes it.
void Form2Test::readOutOptionIsKeptInTheHull() {
    Nesting n;
    n.Hull().NestOption = "1";
    Form2& w = *n.Open();
    QVERIFY(w.Check1().isChecked());
    w.Check1().click();
    QVERIFY(!NestOptionChecked(n.Hull().NestOption));
    n.Hull().NestOption = "1";
    n.form->RepaintWindow(); // as after a hull is opened
    QVERIFY(w.Check1().isChecked());
}

void Form2Test::printGoesToAPdfWithoutAPrinterAfterTheWarning() {
    Nesting n;
    QVERIFY(n.RunPatterns());
    Form2& w = *n.Open();
    w.List1().setCurrentRow(4); // chine1.uc, over sheets 1 and 2
    const QString pdf = n.dir.filePath("nest.pdf");
    n.dialogs.NextMessageAnswer = MessageAnswer::Cancel;
    w.Command(10).click();
    QVERIFY(!QFile::exists(pdf));
    n.dialogs.NextMessageAnswer = MessageAnswer::Ok;
    w.Command(10).click();
    QVERIFY(QFile::exists(pdf));
    QCOMPARE(n.Status(), std::string("Sheets printed to nest.pdf"));

    // With a printer the pages go to it, a page a sheet shown; "Prn?" previews the same.
    n.desktop.Printer = true;
    w.Option(2).click();
    w.Command(10).click();
    w.Command(9).click();
    QCOMPARE(n.desktop.Printed, std::vector<int>({4}));
    QCOMPARE(n.desktop.Previewed, std::vector<int>({4}));
}

void Form2Test::saveShowsOnlyAWrittenListing() {
    struct Case {
        const char* Answer; // "" is Cancel
        const char* Status; // the status line after the save
        bool Shown;
    };
    const Case cases[] = {{"missing/nest.txt", "Could not write missing/nest.txt", false},
                          {"", "", false},
                          {"nest.txt", "", true}};
    for (const Case& c : cases) {
        Nesting n;
        Form2& w = *n.Open();
        n.form->Status().SetPanel(1, "");
        n.dialogs.InputAnswers = {c.Answer};
        w.Command(8).click();
        QCOMPARE(n.Status(), std::string(c.Status));
        QCOMPARE(n.desktop.Opened.size(), c.Shown ? 1u : 0u);
        QCOMPARE(n.Exists("nest.txt"), c.Shown);
    }
}

void Form2Test::readsAPatternRunAndIsUnloadedByTheNextOne() {
    Nesting n;
    QVERIFY(n.RunPatterns());
    QPointer<Form2> first = n.Open();
    QVERIFY(QTest::qWaitForWindowExposed(first));
    QVERIFY(first->windowTitle().startsWith("default.hul ")); // then the run's time and date
    QCOMPARE(first->List1().count(), 7);
    const QRect area = first->screen()->availableGeometry();
    QVERIFY((first->geometry().center() - area.center()).manhattanLength() <= 4);
    first->List1().setCurrentRow(0);

    test::TypeInto(n.form->Text3(), "2");
    n.Action("Dummy4")->trigger();
    n.form->PatternsWindow()->Command1().click(); // "Save" with "Expansions"
    QVERIFY(first.isNull() && n.form->NestingWindow() == nullptr);
    Form2& second = *n.Open();
    QCOMPARE(second.List1().count(), 5); // two chines: one panel
    QVERIFY(!second.State().Pieces[0].Piece.Placed);
    n.dialogs.NextMessageAnswer = MessageAnswer::No;
    n.form->close(); // the main window takes it along
    QVERIFY(!second.isVisible());
}

QTEST_MAIN(Form2Test)
#include "Form2Test.moc"
