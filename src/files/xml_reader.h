// SPDX-License-Identifier: GPL-3.0-or-later
// A small reader of plain XML, enough for the plane files other design tools export: elements,
// attributes, text and the five named and the numeric character references. It builds the whole
// tree and refuses, with the line, what it cannot read (a document type with its own entities, an
// unclosed element, a second root, a nesting deeper than any plane file has).
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace ab {

struct XmlElement {
    std::string name;
    std::vector<std::pair<std::string, std::string>> attributes;
    std::string text; // the text directly inside, references resolved, pieces between children joined
    std::vector<XmlElement> children;
    int line = 0; // where the start tag stands, 1-based

    // The first child of that name, compared without regard to case; null when there is none.
    const XmlElement* child(std::string_view childName) const;
    // Every child of that name, in document order.
    std::vector<const XmlElement*> childrenNamed(std::string_view childName) const;
    // The text of the first child of that name, or `fallback` when there is no such child.
    std::string childText(std::string_view childName, std::string_view fallback = {}) const;
};

// Why a text was refused.
enum class XmlProblem {
    None,
    WideText,         // UTF-16 or UTF-32 (a byte order mark or NUL bytes)
    NoRoot,           // no element at all
    Malformed,        // a tag, attribute or reference that does not close or is not XML
    Mismatched,       // an end tag that does not close the open element
    Unclosed,         // the text ends inside an element
    TooDeep,          // elements nested deeper than MaxXmlDepth
    DeclaredEntities, // a document type declaring entities of its own
};

inline constexpr int MaxXmlDepth = 64;

struct XmlReading {
    XmlProblem problem = XmlProblem::None;
    int line = 0; // where the problem was found, 1-based
    XmlElement root;
    bool ok() const { return problem == XmlProblem::None; }
};

// Reads UTF-8 XML (a byte order mark is passed over); the prolog's declaration, comments,
// processing instructions and a document type without an internal subset are passed over.
XmlReading readXml(std::string_view text);

} // namespace ab
