// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/aircraft_writer.h"
#include "ui/image_view.h"
#include "ui/page_control.h"
#include "views/planform_editing.h"
#include "window_test_support.h"

#include <QCheckBox>
#include <QDir>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <fstream>

namespace ab {
namespace {

TEST(WindowLayout, EveryControlExistsWithItsNameAndDesignPlace)
{
    TForm1 form;
    struct Place {
        const char* name;
        int x, y, w, h; // w, h 0: size not checked
    };
    const Place places[] = {
        {"Lab_FName", 40, 2, 737, 15}, {"SpeedButton1", 2, 0, 23, 22}, {"SpeedButton4", 106, 0, 23, 22},
        {"SpeedButtonS", 129, 0, 23, 22}, {"PageControl1", 0, 22, 0, 0}, {"Panel1", 0, 0, 224, 49},
        {"Image55555", 17, 306, 172, 60}, {"Edit_x3", 48, 197, 0, 0}, {"Edit_z5", 102, 340, 0, 0},
        {"Image3", 224, 0, 0, 0}, {"Button4", 1, 367, 196, 27}, {"Panel4", 0, 0, 425, 33},
        {"Button_C3", 432, 4, 170, 20}, {"Button_P5", 608, 4, 170, 20}, {"Image_W4", 16, 40, 750, 200},
        {"L_2_5", 704, 48, 0, 0},
        {"Edit02", 48, 64, 0, 0}, {"Edit22", 408, 64, 0, 0}, {"Edit23", 560, 64, 0, 0}, {"Edit12", 403, 64, 0, 0},
        {"Edit4", 96, 136, 0, 0}, {"Edit54x", 680, 200, 0, 0}, {"Edit38", 304, 77, 0, 0}, {"Image1111", 280, 240, 0, 0},
        {"Label_Sp10", 6, 280, 0, 0}, {"Label_r253", 192, 400, 0, 0}, {"Memo2", 24, 24, 561, 457},
    };
    for (const Place& p : places) {
        QWidget* w = control(form, p.name);
        if (!w)
            continue;
        if (std::string(p.name) == "Image3") { // moved by the layout: only its column is fixed
            EXPECT_EQ(w->x(), p.x) << p.name;
            continue;
        }
        EXPECT_EQ(w->x(), p.x) << p.name;
        EXPECT_EQ(w->y(), p.y) << p.name;
        if (p.w) {
            EXPECT_EQ(w->size(), QSize(p.w, p.h)) << p.name;
        }
    }
    for (int w = 1; w <= MaxWings; ++w) {
        for (int r = 0; r < RoleCount; ++r)
            control<QLineEdit>(form, std::string(fieldName(w, static_cast<Role>(r))));
        for (int n = 1; n <= MaxTrapezoids; ++n)
            control<QRadioButton>(form, std::string(trapezoidButtonName(w, n)));
        control<QRadioButton>(form, std::string(wingCountButtonName(w)));
    }
    for (const char* name : {"Open2", "Save2", "Save3", "Print1", "Exit1", "wing11", "wing21", "wing31", "aircraft1",
                             "CopyWing1", "InsertCopiedWing1", "chng1", "chng5", "german1", "english1", "spain1", "Info1"})
        control<QAction>(form, name);
    for (const char* name : {"Open1", "EEdit1", "Langu1"})
        control<QMenu>(form, name);
    for (const char* name : {"ScrollBar1", "ScrollBar2", "ScrollBar3", "ScrollBar4", "ScrollBar6"})
        control<QScrollBar>(form, name);
    for (const char* name : {"Image_P", "Image4", "Image7", "Image6"})
        EXPECT_TRUE(control(form, name)->isHidden()) << name;
}

TEST(WindowLayout, StartsInEnglishOnTheAircraftTabWithTheMenuStatesOfFiveWings)
{
    TForm1 form;
    EXPECT_EQ(form.language(), Language::English);
    EXPECT_EQ(control<PageControl>(form, "PageControl1")->activePage(), control(form, "TabSheet5"));
    EXPECT_EQ(control<PageControl>(form, "PageControl1")->tabText(control(form, "TabSheet5")), "  Aircraft  ");
    EXPECT_TRUE(control<QRadioButton>(form, "RB_W5")->isChecked());
    EXPECT_TRUE(control<QRadioButton>(form, "RadioButton15")->isChecked());
    EXPECT_EQ(textOf(form, "Edit_Mstab"), "7.5");
    EXPECT_EQ(control<QPlainTextEdit>(form, "Memo2")->toPlainText(), "insert your remarks here:");
    EXPECT_TRUE(control<QAction>(form, "wing31")->isEnabled());
    EXPECT_FALSE(control<QAction>(form, "Save3")->isEnabled());
    EXPECT_FALSE(control<QAction>(form, "CopyWing1")->isEnabled()); // nothing to copy on this tab
    EXPECT_FALSE(control<QAction>(form, "Print1")->isEnabled());
    EXPECT_FALSE(control<QToolButton>(form, "SpeedButton5")->isEnabled());
    EXPECT_TRUE(control<QToolButton>(form, "SpeedButtonG")->isHidden());
    EXPECT_FALSE(control<QToolButton>(form, "SpeedButtonE")->isHidden());
    EXPECT_EQ(control<QToolButton>(form, "SpeedButton1")->toolTip(), "Open File");
    // Wing 5 starts with its centre gap and asks about it; the others do not.
    EXPECT_EQ(textOf(form, "Label_SP9"), "Are you sure this wing shall   ");
    EXPECT_EQ(textOf(form, "Label_sp1"), "");
    // The hidden fields of wings 4 and 5 and their station labels.
    EXPECT_TRUE(control(form, "Edit44y")->isHidden());
    EXPECT_TRUE(control(form, "Edit43")->isHidden());
    EXPECT_FALSE(control(form, "Edit42")->isHidden());
    EXPECT_TRUE(control(form, "L_4_5")->isHidden());
    EXPECT_TRUE(control(form, "L_5_4")->isHidden());
    EXPECT_TRUE(control(form, "Label_anp1")->isHidden());
    EXPECT_FALSE(control(form, "Label25")->isEnabled());
}

TEST(WindowLayout, AtTheMinimumSizeEveryImageHasAPositiveSizeAndTheViewsFollowTheWindow)
{
    TForm1 form;
    form.show();
    form.resize(1, 1); // the window keeps its minimum size
    QApplication::processEvents();
    EXPECT_EQ(control(form, "PageControl1")->size(), QSize(816, 634));
    for (ImageView* image : form.findChildren<ImageView*>()) {
        EXPECT_GT(image->width(), 0) << image->objectName().toStdString();
        EXPECT_GT(image->height(), 0) << image->objectName().toStdString();
        if (!image->isHidden()) {
            EXPECT_EQ(image->bitmap().size(), image->size()) << image->objectName().toStdString();
        }
    }
    const int smallWidth = control(form, "Image1")->width();
    form.resize(form.width() + 200, form.height() + 100);
    QApplication::processEvents();
    EXPECT_EQ(control(form, "Image1")->width(), smallWidth + 200);
    EXPECT_EQ(control(form, "Image11111")->width(), smallWidth + 200);
    EXPECT_EQ(control<QScrollBar>(form, "ScrollBar3")->value(), 100);
    // The pressure controls keep their distance to the right edge.
    EXPECT_EQ(control(form, "ScrollBar6")->x() + 20, control<PageControl>(form, "PageControl1")->pageSize().width());
}

// What the user sees of the tab bar with n wings: the aircraft tab, the tabs of wings 1..n and the
// remarks and balance tabs, side by side from the left without a gap, each whole inside the bar; a click on a tab
// shows its page.
void expectTabsOfWingCount(TForm1& form, int n)
{
    auto* pages = control<PageControl>(form, "PageControl1");
    QTabBar* bar = pages->tabBar();
    std::vector<QWidget*> shown{control(form, "TabSheet5")};
    for (const char* name : {"TabSheet1", "TabSheet2", "TabSheet3", "TabSheet6", "TabSheet7"})
        if (static_cast<int>(shown.size()) <= n)
            shown.push_back(control(form, name));
    shown.push_back(control(form, "TabSheet4"));
    shown.push_back(control(form, "TabSheet8"));
    shown.push_back(control(form, "TabSheet9"));

    QApplication::processEvents();
    const QRect inside = bar->rect().intersected(pages->rect().translated(-bar->pos()));
    int left = 0;
    for (int i = 0; i < bar->count(); ++i) {
        if (!bar->isTabVisible(i))
            continue;
        const QRect tab = bar->tabRect(i);
        SCOPED_TRACE(bar->tabText(i).toStdString());
        EXPECT_EQ(tab.left(), left) << "a gap or an overlap before the tab";
        EXPECT_TRUE(inside.contains(tab)) << "the tab is cut by the bar";
        left = tab.right() + 1;
    }
    int visible = 0;
    for (int i = 0; i < bar->count(); ++i)
        visible += bar->isTabVisible(i);
    ASSERT_EQ(visible, static_cast<int>(shown.size()));
    for (QWidget* page : shown) {
        int index = 0;
        while (index < bar->count() && pages->tabText(page) != bar->tabText(index))
            ++index;
        ASSERT_TRUE(bar->isTabVisible(index)) << page->objectName().toStdString();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
        QApplication::processEvents();
        EXPECT_EQ(pages->activePage(), page) << page->objectName().toStdString();
        EXPECT_TRUE(page->isVisible()) << page->objectName().toStdString();
    }
    pages->setActivePage(control(form, "TabSheet5"));
}

// Wing counts reached one after another, every count after every other: by the wing-count buttons,
// and by opening a file of that many wings.
TEST(WindowLayout, EveryWingCountShowsItsTabsWholeAndClickable)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    std::string files[MaxWings + 1];
    for (int n = 1; n <= MaxWings; ++n) {
        AircraftTexts texts = defaultAircraftTexts();
        texts.wingCount = n;
        files[n] = (folder.path() + "/wings" + QString::number(n) + ".wk4").toStdString();
        std::ofstream(files[n], std::ios::binary) << aircraftFileText(texts, Aircraft{});
    }
    std::vector<int> counts;
    for (int from = 1; from <= MaxWings; ++from)
        for (int to = 1; to <= MaxWings; ++to)
            if (to != from) {
                counts.push_back(from);
                counts.push_back(to);
            }

    TForm1 byButtons;
    byButtons.show();
    for (int n : counts) {
        SCOPED_TRACE(::testing::Message() << "button of " << n << " wings");
        control<QRadioButton>(byButtons, std::string(wingCountButtonName(n)))->click();
        expectTabsOfWingCount(byButtons, n);
    }

    TForm1 byFiles;
    byFiles.questions.askToSaveChanges = [] { return TForm1::SaveAnswer::Discard; };
    byFiles.show();
    for (int n : counts) {
        SCOPED_TRACE(::testing::Message() << "file of " << n << " wings");
        byFiles.questions.chooseFileToOpen = [&files, n] { return QString::fromStdString(files[n]); };
        trigger(byFiles, "Open2");
        expectTabsOfWingCount(byFiles, n);
    }
}

// The controls of one page a user must see whole: each visible child inside the page with its caption
// uncut, and in the left column of the aircraft tab no control over another and the memo showing
// three lines.
void expectPageReadable(TForm1& form, QWidget* page)
{
    SCOPED_TRACE(page->objectName().toStdString());
    control<PageControl>(form, "PageControl1")->setActivePage(page);
    QApplication::processEvents();
    for (QWidget* child : page->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->isHidden() || child->objectName().isEmpty())
            continue;
        EXPECT_TRUE(page->rect().contains(child->geometry())) << child->objectName().toStdString();
        auto* label = qobject_cast<QLabel*>(child);
        if (qobject_cast<QAbstractButton*>(child) || (label && !label->wordWrap())) {
            EXPECT_LE(child->sizeHint().width(), child->width() + 1) << child->objectName().toStdString();
        }
    }
    if (page != control(form, "TabSheet5"))
        return;
    std::vector<QWidget*> column;
    for (const char* name : {"Panel1", "Label23", "Image5", "Image55", "Image555", "Image5555", "Image55555",
                             "Button4", "CheckBoxLive", "RadioButton15", "RadioButton16", "Label22", "Edit_Mstab",
                             "Label_Misread", "Memo1"})
        column.push_back(control(form, name));
    for (std::size_t i = 0; i < column.size(); ++i)
        for (std::size_t j = i + 1; j < column.size(); ++j)
            EXPECT_FALSE(column[i]->geometry().intersects(column[j]->geometry()))
                << column[i]->objectName().toStdString() << " over " << column[j]->objectName().toStdString();
    auto* memo = control<QPlainTextEdit>(form, "Memo1");
    EXPECT_GE(memo->viewport()->height(), 3 * memo->fontMetrics().lineSpacing());
}

// A screen of 1366 x 768 leaves about 700 pixels for a window with its title bar above a panel: the
// smallest window fits 1366 x 700, and at 1366 x 700 as at its smallest every tab shows its controls
// whole in every language, with the most the aircraft tab shows (manual margin, misread fields, memo).
TEST(WindowLayout, TheWindowFitsAScreenOf1366x768InEveryLanguage)
{
    for (const char* language : {"english1", "german1", "spain1"}) {
        SCOPED_TRACE(language);
        TForm1 form;
        form.show();
        trigger(form, language);
        control<QRadioButton>(form, "RadioButton16")->click();
        type(form, "Edit4", "220x");
        trigger(form, "calculateAction");
        ASSERT_FALSE(control(form, "Memo1")->isHidden());
        ASSERT_FALSE(control(form, "Label_Misread")->isHidden());
        form.resize(1, 1);
        QApplication::processEvents();
        EXPECT_TRUE(form.width() <= 1366 && form.height() <= 700) << form.width() << " x " << form.height();
        for (QSize size : {form.size(), QSize(1366, 700)}) {
            SCOPED_TRACE(::testing::Message() << size.width() << " x " << size.height());
            form.resize(size);
            QApplication::processEvents();
            for (const char* page : {"TabSheet5", "TabSheet1", "TabSheet2", "TabSheet3", "TabSheet6", "TabSheet7",
                                     "TabSheet4", "TabSheet8"})
                expectPageReadable(form, control(form, page));
        }
    }
}

void jumpToWingOne(TForm1& form)
{
    control<PageControl>(form, "PageControl1")->setActivePage(control(form, "TabSheet1"));
    QApplication::processEvents();
}

// Hovering a corner of a planform lights the fields a drag would change; the light goes out when
// the pointer leaves the view, also straight from the corner.
TEST(WindowLayout, TheFieldLightGoesOutWhenThePointerLeavesThePlanform)
{
    TForm1 form;
    form.show();
    jumpToWingOne(form);
    auto* view = control<ImageView>(form, "Image1");
    const ViewMapping m = planformMapping(form.aircraftState(), 1, view->bitmap().width(), view->bitmap().height());
    const CornerOffset tip = cornerOffsets(form.aircraftState(), 1, m.scale)[5]; // station 1 leading edge
    const QPoint corner(m.originX + static_cast<int>(tip.dx), m.originY + static_cast<int>(tip.dy));
    QMouseEvent move(QEvent::MouseMove, QPointF(corner), QPointF(view->mapToGlobal(corner)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(view, &move);

    auto litFields = [&form] {
        int lit = 0;
        for (int r = 0; r < WingFieldCount; ++r) {
            auto* field = control<QLineEdit>(form, std::string(fieldName(1, static_cast<Role>(r))));
            if (field->isVisible()) {
                const QImage shown = field->grab().toImage();
                lit += shown.pixelColor(shown.width() - 5, shown.height() / 2) == QColor(Qt::yellow);
            }
        }
        return lit;
    };
    EXPECT_EQ(litFields(), 2); // the offset and the width of trapezoid 1
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(view, &leave);
    EXPECT_EQ(litFields(), 0);
}

} // namespace
} // namespace ab
