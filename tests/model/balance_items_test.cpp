// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/balance_items.h"

#include <gtest/gtest.h>

namespace ab {
namespace {

using P = EntryProblem;

// Every figure a user types is used as typed or flagged: a mass or x that is not one decimal number
// counts as 0 g, and a margin that is not one from 0 to 50 % leaves the margin in use as it was.
TEST(BalanceReading, FiguresAreReadAsTypedOrFlagged)
{
    struct Case {
        DecimalReading (*read)(std::string_view);
        const char* text;
        double value;
        EntryProblem problem;
    };
    const auto mass = readMassGrams, x = readPositionMm;
    const Case cases[] = {
        {mass, "120", 120, P::None},      {mass, " 12,5 ", 12.5, P::None},  {mass, "1e3", 1000, P::None},
        {mass, "-0", 0, P::None},         {mass, "1e7", 1e7, P::None},      {mass, "12.", 12, P::None},
        {mass, "", 0, P::Empty},          {mass, "  ", 0, P::Empty},        {mass, "abc", 0, P::NotANumber},
        {mass, "4x12", 0, P::NotANumber}, {mass, "1O5", 0, P::NotANumber},  {mass, "8.0.5", 0, P::NotANumber},
        {mass, "12abc", 0, P::NotANumber}, {mass, "12 g", 0, P::NotANumber}, {mass, "1,234.5", 0, P::NotANumber},
        {mass, "1e", 0, P::NotANumber},   {mass, "nan", 0, P::NotANumber},  {mass, ".", 0, P::NotANumber},
        {mass, "-5", 0, P::Negative},     {mass, "10000001", 0, P::OutOfRange}, {mass, "1e999", 0, P::OutOfRange},
        {x, "-150", -150, P::None},       {x, "-60.5", -60.5, P::None},     {x, "84.5", 84.5, P::None},
        {x, "-150,6", -150.6, P::None},   {x, "-0.4", -0.4, P::None},       {x, "front", 0, P::NotANumber},
        {x, "-2O5", 0, P::NotANumber},    {x, "999999", 999999, P::None},   {x, "-1e6", 0, P::OutOfRange},
    };
    for (const Case& c : cases) {
        const DecimalReading r = c.read(c.text);
        EXPECT_EQ(r.problem, c.problem) << '"' << c.text << '"';
        EXPECT_DOUBLE_EQ(r.value, c.value) << '"' << c.text << '"';
    }

    const struct {
        const char* text;
        bool valid;
        double percent;
    } margins[] = {
        {"7.5", true, 7.5},  {"7,5", true, 7.5},  {" 12,25", true, 12.25}, {",5", true, 0.5},   {"0", true, 0},
        {"50", true, 50},    {" 7.5", true, 7.5}, {"abc", false, 0},       {"", false, 0},      {"7,5,3", false, 0},
        {"1e12", false, 0},  {"1e300", false, 0}, {"1e308", false, 0},     {"-0.5", false, 0},  {"50.01", false, 0},
        {"12%", false, 0},
    };
    for (const auto& m : margins) {
        const MarginReading r = readMargin(m.text);
        EXPECT_EQ(r.valid, m.valid) << '"' << m.text << '"';
        EXPECT_DOUBLE_EQ(r.percent, m.percent) << '"' << m.text << '"';
    }
}

TEST(BalanceReading, TablesKeepTheirFirstHundredRowsAndSixtyCharactersOfEachName)
{
    std::string twoByteName; // 61 characters of two bytes each: never cut inside one
    for (int i = 0; i <= MaxBalanceNameLength; ++i)
        twoByteName += "ö";
    struct Case {
        int rows, longNames, itemsLeftOut, namesShortened;
    };
    for (const Case& c : {Case{0, 0, 0, 0}, Case{100, 0, 0, 0}, Case{101, 0, 1, 0}, Case{250, 3, 150, 3}}) {
        std::vector<BalanceItemTexts> rows(static_cast<std::size_t>(c.rows), BalanceItemTexts{"Servo", "9", "120"});
        for (int i = 0; i < c.longNames; ++i)
            rows[static_cast<std::size_t>(i)].name = twoByteName;
        const BalanceCut cut = limitBalanceItems(rows);
        EXPECT_EQ(cut.itemsLeftOut, c.itemsLeftOut) << c.rows;
        EXPECT_EQ(cut.namesShortened, c.namesShortened) << c.rows;
        ASSERT_EQ(rows.size(), static_cast<std::size_t>(std::min(c.rows, MaxBalanceItems)));
        if (c.longNames > 0) {
            EXPECT_EQ(rows[0].name, twoByteName.substr(0, 2 * MaxBalanceNameLength));
        }
    }
}

} // namespace
} // namespace ab
