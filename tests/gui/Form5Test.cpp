// Window tests of the offsets table: the grid over the model, typing into it, its placement and
// "Done", edits made elsewhere, and "Prnt" without a printer read back with pdftotext.
#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QtTest>

#include <filesystem>

#include "Form5.h"
#include "MainWindowFixture.h"
#include "offsets/OffsetsGrid.h"
#include "offsets/OffsetsPrint.h"

using namespace merrowin;

namespace {

using Window = test::MainWindow;
using test::TypeInto;

// The main window with the offsets table opened from its menu.
Form5& OpenTable(Window& w) {
    return w.Open("dummy8", &Form1::OffsetsWindow);
}

// The grid row of a crossing (chine c of bulkhead b) for N chines.
int RowOf(int bulkhead, int chine, int chines) {
    return bulkhead * chines + chine;
}

// The text's lines with every run of blanks made one and the empty lines left out: what a PDF
// keeps of a listing laid out in print zones.
QStringList Words(const QString& text) {
    QStringList lines;
    for (const QString& line : text.split(QRegularExpression("[\r\n\f]+"))) {
        const QString simple = line.simplified();
        if (!simple.isEmpty()) {
            lines << simple;
        }
    }
    return lines;
}

} // namespace

class Form5Test : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }
    void opensWithTheGridOfTheHull();
    void typingStoresTheOffsetAndRepaintsTheMainWindow();
    void showsEditsMadeElsewhere();
    void sitsInTheCornerAndDoneCentresTheMainWindow();
    void printsIntoPdfFileWithoutPrinter();
};

void Form5Test::opensWithTheGridOfTheHull() {
    Window w;
    w.form->Text3().setText("6");
    Form5& table = OpenTable(w);
    QVERIFY(table.isVisible());
    QCOMPARE(w.dialogs.Asked.back(), std::string("Offsets Table")); // the explanation

    // 31 rows for six chines: the header row, then one block of six per bulkhead.
    QCOMPARE(table.Grid1().rowCount() + 1, 31);
    QCOMPARE(table.CellText(RowOf(2, 1, 6), ZColumn), QStringLiteral("58"));

    // A label cell shows its label in a read-only editor.
    table.SelectCell(RowOf(1, 3, 6), ChineColumn);
    QCOMPARE(table.Text1().text(), QStringLiteral("3"));
    QVERIFY(table.Text1().isReadOnly());
}

void Form5Test::typingStoresTheOffsetAndRepaintsTheMainWindow() {
    Window w;
    Form5& table = OpenTable(w);
    const int row = RowOf(2, 3, 4);
    const QImage before = w.form->Picture2().Image().copy();
    table.SelectCell(row, XColumn);
    QVERIFY(!table.Text1().isReadOnly());
    QCOMPARE(table.Text1().text(), table.CellText(row, XColumn));
    QCOMPARE(table.focusWidget(), &table.Text1());
    QTest::keyClicks(&table.Text1(), "5-4+");
    QCOMPARE(w.Hull().OffsetX[2][3], 5.5625);
    QCOMPARE(table.CellText(row, XColumn), QStringLiteral("5.5625"));
    QVERIFY(w.form->Picture2().Image() != before);

    // Heights are typed below the datum of the box.
    TypeInto(table.Text2(), "4-4");
    table.SelectCell(RowOf(1, 2, 4), YColumn);
    TypeInto(table.Text1(), "1");
    QCOMPARE(w.Hull().OffsetY[1][2], 3.5);
}

void Form5Test::showsEditsMadeElsewhere() {
    Window w;
    Form5& table = OpenTable(w);
    // Bulkhead 2's station typed into the main window's box.
    QLineEdit& station = w.form->Text1(2);
    TypeInto(station, "61");
    QTest::keyClick(&station, Qt::Key_Return);
    for (int c = 1; c <= 4; ++c) {
        QCOMPARE(table.CellText(RowOf(2, c, 4), ZColumn), QStringLiteral("61"));
    }
    // A chine more lays the grid out again.
    w.form->Text3().setText("5");
    QCOMPARE(table.Grid1().rowCount() + 1, 26);

    // A hidden table is laid out afresh when it opens again.
    table.Command1Click();
    w.form->Text3().setText("3");
    QCOMPARE(table.Grid1().rowCount() + 1, 26);
    OpenTable(w);
    QCOMPARE(table.Grid1().rowCount() + 1, 16);
}

void Form5Test::sitsInTheCornerAndDoneCentresTheMainWindow() {
    Window w;
    w.form->resize(500, 380);
    const QRect screen = w.form->screen()->geometry();
    const QRect free = w.form->screen()->availableGeometry();
    Form5& table = OpenTable(w);
    QCOMPARE(w.form->frameGeometry().left(), screen.left());
    QCOMPARE(table.frameGeometry().bottomRight(), free.bottomRight());

    QTest::mouseClick(&table.Command1(), Qt::LeftButton);
    QVERIFY(!table.isVisible());
    const QPoint centred = screen.center() - w.form->frameGeometry().center();
    QVERIFY2(centred.manhattanLength() <= 2, qPrintable(QString::number(centred.x())));

    // The close box leaves the table as "Done" does.
    OpenTable(w);
    QCOMPARE(w.form->frameGeometry().left(), screen.left());
    QVERIFY(test::ClickCloseBox(table));
    QVERIFY((screen.center() - w.form->frameGeometry().center()).manhattanLength() <= 2);
}

void Form5Test::printsIntoPdfFileWithoutPrinter() {
    Window w;
    Form5& table = OpenTable(w);
    table.DefaultPrinter = [] { return QPrinterInfo(); };
    QTest::mouseClick(&table.Command2(), Qt::LeftButton);
    const std::filesystem::path pdf = w.Folder() / "offsets.pdf";
    QCOMPARE(w.Status(), "No printer: printed to " + pdf.string());
    QVERIFY(QApplication::overrideCursor() == nullptr); // the busy pointer is gone

    QProcess pdftotext;
    pdftotext.start("pdftotext", {"-layout", QString::fromStdString(pdf.string()), "-"});
    QVERIFY2(pdftotext.waitForFinished(30000), "pdftotext (poppler-utils) is needed");
    const QStringList printed = Words(QString::fromUtf8(pdftotext.readAllStandardOutput()));
    // Every line of the table, in order: the heading, then five blocks of four chines.
    QString lines;
    for (const std::string& line : OffsetsPrintLines(w.Hull())) {
        lines += QString::fromStdString(line) + "\n";
    }
    QCOMPARE(printed, Words(lines));

    // A file that cannot be written is no printout.
    std::filesystem::remove(pdf);
    std::filesystem::create_directory(pdf);
    table.Command2Click();
    QCOMPARE(w.Status(), "Could not write " + pdf.string());
}

QTEST_MAIN(Form5Test)
#include "Form5Test.moc"
