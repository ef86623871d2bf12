// The three language selections and the procedure they share: captions of controls and menu
// items, the texts drawn on images, the drawings whose texts depend on the language, and the
// message texts.
#include "ui/main_window.h"

#include "lang/captions.h"
#include "draw/colours.h"
#include "ui/image_view.h"
#include "ui/widgets.h"

#include <QToolButton>

namespace ab {

void TForm1::english1Click() { selectLanguage(Language::English); }
void TForm1::spain1Click() { selectLanguage(Language::Spanish); }
void TForm1::german1Click() { selectLanguage(Language::German); }

// Exactly one language button shows: the one that switches to the next language in the cycle
// German, English, Spanish.
void TForm1::selectLanguage(Language l)
{
    languageFlags = flagsFor(l);
    (void)qtTexts.use(l); // without Qt's translation installed its dialogs stay English
    SpeedButtonG->setVisible(l == Language::German);
    SpeedButtonE->setVisible(l == Language::English);
    SpeedButtonS->setVisible(l == Language::Spanish);
    applyLanguage(l);
}

void TForm1::applyLanguage(Language l)
{
    for (const Caption& c : controlCaptions())
        if (c.text.raw(l))
            setCaptionOf(c.control, qs(c.text.in(l)));
    for (int w = 1; w <= MaxWings; ++w)
        wingUi[w].positionBox->textOut(static_cast<int>(0.7 * wingUi[w].positionBox->bitmap().width()), 2,
                                       qs(thumbnailTitle(l, w)), clBlack, clSilver);
    // The message texts are filled before anything is drawn or the gap questions are written, so
    // that these come in the new language at once (and are there at start-up).
    messages = messageTexts(l);
    // The top view is drawn again as a whole: its flight direction stands where the drawing puts it,
    // beside its arrow, and no text of the language before is left under it.
    if (aircraft.ResultsValid) {
        STABIL();
    } else {
        clearTopView();
        d_1d();
    }
    for (int w = 1; w <= MaxWings; ++w)
        d_w(w);
    for (const Caption& c : menuCaptions())
        if (c.text.raw(l))
            setCaptionOf(c.control, qs(c.text.in(l)));
    Space1();
    for (int w = 1; w <= MaxWings; ++w)
        placeResultColumns(w);
    placeCaptionedControls();
}

// The figures start right of the longest of their captions in the current language, the neutral
// point right of its own caption; the " y: " caption stands just before the lift centre.
void TForm1::placeResultColumns(int w)
{
    WingControls& ui = wingUi[w];
    auto rightOf = [](QLabel* caption) { return caption->x() + caption->width() + 6; };
    int column = 192;
    for (QLabel* caption : ui.figureCaption)
        column = std::max(column, rightOf(caption));
    for (QLabel* value : ui.figure)
        value->move(column, value->y());
    const int neutralColumn = std::max(column, rightOf(ui.neutralPointCaption));
    ui.neutralPoint->move(neutralColumn, ui.neutralPoint->y());
    ui.liftCentre->move(neutralColumn, ui.liftCentre->y());
    ui.liftCentreCaption->move(neutralColumn - ui.liftCentreCaption->width(), ui.liftCentreCaption->y());
}

void TForm1::drawThumbnailTitles()
{
    for (int w = 1; w <= MaxWings; ++w) {
        ImageView* box = wingUi[w].positionBox;
        box->textOut(static_cast<int>(0.7 * box->bitmap().width()), 2, qs(messages.WingTitle[w]), clBlack, clSilver);
    }
}

} // namespace ab
