// The small picture Picture3 shows: a hard-chine hull under the letters "MW".
#pragma once

#include "ui/Canvas.h"

namespace merrowin {

// Clears the canvas and draws the picture to fit it.
void DrawLogo(Canvas& canvas);

} // namespace merrowin
