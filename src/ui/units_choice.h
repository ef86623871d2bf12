// SPDX-License-Identifier: GPL-3.0-or-later
// The choice of units under View > Units (millimetres and grams, or inches and ounces) and what it
// changes: the wing pages, the top view's texts, the balance and the fuselage tables show and read
// their lengths and masses in the chosen units. The aircraft's texts stay in mm and g.
#pragma once

#include "lang/language.h"
#include "model/aircraft.h"
#include "model/units.h"

#include <QObject>
#include <functional>

class QAction;
class QMenu;

namespace ab {

class AircraftViews;
class BalancePage;
class FuselagePage;
class WingPage;

// The parts that show lengths and masses.
struct UnitsParts {
    PerWing<WingPage*> wingPages{};
    AircraftViews* views = nullptr;
    BalancePage* balance = nullptr;
    FuselagePage* fuselage = nullptr;
};

class UnitsChoice : public QObject {
    Q_OBJECT
public:
    // Adds the submenu Units1 with UnitsMetric1 and UnitsImperial1 to `viewMenu`; `redraw` draws
    // the views and writes the figures again after a change.
    UnitsChoice(QMenu* viewMenu, const UnitsParts& parts, std::function<void()> redraw, QObject* parent);

    // Shows and reads in these units from now on (the menu's choice, or the settings at start).
    void choose(UnitSystem units);
    void setLanguage(Language language);
    UnitSystem units() const { return current; }

    QMenu* menu = nullptr;
    QAction *metric = nullptr, *imperial = nullptr;

private:
    UnitsParts parts;
    std::function<void()> redraw;
    UnitSystem current = UnitSystem::Metric;
};

} // namespace ab
