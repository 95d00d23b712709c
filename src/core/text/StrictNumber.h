// The strict number reader of the command line: the one rule its argument checks and the engine
// both read by.
#pragma once

#include <optional>
#include <string_view>

namespace merrowin {

// A finite decimal number and nothing else: an optional sign, digits with at most one '.' (at
// least one digit), and an optional exponent (E or e, an optional sign, digits). No blanks before
// or after, no hexadecimal, no "inf" or "nan", no D exponent. The value is the one Val reads from
// the same text, so a text passed on to a handler means what was checked. Nothing for any other
// text, nor for a number beyond the range of a double (which Val would read as 0).
std::optional<double> ReadStrictNumber(std::string_view text);

} // namespace merrowin
