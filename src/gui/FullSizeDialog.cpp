// The full-size printing window: its controls and handlers; planning and drawing the pages are
// the core's (tiles/), painting them the printing library's.
#include "FullSizeDialog.h"

#include <QComboBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

#include "print/Printouts.h"
#include "tiles/FullSizeChoice.h"

namespace merrowin {

namespace {

const char* const Caption = "Print Full Size";

QString ToQt(const std::string& text) {
    return QString::fromStdString(text);
}

QPushButton* NamedButton(const char* name, const char* caption, QWidget* parent) {
    auto* button = new QPushButton(QString::fromUtf8(caption), parent);
    button->setObjectName(QString::fromUtf8(name));
    button->setAutoDefault(false);
    return button;
}

// A file in the working folder is named as the designer knows it; one elsewhere by its path.
std::string ShownName(const std::filesystem::path& file, const std::filesystem::path& folder) {
    // Both with a trailing separator, so that "/work/" and "/work" are the same folder.
    return (file.parent_path() / "").lexically_normal() == (folder / "").lexically_normal()
               ? file.filename().string()
               : file.string();
}

} // namespace

// ---------------------------------------------------------------- the desktop

std::optional<std::filesystem::path>
QtFullSizeDesktop::ChoosePdfFile(const std::filesystem::path& suggested, QWidget* parent) {
    QFileDialog dialog(parent, QStringLiteral("Write Full-Size Patterns"),
                       ToQt(suggested.parent_path().string()), QStringLiteral("PDF files (*.pdf)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    dialog.selectFile(ToQt(suggested.filename().string()));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return std::filesystem::path(dialog.selectedFiles().front().toStdString());
}

std::optional<std::string> QtFullSizeDesktop::DefaultPrinter() {
    const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
    if (printer.isNull()) {
        return std::nullopt;
    }
    return printer.printerName().toStdString();
}

bool QtFullSizeDesktop::Print(const TileDocument& document) {
    QPrinter printer(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
    return PrintFullSize(printer, document);
}

bool PrintFullSize(QPrinter& printer, const TileDocument& document) {
    printer.setFullPage(true);
    printer.setPageOrientation(QPageLayout::Portrait);
    if (!printer.setPageSize(ToPageSize(FullSizePaper(document)))) {
        return false;
    }
    printer.setDocName(ToQt("Full-size patterns: " + document.Title));
    return PaintPages(printer, document.PageCount(), FullSizeDrawer(document));
}

// ---------------------------------------------------------------- the window

FullSizeDialog::FullSizeDialog(AppState& app, std::filesystem::path folder, UiServices ui,
                               QWidget* parent)
    : QDialog(parent), app_(app), folder_(std::move(folder)), ui_(ui) {
    setObjectName(QStringLiteral("FullSize"));
    setWindowTitle(QString::fromUtf8(Caption));
    CreateControls();
}

void FullSizeDialog::CreateControls() {
    auto* layout = new QVBoxLayout(this);
    auto* choices = new QGridLayout;
    paperBox_ = new QComboBox(this);
    paperBox_->setObjectName(QStringLiteral("PaperBox"));
    paperBox_->addItems({QStringLiteral("Letter"), QStringLiteral("A4")});
    unitsBox_ = new QComboBox(this);
    unitsBox_->setObjectName(QStringLiteral("UnitsBox"));
    unitsBox_->addItems({QStringLiteral("Inches"), QStringLiteral("Millimetres")});
    auto* paperLabel = new QLabel(QStringLiteral("&Paper:"), this);
    paperLabel->setBuddy(paperBox_);
    auto* unitsLabel = new QLabel(QStringLiteral("&Units on the map:"), this);
    unitsLabel->setBuddy(unitsBox_);
    choices->addWidget(paperLabel, 0, 0);
    choices->addWidget(paperBox_, 0, 1);
    choices->addWidget(unitsLabel, 1, 0);
    choices->addWidget(unitsBox_, 1, 1);
    layout->addLayout(choices);

    layout->addWidget(new QLabel(QStringLiteral("Pieces of the last pattern run:"), this));
    pieceList_ = new QListWidget(this);
    pieceList_->setObjectName(QStringLiteral("PieceList"));
    layout->addWidget(pieceList_, 1);
    auto* ticks = new QHBoxLayout;
    allButton_ = NamedButton("AllButton", "&All", this);
    noneButton_ = NamedButton("NoneButton", "&None", this);
    ticks->addWidget(allButton_);
    ticks->addWidget(noneButton_);
    ticks->addStretch(1);
    layout->addLayout(ticks);

    summaryLabel_ = new QLabel(this);
    summaryLabel_->setObjectName(QStringLiteral("SummaryLabel"));
    layout->addWidget(summaryLabel_);
    auto* advice = new QLabel(QStringLiteral("Print at actual size (100%), never \"fit to page\", "
                                             "and measure the calibration square before you "
                                             "cut."),
                              this);
    advice->setWordWrap(true);
    layout->addWidget(advice);

    auto* buttons = new QHBoxLayout;
    writePdfButton_ = NamedButton("WritePdfButton", "Write P&DF...", this);
    printButton_ = NamedButton("PrintButton", "P&rint", this);
    closeButton_ = NamedButton("CloseButton", "Close", this);
    buttons->addStretch(1);
    buttons->addWidget(writePdfButton_);
    buttons->addWidget(printButton_);
    buttons->addWidget(closeButton_);
    layout->addLayout(buttons);

    connect(paperBox_, &QComboBox::currentIndexChanged, this, [this] { PaperChanged(); });
    connect(pieceList_, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
        if (filling_) {
            return;
        }
        const std::string name = item->data(Qt::UserRole).toString().toStdString();
        if (item->checkState() == Qt::Checked) {
            unticked_.erase(name);
        } else {
            unticked_.insert(name);
        }
        ChoiceChanged();
    });
    connect(allButton_, &QPushButton::clicked, this, [this] { TickAll(true); });
    connect(noneButton_, &QPushButton::clicked, this, [this] { TickAll(false); });
    connect(writePdfButton_, &QPushButton::clicked, this, [this] { WritePdfClick(); });
    connect(printButton_, &QPushButton::clicked, this, [this] { PrintClick(); });
    connect(closeButton_, &QPushButton::clicked, this, &QDialog::close);
}

void FullSizeDialog::ShowForFolder() {
    RefreshPieces();
    show();
    raise();
    activateWindow();
}

void FullSizeDialog::RefreshPieces() {
    filling_ = true;
    pieceList_->clear();
    for (const std::string& name : FullSizePieces(folder_, app_.Hull)) {
        auto* item = new QListWidgetItem(ToQt(name), pieceList_);
        item->setData(Qt::UserRole, ToQt(name));
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        item->setCheckState(unticked_.count(name) > 0 ? Qt::Unchecked : Qt::Checked);
    }
    filling_ = false;
    ShowPieceCounts();
    ChoiceChanged();
}

std::vector<std::string> FullSizeDialog::TickedPieces() const {
    std::vector<std::string> names;
    for (int row = 0; row < pieceList_->count(); ++row) {
        const QListWidgetItem* item = pieceList_->item(row);
        if (item->checkState() == Qt::Checked) {
            names.push_back(item->data(Qt::UserRole).toString().toStdString());
        }
    }
    return names;
}

FullSizeOptions FullSizeDialog::Options() const {
    FullSizeOptions options;
    options.Paper = paperBox_->currentIndex() == 1 ? TilePaper::A4 : TilePaper::Letter;
    options.Units = unitsBox_->currentIndex() == 1 ? TileUnits::Millimetres : TileUnits::Inches;
    options.Pieces = TickedPieces();
    return options;
}

TileDocument FullSizeDialog::Plan() const {
    const FullSizeOptions options = Options();
    if (options.Pieces.empty()) {
        // No piece ticked is nothing to print, never every piece.
        return PlanTiles({}, options.Paper, options.Units, app_.Work.HullFileName);
    }
    return PlanFullSize(folder_, app_.Hull, app_.Work, options);
}

void FullSizeDialog::TickAll(bool ticked) {
    filling_ = true;
    for (int row = 0; row < pieceList_->count(); ++row) {
        QListWidgetItem* item = pieceList_->item(row);
        item->setCheckState(ticked ? Qt::Checked : Qt::Unchecked);
        const std::string name = item->data(Qt::UserRole).toString().toStdString();
        if (ticked) {
            unticked_.erase(name);
        } else {
            unticked_.insert(name);
        }
    }
    filling_ = false;
    ChoiceChanged();
}

// The sizes on the map follow the paper's own units; the designer may choose the others after.
void FullSizeDialog::PaperChanged() {
    unitsBox_->setCurrentIndex(PaperUnits(Options().Paper) == TileUnits::Millimetres ? 1 : 0);
    ShowPieceCounts();
    ChoiceChanged();
}

// Each piece with the pages it takes on the chosen paper, so that a piece that needs many can be
// left for later.
void FullSizeDialog::ShowPieceCounts() {
    FullSizeOptions every = Options();
    every.Pieces.clear();
    const TileDocument all = PlanFullSize(folder_, app_.Hull, app_.Work, every);
    filling_ = true;
    for (int row = 0; row < pieceList_->count(); ++row) {
        QListWidgetItem* item = pieceList_->item(row);
        const QString name = item->data(Qt::UserRole).toString();
        const auto piece =
            std::find_if(all.Pieces.begin(), all.Pieces.end(), [&name](const TiledPiece& tiled) {
                return ToQt(tiled.Drawing.Name) == name;
            });
        item->setText(piece == all.Pieces.end()
                          ? name + QStringLiteral(" (nothing to print)")
                          : name + ToQt(" (" + PageCountText(piece->PrintedCount()) + ")"));
    }
    filling_ = false;
}

void FullSizeDialog::ChoiceChanged() {
    const bool anyPiece = pieceList_->count() > 0;
    allButton_->setEnabled(anyPiece);
    noneButton_->setEnabled(anyPiece);
    bool printable = false;
    if (!anyPiece) {
        summaryLabel_->setText(QString::fromUtf8(NoPatternPiecesText));
    } else if (TickedPieces().empty()) {
        summaryLabel_->setText(QStringLiteral("No piece ticked"));
    } else {
        const TileDocument document = Plan();
        printable = !document.Pieces.empty();
        summaryLabel_->setText(printable ? ToQt(PageCountText(document.PageCount()) + " on " +
                                                document.Paper.Name + ", the map first")
                                         : QStringLiteral("Nothing to print in the pieces ticked"));
    }
    writePdfButton_->setEnabled(printable);
    printButton_->setEnabled(printable);
}

// The pieces are read again first, so that files a run or "&Clear old patterns" changed since
// the list was shown are what is printed; nothing to print is said on the status line.
std::optional<TileDocument> FullSizeDialog::PlanForOutput() {
    RefreshPieces();
    if (pieceList_->count() == 0) {
        ui_.Status.SetPanel(1, NoPatternPiecesText);
        return std::nullopt;
    }
    TileDocument document = Plan();
    if (document.Pieces.empty()) {
        ui_.Status.SetPanel(1, summaryLabel_->text().toStdString());
        return std::nullopt;
    }
    return document;
}

void FullSizeDialog::WritePdfClick() {
    const std::optional<TileDocument> document = PlanForOutput();
    if (!document) {
        return;
    }
    const std::optional<std::filesystem::path> file =
        desktop_->ChoosePdfFile(InFolder(folder_, FullSizePdfName), this);
    if (!file) {
        return;
    }
    const Outcome written = WriteFullSizePdf(*file, *document);
    ui_.Status.SetPanel(1, written.Ok() ? FullSizeDoneText(ShownName(*file, folder_), *document)
                                        : written.Text());
}

// After a question that names the page count, on the default printer; with no printer on the
// system the pages go to "patterns.pdf" in the working folder.
void FullSizeDialog::PrintClick() {
    const std::optional<TileDocument> document = PlanForOutput();
    if (!document) {
        return;
    }
    const std::optional<std::string> printer = desktop_->DefaultPrinter();
    if (!printer) {
        const Outcome written = WriteFullSizePdf(InFolder(folder_, FullSizePdfName), *document);
        ui_.Status.SetPanel(1, written.Ok()
                                   ? "No printer: " + FullSizeDoneText(FullSizePdfName, *document)
                                   : written.Text());
        return;
    }
    const std::string question =
        "Print " + PageCountText(document->PageCount()) + " on " + *printer +
        "?\n\nThe printer must print at actual size (100%), never \"fit to page\": measure the "
        "calibration square before you cut.";
    if (ui_.Boxes.Message(Caption, question, MessageButtons::OkCancel, MessageIcon::Question) !=
        MessageAnswer::Ok) {
        return;
    }
    ui_.Status.SetPanel(1, desktop_->Print(*document)
                               ? "Printed on " + FullSizeDoneText(*printer, *document)
                               : "Could not print on " + *printer);
}

} // namespace merrowin
