// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/avl_export.h"

#include "files/file_messages.h"
#include "files/text_file.h"
#include "model/numbers.h"

#include <cmath>
#include <filesystem>
#include <vector>

namespace ab {
namespace {

constexpr double MetresPerMm = 0.001;

// A number as AVL reads it: fixed point with a point, trailing zeros dropped down to one decimal.
std::string number(double v, int decimals)
{
    std::string s = formatFixed(v, decimals);
    while (s.size() > 2 && s.back() == '0' && s[s.size() - 2] != '.')
        s.pop_back();
    return s;
}

std::string metres(double mm) { return number(mm * MetresPerMm, 6); }              // 1 µm
std::string squareMetres(double mm2) { return number(mm2 * MetresPerMm * MetresPerMm, 8); } // 0.01 mm²

// One data line: the values in columns of ten characters, as under their comment line.
std::string columns(const std::vector<std::string>& values)
{
    std::string line;
    for (std::size_t i = 0; i < values.size(); ++i) {
        line += values[i];
        if (i + 1 < values.size())
            line.append(values[i].size() < 10 ? 10 - values[i].size() : 1, ' ');
    }
    return line + '\n';
}

// A text AVL takes as one data line: control characters become blanks, and a leading comment mark
// ('#' or '!') and blanks are dropped, or AVL would skip the line and read the next one in its place.
std::string dataLine(std::string_view text, std::string_view fallback)
{
    std::string s(text);
    for (char& c : s)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            c = ' ';
    std::size_t from = 0;
    while (from < s.size() && (s[from] == ' ' || s[from] == '#' || s[from] == '!'))
        ++from;
    s.erase(0, from);
    const std::string_view shown = shownWingName(s);
    return shown.empty() ? std::string(fallback) : std::string(shown);
}

// AVL's usual limit of chordwise strips over all surfaces and their mirror images (NSMAX).
constexpr int AvlStripLimit = 400;

struct Section {
    double x = 0, y = 0, z = 0, chord = 0; // mm
    int station = 0;
    int strips = 0; // of our lattice from this section to the next one
};

// The sections of a wing of equal strips: one at each edge of every strip, one strip from each to the
// next, so AVL takes our strips as they are, trimmed widths included. Where a strip does not start
// where the one before it ends (a step in chord at a trapezoid of no width), the end of the one
// before stands as a section of its own with no strips up to the next.
std::vector<Section> stripEdgeSections(const std::vector<Strip>& strips)
{
    const auto edge = [](const std::vector<double>& border, double y, double z, int strips) {
        return Section{border.front(), y, z, border.back() - border.front(), 0, strips};
    };
    // Edges closer than a thousandth of a millimetre are one: the file gives micrometres.
    const auto same = [](const Section& a, const Section& b) {
        return std::fabs(a.x - b.x) < 1e-3 && std::fabs(a.y - b.y) < 1e-3 && std::fabs(a.z - b.z) < 1e-3 &&
               std::fabs(a.chord - b.chord) < 1e-3;
    };
    std::vector<Section> sections;
    for (std::size_t J = 1; J < strips.size(); ++J) {
        const Strip& s = strips[J];
        const Section inner = edge(s.PanelEdgeXLeft, s.YLeft, s.ZLeft, 1);
        if (!sections.empty() && same(sections.back(), inner))
            sections.pop_back();
        sections.push_back(inner);
        sections.push_back(edge(s.PanelEdgeXRight, s.YRight, s.ZRight, 0));
    }
    return sections;
}

// The stations of wing w that shape its lattice, placed as built (y seen from above, z its root's
// height plus the rise of its tilted trapezoids): from the root of the first trapezoid with width to
// the tip of the last one, without a station that repeats the one before. Each carries the strips
// the lattice has up to the next section: those of the trapezoids between them, which are the
// trapezoid's own, or none where two sections stand at one y.
std::vector<Section> sectionsOf(const Aircraft& ac, const PanelCounts& counts, int w)
{
    const int n = ac.StationCount[w];
    const auto y = [&](int s) { return ac.StationProjectedY[s][w]; };
    int first = 0, last = n - 1;
    while (first + 1 < n && !(y(first + 1) > y(first)))
        ++first;
    while (last > first && !(y(last) > y(last - 1)))
        --last;
    std::vector<Section> sections;
    for (int s = first; s <= last; ++s) {
        const double z = ac.posZ[w] + ac.StationRise[s][w];
        const Section next{ac.StationLeX[s][w], y(s), z, ac.StationChord[s][w], s};
        if (!sections.empty()) {
            const Section& before = sections.back();
            if (before.x == next.x && before.y == next.y && before.chord == next.chord)
                continue;
        }
        sections.push_back(next);
    }
    for (std::size_t k = 0; k + 1 < sections.size(); ++k)
        for (int t = sections[k].station + 1; t <= sections[k + 1].station; ++t)
            sections[k].strips += counts.TrapezoidStripCount[t][w];
    return sections;
}

// How far ahead of the neutral point x lies, in % of the reference chord.
double marginOf(const Aircraft& ac, double x) { return (ac.NeutralPointX - x) / ac.ReferenceMac * 100; }

bool calculated(const Aircraft& ac, const SolverData& sd, double xRefMm)
{
    const int m = sd.ReferenceWing;
    return ac.ResultsValid && ac.SolverDataValid && m >= 1 && m <= ac.ActiveWingCount &&
           ac.ReferenceArea > 0 && ac.ReferenceMac > 0 && ac.WingSpan[m] > 0 && std::isfinite(ac.ReferenceArea) &&
           std::isfinite(ac.ReferenceMac) && std::isfinite(ac.WingSpan[m]) && std::isfinite(xRefMm);
}

} // namespace

std::optional<std::string> avlFileText(const Aircraft& ac, const SolverData& sd, double xRefMm,
                                       const WingNames& names, std::string_view title)
{
    if (!calculated(ac, sd, xRefMm))
        return std::nullopt;
    const int m = sd.ReferenceWing;
    const std::string wingM = "Wing " + std::to_string(m);
    const bool refined = ac.StripSpacing == SpanwiseSpacing::Refined;

    std::string t = dataLine(title, "Aircraft") + '\n';
    t += "# AVL input file written by AeroBalance.\n"
         "# Lengths in metres: x rearward from the aircraft's datum (x = 0, where every wing position is\n"
         "# measured from), y to the right, z up.";
    bool tilted = false;
    for (int w = 1; w <= ac.ActiveWingCount; ++w)
        tilted = tilted || hasDihedral(ac, w);
    t += tilted ? " Every wing stands at its height, each trapezoid tilted by its\n"
                  "# dihedral (Zle of each section), without incidence, twist or camber, and mirrored at y = 0.\n"
                : " Every wing is flat at its height, without incidence,\n"
                  "# twist or camber, and mirrored at y = 0.\n";
    t += refined ? "# The lattice is AeroBalance's own: Nchord panels along each strip, equally spaced (Cspace 0),\n"
                   "# and a section at each end of every trapezoid with the strips AeroBalance has in it (Nspan on\n"
                   "# the SECTION line), spaced by cosine (Sspace 1), closer together towards both ends, each\n"
                   "# strip's control points where AVL puts them too, at the middle of its arc.\n"
                 : "# The lattice is AeroBalance's own: Nchord panels along each strip, equally spaced (Cspace 0),\n"
                   "# and a section at each edge of every strip (Nspan 1 on the SECTION line), so the strips have\n"
                   "# AeroBalance's widths, which keep one ratio of width to chord and so narrow a little towards\n"
                   "# the tip of a tapered trapezoid.\n";
    t += "# With its finite vortex core off AVL agrees with AeroBalance's neutral point on this lattice:\n"
         "# LOAD this file, then OPER, O (options), C (core size) and 0, Enter back to OPER, X (execute),\n"
         "# ST: Xnp is the neutral point.\n";
    int mirroredStrips = 0;
    for (int w = 1; w <= ac.ActiveWingCount; ++w)
        if (sd.lattice[w].strips.size() >= 2)
            mirroredStrips += 2 * (static_cast<int>(sd.lattice[w].strips.size()) - 1);
    if (mirroredStrips > AvlStripLimit)
        t += "# The surfaces and their mirror images have " + std::to_string(mirroredStrips) +
             " strips, more than the " + std::to_string(AvlStripLimit) +
             " an AVL built with its usual limits\n"
             "# takes (NSMAX): such an AVL refuses the file; one built with a larger NSMAX reads it.\n";
    t += "# Sref, Cref and Bref are the area, mean aerodynamic chord and span of the reference wing (" +
         wingM + "),\n"
         "# its centre gap counted as filled; Xref is the centre of gravity AeroBalance shows, " +
         formatFixed(marginOf(ac, xRefMm), 1) + " % of\n"
         "# Cref ahead of the neutral point.\n"
         "# The neutral point AeroBalance found: x = " + metres(ac.NeutralPointX) + " m.\n";
    t += "#Mach\n0.0\n";
    t += "#IYsym    IZsym     Zsym\n" + columns({"0", "0", "0.0"});
    t += "#Sref     Cref      Bref\n" + columns({squareMetres(ac.ReferenceArea), metres(ac.ReferenceMac), metres(ac.WingSpan[m])});
    t += "#Xref     Yref      Zref\n" + columns({metres(xRefMm), "0.0", "0.0"});
    t += "#CDp\n0.0\n";

    for (int w = 1; w <= ac.ActiveWingCount; ++w) {
        const std::string wingW = "Wing " + std::to_string(w);
        const std::vector<Section> sections =
            refined ? sectionsOf(ac, sd.counts, w) : stripEdgeSections(sd.lattice[w].strips);
        if (sd.lattice[w].strips.size() < 2 || sections.size() < 2) {
            t += "#\n# " + wingW + " has no span in the lattice and is left out.\n";
            continue;
        }
        t += "#\n#======== " + wingW + " ========\nSURFACE\n" + dataLine(names[w], wingW) + '\n';
        t += "#Nchord   Cspace\n" + columns({std::to_string(sd.counts.ChordwiseCount[w]), "0.0"});
        t += "YDUPLICATE\n0.0\n";
        for (const Section& s : sections)
            t += "SECTION\n#Xle      Yle       Zle       Chord     Ainc      Nspan     Sspace\n" +
                 columns({metres(s.x), metres(s.y), metres(s.z), metres(s.chord), "0.0", std::to_string(s.strips),
                          refined ? "1.0" : "0.0"});
    }
    return t;
}

std::string avlTitleOf(const std::string& aircraftFile)
{
    const std::string stem = std::filesystem::path(aircraftFile).stem().string();
    return stem.empty() ? "Aircraft" : stem;
}

std::string writeAvlFile(const std::string& path, const Aircraft& aircraft, const SolverData& solver, double xRefMm,
                         const WingNames& names, const std::string& aircraftFile, Language language,
                         const FileWriter& write)
{
    const std::optional<std::string> text = avlFileText(aircraft, solver, xRefMm, names, avlTitleOf(aircraftFile));
    if (!text)
        return fileMessage(language, texts::AvlNeedsCalculation, path);
    const WriteOutcome written = write(path, *text);
    return written.ok ? std::string() : saveFailureMessage(language, path, written);
}

} // namespace ab
