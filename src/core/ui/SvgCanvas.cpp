// The canvas operations as SVG elements.
#include "ui/SvgCanvas.h"

#include <algorithm>
#include <cmath>

#include "text/NumberText.h"

namespace merrowin {

namespace {

constexpr double TextAscent = 10; // pixels, of the 12-pixel sans-serif face

// Pixel coordinates to two decimals: a hundredth of a pixel is finer than any screen shows.
std::string Number(double value) {
    return FormatNumber(value, "0.##");
}

std::string ColourText(int colour) {
    const Rgb rgb = colour == ForegroundColour ? Rgb{0, 0, 0} : PaletteColour(colour);
    static const char* const Hex = "0123456789abcdef";
    std::string text = "#";
    for (const std::uint8_t part : {rgb.R, rgb.G, rgb.B}) {
        text += Hex[part >> 4];
        text += Hex[part & 15];
    }
    return text;
}

} // namespace

std::string XmlEscaped(std::string_view text) {
    std::string out;
    for (const char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

SvgCanvas::SvgCanvas(double width, double height)
    : width_(std::isfinite(width) && width > 0 ? width : 1),
      height_(std::isfinite(height) && height > 0 ? height : 1) {
    scaleX_ = scaleY_ = 1;
}

void SvgCanvas::Scale(double left, double top, double right, double bottom) {
    if (!UsableScale(left, top, right, bottom)) {
        return;
    }
    left_ = left;
    top_ = top;
    scaleX_ = width_ / (right - left);
    scaleY_ = height_ / (bottom - top);
}

void SvgCanvas::Clear() {
    body_.clear();
    currentX_ = currentY_ = 0;
}

void SvgCanvas::Add(const std::string& element, std::initializer_list<double> pixels) {
    if (std::all_of(pixels.begin(), pixels.end(), [](double v) { return std::isfinite(v); })) {
        body_ += element + "\n";
    }
}

void SvgCanvas::Line(double x1, double y1, double x2, double y2, int colour) {
    const double a = PixelX(x1), b = PixelY(y1), c = PixelX(x2), d = PixelY(y2);
    Add("<line x1=\"" + Number(a) + "\" y1=\"" + Number(b) + "\" x2=\"" + Number(c) + "\" y2=\"" +
            Number(d) + "\" stroke=\"" + ColourText(colour) + "\" stroke-width=\"" +
            Number(penWidth_) + "\"/>",
        {a, b, c, d});
    currentX_ = x2;
    currentY_ = y2;
}

void SvgCanvas::LineTo(double x, double y, int colour) {
    Line(currentX_, currentY_, x, y, colour);
}

void SvgCanvas::Box(double x1, double y1, double x2, double y2, int colour) {
    const double a = PixelX(x1), b = PixelY(y1), c = PixelX(x2), d = PixelY(y2);
    Add("<rect x=\"" + Number(std::min(a, c)) + "\" y=\"" + Number(std::min(b, d)) + "\" width=\"" +
            Number(std::abs(c - a)) + "\" height=\"" + Number(std::abs(d - b)) +
            "\" fill=\"none\" stroke=\"" + ColourText(colour) + "\" stroke-width=\"" +
            Number(penWidth_) + "\"/>",
        {a, b, c, d});
    currentX_ = x2;
    currentY_ = y2;
}

void SvgCanvas::Dot(double x, double y, int colour) {
    const double a = PixelX(x), b = PixelY(y);
    // A white dot on the white page only places the drawing position (the pictures put one
    // under a label).
    if (colour != Colour::White) {
        Add("<rect x=\"" + Number(a) + "\" y=\"" + Number(b) +
                "\" width=\"1\" height=\"1\" fill=\"" + ColourText(colour) + "\"/>",
            {a, b});
    }
    currentX_ = x;
    currentY_ = y;
}

void SvgCanvas::Circle(double cx, double cy, double radius, int colour) {
    const double a = PixelX(cx), b = PixelY(cy), r = std::abs(radius * scaleX_);
    Add("<circle cx=\"" + Number(a) + "\" cy=\"" + Number(b) + "\" r=\"" + Number(r) +
            "\" fill=\"none\" stroke=\"" + ColourText(colour) + "\" stroke-width=\"" +
            Number(penWidth_) + "\"/>",
        {a, b, r});
    currentX_ = cx;
    currentY_ = cy;
}

void SvgCanvas::Text(std::string_view text) {
    // SVG places text by its baseline: one ascent of the 12-pixel face below the top left corner.
    const double a = PixelX(currentX_), b = PixelY(currentY_) + TextAscent;
    Add("<text x=\"" + Number(a) + "\" y=\"" + Number(b) +
            "\" font-family=\"sans-serif\" font-size=\"12\">" + XmlEscaped(text) + "</text>",
        {a, b});
}

void SvgCanvas::PenWidth(int width) {
    penWidth_ = std::max(width, 1);
}

std::string SvgCanvas::Document() const {
    const std::string w = Number(width_), h = Number(height_);
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" +
           w + "\" height=\"" + h + "\" viewBox=\"0 0 " + w + " " + h +
           "\">\n<rect width=\"100%\" height=\"100%\" fill=\"#ffffff\"/>\n" + body_ + "</svg>\n";
}

} // namespace merrowin
