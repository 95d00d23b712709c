// The scale bar of the flat views: the length chosen for the zoom, drawn with its divisions.
#include "views/ScaleBar.h"

#include <array>
#include <cmath>

namespace merrowin {

namespace {

struct ShopLength {
    double Inches;
    int Divisions;
    const char* Label;
};

// From short to long; each is divided where a builder would mark it.
constexpr std::array<ShopLength, 12> Lengths{{{1, 4, "1\""},
                                              {2, 4, "2\""},
                                              {3, 3, "3\""},
                                              {6, 6, "6\""},
                                              {12, 4, "1'"},
                                              {24, 4, "2'"},
                                              {36, 3, "3'"},
                                              {60, 5, "5'"},
                                              {120, 5, "10'"},
                                              {240, 4, "20'"},
                                              {360, 3, "30'"},
                                              {600, 5, "50'"}}};

constexpr double CornerPixels = 12; // from the left edge
constexpr double BottomPixels = 22; // from the bottom edge, room for the label below
constexpr double TickPixels = 4;    // the divisions' ticks; the ends are twice as tall
constexpr int BarColour = Colour::DarkGrey;

} // namespace

ScaleBarChoice ChooseScaleBar(double inchesPerPixel, double widestPixels) {
    const ShopLength* chosen = &Lengths.front();
    if (std::isfinite(inchesPerPixel) && inchesPerPixel > 0) {
        for (const ShopLength& length : Lengths) {
            if (length.Inches / inchesPerPixel <= widestPixels) {
                chosen = &length;
            }
        }
    }
    return {chosen->Inches, chosen->Divisions, chosen->Label};
}

void DrawScaleBar(Canvas& picture, const ViewExtent& visible, double widthPixels,
                  double heightPixels) {
    const double across = (visible.Right - visible.Left) / widthPixels; // inches a pixel
    const double up = (visible.Top - visible.Bottom) / heightPixels;    // user units a pixel
    if (!std::isfinite(across) || !std::isfinite(up) || across <= 0 || up <= 0) {
        return;
    }
    const ScaleBarChoice bar = ChooseScaleBar(across);
    const double x0 = visible.Left + CornerPixels * across;
    const double y0 = visible.Bottom + BottomPixels * up;
    const double x1 = x0 + bar.Length;
    picture.Line(x0, y0, x1, y0, BarColour);
    for (int d = 0; d < bar.Divisions; ++d) {
        const double x = x0 + bar.Length * d / bar.Divisions;
        const double tick = (d == 0 ? 2 : 1) * TickPixels * up;
        picture.Line(x, y0, x, y0 + tick, BarColour);
    }
    // The end tick last, down to the bar: the label stands below its right end.
    picture.Line(x1, y0 + 2 * TickPixels * up, x1, y0, BarColour);
    picture.Text(bar.Label);
}

} // namespace merrowin
