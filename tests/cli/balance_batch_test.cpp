// SPDX-License-Identifier: GPL-3.0-or-later
// Batch mode and the aircraft's own balance: the stored margin, the JSON `balance` object and the
// lines the text summary ends with.
#include "cli/batch.h"
#include "../files/temp_folder.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cmath>
#include <sstream>

namespace ab {
namespace {

using Json = nlohmann::json;

const std::string Trainer = AEROBALANCE_SOURCE_DIR "/examples/trainer.wk4";

struct BatchOutput {
    int status = -1;
    std::string out, err;
};

BatchOutput batch(const std::vector<std::string>& args)
{
    std::ostringstream out, err;
    BatchOutput r;
    r.status = runBatch(args, out, err);
    r.out = out.str();
    r.err = err.str();
    return r;
}

// The trainer example with one text of it replaced.
std::string trainerWith(const std::string& from, const std::string& to)
{
    std::string file = test::readBytes(Trainer);
    const std::size_t at = file.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at != std::string::npos)
        file.replace(at, from.size(), to);
    return file;
}

TEST(BatchBalance, AStoredMarginCountsUnlessTheCommandLineGivesOne)
{
    test::TempFolder folder;
    const std::string file = folder.file("ten.wk4");
    test::writeBytes(file, trainerWith("<margin>7.5</margin>", "<margin>10</margin>"));
    const std::string saved = folder.file("saved.wk4");
    const std::string huge = folder.file("huge.wk4");
    test::writeBytes(huge, trainerWith("<margin>7.5</margin>", "<margin>1e12</margin>"));
    struct Case {
        std::vector<std::string> args;
        double desired;
    };
    const Case cases[] = {
        {{"--calc", Trainer, "--json"}, 7.5},
        {{"--calc", file, "--json"}, 10},
        {{"--calc", file, "--json", "--margin", "5"}, 5},
        {{"--calc", file, "--json", "--margin=7.5"}, 7.5},
        {{"--calc", file, "--json", "--margin", "4", "--save", saved}, 4},
        {{"--calc", saved, "--json"}, 4}, // the margin used is the one saved
        {{"--calc", huge, "--json"}, 7.5}, // a stored margin that is none is not used
    };
    for (const Case& c : cases) {
        const BatchOutput r = batch(c.args);
        ASSERT_EQ(r.status, BatchDone) << r.err;
        EXPECT_EQ(Json::parse(r.out)["stability"]["desired_percent"].get<double>(), c.desired) << c.args[1];
    }
}

TEST(BatchBalance, JsonFiguresAgreeWithTheRowsAndTheStability)
{
    const BatchOutput r = batch({"--calc", Trainer, "--json"});
    ASSERT_EQ(r.status, BatchDone) << r.err;
    const Json j = Json::parse(r.out);
    const Json& b = j["balance"];
    ASSERT_EQ(b["items"].size(), 8u);
    EXPECT_EQ(b["items"][0], (Json{{"name", "Motor with propeller"}, {"mass_g", 135.0}, {"x_mm", -205.0}}));
    double mass = 0, moment = 0;
    for (const Json& item : b["items"]) {
        mass += item["mass_g"].get<double>();
        moment += item["mass_g"].get<double>() * item["x_mm"].get<double>();
    }
    EXPECT_DOUBLE_EQ(b["mass_g"].get<double>(), 1203);
    EXPECT_DOUBLE_EQ(mass, 1203);
    const double cg = b["cg_x_mm"];
    EXPECT_NEAR(cg, moment / mass, 1e-9);
    const double np = j["neutral_point_x_mm"], mac = j["reference_mac_mm"];
    EXPECT_NEAR(b["static_margin_percent"].get<double>(), (np - cg) / mac * 100, 1e-9);
    const double forward = j["stability"]["cg_at_high_mm"], rear = j["stability"]["cg_at_low_mm"];
    EXPECT_EQ(b["inside_recommended_band"].get<bool>(), cg >= forward && cg <= rear);
    EXPECT_TRUE(b["cg_percent_mac"].is_number());

    // The text summary ends with the same figures in the chosen language.
    const BatchOutput en = batch({"--calc", Trainer});
    const std::size_t at = en.out.find("\nBalance:\nTotal mass: 1203.0g\nCenter of gravity: 94.4mm (");
    ASSERT_NE(at, std::string::npos) << en.out;
    EXPECT_NE(en.out.find("\ninside the recommended range\n", at), std::string::npos) << en.out;
    const BatchOutput de = batch({"--calc", Trainer, "--lang", "de"});
    EXPECT_NE(de.out.find("\nSchwerpunktermittlung:\nGesamtmasse: 1203.0g\nSchwerpunkt: 94.4mm ("), std::string::npos)
        << de.out;
}

// The band the verdict is made with is the band the report names: the automatic range, or in manual
// mode the desired margin with 2 % either side.
TEST(BatchBalance, TheVerdictAndTheReportUseOneBand)
{
    test::TempFolder folder;
    const std::string manual = folder.file("manual.wk4");
    test::writeBytes(manual, trainerWith("<margin>7.5</margin>\r\n <stability_mode>auto",
                                         "<margin>10</margin>\r\n <stability_mode>manual"));
    const struct {
        std::string file;
        const char* mode;
        double low, high;
    } cases[] = {{Trainer, "auto", 8, 16}, {manual, "manual", 8, 12}};
    for (const auto& c : cases) {
        const BatchOutput r = batch({"--calc", c.file, "--json"});
        ASSERT_EQ(r.status, BatchDone) << r.err;
        const Json j = Json::parse(r.out);
        const Json& s = j["stability"];
        EXPECT_EQ(s["mode"], c.mode);
        EXPECT_EQ(s["band_low_percent"].get<double>(), c.low);
        EXPECT_EQ(s["band_high_percent"].get<double>(), c.high);
        const double np = j["neutral_point_x_mm"], mac = j["reference_mac_mm"], cg = j["balance"]["cg_x_mm"];
        const bool inside = cg >= np - c.high / 100 * mac && cg <= np - c.low / 100 * mac;
        EXPECT_EQ(j["balance"]["inside_recommended_band"].get<bool>(), inside) << c.mode;
    }
}

TEST(BatchBalance, NoMassGivesNullsAndAFileWithoutRowsAnEmptyBalance)
{
    test::TempFolder folder;
    std::string weightless = test::readBytes(Trainer);
    for (const char* mass : {";135;", ";35;", ";185;", ";12;", ";36;", ";420;", ";320;", ";60;"})
        weightless.replace(weightless.find(mass), std::string(mass).size(), ";;");
    const std::string noRows = folder.file("weightless.wk4");
    test::writeBytes(noRows, weightless);
    for (const std::string& file : {noRows, std::string(AEROBALANCE_SOURCE_DIR "/examples/glider.wk4")}) {
        const BatchOutput r = batch({"--calc", file, "--json"});
        ASSERT_EQ(r.status, BatchDone) << r.err;
        const Json j = Json::parse(r.out);
        const Json& b = j["balance"];
        EXPECT_EQ(b["mass_g"], 0.0);
        // Every row that does not count is listed, in the JSON and before the text summary.
        ASSERT_EQ(j["messages"].size(), file == noRows ? 8u : 0u);
        if (file == noRows) {
            EXPECT_EQ(j["messages"][0], "Balance row 1 (Motor with propeller), mass '': empty; the row counts as 0 g");
        }
        for (const char* key : {"cg_x_mm", "cg_percent_mac", "static_margin_percent", "inside_recommended_band"})
            EXPECT_TRUE(b[key].is_null()) << key;
        for (const Json& item : b["items"])
            EXPECT_EQ(item["mass_g"], 0.0);
        // The text summary says there is no centre of gravity only where the table has rows.
        const BatchOutput text = batch({"--calc", file});
        EXPECT_EQ(text.out.find("Balance:") != std::string::npos, file == noRows);
        EXPECT_EQ(text.out.find("Center of gravity: -") != std::string::npos, file == noRows);
        EXPECT_EQ(text.out.find("nan"), std::string::npos);
        EXPECT_EQ(text.out.rfind("Balance row 1 (", 0) == 0, file == noRows); // the lines come first
    }
}

TEST(BatchBalance, RowsBeyondTheLimitAreNotedAndTheRunSucceeds)
{
    test::TempFolder folder;
    std::string rows;
    for (int i = 0; i < 105; ++i)
        rows += " <balance_item>Servo;9;100</balance_item>\r\n";
    const std::string file = folder.file("many.wk4");
    test::writeBytes(file, trainerWith(" <margin>", rows + " <margin>"));
    const BatchOutput r = batch({"--calc", file, "--json"});
    ASSERT_EQ(r.status, BatchDone) << r.err;
    EXPECT_EQ(Json::parse(r.out)["balance"]["items"].size(), 100u);
    EXPECT_NE(r.err.find("rows left out: 13."), std::string::npos) << r.err;
    EXPECT_NE(r.err.find(file), std::string::npos) << r.err;
}

} // namespace
} // namespace ab
