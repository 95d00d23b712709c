// What the window tests share: a main window in a fresh working folder with every box answered
// by script, and typing into a box as the user does.
#pragma once

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QtTest/qtestspontaneevent.h>
#include <QtTest>

#include <filesystem>
#include <memory>
#include <string>

#include "Form1.h"

namespace merrowin::test {

struct MainWindow {
    QTemporaryDir dir;
    AppState app;
    ScriptedDialogs dialogs;
    std::unique_ptr<Form1> form;

    MainWindow() {
        form = std::make_unique<Form1>(app, Folder(), &dialogs);
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    }
    std::filesystem::path Folder() const { return dir.path().toStdString(); }
    bool Exists(const char* name) const { return std::filesystem::exists(Folder() / name); }
    QAction* Action(const char* name) const {
        return form->findChild<QAction*>(QString::fromUtf8(name));
    }
    HullDocument& Hull() { return app.Hull; }
    ViewState& View() { return app.Work.View; }
    HydroState& Hydro() { return app.Work.Hydro; }
    // The first panel of the status bar.
    std::string Status() const { return form->Status().Panel(1); }
};

// A click on the window's close box in its title bar: a close event from the window system, which
// the window may refuse. True when the window accepts it.
inline bool ClickCloseBox(QWidget& window) {
    QCloseEvent event;
    QSpontaneKeyEvent::setSpontaneous(&event); // as the window system sends it
    QApplication::instance()->notify(&window, &event);
    return event.isAccepted();
}

inline void TypeInto(QLineEdit& box, const char* text) {
    box.setFocus();
    box.selectAll();
    QTest::keyClicks(&box, QString::fromUtf8(text));
}

} // namespace merrowin::test
