// SPDX-License-Identifier: GPL-3.0-or-later
// The code page of the remarks in aircraft files: files hold them as 8-bit text, older ones in
// Windows-1252, while the program keeps all text in UTF-8. Checks UTF-8, converts between the two,
// and decides for a whole comment which form it is read in and written in.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace ab {

// Appends the character c (at most U+10FFFF) to out in UTF-8.
void appendUtf8(std::string& out, char32_t c);

// True when the bytes are well-formed UTF-8: no overlong forms, no surrogates (U+D800..U+DFFF),
// nothing above U+10FFFF, no stray or missing continuation bytes.
bool isValidUtf8(std::string_view bytes);

// Every byte read as Windows-1252, in UTF-8. The five bytes the code page leaves undefined (0x81,
// 0x8D, 0x8F, 0x90, 0x9D) become the control characters of the same number, so every byte has a
// character and converts back to itself.
std::string windows1252ToUtf8(std::string_view bytes);

// The UTF-8 text in Windows-1252; empty when the text is not valid UTF-8 or holds a character the
// code page has no byte for.
std::optional<std::string> utf8ToWindows1252(std::string_view text);

// The remarks of a file as the program shows them: kept when the whole comment is valid UTF-8,
// otherwise read as Windows-1252.
std::string commentFromFile(std::string_view bytes);

// The bytes of the remarks in a file: Windows-1252 when every character has a byte there, otherwise
// UTF-8, so nothing typed is lost. Text that is not valid UTF-8 is taken as Windows-1252 bytes.
// Whatever is written, commentFromFile gives the same text back.
std::string commentForFile(std::string_view text);

} // namespace ab
