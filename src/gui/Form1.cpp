// Form1: the main window.
#include "Form1.h"

namespace merrowin {

Form1::Form1(AppState& app, QWidget* parent) : QMainWindow(parent), app_(app) {
    setWindowTitle("Merrowin 1.91");
    ResetToStartup(app_);
}

} // namespace merrowin
