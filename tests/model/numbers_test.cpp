// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/numbers.h"

#include <gtest/gtest.h>

#include <string>

namespace ab {
namespace {

struct IntCase {
    const char* text;
    std::int32_t value;
};

TEST(LenientInt, ReadsFieldTextsLikeTheFieldsDo)
{
    const IntCase cases[] = {
        {"335", 335},       {"-190", -190},     {"+42", 42},       {"   17", 17},    {"", 0},
        {"-", 0},           {"+", 0},           {"12a", 12},       {"-12a", 12},    {"1.5", 1},
        {"-1.5", 1},        {"12 ", 12},        {"abc", 0},        {"  -7", -7},    {"007", 7},
        {"$1F", 31},        {"x10", 16},        {"X10", 16},       {"0x1f", 31},    {"0XfF", 255},
        {"$", 0},           {"0x", 0},          {"$1G", 1},        {"-0x10", 0},    {"+$10", 0},
        {"0", 0},           {" 0", 0},          {"2147483647", 2147483647},
        {"-2147483648", INT32_MIN},
    };
    for (const IntCase& c : cases)
        EXPECT_EQ(parseLenientInt(c.text), c.value) << '"' << c.text << '"';
}

TEST(LenientInt, StopsBeforeTheDigitThatWouldOverflow)
{
    EXPECT_EQ(parseLenientInt("2147483648"), 214748364);
    EXPECT_EQ(parseLenientInt("-2147483649"), 214748364);
    EXPECT_EQ(parseLenientInt("9999999999999999999999999999999999999999"), 999999999);
    EXPECT_EQ(parseLenientInt("$FFFFFFFF"), 0xFFFFFFF);
    EXPECT_EQ(parseLenientInt(std::string(100000, '7')), 777777777);
}

TEST(LenientReal, ReadsMarginAndResultTexts)
{
    EXPECT_DOUBLE_EQ(parseLenientReal("7.5"), 7.5);
    EXPECT_DOUBLE_EQ(parseLenientReal("  -2.25x"), -2.25);
    EXPECT_DOUBLE_EQ(parseLenientReal("+3"), 3.0);
    EXPECT_DOUBLE_EQ(parseLenientReal(".5"), 0.5);
    EXPECT_DOUBLE_EQ(parseLenientReal("5."), 5.0);
    EXPECT_DOUBLE_EQ(parseLenientReal("2.5e3"), 2500.0);
    EXPECT_DOUBLE_EQ(parseLenientReal("2.5E-1mm"), 0.25);
    EXPECT_DOUBLE_EQ(parseLenientReal("2.5e"), 2.5);
    EXPECT_DOUBLE_EQ(parseLenientReal("2.5e+"), 2.5);
    EXPECT_DOUBLE_EQ(parseLenientReal("1.2.3"), 1.2);
    EXPECT_EQ(parseLenientReal(""), 0.0);
    EXPECT_EQ(parseLenientReal("abc"), 0.0);
    EXPECT_EQ(parseLenientReal("-."), 0.0);
    EXPECT_EQ(parseLenientReal("1e999"), 0.0);
    EXPECT_EQ(parseLenientReal(std::string(100000, '9')), 0.0);
}

// Numbers another program wrote: the whole token or nothing, a plus sign allowed.
TEST(StrictReal, ReadsWholeTokensOrRefuses)
{
    EXPECT_EQ(parseStrictReal("+0.1"), 0.1);
    EXPECT_EQ(parseStrictReal("-.25"), -0.25);
    EXPECT_EQ(parseStrictReal("2.0D-2", "dD"), 0.02);
    for (const char* bad : {"", "+", "+-1", "--1", "1.5mm", "0x10", "1e999", "nan", "inf", "2.0D-2"})
        EXPECT_FALSE(parseStrictReal(bad)) << bad;
}

struct FixedCase {
    double value;
    int decimals, width;
    const char* text;
};

TEST(FixedText, RoundsExactHalvesAwayFromZero)
{
    const FixedCase cases[] = {
        {0.125, 2, 0, "0.13"},   {-0.125, 2, 0, "-0.13"}, {2.5, 0, 0, "3"},      {-2.5, 0, 0, "-3"},
        {0.5, 0, 0, "1"},        {1.5, 0, 0, "2"},        {0.25, 1, 0, "0.3"},   {0.35, 1, 0, "0.3"},
        {0.45, 1, 0, "0.5"},     {9.95, 1, 0, "9.9"},     {9.96, 1, 0, "10.0"},  {99.5, 0, 0, "100"},
        {1e20, 0, 0, "100000000000000000000"},            {0.0, 1, 4, " 0.0"},   {5, 1, 4, " 5.0"},
        {-0.04, 1, 0, "0.0"},    {-0.05, 1, 0, "-0.1"},   {12345.6, 1, 4, "12345.6"},
        {6.7, 1, 5, "  6.7"},    {273456.78, 1, 4, "273456.8"},
    };
    for (const FixedCase& c : cases)
        EXPECT_EQ(formatFixed(c.value, c.decimals, c.width), c.text) << c.value << " with " << c.decimals;
}

TEST(FixedText, NeverPrintsALocaleSeparatorOrGarbageForNonFiniteValues)
{
    EXPECT_EQ(formatFixed(1234.5, 2, 0).find(','), std::string::npos);
    EXPECT_EQ(formatFixed(std::nan(""), 1, 4), " NAN");
    EXPECT_EQ(formatFixed(-HUGE_VAL, 1, 0), "-INF");
    EXPECT_EQ(formatFixed(1.7976931348623157e308, 0, 0).size(), 309u);
}

TEST(Rounding, RoundHalvesToEvenTruncDropsTheFraction)
{
    EXPECT_EQ(RoundInt(2.5), 2);
    EXPECT_EQ(RoundInt(3.5), 4);
    EXPECT_EQ(RoundInt(-2.5), -2);
    EXPECT_EQ(RoundInt(2.6), 3);
    EXPECT_EQ(Trunc(2.9), 2);
    EXPECT_EQ(Trunc(-2.9), -2);
}

} // namespace
} // namespace ab
