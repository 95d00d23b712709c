// The full-size printing window: the pieces of the last pattern run at 1:1, tiled over Letter or
// A4 pages, written as a PDF file or printed on the default printer.
#pragma once

#include <QDialog>

#include <filesystem>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "app/AppState.h"
#include "tiles/FullSize.h"
#include "ui/RepaintHub.h"

class QComboBox;
class QLabel;
class QListWidget;
class QPrinter;
class QPushButton;

namespace merrowin {

// What the window hands over to the desktop: the choice of a file and the printer. Tests put
// their own in its place, so that no modal file dialog opens and nothing reaches a printer.
class FullSizeDesktop {
public:
    virtual ~FullSizeDesktop() = default;
    // The PDF file to write, chosen starting from `suggested`; nothing when cancelled.
    virtual std::optional<std::filesystem::path>
    ChoosePdfFile(const std::filesystem::path& suggested, QWidget* parent) = 0;
    // The name of the system's default printer; nothing when it has none.
    virtual std::optional<std::string> DefaultPrinter() = 0;
    // Prints the pages on the default printer (PrintFullSize); false when that fails.
    virtual bool Print(const TileDocument& document) = 0;
};

// The desktop itself: Qt's save-file dialog and the system's default printer, without the print
// dialog, whose scaling choices could spoil the 1:1.
class QtFullSizeDesktop : public FullSizeDesktop {
public:
    std::optional<std::filesystem::path> ChoosePdfFile(const std::filesystem::path& suggested,
                                                       QWidget* parent) override;
    std::optional<std::string> DefaultPrinter() override;
    bool Print(const TileDocument& document) override;
};

// Paints the pages on a printer at 1:1, on the document's own paper, portrait, the painter's
// origin at the paper's corner (the pages keep their own half-inch margins); false when the
// paper cannot be set or the pages cannot be painted.
bool PrintFullSize(QPrinter& printer, const TileDocument& document);

class FullSizeDialog : public QDialog {
    Q_OBJECT
public:
    // Letter paper in inches; the pieces are read when the window is shown.
    FullSizeDialog(AppState& app, std::filesystem::path folder, UiServices ui,
                   QWidget* parent = nullptr);

    // What "Print &Full Size..." does: the pieces of the folder read again, the window shown.
    void ShowForFolder();
    // Reads the pieces of the folder again. A piece the designer unticked stays unticked; a piece
    // new to the list is ticked.
    void RefreshPieces();
    // Replaces the desktop the window chooses files and prints through (it must outlive the
    // window).
    void UseDesktop(FullSizeDesktop& desktop) { desktop_ = &desktop; }

    // The pieces ticked, in the list's order.
    std::vector<std::string> TickedPieces() const;
    // The printout of the ticked pieces on the chosen paper, from the folder's plot files.
    TileDocument Plan() const;

    // Handlers, callable directly.
    void WritePdfClick();
    void PrintClick();
    void TickAll(bool ticked);

    QComboBox& PaperBox() { return *paperBox_; }
    QComboBox& UnitsBox() { return *unitsBox_; }
    // One checkable item a piece; its Qt::UserRole holds the piece's name.
    QListWidget& PieceList() { return *pieceList_; }
    // The page count of the choice, or why nothing can be printed.
    QLabel& SummaryLabel() { return *summaryLabel_; }
    QPushButton& WritePdfButton() { return *writePdfButton_; }
    QPushButton& PrintButton() { return *printButton_; }

private:
    void CreateControls();
    void PaperChanged();
    void ChoiceChanged();
    void ShowPieceCounts();
    FullSizeOptions Options() const;
    std::optional<TileDocument> PlanForOutput();

    AppState& app_;
    std::filesystem::path folder_;
    UiServices ui_;
    QtFullSizeDesktop ownDesktop_;
    FullSizeDesktop* desktop_ = &ownDesktop_;
    std::set<std::string> unticked_; // by name, so a refresh keeps them
    bool filling_ = false;           // the list is being filled: ticks are not the designer's

    QComboBox* paperBox_ = nullptr;
    QComboBox* unitsBox_ = nullptr;
    QListWidget* pieceList_ = nullptr;
    QPushButton* allButton_ = nullptr;
    QPushButton* noneButton_ = nullptr;
    QLabel* summaryLabel_ = nullptr;
    QPushButton* writePdfButton_ = nullptr;
    QPushButton* printButton_ = nullptr;
    QPushButton* closeButton_ = nullptr;
};

} // namespace merrowin
