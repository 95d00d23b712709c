// Developer modes: repaint runs for the memory figure, and screenshots of the main window.
#include "DevModes.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QThread>

#include <utility>

#include "Form1.h"
#include "Form2.h"
#include "Form4.h"
#include "Form5.h"
#include "model/HullFile.h"
#include "nesting/NestLayoutFile.h"
#include "patterns/PatternGeneration.h"
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

// ---------------------------------------------------------------- the Open window and the table

// open.png: the Open window with a gaff rig typed in and the standing figure chosen; rig.png: the
// main window's profile with that rig and the figure standing in the boat; offsets.png: the
// offsets table with a cell in the editor.
bool SaveOpenAndOffsetsShots(Form1& form, const QDir& out) {
    // A hull file with a gaff rig on a deck-stepped mast, beside the working hull.
    HullDocument sharpie = form.App().Hull;
    sharpie.InfoLines = {"R. Builder of Tern Cove", "Sharpie 12 with a gaff sail", "", ""};
    const std::pair<RigBox, const char*> rig[] = {{MastLengthBox, "150"},  {BoomHeightBox, "10"},
                                                  {StepPositionBox, "38"}, {LuffLengthBox, "96"},
                                                  {HeadLengthBox, "66"},   {HeadAngleBox, "55"},
                                                  {FootLengthBox, "84"}};
    for (const auto& [box, text] : rig) {
        SetRigText(sharpie, box, text);
    }
    sharpie.DeckStep = true;
    for (const char* name : {"sharpie.hul", "pram.hul"}) {
        if (WriteHullFile(form.Folder(), name, sharpie).HasFailed()) {
            return false;
        }
    }

    ChooseMenuView(form, "Profile");
    ChooseMenuView(form, "dummy2");
    Form4* open = form.OpenWindow();
    if (open == nullptr) {
        return false;
    }
    // The list fills in the background.
    for (int wait = 0; wait < 200 && !open->Browser().FileNames().contains("sharpie.hul"); ++wait) {
        QThread::msleep(10);
        Settle();
    }
    open->Browser().ClickFile(QStringLiteral("sharpie.hul"));
    open->Rig().click();
    open->Picture2Click(0);
    ViewState& view = form.App().Work.View;
    view.FigureZ = 96; // amidships aft of the mast, feet on the bottom
    view.FigureY = 40;
    form.RepaintMainView();
    Settle();
    bool saved = open->grab().save(out.filePath(QStringLiteral("open.png")), "PNG");
    saved = Save(form, out, "rig.png") && saved;
    open->Command1Click();

    ChooseMenuView(form, "dummy8");
    Form5* table = form.OffsetsWindow();
    if (table == nullptr) {
        return false;
    }
    table->SelectCell(2 * form.App().Hull.ChineCount + 3, XColumn);
    Settle();
    saved = table->grab().save(out.filePath(QStringLiteral("offsets.png")), "PNG") && saved;
    table->Command1Click();
    return saved;
}

} // namespace

// ---------------------------------------------------------------- the nesting window

namespace {

// Pieces of the hull's pattern run laid out over three sheets: two chine panels along the row,
// the first crossing from sheet 1 into sheet 2, then a bulkhead and the transom.
const char* const NestingLayout = "chine1.uc 71.5 12.5\n"
                                  "chine4.uc 76.5 39.5 flip\n"
                                  "bhead1.uc 181 19\n"
                                  "transom.uc 244 20\n";

// nesting.png: the nesting window over the pieces of a pattern run of the hull shown, with
// their names, all three sheets in view.
bool SaveNestingWindow(Form1& form, const QDir& out) {
    if (CreatePatterns(form.Folder(), form.App().Hull, form.App().Work, form.Status())
            .HasFailed()) {
        return false;
    }
    ChooseMenuView(form, "dummy15");
    Form2* nesting = form.NestingWindow();
    if (nesting == nullptr ||
        ApplyNestLayout(nesting->State(), ParseNestLayout(NestingLayout).Placements)) {
        return false;
    }
    nesting->List1().setCurrentRow(1); // bhead1.uc, selected as by a click on the list
    nesting->Check2().setChecked(true);
    nesting->Command(7).click(); // "Full View": the view as wide as the window
    nesting->resize(960, 340);   // no more height than the sheets need
    Settle();
    return nesting->grab().save(out.filePath(QStringLiteral("nesting.png")), "PNG");
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

    bool saved = Save(form, out, "hull.png");
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

    // The window at its smallest with the hull heeled 15 degrees: the results list shows its
    // longest title whole beside the slider.
    const QSize size = form.size();
    form.resize(form.minimumSize());
    Settle();
    dialogs.InputAnswers = {"15"};
    ChooseMenuView(form, "EnterHeel");
    saved = Save(form, out, "smallest.png") && saved;
    form.resize(size);
    Settle();

    saved = SaveOpenAndOffsetsShots(form, out) && saved;
    saved = SaveNestingWindow(form, out) && saved;
    return saved ? 0 : 1;
}

} // namespace merrowin
