// The status bar, message boxes and input boxes of the desktop program, shown with Qt widgets.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

#include <array>
#include <optional>
#include <string>

#include "ui/Services.h"

class QFontMetrics;
class QLabel;
class QString;
class QStatusBar;
class QWidget;

namespace merrowin {

// StatusBar1: five text panels on a QStatusBar; panel 1 stretches and carries the progress texts.
class QtStatusBar : public StatusBar {
public:
    explicit QtStatusBar(QStatusBar& bar);
    void SetPanel(int panel, const std::string& text) override;
    std::string Panel(int panel) const override;
    QLabel* Label(int panel) const;

private:
    std::array<QLabel*, 6> labels_{}; // panels 1..5
    std::array<std::string, 6> texts_;
};

// Message boxes over QMessageBox and input boxes over QInputDialog, modal to the parent window.
class QtDialogs : public Dialogs {
public:
    explicit QtDialogs(QWidget* parent) : parent_(parent) {}
    MessageAnswer Message(const std::string& title, const std::string& text, MessageButtons buttons,
                          MessageIcon icon) override;
    // Cancel (or closing the box) returns an empty text.
    std::string Input(const std::string& title, const std::string& prompt,
                      const std::string& defaultText) override;
    // The point on the screen the next input boxes are about (a point being edited): they stand
    // beside it instead of over it. None: centred on the parent.
    void SetAnchor(std::optional<QPoint> screenPoint) { anchor_ = screenPoint; }

private:
    QWidget* parent_;
    std::optional<QPoint> anchor_;
};

// The width of an input box that shows its whole title (with room for the title bar's buttons)
// and its whole prompt.
int InputBoxWidth(const QFontMetrics& metrics, const QString& title, const QString& prompt);

// Where a box of `size` goes beside `point`: below and to the right, else on whichever side has
// room, always inside `screen` and never over the point itself while the screen allows.
QPoint PlaceBeside(QPoint point, QSize size, const QRect& screen);

} // namespace merrowin
