// The drawing interface every picture is drawn through: a picture box with a user coordinate
// system, in the 16-colour palette.
#pragma once

#include <cstdint>
#include <string_view>

namespace merrowin {

struct Rgb {
    std::uint8_t R, G, B;
};

// The standard 16-colour palette, 0 black .. 15 bright white.
Rgb PaletteColour(int index);

inline constexpr int ForegroundColour = -1; // the box's own foreground (window text) colour

// The palette indices by name.
namespace Colour {
inline constexpr int Black = 0, Blue = 1, Green = 2, Cyan = 3, Red = 4, Magenta = 5, DarkYellow = 6,
                     LightGrey = 7, DarkGrey = 8, LightBlue = 9, LightGreen = 10, LightCyan = 11,
                     LightRed = 12, LightMagenta = 13, Yellow = 14, White = 15;
} // namespace Colour

// Whether user coordinates with these edges can be set: all finite, with a finite, non-zero
// width and height.
bool UsableScale(double left, double top, double right, double bottom);

class Canvas {
public:
    virtual ~Canvas() = default;
    // Outer size of the picture box in pixels (aspect ratio = height / width).
    virtual double Width() const = 0;
    virtual double Height() const = 0;
    // User coordinates: value at the left, top, right and bottom edges. A scale of zero or
    // non-finite extent is ignored (the previous scale stays).
    virtual void Scale(double left, double top, double right, double bottom) = 0;
    // Fill with the background colour (white) and reset the drawing position.
    virtual void Clear() = 0;
    // Each line or box leaves the drawing position at its second corner.
    virtual void Line(double x1, double y1, double x2, double y2, int colour) = 0;
    virtual void LineTo(double x, double y, int colour) = 0;
    virtual void Box(double x1, double y1, double x2, double y2, int colour) = 0;
    // One pixel; moves the drawing position there.
    virtual void Dot(double x, double y, int colour) = 0;
    // Radius in user units of the horizontal axis; moves the drawing position to the centre.
    virtual void Circle(double cx, double cy, double radius, int colour) = 0;
    // Text with its top left corner at the drawing position.
    virtual void Text(std::string_view text) = 0;
    virtual void PenWidth(int width) = 0;
    // Inverting pen: drawing the same shape twice restores the picture.
    virtual void InvertingPen(bool on) = 0;
};

} // namespace merrowin
