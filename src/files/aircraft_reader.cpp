#include "files/aircraft_reader.h"

#include "files/code_page.h"
#include "files/file_messages.h"
#include "files/text_file.h"
#include "model/balance_items.h"
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

// The remarks start after the comment tag and run up to the line that holds "</comment>", each line
// cut before its first `<`. The first line is kept whole however long it is, so a saved comment
// comes back unchanged. The whole comment is then taken as UTF-8 or as Windows-1252.
std::string readComment(const TaggedLine& first, LineReader& lines)
{
    std::string comment(beforeFirstTag(first.after));
    if (holdsCommentEnd(first.after))
        return commentFromFile(comment);
    while (!lines.atEnd()) {
        const std::string_view line = lines.next();
        comment += '\n';
        comment += beforeFirstTag(line);
        if (holdsCommentEnd(line))
            break;
    }
    return commentFromFile(comment);
}

// A section id names a trapezoid's outer end from 2 on: section s is trapezoid s - 1.
bool isTrapezoidSection(std::int32_t section) { return section >= 2 && section <= MaxTrapezoids + 1; }

// A balance line "NAME;MASS_G;X_MM". The figures are the last two fields, so a name written by hand
// with a ';' in it keeps it; a line with fewer fields leaves the missing figures empty, and the
// balance then flags them. The name's code page is taken as for the remarks.
BalanceItemTexts balanceItemOf(std::string_view value)
{
    constexpr std::size_t none = std::string_view::npos;
    BalanceItemTexts item;
    std::string_view name = value;
    if (const std::size_t last = value.rfind(';'); last != none) {
        const std::size_t before = last == 0 ? none : value.rfind(';', last - 1);
        if (before == none) {
            name = value.substr(0, last);
            item.mass = value.substr(last + 1);
        } else {
            name = value.substr(0, before);
            item.mass = value.substr(before + 1, last - before - 1);
            item.x = value.substr(last + 1);
        }
    }
    item.name = commentFromFile(name);
    return item;
}

std::string_view withoutBlanks(std::string_view s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
        s.remove_suffix(1);
    return s;
}

// The balance tags: rows beyond the limit are counted, not kept; a margin that is no margin a user
// may choose and a mode that is neither "auto" nor "manual" are ignored.
void readBalanceTag(const TaggedLine& t, AircraftFileExtras& extras)
{
    if (t.tag == "balance_item") {
        if (extras.balance.size() >= static_cast<std::size_t>(MaxBalanceItems)) {
            ++extras.balanceCut.itemsLeftOut;
            return;
        }
        std::vector<BalanceItemTexts> one{balanceItemOf(t.value)};
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
    }
}

} // namespace

void readTaggedAircraft(std::string_view text, Record& record, AircraftFileExtras& extras)
{
    LineReader lines(text);
    std::int32_t wing = 0;
    std::int32_t section = 0;
    bool inPosition = false;
    int lineNumber = 0;
    // A line is read before the first end test, so an empty text is one empty line.
    do {
        const TaggedLine t = splitTag(lines.next());
        ++lineNumber;
        if (t.tag.empty())
            continue;
        if (t.tag == "comment") {
            extras.comment = readComment(t, lines);
            return; // nothing after the comment is interpreted
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
            readBalanceTag(t, extras);
            continue;
        }
        if (wing < 1 || wing > MaxWings)
            continue;
        const int w = wing;
        if (t.tag == "wing_name") {
            // The name's code page is taken as for the remarks.
            extras.wingName[w] = storedWingName(commentFromFile(t.value));
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
}

void readLegacyAircraft(std::string_view text, Record& record, AircraftFileExtras& extras)
{
    LineReader lines(text);
    // Slots 0..52, one whole line each; lines missing at the end read as empty and give 0.
    for (int s = 0; s <= 52; ++s)
        record.slot[static_cast<std::size_t>(s)] = parseLenientInt(lines.next());
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
