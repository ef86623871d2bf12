// SPDX-License-Identifier: GPL-3.0-or-later
// The command line of batch mode: `aerobalance --calc FILE [--json] [--save OUT] [--margin PERCENT]
// [--pdf OUT [--template WING]] [--avl OUT] [--csv OUT] [--spacing equal|refined]
// [--deck-units m|mm|in|ft] [--units metric|imperial] [--lang en|de|es]`, `--help` and `--version`.
#pragma once

#include "files/imported_aircraft.h"
#include "lang/language.h"
#include "model/aircraft.h"
#include "model/units.h"

#include <optional>
#include <string>
#include <vector>

namespace ab {

struct BatchOptions {
    std::string file;         // the aircraft file to calculate
    bool json = false;        // one JSON object instead of the text summary
    std::string saveAs;       // empty: nothing is saved
    std::string pdf;          // empty: no PDF of the summary page
    std::string avl;          // empty: no AVL input file of the aircraft
    // --template: the PDF is the 1:1 planform template of wing 1..5, or of the reference wing (0).
    std::optional<int> templateWing;
    std::string csv;          // empty: no CSV file of the spanwise lift distribution
    double marginPercent = 7.5; // used when given, or when the file stores no margin
    bool marginGiven = false;   // --margin was on the command line: it overrides a stored margin
    std::optional<SpanwiseSpacing> spacing; // --spacing: overrides the spacing stored in the file
    Language language = Language::English;
    DeckUnit deckUnit = DeckUnit::Metre; // lengths of an AVL deck that does not state its unit
    // --units: lengths and masses of the text summary and the PDF (JSON stays in mm and g and says
    // so when the option is given); metric when not given.
    std::optional<UnitSystem> units;
    bool help = false;
    bool version = false;
};

struct ParsedArguments {
    BatchOptions options;
    std::string error; // one line naming the bad argument; empty when the line was understood
    bool ok() const { return error.empty(); }
};

// Options may be written "--save OUT" or "--save=OUT".
ParsedArguments parseBatchArguments(const std::vector<std::string>& args);

// True when the program was started for batch mode or for its help or version: any argument that
// starts with "--", or "-h". The window takes at most one plain file name.
bool wantsBatchMode(int argc, const char* const* argv);

// The usage text of --help.
std::string usageText();

// The text of --version: the version, the copyright and the licence the program may be shared under.
std::string versionText();

} // namespace ab
