// The recording canvas: every call kept in order with the state it was drawn in.
#include "ui/RecordingCanvas.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace merrowin {

namespace {

bool Matches(const CanvasCall& call, CanvasOp op, std::optional<int> colour) {
    return call.Op == op && (!colour || call.Colour == *colour);
}

} // namespace

RecordingCanvas::RecordingCanvas(double width, double height) : width_(width), height_(height) {}

void RecordingCanvas::SetSize(double width, double height) {
    width_ = width;
    height_ = height;
}

CanvasCall& RecordingCanvas::Record(CanvasOp op) {
    CanvasCall call;
    call.Op = op;
    call.Width = penWidth_;
    call.Inverting = inverting_;
    call.ScaleInForce = scale_;
    calls_.push_back(std::move(call));
    return calls_.back();
}

void RecordingCanvas::Scale(double left, double top, double right, double bottom) {
    const bool accepted = UsableScale(left, top, right, bottom);
    if (accepted) {
        scale_ = {left, top, right, bottom};
        hasScale_ = true;
    }
    CanvasCall& call = Record(CanvasOp::Scale);
    call.X1 = left;
    call.Y1 = top;
    call.X2 = right;
    call.Y2 = bottom;
    call.Accepted = accepted;
}

void RecordingCanvas::Clear() {
    Record(CanvasOp::Clear);
    posX_ = 0;
    posY_ = 0;
}

void RecordingCanvas::RecordSegment(CanvasOp op, double x1, double y1, double x2, double y2,
                                    int colour) {
    CanvasCall& call = Record(op);
    call.X1 = x1;
    call.Y1 = y1;
    call.X2 = x2;
    call.Y2 = y2;
    call.Colour = colour;
    posX_ = x2;
    posY_ = y2;
}

void RecordingCanvas::Line(double x1, double y1, double x2, double y2, int colour) {
    RecordSegment(CanvasOp::Line, x1, y1, x2, y2, colour);
}

void RecordingCanvas::LineTo(double x, double y, int colour) {
    RecordSegment(CanvasOp::LineTo, posX_, posY_, x, y, colour);
}

void RecordingCanvas::Box(double x1, double y1, double x2, double y2, int colour) {
    RecordSegment(CanvasOp::Box, x1, y1, x2, y2, colour);
}

void RecordingCanvas::Dot(double x, double y, int colour) {
    CanvasCall& call = Record(CanvasOp::Dot);
    call.X1 = x;
    call.Y1 = y;
    call.Colour = colour;
    posX_ = x;
    posY_ = y;
}

void RecordingCanvas::Circle(double cx, double cy, double radius, int colour) {
    CanvasCall& call = Record(CanvasOp::Circle);
    call.X1 = cx;
    call.Y1 = cy;
    call.Radius = radius;
    call.Colour = colour;
    posX_ = cx;
    posY_ = cy;
}

void RecordingCanvas::Text(std::string_view text) {
    CanvasCall& call = Record(CanvasOp::Text);
    call.X1 = posX_;
    call.Y1 = posY_;
    call.Text = std::string(text);
}

void RecordingCanvas::PenWidth(int width) {
    penWidth_ = width;
    Record(CanvasOp::PenWidth);
}

void RecordingCanvas::InvertingPen(bool on) {
    inverting_ = on;
    Record(CanvasOp::InvertingPen);
}

std::vector<CanvasCall> RecordingCanvas::Of(CanvasOp op, std::optional<int> colour) const {
    std::vector<CanvasCall> result;
    std::copy_if(calls_.begin(), calls_.end(), std::back_inserter(result),
                 [&](const CanvasCall& call) { return Matches(call, op, colour); });
    return result;
}

std::size_t RecordingCanvas::Count(CanvasOp op, std::optional<int> colour) const {
    return static_cast<std::size_t>(
        std::count_if(calls_.begin(), calls_.end(),
                      [&](const CanvasCall& call) { return Matches(call, op, colour); }));
}

std::vector<std::string> RecordingCanvas::Texts() const {
    std::vector<std::string> result;
    for (const CanvasCall& call : calls_) {
        if (call.Op == CanvasOp::Text) {
            result.push_back(call.Text);
        }
    }
    return result;
}

void RecordingCanvas::ToPixel(double x, double y, double& px, double& py) const {
    if (!hasScale_) {
        px = x;
        py = y;
        return;
    }
    px = (x - scale_.Left) / (scale_.Right - scale_.Left) * width_;
    py = (scale_.Top - y) / (scale_.Top - scale_.Bottom) * height_;
}

void RecordingCanvas::ToUser(double px, double py, double& x, double& y) const {
    if (!hasScale_ || width_ == 0 || height_ == 0) {
        x = px;
        y = py;
        return;
    }
    x = scale_.Left + px / width_ * (scale_.Right - scale_.Left);
    y = scale_.Top - py / height_ * (scale_.Top - scale_.Bottom);
}

} // namespace merrowin
