// SPDX-License-Identifier: GPL-3.0-or-later
// The settings file "Default.pa4": the language letter and the main window's width, height, left
// and top edge, kept from one run to the next in the user's configuration folder (user_files.h).
#pragma once

#include "files/file_messages.h"
#include "files/imported_aircraft.h"
#include "lang/language.h"
#include "model/units.h"

#include <optional>
#include <string>

namespace ab {

inline constexpr const char* SettingsFileName = "Default.pa4";

// What a settings file sets; an absent value leaves the designed one.
struct Settings {
    std::optional<char> letter;           // first character of line 1
    std::optional<int> width, height;     // only values inside 0 < width < 3000, 0 < height < 2000
    std::optional<int> left, top;         // 0 <= value < 1000, any other value puts the edge at 0
    std::optional<bool> live;             // line 6: calculation while editing, "1" on
    std::optional<DeckUnit> deckUnit;     // line 7: the unit last chosen for an AVL deck ("m", "in", ...)
    std::optional<UnitSystem> units;      // line 8: "imperial" or "metric", the units the window shows
};

struct SettingsReading : ReadRefusal {
    Settings settings;
};

// Reads the lines present; lines 2..5 are each optional.
SettingsReading readSettingsFile(const std::string& fileName, Language language);

// "e" English, "d" German, any other letter Spanish; no letter at all (no file, an empty file or an
// empty first line) keeps English.
Language languageOfLetter(std::optional<char> letter);
// The letter a language is stored as.
char letterOf(Language language);

// The five lines: the letter, then width, height, left and top as plain decimal integers.
// A sixth line follows when `live` is given: "1" when the window calculates while editing, else "0";
// a seventh, the deck unit's name, when `deckUnit` is given (the sixth then says "0" without `live`);
// an eighth, "imperial" or "metric", when `units` is given (the seventh then says "m" without
// `deckUnit`).
std::string settingsText(char letter, int width, int height, int left, int top, std::optional<bool> live = {},
                         std::optional<DeckUnit> deckUnit = {}, std::optional<UnitSystem> units = {});

// Writes the five lines through a temporary file, making the file's folder when it is missing; the
// message names the file and the reason on failure.
struct SettingsSaveOutcome {
    bool ok = true;
    std::string message;
};
SettingsSaveOutcome saveSettingsFile(const std::string& fileName, char letter, int width, int height, int left,
                                     int top, Language language, std::optional<bool> live = {},
                                     std::optional<DeckUnit> deckUnit = {}, std::optional<UnitSystem> units = {});

} // namespace ab
