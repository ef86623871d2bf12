// SPDX-License-Identifier: GPL-3.0-or-later
// Batch mode with a fuselage: the JSON's neutral point includes the body and its `fuselage` object
// gives the shift; the text summary shows both figures; flagged stations are listed.
#include "cli/batch.h"
#include "../files/temp_folder.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <sstream>

namespace ab {
namespace {

const std::string Trainer = AEROBALANCE_SOURCE_DIR "/tests/data/fuselage_trainer.wk4";

std::string batchOut(const std::vector<std::string>& args)
{
    std::ostringstream out, err;
    EXPECT_EQ(runBatch(args, out, err), 0) << err.str();
    return out.str();
}

TEST(BatchFuselage, TheReportsGiveTheNeutralPointWithTheBodyAndItsShift)
{
    const nlohmann::json j = nlohmann::json::parse(batchOut({"--calc", Trainer, "--json"}));
    const nlohmann::json& f = j.at("fuselage");
    EXPECT_EQ(f.at("stations"), 25);
    EXPECT_LT(f.at("neutral_point_shift_mm").get<double>(), -3);
    EXPECT_NEAR(j.at("neutral_point_x_mm").get<double>(),
                f.at("neutral_point_without_x_mm").get<double>() + f.at("neutral_point_shift_mm").get<double>(), 1e-9);
    EXPECT_NEAR(f.at("neutral_point_shift_percent_mac").get<double>(),
                100 * f.at("neutral_point_shift_mm").get<double>() / j.at("reference_mac_mm").get<double>(), 1e-9);

    const std::string text = batchOut({"--calc", Trainer});
    EXPECT_NE(text.find("fuselage share:"), std::string::npos) << text;
    EXPECT_NE(text.find("aerodynamic center without fuselage:"), std::string::npos);
    const std::string german = batchOut({"--calc", Trainer, "--lang", "de"});
    EXPECT_NE(german.find("Anteil des Rumpfes:"), std::string::npos) << german;
}

TEST(BatchFuselage, FlaggedStationsAreListed)
{
    test::TempFolder folder;
    const std::string file = folder.file("flagged.wk4");
    std::string bytes = test::readBytes(Trainer);
    bytes.replace(bytes.find("<fuselage>50;100.0</fuselage>"), 29, "<fuselage>-60;-5</fuselage>");
    test::writeBytes(file, bytes);
    const nlohmann::json j = nlohmann::json::parse(batchOut({"--calc", file, "--json"}));
    const std::vector<std::string> expected{
        "Fuselage row 10, x '-60': not behind the station before it; the station does not count",
        "Fuselage row 10, width '-5': a negative width; the width counts as 0"};
    EXPECT_EQ(j.at("messages").get<std::vector<std::string>>(), expected);
    EXPECT_EQ(j.at("fuselage").at("stations"), 24);
}

} // namespace
} // namespace ab
