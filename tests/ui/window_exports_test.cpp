// SPDX-License-Identifier: GPL-3.0-or-later
// The exports as a user takes them from the window: each offers the aircraft's name with its own
// extension, calculates stored results again first, and writes its file; the lift plot opens on the
// wing's distribution with its stall-first mark.
#include "cli/batch.h"
#include "files/save_target.h"
#include "ui/export_commands.h"
#include "ui/lift_plot_dialog.h"
#include "ui/page_control.h"
#include "window_test_support.h"

#include <QComboBox>
#include <QFile>
#include <sstream>

namespace ab {
namespace {

class WindowExports : public InOwnFolder {};

QByteArray contentsOf(const std::string& file)
{
    QFile f(QString::fromStdString(file));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

TEST_F(WindowExports, EachExportOffersTheAircraftsNameAndWritesItsFile)
{
    // The trainer saved with its results, then opened as a user finds it the next day.
    const std::string trainer = path("trainer.wk4");
    {
        TForm1 first;
        first.questions.chooseFileToOpen = [] { return QString::fromStdString(kExamples + "trainer.wk4"); };
        trigger(first, "Open2");
        trigger(first, "calculateAction");
        first.questions.chooseFileToSave = [&] { return QString::fromStdString(trainer); };
        trigger(first, "Save2");
    }
    TForm1 form;
    form.questions.chooseFileToOpen = [&] { return QString::fromStdString(trainer); };
    trigger(form, "Open2");
    ASSERT_TRUE(form.aircraftState().ResultsValid);
    ASSERT_FALSE(form.aircraftState().SolverDataValid); // stored results, no lattice yet

    // What the window writes is what batch mode writes for the same file.
    std::ostringstream out, err;
    ASSERT_EQ(runBatch({"--calc", trainer, "--avl", path("batch.avl"), "--csv", path("batch.csv")}, out, err), 0)
        << err.str();
    const struct {
        const char* action;
        const char* extension;
    } exports[] = {{"ExportAvl1", ".avl"}, {"ExportCsv1", ".csv"}};
    for (const auto& e : exports) {
        SCOPED_TRACE(e.action);
        ASSERT_TRUE(control<QAction>(form, e.action)->isEnabled());
        QString offered;
        form.exports->chooseExportFile = [&](const QString& suggested) {
            offered = suggested;
            return QString::fromStdString(path("out")); // the extension is added
        };
        form.questions.showError = [](const QString& message) { ADD_FAILURE() << message.toStdString(); };
        trigger(form, e.action);
        EXPECT_EQ(offered.toStdString(), exportNameOf(trainer, e.extension));
        EXPECT_TRUE(form.aircraftState().SolverDataValid); // calculated first
        const QByteArray written = contentsOf(path("out") + e.extension);
        EXPECT_FALSE(written.isEmpty());
        EXPECT_EQ(written, contentsOf(path("batch") + e.extension));
    }

    // The template proposes the wing whose tab is shown and writes its pages as a PDF.
    control<PageControl>(form, "PageControl1")->setActivePage(control(form, "TabSheet2"));
    int proposed = 0;
    form.exports->chooseTemplateWing = [&](int wing) {
        proposed = wing;
        return wing;
    };
    QString offered;
    form.exports->chooseExportFile = [&](const QString& suggested) {
        offered = suggested;
        return QString::fromStdString(path("tail.pdf"));
    };
    trigger(form, "ExportTemplate1");
    EXPECT_EQ(proposed, 2);
    EXPECT_EQ(offered.toStdString(), exportNameOf(trainer, "_wing2.pdf"));
    EXPECT_TRUE(contentsOf(path("tail.pdf")).startsWith("%PDF"));

    // A cancelled choice writes nothing and says nothing.
    form.exports->chooseExportFile = [](const QString&) { return QString(); };
    trigger(form, "ExportAvl1");
}

TEST_F(WindowExports, TheLiftPlotShowsEachWingWithItsStallFirstMark)
{
    TForm1 form;
    trigger(form, "calculateAction");
    trigger(form, "LiftPlot1");
    auto* dialog = form.findChild<LiftPlotDialog*>("LiftPlotDialog");
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->wingChoice->count(), form.aircraftState().WingCount);
    for (int i = 0; i < dialog->wingChoice->count(); ++i) {
        dialog->wingChoice->setCurrentIndex(i);
        const QImage plot = dialog->plotImage();
        int red = 0, ink = 0;
        for (int y = 0; y < plot.height(); y += 2)
            for (int x = 0; x < plot.width(); x += 2) {
                const QColor c = plot.pixelColor(x, y);
                red += c.red() > 180 && c.green() < 80 && c.blue() < 80;
                ink += c != QColor(Qt::white);
            }
        EXPECT_GT(red, 0) << "wing " << i + 1 << ": the stall-first mark";
        EXPECT_GT(ink, 500) << "wing " << i + 1;
    }
}

} // namespace
} // namespace ab
