// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/xml_reader.h"

#include <algorithm>
#include <cctype>
#include <cstdint>

namespace ab {
namespace {

bool sameName(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

bool nameChar(char c)
{
    const auto u = static_cast<unsigned char>(c);
    return std::isalnum(u) || c == '_' || c == '-' || c == '.' || c == ':' || u >= 0x80;
}

bool blank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

void appendUtf8(std::string& out, std::uint32_t cp)
{
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// Resolves the references of a text or attribute value; false on one that is not XML.
bool resolve(std::string_view raw, std::string& out)
{
    for (std::size_t i = 0; i < raw.size(); ++i) {
        if (raw[i] != '&') {
            out += raw[i];
            continue;
        }
        const std::size_t end = raw.find(';', i);
        if (end == std::string_view::npos || end - i > 10)
            return false;
        const std::string_view ref = raw.substr(i + 1, end - i - 1);
        static constexpr std::pair<std::string_view, char> named[] = {
            {"amp", '&'}, {"lt", '<'}, {"gt", '>'}, {"quot", '"'}, {"apos", '\''}};
        bool done = false;
        for (const auto& [n, c] : named)
            if (ref == n) {
                out += c;
                done = true;
            }
        if (!done) {
            if (ref.size() < 2 || ref[0] != '#')
                return false;
            const bool hex = ref[1] == 'x';
            const std::string_view digits = ref.substr(hex ? 2 : 1);
            if (digits.empty())
                return false;
            std::uint32_t cp = 0;
            for (char c : digits) {
                const int d = std::isdigit(static_cast<unsigned char>(c)) ? c - '0'
                              : hex && std::isxdigit(static_cast<unsigned char>(c))
                                  ? std::tolower(static_cast<unsigned char>(c)) - 'a' + 10
                                  : -1;
                if (d < 0)
                    return false;
                cp = cp * (hex ? 16 : 10) + static_cast<std::uint32_t>(d);
                if (cp > 0x10FFFF)
                    return false;
            }
            if (cp == 0 || (cp >= 0xD800 && cp <= 0xDFFF))
                return false;
            appendUtf8(out, cp);
        }
        i = end;
    }
    return true;
}

struct Parser {
    std::string_view s;
    std::size_t pos = 0;
    int line = 1;
    XmlReading out;

    void advanceTo(std::size_t to)
    {
        line += static_cast<int>(std::count(s.begin() + static_cast<std::ptrdiff_t>(pos),
                                            s.begin() + static_cast<std::ptrdiff_t>(to), '\n'));
        pos = to;
    }
    bool fail(XmlProblem p)
    {
        out.problem = p;
        out.line = line;
        return false;
    }
    // Passes over what stands up to and including `close`; false when it never comes.
    bool skipPast(std::string_view close)
    {
        const std::size_t end = s.find(close, pos);
        if (end == std::string_view::npos)
            return fail(XmlProblem::Malformed);
        advanceTo(end + close.size());
        return true;
    }
    std::string_view name()
    {
        const std::size_t from = pos;
        while (pos < s.size() && nameChar(s[pos]))
            ++pos;
        return s.substr(from, pos - from);
    }
    void skipBlanks()
    {
        std::size_t to = pos;
        while (to < s.size() && blank(s[to]))
            ++to;
        advanceTo(to);
    }

    // Markup that is no element: a comment, a processing instruction, CDATA or the document type.
    bool otherMarkup(std::string* text)
    {
        if (s.substr(pos, 4) == "<!--")
            return skipPast("-->");
        if (s.substr(pos, 2) == "<?")
            return skipPast("?>");
        if (s.substr(pos, 9) == "<![CDATA[") {
            const std::size_t end = s.find("]]>", pos + 9);
            if (end == std::string_view::npos || !text)
                return fail(XmlProblem::Malformed);
            *text += s.substr(pos + 9, end - pos - 9);
            advanceTo(end + 3);
            return true;
        }
        if (s.substr(pos, 9) == "<!DOCTYPE") {
            const std::size_t end = s.find('>', pos);
            const std::size_t subset = s.find('[', pos);
            if (subset != std::string_view::npos && subset < end)
                return fail(XmlProblem::DeclaredEntities);
            return skipPast(">");
        }
        return fail(XmlProblem::Malformed);
    }

    // The start tag at pos ('<' and a name); `empty` tells a tag closed by "/>".
    bool startTag(XmlElement& e, bool& empty)
    {
        e.line = line;
        ++pos;
        e.name = std::string(name());
        if (e.name.empty())
            return fail(XmlProblem::Malformed);
        for (;;) {
            skipBlanks();
            if (pos >= s.size())
                return fail(XmlProblem::Unclosed);
            if (s[pos] == '>' || s.substr(pos, 2) == "/>") {
                empty = s[pos] == '/';
                advanceTo(pos + (empty ? 2 : 1));
                return true;
            }
            const std::string attribute(name());
            skipBlanks();
            if (attribute.empty() || pos >= s.size() || s[pos] != '=')
                return fail(XmlProblem::Malformed);
            ++pos;
            skipBlanks();
            if (pos >= s.size() || (s[pos] != '"' && s[pos] != '\''))
                return fail(XmlProblem::Malformed);
            const std::size_t end = s.find(s[pos], pos + 1);
            if (end == std::string_view::npos)
                return fail(XmlProblem::Malformed);
            std::string value;
            if (!resolve(s.substr(pos + 1, end - pos - 1), value))
                return fail(XmlProblem::Malformed);
            advanceTo(end + 1);
            e.attributes.emplace_back(attribute, std::move(value));
        }
    }

    bool document()
    {
        if (s.substr(0, 3) == "\xEF\xBB\xBF")
            pos = 3;
        else if (s.substr(0, 2) == "\xFF\xFE" || s.substr(0, 2) == "\xFE\xFF" || s.find('\0') != std::string_view::npos)
            return fail(XmlProblem::WideText);
        // The prolog.
        for (;;) {
            skipBlanks();
            if (pos >= s.size())
                return fail(XmlProblem::NoRoot);
            if (s[pos] != '<')
                return fail(XmlProblem::Malformed);
            if (s.substr(pos, 2) == "<?" || s.substr(pos, 2) == "<!") {
                if (!otherMarkup(nullptr))
                    return false;
                continue;
            }
            break;
        }
        // The elements, on a stack of open ones so that no nesting can exhaust the program's own.
        std::vector<XmlElement> open;
        for (;;) {
            if (open.empty()) {
                XmlElement root;
                bool empty = false;
                if (!startTag(root, empty))
                    return false;
                if (empty) {
                    out.root = std::move(root);
                    break;
                }
                open.push_back(std::move(root));
            }
            // Text up to the next markup.
            const std::size_t lt = s.find('<', pos);
            if (lt == std::string_view::npos)
                return fail(XmlProblem::Unclosed);
            if (!resolve(s.substr(pos, lt - pos), open.back().text))
                return fail(XmlProblem::Malformed);
            advanceTo(lt);
            if (s.substr(pos, 2) == "</") {
                pos += 2;
                const std::string_view closing = name();
                skipBlanks();
                if (closing != open.back().name)
                    return fail(XmlProblem::Mismatched);
                if (pos >= s.size() || s[pos] != '>')
                    return fail(XmlProblem::Malformed);
                ++pos;
                XmlElement done = std::move(open.back());
                open.pop_back();
                if (open.empty()) {
                    out.root = std::move(done);
                    break;
                }
                open.back().children.push_back(std::move(done));
                continue;
            }
            if (s.substr(pos, 2) == "<!" || s.substr(pos, 2) == "<?") {
                if (!otherMarkup(&open.back().text))
                    return false;
                continue;
            }
            XmlElement e;
            bool empty = false;
            if (!startTag(e, empty))
                return false;
            if (empty)
                open.back().children.push_back(std::move(e));
            else if (open.size() >= MaxXmlDepth)
                return fail(XmlProblem::TooDeep);
            else
                open.push_back(std::move(e));
        }
        // Only comments, instructions and blanks may follow the root.
        for (;;) {
            skipBlanks();
            if (pos >= s.size())
                return true;
            if (s.substr(pos, 4) == "<!--" || s.substr(pos, 2) == "<?") {
                if (!otherMarkup(nullptr))
                    return false;
                continue;
            }
            return fail(XmlProblem::Malformed);
        }
    }
};

} // namespace

const XmlElement* XmlElement::child(std::string_view childName) const
{
    for (const XmlElement& c : children)
        if (sameName(c.name, childName))
            return &c;
    return nullptr;
}

std::vector<const XmlElement*> XmlElement::childrenNamed(std::string_view childName) const
{
    std::vector<const XmlElement*> found;
    for (const XmlElement& c : children)
        if (sameName(c.name, childName))
            found.push_back(&c);
    return found;
}

std::string XmlElement::childText(std::string_view childName, std::string_view fallback) const
{
    const XmlElement* c = child(childName);
    return c ? c->text : std::string(fallback);
}

XmlReading readXml(std::string_view text)
{
    Parser p{text, 0, 1, {}};
    p.document();
    return std::move(p.out);
}

} // namespace ab
