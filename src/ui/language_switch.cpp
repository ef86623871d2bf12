// SPDX-License-Identifier: GPL-3.0-or-later
// The three language selections and the procedure they share: captions of controls and menu
// items, the texts drawn on images, the drawings whose texts depend on the language, and the
// message texts; each part follows with its own.
#include "ui/main_window.h"

#include "lang/captions.h"
#include "lang/wing_captions.h"
#include "model/wing_name.h"
#include "print/printer_dialog.h"
#include "ui/balance_commands.h"
#include "ui/balance_page.h"
#include "ui/calculation_commands.h"
#include "ui/export_commands.h"
#include "ui/fuselage_commands.h"
#include "ui/history_commands.h"
#include "ui/info_dialog.h"
#include "ui/units_choice.h"
#include "ui/widgets.h"

namespace ab {

// Exactly one language button shows: the one that switches to the next language in the cycle
// German, English, Spanish.
void TForm1::selectLanguage(Language l)
{
    languageFlags = flagsFor(l);
    (void)qtTexts.use(l); // without Qt's translation installed its dialogs stay English
    commands->showLanguageButton(l);

    for (const Caption& c : controlCaptions())
        if (c.text.raw(l))
            setCaptionOf(c.control, qs(c.text.in(l)));
    // The message texts are filled before anything is drawn or the gap questions are written, so
    // that these come in the new language at once (and are there at start-up).
    messages = messageTexts(l);
    aircraftViews->setLanguage(l, messages.FlightDirectionText);
    calculation->setLanguage(l);
    unitsChoice->setLanguage(l);
    balance->page->setLanguage(l);
    fuselage->setLanguage(l);
    history->showUndoCommands();
    commands->setLanguage(l);
    exports->followLanguage();
    // The windows beside the main window speak the new language too.
    if (infoDialog)
        infoDialog->showTexts(l);
    if (printerDialog)
        printerDialog->setLanguage(l);
    for (int w = 1; w <= MaxWings; ++w)
        wingPage[w]->setLanguage(l);
    balance->showFigures();
    // The top view is drawn again as a whole: its flight direction stands where the drawing puts it,
    // beside its arrow, and no text of the language before is left under it.
    if (document.aircraft.ResultsValid) {
        aircraftViews->STABIL();
    } else {
        aircraftViews->clearTopView();
        aircraftViews->d_1d();
    }
    for (int w = 1; w <= MaxWings; ++w)
        wingPage[w]->drawSketch(qs(texts::sketchFlightDirection(w).in(l)));
    showWingNames();
    for (const Caption& c : menuCaptions())
        if (c.text.raw(l))
            setCaptionOf(c.control, qs(c.text.in(l)));
    Space1();
    for (int w = 1; w <= MaxWings; ++w)
        wingPage[w]->placeResultColumns();
    calculation->placeControls();
}

void TForm1::drawThumbnailTitles()
{
    for (int w = 1; w <= MaxWings; ++w)
        wingPage[w]->titlePositionBox(qs(thumbnailTitle(language(), w)),
                                      qs(shownWingName(document.texts.wing[w].name)));
}

} // namespace ab
