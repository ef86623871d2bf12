// SPDX-License-Identifier: GPL-3.0-or-later
// The 1:1 planform template as printed pages: each page paints its part of the wing at true size
// (1 mm on the paper is 1 mm of the wing), with the balance marks, the assembly marks, the texts and
// a 100 mm check bar, onto a PDF or a printer set to print without scaling.
#pragma once

#include "files/text_file.h"
#include "lang/language.h"
#include "model/aircraft.h"
#include "model/wing_name.h"
#include "stability/stability.h"
#include "views/planform_template.h"

#include <string>
#include <vector>

class QPainter;
class QPrinter;

namespace ab {

// The paper of the user's locale: Letter where its paper (LC_PAPER) is Letter, or, when the system
// does not say, where it measures in US units; A4 elsewhere.
Paper localePaper();

// What the window or batch mode asks for.
struct TemplateRequest {
    int wing = 1;          // 1..5
    int referenceWing = 0; // the calculation's reference wing (its MAC is the one the % figures take), 0: none
    bool automatic = true; // the stability mode: the band and centre of gravity the top view shows
    WingNames wingNames{};
    Paper paper = Paper::A4;
    UnitSystem units = UnitSystem::Metric; // of the texts; the drawing is at true size alike
};

// Everything the pages show. problem names the wing and the reason when there is no template
// (a wing not in use, one without area, one that would take more than MaxTemplatePages pages). A
// reference wing that would pass the limit only by the ruler's run to its marks is laid out without it.
struct TemplateDocument {
    PlanformTemplate planform;
    TemplateSheet sheet;
    TemplateTiling tiling;
    std::vector<TemplatePage> pages; // the pages printed, row by row
    TemplateTexts texts;
    Language language = Language::English;
    std::string problem;
    bool ok() const { return problem.empty(); }
};
TemplateDocument templateDocument(const Aircraft& aircraft, const StabilityFigures& figures,
                                  const TemplateRequest& request, Language language,
                                  const std::string& aircraftFileName);

// Paints page `page` (an index into document.pages) onto a device of `dotsPerInch` whose origin is
// the paper's top-left corner.
void paintTemplatePage(QPainter& painter, const TemplateDocument& document, int page, double dotsPerInch);

// Writes every page into a PDF of the tiling's paper and orientation, 1 mm = 72 / 25.4 pt, through a
// temporary file so that a failed write leaves an old file as it was (`write` may stage it with other
// outputs). Returns the message naming the file (or the wing) and the reason, or an empty string.
std::string writePlanformTemplatePdf(const std::string& pdfFile, const TemplateDocument& document,
                                     const FileWriter& write = writeFileAtomically);
std::string writePlanformTemplatePdf(const std::string& pdfFile, const Aircraft& aircraft,
                                     const StabilityFigures& figures, const TemplateRequest& request,
                                     Language language, const std::string& aircraftFileName,
                                     const FileWriter& write = writeFileAtomically);

// The same template laid out over pages of another paper.
TemplateDocument onPaper(const TemplateDocument& document, Paper paper);

// Prints every page on `printer` (a real printer, or one set to PDF output): on the printer's paper
// where that is A4 or Letter (the template laid out anew), else on the document's; the tiling's
// orientation, the full page as the origin, the printer's own resolution so nothing is scaled.
// Returns the message naming the printer (or the wing) and the reason, or an empty string.
std::string printPlanformTemplate(QPrinter& printer, const TemplateDocument& document);

} // namespace ab
