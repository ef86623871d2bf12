// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/code_page.h"

#include <array>
#include <cstdint>

namespace ab {
namespace {

// The characters of the bytes 0x80..0x9F; the rest of Windows-1252 equals the first 256 code points.
constexpr std::array<char32_t, 32> HighControlRange = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 0x80..0x87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, // 0x88..0x8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 0x90..0x97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, // 0x98..0x9F
};

char32_t characterOf(unsigned char byte)
{
    return byte >= 0x80 && byte <= 0x9F ? HighControlRange[byte - 0x80u] : char32_t{byte};
}

std::optional<unsigned char> byteOf(char32_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<unsigned char>(c);
    for (std::size_t i = 0; i < HighControlRange.size(); ++i)
        if (HighControlRange[i] == c)
            return static_cast<unsigned char>(0x80 + i);
    return std::nullopt;
}


// The length of the well-formed sequence starting at `at`, 0 when there is none. The ranges of the
// second byte exclude overlong forms, surrogates and code points above U+10FFFF.
std::size_t sequenceLength(std::string_view s, std::size_t at)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
    const unsigned char lead = byte(at);
    if (lead < 0x80)
        return 1;
    std::size_t length = 0;
    unsigned char low = 0x80, high = 0xBF; // allowed range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0)
            low = 0xA0;
        else if (lead == 0xED)
            high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0)
            low = 0x90;
        else if (lead == 0xF4)
            high = 0x8F;
    } else {
        return 0; // a continuation byte, C0, C1 or F5..FF
    }
    if (s.size() - at < length)
        return 0;
    if (byte(at + 1) < low || byte(at + 1) > high)
        return 0;
    for (std::size_t i = 2; i < length; ++i)
        if ((byte(at + i) & 0xC0) != 0x80)
            return 0;
    return length;
}

// The code point of a well-formed sequence.
char32_t decode(std::string_view s, std::size_t at, std::size_t length)
{
    const auto byte = [&](std::size_t i) { return char32_t{static_cast<unsigned char>(s[i])}; };
    static constexpr unsigned char LeadMask[5] = {0, 0x7F, 0x1F, 0x0F, 0x07};
    char32_t c = byte(at) & LeadMask[length];
    for (std::size_t i = 1; i < length; ++i)
        c = (c << 6) | (byte(at + i) & 0x3F);
    return c;
}

} // namespace

bool isValidUtf8(std::string_view bytes)
{
    for (std::size_t i = 0; i < bytes.size();) {
        const std::size_t length = sequenceLength(bytes, i);
        if (length == 0)
            return false;
        i += length;
    }
    return true;
}

std::string windows1252ToUtf8(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size());
    for (const char b : bytes)
        appendUtf8(out, characterOf(static_cast<unsigned char>(b)));
    return out;
}

std::optional<std::string> utf8ToWindows1252(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = sequenceLength(text, i);
        if (length == 0)
            return std::nullopt;
        const std::optional<unsigned char> b = byteOf(decode(text, i, length));
        if (!b)
            return std::nullopt;
        out += static_cast<char>(*b);
        i += length;
    }
    return out;
}

std::string commentFromFile(std::string_view bytes)
{
    return isValidUtf8(bytes) ? std::string(bytes) : windows1252ToUtf8(bytes);
}

std::string commentForFile(std::string_view text)
{
    const std::string utf8 = isValidUtf8(text) ? std::string(text) : windows1252ToUtf8(text);
    std::optional<std::string> narrow = utf8ToWindows1252(utf8);
    // Windows-1252 bytes that happen to form valid UTF-8 (for "Ã¤", the bytes of "ä") would be read
    // back as other characters; such a comment keeps its UTF-8 form. Plain ASCII is the same in both.
    if (!narrow || (*narrow != utf8 && isValidUtf8(*narrow)))
        return utf8;
    return std::move(*narrow);
}

void appendUtf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

} // namespace ab
