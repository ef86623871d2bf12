// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/settings_file.h"

#include "files/file_messages.h"
#include "files/user_files.h"
#include "model/numbers.h"

namespace ab {

SettingsReading readSettingsFile(const std::string& fileName, Language language)
{
    SettingsReading out;
    const std::optional<std::string> text = readOrRefuse(fileName, language, out);
    if (!text)
        return out;
    LineReader lines(*text);
    Settings& s = out.settings;
    const std::string_view first = lines.next();
    if (!first.empty())
        s.letter = first[0];
    // Each of the numbers is optional; the reading stops at the end of the file.
    const auto number = [&lines]() -> std::optional<int> {
        if (lines.atEnd())
            return std::nullopt;
        return parseLenientInt(lines.next());
    };
    if (auto v = number(); v && *v > 0 && *v < 3000)
        s.width = v;
    if (auto v = number(); v && *v > 0 && *v < 2000)
        s.height = v;
    if (auto v = number())
        s.left = *v >= 0 && *v < 1000 ? *v : 0;
    if (auto v = number())
        s.top = *v >= 0 && *v < 1000 ? *v : 0;
    // Added after the five described lines: whether the window calculates while editing.
    if (auto v = number())
        s.live = *v == 1;
    if (!lines.atEnd())
        s.deckUnit = deckUnitNamed(withoutBlanks(lines.next()));
    if (!lines.atEnd()) {
        const std::string_view units = withoutBlanks(lines.next());
        if (units == "imperial")
            s.units = UnitSystem::Imperial;
        else if (units == "metric")
            s.units = UnitSystem::Metric;
    }
    return out;
}

Language languageOfLetter(std::optional<char> letter)
{
    if (!letter || *letter == 'e')
        return Language::English;
    return *letter == 'd' ? Language::German : Language::Spanish;
}

char letterOf(Language language)
{
    return language == Language::English ? 'e' : language == Language::German ? 'd' : 's';
}

std::string settingsText(char letter, int width, int height, int left, int top, std::optional<bool> live,
                         std::optional<DeckUnit> deckUnit, std::optional<UnitSystem> units)
{
    std::string out(1, letter);
    out += "\r\n";
    for (int v : {width, height, left, top})
        out += std::to_string(v) + "\r\n";
    if (live || deckUnit || units)
        out += live.value_or(false) ? "1\r\n" : "0\r\n";
    if (deckUnit || units)
        out += std::string(deckUnitName(deckUnit.value_or(DeckUnit::Metre))) + "\r\n";
    if (units)
        out += *units == UnitSystem::Imperial ? "imperial\r\n" : "metric\r\n";
    return out;
}

SettingsSaveOutcome saveSettingsFile(const std::string& fileName, char letter, int width, int height, int left,
                                     int top, Language language, std::optional<bool> live,
                                     std::optional<DeckUnit> deckUnit, std::optional<UnitSystem> units)
{
    SettingsSaveOutcome out;
    WriteOutcome written = makeFolderOf(fileName);
    if (written.ok)
        written = writeFileAtomically(fileName, settingsText(letter, width, height, left, top, live, deckUnit, units));
    if (!written.ok) {
        out.ok = false;
        out.message = saveFailureMessage(language, fileName, written);
    }
    return out;
}

} // namespace ab
