// SPDX-License-Identifier: GPL-3.0-or-later
// The mouse on a wing's planform view: dragging a corner changes the wing's fields at the release,
// hovering shows the cursor and the fields a drag would change, until the pointer leaves the view.
#include "ui/wing_page.h"

#include "draw/colours.h"
#include "draw/planform_drawing.h"
#include "ui/image_view.h"
#include "ui/widgets.h"
#include "views/planform_editing.h"

#include <QEvent>
#include <QLineEdit>
#include <QMouseEvent>

#include <algorithm>
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

void WingPage::bindMouse()
{
    ImageView* view = ui.planform;
    view->setMouseTracking(true);
    connect(view, &ImageView::mousePressed, this, &WingPage::mousePressed);
    connect(view, &ImageView::mouseMoved, this, &WingPage::mouseMoved);
    connect(view, &ImageView::mouseReleased, this, &WingPage::mouseReleased);
    view->installEventFilter(new LeaveWatch(view, [this] {
        hoverCorner = 0;
        lightFields({});
    }));
}

// Yellow behind the fields a drag of the corner under the pointer would change, white behind the
// others.
void WingPage::lightFields(const std::vector<Role>& lit)
{
    for (int r = 0; r < WingFieldCount; ++r) {
        const bool on = std::find(lit.begin(), lit.end(), static_cast<Role>(r)) != lit.end();
        setBackground(ui.field[r], on ? clYellow : clWhite);
    }
}

// The planform view's origin from its image size, and the scale its last drawing stored.
ViewMapping WingPage::planformViewMapping() const
{
    const QImage& image = std::as_const(*ui.planform).bitmap();
    return planformMapping(image.width(), image.height(), scale);
}

void WingPage::mousePressed(QMouseEvent* e)
{
    const Pixel p = pointerOf(e);
    grabbedCorner = hitCorner(aircraft, w, planformViewMapping(), p.x, p.y);
    anchor = p;
    dragStart.reset();
    if (grabbedCorner != 0)
        dragStart = DragStart{aircraft, texts.wing[w][Role::RootGap], scale, std::as_const(*ui.planform).bitmap()};
}

// The writes of the drag from the press to the pointer, from the wing and the scale of the press.
std::vector<FieldChange> WingPage::dragWritesAt(const QMouseEvent* e) const
{
    if (!dragStart)
        return {};
    const Pixel p = pointerOf(e);
    const bool shift = e->modifiers() == Qt::ShiftModifier;
    return dragWrites(dragStart->aircraft, w, grabbedCorner, dragStart->scale, p.x - anchor.x, p.y - anchor.y, shift,
                      dragStart->rootGapText);
}

void WingPage::mouseMoved(QMouseEvent* e)
{
    if (dragStart && (e->buttons() & Qt::LeftButton)) {
        // The rubber band: the window evaluates the wing the release would give (its figures show
        // it), and its outline goes over the picture of the press, at the press's scale.
        const std::vector<FieldChange> writes = dragWritesAt(e);
        if (writes.empty())
            return;
        emit dragPreviewed(writes);
        QImage& picture = ui.planform->bitmap();
        picture = dragStart->picture;
        drawDragOutline(picture, aircraft, w, planformMapping(picture.width(), picture.height(), dragStart->scale));
        ui.planform->update();
        return;
    }
    const Pixel p = pointerOf(e);
    hoverCorner = hitCorner(aircraft, w, planformViewMapping(), p.x, p.y);
    ui.planform->setCursor(cursorShape(cornerCursor(hoverCorner)));
    lightFields(fieldsOfCorner(hoverCorner, shiftOnly(e)));
}

void WingPage::mouseReleased(QMouseEvent* e)
{
    // The wing and the scale are those of the press: the previews and every write below redraw
    // the view and change the wing.
    const std::vector<FieldChange> writes = dragWritesAt(e);
    anchor = pointerOf(e);
    dragStart.reset();
    emit dragged(writes);
}

} // namespace ab
