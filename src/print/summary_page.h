// SPDX-License-Identifier: GPL-3.0-or-later
// The one-page summary: the two views at print size and the text rows of the core, painted in the
// page's own 806 x 1620 pixel frame onto an image, a printer or a PDF. Text stays text on a printer
// and in a PDF, so it is sharp at any resolution.
#pragma once

#include "files/text_file.h"
#include "lang/language.h"
#include "model/aircraft.h"
#include "solver/solver_data.h"
#include "stability/stability.h"
#include "stability/summary_rows.h"
#include "views/projection.h"

#include <QImage>
#include <optional>
#include <string>
#include <vector>

class QPainter;

namespace ab {

struct SummaryPage {
    QImage topView;    // 593 x 330, stretched into (0, 42)-(616, 354)
    QImage threeDView; // 630 x 200, stretched into (0, 357)-(616, 548)
    std::vector<PageRow> rows;
    int activeWingCount = 1;
};

// What the two print views show: the calculated aircraft, its stability figures, the language of
// the texts, the stability mode, and the three-dimensional view's bars and pressure switch.
struct PrintScene {
    const Aircraft& aircraft;
    const SolverData& solver;
    const StabilityFigures& figures;
    Language language = Language::English;
    bool automatic = true;
    ThreeDInput threeD{};     // bars, pressure switch; its scale comes from the print-size top view
    int view3DPosition = 75;  // the size bar of the three-dimensional view
    // The recommended band, the symbols and the reference chord in the top view, the texts clear of
    // the wings (as the window shows them once it shows them too).
    bool stabilityOverlay = false;
    // The aircraft's own balance: its centre of gravity marked in the top view, its figures below the
    // wing blocks when it has parts.
    std::optional<BalanceFigures> balance = std::nullopt;
    WingNames wingNames{}; // the names that head the wing blocks, empty for none
    UnitSystem units = UnitSystem::Metric; // of the lengths, areas and masses the page shows
};

// The top view with lattice, reference wing and stability marks, and the three-dimensional view,
// drawn at their print sizes by the drawing functions of the window; the rows end with the sentence
// that says where x is measured from.
SummaryPage summaryPage(const PrintScene& scene, const std::string& fileName);

// Paints the page in page pixels (0, 0)-(806, 1620) with whatever transform the painter has.
void paintSummaryPage(QPainter& painter, const SummaryPage& page);

// The page with its two views in shades of grey, for output without colour.
SummaryPage greySummaryPage(SummaryPage page);

// The page as an 806 x 1620 image.
QImage summaryPageImage(const SummaryPage& page);

// Paints the page onto a print device of `dpi` dots per inch into the printed-page rectangle.
void paintPrintedPage(QPainter& painter, const SummaryPage& page, int dpi);

// Writes the page into a one-page PDF at 600 dpi through a temporary file, so a failed write leaves
// an old file as it was (`write` may stage it with other outputs). Returns the message naming the
// file and the reason, or an empty string.
std::string writeSummaryPdf(const std::string& fileName, const SummaryPage& page, Language language,
                            const FileWriter& write = writeFileAtomically);

} // namespace ab
