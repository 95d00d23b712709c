// Window tests of the folder browser: which files it lists, moving between folders, and the
// path a click reports.
#include <QDir>
#include <QFile>
#include <QListView>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include "FolderBrowser.h"

using namespace merrowin;

namespace {

// A folder holding a.hul, B.HUL, c.txt and sub/d.hul, shown in a hull-file browser.
struct Browsing {
    QTemporaryDir dir;
    FolderBrowser browser{{"*.hul"}, {}};

    Browsing() {
        QDir(dir.path()).mkdir("sub");
        for (const char* name : {"a.hul", "B.HUL", "c.txt", "sub/d.hul"}) {
            QFile file(dir.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        browser.resize(300, 500);
        browser.show();
        QVERIFY(QTest::qWaitForWindowExposed(&browser));
        QVERIFY(browser.SetFolder(dir.path()));
    }
};

// The row of a list showing `text`, once the list has read its folder.
QModelIndex RowOf(const QListView& list, const QString& text) {
    const QModelIndex root = list.rootIndex();
    for (int row = 0; row < list.model()->rowCount(root); ++row) {
        const QModelIndex index = list.model()->index(row, 0, root);
        if (index.data().toString() == text) {
            return index;
        }
    }
    return {};
}

} // namespace

class FolderBrowserTest : public QObject {
    Q_OBJECT
private slots:
    void listsHullFilesInAnyLetterCaseInNameOrder() {
        Browsing b;
        QTRY_COMPARE(b.browser.FileNames(), (QStringList{"a.hul", "B.HUL"}));
    }

    void movingIntoAFolderAndBackListsItsFiles() {
        Browsing b;
        QSignalSpy moved(&b.browser, &FolderBrowser::FolderChanged);
        QListView& folders = b.browser.Dir1();
        QTRY_VERIFY(RowOf(folders, "sub").isValid());
        folders.setCurrentIndex(RowOf(folders, "sub"));
        QTest::keyClick(&folders, Qt::Key_Return);
        const QString sub = b.dir.filePath("sub");
        QCOMPARE(b.browser.Folder(), sub);
        QCOMPARE(moved.size(), 1);
        QCOMPARE(moved.last().at(0).toString(), sub);
        QTRY_COMPARE(b.browser.FileNames(), QStringList{"d.hul"});

        QTRY_VERIFY(RowOf(folders, "..").isValid());
        folders.setCurrentIndex(RowOf(folders, ".."));
        QTest::keyClick(&folders, Qt::Key_Return);
        QCOMPARE(b.browser.Folder(), b.dir.path());
        QTRY_COMPARE(b.browser.FileNames(), (QStringList{"a.hul", "B.HUL"}));
        // A folder that is not there leaves the browser where it is.
        QVERIFY(!b.browser.SetFolder(b.dir.filePath("gone")));
        QCOMPARE(b.browser.Folder(), b.dir.path());
    }

    void clickReportsTheFullPath() {
        Browsing b;
        QSignalSpy clicked(&b.browser, &FolderBrowser::FileClicked);
        QListView& files = b.browser.File1();
        QTRY_VERIFY(RowOf(files, "B.HUL").isValid());
        const QRect item = files.visualRect(RowOf(files, "B.HUL"));
        QTest::mouseClick(files.viewport(), Qt::LeftButton, {}, item.center());
        QCOMPARE(clicked.size(), 1);
        QCOMPARE(clicked.last().at(0).toString(), b.dir.filePath("B.HUL"));
        // At a root no separator is doubled.
        QVERIFY(b.browser.SetFolder("/"));
        QCOMPARE(b.browser.FilePath("boat.hul"), QString("/boat.hul"));
    }
};

QTEST_MAIN(FolderBrowserTest)
#include "FolderBrowserTest.moc"
