// Form3 "Save and Create Patterns": its controls and handlers; the run itself is in the core.
#include "Form3.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <cmath>

#include "app/History.h"
#include "patterns/PatternGeneration.h"
#include "patterns/PatternSettings.h"
#include "text/NumberText.h"

namespace merrowin {

namespace {

// Check1 .. Check10: the caption and the option each stands for.
struct CheckBox {
    const char* Caption;
    bool PatternOptions::*Option;
};
const CheckBox Checks[11] = {{"", nullptr},
                             {"Expansions", &PatternOptions::Expansions},
                             {"2x4 Spar", &PatternOptions::Spar},
                             {"HPGL", &PatternOptions::Hpgl},
                             {"DXF", &PatternOptions::Dxf},
                             {"Text", &PatternOptions::Text},
                             {"Half Frames", &PatternOptions::HalfFrames},
                             {"Stem (BH 0)", &PatternOptions::Stem},
                             {"Soles", &PatternOptions::Soles},
                             {"Deck", &PatternOptions::Deck},
                             {"Keel", &PatternOptions::Keel}};

QString ToQt(const std::string& text) {
    return QString::fromStdString(text);
}

QLabel* NamedLabel(const char* name, const QString& caption, QWidget* parent) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    return label;
}

QLineEdit* NamedEdit(const QString& name, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    return edit;
}

// Buttons never act on Enter unless they have the focus: Enter runs Save only from Text1.
QPushButton* NamedButton(const char* name, const QString& caption, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

} // namespace

Form3::Form3(AppState& app, std::filesystem::path folder, UiServices ui, QWidget* parent)
    : QDialog(parent), app_(app), folder_(std::move(folder)), ui_(ui) {
    setObjectName("Form3");
    setWindowTitle("Save and Create Patterns");
    CreateControls();

    // Load: the remembered options, then the boxes show them.
    PatternOptions& options = app_.Work.Patterns;
    ReadPatternSettings(folder_, options);
    // Exports go into the working folder until the user chooses another: an installed
    // program's own folder cannot be written.
    if (options.ExportText.empty()) {
        SetExportText(options, folder_.string());
    }
    ShowOptions();
    text6_->setText(ToQt(options.ExportText));
    for (int f = 0; f < 8; ++f) {
        frameText_[static_cast<std::size_t>(f)]->setText(
            ToQt(options.FrameText[static_cast<std::size_t>(f)]));
    }
    text1_->setText(ToQt(app_.Work.HullFileName));

    ConnectHandlers();
    browser_->SetFolder(QString::fromStdString(folder_.string()));
    command1_->setFocus();
    ui_.Hub.AddListener(*this);
}

Form3::~Form3() {
    ui_.Hub.RemoveListener(*this);
}

void Form3::CreateControls() {
    auto* grid = new QGridLayout(this);
    grid->addLayout(CreateFileColumn(), 0, 0, 3, 1);
    grid->addWidget(CreateInformation(), 0, 1);
    grid->addLayout(CreateExportRow(), 1, 1);
    grid->addLayout(CreateOptions(), 2, 1);
    grid->addLayout(CreateFrameBoxes(), 0, 2, 3, 1);
    line1_ = new QFrame(this);
    line1_->setObjectName("Line1");
    line1_->setFrameShape(QFrame::HLine);
    grid->addWidget(line1_, 3, 0, 1, 3);
    grid->addLayout(CreateButtons(), 4, 0, 1, 3);
}

// File name, then the file, folder and drive lists, then the folder's path.
QLayout* Form3::CreateFileColumn() {
    using Part = FolderBrowser::Part;
    auto* column = new QVBoxLayout;
    label1_ = NamedLabel("Label1", "File Name:", this);
    text1_ = NamedEdit("Text1", this);
    browser_ = new FolderBrowser({"*.hul"},
                                 {{Part::Files},
                                  {Part::Folders, "Label2", "Directories:"},
                                  {Part::Drives, "Label4", "Drives:"}},
                                 this);
    label3_ = NamedLabel("Label3", QString(), this);
    label3_->setWordWrap(true);
    for (QWidget* widget : std::initializer_list<QWidget*>{label1_, text1_, browser_, label3_}) {
        column->addWidget(widget);
    }
    return column;
}

// The information lines; the fourth, a date, has the "Now" button for its label.
QWidget* Form3::CreateInformation() {
    frame1_ = new QGroupBox("Information", this);
    frame1_->setObjectName("Frame1");
    auto* info = new QGridLayout(frame1_);
    const char* infoLabels[3][2] = {
        {"Label16", "Designer"}, {"Label17", "Hull Info"}, {"Label18", "email/URL"}};
    for (int i = 0; i < 4; ++i) {
        infoText_[static_cast<std::size_t>(i)] = NamedEdit(QString("Text%1").arg(i + 2), frame1_);
        if (i < 3) {
            info->addWidget(NamedLabel(infoLabels[i][0], infoLabels[i][1], frame1_), i, 0);
            info->addWidget(infoText_[static_cast<std::size_t>(i)], i, 1, 1, 2);
        }
    }
    command3_ = NamedButton("Command3", "Now", frame1_);
    info->addWidget(command3_, 3, 0);
    info->addWidget(infoText_[3], 3, 1, 1, 2);
    return frame1_;
}

QLayout* Form3::CreateExportRow() {
    auto* exportRow = new QHBoxLayout;
    label5_ = NamedLabel("Label5", "Export Path:", this);
    text6_ = NamedEdit("Text6", this);
    exportRow->addWidget(label5_);
    exportRow->addWidget(text6_, 1);
    return exportRow;
}

// The option boxes two to a row, in the order the designer reads them.
QLayout* Form3::CreateOptions() {
    auto* options = new QGridLayout;
    for (int number = 1; number <= 10; ++number) {
        auto* box = new QCheckBox(Checks[number].Caption, this);
        box->setObjectName(QString("Check%1").arg(number));
        check_[static_cast<std::size_t>(number)] = box;
    }
    const int order[10] = {1, 5, 3, 4, 6, 2, 7, 8, 9, 10};
    for (int i = 0; i < 10; ++i) {
        options->addWidget(check_[static_cast<std::size_t>(order[i])], i / 2, i % 2);
    }
    return options;
}

// Frame stations: a numbered box for each of the eight frames.
QLayout* Form3::CreateFrameBoxes() {
    auto* frames = new QGridLayout;
    frames->addWidget(NamedLabel("Label6", "Frames at:", this), 0, 0);
    frames->addWidget(NamedLabel("Label15", "Z Position:", this), 0, 1);
    for (int f = 0; f < 8; ++f) {
        frames->addWidget(NamedLabel(QString("Label%1").arg(f + 7).toLatin1().constData(),
                                     QString("%1.").arg(f + 1), this),
                          f + 1, 0);
        auto* box = NamedEdit(QString("FrameText%1").arg(f), this);
        box->setText("0");
        frameText_[static_cast<std::size_t>(f)] = box;
        frames->addWidget(box, f + 1, 1);
    }
    return frames;
}

QLayout* Form3::CreateButtons() {
    auto* buttons = new QHBoxLayout;
    command1_ = NamedButton("Command1", "Save", this);
    command2_ = NamedButton("Command2", "Cancel", this);
    buttons->addStretch(1);
    buttons->addWidget(command1_);
    buttons->addWidget(command2_);
    return buttons;
}

void Form3::ConnectHandlers() {
    connect(command1_, &QPushButton::clicked, this, [this] { Command1Click(); });
    connect(command2_, &QPushButton::clicked, this, [this] { Command2Click(); });
    connect(command3_, &QPushButton::clicked, this, [this] { Command3Click(); });
    connect(browser_, &FolderBrowser::FolderChanged, label3_, &QLabel::setText);
    connect(browser_, &FolderBrowser::FileClicked, this, &Form3::File1Click);
    connect(text1_, &QLineEdit::textChanged, this, &Form3::Text1Change);
    connect(text1_, &QLineEdit::returnPressed, this, [this] { Command1Click(); });
    for (int i = 0; i < 4; ++i) {
        connect(infoText_[static_cast<std::size_t>(i)], &QLineEdit::textChanged, this,
                [this, i](const QString& text) {
                    app_.History.BeginRun({RunKind::InfoLine, i}, app_);
                    app_.Hull.InfoLines[static_cast<std::size_t>(i)] = text.toStdString();
                });
    }
    for (int f = 0; f < 8; ++f) {
        connect(frameText_[static_cast<std::size_t>(f)], &QLineEdit::textChanged, this,
                [this, f](const QString& text) {
                    app_.History.BeginRun({RunKind::FrameBox, f}, app_);
                    SetFrameText(app_.Hull, app_.Work.Patterns, f, text.toStdString());
                });
    }
    connect(text6_, &QLineEdit::textChanged, this,
            [this](const QString& text) { SetExportText(app_.Work.Patterns, text.toStdString()); });
    for (int number = 1; number <= 10; ++number) {
        connect(check_[static_cast<std::size_t>(number)], &QCheckBox::toggled, this,
                [this, number](bool on) { app_.Work.Patterns.*Checks[number].Option = on; });
    }
}

void Form3::ShowOptions() {
    for (int number = 1; number <= 10; ++number) {
        check_[static_cast<std::size_t>(number)]->setChecked(app_.Work.Patterns.*
                                                             Checks[number].Option);
    }
}

QCheckBox& Form3::Check(int number) {
    return *check_[static_cast<std::size_t>(std::clamp(number, 1, 10))];
}

void Form3::ShowForHull() {
    for (int f = 0; f < 8; ++f) {
        frameText_[static_cast<std::size_t>(f)]->setText(
            ToQt(BoxText(app_.Hull.FramePositions[static_cast<std::size_t>(f)])));
    }
    text1_->setText(ToQt(app_.Work.HullFileName));
    for (int i = 0; i < 4; ++i) {
        infoText_[static_cast<std::size_t>(i)]->setText(
            ToQt(app_.Hull.InfoLines[static_cast<std::size_t>(i)]));
    }
    RefreshFileList();
    show();
    raise();
    activateWindow();
}

// A box that reads the hull's value keeps what was typed ("5." stays "5."); the change
// handlers do not run, so nothing here is a step of its own.
void Form3::ModelRepainted() {
    if (!isVisible()) {
        return; // "&Save, Create" fills the boxes afresh
    }
    for (std::size_t i = 0; i < infoText_.size(); ++i) {
        const QString line = ToQt(app_.Hull.InfoLines[i]);
        if (infoText_[i]->text() != line) {
            const QSignalBlocker blocker(infoText_[i]);
            infoText_[i]->setText(line);
        }
    }
    for (std::size_t f = 0; f < frameText_.size(); ++f) {
        const double station = app_.Hull.FramePositions[f];
        if (std::fabs(Val(frameText_[f]->text().toStdString())) != station) {
            const std::string shown = BoxText(station);
            app_.Work.Patterns.FrameText[f] = shown;
            const QSignalBlocker blocker(frameText_[f]);
            frameText_[f]->setText(ToQt(shown));
        }
    }
}

void Form3::Command1Click() {
    if (app_.Work.Patterns.Expansions) {
        hide();
        if (UnloadNestingWindow) {
            UnloadNestingWindow();
        }
    }
    PatternRunFiles written;
    const Outcome outcome = CreatePatterns(folder_, app_.Hull, app_.Work, ui_.Status,
                                           &ui_.Hub.MainPicture(), nullptr, &written);
    ui_.Status.SetPanel(1, PatternRunStatusText(outcome, app_.Work.HullFileName, written));
    // The settings as the run leaves them ("Soles" cleared on fewer than three chines); a run
    // that failed keeps its own text on the status line.
    if (!WriteSettings() && outcome.HasFailed()) {
        ui_.Status.SetPanel(1, PatternRunStatusText(outcome, app_.Work.HullFileName, written));
    }
    // The run may have pulled frame boxes inside the hull and cleared "Soles".
    for (int f = 0; f < 8; ++f) {
        const QString text = ToQt(app_.Work.Patterns.FrameText[static_cast<std::size_t>(f)]);
        if (frameText_[static_cast<std::size_t>(f)]->text() != text) {
            frameText_[static_cast<std::size_t>(f)]->setText(text);
        }
    }
    ShowOptions();
    RefreshFileList();
    if (PatternRunFinished) {
        PatternRunFinished();
    }
}

void Form3::Command2Click() {
    ui_.Status.SetPanel(1, "Working on..." + app_.Work.HullFileName);
    RefreshFileList();
    hide();
    WriteSettings();
}

void Form3::Command3Click() {
    infoText_[3]->setText(ToQt(DateText(LocalNow())));
}

void Form3::reject() {
    Command2Click();
}

void Form3::RefreshFileList() {
    browser_->Refresh();
}

// The hull is named by the folder shown and the file's name.
void Form3::File1Click(const QString& path) {
    app_.Work.HullFileName = path.toStdString();
    text1_->setText(path);
}

void Form3::Text1Change(const QString& text) {
    if (settingText1_) {
        return;
    }
    const QString ruled = ToQt(HullFileNameRule(text.toStdString()));
    if (ruled != text) {
        // Keep the cursor where the user was typing, so a name can be typed in front of ".hul".
        const int cursor = text1_->cursorPosition();
        settingText1_ = true;
        text1_->setText(ruled);
        settingText1_ = false;
        text1_->setCursorPosition(std::min(cursor, static_cast<int>(ruled.size())));
    }
    app_.Work.HullFileName = ruled.toStdString();
}

void Form3::CentreOnScreen() {
    if (const QScreen* screen = this->screen()) {
        const QRect area = screen->availableGeometry();
        move(area.center() - rect().center());
    }
}

void Form3::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) {
        // Centred when first shown (its size is known only then), as on load: later shows keep
        // wherever the user has moved it.
        if (!centred_) {
            CentreOnScreen();
            centred_ = true;
        }
        command1_->setFocus(); // the focus goes to Save
    }
}

void Form3::closeEvent(QCloseEvent* event) {
    // The status line keeps its text: only Cancel says "Working on...".
    Unload();
    event->accept();
}

void Form3::Unload() {
    WriteSettings();
    hide();
}

// Settings that cannot be written keep their last file, and the status line says so.
bool Form3::WriteSettings() {
    const Outcome saved = WritePatternSettings(folder_, app_.Work.Patterns);
    if (saved.HasFailed()) {
        ui_.Status.SetPanel(1, saved.Text());
    }
    return saved.Ok();
}

} // namespace merrowin
