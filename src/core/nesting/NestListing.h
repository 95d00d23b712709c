// The nested hand plotting listing: every placed outline in the coordinates of the sheet it lies
// on, in inches and eighths and in millimetres.
#pragma once

#include <ctime>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

#include "io/Files.h"
#include "nesting/NestState.h"
#include "ui/Services.h"

namespace merrowin {

inline constexpr const char* NestListingName = "nest.txt";

// The sheet a point at sheet-row X = xa lies on, with sheets `length` long: 1 up to and with
// length, s (2..5) over (s - 1) length up to and with s length. A point beyond the fifth sheet
// counts to the fifth (its X then exceeds the sheet length).
int SheetOf(double xa, double length);

// The listing's text, lines ended with CR LF; the time and date texts go into its title.
std::string NestedListing(const NestState& state, std::string_view hullFileName,
                          std::string_view timeText, std::string_view dateText);
void WriteNestedListing(std::ostream& out, const NestState& state, std::string_view hullFileName,
                        std::string_view timeText, std::string_view dateText);

// Writes the listing as the file `name` in the folder, replacing an older one whole, dated
// `when`. A failure names the file ("Could not write nest.txt").
Outcome SaveNestedListing(const fs::path& folder, std::string_view name, const NestState& state,
                          std::string_view hullFileName, const std::tm& when);

// "Save" (Command8): asks for the file name (title "Hand Plotting", prompt "File name:",
// default "nest.txt") and saves the listing dated now. An empty answer (Cancel) writes nothing.
struct NestSaveOutcome {
    std::string FileName;
    bool Cancelled = false;
    Outcome Saved; // the write, when a name was given
};
NestSaveOutcome SaveNestCommand(const fs::path& folder, const NestState& state,
                                std::string_view hullFileName, Dialogs& dialogs);

} // namespace merrowin
