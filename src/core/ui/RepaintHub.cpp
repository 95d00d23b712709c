// The repaint hub's listeners.
#include "ui/RepaintHub.h"

#include <algorithm>

namespace merrowin {

void RepaintHub::AddListener(RepaintListener& listener) {
    if (std::find(listeners_.begin(), listeners_.end(), &listener) == listeners_.end()) {
        listeners_.push_back(&listener);
    }
}

void RepaintHub::RemoveListener(RepaintListener& listener) {
    listeners_.erase(std::remove(listeners_.begin(), listeners_.end(), &listener),
                     listeners_.end());
}

void RepaintHub::NotifyListeners() {
    if (notifying_) {
        return;
    }
    notifying_ = true;
    // A listener may register or remove windows while it refreshes: the ones registered when the
    // repaint ended are told, unless removed before their turn.
    const std::vector<RepaintListener*> told = listeners_;
    for (RepaintListener* listener : told) {
        if (std::find(listeners_.begin(), listeners_.end(), listener) != listeners_.end()) {
            listener->ModelRepainted();
        }
    }
    notifying_ = false;
}

} // namespace merrowin
