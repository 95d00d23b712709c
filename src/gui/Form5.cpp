// Form5 "Offsets": the grid, its editor and Y datum, "Done" and "Prnt"; the rules are the core's.
#include "Form5.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>

#include <array>

#include "Form1.h"
#include "ListingPrinter.h"
#include "offsets/OffsetsPrint.h"
#include "text/NumberText.h"

namespace merrowin {

namespace {

QString ToQt(const std::string& text) {
    return QString::fromStdString(text);
}

// The window's size when it first shows, in pixels: room for the grid's five columns.
constexpr int InitialWidth = 430;
constexpr int InitialHeight = 600;

// Shares of the grid's width the columns take: the bulkhead names are the longest.
constexpr std::array<double, GridColumns> ColumnShares = {0.28, 0.18, 0.18, 0.18, 0.18};

// The printout: the table's own lines on Letter paper, 8.25 pt fixed pitch, 10 pt apart.
TextPageLayout OffsetsPageLayout() {
    TextPageLayout layout;
    layout.FontPoints = OffsetsPrintFontSize;
    layout.LinePoints = 10;
    return layout;
}

// The busy pointer while a printout is made, back to normal however the handler leaves.
class BusyCursor {
public:
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

QPushButton* NamedButton(const char* name, const char* caption, QWidget* parent) {
    auto* button = new QPushButton(QString::fromUtf8(caption), parent);
    button->setObjectName(QString::fromUtf8(name));
    button->setAutoDefault(false); // Enter in the editor stores nothing more and closes nothing
    return button;
}

} // namespace

Form5::Form5(Form1& main)
    : QDialog(&main), main_(main), app_(main.App()), folder_(main.Folder()), ui_(main.Ui()) {
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(QStringLiteral("Offsets"));
    CreateControls();
    resize(InitialWidth, InitialHeight);
    // Edits made elsewhere (dragging in the views, the chine count) show in the open table.
    ui_.Hub.AddListener(*this);
}

Form5::~Form5() {
    ui_.Hub.RemoveListener(*this);
}

void Form5::CreateControls() {
    auto* column = new QVBoxLayout(this);
    grid1_ = new QTableWidget(this);
    grid1_->setObjectName(QStringLiteral("Grid1"));
    grid1_->setColumnCount(GridColumns);
    grid1_->verticalHeader()->hide();
    // Rows no higher than their text, so a whole bulkhead's block is in sight.
    grid1_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    grid1_->horizontalHeader()->setSectionsClickable(false);
    grid1_->horizontalHeader()->setStretchLastSection(true);
    // Cells are typed through the editor below the grid, never in place.
    grid1_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid1_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid1_->setSelectionBehavior(QAbstractItemView::SelectItems);
    column->addWidget(grid1_, 1);

    auto* row = new QHBoxLayout;
    label1_ = new QLabel(QStringLiteral("Entry:"), this);
    label1_->setObjectName(QStringLiteral("Label1"));
    text1_ = new QLineEdit(this);
    text1_->setObjectName(QStringLiteral("Text1"));
    text1_->setMinimumWidth(90);
    label1_->setBuddy(text1_);
    label2_ = new QLabel(QStringLiteral("Y Datum"), this);
    label2_->setObjectName(QStringLiteral("Label2"));
    text2_ = new QLineEdit(QStringLiteral("0"), this);
    text2_->setObjectName(QStringLiteral("Text2"));
    text2_->setMaximumWidth(60);
    label2_->setBuddy(text2_);
    command2_ = NamedButton("Command2", "Prnt", this);
    command1_ = NamedButton("Command1", "Done", this);
    row->addWidget(label1_);
    row->addWidget(text1_, 1);
    row->addWidget(label2_);
    row->addWidget(text2_);
    row->addWidget(command2_);
    row->addWidget(command1_);
    column->addLayout(row);

    connect(grid1_, &QTableWidget::currentCellChanged, this, [this](int tableRow, int tableColumn) {
        if (tableRow >= 0 && tableColumn >= 0) {
            Grid1Change(tableRow + 1, tableColumn);
        }
    });
    // Only typing stores: showing a cell in the editor never rounds the offset it holds.
    connect(text1_, &QLineEdit::textEdited, this, &Form5::Text1Change);
    connect(text2_, &QLineEdit::textChanged, this, &Form5::Text2Change);
    connect(command1_, &QPushButton::clicked, this, [this] { Command1Click(); });
    connect(command2_, &QPushButton::clicked, this, [this] { Command2Click(); });
}

void Form5::OpenTable() {
    OpenOffsetsTable(state_, ui_.Boxes);
    LoadGrid();
    PlaceWindows();
    show();
    PlaceWindows(); // again with the frame the window system has given it
    SetColumnWidths();
    raise();
    activateWindow();
}

// Every cell cleared, then the headings, labels and offsets of the hull's chines. The grid's
// row 0 is Grid1's header; crossing row r is Grid1's row r - 1.
void Form5::LoadGrid() {
    grid_ = BuildOffsetsGrid(app_.Hull);
    const QSignalBlocker blocker(grid1_);
    grid1_->clearContents();
    grid1_->setRowCount(grid_.Rows() - 1);
    QStringList headings;
    for (int column = 0; column < GridColumns; ++column) {
        headings << ToQt(grid_.Cell(0, column));
    }
    grid1_->setHorizontalHeaderLabels(headings);
    const QBrush labelShade = palette().brush(QPalette::Window);
    for (int row = 1; row < grid_.Rows(); ++row) {
        for (int column = 0; column < GridColumns; ++column) {
            auto* item = new QTableWidgetItem(ToQt(grid_.Cell(row, column)));
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            if (!EditableCell(grid_, row, column)) {
                item->setBackground(labelShade); // the labels read as fixed columns
            }
            grid1_->setItem(row - 1, column, item);
        }
    }
    grid1_->setCurrentCell(-1, -1);
    text1_->clear();
}

void Form5::ShowCell(int row, int column) {
    if (QTableWidgetItem* item = grid1_->item(row - 1, column)) {
        item->setText(ToQt(grid_.Cell(row, column)));
    }
}

void Form5::SetColumnWidths() {
    const int width = grid1_->viewport()->width();
    for (int column = 0; column < GridColumns; ++column) {
        grid1_->setColumnWidth(
            column, static_cast<int>(width * ColumnShares[static_cast<std::size_t>(column)]));
    }
}

// The main window to the screen's left edge, the table into the bottom right corner of the
// screen's free area (clear of a task bar).
void Form5::PlaceWindows() {
    const QScreen* screen = main_.screen() ? main_.screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return;
    }
    main_.move(screen->geometry().left(), main_.y());
    const QRect area = screen->availableGeometry();
    const QSize frame = frameGeometry().size();
    move(area.left() + area.width() - frame.width(), area.top() + area.height() - frame.height());
}

int Form5::CurrentRow() const {
    const int row = grid1_->currentRow();
    return row < 0 ? -1 : row + 1;
}

QString Form5::CellText(int row, int column) const {
    if (row == 0) {
        const QTableWidgetItem* heading = grid1_->horizontalHeaderItem(column);
        return heading != nullptr ? heading->text() : QString();
    }
    const QTableWidgetItem* item = grid1_->item(row - 1, column);
    return item != nullptr ? item->text() : QString();
}

void Form5::SelectCell(int row, int column) {
    grid1_->setCurrentCell(row - 1, column);
}

// A label cell shows its label, which the editor then will not change.
void Form5::Grid1Change(int row, int column) {
    OffsetsSelectionMoved(app_);
    text1_->setReadOnly(!EditableCell(grid_, row, column));
    text1_->setText(ToQt(SelectedCellText(grid_, row, column, state_.YDatum)));
    text1_->setFocus();
    text1_->selectAll();
}

void Form5::Text1Change(const QString& text) {
    const int row = CurrentRow();
    const int column = grid1_->currentColumn();
    storing_ = true;
    const bool stored =
        EditOffsetCell(app_, grid_, row, column, text.toStdString(), state_.YDatum, ui_.Hub);
    storing_ = false;
    if (stored) {
        ShowCell(row, column);
    }
}

void Form5::Text2Change(const QString& text) {
    YDatumChanged(state_, text.toStdString());
}

// A cell is written again only when the model holds another value than it shows, so the cell
// being typed keeps the entry's own digits ("5.5625").
void Form5::ModelRepainted() {
    if (!isVisible()) {
        return; // opening the table lays the grid out afresh
    }
    const OffsetsGrid fresh = BuildOffsetsGrid(app_.Hull);
    if (fresh.ChineCount != grid_.ChineCount) {
        LoadGrid();
        return;
    }
    const int currentRow = CurrentRow();
    const int currentColumn = grid1_->currentColumn();
    for (int row = 1; row < grid_.Rows(); ++row) {
        for (int column = XColumn; column <= ZColumn; ++column) {
            if (storing_ && row == currentRow && column == currentColumn) {
                continue;
            }
            const std::string shown = OffsetCellText(Val(grid_.Cell(row, column)));
            if (shown != fresh.Cell(row, column)) {
                grid_.Cells[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)] =
                    fresh.Cell(row, column);
                ShowCell(row, column);
            }
        }
    }
}

void Form5::Command1Click() {
    OffsetsSelectionMoved(app_);
    main_.CentreOnScreen();
    hide();
}

void Form5::Command2Click() {
    const BusyCursor busy;
    const std::vector<std::string> lines = OffsetsPrintLines(app_.Hull);
    const QPrinterInfo printer = DefaultPrinter ? DefaultPrinter() : QPrinterInfo();
    const ListingPrinted printed =
        PrintListing(lines, OffsetsPageLayout(), "X-Y-Z Offsets Table", printer, folder_ / PdfName);
    if (!printed.StatusText.empty()) {
        ui_.Status.SetPanel(1, printed.StatusText);
    }
}

// The close box leaves the table as "Done" does; the main window closing the table only hides it.
void Form5::closeEvent(QCloseEvent* event) {
    if (event->spontaneous()) {
        main_.CentreOnScreen();
    }
    event->accept();
}

void Form5::reject() {
    Command1Click();
}

} // namespace merrowin
