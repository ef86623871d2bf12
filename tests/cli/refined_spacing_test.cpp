// SPDX-License-Identifier: GPL-3.0-or-later
// Refined spacing along the span against converged neutral points: the examples and two templates
// calculated with --spacing refined lie within 0.5 % of the reference chord of the neutral point a
// vortex-lattice program finds on a lattice fine enough that it no longer moves (cosine spacing both
// ways, 12 chordwise panels, about 60 strips a half of the main wing).
#include "cli/batch.h"
#include "files/aircraft_templates.h"
#include "../files/temp_folder.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cmath>
#include <sstream>

namespace ab {
namespace {

nlohmann::json report(const std::vector<std::string>& args)
{
    std::ostringstream out, err;
    EXPECT_EQ(runBatch(args, out, err), BatchDone) << err.str();
    return nlohmann::json::parse(out.str());
}

TEST(RefinedSpacing, NeutralPointsWithinHalfAPercentOfTheConvergedLattice)
{
    struct Row {
        const char* file; // an example, or a template by its id
        double converged; // mm
    };
    const Row rows[] = {
        {"trainer.wk4", 130.29},  {"canard.wk4", 478.02},  {"vtail_glider.wk4", 106.38}, {"glider.wk4", 114.00},
        {"flying_wing.wk4", 217.01}, {"tandem.wk4", 244.11}, {"default.wk4", 114.60}, {"fuselage_gap.wk4", 179.47},
        {"conventional", 138.41}, {"glider", 111.35}, // the glider template with its polyhedral
    };
    test::TempFolder folder;
    for (const Row& r : rows) {
        SCOPED_TRACE(r.file);
        std::string file = std::string(AEROBALANCE_SOURCE_DIR "/examples/") + r.file;
        if (const AircraftTemplate* t = findAircraftTemplate(r.file)) {
            file = folder.file(std::string(r.file) + ".wk4");
            test::writeBytes(file, std::string(t->text));
        }
        const nlohmann::json refined = report({"--calc", file, "--json", "--spacing", "refined"});
        EXPECT_EQ(refined["lattice"]["spanwise_spacing"], "refined");
        const double mac = refined["reference_mac_mm"].get<double>();
        EXPECT_LT(std::fabs(refined["neutral_point_x_mm"].get<double>() - r.converged) / mac * 100, 0.5);
        // The same lattice size as equal strips.
        const nlohmann::json equal = report({"--calc", file, "--json"});
        EXPECT_EQ(refined["panel_count"], equal["panel_count"]);
        EXPECT_EQ(refined["lattice"]["panels"], equal["panel_count"]);
    }
}

// The spacing stored in the file is used unless --spacing says otherwise; --save keeps the one used.
TEST(RefinedSpacing, TheCommandLineOverridesTheFileAndIsSaved)
{
    test::TempFolder folder;
    const std::string saved = folder.file("refined.wk4");
    const std::string trainer = AEROBALANCE_SOURCE_DIR "/examples/trainer.wk4";
    const nlohmann::json first = report({"--calc", trainer, "--json", "--spacing=refined", "--save", saved});
    EXPECT_NE(test::readBytes(saved).find("<spacing>refined</spacing>"), std::string::npos);
    const nlohmann::json again = report({"--calc", saved, "--json"});
    EXPECT_EQ(again["lattice"]["spanwise_spacing"], "refined");
    EXPECT_EQ(again["neutral_point_x_mm"], first["neutral_point_x_mm"]);
    EXPECT_EQ(report({"--calc", saved, "--json", "--spacing", "equal"})["lattice"]["spanwise_spacing"], "equal");

    std::ostringstream out, err;
    EXPECT_EQ(runBatch({"--calc", trainer, "--spacing", "cosine"}, out, err), BatchBadInput);
    EXPECT_NE(err.str().find("--spacing is equal or refined"), std::string::npos) << err.str();
    std::ostringstream text, err2;
    ASSERT_EQ(runBatch({"--calc", saved}, text, err2), BatchDone);
    EXPECT_NE(text.str().find("strips along the span: refined towards the ends"), std::string::npos) << text.str();
}

} // namespace
} // namespace ab
