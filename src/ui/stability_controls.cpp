// The stability controls of the aircraft tab: automatic or manual choice of the margin, the margin
// bar and field, the zoom of the top view and the size of the three-dimensional view.
#include "ui/main_window.h"

#include "stability/stability.h"
#include "ui/image_view.h"
#include "views/projection.h"
#include "ui/widgets.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>

namespace ab {
namespace {

// The row of a scroll bar's thumb centre at a position, in its parent's coordinates.
int thumbRow(QScrollBar* bar, int value)
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

void TForm1::bindStabilityControls()
{
    connect(RadioButton15, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            RadioButton15Click();
    });
    connect(RadioButton16, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            RadioButton16Click();
    });
    connect(Edit_Mstab, &QLineEdit::textChanged, this, [this] { STABIL(Edit_Mstab); });
    connect(ScrollBar3, &QScrollBar::valueChanged, this, [this] { ScrollBar3Change(); });
    connect(ScrollBar4, &QScrollBar::valueChanged, this, [this] { ScrollBar4Change(); });
    connect(ScrollBar5, &QScrollBar::valueChanged, this, [this] { ScrollBar5Change(); });
    // The margin bar takes the focus when used, so that leaving it redraws the top view.
    ScrollBar5->setFocusPolicy(Qt::StrongFocus);
    ScrollBar5->installEventFilter(this);
    // The margin marks stand beside the margin bar at 16 %, 8 % and 4 % (positions 28, 44, 52).
    const std::pair<QLabel*, int> marks[] = {{Label28, 28}, {Label29, 44}, {Label30, 52}};
    for (auto [label, position] : marks)
        label->move(ScrollBar5->x() + ScrollBar5->width() + 1, thumbRow(ScrollBar5, position) - label->height() / 2);
}

bool TForm1::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ScrollBar5 && event->type() == QEvent::FocusOut)
        ScrollBar5Exit();
    return QMainWindow::eventFilter(watched, event);
}

void TForm1::RadioButton15Click()
{
    ScrollBar3->setValue(100);
    for (QWidget* c : std::initializer_list<QWidget*>{Label21, Label22, Label28, Label29, Label30, Edit_Mstab, ScrollBar5})
        c->hide();
    STABIL(RadioButton15);
}

void TForm1::RadioButton16Click()
{
    ScrollBar3->setValue(100);
    for (QWidget* c : std::initializer_list<QWidget*>{Label21, Label22, Label29, Edit_Mstab, ScrollBar5})
        c->show();
    // The lower mark stands at 4 % for one wing (Label30), at 8 % otherwise (Label28 at 16 % beside).
    (stabilityFigures(aircraft, 0).StabilityLow != 8 ? Label30 : Label28)->show();
    STABIL(RadioButton16);
}

void TForm1::ScrollBar5Change() { Edit_Mstab->setText(qs(marginFieldText(ScrollBar5->value()))); }

void TForm1::ScrollBar5Exit() { showResults(ScrollBar5); }

// With valid results: the lattice when it is in memory, then the stability display.
void TForm1::showResults(QObject* sender)
{
    if (!aircraft.ResultsValid)
        return;
    if (aircraft.SolverDataValid)
        DrawGrid();
    STABIL(sender);
}

void TForm1::ScrollBar3Change()
{
    views.ViewScale = zoomedScale(views.ViewScaleBase, ScrollBar3->value());
    clearTopView();
    d_1d(ScrollBar3);
    showResults(ScrollBar3);
    if (views.ViewScale > views.ViewScaleBase && aircraft.ResultsValid)
        Zeiger();
}

void TForm1::ScrollBar4Change()
{
    views.View3DScale = view3DScale(ScrollBar4->value(), views.ViewScale);
    d_3d();
}

} // namespace ab
