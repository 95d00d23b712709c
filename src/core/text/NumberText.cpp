// Number text: the print, box and pattern forms of numbers, and the lenient parse back.
#include "text/NumberText.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>
#include <system_error>

namespace merrowin {

namespace {

// A finite, non-zero double rounded to 15 significant digits: |value| = d1.d2...dn x 10^exponent,
// trailing zeros of the digits dropped (n >= 1).
struct Decimal15 {
    std::array<char, 16> digits{};
    int count = 0;
    int exponent = 0;
    bool negative = false;
};

// Rounds to 15 significant digits the way a correctly rounded "%.14e" does, without the locale.
Decimal15 ToDecimal15(double value) {
    Decimal15 d;
    d.negative = std::signbit(value);
    char buf[48];
    // "d.dddddddddddddde+XXX": 15 significant digits; to_chars ignores the locale.
    const auto res =
        std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::scientific, 14);
    const char* p = buf;
    d.digits[static_cast<std::size_t>(d.count++)] = *p++;
    if (p < res.ptr && *p == '.') {
        ++p;
    }
    while (p < res.ptr && *p != 'e' && d.count < 15) {
        d.digits[static_cast<std::size_t>(d.count++)] = *p++;
    }
    while (p < res.ptr && *p != 'e') {
        ++p;
    }
    int exponent = 0;
    if (p < res.ptr) {
        ++p; // the 'e'
        std::from_chars(p < res.ptr && *p == '+' ? p + 1 : p, res.ptr, exponent);
    }
    d.exponent = exponent;
    while (d.count > 1 && d.digits[static_cast<std::size_t>(d.count - 1)] == '0') {
        --d.count;
    }
    return d;
}

void AppendExponent(std::string& out, int exponent) {
    out += 'E';
    out += exponent < 0 ? '-' : '+';
    const int magnitude = exponent < 0 ? -exponent : exponent;
    if (magnitude < 10) {
        out += '0';
    }
    char buf[8];
    const auto res = std::to_chars(buf, buf + sizeof buf, magnitude);
    out.append(buf, res.ptr);
}

// The print form of a number with its sign slot: '-' or the given blank-or-nothing, and the
// leading zero before the point when leadingZero is set.
std::string PrintForm(double value, bool signBlank, bool leadingZero) {
    std::string out;
    if (!std::isfinite(value) || value == 0.0) {
        out = signBlank ? " 0" : "0";
        return out;
    }
    const Decimal15 d = ToDecimal15(value);
    if (d.negative) {
        out += '-';
    } else if (signBlank) {
        out += ' ';
    }
    const int e = d.exponent;
    const std::string_view digits(d.digits.data(), static_cast<std::size_t>(d.count));
    if (e >= 15 || e < -4) {
        // Exponent form: "1E+20", "1.5E-07", "1.23456789012346E+17".
        out += digits[0];
        if (digits.size() > 1) {
            out += '.';
            out.append(digits.substr(1));
        }
        AppendExponent(out, e);
        return out;
    }
    if (e < 0) {
        // .0001 up to .999999999999999: no leading zero in the print form.
        if (leadingZero) {
            out += '0';
        }
        out += '.';
        out.append(static_cast<std::size_t>(-e - 1), '0');
        out.append(digits);
        return out;
    }
    const auto intDigits = static_cast<std::size_t>(e) + 1;
    if (digits.size() <= intDigits) {
        out.append(digits);
        out.append(intDigits - digits.size(), '0');
    } else {
        out.append(digits.substr(0, intDigits));
        out += '.';
        out.append(digits.substr(intDigits));
    }
    return out;
}

// The number part of a Format pattern: digits before the point, then fixed and optional decimals.
struct PatternShape {
    int fixedDecimals = 0;
    int optionalDecimals = 0;
    std::string_view tail;
};

// The number part is a run of '0' or '#' (the whole part, always shown with at least one digit),
// optionally followed by '.' and a run of '0' then '#'. A pattern that starts with anything else
// has no number part of its own: the number is shown as a whole number in front of it.
PatternShape ParsePattern(std::string_view pattern) {
    PatternShape shape;
    std::size_t i = 0;
    while (i < pattern.size() && (pattern[i] == '0' || pattern[i] == '#')) {
        ++i;
    }
    if (i > 0 && i < pattern.size() && pattern[i] == '.') {
        std::size_t j = i + 1;
        while (j < pattern.size() && pattern[j] == '0') {
            ++shape.fixedDecimals;
            ++j;
        }
        while (j < pattern.size() && pattern[j] == '#') {
            ++shape.optionalDecimals;
            ++j;
        }
        // A point followed by no placeholder stays in the literal tail ("0." shows "5.").
        if (j > i + 1) {
            i = j;
        }
    }
    shape.tail = pattern.substr(i);
    return shape;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Clamps a finite or infinite double that holds a whole number into the 64-bit range.
std::int64_t ClampWhole(double whole) {
    constexpr double twoTo63 = 9223372036854775808.0;
    if (std::isnan(whole)) {
        return 0;
    }
    if (whole >= twoTo63) {
        return std::numeric_limits<std::int64_t>::max();
    }
    if (whole < -twoTo63) {
        return std::numeric_limits<std::int64_t>::min();
    }
    return static_cast<std::int64_t>(whole);
}

double RoundHalfEvenDouble(double value) {
    const double down = std::floor(value);
    const double rest = value - down; // exact: the fraction of a double is a double
    if (rest > 0.5 || (rest == 0.5 && std::fmod(down, 2.0) != 0.0)) {
        return down + 1.0;
    }
    return down;
}

} // namespace

std::string StrNumber(double value) {
    return PrintForm(value, true, false);
}

std::string PrintNumber(double value) {
    std::string out = PrintForm(value, true, false);
    out += ' ';
    return out;
}

std::string TrimmedNumber(double value) {
    return PrintForm(value, false, false);
}

std::string BoxText(double value) {
    return PrintForm(value, false, true);
}

double Val(std::string_view text) {
    std::size_t i = 0;
    const std::size_t n = text.size();
    while (i < n && (text[i] == ' ' || text[i] == '\t')) {
        ++i;
    }
    bool negative = false;
    if (i < n && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    const std::size_t mantissaStart = i;
    std::size_t digitCount = 0;
    while (i < n && IsDigit(text[i])) {
        ++i;
        ++digitCount;
    }
    if (i < n && text[i] == '.') {
        ++i;
        while (i < n && IsDigit(text[i])) {
            ++i;
            ++digitCount;
        }
    }
    if (digitCount == 0) {
        return 0.0;
    }
    const std::size_t mantissaEnd = i;
    // An exponent counts only when at least one digit follows the letter (and its sign).
    std::size_t exponentEnd = mantissaEnd;
    if (i < n && (text[i] == 'E' || text[i] == 'e' || text[i] == 'D' || text[i] == 'd')) {
        std::size_t j = i + 1;
        if (j < n && (text[j] == '+' || text[j] == '-')) {
            ++j;
        }
        const std::size_t expDigits = j;
        while (j < n && IsDigit(text[j])) {
            ++j;
        }
        if (j > expDigits) {
            exponentEnd = j;
        }
    }
    double result = 0.0;
    std::from_chars_result parsed{};
    const char* first = text.data() + mantissaStart;
    const char* last = text.data() + exponentEnd;
    if (exponentEnd > mantissaEnd && (text[mantissaEnd] == 'D' || text[mantissaEnd] == 'd')) {
        // The D exponent (double precision) reads as E.
        std::string copy(first, last);
        copy[mantissaEnd - mantissaStart] = 'e';
        parsed = std::from_chars(copy.data(), copy.data() + copy.size(), result);
    } else {
        parsed = std::from_chars(first, last, result);
    }
    if (parsed.ec != std::errc{} || !std::isfinite(result)) {
        // Too large for a double (or too small to hold): 0, never infinity.
        return 0.0;
    }
    return negative ? -result : result;
}

std::string FormatNumber(double value, std::string_view pattern) {
    const PatternShape shape = ParsePattern(pattern);
    const int maxDecimals = shape.fixedDecimals + shape.optionalDecimals;

    // Digits of the value, first to 15 significant digits (so 2.675 is 2.675 and not
    // 2.67499999...), then rounded halves away from zero at the pattern's decimals.
    std::string digits = "0";
    int pointPos = 1; // digits before the point
    bool negative = false;
    if (std::isfinite(value) && value != 0.0) {
        const Decimal15 d = ToDecimal15(value);
        negative = d.negative;
        digits.assign(d.digits.data(), static_cast<std::size_t>(d.count));
        pointPos = d.exponent + 1;
        if (pointPos < 1) {
            digits.insert(0, static_cast<std::size_t>(1 - pointPos), '0');
            pointPos = 1;
        }
    }
    const auto keep = static_cast<std::size_t>(pointPos + maxDecimals);
    if (digits.size() < keep + 1) {
        digits.append(keep + 1 - digits.size(), '0');
    }
    const bool roundUp = digits[keep] >= '5';
    digits.resize(keep);
    if (roundUp) {
        std::size_t k = keep;
        while (k > 0 && digits[k - 1] == '9') {
            digits[k - 1] = '0';
            --k;
        }
        if (k == 0) {
            digits.insert(digits.begin(), '1');
            ++pointPos;
        } else {
            ++digits[k - 1];
        }
    }

    std::string_view whole(digits.data(), static_cast<std::size_t>(pointPos));
    std::string_view fraction(digits.data() + pointPos, digits.size() - whole.size());
    while (whole.size() > 1 && whole.front() == '0') {
        whole.remove_prefix(1);
    }
    while (fraction.size() > static_cast<std::size_t>(shape.fixedDecimals) &&
           fraction.back() == '0') {
        fraction.remove_suffix(1);
    }
    const bool allZero = whole == "0" && fraction.find_first_not_of('0') == std::string_view::npos;

    std::string out;
    out.reserve(whole.size() + fraction.size() + shape.tail.size() + 2);
    if (negative && !allZero) {
        out += '-';
    }
    out.append(whole);
    if (!fraction.empty()) {
        out += '.';
        out.append(fraction);
    }
    out.append(shape.tail);
    return out;
}

std::string WholeNumberText(double value) {
    // Below 1E9 the 15-digit form lies within 5E-7 of the value (half a unit of its fifteenth
    // digit), so it can round otherwise than the value itself only for a value that close to a
    // half; those, larger values, infinity and NaN take the general route.
    const double magnitude = std::fabs(value);
    if (magnitude < 1e9 && std::fabs(magnitude - std::floor(magnitude) - 0.5) > 1e-6) {
        return IntText(static_cast<std::int64_t>(std::round(value))); // -0 gives "0"
    }
    return FormatNumber(value, "0");
}

std::int64_t IntFloor(double value) {
    return ClampWhole(std::floor(value));
}

std::int64_t RoundHalfEven(double value) {
    return ClampWhole(RoundHalfEvenDouble(value));
}

std::string IntText(std::int64_t value) {
    char buf[24];
    const auto res = std::to_chars(buf, buf + sizeof buf, value);
    return std::string(buf, res.ptr);
}

ZoneLine& ZoneLine::Add(std::string_view text) {
    text_.append(text);
    return *this;
}

// The next zone starts after the current column, so an item that fills its zone exactly is
// followed by a whole empty zone; at column 0 this gives one empty zone. Readers of the listings
// only rely on at least one blank between items.
ZoneLine& ZoneLine::NextZone() {
    const std::size_t target = (text_.size() / ZoneWidth + 1) * ZoneWidth;
    text_.append(target - text_.size(), ' ');
    return *this;
}

ZoneLine& ZoneLine::Zone(std::string_view text) {
    return NextZone().Add(text);
}

std::string EighthsForm(std::string_view twoDecimalText) {
    const std::size_t point = twoDecimalText.find('.');
    std::string out;
    if (point == std::string_view::npos) {
        // A text without a point is a whole number: no eighths.
        out.append(twoDecimalText);
        out += "-0/8";
        return out;
    }
    const double fraction = std::fabs(Val(twoDecimalText.substr(point)));
    out.append(twoDecimalText.substr(0, point));
    out += '-';
    out += IntText(RoundHalfEven(fraction / 0.125));
    out += "/8";
    return out;
}

// A value between -1 and 0 keeps its minus sign ("-0-2"), as the eighths form of "-0.30" does;
// a bare "0-2" would put the point on the wrong side of the origin.
std::string InchesEighths(double inches) {
    if (!std::isfinite(inches)) {
        return "0-0";
    }
    const double whole = std::trunc(inches);
    const double fraction = std::fabs(inches - whole);
    std::string out;
    if (whole == 0.0 && inches < 0.0) {
        out += '-';
    }
    out += IntText(ClampWhole(whole));
    out += '-';
    out += IntText(RoundHalfEven(fraction / 0.125));
    return out;
}

std::string MillimetresText(double inches) {
    return IntText(RoundHalfEven(inches * 25.4)); // 25.4 mm to the inch
}

double ParseEntry(std::string_view text) {
    const std::size_t dash = text.find('-');
    if (dash == std::string_view::npos) {
        return Val(text); // a trailing '+' without a dash has no effect
    }
    double result = Val(text.substr(0, dash + 1)) + Val(text.substr(dash + 1)) / 8.0;
    if (text.back() == '+') {
        result += 0.0625; // one sixteenth of an inch
    } else if (text.back() == '-') {
        result -= 0.0625;
    }
    return result;
}

std::string DateText(const std::tm& when) {
    char buf[48];
    std::snprintf(buf, sizeof buf, "%02ld-%02d-%04ld", static_cast<long>(when.tm_mon) + 1,
                  when.tm_mday, static_cast<long>(when.tm_year) + 1900);
    return buf;
}

std::string TimeText(const std::tm& when) {
    char buf[48];
    std::snprintf(buf, sizeof buf, "%02d:%02d:%02d", when.tm_hour, when.tm_min, when.tm_sec);
    return buf;
}

std::tm LocalNow() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local;
}

} // namespace merrowin
