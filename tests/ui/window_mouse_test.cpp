// SPDX-License-Identifier: GPL-3.0-or-later
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

std::string planformImage(int w) { return "Image" + std::string(w, '1'); } // Image1, Image11 .. Image11111

// The pixel of a corner of wing w's planform view, as the core places it.
QPoint cornerPixel(const TForm1& form, int corner, int w = 1)
{
    const ImageView* view = control<ImageView>(form, planformImage(w));
    const ViewMapping m = planformMapping(form.aircraftState(), w, view->bitmap().width(), view->bitmap().height());
    const CornerOffset c = cornerOffsets(form.aircraftState(), w, m.scale)[corner];
    return {m.originX + static_cast<int>(c.dx), m.originY + static_cast<int>(c.dy)};
}

std::map<std::string, std::string> wingFields(const TForm1& form, int w)
{
    std::map<std::string, std::string> f;
    for (int r = 0; r < RoleCount; ++r)
        f[std::string(fieldName(w, static_cast<Role>(r)))] = textOf(form, std::string(fieldName(w, static_cast<Role>(r))));
    return f;
}

// Which fields of wing w a drag changed, and to what.
std::map<std::string, std::string> changedBy(TForm1& form, int corner, QPoint by, Qt::KeyboardModifiers keys = Qt::NoModifier,
                                             int w = 1)
{
    const auto before = wingFields(form, w);
    const QPoint from = cornerPixel(form, corner, w);
    drag(control(form, planformImage(w)), from, from + by, keys);
    std::map<std::string, std::string> changed;
    for (const auto& [name, text] : wingFields(form, w))
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

// Wings 2 to 5 (other sizes, scales and an open root gap on wing 5): a drag writes the field's
// millimetres plus the pixels moved at that wing's own scale.
TEST(WindowMouse, DraggingACornerOfEveryOtherWingWritesItsMillimetres)
{
    using F = std::map<std::string, std::string>;
    // + dY, + dX, - dX; Gap: the left root corner opens a closed gap, and narrows an open one down to
    // the centre line.
    enum Move { Down, Right, Left, Gap };
    struct Row {
        int corner; // 0: the trailing edge of the outermost tip
        bool shift;
        std::vector<std::pair<Role, Move>> writes;
        QPoint by{10, 6};
        bool skipWing4 = false; // wing 4's closed root corners lie under its first tip's corners
    };
    const Row rows[] = {
        {3, false, {{Role::RootChord, Down}}},
        {5, false, {{Role::TipOffset1, Down}, {Role::Width1, Right}}},
        {6, false, {{Role::TipOffset1, Down}, {Role::Width1, Left}}},
        {0, false, {}},
        {2, false, {{Role::RootGap, Gap}}, {10, 6}, true},
        {2, false, {{Role::RootGap, Gap}}, {120, 0}, true},
        {5, true, {{Role::TipOffset1, Down}, {Role::Width1, Right}, {Role::TipOffset2, Down}, {Role::TipOffset3, Down},
                   {Role::TipOffset4, Down}}},
    };
    for (int w = 2; w <= MaxWings; ++w)
        for (const Row& r : rows) {
            if (r.skipWing4 && w == 4)
                continue;
            TForm1 form;
            const int n = form.textsState().wing[w].trapezoidCount;
            const int corner = r.corner ? r.corner : 4 * n + 3;
            auto writes = r.corner ? r.writes : std::vector<std::pair<Role, Move>>{{tipChordRole(n), Down}};
            SCOPED_TRACE("wing " + std::to_string(w) + ", corner " + std::to_string(corner));
            const ImageView* view = control<ImageView>(form, planformImage(w));
            const double s = planformMapping(form.aircraftState(), w, view->bitmap().width(), view->bitmap().height()).scale;
            const double dx = r.by.x() / s, dy = r.by.y() / s;
            F expected;
            for (auto [role, move] : writes) {
                const std::string name(fieldName(w, role));
                const double mm = std::stod(textOf(form, name));
                const double v = move == Down ? mm + dy
                               : move == Right ? mm + dx
                               : move == Left ? mm - dx
                               : mm > 0 ? std::max(mm - dx, 0.0) : std::fabs(mm - dx);
                expected[name] = std::to_string(std::lround(v));
            }
            EXPECT_EQ(changedBy(form, corner, r.by, r.shift ? Qt::ShiftModifier : Qt::NoModifier, w), expected);
        }
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
    const auto lines = form.aircraftViews->pointerLinesShown();
    const auto neutral = std::find_if(lines.begin(), lines.end(), [](const PointerLine& l) { return l.neutralPoint; });
    ASSERT_NE(neutral, lines.end());
    const Pixel stub{(neutral->stubStart.x + neutral->stubEnd.x) / 2, neutral->stubStart.y};
    EXPECT_EQ(control<ImageView>(form, "Image2")->bitmap().pixelColor(stub.x, stub.y), QColor(Qt::red));
    mouse(top, QEvent::MouseMove, {300, 260}, Qt::LeftButton);
    EXPECT_EQ(zoom->value(), 80);
    EXPECT_GT(form.viewState().ViewScale, form.viewState().ViewScaleBase);
    mouse(top, QEvent::MouseButtonRelease, {300, 260}, Qt::NoButton);
    EXPECT_EQ(zoom->value(), 100);
    EXPECT_NE(control<ImageView>(form, "Image2")->bitmap().pixelColor(stub.x, stub.y), QColor(Qt::red));
}

// Each drag in the three-dimensional view: the left button turns it up/down and around, the right
// one sizes it and turns it around too; a bar step per 3 pixels, the part below 3 pixels dropped.
TEST(WindowMouse, EachButtonDragTurnsOrSizesTheThreeDimensionalView)
{
    struct Row {
        Qt::MouseButton button;
        QPoint by;
        int elevation, azimuth, size; // bar steps
    };
    const Row rows[] = {
        {Qt::LeftButton, {9, -6}, 2, 3, 0},   {Qt::LeftButton, {-8, 7}, -2, -2, 0},
        {Qt::RightButton, {9, -6}, 0, 3, 2},  {Qt::RightButton, {-14, 0}, 0, -4, 0},
        {Qt::RightButton, {0, 10}, 0, 0, -3}, {Qt::RightButton, {2, -2}, 0, 0, 0},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(std::to_string(r.button) + ": " + std::to_string(r.by.x()) + ", " + std::to_string(r.by.y()));
        TForm1 form;
        auto* view = control<ImageView>(form, "Image3");
        auto* elevation = control<QScrollBar>(form, "ScrollBar1");
        auto* azimuth = control<QScrollBar>(form, "ScrollBar2");
        auto* size = control<QScrollBar>(form, "ScrollBar4");
        const int e0 = elevation->value(), a0 = azimuth->value(), s0 = size->value();
        const QImage before = view->bitmap().copy();
        const QPoint from(100, 100);
        mouse(view, QEvent::MouseButtonPress, from, r.button, Qt::NoModifier, r.button);
        mouse(view, QEvent::MouseMove, from + r.by, r.button);
        mouse(view, QEvent::MouseButtonRelease, from + r.by, Qt::NoButton, Qt::NoModifier, r.button);
        EXPECT_EQ(elevation->value() - e0, r.elevation);
        EXPECT_EQ(azimuth->value() - a0, r.azimuth);
        EXPECT_EQ(size->value() - s0, r.size);
        EXPECT_EQ(view->bitmap() != before, r.elevation || r.azimuth || r.size); // the view follows its bars
    }
}

} // namespace
} // namespace ab
