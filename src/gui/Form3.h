// Form3 "Save and Create Patterns": the hull file name, pattern options, frame stations and
// information lines, and the Save button that runs the pattern generation.
#pragma once

#include <QDialog>

#include <array>
#include <filesystem>
#include <functional>

#include "FolderBrowser.h"
#include "app/AppState.h"
#include "ui/RepaintHub.h"

class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLayout;
class QLineEdit;
class QListView;
class QPushButton;

namespace merrowin {

class Form3 : public QDialog, public RepaintListener {
    Q_OBJECT
public:
    // Load: reads "hull.dat" of the working folder into the option boxes and the export folder
    // (the program's folder when that is empty). The folder list starts at the working folder.
    Form3(AppState& app, std::filesystem::path folder, UiServices ui, QWidget* parent = nullptr);
    ~Form3() override;

    // RepaintListener: while shown, an information line or frame station the hull no longer
    // holds (an undo, a hull opened meanwhile) shows the hull's.
    void ModelRepainted() override;

    // What "&Save, Create" of the main window does after resetting the pitch: the frame, file
    // name and information boxes filled from the model, the file list refreshed, the dialog shown.
    void ShowForHull();

    // Called before a run with "Expansions" set, to unload the nesting window.
    std::function<void()> UnloadNestingWindow;
    // Called after every run, so that the windows showing its files read them again.
    std::function<void()> PatternRunFinished;

    // Handlers, callable directly.
    void Command1Click(); // "Save"
    void Command2Click(); // "Cancel"
    void Command3Click(); // "Now"
    // A click on a file of File1, with the file's full path.
    void File1Click(const QString& path);
    void RefreshFileList(); // File1.Refresh

    QLineEdit& Text1() { return *text1_; }
    QLineEdit& Text6() { return *text6_; }
    QLineEdit& InfoText(int index) { return *infoText_[static_cast<std::size_t>(index)]; }
    QLineEdit& FrameText(int index) { return *frameText_[static_cast<std::size_t>(index)]; }
    // Drive1, Dir1 and File1 with what they show.
    FolderBrowser& Browser() { return *browser_; }
    QListView& File1() { return browser_->File1(); }
    QListView& Dir1() { return browser_->Dir1(); }
    QComboBox& Drive1() { return browser_->Drive1(); }
    QLabel& Label3() { return *label3_; }
    // Check1..Check10 by their number.
    QCheckBox& Check(int number);
    QPushButton& Command1() { return *command1_; }
    QPushButton& Command2() { return *command2_; }
    QPushButton& Command3() { return *command3_; }

    // Escape runs Cancel.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void CreateControls();
    QLayout* CreateFileColumn();
    QWidget* CreateInformation();
    QLayout* CreateExportRow();
    QLayout* CreateOptions();
    QLayout* CreateFrameBoxes();
    QLayout* CreateButtons();
    void ConnectHandlers();
    void ShowOptions(); // the boxes from the options (after Load and after a run)
    void CentreOnScreen();
    void Text1Change(const QString& text);

    AppState& app_;
    std::filesystem::path folder_;
    UiServices ui_;
    bool settingText1_ = false;
    bool centred_ = false;

    QLabel* label1_ = nullptr;
    QLineEdit* text1_ = nullptr;
    FolderBrowser* browser_ = nullptr;
    QLabel* label3_ = nullptr;
    QLabel* label5_ = nullptr;
    QLineEdit* text6_ = nullptr;
    QGroupBox* frame1_ = nullptr;
    std::array<QLineEdit*, 4> infoText_{}; // Text2 .. Text5
    QPushButton* command3_ = nullptr;
    std::array<QLineEdit*, 8> frameText_{};
    std::array<QCheckBox*, 11> check_{}; // Check1 .. Check10; index 0 unused
    QPushButton* command1_ = nullptr;
    QPushButton* command2_ = nullptr;
    QFrame* line1_ = nullptr;
};

} // namespace merrowin
