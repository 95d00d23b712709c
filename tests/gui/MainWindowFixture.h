// What the window tests share: a main window in a fresh working folder with every box answered
// by script, typing into a box as the user does, and counting a picture's pixels.
#pragma once

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QtTest/qtestspontaneevent.h>
#include <QtTest>

#include <cmath>
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
    // The window a menu item opens, as the main window keeps it; the run stops if none opened.
    template <typename W> W& Open(const char* action, W* (Form1::*window)() const) {
        Action(action)->trigger();
        W* opened = (form.get()->*window)();
        if (opened == nullptr) {
            qFatal("%s opened no window", action);
        }
        return *opened;
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

// The pixels of an image whose colour passes a test.
template <typename Test> int CountPixels(const QImage& image, Test test) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            count += test(image.pixel(x, y)) ? 1 : 0;
        }
    }
    return count;
}

inline QRgb Palette(int colour) {
    const Rgb rgb = PaletteColour(colour);
    return qRgb(rgb.R, rgb.G, rgb.B);
}

// The pixels drawn in one palette colour: the colour itself, or the colour at least half covering
// a white pixel where a smoothed line passes; and those that are not white.
inline bool DrawnIn(QRgb pixel, QRgb colour) {
    const int p[3] = {qRed(pixel), qGreen(pixel), qBlue(pixel)};
    const int c[3] = {qRed(colour), qGreen(colour), qBlue(colour)};
    double cover = 0;
    int coloured = 0;
    for (int k = 0; k < 3; ++k) {
        if (c[k] < 255) {
            cover += (255.0 - p[k]) / (255.0 - c[k]);
            ++coloured;
        }
    }
    cover = coloured > 0 ? cover / coloured : (pixel == colour ? 1 : 0);
    if (cover < 0.5) {
        return false;
    }
    for (int k = 0; k < 3; ++k) {
        if (std::abs(p[k] - (cover * c[k] + (1 - cover) * 255)) > 12) {
            return false;
        }
    }
    return true;
}
inline int PixelsOf(const QImage& image, int colour) {
    return CountPixels(image,
                       [wanted = Palette(colour)](QRgb pixel) { return DrawnIn(pixel, wanted); });
}
inline int Inked(const QImage& image) {
    return CountPixels(image, [](QRgb pixel) { return pixel != qRgb(255, 255, 255); });
}
// The bounds of the pixels that are not white.
inline QRect InkBounds(const QImage& image) {
    QRect bounds;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            bounds |= image.pixel(x, y) != qRgb(255, 255, 255) ? QRect(x, y, 1, 1) : QRect();
        }
    }
    return bounds;
}

} // namespace merrowin::test
