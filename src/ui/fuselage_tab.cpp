// SPDX-License-Identifier: GPL-3.0-or-later
// The window's part in the fuselage: the tab's rows go into the texts and run the recalculation pass
// (the outline moves in the top and three-dimensional views, and a calculation while editing starts),
// and the figures under the table follow every stability display.
#include "ui/main_window.h"

#include "lang/fuselage_texts.h"
#include "model/numbers.h"
#include "ui/fuselage_page.h"
#include "ui/page_control.h"
#include "ui/widgets.h"

namespace ab {

void TForm1::buildFuselageTab()
{
    TabSheet9 = PageControl1->addPage("TabSheet9");
    fuselagePage = new FuselagePage(TabSheet9, this);
    connect(fuselagePage, &FuselagePage::stationsEdited, this,
            [this](const std::vector<FuselageStationTexts>& rows) { fuselageEdited(rows); });
    connect(aircraftViews, &AircraftViews::stabilityShown, this, [this] { showFuselageFigures(); });
}

void TForm1::fuselageEdited(const std::vector<FuselageStationTexts>& rows)
{
    if (building || applyingHistory)
        return;
    document.setFuselage(rows);
    Calc();
    showFuselageFigures();
    recordEdit({.kind = EditKind::Fuselage});
}

// The neutral point with the fuselage and the fuselage's share once a calculation had the body;
// while none has, a line that says so.
void TForm1::showFuselageFigures()
{
    const Language l = language();
    const UnitSystem u = fuselagePage->shownUnits();
    std::vector<std::string> lines;
    if (aircraft.ResultsValid) {
        const StabilityFigures f = document.stabilityFigures();
        lines.push_back(std::string(texts::NeutralPointPrefix.in(l)) +
                        shownFigure(aircraft.NeutralPointX, Quantity::Length, u, 1) +
                        std::string(unitName(Quantity::Length, u)) + percentMacText(f.NeutralPointPercentMac, l));
    } else {
        lines.emplace_back();
    }
    if (aircraft.ResultsValid && aircraft.FuselageCalculated)
        lines.push_back(fuselageShiftText(aircraft, l, u));
    else if (aircraft.Fuselage.size() >= 2)
        lines.emplace_back(texts::FuselageStale.in(l));
    fuselagePage->showFigures(readFuselage(texts.fuselage), lines, l);
}

void TForm1::showFuselageLanguage(Language l)
{
    fuselagePage->setLanguage(l);
    PageControl1->setTabText(TabSheet9, qs(" " + std::string(texts::FuselageTab.in(l)) + " "));
    showFuselageFigures();
}

} // namespace ab
