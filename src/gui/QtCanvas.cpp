// PictureBox: the canvas operations drawn with QPainter on a backing image.
#include "QtCanvas.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QResizeEvent>

#include <algorithm>
#include <cmath>

#include "ui/SegmentClip.h"

namespace merrowin {

namespace {

constexpr int FrameWidth = 1; // pixels of frame round the image

// Drawing reaches at most this far outside the image (pixels); farther geometry is clipped
// first, so absurd user coordinates never reach the painter.
constexpr double ClipMargin = 8;
constexpr int DotSize = 3;            // pixels a side
constexpr double LargestRadius = 1e6; // pixels; larger circles are not drawn

QColor QtColour(int colour) {
    const Rgb rgb = PaletteColour(colour);
    return {rgb.R, rgb.G, rgb.B};
}

int ButtonCode(Qt::MouseButton button) {
    switch (button) {
    case Qt::LeftButton:
        return 1;
    case Qt::RightButton:
        return 2;
    case Qt::MiddleButton:
        return 4;
    default:
        return 0;
    }
}

int ButtonsCode(Qt::MouseButtons buttons) {
    return (buttons.testFlag(Qt::LeftButton) ? 1 : 0) |
           (buttons.testFlag(Qt::RightButton) ? 2 : 0) |
           (buttons.testFlag(Qt::MiddleButton) ? 4 : 0);
}

bool Finite(double a, double b) {
    return std::isfinite(a) && std::isfinite(b);
}

} // namespace

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    image_ = QImage(1, 1, QImage::Format_RGB32);
    image_.fill(Qt::white);
}

PictureBox::~PictureBox() {
    EndPainting();
}

double PictureBox::Width() const {
    return width();
}
double PictureBox::Height() const {
    return height();
}

void PictureBox::Scale(double left, double top, double right, double bottom) {
    if (!UsableScale(left, top, right, bottom)) {
        return; // the previous scale stays
    }
    SyncImageSize();
    userScale_ = true;
    left_ = left;
    top_ = top;
    right_ = right;
    bottom_ = bottom;
    scaleX_ = logicalWidth_ / (right - left);
    scaleY_ = logicalHeight_ / (bottom - top);
}

void PictureBox::Clear() {
    SyncImageSize();
    lines_.clear(); // covered by the fill anyway
    QPainter& painter = Painter();
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(QRect(0, 0, logicalWidth_, logicalHeight_), Qt::white);
    painter.setCompositionMode(inverting_ ? QPainter::RasterOp_SourceXorDestination
                                          : QPainter::CompositionMode_SourceOver);
    currentX_ = 0;
    currentY_ = 0;
    Touched();
}

void PictureBox::Line(double x1, double y1, double x2, double y2, int colour) {
    currentX_ = x2;
    currentY_ = y2;
    UsePen(colour, penWidth_);
    DrawSegment(x1, y1, x2, y2);
}

void PictureBox::LineTo(double x, double y, int colour) {
    Line(currentX_, currentY_, x, y, colour);
}

void PictureBox::Box(double x1, double y1, double x2, double y2, int colour) {
    currentX_ = x2;
    currentY_ = y2;
    UsePen(colour, penWidth_);
    DrawSegment(x1, y1, x2, y1);
    DrawSegment(x2, y1, x2, y2);
    DrawSegment(x2, y2, x1, y2);
    DrawSegment(x1, y2, x1, y1);
}

void PictureBox::Dot(double x, double y, int colour) {
    currentX_ = x;
    currentY_ = y;
    const double px = PixelX(x);
    const double py = PixelY(y);
    if (!Finite(px, py) || px < 0 || py < 0 || px >= logicalWidth_ || py >= logicalHeight_) {
        return;
    }
    UsePen(colour, 1);
    FlushLines();
    // A dot marks a point of the hull: a square of DotSize pixels round the point's pixel, in
    // its colour and unsmoothed, easy to see on any screen.
    const int left = static_cast<int>(px) - DotSize / 2;
    const int top = static_cast<int>(py) - DotSize / 2;
    Painter().fillRect(QRect(left, top, DotSize, DotSize), QtColour(colour));
    Touched();
}

void PictureBox::Circle(double cx, double cy, double radius, int colour) {
    currentX_ = cx;
    currentY_ = cy;
    const double px = PixelX(cx);
    const double py = PixelY(cy);
    const double r = std::abs(radius * scaleX_);
    if (!Finite(px, py) || !std::isfinite(r) || r > LargestRadius) {
        return;
    }
    // Entirely outside the image: nothing to draw.
    if (px + r < -ClipMargin || py + r < -ClipMargin || px - r > logicalWidth_ + ClipMargin ||
        py - r > logicalHeight_ + ClipMargin) {
        return;
    }
    UsePen(colour, penWidth_);
    FlushLines();
    Painter().drawEllipse(OnPixel(px, py), r, r);
    Touched();
}

void PictureBox::Text(std::string_view text) {
    const double px = PixelX(currentX_);
    const double py = PixelY(currentY_);
    if (!Finite(px, py) || px < -1e5 || py < -1e5 || px > 1e5 || py > 1e5) {
        return;
    }
    // Text is printed in the foreground colour and always copied, also under the inverting
    // pen (so the "Zoom" tag at the zoom anchor stays readable while the band is dragged).
    QPainter& painter = Painter();
    UsePen(ForegroundColour, 1);
    FlushLines();
    if (inverting_) {
        painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    }
    const QString qtext = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    painter.drawText(QPointF(px, py + painter.fontMetrics().ascent()), qtext);
    if (inverting_) {
        painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    }
    Touched();
}

void PictureBox::PenWidth(int width) {
    penWidth_ = std::clamp(width, 1, 16);
}

void PictureBox::InvertingPen(bool on) {
    FlushLines();
    inverting_ = on;
    if (painter_) {
        painter_->setCompositionMode(on ? QPainter::RasterOp_SourceXorDestination
                                        : QPainter::CompositionMode_SourceOver);
        // What the inverting pen draws must come off exactly when drawn again: no smoothing.
        painter_->setRenderHint(QPainter::Antialiasing, !on);
    }
}

QPointF PictureBox::ToUser(QPointF widgetPixel) const {
    return {left_ + (widgetPixel.x() - FrameWidth) / scaleX_,
            top_ + (widgetPixel.y() - FrameWidth) / scaleY_};
}

QPointF PictureBox::ToWidget(double x, double y) const {
    return {PixelX(x) + FrameWidth, PixelY(y) + FrameWidth};
}

const QImage& PictureBox::Image() {
    SyncImageSize();
    EndPainting();
    return image_;
}

void PictureBox::paintEvent(QPaintEvent*) {
    EndPainting();
    updatePending_ = false;
    QPainter painter(this);
    painter.drawImage(FrameWidth, FrameWidth, image_);
    painter.setPen(QColor(128, 128, 128));
    painter.drawRect(0, 0, width() - 1, height() - 1);
}

void PictureBox::resizeEvent(QResizeEvent*) {
    SyncImageSize();
}

// The image follows the widget's size at once, also while the widget is hidden (Qt delivers the
// resize event of a hidden widget only when it is shown). What was drawn is kept at the top
// left and the rest is white.
void PictureBox::SyncImageSize() {
    const int w = std::max(1, width() - 2 * FrameWidth);
    const int h = std::max(1, height() - 2 * FrameWidth);
    const qreal ratio = std::clamp(devicePixelRatioF(), 1.0, 8.0);
    if (w == logicalWidth_ && h == logicalHeight_ && ratio == image_.devicePixelRatio()) {
        return;
    }
    EndPainting();
    // The image has one pixel for each pixel of the screen: sharp on a dense screen, where the
    // drawing is in the widget's pixels all the same.
    QImage resized(static_cast<int>(std::lround(w * ratio)),
                   static_cast<int>(std::lround(h * ratio)), QImage::Format_RGB32);
    resized.setDevicePixelRatio(ratio);
    resized.fill(Qt::white);
    {
        QPainter copy(&resized);
        copy.drawImage(0, 0, image_);
    }
    image_ = std::move(resized);
    logicalWidth_ = w;
    logicalHeight_ = h;
    // Until a scale is set the user units are pixels; afterwards the user coordinates keep their
    // values and stretch over the new size.
    if (!userScale_) {
        right_ = left_ + w;
        bottom_ = top_ + h;
    }
    scaleX_ = logicalWidth_ / (right_ - left_);
    scaleY_ = logicalHeight_ / (bottom_ - top_);
    Touched();
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
    const QPointF user = ToUser(event->position());
    if (event->button() == Qt::LeftButton) {
        leftPressedInside_ = true;
    }
    emit MouseDown(ButtonCode(event->button()), user.x(), user.y());
}

void PictureBox::mouseMoveEvent(QMouseEvent* event) {
    const QPointF user = ToUser(event->position());
    emit MouseMove(ButtonsCode(event->buttons()), user.x(), user.y());
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event) {
    const QPointF user = ToUser(event->position());
    const bool click = event->button() == Qt::LeftButton && leftPressedInside_ &&
                       rect().contains(event->position().toPoint());
    if (event->button() == Qt::LeftButton) {
        leftPressedInside_ = false;
    }
    emit MouseUp(ButtonCode(event->button()), user.x(), user.y());
    if (click) {
        emit Clicked();
    }
}

void PictureBox::mouseDoubleClickEvent(QMouseEvent* event) {
    // The second press of a double click arrives as this event instead of a press. Only the left
    // button double-clicks; any other button presses as usual, so a quick second right press
    // still starts a new zoom.
    if (event->button() == Qt::LeftButton) {
        leftPressedInside_ = true;
        emit DoubleClick();
    } else {
        mousePressEvent(event);
    }
}

QPainter& PictureBox::Painter() {
    if (!painter_) {
        painter_ = std::make_unique<QPainter>(&image_);
        painter_->setRenderHint(QPainter::Antialiasing, !inverting_);
        if (inverting_) {
            painter_->setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        }
        QFont font = painter_->font();
        font.setPixelSize(11);
        painter_->setFont(font);
        penColour_ = -2;
    }
    return *painter_;
}

void PictureBox::EndPainting() {
    FlushLines();
    if (painter_) {
        painter_->end();
        painter_.reset();
    }
}

void PictureBox::Touched() {
    if (!updatePending_) {
        updatePending_ = true;
        update();
    }
}

void PictureBox::UsePen(int colour, int width) {
    QPainter& painter = Painter();
    if (colour == penColour_ && width == painterPenWidth_) {
        return;
    }
    FlushLines(); // the waiting lines keep the pen they were drawn with
    // Widths are in the widget's pixels, so a line is as thick on a dense screen as on another.
    QPen pen(QtColour(colour));
    pen.setWidth(width);
    pen.setCosmetic(false);
    painter.setPen(pen);
    penColour_ = colour;
    painterPenWidth_ = width;
}

void PictureBox::FlushLines() {
    if (!lines_.empty() && painter_) {
        painter_->drawLines(lines_.data(), static_cast<int>(lines_.size()));
    }
    lines_.clear();
}

QPointF PictureBox::OnPixel(double px, double py) const {
    if (inverting_) {
        return {px, py};
    }
    if (painterPenWidth_ % 2 == 0) {
        return {std::round(px), std::round(py)};
    }
    return {std::floor(px) + 0.5, std::floor(py) + 0.5};
}

void PictureBox::DrawSegment(double x1, double y1, double x2, double y2) {
    double px1 = PixelX(x1);
    double py1 = PixelY(y1);
    double px2 = PixelX(x2);
    double py2 = PixelY(y2);
    if (!Finite(px1, py1) || !Finite(px2, py2)) {
        return;
    }
    if (!ClipSegment(
            px1, py1, px2, py2,
            {-ClipMargin, -ClipMargin, logicalWidth_ + ClipMargin, logicalHeight_ + ClipMargin})) {
        return;
    }
    lines_.emplace_back(OnPixel(px1, py1), OnPixel(px2, py2));
    Touched();
}

} // namespace merrowin
