// SPDX-License-Identifier: GPL-3.0-or-later
// A seeded random user: thousands of actions on the window (texts of every kind into every field,
// wing and trapezoid counts, exchanges, menu jumps, scroll bars, languages, stability modes, the
// pressure check box, and a calculation now and then). After each action the
// window must show what the core computes from the texts it holds, and never "nan" or "inf".
#include "model/planform.h"
#include "ui/live_calculation.h"
#include "ui/page_control.h"
#include "window_test_support.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QScrollBar>
#include <random>

namespace ab {
namespace {

const char* const kTexts[] = {
    "", "-", "+", "0", "12a", "-12a", "1.5", " 300", "  -80", "$1F", "0x7fffffff", "x10", "-0x10",
    "2147483647", "-2147483648", "2147483648", "1234567890123456789012345678901234567890", "abc", "1e9",
    "\t7", "99999", "-99999", "335", "0000000000000000000000000042", "ü", "7 8",
};

bool looksNumeric(const std::string& s)
{
    for (const char* bad : {"nan", "inf", "NaN", "Inf"})
        if (s.find(bad) != std::string::npos)
            return false;
    return true;
}

void checkWindowMatchesCore(const TForm1& form, int step, bool live)
{
    const AircraftTexts& texts = form.textsState();
    for (int w = 1; w <= MaxWings; ++w) {
        SCOPED_TRACE("step " + std::to_string(step) + ", wing " + std::to_string(w));
        for (int r = 0; r < RoleCount; ++r)
            ASSERT_EQ(textOf(form, std::string(fieldName(w, static_cast<Role>(r)))), texts.wing[w].field[r]);
        const int count = texts.wing[w].trapezoidCount;
        ASSERT_TRUE(control<QRadioButton>(form, std::string(trapezoidButtonName(w, count)))->isChecked());
        ASSERT_EQ(control(form, std::string(fieldName(w, tipOffsetRole(2))))->isHidden(), count < 2);

        // The figures that do not depend on the wing's position, as the core makes them.
        Aircraft fresh;
        const WingLabels expected = evaluateWing(fresh, texts.wing[w], w);
        const std::string n = std::to_string(w);
        ASSERT_EQ(textOf(form, "Label_b" + n), expected.span);
        ASSERT_EQ(textOf(form, "Label_s" + n), expected.area);
        ASSERT_EQ(textOf(form, "Label_lm" + n), expected.mac);
        ASSERT_EQ(textOf(form, "Label_lam" + n), expected.aspectRatio);
        ASSERT_EQ(textOf(form, "L_" + n + "_5"), expected.stations[4]);
        ASSERT_TRUE(looksNumeric(textOf(form, "Label_r25" + n)));
        // Neutral points show exactly while the results are valid (calculating while editing, those
        // of the last calculation stay, greyed), and are numbers.
        if (live)
            ASSERT_EQ(control(form, "Label_anp" + n)->isEnabled(), form.aircraftState().ResultsValid);
        else
            ASSERT_EQ(control(form, "Label_anp" + n)->isHidden(), !form.aircraftState().ResultsValid);
        ASSERT_TRUE(looksNumeric(textOf(form, "Label_anp" + n)));
    }
    ASSERT_TRUE(looksNumeric(textOf(form, "Label21")));
}

// live: the window calculates while editing, and the user now and then waits for it.
void actRandomly(int steps, bool live)
{
    TForm1 form;
    form.setLiveCalculation(live);
    if (live)
        form.liveWorker()->setPause(0);
    std::mt19937 rng(20261207);
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    auto* pages = control<PageControl>(form, "PageControl1");
    const char* menuItems[] = {"chng1", "chng2", "chng3", "chng4", "chng5", "wing11", "wing21", "wing31",
                               "aircraft1", "german1", "english1", "spain1"};
    const char* bars[] = {"ScrollBar1", "ScrollBar2", "ScrollBar3", "ScrollBar4", "ScrollBar5", "ScrollBar6"};
    int calculated = 0;
    for (int step = 0; step < steps; ++step) {
        const int w = pick(1, MaxWings);
        switch (pick(0, 9)) {
        case 0: case 1: case 2: case 3: // most of what a user does is typing
            type(form, std::string(fieldName(w, static_cast<Role>(pick(0, RoleCount - 1)))), kTexts[pick(0, std::size(kTexts) - 1)]);
            break;
        case 4:
            control<QRadioButton>(form, std::string(trapezoidButtonName(w, pick(1, MaxTrapezoids))))->click();
            break;
        case 5:
            control<QRadioButton>(form, std::string(wingCountButtonName(pick(1, MaxWings))))->click();
            break;
        case 6: {
            QAction* item = control<QAction>(form, menuItems[pick(0, std::size(menuItems) - 1)]);
            if (item->isEnabled())
                item->trigger();
            break;
        }
        case 7: {
            auto* bar = control<QScrollBar>(form, bars[pick(0, std::size(bars) - 1)]);
            bar->setValue(pick(-1000, 1000));
            ASSERT_GE(bar->value(), bar->minimum());
            ASSERT_LE(bar->value(), bar->maximum());
            break;
        }
        case 8:
            pages->tabBar()->setCurrentIndex(pick(0, 6));
            break;
        case 9: { // what a user can reach: the check box shows after a calculation
            auto* pressure = control<QCheckBox>(form, "CheckBoxA");
            if (!pressure->isHidden())
                pressure->setChecked(pick(0, 1) == 1);
            control<QRadioButton>(form, pick(0, 1) ? "RadioButton15" : "RadioButton16")->click();
            break;
        }
        }
        // Now and then the user starts from a sound aircraft again, and calculates a few actions
        // later and once more much later (not often: a run may take a large part of a second).
        if (step % 300 == 0)
            typeAircraft(form, defaultAircraftTexts());
        if (step % 300 == 10 || step % 300 == 150) {
            trigger(form, "calculateAction");
            calculated += form.aircraftState().ResultsValid;
        }
        if (live && step % 300 == 1) { // the default aircraft, just typed, is calculated in the background
            QElapsedTimer waited;
            waited.start();
            while (form.liveCalculationBusy() && waited.elapsed() < 60000)
                QApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
            calculated += form.aircraftState().ResultsValid;
        } else if (live && pick(0, 9) == 0) {
            QElapsedTimer waited;
            waited.start();
            while (waited.elapsed() < pick(0, 400))
                QApplication::processEvents(QEventLoop::AllEvents, 10);
            calculated += form.aircraftState().ResultsValid;
        }
        checkWindowMatchesCore(form, step, live);
        if (testing::Test::HasFatalFailure())
            return;
    }
    EXPECT_GT(calculated, 0); // some of the random aircraft do calculate
}

TEST(WindowRandomUser, EveryActionLeavesTheWindowConsistentWithTheCore) { actRandomly(3000, false); }

// Calculations in the background start, are cancelled and come back between the actions.
TEST(WindowRandomUser, CalculatingWhileEditingLeavesTheWindowConsistentWithTheCore) { actRandomly(1200, true); }

} // namespace
} // namespace ab
