// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/text_escapes.h"

#include "files/code_page.h"

#include <array>
#include <optional>

namespace ab {
namespace {

bool isControl(unsigned char c) { return c < 0x20 || c == 0x7F; }

// Whether the byte is a character its place cannot hold as it is ('&' can: only an escaped text
// needs it escaped, and that because of the others).
bool cannotStand(unsigned char c, TextPlace place)
{
    if (c == '<')
        return true;
    switch (place) {
    case TextPlace::Remark: return c == '\r' || c == '\0';
    case TextPlace::Name: return isControl(c);
    case TextPlace::BalanceField: return isControl(c) || c == ';';
    }
    return false;
}

struct Reference {
    char32_t character = 0;
    std::size_t length = 0; // from the '&' to the ';', both included
};

struct NamedReference {
    std::string_view name;
    char32_t character;
};
constexpr std::array<NamedReference, 5> Named = {{{"amp", '&'}, {"lt", '<'}, {"gt", '>'}, {"quot", '"'}, {"apos", '\''}}};

// A number of at most 7 digits in base 10 or 16; nothing when a character is no digit.
std::optional<char32_t> numberOf(std::string_view digits, bool hex)
{
    if (digits.empty() || digits.size() > 7)
        return std::nullopt;
    char32_t value = 0;
    for (const char c : digits) {
        int digit = -1;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (hex && c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else if (hex && c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        if (digit < 0)
            return std::nullopt;
        value = value * (hex ? 16 : 10) + static_cast<char32_t>(digit);
    }
    return value;
}

// The reference that starts at the '&' at `at`, if it is one: a name of the table or a number of a
// character (no surrogate, nothing above U+10FFFF).
std::optional<Reference> referenceAt(std::string_view text, std::size_t at)
{
    constexpr std::size_t Longest = 10; // "&#x10FFFF;"
    const std::size_t end = text.find(';', at + 1);
    if (end == std::string_view::npos || end - at > Longest)
        return std::nullopt;
    const std::string_view body = text.substr(at + 1, end - at - 1);
    const std::size_t length = end - at + 1;
    for (const NamedReference& n : Named)
        if (body == n.name)
            return Reference{n.character, length};
    if (body.size() < 2 || body[0] != '#')
        return std::nullopt;
    const bool hex = body[1] == 'x' || body[1] == 'X';
    const std::optional<char32_t> c = numberOf(body.substr(hex ? 2 : 1), hex);
    if (!c || *c > 0x10FFFF || (*c >= 0xD800 && *c <= 0xDFFF))
        return std::nullopt;
    return Reference{*c, length};
}

} // namespace

bool needsEscapes(std::string_view text, TextPlace place)
{
    for (const char c : text)
        if (cannotStand(static_cast<unsigned char>(c), place))
            return true;
    return false;
}

std::string escapedText(std::string_view text, TextPlace place)
{
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '&')
            out += "&amp;";
        else if (c == '<')
            out += "&lt;";
        else if (cannotStand(u, place))
            out += "&#" + std::to_string(u) + ";";
        else
            out += c;
    }
    return out;
}

std::string unescapedText(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        if (text[i] == '&')
            if (const std::optional<Reference> r = referenceAt(text, i)) {
                appendUtf8(out, r->character);
                i += r->length;
                continue;
            }
        out += text[i++];
    }
    return out;
}

std::size_t nextFieldSeparator(std::string_view escaped, std::size_t from)
{
    for (std::size_t i = from; i < escaped.size(); ++i) {
        if (escaped[i] == ';')
            return i;
        if (escaped[i] == '&')
            if (const std::optional<Reference> r = referenceAt(escaped, i))
                i += r->length - 1;
    }
    return std::string_view::npos;
}

} // namespace ab
