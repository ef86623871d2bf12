// The mouse on the views: dragging a corner of a wing's planform changes its fields at the release
// (hovering shows the cursor and the fields a drag would change, until the pointer leaves the
// view), dragging in the three-dimensional view turns and sizes it, and pressing in the top view
// shows the pointer lines of the stability result while a vertical drag there zooms it until the
// release.
#include "ui/main_window.h"

#include "model/numbers.h"
#include "draw/colours.h"
#include "ui/image_view.h"
#include "ui/widgets.h"
#include "views/planform_editing.h"

#include <QEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScrollBar>

#include <functional>

namespace ab {
namespace {

Pixel pointerOf(const QMouseEvent* e) { return {e->position().toPoint().x(), e->position().toPoint().y()}; }

Qt::CursorShape cursorShape(CornerCursor c)
{
    switch (c) {
    case CornerCursor::SizeWE: return Qt::SizeHorCursor;
    case CornerCursor::SizeAll: return Qt::SizeAllCursor;
    case CornerCursor::SizeNS: return Qt::SizeVerCursor;
    case CornerCursor::Cross: break;
    }
    return Qt::CrossCursor;
}

// The Shift key alone, without a button or another key.
bool shiftOnly(const QMouseEvent* e) { return e->modifiers() == Qt::ShiftModifier && e->buttons() == Qt::NoButton; }

// Yellow behind the fields a drag of the corner under the pointer would change, white behind the
// others.
void lightFields(WingControls& ui, const std::vector<Role>& lit)
{
    for (int r = 0; r < WingFieldCount; ++r) {
        const bool on = std::find(lit.begin(), lit.end(), static_cast<Role>(r)) != lit.end();
        setBackground(ui.field[r], on ? clYellow : clWhite);
    }
}

// Runs an action when the pointer leaves the watched view: it may leave straight from a corner,
// without a move outside the corner that would clear what the hover showed.
class LeaveWatch : public QObject {
public:
    LeaveWatch(QObject* view, std::function<void()> left) : QObject(view), left(std::move(left)) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Leave)
            left();
        return false;
    }

private:
    std::function<void()> left;
};

} // namespace

void TForm1::bindMouse()
{
    for (int w = 1; w <= MaxWings; ++w) {
        ImageView* view = wingUi[w].planform;
        view->setMouseTracking(true);
        connect(view, &ImageView::mousePressed, this, [this, w](QMouseEvent* e) { planformMouseDown(w, e); });
        connect(view, &ImageView::mouseMoved, this, [this, w](QMouseEvent* e) { planformMouseMove(w, e); });
        connect(view, &ImageView::mouseReleased, this, [this, w](QMouseEvent* e) { planformMouseUp(w, e); });
        view->installEventFilter(new LeaveWatch(view, [this, w] {
            HoverCorner = 0;
            lightFields(wingUi[w], {});
        }));
    }
    connect(Image2, &ImageView::mousePressed, this, [this](QMouseEvent* e) { Image4MouseDown(e); });
    connect(Image2, &ImageView::mouseMoved, this, [this](QMouseEvent* e) { Image4MouseMove(e); });
    connect(Image2, &ImageView::mouseReleased, this, [this](QMouseEvent* e) { Image4MouseUp(e); });
    connect(Image3, &ImageView::mousePressed, this, [this](QMouseEvent* e) { Image3MouseDown(e); });
    connect(Image3, &ImageView::mouseMoved, this, [this](QMouseEvent* e) { Image3MouseMove(e); });
    connect(Image3, &ImageView::mouseReleased, this, [this](QMouseEvent* e) { Image3MouseUp(e); });
}

// The planform view's origin from its image size, and the scale its last drawing stored.
ViewMapping TForm1::planformViewMapping(int w) const
{
    const QImage& image = wingUi[w].planform->bitmap();
    return planformMapping(image.width(), image.height(), views.PlanformScale[w]);
}

void TForm1::planformMouseDown(int w, QMouseEvent* e)
{
    const Pixel p = pointerOf(e);
    GrabbedCorner = hitCorner(aircraft, w, planformViewMapping(w), p.x, p.y);
    DragAnchor = p;
    DragIdle = false;
}

void TForm1::planformMouseMove(int w, QMouseEvent* e)
{
    const Pixel p = pointerOf(e);
    HoverCorner = hitCorner(aircraft, w, planformViewMapping(w), p.x, p.y);
    wingUi[w].planform->setCursor(cursorShape(cornerCursor(HoverCorner)));
    lightFields(wingUi[w], fieldsOfCorner(HoverCorner, shiftOnly(e)));
}

void TForm1::planformMouseUp(int w, QMouseEvent* e)
{
    const Pixel p = pointerOf(e);
    // The scale is taken once: every write below redraws the view and stores it again.
    const double scale = views.PlanformScale[w];
    const bool shift = e->modifiers() == Qt::ShiftModifier;
    applyWrites(dragWrites(aircraft, w, GrabbedCorner, scale, p.x - DragAnchor.x, p.y - DragAnchor.y, shift,
                           texts.wing[w][Role::RootGap]));
    DragAnchor = p;
    DragIdle = true;
}

void TForm1::Image3MouseDown(QMouseEvent* e)
{
    DragAnchor = pointerOf(e);
    DragIdle = false;
}

void TForm1::Image3MouseMove(QMouseEvent* e)
{
    if (DragIdle)
        return;
    const BarSteps steps = threeDDragSteps(DragAnchor, pointerOf(e), e->buttons() & Qt::LeftButton,
                                           e->buttons() & Qt::RightButton);
    // Bars clamp to their ranges; each change redraws the view.
    ScrollBar1->setValue(ScrollBar1->value() + steps.elevation);
    ScrollBar2->setValue(ScrollBar2->value() + steps.azimuth);
    ScrollBar4->setValue(ScrollBar4->value() + steps.size);
}

void TForm1::Image3MouseUp(QMouseEvent* e)
{
    DragAnchor = pointerOf(e);
    DragIdle = true;
}

// A press in the top view starts a zoom drag as well as showing the pointer lines: the release
// returns to the full layout.
void TForm1::Image4MouseDown(QMouseEvent* e)
{
    DragAnchor = pointerOf(e);
    TopViewDragIdle = false;
    if (aircraft.ResultsValid)
        Zeiger();
}

void TForm1::Image4MouseMove(QMouseEvent* e)
{
    if (TopViewDragIdle || !(e->buttons() & Qt::LeftButton))
        return;
    ScrollBar3->setValue(ScrollBar3->value() + topViewZoomStep(DragAnchor, pointerOf(e)));
}

void TForm1::Image4MouseUp(QMouseEvent* e)
{
    ScrollBar3->setValue(100);
    DragAnchor = pointerOf(e);
    TopViewDragIdle = true;
    clearTopView();
    d_1d();
    showResults(TopViewScale::Fit);
}

} // namespace ab
