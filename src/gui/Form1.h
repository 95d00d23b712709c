// Form1: the main window, which shows the hull, carries every command and owns the views.
#pragma once

#include <QMainWindow>

#include <array>
#include <filesystem>
#include <memory>
#include <optional>

#include "QtCanvas.h"
#include "QtServices.h"
#include "app/AppState.h"
#include "io/Outcome.h"
#include "ui/RepaintHub.h"

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;
class QTimer;

namespace merrowin {

class Form2;
class Form3;
class Form4;
class Form5;
class FullSizeDialog;
class PanelReportWindow;
class StabilityWindow;

class Form1 : public QMainWindow, public RepaintHub {
    Q_OBJECT
public:
    // Runs the start-up: the window is centred, the hull reset to the default and replaced by
    // "default.hul" of the working folder when there is one, the plotter scale read, the
    // information box shown and the autosave started. `dialogs` answers the message and input
    // boxes (nullptr: Qt boxes modal to this window).
    Form1(AppState& app, std::filesystem::path folder, Dialogs* dialogs = nullptr,
          QWidget* parent = nullptr);
    ~Form1() override;

    // RepaintHub: the whole window (the views engine, then the controls from the model), or the
    // main view alone.
    void RepaintWindow() override;
    void RepaintMainView() override;
    Canvas& MainPicture() override;
    Canvas& Thumbnail(int index) override;

    // What the other windows and the handlers reach the user through.
    UiServices& Ui();
    AppState& App() { return app_; }
    const std::filesystem::path& Folder() const { return folder_; }
    QtStatusBar& Status() { return *status_; }

    PictureBox& Picture2() { return *picture2_; }
    PictureBox& Picture1(int index);
    PictureBox& Picture3() { return *picture3_; }
    QLineEdit& Text1(int index);
    QLineEdit& Text3() { return *text3_; }
    QScrollBar& VScroll1() { return *vScroll1_; }
    QScrollBar& HScroll1() { return *hScroll1_; }
    QComboBox& Combo1() { return *combo1_; }
    // The Save and Create Patterns window, once "&Save, Create" has opened it (else nullptr).
    Form3* PatternsWindow() const { return form3_; }
    // The nesting window while it is loaded: from "&Nesting" until a pattern run unloads it.
    Form2* NestingWindow() const { return form2_; }

    // The Open window and the offsets table, once "&Open" or "&Offsets Table" has opened them
    // (else nullptr).
    Form4* OpenWindow() const { return form4_.get(); }
    Form5* OffsetsWindow() const { return form5_.get(); }
    // The Stability Curve window, once "Stability &Curve..." has opened it (else nullptr).
    StabilityWindow* StabilityCurveWindow() const { return stability_.get(); }

    // "Export 3-D &Mesh..." after its save dialog: the hull's mesh written to `path` (STL or OBJ
    // by the extension), closed when `closed`. A failure goes to status panel 1.
    Outcome ExportMesh(const std::filesystem::path& path, bool closed);

    // The full-size printing window and the panel report, once their Patterns items have opened
    // them (else nullptr).
    FullSizeDialog* FullSizeWindow() const { return fullSize_.get(); }
    PanelReportWindow* PanelReportView() const { return panelReport_.get(); }

    // Centres the window on the screen, as at start-up and when the Open window or the offsets
    // table is left.
    void CentreOnScreen();

    // Shows the model's state in the controls: station boxes, chine count, menu check marks and
    // enabled states, the waterline slider and the results list. Never repaints a picture, so
    // what a command drew over the views (contours, the heeled hull) stays.
    void RefreshControls();

public slots:
    // Timer1: writes "default.hul" with a notice in status panel 1.
    void Timer1Timer();

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateMenus();
    void CreateControls();
    void CreatePictures();
    void ConnectMainView();
    void CreateButtons();
    void CreateStationBoxes();
    void CreateChineCountBox();
    void CreateCalculationControls();
    void StartUp();
    void ApplyLayout();
    int StationBoxWidth() const;
    int ResultsListWidth() const;
    int ClientHeight() const;
    QSize SmallestSize() const;
    void FocusFirstStationBox();
    void ResetPitch();
    bool StationBoxKeyPress(int bulkhead, int key);
    void ShowWaterlineRange();
    void ShowResultsList();

    // Menu items: one handler each. Items whose commands are not wired yet do nothing.
    void Dummy2Click();  // "&Open"
    void Dummy4Click();  // "&Save, Create"
    void Dummy21Click(); // "&Clear old patterns"
    void Dummy6Click();  // "&Exit"
    void Dummy8Click();  // "&Offsets Table"
    void AutoSplineClick();
    void LockBulkheadsClick();
    void DisplacementClick();
    void EnterWaterlineClick();
    void ContoursClick();
    void EnterPitchClick();
    void EnterHeelClick();
    void FreshwaterClick();
    void SeawaterClick();
    void Dummy12Click(); // rescale: length overall
    void Dummy18Click(); // rescale: beam
    void Dummy19Click(); // rescale: height
    void Dummy88Click(); // rescale: length
    void SectionsClick();
    void ProfileClick();
    void PlanClick();
    void TrueViewClick();
    void Dummy15Click(); // "&Nesting"
    void UnloadNestingWindow();

    void PrintFullSizeClick(); // "Print &Full Size..."
    void PanelReportClick();   // "Panel &Report..."
    void PatternRunFinished();
    void Command2Click();       // "VRML"
    void ExportMeshClick();     // "Export 3-D &Mesh..."
    void StabilityCurveClick(); // "Stability &Curve..."
    void HScroll1Change(int value);
    void Combo1Click(int index);

    void Text3Change(const QString& text);
    void VScroll1Change(int value);

    AppState& app_;
    std::filesystem::path folder_;
    std::unique_ptr<QtDialogs> ownDialogs_;
    Dialogs* dialogs_;
    std::unique_ptr<QtStatusBar> status_;
    std::optional<UiServices> ui_;
    bool started_ = false; // start-up done: repaints may run

    QWidget* central_ = nullptr;
    PictureBox* picture2_ = nullptr;
    std::array<PictureBox*, 3> picture1_{};
    PictureBox* picture3_ = nullptr;
    std::array<QLineEdit*, 5> text1_{};
    std::array<QLabel*, 5> text1Labels_{};
    QLineEdit* text3_ = nullptr;
    QLabel* chnLabel_ = nullptr;
    QScrollBar* vScroll1_ = nullptr;
    QPushButton* command1_ = nullptr;
    QPushButton* command2_ = nullptr;
    QPushButton* command5_ = nullptr;
    QPushButton* command6_ = nullptr;
    QScrollBar* hScroll1_ = nullptr;
    QComboBox* combo1_ = nullptr;
    QTimer* timer1_ = nullptr;
    Form3* form3_ = nullptr; // created on first use, kept for the run
    // Created on first use and kept for the run. Owned here, so they leave the repaint hub's
    // listeners before the hub itself goes.
    std::unique_ptr<Form4> form4_;
    std::unique_ptr<Form5> form5_;
    std::unique_ptr<StabilityWindow> stability_;
    Form2* form2_ = nullptr; // created by "&Nesting", gone when a pattern run unloads it

    QAction* autoSpline_ = nullptr;
    QAction* lockBulkheads_ = nullptr;
    QAction* enterWaterline_ = nullptr;
    QAction* enterHeel_ = nullptr;
    QAction* freshwater_ = nullptr;
    QAction* seawater_ = nullptr;
    QAction* sections_ = nullptr;
    QAction* profile_ = nullptr;
    QAction* plan_ = nullptr;
    QAction* trueView_ = nullptr;

    // Created on first use and kept for the run; they go before the status bar they write to.
    std::unique_ptr<FullSizeDialog> fullSize_;
    std::unique_ptr<PanelReportWindow> panelReport_;
    // The Edit menu: undo and redo of the designer's steps.
    void EditUndoClick(); // "&Undo"
    void EditRedoClick(); // "&Redo"
    void RunHistoryCommand(bool (*command)(AppState&, RepaintHub&));
    void ShowHistoryState();
    bool IsHistoryKeyOverride(QObject* watched, QEvent* event);
    QAction* editUndo_ = nullptr;
    QAction* editRedo_ = nullptr;
};

} // namespace merrowin
