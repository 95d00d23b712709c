// Form1: the main window, which owns the views of the hull and carries every command.
#pragma once

#include <QMainWindow>

#include "model/AppState.h"

namespace merrowin {

class Form1 : public QMainWindow {
    Q_OBJECT
public:
    explicit Form1(AppState& app, QWidget* parent = nullptr);

private:
    AppState& app_;
};

} // namespace merrowin
