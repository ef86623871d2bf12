// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/field_reading.h"
#include "model/numbers.h"
#include "model/planform.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <string>

namespace ab {
namespace {

struct FlagCase {
    const char* text;
    bool flagged;
    std::int32_t value;
};

TEST(FieldReading, FlagsEveryTextNotReadAsTyped)
{
    const FlagCase cases[] = {
        // clean: the value is the number written
        {"220", false, 220},      {" 220", false, 220},     {"220 ", false, 220},  {"  -80", false, -80},
        {"+5", false, 5},         {"-0", false, 0},         {"012", false, 12},    {"220.0", false, 220},
        {"220.", false, 220},     {".0", false, 0},         {"0", false, 0},       {"2147483647", false, INT32_MAX},
        {"-2147483648", false, INT32_MIN},
        // typing mistakes: read as far as the reading went
        {"22O", true, 22},        {"220.5", true, 220},     {"220,5", true, 220},  {"abc", true, 0},
        {"", true, 0},            {" ", true, 0},           {"-", true, 0},        {"+", true, 0},
        {".", true, 0},           {"12 mm", true, 12},      {"2e3", true, 2},      {"1 000", true, 1},
        {".5", true, 0},          {"220.05", true, 220},    {"O22", true, 0},      {"--5", true, 0},
        // the sign is lost where the reading stops early
        {"-80 ", true, 80},       {"-80x", true, 80},       {"-5.0", true, 5},     {"-5.", true, 5},
        {"-2147483648 ", true, INT32_MAX},
        // hexadecimal forms read whole, but not as anybody means a length
        {"$10", true, 16},        {"x12", true, 18},        {"X12", true, 18},     {"0x1F", true, 31},
        // beyond 32 bits only the leading digits are read
        {"2147483648", true, 214748364}, {"-2147483649", true, 214748364},
        // white space the reading does not skip
        {"\t220", true, 0},       {"220\t", true, 220},     {"\xc2\xa0" "5", true, 0},
    };
    for (const FlagCase& c : cases) {
        const FieldReading r = readLengthField(c.text, Role::TipOffset1);
        EXPECT_EQ(r.flagged, c.flagged) << '"' << c.text << '"';
        EXPECT_EQ(r.value, c.value) << '"' << c.text << '"';
        EXPECT_EQ(r.value, parseLenientInt(c.text)) << '"' << c.text << '"';
    }
}

// Root gap, chords and widths are used as magnitudes: a sign typed there is not read as typed, and
// the value the field reports is the one the wing is evaluated with. Positions and offsets keep it.
TEST(FieldReading, ASignIsFlaggedWhereTheMagnitudeIsUsed)
{
    struct Row {
        Role role;
        const char* text;
        bool flagged;
        std::int32_t value;
    };
    const Row rows[] = {
        {widthRole(1), "-350", true, 350},       {Role::RootChord, "-80", true, 80},
        {Role::RootGap, "-5", true, 5},          {tipChordRole(4), "-2147483648", true, INT32_MAX},
        {widthRole(2), "-0", false, 0},          {Role::RootChord, "+80", false, 80},
        {tipOffsetRole(3), "-131", false, -131}, {Role::PosX, "-400", false, -400},
        {Role::PosZ, "-190", false, -190},
    };
    for (const Row& r : rows) {
        const FieldReading reading = readLengthField(r.text, r.role);
        EXPECT_EQ(reading.flagged, r.flagged) << r.text;
        EXPECT_EQ(reading.value, r.value) << r.text;
        AircraftTexts texts = defaultAircraftTexts();
        texts.wing[1][r.role] = r.text;
        const Wing wing = readWing(texts.wing[1]);
        const std::int32_t used = r.role == Role::PosX    ? wing.posX
                                  : r.role == Role::PosZ  ? wing.posZ
                                  : r.role == Role::RootGap ? wing.rootGap
                                  : r.role == Role::RootChord ? wing.rootChord
                                  : r.role == widthRole(1) ? wing.trapezoids[1].width
                                  : r.role == widthRole(2) ? wing.trapezoids[2].width
                                  : r.role == tipChordRole(4) ? wing.trapezoids[4].tipChord
                                                           : wing.trapezoids[3].tipOffset;
        EXPECT_EQ(used, r.value) << r.text;
    }
}

// A text of digits, signs, points and blanks is clean exactly when, blanks aside, it is one decimal
// number (as the C library reads it) equal to the value read. Catches any disagreement between the
// flag rule and what the reading really gives.
TEST(FieldReading, CleanExactlyWhenTheWrittenNumberIsTheValueRead)
{
    std::mt19937 random(17);
    const std::string alphabet = " 0123456789+-.";
    std::uniform_int_distribution<int> length(0, 12), pick(0, static_cast<int>(alphabet.size()) - 1);
    for (int n = 0; n < 20000; ++n) {
        std::string text;
        for (int k = length(random); k > 0; --k)
            text += alphabet[static_cast<std::size_t>(pick(random))];
        const std::size_t first = text.find_first_not_of(' ');
        const std::size_t last = text.find_last_not_of(' ');
        bool writesValue = false;
        if (first != std::string::npos) {
            const std::string trimmed = text.substr(first, last - first + 1);
            char* end = nullptr;
            const double written = std::strtod(trimmed.c_str(), &end);
            writesValue = end == trimmed.c_str() + trimmed.size() &&
                          trimmed.find_first_of("0123456789") != std::string::npos &&
                          written == static_cast<double>(parseLenientInt(text));
        }
        EXPECT_EQ(readLengthField(text, Role::PosX).flagged, !writesValue) << '"' << text << '"';
    }
}


TEST(FieldReading, DihedralAnglesAreDecimalsHeldWithinSixtyDegrees)
{
    struct Case {
        const char* text;
        double degrees;
        bool flagged;
    };
    const Case cases[] = {
        {"", 0, false},      {"  ", 0, false},   {"40", 40, false},     {"-7.5", -7.5, false},
        {"2,5", 2.5, false}, {"60", 60, false},  {"75", 60, true},      {"-90", -60, true},
        {"4O", 0, true},     {"5 deg", 0, true}, {"1e400", 0, true},
    };
    for (const Case& c : cases) {
        const AngleReading r = readDihedralField(c.text);
        EXPECT_EQ(r.degrees, c.degrees) << c.text;
        EXPECT_EQ(r.flagged, c.flagged) << c.text;
    }
}

} // namespace
} // namespace ab
