// The window's exports: the aircraft for AVL, the spanwise results as CSV, the wing at true size as a
// template, and the lift distribution plot. Each needs a calculation; stored results are calculated
// again first for their lattice, as Print does.
#include "ui/main_window.h"

#include "files/avl_export.h"
#include "files/lift_distribution_csv.h"
#include "files/save_target.h"
#include "lang/wing_captions.h"
#include "print/template_pdf.h"
#include "stability/stability.h"
#include "ui/lift_plot_dialog.h"
#include "model/wing_name.h"
#include "ui/widgets.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QPrintDialog>
#include <QPrinter>

namespace ab {

bool TForm1::calculatedWithLattice()
{
    if (!aircraft.ResultsValid)
        return false;
    if (!aircraft.SolverDataValid)
        Button4Click();
    return aircraft.ResultsValid && aircraft.SolverDataValid;
}

// The name offered is the aircraft's with the export's ending (extension, or a suffix and the
// extension), in its folder; the extension is added when the name chosen has none.
std::string TForm1::askExportFileName(std::string_view extension, const QString& filter, std::string_view suffix)
{
    const QString suggested = qs(exportNameOf(CurrentFileName, std::string(suffix) + std::string(extension)));
    QString chosen = chooseExportFile ? chooseExportFile(suggested)
                                      : QFileDialog::getSaveFileName(this, QString(), suggested, filter);
    if (chosen.isEmpty())
        return {};
    if (!chosen.endsWith(qs(std::string(extension)), Qt::CaseInsensitive))
        chosen += qs(std::string(extension));
    return chosen.toStdString();
}

void TForm1::ExportAvl1Click()
{
    if (!calculatedWithLattice())
        return;
    const std::string file = askExportFileName(".avl", "AVL (*.avl)");
    if (file.empty())
        return;
    const std::string failed = writeAvlFile(file, aircraft, solver, document.centreOfGravity().x, wingNames(texts),
                                            fileOfAircraft, language());
    if (!failed.empty())
        reportFileError(failed);
}

void TForm1::ExportCsv1Click()
{
    if (!calculatedWithLattice())
        return;
    const std::string file = askExportFileName(".csv", "CSV (*.csv)");
    if (file.empty())
        return;
    const std::string failed = saveLiftDistributionCsv(file, document.liftDistribution(), language());
    if (!failed.empty())
        reportFileError(failed);
}

void TForm1::LiftPlot1Click()
{
    if (!calculatedWithLattice())
        return;
    if (!liftPlot)
        liftPlot = new LiftPlotDialog(this);
    liftPlot->show(document.liftDistribution(), wingNames(texts), language());
}

// The wing a template is made of: the one whose tab is shown, else the reference wing, as the user
// confirms or changes it.
int TForm1::askTemplateWing()
{
    const int page = activePageNumber();
    const int proposed = page >= 1 && page <= aircraft.WingCount ? page : std::max(1, solver.ReferenceWing);
    if (chooseTemplateWing)
        return chooseTemplateWing(proposed);
    QStringList wings;
    for (int w = 1; w <= aircraft.WingCount; ++w)
        wings << qs(wingTabCaption(language(), w, shownWingName(texts.wing[w].name))).trimmed();
    bool ok = false;
    const QString chosen = QInputDialog::getItem(this, commands->ExportTemplate1->text().remove("..."), QString(),
                                                 wings, proposed - 1, false, &ok);
    return ok ? static_cast<int>(wings.indexOf(chosen)) + 1 : 0;
}

// The template of the chosen wing with the balance marks the top view shows; a problem (a wing
// without area, one too large for the page limit) is said instead.
std::optional<TemplateDocument> TForm1::templateOfChosenWing()
{
    if (!calculatedWithLattice())
        return std::nullopt;
    const int w = askTemplateWing();
    if (w < 1)
        return std::nullopt;
    const TemplateRequest request{.wing = w,
                                  .referenceWing = solver.ReferenceWing,
                                  .automatic = document.automaticStability(),
                                  .wingNames = wingNames(texts),
                                  .paper = localePaper()};
    TemplateDocument pages =
        templateDocument(aircraft, document.stabilityFigures(), request, language(), CurrentFileName);
    if (!pages.ok()) {
        reportFileError(pages.problem);
        return std::nullopt;
    }
    return pages;
}

void TForm1::ExportTemplate1Click()
{
    const std::optional<TemplateDocument> pages = templateOfChosenWing();
    if (!pages)
        return;
    const std::string file =
        askExportFileName(".pdf", "PDF (*.pdf)", "_wing" + std::to_string(pages->planform.wing));
    if (file.empty())
        return;
    const std::string failed = writePlanformTemplatePdf(file, *pages);
    if (!failed.empty())
        reportFileError(failed);
}

// The template through the printer dialog: real printers print it without scaling.
void TForm1::PrintTemplate1Click()
{
    const std::optional<TemplateDocument> pages = templateOfChosenWing();
    if (!pages)
        return;
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const std::string failed = printPlanformTemplate(printer, *pages);
    if (!failed.empty())
        reportFileError(failed);
}

} // namespace ab
