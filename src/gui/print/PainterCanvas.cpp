// PainterCanvas: canvas operations on a QPainter, guarded so that only finite, bounded numbers
// reach it.
#include "print/PainterCanvas.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPen>
#include <QString>

#include <algorithm>
#include <cmath>

#include "ui/SegmentClip.h"

namespace merrowin {

namespace {

constexpr double PointsPerInch = 72;
// Lines are cut to the area grown by this many area sizes, and circles and texts farther away
// than that are left out, so every number given to the painter stays near the page.
constexpr double Reach = 1;

QColor QtColour(int colour) {
    const Rgb rgb = PaletteColour(colour);
    return {rgb.R, rgb.G, rgb.B};
}

bool Finite(double x, double y) {
    return std::isfinite(x) && std::isfinite(y);
}

} // namespace

PainterCanvas::PainterCanvas(QPainter& painter, const QRectF& area, PainterStyle style)
    : painter_(painter), area_(area), style_(style) {
    const QPaintDevice* device = painter.device();
    const double dpi = device != nullptr ? device->logicalDpiX() : PointsPerInch;
    pixelsPerPoint_ = dpi > 0 ? dpi / PointsPerInch : 1;
    painter_.setRenderHint(QPainter::Antialiasing, true);
    QFont font =
        style_.FixedPitch ? QFontDatabase::systemFont(QFontDatabase::FixedFont) : painter_.font();
    font.setPointSizeF(std::clamp(style_.FontPoints, 1.0, 200.0));
    painter_.setFont(font);
}

void PainterCanvas::Scale(double left, double top, double right, double bottom) {
    if (!UsableScale(left, top, right, bottom)) {
        return; // the previous scale stays
    }
    const double scaleX = area_.width() / (right - left);
    const double scaleY = area_.height() / (bottom - top);
    if (!Finite(scaleX, scaleY) || scaleX == 0 || scaleY == 0) {
        return;
    }
    left_ = left;
    top_ = top;
    scaleX_ = scaleX;
    scaleY_ = scaleY;
}

QPointF PainterCanvas::ToDevice(double x, double y) const {
    return {area_.left() + (x - left_) * scaleX_, area_.top() + (y - top_) * scaleY_};
}

void PainterCanvas::Clear() {
    painter_.fillRect(area_, Qt::white);
    currentX_ = 0;
    currentY_ = 0;
}

void PainterCanvas::UsePen(int colour) {
    QPen pen(QtColour(colour));
    pen.setWidthF(penWidth_ * style_.PenPoints * pixelsPerPoint_);
    pen.setCapStyle(Qt::RoundCap); // the segments of an outline join without notches
    pen.setJoinStyle(Qt::RoundJoin);
    painter_.setPen(pen);
    painter_.setBrush(Qt::NoBrush);
}

void PainterCanvas::Segment(double x1, double y1, double x2, double y2) {
    const QPointF a = ToDevice(x1, y1);
    const QPointF b = ToDevice(x2, y2);
    double ax = a.x(), ay = a.y(), bx = b.x(), by = b.y();
    const double marginX = Reach * area_.width(), marginY = Reach * area_.height();
    const ClipRect reach{area_.left() - marginX, area_.top() - marginY, area_.right() + marginX,
                         area_.bottom() + marginY};
    if (ClipSegment(ax, ay, bx, by, reach)) { // false also for any number that is not finite
        painter_.drawLine(QPointF(ax, ay), QPointF(bx, by));
    }
}

void PainterCanvas::Line(double x1, double y1, double x2, double y2, int colour) {
    currentX_ = x2;
    currentY_ = y2;
    UsePen(colour);
    Segment(x1, y1, x2, y2);
}

void PainterCanvas::LineTo(double x, double y, int colour) {
    Line(currentX_, currentY_, x, y, colour);
}

void PainterCanvas::Box(double x1, double y1, double x2, double y2, int colour) {
    currentX_ = x2;
    currentY_ = y2;
    const QPointF a = ToDevice(x1, y1), b = ToDevice(x2, y2);
    if (!Finite(a.x(), a.y()) || !Finite(b.x(), b.y())) {
        return; // the whole shape, as the view pen skips it
    }
    UsePen(colour);
    Segment(x1, y1, x2, y1);
    Segment(x2, y1, x2, y2);
    Segment(x2, y2, x1, y2);
    Segment(x1, y2, x1, y1);
}

void PainterCanvas::Dot(double x, double y, int colour) {
    currentX_ = x;
    currentY_ = y;
    const QPointF p = ToDevice(x, y);
    if (!Finite(p.x(), p.y()) || !area_.contains(p)) {
        return;
    }
    UsePen(colour);
    painter_.drawPoint(p);
}

void PainterCanvas::Circle(double cx, double cy, double radius, int colour) {
    currentX_ = cx;
    currentY_ = cy;
    const QPointF c = ToDevice(cx, cy);
    const double r = std::abs(radius * scaleX_);
    const double reach = Reach * std::max(area_.width(), area_.height());
    if (!Finite(c.x(), c.y()) || !std::isfinite(r) || r > reach ||
        !area_.adjusted(-reach, -reach, reach, reach).contains(c)) {
        return;
    }
    UsePen(colour);
    painter_.drawEllipse(c, r, r);
}

void PainterCanvas::Text(std::string_view text) {
    const QPointF p = ToDevice(currentX_, currentY_);
    if (!Finite(p.x(), p.y()) || !area_.contains(p)) {
        return;
    }
    UsePen(ForegroundColour);
    const QFontMetricsF metrics(painter_.font(), painter_.device());
    painter_.drawText(QPointF(p.x(), p.y() + metrics.ascent()),
                      QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

void PainterCanvas::PenWidth(int width) {
    penWidth_ = std::clamp(width, 1, 16);
}

void PainterCanvas::InvertingPen(bool) {}

} // namespace merrowin
