// SPDX-License-Identifier: GPL-3.0-or-later
// The wing page's controls, made from the tables of names and places (trapezoid-count panel, copy
// and insert buttons, the parameter sketch with the fields lying on the dimension each sets,
// station labels, gap warnings, the planform view and the result labels, the position box and
// fields on the aircraft tab), and what the page shows of the wing.
#include "ui/wing_page.h"

#include "draw/colours.h"
#include "draw/planform_drawing.h"
#include "ui/image_view.h"
#include "lang/field_texts.h"
#include "lang/units_texts.h"
#include "model/field_reading.h"
#include "model/wing_name.h"
#include "solver/calculation.h"
#include "ui/character_limit.h"
#include "ui/widgets.h"
#include "views/front_view.h"

#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

#include <optional>

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

// The dihedral field of trapezoid k stands under its width field, narrower, clear of the tip-offset
// field beside it; the sketch marks it with an angle.
constexpr int kDihedralTop = 88;
constexpr int kDihedralWidth = 36;

// Rows of the projected figures, under the neutral point's.
constexpr int kProjectedTops[2] = {448, 464};

// Places of the wing's controls on the aircraft tab: the boxes stand one under the other, so that
// five of them leave the stability controls and the message memo room in a window that fits a
// screen 768 pixels high.
constexpr int kPositionBoxWidth = 172;
constexpr int kPositionBoxHeight = 60;
struct PositionPlace {
    const char* box;
    int boxLeft, boxTop;
    int xTop;        // Edit_x<w> at left 48
    int zLeft, zTop; // Edit_z<w>
};
constexpr PositionPlace kPositions[MaxWings + 1] = {
    {},
    {"Image5", 16, 66, 77, 104, 100},
    {"Image55", 16, 126, 137, 104, 160},
    {"Image555", 16, 186, 197, 104, 220},
    {"Image5555", 16, 246, 257, 104, 280},
    {"Image55555", 17, 306, 317, 102, 340},
};
// Rows of the box's drawing: the x dimension, the section's leading edge, the reference height, and
// the name at the foot left of the z field.
constexpr int kBoxXArrowRow = 8, kBoxSectionRow = 22, kBoxBaseRow = 58, kBoxNameRow = 41;

} // namespace

WingPage::WingPage(int w, QWidget* tab, QWidget* aircraftTab, const Aircraft& aircraft, const AircraftTexts& texts,
                   QObject* parent)
    : QObject(parent), w(w), aircraft(aircraft), texts(texts)
{
    ui.tab = tab;
    buildPosition(aircraftTab);
    buildTab();
    for (int r = 0; r < RoleCount; ++r) {
        const Role role = static_cast<Role>(r);
        connect(ui.field[r], &QLineEdit::textChanged, this, [this, role, r](const QString& text) {
            // The field shows the stored text it was given, or what the user typed in the units shown.
            const std::string shown = text.toStdString();
            if (shown != shownText(storedFor[r], Quantity::Length, units, false))
                storedFor[r] = storedText(shown, Quantity::Length, units, 0, false, 0);
            markReading(role);
            emit fieldEdited(role, qs(storedFor[r]));
        });
    }
    for (int n = 1; n <= MaxTrapezoids; ++n)
        connect(ui.trapezoidButton[n], &QRadioButton::toggled, this, [this, n](bool on) {
            if (on)
                emit trapezoidCountChosen(n);
        });
    connect(ui.name, &QLineEdit::textChanged, this, &WingPage::nameEdited);
    for (int k = 1; k <= MaxTrapezoids; ++k)
        connect(ui.dihedral[k], &QLineEdit::textChanged, this, [this, k](const QString& text) {
            markDihedralReading(k);
            emit dihedralEdited(k, text);
        });
    connect(ui.copyButton, &QPushButton::clicked, this, &WingPage::copyClicked);
    connect(ui.insertButton, &QPushButton::clicked, this, &WingPage::insertClicked);
    bindMouse();
}

void WingPage::buildPosition(QWidget* aircraftTab)
{
    const PositionPlace& p = kPositions[w];
    ui.positionBox = place<ImageView>(aircraftTab, p.box, p.boxLeft, p.boxTop, kPositionBoxWidth, kPositionBoxHeight);
    ui.positionBox->resizeBitmap(kPositionBoxWidth, kPositionBoxHeight);
    drawPositionBox();
    ui.field[static_cast<int>(Role::PosX)] = inputField(aircraftTab, fieldName(w, Role::PosX), 48, p.xTop, wingColour(w));
    ui.field[static_cast<int>(Role::PosZ)] = inputField(aircraftTab, fieldName(w, Role::PosZ), p.zLeft, p.zTop, wingColour(w));
}

void WingPage::buildTab()
{
    QWidget* tab = ui.tab;
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

    buildDihedralFields();

    QFont warningFont = tab->font();
    warningFont.setPixelSize(16);
    warningFont.setBold(true);
    for (int i = 0; i < 2; ++i) {
        ui.gapWarning[i] = autoLabel(tab, names.gapWarning[i], 6, 256 + 24 * i, clRed);
        ui.gapWarning[i]->setFont(warningFont);
    }

    // The wing's name, under the gap question and above the figures.
    ui.nameCaption = autoLabel(tab, "Label_name" + index, 22, 312, ink);
    ui.name = place<QLineEdit>(tab, "Edit_name" + index, 90, 309, 180, 21);
    ui.name->setValidator(new CharacterLimit(MaxWingNameLength, ui.name));
    setInk(ui.name, ink);
    ui.name->setText(qs(texts.wing[w].name));

    ui.planform = place<ImageView>(tab, names.planform, 280, 240, 489, 273);
    ui.planform->resizeBitmap(489, 273);
    ui.planform->setCursor(Qt::CrossCursor);

    // The result block is set in the window's small font so that the longest captions of the three
    // languages and their figures fit left of the planform view.
    QFont small = tab->font();
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
    buildProjectedFigures(small);

    // The fields of trapezoids beyond the count start hidden, with their texts.
    for (int r = 0; r < RoleCount; ++r) {
        storedFor[r] = texts.wing[w].field[r];
        ui.field[r]->setText(qs(storedFor[r]));
    }
    showTrapezoidCount(texts.wing[w].trapezoidCount);
}

void WingPage::buildDihedralFields()
{
    const std::string index = std::to_string(w);
    for (int k = 1; k <= MaxTrapezoids; ++k) {
        const QPoint width = fieldPlace(w, widthRole(k));
        QLineEdit* field = inputField(ui.tab, "Edit_dih" + index + std::to_string(k), width.x(), kDihedralTop, wingColour(w));
        field->resize(kDihedralWidth, field->height());
        field->setText(qs(texts.wing[w].dihedral[k]));
        ui.dihedral[k] = field;
    }
}

// Hidden until the wing has dihedral; the window and the language set their texts.
void WingPage::buildProjectedFigures(const QFont& font)
{
    const std::string index = std::to_string(w);
    const char* captions[2] = {"Label_pspan", "Label_parea"};
    const char* values[2] = {"Label_bp", "Label_ap"};
    for (int i = 0; i < 2; ++i) {
        ui.projectedCaption[i] = autoLabel(ui.tab, captions[i] + index, 22, kProjectedTops[i], wingColour(w));
        ui.projected[i] = autoLabel(ui.tab, values[i] + index, kValueLeft, kProjectedTops[i], wingColour(w));
        for (QLabel* label : {ui.projectedCaption[i], ui.projected[i]}) {
            label->setFont(font);
            label->hide();
        }
    }
}

void WingPage::setLanguage(Language l)
{
    language = l;
    for (int r = 0; r < RoleCount; ++r)
        markReading(static_cast<Role>(r));
    for (int k = 1; k <= MaxTrapezoids; ++k)
        markDihedralReading(k);
}

void WingPage::markDihedralReading(int k)
{
    QLineEdit* field = ui.dihedral[k];
    const std::string text = field->text().toStdString();
    const bool flagged = readDihedralField(text).flagged;
    field->setStyleSheet(flagged ? "QLineEdit { border: 2px solid red; }" : QString());
    field->setToolTip(qs(flagged ? flaggedDihedralTip(text, language) : dihedralFieldHint(k, language)));
}

void WingPage::markReading(Role role)
{
    QLineEdit* field = ui.field[static_cast<int>(role)];
    const std::string text = field->text().toStdString();
    if (units == UnitSystem::Metric) {
        const bool flagged = readLengthField(text, role).flagged;
        field->setStyleSheet(flagged ? "QLineEdit { border: 2px solid red; }" : QString());
        field->setToolTip(flagged ? qs(flaggedFieldTip(role, text, language)) : QString());
        return;
    }
    // In other units the text is misread as typed, or its stored text is (a fraction of a mm typed
    // in millimetres): the tip says what the aircraft uses, in the units shown.
    const std::string& stored = storedFor[static_cast<int>(role)];
    const bool flagged = lengthFieldMisread(text, role, units) || readLengthField(stored, role).flagged;
    field->setStyleSheet(flagged ? "QLineEdit { border: 2px solid red; }" : QString());
    field->setToolTip(flagged ? qs(lengthsInUnits(flaggedFieldTip(role, stored, language), units)) : QString());
}

void WingPage::write(Role role, const std::string& text)
{
    const int r = static_cast<int>(role);
    const QString shown = qs(shownText(text, Quantity::Length, units, false));
    const bool sameShown = shown == ui.field[r]->text();
    const bool otherStored = text != storedFor[r];
    storedFor[r] = text;
    ui.field[r]->setText(shown);
    // Two stored texts may show alike in inches: the change still reaches the window.
    if (sameShown && otherStored)
        emit fieldEdited(role, qs(text));
}

void WingPage::setUnits(UnitSystem u)
{
    units = u;
    for (int r = 0; r < RoleCount; ++r) {
        const QSignalBlocker quiet(ui.field[r]);
        ui.field[r]->setText(qs(shownText(storedFor[r], Quantity::Length, units, false)));
        markReading(static_cast<Role>(r));
    }
    showLabels(metricLabels);
    if (aircraft.ResultsValid) {
        const WingResultLabels results = wingResultLabels(aircraft, w, units);
        showNeutralPoint(results.neutralPoint, results.liftCentre);
    }
}

void WingPage::writeName(const std::string& name) { ui.name->setText(qs(name)); }

void WingPage::writeDihedral(int k, const std::string& text) { ui.dihedral[k]->setText(qs(text)); }

void WingPage::checkTrapezoidCount(int n) { ui.trapezoidButton[n]->setChecked(true); }

void WingPage::showTrapezoidCount(int n)
{
    for (int r = 0; r < WingFieldCount; ++r)
        ui.field[r]->setVisible(fieldShown(static_cast<Role>(r), n));
    for (int s = 0; s < MaxStations; ++s)
        ui.stationLabel[s]->setVisible(stationLabelShown(s, n));
    for (int k = 1; k <= MaxTrapezoids; ++k)
        ui.dihedral[k]->setVisible(fieldShown(widthRole(k), n));
}

void WingPage::showInUse(bool used)
{
    ui.positionBox->setVisible(used);
    for (Role r : {Role::PosX, Role::PosZ})
        ui.field[static_cast<int>(r)]->setVisible(used);
}

void WingPage::offerInsert(bool offered) { ui.insertButton->setEnabled(offered); }

void WingPage::drawSketch(const QString& flightDirection)
{
    Canvas c = ui.sketch->canvas();
    ab::drawSketch(c, texts.wing[w].trapezoidCount, flightDirection);
}

void WingPage::drawPlanform()
{
    const QImage& image = std::as_const(*ui.planform).bitmap();
    const ViewMapping mapping = planformMapping(aircraft, w, image.width(), image.height());
    Canvas c = ui.planform->canvas();
    drawPlanformView(c, aircraft, w, mapping, aircraft.ResultsValid);
    scale = mapping.scale;
}

// The planform view fills the page right of the result block and below the sketch.
void WingPage::resizePlanform(QSize page)
{
    ImageView* image = ui.planform;
    const int width = std::max(page.width() - image->x() - 2, 1);
    const int height = std::max(page.height() - image->y() - 6, 1);
    image->resize(width, height);
    image->resizeBitmap(width, height);
}

// The title stands at 70 % of the box's width; the wing's name goes on a line of its own at the
// foot, left of the z field, where it covers none of the dimension lines. The box is drawn anew under
// them, so that no letter of a longer name before is left.
void WingPage::titlePositionBox(const QString& title, const QString& name)
{
    drawPositionBox();
    const int width = ui.positionBox->bitmap().width();
    ui.positionBox->textOut(static_cast<int>(0.7 * width), 2, title, clBlack, clSilver);
    if (!name.isEmpty()) {
        const QFontMetrics metrics(ui.positionBox->canvas().state().font);
        const int room = ui.field[static_cast<int>(Role::PosZ)]->x() - ui.positionBox->x() - 8 - 4;
        ui.positionBox->textOut(8, kBoxNameRow, metrics.elidedText(name, Qt::ElideRight, room), wingColour(w),
                                clSilver);
    }
}

// The position box shows where a wing's x and z are measured: from the aircraft's reference line
// rearward to the root leading edge, and up from the reference height.
void WingPage::drawPositionBox()
{
    QImage& image = ui.positionBox->bitmap();
    image.fill(clSilver);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor ink = wingColour(w);
    const int h = image.height();
    // Reference lines: x = 0 at the left, z = 0 along the bottom.
    p.setPen(QPen(clGray, 1, Qt::DashLine));
    p.drawLine(6, 4, 6, h - 2);
    p.drawLine(6, kBoxBaseRow, 170, kBoxBaseRow);
    // The wing section with its leading edge at (100, kBoxSectionRow).
    const double r = kBoxSectionRow;
    QPainterPath section;
    section.moveTo(100, r);
    section.cubicTo(104, r - 8, 124, r - 8, 168, r);
    section.cubicTo(130, r + 4, 108, r + 6, 100, r);
    p.setPen(ink);
    p.setBrush(ink);
    p.drawPath(section);
    // Dimension arrows.
    p.setPen(QPen(clBlack, 1));
    p.setBrush(clBlack);
    auto head = [&](QPointF tip, QPointF back) {
        const QPointF d = tip - back;
        const QPointF n(-d.y() / 3, d.x() / 3);
        p.drawPolygon(QPolygonF{tip, back + n, back - n});
    };
    p.drawLine(6, kBoxXArrowRow, 100, kBoxXArrowRow);
    head({100, double(kBoxXArrowRow)}, {93, double(kBoxXArrowRow)});
    p.drawLine(100, kBoxXArrowRow, 100, kBoxSectionRow - 2);
    p.drawLine(150, kBoxBaseRow, 150, kBoxSectionRow + 4);
    head({150, r + 2}, {150, r + 9});
    p.setFont(ui.positionBox->font());
    p.drawText(84, kBoxXArrowRow - 2, "x");
    p.drawText(154, kBoxBaseRow - 10, "z");
    p.end();
    ui.positionBox->update();
}

void WingPage::showLabels(const WingLabels& evaluated)
{
    metricLabels = evaluated;
    const WingLabels labels = labelsInUnits(evaluated, aircraft, w, units);
    for (int s = 0; s < MaxStations; ++s)
        setLabelText(ui.stationLabel[s], qs(labels.stations[s]));
    const std::string* figures[5] = {&labels.span, &labels.area, &labels.mac, &labels.r25, &labels.aspectRatio};
    for (int i = 0; i < 5; ++i)
        setLabelText(ui.figure[i], qs(*figures[i]));
    // A tilted wing adds its span and area seen from above.
    const std::optional<ProjectedFigureTexts> projected = projectedFigureTexts(aircraft, w, units);
    for (int i = 0; i < 2; ++i) {
        setLabelText(ui.projected[i], projected ? qs(i == 0 ? projected->span : projected->area) : QString());
        ui.projected[i]->setVisible(projected.has_value());
        ui.projectedCaption[i]->setVisible(projected.has_value());
    }
}

void WingPage::showNeutralPoint(const std::string& neutralPoint, const std::string& liftCentre)
{
    // The window hands over the metric labels; in other units they are written from the results.
    if (units != UnitSystem::Metric) {
        const WingResultLabels results = wingResultLabels(aircraft, w, units);
        setLabelText(ui.neutralPoint, qs(results.neutralPoint));
        setLabelText(ui.liftCentre, qs(results.liftCentre));
        return;
    }
    setLabelText(ui.neutralPoint, qs(neutralPoint));
    setLabelText(ui.liftCentre, qs(liftCentre));
}

void WingPage::showNeutralPointLabels(ResultsShown shown, const QString& previousTip)
{
    const bool current = shown == ResultsShown::Current;
    const QString tip = shown == ResultsShown::Previous ? previousTip : QString();
    for (QLabel* label : {ui.neutralPointCaption, ui.liftCentreCaption, ui.neutralPoint, ui.liftCentre}) {
        label->setEnabled(current);
        label->setToolTip(tip);
    }
    ui.neutralPoint->setVisible(shown != ResultsShown::None);
    ui.liftCentre->setVisible(shown != ResultsShown::None);
}

// The question stands in large red letters left of the planform view; lines too long for that room
// (the German and Spanish ones) are both set smaller instead of disappearing under the view.
void WingPage::showGapQuestion(bool ask, const std::string& line1, const std::string& line2)
{
    const std::string* lines[2] = {&line1, &line2};
    const int room = ui.planform->x() - ui.gapWarning[0]->x() - 4;
    QFont f = ui.gapWarning[0]->font();
    f.setPixelSize(16);
    auto fits = [&] {
        for (const std::string* line : lines)
            if (QFontMetrics(f).horizontalAdvance(qs(*line).trimmed()) > room)
                return false;
        return true;
    };
    while (ask && f.pixelSize() > 9 && !fits())
        f.setPixelSize(f.pixelSize() - 1);
    for (int i = 0; i < 2; ++i) {
        ui.gapWarning[i]->setFont(f);
        setLabelText(ui.gapWarning[i], ask ? qs(*lines[i]) : QString());
    }
}

// Every value of the block stands in one column, right of the longest caption in the current
// language (the neutral point's and the projected figures' included); the " y: " caption stands just
// before the lift centre.
void WingPage::placeResultColumns()
{
    auto rightOf = [](QLabel* caption) { return caption->x() + caption->width() + 6; };
    int column = kValueLeft;
    for (QLabel* caption : ui.figureCaption)
        column = std::max(column, rightOf(caption));
    for (QLabel* caption : {ui.neutralPointCaption, ui.projectedCaption[0], ui.projectedCaption[1]})
        column = std::max(column, rightOf(caption));
    for (QLabel* value : ui.figure)
        value->move(column, value->y());
    for (QLabel* value : ui.projected)
        value->move(column, value->y());
    ui.neutralPoint->move(column, ui.neutralPoint->y());
    ui.liftCentre->move(column, ui.liftCentre->y());
    ui.liftCentreCaption->move(column - ui.liftCentreCaption->width(), ui.liftCentreCaption->y());
}

} // namespace ab
