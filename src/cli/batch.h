// SPDX-License-Identifier: GPL-3.0-or-later
// Batch mode: calculates an aircraft file without a window, the way opening it and pressing
// "Calculate" in the window would, and prints the summary as text or JSON.
#pragma once

#include "files/text_file.h"
#include "lang/language.h"
#include "model/aircraft.h"
#include "model/wing_name.h"
#include "solver/solver_data.h"
#include "stability/balance.h"
#include "stability/stability.h"

#include <functional>

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace ab {

// Exit status of batch mode.
enum BatchExit : int {
    BatchDone = 0,
    BatchCalculationFailed = 1, // the calculation's message lines went to the error stream
    BatchBadInput = 2,          // bad arguments, a file that cannot be read, is refused or cannot be saved,
                                // or standard output that cannot be written
};

// What the page shows of the stability choice, the balance stored with the aircraft and the wings'
// names.
struct SummaryPdfChoices {
    bool automatic = true;
    BalanceFigures balance; // the weighed parts: their centre of gravity and figures
    WingNames wingNames{};
    UnitSystem units = UnitSystem::Metric; // of the page's lengths, areas and masses
};

// Writes the one-page summary of a calculated aircraft as a PDF through `write` (which stages it with
// the run's other outputs); returns the message naming the file and the reason when it could not, or
// an empty string. Batch mode has no drawing of its own: the program entry hands it the window
// library's writer.
using SummaryPdfWriter = std::function<std::string(const std::string& pdfFile, const Aircraft& aircraft,
                                                   const SolverData& solver, const StabilityFigures& figures,
                                                   const SummaryPdfChoices& choices,
                                                   const std::string& aircraftFile, Language language,
                                                   const FileWriter& write)>;
void setSummaryPdfWriter(SummaryPdfWriter writer);

// What the planform template shows: the wing (1..5), the calculation's reference wing, the
// stability mode and the wings' names.
struct TemplatePdfChoices {
    int wing = 1;
    int referenceWing = 0;
    bool automatic = true;
    WingNames wingNames{};
    UnitSystem units = UnitSystem::Metric; // of the foot's marks and the check bar
};

// Writes the 1:1 planform template of a calculated aircraft's wing as a PDF (--template with
// --pdf) through `write`; returns the message naming the file or the wing and the reason, or an empty string. Handed
// to batch mode by the program entry, as the summary's writer is.
using TemplatePdfWriter = std::function<std::string(const std::string& pdfFile, const Aircraft& aircraft,
                                                    const StabilityFigures& figures, const TemplatePdfChoices& choices,
                                                    const std::string& aircraftFile, Language language,
                                                    const FileWriter& write)>;
void setTemplatePdfWriter(TemplatePdfWriter writer);

// Runs batch mode on the arguments after the program name.
int runBatch(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// Entry from main(): the arguments as the program got them, on standard output and error.
int batchMain(int argc, const char* const* argv);

} // namespace ab
