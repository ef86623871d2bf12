// SPDX-License-Identifier: GPL-3.0-or-later
// The window's exports: the aircraft for AVL, the spanwise results as CSV, the wing at true size as a
// template, and the lift distribution plot. Each needs a calculation; stored results are calculated
// again first for their lattice, as Print does.
#include "ui/export_commands.h"

#include "model/configuration.h"

#include "files/avl_export.h"
#include "files/lift_distribution_csv.h"
#include "files/save_target.h"
#include "lang/template_texts.h"
#include "lang/wing_captions.h"
#include "print/template_pdf.h"
#include "stability/stability.h"
#include "ui/lift_plot_dialog.h"
#include "model/wing_name.h"
#include "ui/widgets.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QVBoxLayout>
#include <QPrintDialog>
#include <QPrinter>

namespace ab {

ExportCommands::ExportCommands(const AircraftDocument& d, Window w, QObject* parent)
    : QObject(parent), document(d), window(std::move(w))
{
}

// The name offered is the aircraft's with the export's ending (extension, or a suffix and the
// extension), in its folder; the extension is added when the name chosen has none.
std::string ExportCommands::askExportFileName(std::string_view extension, const QString& filter, std::string_view suffix)
{
    const QString suggested = qs(exportNameOf(window.shownFileName(), std::string(suffix) + std::string(extension)));
    QString chosen = chooseExportFile ? chooseExportFile(suggested)
                                      : QFileDialog::getSaveFileName(window.widget, QString(), suggested, filter);
    if (chosen.isEmpty())
        return {};
    if (!chosen.endsWith(qs(std::string(extension)), Qt::CaseInsensitive))
        chosen += qs(std::string(extension));
    return chosen.toStdString();
}

void ExportCommands::exportAvl() { window.withLattice([this] { writeAvl(); }); }

void ExportCommands::writeAvl()
{
    const std::string file = askExportFileName(".avl", "AVL (*.avl)");
    if (file.empty())
        return;
    const std::string failed = writeAvlFile(file, document.aircraft, document.solver, document.centreOfGravity().x,
                                            wingNames(document.texts), document.fileName, window.language());
    if (!failed.empty())
        window.reportError(failed);
}

void ExportCommands::exportCsv() { window.withLattice([this] { writeCsv(); }); }

void ExportCommands::writeCsv()
{
    const std::string file = askExportFileName(".csv", "CSV (*.csv)");
    if (file.empty())
        return;
    const std::string failed = saveLiftDistributionCsv(file, document.liftDistribution(), window.language());
    if (!failed.empty())
        window.reportError(failed);
}

void ExportCommands::showLiftPlot()
{
    window.withLattice([this] {
        if (!liftPlot)
            liftPlot = new LiftPlotDialog(window.widget);
        liftPlot->show(document.liftDistribution(), wingNames(document.texts), window.language(), window.units());
    });
}

void ExportCommands::hideLiftPlot()
{
    if (liftPlot)
        liftPlot->hide();
}

void ExportCommands::followLanguage()
{
    if (liftPlot && liftPlot->isVisible() && document.aircraft.ResultsValid && document.aircraft.SolverDataValid)
        showLiftPlot();
}

// The wing a template is made of: the one whose tab is shown, else the reference wing, as the user
// confirms or changes it in a list that marks the reference wing. The chooser is as wide as its
// title and its longest entry.
int ExportCommands::askTemplateWing()
{
    const int page = window.activePage();
    const int proposed = page >= 1 && page <= document.aircraft.WingCount ? page : std::max(1, document.solver.ReferenceWing);
    if (chooseTemplateWing)
        return chooseTemplateWing(proposed);
    QStringList wings;
    for (int w = 1; w <= document.aircraft.WingCount; ++w) {
        std::string entry = wingTabCaption(window.language(), w, shownWingName(document.texts.wing[w].name));
        entry = qs(entry).trimmed().toStdString();
        if (w == document.solver.ReferenceWing) {
            std::string marked(texts::TemplateReferenceWing.in(window.language()));
            fillIn(marked, "{wing}", entry);
            entry = marked;
        }
        wings << qs(entry);
    }
    QDialog chooser(window.widget);
    chooser.setObjectName("TemplateWingChooser");
    chooser.setWindowTitle(window.templateTitle());
    auto* layout = new QVBoxLayout(&chooser);
    layout->addWidget(new QLabel(qs(texts::TemplateWingPrompt.in(window.language())), &chooser));
    auto* list = new QComboBox(&chooser);
    list->setObjectName("TemplateWing");
    list->addItems(wings);
    list->setCurrentIndex(proposed - 1);
    layout->addWidget(list);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &chooser);
    connect(buttons, &QDialogButtonBox::accepted, &chooser, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, &chooser, &QDialog::reject);
    layout->addWidget(buttons);
    // Room for the title beside the window's buttons, and for the longest entry.
    chooser.setMinimumWidth(std::max(chooser.fontMetrics().horizontalAdvance(chooser.windowTitle()) + 160,
                                     list->sizeHint().width() + 40));
    return chooser.exec() == QDialog::Accepted ? list->currentIndex() + 1 : 0;
}

// The template of the chosen wing with the balance marks the top view shows; a problem (a wing
// without area, one too large for the page limit) is said instead.
std::optional<TemplateDocument> ExportCommands::templateOfChosenWing()
{
    const int w = askTemplateWing();
    if (w < 1)
        return std::nullopt;
    const TemplateRequest request{.wing = w,
                                  .referenceWing = document.solver.ReferenceWing,
                                  .automatic = document.automaticStability(),
                                  .wingNames = wingNames(document.texts),
                                  .paper = localePaper(),
                                  .units = window.units()};
    TemplateDocument pages =
        templateDocument(document.aircraft, document.stabilityFigures(), request, window.language(), window.shownFileName());
    if (!pages.ok()) {
        window.reportError(pages.problem);
        return std::nullopt;
    }
    return pages;
}

void ExportCommands::exportTemplate() { window.withLattice([this] { writeTemplate(); }); }

void ExportCommands::writeTemplate()
{
    const std::optional<TemplateDocument> pages = templateOfChosenWing();
    if (!pages)
        return;
    const std::string file = askExportFileName(".pdf", "PDF (*.pdf)", "_wing" + std::to_string(pages->planform.wing));
    if (file.empty())
        return;
    const std::string failed = writePlanformTemplatePdf(file, *pages);
    if (!failed.empty())
        window.reportError(failed);
}

// The template through the printer dialog: real printers print it without scaling.
void ExportCommands::printTemplate() { window.withLattice([this] { printChosenTemplate(); }); }

void ExportCommands::printChosenTemplate()
{
    const std::optional<TemplateDocument> pages = templateOfChosenWing();
    if (!pages)
        return;
    QPrinter printer(QPrinter::HighResolution);
    // The job's name, which the dialog also offers for printing to a file: the aircraft's with the
    // wing ("trainer_wing1.pdf").
    printer.setDocName(QFileInfo(qs(templatePdfNameOf(window.shownFileName(), pages->planform.wing))).fileName());
    QPrintDialog dialog(&printer, window.widget);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const std::string failed = printPlanformTemplate(printer, *pages);
    if (!failed.empty())
        window.reportError(failed);
}

} // namespace ab
