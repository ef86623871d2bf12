// SPDX-License-Identifier: GPL-3.0-or-later
// The texts the aircraft templates bring, in the three languages: the names of their surfaces and the
// lines of their remarks. A new design takes them in the language of the window.
#pragma once

#include "lang/language.h"

#include <optional>
#include <string>
#include <string_view>

namespace ab {

// A template's wing name or one line of its remark, kept in English in the template, in a language;
// none for a text the templates do not hold.
std::optional<std::string> templateTextIn(std::string_view english, Language language);

// A template's remark in a language, line by line; a line without its translation stays as it is.
std::string templateRemarkIn(std::string_view english, Language language);

} // namespace ab
