// The hull as a VRML 1.0 world: the chine points and the skin, bulkheads, keel strip and deck as
// coloured face sets, in metres.
#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <string_view>

#include "io/Files.h"
#include "model/Hull.h"

namespace merrowin {

// The copy every export also leaves in the working folder.
inline constexpr const char* DefaultWorldName = "default.wrl";

// The world's file name: the hull file name up to and including the first "." of the file's own
// name, leading blanks dropped, then "wrl" ("boat.old.hul" gives "boat.wrl"). A folder part is
// kept, so the world lies beside its hull; a name without a dot gives "wrl".
std::string VrmlFileName(std::string_view hullFileName);

// Writes the world for the 13 derived points of every chine (the last repaint's SplinePoints)
// with CR LF line ends; hullHeight (inches) places the camera.
void WriteVrmlWorld(std::ostream& out, const HullDocument& hull, double hullHeight);

// Command2 "VRML": writes the world under VrmlFileName(hullFileName) and the same world as
// "default.wrl", both inside the working folder and each replaced atomically. Nothing when both
// were written; otherwise the failure, naming the file that could not be written.
Outcome SaveVrmlWorld(const fs::path& folder, std::string_view hullFileName,
                      const HullDocument& hull, double hullHeight);

} // namespace merrowin
