// A canvas that records every drawing call, for tests and headless runs.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/Canvas.h"

namespace merrowin {

enum class CanvasOp { Scale, Clear, Line, LineTo, Box, Dot, Circle, Text, PenWidth, InvertingPen };

// The user coordinates in force: values at the left, top, right and bottom edges.
struct CanvasScale {
    double Left = 0, Top = 0, Right = 0, Bottom = 0;
};

// One recorded call. Coordinates by operation:
// Scale: (X1, Y1)-(X2, Y2) = (left, top)-(right, bottom) as asked, Accepted false when ignored;
// Line, Box: (X1, Y1)-(X2, Y2); LineTo: from the drawing position (X1, Y1) to (X2, Y2);
// Dot: (X1, Y1); Circle: centre (X1, Y1), radius Radius; Text: at the drawing position (X1, Y1);
// PenWidth: Width; InvertingPen: Inverting.
struct CanvasCall {
    CanvasOp Op = CanvasOp::Clear;
    double X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
    double Radius = 0;
    int Colour = 0; // palette index, ForegroundColour for the box's own foreground
    std::string Text;
    bool Accepted = true;     // Scale only
    int Width = 1;            // pen width in force (after a PenWidth call: the new width)
    bool Inverting = false;   // inverting pen in force
    CanvasScale ScaleInForce; // the user coordinates the call was drawn in
};

class RecordingCanvas : public Canvas {
public:
    // Outer size in pixels; the default matches NullCanvas.
    explicit RecordingCanvas(double width = 1600, double height = 1000);

    double Width() const override { return width_; }
    double Height() const override { return height_; }
    void SetSize(double width, double height);

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

    // Every call since construction or the last Forget().
    const std::vector<CanvasCall>& Calls() const { return calls_; }
    // Drops the record; scale, drawing position and pen stay.
    void Forget() { calls_.clear(); }

    // The calls of one operation, optionally of one colour only.
    std::vector<CanvasCall> Of(CanvasOp op, std::optional<int> colour = std::nullopt) const;
    std::size_t Count(CanvasOp op, std::optional<int> colour = std::nullopt) const;
    // The recorded texts in order.
    std::vector<std::string> Texts() const;

    // State in force now.
    const CanvasScale& CurrentScale() const { return scale_; }
    bool HasScale() const { return hasScale_; }
    double PositionX() const { return posX_; }
    double PositionY() const { return posY_; }

    // Pixel position of a user point, and back, under the current scale (no scale: identity).
    void ToPixel(double x, double y, double& px, double& py) const;
    void ToUser(double px, double py, double& x, double& y) const;

private:
    CanvasCall& Record(CanvasOp op);
    // A call from (x1, y1) to (x2, y2) that leaves the drawing position at its second corner.
    void RecordSegment(CanvasOp op, double x1, double y1, double x2, double y2, int colour);

    double width_, height_;
    std::vector<CanvasCall> calls_;
    CanvasScale scale_;
    bool hasScale_ = false;
    double posX_ = 0, posY_ = 0;
    int penWidth_ = 1;
    bool inverting_ = false;
};

} // namespace merrowin
