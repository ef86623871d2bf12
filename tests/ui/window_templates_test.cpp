// SPDX-License-Identifier: GPL-3.0-or-later
// A design started from File > New, typed with mistakes and named as a user does it: each template
// comes in as a new, unnamed aircraft that can be undone; a field read otherwise than typed shows a
// red frame and what was read; a wing's name shows on its tab and comes back from a save.
#include "files/aircraft_templates.h"
#include "lang/field_texts.h"
#include "lang/wing_captions.h"
#include "ui/page_control.h"
#include "window_test_support.h"

#include <QPlainTextEdit>
#include <QTabBar>

namespace ab {
namespace {

class WindowTemplates : public InOwnFolder {};

QString tabCaptionOf(const TForm1& form, const char* tab)
{
    return control<PageControl>(form, "PageControl1")->tabText(control(form, tab));
}

TEST_F(WindowTemplates, EachTemplateStartsANewUnnamedAircraftThatCanBeUndone)
{
    TForm1 form;
    const AircraftTexts start = form.textsState();
    for (const AircraftTemplate& t : aircraftTemplates()) {
        SCOPED_TRACE(t.id);
        form.questions.askToSaveChanges = [] { return TForm1::SaveAnswer::Discard; };
        trigger(form, t.objectName);
        EXPECT_EQ(form.currentFileName(), "Unknown.wk4");
        EXPECT_EQ(textOf(form, "Lab_FName"), "Unknown.wk4");
        EXPECT_FALSE(form.aircraftState().ResultsValid);
        EXPECT_FALSE(form.isWindowModified());
        EXPECT_FALSE(form.textsState().wing[1].name.empty()); // the templates name their surfaces
        // The names stand on the tabs, shortened where the bar has no room for them whole: the five
        // named wings of the default too, at the window's first size.
        const char* tabs[] = {"", "TabSheet1", "TabSheet2", "TabSheet3", "TabSheet6", "TabSheet7"};
        for (int w = 1; w <= form.textsState().wingCount; ++w) {
            const std::string& name = form.textsState().wing[w].name;
            EXPECT_NE(tabCaptionOf(form, tabs[w]).toStdString().find(name.substr(0, 3)), std::string::npos)
                << tabCaptionOf(form, tabs[w]).toStdString();
        }
        if (form.textsState().wingCount <= 3) {
            EXPECT_EQ(tabCaptionOf(form, "TabSheet1").toStdString(),
                      wingTabCaption(Language::English, 1, form.textsState().wing[1].name));
        }
        auto* pages = control<PageControl>(form, "PageControl1");
        EXPECT_LE(pages->tabBar()->sizeHint().width(), pages->width());
        trigger(form, "calculateAction");
        EXPECT_TRUE(form.aircraftState().ResultsValid);
        // Saving asks for a name instead of writing a file the user never chose.
        bool asked = false;
        form.questions.chooseFileToSave = [&] {
            asked = true;
            return QString();
        };
        trigger(form, control<QAction>(form, "Save3")->isEnabled() ? "Save3" : "Save2");
        EXPECT_TRUE(asked);
    }
    // Undo goes back through the templates to the aircraft the window started with.
    for (std::size_t i = 0; i < aircraftTemplates().size(); ++i)
        trigger(form, "Undo1");
    EXPECT_EQ(form.textsState(), start);
}

TEST_F(WindowTemplates, AMistypedFieldShowsARedFrameAndWhatWasRead)
{
    TForm1 form;
    form.show();
    const std::string rootChord(fieldName(1, Role::RootChord));
    auto* field = control<QLineEdit>(form, rootChord);
    auto frameColour = [&] { return field->grab().toImage().pixelColor(0, field->height() / 2); };
    const struct {
        const char* text;
        const char* tip; // empty: a clean field without a frame
    } cases[] = {{"22O", "read as 22 mm"}, {"220", ""},       {"220.5", "read as 220 mm"}, {"", "read as 0 mm"},
                 {" 220 ", ""},            {"-80", "read as 80 mm"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        type(form, rootChord, c.text);
        EXPECT_EQ(frameColour() == QColor(Qt::red), *c.tip != '\0');
        EXPECT_EQ(field->toolTip().toStdString(), c.tip);
    }
    // The calculation lists the flagged field before its results, and still runs.
    type(form, rootChord, "22O");
    trigger(form, "calculateAction");
    EXPECT_TRUE(form.aircraftState().ResultsValid);
    EXPECT_TRUE(control<QPlainTextEdit>(form, "Memo1")
                    ->toPlainText()
                    .startsWith(QString::fromStdString(flaggedFieldLine(1, Role::RootChord, "22O", Language::English))));
}

TEST_F(WindowTemplates, AWingsNameShowsOnItsTabAndComesBackFromASave)
{
    TForm1 form;
    type(form, "Edit_name2", "Höhenleitwerk");
    EXPECT_EQ(tabCaptionOf(form, "TabSheet2").toStdString(), wingTabCaption(Language::English, 2, "Höhenleitwerk"));
    control<QRadioButton>(form, "RadioButton16")->click(); // any edit after the name
    trigger(form, "Undo1");
    trigger(form, "Undo1");
    EXPECT_EQ(tabCaptionOf(form, "TabSheet2").toStdString(), wingTabCaption(Language::English, 2, ""));
    trigger(form, "Redo1");
    form.questions.chooseFileToSave = [this] { return QString::fromStdString(path("named.wk4")); };
    trigger(form, "Save2");
    TForm1 again;
    again.questions.chooseFileToOpen = [this] { return QString::fromStdString(path("named.wk4")); };
    trigger(again, "Open2");
    EXPECT_EQ(textOf(again, "Edit_name2"), "Höhenleitwerk");
    EXPECT_EQ(tabCaptionOf(again, "TabSheet2").toStdString(), wingTabCaption(Language::English, 2, "Höhenleitwerk"));
    EXPECT_FALSE(again.isWindowModified());
}

} // namespace
} // namespace ab
