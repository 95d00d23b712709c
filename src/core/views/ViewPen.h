// Drawing through a canvas with every statement guarded: a shape with a coordinate that is not
// a finite number is skipped, as a failing statement of the paint routine is.
#pragma once

#include <cmath>
#include <string_view>

#include "ui/Canvas.h"

namespace merrowin {

class ViewPen {
public:
    explicit ViewPen(Canvas& canvas) : canvas_(canvas) {}

    Canvas& Target() { return canvas_; }

    void Line(double x1, double y1, double x2, double y2, int colour) {
        if (Finite(x1, y1) && Finite(x2, y2)) {
            canvas_.Line(x1, y1, x2, y2, colour);
        }
    }
    void LineTo(double x, double y, int colour) {
        if (Finite(x, y)) {
            canvas_.LineTo(x, y, colour);
        }
    }
    void Box(double x1, double y1, double x2, double y2, int colour) {
        if (Finite(x1, y1) && Finite(x2, y2)) {
            canvas_.Box(x1, y1, x2, y2, colour);
        }
    }
    void Dot(double x, double y, int colour) {
        if (Finite(x, y)) {
            canvas_.Dot(x, y, colour);
        }
    }
    void Circle(double cx, double cy, double radius, int colour) {
        if (Finite(cx, cy) && std::isfinite(radius)) {
            canvas_.Circle(cx, cy, radius, colour);
        }
    }
    void Text(std::string_view text) { canvas_.Text(text); }
    void PenWidth(int width) { canvas_.PenWidth(width); }
    // A marker square of half-size s round (u, v): the box (u + s, v + s)-(u - s, v - s).
    void Marker(double u, double v, double s, int colour) {
        Box(u + s, v + s, u - s, v - s, colour);
    }
    // A centre marker: a circle of radius r with a cross through its centre.
    void Centre(double u, double v, double r, int colour) {
        Circle(u, v, r, colour);
        Line(u, v + r, u, v - r, colour);
        Line(u - r, v, u + r, v, colour);
    }
    // The centre marker with a dot in the foreground colour and the label beside it.
    void LabelledCentre(double u, double v, double r, int colour, std::string_view label) {
        Centre(u, v, r, colour);
        Dot(u, v, ForegroundColour);
        Text(label);
    }

private:
    static bool Finite(double x, double y) { return std::isfinite(x) && std::isfinite(y); }

    Canvas& canvas_;
};

} // namespace merrowin
