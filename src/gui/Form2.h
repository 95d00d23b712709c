// Form2 "Pattern Nesting": the pieces of the last pattern run laid out on a row of plywood sheets,
// written as a nested hand plotting listing or printed a sheet a page.
#pragma once

#include <QWidget>

#include <array>
#include <filesystem>
#include <vector>

#include "QtCanvas.h"
#include "app/AppState.h"
#include "nesting/NestDrawing.h"
#include "nesting/NestPages.h"
#include "nesting/NestState.h"
#include "ui/RepaintHub.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPrinter;
class QPushButton;
class QRadioButton;
class QToolButton;

namespace merrowin {

// What the window hands over to the desktop: showing a written file, and the printer. Tests put
// their own in its place so that no viewer, printer or modal preview is started.
class NestDesktop {
public:
    virtual ~NestDesktop() = default;
    // Shows the file in the desktop's editor or viewer for its type; false when none could.
    virtual bool OpenFile(const std::filesystem::path& file) = 0;
    // Whether the system has a printer to print on.
    virtual bool HasPrinter() = 0;
    // Prints the pages on the system's default printer; false when that fails.
    virtual bool Print(const std::vector<NestPage>& pages) = 0;
    // Shows the pages as the printer would print them; they can be printed from there.
    virtual void Preview(const std::vector<NestPage>& pages, QWidget* parent) = 0;
};

// The desktop itself: QDesktopServices opens the file (no shell and no command line is ever made
// from its name), QPrinter and QPrintPreviewDialog print.
class QtNestDesktop : public NestDesktop {
public:
    bool OpenFile(const std::filesystem::path& file) override;
    bool HasPrinter() override;
    bool Print(const std::vector<NestPage>& pages) override;
    void Preview(const std::vector<NestPage>& pages, QWidget* parent) override;
};

// Paints the pages on a printer (or its preview), one page a sheet on its paper turned
// landscape, each kept inside the part of the paper the printer can print on.
bool PaintNestPages(QPrinter& printer, const std::vector<NestPage>& pages);

// Where "Print" puts the sheets when the system has no printer.
inline constexpr const char* NestPdfName = "nest.pdf";

class Form2 : public QWidget, public RepaintListener {
    Q_OBJECT
public:
    // Load: centred when first shown, three sheets of 48 x 96 inches, and the pieces of
    // "handplot.txt" in the working folder. Listens to the main window's repaints through
    // `ui.Hub` until it goes.
    Form2(AppState& app, std::filesystem::path folder, UiServices ui, QWidget* parent = nullptr);
    ~Form2() override;

    // What the main window's "&Nesting" does: Check1 takes NestOption, the window is shown.
    void ShowForHull();
    // Replaces the desktop the window opens files and prints through (it must outlive the
    // window).
    void UseDesktop(NestDesktop& desktop) { desktop_ = &desktop; }

    // RepaintListener: a hull opened or read since keeps its option in "-->".
    void ModelRepainted() override;

    // Handlers, callable directly.
    void List1Click(int index);
    void Command1Click();  // "Flip"
    void Command2Click();  // "180"
    void Command3Click();  // "90"
    void Command4Click();  // "CCW"
    void Command6Click();  // "CW"
    void Command5Click();  // "Copy"
    void Command7Click();  // the view button
    void Command8Click();  // "Save"
    void Command9Click();  // "Prn?"
    void Command10Click(); // "Print"
    void Image3Click();    // the sheet picture to the right
    void Image4Click();    // the sheet picture to the left

    // The pieces, their places on the sheets and the selection.
    const NestState& State() const { return state_; }
    NestState& State() { return state_; }
    NestViewMode ViewMode() const { return viewMode_; }
    // Draws the sheet view again from the state.
    void RepaintSheets();

    PictureBox& Picture1() { return *picture1_; }
    QListWidget& List1() { return *list1_; }
    QLineEdit& Text1() { return *text1_; }
    QLineEdit& Text2() { return *text2_; }
    QRadioButton& Option(int number); // Option1..Option3
    QPushButton& Command(int number); // Command1..Command10
    QCheckBox& Check1() { return *check1_; }
    QCheckBox& Check2() { return *check2_; }
    QToolButton& Image3() { return *image3_; }
    QToolButton& Image4() { return *image4_; }

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateControls();
    QWidget* CreatePieceButtons();
    QWidget* CreateSheetBoxes();
    QWidget* CreateOutputButtons();
    void ConnectHandlers();
    void LoadPieces();
    void SheetsChanged();
    void PlaceSheetView();
    void Picture1MouseDown(double x, double y);
    void Picture1MouseMove(double x, double y);
    void Picture1MouseUp();
    void Check1Click(bool checked);
    void CentreOnScreen();

    AppState& app_;
    std::filesystem::path folder_;
    UiServices ui_;
    QtNestDesktop ownDesktop_;
    NestDesktop* desktop_ = &ownDesktop_;
    NestState state_;
    NestViewMode viewMode_ = NestViewMode::Wide;
    int sheetViewLeft_ = SheetViewHomeLeft; // twips
    bool centred_ = false;

    QWidget* controls_ = nullptr; // the band above the sheet view
    PictureBox* picture1_ = nullptr;
    QListWidget* list1_ = nullptr;
    QLabel* label2_ = nullptr;
    QLineEdit* text1_ = nullptr;
    QLineEdit* text2_ = nullptr;
    std::array<QRadioButton*, 4> option_{};  // Option1..Option3; index 0 unused
    std::array<QPushButton*, 11> command_{}; // Command1..Command10; index 0 unused
    QCheckBox* check1_ = nullptr;
    QCheckBox* check2_ = nullptr;
    QToolButton* image3_ = nullptr;
    QToolButton* image4_ = nullptr;
};

} // namespace merrowin
