// SPDX-License-Identifier: GPL-3.0-or-later
// The aircraft tab: wing count, the position of every wing over its position box, the top view and
// the three-dimensional view with their scroll bars, the calculation's column with the stability
// controls and the message memo; and the hidden printing canvases.
#include "ui/main_window.h"

#include "draw/colours.h"
#include "ui/calculation_commands.h"
#include "ui/export_commands.h"
#include "ui/file_commands.h"
#include "ui/history_commands.h"
#include "ui/image_view.h"
#include "ui/units_choice.h"
#include "ui/widgets.h"

#include <QRadioButton>

namespace ab {

void TForm1::buildAircraftTab(QWidget* tab, const PerWing<QWidget*>& wingTabs)
{
    auto* Panel1 = place<QWidget>(tab, "Panel1", 0, 0, 224, 49);
    const QPoint countPlaces[MaxWings + 1] = {{}, {4, 4}, {76, 4}, {150, 4}, {4, 26}, {76, 26}};
    for (int n = 1; n <= MaxWings; ++n) {
        const QPoint at = countPlaces[n];
        wingCountButton[n] = place<QRadioButton>(Panel1, wingCountButtonName(n), at.x(), at.y(), 72, 20);
    }
    exclusiveGroup(Panel1, wingCountButton[1], wingCountButton[2], wingCountButton[3], wingCountButton[4],
                   wingCountButton[5]);
    wingCountButton[MaxWings]->setChecked(true);
    for (int n = 1; n <= MaxWings; ++n)
        connect(wingCountButton[n], &QRadioButton::toggled, this, [this, n](bool on) {
            if (on)
                chooseWingCount(n);
        });

    autoLabel(tab, "Label23", 6, 50, clBlack);
    // Each wing page makes its position box and fields here, in the order of the wings.
    for (int w = 1; w <= MaxWings; ++w) {
        WingPage* page = wingPage[w] = new WingPage(w, wingTabs[w], tab, document.aircraft, document.texts, this);
        connect(page, &WingPage::fieldEdited, this, [this, w](Role role, const QString& text) { fieldEdited(w, role, text); });
        connect(page, &WingPage::nameEdited, this, [this, w](const QString& name) { wingNameEdited(w, name); });
        connect(page, &WingPage::dihedralEdited, this,
                [this, w](int k, const QString& text) { dihedralEdited(w, k, text); });
        connect(page, &WingPage::trapezoidCountChosen, this, [this, w](int n) { chooseTrapezoidCount(w, n); });
    }

    aircraftViews = new AircraftViews(document, this);
    aircraftViews->buildViews(tab);
    // The pressure check box: the pass when the results are stale, then every view with or without
    // the pressure colours.
    connect(aircraftViews, &AircraftViews::pressureToggled, this, [this] {
        aircraftViews->showContrastBar();
        if (!document.aircraft.ResultsValid)
            Calc();
        aircraftViews->d_1d();
        aircraftViews->STABIL();
        aircraftViews->d_3d();
    });

    calculation = new CalculationCommands(
        document, tab,
        {.pages = PageControl1,
         .aircraftTab = TabSheet5,
         .wingPage = wingPage,
         .views = aircraftViews,
         .commands = commands,
         .language = [this] { return language(); },
         .units = [this] { return unitsChoice ? unitsChoice->units() : UnitSystem::Metric; },
         .building = [this] { return building; },
         .settingControls = [this] { return building || history->puttingBack(); },
         .starting = [this] { return files->starting(); },
         .evaluate = [this](ResultsAfterPass results) { Calc(results); },
         .evaluateWing = [this](int w, ResultsAfterPass results) { Calc_W(w, results); },
         .layOut = [this] { FormResize(); },
         .commandsChanged = [this] { applyCommandStates(); },
         .hideLiftPlot = [this] { exports->hideLiftPlot(); },
         .recordEdit = [this](const Edit& edit) { history->recordEdit(edit); },
         .asOneEdit = [this](const Edit& edit, const std::function<void()>& writes) { history->asOneEdit(edit, writes); }},
        this);

    // Canvases of the printed summary, and a picture no command draws on.
    struct Hidden {
        const char* name;
        int width, height;
    };
    for (const Hidden& h : {Hidden{"Image_P", 806, 1620}, Hidden{"Image4", 593, 330}, Hidden{"Image7", 630, 200},
                            Hidden{"Image6", 600, 200}}) {
        ImageView* image = place<ImageView>(tab, h.name, 0, 0, h.width, h.height);
        image->resizeBitmap(h.width, h.height);
        image->hide();
    }
}

} // namespace ab
