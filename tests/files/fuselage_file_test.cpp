// SPDX-License-Identifier: GPL-3.0-or-later
// The fuselage table through the aircraft file: one line per station before the remarks, read back
// as stored, and no line at all for an aircraft without a fuselage.
#include "files/aircraft_writer.h"
#include "files/open_aircraft.h"

#include <gtest/gtest.h>

namespace ab {
namespace {

bool holds(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

TEST(FuselageFile, StationsRoundTripThroughTheAircraftFile)
{
    AircraftTexts t = defaultAircraftTexts();
    EXPECT_FALSE(holds(aircraftFileText(t, Aircraft{}), "fuselage"));

    // Figures that read are stored as numbers with a point; others as typed, escaped where a line
    // could not hold them.
    t.fuselage = {{"-250", "0"}, {" 12,5", "19.90"}, {"abc", "-3"}, {"4;5", "a<b"}};
    const std::string text = aircraftFileText(t, Aircraft{});
    EXPECT_TRUE(holds(text, " <fuselage>-250;0</fuselage>\r\n <fuselage>12.5;19.9</fuselage>\r\n"
                            " <fuselage>abc;-3</fuselage>\r\n <fuselage>4&#59;5;a&lt;b</fuselage>\r\n \r\n"));
    EXPECT_LT(text.find("<fuselage>"), text.find("<comment>"));

    Aircraft ac;
    AircraftTexts back = defaultAircraftTexts();
    ASSERT_TRUE(openAircraftText(text, "body.wk4", ac, back, Language::English).ok());
    const std::vector<FuselageStationTexts> stored{{"-250", "0"}, {"12.5", "19.9"}, {"abc", "-3"}, {"4;5", "a<b"}};
    EXPECT_EQ(back.fuselage, stored);
    EXPECT_EQ(aircraftFileText(back, Aircraft{}), text);
    // Stations that count reach the aircraft; the one without a usable x does not.
    ASSERT_EQ(ac.Fuselage.size(), 2u);
    EXPECT_EQ(ac.Fuselage[1].x, 12.5);

    // A file without fuselage lines opens as an aircraft without a fuselage.
    ASSERT_TRUE(openAircraftText(aircraftFileText(defaultAircraftTexts(), Aircraft{}), "plain.wk4", ac, back,
                                 Language::English).ok());
    EXPECT_TRUE(back.fuselage.empty());
    EXPECT_TRUE(ac.Fuselage.empty());
}

} // namespace
} // namespace ab
