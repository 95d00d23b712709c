// The application's model: the one hull document and the working values, owned for the whole run.
#pragma once

#include "model/Hull.h"
#include "model/Working.h"

namespace merrowin {

struct AppState {
    HullDocument Hull;
    WorkingValues Work;
};

// Start-up state before any file is read: working defaults, the default hull, four chines.
void ResetToStartup(AppState& app);

} // namespace merrowin
