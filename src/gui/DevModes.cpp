// Developer modes: repaint runs for the memory figure, and screenshots of the main window.
#include "DevModes.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPixmap>
#include <QScrollBar>
#include <QTemporaryDir>

#include "Form1.h"
#include "views/ViewCommands.h"

namespace merrowin {

namespace {

void Settle() {
    for (int i = 0; i < 3; ++i) {
        QApplication::processEvents();
    }
}

void ChooseMenuView(Form1& form, const char* name) {
    if (auto* action = form.findChild<QAction*>(QString::fromUtf8(name))) {
        action->trigger();
    }
    Settle();
}

void ShowPerspective(Form1& form) {
    ClickLogo(form.App(), form);
    Settle();
}

void SendMouse(QWidget& widget, QEvent::Type type, QPointF position, Qt::MouseButton button,
               Qt::MouseButtons buttons) {
    QMouseEvent event(type, position, widget.mapToGlobal(position), button, buttons,
                      Qt::NoModifier);
    QApplication::sendEvent(&widget, &event);
}

bool Save(Form1& form, const QDir& out, const char* name) {
    return form.grab().save(out.filePath(QString::fromUtf8(name)), "PNG");
}

} // namespace

int RepaintAndQuit(const std::filesystem::path& folder) {
    AppState app;
    ScriptedDialogs dialogs;
    Form1 form(app, folder, &dialogs);
    form.show();
    Settle();
    form.Text3().setText(QStringLiteral("30"));
    for (int round = 0; round < 3; ++round) {
        for (const char* view : {"Sections", "Profile", "Plan"}) {
            ChooseMenuView(form, view);
            form.RepaintWindow();
        }
        ShowPerspective(form);
    }
    return 0;
}

int WriteScreenshots(const std::filesystem::path& outFolder) {
    const QDir out(QString::fromStdString(outFolder.string()));
    if (!out.exists() && !QDir().mkpath(out.path())) {
        return 1;
    }
    // A fresh folder, so the default hull is shown whatever the current folder holds.
    QTemporaryDir work;
    if (!work.isValid()) {
        return 1;
    }
    AppState app;
    ScriptedDialogs dialogs;
    Form1 form(app, work.path().toStdString(), &dialogs);
    form.show();
    Settle();
    form.Text3().setText(QStringLiteral("6"));
    Settle();

    bool saved = Save(form, out, "perspective.png");
    ChooseMenuView(form, "Sections");
    saved = Save(form, out, "sections.png") && saved;
    ChooseMenuView(form, "Plan");
    saved = Save(form, out, "plan.png") && saved;
    ChooseMenuView(form, "Profile");
    // A position read-out in the status bar, as the mouse passes over the view.
    PictureBox& view = form.Picture2();
    SendMouse(view, QEvent::MouseMove, view.ToWidget(70, 20), Qt::NoButton, Qt::NoButton);
    Settle();
    saved = Save(form, out, "profile.png") && saved;

    // Zoom on the bow with a right-button drag from above the stem down to the keel.
    const QPointF anchor = view.ToWidget(-4, 50);
    const QPointF corner = view.ToWidget(40, 0);
    SendMouse(view, QEvent::MouseButtonPress, anchor, Qt::RightButton, Qt::RightButton);
    SendMouse(view, QEvent::MouseMove, (anchor + corner) / 2, Qt::NoButton, Qt::RightButton);
    SendMouse(view, QEvent::MouseMove, corner, Qt::NoButton, Qt::RightButton);
    SendMouse(view, QEvent::MouseButtonRelease, corner, Qt::RightButton, Qt::NoButton);
    Settle();
    saved = Save(form, out, "zoomed.png") && saved;

    // The plan at a waterline of 6 inches, set with the slider, and the results list showing the
    // displacement.
    ClickThumbnail(app, 2, form);
    ChooseMenuView(form, "EnterWaterline");
    form.HScroll1().setValue(60);
    Settle();
    // The user picks "Displacement" by typing its first letter into the list.
    QKeyEvent key(QEvent::KeyPress, Qt::Key_D, Qt::NoModifier, QStringLiteral("D"));
    QApplication::sendEvent(&form.Combo1(), &key);
    Settle();
    saved = Save(form, out, "waterline.png") && saved;
    return saved ? 0 : 1;
}

} // namespace merrowin
