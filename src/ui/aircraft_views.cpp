// SPDX-License-Identifier: GPL-3.0-or-later
// The aircraft views' controls and drawings: the top view with its lattice and stability display,
// the three-dimensional view, their bars and the stability controls. The geometry comes from the
// core (views/); the functions of draw/ turn it into pixels, the same ones the printed page uses.
#include "ui/aircraft_views.h"

#include "lang/captions.h"
#include "lang/entry_texts.h"

#include "draw/colours.h"
#include "draw/three_d_drawing.h"
#include "draw/top_view_drawing.h"
#include "draw/top_view_scene.h"
#include "model/numbers.h"
#include "ui/image_view.h"
#include "ui/widgets.h"
#include "views/window_rules.h"

#include <QCheckBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <utility>

namespace ab {
namespace {

QScrollBar* scrollBar(QWidget* parent, const char* name, Qt::Orientation o, QRect place_, int min, int max, int pos)
{
    auto* bar = new QScrollBar(o, parent);
    bar->setObjectName(name);
    bar->setGeometry(place_);
    bar->setRange(min, max);
    bar->setValue(pos);
    return bar;
}

// The layout of the top view for its image size: scale, centre column and row of x = 0. The
// three-dimensional view's scale starts again from the top view's, or less where the whole aircraft
// would not fit its image at the bars' angles.
void layOutTopView(ViewState& v, const Aircraft& ac, const QImage& image, const QImage& threeD,
                   const ThreeDInput& bars)
{
    const TopViewLayout l = topViewLayout(ac, ac.WingCount, image.width(), image.height());
    v.ViewScale = v.ViewScaleBase = l.scale;
    const std::optional<double> fit = fittingView3DScale(ac, ac.WingCount, bars.elevationPosition,
                                                         bars.azimuthPosition, threeD.width(), threeD.height());
    v.View3DScale = v.View3DScaleBase = fit ? std::min(l.scale, *fit) : l.scale;
    v.ViewCentreX = l.centreX;
    v.ViewOffsetY = l.offsetY;
}

void resizeImage(ImageView* image, int width, int height)
{
    width = std::max(width, 1);
    height = std::max(height, 1);
    image->resize(width, height);
    image->resizeBitmap(width, height);
}

// The aircraft tab's width at design size; controls anchored right keep their distance to its edge.
constexpr int kDesignTabWidth = 817;
// Controls that end near the page's lower edge keep this gap to it.
constexpr int kBottomGap = 2;
// The row of the pressure box between the two views, and the column of the contrast bar right of
// the three-dimensional view.
constexpr int kPressureRow = 20;
constexpr int kContrastColumn = 20;

// A stability mode takes its caption's lines: one line in the design height, each further line a
// line spacing more.
void fitLines(QAbstractButton* button, int designHeight)
{
    const int lines = static_cast<int>(button->text().count('\n')) + 1;
    button->resize(button->sizeHint().width(), designHeight + (lines - 1) * button->fontMetrics().lineSpacing());
}

// The row of a scroll bar's thumb centre at a position, in its parent's coordinates.
int thumbRow(const QScrollBar* bar, int value)
{
    QStyleOptionSlider option;
    option.initFrom(bar);
    option.orientation = bar->orientation();
    option.minimum = bar->minimum();
    option.maximum = bar->maximum();
    option.pageStep = bar->pageStep();
    option.singleStep = bar->singleStep();
    option.sliderPosition = option.sliderValue = value;
    const QRect thumb = bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, bar);
    return bar->y() + thumb.center().y();
}

} // namespace

AircraftViews::AircraftViews(const AircraftDocument& document, QObject* parent)
    : QObject(parent), document(document), aircraft(document.aircraft), solver(document.solver)
{
}

void AircraftViews::buildViews(QWidget* tab)
{
    Image2 = place<ImageView>(tab, "Image2", 224, 0, 591, 300);
    Image2->resizeBitmap(591, 300);
    Image3 = place<ImageView>(tab, "Image3", 224, 322, 592, 200);
    Image3->resizeBitmap(592, 200);
    Image3->setCursor(Qt::PointingHandCursor);
    ScrollBar1 = scrollBar(tab, "ScrollBar1", Qt::Vertical, {205, 344, 17, 185}, 0, 90, 80);
    ScrollBar2 = scrollBar(tab, "ScrollBar2", Qt::Horizontal, {225, 514, 590, 16}, 0, 360, 250);
    // The contrast of the pressure colours stands right of the three-dimensional view, its caption
    // above it in the row of the pressure box (placeStabilityControls).
    ScrollBar6 = scrollBar(tab, "ScrollBar6", Qt::Vertical, {797, 322, 17, 200}, 20, 99, 92);
    ScrollBar6->hide();
    Label_Contrast = autoLabel(tab, "Label_Contrast", 760, 304, clBlack);
    Label_Contrast->hide();
    for (QScrollBar* b : {ScrollBar1, ScrollBar2, ScrollBar6})
        connect(b, &QScrollBar::valueChanged, this, [this] { d_3d(); });

    // The pressure box and its note stand in the row between the two views, off both drawings.
    CheckBoxA = place<QCheckBox>(tab, "CheckBoxA", 226, 302, 204, 16);
    CheckBoxA->hide();
    connect(CheckBoxA, &QCheckBox::toggled, this, &AircraftViews::pressureToggled);
    Label_Press = place<QLabel>(tab, "Label_Press", 434, 303, 209, 13);
    Label_Press->hide();

    ScrollBar4 = scrollBar(tab, "ScrollBar4", Qt::Vertical, {180, 490, 17, 105}, 10, 97, 75);
    ScrollBar4->hide();
    connect(ScrollBar4, &QScrollBar::valueChanged, this, [this] { ScrollBar4Change(); });

    connect(Image2, &ImageView::mousePressed, this, &AircraftViews::topViewPressed);
    connect(Image2, &ImageView::mouseMoved, this, &AircraftViews::topViewMoved);
    connect(Image2, &ImageView::mouseReleased, this, &AircraftViews::topViewReleased);
    connect(Image3, &ImageView::mousePressed, this, &AircraftViews::threeDPressed);
    connect(Image3, &ImageView::mouseMoved, this, &AircraftViews::threeDMoved);
    connect(Image3, &ImageView::mouseReleased, this, &AircraftViews::threeDReleased);
}

void AircraftViews::buildStabilityControls(QWidget* tab)
{
    Label29 = autoLabel(tab, "Label29", 22, 612, clBlack);
    Label30 = autoLabel(tab, "Label30", 22, 634, clBlack);
    Label28 = autoLabel(tab, "Label28", 22, 645, clBlack);
    for (QLabel* l : {Label28, Label29, Label30})
        l->hide();

    // The rows from the stability modes down follow one another (placeStabilityControls).
    RadioButton15 = place<QRadioButton>(tab, "RadioButton15", 1, 505, 196, 17);
    RadioButton16 = place<QRadioButton>(tab, "RadioButton16", 1, 522, 196, 17);
    exclusiveGroup(tab, RadioButton15, RadioButton16);
    RadioButton15->setChecked(true);
    Label22 = autoLabel(tab, "Label22", 1, 539, clBlack);
    Edit_Mstab = place<QLineEdit>(tab, "Edit_Mstab", 21, 555, 38, 21);
    Edit_Mstab->setText("7.5");
    Label21 = autoLabel(tab, "Label21", 62, 558, clBlack);
    for (QWidget* c : std::initializer_list<QWidget*>{Label22, Edit_Mstab, Label21})
        c->hide();
    // The left column ends where the scroll bar of the three-dimensional view stands.
    for (QWidget* c : std::initializer_list<QWidget*>{RadioButton15, RadioButton16, Label22})
        setCaptionRoom(c, 205 - c->x());

    ScrollBar3 = scrollBar(tab, "ScrollBar3", Qt::Vertical, {1, 94, 17, 209}, 10, 100, 100);
    ScrollBar3->hide();
    ScrollBar5 = scrollBar(tab, "ScrollBar5", Qt::Vertical, {2, 554, 17, 117}, 0, 60, 33);
    ScrollBar5->hide();

    connect(RadioButton15, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            chooseStabilityMode(true);
    });
    connect(RadioButton16, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            chooseStabilityMode(false);
    });
    connect(Edit_Mstab, &QLineEdit::textChanged, this, [this](const QString& text) { marginTyped(text); });
    connect(ScrollBar3, &QScrollBar::valueChanged, this, [this] { ScrollBar3Change(); });
    connect(ScrollBar5, &QScrollBar::valueChanged, this, [this] { ScrollBar5Change(); });
    // The margin bar takes the focus when used, so that leaving it redraws the top view.
    ScrollBar5->setFocusPolicy(Qt::StrongFocus);
    ScrollBar5->installEventFilter(this);
}

bool AircraftViews::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ScrollBar5 && event->type() == QEvent::FocusOut)
        ScrollBar5Exit();
    return QObject::eventFilter(watched, event);
}

void AircraftViews::setLanguage(Language l, const std::string& direction)
{
    language = l;
    flightDirection = qs(direction);
    // Where the figures the top view shows are measured from.
    Image2->setToolTip(topViewTip());
    const QString contrast = qs(texts::ContrastBarTip.in(l));
    ScrollBar6->setToolTip(contrast);
    Label_Contrast->setToolTip(contrast);
    markMarginField();
}

// A margin field whose text is no margin from 0 to 50 % gets a red frame and a tool tip naming the
// margin still in use; the stability display and the aircraft keep that margin.
void AircraftViews::marginTyped(const QString& text)
{
    // The document takes a margin that reads (any other text keeps the margin in use when editing
    // began); the display then shows the margin in use.
    emit marginEdited(text);
    markMarginField();
    STABIL();
}

void AircraftViews::markMarginField()
{
    const bool valid = readMargin(Edit_Mstab->text().toStdString()).valid;
    Edit_Mstab->setStyleSheet(valid ? QString() : QStringLiteral("QLineEdit { border: 2px solid red; }"));
    Edit_Mstab->setToolTip(valid ? QString() : qs(marginFieldTip(document.marginPercent(), language)));
}

QString AircraftViews::topViewTip() const { return qs(texts::DatumSentence.in(language)); }

void AircraftViews::clearTopView() { Image2->clear(clInfoBk, clGray); }

void AircraftViews::d_1d(TopViewScale scale)
{
    if (scale == TopViewScale::Fit)
        layOutViews();
    Canvas c = Image2->canvas();
    drawTopView(c, aircraft, aircraft.WingCount, topViewLayout(), flightDirection);
}

void AircraftViews::layOutViews()
{
    layOutTopView(views, aircraft, std::as_const(*Image2).bitmap(), std::as_const(*Image3).bitmap(), threeDInput());
}

TopViewLayout AircraftViews::topViewLayout() const { return {views.ViewScale, views.ViewCentreX, views.ViewOffsetY}; }

std::optional<int> AircraftViews::pressureContrast() const
{
    return CheckBoxA->isChecked() ? std::optional<int>(ScrollBar6->value()) : std::nullopt;
}

// The lattice over what the top view shows. Laid again over a view that nothing has touched since
// it was laid with the same inputs, it changes no pixel (each takes the colour of the last panel
// over it), so then it is not drawn: turning the three-dimensional view with the pressure
// distribution on leaves the top view as it is. With valid results the lattice lies under the
// stability display: the view is drawn again with its marks and labels over the colours.
void AircraftViews::DrawGrid()
{
    const std::optional<int> contrast = pressureContrast();
    if (aircraft.ResultsValid) {
        if (Image2->lastTag() != sceneTag()) {
            STABIL(TopViewScale::Zoomed);
            if (views.ViewScale > views.ViewScaleBase)
                Zeiger();
        }
        return;
    }
    const QImage& image = std::as_const(*Image2).bitmap();
    const std::uint64_t tag = latticeFingerprint(Image2->canvasState(), image.width(), image.height(), aircraft,
                                                 solver, topViewLayout(), contrast);
    if (Image2->lastTag() == tag)
        return;
    Canvas c = Image2->canvas(tag);
    drawLattice(c, aircraft, solver, topViewLayout(), contrast);
}

// The lattice a calculation on the worker has laid out, drawn while its solve runs; untagged, so
// that the view is drawn anew once the results come.
void AircraftViews::drawLatticeOf(const Aircraft& ac, const SolverData& lattice)
{
    Canvas c = Image2->canvas();
    drawLattice(c, ac, lattice, topViewLayout(), std::nullopt);
}

// What a drawing of the stability display over the lattice is tagged with: the lattice's inputs as
// the view shows them; 0 when the view has no lattice.
std::uint64_t AircraftViews::sceneTag() const
{
    if (!aircraft.SolverDataValid)
        return 0;
    const QImage& image = std::as_const(*Image2).bitmap();
    return latticeFingerprint(CanvasState{}, image.width(), image.height(), aircraft, solver, topViewLayout(),
                              pressureContrast()) ^ 0x5ce9eULL;
}

void AircraftViews::STABIL(TopViewScale scale)
{
    if (!aircraft.ResultsValid) {
        showStaleMarginCaption();
        emit stabilityShown();
        return;
    }
    if (scale == TopViewScale::Fit)
        layOutViews();
    const StabilityFigures figures = document.stabilityFigures();
    const TopViewScene scene{
        aircraft, solver, topViewLayout(), flightDirection,
        // The reference wing and the lattice while the calculation's data are in memory; a file
        // just opened brings the figures only.
        aircraft.SolverDataValid, pressureContrast(),
        // The texts and marks with the band, the symbols and the reference chord over them.
        stabilityDisplay(aircraft, figures, language, document.automaticStability(), topViewLayout(),
                         std::as_const(*Image2).bitmap().width(), units),
        document.balance().cgXMm};
    {
        // The ground with the lattice stays in the image's kept layer: typing a margin redraws only
        // the wings, texts and marks over it.
        Canvas c = Image2->canvas(sceneTag());
        drawn = drawTopViewScene(c, scene, &Image2->keptLayer());
    }
    setLabelText(Label21, qs(label21Text(aircraft, figures, language, units)));
    emit stabilityShown();
}

void AircraftViews::showStaleMarginCaption() { setLabelText(Label21, "%"); }

StabilityMarks AircraftViews::stabilityMarks() const
{
    return ab::stabilityMarks(aircraft, document.stabilityFigures(), views.ViewScale, views.ViewOffsetY,
                              std::as_const(*Image2).bitmap().width());
}

void AircraftViews::Zeiger()
{
    // The lines leave the lattice under them as it was.
    Canvas c = Image2->canvas(Image2->lastTag());
    drawPointerLines(c, pointerLinesShown());
}

// From where the texts stand, moved clear of the wings or not.
std::vector<PointerLine> AircraftViews::pointerLinesShown() const
{
    if (drawn.stabilityTexts)
        return pointerLines(stabilityMarks(), document.automaticStability(), *drawn.stabilityTexts, drawn.lineHeight);
    return pointerLines(stabilityMarks(), document.automaticStability());
}

// With valid results the stability display, which lays the lattice under it when it is in memory.
void AircraftViews::showResults(TopViewScale scale)
{
    if (aircraft.ResultsValid)
        STABIL(scale);
}

ThreeDInput AircraftViews::threeDInput() const
{
    return {ScrollBar1->value(), ScrollBar2->value(), ScrollBar6->value(), views.View3DScale,
            CheckBoxA->isChecked() && aircraft.SolverDataValid};
}

int AircraftViews::sizeBarPosition() const { return ScrollBar4->value(); }

void AircraftViews::d_3d()
{
    const ThreeDInput input = threeDInput();
    if (input.showPressure)
        DrawGrid();
    CheckBoxA->setVisible(pressureBoxOffered(aircraft));
    Label_Press->setVisible(pressureBoxOffered(aircraft));
    Canvas c = Image3->canvas();
    drawThreeDView(c, aircraft, aircraft.WingCount, solver, threeD, input);
}

void AircraftViews::resizeTo(QSize tab)
{
    ScrollBar3->setValue(100);
    resizeImage(Image2, tab.width() - Image2->x() - 1, static_cast<int>(Trunc(0.6 * tab.height())) - Image2->y() - 2);
    clearTopView();
    // Under the top view the row of the pressure box; right of the three-dimensional view the
    // contrast bar.
    Image3->move(Image3->x(), static_cast<int>(Trunc(0.6 * tab.height())) - Image2->y() - 1 + kPressureRow);
    resizeImage(Image3, tab.width() - Image3->x() - 1 - kContrastColumn,
                tab.height() - Image2->y() - Image2->height() - 21 - kPressureRow);
    Image3->clear(clInfoBk, clGray);
}

int AircraftViews::placeStabilityControls(int top, QSize page)
{
    const int pageHeight = page.height();
    ScrollBar2->setGeometry(ScrollBar2->x(), pageHeight - ScrollBar2->height() - 4, page.width() - ScrollBar2->x(),
                            ScrollBar2->height());
    ScrollBar1->setGeometry(ScrollBar1->x(), Image3->y(), ScrollBar1->width(), pageHeight - Image3->y() - 4);
    // The pressure contrast bar keeps its distance to the right edge of the aircraft tab, beside the
    // three-dimensional view and as high as it.
    ScrollBar6->setGeometry(page.width() - (kDesignTabWidth - 797), Image3->y(), ScrollBar6->width(), Image3->height());

    // The stability modes and the desired margin's caption follow one another, each as high as its
    // caption's lines. Below them the margin bar stands at the left, the margin field right of it;
    // the bar keeps its design height where the page has the room and ends above its lower edge
    // where it has not (at the smallest window it is shorter).
    int row = top;
    for (QRadioButton* mode : {RadioButton15, RadioButton16}) {
        mode->move(mode->x(), row);
        fitLines(mode, 17);
        row = bottomOf(mode);
    }
    Label22->move(Label22->x(), row);
    row = bottomOf(Label22);
    ScrollBar5->setGeometry(ScrollBar5->x(), row, ScrollBar5->width(), std::min(117, pageHeight - kBottomGap - row));
    Edit_Mstab->move(Edit_Mstab->x(), row + 1);
    Label21->move(Label21->x(), row + 4);
    // The marks of 16, 8 and 4 % beside the bar's thumb where the bar writes those margins.
    QLabel* const marks[] = {Label28, Label29, Label30}; // in the order of MarginMarkPercent
    for (int i = 0; i < 3; ++i)
        marks[i]->move(ScrollBar5->x() + ScrollBar5->width() + 1,
                       thumbRow(ScrollBar5, marginBarPosition(MarginMarkPercent[i])) - marks[i]->height() / 2);

    // The pressure box, its note and the contrast bar's caption in the row between the two views,
    // each as wide as its caption; the caption ends over the bar.
    const int between = bottomOf(Image2) + 1;
    CheckBoxA->setGeometry(Image3->x() + 2, between + 1, CheckBoxA->sizeHint().width(), CheckBoxA->height());
    Label_Press->setGeometry(CheckBoxA->x() + CheckBoxA->width() + 6, between + 2, Label_Press->sizeHint().width(),
                             Label_Press->height());
    Label_Contrast->adjustSize();
    Label_Contrast->move(ScrollBar6->x() + ScrollBar6->width() - Label_Contrast->width(), between + 2);
    return Edit_Mstab->isHidden() ? bottomOf(RadioButton16) : bottomOf(Edit_Mstab);
}

// Automatic or manual choice of the margin: the controls the mode shows, then the display anew.
void AircraftViews::chooseStabilityMode(bool automatic)
{
    ScrollBar3->setValue(100);
    const StabilityControlsShown shown = stabilityControlsShown(automatic, aircraft.ActiveWingCount);
    for (QWidget* c : std::initializer_list<QWidget*>{Label21, Label22, Edit_Mstab, ScrollBar5})
        c->setVisible(shown.marginControls);
    Label28->setVisible(shown.mark16);
    Label29->setVisible(shown.mark8);
    Label30->setVisible(shown.mark4);
    // The document takes the mode first; the display then shows it.
    emit stabilityModeChosen(automatic);
    STABIL();
}

void AircraftViews::showStabilityChoice(bool automatic, const std::string& margin)
{
    Edit_Mstab->setText(qs(margin));
    (automatic ? RadioButton15 : RadioButton16)->setChecked(true);
}

void AircraftViews::uncheckPressure() { CheckBoxA->setChecked(false); }

bool AircraftViews::pressureChecked() const { return CheckBoxA->isChecked(); }

void AircraftViews::showContrastBar()
{
    ScrollBar6->setVisible(CheckBoxA->isChecked());
    Label_Contrast->setVisible(CheckBoxA->isChecked());
}

void AircraftViews::showResultsCursor(bool valid)
{
    if (valid)
        Image2->setCursor(Qt::DragMoveCursor);
    else
        Image2->unsetCursor();
}

void AircraftViews::resetZoom() { ScrollBar3->setValue(100); }

void AircraftViews::ScrollBar5Change() { Edit_Mstab->setText(qs(marginFieldText(ScrollBar5->value()))); }

void AircraftViews::ScrollBar5Exit() { showResults(TopViewScale::Fit); }

void AircraftViews::ScrollBar3Change()
{
    views.ViewScale = zoomedScale(views.ViewScaleBase, ScrollBar3->value());
    clearTopView();
    d_1d(TopViewScale::Zoomed);
    showResults(TopViewScale::Zoomed);
    if (views.ViewScale > views.ViewScaleBase && aircraft.ResultsValid)
        Zeiger();
}

void AircraftViews::ScrollBar4Change()
{
    views.View3DScale = view3DScale(ScrollBar4->value(), views.View3DScaleBase);
    d_3d();
}

} // namespace ab
