// A canvas that records what is drawn on it as an SVG document, so that any picture drawn
// through the canvas can be saved as a scalable drawing.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

#include "ui/Canvas.h"

namespace merrowin {

// A picture of a fixed size in pixels. The inverting pen draws as the normal one (a drawing has
// nothing under it to invert); text is in a sans-serif face, its top left at the drawing position.
class SvgCanvas : public Canvas {
public:
    SvgCanvas(double width, double height);

    double Width() const override { return width_; }
    double Height() const override { return height_; }
    void Scale(double left, double top, double right, double bottom) override;
    void Clear() override;
    void Line(double x1, double y1, double x2, double y2, int colour) override;
    void LineTo(double x, double y, int colour) override;
    void Box(double x1, double y1, double x2, double y2, int colour) override;
    void Dot(double x, double y, int colour) override;
    void Circle(double cx, double cy, double radius, int colour) override;
    void Text(std::string_view text) override;
    void PenWidth(int width) override;
    void InvertingPen(bool) override {}

    // The whole document: the header, what has been drawn since the last Clear, the closing tag.
    std::string Document() const;

private:
    double PixelX(double x) const { return (x - left_) * scaleX_; }
    double PixelY(double y) const { return (y - top_) * scaleY_; }
    // Appends an element when every coordinate in it is finite.
    void Add(const std::string& element, std::initializer_list<double> pixels);

    double width_, height_;
    double left_ = 0, top_ = 0, scaleX_ = 1, scaleY_ = 1;
    double currentX_ = 0, currentY_ = 0;
    int penWidth_ = 1;
    std::string body_;
};

// Text with the characters XML gives a meaning (& < > ") escaped.
std::string XmlEscaped(std::string_view text);

} // namespace merrowin
