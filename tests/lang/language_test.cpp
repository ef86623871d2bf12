// SPDX-License-Identifier: GPL-3.0-or-later
#include "lang/captions.h"
#include "lang/language.h"
#include "lang/system_reasons.h"
#include "files/aircraft_writer.h"
#include "model/aircraft_texts.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <set>
#include <string>
#include <system_error>

namespace ab {
namespace {

constexpr Language kAll[] = {Language::English, Language::German, Language::Spanish};

TEST(Languages, PickRulePrefersEnglishThenGerman)
{
    EXPECT_EQ(currentLanguage({true, true, true}), Language::English);
    EXPECT_EQ(currentLanguage({false, true, true}), Language::German);
    EXPECT_EQ(currentLanguage({false, false, true}), Language::Spanish);
    EXPECT_EQ(currentLanguage({false, false, false}), Language::Spanish);
    for (Language l : kAll)
        EXPECT_EQ(currentLanguage(flagsFor(l)), l);
}

// Every caption exists in all three languages, each control appears once, and only the German
// menu item keeps its caption when another language is chosen.
TEST(Languages, CaptionTablesAreComplete)
{
    std::set<std::string> seen;
    int unchanged = 0;
    for (auto table : {controlCaptions(), menuCaptions()}) {
        for (const Caption& c : table) {
            EXPECT_TRUE(seen.insert(c.control).second) << c.control;
            for (Language l : kAll) {
                if (!c.text.raw(l)) {
                    ++unchanged;
                    EXPECT_STREQ(c.control, "german1");
                } else {
                    EXPECT_FALSE(c.text.in(l).empty()) << c.control;
                }
            }
        }
    }
    EXPECT_EQ(unchanged, 2);
    EXPECT_EQ(controlCaptions().size(), 99u); // with the projected span and area captions of the five wings
    EXPECT_EQ(menuCaptions().size(), 33u); // with live calculation, the V-tail glider and Insert Wing from File
}

std::string captionOf(const char* control, Language l)
{
    for (auto table : {controlCaptions(), menuCaptions()})
        for (const Caption& c : table)
            if (std::string(c.control) == control)
                return std::string(c.text.in(l));
    return "<missing>";
}

TEST(Languages, CaptionsKeepTheirExactBlanksAndOddities)
{
    EXPECT_EQ(captionOf("TabSheet1", Language::English), "  Wing 1 ");
    EXPECT_EQ(captionOf("TabSheet5", Language::English), "  Aircraft  ");
    EXPECT_EQ(captionOf("Label_w", Language::German), "  - Berechnung läuft - ");
    EXPECT_EQ(captionOf("Label5", Language::Spanish), "proporción de aspecto [lam):");
    EXPECT_EQ(captionOf("Label34", Language::Spanish), "proporción de aspecto (lam):");
    EXPECT_EQ(captionOf("Label23", Language::Spanish), "estado de ánimo");
    EXPECT_EQ(captionOf("RadioButton1", Language::Spanish), " 1 ala");
    EXPECT_EQ(captionOf("Button_C1", Language::English), " copy wing 1 ");
    EXPECT_EQ(captionOf("Langu1", Language::English), "Sprache");
    EXPECT_EQ(captionOf("Langu1", Language::German), "Language");
    EXPECT_EQ(captionOf("german1", Language::English), "deutsch");
    EXPECT_EQ(captionOf("Print1", Language::Spanish), "letra de molde");
    EXPECT_EQ(thumbnailTitle(Language::Spanish, 3), "  ala-3   ");
    EXPECT_EQ(topViewFlightDirection(Language::German), "Flugrichtung           ");
}

TEST(Languages, MessageTextsAreFilledInEveryLanguage)
{
    for (Language l : kAll) {
        const MessageTexts& m = messageTexts(l);
        for (const std::string* s : {&m.GapQuestion1, &m.GapQuestion2, &m.ErrorTitle, &m.FlightDirectionText,
                                     &m.RemarksPrompt, &m.TrapezoidFailure1, &m.TrapezoidFailure2,
                                     &m.TrapezoidFailure3, &m.TrapezoidAdvice, &m.ChordlessAdvice, &m.WingAdvice})
            EXPECT_FALSE(s->empty());
        for (int w = 1; w <= 5; ++w) {
            EXPECT_NE(m.WingTitle[w].find(std::to_string(w)), std::string::npos);
            EXPECT_NE(m.WingFailure[w].find(std::to_string(w)), std::string::npos);
        }
    }
    EXPECT_EQ(messageTexts(Language::English).WingTitle[1], "Wing-1  ");
    EXPECT_EQ(messageTexts(Language::Spanish).WingTitle[5], " ala-5  ");
    EXPECT_EQ(messageTexts(Language::German).WingFailure[2], "Kann Flügel-2 nicht berechnen.");
    EXPECT_EQ(messageTexts(Language::English).WingFailure[4], "Can not calculate wing-4. ");
    EXPECT_EQ(messageTexts(Language::English).GapQuestion1, "Are you sure this wing shall   ");
    EXPECT_EQ(messageTexts(Language::Spanish).ErrorTitle, "punto flaco");
}

TEST(Languages, TrapezoidFailureLineReadsAsOneSentence)
{
    EXPECT_EQ(trapezoidFailureLine(Language::English, 1, 2), "Can not calculate Wing  1 / Trapezium  2 ");
    EXPECT_EQ(trapezoidFailureLine(Language::German, 3, 4), "Kann Flügel  3 / Trapez  4 nicht berechnen.");
    EXPECT_EQ(trapezoidFailureLine(Language::Spanish, 5, 1), "No se puede calcular ala  5 el trapecio  1 ");
}

TEST(Languages, RunTimeTextsExistInAllLanguages)
{
    using namespace texts;
    const Text3* all[] = {&MovedWingsHeading, &MovedWingsLine, &SingularSystem, &ReferenceAreaLabel,
                          &ReferenceLengthLabel, &CgPrefix, &NeutralPointPrefix, &MarginDifference,
                          &SummaryTitle, &SummaryNeutralPoint, &SummaryCgHigh, &SummaryCgLow,
                          &SummaryCgDesired, &SummaryWingSpan, &SummaryWingArea, &SummaryAspectRatio,
                          &SummaryMac, &SummaryGeometricCentre, &SummaryAerodynamicCentre, &SummaryLiftSlope,
                          &InfoLine1, &InfoLine2, &InfoLine3, &InfoDownload, &InfoIdeaCredit, &InfoRealisationCredit};
    for (const Text3* t : all)
        for (Language l : kAll)
            EXPECT_FALSE(t->in(l).empty());
    for (int w = 1; w <= 5; ++w)
        for (Language l : kAll) {
            EXPECT_FALSE(sketchFlightDirection(w).in(l).empty());
            EXPECT_NE(summaryWingTitle(w).in(l).find(std::to_string(w)), std::string::npos);
        }
    EXPECT_EQ(CgPrefix.in(Language::German), "x_SP (");
    EXPECT_EQ(MarginDifference.in(Language::Spanish), "%  NP-SP= ");
    EXPECT_EQ(summaryWingTitle(2).in(Language::Spanish), "ala-2: ");
    EXPECT_EQ(SummaryCgLow.in(Language::English), "recomemnded center of gravity by stab =  ");
}

// Every balance text is there in each language, and one that carries a figure carries it in each.
TEST(Languages, BalanceTextsCarryTheirFigureInEveryLanguage)
{
    using namespace texts;
    const std::pair<const Text3*, bool> all[] = {
        {&BalanceHeading, false},     {&BalanceMass, true},      {&BalanceCentreOfGravity, true},
        {&BalanceStaticMargin, true}, {&BalanceInside, false},   {&BalanceMoveForward, true},
        {&BalanceMoveRearward, true}, {&BalanceNoResults, false}, {&BalanceNoMass, false},
        {&BalanceFlaggedItems, true}, {&BalanceItemsCut, true},  {&BalanceNamesCut, true},
    };
    for (const auto& [text, withFigure] : all)
        for (Language l : kAll) {
            EXPECT_FALSE(text->in(l).empty()) << text->en;
            EXPECT_EQ(text->in(l).find("{value}") != std::string_view::npos, withFigure) << text->in(l);
        }
}

// A failed save says the system's reason in the window's language; a sentence of ours stays as it is.
TEST(Languages, AFailedSaveSaysWhyInTheWindowsLanguage)
{
    const std::string missing = (std::filesystem::temp_directory_path() / "aerobalance no such folder/a.wk4").string();
    const std::pair<Language, const char*> reasons[] = {{Language::English, "No such file or directory"},
                                                        {Language::German, "Datei oder Ordner nicht vorhanden"},
                                                        {Language::Spanish, "No existe el archivo o la carpeta"}};
    for (const auto& [language, reason] : reasons) {
        const SaveOutcome failed = saveAircraftFile(missing, defaultAircraftTexts(), Aircraft{}, language);
        EXPECT_NE(failed.message.find(reason), std::string::npos) << failed.message;
    }
    for (int error : {EACCES, ENOSPC, EROFS, EISDIR, ENOTDIR, ELOOP, EDQUOT})
        EXPECT_NE(systemReasonIn(Language::Spanish, std::generic_category().message(error)),
                  std::generic_category().message(error));
    EXPECT_EQ(systemReasonIn(Language::German, "keine reguläre Datei"), "keine reguläre Datei");
}

} // namespace
} // namespace ab
