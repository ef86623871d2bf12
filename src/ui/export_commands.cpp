// The window's exports: the aircraft for AVL, the spanwise results as CSV, the wing at true size as a
// template, and the lift distribution plot. Each needs a calculation; stored results are calculated
// again first for their lattice, as Print does.
#include "ui/main_window.h"

#include "files/avl_export.h"
#include "files/lift_distribution_csv.h"
#include "files/save_target.h"
#include "solver/lift_distribution.h"
#include "ui/lift_plot_dialog.h"
#include "model/wing_name.h"
#include "ui/widgets.h"

#include <QFileDialog>

namespace ab {

bool TForm1::calculatedWithLattice()
{
    if (!aircraft.ResultsValid)
        return false;
    if (!aircraft.SolverDataValid)
        Button4Click();
    return aircraft.ResultsValid && aircraft.SolverDataValid;
}

// The name offered is the aircraft's with the export's extension, in its folder; the extension is
// added when the name chosen has none.
std::string TForm1::askExportFileName(std::string_view extension, const QString& filter)
{
    const QString suggested = qs(exportNameOf(CurrentFileName, extension));
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
    const std::string failed = writeAvlFile(file, aircraft, solver, aircraftViews->stabilityFigures().CgDesired,
                                            wingNames(texts), fileOfAircraft, language());
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
    const std::string failed = saveLiftDistributionCsv(file, liftDistribution(aircraft, solver), language());
    if (!failed.empty())
        reportFileError(failed);
}

void TForm1::LiftPlot1Click()
{
    if (!calculatedWithLattice())
        return;
    if (!liftPlot)
        liftPlot = new LiftPlotDialog(this);
    liftPlot->show(liftDistribution(aircraft, solver), wingNames(texts), language());
}

} // namespace ab
