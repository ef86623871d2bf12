// SPDX-License-Identifier: GPL-3.0-or-later
// A dihedral typed on a wing's tab, as the user sees it: the projected figures and the front view
// beside the planform appear, a text the field does not read whole is framed red with what was read,
// the fields follow the trapezoid count, and undo takes the angle back to the picture before it.
#include "lang/edit_names.h"
#include "model/numbers.h"
#include "window_test_support.h"

#include <QAction>

namespace ab {
namespace {

// Pixels of the wing's colour in the planform view above its axis row, left of the centre line:
// where the front view stands (the planform itself lies below that row).
int frontViewPixels(const TForm1& form, const std::string& image, const QColor& ink)
{
    const QImage& planform = control<ImageView>(form, image)->bitmap();
    const ViewMapping m = planformMapping(planform.width(), planform.height(), 1);
    int count = 0;
    for (int y = 0; y < m.originY - 1; ++y)
        for (int x = 0; x < m.originX - 1; ++x)
            count += planform.pixelColor(x, y) == ink;
    return count;
}

// A view without its frame, whose colour is the pen the drawing before it left.
QImage inside(const QImage& view) { return view.copy(1, 1, view.width() - 2, view.height() - 2); }

TEST(WindowDihedral, AnAngleShowsTheWingAsBuiltAndUndoTakesItBack)
{
    TForm1 form;
    const QColor fuchsia(255, 0, 255); // wing 2
    QLabel* span = control<QLabel>(form, "Label_bp2");
    QLabel* area = control<QLabel>(form, "Label_ap2");
    const QImage before = control<ImageView>(form, "Image11")->bitmap();
    EXPECT_FALSE(span->isVisibleTo(span->parentWidget()));
    EXPECT_EQ(frontViewPixels(form, "Image11", fuchsia), 0);

    type(form, "Edit_dih21", "40");
    const Aircraft& ac = form.aircraftState();
    EXPECT_EQ(form.textsState().wing[2].dihedral[1], "40");
    EXPECT_TRUE(span->isVisibleTo(span->parentWidget()));
    EXPECT_TRUE(area->isVisibleTo(area->parentWidget()));
    EXPECT_EQ(span->text().trimmed().toStdString(), formatFixed(ac.WingProjectedSpan[2], 0) + "mm");
    EXPECT_LT(ac.WingProjectedSpan[2], ac.WingSpan[2]);
    EXPECT_EQ(textOf(form, "Label_b2"), formatFixed(ac.WingSpan[2], 0, 4) + "mm"); // the typed span stays
    EXPECT_GT(frontViewPixels(form, "Image11", fuchsia), 20);
    EXPECT_EQ(textOf(form, "Undo1"), undoMenuText(editName({.kind = EditKind::Dihedral, .wing = 2, .trapezoid = 1},
                                                           Language::English),
                                                  Language::English));

    trigger(form, "Undo1");
    EXPECT_EQ(textOf(form, "Edit_dih21"), "");
    EXPECT_EQ(form.textsState().wing[2].dihedral[1], "");
    EXPECT_FALSE(span->isVisibleTo(span->parentWidget()));
    EXPECT_EQ(inside(control<ImageView>(form, "Image11")->bitmap()), inside(before));

    trigger(form, "Redo1");
    EXPECT_EQ(textOf(form, "Edit_dih21"), "40");
    EXPECT_GT(frontViewPixels(form, "Image11", fuchsia), 20);
}

TEST(WindowDihedral, TheFieldsReadLikeTheOthersAndFollowTheTrapezoidCount)
{
    TForm1 form;
    QLineEdit* field = control<QLineEdit>(form, "Edit_dih13");
    type(form, "Edit_dih13", "7,5");
    EXPECT_EQ(form.aircraftState().StationDihedral[3][1], 7.5);
    EXPECT_TRUE(field->styleSheet().isEmpty());
    EXPECT_NE(field->toolTip().toStdString().find("dihedral of trapezoid 3"), std::string::npos);

    type(form, "Edit_dih13", "75");
    EXPECT_EQ(form.aircraftState().StationDihedral[3][1], 60);
    EXPECT_FALSE(field->styleSheet().isEmpty());
    EXPECT_EQ(field->toolTip().toStdString(), "read as 60.0°");
    trigger(form, "german1");
    EXPECT_EQ(field->toolTip().toStdString(), "gelesen als 60.0°");

    // Two trapezoids: the third's angle is hidden with its width and takes no part.
    control<QRadioButton>(form, std::string(trapezoidButtonName(1, 2)))->click();
    EXPECT_FALSE(field->isVisibleTo(field->parentWidget()));
    EXPECT_TRUE(control<QLineEdit>(form, "Edit_dih12")->isVisibleTo(field->parentWidget()));
    EXPECT_FALSE(hasDihedral(form.aircraftState(), 1));
    EXPECT_FALSE(control<QLabel>(form, "Label_bp1")->isVisibleTo(field->parentWidget()));
}

} // namespace
} // namespace ab
