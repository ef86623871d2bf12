#include "model/balance_items.h"

#include <gtest/gtest.h>

#include <random>

namespace ab {
namespace {

using P = EntryProblem;

struct ReadCase {
    const char* text;
    double value;
    EntryProblem problem;
};

TEST(BalanceReading, MassesReadLenientlyAndFlagWhatCountsAsZero)
{
    const ReadCase cases[] = {
        {"120", 120, P::None},         {" 12.5", 12.5, P::None},      {"12,5", 12.5, P::None},
        {"12 g", 12, P::None},         {"0", 0, P::None},             {".5", 0.5, P::None},
        {"1e3", 1000, P::None},        {"1.5e", 1.5, P::None},        {"1,234.5", 1, P::None},
        {"", 0, P::Empty},             {"   ", 0, P::Empty},          {"abc", 0, P::NotANumber},
        {"g12", 0, P::NotANumber},     {"-", 0, P::NotANumber},       {".", 0, P::NotANumber},
        {"-5", 0, P::Negative},        {"-0.1", 0, P::Negative},      {"-0", 0, P::None},
        {"1e7", 1e7, P::None},         {"10000001", 0, P::OutOfRange}, {"1e999", 0, P::OutOfRange},
        {"nan", 0, P::NotANumber},     {"inf", 0, P::NotANumber},
    };
    for (const ReadCase& c : cases) {
        const DecimalReading r = readMassGrams(c.text);
        EXPECT_EQ(r.problem, c.problem) << '"' << c.text << '"';
        EXPECT_DOUBLE_EQ(r.value, c.value) << '"' << c.text << '"';
    }
}

TEST(BalanceReading, PositionsAreWholeMillimetresOnEitherSideOfTheDatum)
{
    const ReadCase cases[] = {
        {"-150", -150, P::None},  {"85.4", 85, P::None},        {"85.5", 86, P::None},
        {"84.5", 84, P::None},    {"-150,6", -151, P::None},    {"-0.4", 0, P::None},
        {"", 0, P::Empty},        {"front", 0, P::NotANumber},  {"999999", 999999, P::None},
        {"1e6", 0, P::OutOfRange}, {"-1000000", 0, P::OutOfRange},
    };
    for (const ReadCase& c : cases) {
        const DecimalReading r = readPositionMm(c.text);
        EXPECT_EQ(r.problem, c.problem) << '"' << c.text << '"';
        EXPECT_DOUBLE_EQ(r.value, c.value) << '"' << c.text << '"';
    }
    // The sign stays with the margin: readDecimal leaves negatives to its caller.
    EXPECT_DOUBLE_EQ(readDecimal("-2.5").value, -2.5);
    EXPECT_EQ(readDecimal("-2.5").problem, P::None);
}

TEST(BalanceReading, ShortestNumberTextReadsBackExactly)
{
    EXPECT_EQ(shortestNumberText(7.5), "7.5");
    EXPECT_EQ(shortestNumberText(120), "120");
    EXPECT_EQ(shortestNumberText(-0.0), "0");
    std::mt19937 random(16);
    std::uniform_real_distribution<double> any(-1e9, 1e9);
    for (int i = 0; i < 1000; ++i) {
        const double v = any(random) / (1 << (i % 30));
        EXPECT_EQ(readDecimal(shortestNumberText(v)).value, v);
    }
}

TEST(BalanceLimits, NamesAreCutByCharactersNeverInsideOne)
{
    EXPECT_EQ(firstCharacters("Motor", 60), "Motor");
    EXPECT_EQ(firstCharacters("Empfänger", 6), "Empfän");
    EXPECT_EQ(firstCharacters("ääää", 2), "ää");
    EXPECT_EQ(firstCharacters("€€€", 0), "");
    EXPECT_EQ(firstCharacters(std::string(61, 'x'), 60), std::string(60, 'x'));
}

TEST(BalanceLimits, TablesKeepTheirFirstHundredRowsAndSixtyCharactersOfEachName)
{
    struct Case {
        int rows;
        int longNames; // names of 61 characters (each a two-byte character)
        int itemsLeftOut, namesShortened;
    };
    const Case cases[] = {{0, 0, 0, 0}, {100, 0, 0, 0}, {101, 0, 1, 0}, {250, 3, 150, 3}, {5, 5, 0, 5}};
    for (const Case& c : cases) {
        std::vector<BalanceItemTexts> rows(static_cast<std::size_t>(c.rows), BalanceItemTexts{"Servo", "9", "120"});
        std::string longName;
        for (int i = 0; i < MaxBalanceNameLength + 1; ++i)
            longName += "ö";
        for (int i = 0; i < c.longNames; ++i)
            rows[static_cast<std::size_t>(i)].name = longName;
        const BalanceCut cut = limitBalanceItems(rows);
        EXPECT_EQ(cut.itemsLeftOut, c.itemsLeftOut) << c.rows;
        EXPECT_EQ(cut.namesShortened, c.namesShortened) << c.rows;
        EXPECT_EQ(cut.any(), c.itemsLeftOut + c.namesShortened > 0);
        ASSERT_EQ(rows.size(), static_cast<std::size_t>(std::min(c.rows, MaxBalanceItems)));
        for (const BalanceItemTexts& row : rows)
            EXPECT_LE(row.name.size(), 2u * MaxBalanceNameLength);
    }
}

} // namespace
} // namespace ab
