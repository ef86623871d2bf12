#include "files/aircraft_writer.h"

#include "files/code_page.h"
#include "files/file_messages.h"
#include "files/text_file.h"
#include "model/balance_items.h"
#include "model/numbers.h"
#include "model/planform.h"
#include "model/wing_name.h"

#include <algorithm>

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

// A wing's name follows its id, in the remarks' code page; a wing without one writes no line, so its
// block keeps the layout every reader knows.
void writeWing(LineWriter& w, int id, const Wing& wing, int trapezoidCount, const std::string& name)
{
    w.line(1, "<wing>");
    w.tagged(2, "wing_id", id);
    if (const std::string stored = storedWingName(name); !stored.empty())
        w.tagged(2, "wing_name", commentForFile(stored));
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

// The comment's lines in the file's code page; a break is CR LF, LF or a lone CR, as the reader
// takes them. A NUL character is left out: a file holding one is refused as not text.
std::string commentWithFileBreaks(std::string_view text)
{
    const std::string comment = commentForFile(text);
    std::string out;
    for (std::size_t i = 0; i < comment.size(); ++i) {
        const char c = comment[i];
        if (c == '\0')
            continue;
        if (c == '\r' || c == '\n') {
            out += "\r\n";
            if (c == '\r' && i + 1 < comment.size() && comment[i + 1] == '\n')
                ++i;
        } else {
            out += c;
        }
    }
    return out;
}

// A name or a figure that is not a number, with the characters a balance line cannot hold replaced:
// ';' separates the fields, '<' would end the value, a line break would end the line.
std::string balanceFieldText(std::string_view text)
{
    std::string out(text);
    for (char& c : out) {
        if (c == ';')
            c = ',';
        else if (c == '<')
            c = '(';
        else if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            c = ' ';
    }
    return out;
}

// "NAME;MASS_G;X_MM": a figure that reads as a number is written as that number with a decimal
// point; a figure that does not read is written as typed, so the file keeps what the table showed.
std::string balanceLine(const BalanceItemTexts& item)
{
    const DecimalReading mass = readMassGrams(item.mass);
    const DecimalReading x = readPositionMm(item.x);
    return commentForFile(balanceFieldText(item.name)) + ";" +
           (mass.problem == EntryProblem::None ? shortestNumberText(mass.value) : balanceFieldText(item.mass)) +
           ";" + (x.problem == EntryProblem::None ? shortestNumberText(x.value) : balanceFieldText(item.x));
}

// The balance block after the results: the rows, the margin and the mode. An aircraft without rows,
// at 7.5 % and automatic writes none of it, so its file keeps the layout older readers write.
void writeBalance(LineWriter& w, const AircraftTexts& texts)
{
    std::vector<BalanceItemTexts> rows = texts.balance;
    limitBalanceItems(rows);
    const double margin = storedMarginPercent(texts.margin);
    if (rows.empty() && margin == DefaultMarginPercent && texts.stabilityMode == StabilityMode::Automatic)
        return;
    for (const BalanceItemTexts& row : rows)
        w.tagged(1, "balance_item", balanceLine(row));
    w.tagged(1, "margin", shortestNumberText(margin));
    w.tagged(1, "stability_mode", texts.stabilityMode == StabilityMode::Manual ? "manual" : "auto");
    w.line(1, "");
}

} // namespace

std::string applyExtensionRule(std::string name)
{
    // Only the file's own name is read and changed; the folders it lies in keep theirs.
    const std::size_t slash = name.find_last_of('/');
    const std::string folder = slash == std::string::npos ? std::string() : name.substr(0, slash + 1);
    name.erase(0, folder.size());
    const auto overwriteEnd = [&name](char a, char b) {
        name[name.size() - 3] = a;
        name[name.size() - 2] = b;
    };
    if (holds(name, ".da4"))
        overwriteEnd('w', 'k');
    if (holds(name, ".DA4"))
        overwriteEnd('W', 'K');
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
    w.line(1, "");
    for (int id = 1; id <= wingCount; ++id) {
        const WingTexts& t = texts.wing[static_cast<std::size_t>(id)];
        writeWing(w, id, readWing(t), std::clamp(t.trapezoidCount, 1, MaxTrapezoids), t.name);
    }
    if (aircraft.ResultsValid) {
        w.tagged(1, "sb", formatFixed(aircraft.ReferenceArea, 1, 4));
        w.tagged(1, "lmue", formatFixed(aircraft.ReferenceMac, 2, 4));
        w.tagged(1, "xnp", formatFixed(aircraft.NeutralPointX, 2, 4));
        w.line(1, "");
    }
    writeBalance(w, texts);
    w.line(1, "<comment>" + commentWithFileBreaks(texts.comment) + "</comment>");
    w.line(0, "</aircraft>");
    w.line(1, "");
    return std::move(w.out);
}

SaveOutcome saveAircraftFile(const std::string& fileName, const AircraftTexts& texts, const Aircraft& aircraft,
                             Language language, const FileWriter& write)
{
    SaveOutcome out;
    const WriteOutcome written = write(fileName, aircraftFileText(texts, aircraft));
    if (!written.ok) {
        out.ok = false;
        out.message = saveFailureMessage(language, fileName, written);
    }
    return out;
}

} // namespace ab
