// SPDX-License-Identifier: GPL-3.0-or-later
#include "lang/wing_captions.h"

#include "lang/captions.h"
#include "model/aircraft.h"
#include "model/wing_name.h"

#include <algorithm>

namespace ab {
namespace {

// The tabs of wings 1..5, whose captions stand in the control table.
constexpr std::string_view kWingTabs[MaxWings + 1] = {"", "TabSheet1", "TabSheet2", "TabSheet3", "TabSheet6",
                                                      "TabSheet7"};

std::string_view tabCaption(Language language, int w)
{
    const auto captions = controlCaptions();
    const auto found = std::find_if(captions.begin(), captions.end(),
                                    [&](const Caption& c) { return c.control == kWingTabs[w]; });
    return found == captions.end() ? std::string_view() : found->text.in(language);
}

// The caption with `addition` placed after its last letter, before its trailing blanks.
std::string withBeforeTrailingBlanks(std::string_view caption, const std::string& addition)
{
    const std::size_t end = caption.find_last_not_of(' ');
    const std::size_t cut = end == std::string_view::npos ? caption.size() : end + 1;
    return std::string(caption.substr(0, cut)) + addition + std::string(caption.substr(cut));
}

std::string_view withoutEndBlanks(std::string_view s)
{
    const std::size_t first = s.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

} // namespace

std::string wingTabCaption(Language language, int w, std::string_view name)
{
    const std::string_view caption = tabCaption(language, std::clamp(w, 1, MaxWings));
    const std::string_view shown = shownWingName(name);
    if (shown.empty())
        return std::string(caption);
    return withBeforeTrailingBlanks(caption, " - " + shortenedText(shown, WingTabNameLength));
}

std::string shortWingTabCaption(int w, std::string_view name)
{
    return " " + std::to_string(std::clamp(w, 1, MaxWings)) + " " + shortenedText(shownWingName(name), WingTabNameLength) +
           " ";
}

std::string positionBoxTitle(Language language, int w, std::string_view name)
{
    const std::string_view title = thumbnailTitle(language, std::clamp(w, 1, MaxWings));
    const std::string_view shown = shownWingName(name);
    if (shown.empty())
        return std::string(title);
    return std::string(withoutEndBlanks(title)) + " " + shortenedText(shown, PositionBoxNameLength);
}

std::string summaryWingHeading(Language language, int w, std::string_view name)
{
    const std::string_view title = texts::summaryWingTitle(std::clamp(w, 1, MaxWings)).in(language);
    const std::string_view shown = shownWingName(name);
    if (shown.empty())
        return std::string(title);
    return std::string(withoutEndBlanks(title)) + " " + shortenedText(shown, MaxWingNameLength);
}

} // namespace ab
