// Number text: every way Merrowin turns numbers into text and text back into numbers.
#pragma once

#include <cstdint>
#include <ctime>
#include <string>
#include <string_view>

namespace merrowin {

// Short numeric print form (the form every number file uses): at most 15 significant digits,
// no leading zero before the point (.5, -.5), a blank in place of the plus sign, exponent form
// ("1E+20", "-1.5E-07") for magnitudes of 1E15 and above or below 1E-4 (except 0). The decimal
// separator is always '.', whatever the locale. Infinity and NaN print as 0.
std::string StrNumber(double value);

// StrNumber followed by one blank: a number line of the hull file, the .tri and DXF files.
std::string PrintNumber(double value);

// StrNumber without its leading blank (Trim(Str(x))), e.g. "500" or "-.25".
std::string TrimmedNumber(double value);

// The text a box shows for a number it is given: up to 15 significant digits, a leading zero
// before the point ("0.5", "28", "-1.25"), no blanks.
std::string BoxText(double value);

// Lenient decimal parse: leading blanks and tabs skipped, an optional sign, digits with at most
// one '.', an optional exponent (E or D, optional sign, digits); parsing stops at the first other
// character. Text that does not start a number, and a value too large for a double, give 0.
double Val(std::string_view text);

// Format(value, pattern): the leading number part of the pattern is "0" followed optionally by
// "." and a run of '0' (fixed decimals) or '#' (at most that many, trailing zeros and point
// dropped); everything after it is a literal tail ("0 lbs @", "0.00 ft3  CB:"). Rounds halves
// away from zero, always with a leading zero and '.' as the point; a result that rounds to zero
// never carries a minus sign. Infinity and NaN format as 0.
std::string FormatNumber(double value, std::string_view pattern);

// FormatNumber(value, "0"), the same text for every value, quicker for the many plot
// coordinates that are far from a half.
std::string WholeNumberText(double value);

// Int(): the largest whole number not above the value, clamped to the 64-bit range; NaN gives 0.
std::int64_t IntFloor(double value);

// Rounding to the nearest whole number with halves to the even neighbour (the scroll bars'
// rounding and CInt), clamped to the 64-bit range; NaN gives 0.
std::int64_t RoundHalfEven(double value);

// Whole number text without blanks ("1234", "-56"), as plot coordinates are written.
std::string IntText(std::int64_t value);

// A listing line laid out in print zones 14 characters wide.
class ZoneLine {
public:
    static constexpr std::size_t ZoneWidth = 14;
    // Writes the text at the current column.
    ZoneLine& Add(std::string_view text);
    // Moves to the start of the next zone; always leaves at least one blank after an item.
    ZoneLine& NextZone();
    // Shorthand for NextZone().Add(text).
    ZoneLine& Zone(std::string_view text);
    const std::string& Text() const { return text_; }

private:
    std::string text_;
};

// The hand-plot eighths form of a two-decimal text: "12.38" gives "12-3/8", "0.94" gives "0-8/8",
// "-2.50" gives "-2-4/8". The eighths are rounded halves to even and never carried.
std::string EighthsForm(std::string_view twoDecimalText);

// The nesting form of inches and eighths without the inch mark: whole inches (truncated toward
// zero), "-", the eighths of the fraction's magnitude rounded halves to even: 12.3 gives "12-2".
std::string InchesEighths(double inches);

// Millimetres as a whole number, halves to even, no blanks: 12.3 inches gives "312".
std::string MillimetresText(double inches);

// Shop-notation entry: "5-4" is 5 4/8 inch, a trailing '+' or '-' adds or subtracts 1/16 inch;
// text without a dash is read with Val.
double ParseEntry(std::string_view text);

// Today's date as "mm-dd-yyyy" and the time as "hh:mm:ss", from a local broken-down time.
std::string DateText(const std::tm& when);
std::string TimeText(const std::tm& when);
// The local time now (the clock every dated file uses).
std::tm LocalNow();

} // namespace merrowin
