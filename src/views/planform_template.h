// SPDX-License-Identifier: GPL-3.0-or-later
// The 1:1 planform template a builder prints to mark a wing and its balance point at the workbench:
// the half planform of one wing in millimetres from its root leading edge, the balance marks, and how
// the drawing is laid over printed pages with overlaps and assembly marks. No window library: the PDF,
// the printer and the tests use the same numbers.
#pragma once

#include "lang/language.h"
#include "model/aircraft.h"
#include "model/units.h"
#include "model/mean_chord.h"
#include "model/wing_name.h"
#include "stability/stability.h"

#include <optional>
#include <string>
#include <vector>

namespace ab {

// A point of the wing: x rearward from the wing's root leading edge, y out from the centre line (mm).
struct WingPointMm {
    double x = 0, y = 0;
};

// One station of the half wing, as the wing's table holds it (mm, x from the root leading edge).
struct TemplateStation {
    double y = 0, leadingX = 0, chord = 0;
};

// A balance mark: a line of constant x across the half span, with its tag.
enum class TemplateMarkKind { BandFront, BandRear, CentreOfGravity, NeutralPoint };
struct TemplateMark {
    TemplateMarkKind kind = TemplateMarkKind::NeutralPoint;
    double x = 0;    // mm from the root leading edge
    std::string tag; // "CG 12%: 101.3 mm", "AC: 131.3 mm"
};

// What the template of a wing shows, everything in mm from that wing's root leading edge.
struct PlanformTemplate {
    int wing = 0;
    double rootX = 0; // where the root leading edge lies in the aircraft's datum
    std::vector<TemplateStation> stations;  // root (the root chord line) to tip
    std::vector<WingPointMm> outline;       // closed: the leading edges root to tip, the trailing edges back
    double minX = 0, maxX = 0, tipY = 0;    // the outline's extent; the centre line is y = 0
    // The mean chord: the reference chord (its centre gap filled, as the % MAC figures take it) on
    // the reference wing, the wing's own elsewhere.
    MeanChord mac{}; // leadingX from the root leading edge
    bool referenceMac = false;
    // The balance marks, in the order front of the band, rear of the band, centre of gravity,
    // neutral point; none without results. The shaded band lies between the first two.
    bool results = false;
    std::vector<TemplateMark> marks;
    std::string bandLabel; // "CG range 8..16%"
    int referenceWing = 0;  // the wing whose template takes in the marks (0: none)
    // The root chord as a ruler, mm from the root leading edge. On the reference wing it runs on to
    // the marks that lie ahead of the root leading edge or behind the trailing edge (on a canard or
    // a tandem), in whole 10 mm, and the sheet takes them in; elsewhere it is the root chord.
    double rulerFrom = 0, rulerTo = 0;
    bool marksTakenIn() const;
    UnitSystem units = UnitSystem::Metric; // of the texts: marks, foot, station y (the sheet is 1:1 alike)
};

// The same template with the ruler the root chord: the marks of the reference wing as on any other
// wing, drawn where they lie on the sheet and otherwise only written in the foot.
PlanformTemplate withoutMarksTakenIn(PlanformTemplate planform);

// Where a mark lies against the root chord: on it, ahead of its leading edge or behind its trailing edge.
enum class MarkPlace { OnRootChord, Ahead, Behind };
MarkPlace markPlace(const PlanformTemplate& planform, const TemplateMark& mark);

// Where a mark's line ends out from the centre line (y, mm): a little beyond the tip for a mark on
// the root chord; OffWingMarkRun beyond the root for one off it, which is marked on the fuselage and
// needs no pages beside the wing. The shaded band ends where the longer of its edges does.
inline constexpr double OffWingMarkRun = 50;
double markLineEnd(const PlanformTemplate& planform, const TemplateMark& mark);
double bandEnd(const PlanformTemplate& planform);

// Why a template cannot be made.
enum class TemplateProblem { None, NoSuchWing, NoArea, TooManyPages };

// The template of wing w (1..WingCount). referenceWing is the wing the calculation takes as
// reference (0: none); the marks follow the top view: the recommended band by mode, the centre of
// gravity in use (centreOfGravityInUse). The reference wing's ruler and sheet reach its marks.
// Without valid results the template has the planform alone. NoSuchWing for a wing the aircraft does not use, NoArea for one
// without a finite positive area.
struct PlanformTemplateResult {
    PlanformTemplate planform;
    TemplateProblem problem = TemplateProblem::None;
};
PlanformTemplateResult planformTemplate(const Aircraft& aircraft, const StabilityFigures& figures, int w,
                                        int referenceWing, bool automatic, Language language,
                                        UnitSystem units = UnitSystem::Metric);

// The drawing on one large sheet before it is cut into pages: room around the outline and the ruler
// (its numbers on the left of the root chord), and where the centre line's root leading edge lies.
struct TemplateSheet {
    double width = 0, height = 0; // mm
    double originU = 0, originV = 0; // sheet point of (x = 0, y = 0)
    double u(double y) const { return originU + y; }
    double v(double x) const { return originV + x; }
};
inline constexpr double SheetRulerRoom = 12; // mm left of the centre line or the root, for the ruler numbers
inline constexpr double SheetMargin = 5;     // mm round the outline on the other sides
TemplateSheet templateSheet(const PlanformTemplate& planform);

// Paper and its size in mm, portrait.
enum class Paper { A4, Letter };
struct PaperSize {
    double width = 0, height = 0;
};
PaperSize paperSize(Paper paper);

// Every page keeps a margin the printer may not reach, a foot for the texts and the check bar, and
// shows the drawing in the window between them; neighbouring pages share an overlap of the drawing.
inline constexpr double PageMargin = 10;   // mm
inline constexpr double PageFootHeight = 34; // mm
inline constexpr double PageOverlap = 10;  // mm
inline constexpr int MaxTemplatePages = 100;

// A point on the sheet (mm).
struct SheetPoint {
    double u = 0, v = 0;
};

// The sheet laid over rows x columns pages of one paper and orientation. Page (row, column) shows
// the sheet from sheetLeft(column), sheetTop(row) in its window; the sheet is centred in the area
// the pages cover together.
struct TemplateTiling {
    Paper paper = Paper::A4;
    bool landscape = false;
    double pageWidth = 0, pageHeight = 0;               // mm, as the page is turned
    double windowLeft = 0, windowTop = 0, windowWidth = 0, windowHeight = 0; // on the page, mm
    double stepU = 0, stepV = 0;                        // window less the overlap
    double shiftU = 0, shiftV = 0;                      // the sheet's corner in the covered area
    int rows = 0, columns = 0;
    int pageCount() const { return rows * columns; }
    double sheetLeft(int column) const { return column * stepU - shiftU; }
    double sheetTop(int row) const { return row * stepV - shiftV; }
    // The page point (mm) of a sheet point on page (row, column).
    double pageX(double u, int column) const { return windowLeft + u - sheetLeft(column); }
    double pageY(double v, int row) const { return windowTop + v - sheetTop(row); }
};

// The pages one orientation needs: along each direction the fewest windows, each overlapping the
// one before by PageOverlap, that cover the sheet (at least one).
TemplateTiling tileSheet(double sheetWidth, double sheetHeight, Paper paper, bool landscape);

// A page of the tiling that is printed.
struct TemplatePage {
    int row = 0, column = 0;
    bool operator==(const TemplatePage&) const = default;
};

// The pages that show any of the wing, row by row: its outline or what lies inside it, a mark's
// line, or the ruler with its numbers beside the root chord. Pages beside a swept or tapered wing that would
// show nothing but the centre line are left out. Empty for more than MaxTemplatePages * 1000 pages
// in the tiling: no template is made of those.
std::vector<TemplatePage> pagesWithDrawing(const TemplateTiling& tiling, const PlanformTemplate& planform,
                                           const TemplateSheet& sheet);

// The template over pages of the paper: the orientation that prints fewer pages, portrait when both
// print as many.
struct TemplateLayout {
    TemplateTiling tiling;
    std::vector<TemplatePage> pages;
};
TemplateLayout layOutTemplate(const PlanformTemplate& planform, const TemplateSheet& sheet, Paper paper);

// The label of page (row, column) for putting the pages together: rows lettered A, B, ... Z, AA,
// AB, ..., columns numbered from 1: "A1", "B3".
std::string pageLabel(int row, int column);

// The alignment crosses in the overlaps, sheet points seen on both pages of each overlap: two in
// every overlap between neighbouring columns of a row and between neighbouring rows of a column.
std::vector<SheetPoint> alignmentCrosses(const TemplateTiling& tiling);

// Whether the line of a mark lies on the sheet; marks off it are only written in the page's foot.
bool markOnSheet(const TemplateMark& mark, const TemplateSheet& sheet);

// The tags of the marks on the sheet stacked clear of each other beside the root: the top of each tag
// (sheet v, mm) in the order of the marks, each wanted centred on its line, tagHeight high; none for
// a mark off the sheet.
std::vector<std::optional<double>> stackedTagTops(const PlanformTemplate& planform, const TemplateSheet& sheet, double tagHeight);

// A length of the template's texts in its units: "62.8 mm" or "2.47 in".
std::string templateLength(double mm, UnitSystem units);

// The texts of every page in the language: the heading with the wing's name and the file, the marks
// measured from the root leading edge, where that edge lies in the aircraft's datum with the datum
// sentence, the check bar and how the pages go together. The page's own label comes from pageText.
struct TemplateTexts {
    std::string heading;  // "Wing 1 - Main wing  –  1:1 planform template  –  glider.wk4"
    std::string marks;    // "x from the root leading edge of this wing: AC 62.8 mm, ...", the MAC, the root chord
    std::string offWing;  // the marks that lie off the wing's root chord and where they are drawn; empty for none
    std::string datum;    // where the root leading edge lies, and the datum sentence
    std::string checkBar; // "100 mm", in imperial units "100 mm = 3.94 in"
    std::string checkNote;
    std::string assembly; // how pages go together (several pages only)
};
TemplateTexts templateTexts(const PlanformTemplate& planform, Language language, const std::string& fileName,
                            const std::string& wingName, int pageCount);

// The line of the foot that names the marks lying ahead of the root leading edge or behind the
// trailing edge, and says where they are drawn: on the ruler's extension (marks taken in), or on the
// reference wing's template. Empty when every mark lies on the root chord.
std::string offWingText(const PlanformTemplate& planform, Language language);

// "A1  (page 1 of 6)" in the language: the page's label, its number among the printed pages and their count.
std::string pageText(const TemplatePage& page, int number, int count, Language language);

// The message of a refused template, naming the wing and the reason.
std::string templateProblemText(TemplateProblem problem, int w, int pageCount, Language language);

} // namespace ab
