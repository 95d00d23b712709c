// Tests of the number text forms and the lenient parse: one table row per rule.
#include "text/NumberText.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <string>
#include <tuple>
#include <utility>

#include "TestSupport.h"

namespace merrowin {
namespace {

constexpr double Inf = std::numeric_limits<double>::infinity();
const double NaN = std::nan("");

using NumberCase = std::pair<double, const char*>;
using TextCase = std::pair<const char*, double>;

// Each value's text by `routine`.
template <typename Routine, std::size_t N>
void ExpectTexts(Routine routine, const NumberCase (&cases)[N]) {
    for (const auto& [value, text] : cases) {
        EXPECT_EQ(routine(value), text) << value;
    }
}

// Each text's value by `routine`.
template <typename Routine, std::size_t N>
void ExpectValues(Routine routine, const TextCase (&cases)[N]) {
    for (const auto& [text, value] : cases) {
        EXPECT_DOUBLE_EQ(routine(text), value) << text;
    }
}

TEST(NumberText, PrintForms) {
    // At most 15 significant digits, no leading zero, a blank in place of the plus sign.
    const NumberCase plain[] = {{-0.0, " 0"},       {0.5, " .5"},
                                {-0.5, "-.5"},      {0.1 + 0.2, " .3"},
                                {0.0001, " .0001"}, {2.0 / 3.0, " .666666666666667"}};
    // The exponent form from 1E15 up (after rounding to 15 digits) and below 1E-4; values a file
    // must never hold print as 0.
    const NumberCase exponent[] = {{999999999999999.0, " 999999999999999"},
                                   {1e15, " 1E+15"},
                                   {9999999999999999.0, " 1E+16"},
                                   {-1.5e-7, "-1.5E-07"},
                                   {123456789012345678.0, " 1.23456789012346E+17"},
                                   {NaN, " 0"},
                                   {-Inf, " 0"}};
    const NumberCase box[] = {{28, "28"}, {-0.25, "-0.25"}, {-0.0, "0"}, {NaN, "0"}};
    ExpectTexts(StrNumber, plain);
    ExpectTexts(StrNumber, exponent);
    ExpectTexts(BoxText, box);
    EXPECT_EQ(PrintNumber(-2), "-2 ");
    EXPECT_EQ(TrimmedNumber(-0.25), "-.25");
}

TEST(NumberText, ValReadsTheLeadingNumber) {
    const TextCase numbers[] = {{"5-4", 5},     {"1.3E+", 1.3}, {"\t 1.3", 1.3},
                                {"-.5", -0.5},  {"+2", 2},      {"1E-2", 0.01},
                                {"1d+2x", 100}, {"1.2.3", 1.2}, {"1,3", 1}};
    // No number, and numbers too large (never infinity) or too small for a double, read as 0.
    const TextCase zeros[] = {{"", 0},
                              {"-.e5", 0},
                              {"inf", 0},
                              {"nan", 0},
                              {"-1e400", 0},
                              {"1e-400", 0},
                              {"1e99999999999999999999", 0}};
    ExpectValues(Val, numbers);
    ExpectValues(Val, zeros);
    // The parse ends with the view, whatever follows it in memory.
    const std::string exponent = "1e5";
    EXPECT_DOUBLE_EQ(Val(std::string_view(exponent).substr(0, 2)), 1);
}

// That the print form reads back to the same number is the hull file round trip's check.

TEST(NumberText, FormatPatterns) {
    // Literal tails after the number part; halves away from zero on the decimal a person reads,
    // and nothing that rounds to zero with a minus sign; optional decimals; extremes with every
    // digit and no overflow; values that are not finite as 0.
    const std::tuple<double, const char*, const char*> cases[] = {
        {12.345, "0.00 ft3  CB:", "12.35 ft3  CB:"},
        {-4100.5, "0 ft-lbs", "-4101 ft-lbs"},
        {5, "0.", "5."},
        {5, "", "5"},
        {2.675, "0.00", "2.68"},
        {-1.005, "0.00", "-1.01"},
        {99.95, "0.0", "100.0"},
        {-0.001, "0.00", "0.00"},
        {-0.0, "0.0", "0.0"},
        {-0.005, "0.00", "-0.01"},
        {5.5, "0.##", "5.5"},
        {7.999, "0.##", "8"},
        {-0.001, "0.##", "0"},
        {-5.375, "0.##", "-5.38"},
        {1, "0.0#", "1.0"},
        {1.25, "0.0#", "1.25"},
        {1e20, "0", "100000000000000000000"},
        {4.9e-324, "0.000 ", "0.000 "},
        {-Inf, "0 lbs", "0 lbs"}};
    for (const auto& [value, pattern, text] : cases) {
        EXPECT_EQ(FormatNumber(value, pattern), text) << value << " " << pattern;
    }
    EXPECT_EQ(FormatNumber(1e300, "0.00"), "1" + std::string(300, '0') + ".00");
    EXPECT_EQ(FormatNumber(-1.7976931348623157e308, "0").size(), 310u);
}

TEST(NumberText, WholeNumbers) {
    EXPECT_EQ(IntFloor(-2.1), -3);
    const NumberCase halves[] = {{2.5, "2"},
                                 {-3.5, "-4"},
                                 {0.49999999999999994, "0"},
                                 {2.5000000000000004, "3"},
                                 {4503599627370497.0, "4503599627370497"}};
    ExpectTexts([](double v) { return IntText(RoundHalfEven(v)); }, halves);
    const auto maxInt = std::numeric_limits<std::int64_t>::max();
    const auto minInt = std::numeric_limits<std::int64_t>::min();
    for (auto f : {IntFloor, RoundHalfEven}) {
        EXPECT_EQ(f(NaN), 0);
        EXPECT_EQ(f(Inf), maxInt);
        EXPECT_EQ(f(-1e300), minInt);
        EXPECT_EQ(f(9223372036854775808.0), maxInt);
        EXPECT_EQ(f(-9223372036854775808.0), minInt);
    }
    EXPECT_EQ(IntText(minInt), "-9223372036854775808");

    // The quick "0" format gives FormatNumber's text everywhere, near halves and beyond its
    // quick range too.
    for (double value : {0.0, -0.3, 0.5, -0.5, 2.4999999999999996, -2.4999999999999996, 2.4999,
                         2.4999995, 2.5000005, 123456.4999999, 987654321.5, 1e9 + 0.5, 1e15 + 3,
                         -7.0e18, 1e300, NaN, Inf, -Inf}) {
        EXPECT_EQ(WholeNumberText(value), FormatNumber(value, "0")) << value;
    }
}

TEST(NumberText, PrintZones) {
    EXPECT_EQ(ZoneLine().NextZone().Text(), std::string(14, ' '));
    EXPECT_EQ(ZoneLine().Add("X in.").Zone("Y in.").Text(),
              "X in." + std::string(9, ' ') + "Y in.");
    // An item that fills its zone exactly is followed by a whole empty zone.
    const std::string full(14, 'a');
    EXPECT_EQ(ZoneLine().Add(full).Zone("b").Text(), full + std::string(14, ' ') + "b");
    const std::string longer(20, 'a');
    EXPECT_EQ(ZoneLine().Add(longer).Zone("b").Text(), longer + std::string(8, ' ') + "b");
}

TEST(NumberText, EighthsMillimetresAndShopNotation) {
    const std::pair<const char*, const char*> eighths[] = {{"12.38", "12-3/8"}, {"0.94", "0-8/8"},
                                                           {"-0.30", "-0-2/8"}, {"3.0625", "3-0/8"},
                                                           {"3.1875", "3-2/8"}, {"", "-0/8"}};
    for (const auto& [text, form] : eighths) {
        EXPECT_EQ(EighthsForm(text), form) << text;
    }
    const NumberCase inches[] = {{12.3, "12-2"},    {12.9375, "12-8"},
                                 {12.0625, "12-0"}, {-0.3, "-0-2"},
                                 {NaN, "0-0"},      {1e300, "9223372036854775807-0"}};
    const NumberCase millimetres[] = {{12.3, "312"}, {-1, "-25"}, {NaN, "0"}};
    const TextCase entries[] = {{"5-4", 5.5},   {"5-4+", 5.5625}, {"5-4-", 5.4375},
                                {"5-", 4.9375}, {"-4", 0.5},      {"5.75", 5.75},
                                {"5+", 5},      {"", 0},          {"-", -0.0625}};
    ExpectTexts(InchesEighths, inches);
    ExpectTexts(MillimetresText, millimetres);
    ExpectValues(ParseEntry, entries);
}

// The date and time texts are pinned by the hand plot listing's title.

// A decimal-comma locale must change neither the print form, the patterns nor the parse.
TEST(NumberText, IndependentOfLocale) {
    const std::optional<std::string> previous = test::UseDecimalCommaLocale();
    if (!previous) {
        GTEST_SKIP() << "no decimal-comma locale installed";
    }
    const std::string str = StrNumber(1.5);
    const std::string fmt = FormatNumber(2.675, "0.00");
    const std::string box = BoxText(-0.5);
    const double parsed = Val("1.25");
    std::setlocale(LC_ALL, previous->c_str());
    EXPECT_EQ(str, " 1.5");
    EXPECT_EQ(fmt, "2.68");
    EXPECT_EQ(box, "-0.5");
    EXPECT_DOUBLE_EQ(parsed, 1.25);
}

} // namespace
} // namespace merrowin
