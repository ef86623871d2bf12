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

namespace ab {
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
    connect(Edit_Mstab, &QLineEdit::textChanged, this, [this] { STABIL(); });
    connect(ScrollBar3, &QScrollBar::valueChanged, this, [this] { ScrollBar3Change(); });
    connect(ScrollBar4, &QScrollBar::valueChanged, this, [this] { ScrollBar4Change(); });
    connect(ScrollBar5, &QScrollBar::valueChanged, this, [this] { ScrollBar5Change(); });
    // The margin bar takes the focus when used, so that leaving it redraws the top view.
    ScrollBar5->setFocusPolicy(Qt::StrongFocus);
    ScrollBar5->installEventFilter(this);
}

bool TForm1::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ScrollBar5 && event->type() == QEvent::FocusOut)
        ScrollBar5Exit();
    return QMainWindow::eventFilter(watched, event);
}

void TForm1::RadioButton15Click() { chooseStabilityMode(true); }
void TForm1::RadioButton16Click() { chooseStabilityMode(false); }

// Automatic or manual choice of the margin: the controls the mode shows, then the display anew.
void TForm1::chooseStabilityMode(bool automatic)
{
    ScrollBar3->setValue(100);
    const StabilityControlsShown shown = stabilityControlsShown(automatic, aircraft.ActiveWingCount);
    for (QWidget* c : std::initializer_list<QWidget*>{Label21, Label22, Edit_Mstab, ScrollBar5})
        c->setVisible(shown.marginControls);
    Label28->setVisible(shown.mark16);
    Label29->setVisible(shown.mark8);
    Label30->setVisible(shown.mark4);
    STABIL();
}

void TForm1::ScrollBar5Change() { Edit_Mstab->setText(qs(marginFieldText(ScrollBar5->value()))); }

void TForm1::ScrollBar5Exit() { showResults(TopViewScale::Fit); }

// With valid results the stability display, which lays the lattice under it when it is in memory.
void TForm1::showResults(TopViewScale scale)
{
    if (aircraft.ResultsValid)
        STABIL(scale);
}

void TForm1::ScrollBar3Change()
{
    views.ViewScale = zoomedScale(views.ViewScaleBase, ScrollBar3->value());
    clearTopView();
    d_1d(TopViewScale::Zoomed);
    showResults(TopViewScale::Zoomed);
    if (views.ViewScale > views.ViewScaleBase && aircraft.ResultsValid)
        Zeiger();
}

void TForm1::ScrollBar4Change()
{
    views.View3DScale = view3DScale(ScrollBar4->value(), views.ViewScale);
    d_3d();
}

} // namespace ab
