// SPDX-License-Identifier: GPL-3.0-or-later
// The aircraft tab: wing count, the position of every wing over its position box, the top view and
// the three-dimensional view with their scroll bars, the calculation button, the spacing of the
// strips, the stability controls and the message memo; and the hidden printing canvases.
#include "ui/main_window.h"

#include "draw/colours.h"
#include "ui/image_view.h"
#include "ui/misread_line.h"
#include "ui/spacing_choice.h"
#include "ui/widgets.h"

#include <QCheckBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

namespace ab {

void TForm1::buildAircraftTab(QWidget* tab, const PerWing<QWidget*>& wingTabs)
{
    Panel1 = place<QWidget>(tab, "Panel1", 0, 0, 224, 49);
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

    Label23 = autoLabel(tab, "Label23", 6, 50, clBlack);
    // Each wing page makes its position box and fields here, in the order of the wings.
    for (int w = 1; w <= MaxWings; ++w) {
        WingPage* page = wingPage[w] = new WingPage(w, wingTabs[w], tab, aircraft, texts, this);
        connect(page, &WingPage::fieldEdited, this, [this, w](Role role, const QString& text) { fieldEdited(w, role, text); });
        connect(page, &WingPage::nameEdited, this, [this, w](const QString& name) { wingNameEdited(w, name); });
        connect(page, &WingPage::dihedralEdited, this,
                [this, w](int k, const QString& text) { dihedralEdited(w, k, text); });
        connect(page, &WingPage::trapezoidCountChosen, this, [this, w](int n) { chooseTrapezoidCount(w, n); });
        connect(page, &WingPage::copyClicked, this, [this] { Save_Wing(); });
        connect(page, &WingPage::insertClicked, this, [this] { Load_Wing(); });
        connect(page, &WingPage::dragPreviewed, this,
                [this, w](const std::vector<FieldChange>& writes) { previewDrag(w, writes); });
        connect(page, &WingPage::dragged, this, [this, w](const std::vector<FieldChange>& writes) { endDrag(w, writes); });
    }

    aircraftViews = new AircraftViews(document, this);
    aircraftViews->buildViews(tab);
    connect(aircraftViews, &AircraftViews::pressureToggled, this, [this] { CheckBoxAClick(); });

    // The button starts below the last position box; while the calculation runs, its place shows
    // the running label with the countdown after it (placeCaptionedControls) instead.
    Button4 = place<QPushButton>(tab, "Button4", 1, 367, 196, 27);
    connect(Button4, &QPushButton::clicked, this, [this] { commands->calculateAction->trigger(); });
    Label_w = autoLabel(tab, "Label_w", 23, 373, clGreen);
    Label_w->hide();
    Label24 = autoLabel(tab, "Label24", 172, 373, clBlack);
    Label24->hide();
    setCaptionRoom(Button4, 205 - Button4->x()); // the left column ends at the 3-D view's bar
    // Calculation while editing, under the button; the stability controls follow it.
    CheckBoxLive = place<QCheckBox>(tab, "CheckBoxLive", 3, bottomOf(Button4) + 2, 196, 18);
    setCaptionRoom(CheckBoxLive, 205 - CheckBoxLive->x());
    spacingChoice = new SpacingChoice(tab, 205, this);
    connect(spacingChoice, &SpacingChoice::chosen, this, [this](SpanwiseSpacing s) { spacingChosen(s); });
    aircraftViews->buildStabilityControls(tab);

    Memo1 = place<QPlainTextEdit>(tab, "Memo1", 25, 587, 175, 84);
    setInk(Memo1, clRed);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setReadOnly(true);
    misreadLine = new MisreadLine(Memo1, "Label_Misread", clRed, MisreadLine::Shown::WithMemo, this);
    liveLine = new MisreadLine(Memo1, "Label_LiveHeights", clBlue, MisreadLine::Shown::WhenSet, this);
    // The memo starts under the last stability control the mode shows and under the lines above it.
    connect(aircraftViews, &AircraftViews::stabilityModeChosen, this, [this] { placeCaptionedControls(); });
    for (MisreadLine* line : {misreadLine, liveLine})
        connect(line, &MisreadLine::reshaped, this, [this] { placeCaptionedControls(); });
}

void TForm1::buildHiddenImages(QWidget* tab)
{
    // Canvases of the printed summary, and a picture no command draws on.
    struct Hidden {
        const char* name;
        ImageView* TForm1::*member;
        int width, height;
    };
    const Hidden images[] = {
        {"Image_P", &TForm1::Image_P, 806, 1620},
        {"Image4", &TForm1::Image4, 593, 330},
        {"Image7", &TForm1::Image7, 630, 200},
        {"Image6", &TForm1::Image6, 600, 200},
    };
    for (const Hidden& h : images) {
        ImageView* image = place<ImageView>(tab, h.name, 0, 0, h.width, h.height);
        image->resizeBitmap(h.width, h.height);
        image->hide();
        this->*h.member = image;
    }
}

} // namespace ab
