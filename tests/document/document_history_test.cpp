// SPDX-License-Identifier: GPL-3.0-or-later
// The document's undo history and modified state as the window's commands use them: what a step
// puts back, what the listener hears, and when the aircraft counts as saved.
#include "document/aircraft_document.h"

#include <gtest/gtest.h>

#include <vector>

namespace ab {
namespace {

struct Listened {
    explicit Listened(AircraftDocument& d)
    {
        d.onChange = [this](unsigned c) { heard.push_back(c); };
    }
    unsigned last() const { return heard.empty() ? 0u : heard.back(); }
    std::vector<unsigned> heard;
};

// A trapezoid count is geometry though no field text changes; a wing's name is not.
TEST(DocumentHistory, UndoSaysWhetherTheGeometryChanged)
{
    AircraftDocument d;
    Listened listener(d);
    d.texts.wing[1].trapezoidCount = d.texts.wing[1].trapezoidCount % MaxTrapezoids + 1;
    d.recordEdit({.kind = EditKind::TrapezoidCount});
    d.texts.wing[1].name = "Main";
    d.recordEdit({.kind = EditKind::WingName}, 7);

    ASSERT_TRUE(d.undo());
    EXPECT_EQ(listener.last() & GeometryChanged, 0u);
    EXPECT_NE(listener.last() & TextsChanged, 0u);
    ASSERT_TRUE(d.undo());
    EXPECT_NE(listener.last() & GeometryChanged, 0u);
    EXPECT_FALSE(d.undo());
    EXPECT_TRUE(d.redo());
    EXPECT_NE(d.texts.wing[1].trapezoidCount, AircraftDocument().texts.wing[1].trapezoidCount);
}

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
