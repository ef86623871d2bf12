// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/avl_deck_reader.h"

#include "files/file_messages.h"
#include "lang/import_texts.h"
#include "model/numbers.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <numbers>

namespace ab {
namespace {

struct DeckLine {
    std::string_view text; // without a trailing comment
    int number = 0;        // 1-based
};

std::string_view trimmed(std::string_view s)
{
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front())))
        s.remove_prefix(1);
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back())))
        s.remove_suffix(1);
    return s;
}

std::vector<std::string_view> tokens(std::string_view s)
{
    std::vector<std::string_view> out;
    std::size_t i = 0;
    while (i < s.size()) {
        while (i < s.size() && (std::isspace(static_cast<unsigned char>(s[i])) || s[i] == ','))
            ++i;
        const std::size_t from = i;
        while (i < s.size() && !std::isspace(static_cast<unsigned char>(s[i])) && s[i] != ',')
            ++i;
        if (i > from)
            out.push_back(s.substr(from, i - from));
    }
    return out;
}

std::string upper(std::string_view s)
{
    std::string u(s);
    for (char& c : u)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return u;
}

// The deck's keywords, which AVL knows by their first four letters.
constexpr std::array<std::string_view, 20> Keywords = {"SURF", "BODY", "COMP", "INDE", "YDUP", "SCAL", "TRAN",
                                                       "ANGL", "NOWA", "NOAL", "NOLO", "SECT", "NACA", "AIRF",
                                                       "AFIL", "CONT", "CLAF", "CDCL", "DESI", "BFIL"};

// The keyword a line starts with ("SECT" for "SECTION"), or "" for a data line.
std::string keywordOf(std::string_view line)
{
    const std::vector<std::string_view> t = tokens(line);
    if (t.empty() || t[0].size() < 4 ||
        !std::all_of(t[0].begin(), t[0].end(), [](char c) { return std::isalpha(static_cast<unsigned char>(c)); }))
        return {};
    const std::string head = upper(t[0].substr(0, 4));
    return std::find(Keywords.begin(), Keywords.end(), head) != Keywords.end() ? head : std::string();
}

struct DeckSection {
    double x = 0, y = 0, z = 0, chord = 0, incidence = 0;
    int line = 0;
};

struct DeckSurface {
    std::string name;
    bool body = false;
    std::optional<double> mirrorAt; // YDUPLICATE
    std::array<double, 3> scale{1, 1, 1}, shift{0, 0, 0};
    double angle = 0;
    std::optional<int> component;
    std::vector<DeckSection> sections;
    std::vector<std::string> airfoils; // cambered or unknown airfoils, as the deck names them
    std::vector<std::string> controls;
};

struct Refusal {
    const Text3* text = nullptr;
    int line = 0;
    std::string value;
};

class DeckParser {
public:
    explicit DeckParser(std::string_view text)
    {
        int number = 0;
        std::size_t from = 0;
        while (from <= text.size()) {
            std::size_t end = text.find('\n', from);
            if (end == std::string_view::npos)
                end = text.size();
            std::string_view line = text.substr(from, end - from);
            ++number;
            from = end + 1;
            const std::string_view t = trimmed(line);
            if (t.empty() || t.front() == '#' || t.front() == '!')
                continue;
            lines.push_back({t, number});
        }
    }

    std::vector<DeckLine> lines;
    std::size_t at = 0;
    std::optional<Refusal> refusal;

    bool atData() const { return at < lines.size() && keywordOf(lines[at].text).empty(); }

    // The data line's text before a comment that follows its values.
    static std::string_view values(std::string_view line)
    {
        const std::size_t mark = line.find_first_of("#!");
        return trimmed(line.substr(0, mark));
    }

    // At least `count` numbers from the next data line; nothing (and the refusal) when it lacks them.
    std::optional<std::vector<double>> numbers(std::size_t count, std::string_view what, int keywordLine)
    {
        if (!atData()) {
            refuse(texts::ImportMissingValues, at < lines.size() ? lines[at].number : keywordLine + 1, what);
            return std::nullopt;
        }
        const DeckLine& l = lines[at++];
        std::vector<double> out;
        for (std::string_view token : tokens(values(l.text))) {
            const std::optional<double> v = parseStrictReal(token, "dD"); // 1.0D0 as Fortran writes it
            if (!v) {
                if (out.size() >= count)
                    break; // words after the values are a note of their own
                refuse(texts::ImportBadNumber, l.number, token);
                return std::nullopt;
            }
            out.push_back(*v);
        }
        if (out.size() < count) {
            refuse(texts::ImportMissingValues, l.number, what);
            return std::nullopt;
        }
        return out;
    }
    // The next line as it stands (a name or a file name), or "" when a keyword follows.
    std::string text()
    {
        if (at >= lines.size())
            return {};
        if (!keywordOf(lines[at].text).empty())
            return {};
        return std::string(lines[at++].text);
    }
    void skipData()
    {
        while (atData())
            ++at;
    }
    void refuse(const Text3& text, int line, std::string_view value)
    {
        if (!refusal)
            refusal = Refusal{&text, line, std::string(value)};
    }
};

// The airfoil a NACA line names when it is cambered: its first digit is the camber.
bool camberedNaca(std::string_view digits) { return !digits.empty() && digits[0] >= '1' && digits[0] <= '9'; }

// Puts a surface's sections in the program's place: mirrored at y = 0, from root to tip at y >= 0.
// Returns the note on how, or null when the deck already gives it so.
const Text3* foldToRightHalf(std::vector<ImportedSection>& s, bool mirroredByDeck)
{
    constexpr double OnCentre = 0.5; // mm
    double lo = s.front().y, hi = s.front().y;
    for (const ImportedSection& p : s) {
        lo = std::min(lo, p.y);
        hi = std::max(hi, p.y);
    }
    const Text3* note = nullptr;
    if (lo < -OnCentre && hi > OnCentre) {
        // Across the centre line: the right half, with a section where the leading edge crosses it.
        std::vector<ImportedSection> right;
        for (std::size_t i = 0; i < s.size(); ++i) {
            if (i > 0 && ((s[i - 1].y < 0 && s[i].y > 0) || (s[i - 1].y > 0 && s[i].y < 0))) {
                const ImportedSection &a = s[i - 1], &b = s[i];
                const double f = -a.y / (b.y - a.y);
                right.push_back({a.x + f * (b.x - a.x), 0, a.z + f * (b.z - a.z), a.chord + f * (b.chord - a.chord)});
            }
            if (s[i].y >= 0)
                right.push_back(s[i]);
        }
        s = std::move(right);
        note = &texts::ImportRightHalfRead;
    } else {
        if (hi <= OnCentre)
            for (ImportedSection& p : s)
                p.y = -p.y;
        if (!mirroredByDeck && std::min(std::abs(lo), std::abs(hi)) > OnCentre)
            note = &texts::ImportOneSided;
    }
    if (s.front().y > s.back().y)
        std::reverse(s.begin(), s.end());
    return note;
}

// Steeper than the program's tilt everywhere: a fin.
bool isFin(const std::vector<ImportedSection>& s)
{
    bool any = false;
    for (std::size_t i = 0; i + 1 < s.size(); ++i) {
        const double dy = std::abs(s[i + 1].y - s[i].y), dz = std::abs(s[i + 1].z - s[i].z);
        if (dy == 0 && dz == 0)
            continue;
        any = true;
        if (std::atan2(dz, dy) * 180 / std::numbers::pi <= 60)
            return false;
    }
    return any;
}

} // namespace

bool namesAvlDeck(std::string_view fileName)
{
    return fileName.size() > 4 && upper(fileName.substr(fileName.size() - 4)) == ".AVL";
}

std::optional<DeckUnit> statedDeckUnit(std::string_view text)
{
    static constexpr std::pair<std::string_view, DeckUnit> words[] = {
        {"millimetres", DeckUnit::Millimetre}, {"millimeters", DeckUnit::Millimetre}, {"mm", DeckUnit::Millimetre},
        {"metres", DeckUnit::Metre},           {"meters", DeckUnit::Metre},           {"metre", DeckUnit::Metre},
        {"meter", DeckUnit::Metre},            {"m", DeckUnit::Metre},                {"inches", DeckUnit::Inch},
        {"inch", DeckUnit::Inch},              {"in", DeckUnit::Inch},                {"feet", DeckUnit::Foot},
        {"foot", DeckUnit::Foot},              {"ft", DeckUnit::Foot}};
    std::size_t from = 0;
    while (from < text.size()) {
        std::size_t end = text.find('\n', from);
        if (end == std::string_view::npos)
            end = text.size();
        std::string line(trimmed(text.substr(from, end - from)));
        from = end + 1;
        if (line.empty() || (line[0] != '#' && line[0] != '!'))
            continue;
        for (char& c : line)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        // "lengths in metres", "lengths are in inches", "length unit: mm", "units: ft".
        for (std::string_view lead : {"lengths in ", "lengths are in ", "length unit: ", "length unit ", "units: ",
                                      "units are ", "units in "}) {
            const std::size_t p = line.find(lead);
            if (p == std::string::npos)
                continue;
            std::size_t w = p + lead.size();
            std::size_t e = w;
            while (e < line.size() && std::isalpha(static_cast<unsigned char>(line[e])))
                ++e;
            const std::string_view word = std::string_view(line).substr(w, e - w);
            for (const auto& [name, unit] : words)
                if (word == name)
                    return unit;
        }
    }
    return std::nullopt;
}

ImportReading readAvlDeck(std::string_view text, DeckUnit unit, const std::string& fileName, Language language)
{
    const std::optional<DeckUnit> stated = statedDeckUnit(text);
    const double k = millimetresPer(stated.value_or(unit));
    DeckParser p(text);
    std::string title;
    int ySymmetry = 0;
    // The header: the title, Mach, the symmetry flags, the reference figures and, optionally, CDp.
    if (p.atData())
        title = std::string(p.lines[p.at++].text);
    for (int h = 0; p.atData(); ++h) {
        const std::vector<std::string_view> t = tokens(DeckParser::values(p.lines[p.at++].text));
        if (h == 1 && !t.empty())
            ySymmetry = std::atoi(std::string(t[0]).c_str());
    }

    std::vector<DeckSurface> surfaces;
    while (p.at < p.lines.size() && !p.refusal) {
        const DeckLine& l = p.lines[p.at++];
        const std::string key = keywordOf(l.text);
        if (key == "SURF" || key == "BODY") {
            DeckSurface s;
            s.body = key == "BODY";
            s.name = p.text();
            if (s.name.empty())
                s.name = (s.body ? "Body " : "Surface ") + std::to_string(surfaces.size() + 1);
            surfaces.push_back(std::move(s));
        } else if (surfaces.empty() || surfaces.back().body) {
            // Keywords before a surface, and those of a body (its file, scale and translation).
            if (key == "BFIL" || key == "AFIL")
                p.text();
        } else {
            DeckSurface& s = surfaces.back();
            if (key == "YDUP") {
                if (auto v = p.numbers(1, "Ydupl", l.number))
                    s.mirrorAt = (*v)[0];
            } else if (key == "SCAL") {
                if (auto v = p.numbers(3, "Xscale Yscale Zscale", l.number))
                    s.scale = {(*v)[0], (*v)[1], (*v)[2]};
            } else if (key == "TRAN") {
                if (auto v = p.numbers(3, "dX dY dZ", l.number))
                    s.shift = {(*v)[0], (*v)[1], (*v)[2]};
            } else if (key == "ANGL") {
                if (auto v = p.numbers(1, "dAinc", l.number))
                    s.angle = (*v)[0];
            } else if (key == "COMP" || key == "INDE") {
                if (auto v = p.numbers(1, "Lcomp", l.number))
                    s.component = static_cast<int>((*v)[0]);
            } else if (key == "SECT") {
                if (auto v = p.numbers(4, "Xle Yle Zle Chord Ainc", l.number))
                    s.sections.push_back({(*v)[0], (*v)[1], (*v)[2], (*v)[3], v->size() > 4 ? (*v)[4] : 0.0,
                                          p.lines[p.at - 1].number});
            } else if (key == "NACA") {
                const std::string digits = p.text();
                const std::vector<std::string_view> t = tokens(digits);
                if (!t.empty() && camberedNaca(t[0]))
                    s.airfoils.push_back("NACA " + std::string(t[0]));
            } else if (key == "AFIL") {
                s.airfoils.push_back("AFILE " + p.text());
            } else if (key == "AIRF") {
                s.airfoils.push_back("AIRFOIL");
            } else if (key == "CONT") {
                const std::string line = p.text();
                const std::vector<std::string_view> t = tokens(line);
                if (!t.empty() && std::find(s.controls.begin(), s.controls.end(), t[0]) == s.controls.end())
                    s.controls.emplace_back(t[0]);
            }
        }
        p.skipData();
    }
    ImportReading out;
    if (p.refusal) {
        out.status = AircraftReadStatus::Refused;
        out.message = fileMessage(language, *p.refusal->text, fileName,
                                  {.value = p.refusal->value, .line = std::to_string(p.refusal->line)});
        return out;
    }

    std::vector<std::string> notes;
    if (!stated)
        notes.push_back(importNote(texts::ImportUnitUsed, language, title.empty() ? fileName : title,
                                   deckUnitName(unit)));
    std::vector<ImportedWing> wings;
    for (const DeckSurface& s : surfaces) {
        if (s.body) {
            notes.push_back(importNote(texts::ImportBodyLeftOut, language, s.name));
            continue;
        }
        ImportedWing wing{s.name, {}};
        for (const DeckSection& d : s.sections) {
            const ImportedSection p3{(s.scale[0] * d.x + s.shift[0]) * k, (s.scale[1] * d.y + s.shift[1]) * k,
                                     (s.scale[2] * d.z + s.shift[2]) * k, std::abs(s.scale[0] * d.chord) * k};
            for (double v : {p3.x, p3.y, p3.z, p3.chord})
                if (!(std::abs(v) <= MaxImportedLengthMm)) {
                    out.status = AircraftReadStatus::Refused;
                    out.message = fileMessage(language, texts::ImportTooLong, fileName, {.line = std::to_string(d.line)});
                    return out;
                }
            wing.sections.push_back(p3);
        }
        if (wing.sections.size() >= 2 && isFin(wing.sections)) {
            notes.push_back(importNote(texts::ImportFinLeftOut, language, s.name));
            continue;
        }
        if (!wing.sections.empty()) {
            if (const Text3* how = foldToRightHalf(wing.sections, s.mirrorAt.has_value() || ySymmetry != 0))
                notes.push_back(importNote(*how, language, s.name));
        }
        if (s.mirrorAt && std::abs(*s.mirrorAt * k) > 0.5)
            notes.push_back(importNote(texts::ImportMirrorPlane, language, s.name, shortNumber(*s.mirrorAt * k, 1)));
        if (s.component && std::count_if(surfaces.begin(), surfaces.end(), [&](const DeckSurface& o) {
                               return !o.body && o.component == s.component;
                           }) > 1)
            notes.push_back(importNote(texts::ImportComponent, language, s.name, std::to_string(*s.component)));
        if (!s.sections.empty()) {
            double lo = s.sections.front().incidence, hi = lo;
            for (const DeckSection& d : s.sections) {
                lo = std::min(lo, d.incidence);
                hi = std::max(hi, d.incidence);
            }
            if (hi - lo > 1e-9)
                notes.push_back(importNote(texts::ImportTwistLeftOut, language, s.name, shortNumber(lo + s.angle),
                                           shortNumber(hi + s.angle)));
            else if (lo + s.angle != 0)
                notes.push_back(importNote(texts::ImportIncidenceLeftOut, language, s.name, shortNumber(lo + s.angle)));
        }
        if (!s.airfoils.empty()) {
            std::string named;
            for (const std::string& a : s.airfoils)
                if (named.find(a) == std::string::npos)
                    named += (named.empty() ? "" : ", ") + a;
            notes.push_back(importNote(texts::ImportCamberLeftOut, language, s.name, named));
        }
        if (!s.controls.empty()) {
            std::string named;
            for (const std::string& c : s.controls)
                named += (named.empty() ? "" : ", ") + c;
            notes.push_back(importNote(texts::ImportControlsLeftOut, language, s.name, named));
        }
        wings.push_back(std::move(wing));
    }
    return importedAircraft(std::move(wings), std::move(notes), title, fileName, language);
}

} // namespace ab
