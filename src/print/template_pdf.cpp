// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/template_pdf.h"

#include "files/file_messages.h"
#include "lang/template_texts.h"
#include "model/numbers.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QLocale>
#include <QPageLayout>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <QPrinter>

#include <algorithm>
#include <cmath>
#include <cstdint>

#ifdef __GLIBC__
#include <langinfo.h>
#include <locale.h>
#endif

namespace ab {
namespace {

// Inks of the template.
const QColor kOutline(0, 0, 0);
const QColor kGuide(120, 120, 120);     // centre line, stations, window frame, ruler
const QColor kBand(214, 228, 255);      // the recommended band, under the outline
const QColor kCentreOfGravity(0, 60, 200);
const QColor kNeutralPoint(200, 0, 0);
const QColor kMac(0, 120, 60);

// Point sizes of the texts.
constexpr double kTagPoints = 7, kFootPoints = 7, kHeadingPoints = 8, kPageLabelPoints = 10, kNotePoints = 6;
constexpr double kSmallestFootPoints = 5.5;
// A tag's height on the sheet (mm) for stacking: 7 pt with its line gap.
constexpr double kTagHeight = 3.2;

QFont textFont(double points, bool bold = false)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QString qs(const std::string& s) { return QString::fromStdString(s); }

QPageSize::PageSizeId pageSizeId(Paper paper) { return paper == Paper::Letter ? QPageSize::Letter : QPageSize::A4; }

QPageLayout pageLayoutOf(const TemplateTiling& t)
{
    return QPageLayout(QPageSize(pageSizeId(t.paper)), t.landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                       QMarginsF(), QPageLayout::Millimeter);
}

// One page being painted: millimetres of the page, of the sheet and of the wing to device units.
class PagePainter {
public:
    PagePainter(QPainter& painter, const TemplateDocument& d, int page, double dotsPerInch)
        : p(painter), d(d), t(d.tiling), k(dotsPerInch / 25.4), number(page + 1), row(d.pages[page].row),
          column(d.pages[page].column)
    {
    }

    void paint()
    {
        p.save();
        p.setRenderHint(QPainter::Antialiasing);
        p.setClipRect(QRectF(at(t.windowLeft, t.windowTop), at(t.windowLeft + t.windowWidth, t.windowTop + t.windowHeight)));
        paintBand();
        paintGuides();
        paintOutline();
        paintRuler();
        paintMac();
        paintMarks();
        paintCrosses();
        p.setClipping(false);
        paintFrame();
        paintFoot();
        p.restore();
    }

private:
    QPointF at(double x, double y) const { return {x * k, y * k}; } // page mm
    QPointF onSheet(double u, double v) const { return at(t.pageX(u, column), t.pageY(v, row)); }
    QPointF onWing(double x, double y) const { return onSheet(d.sheet.u(y), d.sheet.v(x)); }

    void usePen(const QColor& colour, double widthMm, Qt::PenStyle style = Qt::SolidLine)
    {
        QPen pen(colour, widthMm * k, style, Qt::FlatCap, Qt::MiterJoin);
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
    }

    // Text with its left end (or right end, or middle) at x and its baseline at y, device units.
    enum class Align { Left, Right, Centre };
    void text(QPointF baseline, const QString& s, const QFont& font, const QColor& colour, Align align = Align::Left)
    {
        p.setFont(font);
        p.setPen(colour);
        const double width = QFontMetricsF(font, p.device()).horizontalAdvance(s);
        const double dx = align == Align::Left ? 0 : align == Align::Right ? -width : -width / 2;
        p.drawText(baseline + QPointF(dx, 0), s);
    }
    // The baseline that centres a line of the font on y (device units).
    double centredBaseline(double y, const QFont& font) const
    {
        const QFontMetricsF m(font, p.device());
        return y + (m.ascent() - m.descent()) / 2;
    }

    double rootY() const { return d.planform.stations.front().y; }

    void paintBand()
    {
        const PlanformTemplate& w = d.planform;
        if (w.marks.size() != 4)
            return;
        p.setPen(Qt::NoPen);
        p.setBrush(kBand);
        p.drawRect(QRectF(onWing(w.marks[0].x, 0), onWing(w.marks[1].x, bandEnd(w))).normalized());
    }

    void paintGuides()
    {
        const PlanformTemplate& w = d.planform;
        // The centre line over the whole sheet.
        usePen(kGuide, 0.2, Qt::DashDotLine);
        p.drawLine(onSheet(d.sheet.u(0), 0), onSheet(d.sheet.u(0), d.sheet.height));
        // The chord at every station, each named by its y.
        const QFont font = textFont(kTagPoints);
        for (std::size_t s = 0; s < w.stations.size(); ++s) {
            const TemplateStation& st = w.stations[s];
            if (s > 0 && s + 1 < w.stations.size()) {
                usePen(kGuide, 0.2, Qt::DashLine);
                p.drawLine(onWing(st.leadingX, st.y), onWing(st.leadingX + st.chord, st.y));
            }
            // Inside the outline's span: right of the root, left of the tip.
            const bool tip = s + 1 == w.stations.size();
            text(onWing(st.leadingX - 1.2, st.y + (tip ? -0.8 : 0.8)), qs("y = " + yText(st.y, d.planform.units)), font, kGuide,
                 tip ? Align::Right : Align::Left);
        }
    }

    // Whole millimetres as typed, a decimal where the station is not whole; inches with two.
    static std::string yText(double y, UnitSystem u)
    {
        if (u != UnitSystem::Metric)
            return shownFigure(y, Quantity::Length, u, 0);
        return formatFixed(y, std::abs(y - std::round(y)) < 0.05 ? 0 : 1);
    }

    void paintOutline()
    {
        QPolygonF outline;
        for (const WingPointMm& q : d.planform.outline)
            outline << onWing(q.x, q.y);
        usePen(kOutline, 0.35);
        p.drawPolygon(outline);
    }

    // The root chord as a ruler from the root leading edge, towards the centre line: in millimetres
    // a tick every 10 mm and a long one every 50 mm with its number; in inches a tick every quarter
    // and a long one at every inch with its number. Where it runs on to marks off the wing, the run
    // beyond the root chord is a thin line.
    void paintRuler()
    {
        const PlanformTemplate& w = d.planform;
        const TemplateStation& root = w.stations.front();
        usePen(kOutline, 0.2);
        p.drawLine(onWing(w.rulerFrom, root.y), onWing(w.rulerTo, root.y));
        usePen(kOutline, 0.5);
        p.drawLine(onWing(0, root.y), onWing(root.chord, root.y));
        const QFont font = textFont(kTagPoints);
        const bool inches = w.units == UnitSystem::Imperial;
        const double tick = inches ? MillimetresPerInch / 4 : 10; // mm
        const int ticksPerNumber = inches ? 4 : 5, unitsPerNumber = inches ? 1 : 50;
        for (long i = std::lround(std::ceil(w.rulerFrom / tick - 1e-9)); i * tick <= w.rulerTo + 1e-9; ++i) {
            const double at = static_cast<double>(i) * tick;
            const bool numbered = i % ticksPerNumber == 0;
            usePen(kOutline, 0.2);
            p.drawLine(onWing(at, root.y), onWing(at, root.y - (numbered ? 4 : 2)));
            if (numbered)
                text(QPointF(onWing(at, root.y - 5).x(), centredBaseline(onWing(at, 0).y(), font)),
                     QString::number(i / ticksPerNumber * unitsPerNumber), font, kOutline, Align::Right);
        }
    }

    // The mean chord at its station, with a bar across its leading edge.
    void paintMac()
    {
        const MeanChord& mac = d.planform.mac;
        if (!(mac.length > 0))
            return;
        usePen(kMac, 0.6);
        p.drawLine(onWing(mac.leadingX, mac.y), onWing(mac.leadingX + mac.length, mac.y));
        p.drawLine(onWing(mac.leadingX, mac.y - 3), onWing(mac.leadingX, mac.y + 3));
        text(onWing(mac.leadingX + 4, mac.y + 1.2), qs(std::string(texts::MacShortName.in(d.language))),
             textFont(kTagPoints, true), kMac);
    }

    // Each mark across the half span with a symbol on the centre line, and its tag beside the root,
    // stacked clear of the others with a short pointer to its line.
    void paintMarks()
    {
        const PlanformTemplate& w = d.planform;
        const std::vector<std::optional<double>> tops = stackedTagTops(w, d.sheet, kTagHeight);
        const QFont font = textFont(kTagPoints);
        const double tagU = d.sheet.u(std::max(rootY(), 0.0)) + 8;
        for (std::size_t i = 0; i < w.marks.size(); ++i) {
            if (!tops[i])
                continue;
            const TemplateMark& m = w.marks[i];
            const bool np = m.kind == TemplateMarkKind::NeutralPoint;
            const bool edge = m.kind == TemplateMarkKind::BandFront || m.kind == TemplateMarkKind::BandRear;
            const QColor ink = np ? kNeutralPoint : kCentreOfGravity;
            usePen(ink, edge ? 0.25 : 0.45, edge ? Qt::DashLine : Qt::SolidLine);
            p.drawLine(onWing(m.x, 0), onWing(m.x, markLineEnd(w, m)));
            if (!edge)
                paintSymbol(onWing(m.x, 0), np, ink);

            const double middle = *tops[i] + kTagHeight / 2;
            usePen(ink, 0.15);
            p.drawLine(onSheet(tagU - 6, d.sheet.v(m.x)), onSheet(tagU - 1, middle));
            const QPointF baseline(onSheet(tagU, 0).x(), centredBaseline(onSheet(0, middle).y(), font));
            const double width = QFontMetricsF(font, p.device()).horizontalAdvance(qs(m.tag));
            p.setPen(Qt::NoPen);
            p.setBrush(Qt::white);
            p.drawRect(QRectF(onSheet(tagU - 0.5, *tops[i]), QSizeF(width + k, kTagHeight * k)));
            text(baseline, qs(m.tag), font, ink);
        }
    }

    // A diamond for the neutral point, a quartered circle for the centre of gravity, 4 mm across.
    void paintSymbol(QPointF c, bool diamond, const QColor& ink)
    {
        const double r = 2 * k;
        usePen(ink, 0.25);
        if (diamond) {
            p.setBrush(Qt::white);
            p.drawPolygon(QPolygonF({c + QPointF(0, -r), c + QPointF(r, 0), c + QPointF(0, r), c + QPointF(-r, 0)}));
            return;
        }
        p.setBrush(Qt::white);
        p.drawEllipse(c, r, r);
        p.setBrush(ink);
        p.drawPie(QRectF(c - QPointF(r, r), c + QPointF(r, r)), 0, 90 * 16);
        p.drawPie(QRectF(c - QPointF(r, r), c + QPointF(r, r)), 180 * 16, 90 * 16);
    }

    void paintCrosses()
    {
        usePen(kOutline, 0.2);
        for (const SheetPoint& c : alignmentCrosses(t)) {
            const QPointF m = onSheet(c.u, c.v);
            p.drawLine(m - QPointF(4 * k, 0), m + QPointF(4 * k, 0));
            p.drawLine(m - QPointF(0, 4 * k), m + QPointF(0, 4 * k));
            p.drawEllipse(m, 1.5 * k, 1.5 * k);
        }
    }

    // The window's frame, where a page is trimmed, and the labels of the neighbouring pages beside it.
    void paintFrame()
    {
        const double left = t.windowLeft, top = t.windowTop, right = left + t.windowWidth, bottom = top + t.windowHeight;
        usePen(kGuide, 0.2);
        p.drawRect(QRectF(at(left, top), at(right, bottom)));
        const QFont font = textFont(kTagPoints, true);
        const double middleY = centredBaseline(at(0, (top + bottom) / 2).y(), font);
        const auto neighbour = [&](int r, int c, QPointF baseline, Align align) {
            if (std::find(d.pages.begin(), d.pages.end(), TemplatePage{r, c}) != d.pages.end())
                text(baseline, qs(pageLabel(r, c)), font, kGuide, align);
        };
        neighbour(row, column - 1, QPointF(at(left - 1.5, 0).x(), middleY), Align::Right);
        neighbour(row, column + 1, QPointF(at(right + 1.5, 0).x(), middleY), Align::Left);
        neighbour(row - 1, column, at((left + right) / 2, top - 2), Align::Centre);
        neighbour(row + 1, column, at((left + right) / 2, bottom + 3.5), Align::Centre);
    }

    // The foot: heading and page label, the marks, the datum and how the pages go together, and the
    // check bar with its note.
    void paintFoot()
    {
        const double left = t.windowLeft, width = t.windowWidth, top = t.windowTop + t.windowHeight;
        const QString label = qs(pageText({row, column}, number, int(d.pages.size()), d.language));
        const QFont labelFont = textFont(kPageLabelPoints, true), headingFont = textFont(kHeadingPoints, true);
        text(at(left + width, top + 8), label, labelFont, kOutline, Align::Right);
        // A long name or path gives way in its middle to the page's label.
        const double room = width * k - QFontMetricsF(labelFont, p.device()).horizontalAdvance(label) - 4 * k;
        text(at(left, top + 8), QFontMetricsF(headingFont, p.device()).elidedText(qs(d.texts.heading), Qt::ElideMiddle, room),
             headingFont, kOutline);

        std::string block = d.texts.marks + "\n";
        if (!d.texts.offWing.empty())
            block += d.texts.offWing + "\n";
        block += d.texts.datum;
        if (!d.texts.assembly.empty())
            block += "\n" + d.texts.assembly;
        // Smaller type where the lines would run into the check bar (a long path, marks off the wing
        // on a portrait page).
        const QRectF blockRect(at(left, top + 9.5), at(left + width, top + 27));
        const int flags = Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop;
        QFont blockFont = textFont(kFootPoints);
        for (double points = kFootPoints - 0.5; points >= kSmallestFootPoints; points -= 0.5) {
            if (QFontMetricsF(blockFont, p.device()).boundingRect(blockRect, flags, qs(block)).height() <= blockRect.height())
                break;
            blockFont = textFont(points);
        }
        p.setFont(blockFont);
        p.setPen(kOutline);
        p.drawText(blockRect, flags, qs(block));

        // 100 mm from its left end to its right end, with ticks at both ends.
        const double barY = top + 30;
        p.setPen(Qt::NoPen);
        p.setBrush(kOutline);
        p.drawRect(QRectF(at(left, barY - 0.6), at(left + 100, barY + 0.6)));
        usePen(kOutline, 0.2);
        for (double x : {left, left + 100})
            p.drawLine(at(x, barY - 2), at(x, barY + 2));
        const QFont barFont = textFont(kFootPoints, true);
        text(QPointF(at(left + 102, 0).x(), centredBaseline(at(0, barY).y(), barFont)), qs(d.texts.checkBar), barFont,
             kOutline);
        // The note starts clear of the bar's caption, which is longer in inches ("100 mm = 3.94 in").
        const double captionWidth = QFontMetricsF(barFont, p.device()).horizontalAdvance(qs(d.texts.checkBar)) / k;
        const double noteLeft = std::max(left + 118, left + 102 + captionWidth + 4);
        p.setFont(textFont(kNotePoints));
        p.setPen(kOutline);
        p.drawText(QRectF(at(noteLeft, top + 27.5), at(left + width, t.pageHeight - 1)),
                   Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, qs(d.texts.checkNote));
    }

    QPainter& p;
    const TemplateDocument& d;
    const TemplateTiling& t;
    double k;
    int number, row, column;
};

// Paints every page of the document onto a device that starts on its first page.
template <typename Device>
void paintAllPages(Device& device, QPainter& painter, const TemplateDocument& d)
{
    for (int page = 0; page < int(d.pages.size()); ++page) {
        if (page > 0)
            device.newPage();
        paintTemplatePage(painter, d, page, device.resolution());
    }
}

} // namespace

Paper localePaper()
{
#ifdef __GLIBC__
    // The locale's own paper, as the system's printing tools take it.
    if (locale_t paper = newlocale(LC_PAPER_MASK, "", locale_t(nullptr))) {
        const auto width = static_cast<int>(reinterpret_cast<std::intptr_t>(nl_langinfo_l(_NL_PAPER_WIDTH, paper)));
        freelocale(paper);
        if (width > 0)
            return width == 216 ? Paper::Letter : Paper::A4;
    }
#endif
    return QLocale::system().measurementSystem() == QLocale::ImperialUSSystem ? Paper::Letter : Paper::A4;
}

namespace {

// Lays the document's sheet over pages of the paper. A reference wing whose marks would take it past
// the page limit gives up the ruler's run to them, as any other wing's marks; past the limit even so,
// the document says why and has no pages.
void layOutPages(TemplateDocument& d, Paper paper)
{
    // The pages of the sheet; a tiling too large to be looked at page by page counts all its pages.
    const auto layOut = [&] {
        d.sheet = templateSheet(d.planform);
        TemplateLayout layout = layOutTemplate(d.planform, d.sheet, paper);
        d.tiling = layout.tiling;
        d.pages = std::move(layout.pages);
        return d.pages.empty() ? double(d.tiling.rows) * d.tiling.columns : double(d.pages.size());
    };
    const auto fits = [&](double pages) { return !d.pages.empty() && pages <= MaxTemplatePages; };
    double pages = layOut();
    if (fits(pages))
        return;
    const PlanformTemplate plain = withoutMarksTakenIn(d.planform);
    if (plain.rulerFrom != d.planform.rulerFrom || plain.rulerTo != d.planform.rulerTo) {
        d.planform = plain;
        pages = layOut();
        if (fits(pages))
            return;
    }
    d.pages.clear();
    d.problem = templateProblemText(TemplateProblem::TooManyPages, d.planform.wing,
                                    static_cast<int>(std::min(pages, 1e9)), d.language);
}

} // namespace

TemplateDocument templateDocument(const Aircraft& aircraft, const StabilityFigures& figures, const TemplateRequest& r,
                                  Language language, const std::string& aircraftFileName)
{
    TemplateDocument d;
    d.language = language;
    const PlanformTemplateResult made =
        planformTemplate(aircraft, figures, r.wing, r.referenceWing, r.automatic, language, r.units);
    if (made.problem != TemplateProblem::None) {
        d.problem = templateProblemText(made.problem, r.wing, 0, language);
        return d;
    }
    d.planform = made.planform;
    layOutPages(d, r.paper);
    if (!d.ok())
        return d;
    const std::string name = r.wing >= 1 && r.wing <= MaxWings ? r.wingNames[r.wing] : std::string();
    d.texts = templateTexts(d.planform, language, aircraftFileName, name, int(d.pages.size()));
    return d;
}

void paintTemplatePage(QPainter& painter, const TemplateDocument& document, int page, double dotsPerInch)
{
    if (!document.ok() || page < 0 || page >= int(document.pages.size()))
        return;
    PagePainter(painter, document, page, dotsPerInch).paint();
}

std::string writePlanformTemplatePdf(const std::string& pdfFile, const TemplateDocument& d, const FileWriter& write)
{
    if (!d.ok())
        return d.problem;
    QBuffer bytes;
    bytes.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&bytes);
        pdf.setResolution(1200);
        pdf.setPageLayout(pageLayoutOf(d.tiling));
        pdf.setTitle(QStringLiteral("AeroBalance4 - ") + qs(d.texts.heading));
        pdf.setCreator(QStringLiteral("AeroBalance4  V3.4"));
        QPainter painter(&pdf);
        paintAllPages(pdf, painter, d);
    }
    const QByteArray& pdfBytes = bytes.data();
    const WriteOutcome written = write(
        pdfFile, std::string_view(pdfBytes.constData(), static_cast<std::size_t>(pdfBytes.size())));
    return written.ok ? std::string() : saveFailureMessage(d.language, pdfFile, written);
}

std::string writePlanformTemplatePdf(const std::string& pdfFile, const Aircraft& aircraft,
                                     const StabilityFigures& figures, const TemplateRequest& request,
                                     Language language, const std::string& aircraftFileName,
                                     const FileWriter& write)
{
    return writePlanformTemplatePdf(pdfFile, templateDocument(aircraft, figures, request, language, aircraftFileName),
                                    write);
}

TemplateDocument onPaper(const TemplateDocument& document, Paper paper)
{
    TemplateDocument d = document;
    if (!d.ok() || d.tiling.paper == paper)
        return d;
    layOutPages(d, paper);
    if (!d.ok())
        return d;
    d.texts.offWing = offWingText(d.planform, d.language);
    d.texts.assembly = d.pages.size() > 1 ? std::string(texts::TemplateAssembly.in(d.language)) : std::string();
    return d;
}

std::string printPlanformTemplate(QPrinter& printer, const TemplateDocument& document)
{
    // The paper chosen for the printer, where it is one the template is laid out for.
    const QPageSize::PageSizeId chosen = printer.pageLayout().pageSize().id();
    const TemplateDocument d = chosen == QPageSize::A4       ? onPaper(document, Paper::A4)
                               : chosen == QPageSize::Letter ? onPaper(document, Paper::Letter)
                                                             : document;
    if (!d.ok())
        return d.problem;
    // The paper's corner is the origin and the printer's resolution the scale: nothing is fitted.
    printer.setFullPage(true);
    printer.setPageLayout(pageLayoutOf(d.tiling));
    QPainter painter;
    if (!painter.begin(&printer)) {
        std::string message(texts::PrinterCannotStart.in(d.language));
        fillIn(message, "{file}", printer.printerName().isEmpty() ? printer.outputFileName().toStdString()
                                                                  : printer.printerName().toStdString());
        return message;
    }
    paintAllPages(printer, painter, d);
    painter.end();
    return {};
}

} // namespace ab
