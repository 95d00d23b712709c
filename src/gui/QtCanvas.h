// PictureBox: a picture widget that draws the canvas operations with QPainter on its own image.
#pragma once

#include <QImage>
#include <QLineF>
#include <QPainter>
#include <QPointF>
#include <QWidget>

#include <memory>
#include <vector>

#include "ui/Canvas.h"

namespace merrowin {

// What is drawn stays on the backing image until it is cleared; painting the widget only shows
// the image, inside a one-pixel frame. User coordinates map onto the image by the last Scale.
class PictureBox : public QWidget, public Canvas {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);
    ~PictureBox() override;

    // Canvas
    double Width() const override;
    double Height() const override;
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

    // A widget position (pixels from the widget's top left) in user coordinates, and back.
    QPointF ToUser(QPointF widgetPixel) const;
    QPointF ToWidget(double x, double y) const;

    // The picture as drawn so far (drawing that is still pending is finished first).
    const QImage& Image();

signals:
    // Mouse events with button codes 1 left, 2 right, 4 middle and positions in user coordinates.
    // For a move, `buttons` holds every button that is down.
    void MouseDown(int button, double x, double y);
    void MouseMove(int buttons, double x, double y);
    void MouseUp(int button, double x, double y);
    void DoubleClick();
    // A left press and release both over the picture.
    void Clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    QPainter& Painter();
    void EndPainting();
    void SyncImageSize();
    void Touched();
    // Sets the painter's pen; lines waiting in the old pen are drawn first.
    void UsePen(int colour, int width);
    // Draws the lines collected since the last pen change (one painter call for many lines).
    void FlushLines();
    // Image pixel position of a user point.
    double PixelX(double x) const { return (x - left_) * scaleX_; }
    double PixelY(double y) const { return (y - top_) * scaleY_; }
    void DrawSegment(double x1, double y1, double x2, double y2);
    // Smoothed lines of an odd width run through the middle of the pixel a point falls in, so
    // that they stay sharp where they run straight across or down; the inverting pen is not
    // smoothed and draws on the pixel itself.
    QPointF OnPixel(double px, double py) const;

    QImage image_;                             // the screen's pixels (device pixel ratio)
    int logicalWidth_ = 1, logicalHeight_ = 1; // its size in the widget's pixels
    std::unique_ptr<QPainter> painter_;        // open on image_ while drawing goes on
    std::vector<QLineF> lines_;                // image pixels, in the painter's current pen
    bool updatePending_ = false;
    bool leftPressedInside_ = false;

    // The user coordinate system: value at the left and top edges, pixels per user unit.
    double left_ = 0, top_ = 0, right_ = 1, bottom_ = 1;
    double scaleX_ = 1, scaleY_ = 1;
    bool userScale_ = false;
    double currentX_ = 0, currentY_ = 0; // drawing position, user units
    int penWidth_ = 1;
    bool inverting_ = false;
    int penColour_ = -2; // colour the painter's pen holds now; -2 = none yet
    int painterPenWidth_ = 0;
};

} // namespace merrowin
