// SPDX-License-Identifier: GPL-3.0-or-later
#include "lang/captions.h"
#include "lang/wing_captions.h"

#include <gtest/gtest.h>

namespace ab {
namespace {

constexpr Language En = Language::English, De = Language::German, Es = Language::Spanish;

TEST(WingCaptions, ANamedWingAddsItsNameWhereItsNumberStands)
{
    const struct {
        Language language;
        int wing;
        const char* name;
        const char* tab;
        const char* box;
        const char* summary;
    } cases[] = {
        {En, 2, "Tailplane", "  Wing 2 - Tailplane ", "Wing-2 Tailplane", "Wing2: Tailplane"},
        {De, 2, "Höhenleitwerk", " Flügel 2 - Höhenleitwerk ", "Flügel-2 Höhenleitwerk", "Flügel2: Höhenleitwerk"},
        {Es, 2, "Canard", " ala 2 - Canard ", "ala-2 Canard", "ala-2: Canard"},
        {En, 5, "  Floats  ", "  Wing 5 - Floats ", "Wing-5 Floats", "Wing5: Floats"},
        {En, 1, "Main wing of the glider", "  Wing 1 - Main wing of the gl… ", "Wing-1 Main wing of…",
         "Wing1: Main wing of the glider"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(wingTabCaption(c.language, c.wing, c.name), c.tab);
        EXPECT_EQ(positionBoxTitle(c.language, c.wing, c.name), c.box);
        EXPECT_EQ(summaryWingHeading(c.language, c.wing, c.name), c.summary);
    }
}

// Without a name (or with blanks only) every caption is the one the wing has always had.
TEST(WingCaptions, AWingWithoutANameKeepsItsCaptionsExactly)
{
    const char* tabs[] = {"", "TabSheet1", "TabSheet2", "TabSheet3", "TabSheet6", "TabSheet7"};
    for (Language l : {En, De, Es})
        for (int w = 1; w <= 5; ++w)
            for (const char* name : {"", "   "}) {
                std::string_view tab;
                for (const Caption& c : controlCaptions())
                    if (std::string_view(c.control) == tabs[w])
                        tab = c.text.in(l);
                EXPECT_EQ(wingTabCaption(l, w, name), tab);
                EXPECT_EQ(positionBoxTitle(l, w, name), thumbnailTitle(l, w));
                EXPECT_EQ(summaryWingHeading(l, w, name), texts::summaryWingTitle(w).in(l));
            }
}

} // namespace
} // namespace ab
