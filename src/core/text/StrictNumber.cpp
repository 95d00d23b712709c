// The strict number reader of the command line.
#include "text/StrictNumber.h"

#include <cmath>
#include <cstddef>

#include "text/NumberText.h"

namespace merrowin {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Skips a run of digits from i; the count of digits skipped.
std::size_t SkipDigits(std::string_view text, std::size_t& i) {
    const std::size_t start = i;
    while (i < text.size() && IsDigit(text[i])) {
        ++i;
    }
    return i - start;
}

bool IsSign(std::string_view text, std::size_t i) {
    return i < text.size() && (text[i] == '+' || text[i] == '-');
}

// Whether the whole text is one decimal number in the form Val reads.
bool WholeDecimal(std::string_view text) {
    std::size_t i = IsSign(text, 0) ? 1 : 0;
    std::size_t digits = SkipDigits(text, i);
    if (i < text.size() && text[i] == '.') {
        ++i;
        digits += SkipDigits(text, i);
    }
    if (digits == 0) {
        return false;
    }
    if (i < text.size() && (text[i] == 'E' || text[i] == 'e')) {
        ++i;
        if (IsSign(text, i)) {
            ++i;
        }
        if (SkipDigits(text, i) == 0) {
            return false;
        }
    }
    return i == text.size();
}

// Val reads a magnitude beyond the doubles as 0; such a text is refused, not taken as 0.
bool Overflows(std::string_view text, double value) {
    if (value != 0) {
        return false;
    }
    for (const char c : text) {
        if (c == 'e' || c == 'E') {
            break;
        }
        if (c >= '1' && c <= '9') {
            return true; // a non-zero mantissa read as 0: out of range (or too small to hold)
        }
    }
    return false;
}

} // namespace

std::optional<double> ReadStrictNumber(std::string_view text) {
    if (!WholeDecimal(text)) {
        return std::nullopt;
    }
    const double value = Val(text);
    if (!std::isfinite(value) || Overflows(text, value)) {
        return std::nullopt;
    }
    return value;
}

} // namespace merrowin
