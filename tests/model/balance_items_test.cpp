#include "model/balance_items.h"

#include <gtest/gtest.h>

namespace ab {
namespace {

using P = EntryProblem;

TEST(BalanceReading, FiguresReadLenientlyAndFlagWhatCountsAsZero)
{
    struct Case {
        DecimalReading (*read)(std::string_view);
        const char* text;
        double value;
        EntryProblem problem;
    };
    const auto mass = readMassGrams, x = readPositionMm;
    const Case cases[] = {
        {mass, "120", 120, P::None},      {mass, " 12,5", 12.5, P::None},   {mass, "12 g", 12, P::None},
        {mass, "1,234.5", 1, P::None},    {mass, "1e3", 1000, P::None},     {mass, "-0", 0, P::None},
        {mass, "", 0, P::Empty},          {mass, "  ", 0, P::Empty},        {mass, "abc", 0, P::NotANumber},
        {mass, "nan", 0, P::NotANumber},  {mass, ".", 0, P::NotANumber},    {mass, "-5", 0, P::Negative},
        {mass, "1e7", 1e7, P::None},      {mass, "10000001", 0, P::OutOfRange}, {mass, "1e999", 0, P::OutOfRange},
        {x, "-150", -150, P::None},       {x, "85.5", 86, P::None},         {x, "84.5", 84, P::None},
        {x, "-150,6", -151, P::None},     {x, "-0.4", 0, P::None},          {x, "front", 0, P::NotANumber},
        {x, "999999", 999999, P::None},   {x, "-1e6", 0, P::OutOfRange},
    };
    for (const Case& c : cases) {
        const DecimalReading r = c.read(c.text);
        EXPECT_EQ(r.problem, c.problem) << '"' << c.text << '"';
        EXPECT_DOUBLE_EQ(r.value, c.value) << '"' << c.text << '"';
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
