// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/aircraft_writer.h"

#include "files/code_page.h"
#include "files/dihedral_lines.h"
#include "files/file_messages.h"
#include "files/fuselage_lines.h"
#include "files/text_escapes.h"
#include "files/text_file.h"
#include "model/balance_items.h"
#include "model/numbers.h"
#include "model/planform.h"
#include "model/wing_name.h"

#include <algorithm>
#include <array>

namespace ab {
namespace {

bool holds(const std::string& s, const char* part) { return s.find(part) != std::string::npos; }

// Collects lines, each with its leading blanks and a CR LF.
struct LineWriter {
    std::string out;
    void line(int blanks, std::string_view text)
    {
        out.append(static_cast<std::size_t>(blanks), ' ');
        out += text;
        out += "\r\n";
    }
    template <typename T> void tagged(int blanks, std::string_view tag, const T& value)
    {
        std::string s = "<" + std::string(tag) + ">";
        if constexpr (std::is_integral_v<T>)
            s += std::to_string(value);
        else
            s += value;
        s += "</" + std::string(tag) + ">";
        line(blanks, s);
    }
};

void writeSection(LineWriter& w, int id, std::int64_t x, std::int64_t y, std::int64_t chord)
{
    w.line(2, "<section>");
    w.tagged(3, "section_id", id);
    w.tagged(3, "x", x);
    w.tagged(3, "y", y);
    w.tagged(3, "chord", chord);
    w.line(2, "</section>");
}

// A text in the file's form: escaped when the file's texts are, in the code page the text calls for.
std::string textForFile(std::string_view text, TextPlace place, bool escaped)
{
    return commentForFile(escaped ? escapedText(text, place) : std::string(text));
}

// A wing's name follows its id, in the remarks' code page; a wing without one writes no line, so its
// block keeps the layout every reader knows.
void writeWing(LineWriter& w, int id, const Wing& wing, int trapezoidCount, const std::string& name, bool escaped)
{
    w.line(1, "<wing>");
    w.tagged(2, "wing_id", id);
    if (const std::string stored = storedWingName(name); !stored.empty())
        w.tagged(2, "wing_name", textForFile(stored, TextPlace::Name, escaped));
    w.tagged(2, "wingsections", trapezoidCount + 1);
    w.line(2, "<wing_position>");
    w.tagged(3, "x", wing.posX);
    w.tagged(3, "z", wing.posZ);
    w.line(2, "</wing_position>");
    writeSection(w, 1, 0, wing.rootGap, wing.rootChord);
    for (int k = 1; k <= trapezoidCount; ++k) {
        const Trapezoid& t = wing.trapezoids[static_cast<std::size_t>(k)];
        writeSection(w, k + 1, t.tipOffset, t.width, t.tipChord);
    }
    w.line(1, "</wing>");
    w.line(1, "");
}

// The comment's lines in the file's code page, each '\n' a line break of the file. A text that holds
// a CR or a NUL is escaped, so what is left are the lines as typed.
std::string commentWithFileBreaks(std::string_view text, bool escaped)
{
    const std::string comment = textForFile(text, TextPlace::Remark, escaped);
    std::string out;
    out.reserve(comment.size());
    for (const char c : comment) {
        if (c == '\n')
            out += "\r\n";
        else
            out += c;
    }
    return out;
}

// "NAME;MASS_G;X_MM" before escapes: a figure that reads as a number is written as that number with
// a decimal point; a figure that does not read is written as typed, so the file keeps what the table
// showed.
std::array<std::string, 3> balanceFields(const BalanceItemTexts& item)
{
    const DecimalReading mass = readMassGrams(item.mass);
    const DecimalReading x = readPositionMm(item.x);
    return {item.name, mass.problem == EntryProblem::None ? shortestNumberText(mass.value) : item.mass,
            x.problem == EntryProblem::None ? shortestNumberText(x.value) : item.x};
}

// The whole row in one code page, its fields escaped when the file's texts are.
std::string balanceLine(const BalanceItemTexts& item, bool escaped)
{
    const std::array<std::string, 3> fields = balanceFields(item);
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0)
            line += ';';
        line += escaped ? escapedText(fields[i], TextPlace::BalanceField) : fields[i];
    }
    return commentForFile(line);
}

// The rows the file holds: at most 100, names cut to 60 characters.
std::vector<BalanceItemTexts> storedBalance(const AircraftTexts& texts)
{
    std::vector<BalanceItemTexts> rows = texts.balance;
    limitBalanceItems(rows);
    return rows;
}

// The tilted trapezoids of the wings written, one line each, "WING;TRAPEZOID;DEGREES"; flat ones
// write nothing, so a file without angles keeps the bytes it always had.
void writeDihedrals(LineWriter& w, const AircraftTexts& texts, int wingCount)
{
    bool any = false;
    for (int id = 1; id <= wingCount; ++id) {
        const WingTexts& t = texts.wing[static_cast<std::size_t>(id)];
        for (int k = 1; k <= std::clamp(t.trapezoidCount, 1, MaxTrapezoids); ++k) {
            const std::string degrees = storedDihedral(t.dihedral[static_cast<std::size_t>(k)]);
            if (degrees.empty())
                continue;
            w.tagged(1, DihedralTag, std::to_string(id) + ";" + std::to_string(k) + ";" + degrees);
            any = true;
        }
    }
    if (any)
        w.line(1, "");
}

// The fuselage's stations, one line each; an aircraft without a fuselage writes none, so its file
// keeps the bytes it always had.
void writeFuselage(LineWriter& w, const AircraftTexts& texts, bool escaped)
{
    const std::size_t count = std::min(texts.fuselage.size(), static_cast<std::size_t>(MaxFuselageStations));
    for (std::size_t i = 0; i < count; ++i)
        w.tagged(1, FuselageTag, fuselageLine(texts.fuselage[i], escaped));
    if (count > 0)
        w.line(1, "");
}

// The balance block after the results: the rows, the margin and the mode. An aircraft without rows,
// at 7.5 % and automatic writes none of it, so its file keeps the layout older readers write.
void writeBalance(LineWriter& w, const AircraftTexts& texts, bool escaped)
{
    const std::vector<BalanceItemTexts> rows = storedBalance(texts);
    const double margin = storedMarginPercent(texts.margin);
    if (rows.empty() && margin == DefaultMarginPercent && texts.stabilityMode == StabilityMode::Automatic)
        return;
    for (const BalanceItemTexts& row : rows)
        w.tagged(1, "balance_item", balanceLine(row, escaped));
    w.tagged(1, "margin", shortestNumberText(margin));
    w.tagged(1, "stability_mode", texts.stabilityMode == StabilityMode::Manual ? "manual" : "auto");
    w.line(1, "");
}

// Whether a text the file carries holds a character a line cannot hold as it is. Only then are the
// file's texts escaped, so a file of plain texts keeps the bytes, and the reading, it always had.
bool needsEscapedTexts(const AircraftTexts& texts, int wingCount)
{
    if (needsEscapes(texts.comment, TextPlace::Remark))
        return true;
    for (int id = 1; id <= wingCount; ++id)
        if (needsEscapes(storedWingName(texts.wing[static_cast<std::size_t>(id)].name), TextPlace::Name))
            return true;
    for (const BalanceItemTexts& row : storedBalance(texts))
        for (const std::string& field : balanceFields(row))
            if (needsEscapes(field, TextPlace::BalanceField))
                return true;
    for (const FuselageStationTexts& row : texts.fuselage)
        if (fuselageLineNeedsEscapes(row))
            return true;
    return false;
}

} // namespace

std::string applyExtensionRule(std::string name)
{
    // Only the file's own name is read and changed; the folders it lies in keep theirs.
    const std::size_t slash = name.find_last_of('/');
    const std::string folder = slash == std::string::npos ? std::string() : name.substr(0, slash + 1);
    name.erase(0, folder.size());
    // A legacy ".da4" (or ".DA4") at the end becomes ".wk4" (".WK4"); one elsewhere in the name is part
    // of the name and stays as typed.
    const auto endsWith = [&name](std::string_view end) {
        return name.size() >= end.size() && name.compare(name.size() - end.size(), end.size(), end) == 0;
    };
    if (endsWith(".da4"))
        name.replace(name.size() - 3, 2, "wk");
    else if (endsWith(".DA4"))
        name.replace(name.size() - 3, 2, "WK");
    if (!holds(name, ".wk4") && !holds(name, ".WK4"))
        name += ".wk4";
    return folder + name;
}

std::string aircraftFileText(const AircraftTexts& texts, const Aircraft& aircraft)
{
    LineWriter w;
    const int wingCount = std::clamp(texts.wingCount, 1, MaxWings);
    w.line(0, "<aircraft>");
    w.tagged(1, "wings_count", wingCount);
    // The mark stands before every text, so a reader knows how to take each of them when it meets it.
    const bool escaped = needsEscapedTexts(texts, wingCount);
    if (escaped)
        w.tagged(1, EscapedTextTag, 1);
    w.line(1, "");
    for (int id = 1; id <= wingCount; ++id) {
        const WingTexts& t = texts.wing[static_cast<std::size_t>(id)];
        writeWing(w, id, readWing(t), std::clamp(t.trapezoidCount, 1, MaxTrapezoids), t.name, escaped);
    }
    if (aircraft.ResultsValid) {
        w.tagged(1, "sb", formatFixed(aircraft.ReferenceArea, 1, 4));
        w.tagged(1, "lmue", formatFixed(aircraft.ReferenceMac, 2, 4));
        w.tagged(1, "xnp", formatFixed(aircraft.NeutralPointX, 2, 4));
        w.line(1, "");
    }
    writeDihedrals(w, texts, wingCount);
    writeFuselage(w, texts, escaped);
    writeBalance(w, texts, escaped);
    // Only a refined spacing is written: a file of equal strips keeps the bytes it always had, and a
    // reader that does not know the tag calculates such a file with equal strips.
    if (texts.spacing == SpanwiseSpacing::Refined)
        w.tagged(1, SpacingTag, spacingName(texts.spacing));
    w.line(1, "<comment>" + commentWithFileBreaks(texts.comment, escaped) + "</comment>");
    w.line(0, "</aircraft>");
    w.line(1, "");
    return std::move(w.out);
}

SaveOutcome saveAircraftFile(const std::string& fileName, const AircraftTexts& texts, const Aircraft& aircraft,
                             Language language, const FileWriter& write)
{
    SaveOutcome out;
    // A file the program could not open again is refused before anything is written.
    const std::string bytes = aircraftFileText(texts, aircraft);
    if (bytes.size() > MaxTextFileBytes) {
        out.ok = false;
        out.message = fileMessage(language, texts::FileTooLargeToSave, fileName);
        return out;
    }
    const WriteOutcome written = write(fileName, bytes);
    if (!written.ok) {
        out.ok = false;
        out.message = saveFailureMessage(language, fileName, written);
    }
    return out;
}

} // namespace ab
