// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/planform_template.h"

#include "lang/language.h"
#include "lang/template_texts.h"
#include "lang/wing_captions.h"
#include "model/numbers.h"
#include "stability/summary_rows.h"
#include "views/stability_overlay.h"
#include "views/segment_clip.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace ab {
namespace {

// Far beyond any page limit, and still an int.
constexpr double PageCountCap = 1e6;



// Twice the signed area of a closed polygon (shoelace).
double doubleArea(const std::vector<WingPointMm>& points)
{
    double sum = 0;
    for (std::size_t i = 0, j = points.size() - 1; i < points.size(); j = i++)
        sum += points[j].y * points[i].x - points[i].y * points[j].x;
    return sum;
}

// How many windows of `window`, each overlapping the one before so that it starts `step` further on,
// cover `length`. A length not finite counts as beyond any limit.
int windowsAlong(double length, double window, double step)
{
    if (!std::isfinite(length))
        return static_cast<int>(PageCountCap);
    const double beyond = length - window;
    if (!(beyond > 1e-6))
        return 1;
    return static_cast<int>(std::min(1 + std::ceil((beyond - 1e-6) / step), PageCountCap));
}

// A rectangle on the sheet, edges included.
struct SheetRect {
    double left = 0, top = 0, right = 0, bottom = 0;
    bool contains(SheetPoint p) const { return p.u >= left && p.u <= right && p.v >= top && p.v <= bottom; }
    bool meets(const SheetRect& o) const { return left <= o.right && o.left <= right && top <= o.bottom && o.top <= bottom; }
};

// Whether the segment a-b meets the rectangle.
bool segmentMeets(SheetPoint a, SheetPoint b, const SheetRect& r)
{
    return clipSegment(a.u, a.v, b.u, b.v, r.left, r.top, r.right, r.bottom).has_value();
}

// Whether the closed polygon's edges or inside meet the rectangle.
bool polygonMeets(const std::vector<SheetPoint>& polygon, const SheetRect& r)
{
    bool cornerInside = false; // the rectangle's top-left corner, by the even-odd rule
    for (std::size_t i = 0, j = polygon.size() - 1; i < polygon.size(); j = i++) {
        const SheetPoint a = polygon[j], b = polygon[i];
        if (segmentMeets(a, b, r))
            return true;
        if ((a.v > r.top) != (b.v > r.top) && r.left < a.u + (r.top - a.v) * (b.u - a.u) / (b.v - a.v))
            cornerInside = !cornerInside;
    }
    return cornerInside;
}

} // namespace

PlanformTemplateResult planformTemplate(const Aircraft& ac, const StabilityFigures& f, int w, int referenceWing,
                                        bool automatic, Language l, UnitSystem u)
{
    PlanformTemplateResult result;
    if (w < 1 || w > std::clamp(ac.WingCount, 1, MaxWings)) {
        result.problem = TemplateProblem::NoSuchWing;
        return result;
    }
    PlanformTemplate& t = result.planform;
    t.units = u;
    t.wing = w;
    t.rootX = ac.posX[w];

    // The stations as the mean chord takes them: the leading edges as offsets from the root's.
    const int stations = std::clamp(ac.StationCount[w], 2, MaxStations);
    for (int s = 0; s < stations; ++s)
        t.stations.push_back({ac.StationY[s][w], s == 0 ? 0.0 : double(ac.StationOffsetMm[s][w]), ac.StationChord[s][w]});
    for (const TemplateStation& s : t.stations)
        t.outline.push_back({s.leadingX, s.y});
    for (auto s = t.stations.rbegin(); s != t.stations.rend(); ++s)
        t.outline.push_back({s->leadingX + s->chord, s->y});

    const double area = std::abs(doubleArea(t.outline)) / 2;
    if (!(area > 0) || !std::isfinite(area)) {
        result.problem = TemplateProblem::NoArea;
        return result;
    }
    t.minX = t.maxX = 0;
    for (const WingPointMm& p : t.outline) {
        t.minX = std::min(t.minX, p.x);
        t.maxX = std::max(t.maxX, p.x);
        t.tipY = std::max(t.tipY, p.y);
    }

    // The reference chord as the % MAC figures take it, once the calculation has placed it.
    t.referenceMac = w == referenceWing;
    if (t.referenceMac && ac.ReferenceMac > 0 && std::isfinite(ac.ReferenceMac))
        t.mac = {ac.ReferenceMac, ac.ReferenceMacLeadingX, ac.ReferenceMacY};
    else
        t.mac = meanChordOf(ac, w, t.referenceMac);
    t.mac.leadingX -= t.rootX;

    t.results = ac.ResultsValid && std::isfinite(ac.NeutralPointX);
    if (t.results) {
        const CgBand band = recommendedBand(ac, f, automatic);
        const StabilityLabels labels = stabilityLabels(ac, f, automatic, l);
        const int decimals = automatic ? 0 : 1;
        const auto mark = [&](TemplateMarkKind kind, double x, std::string tag) {
            x -= t.rootX;
            t.marks.push_back({kind, x, std::move(tag) + ": " + templateLength(x, u)});
        };
        // The band's edges are the centres of gravity of its two margins.
        const std::string cgWord(texts::CgSymbolLabel.in(l));
        mark(TemplateMarkKind::BandFront, band.frontX, cgWord + formatFixed(band.frontMargin, decimals) + "%");
        mark(TemplateMarkKind::BandRear, band.rearX, cgWord + formatFixed(band.rearMargin, decimals) + "%");
        mark(TemplateMarkKind::CentreOfGravity, centreOfGravityInUse(f, automatic).x, labels.centreOfGravity);
        mark(TemplateMarkKind::NeutralPoint, ac.NeutralPointX, labels.neutralPoint);
        t.bandLabel = labels.band;
    }

    // The ruler is the root chord; on the reference wing it runs on to marks off the root chord, so
    // that a canard's or a tandem's balance point is drawn at its distance ahead of the wing.
    t.referenceWing = referenceWing;
    t = withoutMarksTakenIn(std::move(t));
    if (t.referenceMac)
        for (const TemplateMark& m : t.marks)
            if (std::isfinite(m.x)) {
                t.rulerFrom = std::min(t.rulerFrom, std::floor(m.x / 10) * 10);
                t.rulerTo = std::max(t.rulerTo, std::ceil(m.x / 10) * 10);
            }
    return result;
}

bool PlanformTemplate::marksTakenIn() const
{
    return std::all_of(marks.begin(), marks.end(), [&](const TemplateMark& m) { return m.x >= rulerFrom && m.x <= rulerTo; });
}

PlanformTemplate withoutMarksTakenIn(PlanformTemplate t)
{
    t.rulerFrom = 0;
    t.rulerTo = t.stations.empty() ? 0 : t.stations.front().chord;
    return t;
}

MarkPlace markPlace(const PlanformTemplate& t, const TemplateMark& m)
{
    const double chord = t.stations.empty() ? 0 : t.stations.front().chord;
    return m.x < 0 ? MarkPlace::Ahead : m.x > chord ? MarkPlace::Behind : MarkPlace::OnRootChord;
}

double markLineEnd(const PlanformTemplate& t, const TemplateMark& m)
{
    const double beyondTip = t.tipY + SheetMargin;
    if (markPlace(t, m) == MarkPlace::OnRootChord || t.stations.empty())
        return beyondTip;
    return std::min(beyondTip, std::max(t.stations.front().y, 0.0) + OffWingMarkRun);
}

double bandEnd(const PlanformTemplate& t)
{
    return t.marks.size() < 2 ? 0 : std::max(markLineEnd(t, t.marks[0]), markLineEnd(t, t.marks[1]));
}

TemplateSheet templateSheet(const PlanformTemplate& t)
{
    const double rootY = t.stations.empty() ? 0 : t.stations.front().y;
    const double left = std::min(-SheetMargin, rootY - SheetRulerRoom);
    const double top = std::min(t.minX, t.rulerFrom) - SheetMargin;
    return {t.tipY + SheetMargin - left, std::max(t.maxX, t.rulerTo) + SheetMargin - top, -left, -top};
}

PaperSize paperSize(Paper paper)
{
    return paper == Paper::Letter ? PaperSize{215.9, 279.4} : PaperSize{210, 297};
}

TemplateTiling tileSheet(double sheetWidth, double sheetHeight, Paper paper, bool landscape)
{
    TemplateTiling t;
    t.paper = paper;
    t.landscape = landscape;
    const PaperSize size = paperSize(paper);
    t.pageWidth = landscape ? size.height : size.width;
    t.pageHeight = landscape ? size.width : size.height;
    t.windowLeft = t.windowTop = PageMargin;
    t.windowWidth = t.pageWidth - 2 * PageMargin;
    t.windowHeight = t.pageHeight - 2 * PageMargin - PageFootHeight;
    t.stepU = t.windowWidth - PageOverlap;
    t.stepV = t.windowHeight - PageOverlap;
    t.columns = windowsAlong(sheetWidth, t.windowWidth, t.stepU);
    t.rows = windowsAlong(sheetHeight, t.windowHeight, t.stepV);
    // Centred in what the pages cover; a sheet beyond any count keeps its corner.
    const auto shift = [](int n, double window, double step, double length) {
        const double slack = window + (n - 1) * step - length;
        return std::isfinite(slack) && slack > 0 ? slack / 2 : 0.0;
    };
    t.shiftU = shift(t.columns, t.windowWidth, t.stepU, sheetWidth);
    t.shiftV = shift(t.rows, t.windowHeight, t.stepV, sheetHeight);
    return t;
}

std::vector<TemplatePage> pagesWithDrawing(const TemplateTiling& tiling, const PlanformTemplate& t,
                                           const TemplateSheet& sheet)
{
    std::vector<TemplatePage> pages;
    if (double(tiling.rows) * tiling.columns > MaxTemplatePages * 1000.0 || t.stations.empty())
        return pages;
    std::vector<SheetPoint> outline;
    for (const WingPointMm& p : t.outline)
        outline.push_back({sheet.u(p.y), sheet.v(p.x)});
    const TemplateStation& root = t.stations.front();
    const SheetRect ruler{sheet.u(root.y) - SheetRulerRoom, sheet.v(t.rulerFrom) - 2, sheet.u(root.y), sheet.v(t.rulerTo) + 2};
    for (int r = 0; r < tiling.rows; ++r)
        for (int c = 0; c < tiling.columns; ++c) {
            const SheetRect window{tiling.sheetLeft(c), tiling.sheetTop(r), tiling.sheetLeft(c) + tiling.windowWidth,
                                   tiling.sheetTop(r) + tiling.windowHeight};
            bool shows = window.meets(ruler) || polygonMeets(outline, window);
            for (const TemplateMark& m : t.marks)
                shows = shows || (markOnSheet(m, sheet) && segmentMeets({sheet.u(0), sheet.v(m.x)},
                                                                          {sheet.u(markLineEnd(t, m)), sheet.v(m.x)}, window));
            if (shows)
                pages.push_back({r, c});
        }
    return pages;
}

TemplateLayout layOutTemplate(const PlanformTemplate& t, const TemplateSheet& sheet, Paper paper)
{
    TemplateLayout best;
    for (bool landscape : {false, true}) {
        TemplateLayout l{tileSheet(sheet.width, sheet.height, paper, landscape), {}};
        l.pages = pagesWithDrawing(l.tiling, t, sheet);
        // An orientation too large to be looked at loses to one that is not.
        const auto count = [](const TemplateLayout& x) {
            return x.pages.empty() ? double(x.tiling.rows) * x.tiling.columns : double(x.pages.size());
        };
        if (!landscape || count(l) < count(best))
            best = std::move(l);
    }
    return best;
}

std::string pageLabel(int row, int column)
{
    std::string letters;
    for (int n = std::max(row, 0) + 1; n > 0; n = (n - 1) / 26)
        letters.insert(letters.begin(), char('A' + (n - 1) % 26));
    return letters + std::to_string(column + 1);
}

std::vector<SheetPoint> alignmentCrosses(const TemplateTiling& t)
{
    std::vector<SheetPoint> crosses;
    const double middle = PageOverlap / 2;
    for (int c = 1; c < t.columns; ++c)
        for (int r = 0; r < t.rows; ++r)
            for (double at : {0.25, 0.75})
                crosses.push_back({t.sheetLeft(c) + middle, t.sheetTop(r) + at * t.windowHeight});
    for (int r = 1; r < t.rows; ++r)
        for (int c = 0; c < t.columns; ++c)
            for (double at : {0.25, 0.75})
                crosses.push_back({t.sheetLeft(c) + at * t.windowWidth, t.sheetTop(r) + middle});
    return crosses;
}

bool markOnSheet(const TemplateMark& mark, const TemplateSheet& sheet)
{
    const double v = sheet.v(mark.x);
    return v >= 0 && v <= sheet.height;
}

std::vector<std::optional<double>> stackedTagTops(const PlanformTemplate& t, const TemplateSheet& sheet,
                                                  double tagHeight)
{
    // Stacked in tenths of a millimetre by the rule of the top view's labels.
    const auto tenths = [](double mm) { return static_cast<int>(std::lround(std::clamp(mm, -1e8, 1e8) * 10)); };
    std::vector<int> wanted;
    for (const TemplateMark& m : t.marks)
        if (markOnSheet(m, sheet))
            wanted.push_back(tenths(sheet.v(m.x)));
    const std::vector<int> tops = stackedLabelTops(wanted, tenths(tagHeight), 5, 0, tenths(sheet.height));
    std::vector<std::optional<double>> result;
    std::size_t k = 0;
    for (const TemplateMark& m : t.marks)
        result.push_back(markOnSheet(m, sheet) ? std::optional<double>(tops[k++] / 10.0) : std::nullopt);
    return result;
}

std::string templateLength(double mm, UnitSystem u)
{
    return shownFigure(mm, Quantity::Length, u, 1) + " " + std::string(unitName(Quantity::Length, u));
}

TemplateTexts templateTexts(const PlanformTemplate& t, Language l, const std::string& fileName,
                            const std::string& wingName, int pageCount)
{
    const auto mmText = [&t](double v) { return templateLength(v, t.units); };
    const auto text = [l](const Text3& t3) { return std::string(t3.in(l)); };
    TemplateTexts x;
    // The wing as its tab names it, without the tab's blanks, and its whole name: "Wing 2 - Tailplane".
    const std::string tab = wingTabCaption(l, t.wing, "");
    const std::size_t first = tab.find_first_not_of(' ');
    std::string caption = first == std::string::npos ? std::string() : tab.substr(first, tab.find_last_not_of(' ') - first + 1);
    if (const std::string_view name = shownWingName(wingName); !name.empty())
        caption += " - " + std::string(name);
    x.heading = caption + "  \u2013  " + text(texts::TemplateTitle) + "  \u2013  " + pathInColumns(fileName, 60);

    x.marks = text(texts::TemplateMarksFrom);
    if (t.results && t.marks.size() == 4) {
        const TemplateMark &front = t.marks[0], &rear = t.marks[1], &cg = t.marks[2], &np = t.marks[3];
        const auto tagName = [](const std::string& tag) { return tag.substr(0, tag.find(':')); };
        x.marks += tagName(np.tag) + " " + mmText(np.x) + ", " + tagName(cg.tag) + " " + mmText(cg.x) + ", " +
                   t.bandLabel + " " + shownFigure(rear.x, Quantity::Length, t.units, 1) + ".." + mmText(front.x) + "; "; // as the margins go
    } else {
        x.marks += text(texts::TemplateNoResults) + " ";
    }
    std::string mac = text(t.referenceMac ? texts::TemplateReferenceMac : texts::TemplateMac);
    fillIn(mac, "{length}", mmText(t.mac.length));
    fillIn(mac, "{y}", mmText(t.mac.y));
    fillIn(mac, "{x}", mmText(t.mac.leadingX));
    std::string root = text(texts::TemplateRootChord);
    fillIn(root, "{value}", mmText(t.stations.empty() ? 0 : t.stations.front().chord));
    x.marks += mac + "; " + root + ".";
    x.offWing = offWingText(t, l);

    x.datum = text(texts::TemplateRootAt);
    fillIn(x.datum, "{value}", mmText(t.rootX));
    x.datum += " " + text(texts::DatumSentence);
    x.checkBar = t.units == UnitSystem::Metric ? "100 mm" : "100 mm = " + templateLength(100, t.units);
    x.checkNote = text(texts::TemplateCheckNote);
    if (pageCount > 1)
        x.assembly = text(texts::TemplateAssembly);
    return x;
}

std::string offWingText(const PlanformTemplate& t, Language l)
{
    std::string line;
    for (const auto& [place, text] : {std::pair(MarkPlace::Ahead, &texts::TemplateMarksAhead),
                                      std::pair(MarkPlace::Behind, &texts::TemplateMarksBehind)}) {
        // The neutral point, the centre of gravity, then the band whole or the edge that lies there.
        using Kind = TemplateMarkKind;
        const auto lies = [&](Kind kind) {
            return std::any_of(t.marks.begin(), t.marks.end(),
                               [&](const TemplateMark& m) { return m.kind == kind && markPlace(t, m) == place; });
        };
        const auto name = [&](Kind kind) {
            const TemplateMark& m = *std::find_if(t.marks.begin(), t.marks.end(), [&](const TemplateMark& m) { return m.kind == kind; });
            return m.tag.substr(0, m.tag.find(':'));
        };
        const bool wholeBand = lies(Kind::BandFront) && lies(Kind::BandRear);
        std::string names;
        for (Kind kind : {Kind::NeutralPoint, Kind::CentreOfGravity, Kind::BandFront, Kind::BandRear})
            if (lies(kind) && !(wholeBand && kind == Kind::BandRear))
                names += (names.empty() ? "" : ", ") + (wholeBand && kind == Kind::BandFront ? t.bandLabel : name(kind));
        if (names.empty())
            continue;
        std::string sentence(text->in(l));
        fillIn(sentence, "{marks}", names);
        line += (line.empty() ? "" : " ") + sentence;
    }
    if (line.empty())
        return line;
    if (t.marksTakenIn()) {
        line += " " + std::string(texts::TemplateRulerRunsOn.in(l));
    } else if (t.referenceWing >= 1 && t.referenceWing != t.wing) {
        std::string sentence(texts::TemplateMarksOnReference.in(l));
        fillIn(sentence, "{wing}", std::to_string(t.referenceWing));
        line += " " + sentence;
    }
    return line;
}

std::string pageText(const TemplatePage& page, int number, int count, Language l)
{
    std::string s(texts::TemplatePage.in(l));
    fillIn(s, "{page}", std::to_string(number));
    fillIn(s, "{count}", std::to_string(count));
    return pageLabel(page.row, page.column) + "  (" + s + ")";
}

std::string templateProblemText(TemplateProblem problem, int w, int pageCount, Language l)
{
    const Text3* text = problem == TemplateProblem::NoSuchWing     ? &texts::TemplateNoSuchWing
                        : problem == TemplateProblem::NoArea       ? &texts::TemplateNoArea
                        : problem == TemplateProblem::TooManyPages ? &texts::TemplateTooManyPages
                                                                   : nullptr;
    if (!text)
        return {};
    std::string s(text->in(l));
    fillIn(s, "{value}", std::to_string(pageCount));
    fillIn(s, "{limit}", std::to_string(MaxTemplatePages));
    fillIn(s, "{wing}", std::to_string(w));
    return s;
}

} // namespace ab
