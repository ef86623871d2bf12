// SPDX-License-Identifier: GPL-3.0-or-later
// Batch mode in inches and ounces: the text summary shows every length and mass in them, the JSON
// keeps its figures in mm and g and says so.
#include "cli/batch.h"
#include "model/numbers.h"
#include "model/units.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <sstream>

namespace ab {
namespace {

using Json = nlohmann::ordered_json;

const std::string Trainer = AEROBALANCE_SOURCE_DIR "/examples/trainer.wk4";

std::string run(const std::vector<std::string>& args, int expectedStatus = 0)
{
    std::ostringstream out, err;
    EXPECT_EQ(runBatch(args, out, err), expectedStatus) << err.str();
    return expectedStatus == 0 ? out.str() : err.str();
}

TEST(BatchUnits, TheSummaryIsInInchesAndOuncesTheJsonInMillimetresAndGrams)
{
    const Json metric = Json::parse(run({"--calc", Trainer, "--json"}));
    Json imperial = Json::parse(run({"--calc", Trainer, "--json", "--units", "imperial"}));
    EXPECT_FALSE(metric.contains("units"));
    ASSERT_TRUE(imperial.contains("units"));
    EXPECT_EQ(std::next(imperial.begin()).key(), "units");
    EXPECT_EQ(imperial["units"], (Json{{"length", "mm"}, {"area", "mm^2"}, {"mass", "g"}}));
    imperial.erase("units");
    EXPECT_EQ(imperial.dump(), metric.dump());
    EXPECT_EQ(run({"--calc", Trainer, "--units=metric"}), run({"--calc", Trainer}));

    const std::string text = run({"--calc", Trainer, "--units", "imperial"});
    for (const char* metricUnit : {" mm", "mm ", "dm"})
        EXPECT_EQ(text.find(metricUnit), std::string::npos) << metricUnit << " in\n" << text;
    const auto inches = [](double mm) { return formatFixed(mm / MillimetresPerInch, 2) + " in"; };
    EXPECT_NE(text.find(inches(metric["neutral_point_x_mm"].get<double>())), std::string::npos) << text;
    EXPECT_NE(text.find(inches(metric["wings"][0]["span_mm"].get<double>())), std::string::npos) << text;
    const double grams = metric["balance"]["mass_g"].get<double>();
    EXPECT_NE(text.find(formatFixed(grams / GramsPerOunce, 1) + "oz"), std::string::npos) << text;
    EXPECT_EQ(text.find(formatFixed(grams, 1) + "g"), std::string::npos) << text;

    EXPECT_NE(run({"--calc", Trainer, "--units", "inches"}, 2).find("--units is metric or imperial"), std::string::npos);
}

} // namespace
} // namespace ab
