// The righting-arm curve's plot.
#include "hydro/StabilityDrawing.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "text/NumberText.h"

namespace merrowin {

namespace {

// The most grid lines one axis draws, whatever the step rounding gave.
constexpr int MaxGridLines = 40;

struct Frame {
    double Left, Right, Low, High; // the plotted angles and arms
    double MarginX, MarginY;       // room for the scales' labels, user units
};

void Label(Canvas& picture, double x, double y, const std::string& text) {
    picture.Dot(x, y, Colour::White);
    picture.Text(text);
}

void DrawGrid(Canvas& picture, const Frame& f) {
    const double stepX = GridStep(f.Right - f.Left);
    const double stepY = GridStep(f.High - f.Low);
    for (int i = 0; i <= MaxGridLines; ++i) {
        const double x = f.Left + i * stepX;
        if (x > f.Right + stepX * 1e-9) {
            break;
        }
        picture.Line(x, f.Low, x, f.High, GridColour);
        Label(picture, x, f.Low - f.MarginY * 0.15, FormatNumber(x, "0.#"));
    }
    const double first = std::ceil(f.Low / stepY - 1e-9) * stepY;
    for (int i = 0; i <= MaxGridLines; ++i) {
        const double y = first + i * stepY;
        if (y > f.High + stepY * 1e-9) {
            break;
        }
        picture.Line(f.Left, y, f.Right, y, y == 0 ? AxisColour : GridColour);
        Label(picture, f.Left - f.MarginX * 0.9, y + f.MarginY * 0.2, FormatNumber(y, "0.###"));
    }
    picture.Box(f.Left, f.Low, f.Right, f.High, AxisColour);
    Label(picture, f.Left, f.High + f.MarginY * 0.9, "GZ, in.");
    Label(picture, f.Right - (f.Right - f.Left) * 0.12, f.Low - f.MarginY * 0.55, "degrees");
}

// A vertical mark across the plot at an angle, labelled near the foot, clear of the largest
// arm's label.
void AngleMark(Canvas& picture, const Frame& f, double angle, int colour, const std::string& text) {
    picture.Line(angle, f.Low, angle, f.High, colour);
    Label(picture, angle + (f.Right - f.Left) * 0.005, f.Low + (f.High - f.Low) * 0.08, text);
}

} // namespace

double GridStep(double range) {
    if (!(range > 0) || !std::isfinite(range)) {
        return 1;
    }
    const double power = std::pow(10.0, std::floor(std::log10(range / 8)));
    for (const double factor : {1.0, 2.0, 5.0, 10.0}) {
        if (range / (factor * power) <= 8) {
            return factor * power;
        }
    }
    return 10 * power;
}

void DrawStabilityCurve(Canvas& picture, const StabilityCurve& curve) {
    std::vector<StabilityPoint> points;
    for (const StabilityPoint& p : curve.Points) {
        if (p.Floated && p.Angle >= 0) {
            points.push_back(p);
        }
    }
    std::sort(points.begin(), points.end(),
              [](const StabilityPoint& a, const StabilityPoint& b) { return a.Angle < b.Angle; });
    Frame f{0, 90, 0, 1, 0, 0};
    if (!points.empty()) {
        f.Right = std::max(points.back().Angle, 10.0);
        for (const StabilityPoint& p : points) {
            f.Low = std::min(f.Low, p.RightingArm);
            f.High = std::max(f.High, p.RightingArm);
        }
    }
    // Round the arms out to the grid, so the curve never touches the frame.
    const double stepY = GridStep(f.High - f.Low);
    f.Low = std::floor(f.Low / stepY) * stepY;
    f.High = std::ceil(f.High / stepY + 1e-9) * stepY;
    f.MarginX = (f.Right - f.Left) * 0.1;
    f.MarginY = (f.High - f.Low) * 0.12;
    picture.Clear();
    picture.Scale(f.Left - f.MarginX, f.High + f.MarginY, f.Right + f.MarginX * 0.4,
                  f.Low - f.MarginY);
    DrawGrid(picture, f);
    if (points.empty()) {
        return;
    }
    if (curve.DeckEdgeAngle && *curve.DeckEdgeAngle <= f.Right) {
        AngleMark(picture, f, *curve.DeckEdgeAngle, DeckEdgeColour, "deck edge");
    }
    if (curve.VanishingAngle && *curve.VanishingAngle <= f.Right) {
        AngleMark(picture, f, *curve.VanishingAngle, VanishingColour, "vanishing");
    }
    picture.PenWidth(2);
    picture.Dot(points.front().Angle, points.front().RightingArm, CurveColour);
    for (const StabilityPoint& p : points) {
        picture.LineTo(p.Angle, p.RightingArm, CurveColour);
    }
    picture.PenWidth(1);
    if (curve.MaxRightingArm) {
        picture.Circle(curve.MaxRightingArmAngle, *curve.MaxRightingArm, (f.Right - f.Left) * 0.008,
                       MaxArmColour);
        Label(picture, curve.MaxRightingArmAngle + (f.Right - f.Left) * 0.015,
              *curve.MaxRightingArm + f.MarginY * 0.35,
              "max " + FormatNumber(*curve.MaxRightingArm, "0.00") + "\"");
    }
}

} // namespace merrowin
