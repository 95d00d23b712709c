// The 16-colour palette and the scale rule of the drawing interface.
#include "ui/Canvas.h"

#include <cmath>

namespace merrowin {

Rgb PaletteColour(int index) {
    static constexpr Rgb Palette[16] = {
        {0, 0, 0},       {0, 0, 128},   {0, 128, 0},   {0, 128, 128},
        {128, 0, 0},     {128, 0, 128}, {128, 128, 0}, {192, 192, 192},
        {128, 128, 128}, {0, 0, 255},   {0, 255, 0},   {0, 255, 255},
        {255, 0, 0},     {255, 0, 255}, {255, 255, 0}, {255, 255, 255},
    };
    if (index < 0 || index > 15) {
        return Palette[0]; // the foreground colour
    }
    return Palette[index];
}

bool UsableScale(double left, double top, double right, double bottom) {
    return std::isfinite(left) && std::isfinite(top) && std::isfinite(right) &&
           std::isfinite(bottom) && std::isfinite(right - left) && std::isfinite(top - bottom) &&
           right != left && top != bottom;
}

} // namespace merrowin
