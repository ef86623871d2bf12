// SPDX-License-Identifier: GPL-3.0-or-later
// The escapes of the texts a file carries (remarks, names, balance rows): "&amp;", "&lt;" and numeric
// references "&#N;" for the characters a line of the file cannot hold as they are, so that every
// character typed comes back. A file uses them only when one of its texts needs them, and says so.
#pragma once

#include <string>
#include <string_view>

namespace ab {

// The line that tells a reader the file's texts are escaped; it follows the wing count.
inline constexpr std::string_view EscapedTextTag = "escaped_text";

// Where a text stands decides what a line cannot hold there.
enum class TextPlace {
    Remark,       // '<' would end the remarks, a CR a line, a NUL the text; '\n' is a line of the file
    Name,         // a name is one line: no control character at all, and no '<'
    BalanceField, // a field of "NAME;MASS;X": as a name, and no ';'
};

// True when the text holds a character its place cannot hold as it is.
bool needsEscapes(std::string_view text, TextPlace place);

// The text with '&' as "&amp;", '<' as "&lt;" and every other character its place cannot hold as
// "&#N;" (decimal). Other characters, '\n' of a remark among them, stay as they are.
std::string escapedText(std::string_view text, TextPlace place);

// Undoes escapedText: "&amp;", "&lt;", "&gt;", "&quot;", "&apos;" and "&#N;" / "&#xH;" of any
// character become that character; an '&' that starts no such reference stays as it is.
std::string unescapedText(std::string_view text);

// The position of the first ';' of an escaped text that separates fields, not one that ends a
// reference; npos when there is none from `from` on.
std::size_t nextFieldSeparator(std::string_view escaped, std::size_t from = 0);

} // namespace ab
