// SPDX-License-Identifier: GPL-3.0-or-later
// The document's undo history and modified state as the window's commands use them: what a step
// puts back, what the listener hears, and when the aircraft counts as saved.
#include "document/aircraft_document.h"

#include "../solver/solver_test_support.h"

#include <gtest/gtest.h>


namespace ab {
namespace {

// Keystrokes of one field in one session are one step; typed back to where they began ("7.5",
// "6", "60" refused, back to "7.5") they are no step, and the aircraft is as saved.
TEST(DocumentHistory, TypingBackToTheStartLeavesNoStepAndNothingModified)
{
    AircraftDocument d;
    d.markSaved(true);
    const std::string start = d.texts.margin;
    for (const char* typed : {"6", "60", start.c_str()}) {
        d.setMargin(typed);
        d.recordEdit({.kind = EditKind::Margin}, 1000, 3);
    }
    EXPECT_EQ(d.history().count(), 0u);
    EXPECT_FALSE(d.modified());

    // Saved in the middle of the history: undo and redo cross the saved state.
    d.texts.wing[1].name = "A";
    d.recordEdit({.kind = EditKind::WingName});
    d.markSaved();
    d.texts.wing[1].name = "B";
    d.recordEdit({.kind = EditKind::WingName});
    EXPECT_TRUE(d.modified());
    d.undo();
    EXPECT_FALSE(d.modified());
    d.undo();
    EXPECT_TRUE(d.modified());
    // A new edit after undo drops what could be redone, with the saved state it held.
    d.texts.wing[1].name = "C";
    d.recordEdit({.kind = EditKind::WingName});
    EXPECT_FALSE(d.history().canRedo());
    while (d.undo()) {
    }
    EXPECT_TRUE(d.modified());
    d.keepUnsaved();
    EXPECT_TRUE(d.modified());
}

} // namespace
} // namespace ab

namespace ab {
namespace {

// A calculation that moves a wing apart in height (batch mode's, and Calculate's on the worker)
// writes the moved height into the texts as one step, with results for that height; undo puts the
// height back and the listener hears the geometry change.
TEST(DocumentHistory, HeightsACalculationMovedAreOneStepWithTheResults)
{
    AircraftDocument d;
    AircraftTexts t = defaultAircraftTexts();
    test::setRectangle(t, 1, 500, 100);
    test::setRectangle(t, 2, 250, 60, 600, 0);
    t.wingCount = 2;
    d.texts = t;
    d.setWingCount(2);
    d.markSaved(true);
    unsigned heard = 0;
    d.onChange = [&](unsigned changes) { heard |= changes; };
    const CalculationRun run = d.calculate(Language::English);
    ASSERT_FALSE(run.failed);
    EXPECT_EQ(d.texts.wing[2][Role::PosZ], "-7");
    EXPECT_TRUE(d.aircraft.ResultsValid);
    EXPECT_EQ(d.history().count(), 1u);
    EXPECT_TRUE(heard & TextsChanged);
    EXPECT_TRUE(heard & FiguresChanged);
    heard = 0;
    ASSERT_TRUE(d.undo());
    EXPECT_EQ(d.texts.wing[2][Role::PosZ], "0");
    EXPECT_TRUE(heard & GeometryChanged);
}

} // namespace
} // namespace ab
