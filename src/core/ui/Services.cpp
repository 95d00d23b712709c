// The status bar that only remembers its panels.
#include "ui/Services.h"

namespace merrowin {

void MemoryStatusBar::SetPanel(int panel, const std::string& text) {
    if (panel >= 1 && panel <= 5) {
        panels_[panel] = text;
    }
}

std::string MemoryStatusBar::Panel(int panel) const {
    if (panel >= 1 && panel <= 5) {
        return panels_[panel];
    }
    return {};
}

} // namespace merrowin
