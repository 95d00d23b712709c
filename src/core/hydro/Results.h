// The results list Combo1 and the status summary of a waterline run.
#pragma once

#include <string>

#include "hydro/HydroState.h"

namespace merrowin {

// The value a single-precision result stands for: the shortest decimal that reads back as that
// single, so that 179.4f formats as 179.4 and not as 179.399993896484.
double SingleValue(float value);

// Panel 1 after a complete run: "WL:12.3"  Displ:..." (see the implementation for the layout).
std::string WaterlineStatusText(const HydroState& hydro);

// ShowResults: rebuilds the list from the results, shows it and selects the remembered line
// (a remembered position beyond the end selects nothing).
void ShowResults(HydroState& hydro);

// Combo1 click: the picked line is remembered and shown in the box; an index outside the list
// does nothing.
void PickResult(HydroState& hydro, int index);

// Empties the list, sets its text to "Results" and hides it.
void ClearResults(HydroState& hydro);

} // namespace merrowin
