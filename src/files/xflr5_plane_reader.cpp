// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/xflr5_plane_reader.h"

#include "files/file_messages.h"
#include "files/xml_reader.h"
#include "lang/import_texts.h"
#include "model/numbers.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <numbers>

namespace ab {
namespace {

std::string lower(std::string_view s)
{
    std::string out;
    for (char c : s)
        if (!std::isspace(static_cast<unsigned char>(c)))
            out += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

// The numbers of a text such as "0.1, 0, -0.02"; nothing when a piece is no finite number.
std::optional<std::vector<double>> numbersIn(std::string_view text)
{
    std::vector<double> out;
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && (std::isspace(static_cast<unsigned char>(text[i])) || text[i] == ','))
            ++i;
        std::size_t end = i;
        while (end < text.size() && !std::isspace(static_cast<unsigned char>(text[end])) && text[end] != ',')
            ++end;
        if (end == i)
            break;
        const std::optional<double> v = parseStrictReal(text.substr(i, end - i));
        if (!v)
            return std::nullopt;
        out.push_back(*v);
        i = end;
    }
    return out;
}

struct Reader {
    const std::string& fileName;
    Language language;
    std::optional<std::string> refusal;

    // The value of a child holding one number; `fallback` when the child is missing.
    double number(const XmlElement& e, std::string_view name, double fallback = 0)
    {
        const XmlElement* c = e.child(name);
        if (!c)
            return fallback;
        const std::optional<std::vector<double>> v = numbersIn(c->text);
        if (!v || v->size() != 1) {
            refuse(*c);
            return fallback;
        }
        return (*v)[0];
    }
    void refuse(const XmlElement& at)
    {
        if (!refusal) {
            std::string shown = at.text;
            shown.erase(0, shown.find_first_not_of(" \t\r\n"));
            shown.erase(shown.find_last_not_of(" \t\r\n") + 1);
            refusal = fileMessage(language, texts::ImportBadNumber, fileName,
                                  {.value = shown, .line = std::to_string(at.line)});
        }
    }
};

bool symmetricAirfoil(std::string_view name)
{
    const std::string l = lower(name);
    return l.rfind("naca00", 0) == 0 || l.rfind("naca000", 0) == 0;
}

const Text3& xmlReason(XmlProblem p)
{
    switch (p) {
    case XmlProblem::WideText: return texts::XmlWideText;
    case XmlProblem::NoRoot: return texts::XmlNoRoot;
    case XmlProblem::Mismatched: return texts::XmlMismatched;
    case XmlProblem::Unclosed: return texts::XmlUnclosed;
    case XmlProblem::TooDeep: return texts::XmlTooDeep;
    case XmlProblem::DeclaredEntities: return texts::XmlDeclaredEntities;
    default: return texts::XmlMalformed;
    }
}

} // namespace

bool looksLikeXflr5File(std::string_view fileName, std::string_view text)
{
    if (fileName.size() > 4 && lower(fileName.substr(fileName.size() - 4)) == ".xml")
        return true;
    // The first element, after the declaration, comments and the document type.
    std::size_t p = 0;
    while ((p = text.find('<', p)) != std::string_view::npos) {
        if (p + 1 < text.size() && (text[p + 1] == '?' || text[p + 1] == '!')) {
            ++p;
            continue;
        }
        return lower(text.substr(p, 9)) == "<explane" || lower(text.substr(p, 9)) == "<explane>";
    }
    return false;
}

ImportReading readXflr5Plane(std::string_view text, const std::string& fileName, Language language)
{
    ImportReading out;
    const XmlReading xml = readXml(text);
    if (!xml.ok()) {
        out.status = AircraftReadStatus::Refused;
        out.message = fileMessage(language, texts::ImportNotXml, fileName,
                                  {.reason = std::string(xmlReason(xml.problem).in(language)),
                                   .line = std::to_string(xml.line)});
        return out;
    }
    const XmlElement& root = xml.root;
    const XmlElement* plane = root.child("Plane");
    std::vector<const XmlElement*> wingElements =
        plane ? plane->childrenNamed("wing") : lower(root.name) == "wing" ? std::vector{&root} : root.childrenNamed("wing");
    if ((lower(root.name) != "explane" && lower(root.name) != "wing") || (!plane && wingElements.empty())) {
        out.status = AircraftReadStatus::Refused;
        out.message = fileMessage(language, texts::ImportNotPlane, fileName);
        return out;
    }
    Reader r{fileName, language, {}};
    double k = 1000; // mm per file unit
    if (const XmlElement* units = root.child("Units")) {
        const double perUnit = r.number(*units, "length_unit_to_meter", 1);
        if (!(perUnit >= 1e-6 && perUnit <= 1000))
            r.refuse(*units->child("length_unit_to_meter"));
        k = 1000 * perUnit;
    }
    const std::string planeName = plane ? plane->childText("Name") : std::string();
    std::string remark(planeName);
    if (plane) {
        const std::string description = plane->childText("Description");
        if (description.find_first_not_of(" \t\r\n") != std::string::npos)
            remark += (remark.empty() ? "" : "\n") + description;
    }
    std::vector<std::string> notes;
    if (plane && (lower(plane->childText("has_body")) == "true" || plane->child("Body")))
        notes.push_back(importNote(texts::ImportBodyLeftOut, language,
                                   plane->child("Body") ? plane->child("Body")->childText("Name", "Body") : "Body"));
    std::vector<ImportedWing> wings;
    for (const XmlElement* we : wingElements) {
        std::string name = we->childText("Name");
        name.erase(0, name.find_first_not_of(" \t\r\n"));
        name.erase(name.find_last_not_of(" \t\r\n") + 1);
        if (name.empty())
            name = "Wing " + std::to_string(wings.size() + 1);
        const std::string type = lower(we->childText("Type", "MAINWING"));
        if (type == "fin" || lower(we->childText("isFin")) == "true") {
            notes.push_back(importNote(texts::ImportFinLeftOut, language, name));
            continue;
        }
        std::vector<double> position{0, 0, 0};
        if (const XmlElement* pe = we->child("Position")) {
            const std::optional<std::vector<double>> v = numbersIn(pe->text);
            if (!v || v->size() != 3)
                r.refuse(*pe);
            else
                position = *v;
        }
        const double tilt = r.number(*we, "Tilt_angle", r.number(*we, "Ry_angle"));
        const XmlElement* sectionList = we->child("Sections");
        ImportedWing wing{name, {}};
        std::vector<double> twist;
        std::vector<std::string> foils;
        double y = position[1] * k, z = position[2] * k, along = 0;
        const std::vector<const XmlElement*> sections =
            sectionList ? sectionList->childrenNamed("Section") : std::vector<const XmlElement*>{};
        double dihedralBefore = 0;
        for (std::size_t i = 0; i < sections.size(); ++i) {
            const XmlElement& s = *sections[i];
            const double span = r.number(s, "y_position") * k;
            if (i == 0) {
                y += span;
            } else {
                const double width = span - along;
                y += width * std::cos(dihedralBefore * std::numbers::pi / 180);
                z += width * std::sin(dihedralBefore * std::numbers::pi / 180);
            }
            along = span;
            dihedralBefore = r.number(s, "Dihedral");
            const ImportedSection p{(position[0] + r.number(s, "xOffset")) * k, y, z, std::abs(r.number(s, "Chord")) * k};
            for (double v : {p.x, p.y, p.z, p.chord})
                if (!(std::abs(v) <= MaxImportedLengthMm) && !r.refusal)
                    r.refusal = fileMessage(language, texts::ImportTooLong, fileName, {.line = std::to_string(s.line)});
            wing.sections.push_back(p);
            twist.push_back(r.number(s, "Twist"));
            for (std::string_view side : {"Right_Side_FoilName", "Left_Side_FoilName"}) {
                std::string foil = s.childText(side);
                foil.erase(0, foil.find_first_not_of(" \t\r\n"));
                foil.erase(foil.find_last_not_of(" \t\r\n") + 1);
                if (!foil.empty() && !symmetricAirfoil(foil) && std::find(foils.begin(), foils.end(), foil) == foils.end())
                    foils.push_back(foil);
            }
        }
        if (r.refusal)
            break;
        if (lower(we->childText("Symetric", we->childText("symmetric", "true"))) == "false")
            notes.push_back(importNote(texts::ImportOneSided, language, name));
        if (!twist.empty()) {
            const auto [lo, hi] = std::minmax_element(twist.begin(), twist.end());
            if (*hi - *lo > 1e-9)
                notes.push_back(importNote(texts::ImportTwistLeftOut, language, name, shortNumber(*lo + tilt),
                                           shortNumber(*hi + tilt)));
            else if (*lo + tilt != 0)
                notes.push_back(importNote(texts::ImportIncidenceLeftOut, language, name, shortNumber(*lo + tilt)));
        } else if (tilt != 0) {
            notes.push_back(importNote(texts::ImportIncidenceLeftOut, language, name, shortNumber(tilt)));
        }
        if (!foils.empty()) {
            std::string named;
            for (const std::string& f : foils)
                named += (named.empty() ? "" : ", ") + f;
            notes.push_back(importNote(texts::ImportCamberLeftOut, language, name, named));
        }
        wings.push_back(std::move(wing));
    }
    if (r.refusal) {
        out.status = AircraftReadStatus::Refused;
        out.message = *r.refusal;
        return out;
    }
    return importedAircraft(std::move(wings), std::move(notes), remark, fileName, language);
}

} // namespace ab
