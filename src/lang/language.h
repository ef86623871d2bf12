// SPDX-License-Identifier: GPL-3.0-or-later
// The three interface languages, the rule by which a text is picked, and the texts that calculation,
// drawing, printing and batch mode choose at run time. Captions of the window's controls are in
// captions.h.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace ab {

enum class Language { English = 0, German = 1, Spanish = 2 };

// Exactly one flag is set after every language selection.
struct LanguageFlags {
    bool LanguageEnglish = true;
    bool LanguageGerman = false;
    bool LanguageSpanish = false;
};

// English if LanguageEnglish, else German if LanguageGerman, else Spanish.
Language currentLanguage(const LanguageFlags& flags);
LanguageFlags flagsFor(Language language);

// One text in English, German and Spanish (UTF-8).
struct Text3 {
    const char* en;
    const char* de;
    const char* es;
    // The text of one language; null where a caption stays as it is.
    const char* raw(Language l) const { return l == Language::English ? en : l == Language::German ? de : es; }
    std::string_view in(Language l) const
    {
        const char* t = raw(l);
        return t ? std::string_view(t) : std::string_view();
    }
};

// Replaces every placeholder `key` ("{value}") in s by `by`; what `by` brings in is not searched
// again, so fill in texts typed by the user last.
void fillIn(std::string& s, std::string_view key, std::string_view by);

// The message texts that the language selection fills and other parts read later.
struct MessageTexts {
    std::string GapQuestion1, GapQuestion2;
    std::array<std::string, 6> WingTitle; // index 1..5
    std::string ErrorTitle;
    std::string FlightDirectionText;
    std::string RemarksPrompt;
    std::string TrapezoidFailure1, TrapezoidFailure2, TrapezoidFailure3, TrapezoidAdvice;
    std::string ChordlessAdvice; // a trapezoid whose root and tip chords are both 0
    std::array<std::string, 6> WingFailure; // index 1..5
    std::string WingAdvice;
};
const MessageTexts& messageTexts(Language language);

// "Can not calculate Wing  1 / Trapezium  2 " and its German and Spanish forms.
std::string trapezoidFailureLine(Language language, int wing, int trapezoid);

namespace texts {

// Calculation run.
extern const Text3 MovedWingsHeading;  // "Attention:"
extern const Text3 MovedWingsLine;     // "Wings are moved automatically in z-direction!"
extern const Text3 SingularSystem;     // the equation system could not be solved
extern const Text3 InconsistentLattice; // the influence matrix does not match the panel count

// File commands. "{file}" stands for the file name, "{reason}" for the system's reason, "{value}"
// for a number and "{line}" for a line of the file.
extern const Text3 FileCannotOpen;   // "Cannot open \"{file}\": {reason}."
extern const Text3 FileReadError;    // "Cannot read \"{file}\": {reason}."
extern const Text3 FileTooLarge;     // the file is larger than 16 MiB
extern const Text3 FileNotText;      // the file holds a NUL byte
extern const Text3 FileNotRegular;   // a FIFO, device or socket where a file was expected
extern const Text3 NotRegularReason; // "{reason}" of a save refused onto a FIFO, device or socket
extern const Text3 FileNoWingCount;  // an aircraft file without the number of wings
extern const Text3 FileBadWingCount; // an aircraft file with a number of wings outside 1..5
extern const Text3 FileCannotSave;   // "Cannot save \"{file}\": {reason}. ..."
extern const Text3 FileTooLargeToSave; // the file would be larger than the program opens
extern const Text3 FileSaveBrokeOff; // "Cannot save \"{file}\": {reason}." after a rewrite in place broke off
extern const Text3 FileAlreadySaved; // an output of the same run put in its place before another failed
extern const Text3 FileNotCalculated; // batch mode: the calculation's lines follow
// Notes on a damaged aircraft file, "{value}" standing for a wing, "{line}" for the file's last line.
extern const Text3 FileEndsBeforeWing; // "The file ends before wing 2: its values are defaults."
extern const Text3 FileEndsInsideWing; // the file ends among a wing's values
extern const Text3 FileEndsEarly;      // the file ends after its wings, before its last line
extern const Text3 FileLacksWing;      // a whole file without the values of a wing it counts
// "{wing}", "{field}" (the dihedral words of a trapezoid), "{text}" and "{value}" (the degrees used).
extern const Text3 FileBadDihedral;    // a dihedral line whose angle is no usable angle
extern const Text3 AvlNeedsCalculation; // an AVL export without a complete calculation

// Stability texts of the aircraft top view, each followed by a number and the unit shown.
extern const Text3 ReferenceAreaLabel;   // "Reference area (S): "
extern const Text3 ReferenceLengthLabel; // "Reference length (lm): "
extern const Text3 CgPrefix;             // "x_cg (" (German "x_SP (")
extern const Text3 NeutralPointPrefix;   // "x_ac: "
extern const Text3 MarginDifference;     // "%  AC-CG= " (English) / "%  NP-SP= " (otherwise)
extern const Text3 MacShortName;         // "MAC": the reference chord in "52.8% MAC" (German "lm", Spanish "CMA")
// Where x is measured from, said wherever results are shown: rearward from the aircraft's datum
// (x = 0), the point every wing position is measured from.
extern const Text3 DatumSentence;
// Labels of the centre-of-gravity band and the symbols in the top view.
extern const Text3 BandLabel;               // "CG range ", the margins follow: "8..16%"
extern const Text3 CgSymbolLabel;           // "CG ", its margin follows: "12%"
extern const Text3 NeutralPointSymbolLabel; // "AC" (German "NP", Spanish "PN")
extern const Text3 MeasuredCgLabel;         // "CG measured": the centre of gravity of the weighed parts

// Flight-direction text of the parameter sketch of wing w (1..5).
const Text3& sketchFlightDirection(int w);

// Summary page.
extern const char* const SummaryProgramTitle; // "AeroBalance4  V3.4 ", the same in every language
extern const Text3 SummaryTitle;          // "Summary:"
extern const Text3 SummaryNeutralPoint;   // "aerodynamic center: "
extern const Text3 SummaryCgHigh;         // "Recommended center of gravity by stab =  "
extern const Text3 SummaryCgLow;          // "recomemnded center of gravity by stab =  "
extern const Text3 SummaryCgDesired;      // "Center of gravity by stab = "
extern const Text3 SummaryReferenceMac;   // "leading edge of the reference MAC: ", x and y follow
const Text3& summaryWingTitle(int w);     // "Wing1:" .. "Wing5:"
// Right-column labels of a wing block, rows T+20 .. T+140, as wing 1 carries them.
extern const Text3 SummaryWingSpan, SummaryWingArea, SummaryAspectRatio, SummaryMac,
    SummaryGeometricCentre, SummaryAerodynamicCentre, SummaryLiftSlope;
inline constexpr int SummaryWingLabelCount = 7;
// The right-column label `row` (0 wing span at T+20 .. 6 lift slope at T+140) of wing w's block
// (1..5): the words above with that wing's own trailing blanks, which leave no mark on the page.
const Text3& summaryWingLabel(int row, int w);
// The left-column row of a wing with dihedral that gives its span and area seen from above:
// "proj.: " (Spanish "proy.: "), the figures follow.
extern const Text3 SummaryProjected;

// Information dialog.
extern const Text3 InfoLine1, InfoLine2, InfoLine3, InfoDownload;
extern const Text3 InfoIdeaCredit, InfoIdeaContact, InfoRealisationCredit, InfoRealisationContact;
extern const char* const InfoDownloadAddress;
extern const Text3 InfoClose; // the dialog's close button

// Questions and notes of the window and the printer dialog ("{file}" as in the file commands).
extern const Text3 SaveChangesQuestion; // unsaved changes before they would be lost
extern const Text3 ReplaceQuestion;     // "\"{file}\" already exists. Replace it?"
extern const Text3 ChoosePrinterNote;   // the printer dialog with nothing to print to
extern const Text3 PrinterCannotStart;  // "{file}" stands for the printer's name here

// The aircraft's own balance, "{value}" standing for a number with its unit.
extern const Text3 BalanceHeading;         // "Balance:"
extern const Text3 BalanceMass;            // "Total mass: {value}"
extern const Text3 BalanceCentreOfGravity; // "Center of gravity: {value}"
extern const Text3 BalanceStaticMargin;    // "Static margin: {value}"
extern const Text3 BalanceInside;          // inside the recommended range
extern const Text3 BalanceMoveForward;     // outside: move it {value} forward
extern const Text3 BalanceMoveRearward;    // outside: move it {value} rearward
extern const Text3 BalanceNoResults;       // no calculated neutral point to compare with
extern const Text3 BalanceNoMass;          // nothing weighed yet
extern const Text3 BalanceFlaggedItems;    // the number of rows counted as 0 g
extern const Text3 BalanceItemsCut;        // the number of rows beyond the first 100
extern const Text3 BalanceNamesCut;        // the number of names cut to 60 characters

} // namespace texts
} // namespace ab
