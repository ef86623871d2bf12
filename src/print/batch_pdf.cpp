// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/batch_pdf.h"

#include "cli/batch.h"
#include "print/summary_page.h"
#include "print/template_pdf.h"

namespace ab {

void useSummaryPdfWriter()
{
    setSummaryPdfWriter([](const std::string& pdfFile, const Aircraft& aircraft, const SolverData& solver,
                           const StabilityFigures& figures, const SummaryPdfChoices& choices,
                           const std::string& aircraftFile, Language language, const FileWriter& write) {
        const SummaryPage page = summaryPage(PrintScene{.aircraft = aircraft,
                                                        .solver = solver,
                                                        .figures = figures,
                                                        .language = language,
                                                        .automatic = choices.automatic,
                                                        .stabilityOverlay = true,
                                                        .balance = choices.balance,
                                                        .wingNames = choices.wingNames,
                                                        .units = choices.units},
                                             aircraftFile);
        return writeSummaryPdf(pdfFile, page, language, write);
    });
    useTemplatePdfWriter();
}

void useTemplatePdfWriter()
{
    setTemplatePdfWriter([](const std::string& pdfFile, const Aircraft& aircraft, const StabilityFigures& figures,
                            const TemplatePdfChoices& choices, const std::string& aircraftFile, Language language,
                            const FileWriter& write) {
        const TemplateRequest request{.wing = choices.wing,
                                      .referenceWing = choices.referenceWing,
                                      .automatic = choices.automatic,
                                      .wingNames = choices.wingNames,
                                      .paper = localePaper(),
                                      .units = choices.units};
        return writePlanformTemplatePdf(pdfFile, aircraft, figures, request, language, aircraftFile, write);
    });
}

} // namespace ab
