#include "model/wing_name.h"

#include <gtest/gtest.h>

namespace ab {
namespace {

TEST(WingName, KeepsOneLineWithoutTagStartAndAtMostSixtyCharacters)
{
    const std::string sixtyUmlauts = [] {
        std::string s;
        for (int i = 0; i < MaxWingNameLength; ++i)
            s += "ö";
        return s;
    }();
    const struct {
        std::string typed, stored;
    } cases[] = {
        {"Tailplane", "Tailplane"},
        {"", ""},
        {"a<b", "a(b"},
        {"line\nbreak\r\ttab\x7F", "line break  tab "},
        {"  kept blanks ", "  kept blanks "},
        {std::string(61, 'x'), std::string(60, 'x')},
        {sixtyUmlauts + "ü", sixtyUmlauts}, // cut by characters, never inside one
        {"\xF6", "\xF6"},                  // not UTF-8: kept byte for byte
    };
    for (const auto& c : cases) {
        EXPECT_EQ(storedWingName(c.typed), c.stored) << c.typed;
        EXPECT_EQ(storedWingName(c.stored), c.stored) << "storing twice changes nothing: " << c.typed;
    }
}

TEST(WingName, ShortensWithAnEllipsisWithinTheCharactersGiven)
{
    const struct {
        const char* text;
        int characters;
        const char* shortened;
    } cases[] = {
        {"Tailplane", 9, "Tailplane"},
        {"Tailplane", 8, "Tailpla…"},
        {"Main wing left", 11, "Main wing…"}, // no blank before the ellipsis
        {"Höhenleitwerk", 5, "Höhe…"},
        {"ab", 1, "…"},
        {"ab", 0, ""},
        {"", 3, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(shortenedText(c.text, c.characters), c.shortened) << c.text << " " << c.characters;
    EXPECT_EQ(shownWingName("  Canard \t"), "Canard");
    EXPECT_EQ(shownWingName("   "), "");
}

} // namespace
} // namespace ab
