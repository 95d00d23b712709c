// PainterCanvas: the canvas operations drawn on any QPainter within a rectangle of its device,
// for PDF pages and printer pages as well as images.
#pragma once

#include <QColor>
#include <QPainter>
#include <QRectF>

#include "ui/Canvas.h"

namespace merrowin {

// Sizes that do not depend on the device: a canvas pen width of n draws n x PenPoints points
// (1/72 inch), texts are FontPoints high, in the system's fixed-pitch font when FixedPitch is
// set (listings laid out in print zones, such as the offsets table's printout).
struct PainterStyle {
    double PenPoints = 0.5;
    double FontPoints = 9;
    bool FixedPitch = false;
};

// User coordinates map onto `area` (device pixels of the painter's device) by the last Scale;
// until then they are device pixels from the area's top left corner. Nothing outside the area
// is clipped away, but no coordinate that is not a finite number ever reaches the painter: as
// the view pen does (views/ViewPen.h), a shape with such a coordinate is skipped, and the test is
// made on device coordinates, so finite user values that overflow in the mapping are skipped as
// well; lines are cut to the area (with a margin) and huge circles and far-off texts are left
// out, so no absurd number reaches a PDF or a printer. Paper has no raster operations: the
// inverting pen draws as the ordinary pen.
class PainterCanvas : public Canvas {
public:
    PainterCanvas(QPainter& painter, const QRectF& area, PainterStyle style = {});

    double Width() const override { return area_.width(); }
    double Height() const override { return area_.height(); }
    void Scale(double left, double top, double right, double bottom) override;
    void Clear() override;
    void Line(double x1, double y1, double x2, double y2, int colour) override;
    void LineTo(double x, double y, int colour) override;
    void Box(double x1, double y1, double x2, double y2, int colour) override;
    void Dot(double x, double y, int colour) override;
    void Circle(double cx, double cy, double radius, int colour) override;
    void Text(std::string_view text) override;
    void PenWidth(int width) override;
    void InvertingPen(bool on) override;

    // The device position of a user point under the current scale.
    QPointF ToDevice(double x, double y) const;

private:
    void UsePen(int colour);
    void Segment(double x1, double y1, double x2, double y2);

    QPainter& painter_;
    QRectF area_;
    PainterStyle style_;
    double pixelsPerPoint_ = 1;
    double left_ = 0, top_ = 0;      // user values at the area's left and top edges
    double scaleX_ = 1, scaleY_ = 1; // device pixels per user unit
    double currentX_ = 0, currentY_ = 0;
    int penWidth_ = 1;
};

} // namespace merrowin
