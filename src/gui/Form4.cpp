// Form4 "Open": its controls and handlers; opening a hull and the figure rules are the core's.
#include "Form4.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

#include "Form1.h"
#include "QtCanvas.h"
#include "open/OpenDialog.h"
#include "text/NumberText.h"

namespace merrowin {

namespace {

QString ToQt(const std::string& text) {
    return QString::fromStdString(text);
}

// The rig boxes in the frame's order: name and label of each, by the value it sets.
struct RigRow {
    const char* Name;
    const char* Caption;
};
constexpr RigRow RigRows[RigBoxCount] = {
    {"Text2", "Mast Length"}, {"Text4", "Boom Height"}, {"Text10", "Step Position"},
    {"Text5", "Luff Length"}, {"Text6", "Head Length"}, {"Text7", "Head Angle"},
    {"Text9", "Foot Length"},
};

// The ballast boxes and the value each sets.
struct BallastRow {
    const char* Name;
    const char* Caption;
    double HullDocument::*Value;
};
constexpr BallastRow BallastRows[3] = {
    {"Text11", "Ballast 1, Weight", &HullDocument::BallastWeight},
    {"Text12", "Height, Y", &HullDocument::BallastHeight},
    {"Text13", "Station, X", &HullDocument::BallastStation},
};

// Figure thumbnails: three rows of three, this many pixels square and apart. Shape2 frames the
// chosen one from 60 twips (4 pixels) outside it.
constexpr int ThumbnailSize = 56;
constexpr int ThumbnailGap = 12;
constexpr int HighlightPixels = HighlightOffsetTwips / 15;

// VScroll2 sets the figure's height in whole inches, a toddler to a tall adult; the box starts
// at the standard figure's height.
constexpr int FigureHeightMin = 24;
constexpr int FigureHeightMax = 96;

QLabel* NamedLabel(const QString& name, const char* caption, QWidget* parent) {
    auto* label = new QLabel(QString::fromUtf8(caption), parent);
    label->setObjectName(name);
    return label;
}

QLineEdit* NamedEdit(const char* name, QWidget* parent, int width = 64) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromUtf8(name));
    edit->setMaximumWidth(width);
    return edit;
}

QPushButton* NamedButton(const char* name, const char* caption, QWidget* parent) {
    auto* button = new QPushButton(QString::fromUtf8(caption), parent);
    button->setObjectName(QString::fromUtf8(name));
    button->setAutoDefault(false);
    return button;
}

// Sets a box's text without running its change handler; a box already showing the text keeps
// its cursor.
void ShowText(QLineEdit& box, const QString& text) {
    if (box.text() != text) {
        const QSignalBlocker blocker(&box);
        box.setText(text);
    }
}

} // namespace

Form4::Form4(Form1& main)
    : QDialog(&main), main_(main), app_(main.App()), folder_(main.Folder()), ui_(main.Ui()) {
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QString::fromUtf8(OpenCaption));
    CreateControls();
    ConnectHandlers();
    browser_->SetFolder(ToQt(folder_.string()));
    LoadFigures();
    ModelRepainted();
    adjustSize();
    CentreOnScreen();
    // A hull opened or edited elsewhere shows its information lines and rig in the boxes.
    ui_.Hub.AddListener(*this);
}

Form4::~Form4() {
    ui_.Hub.RemoveListener(*this);
}

// ---------------------------------------------------------------- building the window

void Form4::CreateControls() {
    auto* columns = new QHBoxLayout(this);
    columns->addWidget(CreateFileColumn());

    auto* right = new QVBoxLayout;
    label4_ = NamedLabel("Label4", "", this);
    label11_ = NamedLabel("Label11", "", this);
    for (QLabel* info : {label4_, label11_}) {
        info->setTextFormat(Qt::PlainText);
        info->setMinimumWidth(200);
        right->addWidget(info);
    }
    auto* frames = new QHBoxLayout;
    frames->addWidget(CreateRigFrame(), 0, Qt::AlignTop);
    auto* ballastAndFigures = new QVBoxLayout;
    ballastAndFigures->addWidget(CreateBallastFrame());
    ballastAndFigures->addWidget(CreateFigureFrame());
    frames->addLayout(ballastAndFigures);
    right->addLayout(frames);
    right->addStretch(1);
    auto* buttons = new QHBoxLayout;
    command1_ = NamedButton("Command1", "Done", this);
    buttons->addStretch(1);
    buttons->addWidget(command1_);
    right->addLayout(buttons);
    columns->addLayout(right, 1);
}

// File name, the file and folder lists, the drives, and the folder's path.
QWidget* Form4::CreateFileColumn() {
    using Part = FolderBrowser::Part;
    auto* holder = new QWidget(this);
    auto* column = new QVBoxLayout(holder);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(NamedLabel("Label6", "File Name:", holder));
    // The name of the file last clicked; a file is opened by clicking it in the list.
    text1_ = NamedEdit("Text1", holder, QWIDGETSIZE_MAX);
    text1_->setText(QStringLiteral("default.hul"));
    text1_->setReadOnly(true);
    column->addWidget(text1_);
    browser_ = new FolderBrowser(
        {"*.hul"}, {{Part::Files}, {Part::Folders}, {Part::Drives, "Label2", "Drives:"}}, holder);
    column->addWidget(browser_, 1);
    auto* pathRow = new QHBoxLayout;
    pathRow->addWidget(NamedLabel("Label5", "Path:", holder), 0, Qt::AlignTop);
    label3_ = NamedLabel("Label3", "", holder);
    label3_->setWordWrap(true);
    label3_->setTextFormat(Qt::PlainText);
    pathRow->addWidget(label3_, 1);
    column->addLayout(pathRow);
    holder->setMinimumWidth(220);
    return holder;
}

QWidget* Form4::CreateRigFrame() {
    frame2_ = new QGroupBox(QStringLiteral("Rig"), this);
    frame2_->setObjectName(QStringLiteral("Frame2"));
    auto* grid = new QGridLayout(frame2_);
    for (int box = 0; box < RigBoxCount; ++box) {
        const RigRow& row = RigRows[box];
        rigText_[static_cast<std::size_t>(box)] = NamedEdit(row.Name, frame2_);
        grid->addWidget(NamedLabel(QStringLiteral("Label%1").arg(row.Name), row.Caption, frame2_),
                        box, 0);
        grid->addWidget(rigText_[static_cast<std::size_t>(box)], box, 1);
    }
    option1_ = new QRadioButton(QStringLiteral("Deck Step"), frame2_);
    option1_->setObjectName(QStringLiteral("Option1"));
    option2_ = new QRadioButton(QStringLiteral("Keel Step"), frame2_);
    option2_->setObjectName(QStringLiteral("Option2"));
    rig_ = new QCheckBox(QStringLiteral("OK"), frame2_);
    rig_->setObjectName(QStringLiteral("Rig"));
    grid->addWidget(option1_, RigBoxCount, 0, 1, 2);
    grid->addWidget(option2_, RigBoxCount + 1, 0, 1, 2);
    grid->addWidget(rig_, RigBoxCount + 2, 0, 1, 2);
    return frame2_;
}

QWidget* Form4::CreateBallastFrame() {
    frame3_ = new QGroupBox(QStringLiteral("Ballast"), this);
    frame3_->setObjectName(QStringLiteral("Frame3"));
    auto* grid = new QGridLayout(frame3_);
    for (int i = 0; i < 3; ++i) {
        const BallastRow& row = BallastRows[i];
        ballastText_[static_cast<std::size_t>(i)] = NamedEdit(row.Name, frame3_);
        grid->addWidget(NamedLabel(QStringLiteral("Label%1").arg(row.Name), row.Caption, frame3_),
                        i, 0);
        grid->addWidget(ballastText_[static_cast<std::size_t>(i)], i, 1);
    }
    return frame3_;
}

// Nine thumbnails with their highlight, the height and weight boxes and the turn buttons.
QWidget* Form4::CreateFigureFrame() {
    frame1_ = new QGroupBox(QStringLiteral("Figures"), this);
    frame1_->setObjectName(QStringLiteral("Frame1"));
    auto* row = new QHBoxLayout(frame1_);

    const int side = 3 * ThumbnailSize + 2 * ThumbnailGap + 2 * HighlightPixels;
    auto* pictures = new QWidget(frame1_);
    pictures->setFixedSize(side, side);
    shape2_ = new QFrame(pictures);
    shape2_->setObjectName(QStringLiteral("Shape2"));
    shape2_->setFrameShape(QFrame::Box);
    shape2_->setLineWidth(2);
    shape2_->setAttribute(Qt::WA_TransparentForMouseEvents);
    shape2_->hide();
    for (int i = 0; i < MaxFigures; ++i) {
        auto* picture = new PictureBox(pictures);
        picture->setObjectName(QStringLiteral("Picture2"));
        picture->setProperty("Index", i);
        picture->setGeometry(HighlightPixels + (i % 3) * (ThumbnailSize + ThumbnailGap),
                             HighlightPixels + (i / 3) * (ThumbnailSize + ThumbnailGap),
                             ThumbnailSize, ThumbnailSize);
        picture2_[static_cast<std::size_t>(i)] = picture;
    }
    shape2_->lower(); // behind the thumbnails, its frame showing round the chosen one
    row->addWidget(pictures, 0, Qt::AlignTop);

    auto* boxes = new QGridLayout;
    boxes->addWidget(NamedLabel("Label7", "Height", frame1_), 0, 0);
    text3_ = NamedEdit("Text3", frame1_, 48);
    text3_->setText(ToQt(frame_.HeightText));
    vScroll2_ = new QScrollBar(Qt::Vertical, frame1_);
    vScroll2_->setObjectName(QStringLiteral("VScroll2"));
    vScroll2_->setRange(FigureHeightMin, FigureHeightMax);
    vScroll2_->setValue(static_cast<int>(StandardFigureHeight));
    vScroll2_->setInvertedAppearance(true); // the upper arrow makes the figure taller
    vScroll2_->setFixedHeight(text3_->sizeHint().height());
    auto* height = new QHBoxLayout;
    height->setSpacing(0);
    height->addWidget(text3_);
    height->addWidget(vScroll2_);
    boxes->addLayout(height, 0, 1);
    boxes->addWidget(NamedLabel("Label8", "Weight", frame1_), 1, 0);
    text8_ = NamedEdit("Text8", frame1_, 64);
    text8_->setText(ToQt(frame_.WeightText));
    boxes->addWidget(text8_, 1, 1);
    command5_ = NamedButton("Command5", "Flip V", frame1_);
    command6_ = NamedButton("Command6", "Flip H", frame1_);
    command7_ = NamedButton("Command7", "90", frame1_);
    boxes->addWidget(command5_, 2, 0, 1, 2);
    boxes->addWidget(command6_, 3, 0, 1, 2);
    boxes->addWidget(command7_, 4, 0, 1, 2);
    boxes->setRowStretch(5, 1);
    row->addLayout(boxes);
    return frame1_;
}

void Form4::ConnectHandlers() {
    connect(browser_, &FolderBrowser::FolderChanged, label3_, &QLabel::setText);
    connect(browser_, &FolderBrowser::FileClicked, this, &Form4::File1Click);
    connect(command1_, &QPushButton::clicked, this, [this] { Command1Click(); });

    for (int box = 0; box < RigBoxCount; ++box) {
        connect(rigText_[static_cast<std::size_t>(box)], &QLineEdit::textChanged, this,
                [this, box](const QString& text) { RigChanged(static_cast<RigBox>(box), text); });
    }
    connect(option1_, &QRadioButton::clicked, this, [this] { StepChanged(); });
    connect(option2_, &QRadioButton::clicked, this, [this] { StepChanged(); });
    connect(rig_, &QCheckBox::clicked, this, [this](bool on) {
        app_.Work.View.Rig = on;
        ui_.Hub.RepaintMainView();
    });
    // Ballast is not drawn: its boxes only set the values the hull file keeps.
    for (int i = 0; i < 3; ++i) {
        connect(ballastText_[static_cast<std::size_t>(i)], &QLineEdit::textChanged, this,
                [this, i](const QString& text) {
                    app_.History.BeginRun({RunKind::BallastBox, i}, app_);
                    app_.Hull.*BallastRows[i].Value = Val(text.toStdString());
                });
    }

    for (int i = 0; i < MaxFigures; ++i) {
        connect(picture2_[static_cast<std::size_t>(i)], &PictureBox::Clicked, this,
                [this, i] { Picture2Click(i); });
    }
    connect(vScroll2_, &QScrollBar::valueChanged, this,
            [this](int value) { text3_->setText(QString::number(value)); });
    connect(text3_, &QLineEdit::textChanged, this, [this](const QString& text) {
        FigureHeightChanged(app_.Work.View, frame_, text.toStdString(), ui_.Hub);
        ShowFigureFrame();
    });
    connect(text8_, &QLineEdit::textChanged, this,
            [this](const QString& text) { FigureWeightChanged(frame_, text.toStdString()); });
    connect(command5_, &QPushButton::clicked, this, [this] { Command5Click(); });
    connect(command6_, &QPushButton::clicked, this, [this] { Command6Click(); });
    connect(command7_, &QPushButton::clicked, this, [this] { Command7Click(); });
}

void Form4::CentreOnScreen() {
    if (const QScreen* screen = this->screen()) {
        const QRect area = screen->availableGeometry();
        const QSize size = frameGeometry().size();
        move(area.left() + (area.width() - size.width()) / 2,
             area.top() + (area.height() - size.height()) / 2);
    }
}

// Thumbnails of the figure file the working folder or the program's data offers; without one
// they stay empty.
void Form4::LoadFigures() {
    std::vector<Canvas*> thumbnails;
    for (PictureBox* picture : picture2_) {
        picture->Clear();
        thumbnails.push_back(picture);
    }
    LoadFigureThumbnails(LoadFigureFile(folder_), thumbnails, app_.Work.View, frame_);
}

// ---------------------------------------------------------------- showing the model

void Form4::ModelRepainted() {
    const HullDocument& hull = app_.Hull;
    label4_->setText(ToQt(hull.InfoLines[0]));
    label11_->setText(ToQt(hull.InfoLines[1]));
    for (int box = 0; box < RigBoxCount; ++box) {
        ShowText(*rigText_[static_cast<std::size_t>(box)],
                 ToQt(hull.RigText[static_cast<std::size_t>(box)]));
    }
    // Neither button is on for a hull that chose no step: they are exclusive only to a click.
    const std::array<std::pair<QRadioButton*, bool>, 2> steps{
        {{option1_, hull.DeckStep}, {option2_, hull.KeelStep}}};
    for (const auto& [button, on] : steps) {
        const QSignalBlocker blocker(button);
        button->setAutoExclusive(false);
        button->setChecked(on);
        button->setAutoExclusive(true);
    }
    {
        const QSignalBlocker blocker(rig_);
        rig_->setChecked(app_.Work.View.Rig);
    }
    // A box that already reads the value keeps what was typed ("5." stays "5.").
    for (int i = 0; i < 3; ++i) {
        QLineEdit& box = *ballastText_[static_cast<std::size_t>(i)];
        const double value = hull.*BallastRows[i].Value;
        if (Val(box.text().toStdString()) != value || box.text().isEmpty()) {
            ShowText(box, ToQt(BoxText(value)));
        }
    }
}

void Form4::ShowFigureFrame() {
    setWindowTitle(ToQt(frame_.Caption));
    const int index = frame_.HighlightIndex;
    if (!frame_.HighlightShown || index < 0 || index >= MaxFigures) {
        shape2_->hide();
        return;
    }
    const QRect thumbnail = picture2_[static_cast<std::size_t>(index)]->geometry();
    shape2_->setGeometry(
        thumbnail.adjusted(-HighlightPixels, -HighlightPixels, HighlightPixels, HighlightPixels));
    shape2_->show();
}

// ---------------------------------------------------------------- handlers

void Form4::ShowOpen() {
    browser_->Refresh();
    show();
    raise();
    activateWindow();
}

void Form4::File1Click(const QString& path) {
    const QFileInfo file(path);
    text1_->setText(file.fileName());
    merrowin::File1Click(app_, frame_, folder_, file.absolutePath().toStdString(),
                         file.fileName().toStdString(), ui_.Status);
    ShowFigureFrame();
    // The preview: the main window shows what was read, and this window its boxes.
    ui_.Hub.RepaintWindow();
}

void Form4::Command1Click() {
    main_.CentreOnScreen();
    OpenDone(app_, ui_.Status, ui_.Hub);
    browser_->Refresh();
    hide();
}

void Form4::RigChanged(RigBox box, const QString& text) {
    app_.History.BeginRun({RunKind::RigBox, box}, app_);
    SetRigText(app_.Hull, box, text.toStdString());
    ui_.Hub.RepaintMainView();
}

void Form4::StepChanged() {
    const StepScope step(app_);
    app_.Hull.DeckStep = option1_->isChecked();
    app_.Hull.KeelStep = option2_->isChecked();
    ui_.Hub.RepaintMainView();
}

// The figure file is read again at each choice, so an edited file is seen at once.
void Form4::Picture2Click(int index) {
    ChooseFigure(app_.Work.View, frame_, LoadFigureFile(folder_), index, ui_.Hub);
    ShowFigureFrame();
}

void Form4::Command5Click() {
    FigureFlipV(app_.Work.View, ui_.Hub);
}

void Form4::Command6Click() {
    FigureFlipH(app_.Work.View, ui_.Hub);
}

void Form4::Command7Click() {
    FigureTurn90(app_.Work.View, ui_.Hub);
}

PictureBox& Form4::Picture2(int index) {
    return *picture2_[static_cast<std::size_t>(std::clamp(index, 0, MaxFigures - 1))];
}

QPushButton& Form4::Command(int number) {
    switch (number) {
    case 5:
        return *command5_;
    case 6:
        return *command6_;
    case 7:
        return *command7_;
    default:
        return *command1_;
    }
}

void Form4::closeEvent(QCloseEvent* event) {
    if (event->spontaneous()) {
        event->ignore(); // the title bar's close box
        return;
    }
    event->accept();
}

void Form4::reject() {}

} // namespace merrowin
