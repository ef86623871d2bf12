// The five wing tabs, made in one loop from the tables of names and places: trapezoid-count panel,
// copy and insert buttons, the parameter sketch with the fields lying on the dimension each sets,
// station labels, gap warnings, the planform view and the result labels.
#include "ui/main_window.h"

#include "draw/colours.h"
#include "ui/image_view.h"
#include "ui/widgets.h"

#include <QPushButton>
#include <QRadioButton>

namespace ab {
namespace {

// Object names of the per-wing labels that the core's tables do not name (wings 1..5 in columns).
struct WingLabelNames {
    const char* panel;
    const char* sketch;
    const char* planform;
    const char* figure[5];        // span, area, mean chord, r25, aspect ratio
    const char* figureCaption[5];
    const char* neutralPoint;
    const char* liftCentre;
    const char* neutralPointCaption;
    const char* liftCentreCaption;
    const char* gapWarning[2];
};
constexpr WingLabelNames kNames[MaxWings + 1] = {
    {},
    {"Panel2", "Image_W", "Image1", {"Label_b1", "Label_s1", "Label_lm1", "Label_r251", "Label_lam1"},
     {"Label1", "Label2", "Label3", "Label4", "Label5"}, "Label_anp1", "Label_ynp1", "Label25", "Label37",
     {"Label_sp1", "Label_sp2"}},
    {"Panel3", "Image_W2", "Image11", {"Label_b2", "Label_s2", "Label_lm2", "Label_r252", "Label_lam2"},
     {"Label6", "Label7", "Label8", "Label9", "Label10"}, "Label_anp2", "Label_ynp2", "Label26", "Label38",
     {"Label_sp3", "Label_sp4"}},
    {"Panel4", "Image_W3", "Image111", {"Label_b3", "Label_s3", "Label_lm3", "Label_r253", "Label_lam3"},
     {"Label16", "Label17", "Label18", "Label19", "Label20"}, "Label_anp3", "Label_ynp3", "Label27", "Label39",
     {"Label_sp5", "Label_Sp6"}},
    {"Panel5", "Image_W4", "Image1111", {"Label_b4", "Label_s4", "Label_lm4", "Label_r254", "Label_lam4"},
     {"Label31", "Label32", "Label33", "Label35", "Label34"}, "Label_anp4", "Label_ynp4", "Label36", "Label40",
     {"Label_SP7", "Label_SP8"}},
    {"Panel6", "Image_W5", "Image11111", {"Label_b5", "Label_s5", "Label_lm5", "Label_r255", "Label_lam5"},
     {"Label43", "Label44", "Label45", "Label47", "Label46"}, "Label_anp5", "Label_ynp5", "Label48", "Label41",
     {"Label_SP9", "Label_Sp10"}},
};

// Rows of the result block: span, area, mean chord, r25, aspect ratio (aspect ratio above r25).
constexpr int kFigureTops[5] = {336, 352, 368, 400, 384};
constexpr int kValueLeft = 192;
constexpr int kStationLefts[MaxStations] = {119, 315, 510, 619, 704};

// Where each field lies on the sketch: next to the dimension it sets.
QPoint fieldPlace(int w, Role role)
{
    const int k = trapezoidOfRole(role);
    switch (role) {
    case Role::RootGap: return {48, 64};
    case Role::RootChord: return {96, 136};
    default: break;
    }
    const int r = (static_cast<int>(role) - static_cast<int>(Role::Width1)) % 3;
    if (r == 0) { // width
        const int lefts[5] = {0, 208, w == 2 ? 403 : w == 3 ? 408 : 400, w == 3 ? 560 : 568, 648};
        return {lefts[k], 64};
    }
    const QPoint tipChord[5] = {{}, {304, 152}, {504, 160}, {608, 176}, {680, 200}};
    const QPoint tipOffset[5] = {{}, {304, 77}, {504, 80}, {608, 104}, {680, 112}};
    return r == 1 ? tipChord[k] : tipOffset[k];
}

} // namespace

void TForm1::buildWingTab(int w, QWidget* tab)
{
    WingControls& ui = wingUi[w];
    const WingLabelNames& names = kNames[w];
    const QColor ink = wingColour(w);

    ui.trapezoidPanel = place<QWidget>(tab, names.panel, 0, 0, 425, 33);
    for (int n = 1; n <= MaxTrapezoids; ++n)
        ui.trapezoidButton[n] = place<QRadioButton>(ui.trapezoidPanel, trapezoidButtonName(w, n), 8 + 104 * (n - 1), 8, 104, 18);
    exclusiveGroup(ui.trapezoidPanel, ui.trapezoidButton[1], ui.trapezoidButton[2], ui.trapezoidButton[3],
                   ui.trapezoidButton[4]);
    ui.trapezoidButton[texts.wing[w].trapezoidCount]->setChecked(true);

    const std::string index = std::to_string(w);
    // Wide enough for "kopierten Flügel einfügen" in the window's font.
    ui.copyButton = place<QPushButton>(tab, "Button_C" + index, 432, 4, 170, 20);
    ui.insertButton = place<QPushButton>(tab, "Button_P" + index, 608, 4, 170, 20);
    for (QWidget* button : {static_cast<QWidget*>(ui.copyButton), static_cast<QWidget*>(ui.insertButton)})
        setCaptionRoom(button, 170);
    for (int n = 1; n <= MaxTrapezoids; ++n)
        setCaptionRoom(ui.trapezoidButton[n], 104); // "2 trapeziums" in the window's font

    ui.sketch = place<ImageView>(tab, names.sketch, 16, 40, 750, 200);
    ui.sketch->resizeBitmap(750, 200);
    for (int s = 0; s < MaxStations; ++s)
        ui.stationLabel[s] = autoLabel(tab, "L_" + index + "_" + std::to_string(s + 1), kStationLefts[s], 48, ink);
    for (int r = 0; r < WingFieldCount; ++r) {
        const Role role = static_cast<Role>(r);
        const QPoint at = fieldPlace(w, role);
        ui.field[r] = inputField(tab, fieldName(w, role), at.x(), at.y(), ink);
    }

    QFont warningFont = font();
    warningFont.setPixelSize(16);
    warningFont.setBold(true);
    for (int i = 0; i < 2; ++i) {
        ui.gapWarning[i] = autoLabel(tab, names.gapWarning[i], 6, 256 + 24 * i, clRed);
        ui.gapWarning[i]->setFont(warningFont);
    }

    ui.planform = place<ImageView>(tab, names.planform, 280, 240, 489, 273);
    ui.planform->resizeBitmap(489, 273);
    ui.planform->setCursor(Qt::CrossCursor);

    // The result block is set in the window's small font so that the longest captions of the three
    // languages and their figures fit left of the planform view.
    QFont small = font();
    small.setPixelSize(11);
    for (int i = 0; i < 5; ++i) {
        ui.figureCaption[i] = autoLabel(tab, names.figureCaption[i], 22, kFigureTops[i], ink);
        ui.figure[i] = autoLabel(tab, names.figure[i], kValueLeft, kFigureTops[i], ink);
    }
    ui.neutralPointCaption = autoLabel(tab, names.neutralPointCaption, 22, 416, clGray);
    ui.liftCentreCaption = autoLabel(tab, names.liftCentreCaption, 166, 429, clGray);
    ui.neutralPoint = autoLabel(tab, names.neutralPoint, kValueLeft, 416, ink);
    ui.liftCentre = autoLabel(tab, names.liftCentre, kValueLeft, 430, ink);
    for (QLabel* label : ui.figureCaption)
        label->setFont(small);
    for (QLabel* label : ui.figure)
        label->setFont(small);
    for (QLabel* label : {ui.neutralPointCaption, ui.liftCentreCaption, ui.neutralPoint, ui.liftCentre})
        label->setFont(small);

    // The fields of trapezoids beyond the count start hidden, with their texts.
    for (int r = 0; r < RoleCount; ++r) {
        ui.field[r]->setText(qs(texts.wing[w].field[r]));
        ui.field[r]->setVisible(fieldShown(static_cast<Role>(r), texts.wing[w].trapezoidCount));
    }
    for (int s = 0; s < MaxStations; ++s)
        ui.stationLabel[s]->setVisible(stationLabelShown(s, texts.wing[w].trapezoidCount));
    bindWingFields(w);
}

// Every field of the wing is bound once: a change writes the text and runs its evaluation.
void TForm1::bindWingFields(int w)
{
    WingControls& ui = wingUi[w];
    for (int r = 0; r < RoleCount; ++r) {
        const Role role = static_cast<Role>(r);
        connect(ui.field[r], &QLineEdit::textChanged, this, [this, w, role](const QString& text) { fieldEdited(w, role, text); });
    }
    for (int n = 1; n <= MaxTrapezoids; ++n)
        connect(ui.trapezoidButton[n], &QRadioButton::toggled, this, [this, w, n](bool on) {
            if (on)
                chooseTrapezoidCount(w, n);
        });
    connect(ui.copyButton, &QPushButton::clicked, this, [this] { Save_Wing(); });
    connect(ui.insertButton, &QPushButton::clicked, this, [this] { Load_Wing(); });
}

} // namespace ab
