// The status bar, message boxes and input boxes of the desktop program, shown with Qt widgets.
#pragma once

#include <array>
#include <string>

#include "ui/Services.h"

class QLabel;
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

private:
    QWidget* parent_;
};

} // namespace merrowin
