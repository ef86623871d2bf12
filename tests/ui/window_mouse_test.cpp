#include "ui/image_view.h"
#include "views/planform_editing.h"
#include "window_test_support.h"

#include <QMouseEvent>
#include <QScrollBar>

namespace ab {
namespace {

void mouse(QWidget* w, QEvent::Type type, QPoint at, Qt::MouseButtons buttons, Qt::KeyboardModifiers keys = Qt::NoModifier,
           Qt::MouseButton button = Qt::LeftButton)
{
    QMouseEvent e(type, QPointF(at), QPointF(w->mapToGlobal(at)), type == QEvent::MouseMove ? Qt::NoButton : button,
                  buttons, keys);
    QApplication::sendEvent(w, &e);
}

void drag(QWidget* w, QPoint from, QPoint to, Qt::KeyboardModifiers keys = Qt::NoModifier)
{
    mouse(w, QEvent::MouseButtonPress, from, Qt::LeftButton);
    mouse(w, QEvent::MouseMove, to, Qt::LeftButton);
    mouse(w, QEvent::MouseButtonRelease, to, Qt::NoButton, keys);
}

// The pixel of a corner of wing 1's planform view, as the core places it.
QPoint cornerPixel(const TForm1& form, int corner)
{
    const ImageView* view = control<ImageView>(form, "Image1");
    const ViewMapping m = planformMapping(form.aircraftState(), 1, view->bitmap().width(), view->bitmap().height());
    const CornerOffset c = cornerOffsets(form.aircraftState(), 1, m.scale)[corner];
    return {m.originX + static_cast<int>(c.dx), m.originY + static_cast<int>(c.dy)};
}

std::map<std::string, std::string> wingOneFields(const TForm1& form)
{
    std::map<std::string, std::string> f;
    for (int r = 0; r < RoleCount; ++r)
        f[std::string(fieldName(1, static_cast<Role>(r)))] = textOf(form, std::string(fieldName(1, static_cast<Role>(r))));
    return f;
}

// Which fields of wing 1 a drag changed, and to what.
std::map<std::string, std::string> changedBy(TForm1& form, int corner, QPoint by, Qt::KeyboardModifiers keys = Qt::NoModifier)
{
    const auto before = wingOneFields(form);
    const QPoint from = cornerPixel(form, corner);
    drag(control(form, "Image1"), from, from + by, keys);
    std::map<std::string, std::string> changed;
    for (const auto& [name, text] : wingOneFields(form))
        if (before.at(name) != text)
            changed[name] = text;
    return changed;
}

TEST(WindowMouse, DraggingACornerChangesExactlyItsFields)
{
    using F = std::map<std::string, std::string>;
    const double s = [] { TForm1 f; return f.viewState().PlanformScale[1]; }();
    const QPoint by(10, 6);
    auto mm = [&](double base, int pixels) { return std::to_string(static_cast<long>(std::lround(base + pixels / s))); };
    struct Row {
        int corner;
        F fields;
    };
    const Row rows[] = {
        {3, {{"Edit4", mm(335, 6)}}},                        // root trailing edge: root chord
        {5, {{"Edit8", mm(0, 6)}, {"Edit1", mm(220, 10)}}}, // station 1 leading edge: offset and width
        {6, {{"Edit8", mm(0, 6)}, {"Edit1", mm(220, -10)}}},
        {11, {{"Edit6", mm(335, 6)}}},                       // station 2 trailing edge: tip chord
        {2, {{"Edit01", mm(0, 10)}}},                        // the closed root gap opens to the left
    };
    for (const Row& r : rows) {
        TForm1 form;
        EXPECT_EQ(changedBy(form, r.corner, by), r.fields) << r.corner;
    }
    // With Shift held the outer leading edges move along.
    TForm1 form;
    EXPECT_EQ(changedBy(form, 5, by, Qt::ShiftModifier),
              (F{{"Edit8", mm(0, 6)}, {"Edit1", mm(220, 10)}, {"Edit9", mm(131, 6)}, {"Edit10", mm(140, 6)},
                 {"Edit14xx", mm(215, 6)}}));
    // Three pixels away nothing is grabbed; a press on an empty spot and a drag far outside change nothing.
    EXPECT_TRUE(changedBy(form, 7, QPoint(0, 0)).empty());
    const QPoint off = cornerPixel(form, 7) + QPoint(3, 0);
    drag(control(form, "Image1"), off, off + QPoint(40, 40));
    drag(control(form, "Image1"), QPoint(5, 5), QPoint(-100000, 100000));
    EXPECT_TRUE(changedBy(form, 0, QPoint(0, 0)).empty());
}

TEST(WindowMouse, HoverShowsTheCursorAndTheFieldsADragWouldChange)
{
    TForm1 form;
    QWidget* view = control(form, "Image1");
    mouse(view, QEvent::MouseMove, cornerPixel(form, 9), Qt::NoButton, Qt::ShiftModifier);
    EXPECT_EQ(view->cursor().shape(), Qt::SizeAllCursor);
    for (const char* lit : {"Edit9", "Edit2", "Edit10", "Edit14xx"})
        EXPECT_EQ(control<QLineEdit>(form, lit)->palette().color(QPalette::Base), QColor(Qt::yellow)) << lit;
    EXPECT_EQ(control<QLineEdit>(form, "Edit8")->palette().color(QPalette::Base), QColor(Qt::white));
    mouse(view, QEvent::MouseMove, QPoint(2, 2), Qt::NoButton);
    EXPECT_EQ(view->cursor().shape(), Qt::CrossCursor);
    EXPECT_EQ(control<QLineEdit>(form, "Edit9")->palette().color(QPalette::Base), QColor(Qt::white));
}

TEST(WindowMouse, DraggingTurnsTheThreeDimensionalViewAndZoomsTheTopView)
{
    TForm1 form;
    QWidget* view = control(form, "Image3");
    auto* elevation = control<QScrollBar>(form, "ScrollBar1");
    auto* azimuth = control<QScrollBar>(form, "ScrollBar2");
    auto* size = control<QScrollBar>(form, "ScrollBar4");
    mouse(view, QEvent::MouseButtonPress, {100, 100}, Qt::LeftButton);
    mouse(view, QEvent::MouseMove, {109, 94}, Qt::LeftButton);
    EXPECT_EQ(elevation->value(), 82);
    EXPECT_EQ(azimuth->value(), 253);
    mouse(view, QEvent::MouseMove, {109, -5000}, Qt::LeftButton); // far beyond the range
    EXPECT_EQ(elevation->value(), 90);
    mouse(view, QEvent::MouseMove, {109, -5030}, Qt::RightButton);
    EXPECT_EQ(size->value(), 85);
    mouse(view, QEvent::MouseMove, {109, -5060}, Qt::LeftButton | Qt::RightButton);
    EXPECT_EQ(elevation->value(), 90);
    EXPECT_EQ(size->value(), 85); // the second step sees the moved anchor
    mouse(view, QEvent::MouseButtonRelease, {109, -5060}, Qt::NoButton);
    mouse(view, QEvent::MouseMove, {0, 1000}, Qt::NoButton);
    EXPECT_EQ(elevation->value(), 90); // no drag after the release

    // The top view: a press shows the pointer lines, a downward drag zooms in, the release restores.
    trigger(form, "calculateAction");
    QWidget* top = control(form, "Image2");
    auto* zoom = control<QScrollBar>(form, "ScrollBar3");
    mouse(top, QEvent::MouseButtonPress, {300, 200}, Qt::LeftButton);
    EXPECT_EQ(control<ImageView>(form, "Image2")->bitmap().pixelColor(170, 306), QColor(Qt::red));
    mouse(top, QEvent::MouseMove, {300, 260}, Qt::LeftButton);
    EXPECT_EQ(zoom->value(), 80);
    EXPECT_GT(form.viewState().ViewScale, form.viewState().ViewScaleBase);
    mouse(top, QEvent::MouseButtonRelease, {300, 260}, Qt::NoButton);
    EXPECT_EQ(zoom->value(), 100);
    EXPECT_NE(control<ImageView>(form, "Image2")->bitmap().pixelColor(170, 306), QColor(Qt::red));
}

} // namespace
} // namespace ab
