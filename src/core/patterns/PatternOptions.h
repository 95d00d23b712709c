// Options of a pattern run: the check boxes of the Save and Create Patterns dialog.
#pragma once

#include <array>
#include <string>

namespace merrowin {

// What the panel report allows before it calls a panel unfit (inches): the difference between
// the two edges of a seam, and any other length (a developed diagonal, a bulkhead's girth against
// the panel widths). Set from the command line or a dialog for one session; not kept in "hull.dat".
struct PanelTolerances {
    double Seam = 1.0 / 32;
    double Length = 1.0 / 16;
};

struct PatternOptions {
    bool Expansions = true;  // Check1
    bool Hpgl = false;       // Check3
    bool Dxf = false;        // Check4
    bool Text = true;        // Check5
    bool HalfFrames = false; // Check6
    bool Spar = false;       // Check2 "2x4 Spar"
    bool Stem = false;       // Check7 "Stem (BH 0)"
    bool Soles = false;      // Check8
    bool Deck = false;       // Check9
    bool Keel = false;       // Check10
    std::array<std::string, 8> FrameText{"0", "0", "0", "0", "0", "0", "0", "0"};
    std::string ExportPath; // always ends with '/' once set
    std::string ExportText; // the text of the "Export Path:" box that ExportPath comes from
    PanelTolerances Tolerances;
};

} // namespace merrowin
