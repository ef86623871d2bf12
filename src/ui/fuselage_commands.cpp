// SPDX-License-Identifier: GPL-3.0-or-later
// The window's part in the fuselage: the tab's rows as edits of the document, the neutral point with
// the fuselage and its share under the table.
#include "ui/fuselage_commands.h"

#include "lang/fuselage_texts.h"
#include "model/numbers.h"
#include "ui/aircraft_views.h"
#include "ui/fuselage_page.h"
#include "ui/page_control.h"
#include "ui/widgets.h"

namespace ab {

FuselageCommands::FuselageCommands(AircraftDocument& d, PageControl* p, AircraftViews* views, Window w, QObject* parent)
    : QObject(parent), document(d), pages(p), window(std::move(w))
{
    tab = pages->addPage("TabSheet9");
    page = new FuselagePage(tab, this);
    connect(page, &FuselagePage::stationsEdited, this, [this](const std::vector<FuselageStationTexts>& rows) {
        if (window.settingControls())
            return;
        document.setFuselage(rows);
        window.evaluate();
        showFigures();
        window.recordEdit({.kind = EditKind::Fuselage});
    });
    connect(views, &AircraftViews::stabilityShown, this, [this] { showFigures(); });
}

void FuselageCommands::showStations() { page->showStations(document.texts.fuselage); }

// The neutral point with the fuselage and the fuselage's share once a calculation had the body;
// while none has, a line that says so.
void FuselageCommands::showFigures()
{
    const Language l = window.language();
    const UnitSystem u = page->shownUnits();
    const Aircraft& aircraft = document.aircraft;
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
    page->showFigures(readFuselage(document.texts.fuselage), lines, l);
}

void FuselageCommands::setLanguage(Language l)
{
    page->setLanguage(l);
    pages->setTabText(tab, qs(" " + std::string(texts::FuselageTab.in(l)) + " "));
    showFigures();
}

} // namespace ab
