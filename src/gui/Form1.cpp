// Form1: the main window's controls, menus, start-up, autosave, layout and closing.
#include "Form1.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QCursor>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QResizeEvent>
#include <QScreen>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTimer>

#include <algorithm>
#include <map>
#include <string_view>

#include "Form2.h"
#include "Form3.h"
#include "Form4.h"
#include "Form5.h"
#include "FullSizeDialog.h"
#include "Logo.h"
#include "PanelReportWindow.h"
#include "StabilityWindow.h"
#include "app/History.h"
#include "app/OpenHullFile.h"
#include "app/Rebuild.h"
#include "export/VrmlExport.h"
#include "hydro/HydroCommands.h"
#include "io/AtomicWrite.h"
#include "io/Files.h"
#include "io/PlotFile.h"
#include "model/HullFile.h"
#include "open/OpenDialog.h"
#include "text/NumberText.h"
#include "views/PointEditing.h"
#include "views/Repaint.h"
#include "views/RescalePitch.h"
#include "views/ViewCommands.h"

namespace merrowin {

namespace {

// Sizes of the window's design are in twips, 1/1440 inch; the screen shows 15 twips a pixel.
constexpr int TwipsPerPixel = 15;
constexpr int Px(int twips) {
    return (twips + TwipsPerPixel / 2) / TwipsPerPixel;
}

// The window opens at a size whose main view is at least 900 x 500 pixels.
constexpr int InitialWidth = 1000;
constexpr int InitialHeight = 720;

// Layout rule: the main view is the window less these margins, and the waterline slider and the
// results list stand this far left of the main view's right end.
constexpr int ViewWidthMargin = Px(345);
constexpr int ViewHeightMargin = Px(2745);
constexpr int SliderOffset = Px(3015);

// The margin around the controls, the row of station boxes under the thumbnails, the row at the
// foot holding the waterline slider and the results list, and the main view's least height in
// the smallest window (pixels).
constexpr int Margin = Px(120);
constexpr int StationRowTop = Px(120) + Px(1361) + 5;
constexpr int RowHeight = 22;
constexpr int FootRowHeight = 30;
constexpr int SmallestViewHeight = 240;

constexpr int AutosaveMilliseconds = 30000;
constexpr const char* AutosaveName = "default.hul";

// The start-up information box: what Merrowin is, where its manual and help are, and what the
// builder takes on by using it. It names only what comes with the program.
const char* const StartUpText =
    "Merrowin 1.91\n"
    "Design of hard-chine boats built from plywood sheets.\n"
    "\n"
    "User manual: the Merrowin User Manual, manual.md, installed in share/doc/merrowin "
    "(docs/manual.md in the Merrowin sources).\n"
    "Help on the command line: merrowin --help and merrowin-cli --help.\n"
    "\n"
    "Full-size plotting: the DXF and HPGL pattern files (.dxf, .plt) are written into the "
    "export folder of Save and Create Patterns; any plotting or cutting service that takes them "
    "can make your patterns at full size.\n"
    "\n"
    "Merrowin is provided as it is, without warranty of any kind. Check every offset, pattern "
    "and hydrostatic figure against your drawings and a mock-up before you cut plywood. The "
    "designer and the builder alone are responsible for the boat, its stability and its "
    "safety.";

QString ToQt(const std::string& text) {
    return QString::fromStdString(text);
}

// A waterplane file the run could not write is said after the run's own status text, so that it
// does not pass for written.
void ShowFailure(StatusBar& status, const Outcome& written) {
    if (written.HasFailed()) {
        status.SetPanel(1, written.Text());
    }
}

int WindowKeyCode(int key) {
    switch (key) {
    case Qt::Key_Left:
        return 37;
    case Qt::Key_Up:
        return 38;
    case Qt::Key_Right:
        return 39;
    case Qt::Key_Down:
        return 40;
    default:
        return 0;
    }
}

// One entry of the menu bar: a menu, an item, or a separator (caption "-").
struct MenuEntry {
    const char* Menu; // the menu holding the entry; nullptr for the menus of the bar
    const char* Name; // its control name
    const char* Caption;
    void (Form1::*Click)() = nullptr; // nullptr for a menu or a separator
    bool Checkable = false;
    QAction* Form1::*Keep = nullptr; // where the window keeps the item to show the model's state
};

void AddMenuEntry(Form1& form, QMenuBar& bar, std::map<std::string_view, QMenu*>& menus,
                  const MenuEntry& entry) {
    const QString name = QString::fromUtf8(entry.Name);
    const QString caption = QString::fromUtf8(entry.Caption);
    QMenu* holder = entry.Menu == nullptr ? nullptr : menus.at(entry.Menu);
    if (holder != nullptr && std::string_view(entry.Caption) == "-") {
        holder->addSeparator()->setObjectName(name);
    } else if (entry.Click == nullptr) {
        QMenu* menu = holder != nullptr ? holder->addMenu(caption) : bar.addMenu(caption);
        menu->setObjectName(name);
        menu->menuAction()->setObjectName(name);
        menus[entry.Name] = menu;
    } else {
        QAction* action = holder->addAction(caption);
        action->setObjectName(name);
        action->setCheckable(entry.Checkable);
        // Every item refreshes the controls after its handler, so a check mark always shows the
        // model (Qt toggles a checkable item before the handler runs).
        QObject::connect(action, &QAction::triggered, &form, [&form, click = entry.Click] {
            (form.*click)();
            form.RefreshControls();
        });
        if (entry.Keep != nullptr) {
            form.*entry.Keep = action;
        }
    }
}

// "&Undo" takes Ctrl+Z; "&Redo" Ctrl+Shift+Z and Ctrl+Y, the two usual on the desktops.
QList<QKeySequence> UndoKeys() {
    return {QKeySequence(Qt::CTRL | Qt::Key_Z)};
}

QList<QKeySequence> RedoKeys() {
    return {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)};
}

} // namespace

Form1::Form1(AppState& app, std::filesystem::path folder, Dialogs* dialogs, QWidget* parent)
    : QMainWindow(parent), app_(app), folder_(std::move(folder)) {
    if (dialogs == nullptr) {
        ownDialogs_ = std::make_unique<QtDialogs>(this);
        dialogs = ownDialogs_.get();
    }
    dialogs_ = dialogs;
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Merrowin 1.91"));
    status_ = std::make_unique<QtStatusBar>(*statusBar());
    statusBar()->setObjectName(QStringLiteral("StatusBar1"));
    ui_.emplace(UiServices{*status_, *dialogs_, *this});
    CreateMenus();
    CreateControls();
    ApplyLayout();
    setMinimumSize(SmallestSize());
    resize(std::max(InitialWidth, minimumWidth()), std::max(InitialHeight, minimumHeight()));
    // Arrow keys belong to the window whichever of its controls has the focus, and the station
    // boxes' keys are seen before the boxes edit their text.
    qApp->installEventFilter(this);
    StartUp();
}

// The nesting window listens to this window's repaints: it goes while the hub is still whole.
Form1::~Form1() {
    UnloadNestingWindow();
}

// ---------------------------------------------------------------- building the window

void Form1::CreateMenus() {
    // The menu bar in the order shown. An entry whose Menu is nullptr is a menu of the bar.
    static const MenuEntry entries[] = {
        {nullptr, "dummy1", "&File"},
        {"dummy1", "dummy2", "&Open", &Form1::Dummy2Click},
        {"dummy1", "dummy3", "-"},
        {"dummy1", "Dummy4", "&Save, Create", &Form1::Dummy4Click},
        {"dummy1", "ExportMesh", "Export 3-D &Mesh...", &Form1::ExportMeshClick},
        {"dummy1", "dummy5", "-"},
        {"dummy1", "dummy21", "&Clear old patterns", &Form1::Dummy21Click},
        {"dummy1", "dummy20", "-"},
        {"dummy1", "dummy6", "&Exit", &Form1::Dummy6Click},
        {nullptr, "EditMenu", "&Edit"},
        {"EditMenu", "EditUndo", "&Undo", &Form1::EditUndoClick, false, &Form1::editUndo_},
        {"EditMenu", "EditRedo", "&Redo", &Form1::EditRedoClick, false, &Form1::editRedo_},
        {nullptr, "dummy7", "&Data"},
        {"dummy7", "dummy8", "&Offsets Table", &Form1::Dummy8Click},
        {"dummy7", "dummy16", "-"},
        {"dummy7", "AutoSpline", "&Auto-Spline chines", &Form1::AutoSplineClick, true,
         &Form1::autoSpline_},
        {"dummy7", "LockBulkheads", "&Lock Bulkheads in 'Z'", &Form1::LockBulkheadsClick, true,
         &Form1::lockBulkheads_},
        {nullptr, "Dummy9", "&Calculations"},
        {"Dummy9", "displacement", "&Displacement", &Form1::DisplacementClick},
        {"Dummy9", "EnterWaterline", "&Waterline", &Form1::EnterWaterlineClick, true,
         &Form1::enterWaterline_},
        {"Dummy9", "Contours", "&Contours", &Form1::ContoursClick},
        {"Dummy9", "EnterPitch", "&Pitch", &Form1::EnterPitchClick},
        {"Dummy9", "EnterHeel", "&Heel", &Form1::EnterHeelClick, false, &Form1::enterHeel_},
        {"Dummy9", "StabilityCurve", "Stability &Curve...", &Form1::StabilityCurveClick},
        {"Dummy9", "dummy30", "-"},
        {"Dummy9", "dummy", "&Water"},
        {"dummy", "Freshwater", "&Freshwater (20 C.)", &Form1::FreshwaterClick, true,
         &Form1::freshwater_},
        {"dummy", "Seawater", "&Seawater", &Form1::SeawaterClick, true, &Form1::seawater_},
        {"Dummy9", "dummy10", "-"},
        {"Dummy9", "dummy17", "&Rescale"},
        {"dummy17", "dummy12", "Length &Overall (change all)", &Form1::Dummy12Click},
        {"dummy17", "dummy87", "-"},
        {"dummy17", "dummy18", "Maximum &Beam Only", &Form1::Dummy18Click},
        {"dummy17", "dummy19", "Maximum &Height Only", &Form1::Dummy19Click},
        {"dummy17", "dummy88", "Maximum &Length Only", &Form1::Dummy88Click},
        {nullptr, "dummy13", "&View"},
        {"dummy13", "Sections", "&Sections", &Form1::SectionsClick, true, &Form1::sections_},
        {"dummy13", "Profile", "&Profile", &Form1::ProfileClick, true, &Form1::profile_},
        {"dummy13", "Plan", "P&lan", &Form1::PlanClick, true, &Form1::plan_},
        {"dummy13", "dummy22", "-"},
        {"dummy13", "TrueView", "&True View", &Form1::TrueViewClick, true, &Form1::trueView_},
        {nullptr, "dummy14", "&Patterns"},
        {"dummy14", "dummy15", "&Nesting", &Form1::Dummy15Click},
        {"dummy14", "PatternsPrintLine", "-"},
        {"dummy14", "PrintFullSize", "Print &Full Size...", &Form1::PrintFullSizeClick},
        {"dummy14", "PanelReport", "Panel &Report...", &Form1::PanelReportClick},
    };
    std::map<std::string_view, QMenu*> menus;
    for (const MenuEntry& entry : entries) {
        AddMenuEntry(*this, *menuBar(), menus, entry);
    }
    editUndo_->setShortcuts(UndoKeys());
    editRedo_->setShortcuts(RedoKeys());
    // The items show whether they would change anything each time the menu opens.
    connect(menus.at("EditMenu"), &QMenu::aboutToShow, this, &Form1::ShowHistoryState);

    // The state at start-up, before the model is first shown.
    autoSpline_->setChecked(true);
    freshwater_->setChecked(true);
    trueView_->setChecked(true);
    enterHeel_->setEnabled(false);
}

void Form1::CreateControls() {
    central_ = new QWidget(this);
    central_->setObjectName(QStringLiteral("Client"));
    setCentralWidget(central_);
    CreatePictures();
    ConnectMainView();
    CreateButtons();
    CreateStationBoxes();
    CreateChineCountBox();
    CreateCalculationControls();

    timer1_ = new QTimer(this);
    timer1_->setObjectName(QStringLiteral("Timer1"));
    timer1_->setInterval(AutosaveMilliseconds);
    connect(timer1_, &QTimer::timeout, this, &Form1::Timer1Timer);
}

// The main view, placed by the layout rule, then the three thumbnails and the view-selection
// picture where the design puts them.
void Form1::CreatePictures() {
    struct Place {
        const char* Name;
        int Index; // element of a control array; -1 for a single control
        const char* Tip;
        int Left, Top, Width, Height; // twips
    };
    static const Place places[] = {
        {"Picture1", 0, "Click to edit Section view", 120, 120, 1361, 1361},
        {"Picture1", 1, "Click to edit Profile view", 4350, 120, 2722, 1361},
        {"Picture1", 2, "Click to edit plan view", 1560, 120, 2722, 1361},
        {"Picture3", -1, nullptr, 9600, 120, 615, 855},
    };
    auto picture = [this](const char* name) {
        auto* box = new PictureBox(central_);
        box->setObjectName(QString::fromUtf8(name));
        return box;
    };
    picture2_ = picture("Picture2");
    picture2_->setMouseTracking(true); // position read-out without a button
    for (const Place& place : places) {
        PictureBox* box = picture(place.Name);
        box->setGeometry(Px(place.Left), Px(place.Top), Px(place.Width), Px(place.Height));
        if (place.Index < 0) {
            picture3_ = box;
            continue;
        }
        box->setProperty("Index", place.Index);
        box->setToolTip(QString::fromUtf8(place.Tip));
        picture1_[static_cast<std::size_t>(place.Index)] = box;
    }

    for (int i = 0; i < 3; ++i) {
        connect(picture1_[static_cast<std::size_t>(i)], &PictureBox::Clicked, this, [this, i] {
            ClickThumbnail(app_, i, *this);
            FocusFirstStationBox();
        });
    }
    connect(picture3_, &PictureBox::Clicked, this, [this] {
        ClickLogo(app_, *this);
        FocusFirstStationBox();
    });
}

void Form1::ConnectMainView() {
    connect(picture2_, &PictureBox::MouseDown, this, [this](int button, double x, double y) {
        if (button != 0) {
            Picture2MouseDown(app_, button, x, y);
        }
    });
    connect(picture2_, &PictureBox::MouseMove, this, [this](int buttons, double x, double y) {
        Picture2MouseMove(app_, Ui(), buttons, x, y);
    });
    connect(picture2_, &PictureBox::MouseUp, this, [this](int button, double x, double y) {
        if (button != 0) {
            Picture2MouseUp(app_, Ui(), button, x, y);
            RefreshControls(); // the release leaves the waterline mode
        }
    });
    // The exact-value boxes of a double click stand beside the point clicked.
    connect(picture2_, &PictureBox::DoubleClick, this, [this] {
        if (ownDialogs_) {
            ownDialogs_->SetAnchor(QCursor::pos());
        }
        Picture2DblClick(app_, Ui());
        if (ownDialogs_) {
            ownDialogs_->SetAnchor(std::nullopt);
        }
    });
}

// Spin buttons, one above the other, and the 3-D export button above them.
void Form1::CreateButtons() {
    struct Place {
        const char* Name;
        const char* Caption;
        const char* Tip;
        int Left, Top, Width, Height; // twips
        QPushButton* Form1::*Keep;
        std::optional<SpinAxis> Spins; // none: the button has its own handler
    };
    static const Place places[] = {
        {"Command1", "X", "Spin view (or use keyboard)", 7125, 660, 375, 255, &Form1::command1_,
         SpinAxis::X},
        {"Command5", "Y", nullptr, 7125, 940, 375, 255, &Form1::command5_, SpinAxis::Y},
        {"Command6", "Z", nullptr, 7125, 1230, 375, 255, &Form1::command6_, SpinAxis::Z},
        {"Command2", "VRML", nullptr, 7125, 150, 690, 360, &Form1::command2_, std::nullopt},
    };
    for (const Place& place : places) {
        auto* button = new QPushButton(QString::fromUtf8(place.Caption), central_);
        button->setObjectName(QString::fromUtf8(place.Name));
        button->setGeometry(Px(place.Left), Px(place.Top), Px(place.Width), Px(place.Height));
        if (place.Tip != nullptr) {
            button->setToolTip(QString::fromUtf8(place.Tip));
        }
        this->*place.Keep = button;
        if (place.Spins) {
            connect(button, &QPushButton::clicked, this, [this, axis = *place.Spins] {
                Spin(app_, axis, *this);
                FocusFirstStationBox();
            });
        }
    }
    connect(command2_, &QPushButton::clicked, this, [this] { Command2Click(); });
}

// Station boxes, one a bulkhead from the stem to the transom. Text1(0), the stem's, also takes
// the focus after a thumbnail, view or spin click; its label "Stem (0)" is made to match
// "Transm (4)".
void Form1::CreateStationBoxes() {
    const char* const stationLabels[5] = {"Stem (0)", "Bkhd 1", "Bkhd 2", "Bkhd 3", "Transm (4)"};
    for (int b = 0; b < 5; ++b) {
        const auto index = static_cast<std::size_t>(b);
        auto* box = new QLineEdit(central_);
        box->setObjectName(QStringLiteral("Text1"));
        box->setProperty("Index", b);
        text1_[index] = box;
        auto* label = new QLabel(QString::fromUtf8(stationLabels[b]), central_);
        label->setObjectName(QStringLiteral("Label%1").arg(b));
        label->setBuddy(box);
        text1Labels_[index] = label;
        connect(box, &QLineEdit::textEdited, this, [this, index](const QString& text) {
            app_.Work.StationText[index] = text.toStdString();
        });
    }
}

void Form1::CreateChineCountBox() {
    chnLabel_ = new QLabel(QStringLiteral("Chn"), central_);
    chnLabel_->setObjectName(QStringLiteral("Label5"));
    text3_ = new QLineEdit(central_);
    text3_->setObjectName(QStringLiteral("Text3"));
    chnLabel_->setBuddy(text3_);
    vScroll1_ = new QScrollBar(Qt::Vertical, central_);
    vScroll1_->setObjectName(QStringLiteral("VScroll1"));
    vScroll1_->setRange(2, MaxChines);
    vScroll1_->setValue(4);
    // The count grows upwards: the thumb stands high for many chines, the upper arrow and the
    // trough above the thumb raise the count, and so does the wheel turned away from the user.
    // Qt's scroll bar lowers its value with its upper arrow whatever its appearance, so each
    // step is turned round before the value moves.
    vScroll1_->setInvertedAppearance(true);
    vScroll1_->setInvertedControls(false);
    connect(vScroll1_, &QAbstractSlider::actionTriggered, this, [this](int action) {
        int step = 0;
        switch (action) {
        case QAbstractSlider::SliderSingleStepAdd:
        case QAbstractSlider::SliderSingleStepSub:
            step = vScroll1_->singleStep();
            break;
        case QAbstractSlider::SliderPageStepAdd:
        case QAbstractSlider::SliderPageStepSub:
            step = vScroll1_->pageStep();
            break;
        default:
            return;
        }
        const bool raise = action == QAbstractSlider::SliderSingleStepSub ||
                           action == QAbstractSlider::SliderPageStepSub;
        vScroll1_->setSliderPosition(vScroll1_->value() + (raise ? step : -step));
    });
    connect(text3_, &QLineEdit::textChanged, this, &Form1::Text3Change);
    connect(vScroll1_, &QScrollBar::valueChanged, this, &Form1::VScroll1Change);
}

// The waterline slider and the results list, hidden until a calculation shows them.
void Form1::CreateCalculationControls() {
    hScroll1_ = new QScrollBar(Qt::Horizontal, central_);
    hScroll1_->setObjectName(QStringLiteral("HScroll1"));
    hScroll1_->hide();
    // Every change of the position, by the arrows, the trough or the dragged thumb; positions set
    // from the model are shown with the signals blocked.
    connect(hScroll1_, &QScrollBar::valueChanged, this, &Form1::HScroll1Change);
    // Not editable: the box shows the picked line, or the list's title ("Results") as its
    // placeholder while no line is picked.
    combo1_ = new QComboBox(central_);
    combo1_->setObjectName(QStringLiteral("Combo1"));
    combo1_->setEditable(false);
    combo1_->setPlaceholderText(QStringLiteral("Results"));
    combo1_->hide();
    connect(combo1_, &QComboBox::activated, this, &Form1::Combo1Click);
}

// ---------------------------------------------------------------- start-up and layout

void Form1::StartUp() {
    CentreOnScreen();
    ApplyLayout();
    for (PictureBox* box : {picture2_, picture1_[0], picture1_[1], picture1_[2]}) {
        box->Clear();
    }
    DrawLogo(*picture3_);

    // Temporaries left in the working folder by a save that was killed half-way.
    RemoveStaleTemporaries(folder_);

    ResetToStartup(app_); // working defaults and the default hull
    started_ = true;
    text3_->setText(QStringLiteral("4"));

    app_.Work.HullFileName = AutosaveName;
    if (FileExists(folder_, AutosaveName)) {
        // The chine-count box and its scroll bar follow the model at the repaint below.
        const OpenedHull opened = OpenHullFile(folder_, AutosaveName, app_);
        status_->SetPanel(1, opened.Result.Ok() ? opened.StatusText : opened.Result.Text());
    }
    ReadPlotterScale(folder_, app_.Work.PlotXScale, app_.Work.PlotYScale);
    RepaintWindow();
    app_.History.Clear(); // the history begins with the hull the program starts with

    dialogs_->Message("Merrowin", StartUpText, MessageButtons::Ok, MessageIcon::Information);
    // The timer keeps running while a modal box or window of the program is open.
    timer1_->start();
}

void Form1::CentreOnScreen() {
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return;
    }
    const QRect area = screen->geometry();
    const QSize size = frameGeometry().size();
    // A window larger than the screen keeps its title bar on the screen.
    const int left = std::max(area.left(), area.left() + (area.width() - size.width()) / 2);
    const int top = std::max(area.top(), area.top() + (area.height() - size.height()) / 2);
    move(left, top);
}

// The main view takes the window's size less fixed margins; a size that would be negative is
// not applied. The view stands below the thumbnail band and the station boxes, and above the foot
// row, where the waterline slider keeps the left edge the layout rule gives it and the results
// list stands beside it on its left. Qt's window height leaves out the title bar that the
// margins were measured with, which makes room for the foot row.
void Form1::ApplyLayout() {
    const int stationWidth = StationBoxWidth();
    int x = Margin;
    for (int b = 0; b < 5; ++b) {
        QLabel* label = text1Labels_[static_cast<std::size_t>(b)];
        const int labelWidth = label->sizeHint().width();
        label->setGeometry(x, StationRowTop, labelWidth, RowHeight);
        x += labelWidth + 3;
        text1_[static_cast<std::size_t>(b)]->setGeometry(x, StationRowTop, stationWidth, RowHeight);
        x += stationWidth + 4;
    }
    const int chnWidth = chnLabel_->sizeHint().width();
    chnLabel_->setGeometry(x, StationRowTop, chnWidth, RowHeight);
    x += chnWidth + 4;
    text3_->setGeometry(x, StationRowTop, 36, RowHeight);
    vScroll1_->setGeometry(x + 36, StationRowTop, 17, RowHeight);

    const int clientHeight = ClientHeight();
    const int footTop = clientHeight - Margin - FootRowHeight;
    const int viewWidth = width() - ViewWidthMargin;
    const int viewHeight = height() - ViewHeightMargin - FootRowHeight;
    QRect view = picture2_->geometry();
    if (viewWidth >= 0) {
        view.setLeft(Margin);
        view.setWidth(viewWidth);
    }
    if (viewHeight >= 0) {
        const int top = std::max(StationRowTop + RowHeight + 5, footTop - 4 - viewHeight);
        view.setTop(top);
        view.setHeight(std::min(viewHeight, footTop - 4 - top));
    }
    picture2_->setGeometry(view);

    const int sliderLeft = picture2_->width() - SliderOffset;
    if (sliderLeft >= 0) {
        const int sliderRight = picture2_->geometry().right() + 1;
        hScroll1_->setGeometry(sliderLeft, footTop + (FootRowHeight - 17) / 2,
                               sliderRight - sliderLeft, 17);
        const int listWidth = ResultsListWidth();
        const int listLeft = std::max(Margin, sliderLeft - 8 - listWidth);
        combo1_->setGeometry(listLeft, footTop + (FootRowHeight - 24) / 2,
                             sliderLeft - 8 - listLeft, 24);
    }
}

// Ten digits show whole in a station box, within its frame and the line edit's own margins.
int Form1::StationBoxWidth() const {
    const QLineEdit& box = *text1_[1];
    const int frame = box.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &box);
    return box.fontMetrics().horizontalAdvance(QStringLiteral("0000000000")) + 2 * frame + 6;
}

// The results list is as wide as the longest line it may show, or wider when one of the lines it
// holds is longer still.
int Form1::ResultsListWidth() const {
    const QFontMetrics metrics = combo1_->fontMetrics();
    int text = 0;
    for (const QString& line : {QStringLiteral("Results, Heeled 15.0 degree"),
                                QStringLiteral("Center of Lateral Area, Z: 000.0 in.\"")}) {
        text = std::max(text, metrics.horizontalAdvance(line));
    }
    for (int i = 0; i < combo1_->count(); ++i) {
        text = std::max(text, metrics.horizontalAdvance(combo1_->itemText(i)));
    }
    QStyleOptionComboBox option;
    option.initFrom(combo1_);
    const QSize size = combo1_->style()->sizeFromContents(QStyle::CT_ComboBox, &option,
                                                          QSize(text, metrics.height()), combo1_);
    return size.width() + 4;
}

int Form1::ClientHeight() const {
    return height() - menuBar()->sizeHint().height() - statusBar()->sizeHint().height();
}

// The smallest window in which no control covers another: the thumbnail band with the logo, the
// row of station boxes, the results list beside the slider, and a main view of some size.
QSize Form1::SmallestSize() const {
    int right = picture3_->geometry().right() + 1;
    right = std::max(right, command2_->geometry().right() + 1);
    right = std::max(right, vScroll1_->geometry().right() + 1);
    const int footWidth = ResultsListWidth() + 8 + SliderOffset;
    const int width = std::max(right + Margin, footWidth + Margin + ViewWidthMargin);
    const int chrome = height() - ClientHeight();
    const int client =
        StationRowTop + RowHeight + 5 + SmallestViewHeight + 4 + FootRowHeight + Margin;
    const int height =
        std::max(chrome + client, ViewHeightMargin + FootRowHeight + SmallestViewHeight);
    return {width, height};
}

void Form1::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    ApplyLayout();
    if (started_) {
        RepaintWindow();
    }
}

void Form1::FocusFirstStationBox() {
    text1_[0]->setFocus();
}

// ---------------------------------------------------------------- the repaint hub

void Form1::RepaintWindow() {
    if (!started_) {
        return;
    }
    // The model steps first, then the painting, which only reads the model; then the windows
    // that show the model refresh themselves.
    RebuildGeometry(app_);
    PrepareMainView(app_, *picture2_);
    const MainPictures pictures{*picture2_, *picture1_[0], *picture1_[1], *picture1_[2]};
    PaintMainWindow(app_, *status_, pictures);
    RefreshControls();
    NotifyListeners();
}

void Form1::RepaintMainView() {
    if (!started_) {
        return;
    }
    // The plan view's waterplane outline goes onto the plan thumbnail too.
    PrepareMainView(app_, *picture2_);
    PaintMainView(app_, *picture2_, picture1_[2]);
    RefreshControls();
}

Canvas& Form1::MainPicture() {
    return *picture2_;
}

Canvas& Form1::Thumbnail(int index) {
    return Picture1(index);
}

PictureBox& Form1::Picture1(int index) {
    return *picture1_[static_cast<std::size_t>(std::clamp(index, 0, 2))];
}

QLineEdit& Form1::Text1(int index) {
    return *text1_[static_cast<std::size_t>(std::clamp(index, 0, 4))];
}

UiServices& Form1::Ui() {
    return *ui_;
}

void Form1::RefreshControls() {
    for (std::size_t b = 0; b < text1_.size(); ++b) {
        const QString text = ToQt(app_.Work.StationText[b]);
        if (text1_[b]->text() != text) {
            text1_[b]->setText(text);
            // A long number shows from its first figure, not its last.
            text1_[b]->setCursorPosition(0);
        }
    }
    const int count = app_.Hull.ChineCount;
    if (RoundHalfEven(Val(text3_->text().toStdString())) != count) {
        const QSignalBlocker blocker(text3_);
        text3_->setText(QString::number(count));
    }
    {
        const QSignalBlocker blocker(vScroll1_);
        vScroll1_->setValue(ChineCountInRange(app_.Hull));
    }

    const ViewState& view = app_.Work.View;
    const HydroState& hydro = app_.Work.Hydro;
    autoSpline_->setChecked(app_.Hull.AutoSpline);
    lockBulkheads_->setChecked(app_.Work.LockBulkheads);
    sections_->setChecked(view.Sections);
    profile_->setChecked(view.Profile);
    plan_->setChecked(view.Plan);
    trueView_->setChecked(view.TrueView);
    enterWaterline_->setChecked(hydro.EnterWaterlineChecked);
    enterHeel_->setEnabled(hydro.EnterHeelEnabled);
    freshwater_->setChecked(hydro.FreshwaterChecked);
    seawater_->setChecked(hydro.SeawaterChecked);
    ShowWaterlineRange();
    hScroll1_->setVisible(hydro.HScroll1Visible);
    ShowResultsList();
    combo1_->setVisible(hydro.Combo1Visible);
    ShowHistoryState();
}

// HScroll1 shows the model's range, position and steps; the change handler does not run for
// what the model already holds.
void Form1::ShowWaterlineRange() {
    const ScrollRange& range = app_.Work.Hydro.HScroll1;
    const QSignalBlocker blocker(hScroll1_);
    hScroll1_->setRange(range.Min, std::max(range.Min, range.Max));
    hScroll1_->setValue(range.Value);
    hScroll1_->setSingleStep(range.SmallChange);
    hScroll1_->setPageStep(range.LargeChange);
}

// Combo1 shows the model's lines, changed in place (a waterline run rewrites all of them at every
// step of the slider), and the picked line or the list's title.
void Form1::ShowResultsList() {
    const HydroState& hydro = app_.Work.Hydro;
    const QSignalBlocker blocker(combo1_);
    const int count = static_cast<int>(hydro.ResultsLines.size());
    bool linesChanged = false;
    while (combo1_->count() > count) {
        combo1_->removeItem(combo1_->count() - 1);
        linesChanged = true;
    }
    for (int i = 0; i < count; ++i) {
        const QString line = ToQt(hydro.ResultsLines[static_cast<std::size_t>(i)]);
        if (i >= combo1_->count()) {
            combo1_->addItem(line);
            linesChanged = true;
        } else if (combo1_->itemText(i) != line) {
            combo1_->setItemText(i, line);
            linesChanged = true;
        }
    }
    const bool picked = hydro.ResultsSelected >= 0 && hydro.ResultsSelected < count;
    if (!picked) {
        combo1_->setPlaceholderText(ToQt(hydro.ResultsText));
    }
    combo1_->setCurrentIndex(picked ? hydro.ResultsSelected : -1);
    if (linesChanged) {
        // The open list shows the lines whole, and the box widens for a line longer than usual.
        combo1_->view()->setMinimumWidth(combo1_->view()->sizeHintForColumn(0) + 24);
        ApplyLayout();
    }
}

// ---------------------------------------------------------------- small controls

// Every change of the chine-count box, typed or written by VScroll1: the box may correct itself
// (a count above 30 or below 2), which changes it once more.
void Form1::Text3Change(const QString& text) {
    if (!started_) {
        return;
    }
    const std::string shown = ChineCountChanged(app_, text.toStdString(), *this);
    app_.Work.ChineCountText = shown;
    if (text3_->text().toStdString() != shown) {
        text3_->setText(ToQt(shown));
    }
}

void Form1::VScroll1Change(int value) {
    text3_->setText(QString::number(value));
}

bool Form1::StationBoxKeyPress(int bulkhead, int key) {
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    const int code = enter ? 13 : (key < 256 ? key : 0);
    StationBoxKey(app_, bulkhead, text1_[static_cast<std::size_t>(bulkhead)]->text().toStdString(),
                  code, *this);
    RefreshControls(); // the Auto-Spline check mark
    return enter;
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
    if (IsHistoryKeyOverride(watched, event)) {
        return true; // the Edit menu's shortcut runs
    }
    if (watched == this && event->type() == QEvent::WindowActivate) {
        ShowHistoryState(); // back from another window, whose boxes may have begun a step
    }
    if (event->type() != QEvent::KeyPress) {
        return QMainWindow::eventFilter(watched, event);
    }
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr || widget->window() != this || qobject_cast<QMenuBar*>(watched)) {
        return QMainWindow::eventFilter(watched, event);
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    const int arrow = WindowKeyCode(key->key());
    // Left and Right move the cursor of a text box the user types in; everywhere else, and Up
    // and Down always, the arrows spin the view.
    const auto* textBox = qobject_cast<QLineEdit*>(watched);
    const bool editing = textBox != nullptr && !textBox->isReadOnly();
    if (editing && (key->key() == Qt::Key_Left || key->key() == Qt::Key_Right)) {
        return QMainWindow::eventFilter(watched, event);
    }
    if (arrow != 0) {
        if (ArrowKey(app_, arrow, *this)) {
            FocusFirstStationBox();
            RefreshControls();
        }
        return true;
    }
    for (int b = 0; b < 5; ++b) {
        if (watched == text1_[static_cast<std::size_t>(b)]) {
            const bool typed = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter ||
                               !key->text().isEmpty();
            if (typed && StationBoxKeyPress(b, key->key())) {
                return true;
            }
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

// ---------------------------------------------------------------- menu items

// "&Open": the calculation state goes back to none (waterline, pitch, the waterline control and
// the results list) before any file is previewed; then the Open window shows its folder afresh.
void Form1::Dummy2Click() {
    BeginOpenVisit(app_);
    OpenResetsCalculations(app_, Ui());
    if (!form4_) {
        form4_ = std::make_unique<Form4>(*this);
    }
    form4_->ShowOpen();
}

// "&Save, Create": patterns and files are made at zero pitch, from the curves of a fresh repaint;
// then the dialog shows the hull's frames, file name and information lines.
void Form1::Dummy4Click() {
    app_.Work.PitchAngle = 0;
    ApplyPitch(app_, *this);
    if (form3_ == nullptr) {
        form3_ = new Form3(app_, folder_, Ui(), this);
        form3_->UnloadNestingWindow = [this] { UnloadNestingWindow(); };
        form3_->PatternRunFinished = [this] { PatternRunFinished(); };
    }
    form3_->ShowForHull();
}

// Old pattern files are removed from the working folder only; a file that is not there is no
// error.
void Form1::Dummy21Click() {
    DeleteMatching(folder_, "*.uc");
    DeleteMatching(folder_, "handplot.txt");
    PatternRunFinished(); // the full-size window must not offer the pieces just deleted
}

void Form1::Dummy6Click() {
    close();
}

void Form1::Dummy8Click() {
    if (!form5_) {
        form5_ = std::make_unique<Form5>(*this);
    }
    form5_->OpenTable();
}

void Form1::AutoSplineClick() {
    const StepScope step(app_); // the hull file keeps the mode
    app_.Hull.AutoSpline = !app_.Hull.AutoSpline;
    RepaintWindow();
}

void Form1::LockBulkheadsClick() {
    app_.Work.LockBulkheads = !app_.Work.LockBulkheads;
    RepaintWindow();
}

// The Calculations menu. Each handler leaves the pictures as the command drew them: the menu's
// refresh that follows only updates the controls.
void Form1::DisplacementClick() {
    ShowFailure(*status_, DisplacementCommand(app_, Ui(), folder_));
}

void Form1::EnterWaterlineClick() {
    ShowFailure(*status_, WaterlineCommand(app_, Ui(), folder_));
}

void Form1::ContoursClick() {
    ShowFailure(*status_, ContoursCommand(app_, Ui(), folder_));
}

void Form1::EnterPitchClick() {
    ShowFailure(*status_, PitchCommand(app_, Ui(), folder_));
}

void Form1::EnterHeelClick() {
    ShowFailure(*status_, HeelCommand(app_, Ui(), folder_));
}

void Form1::FreshwaterClick() {
    ShowFailure(*status_, WaterChoice(app_, Ui(), folder_, false));
}

void Form1::SeawaterClick() {
    ShowFailure(*status_, WaterChoice(app_, Ui(), folder_, true));
}

void Form1::Dummy12Click() {
    RescaleCommand(app_, Ui(), RescaleItem::Overall);
}

void Form1::Dummy18Click() {
    RescaleCommand(app_, Ui(), RescaleItem::Beam);
}

void Form1::Dummy19Click() {
    RescaleCommand(app_, Ui(), RescaleItem::Height);
}

void Form1::Dummy88Click() {
    RescaleCommand(app_, Ui(), RescaleItem::Length);
}

// The View menu: the flat views, and equal units on both axes.
void Form1::SectionsClick() {
    ChooseView(app_, ViewKind::Sections, *this);
    FocusFirstStationBox();
}

void Form1::ProfileClick() {
    ChooseView(app_, ViewKind::Profile, *this);
    FocusFirstStationBox();
}

void Form1::PlanClick() {
    ChooseView(app_, ViewKind::Plan, *this);
    FocusFirstStationBox();
}

void Form1::TrueViewClick() {
    ToggleTrueView(app_, *status_, *this);
}

// "&Nesting": the window is made when it is not loaded, reading the pieces of the last pattern
// run; a window already loaded keeps its layout.
void Form1::Dummy15Click() {
    if (form2_ == nullptr) {
        form2_ = new Form2(app_, folder_, Ui(), this);
    }
    form2_->ShowForHull();
}

// A pattern run makes new pieces: the nesting window goes, and the next "&Nesting" reads them.
void Form1::UnloadNestingWindow() {
    delete form2_;
    form2_ = nullptr;
}

// "Print &Full Size...": the pieces the working folder holds now, every time it opens.
void Form1::PrintFullSizeClick() {
    if (!fullSize_) {
        fullSize_ = std::make_unique<FullSizeDialog>(app_, folder_, Ui(), this);
    }
    fullSize_->ShowForFolder();
}

// "Panel &Report...": the report of the last run with expansions, and the tolerances of the next.
void Form1::PanelReportClick() {
    if (!panelReport_) {
        panelReport_ = std::make_unique<PanelReportWindow>(app_, folder_, this);
    }
    panelReport_->ShowReport();
}

// A run has replaced the pattern files, or they were cleared: the windows that show them read
// them again.
void Form1::PatternRunFinished() {
    if (fullSize_ && fullSize_->isVisible()) {
        fullSize_->RefreshPieces();
    }
    if (panelReport_ && panelReport_->isVisible()) {
        panelReport_->RefreshReport();
    }
}

// "VRML": the world is written from the chine points of a fresh repaint; only a failure is told.
void Form1::Command2Click() {
    RepaintWindow();
    const Outcome written =
        SaveVrmlWorld(folder_, app_.Work.HullFileName, app_.Hull, app_.Work.HullHeight);
    if (written.HasFailed()) {
        status_->SetPanel(1, written.Text());
    }
}

// A move of HScroll1 by the user: the waterline there, computed and drawn on the views.
void Form1::HScroll1Change(int value) {
    ShowFailure(*status_, WaterlineScrolled(app_, Ui(), folder_, value));
    RefreshControls();
}

// A line picked in Combo1 is remembered and stays picked through later runs.
void Form1::Combo1Click(int index) {
    ResultsPicked(app_, index);
    RefreshControls();
}

// Files are saved at zero pitch: the requested pitch goes back to 0 and the hull is rotated back
// when a pitch has been applied.
void Form1::ResetPitch() {
    app_.Work.PitchAngle = 0;
    if (app_.Work.AppliedPitch != 0) {
        ApplyPitch(app_, *this);
    }
}

// ---------------------------------------------------------------- undo and redo

void Form1::EditUndoClick() {
    RunHistoryCommand(UndoCommand);
}

void Form1::EditRedoClick() {
    RunHistoryCommand(RedoCommand);
}

// A step that changed the hull's name (a visit to the Open window) changes it back, and panel 1
// names the file worked on again, as "Done" did.
void Form1::RunHistoryCommand(bool (*command)(AppState&, RepaintHub&)) {
    const std::string name = app_.Work.HullFileName;
    if (command(app_, *this) && app_.Work.HullFileName != name) {
        status_->SetPanel(1, "Working on..." + app_.Work.HullFileName);
    }
}

void Form1::ShowHistoryState() {
    editUndo_->setEnabled(app_.History.CanUndo(app_));
    editRedo_->setEnabled(app_.History.CanRedo(app_));
}

// The undo and redo keys undo the hull wherever the focus is in the window: a box would
// otherwise take them for its own text (Qt offers them to the focus first). The items are brought
// up to date first, as a box of another window may have begun a step no repaint has shown.
bool Form1::IsHistoryKeyOverride(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::ShortcutOverride) {
        return false;
    }
    const auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr || widget->window() != this) {
        return false;
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    const QKeySequence pressed(key->keyCombination());
    const QList<QKeySequence> undo = UndoKeys();
    const QList<QKeySequence> redo = RedoKeys();
    if (!undo.contains(pressed) && !redo.contains(pressed)) {
        return false;
    }
    ShowHistoryState();
    return true;
}

// ---------------------------------------------------------------- autosave and closing

void Form1::Timer1Timer() {
    const std::string remembered = status_->Panel(1);
    status_->SetPanel(1, std::string("Autosaving...") + AutosaveName);
    const Outcome saved = WriteHullFile(folder_, AutosaveName, app_.Hull); // pitched or not
    // A failed autosave must not pass for a done one: its failure replaces the earlier text.
    status_->SetPanel(1, saved.Ok() ? remembered : saved.Text());
}

void Form1::closeEvent(QCloseEvent* event) {
    ResetPitch();
    const std::string& name = app_.Work.HullFileName;
    const MessageAnswer answer =
        dialogs_->Message("Merrowin", "Do you want to save to " + name + "?",
                          MessageButtons::YesNoCancel, MessageIcon::Question);
    if (answer == MessageAnswer::Cancel) {
        event->ignore();
        return;
    }
    if (answer == MessageAnswer::Yes && WriteHullFile(folder_, name, app_.Hull).HasFailed()) {
        // Closing now would lose the hull: say so and stay open.
        dialogs_->Message("Merrowin", "The hull could not be saved to " + name + ".",
                          MessageButtons::Ok, MessageIcon::Exclamation);
        event->ignore();
        return;
    }
    timer1_->stop();
    // The program ends with its main window: the Save and Create Patterns window unloads, shown
    // or hidden, so its settings are written as the last run left them; every other window
    // closes too.
    if (form3_ != nullptr) {
        form3_->Unload();
    }
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window != this && window->isVisible()) {
            window->close();
        }
    }
    event->accept();
}

} // namespace merrowin
