// Captions of the main window's controls and menu items, and the texts drawn on its images, in the
// three languages. The window applies them by object name when the language changes.
#pragma once

#include "lang/language.h"

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

// Wing titles drawn on the thumbnails Image5 .. Image55555 (wing 1..5).
std::string_view thumbnailTitle(Language language, int w);
// The flight-direction text drawn on the aircraft top view.
std::string_view topViewFlightDirection(Language language);

} // namespace ab
