// SPDX-License-Identifier: MIT
#include "TextValue.h"
#include "Format.h"
#include "LocaleNames.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <string>

namespace quorvane {
namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

struct Reading {
    const char* name;
    std::string text;
    double value;
};

void ExpectReadings(std::initializer_list<Reading> rows)
{
    for (const Reading& row : rows) {
        SCOPED_TRACE(row.name);
        SCOPED_TRACE("text \"" + row.text + "\"");
        EXPECT_EQ(TextValue(row.text), row.value);
    }
}

TEST(TextValue, ReadsSignDigitsPointAndExponent)
{
    ExpectReadings({
        {"plain", "12", 12},
        {"plus sign", "+7", 7},
        {"minus sign", "-5", -5},
        {"fraction", "2.5", 2.5},
        {"leading point", ".5", 0.5},
        {"trailing point", "5.", 5},
        {"signed leading point", "-.5", -0.5},
        {"exponent e", "1e3", 1000},
        {"exponent E", "1E3", 1000},
        {"exponent plus", "1e+2", 100},
        {"exponent minus", "1e-2", 0.01},
        {"fraction with exponent", "2.5e1", 25},
        {"everything", "+.5e1", 5},
        {"leading zeros", "000000000000000000000000000001", 1},
        {"many digits", "123456789012345678901234567890", 123456789012345678901234567890.0},
    });
}

TEST(TextValue, IgnoresSpacesAndTabsAnywhere)
{
    ExpectReadings({
        {"between digits", "1 5", 15},
        {"around", "  12\t ", 12},
        {"after the sign", "- 5", -5},
        {"tab after the sign", "\t+\t7", 7},
        {"around the point", "1 . 5", 1.5},
        {"around the exponent", "1 e 3", 1000},
        {"inside the exponent", "1e -\t2", 0.01},
        {"blanks only", " \t ", 0},
    });
}

TEST(TextValue, StopsAtTheFirstCharacterThatCannotContinue)
{
    ExpectReadings({
        {"letter after digits", "12x", 12},
        {"digits after a letter", "12x34", 12},
        {"comma is no decimal point", "1,5", 1},
        {"second point", "1.2.3", 1.2},
        {"double point", "1..5", 1},
        {"second sign", "1-2", 1},
        {"point in the exponent", "1e3.5", 1000},
        {"exponent without digits", "1e", 1},
        {"exponent with a sign only", "1e+", 1},
        {"exponent letter twice", "1ee3", 1},
        {"other exponent letter", "1d3", 1},
        {"hexadecimal prefix", "0x10", 0},
        {"hexadecimal float", "0x1p3", 0},
        {"newline is no blank", "1\n2", 1},
    });
}

TEST(TextValue, TextThatDoesNotBeginWithANumberIsZero)
{
    ExpectReadings({
        {"empty", "", 0},
        {"letters", "abc", 0},
        {"infinity word", "inf", 0},
        {"infinity word long", "infinity", 0},
        {"not a number word", "nan", 0},
        {"point alone", ".", 0},
        {"minus alone", "-", 0},
        {"plus alone", "+", 0},
        {"two signs", "+-7", 0},
        {"exponent alone", "e3", 0},
        {"point then exponent", ".e3", 0},
    });
}

TEST(TextValue, HugeAndTinyValues)
{
    ExpectReadings({
        {"thousand", "1e3", 1000},
        {"nine billion", "9e9", 9e9},
        {"minus nine billion", "-9e9", -9e9},
        {"beyond double", "1e400", kInfinity},
        {"beyond double, negative", "-1e400", -kInfinity},
        {"beyond double by the mantissa", "0.0001e400", kInfinity},
        {"enormous exponent", "1e99999999999999999999", kInfinity},
        {"below double", "1e-400", 0},
        {"below double by the mantissa", "100000e-400", 0},
        {"enormous negative exponent", "1e-99999999999999999999", 0},
        {"zero with a huge exponent", "0e400", 0},
        {"zero fraction with a huge exponent", "0.000e999", 0},
    });
}

// Correct rounding on every build (native, Windows, WebAssembly), where the
// system's own conversions differ most: halfway cases, the last digits of long
// texts, the edges of a double's range.
TEST(TextValue, RoundsCorrectlyAtTheHardCases)
{
    ExpectReadings({
        {"2^53 + 1, halfway, to even", "9007199254740993", 9007199254740992.0},
        {"just above halfway", "9007199254740993.0000000001", 9007199254740994.0},
        {"2^53 + 3, halfway, to even", "9007199254740995", 9007199254740996.0},
        {"ten to the 23", "1e23", 1e23},
        {"a tenth", "0.1", 0.1},
        {"many fraction digits", "0.30000000000000004440892098500626", 0.30000000000000004},
        {"largest double", "1.7976931348623157e308", std::numeric_limits<double>::max()},
        {"past the largest by half an ulp", "1.7976931348623159e308", kInfinity},
        {"smallest subnormal", "4.9406564584124654e-324",
         std::numeric_limits<double>::denorm_min()},
        {"below half the smallest subnormal", "2.4e-324", 0},
        {"point moved into the exponent", "123.456e-1", 12.3456},
    });
}

TEST(FormatWhole, WritesEveryDoubleAsItsRoundedDigits)
{
    const struct {
        double value;
        const char* text;
    } rows[] = {
        {0, "0"},
        {255, "255"},
        {4294967296.0, "4294967296"},
        {0x1p53 + 2, "9007199254740994"},
        {1e23, "99999999999999991611392"},
        {0x1p100, "1267650600228229401496703205376"},
        {0.5, "0"},
        {2.5, "2"},
        {3.5, "4"},
        {2.4999, "2"},
        {-3, "-3"},
        {kInfinity, "inf"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(FormatWhole(row.value), row.text);
    }
}

TEST(FormatPercent, OneDecimalInItsShortestFormWithTheGivenPoint)
{
    const struct {
        double percent;
        const char* point;
        const char* text;
    } rows[] = {
        {100, ".", "100%"},   {48.75, ".", "48.8%"}, {48.75, ",", "48,8%"}, {0.04, ".", "0%"},
        {99.96, ".", "100%"}, {12.25, ".", "12.3%"}, {50.0, ",", "50%"},    {0.05, ".", "0.1%"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(FormatPercent(row.percent, row.point), row.text);
    }
}

TEST(RoundHalfEven, RoundsToNearestAndHalvesToEven)
{
    const struct {
        double value;
        double rounded;
    } rows[] = {
        {0, 0},
        {0.4, 0},
        {0.5, 0},
        {1.5, 2},
        {2.5, 2},
        {3.5, 4},
        {2.4999, 2},
        {2.5001, 3},
        {-0.5, 0},
        {-1.5, -2},
        {-2.5, -2},
        {-2.6, -3},
        {255.5, 256},
        {254.5, 254},
        {9e9, 9e9},
        {1e300, 1e300},
        {kInfinity, kInfinity},
        {-kInfinity, -kInfinity},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.value);
        EXPECT_EQ(RoundHalfEven(row.value), row.rounded);
    }
}

// A locale with a decimal comma must not change how a box is read.
class TextValueUnderLocale : public ::testing::TestWithParam<const char*> {
protected:
    void TearDown() override { std::setlocale(LC_ALL, "C"); }
};

TEST_P(TextValueUnderLocale, StillReadsAPointAsTheDecimalPoint)
{
    if (std::setlocale(LC_ALL, GetParam()) == nullptr) {
        GTEST_SKIP() << GetParam() << " is not installed";
    }
    EXPECT_EQ(TextValue("2.5"), 2.5);
    EXPECT_EQ(RoundHalfEven(TextValue("2.5")), 2);
    EXPECT_EQ(TextValue("1,5"), 1);
    EXPECT_EQ(TextValue("1.5e1"), 15);
}

INSTANTIATE_TEST_SUITE_P(DecimalComma, TextValueUnderLocale,
                         ::testing::Values(locale_names::kGerman, locale_names::kFrench),
                         [](const auto& info) { return std::string(info.param).substr(0, 5); });

} // namespace
} // namespace quorvane
