// SPDX-License-Identifier: GPL-3.0-or-later
// The calculated figures of every example aircraft, pinned. Beside each examples/NAME (.wk4 or
// .da4) lies examples/NAME.json: the report `aerobalance --calc examples/NAME --json` prints when
// run from the project folder. Nearly every rule of the calculation feeds these numbers, so a
// change that moves any figure fails here with the example and the place in the report.
//
// Most examples are everyday aircraft; default.wk4 and biplane.da4 carry wings with a centre gap.
// tandem.wk4 is built to sit on the edges of three rules:
//   - both wings span 1500 mm and the later one is larger: the reference wing is chosen by the
//     0.1 mm tie (the rear wing's panelled half-span comes out a hair short of the front wing's);
//   - the wings are level, and the rear wing, with the widest strips, sets the minimum height
//     distance to exactly 12.5 mm: the moved height -12.5 is written as -13 (halves away from zero);
//   - the outer trapezoid of the rear wing plans exactly 22.5 strips and gets 22 (halves to even).
//
// After a deliberate change of the results, write the reports anew and read their diff:
//     AEROBALANCE_UPDATE_GOLDEN=1 ctest --test-dir build -R GoldenReports
#include "cli/batch.h"
#include "../files/temp_folder.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <sstream>

namespace ab {
namespace {

namespace fs = std::filesystem;
using Json = nlohmann::ordered_json;

// Figures agree to 1e-9 of their size (1e-12 near zero): the solve's last digits follow the
// processor's BLAS kernels, while every rule change seen so far moves figures by far more.
bool numbersAgree(double expected, double actual)
{
    const double diff = std::fabs(expected - actual);
    return diff <= 1e-12 || diff <= 1e-9 * std::max(std::fabs(expected), std::fabs(actual));
}

// The first place (as a JSON pointer) where the report differs from the golden one, with both
// values; nothing when they agree.
std::optional<std::string> firstDifference(const Json& expected, const Json& actual, const std::string& at = "")
{
    const auto differs = [&](const std::string& why) { return (at.empty() ? "/" : at) + ": " + why; };
    if (expected.is_number() && actual.is_number()) {
        if (numbersAgree(expected.get<double>(), actual.get<double>()))
            return std::nullopt;
    } else if (expected.is_object() && actual.is_object()) {
        for (const auto& [key, value] : expected.items()) {
            if (!actual.contains(key))
                return differs("\"" + key + "\" is missing");
            if (auto d = firstDifference(value, actual[key], at + "/" + key))
                return d;
        }
        for (const auto& [key, value] : actual.items())
            if (!expected.contains(key))
                return differs("\"" + key + "\" is new");
        return std::nullopt;
    } else if (expected.is_array() && actual.is_array()) {
        if (expected.size() != actual.size())
            return differs(std::to_string(actual.size()) + " entries, expected " + std::to_string(expected.size()));
        for (std::size_t i = 0; i < expected.size(); ++i)
            if (auto d = firstDifference(expected[i], actual[i], at + "/" + std::to_string(i)))
                return d;
        return std::nullopt;
    } else if (expected == actual) {
        return std::nullopt;
    }
    return differs(actual.dump() + ", expected " + expected.dump());
}

// The aircraft files of the examples folder (.wk4 and .da4), sorted.
std::vector<fs::path> exampleAircraft(const fs::path& folder)
{
    std::vector<fs::path> files;
    for (const fs::directory_entry& e : fs::directory_iterator(folder))
        if (e.is_regular_file() && (e.path().extension() == ".wk4" || e.path().extension() == ".da4"))
            files.push_back(e.path());
    std::sort(files.begin(), files.end());
    return files;
}

TEST(GoldenReports, EveryExampleCalculatesToItsReport)
{
    const fs::path folder = AEROBALANCE_SOURCE_DIR "/examples";
    const char* update = std::getenv("AEROBALANCE_UPDATE_GOLDEN");
    const bool rewrite = update != nullptr && *update != '\0';

    const std::vector<fs::path> examples = exampleAircraft(folder);
    EXPECT_GE(examples.size(), 7u);
    for (const fs::path& aircraft : examples) {
        const std::string name = aircraft.filename().string();
        const fs::path golden = aircraft.string() + ".json";
        std::ostringstream out, err;
        if (runBatch({"--calc", aircraft.string(), "--json"}, out, err) != BatchDone) {
            ADD_FAILURE() << name << ": not calculated: " << err.str();
            continue;
        }
        Json report = Json::parse(out.str());
        report["file"] = "examples/" + name; // the name as given from the project folder

        if (rewrite) {
            test::writeBytes(golden.string(), report.dump(2) + "\n");
            continue;
        }
        const std::string text = test::readBytes(golden.string());
        if (text.empty()) {
            ADD_FAILURE() << name << ": no report " << golden.filename().string()
                          << " beside it (AEROBALANCE_UPDATE_GOLDEN=1 writes it)";
            continue;
        }
        Json expected;
        try {
            expected = Json::parse(text);
        } catch (const Json::parse_error& e) {
            ADD_FAILURE() << golden.filename().string() << ": not JSON: " << e.what();
            continue;
        }
        if (const auto d = firstDifference(expected, report))
            ADD_FAILURE() << name << ": the report differs from " << golden.filename().string() << " at " << *d;
    }
}

} // namespace
} // namespace ab
