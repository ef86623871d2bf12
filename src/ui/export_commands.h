// SPDX-License-Identifier: GPL-3.0-or-later
// The window's exports as a part of their own: the aircraft for AVL, the spanwise results as CSV,
// the wing at true size as a template (a PDF or through the printer dialog), and the lift
// distribution plot. The part reads the document and asks the window only for what the window
// knows: the language, the name shown, the tab on display, and the results with their lattice.
#pragma once

#include "document/aircraft_document.h"
#include "lang/language.h"
#include "print/template_pdf.h"

#include <QObject>
#include <QString>

#include <functional>
#include <optional>
#include <string>
#include <string_view>

class QWidget;

namespace ab {

class LiftPlotDialog;

class ExportCommands : public QObject {
    Q_OBJECT
public:
    // What the part asks of its window.
    struct Window {
        QWidget* widget = nullptr;                         // the dialogs' parent
        std::function<Language()> language;
        std::function<UnitSystem()> units;                 // of the template's texts
        std::function<std::string()> shownFileName;        // the name the window shows ("Unknown.wk4")
        std::function<int()> activePage;                   // AircraftPage, wing 1..5 or RemarksPage
        std::function<QString()> templateTitle;            // the wing chooser's title
        std::function<void(const std::string&)> reportError;
        // Runs its argument once the results have their lattice (calculated again when only stored).
        std::function<void(std::function<void()>)> withLattice;
    };
    ExportCommands(const AircraftDocument& document, Window window, QObject* parent);

    void exportAvl();
    void exportCsv();
    void showLiftPlot();
    void exportTemplate();
    void printTemplate();
    void hideLiftPlot();   // its distribution is no longer the aircraft's
    void followLanguage(); // a plot on display is drawn again in the window's language

    // What the part asks the user; tests put their own answers here instead of dialogs.
    std::function<QString(const QString&)> chooseExportFile; // offered the suggested name; empty: cancelled
    std::function<int(int)> chooseTemplateWing; // offered the wing proposed; 0: cancelled
    LiftPlotDialog* liftPlot = nullptr; // made at the first View > Lift distribution

private:
    void writeAvl();
    void writeCsv();
    void writeTemplate();
    void printChosenTemplate();
    std::string askExportFileName(std::string_view extension, const QString& filter, std::string_view suffix = {});
    int askTemplateWing(); // 0: cancelled
    std::optional<TemplateDocument> templateOfChosenWing();

    const AircraftDocument& document;
    Window window;
};

} // namespace ab
