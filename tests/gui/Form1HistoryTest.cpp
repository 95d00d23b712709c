// Window tests of the Edit menu: where it sits, its keys reaching the history from inside a box,
// and an autosave that leaves the history alone. The history's own rules are the core tests'.
#include <QMenuBar>
#include <QtTest>

#include "Form3.h"
#include "MainWindowFixture.h"

using namespace merrowin;
using Window = test::MainWindow;
using test::TypeInto;

class Form1HistoryTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

    void editMenuSitsBetweenFileAndData() {
        Window w;
        QStringList titles;
        for (const QAction* menu : w.form->menuBar()->actions()) {
            titles << menu->text();
        }
        QCOMPARE(titles.mid(0, 3), (QStringList{"&File", "&Edit", "&Data"}));
        QVERIFY(!w.Action("EditUndo")->isEnabled() && !w.Action("EditRedo")->isEnabled());
    }

    void keysUndoAndRedoTheHullWhereverTheFocusIs() {
        Window w;
        Form1& form = *w.form;
        TypeInto(form.Text1(2), "60");
        QTest::keyClick(&form.Text1(2), Qt::Key_Return);
        QCOMPARE(w.Hull().OffsetZ[2][4], 60.0);
        form.Timer1Timer(); // an autosave keeps the step
        QVERIFY(w.Action("EditUndo")->isEnabled());

        // Typed in a box, the keys are the window's, not the box's own text undo.
        QTest::keyClick(&form.Text1(3), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(w.Hull().OffsetZ[2][4], 58.0);
        QCOMPARE(form.Text1(2).text(), QStringLiteral("58"));
        QTest::keyClick(&form.Text1(3), Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(w.Hull().OffsetZ[2][4], 60.0);
        w.Action("EditUndo")->trigger();
        QTest::keyClick(&form.Text1(3), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(w.Hull().OffsetZ[2][4], 60.0);
        QCOMPARE(form.Text1(2).text(), QStringLiteral("60"));
    }

    // The save dialog, open beside the main window, shows the line an undo gives back (a save
    // would otherwise write another line than the one shown).
    void saveDialogShowsWhatAnUndoGivesBack() {
        Window w;
        w.Action("Dummy4")->trigger(); // "&Save, Create"
        Form3& dialog = *w.form->PatternsWindow();
        const QString before = dialog.InfoText(0).text();
        TypeInto(dialog.InfoText(0), "Ann Wright");
        QCOMPARE(w.Hull().InfoLines[0], std::string("Ann Wright"));
        w.form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.form.get()));
        QTest::keyClick(&w.form->Text1(1), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(dialog.InfoText(0).text(), before);
        QCOMPARE(w.Hull().InfoLines[0], before.toStdString());
    }
};

QTEST_MAIN(Form1HistoryTest)
#include "Form1HistoryTest.moc"
