// "Calculate Aerodynamic Center" in the window: the run of the core's calculation with the running
// label, the countdown of the solve, heights moved apart written into their fields, the memo lines
// and, after a complete run, the neutral-point labels of every wing.
#include "ui/main_window.h"

#include "solver/calculation.h"
#include "ui/image_view.h"
#include "ui/page_control.h"
#include "ui/widgets.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>

namespace ab {

void TForm1::Button4Click(QObject* sender)
{
    if (PageControl1->activePage() != TabSheet5)
        PageControl1->setActivePage(TabSheet5);
    aircraft.CalcFailed = false;
    Label_w->show();
    Button4->hide();
    SpeedButton4->setEnabled(false);
    Memo1->clear();
    Memo1->hide();
    Calc(sender);
    repaint();

    // The countdown label is repainted at most every 30 ms: a repaint per pivot step would cost
    // more than the elimination itself.
    QElapsedTimer sinceRepaint;
    sinceRepaint.start();
    CalculationCallbacks callbacks;
    callbacks.countdown = [&](int remaining) {
        if (remaining != 0 && sinceRepaint.elapsed() < 30)
            return;
        sinceRepaint.restart();
        Label24->show();
        setLabelText(Label24, QString::number(remaining));
        Label24->repaint();
    };
    callbacks.heightChanged = [this](int w, const std::string& zText) {
        wingUi[w].field[static_cast<int>(Role::PosZ)]->setText(qs(zText));
    };
    const CalculationRun run = calculate(aircraft, texts, solver, language(), callbacks);
    Label24->hide();

    QStringList memo;
    for (const std::string& line : run.memo)
        memo << qs(line);
    Memo1->setPlainText(memo.join('\n'));
    Memo1->setVisible(run.memoVisible);

    if (!run.failed) {
        for (int w = 1; w <= MaxWings; ++w) {
            const WingResultLabels labels = wingResultLabels(aircraft, w);
            setLabelText(wingUi[w].neutralPoint, qs(labels.neutralPoint));
            setLabelText(wingUi[w].liftCentre, qs(labels.liftCentre));
        }
        Image2->setCursor(Qt::DragMoveCursor);
        STABIL(sender);
        FormResize();
        // Printing is enabled here once the summary page can be printed.
        showNeutralPoints(true);
    }
    Label_w->hide();
    Button4->show();
    Button4->setEnabled(false);
    SpeedButton4->setEnabled(false);
    QApplication::beep();
}

} // namespace ab
