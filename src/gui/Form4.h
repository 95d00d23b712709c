// Form4 "Open": the hull files of a folder, each loaded for preview as it is clicked, and the rig,
// ballast and figure settings the main view draws with the hull.
#pragma once

#include <QDialog>

#include <array>
#include <filesystem>
#include <vector>

#include "FolderBrowser.h"
#include "app/AppState.h"
#include "model/Hull.h"
#include "open/Figures.h"
#include "ui/RepaintHub.h"

class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListView;
class QPushButton;
class QRadioButton;
class QScrollBar;

namespace merrowin {

class Form1;
class PictureBox;

class Form4 : public QDialog, public RepaintListener {
    Q_OBJECT
public:
    // Load: centred on the screen, the lists at the working folder, the information lines and
    // the rig and ballast boxes from the model, the figure thumbnails from "persons.fig".
    explicit Form4(Form1& main);
    ~Form4() override;

    // What "&Open" of the main window does after its resets: the file list read again and the
    // window shown (not modal: the main window stays usable).
    void ShowOpen();

    // Handlers, callable directly.
    void File1Click(const QString& path); // a hull file of the folder shown, by its full path
    void Command1Click();                 // "Done"
    void Picture2Click(int index);        // a figure thumbnail
    void Command5Click();                 // "Flip V"
    void Command6Click();                 // "Flip H"
    void Command7Click();                 // "90"

    // The model changed (a repaint of the main window): the labels and boxes show it again.
    void ModelRepainted() override;

    FolderBrowser& Browser() { return *browser_; }
    QListView& File1() { return browser_->File1(); }
    QLabel& Label3() { return *label3_; }
    QLabel& Label4() { return *label4_; }
    QLabel& Label11() { return *label11_; }
    QLineEdit& Text1() { return *text1_; }
    // A rig box by the value it sets.
    QLineEdit& RigText(RigBox box) { return *rigText_[static_cast<std::size_t>(box)]; }
    QRadioButton& Option1() { return *option1_; }
    QRadioButton& Option2() { return *option2_; }
    QCheckBox& Rig() { return *rig_; }
    // Text11 .. Text13: weight, height and station of the ballast.
    QLineEdit& BallastText(int index) { return *ballastText_[static_cast<std::size_t>(index)]; }
    PictureBox& Picture2(int index);
    QFrame& Shape2() { return *shape2_; }
    QLineEdit& Text3() { return *text3_; }
    QScrollBar& VScroll2() { return *vScroll2_; }
    QLineEdit& Text8() { return *text8_; }
    QPushButton& Command(int number); // 1 "Done", 5 "Flip V", 6 "Flip H", 7 "90"
    const FigureFrame& Figures() const { return frame_; }

protected:
    // The close box is refused: the window is left through "Done" only. The main window's
    // closing still closes it.
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    void CreateControls();
    QWidget* CreateFileColumn();
    QWidget* CreateRigFrame();
    QWidget* CreateBallastFrame();
    QWidget* CreateFigureFrame();
    void ConnectHandlers();
    void CentreOnScreen();
    void LoadFigures();
    void ShowFigureFrame(); // caption and highlight from the figure frame's state
    void RigChanged(RigBox box, const QString& text);
    void StepChanged();

    Form1& main_;
    AppState& app_;
    std::filesystem::path folder_;
    UiServices ui_;
    FigureFrame frame_;

    FolderBrowser* browser_ = nullptr;
    QLabel* label3_ = nullptr;
    QLabel* label4_ = nullptr;
    QLabel* label11_ = nullptr;
    QLineEdit* text1_ = nullptr;
    QPushButton* command1_ = nullptr;

    QGroupBox* frame2_ = nullptr;
    std::array<QLineEdit*, RigBoxCount> rigText_{};
    QRadioButton* option1_ = nullptr;
    QRadioButton* option2_ = nullptr;
    QCheckBox* rig_ = nullptr;

    QGroupBox* frame3_ = nullptr;
    std::array<QLineEdit*, 3> ballastText_{};

    QGroupBox* frame1_ = nullptr;
    std::array<PictureBox*, MaxFigures> picture2_{};
    QFrame* shape2_ = nullptr;
    QLineEdit* text3_ = nullptr;
    QScrollBar* vScroll2_ = nullptr;
    QLineEdit* text8_ = nullptr;
    QPushButton* command5_ = nullptr;
    QPushButton* command6_ = nullptr;
    QPushButton* command7_ = nullptr;
};

} // namespace merrowin
