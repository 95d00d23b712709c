// Form5 "Offsets": every bulkhead crossing of every chine as X, Y, Z in a grid, typed in the
// shop notation of eighths, and printed.
#pragma once

#include <QDialog>
#include <QPrinterInfo>

#include <filesystem>
#include <functional>

#include "app/AppState.h"
#include "offsets/OffsetsEditing.h"
#include "offsets/OffsetsGrid.h"
#include "ui/RepaintHub.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace merrowin {

class Form1;

class Form5 : public QDialog, public RepaintListener {
    Q_OBJECT
public:
    // The table over the main window's model; it shows itself through OpenTable.
    explicit Form5(Form1& main);
    ~Form5() override;

    // "&Offsets Table": the explanation the first time in a run, the grid laid out again from the
    // model, the main window moved to the screen's left edge and the table shown at its right
    // and bottom edges.
    void OpenTable();

    // Handlers, callable directly. Rows are the grid's own: row 0 is the header row, crossing
    // rows start at 1.
    void Grid1Change(int row, int column); // the current cell moved
    void Text1Change(const QString& text); // typed into the editor
    void Text2Change(const QString& text); // the Y datum
    void Command1Click();                  // "Done"
    void Command2Click();                  // "Prnt"

    // The model changed (a repaint of the main window): the cells show it again.
    void ModelRepainted() override;

    QTableWidget& Grid1() { return *grid1_; }
    QLineEdit& Text1() { return *text1_; }
    QLineEdit& Text2() { return *text2_; }
    QPushButton& Command1() { return *command1_; }
    QPushButton& Command2() { return *command2_; }
    // The table as laid out and edited.
    const OffsetsGrid& Grid() const { return grid_; }
    const OffsetsTableState& State() const { return state_; }
    // The text Grid1 shows in a cell; the header row's are the column titles.
    QString CellText(int row, int column) const;
    // Makes a cell current, as a click on it does.
    void SelectCell(int row, int column);

    // The printer "Prnt" prints on: the system's default; none (a null QPrinterInfo) prints
    // into PdfName in the working folder.
    std::function<QPrinterInfo()> DefaultPrinter = [] { return QPrinterInfo::defaultPrinter(); };
    static constexpr const char* PdfName = "offsets.pdf";

protected:
    void closeEvent(QCloseEvent* event) override;
    // Escape leaves the table as "Done" does.
    void reject() override;

private:
    void CreateControls();
    void LoadGrid(); // the whole grid from the model
    void ShowCell(int row, int column);
    void SetColumnWidths();
    void PlaceWindows();
    int CurrentRow() const; // the grid's row of the current cell; -1 for none

    Form1& main_;
    AppState& app_;
    std::filesystem::path folder_;
    UiServices ui_;
    OffsetsTableState state_; // the Y datum and the explanation, kept for the run
    OffsetsGrid grid_;
    bool storing_ = false; // an entry of the editor is being stored

    QTableWidget* grid1_ = nullptr;
    QLabel* label1_ = nullptr;
    QLineEdit* text1_ = nullptr;
    QLabel* label2_ = nullptr;
    QLineEdit* text2_ = nullptr;
    QPushButton* command1_ = nullptr;
    QPushButton* command2_ = nullptr;
};

} // namespace merrowin
