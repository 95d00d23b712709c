// The 16-colour palette of the drawing interface.
#include "ui/Canvas.h"

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

} // namespace merrowin
