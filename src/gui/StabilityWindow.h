// The Stability Curve window: the righting-arm curve of the hull at a weight and a centre of
// gravity, drawn as a plot with its table and criteria, and the plot saved as PNG or SVG.
#pragma once

#include <QWidget>

#include <filesystem>
#include <string>

#include "QtCanvas.h"
#include "app/AppState.h"
#include "hydro/Stability.h"
#include "io/Outcome.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace merrowin {

class StabilityWindow : public QWidget {
    Q_OBJECT
public:
    // The boxes start from the model: the weight of the last waterline run, the hull's own
    // centre of gravity (the designer's, or the heel analysis's assumed one), 0 to 90 by 5.
    StabilityWindow(AppState& app, std::filesystem::path folder, QWidget* parent = nullptr);

    // Fills the boxes from the model again (the window is shown anew for another hull).
    void LoadFromModel();
    // "Compute": the curve from the boxes, drawn, tabled and summed up. A designer's centre of
    // gravity ticked goes into the hull, to be saved with it; unticked, the hull has none.
    void Compute();
    // The plot as a PNG image or an SVG drawing, by the name's extension, replacing the file
    // atomically. Fails for any other extension, and when nothing has been computed.
    Outcome SavePlot(const std::filesystem::path& path);

    const StabilityCurve& Curve() const { return curve_; }
    PictureBox& Plot() { return *plot_; }
    QTableWidget& Table() { return *table_; }
    QLineEdit& DisplacementBox() { return *displacement_; }
    QLineEdit& HeightBox() { return *height_; }
    QLineEdit& StationBox() { return *station_; }
    QCheckBox& DesignerGravity() { return *designer_; }
    QLabel& Criteria() { return *criteria_; }

private:
    void SavePlotClick();
    void ShowCurve();

    AppState& app_;
    std::filesystem::path folder_;
    StabilityCurve curve_;
    bool computed_ = false;
    QLineEdit* displacement_ = nullptr;
    QLineEdit* height_ = nullptr;
    QLineEdit* station_ = nullptr;
    QLineEdit* to_ = nullptr;
    QLineEdit* step_ = nullptr;
    QCheckBox* designer_ = nullptr;
    QPushButton* compute_ = nullptr;
    QPushButton* save_ = nullptr;
    PictureBox* plot_ = nullptr;
    QTableWidget* table_ = nullptr;
    QLabel* criteria_ = nullptr;
};

} // namespace merrowin
