// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/aircraft_document.h"
#include "model/recalculation.h"

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>

namespace ab {
namespace {

void expectSameResults(const Aircraft& a, const SolverData& sa, const Aircraft& b, const SolverData& sb)
{
    EXPECT_EQ(a.NeutralPointX, b.NeutralPointX);
    EXPECT_EQ(a.ReferenceArea, b.ReferenceArea);
    EXPECT_EQ(a.ReferenceMac, b.ReferenceMac);
    for (int w = 1; w <= MaxWings; ++w) {
        EXPECT_EQ(a.WingNeutralX[w], b.WingNeutralX[w]) << w;
        EXPECT_EQ(a.WingLiftSlope[w], b.WingLiftSlope[w]) << w;
        EXPECT_EQ(a.WingLiftCentreY[w], b.WingLiftCentreY[w]) << w;
    }
    EXPECT_EQ(sa.Circulation, sb.Circulation);
}

// What runs in the background must give what Calculate gives, to the last bit, or a builder would
// see the figures change when pressing F9 after a live result.
TEST(BackgroundCalculation, ACopyGivesTheFiguresOfTheDocumentsOwnCalculation)
{
    AircraftDocument document;
    CalculatedCopy copy = copyForCalculation(document);
    calculateCopy(copy, Language::English);
    ASSERT_FALSE(copy.run.failed);
    EXPECT_FALSE(document.aircraft.ResultsValid); // the document is untouched

    AircraftDocument explicitRun;
    explicitRun.calculate(Language::English);
    expectSameResults(copy.aircraft, copy.solver, explicitRun.aircraft, explicitRun.solver);

    // Taken over, the document holds them; its former lattice goes back with the copy for reuse.
    ASSERT_TRUE(document.adopt(copy));
    EXPECT_TRUE(document.aircraft.ResultsValid);
    expectSameResults(document.aircraft, document.solver, explicitRun.aircraft, explicitRun.solver);

    // A second run on the lattice handed back gives the same again.
    CalculatedCopy again = copyForCalculation(document, std::move(copy.solver));
    calculateCopy(again, Language::English);
    expectSameResults(again.aircraft, again.solver, explicitRun.aircraft, explicitRun.solver);
}

// A cancel is seen before each stage and at every pivot step of the elimination: set at the first
// step, no second step follows and the run ends without results.
TEST(BackgroundCalculation, ACancelEndsTheRunAtTheNextStep)
{
    for (const bool atOnce : {true, false}) {
        AircraftDocument document;
        std::atomic<bool> cancel{atOnce};
        int steps = 0;
        CalculationCallbacks callbacks;
        callbacks.cancel = &cancel;
        callbacks.countdown = [&](int) {
            ++steps;
            cancel = true;
        };
        const CalculationRun run = document.calculate(Language::English, callbacks);
        EXPECT_TRUE(run.cancelled);
        EXPECT_TRUE(run.failed);
        EXPECT_FALSE(document.aircraft.ResultsValid);
        EXPECT_EQ(steps, atOnce ? 0 : 1);
    }
}

// The calculation in the background shares nothing with the document: the user goes on typing while
// it runs (the thread sanitizer build checks this), and results of a geometry the document no
// longer has are refused.
TEST(BackgroundCalculation, TheDocumentChangesWhileACopyIsCalculated)
{
    AircraftDocument document;
    CalculatedCopy copy = copyForCalculation(document);
    std::atomic<bool> cancel{false};
    std::thread worker([&] { calculateCopy(copy, Language::English, &cancel); });
    for (int i = 0; i < 200; ++i) {
        document.texts.wing[2][Role::PosX] = std::to_string(1100 + i);
        recalculate(document.aircraft, document.texts);
    }
    worker.join();
    ASSERT_FALSE(copy.run.failed);
    EXPECT_FALSE(document.adopt(copy));
    EXPECT_FALSE(document.aircraft.ResultsValid);

    // Cancelled while running, it ends without results.
    CalculatedCopy cancelled = copyForCalculation(document);
    std::thread second([&] { calculateCopy(cancelled, Language::English, &cancel); });
    cancel = true;
    second.join();
    EXPECT_TRUE(cancelled.run.cancelled || !cancelled.run.failed);
}

} // namespace
} // namespace ab
