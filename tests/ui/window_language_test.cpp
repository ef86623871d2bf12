// SPDX-License-Identifier: GPL-3.0-or-later
#include "lang/captions.h"
#include "ui/page_control.h"
#include "window_test_support.h"

#include <QMenu>
#include <QToolButton>

namespace ab {
namespace {

// Every caption a language procedure sets, read back from the window.
std::vector<std::string> captions(const TForm1& form)
{
    std::vector<std::string> all;
    auto* pages = form.findChild<PageControl*>("PageControl1");
    for (const Caption& c : controlCaptions()) {
        QObject* o = form.findChild<QObject*>(c.control);
        if (o && o->parent() == pages)
            all.push_back(pages->tabText(static_cast<QWidget*>(o)).toStdString());
        else
            all.push_back(textOf(form, c.control));
    }
    for (const Caption& c : menuCaptions()) {
        if (auto* menu = form.findChild<QMenu*>(c.control))
            all.push_back(menu->title().toStdString());
        else
            all.push_back(textOf(form, c.control));
    }
    return all;
}

QToolButton* visibleLanguageButton(const TForm1& form)
{
    QToolButton* visible = nullptr;
    for (const char* name : {"SpeedButtonG", "SpeedButtonE", "SpeedButtonS"})
        if (!control<QToolButton>(form, name)->isHidden()) {
            EXPECT_EQ(visible, nullptr) << "two language buttons show";
            visible = control<QToolButton>(form, name);
        }
    return visible;
}

TEST(WindowLanguage, TheLanguageButtonCyclesAndEveryCaptionFollows)
{
    TForm1 form;
    const std::vector<std::string> english = captions(form);
    struct Step {
        Language language;
        const char* button;   // visible afterwards
        const char* label1;   // caption of the span label of wing 1
        const char* languageMenu;
        const char* gapQuestion; // first line on wing 5
    };
    const Step cycle[] = {
        {Language::Spanish, "SpeedButtonS", "envergadura (b):", "Language", "Estás seguro de que quieres que esta  "},
        {Language::German, "SpeedButtonG", "Spannweite (b):", "Language", "Sind Sie sicher, dass dieser Flügel in"},
        {Language::English, "SpeedButtonE", "wing span (b):", "Sprache", "Are you sure this wing shall   "},
    };
    for (const Step& s : cycle) {
        visibleLanguageButton(form)->click();
        EXPECT_EQ(form.language(), s.language);
        EXPECT_EQ(visibleLanguageButton(form), control<QToolButton>(form, s.button));
        EXPECT_EQ(textOf(form, "Label1"), s.label1);
        EXPECT_EQ(control<QMenu>(form, "Langu1")->title().toStdString(), s.languageMenu);
        EXPECT_EQ(textOf(form, "german1"), "deutsch");
        EXPECT_EQ(textOf(form, "Label_SP9"), s.gapQuestion);
        EXPECT_EQ(textOf(form, "Label_b1"), "2200mm"); // figures stay as they are
    }
    EXPECT_EQ(captions(form), english);
    // The menu selects a language directly.
    trigger(form, "german1");
    EXPECT_EQ(control<PageControl>(form, "PageControl1")->tabText(control(form, "TabSheet4")), " Bemerkungen ");
    EXPECT_EQ(textOf(form, "Label34"), "Streckung [lam):");
    trigger(form, "spain1");
    EXPECT_EQ(textOf(form, "Label34"), "proporción de aspecto (lam):");
}

// Captions differ in width between the languages; the figures start right of the longest caption.
TEST(WindowLanguage, FiguresNeverOverlapTheirCaptions)
{
    TForm1 form;
    const std::pair<const char*, const char*> rows[] = {
        {"Label3", "Label_lm1"}, {"Label45", "Label_lm5"}, {"Label4", "Label_r251"}, {"Label25", "Label_anp1"}};
    for (const char* item : {"spain1", "german1", "english1"}) {
        trigger(form, item);
        for (auto [captionName, valueName] : rows) {
            const QWidget* caption = control(form, captionName);
            EXPECT_GT(control(form, valueName)->x(), caption->x() + caption->width()) << item << " " << valueName;
        }
        // The neutral point and the projected figures stand in the column of the other figures.
        for (const char* value : {"Label_anp1", "Label_ynp1", "Label_bp1", "Label_ap1"})
            EXPECT_EQ(control(form, value)->x(), control(form, "Label_lm1")->x()) << item << " " << value;
        // and end before the planform view.
        EXPECT_LT(control(form, "Label_s1")->geometry().right(), control(form, "Image1")->x()) << item;
        // Captions with a limited room (left column, copy buttons, trapezoid buttons) fit into it.
        for (QWidget* c : form.findChildren<QWidget*>()) {
            const int room = c->property("captionRoom").toInt();
            if (room > 0) {
                EXPECT_LE(c->sizeHint().width(), room) << item << " " << c->objectName().toStdString();
            }
        }
    }
}

} // namespace
} // namespace ab
