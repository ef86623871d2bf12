// SPDX-License-Identifier: GPL-3.0-or-later
// Captions of the main window's controls and menu items, and the texts drawn on its images, in the
// three languages. The window applies them by object name when the language changes.
#pragma once

#include "lang/language.h"

#include <array>
#include <span>
#include <string_view>

namespace ab {

// A control or menu item and its caption per language; a null text leaves the caption unchanged.
struct Caption {
    const char* control;
    Text3 text;
};

std::span<const Caption> controlCaptions(); // labels, buttons, tabs, radio buttons, check box
std::span<const Caption> menuCaptions();    // menu items

// A caption or tool-tip hint the window carries from its construction on, before any language is
// chosen (mostly English, with blanks that differ from the English language table).
struct DesignCaption {
    const char* control;
    const char* text;
};
std::span<const DesignCaption> designCaptions(); // controls and menu items
std::span<const DesignCaption> designHints();    // tool-tip hints of the speed buttons

// Wing titles drawn on the thumbnails Image5 .. Image55555 (wing 1..5).
std::string_view thumbnailTitle(Language language, int w);
// The flight-direction text drawn on the aircraft top view.
std::string_view topViewFlightDirection(Language language);

namespace texts {
// The tool tip of the pressure colours' contrast bar and of its caption.
extern const Text3 ContrastBarTip;
// The tool tips of Print and the exports while they are not offered: they use calculated results,
// which a calculation still has to give or is giving.
extern const Text3 NeedsCalculationTip, AwaitsCalculationTip;
} // namespace texts

// The column titles of the balance table: part, mass in g, x in mm.
std::array<std::string_view, 3> balanceColumnTitles(Language language);

} // namespace ab
