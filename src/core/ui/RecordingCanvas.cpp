// The recording canvas: every call kept in order with the state it was drawn in.
#include "ui/RecordingCanvas.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <utility>

namespace merrowin {

namespace {

bool UsableScale(double left, double top, double right, double bottom) {
    return std::isfinite(left) && std::isfinite(top) && std::isfinite(right) &&
           std::isfinite(bottom) && std::isfinite(right - left) && std::isfinite(top - bottom) &&
           right != left && top != bottom;
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

void RecordingCanvas::Line(double x1, double y1, double x2, double y2, int colour) {
    CanvasCall& call = Record(CanvasOp::Line);
    call.X1 = x1;
    call.Y1 = y1;
    call.X2 = x2;
    call.Y2 = y2;
    call.Colour = colour;
    posX_ = x2;
    posY_ = y2;
}

void RecordingCanvas::LineTo(double x, double y, int colour) {
    CanvasCall& call = Record(CanvasOp::LineTo);
    call.X1 = posX_;
    call.Y1 = posY_;
    call.X2 = x;
    call.Y2 = y;
    call.Colour = colour;
    posX_ = x;
    posY_ = y;
}

void RecordingCanvas::Box(double x1, double y1, double x2, double y2, int colour) {
    CanvasCall& call = Record(CanvasOp::Box);
    call.X1 = x1;
    call.Y1 = y1;
    call.X2 = x2;
    call.Y2 = y2;
    call.Colour = colour;
    posX_ = x2;
    posY_ = y2;
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

std::vector<CanvasCall> RecordingCanvas::Of(CanvasOp op) const {
    std::vector<CanvasCall> result;
    std::copy_if(calls_.begin(), calls_.end(), std::back_inserter(result),
                 [op](const CanvasCall& call) { return call.Op == op; });
    return result;
}

std::vector<CanvasCall> RecordingCanvas::Of(CanvasOp op, int colour) const {
    std::vector<CanvasCall> result;
    std::copy_if(
        calls_.begin(), calls_.end(), std::back_inserter(result),
        [op, colour](const CanvasCall& call) { return call.Op == op && call.Colour == colour; });
    return result;
}

std::size_t RecordingCanvas::Count(CanvasOp op) const {
    return static_cast<std::size_t>(std::count_if(
        calls_.begin(), calls_.end(), [op](const CanvasCall& call) { return call.Op == op; }));
}

std::size_t RecordingCanvas::Count(CanvasOp op, int colour) const {
    return static_cast<std::size_t>(
        std::count_if(calls_.begin(), calls_.end(), [op, colour](const CanvasCall& call) {
            return call.Op == op && call.Colour == colour;
        }));
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
