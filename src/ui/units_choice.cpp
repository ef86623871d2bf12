// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/units_choice.h"

#include "lang/units_texts.h"
#include "ui/aircraft_views.h"
#include "ui/balance_page.h"
#include "ui/fuselage_page.h"
#include "ui/wing_page.h"

#include <QActionGroup>
#include <QMenu>

namespace ab {

UnitsChoice::UnitsChoice(QMenu* viewMenu, const UnitsParts& parts, std::function<void()> redraw, QObject* parent)
    : QObject(parent), parts(parts), redraw(std::move(redraw))
{
    menu = viewMenu->addMenu(QString());
    menu->setObjectName("Units1");
    auto* group = new QActionGroup(menu);
    group->setExclusive(true);
    const auto entry = [&](const char* name, UnitSystem u) {
        QAction* action = menu->addAction(QString());
        action->setObjectName(name);
        action->setCheckable(true);
        group->addAction(action);
        connect(action, &QAction::triggered, this, [this, u] { choose(u); });
        return action;
    };
    metric = entry("UnitsMetric1", UnitSystem::Metric);
    imperial = entry("UnitsImperial1", UnitSystem::Imperial);
    metric->setChecked(true);
}

void UnitsChoice::setLanguage(Language l)
{
    menu->setTitle(QString::fromUtf8(texts::UnitsMenu.in(l)));
    metric->setText(QString::fromUtf8(texts::UnitsMetric.in(l)));
    imperial->setText(QString::fromUtf8(texts::UnitsImperial.in(l)));
}

void UnitsChoice::choose(UnitSystem u)
{
    (u == UnitSystem::Metric ? metric : imperial)->setChecked(true);
    if (u == current)
        return;
    current = u;
    for (int w = 1; w <= MaxWings; ++w)
        parts.wingPages[w]->setUnits(u);
    parts.views->setUnits(u);
    parts.balance->setUnits(u);
    parts.fuselage->setUnits(u);
    redraw();
}

} // namespace ab
