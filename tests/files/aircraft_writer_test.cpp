// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/aircraft_writer.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

namespace ab {
namespace {

// The one-wing trainer: one trapezoid, rootChord 335, width 764, tipChord 140, tipOffset 131.
AircraftTexts trainerTexts()
{
    AircraftTexts t = defaultAircraftTexts();
    t.wingCount = 1;
    WingTexts& w = t.wing[1];
    w.trapezoidCount = 1;
    w[Role::RootGap] = "0";
    w[Role::RootChord] = "335";
    w[Role::Width1] = "764";
    w[Role::TipChord1] = "140";
    w[Role::TipOffset1] = "131";
    w[Role::PosX] = "0";
    w[Role::PosZ] = "-190";
    t.comment = "Trainer";
    return t;
}

std::string lineOf(const std::string& text, int n) // 1-based, without CR LF
{
    std::size_t start = 0;
    for (int i = 1; i < n; ++i)
        start = text.find("\r\n", start) + 2;
    return text.substr(start, text.find("\r\n", start) - start);
}

TEST(AircraftWriter, WritesTheTrainerExampleByteForByte)
{
    const std::string golden = test::readBytes(AEROBALANCE_SOURCE_DIR "/tests/data/trainer_example.wk4");
    ASSERT_FALSE(golden.empty());
    EXPECT_EQ(aircraftFileText(trainerTexts(), Aircraft{}), golden);
}

TEST(AircraftWriter, WritesResultsOnlyWhileValidWithTheirDecimals)
{
    Aircraft ac;
    ac.ReferenceArea = 273456.78;
    ac.ReferenceMac = 230.456;
    ac.NeutralPointX = -5.5;
    const std::string stale = aircraftFileText(trainerTexts(), ac);
    EXPECT_EQ(stale.find("<sb>"), std::string::npos);

    ac.ResultsValid = true;
    const std::string text = aircraftFileText(trainerTexts(), ac);
    EXPECT_EQ(lineOf(text, 25), " <sb>273456.8</sb>");
    EXPECT_EQ(lineOf(text, 26), " <lmue>230.46</lmue>");
    EXPECT_EQ(lineOf(text, 27), " <xnp>-5.50</xnp>");
    EXPECT_EQ(lineOf(text, 28), " ");
    EXPECT_EQ(lineOf(text, 29), " <comment>Trainer</comment>");

    ac.ReferenceArea = 0;
    ac.ReferenceMac = 0;
    EXPECT_NE(aircraftFileText(trainerTexts(), ac).find(" <sb> 0.0</sb>\r\n <lmue>0.00</lmue>"), std::string::npos);
}

TEST(AircraftWriter, WritesOneSectionMoreThanTrapezoidsAndOnlyConfiguredWings)
{
    AircraftTexts t = defaultAircraftTexts();
    t.wingCount = 3;
    t.wing[1].trapezoidCount = 4;
    t.wing[2].trapezoidCount = 2;
    t.wing[3].trapezoidCount = 1;
    const std::string text = aircraftFileText(t, Aircraft{});
    EXPECT_NE(text.find("<wing_id>3</wing_id>"), std::string::npos);
    EXPECT_EQ(text.find("<wing_id>4</wing_id>"), std::string::npos);
    const auto count = [&text](const std::string& part) {
        int n = 0;
        for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
            ++n;
        return n;
    };
    EXPECT_EQ(count("<section>"), 5 + 3 + 2);
    EXPECT_EQ(count("<section_id>5</section_id>"), 1);
    EXPECT_NE(text.find("<wingsections>3</wingsections>"), std::string::npos);
}

TEST(AircraftWriter, WritesWidthsTypedWithNegativeSignsAsTheEvaluationTakesThem)
{
    AircraftTexts t = trainerTexts();
    t.wing[1][Role::RootGap] = "-40";
    t.wing[1][Role::Width1] = "-764";
    t.wing[1][Role::TipOffset1] = "-131";
    const std::string text = aircraftFileText(t, Aircraft{});
    EXPECT_EQ(lineOf(text, 14), "   <y>40</y>");
    EXPECT_EQ(lineOf(text, 19), "   <x>-131</x>");
    EXPECT_EQ(lineOf(text, 20), "   <y>764</y>");
}

TEST(AircraftWriter, SpreadsAMultiLineCommentOverLines)
{
    AircraftTexts t = trainerTexts();
    t.comment = "High-wing trainer\nClark Y\n\nlast line";
    const std::string text = aircraftFileText(t, Aircraft{});
    EXPECT_NE(text.find("\r\n <comment>High-wing trainer\r\nClark Y\r\n\r\nlast line</comment>\r\n</aircraft>\r\n \r\n"),
              std::string::npos);
    // A CR is a character of the remarks, not a line break of the file: it comes back as typed.
    t.comment = "a\r\nb\rc";
    EXPECT_NE(aircraftFileText(t, Aircraft{}).find("<comment>a&#13;\r\nb&#13;c</comment>"), std::string::npos);
}

TEST(ExtensionRule, GivesEveryNameTheTaggedExtension)
{
    const std::pair<const char*, const char*> cases[] = {
        {"Plane.da4", "Plane.wk4"},
        {"PLANE.DA4", "PLANE.WK4"},
        {"Plane", "Plane.wk4"},
        {"Plane.Wk4", "Plane.Wk4.wk4"},
        {"Plane.wk4", "Plane.wk4"},
        {"PLANE.WK4", "PLANE.WK4"},
        {"old.da4.txt", "old.da4.txt.wk4"}, // only a ".da4" at the end is the legacy extension
        {"dir.da4/plane.da4", "dir.da4/plane.wk4"},
        // Folders keep their names: only the file's own name is read and changed.
        {"D/plans.da4/myplane", "D/plans.da4/myplane.wk4"},
        {"D/v.wk4dir/myplane", "D/v.wk4dir/myplane.wk4"},
        {"D.DA4/PLANE", "D.DA4/PLANE.wk4"},
        {"D/model.da4.backup", "D/model.da4.backup.wk4"},
        {"plane.DA4", "plane.WK4"},
        {"", ".wk4"},
    };
    for (const auto& [in, out] : cases)
        EXPECT_EQ(applyExtensionRule(in), out) << in;
}

TEST(AircraftSave, ReplacesTheFileAndReportsAFailureWithTheFileName)
{
    test::TempFolder folder;
    const std::string name = folder.file("trainer.wk4");
    test::writeBytes(name, "old contents");
    ASSERT_TRUE(saveAircraftFile(name, trainerTexts(), Aircraft{}, Language::English).ok);
    EXPECT_EQ(test::readBytes(name), aircraftFileText(trainerTexts(), Aircraft{}));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1) << "temporary file left";

    const std::string missing = folder.file("no such folder/trainer.wk4");
    const SaveOutcome failed = saveAircraftFile(missing, trainerTexts(), Aircraft{}, Language::English);
    EXPECT_FALSE(failed.ok);
    EXPECT_NE(failed.message.find(missing), std::string::npos);
    EXPECT_NE(failed.message.find("No such file or directory"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(missing));
}

} // namespace
} // namespace ab
