// The Stability Curve window: its boxes, the plot, the table and the saved plot.
#include "StabilityWindow.h"

#include <QBuffer>
#include <QCheckBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <utility>

#include "hydro/Results.h"
#include "hydro/StabilityDrawing.h"
#include "hydro/StabilityRun.h"
#include "hydro/StabilityText.h"
#include "io/Files.h"
#include "model/Constants.h"
#include "text/NumberText.h"
#include "ui/SvgCanvas.h"

namespace merrowin {

namespace {

// The saved plot's size in pixels, whatever the window's.
constexpr int PlotWidth = 800, PlotHeight = 500;

QString Text(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QLineEdit* AddBox(QFormLayout& form, const char* caption, const char* name) {
    auto* box = new QLineEdit;
    box->setObjectName(QString::fromUtf8(name));
    form.addRow(QString::fromUtf8(caption), box);
    return box;
}

double BoxValue(const QLineEdit& box) {
    return Val(box.text().toStdString());
}

} // namespace

StabilityWindow::StabilityWindow(AppState& app, std::filesystem::path folder, QWidget* parent)
    : QWidget(parent, Qt::Window), app_(app), folder_(std::move(folder)) {
    setObjectName(QStringLiteral("StabilityWindow"));
    setWindowTitle(QStringLiteral("Stability Curve"));
    auto* boxes = new QFormLayout;
    displacement_ = AddBox(*boxes, "Displacement, lbs:", "Displacement");
    designer_ = new QCheckBox(QStringLiteral("Designer's center of gravity"));
    designer_->setObjectName(QStringLiteral("DesignerGravity"));
    boxes->addRow(designer_);
    height_ = AddBox(*boxes, "Center of gravity height (VCG), in.:", "GravityHeight");
    station_ = AddBox(*boxes, "Center of gravity station (LCG), in.:", "GravityStation");
    to_ = AddBox(*boxes, "Heel to, degrees:", "HeelTo");
    step_ = AddBox(*boxes, "Every, degrees:", "HeelStep");
    compute_ = new QPushButton(QStringLiteral("&Compute"));
    compute_->setObjectName(QStringLiteral("Compute"));
    save_ = new QPushButton(QStringLiteral("&Save Plot..."));
    save_->setObjectName(QStringLiteral("SavePlot"));
    criteria_ = new QLabel;
    criteria_->setObjectName(QStringLiteral("Criteria"));
    criteria_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* left = new QVBoxLayout;
    left->addLayout(boxes);
    left->addWidget(compute_);
    left->addWidget(save_);
    left->addWidget(criteria_);
    left->addStretch();

    plot_ = new PictureBox;
    plot_->setObjectName(QStringLiteral("Plot"));
    plot_->setMinimumSize(480, 300);
    table_ = new QTableWidget(0, 5);
    table_->setObjectName(QStringLiteral("Table"));
    table_->setHorizontalHeaderLabels(
        {QStringLiteral("Angle, deg."), QStringLiteral("Waterline, in."), QStringLiteral("GZ, in."),
         QStringLiteral("Moment, ft-lbs"), QStringLiteral("Freeboard, in.")});
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    auto* right = new QVBoxLayout;
    right->addWidget(plot_, 3);
    right->addWidget(table_, 2);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left);
    layout->addLayout(right, 1);
    resize(1000, 700);

    connect(compute_, &QPushButton::clicked, this, &StabilityWindow::Compute);
    connect(save_, &QPushButton::clicked, this, &StabilityWindow::SavePlotClick);
    LoadFromModel();
}

void StabilityWindow::LoadFromModel() {
    const HydroState& h = app_.Work.Hydro;
    // The weight of the last waterline run; before any, the hull floating at its waterline.
    double weight = SingleValue(h.Displacement);
    if (!(weight > 0)) {
        weight = SolidDisplacement(app_.Hull, h.WaterlineHeight, h.WaterDensity);
    }
    displacement_->setText(Text(FormatNumber(weight, "0.0")));
    const CenterOfGravity gravity = StabilityGravity(app_);
    designer_->setChecked(app_.Hull.DesignCenterOfGravity.has_value());
    height_->setText(Text(FormatNumber(gravity.Y, "0.00")));
    station_->setText(Text(FormatNumber(gravity.Z, "0.00")));
    to_->setText(QStringLiteral("90"));
    step_->setText(QStringLiteral("5"));
}

void StabilityWindow::Compute() {
    if (designer_->isChecked()) {
        app_.Hull.DesignCenterOfGravity = CenterOfGravity{BoxValue(*height_), BoxValue(*station_)};
    } else {
        app_.Hull.DesignCenterOfGravity.reset();
        const CenterOfGravity assumed = AssumedCenterOfGravity(app_);
        height_->setText(Text(FormatNumber(assumed.Y, "0.00")));
        station_->setText(Text(FormatNumber(assumed.Z, "0.00")));
    }
    const std::vector<double> angles = StabilityAngles(BoxValue(*to_), BoxValue(*step_));
    curve_ = ModelStabilityCurve(app_, BoxValue(*displacement_),
                                 angles.empty() ? StabilityAngles(90, 5) : angles);
    computed_ = true;
    ShowCurve();
}

void StabilityWindow::ShowCurve() {
    DrawStabilityCurve(*plot_, curve_);
    plot_->update();
    table_->setRowCount(static_cast<int>(curve_.Points.size()));
    int row = 0;
    for (const StabilityPoint& p : curve_.Points) {
        const std::string cells[] = {FormatNumber(p.Angle, "0.0"),
                                     p.Floated ? FormatNumber(p.Waterline, "0.000")
                                               : "no waterline",
                                     p.Floated ? FormatNumber(p.RightingArm, "0.0000") : "",
                                     p.Floated ? FormatNumber(p.RightingMoment, "0.0") : "",
                                     p.Floated ? FormatNumber(p.Freeboard, "0.000") : ""};
        for (int column = 0; column < 5; ++column) {
            table_->setItem(row, column, new QTableWidgetItem(Text(cells[column])));
        }
        ++row;
    }
    criteria_->setText(Text(StabilityCriteriaText(curve_)));
}

Outcome StabilityWindow::SavePlot(const std::filesystem::path& path) {
    const std::string extension = LowerAscii(path.extension().string());
    const std::string name = path.filename().string();
    if (!computed_ || (extension != ".png" && extension != ".svg")) {
        return Outcome::Failed(Failure::Kind::Write, name);
    }
    std::string bytes;
    if (extension == ".svg") {
        SvgCanvas drawing(PlotWidth, PlotHeight);
        DrawStabilityCurve(drawing, curve_);
        bytes = drawing.Document();
    } else {
        PictureBox picture;
        // The picture box draws inside a one-pixel frame.
        picture.resize(PlotWidth + 2, PlotHeight + 2);
        DrawStabilityCurve(picture, curve_);
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        if (!picture.Image().save(&buffer, "PNG")) {
            return Outcome::Failed(Failure::Kind::Write, name);
        }
        bytes.assign(png.constData(), static_cast<std::size_t>(png.size()));
    }
    // A bare name goes to the working folder.
    return WriteFileAtomic(path.has_parent_path() ? path.parent_path() : folder_, name, bytes);
}

void StabilityWindow::SavePlotClick() {
    const QString chosen = QFileDialog::getSaveFileName(
        this, QStringLiteral("Save Plot"), Text((folder_ / "stability.png").string()),
        QStringLiteral("PNG image (*.png);;SVG drawing (*.svg)"));
    if (chosen.isEmpty()) {
        return;
    }
    if (const Outcome saved = SavePlot(chosen.toStdString()); saved.HasFailed()) {
        QMessageBox::warning(this, QStringLiteral("Save Plot"), Text(saved.Text()));
    }
}

} // namespace merrowin
