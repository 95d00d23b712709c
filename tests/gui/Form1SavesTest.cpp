// Window tests of the main window's saves keeping what the user had: the start-up clears the
// temporaries of killed saves, and the autosave leaves a read-only "default.hul" as it was.
#include <QtTest>

#include <chrono>
#include <fstream>

#include <sys/stat.h>

#include "MainWindowFixture.h"
#include "model/HullFile.h"

using namespace merrowin;

class Form1SavesTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }
    void startUpClearsStaleTemporaries();
    void autosaveLeavesAReadOnlyDefaultHull();
};

void Form1SavesTest::startUpClearsStaleTemporaries() {
    QTemporaryDir dir;
    const std::filesystem::path folder = dir.path().toStdString();
    const auto old = folder / ".boat.hul.merrowin-tmp.0123abcd";
    const auto young = folder / ".other.hul.merrowin-tmp.89abcdef";
    for (const auto& path : {old, young}) {
        std::ofstream(path) << "part of a hull\r\n";
    }
    std::filesystem::last_write_time(old, std::filesystem::file_time_type::clock::now() -
                                              std::chrono::minutes(2));
    AppState app;
    ScriptedDialogs dialogs;
    Form1 form(app, folder, &dialogs);
    QVERIFY(!std::filesystem::exists(old));
    QVERIFY(std::filesystem::exists(young)); // a save of another program may be writing it
}

void Form1SavesTest::autosaveLeavesAReadOnlyDefaultHull() {
    test::MainWindow w;
    const auto file = w.Folder() / "default.hul";
    QVERIFY(WriteHullFile(w.Folder(), "default.hul", w.Hull()).Ok());
    QCOMPARE(::chmod(file.c_str(), 0444), 0);
    const std::string before = HullFileText(w.Hull());
    w.Hull().OffsetX[3][2] = 24.5;

    w.form->Timer1Timer();
    QCOMPARE(w.Status(), std::string("Could not save default.hul"));
    std::ifstream in(file, std::ios::binary);
    const std::string after{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    QVERIFY(after == before);
    struct stat status {};
    QCOMPARE(::stat(file.c_str(), &status), 0);
    QCOMPARE(status.st_mode & 07777u, 0444u);
}

QTEST_MAIN(Form1SavesTest)
#include "Form1SavesTest.moc"
