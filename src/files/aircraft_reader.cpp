// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/aircraft_reader.h"

#include "files/aircraft_writer.h"
#include "files/code_page.h"
#include "files/damaged_file.h"
#include "files/dihedral_lines.h"
#include "files/file_messages.h"
#include "files/fuselage_lines.h"
#include "files/text_escapes.h"
#include "files/text_file.h"
#include "model/balance_items.h"
#include "model/field_reading.h"
#include "model/numbers.h"
#include "model/wing_name.h"

#include <limits>

namespace ab {
namespace {

using Record = AircraftFileRecord;

constexpr std::size_t RestLength = 500; // characters after a tag that the value is taken from

// The first `<`...`>` pair of a line and the text after it.
struct TaggedLine {
    std::string_view tag;
    std::string_view after; // everything after the `>`
    std::string_view value; // up to the next `<` within RestLength characters
    // A text's value runs up to the next `<` however long it is: the writer closes it on its line,
    // and a cut could split a character.
    std::string_view text() const { return after.substr(0, after.find('<')); }
};

TaggedLine splitTag(std::string_view line)
{
    TaggedLine t;
    const std::size_t lt = line.find('<');
    const std::size_t gt = line.find('>');
    if (lt == std::string_view::npos || gt == std::string_view::npos || gt < lt)
        return t;
    t.tag = line.substr(lt + 1, gt - lt - 1);
    t.after = line.substr(gt + 1);
    const std::string_view rest = t.after.substr(0, RestLength);
    const std::size_t cut = rest.find('<');
    t.value = cut == std::string_view::npos ? rest.substr(0, RestLength - 1) : rest.substr(0, cut);
    return t;
}

std::string_view beforeFirstTag(std::string_view s) { return s.substr(0, s.find('<')); }

bool holdsCommentEnd(std::string_view s) { return s.find("</comment>") != std::string_view::npos; }

// A text of the file as the program keeps it: taken as UTF-8 or as Windows-1252, then its escapes
// undone when the file's texts are escaped.
std::string textFromFile(std::string_view bytes, bool escaped)
{
    std::string text = commentFromFile(bytes);
    return escaped ? unescapedText(text) : text;
}

// The remarks start after the comment tag and run up to the line that holds "</comment>", each line
// cut before its first `<`. The first line is kept whole however long it is, so a saved comment
// comes back unchanged. The whole comment is then taken as UTF-8 or as Windows-1252.
std::string readComment(const TaggedLine& first, LineReader& lines, int& lineNumber, bool escaped)
{
    std::string comment(beforeFirstTag(first.after));
    if (holdsCommentEnd(first.after))
        return textFromFile(comment, escaped);
    while (!lines.atEnd()) {
        const std::string_view line = lines.next();
        ++lineNumber;
        comment += '\n';
        comment += beforeFirstTag(line);
        if (holdsCommentEnd(line))
            break;
    }
    return textFromFile(comment, escaped);
}

// A section id names a trapezoid's outer end from 2 on: section s is trapezoid s - 1.
bool isTrapezoidSection(std::int32_t section) { return section >= 2 && section <= MaxTrapezoids + 1; }

// A balance line "NAME;MASS_G;X_MM". The figures are the last two fields, so a name written by hand
// with a ';' in it keeps it; a line with fewer fields leaves the missing figures empty, and the
// balance then flags them. The line's code page is taken as for the remarks; in an escaped file a
// ';' that ends a reference separates nothing.
BalanceItemTexts balanceItemOf(std::string_view value, bool escaped)
{
    constexpr std::size_t none = std::string_view::npos;
    const std::string line = commentFromFile(value);
    std::size_t before = none, last = none;
    for (std::size_t at = 0;; ++at) {
        at = escaped ? nextFieldSeparator(line, at) : line.find(';', at);
        if (at == none)
            break;
        before = last;
        last = at;
    }
    const std::string_view all = line;
    std::string_view name = all, mass, x;
    if (last != none && before == none) {
        name = all.substr(0, last);
        mass = all.substr(last + 1);
    } else if (last != none) {
        name = all.substr(0, before);
        mass = all.substr(before + 1, last - before - 1);
        x = all.substr(last + 1);
    }
    const auto text = [escaped](std::string_view field) { return escaped ? unescapedText(field) : std::string(field); };
    return {text(name), text(mass), text(x)};
}

// The balance tags: rows beyond the limit are counted, not kept; a margin that is no margin a user
// may choose and a mode that is neither "auto" nor "manual" are ignored.
void readBalanceTag(const TaggedLine& t, bool escaped, AircraftFileExtras& extras)
{
    if (t.tag == "balance_item") {
        if (extras.balance.size() >= static_cast<std::size_t>(MaxBalanceItems)) {
            ++extras.balanceCut.itemsLeftOut;
            return;
        }
        std::vector<BalanceItemTexts> one{balanceItemOf(t.text(), escaped)};
        extras.balanceCut.namesShortened += limitBalanceItems(one).namesShortened;
        extras.balance.push_back(std::move(one.front()));
    } else if (t.tag == "margin") {
        if (const MarginReading m = readMargin(t.value); m.valid)
            extras.margin = shortestNumberText(m.percent);
    } else if (t.tag == "stability_mode") {
        const std::string_view mode = withoutBlanks(t.value);
        if (mode == "auto")
            extras.stabilityMode = StabilityMode::Automatic;
        else if (mode == "manual")
            extras.stabilityMode = StabilityMode::Manual;
    }
}

// A line "WING;TRAPEZOID;DEGREES" of a tilted trapezoid; one naming no wing 1..5 and trapezoid 1..4,
// or with other than three fields, is ignored. A later line for the same trapezoid wins. Degrees that
// are no usable angle ("4O", "abc", "1e308", 75) are kept as the file writes them (its code page taken
// as for the remarks), so that the field shows them marked and the notes name them.
void readDihedralTag(std::string_view value, int lineNumber, AircraftFileExtras& extras)
{
    const std::vector<std::string> f = dihedralFields(value);
    if (f.size() != 3 || f[0].size() != 1 || f[0][0] < '1' || f[0][0] > '0' + MaxWings)
        return;
    if (const std::optional<int> k = trapezoidNumber(f[1])) {
        const int w = f[0][0] - '0';
        const auto t = static_cast<std::size_t>(*k);
        extras.dihedral[w][t] = readDihedralField(f[2]).flagged ? commentFromFile(f[2]) : storedDihedral(f[2]);
        extras.dihedralLine[w][t] = lineNumber;
    }
}

bool isBalanceTag(std::string_view tag) { return tag == "balance_item" || tag == "margin" || tag == "stability_mode"; }

// Reads the bytes in the layout given and refuses a record without a wing count of 1..5: the model,
// its buttons and the calculation know no other. The name stands in the messages.
void readAircraftBytes(std::string_view bytes, bool legacy, const std::string& name, Language language,
                       AircraftFileReading& out)
{
    if (legacy)
        readLegacyAircraft(bytes, out.record, out.extras);
    else
        readTaggedAircraft(bytes, out.record, out.extras);

    const std::int32_t n = out.record.wingCount();
    if (!out.extras.wingCountRead) {
        out.status = AircraftReadStatus::Refused;
        out.message = fileMessage(language, texts::FileNoWingCount, name);
    } else if (n < 1 || n > MaxWings) {
        out.status = AircraftReadStatus::Refused;
        out.message = fileMessage(language, texts::FileBadWingCount, name,
                                  {.value = std::to_string(n), .line = std::to_string(out.extras.wingCountLine)});
    } else {
        out.notes = damagedFileNotes(out.extras, n, language);
    }
}

} // namespace

void readTaggedAircraft(std::string_view text, Record& record, AircraftFileExtras& extras)
{
    LineReader lines(text);
    std::int32_t wing = 0;
    std::int32_t section = 0;
    bool inPosition = false;
    bool escaped = false; // the texts from here on are escaped
    int lineNumber = 0;
    extras.wholeFile = false;
    const auto finish = [&] {
        extras.linesRead = lineNumber;
        if (extras.wholeFile)
            extras.unfinishedWing = 0;
    };
    // A line is read before the first end test, so an empty text is one empty line.
    do {
        const TaggedLine t = splitTag(lines.next());
        ++lineNumber;
        if (t.tag.empty())
            continue;
        if (t.tag == "comment") {
            extras.comment = readComment(t, lines, lineNumber, escaped);
            // Nothing after the comment is interpreted; only whether the file goes on to its end.
            while (!lines.atEnd()) {
                ++lineNumber;
                if (splitTag(lines.next()).tag == "/aircraft")
                    extras.wholeFile = true;
            }
            finish();
            return;
        }
        if (t.tag == "/aircraft") {
            extras.wholeFile = true;
            continue;
        }
        if (t.tag == EscapedTextTag) {
            escaped = parseLenientInt(t.value) != 0;
            continue;
        }
        if (t.tag == "/wing") {
            extras.unfinishedWing = 0;
            continue;
        }
        if (t.tag == "wings_count") {
            record.wingCount() = parseLenientInt(t.value);
            extras.wingCountRead = true;
            extras.wingCountLine = lineNumber;
            continue;
        }
        if (t.tag == "wing_id") {
            wing = parseLenientInt(t.value);
            section = 0;
            const bool known = wing >= 1 && wing <= MaxWings;
            if (known)
                extras.wingRead[wing] = true;
            extras.unfinishedWing = known ? wing : 0;
            continue;
        }
        if (t.tag == "wing_position") {
            inPosition = true;
            continue;
        }
        if (t.tag == "section_id") {
            section = parseLenientInt(t.value);
            inPosition = false;
            continue;
        }
        if (t.tag == "sb" || t.tag == "lmue" || t.tag == "xnp") {
            const double v = parseLenientReal(t.value);
            (t.tag == "sb" ? extras.ReferenceArea : t.tag == "lmue" ? extras.ReferenceMac : extras.NeutralPointX) = v;
            continue;
        }
        if (isBalanceTag(t.tag)) {
            readBalanceTag(t, escaped, extras);
            continue;
        }
        if (t.tag == FuselageTag) {
            if (extras.fuselage.size() < static_cast<std::size_t>(MaxFuselageStations))
                extras.fuselage.push_back(fuselageRowOf(t.text(), escaped));
            continue;
        }
        if (t.tag == SpacingTag) {
            // A word the program does not know leaves the spacing equal.
            extras.spacing = spacingNamed(withoutBlanks(t.value));
            continue;
        }
        if (t.tag == DihedralTag) {
            readDihedralTag(t.text(), lineNumber, extras);
            continue;
        }
        if (wing < 1 || wing > MaxWings)
            continue;
        const int w = wing;
        if (t.tag == "wing_name") {
            // The name's code page is taken as for the remarks.
            extras.wingName[w] = storedWingName(textFromFile(t.text(), escaped));
            continue;
        }
        const std::int32_t v = parseLenientInt(t.value);
        if (t.tag == "wingsections") {
            // The file counts sections, one more than trapezoids (the smallest integer stays as it
            // is rather than wrap around).
            record.at(w, Record::TrapezoidCount) =
                v == std::numeric_limits<std::int32_t>::min() ? v : v - 1;
        } else if (t.tag == "x") {
            if (inPosition)
                record.at(w, Record::PosX) = v;
            if (isTrapezoidSection(section))
                record.at(w, Record::TipOffset1 + section - 2) = v;
        } else if (t.tag == "y") {
            if (section == 1)
                record.at(w, Record::RootGap) = v;
            else if (isTrapezoidSection(section))
                record.at(w, Record::Width1 + section - 2) = v;
        } else if (t.tag == "z") {
            record.at(w, Record::PosZ) = v;
        } else if (t.tag == "chord") {
            if (section == 1)
                record.at(w, Record::RootChord) = v;
            else if (isTrapezoidSection(section))
                record.at(w, Record::TipChord1 + section - 2) = v;
        }
    } while (!lines.atEnd());
    finish();
}

void readLegacyAircraft(std::string_view text, Record& record, AircraftFileExtras& extras)
{
    LineReader lines(text);
    // Slots 0..52, one whole line each; lines missing at the end read as empty and give 0.
    constexpr int Slots = 53;
    int present = 0;
    for (int s = 0; s < Slots; ++s) {
        present += !lines.atEnd();
        record.slot[static_cast<std::size_t>(s)] = parseLenientInt(lines.next());
    }
    // Wings 1..3 have their blocks in the file; the file may end among one of them.
    extras.wholeFile = present == Slots;
    extras.linesRead = present;
    for (int w = 1; w <= 3; ++w) {
        const int start = Record::blockStart(w);
        extras.wingRead[w] = present > start;
        if (present > start && present < start + Record::BlockSize)
            extras.unfinishedWing = w;
    }
    extras.wingCountRead = true;
    extras.wingCountLine = 1;
    std::string comment = " ";
    if (!lines.atEnd())
        lines.next();
    for (std::optional<double>* result : {&extras.ReferenceArea, &extras.ReferenceMac, &extras.NeutralPointX})
        if (!lines.atEnd())
            *result = parseLenientReal(lines.next());
    if (!lines.atEnd())
        lines.next();
    if (!lines.atEnd())
        comment = lines.next();
    while (!lines.atEnd()) {
        comment += '\n';
        comment += lines.next();
    }
    extras.comment = commentFromFile(comment);
}

AircraftFileReading readAircraftFile(const std::string& fileName, Language language)
{
    AircraftFileReading out;
    for (const char* pattern : {"*.da4", "*.DA4", "*.wk4", "*.WK4"})
        if (fileName == pattern) {
            out.status = AircraftReadStatus::NoFileChosen;
            return out;
        }
    const TextFileContent content = readTextFile(fileName);
    if (!content.ok()) {
        out.status = content.problem == ReadProblem::CannotOpen ? AircraftReadStatus::CannotOpen
                                                                : AircraftReadStatus::Refused;
        out.message = readProblemMessage(language, fileName, content);
        return out;
    }
    // A refused record is refused before a single field changes.
    readAircraftBytes(content.bytes, namesLegacyFile(fileName), fileName, language, out);
    return out;
}

AircraftFileReading readAircraftText(std::string_view text, Language language, const std::string& name)
{
    AircraftFileReading out;
    readAircraftBytes(text, false, name, language, out);
    return out;
}

} // namespace ab
