// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/wing_copy.h"

#include "files/code_page.h"
#include "files/dihedral_lines.h"
#include "files/file_messages.h"
#include "files/text_escapes.h"
#include "files/user_files.h"
#include "model/numbers.h"
#include "model/planform.h"
#include "model/wing_name.h"

namespace ab {

std::string wingCopyText(const AircraftTexts& texts, const Aircraft& aircraft, int w)
{
    const WingTexts& t = texts.wing[static_cast<std::size_t>(w)];
    const Wing wing = readWing(t);
    // Line 1 is the wing count's place (0 here); line 1 + offset holds the block value at offset.
    std::array<std::int64_t, 18> v{};
    const auto at = [&v](int offset) -> std::int64_t& { return v[static_cast<std::size_t>(1 + offset)]; };
    at(AircraftFileRecord::TrapezoidCount) = t.trapezoidCount;
    at(AircraftFileRecord::RootChord) = wing.rootChord;
    at(AircraftFileRecord::RootGap) = wing.rootGap;
    for (int k = 1; k <= MaxTrapezoids; ++k) {
        const Trapezoid& z = wing.trapezoids[static_cast<std::size_t>(k)];
        at(AircraftFileRecord::TipChord1 + k - 1) = z.tipChord;
        at(AircraftFileRecord::Width1 + k - 1) = z.width;
        at(AircraftFileRecord::TipOffset1 + k - 1) = z.tipOffset;
    }
    at(AircraftFileRecord::PosX) = wing.posX;
    at(AircraftFileRecord::PosZ) = wing.posZ;

    std::string out;
    for (std::int64_t value : v)
        out += fieldText(value) + "\r\n";
    out += " \r\n";
    const bool valid = aircraft.ResultsValid;
    out += (valid ? formatFixed(aircraft.ReferenceArea, 1, 4) : "0") + "\r\n";
    out += (valid ? formatFixed(aircraft.ReferenceMac, 2, 4) : "0") + "\r\n";
    out += (valid ? formatFixed(aircraft.NeutralPointX, 2, 4) : "0") + "\r\n";
    if (const std::string name = storedWingName(t.name); !name.empty()) {
        const bool escaped = needsEscapes(name, TextPlace::Name);
        if (escaped)
            out += "<" + std::string(EscapedTextTag) + ">1</" + std::string(EscapedTextTag) + ">\r\n";
        out += "<wing_name>" + commentForFile(escaped ? escapedText(name, TextPlace::Name) : name) + "</wing_name>\r\n";
    }
    for (int k = 1; k <= MaxTrapezoids; ++k)
        if (const std::string degrees = storedDihedral(t.dihedral[static_cast<std::size_t>(k)]); !degrees.empty())
            out += "<" + std::string(DihedralTag) + ">" + std::to_string(k) + ";" + degrees + "</" +
                   std::string(DihedralTag) + ">\r\n";
    return out;
}

CopyOutcome saveWingCopy(const std::string& fileName, const AircraftTexts& texts, const Aircraft& aircraft, int w,
                         Language language)
{
    CopyOutcome out;
    WriteOutcome written = makeFolderOf(fileName);
    if (written.ok)
        written = writeFileAtomically(fileName, wingCopyText(texts, aircraft, w));
    if (!written.ok) {
        out.ok = false;
        out.message = saveFailureMessage(language, fileName, written);
    }
    return out;
}

WingCopyReading readWingCopy(const std::string& fileName, Language language)
{
    WingCopyReading out;
    const std::optional<std::string> text = readOrRefuse(fileName, language, out);
    if (!text)
        return out;
    LineReader lines(*text);
    for (std::int32_t& value : out.line)
        value = parseLenientInt(lines.next());
    // Lines 19 to 22 are the blank line and the results; line 23 may name the wing.
    for (int skipped = 19; skipped <= 22; ++skipped)
        lines.next();
    constexpr std::string_view nameTag = "<wing_name>";
    const std::string escapedMark = "<" + std::string(EscapedTextTag) + ">1<";
    const std::string dihedralTag = "<" + std::string(DihedralTag) + ">";
    std::string_view line = lines.next();
    const bool escaped = line.starts_with(escapedMark);
    if (escaped)
        line = lines.next();
    if (line.starts_with(nameTag)) {
        const std::string_view value = line.substr(nameTag.size());
        const std::string name = commentFromFile(value.substr(0, value.find('<')));
        out.name = storedWingName(escaped ? unescapedText(name) : name);
        line = lines.next();
    }
    // The angles follow, one line "TRAPEZOID;DEGREES" per tilted trapezoid.
    for (;; line = lines.next()) {
        if (line.starts_with(dihedralTag)) {
            const std::string_view value = line.substr(dihedralTag.size());
            const std::vector<std::string> f = dihedralFields(value.substr(0, value.find('<')));
            if (f.size() == 2)
                if (const std::optional<int> k = trapezoidNumber(f[0]))
                    out.dihedral[static_cast<std::size_t>(*k)] = storedDihedral(f[1]);
        }
        if (lines.atEnd())
            break;
    }
    return out;
}

bool copyAvailable(const std::string& fileName)
{
    // Only a regular file holds a copy; a folder or a FIFO lying under the name does not, and a FIFO
    // must not hold up the window while it is looked at.
    return canReadRegularFile(fileName);
}

WingInsertion insertionOf(const WingCopyReading& copy, int w)
{
    WingInsertion out;
    out.wing = w;
    // Line 1 + offset holds each value of the wing's block.
    const auto value = [&copy](int offset) { return copy.line[static_cast<std::size_t>(1 + offset)]; };
    const std::int32_t count = value(AircraftFileRecord::TrapezoidCount);
    if (count >= 1 && count <= MaxTrapezoids)
        out.trapezoidCount = count;
    for (int i = 0; i < WingFieldCount; ++i) {
        const Role role = RolesInBlockOrder[static_cast<std::size_t>(i)];
        out.fields.push_back({w, role, fieldText(value(recordOffsetOf(role)))});
    }
    out.name = copy.name;
    out.dihedral = copy.dihedral;
    return out;
}

void applyToTexts(const WingInsertion& insertion, AircraftTexts& texts)
{
    if (insertion.trapezoidCount)
        texts.wing[static_cast<std::size_t>(insertion.wing)].trapezoidCount = *insertion.trapezoidCount;
    applyToTexts(insertion.fields, texts);
    if (insertion.name)
        texts.wing[static_cast<std::size_t>(insertion.wing)].name = *insertion.name;
    texts.wing[static_cast<std::size_t>(insertion.wing)].dihedral = insertion.dihedral;
}

} // namespace ab
