// SPDX-License-Identifier: GPL-3.0-or-later
// Every text of the lift distribution exists in the three languages and keeps the placeholders the
// plot and the export fill in.
#include "lang/lift_plot_texts.h"

#include <gtest/gtest.h>

#include <string>

namespace ab {
namespace {

TEST(LiftPlotTexts, EveryLanguageHasEveryTextWithItsPlaceholders)
{
    using namespace texts;
    const struct {
        const Text3& text;
        std::vector<std::string> placeholders;
    } rows[] = {
        {LiftPlotTitle, {"{wing}"}},       {LiftPlotSpanAxis, {"[mm]"}},     {LiftPlotLiftAxis, {"c·cl/c_ref", "[1/rad]"}},
        {LiftPlotLiftSymbol, {"[1/rad]"}}, {LiftPlotRatioAxis, {"cl/CL"}},   {LiftPlotLocalLift, {"c·cl/c_ref"}},
        {LiftPlotElliptic, {}},            {LiftPlotRatio, {"cl/CL"}},       {LiftPlotStallFirst, {"cl/CL", "{ratio}", "{value}"}},
        {LiftPlotNoResults, {}},           {LiftExportNoResults, {}},
    };
    for (const auto& row : rows)
        for (const Language l : {Language::English, Language::German, Language::Spanish}) {
            const std::string text(row.text.in(l));
            SCOPED_TRACE(text);
            EXPECT_FALSE(text.empty());
            for (const std::string& p : row.placeholders)
                EXPECT_NE(text.find(p), std::string::npos) << p;
        }
}

} // namespace
} // namespace ab
