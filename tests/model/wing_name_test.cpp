// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/wing_name.h"

#include <gtest/gtest.h>

namespace ab {
namespace {

// What the file tests cannot see: characters are counted, never split, whether cut to be stored
// or shortened for a caption.
TEST(WingName, CutsAndShortensByCharacters)
{
    std::string sixty;
    for (int i = 0; i < MaxWingNameLength; ++i)
        sixty += "ö";
    EXPECT_EQ(storedWingName(sixty + "ü"), sixty);
    EXPECT_EQ(storedWingName("\xF6<\t"), "\xF6<\t"); // not UTF-8: kept byte for byte

    const struct {
        const char* text;
        int characters;
        const char* shortened;
    } cases[] = {
        {"Tailplane", 9, "Tailplane"},     {"Tailplane", 8, "Tailpla…"}, {"Main wing left", 11, "Main wing…"},
        {"Höhenleitwerk", 5, "Höhe…"},     {"ab", 1, "…"},              {"ab", 0, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(shortenedText(c.text, c.characters), c.shortened) << c.text << " " << c.characters;
}

} // namespace
} // namespace ab
