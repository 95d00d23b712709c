// Tests of the number text forms and the lenient parse.
#include "text/NumberText.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <string>

namespace merrowin {
namespace {

constexpr double Inf = std::numeric_limits<double>::infinity();
const double NaN = std::nan("");

TEST(NumberText, StrNumberPrintForm) {
    EXPECT_EQ(StrNumber(0.0), " 0");
    EXPECT_EQ(StrNumber(-0.0), " 0");
    EXPECT_EQ(StrNumber(0.5), " .5");
    EXPECT_EQ(StrNumber(-0.5), "-.5");
    EXPECT_EQ(StrNumber(1.3), " 1.3");
    EXPECT_EQ(StrNumber(140), " 140");
    EXPECT_EQ(StrNumber(-56), "-56");
    EXPECT_EQ(StrNumber(500), " 500");
    EXPECT_EQ(StrNumber(1.0 / 3.0), " .333333333333333");
    EXPECT_EQ(StrNumber(2.0 / 3.0), " .666666666666667");
    EXPECT_EQ(StrNumber(0.1 + 0.2), " .3");
    EXPECT_EQ(StrNumber(123456.789), " 123456.789");
    // Exponent form from 1E15 up and below 1E-4.
    EXPECT_EQ(StrNumber(1e20), " 1E+20");
    EXPECT_EQ(StrNumber(-1.5e-7), "-1.5E-07");
    EXPECT_EQ(StrNumber(1.5e-7), " 1.5E-07");
    EXPECT_EQ(StrNumber(123456789012345678.0), " 1.23456789012346E+17");
    EXPECT_EQ(StrNumber(1e15), " 1E+15");
    EXPECT_EQ(StrNumber(999999999999999.0), " 999999999999999");
    EXPECT_EQ(StrNumber(9999999999999999.0), " 1E+16");
    EXPECT_EQ(StrNumber(0.0001), " .0001");
    EXPECT_EQ(StrNumber(0.00009), " 9E-05");
    EXPECT_EQ(StrNumber(1e300), " 1E+300");
    EXPECT_EQ(StrNumber(5e-324), " 4.94065645841247E-324");
    // Values a file must never hold.
    EXPECT_EQ(StrNumber(NaN), " 0");
    EXPECT_EQ(StrNumber(Inf), " 0");
    EXPECT_EQ(StrNumber(-Inf), " 0");

    EXPECT_EQ(PrintNumber(0.5), " .5 ");
    EXPECT_EQ(PrintNumber(-2), "-2 ");
    EXPECT_EQ(TrimmedNumber(500), "500");
    EXPECT_EQ(TrimmedNumber(-0.25), "-.25");
    EXPECT_EQ(TrimmedNumber(0), "0");
}

TEST(NumberText, BoxTextHasLeadingZero) {
    EXPECT_EQ(BoxText(0.5), "0.5");
    EXPECT_EQ(BoxText(28), "28");
    EXPECT_EQ(BoxText(-1.25), "-1.25");
    EXPECT_EQ(BoxText(-0.25), "-0.25");
    EXPECT_EQ(BoxText(0), "0");
    EXPECT_EQ(BoxText(-0.0), "0");
    EXPECT_EQ(BoxText(1e20), "1E+20");
    EXPECT_EQ(BoxText(NaN), "0");
}

TEST(NumberText, ValLenientParse) {
    EXPECT_DOUBLE_EQ(Val("5-4"), 5);
    EXPECT_DOUBLE_EQ(Val("1.3E"), 1.3);
    EXPECT_DOUBLE_EQ(Val("1.3E+"), 1.3);
    EXPECT_DOUBLE_EQ(Val(" 1.3 "), 1.3);
    EXPECT_DOUBLE_EQ(Val("\t 1.3"), 1.3);
    EXPECT_DOUBLE_EQ(Val(".5"), 0.5);
    EXPECT_DOUBLE_EQ(Val("-.5"), -0.5);
    EXPECT_DOUBLE_EQ(Val("+2"), 2);
    EXPECT_DOUBLE_EQ(Val("5."), 5);
    EXPECT_DOUBLE_EQ(Val("1e3"), 1000);
    EXPECT_DOUBLE_EQ(Val("1E-2"), 0.01);
    EXPECT_DOUBLE_EQ(Val("1D2"), 100);
    EXPECT_DOUBLE_EQ(Val("1d+2x"), 100);
    EXPECT_DOUBLE_EQ(Val("1.2.3"), 1.2);
    EXPECT_DOUBLE_EQ(Val("12 lbs"), 12);
    EXPECT_DOUBLE_EQ(Val("1,3"), 1);
    EXPECT_EQ(Val("abc"), 0);
    EXPECT_EQ(Val(""), 0);
    EXPECT_EQ(Val("-"), 0);
    EXPECT_EQ(Val("."), 0);
    EXPECT_EQ(Val("-.e5"), 0);
    EXPECT_EQ(Val("True"), 0);
    // Overflow gives 0, never infinity; underflow gives 0.
    EXPECT_EQ(Val("1e400"), 0);
    EXPECT_EQ(Val("-1e400"), 0);
    EXPECT_EQ(Val("1e99999999999999999999"), 0);
    EXPECT_EQ(Val("1e-400"), 0);
    EXPECT_EQ(Val("inf"), 0);
    EXPECT_EQ(Val("nan"), 0);
    // The parse stops at the end of the view, not at a terminator beyond it.
    const std::string buffer = "12345";
    EXPECT_DOUBLE_EQ(Val(std::string_view(buffer).substr(0, 2)), 12);
    const std::string exponentCut = "1e5";
    EXPECT_DOUBLE_EQ(Val(std::string_view(exponentCut).substr(0, 2)), 1);
}

TEST(NumberText, StrNumberRoundTripsThroughVal) {
    const double values[] = {0.1,  -0.5,          1.0 / 3.0, 123.456,  1e-5,   -7.25e-9,
                             1e17, 12345678.9012, 0.0001,    96.03125, -1e300, 2.5e-310};
    for (double v : values) {
        const double back = Val(StrNumber(v));
        EXPECT_NEAR(back, v, std::fabs(v) * 1e-14) << StrNumber(v);
        EXPECT_EQ(StrNumber(back), StrNumber(v));
    }
}

TEST(NumberText, FormatFixedDecimalsAndTails) {
    EXPECT_EQ(FormatNumber(123.4, "0 lbs @"), "123 lbs @");
    EXPECT_EQ(FormatNumber(12.345, "0.00 ft3  CB:"), "12.35 ft3  CB:");
    EXPECT_EQ(FormatNumber(251.6, "0  HS:"), "252  HS:");
    EXPECT_EQ(FormatNumber(5.04, "0.0 kt"), "5.0 kt");
    EXPECT_EQ(FormatNumber(0.30479, "0.000 "), "0.305 ");
    EXPECT_EQ(FormatNumber(12.3, "0.0 in."), "12.3 in.");
    EXPECT_EQ(FormatNumber(-4100.5, "0 ft-lbs"), "-4101 ft-lbs");
    EXPECT_EQ(FormatNumber(30, "0.0 degrees"), "30.0 degrees");
    EXPECT_EQ(FormatNumber(0.5, "0.00"), "0.50");
    EXPECT_EQ(FormatNumber(-0.5, "0.00"), "-0.50");
    EXPECT_EQ(FormatNumber(7, "0"), "7");
    // Halves away from zero on the decimal a person reads.
    EXPECT_EQ(FormatNumber(0.999, "0.00"), "1.00");
    EXPECT_EQ(FormatNumber(2.675, "0.00"), "2.68");
    EXPECT_EQ(FormatNumber(0.125, "0.00"), "0.13");
    EXPECT_EQ(FormatNumber(-1.005, "0.00"), "-1.01");
    EXPECT_EQ(FormatNumber(2.5, "0"), "3");
    EXPECT_EQ(FormatNumber(-2.5, "0"), "-3");
    EXPECT_EQ(FormatNumber(0.5, "0"), "1");
    EXPECT_EQ(FormatNumber(99.95, "0.0"), "100.0");
    EXPECT_EQ(FormatNumber(9.9999, "0.000 "), "10.000 ");
    EXPECT_EQ(FormatNumber(1234.5, "0.0"), "1234.5");
    // Nothing that rounds to zero carries a minus sign.
    EXPECT_EQ(FormatNumber(-0.001, "0.00"), "0.00");
    EXPECT_EQ(FormatNumber(-0.4, "0"), "0");
    EXPECT_EQ(FormatNumber(-0.0, "0.0"), "0.0");
    EXPECT_EQ(FormatNumber(-0.005, "0.00"), "-0.01");
    // Extreme values: every digit, no overflow; non-finite values as 0.
    EXPECT_EQ(FormatNumber(1e20, "0"), "100000000000000000000");
    const std::string huge = FormatNumber(1e300, "0.00");
    EXPECT_EQ(huge.size(), 304u);
    EXPECT_EQ(huge.substr(0, 2), "10");
    EXPECT_EQ(huge.substr(huge.size() - 3), ".00");
    EXPECT_EQ(FormatNumber(-1.7976931348623157e308, "0").size(), 310u);
    EXPECT_EQ(FormatNumber(1e-300, "0.00"), "0.00");
    EXPECT_EQ(FormatNumber(4.9e-324, "0.000 "), "0.000 ");
    EXPECT_EQ(FormatNumber(NaN, "0.00"), "0.00");
    EXPECT_EQ(FormatNumber(-Inf, "0 lbs"), "0 lbs");
}

TEST(NumberText, FormatOptionalDecimals) {
    EXPECT_EQ(FormatNumber(5.5, "0.##"), "5.5");
    EXPECT_EQ(FormatNumber(8, "0.##"), "8");
    EXPECT_EQ(FormatNumber(1.236, "0.##"), "1.24");
    EXPECT_EQ(FormatNumber(0.5, "0.##"), "0.5");
    EXPECT_EQ(FormatNumber(7.999, "0.##"), "8");
    EXPECT_EQ(FormatNumber(-0.001, "0.##"), "0");
    EXPECT_EQ(FormatNumber(-5.375, "0.##"), "-5.38");
    EXPECT_EQ(FormatNumber(1.5, "0.0#"), "1.5");
    EXPECT_EQ(FormatNumber(1.25, "0.0#"), "1.25");
    EXPECT_EQ(FormatNumber(1, "0.0#"), "1.0");
}

TEST(NumberText, WholeNumbers) {
    EXPECT_EQ(IntFloor(2.7), 2);
    EXPECT_EQ(IntFloor(-2.1), -3);
    EXPECT_EQ(IntFloor(-3.0), -3);
    EXPECT_EQ(RoundHalfEven(2.5), 2);
    EXPECT_EQ(RoundHalfEven(3.5), 4);
    EXPECT_EQ(RoundHalfEven(-2.5), -2);
    EXPECT_EQ(RoundHalfEven(-3.5), -4);
    EXPECT_EQ(RoundHalfEven(0.5), 0);
    EXPECT_EQ(RoundHalfEven(0.49999999999999994), 0);
    EXPECT_EQ(RoundHalfEven(2.5000000000000004), 3);
    EXPECT_EQ(RoundHalfEven(-0.7), -1);
    EXPECT_EQ(RoundHalfEven(4503599627370497.0), 4503599627370497);
    const auto maxInt = std::numeric_limits<std::int64_t>::max();
    const auto minInt = std::numeric_limits<std::int64_t>::min();
    for (auto f : {IntFloor, RoundHalfEven}) {
        EXPECT_EQ(f(NaN), 0);
        EXPECT_EQ(f(Inf), maxInt);
        EXPECT_EQ(f(-Inf), minInt);
        EXPECT_EQ(f(1e300), maxInt);
        EXPECT_EQ(f(-1e300), minInt);
        EXPECT_EQ(f(9223372036854775808.0), maxInt);
        EXPECT_EQ(f(-9223372036854775808.0), minInt);
    }
    EXPECT_EQ(IntText(1234), "1234");
    EXPECT_EQ(IntText(-56), "-56");
    EXPECT_EQ(IntText(0), "0");
    EXPECT_EQ(IntText(minInt), "-9223372036854775808");
}

TEST(NumberText, PrintZones) {
    EXPECT_EQ(ZoneLine().NextZone().Text(), std::string(14, ' '));
    EXPECT_EQ(ZoneLine().Add("X in.").Zone("Y in.").Text(),
              "X in." + std::string(9, ' ') + "Y in.");
    // An item that fills its zone exactly is followed by a whole empty zone.
    const std::string full(14, 'a');
    EXPECT_EQ(ZoneLine().Add(full).Zone("b").Text(), full + std::string(14, ' ') + "b");
    // An item longer than a zone pushes the next one to the zone after its end.
    const std::string longer(20, 'a');
    EXPECT_EQ(ZoneLine().Add(longer).Zone("b").Text(), longer + std::string(8, ' ') + "b");
    EXPECT_EQ(ZoneLine().Add("12-2\"x3-0\"").Text(), "12-2\"x3-0\"");
    EXPECT_EQ(ZoneLine().Zone("a").Zone("b").Text().size(), 29u);
}

TEST(NumberText, EighthsAndMillimetres) {
    EXPECT_EQ(EighthsForm("12.38"), "12-3/8");
    EXPECT_EQ(EighthsForm("0.94"), "0-8/8");
    EXPECT_EQ(EighthsForm("-2.50"), "-2-4/8");
    EXPECT_EQ(EighthsForm("1.00"), "1-0/8");
    EXPECT_EQ(EighthsForm("0.00"), "0-0/8");
    EXPECT_EQ(EighthsForm("-0.30"), "-0-2/8");
    EXPECT_EQ(EighthsForm("3.0625"), "3-0/8");
    EXPECT_EQ(EighthsForm("3.1875"), "3-2/8");
    EXPECT_EQ(EighthsForm("7"), "7-0/8");
    EXPECT_EQ(EighthsForm(""), "-0/8");
    EXPECT_EQ(EighthsForm(FormatNumber(0.999, "0.00")), "1-0/8");

    EXPECT_EQ(InchesEighths(12.3), "12-2");
    EXPECT_EQ(InchesEighths(3), "3-0");
    EXPECT_EQ(InchesEighths(12.9375), "12-8");
    EXPECT_EQ(InchesEighths(12.0625), "12-0");
    EXPECT_EQ(InchesEighths(12.1875), "12-2");
    EXPECT_EQ(InchesEighths(-2.3), "-2-2");
    EXPECT_EQ(InchesEighths(-0.3), "-0-2");
    EXPECT_EQ(InchesEighths(0), "0-0");
    EXPECT_EQ(InchesEighths(NaN), "0-0");
    EXPECT_EQ(InchesEighths(1e300), "9223372036854775807-0");

    EXPECT_EQ(MillimetresText(12.3), "312");
    EXPECT_EQ(MillimetresText(3), "76");
    EXPECT_EQ(MillimetresText(12), "305");
    EXPECT_EQ(MillimetresText(-1), "-25");
    EXPECT_EQ(MillimetresText(NaN), "0");
}

TEST(NumberText, ShopNotationEntry) {
    EXPECT_DOUBLE_EQ(ParseEntry("5-4"), 5.5);
    EXPECT_DOUBLE_EQ(ParseEntry("5-4+"), 5.5625);
    EXPECT_DOUBLE_EQ(ParseEntry("5-4-"), 5.4375);
    EXPECT_DOUBLE_EQ(ParseEntry("5-"), 4.9375);
    EXPECT_DOUBLE_EQ(ParseEntry("-4"), 0.5);
    EXPECT_DOUBLE_EQ(ParseEntry("5.75"), 5.75);
    EXPECT_DOUBLE_EQ(ParseEntry("12-3"), 12.375);
    EXPECT_DOUBLE_EQ(ParseEntry("5+"), 5);
    EXPECT_DOUBLE_EQ(ParseEntry(""), 0);
    EXPECT_DOUBLE_EQ(ParseEntry("-"), -0.0625);
    EXPECT_DOUBLE_EQ(ParseEntry("abc"), 0);
}

TEST(NumberText, DateAndTime) {
    std::tm when{};
    when.tm_year = 2024 - 1900;
    when.tm_mon = 2;
    when.tm_mday = 7;
    when.tm_hour = 9;
    when.tm_min = 5;
    when.tm_sec = 3;
    EXPECT_EQ(DateText(when), "03-07-2024");
    EXPECT_EQ(TimeText(when), "09:05:03");
    const std::tm now = LocalNow();
    EXPECT_EQ(DateText(now).size(), 10u);
    EXPECT_EQ(TimeText(now).size(), 8u);
}

// A decimal-comma locale must change neither the print form nor the parse.
TEST(NumberText, IndependentOfLocale) {
    const char* previous = std::setlocale(LC_ALL, nullptr);
    const std::string saved = previous ? previous : "C";
    const char* names[] = {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "fr_FR.utf8", "de_DE"};
    bool set = false;
    for (const char* name : names) {
        if (std::setlocale(LC_ALL, name) != nullptr) {
            set = true;
            break;
        }
    }
    if (!set) {
        GTEST_SKIP() << "no decimal-comma locale installed";
    }
    const std::string str = StrNumber(1.5);
    const std::string fmt = FormatNumber(2.675, "0.00");
    const double parsed = Val("1.25");
    const std::string box = BoxText(-0.5);
    std::setlocale(LC_ALL, saved.c_str());
    EXPECT_EQ(str, " 1.5");
    EXPECT_EQ(fmt, "2.68");
    EXPECT_DOUBLE_EQ(parsed, 1.25);
    EXPECT_EQ(box, "-0.5");
}

} // namespace
} // namespace merrowin
