// SPDX-License-Identifier: GPL-3.0-or-later
// The window's fuselage as a part of its own: the fuselage tab's stations go into the document as
// an edit and run the window's pass (the outline moves in the top and three-dimensional views, and a
// calculation while editing starts); the figures under the table follow every stability display.
#pragma once

#include "document/aircraft_document.h"
#include "lang/language.h"

#include <QObject>

#include <functional>

class QWidget;

namespace ab {

class AircraftViews;
class FuselagePage;
class PageControl;

class FuselageCommands : public QObject {
    Q_OBJECT
public:
    struct Window {
        std::function<Language()> language;
        std::function<bool()> settingControls; // the window is built or a state put back: no edit
        std::function<void()> evaluate;        // the pass over the changed aircraft
        std::function<void(const Edit&)> recordEdit;
    };
    // Adds the fuselage tab to the pages.
    FuselageCommands(AircraftDocument& document, PageControl* pages, AircraftViews* views, Window window, QObject* parent);

    void showStations(); // the document's stations in the table
    void showFigures();
    void setLanguage(Language language);

    QWidget* tab = nullptr; // TabSheet9
    FuselagePage* page = nullptr;

private:
    AircraftDocument& document;
    PageControl* pages;
    Window window;
};

} // namespace ab
