// Form2 "Pattern Nesting": its controls and handlers; the nesting rules are in the core.
#include "Form2.h"

#include <QApplication>
#include <QCheckBox>
#include <QDesktopServices>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPageLayout>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>
#include <optional>

#include "app/History.h"
#include "io/Files.h"
#include "nesting/HandPlotReader.h"
#include "nesting/NestCommands.h"
#include "nesting/NestListing.h"
#include "print/PrintPages.h"
#include "print/Printouts.h"

namespace merrowin {

namespace {

// Sizes of the window's design are in twips, 1/1440 inch; the screen shows 15 twips a pixel.
constexpr int TwipsPerPixel = 15;
constexpr int Px(int twips) {
    return twips / TwipsPerPixel;
}

constexpr int InitialWidth = 960;
constexpr int InitialHeight = 600;
// The sheet view stands this far inside the window's edges when it is as wide as the window.
constexpr int ViewInsetTwips = 240;
// A printed sheet keeps at least this far (points) from the paper's edges, more where the printer
// says it cannot print nearer.
constexpr double LeastPrintMarginPoints = 18;

QString ToQt(const std::string& text) {
    return QString::fromStdString(text);
}

QPushButton* NamedButton(int number, const char* caption, QWidget* parent) {
    auto* button = new QPushButton(QString::fromUtf8(caption), parent);
    button->setObjectName(QStringLiteral("Command%1").arg(number));
    button->setAutoDefault(false);
    return button;
}

QToolButton* ArrowButton(const char* name, Qt::ArrowType arrow, const char* tip, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setObjectName(QString::fromUtf8(name));
    button->setArrowType(arrow);
    button->setToolTip(QString::fromUtf8(tip));
    button->setAutoRepeat(true);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

} // namespace

// ---------------------------------------------------------------- the desktop

bool QtNestDesktop::OpenFile(const std::filesystem::path& file) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(file.string())));
}

bool QtNestDesktop::HasPrinter() {
    return !QPrinterInfo::defaultPrinter().isNull();
}

// The default printer's own paper, turned landscape as a sheet is longer than it is wide; the
// system's print dialog is not shown ("Prn?" shows the preview, from which a printer and its
// settings can be chosen).
bool QtNestDesktop::Print(const std::vector<NestPage>& pages) {
    QPrinter printer(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
    printer.setDocName(QStringLiteral("Merrowin nesting"));
    printer.setPageOrientation(QPageLayout::Landscape);
    return PaintNestPages(printer, pages);
}

void QtNestDesktop::Preview(const std::vector<NestPage>& pages, QWidget* parent) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QStringLiteral("Merrowin nesting"));
    printer.setPageOrientation(QPageLayout::Landscape);
    QPrintPreviewDialog preview(&printer, parent);
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&pages](QPrinter* target) { PaintNestPages(*target, pages); });
    preview.exec();
}

bool PaintNestPages(QPrinter& printer, const std::vector<NestPage>& pages) {
    // The printer's unprintable edges, read before the whole sheet is asked for.
    QPageLayout layout = printer.pageLayout();
    layout.setUnits(QPageLayout::Point);
    const QMarginsF least = layout.minimumMargins();
    const double points = std::max(
        {least.left(), least.top(), least.right(), least.bottom(), LeastPrintMarginPoints});
    printer.setFullPage(true); // the painter's origin at the paper's corner, as PaintPages needs
    const double inset = points * printer.logicalDpiX() / 72.0;
    return PaintPages(printer, static_cast<int>(pages.size()),
                      [&pages, inset](Canvas& sheet, int index) {
                          DrawNestPage(sheet, pages[static_cast<std::size_t>(index)], inset);
                      });
}

// ---------------------------------------------------------------- building the window

Form2::Form2(AppState& app, std::filesystem::path folder, UiServices ui, QWidget* parent)
    : QWidget(parent, Qt::Window), app_(app), folder_(std::move(folder)), ui_(ui) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QString::fromUtf8(NestWindowCaption));
    CreateControls();
    resize(InitialWidth, InitialHeight);
    ConnectHandlers();
    LoadPieces();
    PlaceSheetView();
    RepaintSheets();
    ui_.Hub.AddListener(*this);
    // The arrow keys scroll the sheets whichever control has the focus (but the size boxes).
    qApp->installEventFilter(this);
}

Form2::~Form2() {
    ui_.Hub.RemoveListener(*this);
}

void Form2::CreateControls() {
    controls_ = new QWidget(this);
    auto* band = new QHBoxLayout(controls_);
    list1_ = new QListWidget(controls_);
    list1_->setObjectName(QStringLiteral("List1"));
    list1_->setFixedWidth(170);
    band->addWidget(list1_);
    band->addWidget(CreateSheetBoxes());
    band->addWidget(CreatePieceButtons());
    band->addWidget(CreateOutputButtons());
    band->addStretch(1);
    controls_->setFixedHeight(150);

    picture1_ = new PictureBox(this);
    picture1_->setObjectName(QStringLiteral("Picture1"));
    picture1_->setMouseTracking(true); // the read-out follows the pointer without a button
    picture1_->setCursor(Qt::CrossCursor);
    controls_->raise(); // a sheet view scrolled left slides under the controls, never over them
}

// The sheet's size and the number of sheets, with the arrows that scroll the view.
QWidget* Form2::CreateSheetBoxes() {
    auto* box = new QWidget(controls_);
    auto* grid = new QGridLayout(box);
    label2_ = new QLabel(QStringLiteral("Sheet"), box);
    label2_->setObjectName(QStringLiteral("Label2"));
    text1_ = new QLineEdit(QStringLiteral("48"), box);
    text1_->setObjectName(QStringLiteral("Text1"));
    text1_->setToolTip(QStringLiteral("Sheet width, inches"));
    text2_ = new QLineEdit(QStringLiteral("96"), box);
    text2_->setObjectName(QStringLiteral("Text2"));
    text2_->setToolTip(QStringLiteral("Sheet length, inches"));
    for (QLineEdit* edit : {text1_, text2_}) {
        edit->setFixedWidth(48);
    }
    grid->addWidget(label2_, 0, 0);
    grid->addWidget(text1_, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("x"), box), 0, 2);
    grid->addWidget(text2_, 0, 3);
    const char* counts[4] = {"", "3 sheets", "4 sheets", "5 sheets"};
    for (int number = 1; number <= 3; ++number) {
        auto* option = new QRadioButton(QString::fromUtf8(counts[number]), box);
        option->setObjectName(QStringLiteral("Option%1").arg(number));
        option_[static_cast<std::size_t>(number)] = option;
        grid->addWidget(option, number, 0, 1, 4);
    }
    option_[1]->setChecked(true);
    auto* arrows = new QHBoxLayout;
    image4_ = ArrowButton("Image4", Qt::LeftArrow, "Scroll the sheets left (left arrow key)", box);
    image3_ =
        ArrowButton("Image3", Qt::RightArrow, "Scroll the sheets right (right arrow key)", box);
    arrows->addWidget(image4_);
    arrows->addWidget(image3_);
    arrows->addStretch(1);
    grid->addLayout(arrows, 4, 0, 1, 4);
    return box;
}

// The buttons that move the selected piece (or its copy), and the copy itself.
QWidget* Form2::CreatePieceButtons() {
    auto* box = new QWidget(controls_);
    auto* grid = new QGridLayout(box);
    const struct {
        int Number;
        const char* Caption;
        const char* Tip;
    } buttons[] = {{1, "Flip", "Mirror the selected piece"},
                   {2, "180", "Turn the selected piece half round"},
                   {3, "90", "Turn the selected piece a quarter round"},
                   {4, "CCW", "Turn the selected piece a quarter of a degree"},
                   {6, "CW", "Turn the selected piece a quarter of a degree back"},
                   {5, "Copy", "Place a copy of the selected piece"}};
    int place = 0;
    for (const auto& button : buttons) {
        QPushButton* made = NamedButton(button.Number, button.Caption, box);
        made->setToolTip(QString::fromUtf8(button.Tip));
        command_[static_cast<std::size_t>(button.Number)] = made;
        grid->addWidget(made, place / 3, place % 3);
        ++place;
    }
    check1_ = new QCheckBox(QStringLiteral("-->"), box);
    check1_->setObjectName(QStringLiteral("Check1"));
    check1_->setToolTip(QStringLiteral("Show the outline point nearest to the pointer"));
    check2_ = new QCheckBox(QStringLiteral("Aa"), box);
    check2_->setObjectName(QStringLiteral("Check2"));
    check2_->setToolTip(QStringLiteral("Show the pieces' names"));
    grid->addWidget(check1_, 2, 0);
    grid->addWidget(check2_, 2, 1);
    return box;
}

// The view button, and the outputs: the listing, the preview and the printout.
QWidget* Form2::CreateOutputButtons() {
    auto* box = new QWidget(controls_);
    auto* column = new QVBoxLayout(box);
    const struct {
        int Number;
        const char* Caption;
    } buttons[] = {
        {7, ViewButtonCaption(NestViewMode::Wide)}, {8, "Save"}, {9, "Prn?"}, {10, "Print"}};
    for (const auto& button : buttons) {
        QPushButton* made = NamedButton(button.Number, button.Caption, box);
        command_[static_cast<std::size_t>(button.Number)] = made;
        column->addWidget(made);
    }
    command_[8]->setToolTip(QStringLiteral("Write the nested hand plotting listing"));
    command_[9]->setToolTip(QStringLiteral("Preview the printed sheets"));
    command_[10]->setToolTip(QStringLiteral("Print the sheets, one page a sheet"));
    return box;
}

void Form2::ConnectHandlers() {
    connect(list1_, &QListWidget::currentRowChanged, this, [this](int row) { List1Click(row); });
    // A click on the entry already current picks that piece again (after a pick on the sheets).
    connect(list1_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { List1Click(list1_->row(item)); });
    void (Form2::*const clicks[11])() = {nullptr,
                                         &Form2::Command1Click,
                                         &Form2::Command2Click,
                                         &Form2::Command3Click,
                                         &Form2::Command4Click,
                                         &Form2::Command5Click,
                                         &Form2::Command6Click,
                                         &Form2::Command7Click,
                                         &Form2::Command8Click,
                                         &Form2::Command9Click,
                                         &Form2::Command10Click};
    for (int number = 1; number <= 10; ++number) {
        connect(command_[static_cast<std::size_t>(number)], &QPushButton::clicked, this,
                [this, click = clicks[number]] { (this->*click)(); });
    }
    connect(image3_, &QToolButton::clicked, this, [this] { Image3Click(); });
    connect(image4_, &QToolButton::clicked, this, [this] { Image4Click(); });
    for (int number = 1; number <= 3; ++number) {
        connect(option_[static_cast<std::size_t>(number)], &QRadioButton::toggled, this,
                [this, number](bool on) {
                    if (on) {
                        SetSheetCount(state_.Sheets, number + 2);
                        SheetsChanged();
                    }
                });
    }
    connect(text1_, &QLineEdit::textChanged, this, [this] { SheetsChanged(); });
    connect(text2_, &QLineEdit::textChanged, this, [this] { SheetsChanged(); });
    connect(check1_, &QCheckBox::toggled, this, [this](bool on) { Check1Click(on); });
    connect(check2_, &QCheckBox::toggled, this, [this] { RepaintSheets(); });
    connect(picture1_, &PictureBox::MouseDown, this,
            [this](int, double x, double y) { Picture1MouseDown(x, y); });
    connect(picture1_, &PictureBox::MouseMove, this,
            [this](int, double x, double y) { Picture1MouseMove(x, y); });
    connect(picture1_, &PictureBox::MouseUp, this,
            [this](int, double, double) { Picture1MouseUp(); });
}

// The pieces of the hand plot file; the caption names its hull, or says the file is missing
// or what of it was left out.
void Form2::LoadPieces() {
    HandPlotPieces read = ReadHandPlot(folder_);
    setWindowTitle(ToQt(NestCaption(read)));
    UsePieces(state_, std::move(read.Pieces));
    const QSignalBlocker blocker(list1_);
    list1_->clear();
    for (const NestPiece& piece : state_.Pieces) {
        list1_->addItem(ToQt(piece.Name));
    }
}

QRadioButton& Form2::Option(int number) {
    return *option_[static_cast<std::size_t>(std::clamp(number, 1, 3))];
}

QPushButton& Form2::Command(int number) {
    return *command_[static_cast<std::size_t>(std::clamp(number, 1, 10))];
}

// ---------------------------------------------------------------- showing

void Form2::ShowForHull() {
    check1_->setChecked(NestOptionChecked(app_.Hull.NestOption));
    show();
    raise();
    activateWindow();
}

void Form2::ModelRepainted() {
    const QSignalBlocker blocker(check1_);
    check1_->setChecked(NestOptionChecked(app_.Hull.NestOption));
}

// A screen smaller than the window's design gets a window it can hold, whose title bar is on it.
void Form2::CentreOnScreen() {
    const QScreen* screen = this->screen();
    if (screen == nullptr) {
        return;
    }
    const QRect area = screen->availableGeometry();
    resize(std::min(width(), area.width()), std::min(height(), area.height()));
    const QSize frame = frameGeometry().size();
    move(std::max(area.left(), area.left() + (area.width() - frame.width()) / 2),
         std::max(area.top(), area.top() + (area.height() - frame.height()) / 2));
}

// Centred when first shown; later showings keep wherever the user has moved it.
void Form2::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous() && !centred_) {
        CentreOnScreen();
        centred_ = true;
    }
}

void Form2::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    PlaceSheetView();
    RepaintSheets();
}

// The controls across the top; the sheet view below them down to the window's foot, at its
// scrolled left edge. "Wide View" draws the sheets twice as wide as the window shows them (the
// arrows scroll along them); "Full View" and "False View" make the view as wide as the window.
void Form2::PlaceSheetView() {
    controls_->setGeometry(0, 0, width(), controls_->height());
    const int inset = Px(ViewInsetTwips);
    const int windowWide = std::max(1, width() - inset);
    const int viewWidth = viewMode_ == NestViewMode::Wide ? 2 * windowWide : windowWide;
    const int top = controls_->height() + 4;
    picture1_->setGeometry(Px(sheetViewLeft_), top, viewWidth,
                           std::max(1, height() - top - inset / 2));
}

void Form2::RepaintSheets() {
    DrawSheetView(*picture1_, state_, viewMode_, check2_->isChecked());
}

// The sheet count or size changed: the view goes back to its leftmost place and shows them.
void Form2::SheetsChanged() {
    SetSheetSize(state_.Sheets, text1_->text().toStdString(), text2_->text().toStdString());
    sheetViewLeft_ = SheetViewHomeLeft;
    PlaceSheetView();
    RepaintSheets();
}

// ---------------------------------------------------------------- handlers

void Form2::List1Click(int index) {
    if (index < 0 || index >= static_cast<int>(state_.Pieces.size())) {
        return;
    }
    SelectListPiece(state_, index);
    RepaintSheets();
}

void Form2::Picture1MouseDown(double x, double y) {
    PickPiece(state_, x, y);
}

void Form2::Picture1MouseMove(double x, double y) {
    if (state_.Dragging) {
        DragPiece(state_, x, y);
        RepaintSheets();
    }
    if (!check1_->isChecked()) {
        return;
    }
    const NestReadOut readOut = PointReadOut(state_, x, y);
    if (!state_.Dragging) {
        RepaintSheets(); // the last cross goes
    }
    DrawReadOutCross(*picture1_, readOut);
    if (readOut.Found) {
        setWindowTitle(ToQt(readOut.Caption));
    }
}

void Form2::Picture1MouseUp() {
    if (state_.Dragging) {
        ReleasePiece(state_);
        RepaintSheets();
    }
}

void Form2::Check1Click(bool checked) {
    const StepScope step(app_); // the hull file keeps the option
    app_.Hull.NestOption = NestOptionText(checked);
    if (!checked) {
        RepaintSheets(); // no cross stays behind
    }
}

void Form2::Command1Click() {
    FlipPiece(state_);
    RepaintSheets();
}

void Form2::Command2Click() {
    TurnPiece(state_, NestTurn::Half);
    RepaintSheets();
}

void Form2::Command3Click() {
    TurnPiece(state_, NestTurn::Quarter);
    RepaintSheets();
}

void Form2::Command4Click() {
    TurnPiece(state_, NestTurn::Ccw);
    RepaintSheets();
}

void Form2::Command6Click() {
    TurnPiece(state_, NestTurn::Cw);
    RepaintSheets();
}

void Form2::Command5Click() {
    CopyPiece(state_);
    RepaintSheets();
}

void Form2::Command7Click() {
    viewMode_ = NextViewMode(viewMode_);
    command_[7]->setText(QString::fromUtf8(ViewButtonCaption(viewMode_)));
    PlaceSheetView();
    RepaintSheets();
}

// The listing is written whole or not at all; only a file that was written is shown, in the
// desktop's own program for text files.
void Form2::Command8Click() {
    const NestSaveOutcome saved =
        SaveNestCommand(folder_, state_, app_.Work.HullFileName, ui_.Boxes);
    if (saved.Cancelled) {
        return;
    }
    if (saved.Saved.HasFailed()) {
        ui_.Status.SetPanel(1, saved.Saved.Text());
        return;
    }
    const std::optional<fs::path> file = FindFile(folder_, saved.FileName);
    if (file && !desktop_->OpenFile(*file)) {
        ui_.Status.SetPanel(1, "Saved " + saved.FileName + "; no program could show it");
    }
}

void Form2::Command9Click() {
    desktop_->Preview(NestPages(state_), this);
}

// After the warning, one page a sheet on the printer; without a printer the pages go to
// "nest.pdf" in the working folder and the status line names it.
void Form2::Command10Click() {
    if (!ConfirmNestPrint(ui_.Boxes)) {
        return;
    }
    const std::vector<NestPage> pages = NestPages(state_);
    if (!desktop_->HasPrinter()) {
        const Outcome written = WriteNestPdf(InFolder(folder_, NestPdfName), pages);
        ui_.Status.SetPanel(1, written.Ok() ? std::string("Sheets printed to ") + NestPdfName
                                            : written.Text());
        return;
    }
    if (!desktop_->Print(pages)) {
        ui_.Status.SetPanel(1, "The sheets could not be printed");
    }
}

void Form2::Image3Click() {
    sheetViewLeft_ = SheetViewScrolledRight(sheetViewLeft_);
    PlaceSheetView();
}

void Form2::Image4Click() {
    sheetViewLeft_ = SheetViewScrolledLeft(sheetViewLeft_);
    PlaceSheetView();
}

bool Form2::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) {
        return QWidget::eventFilter(watched, event);
    }
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr || widget->window() != this || watched == text1_ || watched == text2_) {
        return QWidget::eventFilter(watched, event);
    }
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Right) {
        Image3Click();
        return true;
    }
    if (key == Qt::Key_Left) {
        Image4Click();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace merrowin
