// SPDX-License-Identifier: GPL-3.0-or-later
// The window's exports: the aircraft for AVL, the spanwise results as CSV, the wing at true size as a
// template, and the lift distribution plot. Each needs a calculation; stored results are calculated
// again first for their lattice, as Print does.
#include "ui/main_window.h"

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

void TForm1::withLattice(std::function<void()> then)
{
    if (!aircraft.ResultsValid)
        return;
    if (aircraft.SolverDataValid)
        then();
    else
        calculateThen([this, then = std::move(then)] {
            if (aircraft.ResultsValid && aircraft.SolverDataValid)
                then();
        });
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

void TForm1::ExportAvl1Click() { withLattice([this] { exportAvl(); }); }

void TForm1::exportAvl()
{
    const std::string file = askExportFileName(".avl", "AVL (*.avl)");
    if (file.empty())
        return;
    const std::string failed = writeAvlFile(file, aircraft, solver, document.centreOfGravity().x, wingNames(texts),
                                            fileOfAircraft, language());
    if (!failed.empty())
        reportFileError(failed);
}

void TForm1::ExportCsv1Click() { withLattice([this] { exportCsv(); }); }

void TForm1::exportCsv()
{
    const std::string file = askExportFileName(".csv", "CSV (*.csv)");
    if (file.empty())
        return;
    const std::string failed = saveLiftDistributionCsv(file, document.liftDistribution(), language());
    if (!failed.empty())
        reportFileError(failed);
}

void TForm1::LiftPlot1Click()
{
    withLattice([this] {
        if (!liftPlot)
            liftPlot = new LiftPlotDialog(this);
        liftPlot->show(document.liftDistribution(), wingNames(texts), language());
    });
}

// The wing a template is made of: the one whose tab is shown, else the reference wing, as the user
// confirms or changes it in a list that marks the reference wing. The chooser is as wide as its
// title and its longest entry.
int TForm1::askTemplateWing()
{
    const int page = activePageNumber();
    const int proposed = page >= 1 && page <= aircraft.WingCount ? page : std::max(1, solver.ReferenceWing);
    if (chooseTemplateWing)
        return chooseTemplateWing(proposed);
    QStringList wings;
    for (int w = 1; w <= aircraft.WingCount; ++w) {
        std::string entry = wingTabCaption(language(), w, shownWingName(texts.wing[w].name));
        entry = qs(entry).trimmed().toStdString();
        if (w == solver.ReferenceWing) {
            std::string marked(texts::TemplateReferenceWing.in(language()));
            fillIn(marked, "{wing}", entry);
            entry = marked;
        }
        wings << qs(entry);
    }
    QDialog chooser(this);
    chooser.setObjectName("TemplateWingChooser");
    chooser.setWindowTitle(commands->ExportTemplate1->text().remove("..."));
    auto* layout = new QVBoxLayout(&chooser);
    layout->addWidget(new QLabel(qs(texts::TemplateWingPrompt.in(language())), &chooser));
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
std::optional<TemplateDocument> TForm1::templateOfChosenWing()
{
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

void TForm1::ExportTemplate1Click() { withLattice([this] { exportTemplate(); }); }

void TForm1::exportTemplate()
{
    const std::optional<TemplateDocument> pages = templateOfChosenWing();
    if (!pages)
        return;
    const std::string file = askExportFileName(".pdf", "PDF (*.pdf)", "_wing" + std::to_string(pages->planform.wing));
    if (file.empty())
        return;
    const std::string failed = writePlanformTemplatePdf(file, *pages);
    if (!failed.empty())
        reportFileError(failed);
}

// The template through the printer dialog: real printers print it without scaling.
void TForm1::PrintTemplate1Click() { withLattice([this] { printTemplate(); }); }

void TForm1::printTemplate()
{
    const std::optional<TemplateDocument> pages = templateOfChosenWing();
    if (!pages)
        return;
    QPrinter printer(QPrinter::HighResolution);
    // The job's name, which the dialog also offers for printing to a file: the aircraft's with the
    // wing ("trainer_wing1.pdf").
    printer.setDocName(QFileInfo(qs(templatePdfNameOf(CurrentFileName, pages->planform.wing))).fileName());
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const std::string failed = printPlanformTemplate(printer, *pages);
    if (!failed.empty())
        reportFileError(failed);
}

} // namespace ab
