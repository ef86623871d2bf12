// SPDX-License-Identifier: GPL-3.0-or-later
// The captions that name a wing where the user sees it: its tab, the title of its position box on
// the aircraft tab and the heading of its block on the summary page. A wing without a name keeps the
// caption of its number; a named wing adds its name, shortened where the room is small.
#pragma once

#include "lang/language.h"

#include <string>
#include <string_view>

namespace ab {

// Names longer than this end in "…" on a tab, so the seven tabs stay in one row.
inline constexpr int WingTabNameLength = 20;
// Names longer than this end in "…" in the title of a position box, which is 172 pixels wide.
inline constexpr int PositionBoxNameLength = 14;

// The caption of wing w's tab (1..5): without a name the tab's own caption in the language
// ("  Wing 2 "), with one the name after a dash inside the same blanks ("  Wing 2 - Tailplane ").
// Only the name's blanks at either end are left out; a name of blanks counts as none.
std::string wingTabCaption(Language language, int w, std::string_view name);

// The caption of a named wing's tab where the bar has no room for the one above: its number and its
// name (" 2 Tailplane "), in every language.
std::string shortWingTabCaption(int w, std::string_view name);

// The title of wing w's position box: the thumbnail title of the language ("Wing-2  ") without a
// name, "Wing-2 Tailplane" with one.
std::string positionBoxTitle(Language language, int w, std::string_view name);

// The heading of wing w's block on the summary page: "Wing2:" without a name, "Wing2: Tailplane"
// with one (a name of up to MaxWingNameLength characters fits the page's width; a longer one is
// shortened to that).
std::string summaryWingHeading(Language language, int w, std::string_view name);

} // namespace ab
