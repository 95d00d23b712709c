// Window test of the main window's start-up clearing the temporaries of saves that were killed.
#include <QtTest>

#include <chrono>
#include <fstream>

#include "MainWindowFixture.h"

using namespace merrowin;

class Form1SavesTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }
    void startUpClearsStaleTemporaries();
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

QTEST_MAIN(Form1SavesTest)
#include "Form1SavesTest.moc"
