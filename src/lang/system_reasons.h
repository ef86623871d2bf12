// SPDX-License-Identifier: GPL-3.0-or-later
// The system's reason why a file could not be read or written, in the window's language: the files
// code reports the C library's reasons, which come in English; the common ones have a sentence of
// ours in every language, the others the C library's own translation where its locale is installed.
#pragma once

#include "lang/language.h"

#include <string>

namespace ab {

// The reason in the language. A reason that is not one of the C library's texts (one of our own
// sentences), or one no translation is known for, comes back as it is.
std::string systemReasonIn(Language language, const std::string& reason);

} // namespace ab
